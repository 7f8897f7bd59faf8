#include <gtest/gtest.h>

#include "effects/EffectRig.h"
#include "effects/TWorldMapWaves.h"

TEST(WorldMapWaves, EachWaveRocksWithinItsOwnLimitsAndTheClockReplaysThem) {
  FixedClock clock(2026);
  DrawRig draw;
  draw.Add("WorldMapWaves", 3, 1);
  TWorldMapWaves waves;
  waves.OmgImgList = &draw.images;
  TWorldMapWaves same;
  EXPECT_EQ(waves.Wave(0).X, 83);
  EXPECT_EQ(waves.Wave(37).Y, 600);
  int mirrored = 0;
  bool patternSeen[3] = {};
  for (int i = 0; i < TWorldMapWaves::WaveCount; ++i) {
    const auto& w = waves.Wave(i);
    EXPECT_EQ(w.Pattern, same.Wave(i).Pattern);
    EXPECT_EQ(w.Mirror, same.Wave(i).Mirror);
    EXPECT_FLOAT_EQ(w.Alpha.Min, same.Wave(i).Alpha.Min);
    ASSERT_GE(w.Pattern, 0);
    ASSERT_LE(w.Pattern, 2);
    patternSeen[w.Pattern] = true;
    mirrored += w.Mirror;
    EXPECT_LE(w.Angle.Min, -1.2f);
    EXPECT_GE(w.Angle.Max, 1.2f);
    EXPECT_GE(w.Alpha.Min, 180);
    EXPECT_LE(w.Alpha.Max, 255);
  }
  EXPECT_TRUE(patternSeen[0] && patternSeen[1] && patternSeen[2]);
  EXPECT_GT(mirrored, 5);
  EXPECT_LT(mirrored, 33);

  for (int u = 0; u < 300; ++u) {
    waves.UpdateAndDraw();
    auto drawn = draw.Take();
    ASSERT_EQ(static_cast<int>(drawn.size()), TWorldMapWaves::WaveCount);
    for (int i = 0; i < TWorldMapWaves::WaveCount; ++i) {
      const auto& w = waves.Wave(i);
      EXPECT_EQ(drawn[i].Blend, bmNormal);
      EXPECT_EQ(drawn[i].Alpha, w.Alpha.RoundedValue() * 255 / 256);
      // A mirrored wave reads its pattern from the other side of the strip.
      if (!w.Mirror) {
        EXPECT_EQ(drawn[i].Pattern, w.Pattern);
      }
      ASSERT_GE(w.Angle.Value, w.Angle.Min);
      ASSERT_LE(w.Angle.Value, w.Angle.Max);
      ASSERT_GE(w.ScaleX.Value, 0.9f);
      ASSERT_LE(w.ScaleX.Value, 1.15f + 0.06f * 4 + 1e-4f);
      ASSERT_GE(w.ScaleY.Value, 0.9f);
      ASSERT_LE(w.ScaleY.Value, 1.1f + 0.04f * 4 + 1e-4f);
    }
  }
  // After 300 updates the swings have all turned at least once.
  for (int i = 0; i < TWorldMapWaves::WaveCount; ++i)
    EXPECT_NE(waves.Wave(i).Angle.Value, waves.Wave(i).Angle.Min);

  waves.Visible = false;
  waves.UpdateAndDraw();
  EXPECT_TRUE(draw.Take().empty());
}
