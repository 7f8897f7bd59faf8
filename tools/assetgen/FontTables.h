#pragma once
// Glyph order and advance widths of the two bitmap fonts, and where each glyph sits
// in its pattern. The game's text writer places characters by these advances, so the
// glyphs are drawn to fit them.
#include <string>

namespace assetgen {

struct TFontLayout {
  const char* Image;
  int Columns, Rows;
  int CellWidth, CellHeight;
  // The advance box of a glyph starts this many pixels into its pattern. The game's
  // line writer puts a pattern's centre on the pen position, so the normal font's
  // glyphs start at the centre; comments place letters by their top-left corner.
  int AdvanceLeft;
  int Pad;  // outline and shadow may pass the advance box by this much
};

const TFontLayout& NormalFontLayout();   // "GlobalFontWhite"
const TFontLayout& CommentFontLayout();  // "CommentFont"

// Characters in pattern order (the comment font holds upper case only).
const std::string& NormalGlyphOrder();
const std::string& CommentGlyphOrder();

// Advance in pixels at scale 1 (characters without an entry: 20).
int NormalAdvance(char c);
int CommentAdvance(char c);

}  // namespace assetgen
