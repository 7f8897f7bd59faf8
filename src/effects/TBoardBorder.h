#pragma once
#include "board/TBoardData.h"
#include "effects/TBorderPieces.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The frame around the board area. It grows from the middle columns outward when a board
// is laid out and fades from the sides inward when the board is taken away.
class TBoardBorder : public TComponent {
 public:
  enum TState { bsIdle, bsAppearing, bsVanishing };
  static constexpr int HalfSegments = TBorderPieces::HalfSegments;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int AlphaInc = 3;
  int AlphaDec = 7;
  int IncUpdateInterval = 120;
  int DecUpdateInterval = 60;

  // Takes the board area (every tile but holes) and clears all alphas.
  void SetBoard(const TBoardData& board);
  void Appear();
  void Vanish();
  void Reset();
  void UpdateAndDraw();

  TState State() const { return CurrentState; }
  int Alpha(TPoint tile) const { return Alphas[tile.X - 1][tile.Y - 1]; }
  bool InArea(TPoint tile) const { return InBoardGrid(tile) && Area[tile.X - 1][tile.Y - 1]; }
  // The 1-based "BoardBorder" pattern number of a half-segment, 0 when it is absent.
  int SegmentPattern(TPoint tile, int halfSegment) const;

 private:
  void StepAlpha(int& alpha) const;

  bool Area[BoardColumns][BoardRows] = {};
  int Alphas[BoardColumns][BoardRows] = {};
  int Patterns[BoardColumns][BoardRows][HalfSegments] = {};
  TState CurrentState = bsIdle;
  int Timer = 0;
  int LeftSweep = 8, RightSweep = 9;
};
