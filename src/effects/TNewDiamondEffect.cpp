#include "effects/TNewDiamondEffect.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
// Extra size of rays 1..5 over the potion's own size.
const std::vector<float> RayExtraSizes = {17, 34, 51, 68, 98};
}  // namespace

TNewDiamondEffect::TNewDiamondEffect() {
  Rays.Setup(5, RayExtraSizes);
}

void TNewDiamondEffect::RefreshSizes() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf("DiamondsBig")) OrigBigFlowerWidth = static_cast<float>(w);
  if (int h = OmgImgList->TileHeightOf("DiamondsBig")) OrigBigFlowerHeight = static_cast<float>(h);
  if (int w = OmgImgList->TileWidthOf("DiamondShine")) OrigFlowerShineWidth = static_cast<float>(w);
  if (int h = OmgImgList->TileHeightOf("DiamondShine"))
    OrigFlowerShineHeight = static_cast<float>(h);
}

void TNewDiamondEffect::Start(TPoint tile, int index, TPoint root) {
  AcquiredFlowerIdx = index;
  PosX = static_cast<float>(BoardLeft + 52 * tile.X - 26);
  PosY = static_cast<float>(BoardTop + 52 * tile.Y - 26);
  DestX = 683;
  DestY = 384;
  Root = root;
  CurrentSize = 52;
  Phase = 1;
  Timer = 0;
  RootedTimer = 0;
  StarsRequested = false;
  TMotion::StraightLineSpeeds(PosX, PosY, DestX, DestY, 26, SpeedX, SpeedY);
}

void TNewDiamondEffect::Stop() {
  Phase = 0;
  CurrentSize = 0;
}

void TNewDiamondEffect::UpdateAndDraw() {
  if (Phase == 0 || !Visible) return;
  Swing.Step();
  auto raise = [this](const TNotify& e) {
    if (e) e(*this);
  };
  switch (Phase) {
    case 1:
      TMotion::ApproachFloat(PosX, DestX, SpeedX);
      TMotion::ApproachFloat(PosY, DestY, SpeedY);
      if (RoundHalfEven(PosX) == RoundHalfEven(DestX) &&
          RoundHalfEven(PosY) == RoundHalfEven(DestY)) {
        Phase = 2;
        Timer = 0;
        raise(OnArrivedToCenter);
      }
      break;
    case 2:
      if (TMotion::TimerTick(Timer, StretchingTime)) {
        DestX = static_cast<float>(Root.X);
        DestY = static_cast<float>(Root.Y);
        TMotion::StraightLineSpeeds(PosX, PosY, DestX, DestY, 20, SpeedX, SpeedY);
        Phase = 3;
        raise(OnStretchingFinished);
      }
      break;
    case 3:
      TMotion::ApproachFloat(PosX, DestX, SpeedX);
      TMotion::ApproachFloat(PosY, DestY, SpeedY);
      if (RoundHalfEven(PosX) == RoundHalfEven(DestX) &&
          RoundHalfEven(PosY) == RoundHalfEven(DestY)) {
        RootedTimer = 0;
        Phase = 4;
        raise(OnFlowerArrivedOnRoot);
      }
      break;
    case 4:
      if (TMotion::TimerTick(RootedTimer, RootedTime)) {
        Phase = 0;
        return;
      }
      break;
  }
  if (Phase == 0) return;  // an event handler may have stopped it
  if (Phase <= 2 && CurrentSize < MaxResizeCount) {
    CurrentSize = std::min(MaxResizeCount, CurrentSize + ResizeAddition);
    if (CurrentSize == MaxResizeCount && !StarsRequested) {
      StarsRequested = true;
      raise(OnStretchingStarsEffectRequest);
    }
  } else if (Phase == 3) {
    CurrentSize = std::max(RootedFlowerSize, CurrentSize - ResizeAddition);
  }
  Rays.Update(MinShineAlpha, MaxShineAlpha);
  Draw();
}

void TNewDiamondEffect::Draw() {
  if (!OmgImgList || Phase == 0) return;
  const int x = RoundHalfEven(PosX), y = RoundHalfEven(PosY);
  for (const TRaySet::TRay& ray : Rays.Rays()) {
    float extra = ray.Size;
    float alpha = ray.Alpha;
    float rx = static_cast<float>(x - 122), ry = static_cast<float>(y - 126);
    if (Phase == 4) {
      extra -= static_cast<float>(static_cast<int>(extra) / 4);
      alpha -= static_cast<float>(
          RoundHalfEven(static_cast<double>(RootedTimer) / RootedTime * MaxShineAlpha));
      rx = static_cast<float>(x - 126);
      ry = static_cast<float>(y - 140);
    }
    int a = std::clamp(RoundHalfEven(alpha), 0, 255);
    if (a == 0) continue;
    OmgImgList->DrawImage("DiamondShine", rx, ry, 0,
                          {.A = static_cast<std::uint8_t>(a),
                           .ScaleX = (extra + CurrentSize) / OrigFlowerShineWidth,
                           .ScaleY = (extra + CurrentSize) / OrigFlowerShineHeight, .CenterX = 0.5f,
                           .CenterY = 0.5f, .Angle = ray.Angle, .Blend = bmAdditive});
  }
  if (Phase == 4) return;
  const int pattern = std::max(0, AcquiredFlowerIdx - 7);
  const float sx = CurrentSize / OrigBigFlowerWidth, sy = CurrentSize / OrigBigFlowerHeight;
  const float left = x - OrigBigFlowerWidth / 2, top = y - OrigBigFlowerHeight / 2;
  const float angle = Swing.Value;
  OmgImgList->DrawImage("DiamondsBig", left + 10, top + 13, pattern,
                        {.R = 0, .G = 0, .B = 0, .A = static_cast<std::uint8_t>(ShadowAlpha),
                         .ScaleX = sx, .ScaleY = sy, .CenterX = 0.5f, .CenterY = 0.5f,
                         .Angle = angle});
  OmgImgList->DrawImage(
      "DiamondsBig", left, top, pattern,
      {.ScaleX = sx, .ScaleY = sy, .CenterX = 0.5f, .CenterY = 0.5f, .Angle = angle});
}
