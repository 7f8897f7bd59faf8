#pragma once
#include "board/TBoardTile.h"

class TOmegaImageList;

// Draws one tile the way the whole-board effects show it while the board is hidden:
// background, element, chain and web, all from the tile's top-left corner.
class TBoardTilePainter {
 public:
  // Lockers, elements and decorative empty tiles are shown; holes and blanks are not.
  static bool IsShown(const TBoardTile& t) {
    return t.IsLockerOrElement() || (t.ObjectKind == okUnused && t.BackgroundVariant != 0);
  }
  static void Draw(TOmegaImageList& images, const TBoardTile& t, float x, float y,
                   int uniColourIndex);
};
