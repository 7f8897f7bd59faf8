#include "effects/TOldMovieEffect.h"

#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }
int HiddenTime() { return 500 + 300 * R(8); }
int ShownTime() { return 350 + 300 * R(5); }
}  // namespace

TOldMovieEffect::TOldMovieEffect() {
  TGameRandom::Randomize();
  MaskOsc.Setup(-50, 200, 7, 4);
  MaskOsc.SetRangeMin(40);
  MaskOsc.SetRangeMax(140);
  LinesOsc.Setup(165, 215, 10, 12);
  Reset();
}

void TOldMovieEffect::Reset() {
  for (TLine& l : Lines) {
    l = TLine{};
    l.Limit = HiddenTime();
  }
}

void TOldMovieEffect::StepLine(int i) {
  TLine& l = Lines[i];
  if (TMotion::TimerTick(l.Timer, l.Limit)) {
    l.Timer = 0;
    l.Shown = !l.Shown;
    if (l.Shown) {
      l.Limit = ShownTime();
      l.X = 30 + 70 * R(11);
      l.Y = Top;
      l.Slide = i == 1 ? (R(2) == 0 ? -200 : 200) : 0;
      l.FlickerTimer = 0;
      l.FlickerLimit = 50 * R(5);
    } else {
      l.Limit = HiddenTime();
    }
  }
  if (!l.Shown) return;
  TMotion::ApproachInt(l.Slide, 5, 0);
  if (TMotion::TimerTick(l.FlickerTimer, l.FlickerLimit)) {
    l.FlickerTimer = 0;
    l.FlickerLimit = 50 * R(5);
  }
  // A shown line blinks: seen only in the first half of each flicker period.
  if (OmgImgList && l.FlickerTimer < l.FlickerLimit / 2)
    OmgImgList->DrawImage("MovieEffect", static_cast<float>(l.X + l.Slide),
                          static_cast<float>(l.Y), i,
                          {.A = static_cast<std::uint8_t>(LinesOsc.RoundedValue())});
}

void TOldMovieEffect::UpdateAndDraw() {
  if (!Visible) return;
  MaskOsc.Step();
  LinesOsc.Step();
  StepLine(0);
  StepLine(1);
  if (OmgImgList)
    OmgImgList->DrawImage("MovieEffectMask", 0, static_cast<float>(Top), 0,
                          {.A = static_cast<std::uint8_t>(MaskOsc.RoundedValue()), .ScaleX = 2,
                           .ScaleY = 2, .Blend = bmAdditive});
}
