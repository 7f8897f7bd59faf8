#include "effects/TWorldMapWaves.h"

#include <algorithm>

#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
float R(int n) { return static_cast<float>(TGameRandom::Random(n)); }
}  // namespace

TWorldMapWaves::TWorldMapWaves() {
  TGameRandom::Randomize();
  for (int i = 0; i < WaveCount; ++i) {
    TWave& w = Waves[i];
    w.X = Points[i].X;
    w.Y = Points[i].Y;
    w.Pattern = TGameRandom::Random(3);
    w.Mirror = TGameRandom::Random(2) == 0;
    // Each Setup argument is drawn in its own statement so the draws keep their order.
    float lo = -1.2f - 0.2f * R(6), hi = 1.2f + 0.2f * R(6);
    float inc = 0.11f + 0.005f * R(6), dec = 0.12f + 0.005f * R(5);
    w.Angle.Setup(lo, hi, inc, dec);
    lo = 0.9f + 0.06f * R(5);
    hi = 1.15f + 0.06f * R(5);
    inc = 0.011f + 0.0005f * R(5);
    dec = 0.0085f + 0.0003f * R(5);
    w.ScaleX.Setup(lo, hi, inc, dec);
    lo = 0.9f + 0.04f * R(5);
    hi = 1.1f + 0.04f * R(5);
    inc = 0.008f + 0.0003f * R(5);
    dec = 0.006f + 0.0002f * R(5);
    w.ScaleY.Setup(lo, hi, inc, dec);
    lo = 180.0f + 5.0f * R(7);
    hi = 255.0f - 2.0f * R(4);
    inc = 6.0f + R(7);
    dec = 4.0f + R(6);
    w.Alpha.Setup(lo, hi, inc, dec);
  }
}

void TWorldMapWaves::UpdateAndDraw() {
  if (!Visible) return;
  for (TWave& w : Waves) {
    w.Angle.Step();
    w.ScaleX.Step();
    w.ScaleY.Step();
    w.Alpha.Step();
    if (!OmgImgList) continue;
    OmgImgList->DrawImage(
        "WorldMapWaves", static_cast<float>(w.X), static_cast<float>(w.Y), w.Pattern,
        {.A = static_cast<std::uint8_t>(std::clamp(w.Alpha.RoundedValue(), 0, 255)),
         .ScaleX = w.ScaleX.Value, .ScaleY = w.ScaleY.Value, .CenterX = 0.45f, .CenterY = 0.55f,
         .Angle = w.Angle.Value, .Mirror = w.Mirror});
  }
}
