#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "BoardRig.h"
#include "board/TLockersAwayEffect.h"
#include "board/TLostBoardEffect.h"
#include "board/TShuffleAwayEffect.h"

namespace {
// A plain check of a finished board: any run of three, lockers by colour, elements by code
// (potions included unless told otherwise: they never group but a swap may line them up).
bool HasRunNaive(const TBoardData& b, bool potions = true) {
  auto key = [&](int x, int y) {
    const TBoardTile& t = b.At(x, y);
    if (t.ObjectKind == okLocker) return 100 + t.LockerColor;
    if (t.ObjectKind == okFruit && t.Element >= 1 && t.Element <= (potions ? 18 : 16))
      return int(t.Element);
    return -1;
  };
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y) {
      int k = key(x, y);
      if (k < 0) continue;
      if (x <= 14 && key(x + 1, y) == k && key(x + 2, y) == k) return true;
      if (y <= 10 && key(x, y + 1) == k && key(x, y + 2) == k) return true;
    }
  return false;
}

// Every swap the hint rules allow that would line up three.
bool AnyMoveNaive(const TBoardData& b) {
  auto free = [&](const TBoardTile& t) {
    if (!t.IsLockerOrElement() || t.Web || t.ChainLevel) return false;
    return !(t.ObjectKind == okFruit && (t.Element == 0 || t.Element == 101 ||
                                          t.Element == 102 || t.Element == 103));
  };
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y)
      for (auto [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}}) {
        if (x + dx > 16 || y + dy > 12) continue;
        const TBoardTile &a = b.At(x, y), &c = b.At(x + dx, y + dy);
        if (a.ObjectKind != c.ObjectKind || !free(a) || !free(c)) continue;
        TBoardData copy = b;
        std::swap(copy.At(x, y), copy.At(x + dx, y + dy));
        if (HasRunNaive(copy)) return true;
      }
  return false;
}

std::vector<std::string> NoMoveRows() {
  std::vector<std::string> rows;
  for (int y = 1; y <= 12; ++y) {
    std::string row;
    for (int x = 1; x <= 16; ++x) row += char('1' + (x + 4 * y) % 8);
    rows.push_back(row);
  }
  return rows;
}

const std::vector<std::string> kOneMove = {"**1*************", "112*************"};

struct ClockSeeds {
  std::uint32_t next;
  explicit ClockSeeds(std::uint32_t first) : next(first) {
    TGameRandom::SetClockSeedSource([this] { return next++; });
  }
  ~ClockSeeds() { TGameRandom::SetClockSeedSource(nullptr); }
};
}  // namespace

TEST(BoardHints, FindHintOffersOnlyFreePairs) {
  BoardRig r;
  r.Load(kOneMove);
  for (int i = 0; i < 20; ++i) {  // whatever the random start tile
    r.board.FindHint();
    ASSERT_TRUE(r.board.HintShowing());
    TPoint a = r.board.HintPos1(), b = r.board.HintPos2();
    bool pair = (a == TPoint{3, 1} && b == TPoint{3, 2}) || (a == TPoint{3, 2} && b == TPoint{3, 1});
    EXPECT_TRUE(pair) << a.X << "," << a.Y << " " << b.X << "," << b.Y;
    EXPECT_TRUE(r.board.HintMarked({3, 1}));
  }
  for (auto spoil : {0, 1, 2}) {
    r.Load(kOneMove);
    if (spoil == 0) r.board.EditTile({3, 1}).Web = 1;
    if (spoil == 1) r.board.EditTile({3, 2}).ChainLevel = 1;
    if (spoil == 2) r.board.EditTile({3, 1}).Element = ecHammer;
    r.board.FindHint();
    EXPECT_FALSE(r.board.HintShowing()) << spoil;
    EXPECT_EQ(r.board.HintPos1(), (TPoint{0, 0}));
  }
  // The search agrees with a plain search on random boards.
  for (int seed = 0; seed < 40; ++seed) {
    TGameRandom::SetSeed(seed);
    r.Load({});
    r.board.SetAvailableElements(TElementSet::Range(1, 5 + seed % 3));
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 12; ++y) r.board.EditTile({x, y}).Element = r.board.RandomColour();
    EXPECT_EQ(r.board.HasMove(), AnyMoveNaive(r.board.BoardData())) << seed;
    // The full list holds only real moves, and one whenever there is any.
    auto moves = r.board.ListMoves();
    EXPECT_EQ(!moves.empty(), r.board.HasMove()) << seed;
    for (auto [a, b] : moves) {
      TBoardData swapped = r.board.BoardData();
      std::swap(swapped.At(a), swapped.At(b));
      EXPECT_TRUE(HasRunNaive(swapped)) << seed;
    }
  }
  r.Load(kOneMove);
  auto only = r.board.ListMoves();
  ASSERT_EQ(only.size(), 1u);
  EXPECT_EQ(only[0].first, (TPoint{3, 1}));
  EXPECT_EQ(only[0].second, (TPoint{3, 2}));
}

TEST(BoardHints, HintAppearsAfterTheIntervalAndGoesAfterItsTime) {
  DrawRig draw;
  BoardRig r;
  r.board.OmgImgList = &draw.images;
  r.Load(kOneMove);
  r.Frames(399);
  EXPECT_FALSE(r.board.HintShowing());
  r.Frames(1);  // 12000 ms
  ASSERT_TRUE(r.board.HintShowing());
  draw.Take();
  std::vector<float> gaps;
  for (int i = 0; i < 83; ++i) {
    r.board.DrawHint();
    auto q = draw.Take();
    ASSERT_EQ(q.size(), 4u);  // shadow and element for each tile
    gaps.push_back(std::fabs(q[3].Y - q[1].Y));
  }
  EXPECT_FLOAT_EQ(gaps[7] - gaps[0], 14);  // both move apart by 1 a frame up to 8
  EXPECT_FLOAT_EQ(gaps[15], 52);  // back to 0, then out again
  EXPECT_FLOAT_EQ(gaps[16], gaps[0]);
  EXPECT_TRUE(r.board.HintShowing());
  r.board.DrawHint();  // 84 frames: 2520 ms
  EXPECT_FALSE(r.board.HintShowing());
  EXPECT_FALSE(r.board.HintMarked({3, 1}));

  // A click hides the hint and restarts the interval.
  r.board.ShowHint({3, 1}, {3, 2});
  r.Frames(10);
  r.board.TileClick({9, 9});
  EXPECT_FALSE(r.board.HintShowing());
  EXPECT_EQ(r.board.HintIntervalTimer(), 0);
}

TEST(BoardHints, HintIsNotDrawnWhileTheBoardIsHiddenOrPaused) {
  DrawRig draw;
  BoardRig r;
  r.board.OmgImgList = &draw.images;
  r.Load(kOneMove);
  r.board.ShowHint({3, 1}, {3, 2});
  draw.Take();
  r.board.CanDraw = false;  // a shuffle or the end of the round has taken the board away
  for (int i = 0; i < 100; ++i) r.board.DrawHint();
  EXPECT_TRUE(draw.Take().empty());
  r.board.CanDraw = true;
  r.board.Visible = false;  // paused
  for (int i = 0; i < 100; ++i) r.board.DrawHint();
  EXPECT_TRUE(draw.Take().empty());
  // Shown again with the board, for the rest of its time.
  r.board.Visible = true;
  ASSERT_TRUE(r.board.HintShowing());
  r.board.DrawHint();
  EXPECT_EQ(draw.Take().size(), 4u);
}

TEST(BoardHints, NoMoreMovesIsReportedOnceAndOnlyOnAnIdleBoard) {
  BoardRig r;
  auto rows = NoMoveRows();
  r.Load(rows);
  ASSERT_FALSE(AnyMoveNaive(r.board.BoardData()));
  ASSERT_FALSE(r.board.HasMove());
  r.Frames(666);
  EXPECT_EQ(r.noMoreMoves, 0);
  r.Frames(1);  // 20000 ms of idle board
  EXPECT_EQ(r.noMoreMoves, 1);
  r.Frames(1400);
  EXPECT_EQ(r.noMoreMoves, 1);  // reported once until the timers are reset
  r.board.ResetTimers();

  // Any animating tile holds the timer.
  r.board.SetTileState({5, 5}, tsSwapping);
  r.Frames(300);
  EXPECT_EQ(r.board.NoMoreMovesTimer(), 0);
  r.board.SetTileState({5, 5}, tsIdle);
  r.Frames(667);
  EXPECT_EQ(r.noMoreMoves, 2);

  // A hammer or multi bubble is a move; a uni bubble is not.
  rows[5][5] = 'H';
  r.Load(rows);
  r.board.CheckNoMoreMoves();
  EXPECT_EQ(r.noMoreMoves, 2);
  rows[5][5] = 'M';
  r.Load(rows);
  r.board.CheckNoMoreMoves();
  EXPECT_EQ(r.noMoreMoves, 2);
  rows[5][5] = 'U';
  r.Load(rows);
  r.board.CheckNoMoreMoves();
  EXPECT_EQ(r.noMoreMoves, 3);

  // Not while matching is off.
  r.Load(rows);
  r.board.CanMatch = false;
  r.board.CheckNoMoreMoves();
  EXPECT_EQ(r.noMoreMoves, 3);
}

TEST(BoardShuffle, GeneratedBoardsHaveNoRunsAndKeepTheLayout) {
  BoardRig r;
  ClockSeeds seeds(7);
  for (int round = 0; round < 300; ++round) {
    TGameRandom::SetSeed(round * 7919u + 1);
    // A random layout: holes, decorative tiles, chains, webs, potions, items.
    std::vector<std::string> rows(12, std::string(16, '*'));
    for (auto& row : rows)
      for (char& c : row) {
        int d = TGameRandom::Random(40);
        c = d == 0 ? '.' : d == 1 ? '_' : d == 2 ? 'h' : d == 3 ? 'U' : d == 4 ? 'A' : '*';
      }
    TBoardData level = MakeBoard(rows);
    for (int i = 0; i < 6; ++i) {
      TBoardTile& t = level.At(1 + TGameRandom::Random(16), 1 + TGameRandom::Random(12));
      if (t.IsLockerOrElement()) t.ChainLevel = static_cast<std::uint8_t>(1 + i % 2);
      TBoardTile& w = level.At(1 + TGameRandom::Random(16), 1 + TGameRandom::Random(12));
      w.Web = 1;
    }
    TElementSet set;
    int colours = 5 + TGameRandom::Random(8);
    while (colours > 0) {
      int c = 1 + TGameRandom::Random(16);
      if (!set.Has(c)) set.Include(c), --colours;
    }
    r.board.SetAvailableElements(set);
    r.board.LoadBoard(level);
    TBoardData out;
    r.board.GenerateShuffledBoard(out);

    // Potions come back where the level put them, even three in a line.
    ASSERT_FALSE(HasRunNaive(out, false)) << "round " << round;
    int uniBefore = 0, uniAfter = 0, elementsBefore = 0, elementsAfter = 0;
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 12; ++y) {
        const TBoardTile &a = level.At(x, y), &b = out.At(x, y);
        ASSERT_EQ(a.IsLockerOrElement(), b.IsLockerOrElement());
        ASSERT_EQ(a.ChainLevel, b.ChainLevel);
        ASSERT_EQ(a.BackgroundVariant, b.BackgroundVariant);
        if (b.IsLockerOrElement()) {
          ASSERT_EQ(b.Web, 0);
        }
        if (a.ObjectKind == okFruit && IsPotionCode(a.Element)) {
          ASSERT_EQ(b.Element, a.Element);
          ASSERT_EQ(b.ObjectKind, okFruit);
        }
        if (b.ObjectKind == okFruit && !IsPotionCode(b.Element) && b.Element != ecUniBubble) {
          ASSERT_TRUE(set.Has(b.Element)) << int(b.Element);
        }
        if (b.ObjectKind == okLocker) {
          ASSERT_TRUE(b.LockerColor >= 1 && b.LockerColor <= 3);
        }
        uniBefore += a.IsLockerOrElement() && a.Element == ecUniBubble;
        uniAfter += b.IsLockerOrElement() && b.Element == ecUniBubble;
        elementsBefore += a.ObjectKind == okFruit;
        elementsAfter += b.ObjectKind == okFruit;
      }
    // Items can land on one another or under a potion, never appear from nowhere.
    EXPECT_LE(uniAfter, uniBefore);
    EXPECT_GE(elementsAfter, elementsBefore);
  }
}

TEST(ShuffleAwayEffect, PhasesAndFlightTimes) {
  DrawRig draw;
  TShuffleAwayEffect fx;
  fx.OmgImgList = &draw.images;
  fx.BoardLeft = 266;
  fx.BoardTop = 95;
  std::vector<std::string> sounds;
  fx.PlaySound = [&](const std::string& n) { sounds.push_back(n); };
  int finished = 0;
  TBoardData got{};
  fx.OnFinished = [&](TShuffleAwayEffect&, TBoardData b) {
    ++finished;
    got = b;
  };
  std::vector<std::string> rows(12, std::string(16, '.'));
  rows[0][0] = '3';
  TBoardData oldBoard = MakeBoard(rows);
  rows[0][0] = '4';
  TBoardData newBoard = MakeBoard(rows);
  fx.Start(oldBoard, newBoard);
  int frames = 0;
  auto until = [&](int phase) {
    int n = 0;
    while (fx.CurrentPhase() != phase && n < 1000) {
      fx.UpdateAndDraw();
      ++n;
    }
    return n;
  };
  frames = until(2);
  EXPECT_EQ(frames, 20);  // 600 ms of shaking
  EXPECT_EQ(sounds, std::vector<std::string>{"WhipAway"});
  auto shaken = draw.Take();
  ASSERT_FALSE(shaken.empty());
  frames = until(3);
  float dx = std::fabs(fx.TileX({1, 1}) - 266), dy = std::fabs(fx.TileY({1, 1}) - 95);
  bool onRim = false;
  for (const TPoint& p : TShuffleAwayEffect::RimPoints)
    onRim |= p.X == fx.TileX({1, 1}) && p.Y == fx.TileY({1, 1});
  EXPECT_TRUE(onRim);
  EXPECT_EQ(frames, static_cast<int>(std::ceil(std::max(dx, dy) / 45)));
  frames = until(4);
  EXPECT_EQ(frames, static_cast<int>(std::ceil(std::max(dx, dy) / 45)));
  EXPECT_EQ(fx.TileX({1, 1}), 266);
  frames = until(0);
  EXPECT_EQ(frames, 9);  // 250 ms
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(got.At(1, 1).Element, 4);
}

TEST(LostBoardEffect, ShakesThenDropsFromTheBottomAndCallsTheDialogOnce) {
  TLostBoardEffect fx;
  int dialogs = 0;
  fx.OnTimeForDialogWindow = [&](TLostBoardEffect&) { ++dialogs; };
  std::vector<std::string> rows(12, std::string(16, '*'));
  rows[11] = std::string(16, '.');  // row 12 is all holes
  rows[10][3] = '_';                // a decorative tile drops too
  fx.Start(MakeBoard(rows));
  EXPECT_EQ(fx.TileCount(), 176);
  for (int i = 0; i < 34; ++i) fx.UpdateAndDraw();  // 1000 ms
  EXPECT_EQ(fx.CurrentPhase(), 2);
  EXPECT_EQ(fx.Released(), 0);
  for (int i = 0; i < 3; ++i) fx.UpdateAndDraw();  // 90 ms
  EXPECT_EQ(fx.Released(), 3);
  int inRow11 = 0, inRow9 = 0, inRow7 = 0;
  for (int x = 1; x <= 16; ++x) {
    inRow11 += fx.Stage({x, 11}) != TLostBoardEffect::lsWaiting;
    inRow9 += fx.Stage({x, 9}) != TLostBoardEffect::lsWaiting;
    inRow7 += fx.Stage({x, 7}) != TLostBoardEffect::lsWaiting;
  }
  EXPECT_EQ(inRow11 + inRow9 + inRow7, 3);
  EXPECT_EQ(inRow11, 1);
  int frames = 0;
  while (dialogs == 0 && frames < 2000) {
    fx.UpdateAndDraw();
    ++frames;
  }
  EXPECT_EQ(dialogs, 1);
  EXPECT_GE(fx.Released(), 0.7 * 176);
  EXPECT_LT(fx.Released(), 0.7 * 176 + 3);
  for (int i = 0; i < 500; ++i) fx.UpdateAndDraw();
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(fx.Released(), 176);
  EXPECT_EQ(fx.Stage({5, 5}), TLostBoardEffect::lsGone);
}

TEST(LockersAwayEffect, ShakesThenSpreadsToTheRim) {
  TLockersAwayEffect fx;
  fx.BoardLeft = 266;
  fx.BoardTop = 95;
  std::vector<std::string> events;
  fx.PlaySound = [&](const std::string& n) { events.push_back(n); };
  fx.OnAboutSpreading = [&](TLockersAwayEffect&) { events.push_back("spreading"); };
  fx.OnFinished = [&](TLockersAwayEffect&) { events.push_back("finished"); };
  TBoardData board = MakeBoard({});
  fx.Start(board);
  for (int i = 0; i < 33; ++i) fx.UpdateAndDraw();
  EXPECT_TRUE(events.empty());
  fx.UpdateAndDraw();  // 1000 ms
  EXPECT_EQ(events, (std::vector<std::string>{"WhipAway", "spreading"}));
  int longest = 0;
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y) {
      TPoint t = fx.Target({x, y});
      float d = std::max(std::abs(t.X - (266 + 52 * (x - 1))), std::abs(t.Y - (95 + 52 * (y - 1))));
      longest = std::max(longest, static_cast<int>(std::ceil(d / 45)));
    }
  int frames = 0;
  while (events.size() < 3 && frames < 1000) {
    fx.UpdateAndDraw();
    ++frames;
  }
  EXPECT_EQ(events.back(), "finished");
  EXPECT_LE(frames, longest);
  EXPECT_GE(frames, longest - 1);  // the last half pixel rounds onto the rim
  EXPECT_EQ(fx.CurrentPhase(), 0);
}
