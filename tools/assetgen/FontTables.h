#pragma once
// The two bitmap fonts as the generator draws them: the character tables and advances are
// the game's own (text/TGameFont), the grid is the tile-count table's; what is decided
// here is the cell a glyph is drawn in and where its advance box sits in it.
#include <string>

#include "text/TGameFont.h"

namespace assetgen {

struct TFontLayout {
  TGameFontKind Kind;
  const char* Image;  // the game's picture name for the font
  int Columns, Rows;  // from the tile-count table
  int CellWidth, CellHeight;
  // The advance box of a glyph starts this many pixels into its pattern. The game's
  // line writer puts a pattern's centre on the pen position, so the normal font's
  // glyphs start at the centre; comments place letters by their top-left corner.
  int AdvanceLeft;
  int Pad;  // outline and shadow may pass the advance box by this much
};

const TFontLayout& NormalFontLayout();   // "GlobalFontWhite"
const TFontLayout& InkFontLayout();      // "GlobalFontInk": the same cells, no outline
const TFontLayout& CommentFontLayout();  // "CommentFont"

// Characters in pattern order, as the game maps them (the comment font holds upper case only).
const std::string& NormalGlyphOrder();
const std::string& CommentGlyphOrder();

// Advance in pixels at scale 1 (characters the game lists no width for: 20).
int NormalAdvance(char c);
int CommentAdvance(char c);

}  // namespace assetgen
