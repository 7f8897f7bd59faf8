#include <gtest/gtest.h>

#include "BoardRig.h"
#include "board/TLockerPiecesEffect.h"

TEST(LockerPiecesEffect, PiecesFlyOutFromTheTileAndAreGone) {
  TGameRandom::SetSeed(8);
  TLockerPiecesEffect pieces;
  pieces.BoardLeft = 266;
  pieces.BoardTop = 95;
  pieces.Start({3, 3});
  EXPECT_EQ(pieces.RunningCount(), TLockerPiecesEffect::PiecesPerLocker);
  int left = 0, right = 0;
  for (int i = 0; i < TLockerPiecesEffect::PieceCount; ++i) {
    const auto& p = pieces.Piece(i);
    if (!p.Active) continue;
    EXPECT_LT(p.SpeedY, 0);  // all thrown upwards first
    (p.SpeedX < 0 ? left : right)++;
  }
  EXPECT_GT(left, 0);
  EXPECT_GT(right, 0);
  for (int i = 0; i < 40; ++i) pieces.UpdateAndDraw();
  EXPECT_EQ(pieces.RunningCount(), 0);
}
