// The bitmap fonts: light glyphs inside a thick dark outline with a shadow below
// right, so that the game can tint them and they read on any background, cream
// parchment and pale tiles included, down to the half size the game draws them at; and the
// normal letters alone in ink, for dark text on the light speech balloons.
#include <cmath>
#include <string>

#include "FontTables.h"
#include "Painters.h"
#include "engine/Rounding.h"
#include "engine/TSpriteTileCount.h"

namespace assetgen {

namespace {

// Colours of more than one picture here.
const TColor kGlyphShadow{0.08, 0.04, 0.02};
const TColor kGlyphOutline{0.13, 0.07, 0.03};

// The cells are the generator's; image, grid and character tables come from the game.
TFontLayout MakeLayout(TGameFontKind kind, int cellWidth, int cellHeight, int advanceLeft,
                       int pad) {
  const char* image = TGameFont::ImageName(kind);
  TSpriteTileCount::TLookup grid = TSpriteTileCount().Peek(image);
  return {kind, image, grid.Columns, grid.Rows, cellWidth, cellHeight, advanceLeft, pad};
}

// Every character the game maps to a pattern, in pattern order.
std::string GlyphOrder(TGameFontKind kind) {
  std::string order;
  for (int pattern = 0;; ++pattern) {
    int found = -1;
    for (int c = 1; c < 256 && found < 0; ++c)
      if (TGameFont::PatternOf(kind, static_cast<unsigned char>(c)) == pattern) found = c;
    if (found < 0) return order;
    order.push_back(static_cast<char>(found));
  }
}

struct TGlyphStyle {
  double CapHeight;
  double Outline;
  double ShadowX, ShadowY;
  double Embolden;
  // Ink is kept this much narrower than the advance. The game draws a line glyph by
  // glyph, each over the one before, so the gap between two bodies must hold the next
  // glyph's outline or it would eat into the previous letter.
  double Margin;
  TColor BodyTop, BodyBottom;
};

// Draws one glyph into the cell at (cellX, cellY): caps centred vertically, ink centred
// in its advance box and narrowed when the face's glyph is wider than the box allows.
void DrawGlyphAt(cairo_t* cr, const TFontLayout& L, double cellX, double cellY, char ch,
                 int advance, const TGlyphStyle& st) {
  if (ch == ' ') return;
  char text[2] = {ch, 0};

  cairo_save(cr);
  cairo_rectangle(cr, cellX, cellY, L.CellWidth, L.CellHeight);
  cairo_clip(cr);

  // Size from the capital height of "H".
  UseDisplayFont(cr, 100, true);
  cairo_text_extents_t h;
  cairo_text_extents(cr, "H", &h);
  double size = 100 * st.CapHeight / -h.y_bearing;
  UseDisplayFont(cr, size, true);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);

  double room = advance - st.Margin;  // ink width allowed; the outline spills into the pad
  double sx = 1.0;
  if (e.width > room && e.width > 0) sx = room / e.width;
  double inkW = e.width * sx;
  double left = cellX + L.AdvanceLeft + (advance - inkW) / 2.0 - e.x_bearing * sx;
  double baseline = cellY + L.CellHeight / 2.0 + st.CapHeight / 2.0;

  auto path = [&](double dx, double dy) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, left + dx, baseline + dy);
    cairo_scale(cr, sx, 1.0);
    cairo_move_to(cr, 0, 0);
    cairo_text_path(cr, text);
    cairo_restore(cr);
  };
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  // Shadow: the outline again, offset down and right, so the dark ring is widest where
  // the next glyph does not overlap it. An ink font has neither.
  if (st.Outline > 0) {
    path(st.ShadowX, st.ShadowY);
    SetColor(cr, WithAlpha(kGlyphShadow, 0.85));
    cairo_set_line_width(cr, st.Outline * 2);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
  }
  // Outline, opaque: a half-transparent one thins to grey when the game scales it down.
  path(0, 0);
  if (st.Outline > 0) {
    SetColor(cr, kGlyphOutline);
    cairo_set_line_width(cr, st.Outline * 2);
    cairo_stroke_preserve(cr);
  }
  cairo_pattern_t* g = cairo_pattern_create_linear(0, baseline - st.CapHeight, 0, baseline);
  AddStop(g, 0, st.BodyTop);
  AddStop(g, 1, st.BodyBottom);
  cairo_set_source(cr, g);
  // A thin stroke of the body colour makes the strokes a little heavier, so the text
  // still reads when the game draws it at half size.
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, st.Embolden);
  cairo_stroke(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void PaintFont(TCanvas& c, const TFontLayout& L, const std::string& order, int (*advance)(char),
               const TGlyphStyle& st) {
  for (std::size_t i = 0; i < order.size(); ++i) {
    const int pattern = static_cast<int>(i);
    DrawGlyphAt(c.Cr(), L, (pattern % L.Columns) * L.CellWidth,
                (pattern / L.Columns) * L.CellHeight, order[i], advance(order[i]), st);
  }
}

// White with a faint warm shade toward the bottom, so tints keep some depth.
TGlyphStyle NormalGlyphStyle() {
  const TColor kGlyphShade = Hex(0xe6e6e6);
  return {21, 3.5, 1, 1.5, 0.9, 4.0, kWhite, kGlyphShade};
}

}  // namespace

const TFontLayout& NormalFontLayout() {
  static const TFontLayout layout = MakeLayout(TGameFontKind::fkAirstripNormal, 68, 48, 34, 4);
  return layout;
}
const TFontLayout& InkFontLayout() {
  static const TFontLayout layout = MakeLayout(TGameFontKind::fkAirstripInk, 68, 48, 34, 4);
  return layout;
}
const TFontLayout& CommentFontLayout() {
  static const TFontLayout layout = MakeLayout(TGameFontKind::fkAirstripComment, 56, 60, 4, 4);
  return layout;
}

const std::string& NormalGlyphOrder() {
  static const std::string order = GlyphOrder(TGameFontKind::fkAirstripNormal);
  return order;
}
const std::string& CommentGlyphOrder() {
  static const std::string order = GlyphOrder(TGameFontKind::fkAirstripComment);
  return order;
}

int NormalAdvance(char c) {
  return TGameFont::WidthOf(TGameFontKind::fkAirstripNormal, static_cast<unsigned char>(c));
}
int CommentAdvance(char c) {
  return TGameFont::WidthOf(TGameFontKind::fkAirstripComment, static_cast<unsigned char>(c));
}

void PaintFontNormal(TCanvas& c, const TAssetSpec&) {
  PaintFont(c, NormalFontLayout(), NormalGlyphOrder(), NormalAdvance, NormalGlyphStyle());
}

// Balloon text: the normal letters alone, a little bolder since no outline carries them, white
// throughout so the game's tint is the colour seen.
void PaintFontInk(TCanvas& c, const TAssetSpec&) {
  PaintFont(c, InkFontLayout(), NormalGlyphOrder(), NormalAdvance,
            {21, 0, 0, 0, 1.6, 4.0, kWhite, kWhite});
}

void DrawFontLine(cairo_t* cr, const std::string& text, double x, double y, double scale) {
  const TFontLayout& L = NormalFontLayout();
  // The writer places each glyph's cell by its rounded half size, scaled about the corner.
  const int halfW = RoundHalfEven(scale * L.CellWidth / 2);
  const int halfH = RoundHalfEven(scale * L.CellHeight / 2);
  int advanced = 0;
  for (char ch : TGameFont::Filter(L.Kind, text)) {
    const unsigned char c = static_cast<unsigned char>(ch);
    cairo_save(cr);
    cairo_translate(cr, x + advanced - halfW, y - halfH);
    cairo_scale(cr, scale, scale);
    DrawGlyphAt(cr, L, 0, 0, ch, NormalAdvance(ch), NormalGlyphStyle());
    cairo_restore(cr);
    advanced += TGameFont::Advance(L.Kind, c, 0, scale);
  }
}

int FontLineWidth(const std::string& text, double scale) {
  return TGameFont::TextWidth(NormalFontLayout().Kind, text, 0, scale);
}

// Comments are never tinted: white warming to gold at the foot of the letters.
void PaintFontComment(TCanvas& c, const TAssetSpec&) {
  const TColor kCommentGold = Hex(0xffe89a);
  PaintFont(c, CommentFontLayout(), CommentGlyphOrder(), CommentAdvance,
            {38, 4.5, 1.5, 2.5, 1.4, 6.0, kWhite, kCommentGold});
}

}  // namespace assetgen
