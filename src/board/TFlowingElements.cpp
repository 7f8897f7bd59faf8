#include "board/TFlowingElements.h"

#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

const TFlowingElements::TSwing TFlowingElements::SwingTable[6][5] = {
    {{2.5f, 7.7f, 6, 6}, {1.7f, 5.3f, 4, 4}, {2.0f, 1.7f, 4, 4}, {4.5f, 3.1f, 8, 8},
     {5.4f, 3.5f, 8, 8}},
    {{3.8f, 4.9f, 10, 9}, {2.2f, 5.6f, 7, 7}, {2.0f, 2.4f, 5, 6}, {3.7f, 2.6f, 8, 8},
     {3.1f, 5.7f, 9, 10}},
    {{2.9f, 4.2f, 12, 11}, {2.2f, 2.6f, 13, 8}, {1.6f, 3.1f, 9, 8}, {1.6f, 3.1f, 9, 8},
     {1.6f, 3.1f, 9, 8}},
    {{4.4f, 3.2f, 15, 15}, {4.1f, 2.6f, 12, 12}, {3.1f, 2.7f, 8, 9}, {1.6f, 2.9f, 10, 9},
     {1.6f, 3.1f, 13, 12}},
    {{3.5f, 4.0f, 17, 14}, {2.6f, 1.9f, 10, 10}, {2.6f, 1.9f, 8, 10}, {3.2f, 2.9f, 12, 14},
     {3.5f, 3.6f, 16, 17}},
    {{2.3f, 4.9f, 16, 15}, {1.0f, 4.4f, 9, 8}, {4.0f, 2.0f, 8, 8}, {1.7f, 3.9f, 12, 13},
     {3.8f, 2.8f, 15, 17}},
};

namespace {
int RowGroup(int row) { return std::clamp((row - 1) / 2 + 1, 1, 6); }
}  // namespace

void TFlowingElements::Start(TBoardData board, TSimpleObjectArray mask) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!mask.IsSet(x, y)) continue;
      const TBoardTile& t = board.At(x, y);
      if (t.IsSpecial()) continue;
      const int c = t.Element;
      const float sx = static_cast<float>(BoardLeft + 52 * (x - 1));
      const float sy = static_cast<float>(BoardTop + 52 * (y - 1));
      if (c >= 1 && c <= 8)
        Launch(elFruit, static_cast<std::uint8_t>(c),
               static_cast<TIndividualElementKind>(ieFruit1 + c - 1), c - 1, sx, sy, RowGroup(y));
      else if (IsFlowerCode(c))
        Launch(elFlower, static_cast<std::uint8_t>(c - 12),
               static_cast<TIndividualElementKind>(ieFlower1 + c - 13), c - 5, sx, sy,
               RowGroup(y));
    }
}

void TFlowingElements::StartToken(TPoint tile, std::uint8_t level) {
  if (level != 1 && level != 2) return;
  const bool upgraded = TileKind == tkUpgraded;
  const int pattern = 13 + (level - 1) + (upgraded ? 2 : 0);
  Launch(elGoldTile, upgraded ? 2 : 1, upgraded ? ieGoldTile2 : ieGoldTile1, pattern,
         static_cast<float>(BoardLeft + 52 * (tile.X - 1)),
         static_cast<float>(BoardTop + 52 * (tile.Y - 1)), RowGroup(tile.Y));
}

void TFlowingElements::StartSpider(int x, int y) {
  Launch(elSpider, 1, ieSpider, 12, static_cast<float>(x), static_cast<float>(y), 1);
}

void TFlowingElements::Launch(TElementKind kind, std::uint8_t index,
                              TIndividualElementKind individual, int pattern, float x, float y,
                              int rowGroup) {
  LastUsed = (LastUsed + 1) % SlotCount;
  TFlight& f = Flights[LastUsed];
  f = TFlight{};
  f.State = fsWaiting;
  f.Kind = kind;
  f.Index = index;
  f.Individual = individual;
  f.Pattern = pattern;
  f.X = x;
  f.Y = y;

  TPoint slot{395, 0};
  if (OnSlotPosRequest) OnSlotPosRequest(*this, individual, slot);
  f.TargetX = static_cast<float>(slot.X);
  f.TargetY = static_cast<float>(slot.Y);

  const float dx = std::fabs(static_cast<float>(slot.X - RoundHalfEven(x)));
  const float dy = std::fabs(static_cast<float>(slot.Y - RoundHalfEven(y)));
  const float longer = std::max(dx, dy);
  if (longer > 0) {
    f.SpeedX = 3 * dx / longer;
    f.SpeedY = 3 * dy / longer;
  }
  f.AccelX = 0.7f * f.SpeedX;
  f.AccelY = 0.7f * f.SpeedY;

  f.Swing = SwingTable[rowGroup - 1][TGameRandom::Random(5)];
  f.SwingSpeed = 5.5f;
  f.SwingRising = true;
  f.SwingOffset = 1.5f;

  f.Angle = 0;
  f.AngleStep = static_cast<float>(6 + TGameRandom::Random(6));
  f.Increasing = TGameRandom::Random(2) == 0;
  f.Scale = 1 + 0.1f * TGameRandom::Random(3);

  // Fly a copy to see where the swing leaves it, so that the element lands on its slot.
  TFlight probe = f;
  for (int i = 0; i < MaxCorrectionFrames; ++i)
    if (Advance(probe, IsWindows8OrLater)) {
      f.TargetX -= static_cast<float>(RoundHalfEven(probe.SwingOffset));
      break;
    }
}

bool TFlowingElements::Advance(TFlight& f, bool twice) {
  if (f.SwingRising) {
    f.SwingSpeed += f.Swing.Increase;
    if (f.SwingSpeed >= f.Swing.Upper) {
      f.SwingSpeed = f.Swing.Upper;
      f.SwingRising = false;
    }
  } else {
    f.SwingSpeed -= f.Swing.Decrease;
    if (f.SwingSpeed <= -f.Swing.Lower) {
      f.SwingSpeed = -f.Swing.Lower;
      f.SwingRising = true;
    }
  }
  f.SwingOffset += f.SwingSpeed;
  for (int pass = twice ? 2 : 1; pass > 0; --pass) {
    f.SpeedX += f.AccelX;
    f.SpeedY += f.AccelY;
    TMotion::ApproachFloat(f.X, f.TargetX, f.SpeedX);
    TMotion::ApproachFloat(f.Y, f.TargetY, f.SpeedY);
    if (f.Y == f.TargetY) return true;
  }
  return false;
}

void TFlowingElements::UpdateAndDraw() {
  if (!Visible) return;
  for (TFlight& f : Flights) {
    if (f.State == fsFree) continue;
    if (f.State == fsWaiting) {
      f.State = fsFlying;  // no delay: it moves from the next frame on
    } else {
      const bool arrived = Advance(f, IsWindows8OrLater);
      if (arrived) {
        f.State = fsFree;
        if (OnOneFruitArrived) OnOneFruitArrived(*this, f.Kind, f.Index);
      }
      if (OnDustEffectRequest)
        OnDustEffectRequest(*this, RoundHalfEven(f.X + f.SwingOffset), RoundHalfEven(f.Y));
    }
    if (f.Increasing) {
      f.Angle += f.AngleStep;
      if (f.Angle >= 360) f.Angle = 0;
    } else {
      f.Angle -= f.AngleStep;
      if (f.Angle <= 0) f.Angle += 360;
    }
    if (OmgImgList)
      OmgImgList->DrawImage("FlowingElements",
                            static_cast<float>(RoundHalfEven(f.X + f.SwingOffset)),
                            static_cast<float>(RoundHalfEven(f.Y)), f.Pattern,
                            {.ScaleX = f.Scale, .ScaleY = f.Scale, .CenterX = 0.5f, .CenterY = 0.5f,
                             .Angle = f.Angle});
  }
}

void TFlowingElements::Clear() {
  for (TFlight& f : Flights) f.State = fsFree;
}

int TFlowingElements::ActiveCount() const {
  int n = 0;
  for (const TFlight& f : Flights) n += f.State != fsFree;
  return n;
}
