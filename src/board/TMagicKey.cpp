#include "board/TMagicKey.h"

#include "board/TGameBoard.h"

bool TMagicKey::IsValidTarget(const TGameBoard& board, TPoint tile) {
  return InBoardGrid(tile) && board.IsLockerTile(tile) && IsRestingState(board.TileState(tile));
}

void TMagicKey::Use(TPoint tile, int, int) {
  if (PlaySound) PlaySound("Key");
  if (OnLockerOpen) OnLockerOpen(*this, tile);
}
