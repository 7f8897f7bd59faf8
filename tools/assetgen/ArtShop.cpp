// The hub's shop: the market counter with its four dishes under glass, the corner box that
// holds the hub's Play button, the glass cover, and the window that describes a dish.
#include <algorithm>
#include <cmath>

#include "Painters.h"

namespace assetgen {

namespace {

const double kPi = M_PI;

constexpr TColor kAwningRed = Hex(0xc8463a);
constexpr TColor kAwningCream = Hex(0xfff0d6);
constexpr TColor kDoily = Hex(0xfffaf0);
constexpr TColor kGlassEdge = Hex(0xe8f6ff);
constexpr TColor kRibbon = Hex(0xb8402e);
constexpr TColor kInkSketch{0.45, 0.28, 0.12};
constexpr TColor kCloche = Hex(0xdfe6ee);

// Where the shop puts things on the counter (its slots, 215 pixels apart).
constexpr double kSlotLeft = 47, kSlotTop = 41, kSlotGap = 215;

// A dark recess cut into wood.
void Recess(cairo_t* cr, double x, double y, double w, double h, double r) {
  RoundedRect(cr, x, y, w, h, r);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStop(g, 0, WithAlpha(kDarkWood, 0.55));
  AddStop(g, 0.35, WithAlpha(kDarkWood, 0.3));
  AddStop(g, 1, WithAlpha(kDarkWood, 0.18));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColor(cr, WithAlpha(kPanelGleam, 0.35));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

// Planks with a little grain, filling the current path.
void Planks(cairo_t* cr, double x, double y, double w, double h, std::uint32_t seed) {
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStop(g, 0, kFrameLight);
  AddStop(g, 0.5, kFrameMiddle);
  AddStop(g, 1, kFrameDark);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  TNoise n(seed);
  for (double py = y + 14; py < y + h; py += 22) {
    cairo_move_to(cr, x, py);
    cairo_line_to(cr, x + w, py);
    SetColor(cr, WithAlpha(kDarkWood, 0.35));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  for (int i = 0; i < static_cast<int>(w * h / 900); ++i) {
    double gx = x + n.Unit() * w, gy = y + n.Unit() * h, len = n.Range(20, 60);
    cairo_move_to(cr, gx, gy);
    cairo_curve_to(cr, gx + len * 0.3, gy - 1.5, gx + len * 0.7, gy + 1.5, gx + len, gy);
    SetColor(cr, WithAlpha(kLightWood, 0.18));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// A striped market awning with a scalloped edge, from x0 to x1, hanging to y.
void Awning(cairo_t* cr, double x0, double x1, double top, double y) {
  const double stripe = 24, drop = 8;
  const int n = static_cast<int>(std::ceil((x1 - x0) / stripe));
  const double sw = (x1 - x0) / n;
  cairo_save(cr);
  cairo_move_to(cr, x0, top);
  cairo_line_to(cr, x1, top);
  cairo_line_to(cr, x1, y - drop);
  for (int i = n - 1; i >= 0; --i)
    cairo_arc(cr, x0 + (i + 0.5) * sw, y - drop, sw / 2, 0, kPi);
  cairo_close_path(cr);
  PathShadow(cr, 0, 4, 0.3);
  cairo_clip_preserve(cr);
  cairo_new_path(cr);
  for (int i = 0; i < n; ++i) {
    cairo_rectangle(cr, x0 + i * sw, top, sw, y - top + 2);
    SetColor(cr, i % 2 ? kAwningCream : kAwningRed);
    cairo_fill(cr);
  }
  // Folds: light at the top, shade toward the edge.
  cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, y);
  AddStop(g, 0, WithAlpha(kWhite, 0.35));
  AddStop(g, 0.5, WithAlpha(kWhite, 0));
  AddStop(g, 1, WithAlpha(kSoot, 0.25));
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  cairo_move_to(cr, x0, top);
  cairo_line_to(cr, x1, top);
  cairo_line_to(cr, x1, y - drop);
  for (int i = n - 1; i >= 0; --i)
    cairo_arc(cr, x0 + (i + 0.5) * sw, y - drop, sw / 2, 0, kPi);
  cairo_close_path(cr);
  SetColor(cr, Darker(kAwningRed, 0.55));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  // The rod it hangs from.
  RoundedRect(cr, x0 - 4, top - 3, x1 - x0 + 8, 7, 3.5);
  FillGlossy(cr, x0 - 4, top - 3, x1 + 4, top + 4, kLightWood, 1.4);
}

// A lace doily the glass cover stands on.
void Doily(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_new_path(cr);
  for (int i = 0; i <= 48; ++i) {
    double a = i * 2 * kPi / 48, bump = (i % 2) ? 1.0 : 0.92;
    cairo_line_to(cr, cx + rx * bump * std::cos(a), cy + ry * bump * std::sin(a));
  }
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(kDoily, 0.9));
  cairo_fill_preserve(cr);
  SetColor(cr, WithAlpha(kParchmentEdge, 0.9));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (int i = 0; i < 16; ++i) {
    double a = i * 2 * kPi / 16;
    cairo_arc(cr, cx + rx * 0.78 * std::cos(a), cy + ry * 0.78 * std::sin(a), 1.3, 0, 2 * kPi);
    SetColor(cr, WithAlpha(kParchmentEdge, 0.7));
    cairo_fill(cr);
  }
}

// A small ink drawing in the window's corner: a pot with a ladle, steam rising.
void PotSketch(cairo_t* cr, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  SetColor(cr, WithAlpha(kInkSketch, 0.35));
  cairo_set_line_width(cr, 2.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Ellipse(cr, 0, 0, 40, 9);
  cairo_stroke(cr);
  cairo_move_to(cr, -40, 0);
  cairo_curve_to(cr, -40, 34, -22, 44, 0, 44);
  cairo_curve_to(cr, 22, 44, 40, 34, 40, 0);
  cairo_stroke(cr);
  cairo_move_to(cr, -46, 6);
  cairo_curve_to(cr, -52, 6, -52, 16, -42, 16);
  cairo_move_to(cr, 46, 6);
  cairo_curve_to(cr, 52, 6, 52, 16, 42, 16);
  cairo_move_to(cr, 10, -2);
  cairo_line_to(cr, 34, -40);
  for (int i = 0; i < 3; ++i) {
    double sx = -18 + i * 14;
    cairo_move_to(cr, sx, -12);
    cairo_curve_to(cr, sx - 7, -22, sx + 7, -30, sx, -42);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Separator(cairo_t* cr, double x0, double x1, double y) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x1, 0);
  AddStop(g, 0, WithAlpha(kParchmentRim, 0));
  AddStop(g, 0.5, WithAlpha(kParchmentRim, 0.55));
  AddStop(g, 1, WithAlpha(kParchmentRim, 0));
  cairo_set_source(cr, g);
  cairo_rectangle(cr, x0, y, x1 - x0, 1.6);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_move_to(cr, (x0 + x1) / 2, y - 4);
  cairo_line_to(cr, (x0 + x1) / 2 + 5, y + 0.8);
  cairo_line_to(cr, (x0 + x1) / 2, y + 5.6);
  cairo_line_to(cr, (x0 + x1) / 2 - 5, y + 0.8);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(kParchmentRim, 0.6));
  cairo_fill(cr);
}

// A soft well on parchment.
void Well(cairo_t* cr, double x, double y, double w, double h) {
  RoundedRect(cr, x, y, w, h, 12);
  SetColor(cr, WithAlpha(kParchmentFibre, 0.1));
  cairo_fill_preserve(cr);
  SetColor(cr, WithAlpha(kParchmentRim, 0.35));
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
}

}  // namespace

// The counter; the shop's slots start at (47, 41), 215 apart: the dish at slot + (11, 9)
// under its glass at the slot, the name at + (104..220, 0..40), the buy button at
// + (101, 41). Drawn 77 pixels lower while hidden, so the awning still shows.
void PaintBuySlotsPanelA(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  // Counter body: rounded at the left end, open at the right where the corner box joins.
  cairo_move_to(cr, w, 24);
  cairo_line_to(cr, 22, 24);
  cairo_arc_negative(cr, 22, 46, 22, -kPi / 2, kPi);
  cairo_line_to(cr, 0, h);
  cairo_line_to(cr, w, h);
  cairo_close_path(cr);
  PathShadow(cr, 0, -3, 0.25);
  Planks(cr, 0, 24, w, h - 24, HashName(s.Name));
  cairo_move_to(cr, w, 24);
  cairo_line_to(cr, 22, 24);
  cairo_arc_negative(cr, 22, 46, 22, -kPi / 2, kPi);
  cairo_line_to(cr, 0, h);
  SetColor(cr, kDarkWood);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_move_to(cr, w, 29);
  cairo_line_to(cr, 24, 29);
  cairo_arc_negative(cr, 24, 47, 18, -kPi / 2, kPi);
  cairo_line_to(cr, 6, h);
  SetColor(cr, WithAlpha(kFrameGleam, 0.5));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  Awning(cr, 30, w, 4, 34);
  for (int i = 0; i < 4; ++i) {
    const double x = kSlotLeft + i * kSlotGap, y = kSlotTop;
    Doily(cr, x + 43, y + 72, 42, 9);
    // The name card reaches to the next dish's glass (the last one to the corner box), and
    // the buy button sits in the recess below it.
    const double right = std::min(x + 219, w - 2);
    RoundedRect(cr, x + 92, y - 6, right - x - 92, 45, 8);
    PathShadow(cr, 1, 2, 0.35);
    FillGlossy(cr, x + 92, y - 6, right, y + 39, kParchment, 1.6);
    Recess(cr, x + 97, y + 38, 104, 41, 10);
  }
}

// The counter's corner box beside it (21 pixels higher); the hub's Play button goes in the
// recess from (2, 70).
void PaintBuySlotsPanelB(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  cairo_move_to(cr, 0, h);
  cairo_line_to(cr, 0, 26);
  cairo_arc(cr, 26, 26, 26, kPi, 1.5 * kPi);
  cairo_line_to(cr, w, 0);
  cairo_line_to(cr, w, h);
  cairo_close_path(cr);
  PathShadow(cr, -3, 0, 0.25);
  Planks(cr, 0, 0, w, h, HashName(s.Name));
  cairo_move_to(cr, 0, h);
  cairo_line_to(cr, 0, 26);
  cairo_arc(cr, 26, 26, 26, kPi, 1.5 * kPi);
  cairo_line_to(cr, w, 0);
  SetColor(cr, kDarkWood);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_move_to(cr, 5, h);
  cairo_line_to(cr, 5, 27);
  cairo_arc(cr, 27, 27, 22, kPi, 1.5 * kPi);
  cairo_line_to(cr, w, 5);
  SetColor(cr, WithAlpha(kFrameGleam, 0.5));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // A round sign with a cloche: the hub's way onward to the next level.
  cairo_arc(cr, w / 2 + 4, 36, 27, 0, 2 * kPi);
  PathShadow(cr, 1, 3, 0.35);
  FillGlossy(cr, w / 2 - 23, 9, w / 2 + 31, 63, kParchment, 2);
  // Cloche on the sign.
  const double cx = w / 2 + 4, by = 48;
  cairo_move_to(cr, cx - 19, by);
  cairo_curve_to(cr, cx - 19, by - 24, cx + 19, by - 24, cx + 19, by);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 19, by - 20, cx + 19, by, kCloche, 1.6);
  RoundedRect(cr, cx - 23, by - 1, 46, 5, 2.5);
  FillGlossy(cr, cx - 23, by - 1, cx + 23, by + 4, kGold, 1.2);
  cairo_arc(cr, cx, by - 20, 3.4, 0, 2 * kPi);
  FillGlossy(cr, cx - 3.4, by - 23.4, cx + 3.4, by - 16.6, kGold, 1);
  Recess(cr, 2, 68, w - 2, 64, 14);
}

// The glass over a dish (the dish is drawn 11 right of and 9 below its corner): a dome on a
// golden ring, clear enough to show the dish, with a knob and the light on its left.
void PaintBuySlotGlassCover(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  const double cx = w / 2, base = h - 10, rx = w / 2 - 4, top = 12;
  auto dome = [&] {
    cairo_move_to(cr, cx - rx, base);
    cairo_curve_to(cr, cx - rx, top + 8, cx - rx * 0.55, top, cx, top);
    cairo_curve_to(cr, cx + rx * 0.55, top, cx + rx, top + 8, cx + rx, base);
    cairo_close_path(cr);
  };
  dome();
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - 6, base - 28, 8, cx, base - 24, rx * 1.1);
  AddStop(g, 0, WithAlpha(kWhite, 0.04));
  AddStop(g, 0.7, WithAlpha(kGlassEdge, 0.12));
  AddStop(g, 1, WithAlpha(kGlassEdge, 0.5));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColor(cr, WithAlpha(kWhite, 0.85));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  // The light: a long streak on the left, a short one on the right.
  cairo_move_to(cr, cx - rx + 9, base - 10);
  cairo_curve_to(cr, cx - rx + 7, top + 26, cx - rx * 0.5, top + 10, cx - 6, top + 6);
  SetColor(cr, WithAlpha(kWhite, 0.7));
  cairo_set_line_width(cr, 4.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_move_to(cr, cx + rx - 8, top + 26);
  cairo_curve_to(cr, cx + rx - 8, top + 34, cx + rx - 7, top + 40, cx + rx - 7, top + 44);
  SetColor(cr, WithAlpha(kWhite, 0.5));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // Knob.
  RoundedRect(cr, cx - 3, top - 5, 6, 7, 2);
  FillGlossy(cr, cx - 3, top - 5, cx + 3, top + 2, kGold, 1);
  cairo_arc(cr, cx, top - 6, 5, 0, 2 * kPi);
  FillGlossy(cr, cx - 5, top - 11, cx + 5, top - 1, kGold, 1.2);
  // The golden ring it stands on: the back of it thin behind the dish, the front full.
  Ellipse(cr, cx, base, rx + 2, 6);
  SetColor(cr, WithAlpha(kGold, 0.5));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, base, w, h - base);
  cairo_clip(cr);
  Ellipse(cr, cx, base, rx + 2, 6);
  SetColor(cr, Darker(kGold, 0.35));
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetColor(cr, kGold);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// The dish's window: a title ribbon (title centred at y 72), three lines of description, a row for
// the book and the customers (y 180), the price well (y 200..272), the key ingredient
// (y 284..350) and the purse on the shelf below (icons at x 13 + 123 k, y 369).
void PaintShopWindow(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  WoodFrame(cr, 4, 4, w - 12, h - 12, 26, 14);
  ParchmentPanel(cr, 16, 16, w - 36, 336, 16, HashName(s.Name));
  // The purse shelf.
  for (int k = 0; k < 5; ++k) Recess(cr, 8 + 123 * k, 362, 112, 46, 12);
  // Title ribbon with folded ends.
  const double rx0 = 64, rx1 = w - 64, rh = 30, ry = 72 - rh / 2;
  for (int side = 0; side < 2; ++side) {
    const double x = side ? rx1 - 6 : rx0 + 6, dir = side ? 1 : -1;
    cairo_move_to(cr, x, ry + 5);
    cairo_line_to(cr, x + dir * 34, ry + 5);
    cairo_line_to(cr, x + dir * 24, ry + 5 + rh / 2);
    cairo_line_to(cr, x + dir * 34, ry + 5 + rh);
    cairo_line_to(cr, x, ry + 5 + rh);
    cairo_close_path(cr);
    FillGlossy(cr, std::min(x, x + dir * 34), ry + 5, std::max(x, x + dir * 34), ry + 5 + rh,
               Darker(kRibbon, 0.25), 1.6);
  }
  RoundedRect(cr, rx0, ry, rx1 - rx0, rh, 6);
  PathShadow(cr, 0, 3, 0.3);
  FillGlossy(cr, rx0, ry, rx1, ry + rh, kRibbon, 1.8);
  RoundedRect(cr, rx0 + 5, ry + 4, rx1 - rx0 - 10, rh - 8, 4);
  SetColor(cr, WithAlpha(kGold, 0.6));
  cairo_set_line_width(cr, 1.2);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_stroke(cr);
  Separator(cr, 90, w - 90, 156);
  Well(cr, 62, 166, 264, 29);
  Well(cr, 343, 166, 250, 29);
  Well(cr, 62, 200, 531, 72);
  PotSketch(cr, w - 150, 304, 0.75);
  Sparkle(cr, 30, 30, 8, kPaleTwinkle);
  Sparkle(cr, w - 34, 30, 8, kPaleTwinkle);
}

}  // namespace assetgen
