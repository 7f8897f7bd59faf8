#include "effects/TMatchedCyanEffect.h"

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }
}  // namespace

void TMatchedCyanEffect::RefreshSizes() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf("CyanParticle")) OrigParticleWidth = static_cast<float>(w);
  if (int h = OmgImgList->TileHeightOf("CyanParticle")) OrigParticleHeight = static_cast<float>(h);
}

void TMatchedCyanEffect::EmitMask(const TSimpleObjectArray& mask) {
  for (int i = 1; i <= BoardColumns; ++i)
    for (int j = 1; j <= BoardRows; ++j) {
      if (!mask.IsSet(i, j)) continue;
      for (int k = 0; k < ParticlesPerTile; ++k)
        Emit(static_cast<float>(BoardLeft + 52 * i - 35), static_cast<float>(BoardTop + 52 * j - 30));
    }
}

void TMatchedCyanEffect::Emit(float x, float y) {
  Ring = Ring % SlotCount + 1;
  TParticle& p = Slots[Ring - 1];
  // A full ring drops particles rather than cutting live ones short.
  if (p.Busy) return;
  p.X = x + 2.0f * R(5);
  p.Y = y + static_cast<float>(R(5));
  p.SpeedX = 0.3f * (1 + R(8));
  if (R(2) == 0) p.SpeedX = -p.SpeedX;
  p.SpeedY = 0.4f * (1 + R(5));
  if (R(2) == 0) p.SpeedY = -p.SpeedY;
  float sign = p.SpeedX < 0 ? -1.0f : 1.0f;
  p.BrakeX = sign * 0.012f * (1 + R(5));
  p.BrakeY = sign * 0.03f * (1 + R(5));
  p.Lift = -0.28f - 0.17f * R(5);
  p.Alpha = 220;
  p.AlphaDec = 0.4f + 0.4f * R(6);
  p.Pattern = 1 + R(5);
  p.Size = 21.0f + 4.0f * R(6);
  p.SizeDec = 0.3f * (1 + R(6));
  p.Busy = true;
}

void TMatchedCyanEffect::UpdateAndDraw() {
  if (!Visible) return;
  for (TParticle& p : Slots) {
    if (!p.Busy) continue;
    p.SpeedX -= p.BrakeX;
    p.SpeedY -= p.BrakeY;
    p.X += p.SpeedX;
    p.Y += p.SpeedY + p.Lift;
    p.Alpha -= p.AlphaDec;
    if (p.Alpha <= 10) p.Busy = false;
    p.Size -= p.SizeDec;
    if (p.Size < 8) p.Busy = false;
    if (!OmgImgList) continue;
    int size = RoundHalfEven(p.Size);
    int alpha = RoundHalfEven(p.Alpha);
    if (alpha <= 0) continue;
    OmgImgList->DrawImage("CyanParticle", static_cast<float>(RoundHalfEven(p.X) - size / 2),
                          static_cast<float>(RoundHalfEven(p.Y) - size / 2), p.Pattern - 1,
                          {.A = static_cast<std::uint8_t>(alpha > 255 ? 255 : alpha),
                           .ScaleX = p.Size / OrigParticleWidth,
                           .ScaleY = p.Size / OrigParticleHeight, .Blend = bmAdditive});
  }
}

void TMatchedCyanEffect::Reset() {
  for (TParticle& p : Slots) p.Busy = false;
}

int TMatchedCyanEffect::BusyCount() const {
  int n = 0;
  for (const TParticle& p : Slots) n += p.Busy ? 1 : 0;
  return n;
}
