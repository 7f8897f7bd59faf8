#include "board/TBigBombEffect.h"

#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

void TBigBombEffect::Start(TPoint tile) {
  if (PlaySound) PlaySound("Bomb");
  Tile = tile;
  Exploded = false;
  const float cx = static_cast<float>(BoardLeft + 52 * tile.X - 42);
  const float cy = static_cast<float>(BoardTop + 52 * tile.Y - 65);
  for (int i = 0; i < ParticleCount; ++i) {
    TBombParticle& p = Particles[i];
    p.Active = true;
    p.X = cx;
    p.Y = cy;
    p.Scale = 0.1f + 0.1f * TGameRandom::Random(5);
    if (i >= ParticleCount - 11) p.Scale += 0.1f * TGameRandom::Random(3);
    p.ScaleStep = ScaleStep;
    const float direction = (18.0f * i + TGameRandom::Random(18)) * 3.14159265f / 180;
    const float speed = 2.0f + 0.75f * TGameRandom::Random(5);
    p.SpeedX = speed * std::cos(direction);
    p.SpeedY = speed * std::sin(direction);
    p.Angle = 18.0f * TGameRandom::Random(20);
    p.Spin = static_cast<float>(TGameRandom::Random(11) - 5);
    p.Alpha = 255;
    p.AlphaStep = 0;
    p.Pattern = TGameRandom::Random(10);
  }
}

void TBigBombEffect::Reset() {
  for (TBombParticle& p : Particles) p.Active = false;
  Exploded = true;
}

bool TBigBombEffect::Active() const {
  return std::any_of(std::begin(Particles), std::end(Particles),
                     [](const TBombParticle& p) { return p.Active; });
}

void TBigBombEffect::UpdateAndDraw() {
  if (!Visible) return;
  bool reachedFull = false;
  for (TBombParticle& p : Particles) {
    if (!p.Active) continue;
    p.X += p.SpeedX;
    p.Y += p.SpeedY;
    p.Scale += p.ScaleStep;
    p.Angle += p.Spin;
    if (p.Scale >= FullScale) {
      reachedFull = true;
      // Fully grown pieces fade while they go on growing.
      p.Alpha -= 28;
      if (p.Alpha <= 0) {
        p.Active = false;
        continue;
      }
    }
    if (OmgImgList)
      OmgImgList->DrawImage("BombParticle", p.X, p.Y, p.Pattern,
                            {.A = static_cast<std::uint8_t>(RoundHalfEven(p.Alpha)),
                             .ScaleX = p.Scale, .ScaleY = p.Scale, .CenterX = 0.5f, .CenterY = 0.5f,
                             .Angle = p.Angle, .Blend = bmAdditive});
  }
  if (reachedFull && !Exploded) {
    Exploded = true;
    if (OnFullExplosion) OnFullExplosion(*this, Tile);
  }
}
