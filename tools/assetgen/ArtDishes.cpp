// The twenty dishes of the islands' kitchens, in the order of the names in
// content/texts/UpgradeNames.txt. One painter per dish draws it twice: small for the shop
// ("BuySlotIcons", low in its 64-pixel box under the glass cover the shop draws over it) and
// large and finer on a footed plate for the practice window and the restaurant
// ("PracticePotions"). Each has a shape of its own: bowls, pies, cakes, jars and glasses
// differ in outline as well as in colour.
#include <algorithm>
#include <cmath>

#include "Painters.h"

namespace assetgen {

namespace {

const double kPi = M_PI;

// Colours of the kitchen, by what they paint.
constexpr TColor kPorcelain = Hex(0xfbf7ee);
constexpr TColor kPorcelainBlue = Hex(0x5a86c8);
constexpr TColor kCrust = Hex(0xe8a850);
constexpr TColor kBakedCrust = Hex(0xc87a34);
constexpr TColor kSponge = Hex(0xf0c070);
constexpr TColor kCream = Hex(0xfff8ec);
constexpr TColor kPancakeTop = Hex(0xf7c260);
constexpr TColor kPancakeSide = Hex(0xcf8a3c);
constexpr TColor kHoneyDrip = Hex(0xffb526);
constexpr TColor kTerracotta = Hex(0xb8603a);
constexpr TColor kSteam = Hex(0xffffff, 0.7);
constexpr TColor kOat = Hex(0xecd6a2);
constexpr TColor kMossBerry = Hex(0x5a9a5a);
constexpr TColor kStew = Hex(0x8a4a22);
constexpr TColor kHazelnut = Hex(0xc0884a);
constexpr TColor kMushroom = Hex(0xf0e0c0);
constexpr TColor kJelly = Hex(0xf25a8a);
constexpr TColor kRose = Hex(0xe8306a);
constexpr TColor kGingham = Hex(0xd83a3a);
constexpr TColor kDough = Hex(0xf8e2b6);
constexpr TColor kPlumFlesh = Hex(0x7a3a9a);
constexpr TColor kDoughInside = Hex(0xeedcb4);
constexpr TColor kBread = Hex(0xd8903e);
constexpr TColor kCheese = Hex(0xffd04a);
constexpr TColor kCider = Hex(0xf0a030);
constexpr TColor kFoam = Hex(0xfff6dc);
constexpr TColor kCherryRed = Hex(0xe0203a);
constexpr TColor kComb = Hex(0xf5b830);
constexpr TColor kRice = Hex(0xffd24a);
constexpr TColor kMarigold = Hex(0xff8a1a);
constexpr TColor kJewelRed = Hex(0xe0304a);
constexpr TColor kJewelBlue = Hex(0x3a7ae0);
constexpr TColor kLavender = Hex(0xa884e0);
constexpr TColor kNightBowl = Hex(0x2a3a80);
constexpr TColor kMoonSoup = Hex(0x9af0ff);
constexpr TColor kMoon = Hex(0xfff2a0);
constexpr TColor kPunchTop = Hex(0xff8aa8);
constexpr TColor kPunchBottom = Hex(0x2fbfa0);
constexpr TColor kLanternMetal = Hex(0xd8a83a);
constexpr TColor kMidnightCrust = Hex(0x3a4a9a);
constexpr TColor kFish = Hex(0x8aa8c8);
constexpr TColor kSnowBerry = Hex(0xf4f8ff);
constexpr TColor kChowder = Hex(0xfff0c8);
constexpr TColor kCarrot = Hex(0xff8a2a);
constexpr TColor kParsnip = Hex(0xf0dca0);
constexpr TColor kFishFlake = Hex(0xfbe2d2);
constexpr TColor kHerb = Hex(0x4a9a3a);
constexpr TColor kPudding = Hex(0xb86a2a);
constexpr TColor kCaramel = Hex(0x8a4a1a);
constexpr TColor kFlag = Hex(0xe04040);

// Outlines thin out as a dish is drawn larger, so the large one is finer, not just bigger.
double LineScale(cairo_t* cr) {
  double dx = 1, dy = 0;
  cairo_user_to_device_distance(cr, &dx, &dy);
  const double scale = std::hypot(dx, dy);
  return scale > 1 ? std::pow(scale, -0.4) : 1.0;
}

// Fills the current path glossy with a thin outline of its own colour.
void Glossy(cairo_t* cr, const TColor& c, double x0, double y0, double x1, double y1,
            double outline = 1.4) {
  FillGlossy(cr, x0, y0, x1, y1, c, outline * LineScale(cr));
}



void Shadow(cairo_t* cr, double cx, double cy, double rx) {
  Ellipse(cr, cx, cy, rx, rx * 0.2);
  FillWith(cr, WithAlpha(kGroundShadow, 0.25));
}

// A plate seen from the front: rim and well. On the footed plate only the food's shadow.
void Plate(cairo_t* cr, double cx, double cy, double rx, double ry, const TColor& c, bool big) {
  if (big) {
    Shadow(cr, cx, cy, rx * 0.8);
    return;
  }
  Shadow(cr, cx, cy + ry * 0.6, rx);
  Ellipse(cr, cx, cy, rx, ry);
  Glossy(cr, c, cx - rx, cy - ry, cx + rx, cy + ry, 1.2);
  Ellipse(cr, cx, cy - ry * 0.1, rx * 0.72, ry * 0.62);
  FillWith(cr, WithAlpha(Darker(c, 0.12), 0.6));
}

void Plate(cairo_t* cr, double cx, double cy, double rx, double ry, bool big) {
  Plate(cr, cx, cy, rx, ry, kPorcelain, big);
}

// A bowl: its front half below the rim and the rim's ellipse; the contents go in after.
void Bowl(cairo_t* cr, double cx, double rimY, double rx, double depth, const TColor& c) {
  Shadow(cr, cx, rimY + depth, rx * 0.8);
  cairo_move_to(cr, cx - rx, rimY);
  cairo_curve_to(cr, cx - rx, rimY + depth * 0.9, cx - rx * 0.5, rimY + depth, cx, rimY + depth);
  cairo_curve_to(cr, cx + rx * 0.5, rimY + depth, cx + rx, rimY + depth * 0.9, cx + rx, rimY);
  cairo_close_path(cr);
  Glossy(cr, c, cx - rx, rimY, cx + rx, rimY + depth);
  Ellipse(cr, cx, rimY, rx, rx * 0.26);
  Glossy(cr, Lighter(c, 0.2), cx - rx, rimY - rx * 0.26, cx + rx, rimY + rx * 0.26, 1.2);
}

// The top of what fills a bowl, just inside its rim.
void Contents(cairo_t* cr, double cx, double rimY, double rx, const TColor& c) {
  Ellipse(cr, cx, rimY + 0.5, rx - 3, rx * 0.26 - 2);
  Glossy(cr, c, cx - rx, rimY - 6, cx + rx, rimY + 6, 0.8);
}

void Steam(cairo_t* cr, double x, double y, double h) {
  for (int i = 0; i < 3; ++i) {
    double sx = x + (i - 1) * 7;
    cairo_move_to(cr, sx, y);
    cairo_curve_to(cr, sx - 4, y - h * 0.3, sx + 4, y - h * 0.6, sx, y - h + (i % 2) * 3);
  }
  StrokeRound(cr, kSteam, 1.8);
}

void Ball(cairo_t* cr, double x, double y, double r, const TColor& c, double outline = 1.0) {
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  Glossy(cr, c, x - r, y - r, x + r, y + r, outline);
}

void SmallLeaf(cairo_t* cr, double x, double y, double len, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, len * 0.3, -len * 0.45, len * 0.8, -len * 0.35, len, 0);
  cairo_curve_to(cr, len * 0.8, len * 0.35, len * 0.3, len * 0.45, 0, 0);
  cairo_close_path(cr);
  Glossy(cr, kStemLeaf, 0, -len * 0.4, len, len * 0.4, 1.0);
  cairo_restore(cr);
}

void Element(cairo_t* cr, int code, double x, double y, double size) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  DrawElement(cr, code, size);
  cairo_restore(cr);
}

void Cherry(cairo_t* cr, double x, double y, double r) {
  cairo_move_to(cr, x, y - r * 0.6);
  cairo_curve_to(cr, x, y - r * 2, x + r, y - r * 2.4, x + r * 1.4, y - r * 2.8);
  StrokeRound(cr, kGreenStem, 1.2);
  Ball(cr, x, y, r, kCherryRed);
}

// Small touches of the large rendering: a gleam, scattered specks in an ellipse, a drop.
void Gleam(cairo_t* cr, double x, double y, double r) {
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  FillWith(cr, WithAlpha(kWhite, 0.85));
}

void Specks(cairo_t* cr, std::uint32_t seed, int count, double cx, double cy, double rx,
            double ry, double r, const TColor& c) {
  TNoise n(seed);
  for (int i = 0; i < count; ++i) {
    const double a = n.Range(0, 2 * kPi), d = std::sqrt(n.Unit());
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + rx * d * std::cos(a), cy + ry * d * std::sin(a), r, 0, 2 * kPi);
  }
  FillWith(cr, c);
}

void Drop(cairo_t* cr, double x, double y, double r, const TColor& c) {
  cairo_move_to(cr, x, y);
  cairo_curve_to(cr, x + r * 0.3, y + r, x + r, y + r * 1.4, x, y + r * 2.2);
  cairo_curve_to(cr, x - r, y + r * 1.4, x - r * 0.3, y + r, x, y);
  cairo_close_path(cr);
  FillWith(cr, c);
}

// A crescent: the disc at (cx, cy) less the bite at (bx, by); outlined along its edge only.
void Crescent(cairo_t* cr, double cx, double cy, double r, double bx, double by, double br,
              const TColor& c, double outline) {
  cairo_save(cr);
  cairo_rectangle(cr, cx - r - 2, cy - r - 2, 2 * r + 4, 2 * r + 4);
  cairo_new_sub_path(cr);
  cairo_arc(cr, bx, by, br, 0, 2 * kPi);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  Glossy(cr, c, cx - r, cy - r, cx + r, cy + r, outline);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_clip(cr);
  cairo_arc(cr, bx, by, br, 0, 2 * kPi);
  SetColor(cr, Darker(c, 0.6));
  cairo_set_line_width(cr, outline * LineScale(cr));
  cairo_stroke(cr);
  cairo_restore(cr);
}

// Round puffs of cream heaped together, one outline round the heap.
void Puffs(cairo_t* cr, const double (*puffs)[3], int count, const TColor& c, double outline) {
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  for (int i = 0; i < count; ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, puffs[i][0], puffs[i][1], puffs[i][2], 0, 2 * kPi);
    x0 = std::min(x0, puffs[i][0] - puffs[i][2]);
    y0 = std::min(y0, puffs[i][1] - puffs[i][2]);
    x1 = std::max(x1, puffs[i][0] + puffs[i][2]);
    y1 = std::max(y1, puffs[i][1] + puffs[i][2]);
  }
  SetColor(cr, Darker(c, 0.6));
  cairo_set_line_width(cr, 2 * outline * LineScale(cr));
  cairo_stroke_preserve(cr);
  FillGlossy(cr, x0, y0, x1, y1, c, 0);
}

// A pie in its dish: the dish's front and the crust's top, which the caller decorates.
void PieDish(cairo_t* cr, double topY, double rx, double ry, const TColor& dish) {
  Shadow(cr, 32, 55, rx * 0.9);
  cairo_move_to(cr, 32 - rx, topY);
  cairo_line_to(cr, 32 - rx + 5, 52);
  cairo_curve_to(cr, 26, 55, 38, 55, 32 + rx - 5, 52);
  cairo_line_to(cr, 32 + rx, topY);
  cairo_close_path(cr);
  Glossy(cr, dish, 32 - rx, topY, 32 + rx, 55);
  (void)ry;
}

// ---- The dishes -----------------------------------------------------------------

void GrapeHoneyTart(cairo_t* cr, bool big) {
  Plate(cr, 32, 50, 29, 8, big);
  // Fluted shell.
  cairo_move_to(cr, 9, 36);
  cairo_line_to(cr, 12, 48);
  cairo_curve_to(cr, 24, 52, 40, 52, 52, 48);
  cairo_line_to(cr, 55, 36);
  cairo_close_path(cr);
  Glossy(cr, kCrust, 9, 30, 55, 52);
  for (int i = 0; i < 9; ++i) {
    double x = 13 + i * 4.7;
    cairo_move_to(cr, x, 40);
    cairo_line_to(cr, x + (x < 32 ? 0.6 : -0.6), 49);
  }
  StrokeRound(cr, WithAlpha(kBakedCrust, 0.7), 1.0);
  Ellipse(cr, 32, 36, 23, 7.5);
  Glossy(cr, kCrust, 9, 28, 55, 44);
  Ellipse(cr, 32, 35.5, 19, 5.5);
  FillWith(cr, Darker(kGrape, 0.45));
  // A heap of grapes.
  const double grapes[][2] = {{19, 35}, {25, 36}, {31, 37}, {37, 36}, {43, 35}, {22, 31},
                              {28, 31}, {34, 31}, {40, 31}, {25, 26}, {31, 26}, {37, 26},
                              {28, 21}, {34, 21}};
  for (const auto& g : grapes) Ball(cr, g[0], g[1], 3.6, kGrape, 0.9);
  if (big) {
    for (const auto& g : grapes) Gleam(cr, g[0] - 1.3, g[1] - 1.4, 0.8);
    cairo_move_to(cr, 31, 18);
    cairo_curve_to(cr, 30, 14, 34, 13, 36, 15);
    cairo_curve_to(cr, 38, 17, 40, 15, 39, 13);
    StrokeRound(cr, kStem, 0.9);
  }
  // Honey over them.
  cairo_move_to(cr, 18, 30);
  cairo_curve_to(cr, 24, 24, 28, 36, 33, 28);
  cairo_curve_to(cr, 37, 22, 42, 34, 46, 30);
  StrokeRound(cr, WithAlpha(kHoneyDrip, 0.9), 2.2);
  if (big) {
    // Honey that ran over the shell's edge, and sugar on the crust.
    Drop(cr, 17, 39, 1.3, kHoneyDrip);
    Drop(cr, 47, 39.5, 1.1, kHoneyDrip);
    Specks(cr, 12, 30, 32, 45, 21, 4, 0.35, WithAlpha(kWhite, 0.8));
  }
  SmallLeaf(cr, 32, 19, 9, -1.1);
}

void MossberryPorridge(cairo_t* cr, bool big) {
  // The spoon goes in first so the bowl's rim covers its neck.
  cairo_move_to(cr, 38, 32);
  cairo_line_to(cr, 54, 10);
  StrokeRound(cr, Darker(kLightWood, 0.35), 4.6);
  cairo_move_to(cr, 38, 32);
  cairo_line_to(cr, 54, 10);
  StrokeRound(cr, kLightWood, 2.6);
  Steam(cr, 24, 26, 16);
  Bowl(cr, 32, 34, 26, 22, kLightWood);
  Contents(cr, 32, 34, 26, kOat);
  TNoise n(7);
  for (int i = 0; i < 14; ++i) {
    Ellipse(cr, n.Range(13, 51), n.Range(31, 38), 1.6, 0.9);
    FillWith(cr, WithAlpha(Darker(kOat, 0.25), 0.8));
  }
  if (big) {
    // The bowl's grain, more oats and a ribbon of cream.
    for (int i = 0; i < 3; ++i) {
      cairo_move_to(cr, 11 + i * 3, 40 + i * 4);
      cairo_curve_to(cr, 24, 47 + i * 3, 40, 47 + i * 3, 53 - i * 3, 40 + i * 4);
    }
    StrokeRound(cr, WithAlpha(Darker(kLightWood, 0.3), 0.45), 0.6);
    Specks(cr, 8, 40, 32, 34.5, 21, 3.6, 0.45, WithAlpha(Darker(kOat, 0.3), 0.7));
    cairo_move_to(cr, 15, 35);
    cairo_curve_to(cr, 20, 37.5, 26, 37.5, 29, 35.5);
    cairo_curve_to(cr, 33, 33, 42, 38, 48, 35);
    StrokeRound(cr, WithAlpha(kCream, 0.85), 0.9);
  }
  const double berries[][2] = {{27, 32}, {32, 33}, {37, 32}, {30, 29.5}, {35, 29.5}};
  for (const auto& b : berries) Ball(cr, b[0], b[1], 3, kMossBerry, 0.9);
  if (big) {
    for (const auto& b : berries) {
      Gleam(cr, b[0] - 1, b[1] - 1.1, 0.7);
      StarPath(cr, b[0] + 0.6, b[1] + 1.2, 0.9, 0.4, 5);
      FillWith(cr, Darker(kMossBerry, 0.5));
    }
  }
  // The spoon's bowl shows in the porridge.
  Ellipse(cr, 40, 33, 4.5, 1.8);
  FillWith(cr, Darker(kLightWood, 0.1));
  SmallLeaf(cr, 20, 32, 7, -2.6);
}

void OrangePancakes(cairo_t* cr, bool big) {
  Plate(cr, 32, 51, 29, 8, big);
  for (int i = 0; i < 3; ++i) {
    double y = 46 - 7 * i;
    RoundedRect(cr, 10, y - 3, 44, 8, 4);
    Glossy(cr, kPancakeSide, 10, y - 3, 54, y + 5, 1.2);
    Ellipse(cr, 32, y - 3, 22, 5);
    Glossy(cr, kPancakeTop, 10, y - 8, 54, y + 2, 1.0);
    // Big: the airy crumb along each pancake's edge.
    if (big)
      Specks(cr, 20 + i, 14, 32, y + 2.2, 19, 1.2, 0.4, WithAlpha(Darker(kPancakeSide, 0.3), 0.6));
  }
  // Syrup over the edge.
  cairo_move_to(cr, 18, 29);
  cairo_curve_to(cr, 16, 33, 15, 36, 16, 39);
  cairo_move_to(cr, 45, 30);
  cairo_curve_to(cr, 47, 34, 47, 40, 46, 44);
  StrokeRound(cr, WithAlpha(kHoneyDrip, 0.95), 2.4);
  if (big) {
    Drop(cr, 16, 39, 1.3, kHoneyDrip);
    Drop(cr, 46, 44, 1.4, kHoneyDrip);
    Ellipse(cr, 45, 50.5, 3.5, 0.9);
    FillWith(cr, WithAlpha(kHoneyDrip, 0.85));
  }
  // Orange slices standing on top.
  for (int i = 0; i < 2; ++i) {
    double cx = 24 + i * 16, cy = 29;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, i ? 0.25 : -0.25);
    cairo_arc(cr, 0, 0, 10.5, kPi, 2 * kPi);
    cairo_close_path(cr);
    Glossy(cr, kOrange, -10.5, -10.5, 10.5, 0, 1.2);
    cairo_arc(cr, 0, 0, 7.8, kPi, 2 * kPi);
    cairo_close_path(cr);
    FillWith(cr, Lighter(kOrange, 0.4));
    for (int k = 1; k < 4; ++k) {
      double a = kPi + k * kPi / 4;
      cairo_move_to(cr, 0, 0);
      cairo_line_to(cr, 7.8 * std::cos(a), 7.8 * std::sin(a));
    }
    StrokeRound(cr, WithAlpha(kWhite, 0.9), 0.9);
    if (big) {
      for (int k = 0; k < 8; ++k) {
        const double a = kPi + (k + 0.5) * kPi / 8;
        cairo_arc(cr, 9.2 * std::cos(a), 9.2 * std::sin(a), 0.35, 0, 2 * kPi);
        FillWith(cr, WithAlpha(Darker(kOrange, 0.3), 0.7));
      }
    }
    cairo_restore(cr);
  }
  SmallLeaf(cr, 31, 22, 8, -1.6);
}

void OrchardFeastPie(cairo_t* cr, bool big) {
  PieDish(cr, 35, 28, 10, kTerracotta);
  Ellipse(cr, 32, 34, 28, 11);
  Glossy(cr, kCrust, 4, 23, 60, 45);
  Ellipse(cr, 32, 34, 23, 8);
  FillWith(cr, Hex(0xb8303a));
  if (big) {
    // Every fruit of the orchard shows between the strips.
    const TColor fruit[] = {kCherryRed, kPlumFlesh, Hex(0xe8d060), Hex(0x9ac83a)};
    TNoise n(4);
    for (int i = 0; i < 24; ++i) {
      const double a = n.Range(0, 2 * kPi), d = std::sqrt(n.Unit());
      Ball(cr, 32 + 20 * d * std::cos(a), 34 + 6.5 * d * std::sin(a), n.Range(1.2, 2), fruit[i % 4],
           0.4);
    }
  }
  // Lattice.
  cairo_save(cr);
  Ellipse(cr, 32, 34, 23, 8);
  cairo_clip(cr);
  for (int i = -3; i <= 3; ++i) {
    RoundedRect(cr, 30 + i * 8, 20, 4.5, 30, 2);
    Glossy(cr, kCrust, 30 + i * 8, 20, 35 + i * 8, 50, 0.8);
  }
  for (int j = 0; j < 3; ++j) {
    RoundedRect(cr, 6, 28 + j * 5, 52, 3.5, 1.5);
    Glossy(cr, Lighter(kCrust, 0.1), 6, 28 + j * 5, 58, 32 + j * 5, 0.8);
  }
  cairo_restore(cr);
  if (big) {
    // The crimped rim.
    for (int i = 0; i < 28; ++i) {
      const double a = i * 2 * kPi / 28;
      cairo_arc(cr, 32 + 25.5 * std::cos(a), 34 + 9.5 * std::sin(a), 1.1, 0, 2 * kPi);
      FillWith(cr, WithAlpha(Darker(kCrust, 0.25), 0.55));
    }
    Specks(cr, 13, 26, 32, 34, 24, 8, 0.35, WithAlpha(kWhite, 0.85));
  }
  // Fruit of the orchard on top.
  Element(cr, 3, 9, 9, 22);
  Element(cr, 7, 34, 11, 22);
}

void WildRoseJelly(cairo_t* cr, bool big) {
  Shadow(cr, 32, 57, 20);
  // Jar.
  RoundedRect(cr, 13, 18, 38, 38, 9);
  SetColor(cr, WithAlpha(kAirBlue, 0.5));
  cairo_fill(cr);
  RoundedRect(cr, 15, 25, 34, 29, 7);
  Glossy(cr, kJelly, 15, 25, 49, 54, 0);
  if (big) {
    // Small bubbles caught in the jelly.
    const double bubbles[][3] = {{23, 30, 0.9}, {44, 33, 0.7}, {42, 50, 1.0}, {20, 51, 0.6},
                                 {46, 45, 0.6}, {25, 47, 0.5}};
    for (const auto& b : bubbles) {
      cairo_arc(cr, b[0], b[1], b[2], 0, 2 * kPi);
      StrokeRound(cr, WithAlpha(kWhite, 0.7), 0.35);
    }
  }
  RoundedRect(cr, 13, 18, 38, 38, 9);
  StrokeRound(cr, WithAlpha(Darker(kAirBlue, 0.5), 0.9), 1.4);
  RoundedRect(cr, 17, 22, 4, 26, 2);
  FillWith(cr, WithAlpha(kWhite, 0.65));
  // Cloth lid tied with string.
  cairo_move_to(cr, 10, 19);
  for (int i = 0; i <= 8; ++i) cairo_line_to(cr, 10 + i * 5.5, 24 + (i % 2) * 2.5);
  cairo_line_to(cr, 54, 19);
  cairo_curve_to(cr, 50, 10, 14, 10, 10, 19);
  cairo_close_path(cr);
  Glossy(cr, kGingham, 10, 10, 54, 26, 1.2);
  cairo_save(cr);
  cairo_move_to(cr, 10, 19);
  for (int i = 0; i <= 8; ++i) cairo_line_to(cr, 10 + i * 5.5, 24 + (i % 2) * 2.5);
  cairo_line_to(cr, 54, 19);
  cairo_curve_to(cr, 50, 10, 14, 10, 10, 19);
  cairo_close_path(cr);
  cairo_clip(cr);
  for (int i = 0; i < 6; ++i) {
    cairo_rectangle(cr, 12 + i * 8, 8, 3.5, 20);
    cairo_rectangle(cr, 8, 12 + i * 4, 50, 1.8);
  }
  FillWith(cr, WithAlpha(kWhite, 0.45));
  cairo_restore(cr);
  cairo_move_to(cr, 11, 21.5);
  cairo_curve_to(cr, 24, 24, 40, 24, 53, 21.5);
  StrokeRound(cr, kStem, 1.4);
  if (big) {
    // The string's bow.
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, 32, 23);
      cairo_curve_to(cr, 32 + side * 4, 19, 32 + side * 6, 24, 32, 23);
      cairo_move_to(cr, 32, 23);
      cairo_line_to(cr, 32 + side * 2.5, 28);
    }
    StrokeRound(cr, kStem, 0.9);
  }
  // A rose on the label.
  Ellipse(cr, 32, 41, 10, 8.5);
  Glossy(cr, kParchmentLight, 22, 33, 42, 50, 1.0);
  SmallLeaf(cr, 31, 43, 8, 0.5);
  SmallLeaf(cr, 33, 43, 8, 2.6);
  Ball(cr, 32, 40, 4.6, kRose, 0.9);
  cairo_arc(cr, 32, 40, 2.4, 0.5, 5.5);
  StrokeRound(cr, Darker(kRose, 0.4), 0.9);
  if (big) {
    Ellipse(cr, 32, 41, 8.6, 7.2);
    StrokeRound(cr, WithAlpha(kRose, 0.6), 0.4);
    // Petals fallen beside the jar.
    const double petals[][3] = {{9, 55, 0.4}, {55, 54.5, -0.5}, {51, 57, 0.9}};
    for (const auto& pt : petals) {
      cairo_save(cr);
      cairo_translate(cr, pt[0], pt[1]);
      cairo_rotate(cr, pt[2]);
      Ellipse(cr, 0, 0, 2.4, 1.3);
      cairo_restore(cr);
      Glossy(cr, kRose, pt[0] - 2.4, pt[1] - 1.3, pt[0] + 2.4, pt[1] + 1.3, 0.5);
    }
  }
}

void HazelnutStew(cairo_t* cr, bool big) {
  Steam(cr, 24, 24, 16);
  Shadow(cr, 32, 56, 24);
  // Ears of the pot.
  for (int side = -1; side <= 1; side += 2) {
    Ellipse(cr, 32 + side * 26, 34, 5, 3.2);
    Glossy(cr, kTerracotta, 32 + side * 26 - 5, 31, 32 + side * 26 + 5, 37, 1.2);
  }
  cairo_move_to(cr, 8, 30);
  cairo_curve_to(cr, 6, 50, 18, 56, 32, 56);
  cairo_curve_to(cr, 46, 56, 58, 50, 56, 30);
  cairo_close_path(cr);
  Glossy(cr, kTerracotta, 6, 30, 58, 56);
  Ellipse(cr, 32, 30, 24, 6.5);
  Glossy(cr, Darker(kTerracotta, 0.15), 8, 23, 56, 37, 1.2);
  Ellipse(cr, 32, 30.5, 20.5, 4.6);
  Glossy(cr, kStew, 11, 26, 53, 35, 0.6);
  const double nuts[][2] = {{21, 30}, {36, 29}, {44, 31}, {28, 32}};
  for (const auto& h : nuts) {
    Ellipse(cr, h[0], h[1], 3.4, 2.8);
    Glossy(cr, kHazelnut, h[0] - 3.4, h[1] - 3, h[0] + 3.4, h[1] + 3, 0.9);
    Ellipse(cr, h[0], h[1] - 1.6, 2.6, 1.2);
    FillWith(cr, Darker(kHazelnut, 0.35));
  }
  if (big) {
    // Herbs and pepper on the stew, the pot's glaze.
    Specks(cr, 6, 14, 32, 30.5, 18, 3.8, 0.45, kHerb);
    Specks(cr, 16, 12, 32, 30.5, 18, 3.8, 0.3, Darker(kStew, 0.5));
    cairo_move_to(cr, 11, 38);
    cairo_curve_to(cr, 12, 46, 17, 51, 23, 53);
    StrokeRound(cr, WithAlpha(kWhite, 0.35), 1.0);
  }
  // Mushroom slices.
  for (int i = 0; i < 2; ++i) {
    double x = 29 + i * 12, y = 28.5 + i * 3;
    cairo_arc(cr, x, y, 3.6, kPi, 2 * kPi);
    cairo_rectangle(cr, x - 1.2, y - 0.2, 2.4, 2.8);
    Glossy(cr, kMushroom, x - 3.6, y - 3.6, x + 3.6, y + 2.6, 0.8);
    if (big) {
      cairo_move_to(cr, x - 2.4, y - 0.6);
      cairo_line_to(cr, x + 2.4, y - 0.6);
      StrokeRound(cr, WithAlpha(Darker(kMushroom, 0.35), 0.8), 0.4);
    }
  }
  // Thick enough to stand a spoon in.
  cairo_move_to(cr, 40, 31);
  cairo_line_to(cr, 47, 5);
  StrokeRound(cr, Darker(kLightWood, 0.35), 4.4);
  cairo_move_to(cr, 40, 31);
  cairo_line_to(cr, 47, 5);
  StrokeRound(cr, kLightWood, 2.4);
  Ellipse(cr, 40, 31, 3.6, 1.3);
  FillWith(cr, Darker(kStew, 0.25));
}

void PlumDumplings(cairo_t* cr, bool big) {
  Plate(cr, 32, 50, 29, 9, kPorcelain, big);
  if (!big) {
    Ellipse(cr, 32, 50, 26, 7);
    StrokeRound(cr, WithAlpha(kPorcelainBlue, 0.7), 1.0);
  } else {
    // Plum juice pooled round them.
    Ellipse(cr, 33, 50, 21, 4);
    FillWith(cr, WithAlpha(kPlumFlesh, 0.55));
  }
  Ball(cr, 21, 37, 10, kDough, 1.2);
  Ball(cr, 43, 37, 10, kDough, 1.2);
  // The front one broken open: the plum sits in its lower half.
  Ellipse(cr, 32, 41.5, 10.4, 3.2);
  FillWith(cr, kDoughInside);
  Element(cr, 6, 22, 25, 20);
  cairo_move_to(cr, 21, 41.5);
  cairo_curve_to(cr, 24, 44.5, 27, 42.5, 29.5, 43.5);
  cairo_curve_to(cr, 32, 44.5, 34, 42, 36.5, 43.5);
  cairo_curve_to(cr, 39, 44.5, 41, 42.5, 43, 41.5);
  cairo_arc(cr, 32, 43, 11, -0.14, kPi + 0.14);
  cairo_close_path(cr);
  Glossy(cr, kDough, 21, 41, 43, 54, 1.2);
  // Rolled in buttered crumbs, then sugar.
  const double balls[][3] = {{21, 37, 10}, {43, 37, 10}, {32, 48.5, 9}};
  for (const auto& b : balls)
    Specks(cr, static_cast<std::uint32_t>(b[0] * 3), big ? 40 : 14, b[0], b[1], b[2] * 0.8,
           b[2] * 0.8, big ? 0.45 : 0.6, WithAlpha(Darker(kBakedCrust, 0.1), 0.7));
  TNoise n(11);
  for (int i = 0; i < (big ? 40 : 18); ++i) {
    cairo_arc(cr, n.Range(14, 50), n.Range(28, 40), big ? 0.5 : 0.8, 0, 2 * kPi);
    FillWith(cr, WithAlpha(kWhite, 0.95));
  }
}

// A root lying on its side, thick end at (x, y), browned from the oven.
void RoastRoot(cairo_t* cr, double x, double y, double len, double r, double angle,
               const TColor& c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, -r);
  cairo_curve_to(cr, len * 0.5, -r, len * 0.85, -r * 0.35, len, 0);
  cairo_curve_to(cr, len * 0.85, r * 0.35, len * 0.5, r, 0, r);
  cairo_arc(cr, 0, 0, r, kPi / 2, 3 * kPi / 2);
  cairo_close_path(cr);
  Glossy(cr, c, -r, -r, len, r, 1.0);
  for (int k = 0; k < 3; ++k) {
    cairo_move_to(cr, len * (0.18 + 0.22 * k), -r * 0.75);
    cairo_line_to(cr, len * (0.24 + 0.22 * k), r * 0.6);
  }
  StrokeRound(cr, WithAlpha(Darker(c, 0.55), 0.75), 0.9);
  cairo_move_to(cr, -r * 0.6, 0);
  cairo_line_to(cr, -r * 1.6, -r * 0.5);
  StrokeRound(cr, kHerb, 1.2);
  cairo_restore(cr);
}

void WoodcuttersSupper(cairo_t* cr, bool big) {
  Shadow(cr, 32, 56, 28);
  RoundedRect(cr, 4, 44, 56, 11, 5);
  Glossy(cr, kLightWood, 4, 44, 60, 55, 1.4);
  if (big) {
    for (int i = 0; i < 2; ++i) {
      cairo_move_to(cr, 8, 51 + i * 2);
      cairo_curve_to(cr, 24, 50 + i * 2, 40, 52 + i * 2, 56, 51 + i * 2);
    }
    StrokeRound(cr, WithAlpha(Darker(kLightWood, 0.35), 0.45), 0.5);
  }
  // A mug of hot cider at the back.
  for (int i = 0; i < 2; ++i) {
    double sx = 42 + i * 7;
    cairo_move_to(cr, sx, 11);
    cairo_curve_to(cr, sx - 3, 8, sx + 3, 5, sx, 1 + i * 2);
  }
  StrokeRound(cr, kSteam, 1.6);
  RoundedRect(cr, 38, 16, 16, 26, 3);
  Glossy(cr, kCider, 38, 16, 54, 42, 1.2);
  if (big) {
    RoundedRect(cr, 37.5, 24, 17, 2, 1);
    RoundedRect(cr, 37.5, 34, 17, 2, 1);
    FillWith(cr, WithAlpha(Darker(kCider, 0.4), 0.5));
    Specks(cr, 9, 9, 46, 30, 5, 8, 0.45, WithAlpha(kWhite, 0.6));
  }
  cairo_arc(cr, 55, 29, 5, -kPi / 2, kPi / 2);
  StrokeRound(cr, Darker(kCider, 0.45), 2.6);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, 41 + i * 5, 16, 3.6, 0, 2 * kPi);
  }
  Glossy(cr, kFoam, 37, 12, 55, 20, 1.0);
  // Bread.
  Ellipse(cr, 19, 36, 15, 9);
  Glossy(cr, kBread, 4, 27, 34, 45);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 12 + i * 6, 30);
    cairo_line_to(cr, 16 + i * 6, 34);
  }
  StrokeRound(cr, WithAlpha(Lighter(kBread, 0.5), 0.9), 1.6);
  if (big) Specks(cr, 14, 24, 18, 34, 11, 4, 0.4, WithAlpha(kWhite, 0.7));
  // Roasted roots in front of it: a parsnip and a carrot.
  RoastRoot(cr, 9, 45.5, 17, 2.9, 0.1, kParsnip);
  RoastRoot(cr, 11, 50.5, 17, 3.0, -0.1, kCarrot);
  // Cheese.
  cairo_move_to(cr, 31, 52);
  cairo_line_to(cr, 53, 52);
  cairo_line_to(cr, 51, 41);
  cairo_close_path(cr);
  Glossy(cr, kCheese, 31, 41, 53, 52, 1.2);
  const double holes[][3] = {{43, 49, 1.6}, {48, 46, 1.2}, {38, 50, 1.0}};
  for (const auto& h : holes) {
    cairo_arc(cr, h[0], h[1], h[2], 0, 2 * kPi);
    FillWith(cr, Darker(kCheese, 0.25));
  }
  if (big) {
    // The cheese's rind.
    cairo_move_to(cr, 31, 52);
    cairo_line_to(cr, 53, 52);
    StrokeRound(cr, Darker(kCheese, 0.35), 1.0);
  }
}

void CherryHoneyCake(cairo_t* cr, bool big) {
  // Cake stand; the footed plate is one already.
  if (big) {
    Shadow(cr, 32, 50, 22);
  } else {
    Shadow(cr, 32, 57, 18);
    RoundedRect(cr, 28, 50, 8, 6, 2);
    Glossy(cr, kPorcelain, 28, 50, 36, 56, 1.0);
    Ellipse(cr, 32, 50, 25, 4.5);
    Glossy(cr, kPorcelain, 7, 45, 57, 55, 1.2);
  }
  // Two layers with cream between.
  RoundedRect(cr, 11, 36, 42, 14, 3);
  Glossy(cr, kSponge, 11, 36, 53, 50, 1.2);
  RoundedRect(cr, 11, 33, 42, 4, 2);
  FillWith(cr, kCream);
  RoundedRect(cr, 14, 22, 36, 12, 3);
  Glossy(cr, kSponge, 14, 22, 50, 34, 1.2);
  if (big) {
    Specks(cr, 19, 40, 32, 43, 19, 5, 0.4, WithAlpha(Darker(kSponge, 0.3), 0.6));
    Specks(cr, 29, 22, 32, 29, 16, 3.5, 0.4, WithAlpha(Darker(kSponge, 0.3), 0.6));
  }
  Ellipse(cr, 32, 22, 18, 4);
  Glossy(cr, kCream, 14, 18, 50, 26, 1.0);
  // Honey running down.
  cairo_move_to(cr, 15, 22);
  cairo_curve_to(cr, 15, 27, 17, 27, 17, 24);
  cairo_curve_to(cr, 20, 30, 22, 29, 22, 25);
  cairo_curve_to(cr, 26, 27, 30, 31, 31, 26);
  cairo_curve_to(cr, 35, 29, 40, 27, 41, 25);
  cairo_curve_to(cr, 44, 30, 47, 28, 49, 22);
  StrokeRound(cr, kHoneyDrip, 2.2);
  Cherry(cr, 24, 18, 3.8);
  Cherry(cr, 32, 16, 3.8);
  Cherry(cr, 40, 18, 3.8);
  if (big) {
    for (double x : {24.0, 32.0, 40.0}) Gleam(cr, x - 1.3, (x == 32 ? 16 : 18) - 1.4, 0.8);
    // A bee come for the honey.
    cairo_save(cr);
    cairo_translate(cr, 52, 12);
    cairo_rotate(cr, -0.3);
    Ellipse(cr, -0.6, -2.4, 1.8, 1.2);
    Ellipse(cr, 1.2, -2.2, 1.6, 1.1);
    FillWith(cr, WithAlpha(kWhite, 0.8));
    Ellipse(cr, 0, 0, 3, 2);
    Glossy(cr, kComb, -3, -2, 3, 2, 0.5);
    cairo_rectangle(cr, -1.2, -2, 0.8, 4);
    cairo_rectangle(cr, 0.8, -2, 0.8, 4);
    FillWith(cr, WithAlpha(kPupil, 0.8));
    cairo_restore(cr);
    cairo_move_to(cr, 48.5, 13.5);
    cairo_curve_to(cr, 45, 15, 46, 18, 43.5, 17);
    StrokeRound(cr, WithAlpha(kWhite, 0.6), 0.4);
  }
}

void GoldenCombCrumble(cairo_t* cr, bool big) {
  PieDish(cr, 34, 27, 9, kPorcelain);
  cairo_move_to(cr, 9, 44);
  cairo_curve_to(cr, 24, 48, 40, 48, 55, 44);
  StrokeRound(cr, kPorcelainBlue, 2.0);
  Ellipse(cr, 32, 33, 27, 10);
  Glossy(cr, kComb, 5, 22, 59, 44);
  // Honeycomb cells.
  cairo_save(cr);
  Ellipse(cr, 32, 33, 25, 8.5);
  cairo_clip(cr);
  const double r = 3.6, dx = r * std::sqrt(3.0);
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 9; ++col) {
      double cx = 8 + col * dx + (row % 2) * dx / 2, cy = 25 + row * r * 1.5;
      cairo_new_sub_path(cr);
      for (int k = 0; k < 6; ++k) {
        double a = kPi / 6 + k * kPi / 3;
        cairo_line_to(cr, cx + r * 0.9 * std::cos(a), cy + r * 0.9 * std::sin(a) * 0.8);
      }
      cairo_close_path(cr);
      SetColor(cr, (row + col) % 3 == 0 ? WithAlpha(kHoneyDrip, 0.95) : WithAlpha(kWhite, 0.18));
      cairo_fill_preserve(cr);
      StrokeRound(cr, Darker(kComb, 0.35), 0.9);
    }
  cairo_restore(cr);
  // Crumble at the rim.
  TNoise n(5);
  for (int i = 0; i < 16; ++i) {
    double a = n.Range(0, 2 * kPi);
    Ball(cr, 32 + 25 * std::cos(a), 33 + 8.5 * std::sin(a), n.Range(1.6, 2.6), kBakedCrust, 0.6);
  }
  if (big) {
    Specks(cr, 10, 30, 32, 33, 25, 8.5, 0.45, WithAlpha(Lighter(kBakedCrust, 0.3), 0.9));
    // Honey over the dish's edge.
    cairo_move_to(cr, 44, 41.5);
    cairo_curve_to(cr, 45, 44, 44, 45, 44.5, 46.5);
    StrokeRound(cr, kHoneyDrip, 2.0);
    Drop(cr, 44.5, 46, 1.3, kHoneyDrip);
  }
  Sparkle(cr, 44, 24, 6, kTwinkle);
}

void MarigoldRice(cairo_t* cr, bool big) {
  // Big: it glows like the sunset.
  if (big) RadialGlow(cr, 32, 28, 30, WithAlpha(kMarigold, 0.35));
  Bowl(cr, 32, 36, 25, 19, kPorcelainBlue);
  cairo_move_to(cr, 12, 44);
  cairo_curve_to(cr, 24, 50, 40, 50, 52, 44);
  StrokeRound(cr, WithAlpha(kWhite, 0.8), 1.6);
  // A mound of golden rice.
  cairo_move_to(cr, 10, 36);
  cairo_curve_to(cr, 12, 20, 52, 20, 54, 36);
  cairo_curve_to(cr, 40, 39, 24, 39, 10, 36);
  cairo_close_path(cr);
  Glossy(cr, kRice, 10, 21, 54, 39, 1.2);
  TNoise n(3);
  for (int i = 0; i < 26; ++i) {
    double x = n.Range(15, 49), y = n.Range(26, 36);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, n.Range(0, kPi));
    Ellipse(cr, 0, 0, 1.6, 0.7);
    cairo_restore(cr);
    FillWith(cr, WithAlpha(kWhite, 0.7));
  }
  if (big) {
    // Loose petals on the rice.
    const double petals[][3] = {{17, 33, 0.3}, {45, 32, -0.5}, {22, 28, 1.2}, {42, 27, 2.0},
                                {30, 34.5, -0.2}};
    for (const auto& pt : petals) {
      cairo_save(cr);
      cairo_translate(cr, pt[0], pt[1]);
      cairo_rotate(cr, pt[2]);
      Ellipse(cr, 0, 0, 2.2, 1.1);
      cairo_restore(cr);
      Glossy(cr, kMarigold, pt[0] - 2.2, pt[1] - 1.1, pt[0] + 2.2, pt[1] + 1.1, 0.4);
    }
  }
  // The marigold.
  for (int i = 0; i < 12; ++i) {
    double a = i * kPi / 6;
    cairo_save(cr);
    cairo_translate(cr, 33, 21);
    cairo_rotate(cr, a);
    Ellipse(cr, 5.5, 0, 4.2, 2.4);
    cairo_restore(cr);
    Glossy(cr, kMarigold, 23, 11, 43, 31, 0.8);
  }
  Ball(cr, 33, 21, 3.4, Darker(kMarigold, 0.35), 0.8);
  if (big) Specks(cr, 11, 12, 33, 21, 2.6, 2.6, 0.35, kHoneyDrip);
  SmallLeaf(cr, 26, 25, 9, 2.7);
}

void QueensBanquetBread(cairo_t* cr, bool big) {
  Plate(cr, 32, 51, 29, 8, big);
  // Crown-shaped loaf: a band and five points, each with a bun.
  cairo_move_to(cr, 9, 48);
  cairo_line_to(cr, 9, 28);
  cairo_line_to(cr, 16, 36);
  cairo_line_to(cr, 22, 22);
  cairo_line_to(cr, 27, 34);
  cairo_line_to(cr, 32, 17);
  cairo_line_to(cr, 37, 34);
  cairo_line_to(cr, 42, 22);
  cairo_line_to(cr, 48, 36);
  cairo_line_to(cr, 55, 28);
  cairo_line_to(cr, 55, 48);
  cairo_curve_to(cr, 40, 52, 24, 52, 9, 48);
  cairo_close_path(cr);
  Glossy(cr, kBread, 9, 17, 55, 52);
  const double tips[][2] = {{9, 27}, {22, 21}, {32, 16}, {42, 21}, {55, 27}};
  if (big) {
    // The egg wash shines down the points; seeds along the band.
    const double shine[][4] = {{11, 31, 11.5, 38}, {21, 26, 19, 33}, {31, 21, 29.5, 30},
                               {41, 26, 43, 33}, {53, 31, 52.5, 38}};
    for (const auto& sh : shine) {
      cairo_move_to(cr, sh[0], sh[1]);
      cairo_line_to(cr, sh[2], sh[3]);
    }
    StrokeRound(cr, WithAlpha(kWhite, 0.45), 1.0);
    Specks(cr, 15, 30, 32, 46.5, 21, 2.5, 0.4, WithAlpha(kParchmentLight, 0.9));
  }
  for (const auto& t : tips) Ball(cr, t[0], t[1], 3.6, kCrust, 1.0);
  if (big)
    for (const auto& t : tips) Gleam(cr, t[0] - 1.2, t[1] - 1.3, 0.8);
  // The band's braid and jewels.
  cairo_move_to(cr, 10, 41);
  cairo_curve_to(cr, 24, 45, 40, 45, 54, 41);
  StrokeRound(cr, WithAlpha(Lighter(kBread, 0.45), 0.9), 2.2);
  Ball(cr, 20, 42, 2.6, kJewelRed, 0.8);
  Ball(cr, 32, 44, 3.0, kJewelBlue, 0.8);
  Ball(cr, 44, 42, 2.6, kJewelRed, 0.8);
  if (big) {
    Gleam(cr, 19.2, 41.2, 0.6);
    Gleam(cr, 31.1, 43, 0.7);
    Gleam(cr, 43.2, 41.2, 0.6);
  }
  Sparkle(cr, 32, 12, 5, kTwinkle);
}

void LavenderNightBuns(cairo_t* cr, bool big) {
  Plate(cr, 32, 51, 29, 8, Hex(0xdcd6f2), big);
  auto bun = [cr, big](double x, double y, double r) {
    cairo_arc(cr, x, y, r, kPi, 2 * kPi);
    cairo_curve_to(cr, x + r, y + r * 0.45, x - r, y + r * 0.45, x - r, y);
    cairo_close_path(cr);
    Glossy(cr, kBread, x - r, y - r, x + r, y + r * 0.4, 1.2);
    // Glaze over the top with a drip or two.
    cairo_move_to(cr, x - r * 0.8, y - r * 0.45);
    cairo_curve_to(cr, x - r * 0.7, y - r * 1.15, x + r * 0.7, y - r * 1.15, x + r * 0.8, y - r * 0.45);
    cairo_curve_to(cr, x + r * 0.7, y - r * 0.1, x + r * 0.45, y - r * 0.1, x + r * 0.4, y - r * 0.35);
    cairo_curve_to(cr, x + r * 0.35, y + r * 0.05, x + r * 0.05, y + r * 0.05, x, y - r * 0.35);
    cairo_curve_to(cr, x - r * 0.3, y - r * 0.25, x - r * 0.65, y - r * 0.2, x - r * 0.8, y - r * 0.45);
    cairo_close_path(cr);
    Glossy(cr, kLavender, x - r, y - r, x + r, y, 0.8);
    if (big) {
      // Sugar on the glaze and a few lavender buds.
      Specks(cr, static_cast<std::uint32_t>(x * 7), 10, x, y - r * 0.7, r * 0.6, r * 0.2, 0.35,
             kWhite);
      for (int k = -1; k <= 1; ++k) Ball(cr, x + k * 1.6, y - r * 0.85 - (k == 0 ? 0.8 : 0), 0.8,
                                          Darker(kLavender, 0.3), 0.3);
    }
  };
  bun(21, 38, 11);
  bun(43, 38, 11);
  bun(32, 46, 12);
  // A sprig of lavender on the plate.
  cairo_move_to(cr, 44, 55);
  cairo_line_to(cr, 60, 44);
  StrokeRound(cr, kGreenStem, 1.4);
  for (int i = 0; i < 5; ++i) Ball(cr, 51 + i * 2.3, 49.5 - i * 1.6, 1.8, Darker(kLavender, 0.25), 0.5);
  // A sugar moon.
  Crescent(cr, 32, 19, 7, 35, 17, 6, kMoon, 1.0);
  if (big) {
    // After dark: stars round the sugar moon.
    Sparkle(cr, 44, 14, 2.5, kTwinkle);
    Sparkle(cr, 19, 13, 2, kTwinkle);
    Sparkle(cr, 40, 25, 1.6, kTwinkle);
  }
}

void MoonglowSoup(cairo_t* cr, bool big) {
  RadialGlow(cr, 32, 30, 26, WithAlpha(kMoonSoup, 0.55));
  Bowl(cr, 32, 34, 26, 21, kNightBowl);
  for (int i = 0; i < 4; ++i) {
    StarPath(cr, 17 + i * 10, 45 - (i % 2) * 2, 2.4, 1, 5);
    FillWith(cr, WithAlpha(kMoon, 0.9));
  }
  Ellipse(cr, 32, 34.5, 23, 5);
  cairo_pattern_t* g = cairo_pattern_create_radial(30, 34, 1, 32, 34, 23);
  AddStop(g, 0, kWhite);
  AddStop(g, 0.5, kMoonSoup);
  AddStop(g, 1, Darker(kMoonSoup, 0.3));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // The moon floating on it and rising from it.
  Crescent(cr, 32, 20, 9, 36, 17, 8, kMoon, 1.2);
  Ellipse(cr, 30, 34.5, 7, 1.6);
  FillWith(cr, WithAlpha(kMoon, 0.8));
  if (big) {
    // Glowing motes on the soup and in the air above it.
    Specks(cr, 14, 16, 32, 34.5, 20, 3.8, 0.5, WithAlpha(kWhite, 0.9));
    Specks(cr, 24, 10, 32, 24, 24, 12, 0.45, WithAlpha(kMoon, 0.8));
    Ellipse(cr, 32, 34, 25, 5.8);
    StrokeRound(cr, WithAlpha(kMoonSoup, 0.6), 0.6);
  }
  Sparkle(cr, 15, 22, 5, kTwinkle);
  Sparkle(cr, 49, 17, 4, kTwinkle);
  Sparkle(cr, 46, 29, 3, kWhite);
}

void GuavaLanternPunch(cairo_t* cr, bool big) {
  Shadow(cr, 32, 57, 18);
  RadialGlow(cr, 32, 36, 22, WithAlpha(kPunchTop, 0.45));
  // Ring and cap.
  cairo_arc(cr, 32, 9, 4, 0, 2 * kPi);
  StrokeRound(cr, Darker(kLanternMetal, 0.3), 2);
  cairo_move_to(cr, 20, 19);
  cairo_line_to(cr, 25, 12);
  cairo_line_to(cr, 39, 12);
  cairo_line_to(cr, 44, 19);
  cairo_close_path(cr);
  Glossy(cr, kLanternMetal, 20, 12, 44, 19, 1.2);
  // Glass body full of punch.
  RoundedRect(cr, 16, 18, 32, 34, 10);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 18, 0, 52);
  AddStop(g, 0, kPunchTop);
  AddStop(g, 1, kPunchBottom);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  StrokeRound(cr, Darker(kPunchBottom, 0.5), 1.4);
  if (big) {
    // The lantern's frame over the glass, and seeds floating in the punch.
    Specks(cr, 15, 14, 32, 44, 12, 6, 0.45, WithAlpha(Hex(0xfff0c0), 0.8));
    for (double x : {24.0, 40.0}) {
      cairo_move_to(cr, x, 19);
      cairo_line_to(cr, x, 51);
    }
    StrokeRound(cr, WithAlpha(Darker(kLanternMetal, 0.2), 0.8), 1.0);
  }
  RoundedRect(cr, 19, 22, 4, 24, 2);
  FillWith(cr, WithAlpha(kWhite, 0.6));
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, 40 - i * 4, 44 - i * 6, 1.3, 0, 2 * kPi);
    FillWith(cr, WithAlpha(kWhite, 0.75));
  }
  RoundedRect(cr, 18, 51, 28, 5, 2);
  Glossy(cr, kLanternMetal, 18, 51, 46, 56, 1.2);
  // A guava slice on the glass.
  cairo_arc(cr, 33, 34, 8, 0, 2 * kPi);
  Glossy(cr, kGuava, 25, 26, 41, 42, 1.2);
  cairo_arc(cr, 33, 34, 6.2, 0, 2 * kPi);
  FillWith(cr, Hex(0xff7a90));
  for (int i = 0; i < 6; ++i) {
    double a = i * kPi / 3;
    cairo_arc(cr, 33 + 3 * std::cos(a), 34 + 3 * std::sin(a), 0.8, 0, 2 * kPi);
    FillWith(cr, Hex(0xfff0c0));
  }
  if (big) {
    for (int i = 0; i < 3; ++i) {
      cairo_arc(cr, 23 + i * 9, 54, 0.8, 0, 2 * kPi);
      FillWith(cr, Darker(kLanternMetal, 0.35));
    }
    Gleam(cr, 30, 31, 1);
  }
}

void MidnightFishPie(cairo_t* cr, bool big) {
  PieDish(cr, 36, 27, 9, kTerracotta);
  Ellipse(cr, 32, 35, 27, 10);
  Glossy(cr, kMidnightCrust, 5, 25, 59, 45);
  // Star-shaped cuts in the dark crust.
  const double stars[][3] = {{30, 35, 4}, {42, 32, 3.2}, {38, 40, 3.0}, {48, 37, 2.4}, {24, 40, 2.4}};
  for (const auto& s : stars) {
    StarPath(cr, s[0], s[1], s[2], s[2] * 0.45, 5);
    FillWith(cr, kMoon);
  }
  Ellipse(cr, 32, 35, 27, 10);
  StrokeRound(cr, WithAlpha(Lighter(kMidnightCrust, 0.4), 0.8), 1.6);
  if (big) {
    // Crumbs of starlight on the crust and its crimped rim.
    Specks(cr, 16, 26, 34, 36, 21, 7, 0.4, WithAlpha(kMoon, 0.85));
    for (int i = 0; i < 30; ++i) {
      const double a = i * 2 * kPi / 30;
      cairo_arc(cr, 32 + 26.5 * std::cos(a), 35 + 9.6 * std::sin(a), 0.9, 0, 2 * kPi);
      FillWith(cr, WithAlpha(Lighter(kMidnightCrust, 0.55), 0.6));
    }
  }
  // The fish looks out of the crust at one end and flicks its tail at the other.
  cairo_move_to(cr, 50, 31);
  cairo_line_to(cr, 60, 20);
  cairo_curve_to(cr, 58, 26, 58, 30, 61, 35);
  cairo_close_path(cr);
  Glossy(cr, kFish, 50, 20, 61, 35, 1.2);
  cairo_move_to(cr, 23, 34);
  cairo_curve_to(cr, 20, 22, 13, 14, 6, 18);
  cairo_curve_to(cr, 2, 21, 4, 28, 8, 30);
  cairo_curve_to(cr, 12, 33, 18, 35, 23, 34);
  cairo_close_path(cr);
  Glossy(cr, kFish, 3, 14, 23, 35, 1.2);
  if (big) {
    // Scales behind the gill, lines on the tail.
    for (int row = 0; row < 3; ++row)
      for (int k = 0; k < 2; ++k) {
        const double x = 17.5 + k * 2.6 + row * 0.6, y = 24 + row * 3 + k * 0.8;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, 1.3, -kPi / 2, kPi / 2);
      }
    StrokeRound(cr, WithAlpha(Darker(kFish, 0.35), 0.6), 0.4);
    for (int i = 0; i < 3; ++i) {
      cairo_move_to(cr, 52, 30.5);
      cairo_line_to(cr, 59 - i * 0.3, 23 + i * 5);
    }
    StrokeRound(cr, WithAlpha(Darker(kFish, 0.35), 0.6), 0.4);
  }
  cairo_move_to(cr, 14, 19);
  cairo_curve_to(cr, 17, 23, 18, 27, 17, 32);
  StrokeRound(cr, WithAlpha(Darker(kFish, 0.4), 0.8), 1.0);
  cairo_arc(cr, 9, 21, 2.4, 0, 2 * kPi);
  FillWith(cr, kWhite);
  cairo_arc(cr, 9.3, 21.3, 1.3, 0, 2 * kPi);
  FillWith(cr, kPupil);
  cairo_move_to(cr, 4, 26);
  cairo_line_to(cr, 8, 27);
  StrokeRound(cr, Darker(kFish, 0.5), 1.0);
}

void SnowberryCream(cairo_t* cr, bool big) {
  Shadow(cr, 32, 57, 14);
  // Foot, stem and cup.
  Ellipse(cr, 32, 54, 11, 3);
  SetColor(cr, WithAlpha(kAirBlue, 0.85));
  cairo_fill_preserve(cr);
  StrokeRound(cr, Darker(kAirBlue, 0.45), 1.0);
  cairo_rectangle(cr, 30, 44, 4, 10);
  SetColor(cr, WithAlpha(kAirBlue, 0.85));
  cairo_fill(cr);
  cairo_move_to(cr, 15, 27);
  cairo_line_to(cr, 49, 27);
  cairo_curve_to(cr, 48, 40, 42, 46, 32, 46);
  cairo_curve_to(cr, 22, 46, 16, 40, 15, 27);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 27, 0, 46);
  AddStop(g, 0, Hex(0xf8d0e0));
  AddStop(g, 1, Hex(0xe04a6a));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  StrokeRound(cr, Darker(kAirBlue, 0.5), 1.2);
  cairo_move_to(cr, 19, 30);
  cairo_curve_to(cr, 20, 37, 23, 41, 26, 42);
  StrokeRound(cr, WithAlpha(kWhite, 0.8), 1.8);
  if (big) {
    // Crushed berries through the cream, and the glass's cut facets.
    Specks(cr, 17, 16, 32, 36, 13, 5, 0.6, WithAlpha(kCherryRed, 0.5));
    for (int i = 1; i < 4; ++i) {
      cairo_move_to(cr, 15 + i * 8.5, 28);
      cairo_line_to(cr, 22 + i * 5, 45);
    }
    StrokeRound(cr, WithAlpha(kWhite, 0.35), 0.5);
  }
  // Cream heaped above the glass.
  const double puffs[][3] = {{20, 26, 6}, {32, 24, 8}, {44, 26, 6}, {26, 18, 6}, {38, 18, 6}, {32, 12, 5}};
  Puffs(cr, puffs, 6, kCream, 1.2);
  if (big) {
    for (const auto& p : puffs) {
      cairo_arc(cr, p[0], p[1], p[2] * 0.55, kPi * 1.1, kPi * 1.7);
      StrokeRound(cr, WithAlpha(Darker(kCream, 0.12), 0.8), 0.5);
    }
  }
  // Snowberries and one red one.
  const double berries[][2] = {{22, 22}, {30, 17}, {41, 21}, {35, 25}, {17, 28}, {47, 27}};
  for (int i = 0; i < (big ? 6 : 4); ++i)
    Ball(cr, berries[i][0], berries[i][1], 3.2, kSnowBerry, 0.9);
  if (big)
    for (const auto& b : berries) {
      StarPath(cr, b[0], b[1] - 2.2, 0.8, 0.35, 5);
      FillWith(cr, Darker(kStem, 0.1));
    }
  Ball(cr, 33, 9, 3.4, kCherryRed, 0.9);
  if (big) Gleam(cr, 31.8, 7.8, 0.8);
  SmallLeaf(cr, 35, 8, 7, -0.6);
}

void FiresideChowder(cairo_t* cr, bool big) {
  Steam(cr, 32, 22, 16);
  Shadow(cr, 32, 56, 24);
  // A round loaf hollowed into a bowl.
  Ellipse(cr, 32, 40, 26, 16);
  Glossy(cr, kBread, 6, 24, 58, 56);
  cairo_move_to(cr, 12, 46);
  cairo_curve_to(cr, 20, 50, 26, 50, 30, 48);
  cairo_move_to(cr, 36, 50);
  cairo_curve_to(cr, 42, 50, 48, 48, 52, 44);
  StrokeRound(cr, WithAlpha(Lighter(kBread, 0.45), 0.9), 1.6);
  if (big) Specks(cr, 18, 40, 32, 46, 22, 7, 0.45, WithAlpha(kWhite, 0.55));
  Ellipse(cr, 32, 33, 21, 7);
  Glossy(cr, Lighter(kBread, 0.35), 11, 26, 53, 40, 1.2);
  Ellipse(cr, 32, 33.5, 18, 5.2);
  Glossy(cr, kChowder, 14, 28, 50, 39, 0.6);
  // Flakes of fish, carrot, herbs and potato.
  const double flakes[][2] = {{24, 32}, {38, 33.5}, {31, 35}};
  for (const auto& f : flakes) {
    Ellipse(cr, f[0], f[1], 3.6, 1.8);
    Glossy(cr, kFishFlake, f[0] - 3.6, f[1] - 1.8, f[0] + 3.6, f[1] + 1.8, 0.6);
    cairo_move_to(cr, f[0] - 1, f[1] - 1.5);
    cairo_line_to(cr, f[0] - 1.6, f[1] + 1.4);
    cairo_move_to(cr, f[0] + 1.2, f[1] - 1.5);
    cairo_line_to(cr, f[0] + 0.6, f[1] + 1.4);
    StrokeRound(cr, WithAlpha(kWhite, 0.85), 0.6);
  }
  const double bits[][3] = {{19, 34, 0}, {44, 32, 0}, {36, 30.5, 1}, {27, 35.5, 1}, {43, 35.5, 1}};
  for (const auto& b : bits) {
    RoundedRect(cr, b[0] - 1.8, b[1] - 1.3, 3.6, 2.6, 0.8);
    FillWith(cr, b[2] ? kHerb : kCarrot);
  }
  Ball(cr, 31, 31, 2.0, Hex(0xf4e6b0), 0.6);
  if (big) {
    // Pepper, and a sprig of parsley on top.
    Specks(cr, 28, 14, 32, 33.5, 16, 4, 0.3, WithAlpha(kPupil, 0.6));
    SmallLeaf(cr, 37, 30, 4, -1.9);
    SmallLeaf(cr, 37, 30, 4, -0.9);
    SmallLeaf(cr, 37, 30, 3.5, -2.8);
  }
}

void StarfallPudding(cairo_t* cr, bool big) {
  Plate(cr, 32, 51, 29, 8, big);
  // A round pudding turned out of its mould, a little narrower at the top.
  cairo_move_to(cr, 10, 47);
  cairo_curve_to(cr, 10, 38, 13, 30, 16, 27);
  cairo_curve_to(cr, 22, 23, 42, 23, 48, 27);
  cairo_curve_to(cr, 51, 30, 54, 38, 54, 47);
  cairo_curve_to(cr, 40, 52, 24, 52, 10, 47);
  cairo_close_path(cr);
  Glossy(cr, kPudding, 10, 22, 54, 52);
  for (int i = 0; i < 5; ++i) {
    cairo_move_to(cr, 17 + i * 7.5, 30);
    cairo_line_to(cr, 15 + i * 8.5, 47);
  }
  StrokeRound(cr, WithAlpha(Darker(kPudding, 0.3), 0.5), 1.2);
  // Caramel over the top, running down.
  cairo_move_to(cr, 15, 28);
  cairo_curve_to(cr, 20, 21, 44, 21, 49, 28);
  cairo_curve_to(cr, 49, 34, 46, 35, 45, 31);
  cairo_curve_to(cr, 42, 36, 38, 36, 37, 32);
  cairo_curve_to(cr, 34, 38, 29, 37, 28, 32);
  cairo_curve_to(cr, 25, 36, 21, 35, 20, 31);
  cairo_curve_to(cr, 18, 34, 15, 33, 15, 28);
  cairo_close_path(cr);
  Glossy(cr, kCaramel, 15, 21, 49, 37, 1.0);
  if (big) {
    cairo_move_to(cr, 19, 26);
    cairo_curve_to(cr, 24, 23.5, 30, 23, 34, 23.5);
    StrokeRound(cr, WithAlpha(kWhite, 0.45), 0.9);
  }
  // Cream on top and sugar stars falling onto it.
  const double puffs[][3] = {{27, 21, 5}, {37, 21, 5}, {32, 16, 5}};
  Puffs(cr, puffs, 3, kCream, 1.0);
  const double stars[][3] = {{20, 40, 3}, {32, 44, 3.4}, {44, 40, 2.8}, {32, 10, 3.4},
                             {13, 14, 2.6}, {51, 11, 3}, {46, 20, 2}};
  for (const auto& s : stars) {
    StarPath(cr, s[0], s[1], s[2], s[2] * 0.45, 5);
    Glossy(cr, kStarGold, s[0] - s[2], s[1] - s[2], s[0] + s[2], s[1] + s[2], 0.7);
  }
  if (big) {
    // More stars falling, with their trails.
    const double falling[][3] = {{7, 26, 1.6}, {57, 24, 1.8}, {24, 6, 1.5}, {41, 5, 1.7}};
    for (const auto& f : falling) {
      cairo_move_to(cr, f[0] - 3, f[1] - 5);
      cairo_line_to(cr, f[0] - 0.8, f[1] - 1.3);
      StrokeRound(cr, WithAlpha(kTwinkle, 0.6), 0.5);
      StarPath(cr, f[0], f[1], f[2], f[2] * 0.45, 5);
      Glossy(cr, kStarGold, f[0] - f[2], f[1] - f[2], f[0] + f[2], f[1] + f[2], 0.5);
    }
    Specks(cr, 19, 14, 32, 38, 19, 7, 0.35, WithAlpha(kTwinkle, 0.9));
  }
}

// A dish of another island, small, standing with its base at (cx, baseY).
void OnTheTable(cairo_t* cr, int dish, double cx, double baseY, double size);

void GreatFeast(cairo_t* cr, bool big) {
  Shadow(cr, 32, 57, 31);
  // One long table under a white cloth, a red runner down its length.
  cairo_move_to(cr, 8, 33);
  cairo_line_to(cr, 56, 33);
  cairo_line_to(cr, 62, 47);
  cairo_line_to(cr, 2, 47);
  cairo_close_path(cr);
  Glossy(cr, kCream, 2, 33, 62, 47, 1.2);
  cairo_move_to(cr, 2, 47);
  cairo_line_to(cr, 62, 47);
  cairo_line_to(cr, 62, 54);
  for (int i = 0; i < 6; ++i)
    cairo_curve_to(cr, 59 - i * 10, 57, 55 - i * 10, 57, 52 - i * 10, 54);
  cairo_close_path(cr);
  Glossy(cr, Darker(kCream, 0.06), 2, 47, 62, 57, 1.2);
  cairo_move_to(cr, 6.5, 38.5);
  cairo_line_to(cr, 57.5, 38.5);
  cairo_line_to(cr, 59, 42);
  cairo_line_to(cr, 5, 42);
  cairo_close_path(cr);
  FillWith(cr, kFlag);
  RoundedRect(cr, 27, 47, 10, 8, 1);
  FillWith(cr, kFlag);
  if (big) {
    // Folds in the cloth.
    for (int i = 1; i < 6; ++i) {
      cairo_move_to(cr, 2 + i * 10, 47.5);
      cairo_line_to(cr, 2 + i * 10, 54.5);
    }
    StrokeRound(cr, WithAlpha(Darker(kCream, 0.2), 0.6), 0.5);
  }
  // A dish of every island along it, the back row smaller.
  OnTheTable(cr, 5, 13, 37, 18);
  OnTheTable(cr, 12, 32, 36, 20);
  OnTheTable(cr, 15, 51, 37, 18);
  OnTheTable(cr, 4, 19, 49, 23);
  OnTheTable(cr, 19, 45, 49, 23);
  if (big) {
    // Candles for the long evening.
    for (double x : {22.0, 42.0}) {
      RoundedRect(cr, x - 1, 24, 2, 12, 0.6);
      Glossy(cr, kCream, x - 1, 24, x + 1, 36, 0.4);
      RadialGlow(cr, x, 22, 5, WithAlpha(kGlow, 0.8));
      Ellipse(cr, x, 22, 0.9, 1.8);
      FillWith(cr, kHoneyDrip);
    }
  }
  Sparkle(cr, 22, 12, 4, kTwinkle);
  Sparkle(cr, 43, 10, 3.5, kTwinkle);
}

void OnTheTable(cairo_t* cr, int dish, double cx, double baseY, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx - size / 2, baseY - size * 54 / 64);
  DrawDish(cr, dish, size, false);
  cairo_restore(cr);
}

// The practice picture's footed plate; its top lies across the pattern at y 190.
constexpr double kStandMid = 86, kStandTop = 190;

void PlateAndStand(cairo_t* cr) {
  const double m = kStandMid;
  const TColor plate = Hex(0xf8f6f0), rim = Hex(0x7cb0e0);
  Ellipse(cr, m, 232, 40, 6);
  FillWith(cr, WithAlpha(kGroundShadow, 0.25));
  Ellipse(cr, m, 226, 34, 8);
  FillGlossy(cr, m - 34, 218, m + 34, 234, plate, 2);
  cairo_move_to(cr, m - 8, 196);
  cairo_curve_to(cr, m - 6, 210, m - 14, 218, m - 18, 224);
  cairo_line_to(cr, m + 18, 224);
  cairo_curve_to(cr, m + 14, 218, m + 6, 210, m + 8, 196);
  cairo_close_path(cr);
  FillGlossy(cr, m - 18, 196, m + 18, 224, plate, 2);
  Ellipse(cr, m, kStandTop, 80, 18);
  FillGlossy(cr, m - 80, kStandTop - 18, m + 80, kStandTop + 18, plate, 2.5);
  Ellipse(cr, m, kStandTop - 2, 64, 12);
  StrokeRound(cr, WithAlpha(rim, 0.7), 2.5);
}

}  // namespace

void DrawDish(cairo_t* cr, int dish, double size, bool big) {
  using TDraw = void (*)(cairo_t*, bool);
  static const TDraw kDishes[20] = {
      GrapeHoneyTart,    MossberryPorridge, OrangePancakes,  OrchardFeastPie,
      WildRoseJelly,     HazelnutStew,      PlumDumplings,   WoodcuttersSupper,
      CherryHoneyCake,   GoldenCombCrumble, MarigoldRice,    QueensBanquetBread,
      LavenderNightBuns, MoonglowSoup,      GuavaLanternPunch, MidnightFishPie,
      SnowberryCream,    FiresideChowder,   StarfallPudding, GreatFeast};
  if (dish < 1 || dish > 20) return;
  cairo_save(cr);
  cairo_scale(cr, size / 64, size / 64);
  kDishes[dish - 1](cr, big);
  cairo_restore(cr);
}

void PaintBuySlotIcons(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s,
                 [&](cairo_t* cr, int p, double w, double) { DrawDish(cr, p + 1, w, false); });
}

void PaintPracticePotions(TCanvas& c, const TAssetSpec& s) {
  // The dish two and a half times its shop size, the plate level of its box (y 52) on the
  // footed plate's top.
  const double k = 2.5;
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double, double) {
    PlateAndStand(cr);
    cairo_translate(cr, kStandMid - 32 * k, kStandTop - 52 * k);
    DrawDish(cr, p + 1, 64 * k, true);
  });
}

}  // namespace assetgen
