#pragma once
#include <cstdint>
#include <vector>

#include "board/TBoardData.h"
#include "board/TIndividualElementKind.h"
#include "board/TNewToolKind.h"
#include "board/TSimpleObjectArray.h"
#include "engine/SharedTypes.h"

// The bot's judgement: what a swap or a tool would take off a copy of the board, and what
// that is worth to the level. It only reads; it plays out runs, gravity and the cascades
// it can foresee by the board's own rules (TBoardRules); new tiles are unknown and never
// match.
class TBotPlanner {
 public:
  static constexpr int SlotCount = 17;  // gathering slots, in TIndividualElementKind order
  static constexpr int CascadeDepth = 3;  // removals looked at: the first and two cascades

  // What the bot can see of a settled level.
  struct TView {
    TBoardData Board{};
    // Still missing per slot, less what is already flying to the panel.
    int Needed[SlotCount] = {};
    // Gold frame levels lying under the tiles.
    std::uint8_t Gold[BoardColumns][BoardRows] = {};
    std::vector<TPoint> Spiders;  // tiles of spiders standing on the board
    // A boss round: what one element leaving each tile is worth against the creature, when
    // a match takes it (and the cascades after), a tool strikes it, or a bomb blows it away.
    bool Boss = false;
    float BossWorth[CascadeDepth][BoardColumns][BoardRows] = {};
    float BossToolWorth[BoardColumns][BoardRows] = {};
    float BossBlastWorth[BoardColumns][BoardRows] = {};
    float BossFallShare = 1;  // of the tiles yet to come, the share that falls (not drifts)
  };

  struct TToolChoice {
    TNewToolKind Kind = tlNone;
    TPoint Tile;
    double Value = 0;
  };

  explicit TBotPlanner(const TView& view) : View(view) {}

  // The worth of swapping a and b; negative when the swap lines nothing up.
  double RateSwap(TPoint a, TPoint b) const;
  // The worth of releasing a tool on a tile; negative when the tile is no target.
  double RateTool(TNewToolKind kind, TPoint tile) const;
  // The tool's most valuable target (Value 0 and no tile when nothing is worth it).
  TToolChoice BestToolTarget(TNewToolKind kind) const;
  // What the whole level still asks for, in the same units as the ratings.
  double OutstandingValue() const;

  // The gathering slot an element code feeds, or -1.
  static int SlotOfCode(int code);
  // Every tile of a run of three or more (elements, or lockers in their own layer).
  static TSimpleObjectArray AllRuns(const TBoardData& board);

 private:
  struct TState;
  using TWorthTable = float[BoardColumns][BoardRows];
  // firstWorth: the creature's table for the first removal (the cascades have their own).
  double Play(TBoardData board, TSimpleObjectArray removed, TSimpleObjectArray hits,
              const TSimpleObjectArray& banned, const TWorthTable& firstWorth) const;
  double Score(const TBoardData& board, const TSimpleObjectArray& removed,
               const TSimpleObjectArray& hits, const TSimpleObjectArray& banned, bool first,
               const TWorthTable& bossWorth, TState& state) const;

  TView View;
};
