#include "text/TGlobalGameText.h"

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"

void TGlobalGameText::DrawText(float x, float y, const std::string& text, const TTextStyle& style) {
  const double scale = style.Scale;
  if (scale <= 0 || !OmgImgList) return;
  std::uint8_t r, g, b;
  ColourOf(style.Colour, r, g, b);
  const char* image = TGameFont::ImageName(FontKind);
  const int halfW = RoundHalfEven(scale * OrigLetterWidth / 2);
  const int halfH = RoundHalfEven(scale * OrigLetterHeight / 2);
  const float s = static_cast<float>(scale);
  int advanced = 0;
  for (char ch : TGameFont::Filter(FontKind, text)) {
    unsigned char c = static_cast<unsigned char>(ch);
    int advance = TGameFont::Advance(FontKind, c, style.ExtraSpacing, scale);
    if (style.MaxWidth > 0 && advanced + advance > style.MaxWidth) break;
    OmgImgList->DrawImage(image, x + advanced - halfW, y - halfH, TGameFont::PatternOf(FontKind, c),
                          {.R = r, .G = g, .B = b, .A = style.Alpha, .ScaleX = s, .ScaleY = s});
    advanced += advance;
  }
}

void TGlobalGameText::DrawShadowText(float x, float y, const std::string& text,
                                     const TTextStyle& style) {
  TTextStyle shadow = style;
  shadow.Colour = tcBlack;
  DrawText(x + 1, y + 2, text, shadow);
  DrawText(x, y, text, style);
}

int TGlobalGameText::TextWidth(const std::string& text, int extraSpacing, double scale) const {
  return TGameFont::TextWidth(FontKind, text, extraSpacing, scale);
}
