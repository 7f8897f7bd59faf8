#pragma once
#include <functional>

#include "engine/TAnimData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The aura a creature raises while it absorbs. It grows to its peak, where it drains the
// tube (OnAuraPeak), and fades after Stop. It keeps state only; TBossPainter draws it.
class TMonsterAura : public TComponent {
 public:
  enum TAuraState : int { asOff = 0, asGrowing = 1, asPeak = 2, asFading = 3 };
  static constexpr int SparkCount = 5;

  struct TSpark {
    float X = 0, Y = 0;
    float Angle = 0;
    int Alpha = 0;
    float Size = 0;
    TAnimData Frames{"1122334455", false};
  };

  int Left = 0, Top = 0;  // the aura's centre
  int AuraPeakDelayTime = 2000;  // ms
  float MaxBubbleSizeRatio = 2.0f, MinBubbleSizeRatio = 0.5f;
  int MaxBubbleAlpha = 240, MinBubbleAlpha = 10;
  int SparksAdjX = -64, SparksAdjY = -45;
  bool Visible = true;
  TOmegaImageList* OmgImgList = nullptr;
  std::function<void(TMonsterAura&)> OnAuraPeak;
  std::function<void(TMonsterAura&)> OnAuraPeakWithDelay;

  void Start();
  void Stop();
  void Clear();  // level start only: OnAuraPeakWithDelay fires at most once per round
  void Update();

  TAuraState State() const { return FState; }
  float BubbleSize() const { return FSize; }
  int BubbleAlpha() const { return FAlpha; }
  float Fade() const { return FFade; }
  float Rotation() const { return FRotation; }
  float Wobble() const { return FWobble; }
  const TSpark& Spark(int i) const { return Sparks[i]; }
  int SparkFrame(int i) const;  // pattern of spark i now

 private:
  void PlaceSpark(TSpark& s);

  TAuraState FState = asOff;
  float FSize = 0.5f;
  int FAlpha = 10;
  int PeakTimer = 0;
  bool PeakDelayFired = false;
  float FFade = 0;
  bool FadingIn = false;
  float FRotation = 0;
  float FWobble = 0, WobbleStep = 0.003f;
  TSpark Sparks[SparkCount];
};
