#include <gtest/gtest.h>

#include "text/FontRig.h"
#include "levels/TPigeonScoring.h"
#include "levels/TResultMedal.h"
#include "levels/TResultStats.h"
#include "support/SoundTrace.h"
#include "text/TGameFont.h"
#include "text/TGlobalGameText.h"

namespace {
constexpr TGameFontKind Font = TGameFontKind::fkAirstripNormal;

std::vector<int> Drawn(const std::vector<FontRig::Glyph>& all, const std::string& image) {
  std::vector<int> patterns;
  for (const auto& d : all)
    if (d.Image == image) patterns.push_back(d.Pattern);
  return patterns;
}

struct StatsRig : FontRig {
  TGlobalGameText text;
  TResultStats stats;
  StatsRig() {
    Add("ResultStatsHighlight", 1, 1);
    Add("ElementIcons", 5, 1);
    text.OmgImgList = &images;
    stats.OmgImgList = &images;
    stats.GlobGameText = &text;
    stats.Top = 260;
  }
  int CountToEnd() {
    int n = 0;
    while (!stats.CountingDone() && n < 1000) stats.Update(), ++n;
    return n;
  }
  // The rows of one drawn update, read back from the font's patterns.
  std::vector<std::string> Lines() {
    Take();
    stats.Update();
    std::vector<std::string> lines(TResultStats::RowCount);
    for (const auto& d : Take()) {
      if (d.Image != TGameFont::ImageName(Font)) continue;
      const int line = static_cast<int>(std::lround((d.Y + 9 - 260) / 43));  // glyph centres
      for (int c = 32; c < 128; ++c)
        if (TGameFont::PatternOf(Font, static_cast<unsigned char>(c)) == d.Pattern) {
          lines.at(line) += static_cast<char>(c);
          break;
        }
    }
    return lines;
  }
};
}  // namespace

TEST(ResultStats, ScoreCountsFirstThenTheBonusAfterTheGapAndPausesHold) {
  SoundTrace sounds({"ScoreCount"});
  StatsRig r;
  r.stats.PlaySound = sounds.Route();
  r.stats.CountingPaused = true;  // while the window slides in
  r.stats.PlayingTime = 125;
  r.stats.SetLevelScore(40);  // 40 / 50 < 1: steps of one
  r.stats.SetBonusElementKind(elPotion);
  r.stats.SetBonusElementCount(80);
  for (int i = 0; i < 20; ++i) r.stats.Update();
  EXPECT_EQ(r.stats.ShownScore(), 0);
  r.stats.CountingPaused = false;
  for (int i = 0; i < 20; ++i) r.stats.Update();
  r.stats.CountingPaused = true;
  for (int i = 0; i < 5; ++i) r.stats.Update();
  EXPECT_EQ(r.stats.ShownScore(), 20);
  r.stats.CountingPaused = false;
  for (int i = 0; i < 20; ++i) r.stats.Update();
  EXPECT_EQ(r.stats.ShownScore(), 40);
  EXPECT_EQ(r.stats.ScoreHighlight(), 100 - 2);
  EXPECT_EQ(sounds.Count("ScoreCount"), 20);  // every second step
  for (int i = 0; i < 10; ++i) r.stats.Update();  // the 300 ms gap
  EXPECT_EQ(r.stats.ShownBonus(), 0);
  EXPECT_EQ(r.CountToEnd(), 40);  // 80 in steps of two
  EXPECT_EQ(r.stats.ShownBonus(), 80);
  EXPECT_EQ(r.Lines(), (std::vector<std::string>{"2:05", "40", "80", "0"}));
  for (int i = 0; i < 60; ++i) r.stats.Update();
  EXPECT_EQ(r.stats.ScoreHighlight() + r.stats.BonusHighlight(), 0);
  r.Take();
  r.stats.Update();
  EXPECT_EQ(Drawn(r.Take(), "ElementIcons"), std::vector<int>{2});
}

TEST(ResultStats, LargeScoresCountInFiftyStepsAndNoBonusShowsZero) {
  StatsRig r;
  r.stats.PlayingTime = 3600;
  r.stats.SetLevelScore(1237);
  r.stats.SetBonusElementCount(0);
  r.stats.ExtraPoints = 66;
  r.stats.Update();
  EXPECT_EQ(r.Lines()[3], "");  // the extra points wait for the level score
  EXPECT_EQ(r.CountToEnd(), 50 - 2);
  EXPECT_EQ(r.Lines(), (std::vector<std::string>{"60:00", "1237", "0", "+66"}));
  EXPECT_TRUE(Drawn(r.Take(), "ElementIcons").empty());
}

TEST(ResultMedal, TheStampWaitsLandsWithOneThudAndStays) {
  SoundTrace sounds({"Stamper"});
  FontRig rig;
  rig.Add("ResultMedals", 1, 3);
  TResultMedal medal;
  medal.OmgImgList = &rig.images;
  medal.PlaySound = sounds.Route();  // the stamp's thud comes through the medal
  medal.Left = 600;
  medal.Top = 400;
  medal.Prepare();
  medal.SetReqTimesFromLimit(300);
  ASSERT_EQ(medal.Evaluate(150), mdSilver);
  medal.StartStamp();
  int updates = 0;
  while (rig.backend.Quads.empty() && updates < 100) medal.Update(), ++updates;
  EXPECT_EQ(updates, 15);  // 450 ms
  auto first = rig.Take();
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].Pattern, 1);
  EXPECT_NEAR(first[0].X, 600 - 8, 1);  // twice its size about the medal's place
  const auto& stamp = medal.Stamp();
  while (stamp.Phase() == TPlusOneBigHeart::TPhase::Landing) medal.Update(), ++updates;
  EXPECT_EQ(updates, 15 + 7);  // 2.0 by 0.15 reaches 1.0 on the seventh step
  EXPECT_TRUE(stamp.ShineActive());
  for (int i = 0; i < 1000; ++i) medal.Update();
  EXPECT_EQ(stamp.Phase(), TPlusOneBigHeart::TPhase::Attached);
  EXPECT_EQ(stamp.Alpha(), 255);
  EXPECT_FALSE(stamp.ShineActive());
  EXPECT_EQ(sounds.Count("Stamper"), 1);
  rig.Take();
  medal.Update();
  auto rest = rig.Take();
  ASSERT_EQ(rest.size(), 1u);
  EXPECT_NEAR(rest[0].Y, 400 - 4, 1);

  // With a resting time the stamp leaves: shown at 3.0, down to 1.0 by 0.225 (9 updates),
  // 250 ms (9), 255 -> 30 by 20 (12).
  TPlusOneBigHeart heart;
  heart.Start();
  updates = 0;
  while (heart.Phase() != TPlusOneBigHeart::TPhase::Off && updates < 500) heart.Update(), ++updates;
  EXPECT_EQ(updates, 1 + 9 + 9 + 12);
  EXPECT_EQ(heart.Alpha(), 30);
}

TEST(PigeonScoring, CrossesInFiftyEightUpdatesAskingForItsSparkles) {
  TPigeonScoring pigeon;
  int positions = 0, sparkles = 0, leftUpdates = 0;
  pigeon.OnPosUpdate = [&](TPigeonScoring& p, int, int) {
    ++positions;
    leftUpdates += p.X() < 600;
  };
  pigeon.OnSparkleRequest = [&](TPigeonScoring& p, int x, int y) {
    ++sparkles;
    EXPECT_LE(std::abs(x - std::lround(p.X()) - 33), 15);
    EXPECT_LE(std::abs(y - std::lround(p.Y()) - 80), 15);
  };
  pigeon.Start();
  while (pigeon.Flying()) {
    pigeon.Update();
    ASSERT_LE(pigeon.SpeedY(), -9.0);  // always climbing
    ASSERT_GE(pigeon.Scale(), 0.8);
  }
  EXPECT_EQ(pigeon.UpdateCount(), 58);
  EXPECT_EQ(positions, 57);
  EXPECT_GT(leftUpdates, 0);
  EXPECT_EQ(sparkles, 2 * positions + leftUpdates);
}
