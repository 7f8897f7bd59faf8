#pragma once
#include "engine/TComponent.h"
#include "metagame/TBookCitizens.h"

class TOmegaImageList;
class TStickerBookObjects;
class TSmallWynnet;

// Draws the hub's town from the sticker book: the background of its stage, the stickers in
// group order with their fades, a glow on the newest one, the zeppelin and the townsfolk;
// and the small heroine cheering at the shop. The book itself only keeps the state.
class TStickerBookPainter : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  TBookCitizens Citizens;
  // How bright the newest sticker glows at full highlight.
  int HighlightAlpha = 110, GlowAlpha = 170;
  float ZeppelinBob = 4;

  // Runs the book's update: the ordering events fire in the middle of it, so the shell
  // draws its own layers (and DrawCitizens) between the stickers.
  void DrawBook(TStickerBookObjects& book);
  // For the book's OnTimeToDrawCitizens.
  void DrawCitizens(const TStickerBookObjects& book);
  void DrawSmallWynnet(const TSmallWynnet& wynnet);

 private:
  void DrawGlow(int group, double strength);
};
