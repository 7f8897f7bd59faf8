#pragma once
#include <functional>
#include <string>

#include "platform/TBlendMode.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// A stamp: one picture comes down large and faint, lands at its own size with a thud and a
// shine, rests, and (with a resting time) fades while it swells away.
class TPlusOneBigHeart : public TComponent {
 public:
  enum class TPhase { Off, Waiting, Landing, Attached, Leaving };

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  std::string PlusOneBigHeartImg;
  int Left = 0, Top = 0;
  int MainFrameIdx = 0, ShineFrameIdx = 1;
  int StartAlpha = 120, StartAlphaStep = 25, AttachedAlpha = 255, EndAlpha = 30,
      EndAlphaStep = 20;
  double StartSize = 3.0, StartSizeStep = 0.225, AttachedSize = 1.0, EndSizeStep = 0.03;
  int ShineStartAlpha = 120, ShineAlphaStep = 6, ShineEndAlpha = 20;
  double ShineStartSize = 1.0, ShineSizeStep = 0.12;
  // Resting time before it leaves; 0 keeps it.
  int AttachedTime = 250;
  std::function<void(TPlusOneBigHeart& sender)> OnAttached;

  void Start(int delayMs = 0);
  void Clear();
  void Update();

  TPhase Phase() const { return FPhase; }
  int Alpha() const { return FAlpha; }
  double Size() const { return FSize; }
  bool ShineActive() const { return FShineOn; }
  int ShineAlpha() const { return FShineAlpha; }
  double ShineSize() const { return FShineSize; }

 private:
  void Step();
  void DrawFrame(int pattern, int alpha, double size, TBlendMode blend);

  TPhase FPhase = TPhase::Off;
  int Delay = 0, Timer = 0;
  int FAlpha = 0;
  double FSize = 1;
  bool FShineOn = false;
  int FShineAlpha = 0;
  double FShineSize = 1;
};
