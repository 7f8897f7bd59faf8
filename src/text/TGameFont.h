#pragma once
#include <string>

// fkAirstripInk: the normal font's letters without their outline, for dark text on a light
// ground (speech balloons), where the outline would only thicken the strokes.
enum class TGameFontKind { fkAirstripComment, fkAirstripNormal, fkAirstripInk };

// The character tables of the two bitmap fonts: which pattern each character is drawn
// from and how far it advances. Characters a font lacks are dropped, never drawn as gaps.
class TGameFont {
 public:
  static const char* ImageName(TGameFontKind kind);
  // The pattern of a character, -1 when the font lacks it. The comment font has capitals
  // only: pass the upper-cased character (Filter does that).
  static int PatternOf(TGameFontKind kind, unsigned char c);
  // Width in pixels before scaling and spacing.
  static int WidthOf(TGameFontKind kind, unsigned char c);
  // (width + extra spacing) * scale, halves to even.
  static int Advance(TGameFontKind kind, unsigned char c, int extraSpacing, double scale);
  // The text as the font draws it: upper-cased for the comment font, unknown characters dropped.
  static std::string Filter(TGameFontKind kind, const std::string& text);
  static int TextWidth(TGameFontKind kind, const std::string& text, int extraSpacing,
                       double scale);
};
