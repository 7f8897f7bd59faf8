// The practice kitchen's small pieces: the hidden ingredients, the pots, the recipe row's
// marks, the step badge and bar, the kitchen clock, the stove and its fire, the blast and
// the labels. The kitchens themselves are in ArtKitchens.cpp, the cooks in ArtCooks.cpp and
// the dishes in ArtDishes.cpp.
#include <cmath>

#include "Painters.h"

namespace assetgen {

namespace {
const double kPi = M_PI;

const TColor kCopper = Hex(0xd0783a);
const TColor kIron = Hex(0x4a4048);
const TColor kEnamel = Hex(0xc8503a);  // the stove's front

void Shadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  Ellipse(cr, cx, cy, rx, ry);
  SetColor(cr, WithAlpha(kGroundShadow, alpha));
  cairo_fill(cr);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, const TColor& c, double w) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColor(cr, c);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

// ---- Ingredients that are not board elements (52 x 52, centred on (26, 26)) ----------

void DrawFlour(cairo_t* cr) {
  const TColor kSack = Hex(0xeadcc0);
  const TColor kTwine = Hex(0xa0703a);
  Shadow(cr, 26, 46, 18, 4, 0.22);
  cairo_move_to(cr, 14, 16);
  cairo_curve_to(cr, 6, 26, 6, 40, 12, 46);
  cairo_line_to(cr, 40, 46);
  cairo_curve_to(cr, 46, 40, 46, 26, 38, 16);
  cairo_close_path(cr);
  FillGlossy(cr, 6, 16, 46, 46, kSack, 2);
  // The gathered neck and its spill of flour.
  cairo_move_to(cr, 16, 17);
  cairo_curve_to(cr, 14, 8, 20, 5, 26, 9);
  cairo_curve_to(cr, 32, 5, 38, 8, 36, 17);
  cairo_close_path(cr);
  FillGlossy(cr, 14, 5, 38, 17, kSack, 2);
  Line(cr, 15, 17, 37, 17, kTwine, 3);
  Ellipse(cr, 26, 8, 6, 2.5);
  SetColor(cr, kWhite);
  cairo_fill(cr);
  // A wheat ear printed on the sack.
  Line(cr, 26, 40, 26, 24, WithAlpha(kTwine, 0.8), 1.5);
  for (int i = 0; i < 3; ++i) {
    Ellipse(cr, 23, 27 + i * 4, 2.5, 1.5);
    Ellipse(cr, 29, 27 + i * 4, 2.5, 1.5);
    SetColor(cr, WithAlpha(kTwine, 0.8));
    cairo_fill(cr);
  }
}

void DrawEgg(cairo_t* cr) {
  const TColor kShell = Hex(0xfff1dc);
  Shadow(cr, 26, 46, 14, 3.5, 0.22);
  cairo_move_to(cr, 26, 6);
  cairo_curve_to(cr, 40, 6, 44, 32, 40, 40);
  cairo_curve_to(cr, 36, 48, 16, 48, 12, 40);
  cairo_curve_to(cr, 8, 32, 12, 6, 26, 6);
  cairo_close_path(cr);
  FillGlossy(cr, 10, 6, 42, 47, kShell, 2);
  for (auto [x, y] : {std::pair{20.0, 30.0}, {31.0, 36.0}, {33.0, 22.0}}) {
    cairo_arc(cr, x, y, 1.2, 0, 2 * kPi);
    SetColor(cr, WithAlpha(Hex(0xc89a6a), 0.6));
    cairo_fill(cr);
  }
}

void DrawMilk(cairo_t* cr) {
  const TColor kJug = Hex(0x7cb0e0);
  Shadow(cr, 26, 47, 16, 3.5, 0.22);
  // A milk jug: belly, neck, spout and handle.
  cairo_move_to(cr, 17, 12);
  cairo_curve_to(cr, 17, 22, 10, 28, 11, 38);
  cairo_curve_to(cr, 12, 46, 40, 46, 41, 38);
  cairo_curve_to(cr, 42, 28, 35, 22, 35, 12);
  cairo_close_path(cr);
  FillGlossy(cr, 10, 12, 42, 46, kWhite, 2);
  cairo_move_to(cr, 35, 18);
  cairo_curve_to(cr, 48, 16, 48, 34, 39, 34);
  SetColor(cr, Darker(kJug, 0.2));
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  cairo_move_to(cr, 15, 8);
  cairo_line_to(cr, 37, 8);
  cairo_line_to(cr, 35, 14);
  cairo_line_to(cr, 17, 14);
  cairo_close_path(cr);
  FillGlossy(cr, 15, 8, 37, 14, kJug, 2);
  cairo_move_to(cr, 15, 8);
  cairo_line_to(cr, 10, 5);
  cairo_line_to(cr, 17, 11);
  SetColor(cr, Darker(kJug, 0.3));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // A blue band and a drop.
  cairo_rectangle(cr, 13, 26, 27, 5);
  SetColor(cr, WithAlpha(kJug, 0.85));
  cairo_fill(cr);
}

void DrawHoney(cairo_t* cr) {
  const TColor kHoneyJar = Hex(0xf0a020);
  const TColor kCloth = Hex(0xd84a3a);
  Shadow(cr, 26, 47, 17, 3.5, 0.22);
  RoundedRect(cr, 10, 16, 32, 30, 9);
  FillGlossy(cr, 10, 16, 42, 46, kHoneyJar, 2);
  // Checked cloth over the lid, tied with string.
  cairo_move_to(cr, 9, 18);
  cairo_curve_to(cr, 12, 6, 40, 6, 43, 18);
  cairo_line_to(cr, 38, 15);
  cairo_line_to(cr, 34, 19);
  cairo_line_to(cr, 26, 15);
  cairo_line_to(cr, 18, 19);
  cairo_line_to(cr, 14, 15);
  cairo_close_path(cr);
  FillGlossy(cr, 9, 6, 43, 19, kCloth, 1.5);
  Line(cr, 12, 15, 40, 15, Hex(0xf4e0c0), 2);
  // The label with a little comb.
  RoundedRect(cr, 17, 26, 18, 13, 3);
  FillGlossy(cr, 17, 26, 35, 39, kCream, 1);
  for (int i = 0; i < 3; ++i) {
    double x = 21 + i * 5, y = 32.5;
    cairo_new_path(cr);
    for (int k = 0; k < 6; ++k)
      cairo_line_to(cr, x + 2.4 * std::cos(k * kPi / 3), y + 2.4 * std::sin(k * kPi / 3));
    cairo_close_path(cr);
    SetColor(cr, kHoneyJar);
    cairo_fill(cr);
  }
}

void DrawHazelnut(cairo_t* cr) {
  const TColor kNut = Hex(0xa8683a);
  const TColor kHusk = Hex(0x8ab848);
  Shadow(cr, 26, 46, 16, 3.5, 0.22);
  cairo_move_to(cr, 26, 14);
  cairo_curve_to(cr, 44, 14, 44, 44, 26, 45);
  cairo_curve_to(cr, 8, 44, 8, 14, 26, 14);
  cairo_close_path(cr);
  FillGlossy(cr, 9, 14, 43, 45, kNut, 2);
  // The pale base and the frilly husk on top.
  Ellipse(cr, 26, 40, 10, 4);
  SetColor(cr, WithAlpha(Hex(0xe8c898), 0.7));
  cairo_fill(cr);
  cairo_move_to(cr, 10, 20);
  for (int i = 0; i <= 8; ++i) {
    double x = 10 + i * 4;
    cairo_line_to(cr, x, i % 2 ? 10 : 4 + (i == 4 ? -2 : 0));
  }
  cairo_line_to(cr, 42, 20);
  cairo_curve_to(cr, 34, 24, 18, 24, 10, 20);
  cairo_close_path(cr);
  FillGlossy(cr, 10, 2, 42, 24, kHusk, 2);
}

void DrawMushroom(cairo_t* cr) {
  const TColor kCap = Hex(0xd8482e);
  const TColor kStalk = Hex(0xf4e8d0);
  Shadow(cr, 26, 47, 15, 3.5, 0.22);
  cairo_move_to(cr, 19, 26);
  cairo_curve_to(cr, 18, 36, 16, 42, 18, 46);
  cairo_line_to(cr, 34, 46);
  cairo_curve_to(cr, 36, 42, 34, 36, 33, 26);
  cairo_close_path(cr);
  FillGlossy(cr, 16, 26, 36, 46, kStalk, 2);
  cairo_move_to(cr, 4, 28);
  cairo_curve_to(cr, 4, 8, 48, 8, 48, 28);
  cairo_curve_to(cr, 38, 32, 14, 32, 4, 28);
  cairo_close_path(cr);
  FillGlossy(cr, 4, 9, 48, 32, kCap, 2);
  for (auto [x, y, r] : {std::tuple{16.0, 19.0, 3.2}, {29.0, 15.0, 3.8}, {38.0, 23.0, 2.6}, {24.0, 25.0, 2.2}}) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    SetColor(cr, kWhite);
    cairo_fill(cr);
  }
}

void DrawPetals(cairo_t* cr) {
  const TColor kRose = Hex(0xf06488);
  Shadow(cr, 26, 46, 18, 3.5, 0.2);
  // A little heap of rose petals, each a cupped teardrop.
  const double petals[6][3] = {{14, 36, -0.6}, {36, 37, 0.7}, {25, 40, 0.1},
                               {19, 25, -1.2}, {33, 24, 1.0}, {26, 17, 0.0}};
  for (int i = 0; i < 6; ++i) {
    cairo_save(cr);
    cairo_translate(cr, petals[i][0], petals[i][1]);
    cairo_rotate(cr, petals[i][2]);
    cairo_move_to(cr, 0, 9);
    cairo_curve_to(cr, -13, 2, -9, -10, 0, -8);
    cairo_curve_to(cr, 9, -10, 13, 2, 0, 9);
    cairo_close_path(cr);
    FillGlossy(cr, -12, -10, 12, 9, i % 2 ? Lighter(kRose, 0.15) : kRose, 1.8);
    Line(cr, 0, 6, 0, -4, WithAlpha(Darker(kRose, 0.3), 0.5), 1);
    cairo_restore(cr);
  }
}

void DrawFish(cairo_t* cr) {
  const TColor kFishBody = Hex(0x6aa8c8);
  Shadow(cr, 26, 44, 20, 3.5, 0.22);
  cairo_move_to(cr, 6, 27);
  cairo_curve_to(cr, 12, 14, 30, 12, 38, 26);
  cairo_curve_to(cr, 30, 40, 12, 40, 6, 27);
  cairo_close_path(cr);
  FillGlossy(cr, 6, 14, 38, 40, kFishBody, 2);
  cairo_move_to(cr, 36, 26);
  cairo_line_to(cr, 48, 16);
  cairo_curve_to(cr, 45, 23, 45, 30, 48, 37);
  cairo_close_path(cr);
  FillGlossy(cr, 36, 16, 48, 37, Darker(kFishBody, 0.1), 2);
  cairo_move_to(cr, 18, 16);
  cairo_curve_to(cr, 22, 9, 28, 10, 30, 18);
  SetColor(cr, Darker(kFishBody, 0.25));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_arc(cr, 13, 24, 2.6, 0, 2 * kPi);
  SetColor(cr, kWhite);
  cairo_fill(cr);
  cairo_arc(cr, 13.5, 24, 1.4, 0, 2 * kPi);
  SetColor(cr, kPupil);
  cairo_fill(cr);
  cairo_arc(cr, 18, 27, 5, -0.9, 0.9);
  SetColor(cr, WithAlpha(Darker(kFishBody, 0.4), 0.6));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, 26 + i * 4, 27, 3, -1.2, 1.2);
    SetColor(cr, WithAlpha(kWhite, 0.35));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}
}  // namespace

// Kinds 1..16: the eight fruits as on the board, then flour, egg, milk, honey, hazelnut,
// mushroom, rose petals and fish.
void DrawIngredient(cairo_t* cr, int kind, double size) {
  if (kind <= 8) {
    DrawElement(cr, kind, size);
    return;
  }
  cairo_save(cr);
  cairo_scale(cr, size / 52.0, size / 52.0);
  switch (kind) {
    case 9: DrawFlour(cr); break;
    case 10: DrawEgg(cr); break;
    case 11: DrawMilk(cr); break;
    case 12: DrawHoney(cr); break;
    case 13: DrawHazelnut(cr); break;
    case 14: DrawMushroom(cr); break;
    case 15: DrawPetals(cr); break;
    default: DrawFish(cr); break;
  }
  cairo_restore(cr);
}

void PaintHiddenElements(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double) { DrawIngredient(cr, p + 1, w); });
}

// A copper pot seen from above, its opening filled by the ingredient drawn over it.
void PaintPracticeSlot(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height(), cx = w / 2, cy = h / 2 + 1;
  Shadow(cr, cx + 2, cy + 6, 33, 31, 0.25);
  for (int side = -1; side <= 1; side += 2) {
    Ellipse(cr, cx + side * 31, cy - 2, 6, 9);
    FillGlossy(cr, cx + side * 31 - 6, cy - 11, cx + side * 31 + 6, cy + 7, kIron, 1.5);
  }
  cairo_arc(cr, cx, cy, 32, 0, 2 * kPi);
  FillGlossy(cr, cx - 32, cy - 32, cx + 32, cy + 32, kCopper, 2.5);
  cairo_arc(cr, cx, cy, 25, 0, 2 * kPi);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - 6, cy - 8, 4, cx, cy, 26);
  AddStop(g, 0, Hex(0x6a3a1c));
  AddStop(g, 1, Hex(0x2a1408));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_arc(cr, cx, cy, 25, 0, 2 * kPi);
  SetColor(cr, Darker(kCopper, 0.5));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, 29, 1.1 * kPi, 1.6 * kPi);
  SetColor(cr, WithAlpha(kWhite, 0.55));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// A green seal with a white tick, set on the lower right of a recipe icon.
void PaintPracticeCheckMark(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  cairo_arc(cr, w / 2, h / 2, w / 2 - 3, 0, 2 * kPi);
  PathShadow(cr, 1, 2, 0.35);
  FillGlossy(cr, 3, 3, w - 3, h - 3, kGoGreen, 2);
  cairo_move_to(cr, w * 0.27, h * 0.52);
  cairo_line_to(cr, w * 0.44, h * 0.7);
  cairo_line_to(cr, w * 0.75, h * 0.33);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, Darker(kGoGreen, 0.55));
  cairo_set_line_width(cr, 5.5);
  cairo_stroke_preserve(cr);
  SetColor(cr, kWhite);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

// The small arrow between two icons of the recipe row, pointing on to the next one.
void PaintPracticeArrow(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  cairo_move_to(cr, 2, h * 0.34);
  cairo_line_to(cr, w * 0.5, h * 0.34);
  cairo_line_to(cr, w * 0.5, 2);
  cairo_line_to(cr, w - 2, h / 2);
  cairo_line_to(cr, w * 0.5, h - 2);
  cairo_line_to(cr, w * 0.5, h * 0.66);
  cairo_line_to(cr, 2, h * 0.66);
  cairo_close_path(cr);
  FillGlossy(cr, 2, 2, w - 2, h - 2, kHoney, 1.5);
}

// A kitchen timer: the red part grows by an eighth per pattern, the hand follows it.
void PaintProcessingClock(TCanvas& c, const TAssetSpec& s) {
  const TColor kTimerRed = Hex(0xe0483a);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    const double cx = w / 2, cy = h / 2 + 2, r = w / 2 - 5;
    // The knob on top and the two little feet.
    RoundedRect(cr, cx - 4, 1, 8, 6, 2);
    FillGlossy(cr, cx - 4, 1, cx + 4, 7, kIron, 1);
    cairo_arc(cr, cx, cy, r + 3, 0, 2 * kPi);
    PathShadow(cr, 1, 2, 0.3);
    FillGlossy(cr, cx - r - 3, cy - r - 3, cx + r + 3, cy + r + 3, kGold, 1.5);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    SetColor(cr, kParchmentLight);
    cairo_fill(cr);
    const double end = -kPi / 2 + 2 * kPi * p / 8.0;
    if (p > 0) {
      cairo_move_to(cr, cx, cy);
      cairo_arc(cr, cx, cy, r - 2, -kPi / 2, end);
      cairo_close_path(cr);
      SetColor(cr, WithAlpha(kTimerRed, 0.85));
      cairo_fill(cr);
    }
    for (int t = 0; t < 8; ++t) {
      double a = -kPi / 2 + t * kPi / 4;
      Line(cr, cx + (r - 4) * std::cos(a), cy + (r - 4) * std::sin(a), cx + (r - 1) * std::cos(a),
           cy + (r - 1) * std::sin(a), kInk, 1.5);
    }
    Line(cr, cx, cy, cx + (r - 5) * std::cos(end), cy + (r - 5) * std::sin(end), kInk, 2.5);
    cairo_arc(cr, cx, cy, 2.5, 0, 2 * kPi);
    SetColor(cr, kInk);
    cairo_fill(cr);
  });
}

// The stove seen from the front; its top edge is the hob the flames stand on. The kitchen
// timer sits on the brass plate at the upper right (at 174, 0 of the picture).
void PaintPracticeStove(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  // Body.
  RoundedRect(cr, 4, 8, w - 8, h - 14, 8);
  PathShadow(cr, 2, 4, 0.35);
  FillGlossy(cr, 4, 8, w - 4, h - 6, kEnamel, 2.5);
  // The iron hob across the top.
  RoundedRect(cr, 0, 2, w, 14, 5);
  FillGlossy(cr, 0, 2, w, 16, kIron, 2);
  // Oven door with its glowing window.
  RoundedRect(cr, 20, 28, 132, 74, 8);
  FillGlossy(cr, 20, 28, 152, 102, Lighter(kEnamel, 0.1), 2);
  RoundedRect(cr, 36, 40, 100, 38, 6);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 40, 0, 78);
  AddStop(g, 0, Hex(0x3a1a10));
  AddStop(g, 1, Hex(0xc85a20));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColor(cr, kDarkWood);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  RoundedRect(cr, 46, 86, 80, 8, 4);
  FillGlossy(cr, 46, 86, 126, 94, kGold, 1.5);
  // The timer's iron mount, knobs below it.
  cairo_arc(cr, 198, 27, 22, 0, 2 * kPi);
  FillGlossy(cr, 176, 5, 220, 49, kIron, 2);
  for (int i = 0; i < 3; ++i) {
    double x = 178 + i * 20, y = 76;
    cairo_arc(cr, x, y, 7, 0, 2 * kPi);
    FillGlossy(cr, x - 7, y - 7, x + 7, y + 7, kIron, 1.5);
    Line(cr, x, y - 5, x, y - 1, kWhite, 1.5);
  }
  // Feet.
  for (double x : {16.0, w - 30}) {
    RoundedRect(cr, x, h - 10, 14, 9, 3);
    FillGlossy(cr, x, h - 10, x + 14, h - 1, kIron, 1.5);
  }
}

// Two flames for the burners, drawn added: the left one on an empty burner, the right one
// under the kitchen's stock pot.
void PaintPracticeFire(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    const double cx = p == 0 ? w / 2 : 46, base = h - 12;
    RadialGlow(cr, cx, base, 34, WithAlpha(Hex(0xff7a20), 0.8));
    TNoise n(p ? 91 : 37);
    for (int t = 0; t < 7; ++t) {
      double x = cx - 21 + t * 7 + n.Range(-2, 2), top = base - n.Range(14, 26) + std::abs(t - 3) * 2;
      cairo_move_to(cr, x - 6, base);
      cairo_curve_to(cr, x - 6, base - 8, x - 1, top + 8, x, top);
      cairo_curve_to(cr, x + 1, top + 8, x + 6, base - 8, x + 6, base);
      cairo_close_path(cr);
      cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, base);
      AddStop(g, 0, Hex(0xffd040, 0.2));
      AddStop(g, 0.5, Hex(0xffa030, 0.9));
      AddStop(g, 1, Hex(0x6080ff, 0.9));
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
    }
  });
}

// A ring of light rays for the dish's flourish; white, so the game tints its three copies.
void PaintPracticeBlast(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), cx = w / 2, cy = s.Height() / 2;
  TNoise n(17);
  for (int i = 0; i < 28; ++i) {
    double a = i * 2 * kPi / 28 + n.Range(-0.05, 0.05), len = n.Range(0.32, 0.48) * w;
    cairo_move_to(cr, cx + 0.12 * w * std::cos(a - 0.05), cy + 0.12 * w * std::sin(a - 0.05));
    cairo_line_to(cr, cx + len * std::cos(a), cy + len * std::sin(a));
    cairo_line_to(cr, cx + 0.12 * w * std::cos(a + 0.05), cy + 0.12 * w * std::sin(a + 0.05));
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0.1 * w, cx, cy, len);
    AddStop(g, 0, WithAlpha(kWhite, 0.9));
    AddStop(g, 1, WithAlpha(kWhite, 0));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  cairo_arc(cr, cx, cy, 0.22 * w, 0, 2 * kPi);
  SetColor(cr, WithAlpha(kWhite, 0.6));
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  RadialGlow(cr, cx, cy, 0.2 * w, WithAlpha(kWhite, 0.7));
}

// Word art on a wooden sign or a ribbon, in the storybook's lettering.
void PaintPracticeWindowTitle(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  // A hanging sign: two ropes, a plank with rounded ends.
  for (double x : {40.0, w - 40}) Line(cr, x, 0, x, 14, kStem, 3);
  RoundedRect(cr, 6, 10, w - 12, h - 16, 18);
  PathShadow(cr, 2, 4, 0.4);
  FillGlossy(cr, 6, 10, w - 6, h - 6, kLightWood, 3);
  RoundedRect(cr, 14, 17, w - 28, h - 30, 12);
  SetColor(cr, WithAlpha(kPanelGleam, 0.6));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (double x : {40.0, w - 40}) {
    cairo_arc(cr, x, 16, 4, 0, 2 * kPi);
    FillGlossy(cr, x - 4, 12, x + 4, 20, kGold, 1);
  }
  TTextStyle st;
  st.Size = 30;
  st.Fill = kCreamText;
  st.Outline = kOutline;
  DrawText(cr, s.Label, w / 2, h / 2 + 2, st);
}

void PaintPracticeStepBG(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  // Folded ribbon ends behind, the band in front.
  for (int side = -1; side <= 1; side += 2) {
    double x = side < 0 ? 2 : w - 2, in = side < 0 ? 40 : w - 40;
    cairo_move_to(cr, x, 16);
    cairo_line_to(cr, in, 16);
    cairo_line_to(cr, in, h - 6);
    cairo_line_to(cr, x, h - 6);
    cairo_line_to(cr, x - side * 14, (16 + h - 6) / 2.0);
    cairo_close_path(cr);
    FillGlossy(cr, std::min(x, in), 16, std::max(x, in), h - 6, Darker(kLeaveRed, 0.15), 2);
  }
  RoundedRect(cr, 26, 4, w - 52, h - 16, 10);
  PathShadow(cr, 1, 3, 0.35);
  FillGlossy(cr, 26, 4, w - 26, h - 12, kLeaveRed, 2.5);
  RoundedRect(cr, 33, 9, w - 66, h - 26, 7);
  SetColor(cr, WithAlpha(kGold, 0.8));
  cairo_set_line_width(cr, 1.5);
  const double dash[2] = {4, 3};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

void PaintPracticeStepTitle(TCanvas& c, const TAssetSpec& s) {
  const char* titles[2] = {"Find the ingredients", "Fill the pots"};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TTextStyle st;
    st.Size = 19;
    st.Fill = kCreamText;
    st.Outline = kDarkOutline;
    st.OutlineWidth = 2.5;
    DrawText(cr, titles[p], w / 2, h / 2, st);
  });
}

// The bar under the recipe row: a dark well in a wooden rim; the fill is inset 12 pixels.
void PaintPracticeStepProgress(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  RoundedRect(cr, 2, 2, w - 4, h - 4, (h - 4) / 2);
  PathShadow(cr, 1, 2, 0.3);
  FillGlossy(cr, 2, 2, w - 2, h - 2, kWood, 2);
  RoundedRect(cr, 10, 10, w - 20, h - 20, (h - 20) / 2);
  SetColor(cr, Hex(0x3a2410));
  cairo_fill(cr);
}

void PaintPracticeStepProgressFill(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  cairo_rectangle(cr, 0, 0, w, h);
  VerticalGradient(cr, 0, h, Lighter(kGoGreen, 0.45), Darker(kGoGreen, 0.15));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 1, w, 2);
  SetColor(cr, WithAlpha(kWhite, 0.5));
  cairo_fill(cr);
}

// "My creation!" on a golden ribbon, over the presented dish.
void PaintPracticeMyCreation(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  cairo_move_to(cr, 8, 12);
  cairo_curve_to(cr, w * 0.35, 2, w * 0.65, 2, w - 8, 12);
  cairo_line_to(cr, w - 20, h / 2);
  cairo_line_to(cr, w - 8, h - 10);
  cairo_curve_to(cr, w * 0.65, h - 20, w * 0.35, h - 20, 8, h - 10);
  cairo_line_to(cr, 20, h / 2);
  cairo_close_path(cr);
  PathShadow(cr, 2, 3, 0.35);
  FillGlossy(cr, 8, 2, w - 8, h - 10, kHoney, 2.5);
  TTextStyle st;
  st.Size = 28;
  st.Fill = kCreamText;
  st.Outline = kWarmOutline;
  DrawText(cr, s.Label, w / 2, h / 2 - 4, st);
  Sparkle(cr, 26, 16, 7, kTwinkle);
  Sparkle(cr, w - 30, h - 22, 6, kTwinkle);
}

}  // namespace assetgen
