#pragma once
#include <functional>
#include <utility>
#include <vector>

#include "board/TBoardData.h"
#include "board/TElementSet.h"
#include "board/TNewToolKind.h"
#include "board/TSimpleObjectArray.h"
#include "board/TTileState.h"

// The board's rules as functions of a snapshot: what lines up, which swaps are moves, what
// holds a column and where falling tiles come to rest, which colour a new element gets and
// what a tool covers. The board applies them to its own tiles; the bot and the level
// designer's simulator apply them to their copies, so all three play by the same rules.
// Nothing here draws, sounds or touches the game's random source.
class TBoardRules {
 public:
  using TStates = TTileState[BoardColumns][BoardRows];
  // Every tile resting, as on a board loaded afresh.
  static const TStates& AllResting();

  // ---- placement ----
  // First and last used column (or row), 0 when none; used means not a hole.
  static void UsedRange(const TBoardData& board, bool columns, int& first, int& last);
  // Where the board's top-left corner goes so that its used part is centred on the point
  // (682, 407) of the play area; a full board, or one with nothing used, lies at (266, 95).
  static TPoint CentredOrigin(const TBoardData& board);

  // ---- runs ----
  // The layer and colour a tile lines up with (lockers 1000 + colour), or -1.
  static int RunKey(const TBoardTile& t) {
    if (t.ObjectKind == okLocker) return 1000 + t.LockerColor;
    if (t.ObjectKind == okFruit && t.WormState != wsEaten) return t.Element;
    return -1;
  }
  // Keys of colours that make runs: elements 1..18, lockers 1..3.
  static bool IsRunColourKey(int key) {
    return (key >= 1 && key <= ecPotion2) || (key >= 1001 && key <= 1003);
  }
  // Every tile of a run of three or more of colour c in one layer, with the given states.
  static TSimpleObjectArray FindRuns(const TBoardData& board, const TStates& states,
                                     bool lockers, int colour);
  // Any run at all: lockers of colours 1..3 or elements of colours 1..18.
  static bool AnyMatch(const TBoardData& board, const TStates& states);
  // Every tile of any such run, every tile resting.
  static TSimpleObjectArray AllRuns(const TBoardData& board);
  // Whether the tile lies in a horizontal or vertical run of its own colour, every tile
  // resting; cheaper than a whole search when only one tile is in question (the simulator
  // asks it of every tile after every move, so it stays inline and looks no further than
  // three).
  static bool InRun(const TBoardData& board, int x, int y) {
    const int key = RunKey(board.At(x, y));
    if (!IsRunColourKey(key)) return false;
    auto same = [&board, key](int i, int j) {
      return InBoardGrid(i, j) && RunKey(board.At(i, j)) == key;
    };
    const bool left = same(x - 1, y), right = same(x + 1, y);
    if ((left && (right || same(x - 2, y))) || (right && same(x + 2, y))) return true;
    const bool up = same(x, y - 1), down = same(x, y + 1);
    return (up && (down || same(x, y - 2))) || (down && same(x, y + 2));
  }
  // The tiles of the horizontal and the vertical run of three or more through the tile.
  static TSimpleObjectArray RunsThrough(const TBoardData& board, int x, int y);

  // ---- moves ----
  // A tile the move search may offer: a locker or element without web or chain that is
  // not a uni bubble, hammer, found flower or multi bubble.
  static bool IsHintable(const TBoardTile& t);
  // Swapping t and n lines up t's colour somewhere in its layer.
  static bool PairIsMove(const TBoardData& board, const TStates& states, TPoint t, TPoint n);
  // Every swap of two neighbours that would line up a run, each pair once, column by
  // column: the right neighbour before the one below.
  static std::vector<std::pair<TPoint, TPoint>> ListMoves(const TBoardData& board,
                                                          const TStates& states);

  // ---- falling ----
  // Tiles that hold a column: gravity neither passes nor moves them.
  static bool HoldsColumn(const TBoardTile& t) {
    return t.ObjectKind == okUnused || t.ObjectKind == okBlocker ||
           (t.IsLockerOrElement() && t.ChainLevel > 0);
  }
  // The first and the last row of the column segment that the tile falls within.
  static int SegmentTop(const TBoardData& board, int x, int y);
  static int SegmentBottom(const TBoardData& board, int x, int y);
  // An emptied tile lies below (x, y) before anything holds the column.
  static bool CanFallFurther(const TBoardData& board, int x, int y);
  // A potion on row 12, or over an emptied tile, a blocker or a hole, is collected.
  static bool PotionOnBottom(const TBoardData& board, TPoint p);
  // Where everything comes to rest once the masked tiles are gone: in every column segment
  // the other tiles close up at the bottom in their order, and the rows left over at the top
  // get a new tile each from fill, lowest first, segment by segment from the bottom, column
  // by column. The board gets there frame by frame; players that look ahead jump there.
  static void Collapse(TBoardData& board, const TSimpleObjectArray& removed,
                       const std::function<TBoardTile()>& fill);

  // ---- new elements ----
  // A colour of the set for a new element (never an item): flowers come with a chance of
  // 3 in 37 when the set has both kinds; each group is drawn until a code of the set comes
  // up, at most 100 times. random(n) draws 0..n-1.
  template <typename TRandom>
  static int RandomColour(const TElementSet& set, TRandom&& random) {
    bool a = set.HasAnyIn(1, 12);
    bool b = set.HasAnyIn(ecFirstFlower, ecLastColour);
    bool flowers;
    if (a && b)
      flowers = random(37) >= 34;
    else if (a || b)
      flowers = b;
    else
      return 1;
    int code = 1;
    for (int i = 0; i < 100; ++i) {
      code = flowers ? ecFirstFlower + random(4) : 1 + random(12);
      if (set.Has(code)) break;
    }
    return code;
  }

  // ---- tools ----
  static TSimpleObjectArray SmallBombShape(TPoint p);
  static TSimpleObjectArray BigBombShape(TPoint p);
  // The tiles a tool aimed at p covers: the hammer its tile, the bombs their squares, the
  // lightnings the row or the column. Empty for the blaster, whose reach is a colour.
  static TSimpleObjectArray ToolArea(TNewToolKind tool, TPoint p);
};
