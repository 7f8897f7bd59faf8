#include "effects/TStoveSmoke.h"

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }
}  // namespace

void TStoveSmoke::Spawn() {
  for (TPuff& p : Puffs) {
    if (p.Active) continue;
    TGameRandom::Randomize();
    p.Size = 0.9 + 0.1 * R(3);
    p.SizeStep = -0.008 - 0.0026 * R(5);
    p.X = Left + R(5) - R(5);
    p.Y = Top + R(5) - R(5);
    p.StepX = 0;
    p.StepY = -(1.2 + 0.06 * R(4));
    p.Alpha = 90 + 2 * R(6);
    p.AlphaStep = 2;
    p.Angle = 50 + 20 * R(5);
    p.AngleStep = 1.2 + 0.32 * R(5);
    if (R(2) == 0) p.AngleStep = -p.AngleStep;
    p.Pattern = static_cast<std::uint8_t>(1 + R(3));
    p.Active = true;
    return;
  }
}

void TStoveSmoke::UpdateAndDraw(bool draw) {
  if (draw && !Visible) return;
  if (++SpawnCounter >= 2) {
    SpawnCounter = 0;
    Spawn();
  }
  for (TPuff& p : Puffs) {
    if (!p.Active) continue;
    p.Size += p.SizeStep;
    if (p.Size < 0.2) p.Active = false;
    p.X += p.StepX;
    p.Y += p.StepY;
    p.Alpha -= p.AlphaStep;
    if (p.Alpha < 20) {
      p.Alpha = 0;
      p.Active = false;
    }
    p.Angle += p.AngleStep;
    if (p.Alpha <= 0 || !draw || !OmgImgList) continue;
    OmgImgList->DrawImage("PracticeSmoke", static_cast<float>(RoundHalfEven(p.X)),
                          static_cast<float>(RoundHalfEven(p.Y)), p.Pattern - 1,
                          {.A = static_cast<std::uint8_t>(p.Alpha > 255 ? 255 : p.Alpha),
                           .ScaleX = static_cast<float>(p.Size),
                           .ScaleY = static_cast<float>(p.Size), .CenterX = 0.52f,
                           .CenterY = 0.48f, .Angle = static_cast<float>(p.Angle)});
  }
}

void TStoveSmoke::Reset() {
  for (TPuff& p : Puffs) p.Active = false;
  SpawnCounter = 0;
  for (int i = 0; i < 100; ++i) UpdateAndDraw(false);
}

bool TStoveSmoke::Active() const { return ActiveCount() > 0; }

int TStoveSmoke::ActiveCount() const {
  int n = 0;
  for (const TPuff& p : Puffs) n += p.Active ? 1 : 0;
  return n;
}
