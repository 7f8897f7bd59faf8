// The twenty dishes of the islands' kitchens ("PracticePotions", 4 x 5 patterns in the shop's
// item order), each presented on the same footed plate: the practice window shows them big
// when they are cooked, the restaurant small on its tables. The plate's rim lies across the
// pattern at y 188; the food stands on it, its middle about (90, 120).
#include <cmath>

#include "Painters.h"

namespace assetgen {

namespace {
const double kPi = M_PI;
const double kMid = 86;  // the plate's middle

const TColor kPlate = Hex(0xf8f6f0);
const TColor kPlateRim = Hex(0x7cb0e0);
const TColor kCrust = Hex(0xe0a050);
const TColor kDough = Hex(0xf4e0b8);
const TColor kCream2 = Hex(0xfffaf0);
const TColor kBowl = Hex(0xe8f0f8);
const TColor kGlassCup = Hex(0xdff0ff, 0.55);

void Stroke(cairo_t* cr, const TColor& c, double w) {
  SetColor(cr, c);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void Ball(cairo_t* cr, double x, double y, double r, const TColor& c) {
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  FillGlossy(cr, x - r, y - r, x + r, y + r, c, std::max(1.0, r / 5));
}

// An ingredient as the pots show it, smaller, on top of a dish.
void Topping(cairo_t* cr, int kind, double x, double y, double size) {
  cairo_save(cr);
  cairo_translate(cr, x - size / 2, y - size / 2);
  DrawIngredient(cr, kind, size);
  cairo_restore(cr);
}

void Steam(cairo_t* cr, double top) {
  for (int i = -1; i <= 1; ++i) {
    double x = kMid + i * 22;
    cairo_move_to(cr, x, top + 30);
    cairo_curve_to(cr, x - 10, top + 20, x + 10, top + 10, x, top);
    Stroke(cr, WithAlpha(kWhite, 0.75), 4);
  }
}

void PlateAndStand(cairo_t* cr) {
  Ellipse(cr, kMid, 232, 40, 6);
  SetColor(cr, WithAlpha(kGroundShadow, 0.25));
  cairo_fill(cr);
  Ellipse(cr, kMid, 226, 34, 8);
  FillGlossy(cr, kMid - 34, 218, kMid + 34, 234, kPlate, 2);
  cairo_move_to(cr, kMid - 8, 196);
  cairo_curve_to(cr, kMid - 6, 210, kMid - 14, 218, kMid - 18, 224);
  cairo_line_to(cr, kMid + 18, 224);
  cairo_curve_to(cr, kMid + 14, 218, kMid + 6, 210, kMid + 8, 196);
  cairo_close_path(cr);
  FillGlossy(cr, kMid - 18, 196, kMid + 18, 224, kPlate, 2);
  Ellipse(cr, kMid, 190, 80, 18);
  FillGlossy(cr, kMid - 80, 172, kMid + 80, 208, kPlate, 2.5);
  Ellipse(cr, kMid, 188, 64, 12);
  SetColor(cr, WithAlpha(kPlateRim, 0.7));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

// ---- Kinds of dish ---------------------------------------------------------------------

void Tart(cairo_t* cr, const TColor& filling, int topping) {
  cairo_move_to(cr, 24, 150);
  cairo_line_to(cr, 148, 150);
  cairo_line_to(cr, 140, 184);
  cairo_line_to(cr, 32, 184);
  cairo_close_path(cr);
  FillGlossy(cr, 24, 150, 148, 184, kCrust, 2.5);
  for (int i = 0; i < 12; ++i) {
    cairo_move_to(cr, 32 + i * 9.5, 152);
    cairo_line_to(cr, 34 + i * 9.2, 182);
    Stroke(cr, WithAlpha(Darker(kCrust, 0.3), 0.5), 1.5);
  }
  Ellipse(cr, kMid, 150, 62, 16);
  FillGlossy(cr, 24, 134, 148, 166, filling, 2);
  const double spots[7][2] = {{-36, 0}, {-18, -6}, {0, -9}, {18, -6}, {36, 0}, {-10, 6}, {12, 6}};
  for (auto& sp : spots) Topping(cr, topping, kMid + sp[0], 146 + sp[1], 24);
}

void Bowl(cairo_t* cr, const TColor& soup, int topping1, int topping2, bool steam) {
  Ellipse(cr, kMid, 190, 52, 9);
  FillGlossy(cr, kMid - 52, 181, kMid + 52, 199, Darker(kBowl, 0.1), 2);
  cairo_move_to(cr, 22, 132);
  cairo_curve_to(cr, 24, 176, 50, 190, kMid, 190);
  cairo_curve_to(cr, 122, 190, 148, 176, 150, 132);
  cairo_close_path(cr);
  FillGlossy(cr, 22, 132, 150, 192, kBowl, 2.5);
  cairo_move_to(cr, 28, 152);
  cairo_curve_to(cr, 60, 162, 112, 162, 144, 152);
  Stroke(cr, WithAlpha(kPlateRim, 0.8), 3);
  Ellipse(cr, kMid, 132, 64, 15);
  FillGlossy(cr, 22, 117, 150, 147, kBowl, 2);
  Ellipse(cr, kMid, 133, 57, 11);
  FillGlossy(cr, 29, 122, 143, 144, soup, 1.5);
  Topping(cr, topping1, kMid - 26, 128, 30);
  Topping(cr, topping2, kMid + 8, 126, 26);
  Topping(cr, topping1, kMid + 34, 131, 22);
  if (steam) Steam(cr, 66);
}

void Pancakes(cairo_t* cr) {
  for (int i = 0; i < 5; ++i) {
    double y = 178 - i * 12;
    Ellipse(cr, kMid, y, 56, 12);
    FillGlossy(cr, kMid - 56, y - 12, kMid + 56, y + 12, Hex(0xe8b060), 2);
  }
  // Syrup running down and a pat of butter.
  cairo_move_to(cr, 42, 126);
  cairo_curve_to(cr, 60, 112, 112, 112, 130, 126);
  cairo_line_to(cr, 128, 150);
  cairo_curve_to(cr, 124, 158, 120, 150, 118, 140);
  cairo_curve_to(cr, 100, 146, 70, 146, 56, 138);
  cairo_line_to(cr, 52, 156);
  cairo_curve_to(cr, 48, 162, 44, 156, 44, 140);
  cairo_close_path(cr);
  FillGlossy(cr, 42, 112, 130, 162, WithAlpha(Hex(0xc87a18), 0.9), 1.5);
  RoundedRect(cr, kMid - 12, 108, 24, 14, 4);
  FillGlossy(cr, kMid - 12, 108, kMid + 12, 122, Hex(0xfff0a0), 1.5);
  Topping(cr, 5, 40, 150, 30);
  Topping(cr, 5, 134, 152, 28);
}

void Pie(cairo_t* cr, int peek1, int peek2, bool fish) {
  cairo_move_to(cr, 26, 180);
  cairo_curve_to(cr, 22, 110, 150, 110, 146, 180);
  cairo_close_path(cr);
  FillGlossy(cr, 22, 116, 150, 184, kCrust, 2.5);
  if (fish) {
    // Fish heads looking up through the crust, as the old pie songs have it.
    for (int i = 0; i < 3; ++i) {
      cairo_save(cr);
      cairo_translate(cr, 52 + i * 34, 112 + std::abs(i - 1) * 8);
      cairo_rotate(cr, -kPi / 2 + (i - 1) * 0.25);
      cairo_translate(cr, -18, -18);
      DrawIngredient(cr, 16, 36);
      cairo_restore(cr);
    }
  } else {
    cairo_save(cr);
    cairo_move_to(cr, 26, 180);
    cairo_curve_to(cr, 22, 110, 150, 110, 146, 180);
    cairo_close_path(cr);
    cairo_clip(cr);
    for (int i = -4; i <= 4; ++i) {
      cairo_move_to(cr, kMid + i * 16 - 30, 184);
      cairo_line_to(cr, kMid + i * 16 + 30, 110);
      Stroke(cr, Darker(kCrust, 0.25), 7);
      cairo_move_to(cr, kMid + i * 16 - 30, 184);
      cairo_line_to(cr, kMid + i * 16 + 30, 110);
      Stroke(cr, Lighter(kCrust, 0.2), 4);
    }
    cairo_restore(cr);
    Topping(cr, peek1, 56, 112, 34);
    Topping(cr, peek2, 100, 106, 34);
  }
  cairo_move_to(cr, 24, 180);
  for (int i = 0; i < 8; ++i) cairo_curve_to(cr, 28 + i * 16, 190, 36 + i * 16, 190, 40 + i * 16, 180);
  Stroke(cr, Darker(kCrust, 0.15), 5);
}

void Jelly(cairo_t* cr, const TColor& jelly, int topping) {
  cairo_move_to(cr, 34, 182);
  cairo_curve_to(cr, 30, 140, 40, 96, kMid, 94);
  cairo_curve_to(cr, 132, 96, 142, 140, 138, 182);
  cairo_close_path(cr);
  FillGlossy(cr, 30, 94, 142, 184, WithAlpha(jelly, 0.85), 2.5);
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, 48 + i * 25, 178);
    cairo_curve_to(cr, 44 + i * 25, 150, 56 + i * 22, 118, 74 + i * 10, 100);
    Stroke(cr, WithAlpha(kWhite, 0.35), 3);
  }
  Topping(cr, topping, kMid, 92, 40);
}

void Dumplings(cairo_t* cr, const TColor& sauce, int topping) {
  Ellipse(cr, kMid, 180, 60, 10);
  SetColor(cr, WithAlpha(sauce, 0.85));
  cairo_fill(cr);
  const double at[4][2] = {{52, 158}, {120, 158}, {86, 164}, {86, 124}};
  for (auto& a : at) {
    cairo_move_to(cr, a[0] - 26, a[1] + 16);
    cairo_curve_to(cr, a[0] - 30, a[1] - 20, a[0] + 30, a[1] - 20, a[0] + 26, a[1] + 16);
    cairo_close_path(cr);
    FillGlossy(cr, a[0] - 28, a[1] - 14, a[0] + 28, a[1] + 16, kDough, 2);
    cairo_move_to(cr, a[0] - 8, a[1] - 8);
    cairo_curve_to(cr, a[0] - 4, a[1] - 14, a[0] + 4, a[1] - 14, a[0] + 8, a[1] - 8);
    Stroke(cr, WithAlpha(Darker(kDough, 0.35), 0.7), 1.8);
  }
  cairo_move_to(cr, 40, 150);
  cairo_curve_to(cr, 70, 134, 100, 170, 132, 146);
  Stroke(cr, sauce, 5);
  Topping(cr, topping, 128, 116, 30);
}

void Supper(cairo_t* cr) {
  // Grilled fish, mushrooms, apple wedges and a sprig, laid out on the plate.
  cairo_save(cr);
  cairo_translate(cr, 20, 112);
  cairo_scale(cr, 1.6, 1.3);
  DrawIngredient(cr, 16, 52);
  cairo_restore(cr);
  Topping(cr, 14, 124, 142, 40);
  Topping(cr, 14, 142, 164, 30);
  Topping(cr, 3, 44, 168, 30);
  Topping(cr, 13, 98, 176, 22);
  Topping(cr, 13, 116, 182, 20);
}

void LayerCake(cairo_t* cr, const TColor& sponge, const TColor& icing, int topping, bool stars) {
  for (int layer = 0; layer < 2; ++layer) {
    double top = 150 - layer * 36, bottom = top + 32;
    cairo_move_to(cr, 36 + layer * 8, top);
    cairo_line_to(cr, 36 + layer * 8, bottom);
    cairo_curve_to(cr, 60, bottom + 10, 112, bottom + 10, 136 - layer * 8, bottom);
    cairo_line_to(cr, 136 - layer * 8, top);
    cairo_close_path(cr);
    FillGlossy(cr, 36, top, 136, bottom + 10, sponge, 2.5);
    Ellipse(cr, kMid, top, 50 - layer * 8, 11);
    FillGlossy(cr, 36, top - 11, 136, top + 11, icing, 2);
    for (int d = 0; d < 5; ++d) {
      double x = 46 + layer * 8 + d * (80 - layer * 16) / 4.0;
      cairo_move_to(cr, x, top + 6);
      cairo_line_to(cr, x, top + 16 + (d % 2) * 6);
      Stroke(cr, icing, 5);
    }
  }
  if (stars) {
    for (int i = 0; i < 5; ++i) {
      double x = 56 + i * 15, y = 104 - std::abs(i - 2) * 5;
      StarPath(cr, x, y, 9, 4, 5);
      FillGlossy(cr, x - 9, y - 9, x + 9, y + 9, kStarGold, 1.5);
    }
  } else {
    for (int i = 0; i < 3; ++i) Topping(cr, topping, 64 + i * 22, 98 + (i == 1 ? -6 : 0), 30);
  }
}

void Crumble(cairo_t* cr) {
  RoundedRect(cr, 24, 140, 124, 44, 10);
  FillGlossy(cr, 24, 140, 148, 184, Hex(0xd8c0a8), 2.5);
  Ellipse(cr, kMid, 142, 60, 14);
  FillGlossy(cr, 26, 128, 146, 156, Hex(0xc88a40), 2);
  TNoise n(5);
  for (int i = 0; i < 26; ++i) {
    double x = kMid + n.Range(-52, 52), y = 142 + n.Range(-10, 10);
    Ball(cr, x, y, n.Range(3, 6), Hex(0xe8b868));
  }
  // A square of honeycomb on top.
  cairo_save(cr);
  cairo_translate(cr, kMid + 8, 116);
  for (int r = 0; r < 2; ++r)
    for (int q = 0; q < 3; ++q) {
      double x = (q - 1) * 13 + (r ? 6.5 : 0), y = r * 11 - 5;
      cairo_new_path(cr);
      for (int k = 0; k < 6; ++k)
        cairo_line_to(cr, x + 7.5 * std::cos(k * kPi / 3 + kPi / 6), y + 7.5 * std::sin(k * kPi / 3 + kPi / 6));
      cairo_close_path(cr);
      FillGlossy(cr, x - 7, y - 7, x + 7, y + 7, Hex(0xf5b820), 1.5);
    }
  cairo_restore(cr);
}

void Rice(cairo_t* cr) {
  cairo_move_to(cr, 30, 184);
  cairo_curve_to(cr, 30, 120, 142, 120, 142, 184);
  cairo_close_path(cr);
  FillGlossy(cr, 30, 120, 142, 184, Hex(0xffe48a), 2.5);
  TNoise n(11);
  for (int i = 0; i < 40; ++i) {
    double x = kMid + n.Range(-46, 46), y = n.Range(140, 180);
    Ellipse(cr, x, y, 3, 1.6);
    SetColor(cr, WithAlpha(kWhite, 0.6));
    cairo_fill(cr);
  }
  for (int i = 0; i < 9; ++i) {
    double a = i * 2 * kPi / 9, x = kMid + 18 * std::cos(a), y = 126 + 7 * std::sin(a);
    Ellipse(cr, x, y, 9, 5);
    FillGlossy(cr, x - 9, y - 5, x + 9, y + 5, Hex(0xff9a22), 1.2);
  }
  Ball(cr, kMid, 126, 6, Hex(0xd86a10));
  Topping(cr, 10, 46, 170, 26);
}

void Bread(cairo_t* cr) {
  for (int i = 0; i < 4; ++i) {
    double x = 40 + i * 30, y = 160 - (i == 1 || i == 2 ? 14 : 0);
    Ellipse(cr, x, y, 24, 22);
    FillGlossy(cr, x - 24, y - 22, x + 24, y + 22, Hex(0xd89a48), 2.5);
    cairo_move_to(cr, x - 10, y - 8);
    cairo_curve_to(cr, x, y - 14, x + 6, y - 4, x + 12, y - 10);
    Stroke(cr, WithAlpha(kWhite, 0.4), 2);
  }
  // A small golden crown on the loaf.
  cairo_move_to(cr, 66, 118);
  cairo_line_to(cr, 66, 96);
  cairo_line_to(cr, 76, 106);
  cairo_line_to(cr, kMid, 90);
  cairo_line_to(cr, 96, 106);
  cairo_line_to(cr, 106, 96);
  cairo_line_to(cr, 106, 118);
  cairo_close_path(cr);
  FillGlossy(cr, 66, 90, 106, 118, kGold, 2);
  for (double x : {72.0, kMid, 100.0}) Ball(cr, x, 112, 3, kLeaveRed);
}

void Buns(cairo_t* cr, const TColor& dust) {
  const double at[3][2] = {{54, 160}, {118, 160}, {86, 130}};
  for (auto& a : at) {
    Ellipse(cr, a[0], a[1], 32, 26);
    FillGlossy(cr, a[0] - 32, a[1] - 26, a[0] + 32, a[1] + 26, Hex(0xe8b068), 2.5);
    cairo_move_to(cr, a[0] - 16, a[1] - 8);
    cairo_curve_to(cr, a[0] - 6, a[1] - 20, a[0] + 10, a[1] - 20, a[0] + 18, a[1] - 8);
    Stroke(cr, WithAlpha(kWhite, 0.8), 5);
    TNoise n(static_cast<std::uint32_t>(a[0]));
    for (int i = 0; i < 9; ++i) Ball(cr, a[0] + n.Range(-18, 18), a[1] + n.Range(-4, 10), 2.2, dust);
  }
  Sparkle(cr, 132, 104, 8, kTwinkle);
  Sparkle(cr, 34, 120, 6, kTwinkle);
}

void Goblet(cairo_t* cr, const TColor& drink, int topping, bool lantern) {
  // Stem and foot of the glass stand on the plate.
  cairo_move_to(cr, kMid - 5, 150);
  cairo_line_to(cr, kMid - 5, 182);
  cairo_line_to(cr, kMid + 5, 182);
  cairo_line_to(cr, kMid + 5, 150);
  cairo_close_path(cr);
  FillGlossy(cr, kMid - 5, 150, kMid + 5, 182, kGlassCup, 1.5);
  Ellipse(cr, kMid, 184, 26, 6);
  FillGlossy(cr, kMid - 26, 178, kMid + 26, 190, kGlassCup, 1.5);
  cairo_move_to(cr, 36, 86);
  cairo_curve_to(cr, 36, 134, 60, 152, kMid, 152);
  cairo_curve_to(cr, 112, 152, 136, 134, 136, 86);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_rectangle(cr, 0, 100, 173, 60);
  SetColor(cr, WithAlpha(drink, 0.9));
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_move_to(cr, 36, 86);
  cairo_curve_to(cr, 36, 134, 60, 152, kMid, 152);
  cairo_curve_to(cr, 112, 152, 136, 134, 136, 86);
  cairo_close_path(cr);
  FillGlossy(cr, 36, 86, 136, 152, kGlassCup, 2.5);
  Ellipse(cr, kMid, 100, 48, 8);
  SetColor(cr, Lighter(drink, 0.3));
  cairo_fill(cr);
  Topping(cr, topping, 120, 92, 38);
  if (lantern) {
    RoundedRect(cr, 48, 58, 22, 30, 6);
    FillGlossy(cr, 48, 58, 70, 88, Hex(0xffcf5a), 2);
    RadialGlow(cr, 59, 73, 20, WithAlpha(kGlow, 0.7));
    cairo_move_to(cr, 59, 58);
    cairo_line_to(cr, 59, 48);
    Stroke(cr, kStem, 2);
  } else {
    for (int i = 0; i < 3; ++i) {
      double x = 60 + i * 20, y = 84 - (i == 1 ? 10 : 0);
      Ellipse(cr, x, y, 16, 10);
      FillGlossy(cr, x - 16, y - 10, x + 16, y + 10, kCream2, 1.5);
    }
  }
}

void Feast(cairo_t* cr) {
  // A great platter: a roast bird, grapes, a pie and candles around it.
  Ellipse(cr, kMid, 176, 78, 16);
  FillGlossy(cr, kMid - 78, 160, kMid + 78, 192, Hex(0xe0c070), 2.5);
  Topping(cr, 4, 30, 150, 40);
  Topping(cr, 2, 146, 160, 30);
  Topping(cr, 7, 132, 128, 30);
  cairo_move_to(cr, 46, 170);
  cairo_curve_to(cr, 36, 110, 130, 96, 134, 160);
  cairo_curve_to(cr, 120, 176, 60, 178, 46, 170);
  cairo_close_path(cr);
  FillGlossy(cr, 36, 104, 134, 178, Hex(0xc8782c), 2.5);
  for (int side = -1; side <= 1; side += 2) {
    double x = kMid + side * 32;
    cairo_move_to(cr, x, 132);
    cairo_line_to(cr, x + side * 16, 112);
    Stroke(cr, Hex(0x8a4a1a), 9);
    Ball(cr, x + side * 18, 110, 7, kCream2);
  }
  for (int i = 0; i < 3; ++i) {
    double x = 50 + i * 36, y = 66 + (i == 1 ? -10 : 0);
    RoundedRect(cr, x - 4, y, 8, 28, 3);
    FillGlossy(cr, x - 4, y, x + 4, y + 28, kCream2, 1.2);
    RadialGlow(cr, x, y - 7, 12, WithAlpha(kGlow, 0.8));
    Ellipse(cr, x, y - 6, 3, 6);
    SetColor(cr, Hex(0xffa030));
    cairo_fill(cr);
  }
  Sparkle(cr, 150, 90, 9, kTwinkle);
}
}  // namespace

void PaintPracticePotions(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double, double) {
    PlateAndStand(cr);
    // The food a quarter larger than the plate's own scale, standing on the rim.
    cairo_translate(cr, kMid, 186);
    cairo_scale(cr, 1.25, 1.25);
    cairo_translate(cr, -kMid, -186);
    switch (p + 1) {
      case 1: Tart(cr, Hex(0xf0b030), 4); break;                           // grape honey tart
      case 2: Bowl(cr, Hex(0xf4e6cc), 2, 2, true); break;                    // mossberry porridge
      case 3: Pancakes(cr); break;                                            // orange pancakes
      case 4: Pie(cr, 3, 6, false); break;                                    // orchard feast pie
      case 5: Jelly(cr, Hex(0xf06488), 15); break;                           // wild rose jelly
      case 6: Bowl(cr, Hex(0x9a5a2a), 13, 14, true); break;                  // hazelnut stew
      case 7: Dumplings(cr, Hex(0x7a3a9a), 6); break;                        // plum dumplings
      case 8: Supper(cr); break;                                              // woodcutter's supper
      case 9: LayerCake(cr, Hex(0xf0c878), Hex(0xfff4f0), 7, false); break;  // cherry honey cake
      case 10: Crumble(cr); break;                                            // golden comb crumble
      case 11: Rice(cr); break;                                               // marigold rice
      case 12: Bread(cr); break;                                              // queen's banquet bread
      case 13: Buns(cr, Hex(0xa080e0)); break;                               // lavender night buns
      case 14: Bowl(cr, Hex(0x6a8ad8), 14, 15, true); break;                 // moonglow soup
      case 15: Goblet(cr, Hex(0x2fbfa0), 8, true); break;                    // guava lantern punch
      case 16: Pie(cr, 16, 16, true); break;                                  // midnight fish pie
      case 17: Goblet(cr, Hex(0xf8d8e8), 2, false); break;                   // snowberry cream
      case 18: Bowl(cr, Hex(0xf0e0c0), 16, 14, true); break;                 // fireside chowder
      case 19: LayerCake(cr, Hex(0x8a5ad0), Hex(0xfff0c0), 0, true); break;  // starfall pudding
      default: Feast(cr); break;                                              // the great feast
    }
  });
}

}  // namespace assetgen
