#include <gtest/gtest.h>

#include "levels/ScoringRig.h"
#include "levels/TJackpotScore.h"
#include "support/SoundTrace.h"

namespace {
struct CounterRig : ScoringRig {
  TJackpotScore score;
  CounterRig() {
    Add("Score", 18, 24, 10, 1);
    Add("ScoreBlur", 18, 30, 3, 1);
    score.OmgImgList = &images;
    score.DigitImg = "Score";
    score.DigitBlurImg = "ScoreBlur";
    score.Prepare();
  }
  // The still digits drawn by one update, left to right, with their x.
  std::vector<TDrawn> Frame() {
    score.Update();
    return Take();
  }
  static std::string Digits(const std::vector<TDrawn>& drawn) {
    std::string s;
    for (const auto& d : drawn) s += d.Name == "Score" ? char('0' + d.Pattern) : '~';
    return s;
  }
};
}  // namespace

TEST(JackpotScore, ASixDigitValueRaisesTheDigitsAndShowsThemAll) {
  CounterRig r;
  EXPECT_EQ(r.score.DigitWidth, 18);
  EXPECT_EQ(r.score.DigitBlurHeight, 30);
  EXPECT_EQ(r.score.Digits(), 5);
  r.score.SetAll(123456);
  EXPECT_EQ(r.score.Digits(), 6);
  EXPECT_EQ(CounterRig::Digits(r.Frame()), "123456");
  // Beyond six digits the counter holds at its largest number.
  r.score.SetAll(4000000);
  EXPECT_EQ(CounterRig::Digits(r.Frame()), "999999");
  // Never negative, and a lower value never takes digits away.
  r.score.SetValue(-40);
  EXPECT_EQ(r.score.Value(), 0);
  r.score.AddValue(-1, 0);
  EXPECT_EQ(r.score.Value(), 0);
  EXPECT_EQ(r.score.Digits(), 6);
}

TEST(JackpotScore, ChangedDigitsRollBeforeTheNextStep) {
  CounterRig r;
  r.score.Increment = 9;
  r.score.SetDigits(3);
  int updates = 0, events = 0;
  r.score.OnValueUpdate = [&](TJackpotScore&) { ++events; };
  r.score.SetValue(24);
  EXPECT_EQ(events, 1);
  std::vector<int> shown;
  std::string firstFrame;
  while (r.score.ShownValue() != 24 || r.score.AnyRolling()) {
    auto drawn = r.Frame();
    if (updates == 0) firstFrame = CounterRig::Digits(drawn);
    shown.push_back(r.score.ShownValue());
    ASSERT_LT(++updates, 100);
  }
  // 0 -> 9 -> 18 -> 24, each step held while its three blur patterns play.
  EXPECT_EQ(updates, 9);
  EXPECT_EQ(shown, (std::vector<int>{9, 9, 9, 18, 18, 18, 24, 24, 24}));
  EXPECT_EQ(firstFrame, "00~");  // only the units digit rolls from 000 to 009
  EXPECT_EQ(CounterRig::Digits(r.Frame()), "024");
  EXPECT_EQ(r.score.PreviousShown(), 18);
}

TEST(JackpotScore, HiddenLeadingZerosAndCentring) {
  CounterRig r;
  r.score.Left = 100;
  r.score.Top = 50;
  r.score.SetDigits(6);
  r.score.ShowLeadingZeros = false;
  r.score.AutoCentered = true;
  r.score.SetAll(24);
  auto drawn = r.Frame();
  ASSERT_EQ(CounterRig::Digits(drawn), "24");
  // Four hidden digits move the number left by two digit widths.
  EXPECT_NEAR(drawn[0].X, 100 - 36 + 4 * 18, 1);
  r.score.SetAll(0);
  EXPECT_EQ(CounterRig::Digits(r.Frame()), "0");
  // Rolling digits stand centred on the still ones, at the blur alpha.
  r.score.AutoCentered = false;
  r.score.SetValue(2);
  auto rolling = ScoringRig::Only(r.Frame(), "ScoreBlur");
  ASSERT_EQ(rolling.size(), 1u);
  EXPECT_NEAR(rolling[0].X, 100 + 5 * 18, 1);
  EXPECT_NEAR(rolling[0].Y, 50 - 3, 1);
  EXPECT_EQ(rolling[0].Alpha, 150 * 255 / 256);
}

TEST(JackpotScore, CountingSoundPlaysEverySecondUpdateUntilCaughtUp) {
  SoundTrace sounds({"ScoreCount", "Click"});
  CounterRig r;
  r.score.SetAll(10);
  r.score.Increment = 1;
  r.score.AddValue(-1, 1);
  r.score.AddValue(-1, 1);
  for (int i = 0; i < 40; ++i) r.score.Update();
  EXPECT_EQ(r.score.ShownValue(), 8);
  EXPECT_FALSE(r.score.CountingSoundOn());
  EXPECT_EQ(sounds.Count("ScoreCount"), 0);
  // A click every second update until the shown value has caught up (on the fourth).
  EXPECT_EQ(sounds.Count("Click"), 2);
  // SetValue alone counts silently.
  r.score.SetValue(30);
  for (int i = 0; i < 200; ++i) r.score.Update();
  EXPECT_EQ(sounds.Count("Click") + sounds.Count("ScoreCount"), 2);
  r.score.Increment = 9;
  r.score.AddValue(27, 0);
  for (int i = 0; i < 200; ++i) r.score.Update();
  EXPECT_EQ(sounds.Count("ScoreCount"), 4);  // steps on updates 1, 4 and 7: sounds on 1, 3, 5, 7
}
