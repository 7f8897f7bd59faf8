#include <gtest/gtest.h>

#include "engine/TAnimData.h"
#include "engine/TValueUpDown.h"

TEST(AnimData, LettersAreUpperCasedAndCountFromZero) {
  TAnimData a;
  a.SetSeq("abc");
  EXPECT_EQ(a.GetSeq(), "ABC");
  EXPECT_EQ(a.Frame(), 0);
  a.Next();
  EXPECT_EQ(a.Frame(), 1);
  a.SetSeq(std::string(300, '1'));
  EXPECT_EQ(a.GetSeq().size(), 255u);
  a.SetSeq("9Z");
  a.Looped = false;
  a.Restart();
  EXPECT_EQ(a.Frame(), 8);
  a.Next();
  EXPECT_EQ(a.Frame(), 25);
}

TEST(AnimData, OneShotStopsOnItsLastCharacter) {
  TAnimData a("123", false);
  EXPECT_EQ(a.Frame(), 0);
  EXPECT_FALSE(a.AtEnd());
  a.Next();
  EXPECT_EQ(a.Frame(), 1);
  a.Next();
  EXPECT_EQ(a.Frame(), 2);
  EXPECT_TRUE(a.AtEnd());
  for (int i = 0; i < 5; ++i) a.Next();
  EXPECT_EQ(a.Frame(), 2);
  EXPECT_TRUE(a.AtEnd());
  a.Restart();
  EXPECT_EQ(a.Frame(), 0);
}

TEST(AnimData, LoopNeverShowsItsLastCharacter) {
  TAnimData a("123", true);
  std::vector<int> seen;
  for (int i = 0; i < 6; ++i) {
    seen.push_back(a.Frame());
    EXPECT_FALSE(a.AtEnd());
    a.Next();
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 0, 1, 0, 1}));
  // Next before Frame after a restart also lands on the first character.
  a.Restart();
  a.Next();
  EXPECT_EQ(a.Frame(), 0);
}

TEST(AnimData, DashHidesTheSprite) {
  TAnimData a("1-2", false);
  EXPECT_FALSE(a.IsBlank());
  a.Next();
  EXPECT_TRUE(a.IsBlank());
  EXPECT_EQ(a.Frame(), TAnimData::Hidden);
  a.Next();
  EXPECT_EQ(a.Frame(), 1);
}

TEST(ValueUpDown, SwingsLopsidedAndRestsOnTheRange) {
  TValueUpDown v;
  v.Setup(0, 10, 4, 3);
  std::vector<float> run{v.Value};
  for (int i = 0; i < 9; ++i) {
    v.Step();
    run.push_back(v.Value);
  }
  EXPECT_EQ(run, (std::vector<float>{0, 0, 4, 8, 10, 7, 4, 1, 0, 4}));

  TValueUpDown c;
  c.SetRangeMax(6);
  c.Setup(0, 10, 4, 3);
  std::vector<float> clamped{c.Value};
  for (int i = 0; i < 9; ++i) {
    c.Step();
    clamped.push_back(c.Value);
  }
  EXPECT_EQ(clamped, (std::vector<float>{0, 0, 4, 6, 6, 6, 4, 1, 0, 4}));
}

TEST(ValueUpDown, RoundsHalvesToEven) {
  TValueUpDown v;
  v.Setup(2.5f, 10, 1, 1);
  EXPECT_EQ(v.RoundedValue(), 2);
  v.Step();  // stays at Min, turns to rising
  v.Step();
  EXPECT_EQ(v.RoundedValue(), 4);  // 3.5
}
