#include "ui/TTextFit.h"

double TTextFit::ScaleToFit(TGameFontKind font, const std::string& text, int maxWidth,
                            int extraSpacing, double scale, double minScale) {
  auto fits = [&](double s) {
    return TGameFont::TextWidth(font, text, extraSpacing, s) <= maxWidth;
  };
  if (maxWidth <= 0 || fits(scale) || minScale >= scale) return scale;
  // In proportion first; every glyph rounds on its own, so the answer lies a few steps
  // from there, either way.
  const double step = 0.001;
  double s = scale * maxWidth / TGameFont::TextWidth(font, text, extraSpacing, scale);
  if (fits(s)) {
    while (s + step < scale && fits(s + step)) s += step;
  } else {
    while (s > minScale && !fits(s)) s -= step;
  }
  return s < minScale ? minScale : s;
}
