#include <gtest/gtest.h>

#include <vector>

#include "BoardRig.h"
#include "SoundTrace.h"
#include "board/TChainLockEffect.h"

TEST(ChainLockEffect, TheChainOfTheLostLevelBreaksAtItsTile) {
  SoundTrace sounds({"ChainLock"});
  DrawRig draw;
  TChainLockEffect effect;
  effect.OmgImgList = &draw.images;
  effect.BoardLeft = 266;
  effect.BoardTop = 95;
  effect.Start({2, 3}, 2);
  effect.Start({5, 5}, 1);
  EXPECT_EQ(sounds.Count("ChainLock"), 2);
  std::vector<int> second, first;
  for (int i = 0; i < 40 && effect.RunningCount() > 0; ++i) {
    effect.UpdateAndDraw();
    for (const auto& d : draw.Take()) {
      if (d.X == 266 + 52 - 2 && d.Y == 95 + 104 - 2) second.push_back(d.Pattern);
      else first.push_back(d.Pattern);
    }
  }
  // A level-2 lock loses its second chain (patterns 6..9), a level-1 lock its only one.
  ASSERT_EQ(second.size(), static_cast<std::size_t>(TChainLockEffect::Duration));
  EXPECT_EQ(second.front(), 6);
  EXPECT_EQ(second.back(), 9);
  ASSERT_EQ(first.size(), second.size());
  EXPECT_EQ(first.front(), 1);
  EXPECT_EQ(first.back(), 4);
  EXPECT_EQ(effect.RunningCount(), 0);
}
