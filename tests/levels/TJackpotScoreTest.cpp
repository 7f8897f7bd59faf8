#include <gtest/gtest.h>

#include <cmath>

#include "text/FontRig.h"
#include "levels/TJackpotScore.h"
#include "support/SoundTrace.h"

namespace {
struct CounterRig : FontRig {
  TJackpotScore score;
  CounterRig() {
    Add("Score", 10, 1);
    Add("ScoreBlur", 3, 1);
    score.OmgImgList = &images;
    score.DigitImg = "Score";
    score.DigitBlurImg = "ScoreBlur";
    score.Prepare();
  }
  // One update's pictures left to right: digits as themselves, the blur of a rolling one as
  // '~' (the digit it rolls to follows it).
  std::string Frame() {
    score.Update();
    std::string s;
    for (const auto& d : Take()) s += d.Image == "Score" ? char('0' + d.Pattern) : '~';
    return s;
  }
};
}  // namespace

TEST(JackpotScore, DigitsGrowWithTheValueWhichNeverGoesBelowZero) {
  CounterRig r;
  EXPECT_EQ(r.score.Digits(), 5);
  r.score.SetAll(123456);
  EXPECT_EQ(r.score.Digits(), 6);
  EXPECT_EQ(r.Frame(), "123456");
  r.score.SetAll(4000000);  // beyond six digits the counter holds at its largest number
  EXPECT_EQ(r.Frame(), "999999");
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
  r.score.SetValue(24);
  std::vector<std::string> frames;
  while (r.score.ShownValue() != 24 || r.score.AnyRolling()) {
    frames.push_back(r.Frame());
    ASSERT_LT(frames.size(), 100u);
  }
  // 0 -> 9 -> 18 -> 24, each step held while its three blur patterns play.
  EXPECT_EQ(frames, (std::vector<std::string>{"00~9", "00~9", "00~9", "0~1~8", "0~1~8", "0~1~8",
                                              "0~2~4", "0~2~4", "0~2~4"}));
  EXPECT_EQ(r.Frame(), "024");
}

TEST(JackpotScore, HiddenLeadingZerosCentreTheNumber) {
  CounterRig r;
  r.score.Left = 100;
  r.score.Top = 50;
  r.score.SetDigits(6);
  r.score.ShowLeadingZeros = false;
  r.score.AutoCentered = true;
  r.score.SetAll(24);
  r.score.Update();
  auto drawn = r.Take();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_NEAR(drawn[0].X, 100 - 2 * 8 + 4 * 8, 1);  // four hidden digits: two widths left
  r.score.SetAll(0);
  EXPECT_EQ(r.Frame(), "0");
  // A rolling digit stands centred on the still ones, at the blur alpha.
  r.score.DigitBlurHeight = 14;
  r.score.SetValue(2);
  r.score.Update();
  auto rolling = r.Take();
  ASSERT_EQ(rolling.size(), 2u);
  EXPECT_EQ(rolling[0].Image, "ScoreBlur");
  EXPECT_NEAR(rolling[0].Y, 50 - 3, 1);
  EXPECT_EQ(rolling[0].A, FontRig::Through(150));
  EXPECT_EQ(rolling[1].Image, "Score");
  EXPECT_EQ(rolling[1].Pattern, 2);
  EXPECT_NEAR(rolling[1].X, rolling[0].X, 0.01);
}

TEST(JackpotScore, ARollingNumberReadsAsItsValueAllTheWay) {
  // A busy roll: at every update the digits drawn spell the shown value, each within a
  // quarter of its height of its place, sliding in from below while counting up and from
  // above while counting down.
  CounterRig r;
  r.score.Left = 100;
  r.score.Top = 50;
  r.score.SetDigits(6);
  r.score.ShowLeadingZeros = false;
  r.score.AutoCentered = true;
  r.score.Increment = 9;
  const int quarter = FontRig::Tile / 4;
  auto check = [&](int target, int direction) {
    r.score.SetValue(target);
    bool slid = false;
    int n = 0;
    for (; n < 1000 && (r.score.ShownValue() != target || r.score.AnyRolling()); ++n) {
      r.score.Update();
      std::string digits;
      for (const auto& d : r.Take()) {
        if (d.Image != "Score") continue;
        digits += char('0' + d.Pattern);
        float off = d.Y - 50;
        EXPECT_LE(std::abs(off), quarter) << target;
        if (off != 0) {
          slid = true;
          EXPECT_EQ(off > 0 ? 1 : -1, direction) << target;
        }
      }
      EXPECT_EQ(digits, std::to_string(r.score.ShownValue())) << "update " << n;
    }
    EXPECT_LT(n, 1000);
    EXPECT_TRUE(slid);
  };
  check(1234, 1);
  check(987, -1);
}

TEST(JackpotScore, CountingSoundPlaysEverySecondUpdateUntilCaughtUp) {
  SoundTrace sounds({"ScoreCount", "Click"});
  CounterRig r;
  r.score.PlaySound = sounds.Route();
  r.score.SetAll(10);
  r.score.Increment = 1;
  r.score.AddValue(-1, 1);
  r.score.AddValue(-1, 1);
  for (int i = 0; i < 40; ++i) r.score.Update();
  EXPECT_EQ(r.score.ShownValue(), 8);
  // Steps on updates 1 and 4; clicks on 1 and 3, none once the shown value has caught up.
  EXPECT_EQ(sounds.Count("Click"), 2);
  EXPECT_EQ(sounds.Count("ScoreCount"), 0);
  r.score.SetValue(30);  // setting alone counts silently
  for (int i = 0; i < 200; ++i) r.score.Update();
  EXPECT_EQ(sounds.played.size(), 2u);
}
