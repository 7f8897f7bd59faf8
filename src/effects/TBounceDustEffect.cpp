#include "effects/TBounceDustEffect.h"

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }
}  // namespace

void TBounceDustEffect::RefreshSizes() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf("DustParticle")) OrigDustWidth = static_cast<float>(w);
  if (int h = OmgImgList->TileHeightOf("DustParticle")) OrigDustHeight = static_cast<float>(h);
}

void TBounceDustEffect::Emit(int x, int y, int group, int type) {
  Ring = Ring % SlotCount + 1;
  TParticle& p = Slots[Ring - 1];
  // A full ring drops puffs rather than cutting live ones short.
  if (!p.Free) return;
  p.X = static_cast<float>(x + 2 * R(5));
  p.Y = static_cast<float>(y + R(5));
  p.SpeedY = -(0.3f + 0.05f * R(5));
  p.Shape = 1 + R(3);
  switch (type) {
    case 1:
      p.Color = 3;
      p.Alpha = 100;
      p.AlphaDec = 1.5f + 1.15f * R(5);
      p.Size = 25.0f + 3.0f * R(7);
      p.SizeDec = 0.12f + 0.05f * R(6);
      break;
    case 2:
      p.Color = 4;
      p.Alpha = 110;
      p.AlphaDec = 2.5f + 1.15f * R(7);
      p.Size = 20.0f + 3.0f * R(5);
      p.SizeDec = 0.13f + 0.075f * R(9);
      break;
    case 3:
      p.Color = 6;
      p.Alpha = 70;
      p.AlphaDec = 2.0f + 1.15f * R(5);
      p.Size = 18.0f + 3.0f * R(5);
      p.SizeDec = 0.14f + 0.065f * R(6);
      break;
    case 4:
      p.Color = 7;
      p.Alpha = 150;
      p.AlphaDec = 1.5f + 0.85f * R(4);
      p.Size = 10.0f + 2.0f * R(4);
      p.SizeDec = 0.12f + 0.055f * R(4);
      break;
    default:
      p.Color = 1;
      p.Alpha = 90;
      p.AlphaDec = 2.5f + 1.15f * R(5);
      p.Size = 15.0f + 3.0f * R(5);
      p.SizeDec = 0.1f + 0.06f * R(6);
  }
  p.Group = group;
  p.Free = false;
}

void TBounceDustEffect::Emit5(int x, int y, int group, int type) {
  for (int i = 0; i < 5; ++i) Emit(x, y, group, type);
}

void TBounceDustEffect::UpdateAndDraw(int group) {
  if (IsWindows8OrLater) return;
  for (TParticle& p : Slots) {
    if (p.Free) continue;
    if (group != AnyGroup && p.Group != AnyGroup && p.Group != group) continue;
    p.Y -= p.SpeedY;
    p.Alpha -= p.AlphaDec;
    if (p.Alpha <= 6) p.Free = true;
    p.Size -= p.SizeDec;
    if (p.Size < 5) p.Free = true;
    if (!OmgImgList) continue;
    int alpha = RoundHalfEven(p.Alpha);
    if (alpha <= 0) continue;
    OmgImgList->DrawImage("DustParticle", static_cast<float>(RoundHalfEven(p.X)),
                          static_cast<float>(RoundHalfEven(p.Y)), 3 * p.Color + p.Shape - 4,
                          {.A = static_cast<std::uint8_t>(alpha > 255 ? 255 : alpha),
                           .ScaleX = p.Size / OrigDustWidth, .ScaleY = p.Size / OrigDustHeight,
                           .Blend = bmAdditive});
  }
}

void TBounceDustEffect::Reset() {
  for (TParticle& p : Slots) p.Free = true;
}

int TBounceDustEffect::BusyCount() const {
  int n = 0;
  for (const TParticle& p : Slots) n += p.Free ? 0 : 1;
  return n;
}
