#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "levels/PictureRig.h"
#include "levels/TMannaEnergy.h"

namespace {
struct FlaskRig {
  TMannaEnergy flask;
  std::vector<std::string> events;  // "+n", "-n", "full"
  FlaskRig() {
    flask.OnEnergyFactorReached = [this](TMannaEnergy&, std::uint8_t n) {
      events.push_back("+" + std::to_string(n));
    };
    flask.OnBelowEnergyFactor = [this](TMannaEnergy&, std::uint8_t n) {
      events.push_back("-" + std::to_string(n));
    };
    flask.OnFull = [this](TMannaEnergy&) { events.push_back("full"); };
  }
  int UpdatesUntil(double shown) {
    int n = 0;
    while (flask.ShownEnergy() != shown && n < 1000) {
      flask.Update();
      ++n;
    }
    return n;
  }
};
}  // namespace

TEST(MannaEnergy, ThresholdsAndToolCostsOfAFullFlaskOf200) {
  FlaskRig r;
  const double expected[] = {0, 30, 64, 80, 96, 112, 200};
  for (int n = 1; n <= 6; ++n) EXPECT_DOUBLE_EQ(r.flask.Threshold(n), expected[n]) << n;
  const TNewToolKind tools[] = {tlHammer, tlBomb, tlHorzLightning, tlVertLightning, tlBlaster,
                                tlBigBomb};
  for (int i = 0; i < 6; ++i) {
    r.flask.SetFruitsCounter(200);
    r.flask.Spend(tools[i]);
    EXPECT_EQ(r.flask.GetFruitsCounter(), 200 - static_cast<int>(expected[i + 1])) << i;
  }
  r.flask.SetFruitsCounter(20);
  r.flask.Spend(tlBigBomb);
  EXPECT_EQ(r.flask.GetFruitsCounter(), 0);
  r.flask.SetFruitsCounter(500);
  EXPECT_EQ(r.flask.GetFruitsCounter(), 200);
}

TEST(MannaEnergy, TheShownLevelRisesAUnitAnUpdateAndReportsEachThresholdOnce) {
  FlaskRig r;
  for (int i = 0; i < 30; ++i) r.flask.AddOne();
  for (int i = 0; i < 29; ++i) r.flask.Update();
  EXPECT_TRUE(r.events.empty());
  r.flask.Update();
  ASSERT_EQ(r.events, (std::vector<std::string>{"+1"}));
  for (int i = 0; i < 10; ++i) r.flask.Update();
  EXPECT_EQ(r.events.size(), 1u);

  // All at once up to full: each threshold in order, and full before the last one.
  for (int i = 0; i < 300; ++i) r.flask.AddOne();
  EXPECT_EQ(r.UpdatesUntil(200), 170);
  EXPECT_EQ(r.events, (std::vector<std::string>{"+1", "+2", "+3", "+4", "+5", "full", "+6"}));
  EXPECT_TRUE(r.flask.IsFull());
  r.events.clear();
  for (int i = 0; i < 5; ++i) r.flask.Update();
  EXPECT_TRUE(r.events.empty());

  r.flask.Reset();
  EXPECT_EQ(r.flask.ShownEnergy(), 0);
  EXPECT_FALSE(r.flask.Reached(1));
  r.flask.AddAndShow(70);
  EXPECT_EQ(r.flask.ShownEnergy(), 70);
}

TEST(MannaEnergy, TheBlasterDrainsFiveAnUpdateOvershootsAndClimbsBack) {
  FlaskRig r;
  r.flask.AddAndShow(150);
  r.flask.Update();  // the thresholds below 150 are reported
  EXPECT_EQ(r.events, (std::vector<std::string>{"+1", "+2", "+3", "+4", "+5"}));
  r.events.clear();
  r.flask.Spend(tlBlaster);
  EXPECT_EQ(r.flask.GetFruitsCounter(), 38);
  std::vector<double> shown;
  for (int i = 0; i < 30; ++i) {
    r.flask.Update();
    shown.push_back(r.flask.ShownEnergy());
  }
  EXPECT_EQ(r.events, (std::vector<std::string>{"-5", "-4", "-3", "-2"}));
  EXPECT_DOUBLE_EQ(shown[0], 145);
  EXPECT_DOUBLE_EQ(shown[22], 35);   // 23 steps of 5, one below the real 38
  EXPECT_DOUBLE_EQ(shown[25], 38);   // then back up a unit at a time
  EXPECT_DOUBLE_EQ(shown[29], 38);
  EXPECT_TRUE(r.flask.Reached(1));

  // Falling from full clears the full flag, so a refill reports full again.
  r.events.clear();
  r.flask.AddAndShow(200);
  r.flask.Spend(tlHammer);
  r.flask.Update();
  r.flask.AddOne();
  for (int i = 0; i < 40; ++i) r.flask.AddOne();
  r.UpdatesUntil(200);
  EXPECT_EQ(std::count(r.events.begin(), r.events.end(), "full"), 1);
}

TEST(MannaEnergy, DrawsTheLiquidAndItsWavesAtTheShownLevel) {
  PictureRig pics;
  pics.Add("MannaEnergy", 72, 76, 2);
  pics.Add("MannaEnergyLiquid", 68, 62);
  pics.Add("MannaEnergyWave", 36, 13, 1, 6);
  FlaskRig r;
  r.flask.OmgImgList = &pics.images;
  r.flask.ReadImageSizes();
  EXPECT_EQ(r.flask.MaxPixelProgress, 62);
  r.flask.Left = 14;
  r.flask.Top = 408;
  r.flask.AddAndShow(100);
  r.flask.Update();
  auto drawn = pics.Take();
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_EQ(drawn[0].Pattern, 0);
  EXPECT_EQ(drawn[1].Name, "MannaEnergyLiquid");
  EXPECT_FLOAT_EQ(drawn[1].H, 31);
  EXPECT_FLOAT_EQ(drawn[1].Y, 408 + 62 + 5 - 31);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(drawn[2 + i].Name, "MannaEnergyWave");
    EXPECT_FLOAT_EQ(drawn[2 + i].X, 14.0f + 27 * i);
    EXPECT_FLOAT_EQ(drawn[2 + i].Y, 408 + 62 + 5 - 31 - 4);
    EXPECT_NEAR(drawn[2 + i].H, 7, 1e-4);
  }
  r.flask.AddAndShow(100);
  r.flask.Update();
  drawn = pics.Take();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Pattern, 1);
}
