#include <gtest/gtest.h>

#include "BoardRig.h"
#include "board/TWebEffect.h"

TEST(WebEffect, TearsThroughEveryPatternAndFadesAway) {
  DrawRig draw;
  TWebEffect effect;
  effect.OmgImgList = &draw.images;
  effect.Start({4, 4});
  int last = 0, lastAlpha = 256, frames = 0;
  while (effect.RunningCount() > 0 && frames < 100) {
    effect.UpdateAndDraw();
    ++frames;
    for (const auto& d : draw.Take()) {
      EXPECT_EQ(d.Name, "Web");
      EXPECT_GE(d.Pattern, last);
      EXPECT_LE(d.Alpha, lastAlpha);
      last = d.Pattern;
      lastAlpha = d.Alpha;
    }
  }
  EXPECT_EQ(last, 5);
  EXPECT_GT(lastAlpha, 0);
  EXPECT_EQ(frames, TWebEffect::Duration + 1);
}
