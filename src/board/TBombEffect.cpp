#include "board/TBombEffect.h"

#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

void TBombEffect::Start(TPoint tile) {
  if (PlaySound) PlaySound("Bomb");
  // The blast covers the tile and its right and lower neighbours: burst from their middle.
  const float cx = static_cast<float>(BoardLeft + 52 * tile.X) - 20;
  const float cy = static_cast<float>(BoardTop + 52 * tile.Y) - 20;
  for (int i = 0; i < ParticleCount; ++i) {
    TBombParticle& p = Particles[i];
    const float direction = (30.0f * i + TGameRandom::Random(20)) * 3.14159265f / 180;
    const float speed = 1.5f + 0.5f * TGameRandom::Random(4);
    p.Active = true;
    p.X = cx;
    p.Y = cy;
    p.SpeedX = speed * std::cos(direction);
    p.SpeedY = speed * std::sin(direction);
    p.Scale = 0.3f + 0.1f * TGameRandom::Random(4);
    p.ScaleStep = 0.16f + 0.02f * TGameRandom::Random(4);
    p.Angle = 30.0f * TGameRandom::Random(12);
    p.Spin = static_cast<float>(TGameRandom::Random(9) - 4);
    p.Alpha = 255;
    p.AlphaStep = 14 + 2.0f * TGameRandom::Random(4);
    p.Pattern = TGameRandom::Random(10);
  }
}

void TBombEffect::Reset() {
  for (TBombParticle& p : Particles) p.Active = false;
}

bool TBombEffect::Active() const {
  return std::any_of(std::begin(Particles), std::end(Particles),
                     [](const TBombParticle& p) { return p.Active; });
}

void TBombEffect::UpdateAndDraw() {
  if (!Visible) return;
  for (TBombParticle& p : Particles) {
    if (!p.Active) continue;
    p.X += p.SpeedX;
    p.Y += p.SpeedY;
    p.Scale += p.ScaleStep;
    p.Angle += p.Spin;
    p.Alpha -= p.AlphaStep;
    if (p.Alpha <= 0) {
      p.Active = false;
      continue;
    }
    if (OmgImgList)
      OmgImgList->DrawImage("BombParticle", p.X, p.Y, p.Pattern,
                            {.A = static_cast<std::uint8_t>(RoundHalfEven(p.Alpha)),
                             .ScaleX = p.Scale, .ScaleY = p.Scale, .CenterX = 0.5f, .CenterY = 0.5f,
                             .Angle = p.Angle, .Blend = bmAdditive});
  }
}
