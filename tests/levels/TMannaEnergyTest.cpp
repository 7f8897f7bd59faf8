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
};
}  // namespace

TEST(MannaEnergy, ThresholdsAndToolCostsOfAFullFlaskOf200) {
  FlaskRig r;
  const TNewToolKind tools[] = {tlHammer, tlBomb, tlHorzLightning, tlVertLightning, tlBlaster,
                                tlBigBomb};
  const int cost[] = {30, 64, 80, 96, 112, 200};
  for (int i = 0; i < 6; ++i) {
    EXPECT_DOUBLE_EQ(r.flask.Threshold(i + 1), cost[i]);
    r.flask.SetFruitsCounter(200);
    r.flask.Spend(tools[i]);
    EXPECT_EQ(r.flask.GetFruitsCounter(), 200 - cost[i]) << i;
  }
  r.flask.SetFruitsCounter(20);
  r.flask.Spend(tlBigBomb);
  EXPECT_EQ(r.flask.GetFruitsCounter(), 0);
}

TEST(MannaEnergy, TheShownLevelRisesAUnitAnUpdateAndReportsEachThresholdOnce) {
  FlaskRig r;
  for (int i = 0; i < 30; ++i) r.flask.AddOne();
  for (int i = 0; i < 29; ++i) r.flask.Update();
  EXPECT_TRUE(r.events.empty());
  r.flask.Update();  // 30 elements at once: threshold 1 thirty updates later
  EXPECT_EQ(r.events, (std::vector<std::string>{"+1"}));

  for (int i = 0; i < 300; ++i) r.flask.AddOne();
  for (int i = 0; i < 200; ++i) r.flask.Update();
  EXPECT_EQ(r.events, (std::vector<std::string>{"+1", "+2", "+3", "+4", "+5", "full", "+6"}));
  EXPECT_TRUE(r.flask.IsFull());
}

TEST(MannaEnergy, TheBlasterDrainsFiveAnUpdateOvershootsAndClimbsBack) {
  FlaskRig r;
  r.flask.AddAndShow(150);
  r.flask.Update();  // a level set at once still reports what it passed
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
  EXPECT_DOUBLE_EQ(shown[22], 35);
  EXPECT_DOUBLE_EQ(shown[25], 38);
  EXPECT_DOUBLE_EQ(shown[29], 38);

  // Sinking from full clears the full flag, so the next refill reports full again.
  r.flask.AddAndShow(200);
  r.flask.Spend(tlHammer);
  r.flask.Update();
  r.flask.SetFruitsCounter(200);
  for (int i = 0; i < 10; ++i) r.flask.Update();
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
  r.flask.Top = 408;
  r.flask.AddAndShow(100);
  r.flask.Update();
  auto drawn = pics.Take();
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_FLOAT_EQ(drawn[1].H, 31);  // half of 62 rows, from the bottom
  EXPECT_FLOAT_EQ(drawn[1].Y, 408 + 62 + 5 - 31);
  EXPECT_FLOAT_EQ(drawn[4].X, 54);
  EXPECT_FLOAT_EQ(drawn[4].Y, 408 + 62 + 5 - 31 - 4);
  EXPECT_NEAR(drawn[4].H, 7, 1e-4);
  r.flask.AddAndShow(100);
  r.flask.Update();
  drawn = pics.Take();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Pattern, 1);
}
