#include "effects/TBounceDustEffect.h"

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }

// base + step × r(range), drawn when a puff starts.
struct TRandomValue {
  float Base, Step;
  int Range;
  float Of() const { return Base + Step * static_cast<float>(R(Range)); }
};

// The five kinds of puff: colour code, start alpha, alpha and size decrements per tick, size.
struct TDustType {
  int Color;
  float Alpha;
  TRandomValue AlphaDec, Size, SizeDec;
};
constexpr TDustType kDustTypes[5] = {
    {1, 90, {2.5f, 1.15f, 5}, {15, 3, 5}, {0.1f, 0.06f, 6}},
    {3, 100, {1.5f, 1.15f, 5}, {25, 3, 7}, {0.12f, 0.05f, 6}},
    {4, 110, {2.5f, 1.15f, 7}, {20, 3, 5}, {0.13f, 0.075f, 9}},
    {6, 70, {2.0f, 1.15f, 5}, {18, 3, 5}, {0.14f, 0.065f, 6}},
    {7, 150, {1.5f, 0.85f, 4}, {10, 2, 4}, {0.12f, 0.055f, 4}},
};
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
  const TDustType& k = kDustTypes[type >= 1 && type <= 4 ? type : 0];
  p.Color = k.Color;
  p.Alpha = k.Alpha;
  p.AlphaDec = k.AlphaDec.Of();
  p.Size = k.Size.Of();
  p.SizeDec = k.SizeDec.Of();
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
