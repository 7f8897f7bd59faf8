#include "board/TMagicKey.h"

#include "audio/TSoundShortcuts.h"
#include "board/TGameBoard.h"

bool TMagicKey::IsValidTarget(const TGameBoard& board, TPoint tile) {
  return InBoardGrid(tile) && board.IsLockerTile(tile) && IsRestingState(board.TileState(tile));
}

void TMagicKey::Use(TPoint tile, int, int) {
  TSoundShortcuts::PlaySFX("Key");
  if (OnLockerOpen) OnLockerOpen(*this, tile);
}
