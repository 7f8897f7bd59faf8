#include <gtest/gtest.h>

#include "BoardRig.h"
#include "SoundCatcher.h"
#include "board/THammerEffect.h"
#include "board/THammeredObjectsEffect.h"

TEST(HammerEffect, StrikesOnTheFifteenthFrameThenStaysAndFades) {
  SoundCatcher sounds;
  BoardRig r;
  r.Load({"3               ",  //
          "4               "});
  r.board.EditTile({1, 1}).Web = 1;
  r.board.EditTile({1, 1}).ChainLevel = 2;
  r.board.SetTileState({1, 1}, tsAnchored);
  THammerEffect hammer;
  hammer.PlaySound = sounds.Route();
  int hitFrame = 0, frame = 0;
  hammer.OnHit = [&](THammerEffect&, TPoint p) {
    hitFrame = frame;
    r.board.StrikeTile(p);
  };
  hammer.Start({1, 1});
  EXPECT_FLOAT_EQ(hammer.Angle(), 8);
  float top = 0;
  while (hammer.Active() && frame < 100) {
    ++frame;
    hammer.UpdateAndDraw();
    top = std::max(top, hammer.Angle());
  }
  EXPECT_EQ(hitFrame, 15);
  EXPECT_FLOAT_EQ(top, 90);
  EXPECT_EQ(sounds.played, std::vector<std::string>{"Hammer"});
  // In place for 350 ms counting the strike's frame (12 frames), then 255 -> 60 by 30 a
  // frame (7 frames).
  EXPECT_EQ(frame, 14 + 12 + 7);
  EXPECT_FLOAT_EQ(hammer.Scale(), 1);
  // The struck tile lost web and chains and is grouped alone.
  ASSERT_EQ(r.grouped.size(), 1u);
  EXPECT_EQ(r.grouped[0].Count(), 1);
  EXPECT_EQ(r.T(1, 1).Web, 0);
  EXPECT_EQ(r.T(1, 1).ChainLevel, 0);
}

TEST(HammeredObjectsEffect, NeighboursShakeFlyAndBounceWhileTheBoardEmptiesThem) {
  SoundCatcher sounds;
  BoardRig r;
  r.Load({"****************",  //
          "*****5**********",  //
          "****6H7*********",  //
          "*****8**********"});
  THammeredObjectsEffect objects;
  objects.PlaySound = sounds.Route();
  objects.BoardLeft = 100;
  objects.BoardTop = 50;
  int finishFrame = 0, frame = 0, finishes = 0;
  objects.OnFinish = [&](THammeredObjectsEffect&) {
    finishFrame = frame;
    ++finishes;
    r.board.FinishHammered();
  };
  r.board.OnHammeredObjectsEffectRequest = [&](TGameBoard&, TBoardData b, TSimpleObjectArray m) {
    objects.Start(b, m);
  };
  // The left-hand object flies into the boss and is swallowed.
  objects.OnMonsterHitCheck = [&](THammeredObjectsEffect&, TPoint p, bool& hit, bool& absorb) {
    hit = absorb = p.X < 300;
  };
  r.board.HammerHit({6, 3});
  ASSERT_TRUE(objects.Active());
  // Row by row: the upper neighbour takes slot 1 and flies up; the lower one goes down.
  EXPECT_EQ(objects.Slot(1).Tile.Element, 5);
  EXPECT_EQ(objects.Slot(2).Tile.Element, 6);
  EXPECT_EQ(objects.Slot(3).Tile.Element, 7);
  EXPECT_EQ(objects.Slot(4).Tile.Element, 8);
  EXPECT_FLOAT_EQ(objects.Slot(1).Push, -18);
  EXPECT_FLOAT_EQ(objects.Slot(4).Push, 10);
  EXPECT_FLOAT_EQ(objects.Slot(3).X, 100 + 52 * 6);

  bool absorbed = false;
  std::vector<int> bounceFrames;
  while (objects.Active() && frame < 200) {
    ++frame;
    objects.UpdateAndDraw();
    if (objects.Slot(2).Absorbed) absorbed = true;
    if (objects.Slot(3).State == THammeredObjectsEffect::hsBouncing)
      bounceFrames.push_back(frame);
  }
  EXPECT_EQ(finishes, 1);
  EXPECT_EQ(finishFrame, 14);
  EXPECT_EQ(r.S(6, 3), tsFalling);
  EXPECT_EQ(r.S(5, 2) == tsFalling || r.S(6, 2) == tsFalling, true);
  EXPECT_TRUE(absorbed);
  EXPECT_EQ(bounceFrames.size(), 10u);
  int bounces = 0;
  for (const auto& s : sounds.played) bounces += s == "LockerBounce";
  EXPECT_EQ(bounces, 3);  // the swallowed one never lands
}

TEST(HammeredObjectsEffect, AStrikeWithoutNeighboursFinishesAtOnce) {
  BoardRig r;
  r.Load({"**.*************",  //
          "*.H.************",  //
          "**.*************"});
  THammeredObjectsEffect objects;
  int finishes = 0;
  objects.OnFinish = [&](THammeredObjectsEffect&) {
    ++finishes;
    r.board.FinishHammered();
  };
  r.board.OnHammeredObjectsEffectRequest = [&](TGameBoard&, TBoardData b, TSimpleObjectArray m) {
    objects.Start(b, m);
  };
  r.board.TileClick({3, 2});
  ASSERT_EQ(r.S(3, 2), tsStruck);
  r.board.HammerHit({3, 2});
  EXPECT_EQ(finishes, 1);
  EXPECT_FALSE(objects.Active());
  // The struck tile is emptied and, held by the holes around it, refilled in place.
  r.Frames(6);
  EXPECT_EQ(r.S(3, 2), tsIdle);
  EXPECT_EQ(r.T(3, 2).ObjectKind, okFruit);
  EXPECT_NE(r.T(3, 2).Element, ecHammer);
  for (int i = 0; i < 30; ++i) objects.UpdateAndDraw();
  EXPECT_EQ(finishes, 1);
}
