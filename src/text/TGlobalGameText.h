#pragma once
#include <cstdint>
#include <string>

#include "engine/TComponent.h"
#include "text/TGameFont.h"
#include "text/TTextStyle.h"

class TOmegaImageList;

// Draws a line of text glyph by glyph from a bitmap font (titles, labels, numbers).
class TGlobalGameText : public TComponent {
 public:
  // tcBrown carries a line by its own colour on light parchment, where a light colour leans
  // on the font's outline alone.
  enum TTextColor { tcWhite = 0, tcYellow = 1, tcRed = 2, tcBlack = 3, tcBrown = 4 };

  TOmegaImageList* OmgImgList = nullptr;
  TGameFontKind FontKind = TGameFontKind::fkAirstripNormal;
  // The shell replaces these with the tile size of the font picture after loading.
  int OrigLetterWidth = 19;
  int OrigLetterHeight = 24;

  // (x, y) is the centre of the first glyph cell.
  void DrawText(float x, float y, const std::string& text, const TTextStyle& style = {});
  // The text in black one pixel right and two down, then in its colour.
  void DrawShadowText(float x, float y, const std::string& text, const TTextStyle& style = {});
  int TextWidth(const std::string& text, int extraSpacing, double scale) const;

  static void ColourOf(int colour, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b) {
    switch (colour) {
      case tcYellow: r = 255, g = 255, b = 0; break;
      case tcRed: r = 255, g = 0, b = 0; break;
      case tcBlack: r = 0, g = 0, b = 0; break;
      case tcBrown: r = 122, g = 52, b = 18; break;
      default: r = 255, g = 255, b = 255; break;
    }
  }
};
