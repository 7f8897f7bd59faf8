#include <gtest/gtest.h>

#include <vector>

#include "BoardRig.h"
#include "support/SoundTrace.h"
#include "board/TCrawlingSpiders.h"

namespace {
struct SpiderRig {
  TCrawlingSpiders spiders;
  TPoint top{5, 1};
  bool possible = false;
  bool required = false;
  std::vector<TPoint> landed, webs, falling;
  std::vector<TPoint> hits;
  int intervals = 0;
  SpiderRig() {
    TGameRandom::SetSeed(31);
    spiders.BoardLeft = 266;
    spiders.BoardTop = 95;
    spiders.OnTopBoardPosRequest = [this](TCrawlingSpiders&, TPoint& p) { p = top; };
    spiders.OnTilePossibleToWebQuestion = [this](TCrawlingSpiders&, TPoint, bool& ok) {
      ok = possible;
    };
    spiders.OnAnySpiderLanding = [this](TCrawlingSpiders&, TPoint p) { landed.push_back(p); };
    spiders.OnPutWeb = [this](TCrawlingSpiders&, TPoint p) { webs.push_back(p); };
    spiders.OnOneSpiderHit = [this](TCrawlingSpiders&, int x, int y, bool& req) {
      hits.push_back({x, y});
      req = required;
    };
    spiders.OnFallingPosUpdate = [this](TCrawlingSpiders&, TPoint p) { falling.push_back(p); };
    spiders.OnFruitsIntervalReached = [this](TCrawlingSpiders&) { ++intervals; };
  }
  // Runs until n spiders have landed.
  bool Land(int n, int websOnBoard = 0, int limit = 600) {
    spiders.StartWave(MakeBoard({}), websOnBoard);
    for (int i = 0; i < limit; ++i) {
      spiders.UpdateAndDraw();
      if (static_cast<int>(landed.size()) >= n) return true;
    }
    return false;
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) spiders.UpdateAndDraw();
  }
};
}  // namespace

TEST(CrawlingSpiders, WavesCountElementsAndKeepToTheWebBudget) {
  SpiderRig rig;
  for (int i = 0; i < 59; ++i) rig.spiders.CountElement();
  EXPECT_EQ(rig.intervals, 0);
  rig.spiders.CountElement();
  EXPECT_EQ(rig.intervals, 1);
  EXPECT_EQ(rig.spiders.ElementCount(), 0);

  // Three webs on the board already: the wave brings no spider.
  EXPECT_FALSE(rig.Land(1, 3, 400));
  EXPECT_EQ(rig.spiders.SpidersToAdd(), 0);
  EXPECT_EQ(rig.spiders.ActiveCount(), 0);

  ASSERT_TRUE(rig.Land(1, 1));
  EXPECT_EQ(rig.spiders.WebBudget(), 2);
  EXPECT_EQ(rig.landed[0], (TPoint{5, 1}));
  const auto& s = rig.spiders.Spider(0);
  EXPECT_EQ(s.State, TCrawlingSpiders::ssStopped);
  EXPECT_FLOAT_EQ(s.X, 266 + 52 * 5 - 48);
  EXPECT_FLOAT_EQ(s.Y, 95 + 52 - 34);
  for (int i = 0; i < 300 && rig.landed.size() < 2; ++i) rig.Frames(1);
  ASSERT_EQ(rig.landed.size(), 2u);
  // Two on the board: the next wave adds none.
  rig.spiders.StartWave(MakeBoard({}), 0);
  EXPECT_EQ(rig.spiders.SpidersToAdd(), 0);
}

// A won round freezes the spiders; the next level resets them and its spiders must come.
TEST(CrawlingSpiders, ResetForANewRoundEndsTheFreezeOfTheLastWin) {
  SpiderRig rig;
  rig.spiders.Frozen = true;
  EXPECT_FALSE(rig.Land(1, 0, 400));
  rig.spiders.Reset();
  EXPECT_TRUE(rig.Land(1));
}

TEST(CrawlingSpiders, WeavesUntilTheBudgetIsSpentThenLeaves) {
  SpiderRig rig;
  rig.possible = true;
  rig.spiders.OneWebEveryProb = 1;
  rig.spiders.MaxSpidersOnBoard = 1;
  rig.spiders.MaxWebs = 1;
  ASSERT_TRUE(rig.Land(1));
  const auto& s = rig.spiders.Spider(0);
  int guard = 0;
  while (s.State != TCrawlingSpiders::ssAnchoring && guard++ < 200) rig.Frames(1);
  ASSERT_EQ(s.State, TCrawlingSpiders::ssAnchoring);
  const TPoint tile = s.Tile;
  rig.Frames(28);
  EXPECT_EQ(s.State, TCrawlingSpiders::ssAnchoring);
  rig.Frames(1);
  EXPECT_EQ(s.State, TCrawlingSpiders::ssMakingWeb);
  // Frozen: no weaving time passes.
  rig.spiders.Frozen = true;
  rig.Frames(400);
  EXPECT_TRUE(rig.webs.empty());
  rig.spiders.Frozen = false;
  int weaving = 0;
  while (rig.webs.empty() && weaving++ < 400) rig.Frames(1);
  EXPECT_EQ(weaving, 167);  // 5000 ms
  ASSERT_EQ(rig.webs.size(), 1u);
  EXPECT_EQ(rig.webs[0], tile);
  EXPECT_EQ(rig.spiders.WebsMade(), 1);
  // Budget spent: down to the ground line, then off to the right.
  rig.Frames(1);
  EXPECT_EQ(s.State, TCrawlingSpiders::ssDroppingToGround);
  guard = 0;
  while (s.State == TCrawlingSpiders::ssDroppingToGround && guard++ < 100) rig.Frames(1);
  EXPECT_EQ(s.State, TCrawlingSpiders::ssWalkingAway);
  EXPECT_FLOAT_EQ(s.Y, 730);
  guard = 0;
  while (s.State != TCrawlingSpiders::ssFree && guard++ < 200) rig.Frames(1);
  EXPECT_EQ(s.State, TCrawlingSpiders::ssFree);
  EXPECT_TRUE(rig.hits.empty());
}

TEST(CrawlingSpiders, HitsOnlyWhereTheBlowLands) {
  SpiderRig rig;
  rig.spiders.Frozen = false;
  ASSERT_TRUE(rig.Land(1));
  rig.spiders.Frozen = true;  // keep it on its tile
  const auto& s = rig.spiders.Spider(0);
  TSimpleObjectArray neighbour;
  neighbour.Set(6, 1);
  neighbour.Set(5, 2);
  rig.spiders.HitOnTiles(neighbour);
  TTileState states[BoardColumns][BoardRows] = {};
  states[5][0] = tsFalling;
  states[4][0] = tsGrouping;
  rig.spiders.HitOnFallingTiles(states);
  rig.spiders.HitInRect(0, 0, static_cast<int>(s.X) - 30, 768);
  EXPECT_EQ(s.State, TCrawlingSpiders::ssStopped);

  states[4][0] = tsFalling;
  rig.spiders.HitOnFallingTiles(states);
  EXPECT_EQ(s.State, TCrawlingSpiders::ssHit);
  // The hit goes on while frozen; one report after the animation.
  rig.Frames(16);
  EXPECT_TRUE(rig.hits.empty());
  rig.Frames(1);
  ASSERT_EQ(rig.hits.size(), 1u);
  EXPECT_EQ(rig.hits[0], (TPoint{266 + 52 * 5 - 48 - 20, 95 + 52 - 34 - 29}));
  // Not required: it rolls off, raising dust while near the hit point.
  EXPECT_EQ(s.State, TCrawlingSpiders::ssRollingOff);
  rig.spiders.SendAllAway();  // already knocked off: not caught twice
  rig.Frames(100);
  EXPECT_EQ(s.State, TCrawlingSpiders::ssFree);
  EXPECT_EQ(rig.hits.size(), 1u);
  EXPECT_EQ(rig.falling.size(), 150u / 17);

  // A required spider vanishes at once.
  rig.spiders.Frozen = false;
  rig.required = true;
  ASSERT_TRUE(rig.Land(2));
  TSimpleObjectArray own;
  own.Set(5, 1);
  rig.spiders.Frozen = true;
  rig.spiders.HitOnTiles(own);
  rig.Frames(17);
  EXPECT_EQ(rig.hits.size(), 2u);
  EXPECT_EQ(rig.spiders.Spider(0).State, TCrawlingSpiders::ssFree);
}

TEST(CrawlingSpiders, SendAllAwayHitsEverySpiderWhateverItsState) {
  SoundTrace sounds({"SpiderHit"});
  SpiderRig rig;
  rig.spiders.PlaySound = sounds.Route();
  rig.spiders.MaxSpidersOnBoard = 3;
  ASSERT_TRUE(rig.Land(2));  // the third may still be on its way down
  int before = 0;
  for (int i = 0; i < TCrawlingSpiders::SlotCount; ++i)
    before += rig.spiders.Spider(i).State != TCrawlingSpiders::ssFree;
  EXPECT_GE(before, 2);
  rig.spiders.SendAllAway();
  int hit = 0;
  for (int i = 0; i < TCrawlingSpiders::SlotCount; ++i)
    hit += rig.spiders.Spider(i).State == TCrawlingSpiders::ssHit;
  EXPECT_EQ(hit, before);
  EXPECT_EQ(sounds.Count("SpiderHit"), 1);
}
