#include "effects/TScreenDustEffect.h"

#include <string>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
// Made once: the name is too long to be built for every mote of every frame without the heap.
const std::string kImage = "ScreenDustEffect";
}  // namespace

void TScreenDustEffect::RefreshSizes() {
  if (TImageListItem* item = OmgImgList.Find(kImage)) {
    DustOrigWidth = static_cast<float>(item->GetTileWidth());
    DustOrigHeight = static_cast<float>(item->GetTileHeight());
  }
}

void TScreenDustEffect::Reset() {
  for (TMote& m : Motes) m.Active = false;
}

void TScreenDustEffect::StartOne() {
  for (TMote& m : Motes) {
    if (m.Active) continue;
    auto r = TGameRandom::Random;
    m.Active = true;
    m.X = static_cast<float>(AreaLeft + (AreaRight - AreaLeft) / 12 * r(12));
    m.Y = static_cast<float>(AreaTop + (AreaBottom - AreaTop) / 8 * r(8));
    m.SpeedX = 0.19f * (r(5) - r(5));
    m.SpeedY = 0.19f * (r(4) - r(4));
    m.AccelX = 0.05f * (r(4) - r(4));
    m.AccelY = 0.05f * (r(4) - r(4));
    m.Size = MinSize;
    m.SizeStep = 0.025f + 0.015f * r(8);
    m.Growing = true;
    m.Alpha = StartingAlpha;
    m.AlphaStep = static_cast<float>(r(4));
    m.Brightening = true;
    m.Kind = 1 + r(MaxKind);
    return;
  }
}

void TScreenDustEffect::UpdateAndDraw() {
  if (IsWindows8OrLater) return;
  StartOne();
  auto r = TGameRandom::Random;
  // Swings a value between two limits, turning once it has passed either.
  auto swing = [](float& v, float step, bool& up, float lo, float hi) {
    v += up ? step : -step;
    if (up && v > hi) up = false;
    if (!up && v < lo) up = true;
  };
  for (TMote& m : Motes) {
    if (!m.Active) continue;
    m.X += m.SpeedX;
    m.Y += m.SpeedY;
    if (r(20) == 0) m.AlphaStep = static_cast<float>(r(4));
    swing(m.Alpha, m.AlphaStep, m.Brightening, MinAlpha, MaxAlpha);
    m.SpeedX += m.AccelX;
    m.SpeedY += m.AccelY;
    swing(m.Size, m.SizeStep, m.Growing, MinSize, MaxSize);
    if (r(6) == 0) {
      m.AccelX = 0.05f * (r(4) - r(4));
      m.AccelY = 0.05f * (r(4) - r(4));
    }
    if (m.SpeedX > MoveStepSpeedLimit || m.SpeedX < -MoveStepSpeedLimit) m.AccelX = -m.AccelX;
    if (m.SpeedY > MoveStepSpeedLimit || m.SpeedY < -MoveStepSpeedLimit) m.AccelY = -m.AccelY;
    if (m.X < AreaLeft || m.X > AreaRight || m.Y < AreaTop || m.Y > AreaBottom) m.Active = false;
    int a = RoundHalfEven(m.Alpha);
    a = a < 0 ? 0 : (a > 255 ? 255 : a);
    OmgImgList.DrawImage(kImage, static_cast<float>(RoundHalfEven(m.X)),
                         static_cast<float>(RoundHalfEven(m.Y)), m.Kind - 1,
                         {.A = static_cast<std::uint8_t>(a), .ScaleX = m.Size / DustOrigWidth,
                          .ScaleY = m.Size / DustOrigHeight, .Blend = bmAdditive});
  }
}
