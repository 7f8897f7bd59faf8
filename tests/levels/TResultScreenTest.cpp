#include <gtest/gtest.h>

#include "levels/ScoringRig.h"
#include "levels/TPigeonScoring.h"
#include "levels/TResultMedal.h"
#include "levels/TResultStats.h"
#include "levels/TWynnetScoring.h"
#include "support/SoundTrace.h"
#include "text/TGameFont.h"
#include "text/TGlobalGameText.h"

namespace {
struct StatsRig : ScoringRig {
  TGlobalGameText text;
  TResultStats stats;
  StatsRig() {
    Add(TGameFont::ImageName(TGameFontKind::fkAirstripNormal), 19, 24, 28, 3);
    Add("ResultStatsHighlight", 160, 56);
    Add("ElementIcons", 40, 40, 5, 1);
    text.OmgImgList = &images;
    stats.OmgImgList = &images;
    stats.GlobGameText = &text;
    stats.Left = 700;
    stats.Top = 260;
  }
  // The text of one line as drawn, read back from the font's patterns.
  std::string Line(const std::vector<TDrawn>& drawn, int line) const {
    std::string s;
    const float centre = static_cast<float>(stats.Top + line * TResultStats::LineSpacing);
    for (const auto& d : drawn) {
      if (d.Name != TGameFont::ImageName(TGameFontKind::fkAirstripNormal)) continue;
      if (std::abs(d.Y + 9 - centre) > 2) continue;  // half of 24 at scale 0.75
      for (int c = 32; c < 128; ++c)
        if (TGameFont::PatternOf(TGameFontKind::fkAirstripNormal, static_cast<unsigned char>(c)) ==
            d.Pattern) {
          s += static_cast<char>(c);
          break;
        }
    }
    return s;
  }
};
}  // namespace

TEST(ResultStats, ScoreCountsFirstThenTheBonusAfterTheGap) {
  SoundTrace sounds({"ScoreCount"});
  StatsRig r;
  r.stats.CountingPaused = true;
  r.stats.PlayingTime = 125;
  r.stats.SetLevelScore(40);
  r.stats.SetBonusElementKind(elPotion);
  r.stats.SetBonusElementCount(80);
  EXPECT_DOUBLE_EQ(r.stats.ScoreStep(), 1.0);
  EXPECT_DOUBLE_EQ(r.stats.BonusStep(), 2.0);
  // Paused while the window slides in: nothing counts.
  for (int i = 0; i < 20; ++i) r.stats.Update();
  EXPECT_EQ(r.stats.ShownScore(), 0);
  r.stats.CountingPaused = false;

  int updates = 0;
  while (r.stats.ShownScore() < 40) {
    r.stats.Update();
    ++updates;
    EXPECT_EQ(r.stats.ShownBonus(), 0);
    if (updates == 20) {  // paused halfway: the count holds and then goes on
      r.stats.CountingPaused = true;
      for (int i = 0; i < 5; ++i) r.stats.Update();
      EXPECT_EQ(r.stats.ShownScore(), 20);
      r.stats.CountingPaused = false;
    }
  }
  EXPECT_EQ(updates, 40);
  EXPECT_EQ(r.stats.ScoreHighlight(), 100 - 2);
  EXPECT_EQ(sounds.Count("ScoreCount"), 20);  // every second step
  // 300 ms of gap, then 40 steps of two.
  for (int i = 0; i < 10; ++i) r.stats.Update();
  EXPECT_EQ(r.stats.ShownBonus(), 0);
  updates = 0;
  while (!r.stats.CountingDone() && updates < 500) r.stats.Update(), ++updates;
  EXPECT_EQ(updates, 40);
  EXPECT_EQ(r.stats.ShownBonus(), 80);
  EXPECT_EQ(r.stats.BonusHighlight(), 98);
  for (int i = 0; i < 60; ++i) r.stats.Update();
  EXPECT_EQ(r.stats.ScoreHighlight(), 0);
  EXPECT_EQ(r.stats.BonusHighlight(), 0);

  r.Take();
  r.stats.Update();
  auto drawn = r.Take();
  EXPECT_EQ(r.Line(drawn, 0), "2:05");
  EXPECT_EQ(r.Line(drawn, 1), "40");
  EXPECT_EQ(r.Line(drawn, 2), "80");
  auto icon = ScoringRig::Only(drawn, "ElementIcons");
  ASSERT_EQ(icon.size(), 1u);
  EXPECT_EQ(icon[0].Pattern, 2);
  EXPECT_NEAR(icon[0].X, 700 - 46, 1);

  r.stats.Clear();
  EXPECT_EQ(r.stats.ShownScore(), 0);
  EXPECT_EQ(r.stats.ShownBonus(), 0);
}

TEST(ResultStats, LargeScoresCountInFiftyStepsAndNoBonusShowsZero) {
  StatsRig r;
  r.stats.SetLevelScore(1237);
  r.stats.SetBonusElementCount(0);
  int updates = 0;
  while (!r.stats.CountingDone() && updates < 500) r.stats.Update(), ++updates;
  EXPECT_EQ(updates, 50);
  r.Take();
  r.stats.Update();
  auto drawn = r.Take();
  EXPECT_EQ(r.Line(drawn, 1), "1237");
  EXPECT_EQ(r.Line(drawn, 2), "0");
  EXPECT_TRUE(ScoringRig::Only(drawn, "ElementIcons").empty());
  EXPECT_EQ(TResultStats::TimeText(59), "0:59");
  EXPECT_EQ(TResultStats::TimeText(3600), "60:00");
}

TEST(ResultMedal, TheStampWaitsLandsWithASoundAndStays) {
  SoundTrace sounds({"Stamper"});
  ScoringRig rig;
  rig.Add("ResultMedals", 120, 120, 1, 3);
  TResultMedal medal;
  medal.OmgImgList = &rig.images;
  medal.Left = 600;
  medal.Top = 400;
  medal.Prepare();
  medal.GoldReqTime = 100;
  medal.SilverReqTime = 200;
  ASSERT_EQ(medal.Evaluate(150), mdSilver);
  medal.StartStamp();
  int updates = 0;
  while (rig.backend.Quads.empty() && updates < 100) medal.Update(), ++updates;
  EXPECT_EQ(updates, 15);  // 450 ms of delay
  auto first = rig.Take();
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].Pattern, 1);
  // At twice its size, centred on the medal's place.
  EXPECT_NEAR(first[0].X, 600 - 120 * 2.0 / 2, 1.5);
  auto& stamp = medal.Stamp();
  while (stamp.Phase() == TPlusOneBigHeart::TPhase::Landing) medal.Update(), ++updates;
  EXPECT_EQ(updates, 15 + 7);  // 2.0 falls by 0.15 to 1.0 or below on the seventh step
  EXPECT_DOUBLE_EQ(stamp.Size(), 1.0);
  EXPECT_EQ(sounds.Count("Stamper"), 1);
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
  EXPECT_NEAR(rest[0].X, 600 - 60, 1);
  EXPECT_NEAR(rest[0].Y, 400 - 60, 1);
  medal.Clear();
  medal.Update();
  EXPECT_TRUE(rig.Take().empty());
}

TEST(ResultMedal, AStampWithARestingTimeLeavesAtItsEndAlpha) {
  TPlusOneBigHeart heart;
  heart.Start();
  int updates = 0;
  while (heart.Phase() != TPlusOneBigHeart::TPhase::Off && updates < 500) heart.Update(), ++updates;
  // 3.0 -> 1.0 by 0.225 (9 updates), 250 ms resting (9), 255 -> 30 by 20 (12).
  EXPECT_EQ(updates, 9 + 9 + 12);
  EXPECT_EQ(heart.Alpha(), 30);
  EXPECT_NEAR(heart.Size(), 1.0 + 12 * 0.03, 1e-9);
}

TEST(ScoringFigures, WynnetFadesInAndOutAndThePigeonCrossesInFiftyEightUpdates) {
  TWynnetScoring wynnet;
  wynnet.Start();
  for (int i = 0; i < 21; ++i) wynnet.Update();
  EXPECT_EQ(wynnet.Alpha(), 252);
  wynnet.Update();
  EXPECT_EQ(wynnet.Alpha(), 255);
  for (int i = 0; i < 100; ++i) {
    wynnet.Update();
    ASSERT_GE(wynnet.Swing(), -2.6f);
    ASSERT_LE(wynnet.Swing(), 0.0f);
    ASSERT_GE(wynnet.HandAngle(), 0.0f);
    ASSERT_LE(wynnet.HandAngle(), 9.0f);
  }
  wynnet.Leave();
  for (int i = 0; i < 22; ++i) wynnet.Update();
  EXPECT_FALSE(wynnet.Active());

  TPigeonScoring pigeon;
  int positions = 0, sparkles = 0, sparklesLeft = 0;
  pigeon.OnPosUpdate = [&](TPigeonScoring&, int, int) { ++positions; };
  pigeon.OnSparkleRequest = [&](TPigeonScoring& p, int x, int y) {
    ++sparkles;
    sparklesLeft += p.X() < 600;
    const int px = static_cast<int>(std::lround(p.X())), py = static_cast<int>(std::lround(p.Y()));
    EXPECT_GE(x - px, 18);
    EXPECT_LE(x - px, 48);
    EXPECT_GE(y - py, 65);
    EXPECT_LE(y - py, 95);
  };
  pigeon.Start();
  bool turned = false;
  while (pigeon.Flying()) {
    pigeon.Update();
    ASSERT_LE(pigeon.SpeedY(), -9.0);
    ASSERT_GE(pigeon.Scale(), 0.8);
    ASSERT_LE(std::abs(pigeon.Angle() - 23), 55.0);
    turned = turned || pigeon.Turning();
  }
  EXPECT_TRUE(turned);
  EXPECT_EQ(pigeon.UpdateCount(), 58);
  EXPECT_EQ(positions, 57);
  EXPECT_EQ(sparkles, 2 * 57 + sparklesLeft / 3);
}
