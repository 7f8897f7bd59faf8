// The board's elements and pieces. Every element has its own silhouette as well as
// its own colour, so that it reads at 52 pixels without relying on hue.
#include <cmath>

#include "Painters.h"
#include "effects/TBorderPieces.h"
#include "engine/TSpriteTileCount.h"

namespace assetgen {

namespace {

const double kPi = M_PI;

// Shapes are drawn in a 52 x 52 box centred on (26, 26).
void Shade(cairo_t* cr, const TColor& c, double x0, double y0, double x1, double y1) {
  FillGlossy(cr, x0, y0, x1, y1, c, 2.0);
}

void Leaf(cairo_t* cr, double x, double y, double len, double angle, const TColor& c) {
  const TColor kLeafVein{0.1, 0.3, 0.05};
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, len * 0.3, -len * 0.45, len * 0.8, -len * 0.35, len, 0);
  cairo_curve_to(cr, len * 0.8, len * 0.35, len * 0.3, len * 0.45, 0, 0);
  cairo_close_path(cr);
  Shade(cr, c, 0, -len * 0.4, len, len * 0.4);
  cairo_move_to(cr, len * 0.1, 0);
  cairo_line_to(cr, len * 0.85, 0);
  SetColor(cr, WithAlpha(kLeafVein, 0.5));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Stem(cairo_t* cr, double x0, double y0, double x1, double y1, double curve) {
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0 + curve, (y0 + y1) / 2, x1, (y0 + y1) / 2, x1, y1);
  SetColor(cr, kStem);
  cairo_set_line_width(cr, 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void GroundShadow(cairo_t* cr, double cx, double cy, double rx) {
  cairo_save(cr);
  Ellipse(cr, cx, cy, rx, rx * 0.22);
  SetColor(cr, WithAlpha(kGroundShadow, 0.22));
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawBanana(cairo_t* cr) {
  const TColor kBananaTip{0.45, 0.3, 0.1};
  const TColor kBananaRidge{0.75, 0.55, 0.05};
  TColor c = kBanana;
  GroundShadow(cr, 26, 45, 17);
  cairo_move_to(cr, 7, 13);
  cairo_curve_to(cr, 6, 36, 24, 46, 45, 37);
  cairo_curve_to(cr, 47, 34, 46, 30, 42, 29);
  cairo_curve_to(cr, 27, 31, 19, 24, 16, 11);
  cairo_close_path(cr);
  Shade(cr, c, 8, 12, 46, 42);
  // Tips.
  cairo_arc(cr, 11.5, 12.5, 3, 0, 2 * kPi);
  SetColor(cr, kBananaTip);
  cairo_fill(cr);
  cairo_arc(cr, 45, 33.5, 2, 0, 2 * kPi);
  cairo_fill(cr);
  // Ridge line.
  cairo_move_to(cr, 13, 18);
  cairo_curve_to(cr, 15, 30, 26, 37, 40, 35);
  SetColor(cr, WithAlpha(kBananaRidge, 0.6));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
}

void DrawStrawberry(cairo_t* cr) {
  const TColor kSeed{1, 0.92, 0.45};
  const TColor kCrownLeaf = Hex(0x3fae3a);
  TColor c = kStrawberry;
  GroundShadow(cr, 26, 46, 13);
  cairo_move_to(cr, 26, 46);
  cairo_curve_to(cr, 14, 38, 7, 26, 10, 18);
  cairo_curve_to(cr, 13, 11, 22, 12, 26, 14);
  cairo_curve_to(cr, 30, 12, 39, 11, 42, 18);
  cairo_curve_to(cr, 45, 26, 38, 38, 26, 46);
  cairo_close_path(cr);
  Shade(cr, c, 9, 12, 43, 46);
  // Seeds.
  const double seeds[][2] = {{18, 22}, {26, 21}, {34, 22}, {21, 29}, {31, 29},
                             {26, 35}, {16, 28}, {36, 28}, {22, 38}, {30, 38}};
  for (auto& sd : seeds) {
    Ellipse(cr, sd[0], sd[1], 1.2, 1.8);
    SetColor(cr, kSeed);
    cairo_fill(cr);
  }
  // Crown.
  TColor g = kCrownLeaf;
  StarPath(cr, 26, 13, 10, 4, 5, -90);
  Shade(cr, g, 16, 4, 36, 20);
  Stem(cr, 26, 11, 27, 4, 2);
}

void DrawApple(cairo_t* cr) {
  TColor c = kApple;
  GroundShadow(cr, 26, 46, 16);
  cairo_move_to(cr, 26, 16);
  cairo_curve_to(cr, 34, 10, 46, 14, 45, 27);
  cairo_curve_to(cr, 44, 38, 36, 46, 30, 45);
  cairo_curve_to(cr, 28, 44, 24, 44, 22, 45);
  cairo_curve_to(cr, 16, 46, 8, 38, 7, 27);
  cairo_curve_to(cr, 6, 14, 18, 10, 26, 16);
  cairo_close_path(cr);
  Shade(cr, c, 7, 12, 45, 46);
  Stem(cr, 26, 17, 28, 6, -3);
  Leaf(cr, 28, 9, 13, -0.5, kStemLeaf);
}

void DrawGrape(cairo_t* cr) {
  TColor c = kGrape;
  GroundShadow(cr, 26, 47, 10);
  const double berries[][2] = {{16, 17}, {26, 16}, {36, 17}, {21, 25}, {31, 25},
                               {16, 33}, {36, 33}, {26, 33}, {21, 41}, {31, 41}};
  Stem(cr, 26, 12, 28, 4, 3);
  Leaf(cr, 27, 9, 11, -2.6, kYoungLeaf);
  for (auto& b : berries) {
    cairo_arc(cr, b[0], b[1], 6.2, 0, 2 * kPi);
    Shade(cr, c, b[0] - 6, b[1] - 6, b[0] + 6, b[1] + 6);
  }
}

void DrawOrange(cairo_t* cr) {
  const TColor kPeelPore{0.75, 0.4, 0.0};
  const TColor kNavel{0.35, 0.45, 0.1};
  TColor c = kOrange;
  GroundShadow(cr, 26, 46, 16);
  cairo_arc(cr, 26, 27, 18, 0, 2 * kPi);
  Shade(cr, c, 8, 9, 44, 45);
  TNoise n(5);
  for (int i = 0; i < 26; ++i) {
    double a = n.Range(0, 2 * kPi), d = n.Range(4, 15);
    cairo_arc(cr, 26 + std::cos(a) * d, 27 + std::sin(a) * d, 0.8, 0, 2 * kPi);
    SetColor(cr, WithAlpha(kPeelPore, 0.35));
    cairo_fill(cr);
  }
  Leaf(cr, 26, 10, 12, -0.35, kStemLeaf);
  cairo_arc(cr, 25, 10, 2, 0, 2 * kPi);
  SetColor(cr, kNavel);
  cairo_fill(cr);
}

void DrawPlum(cairo_t* cr) {
  const TColor kPlumCrease{0.1, 0.15, 0.45};
  TColor c = kPlum;
  GroundShadow(cr, 26, 46, 14);
  cairo_save(cr);
  cairo_translate(cr, 26, 28);
  cairo_rotate(cr, -0.35);
  cairo_scale(cr, 1.15, 1.08);
  cairo_move_to(cr, 0, -18);
  cairo_curve_to(cr, 14, -17, 16, 4, 12, 12);
  cairo_curve_to(cr, 6, 20, -6, 20, -12, 12);
  cairo_curve_to(cr, -16, 4, -12, -17, 0, -18);
  cairo_close_path(cr);
  Shade(cr, c, -16, -18, 16, 20);
  cairo_move_to(cr, 0, -16);
  cairo_curve_to(cr, 5, -6, 5, 6, 1, 17);
  SetColor(cr, WithAlpha(kPlumCrease, 0.6));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_restore(cr);
  Stem(cr, 23, 9, 21, 3, -2);
}

void DrawCherry(cairo_t* cr) {
  const TColor kCherryStalk{0.35, 0.5, 0.15};
  TColor c = kCherry;
  GroundShadow(cr, 26, 46, 17);
  cairo_move_to(cr, 16, 34);
  cairo_curve_to(cr, 17, 22, 24, 12, 30, 6);
  cairo_move_to(cr, 36, 36);
  cairo_curve_to(cr, 35, 24, 33, 14, 30, 6);
  SetColor(cr, kCherryStalk);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  Leaf(cr, 30, 7, 12, -0.2, kYoungLeaf);
  cairo_arc(cr, 15, 36, 9.5, 0, 2 * kPi);
  Shade(cr, c, 5, 26, 25, 46);
  cairo_arc(cr, 36, 37, 9.5, 0, 2 * kPi);
  Shade(cr, c, 26, 27, 46, 47);
}

void DrawGuava(cairo_t* cr) {
  const TColor kGuavaBlush = Hex(0xff7a90);
  TColor c = kGuava;
  GroundShadow(cr, 26, 47, 15);
  cairo_move_to(cr, 26, 8);
  cairo_curve_to(cr, 33, 8, 33, 18, 36, 22);
  cairo_curve_to(cr, 44, 30, 42, 46, 26, 46);
  cairo_curve_to(cr, 10, 46, 8, 30, 16, 22);
  cairo_curve_to(cr, 19, 18, 19, 8, 26, 8);
  cairo_close_path(cr);
  Shade(cr, c, 9, 8, 43, 46);
  RadialGlow(cr, 32, 36, 10, WithAlpha(kGuavaBlush, 0.85));
  Stem(cr, 26, 9, 25, 4, 1);
  Leaf(cr, 26, 7, 11, -0.4, kStemLeaf);
}

void DrawAcorn(cairo_t* cr) {
  const TColor kAcornCap = Hex(0x8a5a2a);
  const TColor kCapLines{0.3, 0.18, 0.05};
  GroundShadow(cr, 26, 47, 12);
  Ellipse(cr, 26, 31, 12, 15);
  Shade(cr, kAcorn, 14, 16, 38, 46);
  cairo_move_to(cr, 11, 24);
  cairo_curve_to(cr, 11, 12, 41, 12, 41, 24);
  cairo_curve_to(cr, 34, 27, 18, 27, 11, 24);
  cairo_close_path(cr);
  Shade(cr, kAcornCap, 11, 13, 41, 27);
  for (int i = 0; i < 5; ++i) {
    cairo_move_to(cr, 15 + i * 5.5, 17);
    cairo_line_to(cr, 13 + i * 5.5, 24);
  }
  SetColor(cr, WithAlpha(kCapLines, 0.5));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Stem(cr, 26, 15, 27, 7, 2);
}

void DrawCrystal(cairo_t* cr) {
  TColor c = kCrystal;
  GroundShadow(cr, 26, 47, 13);
  cairo_move_to(cr, 26, 6);
  cairo_line_to(cr, 41, 17);
  cairo_line_to(cr, 37, 40);
  cairo_line_to(cr, 26, 46);
  cairo_line_to(cr, 15, 40);
  cairo_line_to(cr, 11, 17);
  cairo_close_path(cr);
  Shade(cr, c, 11, 6, 41, 46);
  cairo_move_to(cr, 11, 17);
  cairo_line_to(cr, 26, 22);
  cairo_line_to(cr, 41, 17);
  cairo_move_to(cr, 26, 22);
  cairo_line_to(cr, 26, 46);
  SetColor(cr, WithAlpha(kWhite, 0.7));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  Sparkle(cr, 19, 15, 5, kWhite);
}

void DrawClover(cairo_t* cr) {
  TColor c = kClover;
  GroundShadow(cr, 26, 47, 13);
  Stem(cr, 26, 27, 32, 46, 4);
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 26, 26);
    cairo_rotate(cr, i * kPi / 2 + kPi / 4);
    // A heart-shaped leaf pointing inward.
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -4, -4, -12, -8, -9, -15);
    cairo_curve_to(cr, -7, -19, -2, -18, 0, -14);
    cairo_curve_to(cr, 2, -18, 7, -19, 9, -15);
    cairo_curve_to(cr, 12, -8, 4, -4, 0, 0);
    cairo_close_path(cr);
    Shade(cr, c, -10, -19, 10, 0);
    cairo_restore(cr);
  }
}

void DrawShell(cairo_t* cr) {
  const TColor kShellRibs{0.7, 0.35, 0.25};
  TColor c = kShell;
  GroundShadow(cr, 26, 47, 15);
  cairo_move_to(cr, 26, 44);
  cairo_line_to(cr, 9, 24);
  cairo_curve_to(cr, 9, 10, 43, 10, 43, 24);
  cairo_close_path(cr);
  Shade(cr, c, 9, 10, 43, 44);
  for (int i = -3; i <= 3; ++i) {
    cairo_move_to(cr, 26, 42);
    cairo_line_to(cr, 26 + i * 5.2, 14 + std::abs(i) * 1.2);
  }
  SetColor(cr, WithAlpha(kShellRibs, 0.55));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  RoundedRect(cr, 20, 40, 12, 6, 2);
  Shade(cr, Darker(c, 0.1), 20, 40, 32, 46);
}

void DrawDaisy(cairo_t* cr) {
  const TColor kDaisyHeart = Hex(0xffc21e);
  GroundShadow(cr, 26, 47, 14);
  for (int i = 0; i < 10; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 26, 26);
    cairo_rotate(cr, i * kPi / 5);
    Ellipse(cr, 0, -12, 4.6, 9);
    Shade(cr, kDaisy, -5, -21, 5, -3);
    cairo_restore(cr);
  }
  cairo_arc(cr, 26, 26, 7.5, 0, 2 * kPi);
  Shade(cr, kDaisyHeart, 18, 18, 34, 34);
}

void DrawTulip(cairo_t* cr) {
  TColor c = kTulip;
  GroundShadow(cr, 26, 47, 12);
  cairo_move_to(cr, 26, 30);
  cairo_line_to(cr, 26, 46);
  SetColor(cr, kGreenStem);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  Leaf(cr, 26, 44, 15, -1.0, kStemLeaf);
  cairo_move_to(cr, 13, 12);
  cairo_line_to(cr, 19.5, 18);
  cairo_line_to(cr, 26, 8);
  cairo_line_to(cr, 32.5, 18);
  cairo_line_to(cr, 39, 12);
  cairo_curve_to(cr, 41, 26, 36, 33, 26, 33);
  cairo_curve_to(cr, 16, 33, 11, 26, 13, 12);
  cairo_close_path(cr);
  Shade(cr, c, 12, 8, 40, 33);
}

void DrawBluebell(cairo_t* cr) {
  TColor c = kBluebell;
  GroundShadow(cr, 26, 47, 14);
  cairo_move_to(cr, 10, 46);
  cairo_curve_to(cr, 10, 20, 30, 6, 44, 10);
  SetColor(cr, kGreenStem);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  const double bells[][2] = {{18, 24}, {31, 15}, {40, 24}};
  for (auto& b : bells) {
    double x = b[0], y = b[1];
    cairo_move_to(cr, x - 4, y);
    cairo_curve_to(cr, x - 6, y + 8, x - 9, y + 12, x - 9, y + 15);
    cairo_line_to(cr, x - 5, y + 13);
    cairo_line_to(cr, x - 2, y + 16);
    cairo_line_to(cr, x + 2, y + 13);
    cairo_line_to(cr, x + 5, y + 16);
    cairo_line_to(cr, x + 9, y + 15);
    cairo_curve_to(cr, x + 9, y + 12, x + 6, y + 8, x + 4, y);
    cairo_close_path(cr);
    Shade(cr, c, x - 9, y, x + 9, y + 16);
  }
}

void DrawBlossom(cairo_t* cr) {
  const TColor kBlossomHeart = Hex(0xfff4a0);
  TColor c = kBlossom;
  GroundShadow(cr, 26, 47, 15);
  for (int i = 0; i < 5; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 26, 26);
    cairo_rotate(cr, i * 2 * kPi / 5);
    // A petal with a notch at its tip.
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -12, -6, -11, -19, -4, -20);
    cairo_line_to(cr, 0, -16);
    cairo_line_to(cr, 4, -20);
    cairo_curve_to(cr, 11, -19, 12, -6, 0, 0);
    cairo_close_path(cr);
    Shade(cr, c, -12, -20, 12, 0);
    cairo_restore(cr);
  }
  cairo_arc(cr, 26, 26, 4.5, 0, 2 * kPi);
  Shade(cr, kBlossomHeart, 21, 21, 31, 31);
}

void DrawPotionRound(cairo_t* cr) {
  const TColor kPinkGlint = Hex(0xffe0f0);
  TColor glass = kGlass, liquid = kPinkPotion;
  GroundShadow(cr, 26, 47, 15);
  cairo_arc(cr, 26, 31, 15, 0, 2 * kPi);
  cairo_rectangle(cr, 21, 8, 10, 12);
  Shade(cr, glass, 11, 8, 41, 46);
  cairo_save(cr);
  cairo_arc(cr, 26, 31, 13, 0, 2 * kPi);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, 27, 52, 30);
  Shade(cr, liquid, 13, 27, 39, 44);
  cairo_restore(cr);
  RoundedRect(cr, 20, 4, 12, 7, 2);
  Shade(cr, kCork, 20, 4, 32, 11);
  Sparkle(cr, 20, 25, 4, kWhite);
  Sparkle(cr, 31, 36, 3, kPinkGlint);
}

void DrawPotionTall(cairo_t* cr) {
  const TColor kPotionStar{1, 1, 0.9};
  const TColor kPurpleCork = Hex(0x8a5aa8);
  TColor glass = kGlass, liquid = kGoldPotion;
  GroundShadow(cr, 26, 47, 12);
  cairo_move_to(cr, 22, 6);
  cairo_line_to(cr, 30, 6);
  cairo_line_to(cr, 30, 15);
  cairo_line_to(cr, 37, 22);
  cairo_line_to(cr, 37, 44);
  cairo_line_to(cr, 15, 44);
  cairo_line_to(cr, 15, 22);
  cairo_line_to(cr, 22, 15);
  cairo_close_path(cr);
  Shade(cr, glass, 15, 6, 37, 44);
  cairo_rectangle(cr, 17, 26, 18, 16);
  Shade(cr, liquid, 17, 26, 35, 42);
  StarPath(cr, 26, 34, 6, 2.6, 5);
  SetColor(cr, kPotionStar);
  cairo_fill(cr);
  RoundedRect(cr, 21, 2, 10, 6, 2);
  Shade(cr, kPurpleCork, 21, 2, 31, 8);
}

void DrawSpiderIcon(cairo_t* cr) {
  const TColor kSpiderLegs{0.2, 0.12, 0.22};
  GroundShadow(cr, 26, 46, 14);
  SetColor(cr, kSpiderLegs);
  cairo_set_line_width(cr, 2.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int side = -1; side <= 1; side += 2)
    for (int i = 0; i < 4; ++i) {
      double ay = 24 + i * 4;
      cairo_move_to(cr, 26 + side * 7, ay);
      cairo_line_to(cr, 26 + side * 16, ay - 7);
      cairo_line_to(cr, 26 + side * 22, ay + 5);
    }
  cairo_stroke(cr);
  Ellipse(cr, 26, 32, 12, 11);
  Shade(cr, kSpiderBody, 14, 21, 38, 43);
  cairo_arc(cr, 26, 18, 8, 0, 2 * kPi);
  Shade(cr, kSpiderHead, 18, 10, 34, 26);
  for (int e = -1; e <= 1; e += 2) {
    cairo_arc(cr, 26 + e * 3.5, 17, 2.6, 0, 2 * kPi);
    SetColor(cr, kWhite);
    cairo_fill(cr);
    cairo_arc(cr, 26 + e * 3.5, 17.5, 1.3, 0, 2 * kPi);
    SetColor(cr, kBlack);
    cairo_fill(cr);
  }
}

// A gold tile token: level 1 a single plate, level 2 a double plate; upgraded tiles
// are rose gold with a gem.
void DrawGoldToken(cairo_t* cr, int level, bool upgraded) {
  const TColor kTokenGold = Hex(0xf4c23a);
  const TColor kRoseGold = Hex(0xf2a08a);
  const TColor kGem = Hex(0xb8f0ff);
  TColor c = upgraded ? kRoseGold : kTokenGold;
  GroundShadow(cr, 26, 46, 16);
  if (level == 2) {
    RoundedRect(cr, 12, 12, 32, 32, 7);
    Shade(cr, Darker(c, 0.15), 12, 12, 44, 44);
  }
  RoundedRect(cr, 8, 8, 32, 32, 7);
  Shade(cr, c, 8, 8, 40, 40);
  RoundedRect(cr, 13, 13, 22, 22, 4);
  SetColor(cr, WithAlpha(kWhite, 0.35));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  if (upgraded) {
    StarPath(cr, 24, 24, 7, 3, 4, -90);
    Shade(cr, kGem, 17, 17, 31, 31);
  } else {
    Sparkle(cr, 18, 17, 5, kWhite);
  }
}

}  // namespace

// Draws element code 1..18 in a size x size box whose top-left is the current origin.
void DrawElement(cairo_t* cr, int code, double size) {
  cairo_save(cr);
  cairo_scale(cr, size / BoardTileSize, size / BoardTileSize);
  switch (code) {
    case 1: DrawBanana(cr); break;
    case 2: DrawStrawberry(cr); break;
    case 3: DrawApple(cr); break;
    case 4: DrawGrape(cr); break;
    case 5: DrawOrange(cr); break;
    case 6: DrawPlum(cr); break;
    case 7: DrawCherry(cr); break;
    case 8: DrawGuava(cr); break;
    case 9: DrawAcorn(cr); break;
    case 10: DrawCrystal(cr); break;
    case 11: DrawClover(cr); break;
    case 12: DrawShell(cr); break;
    case 13: DrawDaisy(cr); break;
    case 14: DrawTulip(cr); break;
    case 15: DrawBluebell(cr); break;
    case 16: DrawBlossom(cr); break;
    case 17: DrawPotionRound(cr); break;
    case 18: DrawPotionTall(cr); break;
    default: break;
  }
  cairo_restore(cr);
}

// The main colour of an element (used for flashes, bubbles and effects).
TColor ElementColor(int code) {
  static const TColor colours[ecPotion2 + 1] = {
      kWhite,  kBanana,   kStrawberry, kApple,      kGrape,     kOrange, kPlum,
      kCherry, kGuava,    kAcorn,      kCrystal,    kClover,    kShell,  kDaisy,
      kTulip,  kBluebell, kBlossom,    kPinkPotion, kGoldPotion};
  return colours[(code >= 0 && code <= ecPotion2) ? code : ecUniBubble];
}

// A gathering slot's icon (potions, fruits, flowers, spider, gold tiles) in a size box.
void DrawSlotIcon(cairo_t* cr, TIndividualElementKind kind, double size) {
  cairo_save(cr);
  if (kind <= iePotion2) {
    DrawElement(cr, ecPotion1 + (kind - iePotion1), size);
  } else if (kind <= ieFruit8) {
    DrawElement(cr, 1 + (kind - ieFruit1), size);
  } else if (kind <= ieFlower4) {
    DrawElement(cr, ecFirstFlower + (kind - ieFlower1), size);
  } else {
    cairo_scale(cr, size / BoardTileSize, size / BoardTileSize);
    if (kind == ieSpider)
      DrawSpiderIcon(cr);
    else
      DrawGoldToken(cr, 1, kind == ieGoldTile2);
  }
  cairo_restore(cr);
}

void PaintElementsInside(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double) { DrawElement(cr, p + 1, w); });
}

// The uni bubble in each colour: a clear bubble holding a small copy of the element.
void PaintBubbleInside(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TColor col = ElementColor(p + 1);
    double cx = w / 2, cy = h / 2, r = w / 2 - 3;
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - 6, cy - 6, 2, cx, cy, r);
    AddStop(g, 0, WithAlpha(kWhite, 0.35));
    AddStop(g, 0.7, WithAlpha(col, 0.25));
    AddStop(g, 1, WithAlpha(col, 0.75));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_translate(cr, w * 0.2, h * 0.2);
    DrawElement(cr, p + 1, w * 0.6);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    SetColor(cr, WithAlpha(kWhite, 0.9));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Ellipse(cr, cx - r * 0.4, cy - r * 0.45, r * 0.28, r * 0.16);
    SetColor(cr, WithAlpha(kWhite, 0.85));
    cairo_fill(cr);
  });
}

// ElementGather (still) and PulsingElements (glowing): the slots in slot order.
void PaintGatherSlots(TCanvas& c, const TAssetSpec& s, TSlotGlow glow) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double) {
    if (glow == TSlotGlow::Pulsing) RadialGlow(cr, w / 2, w / 2, w / 2, WithAlpha(kGlow, 0.8));
    DrawSlotIcon(cr, static_cast<TIndividualElementKind>(p), w);
  });
}

// Flying pieces: fruits 1-8, flowers 1-4, a caught spider, then the gold-tile
// tokens (level 1, level 2, upgraded level 1, upgraded level 2).
void PaintFlowingElements(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double) {
    if (p < 8) {
      DrawElement(cr, p + 1, w);
    } else if (p < 12) {
      DrawElement(cr, ecFirstFlower + (p - 8), w);
    } else if (p == 12) {
      DrawSlotIcon(cr, ieSpider, w);
    } else {
      cairo_scale(cr, w / BoardTileSize, w / BoardTileSize);
      DrawGoldToken(cr, (p - 13) % 2 + 1, p >= 15);
    }
  });
}

// One icon per element kind, in TElementKind order.
void PaintElementIcons(TCanvas& c, const TAssetSpec& s) {
  static_assert(elFruit == 0 && elFlower == 1 && elPotion == 2 && elGoldTile == 3 &&
                elSpider == 4);
  const TIndividualElementKind icons[elSpider + 1] = {ieFruit3, ieFlower1, iePotion1,
                                                      ieGoldTile1, ieSpider};
  ForEachPattern(c, s,
                 [&](cairo_t* cr, int p, double w, double) { DrawSlotIcon(cr, icons[p], w); });
}

void PaintDiamondsBig(TCanvas& c, const TAssetSpec& s) {
  const TColor kDiamondGlow = Hex(0xfff0c0);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    RadialGlow(cr, w / 2, h / 2, w / 2, WithAlpha(kDiamondGlow, 0.5));
    cairo_translate(cr, (w - h) / 2, 0);
    DrawElement(cr, ecPotion1 + p, h);
  });
}

// ---- Board pieces ----------------------------------------------------------------

// Frame 0 and frame 1 (a decorated variant) of the tile under every board cell.
void PaintBackgroundTile(TCanvas& c, const TAssetSpec& s) {
  const TColor kTile = Hex(0xf6e6c4);
  const TColor kDecoratedTile = Hex(0xeed3a0);
  const TColor kTileEdge{0.55, 0.38, 0.2};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    RoundedRect(cr, 3, 3, w - 6, h - 6, 7);
    TColor base = p == 0 ? WithAlpha(kTile, 0.85) : WithAlpha(kDecoratedTile, 0.85);
    VerticalGradient(cr, 3, h - 3, Lighter(base, 0.25), Darker(base, 0.06));
    cairo_fill_preserve(cr);
    SetColor(cr, WithAlpha(kTileEdge, 0.45));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    if (p == 1) {
      StarPath(cr, w / 2, h / 2, 7, 3, 4, -90);
      SetColor(cr, WithAlpha(kWhite, 0.5));
      cairo_fill(cr);
    }
  });
}

// Gold tiles under elements: level 1, level 2, upgraded level 1, upgraded level 2.
void PaintBrownTile(TCanvas& c, const TAssetSpec& s) {
  const TColor kRoseTile = Hex(0xf0a890);
  const TColor kTileInner{0.6, 0.35, 0.05};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    bool upgraded = p >= 2;
    int level = p % 2 + 1;
    TColor col = upgraded ? kRoseTile : kGold;
    RoundedRect(cr, 2, 2, w - 4, h - 4, 6);
    FillGlossy(cr, 0, 0, w, h, col, 2);
    double inset = level == 2 ? 6 : 9;
    RoundedRect(cr, inset, inset, w - 2 * inset, h - 2 * inset, 4);
    SetColor(cr, WithAlpha(kWhite, 0.45));
    cairo_set_line_width(cr, level == 2 ? 3 : 1.5);
    cairo_stroke(cr);
    if (level == 2) {
      RoundedRect(cr, 12, 12, w - 24, h - 24, 3);
      SetColor(cr, WithAlpha(kTileInner, 0.35));
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
    }
  });
}

// Selection frame: 0 a valid target (warm gold), 1 not valid (soft red with a cross).
void PaintTileSelection(TCanvas& c, const TAssetSpec& s) {
  const TColor kValidTarget = Hex(0xffe04a);
  const TColor kInvalidTarget = Hex(0xff5a4a);
  const TColor kSelectionFrame{0.35, 0.2, 0.05};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TColor col = p == 0 ? kValidTarget : kInvalidTarget;
    RoundedRect(cr, 3, 3, w - 6, h - 6, 9);
    SetColor(cr, WithAlpha(col, 0.25));
    cairo_fill_preserve(cr);
    SetColor(cr, WithAlpha(kSelectionFrame, 0.8));
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    SetColor(cr, col);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
      double cx = i % 2 ? w - 6 : 6, cy = i / 2 ? h - 6 : 6;
      Sparkle(cr, cx, cy, 5, kWhite);
    }
    if (p == 1) {
      cairo_move_to(cr, w - 16, 10);
      cairo_line_to(cr, w - 8, 18);
      cairo_move_to(cr, w - 8, 10);
      cairo_line_to(cr, w - 16, 18);
      SetColor(cr, kWhite);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
    }
  });
}

// A tool's targets: pattern n lights element n + 1 (drawn 2 pixels up and left of its
// tile) with a warm rim around its own silhouette and a golden wash over it, so the
// marked pieces stand out from their unmarked neighbours of the same kind.
void PaintToolHighlight(TCanvas& c, const TAssetSpec& s) {
  const TColor kHighlightCore{1, 0.95, 0.7};
  const TColor kHighlightRim{1, 0.75, 0.3};
  const TColor kOuterRim{1, 0.6, 0.05};
  const TColor kInnerRim{1, 0.72, 0.12};
  const TColor kHighlightWash{1, 0.98, 0.85};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    RoundedRect(cr, 2, 2, w - 4, h - 4, 10);
    cairo_pattern_t* g = cairo_pattern_create_radial(w / 2, h / 2, 4, w / 2, h / 2, w / 2);
    AddStop(g, 0, WithAlpha(kHighlightCore, 0));
    AddStop(g, 1, WithAlpha(kHighlightRim, 0.75));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);

    cairo_push_group(cr);
    cairo_translate(cr, 2, 2);
    DrawElement(cr, p + 1, BoardTileSize);
    cairo_pattern_t* shape = cairo_pop_group(cr);
    // The rim: the silhouette stamped around itself, less the silhouette.
    cairo_push_group(cr);
    for (double r : {4.0, 2.5})
      for (int k = 0; k < 16; ++k) {
        cairo_save(cr);
        cairo_translate(cr, r * std::cos(k * kPi / 8), r * std::sin(k * kPi / 8));
        SetColor(cr, r > 3 ? WithAlpha(kOuterRim, 0.7) : kInnerRim);
        cairo_mask(cr, shape);
        cairo_restore(cr);
      }
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    SetColor(cr, kBlack);
    cairo_mask(cr, shape);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    SetColor(cr, WithAlpha(kHighlightWash, 0.3));
    cairo_mask(cr, shape);
    cairo_pattern_destroy(shape);
  });
}

// Hint: a warm lamp glow in two breathing sizes.
void PaintHintLamp(TCanvas& c, const TAssetSpec& s) {
  const TColor kLampFrame{1, 0.9, 0.4};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    RadialGlow(cr, w / 2, h / 2, w / 2 - (p ? 0 : 4), WithAlpha(kGlow, 0.85));
    RoundedRect(cr, 4, 4, w - 8, h - 8, 9);
    SetColor(cr, WithAlpha(kLampFrame, 0.9));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  });
}

// Chain lock: pattern 0 the chain, 1-4 breaking, 5 the second chain of a level-2
// lock, 6-9 its pieces scattering.
void PaintChainLock(TCanvas& c, const TAssetSpec& s) {
  const TColor kChainShadow{0.2, 0.2, 0.25};
  const TColor kIronChain = Hex(0xc8ccd8);
  const TColor kBrassChain = Hex(0xd8b060);
  const TColor kPadlock = Hex(0xe0b040);
  const TColor kShackle{0.4, 0.4, 0.45};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    auto link = [&](double x, double y, double angle, const TColor& col) {
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, angle);
      RoundedRect(cr, -7, -4, 14, 8, 4);
      SetColor(cr, WithAlpha(kChainShadow, 0.9));
      cairo_set_line_width(cr, 4.5);
      cairo_stroke_preserve(cr);
      SetColor(cr, col);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
      cairo_restore(cr);
    };
    bool second = p >= 5;
    int stage = p % 5;  // 0 whole, 1..4 breaking apart
    TColor col = second ? kBrassChain : kIronChain;
    double spread = stage * 5.0;
    double alpha = 1.0 - stage * 0.2;
    cairo_push_group(cr);
    for (int i = 0; i < 5; ++i) {
      double t = (i - 2) * 10.0;
      double off = (i % 2 ? 1 : -1) * spread;
      if (second)
        link(w / 2 + t + off * 0.5, h / 2 - t + off, -kPi / 4 + (i % 2) * kPi / 2, col);
      else
        link(w / 2 + t + off * 0.5, h / 2 + t + off, kPi / 4 + (i % 2) * kPi / 2, col);
    }
    if (!second && stage == 0) {
      // Padlock in the middle.
      RoundedRect(cr, w / 2 - 8, h / 2 - 4, 16, 13, 3);
      FillGlossy(cr, w / 2 - 8, h / 2 - 4, w / 2 + 8, h / 2 + 9, kPadlock, 1.5);
      cairo_arc(cr, w / 2, h / 2 - 4, 5, kPi, 2 * kPi);
      SetColor(cr, kShackle);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
  });
}

// Web: pattern 0 the whole web, 1-5 tearing away.
void PaintWeb(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    double cx = w / 2, cy = h / 2, r = w / 2 - 2;
    double alpha = 1.0 - p * 0.17;
    cairo_set_line_width(cr, 1.3);
    SetColor(cr, WithAlpha(kWhite, 0.85 * alpha));
    for (int i = 0; i < 8; ++i) {
      if (p > 0 && (i * 3 + p) % 4 == 0) continue;
      double a = i * kPi / 4 + 0.2;
      cairo_move_to(cr, cx, cy);
      cairo_line_to(cr, cx + std::cos(a) * r * (1 + p * 0.05), cy + std::sin(a) * r);
    }
    cairo_stroke(cr);
    for (int ring = 1; ring <= 4; ++ring) {
      double rr = r * ring / 4.2;
      for (int i = 0; i < 8; ++i) {
        if (p > 0 && (i + ring + p) % 3 == 0) continue;
        double a0 = i * kPi / 4 + 0.2, a1 = a0 + kPi / 4;
        cairo_move_to(cr, cx + std::cos(a0) * rr, cy + std::sin(a0) * rr);
        cairo_curve_to(cr, cx + std::cos(a0 + 0.3) * rr * 0.85, cy + std::sin(a0 + 0.3) * rr * 0.85,
                       cx + std::cos(a1 - 0.3) * rr * 0.85, cy + std::sin(a1 - 0.3) * rr * 0.85,
                       cx + std::cos(a1) * rr, cy + std::sin(a1) * rr);
      }
    }
    cairo_stroke(cr);
  });
}

// ---- Board frame ------------------------------------------------------------------

namespace {

// Colour of the frame band at signed distance d from the board's edge (positive
// outside). Depending on d alone is what makes the pieces join without seams.
bool BandColor(double d, TColor& out) {
  const TColor kFrameShadow{0.25, 0.12, 0.04};
  const TColor kFrameLip = Hex(0xffe08a);
  const TColor kFrameRim = Hex(0x3e2210);
  if (d < -3 || d > 11) return false;
  if (d < 0) {
    out = WithAlpha(kFrameShadow, 0.35 * (d + 3) / 3);
  } else if (d < 2) {
    out = kFrameLip;
  } else if (d < 9.5) {
    double t = 1.0 - std::fabs(d - 5.5) / 4.0;
    out = Mix(kBark, kLightWood, std::max(0.0, t));
  } else {
    out = kFrameRim;
  }
  return true;
}

// Signed distance for a half-segment in its own frame: u along the side from the
// outer end, v into the board. kind 0 straight, 1 inner corner, 2 outer corner.
double SegmentDistance(int kind, double u, double v) {
  switch (kind) {
    case 0:
      return -v;
    case 2:  // board is the quadrant u >= 0, v >= 0
      if (u < 0 && v < 0) return std::sqrt(u * u + v * v);
      if (v < 0) return -v;
      if (u < 0) return -u;
      return -std::min(u, v);
    default:  // board is v >= 0 or u <= 0; the hole is u > 0, v < 0
      if (u > 0 && v < 0) return std::min(u, -v);
      if (u <= 0 && v >= 0) return -std::sqrt(u * u + v * v);
      if (u <= 0) return u;
      return -v;
  }
}

// Maps tile coordinates (0..52 over the tile) to the half-segment's (u, v), in the game's
// half-segment order (TBorderPieces).
void ToSegmentFrame(int seg, double x, double y, double& u, double& v) {
  const double t = BoardTileSize;
  switch (seg) {
    case 0: u = x; v = y; break;
    case 4:
      u = t - x;
      v = y;
      break;
    case 1:
      u = y;
      v = t - x;
      break;
    case 5:
      u = t - y;
      v = t - x;
      break;
    case 2:
      u = x;
      v = t - y;
      break;
    case 6:
      u = t - x;
      v = t - y;
      break;
    case 3: u = y; v = x; break;
    default:
      u = t - y;
      v = x;
      break;
  }
}

}  // namespace

// Pattern number (0-based) -> (half-segment, kind); used by the painter and tests.
bool BorderPatternPiece(int pattern, int& segment, int& kind) {
  for (int s = 0; s < TBorderPieces::HalfSegments; ++s) {
    const TBorderPieces::THalf& half = TBorderPieces::Halves[s];
    if (half.Straight - 1 == pattern) {
      segment = s;
      kind = 0;
      return true;
    }
    if (half.Inner - 1 == pattern) {
      segment = s;
      kind = 1;
      return true;
    }
    if (half.Outer - 1 == pattern) {
      segment = s;
      kind = 2;
      return true;
    }
  }
  return false;
}

// Every pattern holds its piece where the game draws it: the pattern's origin is
// kBorderPieceLeft pixels left of and kBorderPieceTop above its tile's corner.
void PaintBoardBorder(TCanvas& c, const TAssetSpec& s) {
  cairo_surface_flush(c.Surface());
  unsigned char* data = cairo_image_surface_get_data(c.Surface());
  int stride = cairo_image_surface_get_stride(c.Surface());
  const int ss = 4;  // supersampling per axis
  for (int p = 0; p < s.Patterns(); ++p) {
    int seg = 0, kind = 0;
    if (!BorderPatternPiece(p, seg, kind)) continue;
    int ox = (p % s.Columns) * s.TileWidth, oy = (p / s.Columns) * s.TileHeight;
    double uMin = kind == 0 ? 0 : kind == 1 ? -3 : -12;
    for (int py = 0; py < s.TileHeight; ++py)
      for (int px = 0; px < s.TileWidth; ++px) {
        double r = 0, g = 0, b = 0, a = 0;
        for (int sy = 0; sy < ss; ++sy)
          for (int sx = 0; sx < ss; ++sx) {
            double x = px - kBorderPieceLeft + (sx + 0.5) / ss;
            double y = py - kBorderPieceTop + (sy + 0.5) / ss;
            double u, v;
            ToSegmentFrame(seg, x, y, u, v);
            if (u < uMin || u > 26 || v < -12 || v > 26) continue;
            TColor col;
            if (!BandColor(SegmentDistance(kind, u, v), col)) continue;
            r += col.R * col.A;
            g += col.G * col.A;
            b += col.B * col.A;
            a += col.A;
          }
        double n = ss * ss;
        std::uint32_t A = static_cast<std::uint32_t>(std::lround(a / n * 255));
        std::uint32_t R = static_cast<std::uint32_t>(std::lround(r / n * 255));
        std::uint32_t G = static_cast<std::uint32_t>(std::lround(g / n * 255));
        std::uint32_t B = static_cast<std::uint32_t>(std::lround(b / n * 255));
        reinterpret_cast<std::uint32_t*>(data + (oy + py) * stride)[ox + px] =
            (A << 24) | (R << 16) | (G << 8) | B;
      }
  }
  cairo_surface_mark_dirty(c.Surface());
}

// Swap flashes: a bright streak in the element's colour, one per element.
void PaintElementsFlash(TCanvas& c, const TAssetSpec& s, TFlashDirection direction) {
  bool vertical = direction == TFlashDirection::Vertical;
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TColor col = ElementColor(p + 1);
    cairo_save(cr);
    if (vertical) {
      cairo_translate(cr, w, 0);
      cairo_rotate(cr, kPi / 2);
      std::swap(w, h);
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, 0);
    AddStop(g, 0, WithAlpha(col, 0));
    AddStop(g, 0.7, WithAlpha(col, 0.55));
    AddStop(g, 1, WithAlpha(kWhite, 0.9));
    cairo_set_source(cr, g);
    Ellipse(cr, w / 2, h / 2, w / 2, h * 0.32);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
  });
}

// Diagonal shine sweeping over a tile (two frames).
void PaintTileShine(TCanvas& c, const TAssetSpec& s) {
  const TColor kShineStreak{1, 1, 0.9};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    double off = p == 0 ? -8 : 8;
    cairo_pattern_t* g = cairo_pattern_create_linear(off, h + off, w + off, off);
    AddStop(g, 0.3, WithAlpha(kWhite, 0));
    AddStop(g, 0.5, WithAlpha(kShineStreak, 0.9));
    AddStop(g, 0.7, WithAlpha(kWhite, 0));
    cairo_set_source(cr, g);
    RoundedRect(cr, 2, 2, w - 4, h - 4, 8);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  });
}

// A level's prepared board: background tiles and the frame, drawn from the used
// area's origin (10 pixels left of and 11 above the first used tile).
void PaintBoardPicture(TCanvas& c, const TAssetSpec& s) {
  const auto& m = s.BoardMask;
  auto value = [&](int x, int y) { return m[(x - 1) * BoardRows + (y - 1)]; };
  auto area = [&](int x, int y) { return InBoardGrid(x, y) && value(x, y) != 0; };
  int firstCol = BoardColumns, firstRow = BoardRows;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (area(x, y)) {
        firstCol = std::min(firstCol, x);
        firstRow = std::min(firstRow, y);
      }
  auto tileX = [&](int x) { return 10 + BoardTileSize * (x - firstCol); };
  auto tileY = [&](int y) { return 11 + BoardTileSize * (y - firstRow); };

  // The pieces as the manifest draws them, at their grids in the tile-count table.
  auto piecesOf = [](const char* name, int tileW, int tileH) {
    TAssetSpec pieces;
    pieces.Name = name;
    pieces.TileWidth = tileW;
    pieces.TileHeight = tileH;
    TSpriteTileCount::TLookup grid = TSpriteTileCount().Peek(name);
    pieces.Columns = grid.Columns;
    pieces.Rows = grid.Rows;
    return pieces;
  };
  const TAssetSpec tileSpec = piecesOf("BackgroundTile", kTileSurround, kTileSurround);
  TCanvas tiles(tileSpec.Width(), tileSpec.Height());
  PaintBackgroundTile(tiles, tileSpec);
  const TAssetSpec borderSpec = piecesOf("BoardBorder", kBorderPieceWidth, kBorderPieceHeight);
  TCanvas border(borderSpec.Width(), borderSpec.Height());
  PaintBoardBorder(border, borderSpec);

  cairo_t* cr = c.Cr();
  const int inset = (kTileSurround - BoardTileSize) / 2;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!area(x, y)) continue;
      int frame = value(x, y) >= 2 ? 1 : 0;
      cairo_save(cr);
      cairo_rectangle(cr, tileX(x) - inset, tileY(y) - inset, kTileSurround, kTileSurround);
      cairo_clip(cr);
      cairo_set_source_surface(cr, tiles.Surface(), tileX(x) - inset - frame * kTileSurround,
                               tileY(y) - inset);
      cairo_paint(cr);
      cairo_restore(cr);
    }
  // The frame, by the rule the game assembles it with.
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      for (int half = 0; half < TBorderPieces::HalfSegments; ++half) {
        int number = TBorderPieces::PatternOf(area, x, y, half);
        if (number == 0) continue;
        int pat = number - 1;
        double px = tileX(x) - kBorderPieceLeft, py = tileY(y) - kBorderPieceTop;
        cairo_save(cr);
        cairo_rectangle(cr, px, py, kBorderPieceWidth, kBorderPieceHeight);
        cairo_clip(cr);
        cairo_set_source_surface(cr, border.Surface(),
                                 px - (pat % borderSpec.Columns) * kBorderPieceWidth,
                                 py - (pat / borderSpec.Columns) * kBorderPieceHeight);
        cairo_paint(cr);
        cairo_restore(cr);
      }
}

}  // namespace assetgen
