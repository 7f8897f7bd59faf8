#include "board/TLockerFrames.h"

#include <algorithm>
#include <vector>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

void TLockerFrames::Load(const TSimpleObjectArray& levels) {
  Clear();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const int level = levels.At(x, y);
      if (level == 0) continue;
      TFrame& f = Frames[x - 1][y - 1];
      f.State = lfAway;
      f.Level = static_cast<std::uint8_t>(std::min(level, 2));
      f.X = static_cast<float>(CenterPosX);
      f.Y = static_cast<float>(CenterPosY);
    }
}

void TLockerFrames::RemoveFrames(const TSimpleObjectArray& mask) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TFrame& f = Frames[x - 1][y - 1];
      if (!mask.IsSet(x, y) || f.State == lfNone) continue;
      const std::uint8_t had = f.Level;
      if (--f.Level == 0) f.State = lfNone;
      if (OnLockerFrameEffectRequest) OnLockerFrameEffectRequest(*this, {x, y}, had);
    }
}

void TLockerFrames::StartFlight(TFrame& f, float toX, float toY, float pace, TFrameState state) {
  f.TargetX = toX;
  f.TargetY = toY;
  TMotion::StraightLineSpeeds(f.X, f.Y, toX, toY, pace, f.SpeedX, f.SpeedY);
  for (int i = 0; i < 3; ++i) {
    f.PrevX[i] = f.X;
    f.PrevY[i] = f.Y;
  }
  f.State = state;
}

void TLockerFrames::FlyIn() {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TFrame& f = Frames[x - 1][y - 1];
      if (f.State == lfNone) continue;
      f.X = static_cast<float>(CenterPosX);
      f.Y = static_cast<float>(CenterPosY);
      StartFlight(f, static_cast<float>(BoardLeft + 52 * (x - 1) + FrameAdjustX),
                  static_cast<float>(BoardTop + 52 * (y - 1) + FrameAdjustY), FlyInPace,
                  lfFlyingIn);
    }
}

void TLockerFrames::FlyOut() {
  for (auto& column : Frames)
    for (TFrame& f : column) {
      if (f.State == lfNone || f.State == lfAway) continue;
      StartFlight(f, static_cast<float>(CenterPosX), static_cast<float>(CenterPosY), FlyOutPace,
                  lfFlyingOut);
    }
}

void TLockerFrames::AdvanceRotater() {
  if (!TMotion::TimerTick(RotaterTimer, RotaterInterval)) return;
  RotaterTimer = 0;
  if (TGameRandom::Random(RotaterOnePerXProb) != 0) return;
  std::vector<TFrame*> candidates;
  for (auto& column : Frames)
    for (TFrame& f : column)
      if (f.State != lfNone && f.Angle <= 0) candidates.push_back(&f);
  if (candidates.empty()) return;
  TFrame* f = candidates[TGameRandom::Random(static_cast<int>(candidates.size()))];
  f->Angle = 360;  // drops by one step before it is first drawn
}

void TLockerFrames::Move(TFrame& f) {
  for (int i = 2; i > 0; --i) {
    f.PrevX[i] = f.PrevX[i - 1];
    f.PrevY[i] = f.PrevY[i - 1];
  }
  f.PrevX[0] = f.X;
  f.PrevY[0] = f.Y;
  const bool atX = TMotion::ApproachFloat(f.X, f.TargetX, f.SpeedX);
  const bool atY = TMotion::ApproachFloat(f.Y, f.TargetY, f.SpeedY);
  if (atX && atY) f.State = f.State == lfFlyingIn ? lfResting : lfAway;
}

void TLockerFrames::Draw(const TFrame& f) {
  if (!OmgImgList) return;
  const bool moving = f.State == lfFlyingIn || f.State == lfFlyingOut;
  if (moving) {
    static const std::uint8_t TrailAlpha[3] = {120, 90, 60};
    for (int i = 0; i < 3; ++i)
      OmgImgList->DrawImage("BrownTile", static_cast<float>(RoundHalfEven(f.PrevX[i])),
                            static_cast<float>(RoundHalfEven(f.PrevY[i])), 0,
                            {.A = TrailAlpha[i], .Blend = bmAdditive});
  }
  const int pattern = f.Level - 1 + (TileKind == tkUpgraded ? 2 : 0);
  const bool turning = f.Angle > 0;
  OmgImgList->DrawImage("BrownTile", static_cast<float>(RoundHalfEven(f.X)),
                        static_cast<float>(RoundHalfEven(f.Y)), pattern,
                        {.ScaleX = turning ? 1.2f : 1, .ScaleY = turning ? 1.2f : 1,
                         .CenterX = 0.5f, .CenterY = 0.5f, .Angle = turning ? f.Angle : 0});
}

void TLockerFrames::UpdateAndDraw() {
  if (!Visible) return;
  AdvanceRotater();
  for (auto& column : Frames)
    for (TFrame& f : column) {
      if (f.State == lfNone) continue;
      if (f.Angle > 0) f.Angle = std::max(0.0f, f.Angle - static_cast<float>(RotationAngleStep));
      if (f.State == lfFlyingIn || f.State == lfFlyingOut) Move(f);
      if (f.State != lfAway) Draw(f);
    }
}

void TLockerFrames::Clear() {
  for (auto& column : Frames)
    for (TFrame& f : column) f = TFrame{};
  RotaterTimer = 0;
}

int TLockerFrames::CountFrames() const {
  int n = 0;
  for (const auto& column : Frames)
    for (const TFrame& f : column) n += f.State != lfNone;
  return n;
}

bool TLockerFrames::Moving() const {
  for (const auto& column : Frames)
    for (const TFrame& f : column)
      if (f.State == lfFlyingIn || f.State == lfFlyingOut) return true;
  return false;
}
