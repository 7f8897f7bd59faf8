#pragma once
#include <functional>

#include "engine/TComponent.h"

enum TPopperFloatType { ftNone, ftRightAway, ftAfterPop };

// Gives another sprite a pop-in: the scale ratio swells past its normal size and settles,
// then the sprite fades (and may rise). It draws nothing itself.
class TSpritePopper : public TComponent {
 public:
  float MinRatio = 1.0f, MaxRatio = 1.2f, NormalRatio = 1.0f;
  float UpStep = 0.01f, DownStep = 0.01f;
  int FloatEndAlpha = 60, FloatAlphaStep = 8;
  TPopperFloatType FloatType = ftNone;
  float FloatStep = 1;
  std::function<void(TSpritePopper& sender)> OnDelayedPopHappens;

  void Pop(float x = 0, float y = 0);
  // Pops after the given milliseconds of updates.
  void DelayedPop(int milliseconds, float x = 0, float y = 0);
  void Update();
  void Reset();

  // From the pop until the fade has ended.
  bool Running() const { return Phase >= 1 && Phase <= 3; }
  // From the pop on, the finished fade included, until Reset; not while a delay waits.
  bool Active() const { return Phase >= 1; }
  bool Finished() const { return Phase == 4; }
  float Ratio() const { return CurrentRatio; }
  int Alpha() const { return CurrentAlpha; }
  float X() const { return PosX; }
  float Y() const { return PosY; }

 private:
  // 0 idle, 1 swelling, 2 settling, 3 fading, 4 finished.
  int Phase = 0;
  bool Delaying = false;
  int DelayCounter = 0, DelayLimit = 0;
  float CurrentRatio = 1.0f;
  int CurrentAlpha = 255;
  float PosX = 0, PosY = 0;
};
