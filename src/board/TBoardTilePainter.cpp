#include "board/TBoardTilePainter.h"

#include "engine/TOmegaImageList.h"

void TBoardTilePainter::Draw(TOmegaImageList& images, const TBoardTile& t, float x, float y,
                             int uniColourIndex) {
  if (!IsShown(t)) return;
  if (t.ObjectKind != okLocker)
    images.DrawImage("BackgroundTile", x - 2, y - 2, t.BackgroundVariant != 0 ? 1 : 0);
  // The background variant only picks the tile's shade; every element is shown.
  if (t.ObjectKind == okFruit) {
    if (t.Element == ecUniBubble)
      images.DrawImage("BubbleInside", x, y, uniColourIndex - 1);
    else if (t.Element >= 1 && t.Element <= ecPotion2)
      images.DrawImage("ElementsInside", x, y, t.Element - 1);
  }
  if (!t.IsLockerOrElement()) return;
  if (t.ChainLevel > 0) {
    images.DrawImage("ChainLock", x - 2, y - 2, 0);
    if (t.ChainLevel == 2) images.DrawImage("ChainLock", x - 2, y - 2, 5);
  }
  if (t.Web != 0) images.DrawImage("Web", x - 1, y - 2, 0);
}
