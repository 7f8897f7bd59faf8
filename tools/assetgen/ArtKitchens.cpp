// The practice window of each island: a kitchen in a wooden frame ("PracticeWindow1".."5",
// 1006 x 614, drawn 16 pixels below the window's origin). The shelves on the left and the
// dresser on the right hold the places where content/practice/hidden.txt hides the
// ingredients; the middle stays calm for the stove, the pots and the recipe board; the
// counter front below is dark so the hints read on it in white.
#include <cmath>

#include "Painters.h"

namespace assetgen {

namespace {
const double kPi = M_PI;
constexpr double kW = 1006, kH = 614;

struct TKitchen {
  TColor Wall, WallShade, Tile, TileLine, Accent, Shelf;
  std::uint32_t Seed;
};

TKitchen KitchenOf(int island) {
  switch (island) {
    case 2: return {Hex(0xc8965e), Hex(0xa87444), Hex(0xa8d098), Hex(0x5a8a4a), Hex(0xd8482e), Hex(0x7a4a22), 22};
    case 3: return {Hex(0xf6dca0), Hex(0xe8c070), Hex(0xf8cc58), Hex(0xc08a20), Hex(0xe07a20), Hex(0x9a5a28), 33};
    case 4: return {Hex(0x9aa6c8), Hex(0x7a86a8), Hex(0x7ac0c0), Hex(0x3a7a80), Hex(0x9a70d8), Hex(0x5a4a5a), 44};
    case 5: return {Hex(0xeef2f8), Hex(0xcfd8e8), Hex(0xe87a6a), Hex(0xa84a3a), Hex(0x3a7ac8), Hex(0x8a5a30), 55};
    default: return {Hex(0xe6f0cc), Hex(0xc8dca8), Hex(0xf6c0c0), Hex(0xc87878), Hex(0xd8404a), Hex(0x8a5a30), 11};
  }
}

// Window coordinates (as the game places things) to picture coordinates.
double Y(double windowY) { return windowY - 16; }

void Stroke(cairo_t* cr, const TColor& c, double w) {
  SetColor(cr, c);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void Plank(cairo_t* cr, double x0, double x1, double windowY, const TColor& wood) {
  RoundedRect(cr, x0, Y(windowY), x1 - x0, 12, 3);
  PathShadow(cr, 0, 5, 0.3);
  FillGlossy(cr, x0, Y(windowY), x1, Y(windowY) + 12, wood, 2);
  for (double x : {x0 + 16, x1 - 24}) {
    cairo_move_to(cr, x, Y(windowY) + 12);
    cairo_line_to(cr, x + 8, Y(windowY) + 12);
    cairo_line_to(cr, x + 8, Y(windowY) + 26);
    cairo_close_path(cr);
    FillGlossy(cr, x, Y(windowY) + 12, x + 8, Y(windowY) + 26, Darker(wood, 0.15), 1.5);
  }
}

// One thing standing on a shelf whose top is at window y `shelf`, centred on x.
void ShelfThing(cairo_t* cr, TNoise& n, double x, double shelf, const TKitchen& k) {
  const TColor tints[6] = {Hex(0xb8d0e0), Hex(0xd89a6a), Hex(0xe8d8b0), k.Accent, Hex(0x8ab878),
                           Hex(0xc8a0c8)};
  const TColor c = Mix(tints[n.Int(6)], k.Wall, 0.25);
  const double base = Y(shelf);
  switch (n.Int(6)) {
    case 0: {  // a jar with a lid
      double w = n.Range(22, 32), h = n.Range(28, 42);
      RoundedRect(cr, x - w / 2, base - h, w, h, 6);
      FillGlossy(cr, x - w / 2, base - h, x + w / 2, base, WithAlpha(c, 0.9), 2);
      RoundedRect(cr, x - w / 2 - 2, base - h - 6, w + 4, 8, 3);
      FillGlossy(cr, x - w / 2 - 2, base - h - 6, x + w / 2 + 2, base - h + 2, k.Shelf, 1.5);
      break;
    }
    case 1: {  // a bottle
      double h = n.Range(40, 56);
      cairo_move_to(cr, x - 10, base);
      cairo_line_to(cr, x - 10, base - h * 0.6);
      cairo_curve_to(cr, x - 10, base - h * 0.75, x - 4, base - h * 0.8, x - 4, base - h);
      cairo_line_to(cr, x + 4, base - h);
      cairo_curve_to(cr, x + 4, base - h * 0.8, x + 10, base - h * 0.75, x + 10, base - h * 0.6);
      cairo_line_to(cr, x + 10, base);
      cairo_close_path(cr);
      FillGlossy(cr, x - 10, base - h, x + 10, base, WithAlpha(c, 0.85), 2);
      RoundedRect(cr, x - 5, base - h - 6, 10, 8, 2);
      FillGlossy(cr, x - 5, base - h - 6, x + 5, base - h + 2, kCork, 1.2);
      break;
    }
    case 2: {  // a clay pot
      double r = n.Range(14, 20);
      cairo_move_to(cr, x - r * 0.7, base);
      cairo_curve_to(cr, x - r * 1.4, base - r, x - r, base - r * 1.7, x - r * 0.7, base - r * 1.8);
      cairo_line_to(cr, x + r * 0.7, base - r * 1.8);
      cairo_curve_to(cr, x + r, base - r * 1.7, x + r * 1.4, base - r, x + r * 0.7, base);
      cairo_close_path(cr);
      FillGlossy(cr, x - r * 1.4, base - r * 1.8, x + r * 1.4, base, Mix(Hex(0xc87a4a), c, 0.3), 2);
      break;
    }
    case 3: {  // a plate standing on its edge
      double r = n.Range(18, 24);
      cairo_arc(cr, x, base - r, r, 0, 2 * kPi);
      FillGlossy(cr, x - r, base - 2 * r, x + r, base, Hex(0xf6f2ea), 2);
      cairo_arc(cr, x, base - r, r * 0.7, 0, 2 * kPi);
      SetColor(cr, WithAlpha(c, 0.8));
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
      break;
    }
    case 4: {  // a stack of bowls
      for (int i = 0; i < 3; ++i) {
        double y = base - i * 9;
        cairo_move_to(cr, x - 20, y - 10);
        cairo_curve_to(cr, x - 18, y, x + 18, y, x + 20, y - 10);
        cairo_close_path(cr);
        FillGlossy(cr, x - 20, y - 10, x + 20, y, Mix(c, kWhite, 0.2 * i), 1.5);
      }
      break;
    }
    default: {  // a basket
      cairo_move_to(cr, x - 22, base - 22);
      cairo_line_to(cr, x + 22, base - 22);
      cairo_line_to(cr, x + 17, base);
      cairo_line_to(cr, x - 17, base);
      cairo_close_path(cr);
      FillGlossy(cr, x - 22, base - 22, x + 22, base, Hex(0xc8904a), 2);
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, x - 20 + i, base - 16 + i * 6);
        cairo_line_to(cr, x + 20 - i, base - 16 + i * 6);
        Stroke(cr, WithAlpha(Hex(0x7a4a1a), 0.6), 1.5);
      }
      cairo_arc(cr, x, base - 22, 16, kPi, 2 * kPi);
      Stroke(cr, Hex(0x9a6a30), 3);
      break;
    }
  }
}

void Shelf(cairo_t* cr, TNoise& n, double x0, double x1, double windowY, const TKitchen& k) {
  Plank(cr, x0, x1, windowY, k.Shelf);
  for (double x = x0 + 22 + n.Range(0, 14); x < x1 - 22; x += n.Range(40, 62))
    ShelfThing(cr, n, x, windowY, k);
}

void Window(cairo_t* cr, double x, double windowY, double w, double h, int island) {
  const double y = Y(windowY);
  RoundedRect(cr, x - 8, y - 8, w + 16, h + 16, 10);
  FillGlossy(cr, x - 8, y - 8, x + w + 8, y + h + 8, Hex(0xf0e6d2), 2);
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, 6);
  cairo_clip(cr);
  const TColor skies[5][2] = {{Hex(0x8fd0f4), Hex(0xe8f8ff)}, {Hex(0x5aa8c8), Hex(0xd8f0d0)},
                              {Hex(0x6ad0f0), Hex(0xfff4d0)}, {Hex(0x2a2a5a), Hex(0x7a6aa8)},
                              {Hex(0x9ab8e0), Hex(0xf4f8ff)}};
  cairo_rectangle(cr, x, y, w, h);
  VerticalGradient(cr, y, y + h, skies[island - 1][0], skies[island - 1][1]);
  cairo_fill(cr);
  if (island == 4) {
    cairo_arc(cr, x + w * 0.7, y + h * 0.3, 12, 0, 2 * kPi);
    SetColor(cr, Hex(0xfff4c0));
    cairo_fill(cr);
  } else if (island == 5) {
    cairo_move_to(cr, x, y + h);
    cairo_line_to(cr, x + w * 0.35, y + h * 0.35);
    cairo_line_to(cr, x + w * 0.6, y + h * 0.7);
    cairo_line_to(cr, x + w * 0.8, y + h * 0.45);
    cairo_line_to(cr, x + w, y + h * 0.8);
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
    SetColor(cr, kWhite);
    cairo_fill(cr);
  } else {
    Ellipse(cr, x + w * 0.5, y + h + 20, w * 0.8, 46);
    SetColor(cr, island == 3 ? Hex(0xe8cf8a) : Hex(0x7ccf5a));
    cairo_fill(cr);
    Cloud(cr, x + w * 0.35, y + h * 0.3, 0.35, 0.9);
  }
  cairo_restore(cr);
  cairo_move_to(cr, x + w / 2, y);
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h / 2);
  cairo_line_to(cr, x + w, y + h / 2);
  Stroke(cr, Hex(0xf0e6d2), 6);
}

// Something of the island's own on the walls.
void Keepsakes(cairo_t* cr, int island, const TKitchen& k) {
  switch (island) {
    case 1:  // a garland of berries over the tiles
      for (int i = 0; i < 12; ++i) {
        double x = 320 + i * 38, y = Y(128) + 10 * std::sin(i * 0.9);
        cairo_save(cr);
        cairo_translate(cr, x - 12, y - 12);
        DrawElement(cr, i % 2 ? 2 : 7, 24);
        cairo_restore(cr);
      }
      break;
    case 2:  // roots across the wall and a string of dried mushrooms
      for (int i = 0; i < 7; ++i) {
        double x = 330 + i * 60;
        cairo_move_to(cr, x, Y(118));
        cairo_curve_to(cr, x + 20, Y(140), x - 10, Y(150), x + 6, Y(172));
        Stroke(cr, WithAlpha(Hex(0x6a4a2a), 0.7), 4);
      }
      break;
    case 3:  // honeycomb cells in the corners of the tiles
      for (int i = 0; i < 14; ++i) {
        double x = 316 + (i % 7) * 22 + (i / 7) * 11, y = Y(130) + (i / 7) * 19;
        cairo_new_path(cr);
        for (int s = 0; s < 6; ++s)
          cairo_line_to(cr, x + 11 * std::cos(s * kPi / 3 + kPi / 6), y + 11 * std::sin(s * kPi / 3 + kPi / 6));
        cairo_close_path(cr);
        FillGlossy(cr, x - 11, y - 11, x + 11, y + 11, Hex(0xf5b820), 1.5);
      }
      break;
    case 4:  // two lanterns glowing
      for (double x : {340.0, 740.0}) {
        cairo_move_to(cr, x, Y(112));
        cairo_line_to(cr, x, Y(140));
        Stroke(cr, Hex(0x3a3030), 2);
        RadialGlow(cr, x, Y(158), 34, WithAlpha(kGlow, 0.6));
        RoundedRect(cr, x - 11, Y(140), 22, 32, 5);
        FillGlossy(cr, x - 11, Y(140), x + 11, Y(172), Hex(0xffcf5a), 2);
      }
      break;
    default:  // icicle trim and a pair of mittens
      for (int i = 0; i < 22; ++i) {
        double x = 310 + i * 21, len = 8 + (i * 7) % 13;
        cairo_move_to(cr, x - 5, Y(114));
        cairo_line_to(cr, x, Y(114) + len);
        cairo_line_to(cr, x + 5, Y(114));
        cairo_close_path(cr);
        SetColor(cr, WithAlpha(kAirBlue, 0.9));
        cairo_fill(cr);
      }
      break;
  }
  (void)k;
}
}  // namespace

void PaintPracticeWindow(TCanvas& c, const TAssetSpec&, TIsland island) {
  cairo_t* cr = c.Cr();
  const TKitchen k = KitchenOf(island.Number);
  TNoise n(k.Seed);

  // The back wall, with a darker band at the top for the title and the dish's name.
  cairo_rectangle(cr, 10, 10, kW - 20, kH - 20);
  VerticalGradient(cr, 10, kH, k.Wall, k.WallShade);
  cairo_fill(cr);
  if (island.Number == 2) {
    for (double y = Y(112); y < Y(440); y += 28) {
      RoundedRect(cr, 14, y, kW - 28, 26, 12);
      FillGlossy(cr, 14, y, kW - 14, y + 26, Mix(k.Wall, k.WallShade, n.Unit()), 1.5);
    }
  }
  cairo_rectangle(cr, 10, 10, kW - 20, Y(112) - 10);
  VerticalGradient(cr, 10, Y(112), Darker(k.Shelf, 0.1), Darker(k.Shelf, 0.35));
  cairo_fill(cr);
  cairo_move_to(cr, 10, Y(112));
  cairo_line_to(cr, kW - 10, Y(112));
  Stroke(cr, kPanelGleam, 2);

  // Tiles behind the stove and the pots.
  const double tx0 = 300, tx1 = 782, ty0 = Y(112), ty1 = Y(440);
  cairo_rectangle(cr, tx0, ty0, tx1 - tx0, ty1 - ty0);
  SetColor(cr, k.Tile);
  cairo_fill(cr);
  for (double x = tx0; x <= tx1; x += 34) {
    cairo_move_to(cr, x, ty0);
    cairo_line_to(cr, x, ty1);
  }
  for (double y = ty0; y <= ty1; y += 34) {
    cairo_move_to(cr, tx0, y);
    cairo_line_to(cr, tx1, y);
  }
  Stroke(cr, WithAlpha(k.TileLine, 0.35), 1.5);
  cairo_rectangle(cr, tx0, ty0, tx1 - tx0, ty1 - ty0);
  Stroke(cr, Darker(k.Shelf, 0.2), 4);
  Keepsakes(cr, island.Number, k);
  // A hood over the stove.
  cairo_move_to(cr, 470, Y(112));
  cairo_line_to(cr, 650, Y(112));
  cairo_line_to(cr, 680, Y(168));
  cairo_line_to(cr, 440, Y(168));
  cairo_close_path(cr);
  FillGlossy(cr, 440, Y(112), 680, Y(168), Hex(0xc87a48), 2.5);
  RoundedRect(cr, 434, Y(164), 252, 12, 4);
  FillGlossy(cr, 434, Y(164), 686, Y(176), Hex(0x9a5a30), 2);
  // A worktop left of the stove, whose back edge hides the cook's legs where he waits.
  RoundedRect(cr, 300, Y(244), 150, 16, 4);
  FillGlossy(cr, 300, Y(244), 450, Y(260), Lighter(k.Shelf, 0.25), 2);
  cairo_rectangle(cr, 302, Y(260), 146, Y(440) - Y(260));
  VerticalGradient(cr, Y(260), Y(440), Darker(k.Shelf, 0.1), Darker(k.Shelf, 0.35));
  cairo_fill(cr);
  for (double y = Y(300); y < Y(440); y += 46) {
    RoundedRect(cr, 312, y, 126, 36, 5);
    SetColor(cr, WithAlpha(kDarkWood, 0.35));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  // The stock pot on the stove's right burner: the placed ingredients fly into it.
  Ellipse(cr, 562, Y(246), 42, 7);
  SetColor(cr, WithAlpha(kGroundShadow, 0.3));
  cairo_fill(cr);
  for (int side = -1; side <= 1; side += 2) {
    RoundedRect(cr, 562 + side * 40 - 6, Y(204), 12, 10, 4);
    FillGlossy(cr, 562 + side * 40 - 6, Y(204), 562 + side * 40 + 6, Y(214), Hex(0x4a4048), 1.5);
  }
  cairo_move_to(cr, 526, Y(196));
  cairo_line_to(cr, 528, Y(240));
  cairo_curve_to(cr, 540, Y(250), 584, Y(250), 596, Y(240));
  cairo_line_to(cr, 598, Y(196));
  cairo_close_path(cr);
  FillGlossy(cr, 524, Y(196), 600, Y(250), Hex(0x7a8aa0), 2.5);
  Ellipse(cr, 562, Y(196), 38, 9);
  FillGlossy(cr, 524, Y(187), 600, Y(205), Hex(0x8a9ab0), 2);
  Ellipse(cr, 562, Y(197), 31, 6);
  SetColor(cr, Hex(0x5a3a20));
  cairo_fill(cr);

  // Left: a window and three shelves.
  Window(cr, 60, 128, 170, 40, island.Number);
  Shelf(cr, n, 20, 300, 190, k);
  Shelf(cr, n, 20, 300, 290, k);
  Shelf(cr, n, 20, 300, 390, k);
  // Right: the dresser from the beam to the floor.
  RoundedRect(cr, 690, Y(112), 300, kH, 8);
  FillGlossy(cr, 690, Y(112), 990, kH, k.Shelf, 3);
  RoundedRect(cr, 704, Y(118), 272, kH, 6);
  SetColor(cr, Darker(k.Shelf, 0.35));
  cairo_fill(cr);
  cairo_move_to(cr, 690, Y(112));
  for (int i = 0; i < 10; ++i) cairo_curve_to(cr, 705 + i * 30, Y(128), 715 + i * 30, Y(128), 720 + i * 30, Y(112));
  FillGlossy(cr, 690, Y(112), 990, Y(128), k.Shelf, 2);
  for (double shelf : {196.0, 276.0, 356.0, 446.0, 536.0}) Shelf(cr, n, 700, 982, shelf, k);

  // The counter: top and a dark front of planks.
  RoundedRect(cr, 12, Y(440), 686, 22, 6);
  PathShadow(cr, 0, 4, 0.35);
  FillGlossy(cr, 12, Y(440), 698, Y(462), Lighter(k.Shelf, 0.25), 2);
  cairo_rectangle(cr, 16, Y(462), 680, kH);
  VerticalGradient(cr, Y(462), kH, Darker(k.Shelf, 0.15), Darker(k.Shelf, 0.45));
  cairo_fill(cr);
  for (double x = 16 + 85; x < 690; x += 85) {
    cairo_move_to(cr, x, Y(464));
    cairo_line_to(cr, x, kH);
    Stroke(cr, WithAlpha(kDarkWood, 0.5), 2);
  }
  // The recipe board stands on the counter behind the badge, the row and the bar.
  WoodFrame(cr, 380, Y(392), 284, 184, 14, 8);
  ParchmentPanel(cr, 388, Y(400), 268, 168, 10, k.Seed);

  // The frame over everything.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kW, kH);
  RoundedRect(cr, 18, 18, kW - 36, kH - 36, 18);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr);
  WoodFrame(cr, 2, 2, kW - 4, kH - 4, 28, 18);
  cairo_restore(cr);
}

}  // namespace assetgen
