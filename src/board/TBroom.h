#pragma once
#include <functional>

#include "board/TCarriedTool.h"

class TGameBoard;

// Sweeps the web off the tile it is released on.
class TBroom : public TCarriedTool {
 public:
  int SweepFrames = 18;
  int SweepSwing = 14;  // pixels to either side

  std::function<void(TBroom& sender, TPoint tilePos)> OnTileBroomingFinished;

  static bool IsValidTarget(const TGameBoard& board, TPoint tile);
  bool Working() const override { return SweepFrame > 0; }

 protected:
  void Use(TPoint tile, int x, int y) override;
  void UpdateWork() override;
  void DrawWork() override;

 private:
  TPoint SweptTile;
  int SweepFrame = 0;
};
