#include "text/TGlobalGameText.h"

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"

void TGlobalGameText::ColourOf(int colour, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b) {
  switch (colour) {
    case tcYellow: r = 255, g = 255, b = 0; break;
    case tcRed: r = 255, g = 0, b = 0; break;
    case tcBlack: r = 0, g = 0, b = 0; break;
    default: r = 255, g = 255, b = 255; break;
  }
}

void TGlobalGameText::DrawText(float x, float y, int colour, int maxWidth, std::uint8_t alpha,
                               int extraSpacing, double scale, const std::string& text) {
  if (scale <= 0 || !OmgImgList) return;
  std::uint8_t r, g, b;
  ColourOf(colour, r, g, b);
  const char* image = TGameFont::ImageName(FontKind);
  const int halfW = RoundHalfEven(scale * OrigLetterWidth / 2);
  const int halfH = RoundHalfEven(scale * OrigLetterHeight / 2);
  const float s = static_cast<float>(scale);
  int advanced = 0;
  for (char ch : TGameFont::Filter(FontKind, text)) {
    unsigned char c = static_cast<unsigned char>(ch);
    int advance = TGameFont::Advance(FontKind, c, extraSpacing, scale);
    if (maxWidth > 0 && advanced + advance > maxWidth) break;
    OmgImgList->DrawImage(image, x + advanced - halfW, y - halfH, TGameFont::PatternOf(FontKind, c),
                          {.R = r, .G = g, .B = b, .A = alpha, .ScaleX = s, .ScaleY = s});
    advanced += advance;
  }
}

void TGlobalGameText::DrawShadowText(float x, float y, int colour, int maxWidth,
                                     std::uint8_t alpha, int extraSpacing, double scale,
                                     const std::string& text) {
  DrawText(x + 1, y + 2, tcBlack, maxWidth, alpha, extraSpacing, scale, text);
  DrawText(x, y, colour, maxWidth, alpha, extraSpacing, scale, text);
}

int TGlobalGameText::TextWidth(const std::string& text, int extraSpacing, double scale) const {
  return TGameFont::TextWidth(FontKind, text, extraSpacing, scale);
}
