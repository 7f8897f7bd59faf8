#pragma once
#include <functional>

#include "board/TBoardData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Every half minute a shine sweeps diagonally over the board's tiles, one diagonal per update.
class TGlobalShine : public TComponent {
 public:
  static constexpr int SweepLength = 28;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int ShineInterval = 30000;
  int ShineFrameCount = 2;
  int ShineAlpha = 60;
  // Asked when a sweep is due; the shell answers with the board's CanDraw.
  std::function<void(TGlobalShine& sender, bool& canDraw)> OnCanDrawConfirm;

  void SetBoard(const TBoardData& board);
  void MakeDue() { ShineTimer = ShineInterval; }
  void UpdateAndDraw();
  void Reset();

  TGlobalShine() { Reset(); }
  bool Sweeping() const { return SweepActive; }
  int Timer() const { return ShineTimer; }
  // Frames of the shine still to be drawn on a tile (0 when unlit).
  int LitFrames(TPoint tile) const;

 private:
  bool Area[BoardColumns][BoardRows] = {};
  int Frame[BoardColumns][BoardRows] = {};  // next pattern to draw, -1 unlit
  int ShineTimer = 0;
  int SweepStep = 0;
  bool SweepActive = false;
};
