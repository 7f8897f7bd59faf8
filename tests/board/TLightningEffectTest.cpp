#include <gtest/gtest.h>

#include "BoardRig.h"
#include "SoundCatcher.h"
#include "board/TBigBombEffect.h"
#include "board/TBombEffect.h"
#include "board/TLightningEffect.h"

TEST(LightningEffect, StrikesOnTheNinthFrameAndGroupsChainedTilesInTheRow) {
  SoundCatcher sounds;
  BoardRig r;
  r.Load({"****************",  //
          "..3U*h******* A.",  //
          "****************"});
  r.board.EditTile({5, 2}).ChainLevel = 2;
  r.board.SetTileState({5, 2}, tsAnchored);
  r.board.EditTile({7, 2}).Web = 1;
  int first, last, firstRow, lastRow;
  r.board.LineExtents({5, 2}, first, last, firstRow, lastRow);
  EXPECT_EQ(first, 3);
  EXPECT_EQ(last, 15);

  DrawRig draw;
  draw.Add("LightningEffect", 1, 8);
  TLightningEffect bolt;
  bolt.OmgImgList = &draw.images;
  bolt.PlaySound = sounds.Route();
  int frame = 0, strikeFrame = 0;
  bolt.OnFullEffect = [&](TLightningEffect&, TPoint p, TLightningType type) {
    strikeFrame = frame;
    EXPECT_EQ(type, ltHorizontal);
    r.board.LightningStrike(p, type);
  };
  bolt.Start({5, 2}, ltHorizontal, first, last);
  while (bolt.Active() && frame < 50) {
    ++frame;
    bolt.UpdateAndDraw();
  }
  EXPECT_EQ(strikeFrame, 9);
  EXPECT_EQ(sounds.played, std::vector<std::string>{"Lightning"});
  ASSERT_EQ(r.grouped.size(), 1u);
  const TSimpleObjectArray& g = r.grouped[0];
  EXPECT_TRUE(g.IsSet(3, 2));
  EXPECT_TRUE(g.IsSet(5, 2));   // the chain is broken and the tile grouped at once
  EXPECT_TRUE(g.IsSet(7, 2));   // and the web swept away
  EXPECT_FALSE(g.IsSet(4, 2));  // uni bubble
  EXPECT_FALSE(g.IsSet(6, 2));  // potion
  EXPECT_FALSE(g.IsSet(14, 2)); // blank
  EXPECT_FALSE(g.IsSet(5, 1));
  EXPECT_EQ(r.T(5, 2).ChainLevel, 0);
  // The bolt spans the row's extent, columns 3 to 15.
  bolt.Start({5, 2}, ltHorizontal, first, last);
  draw.Take();
  bolt.UpdateAndDraw();
  auto q = draw.Take();
  ASSERT_EQ(q.size(), 1u);
  EXPECT_FLOAT_EQ(q[0].X, 52 * 2);
}

TEST(BombEffects, BigBombExplodesOnTheSixthFrameAndSparesPotions) {
  SoundCatcher sounds;
  for (std::uint32_t seed : {1u, 77u, 123456u}) {
    TGameRandom::SetSeed(seed);
    BoardRig r;
    r.Load({"****************",  //
            "****************",  //
            "**h*************",  //
            "***U************"});
    TBigBombEffect big;
    big.PlaySound = sounds.Route();
    int frame = 0, explosions = 0, at = 0;
    std::vector<TSimpleObjectArray> fallen;
    r.board.OnFallingElementsEffectRequest = [&](TGameBoard&, TBoardData, TSimpleObjectArray m) {
      fallen.push_back(m);
    };
    big.OnFullExplosion = [&](TBigBombEffect&, TPoint p) {
      ++explosions;
      at = frame;
      r.board.ExplodeBigBomb(p);
    };
    big.Start({2, 2});
    while (big.Active() && frame < 100) {
      ++frame;
      big.UpdateAndDraw();
    }
    EXPECT_EQ(explosions, 1);
    EXPECT_EQ(at, 6);
    EXPECT_LT(frame, 100);
    ASSERT_EQ(fallen.size(), 1u);
    // Clipped to the grid at the top-left corner: columns 1..5, rows 1..5, less the corner (5, 5).
    EXPECT_EQ(fallen[0].Count(), 5 * 5 - 1 - 2);
    EXPECT_FALSE(fallen[0].IsSet(3, 3));
    EXPECT_FALSE(fallen[0].IsSet(4, 4));
    EXPECT_EQ(r.T(3, 3).Element, 17);
  }
  EXPECT_EQ(sounds.played, std::vector<std::string>(3, "Bomb"));

  TBombEffect bomb;
  bomb.Start({16, 12});
  int frames = 0;
  while (bomb.Active() && frames < 100) {
    ++frames;
    bomb.UpdateAndDraw();
  }
  EXPECT_LT(frames, 30);
}
