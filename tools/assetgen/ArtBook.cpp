// The island hub: the town square at its five stages, the stickers that the book adds to
// it, the townsfolk, the book's progress tube, the heroine's pocket and the small heroine.
// Stickers are drawn in screen coordinates inside the box the layout gives them, so what
// they show lands exactly where the book puts the picture.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "Painters.h"
#include "metagame/TBookFigures.h"
#include "metagame/TStickerBookLayout.h"

namespace assetgen {

namespace {
const double kPi = M_PI;
using TLayout = TStickerBookLayout;

// The town's own colours.
const TColor kCobble = Hex(0xc9b79a);
const TColor kCobbleDark = Hex(0xa08a6a);
const TColor kEarth = Hex(0xd2b27e);
const TColor kStone = Hex(0xb8c0c8);
const TColor kSlate = Hex(0x6a7fa8);
const TColor kPlaster = Hex(0xf6e2c0);
const TColor kLitWindow = Hex(0xffe27a);
const TColor kDarkWindow = Hex(0x5a6a7a);
const TColor kWater = Hex(0x6cc6ee);
const TColor kStraw = Hex(0xe8b84a);
const TColor kMarigold = Hex(0xff9a1a);
const TColor kLavender = Hex(0x9a7ae0);
const TColor kAwningRed = Hex(0xe0584a);



void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry) {
  Ellipse(cr, cx, cy, rx, ry);
  FillWith(cr, WithAlpha(kGroundShadow, 0.22));
}

void Box(cairo_t* cr, double x0, double y0, double x1, double y1, const TColor& c,
         double outline = 2, double radius = 3) {
  RoundedRect(cr, x0, y0, x1 - x0, y1 - y0, radius);
  FillGlossy(cr, x0, y0, x1, y1, c, outline);
}

// A leafy crown of overlapping circles.
void Crown(cairo_t* cr, double cx, double cy, double r, const TColor& leaves) {
  cairo_new_path(cr);
  const double blobs[][3] = {{0, -0.35, 0.7}, {-0.5, 0.05, 0.6}, {0.5, 0.05, 0.6}, {0, 0.25, 0.65}};
  for (auto& b : blobs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + b[0] * r, cy + b[1] * r, b[2] * r, 0, 2 * kPi);
  }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  FillGlossy(cr, cx - r * 1.1, cy - r * 1.05, cx + r * 1.1, cy + r * 0.9, leaves, 2);
}

void Flower(cairo_t* cr, double x, double y, double r, const TColor& petals, const TColor& heart) {
  for (int k = 0; k < 5; ++k) {
    cairo_arc(cr, x + std::cos(k * 1.2566) * r, y + std::sin(k * 1.2566) * r, r * 0.75, 0, 2 * kPi);
    FillWith(cr, petals);
  }
  cairo_arc(cr, x, y, r * 0.55, 0, 2 * kPi);
  FillWith(cr, heart);
}

void Bee(cairo_t* cr, double x, double y) {
  Ellipse(cr, x - 2, y - 4, 3, 2.5);
  FillWith(cr, WithAlpha(kWhite, 0.85));
  Ellipse(cr, x + 2, y - 4, 3, 2.5);
  FillWith(cr, WithAlpha(kWhite, 0.85));
  Ellipse(cr, x, y, 4.5, 3.2);
  FillGlossy(cr, x - 4.5, y - 3.2, x + 4.5, y + 3.2, kStarGold, 1);
  cairo_move_to(cr, x - 1, y - 3);
  cairo_line_to(cr, x - 1, y + 3);
  cairo_move_to(cr, x + 1.8, y - 2.8);
  cairo_line_to(cr, x + 1.8, y + 2.8);
  StrokeRound(cr, kDarkWood, 1.2);
}

void Lantern(cairo_t* cr, double x, double y, double r, const TColor& c) {
  RadialGlow(cr, x, y, r * 2.2, WithAlpha(kGlow, 0.45));
  Ellipse(cr, x, y, r, r * 1.15);
  FillGlossy(cr, x - r, y - r * 1.15, x + r, y + r * 1.15, c, 1.2);
  cairo_move_to(cr, x - r * 0.6, y - r * 1.1);
  cairo_line_to(cr, x + r * 0.6, y - r * 1.1);
  StrokeRound(cr, kDarkWood, 1.5);
}

// A rope sagging from a to b through n lanterns (or flags).
double SagY(double x0, double y0, double x1, double y1, double sag, double x) {
  const double t = (x - x0) / (x1 - x0);
  return y0 + (y1 - y0) * t + sag * 4 * t * (1 - t);
}

// ---- The town stage -------------------------------------------------------------

struct THouse {
  double X0, X1, RoofTop;
  std::uint32_t Wall, Roof;
};

void House(cairo_t* cr, const THouse& h, int stage, int index) {
  const double base = 238, eaves = h.RoofTop + (h.X1 - h.X0) * 0.32;
  // Bare and grey at first; painted walls from the first finished island on.
  const TColor wall = stage == 0 ? Mix(Hex(h.Wall), Hex(0xb8b0a4), 0.55) : Hex(h.Wall);
  const TColor roof = stage == 0 ? Mix(Hex(h.Roof), Hex(0x8a8078), 0.5) : Hex(h.Roof);
  RoundedRect(cr, h.X0 + 4, eaves, h.X1 - h.X0 - 8, base - eaves, 2);
  FillGlossy(cr, h.X0 + 4, eaves, h.X1 - 4, base, wall, 2.5);
  cairo_move_to(cr, h.X0 - 4, eaves + 4);
  cairo_line_to(cr, (h.X0 + h.X1) / 2, h.RoofTop);
  cairo_line_to(cr, h.X1 + 4, eaves + 4);
  cairo_close_path(cr);
  FillGlossy(cr, h.X0 - 4, h.RoofTop, h.X1 + 4, eaves + 4, roof, 2.5);
  // Chimney, smoking once the town is alive.
  const double cx = h.X0 + (h.X1 - h.X0) * (index % 2 ? 0.72 : 0.28);
  const double cy = SagY(h.X0, eaves, (h.X0 + h.X1) / 2, h.RoofTop, 0, cx) + 4;
  if (index % 3 != 2) {
    Box(cr, cx - 7, cy - 22, cx + 7, cy + 2, Hex(0xa05a40), 1.5, 1);
    if (stage >= 2)
      for (int k = 0; k < 3; ++k) {
        cairo_arc(cr, cx + 4 + k * 6, cy - 30 - k * 10, 5 + k * 2, 0, 2 * kPi);
        FillWith(cr, WithAlpha(kWhite, 0.55 - k * 0.12));
      }
  }
  // Windows: lit from stage 3 on, a boarded one at stage 0.
  const int columns = std::max(1, static_cast<int>((h.X1 - h.X0) / 46));
  for (int c = 0; c < columns; ++c) {
    const double wx = h.X0 + (h.X1 - h.X0) * (c + 0.5) / columns;
    for (double wy : {eaves + 14.0, eaves + 58.0}) {
      if (wy + 26 > base - 6) continue;
      RoundedRect(cr, wx - 10, wy, 20, 24, 4);
      FillGlossy(cr, wx - 10, wy, wx + 10, wy + 24, stage >= 3 ? kLitWindow : kDarkWindow, 2);
      if (stage == 0 && (c + index) % 3 == 0) {
        cairo_move_to(cr, wx - 13, wy + 4);
        cairo_line_to(cr, wx + 13, wy + 18);
        cairo_move_to(cr, wx - 13, wy + 18);
        cairo_line_to(cr, wx + 13, wy + 6);
        StrokeRound(cr, kWood, 4);
      }
      if (stage >= 1) {  // a window box of flowers
        Box(cr, wx - 12, wy + 24, wx + 12, wy + 29, kWood, 1, 1);
        for (int f = 0; f < 3; ++f)
          Flower(cr, wx - 7 + f * 7, wy + 22, 2.4, f == 1 ? Hex(0xffd83a) : Hex(0xff7aa8),
                 Hex(0xffe8a0));
      }
      if (stage >= 2) {  // shutters
        Box(cr, wx - 16, wy, wx - 11, wy + 24, Hex(0x5a9ad0), 1, 1);
        Box(cr, wx + 11, wy, wx + 16, wy + 24, Hex(0x5a9ad0), 1, 1);
      }
    }
  }
  // A pennant on the ridge from stage 3.
  if (stage >= 3 && index % 2 == 0) {
    const double px = (h.X0 + h.X1) / 2;
    cairo_move_to(cr, px, h.RoofTop);
    cairo_line_to(cr, px, h.RoofTop - 20);
    StrokeRound(cr, kDarkWood, 2);
    cairo_move_to(cr, px, h.RoofTop - 20);
    cairo_line_to(cr, px + 16, h.RoofTop - 15);
    cairo_line_to(cr, px, h.RoofTop - 10);
    cairo_close_path(cr);
    FillWith(cr, index % 4 ? Hex(0xe0584a) : Hex(0x4aa0e0));
  }
}

void Restaurant(cairo_t* cr, int stage) {
  // The annex with the way out, right of the front.
  RoundedRect(cr, 828, 150, 76, 88, 2);
  FillGlossy(cr, 828, 150, 904, 238, Hex(0xf0d8b0), 2.5);
  cairo_move_to(cr, 822, 156);
  cairo_line_to(cr, 866, 124);
  cairo_line_to(cr, 910, 156);
  cairo_close_path(cr);
  FillGlossy(cr, 822, 124, 910, 156, kBrick, 2.5);
  RoundedRect(cr, 848, 168, 36, 70, 16);
  FillGlossy(cr, 848, 168, 884, 238, kWood, 2);
  cairo_arc(cr, 877, 206, 2.5, 0, 2 * kPi);
  FillWith(cr, kGold);
  // The front: timber and plaster, a big window where a guest eats, a sign board above.
  RoundedRect(cr, 566, 64, 258, 174, 4);
  FillGlossy(cr, 566, 64, 824, 238, Hex(0xfbe8c8), 3);
  for (double x : {574.0, 816.0}) {
    RoundedRect(cr, x - 6, 64, 12, 174, 2);
    FillGlossy(cr, x - 6, 64, x + 6, 238, kWood, 2);
  }
  cairo_move_to(cr, 556, 72);
  cairo_line_to(cr, 695, 20);
  cairo_line_to(cr, 834, 72);
  cairo_close_path(cr);
  FillGlossy(cr, 556, 20, 834, 72, Hex(0xd0584a), 3);
  // Round attic window.
  cairo_arc(cr, 695, 54, 11, 0, 2 * kPi);
  FillGlossy(cr, 684, 43, 706, 65, kLitWindow, 2);
  // The eating window: a warm room with a table in front of where the guest sits.
  RoundedRect(cr, 614, 108, 128, 92, 10);
  FillGlossy(cr, 614, 108, 742, 200, kWood, 3);
  RoundedRect(cr, 622, 116, 112, 76, 7);
  VerticalGradient(cr, 116, 192, Hex(0xffe6a8), Hex(0xf0b060));
  cairo_fill(cr);
  RadialGlow(cr, 678, 140, 50, WithAlpha(kWhite, 0.35));
  RoundedRect(cr, 630, 176, 96, 10, 3);
  FillGlossy(cr, 630, 176, 726, 186, Hex(0xf4f4f4), 1.5);
  Box(cr, 614, 198, 742, 206, kWood, 2, 2);
  if (stage >= 1)
    for (int f = 0; f < 7; ++f)
      Flower(cr, 622 + f * 19, 196, 3.2, f % 2 ? kMarigold : Hex(0xff7aa8), Hex(0xfff0a0));
  // Sign board with a cooking pot on it.
  RoundedRect(cr, 636, 74, 118, 28, 8);
  FillGlossy(cr, 636, 74, 754, 102, kHoney, 2.5);
  Ellipse(cr, 695, 90, 14, 8);
  FillGlossy(cr, 681, 82, 709, 98, kDarkWood, 1.5);
  cairo_move_to(cr, 676, 84);
  cairo_line_to(cr, 714, 84);
  StrokeRound(cr, kDarkWood, 3);
  // A side window and the awning of the door.
  RoundedRect(cr, 760, 130, 40, 50, 6);
  FillGlossy(cr, 760, 130, 800, 180, stage >= 3 ? kLitWindow : Hex(0xf8d890), 2);
  if (stage >= 4) {
    // Festival lights along the eaves.
    for (int i = 0; i <= 12; ++i) {
      const double t = i / 12.0, x = 566 + t * 258, y = 70 + 6 * std::sin(t * kPi);
      RadialGlow(cr, x, y, 6, WithAlpha(kGlow, 0.9));
      cairo_arc(cr, x, y, 2.5, 0, 2 * kPi);
      FillWith(cr, i % 3 == 0 ? Hex(0xff6a6a) : (i % 3 == 1 ? kGlow : Hex(0x7ad0ff)));
    }
  }
}

}  // namespace

void PaintTownStage(TCanvas& c, const TAssetSpec&, TTownStage stage) {
  cairo_t* cr = c.Cr();
  const int s = stage.Stage;
  // Sky: grey and still at first, clearer with every island.
  const TColor grey = Hex(0xb8c4cc);
  VerticalGradient(cr, 0, 260, Mix(grey, kSky, s / 4.0), Mix(Hex(0xe8e4dc), kSkyHaze, s / 4.0));
  cairo_paint(cr);
  RadialGlow(cr, 470, 20, 220, WithAlpha(kSunlight, 0.15 + 0.1 * s));
  TNoise n(700 + s);
  for (int i = 0; i < 3; ++i) Cloud(cr, 120 + i * 430 + n.Range(0, 80), 30 + n.Range(0, 30), 0.5, 0.8);
  // The sea on the horizon and the far hills.
  cairo_rectangle(cr, 0, 92, 1366, 60);
  VerticalGradient(cr, 92, 152, Hex(0x7ac0e0), Hex(0x5aa0d0));
  cairo_fill(cr);
  for (int i = 0; i < 30; ++i) {
    const double x = n.Range(0, 1366), y = n.Range(98, 130);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 10, y);
    StrokeRound(cr, WithAlpha(kWhite, 0.5), 1.5);
  }
  cairo_move_to(cr, 880, 160);
  cairo_curve_to(cr, 960, 90, 1100, 70, 1200, 110);
  cairo_curve_to(cr, 1260, 80, 1330, 90, 1366, 100);
  cairo_line_to(cr, 1366, 240);
  cairo_line_to(cr, 880, 240);
  cairo_close_path(cr);
  VerticalGradient(cr, 70, 240, Mix(kFarMeadow, grey, 0.5 - s * 0.1), Darker(kMeadow, 0.1));
  cairo_fill(cr);
  if (s >= 4) {
    // A rainbow over the right-hand street.
    const std::uint32_t bands[] = {0xff6a6a, 0xffb84a, 0xffe86a, 0x7ad07a, 0x6ab0ff, 0xa07ae0};
    for (int i = 0; i < 6; ++i) {
      cairo_arc(cr, 1150, 250, 160 - i * 9, kPi * 1.05, kPi * 1.95);
      StrokeRound(cr, WithAlpha(Hex(bands[i]), 0.45), 9);
    }
  }
  if (s >= 2)
    for (int i = 0; i < 7; ++i) {
      const double x = 1240 + i * 18, y = 104 + (i % 3) * 6;
      cairo_move_to(cr, x - 9, y + 22);
      cairo_line_to(cr, x, y);
      cairo_line_to(cr, x + 9, y + 22);
      cairo_close_path(cr);
      FillGlossy(cr, x - 9, y, x + 9, y + 22, kPineGreen, 1.5);
    }
  // The back row of houses along the street. The middle-left ones stay low so the sky
  // above them is free for the lighthouse and the fireworks.
  const THouse houses[] = {{-20, 136, 36, 0xf0c8a0, 0x8a5a8a},  {138, 236, 58, 0xc8e0f0, 0xc0503a},
                           {240, 332, 122, 0xf6e2c0, 0x5a7ab0}, {334, 426, 118, 0xf8d0c8, 0x6a9a4a},
                           {428, 556, 114, 0xe8f0d0, 0xb0603a}, {906, 1004, 128, 0xf0e0b0, 0x5a7ab0}};
  int index = 0;
  for (const THouse& h : houses) House(cr, h, s, index++);
  // The empty lots on the right-hand street, with a fence, until the bakery comes.
  for (double x = 1010; x < 1360; x += 16) {
    RoundedRect(cr, x, 206, 8, 32, 3);
    FillGlossy(cr, x, 206, x + 8, 238, Mix(kLightWood, grey, s == 0 ? 0.5 : 0), 1.2);
  }
  cairo_rectangle(cr, 1008, 214, 352, 5);
  FillWith(cr, kWood);
  Restaurant(cr, s);

  // The street: cobbles from the houses down to the kerb of the square.
  cairo_rectangle(cr, 0, 236, 1366, 58);
  VerticalGradient(cr, 236, 294, Lighter(kCobble, 0.1), kCobble);
  cairo_fill(cr);
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 100; ++col) {
      const double x = col * 15 + (row % 2) * 7 + n.Range(-2, 2), y = 241 + row * 10;
      RoundedRect(cr, x, y, 12, 8, 3);
      SetColor(cr, WithAlpha(kCobbleDark, 0.35));
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
    }
  cairo_rectangle(cr, 0, 288, 1366, 7);
  VerticalGradient(cr, 288, 295, kStone, Darker(kStone, 0.25));
  cairo_fill(cr);

  // The square: trodden earth, warmer as the town wakes.
  cairo_rectangle(cr, 0, 295, 1366, 473);
  VerticalGradient(cr, 295, 768, Mix(kEarth, grey, 0.35 - s * 0.07), Darker(kEarth, 0.15));
  cairo_fill(cr);
  for (int i = 0; i < 260; ++i) {
    const double x = n.Range(0, 1366), y = n.Range(300, 768);
    Ellipse(cr, x, y, n.Range(2, 6), n.Range(1, 3));
    FillWith(cr, WithAlpha(i % 3 ? Darker(kEarth, 0.3) : Lighter(kEarth, 0.4), 0.5));
  }
  // Tufts of grass in the corners even on the barest day.
  for (int i = 0; i < 40; ++i) {
    const double x = i < 20 ? n.Range(0, 140) : n.Range(1230, 1366), y = n.Range(320, 760);
    for (int k = -1; k <= 1; ++k) {
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + k * 4, y - 8);
    }
    StrokeRound(cr, kDeepLeaf, 2);
  }
}

// ---- Stickers -------------------------------------------------------------------

namespace {

void Meadow(cairo_t* cr) {
  TNoise n(44);
  // The lawn: everything below the kerb, with a soft wavy edge that never reaches the street.
  cairo_move_to(cr, 0, 768);
  for (int x = 0; x <= 1366; x += 8) cairo_line_to(cr, x, 298 + 3 * std::sin(x * 0.05));
  cairo_line_to(cr, 1366, 768);
  cairo_close_path(cr);
  VerticalGradient(cr, 296, 768, Hex(0x9ad86a), Hex(0x5aa84a));
  cairo_fill(cr);
  // Worn sandy paths where the townsfolk walk, with round ends.
  auto path = [&](std::initializer_list<double> xy, double width) {
    const double* p = xy.begin();
    cairo_move_to(cr, p[0], p[1]);
    cairo_curve_to(cr, p[2], p[3], p[4], p[5], p[6], p[7]);
    cairo_path_t* line = cairo_copy_path(cr);
    StrokeRound(cr, WithAlpha(Hex(0xc8b078), 0.5), width + 4);
    cairo_append_path(cr, line);
    StrokeRound(cr, WithAlpha(Hex(0xecdcaa), 0.85), width);
    cairo_path_destroy(line);
  };
  path({548, 478, 660, 452, 860, 486, 1106, 466}, 16);
  path({796, 530, 900, 518, 1000, 534, 1106, 520}, 12);
  path({136, 402, 180, 396, 240, 404, 290, 398}, 10);
  // Mown stripes, tufts and flowers.
  for (int i = 0; i < 9; ++i) {
    cairo_rectangle(cr, 0, 320 + i * 50, 1366, 22);
    FillWith(cr, WithAlpha(kWhite, 0.04));
  }
  for (int i = 0; i < 700; ++i) {
    const double x = n.Range(0, 1366), y = n.Range(306, 768);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - 2, y - 5);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 2, y - 6);
    StrokeRound(cr, WithAlpha(Hex(0x3f8a3a), 0.6), 1.4);
  }
  const std::uint32_t petals[] = {0xffffff, 0xff9ccc, 0xffd83a, 0x9a8cff, 0xff7a5a};
  for (int i = 0; i < 260; ++i) {
    const double x = n.Range(0, 1366), y = n.Range(310, 768);
    Flower(cr, x, y, 2 + (y - 300) / 140, Hex(petals[n.Int(5)]), Hex(0xffcc33));
  }
}

void MarketStall(cairo_t* cr) {
  GroundShadow(cr, 207, 398, 66, 5);
  for (double x : {152.0, 258.0}) Box(cr, x, 312, x + 8, 398, kWood, 1.5, 2);
  Box(cr, 148, 352, 268, 396, kLightWood, 2, 4);
  for (int i = 0; i < 3; ++i) Box(cr, 156 + i * 36, 360, 186 + i * 36, 390, Hex(0xb07a42), 1.5, 2);
  // Fruit heaped in the crates and on the counter.
  const int fruit[] = {4, 5, 3, 2, 1, 7};
  for (int i = 0; i < 6; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 152 + i * 19, 330 + (i % 2) * 4);
    DrawElement(cr, fruit[i], 26);
    cairo_restore(cr);
  }
  // Striped awning with a scalloped edge.
  cairo_save(cr);
  cairo_move_to(cr, 142, 330);
  cairo_line_to(cr, 150, 298);
  cairo_line_to(cr, 264, 298);
  cairo_line_to(cr, 272, 330);
  cairo_close_path(cr);
  cairo_clip_preserve(cr);
  FillWith(cr, kCream);
  for (int i = 0; i < 7; ++i) {
    cairo_rectangle(cr, 142 + i * 36, 296, 18, 40);
    FillWith(cr, kAwningRed);
  }
  cairo_restore(cr);
  for (int i = 0; i < 7; ++i) {
    cairo_arc(cr, 151 + i * 18.5, 330, 9, 0, kPi);
    FillWith(cr, i % 2 ? kCream : kAwningRed);
  }
  cairo_move_to(cr, 142, 330);
  cairo_line_to(cr, 150, 298);
  cairo_line_to(cr, 264, 298);
  cairo_line_to(cr, 272, 330);
  StrokeRound(cr, Darker(kAwningRed, 0.5), 2);
}

void Windmill(cairo_t* cr) {
  cairo_move_to(cr, 840, 108);
  cairo_curve_to(cr, 860, 88, 916, 86, 936, 108);
  cairo_close_path(cr);
  FillGlossy(cr, 840, 88, 936, 108, kFarMeadow, 1.5);
  cairo_move_to(cr, 870, 100);
  cairo_line_to(cr, 879, 40);
  cairo_line_to(cr, 897, 40);
  cairo_line_to(cr, 906, 100);
  cairo_close_path(cr);
  FillGlossy(cr, 870, 40, 906, 100, kPlaster, 2);
  RoundedRect(cr, 882, 80, 12, 20, 5);
  FillGlossy(cr, 882, 80, 894, 100, kWood, 1.5);
  cairo_arc(cr, 888, 40, 14, kPi, 2 * kPi);
  cairo_close_path(cr);
  FillGlossy(cr, 874, 26, 902, 40, kBrick, 2);
  for (int k = 0; k < 4; ++k) {
    cairo_save(cr);
    cairo_translate(cr, 888, 36);
    cairo_rotate(cr, kPi / 6 + k * kPi / 2);
    RoundedRect(cr, 4, -6, 38, 12, 2);
    FillGlossy(cr, 4, -6, 42, 6, Hex(0xf4ecd8), 1.5);
    for (int r = 1; r < 4; ++r) {
      cairo_move_to(cr, 4 + r * 9.5, -6);
      cairo_line_to(cr, 4 + r * 9.5, 6);
    }
    StrokeRound(cr, kWood, 1);
    cairo_restore(cr);
  }
  cairo_arc(cr, 888, 36, 4, 0, 2 * kPi);
  FillGlossy(cr, 884, 32, 892, 40, kDarkWood, 1);
}

void Bakery(cairo_t* cr) {
  RoundedRect(cr, 1024, 160, 174, 78, 2);
  FillGlossy(cr, 1024, 160, 1198, 238, Hex(0xf8e0c0), 2.5);
  cairo_move_to(cr, 1014, 166);
  cairo_line_to(cr, 1046, 128);
  cairo_line_to(cr, 1178, 128);
  cairo_line_to(cr, 1208, 166);
  cairo_close_path(cr);
  FillGlossy(cr, 1014, 128, 1208, 166, Hex(0xa0583a), 2.5);
  for (int r = 0; r < 3; ++r) {
    cairo_move_to(cr, 1030 - r * 5, 140 + r * 10);
    cairo_line_to(cr, 1192 + r * 5, 140 + r * 10);
  }
  StrokeRound(cr, WithAlpha(kDarkWood, 0.3), 1.5);
  // The oven's chimney stands on the roof, smoking.
  Box(cr, 1150, 132, 1164, 146, Hex(0xa05a40), 1.5, 1);
  for (int k = 0; k < 3; ++k) {
    cairo_arc(cr, 1160 + k * 7, 126 - k * 2, 3.5 + k, 0, 2 * kPi);
    FillWith(cr, WithAlpha(kWhite, 0.6 - k * 0.15));
  }
  // Shop window full of loaves, the door, and a striped awning.
  RoundedRect(cr, 1036, 180, 82, 46, 6);
  FillGlossy(cr, 1036, 180, 1118, 226, kLitWindow, 2);
  for (int i = 0; i < 3; ++i) {
    Ellipse(cr, 1052 + i * 25, 214, 11, 7);
    FillGlossy(cr, 1041 + i * 25, 207, 1063 + i * 25, 221, Hex(0xd08a3a), 1.5);
  }
  RoundedRect(cr, 1136, 178, 34, 60, 14);
  FillGlossy(cr, 1136, 178, 1170, 238, kWood, 2);
  for (int i = 0; i < 5; ++i) {
    cairo_rectangle(cr, 1032 + i * 18, 170, 18, 10);
    FillWith(cr, i % 2 ? kCream : Hex(0x6ab04a));
  }
  // A pretzel sign on its bracket.
  cairo_move_to(cr, 1198, 172);
  cairo_line_to(cr, 1210, 172);
  StrokeRound(cr, kDarkWood, 3);
  cairo_arc(cr, 1204, 190, 7, 0, 2 * kPi);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 1198, 196, 5, 0, 2 * kPi);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 1210, 196, 5, 0, 2 * kPi);
  StrokeRound(cr, Hex(0xc07a30), 3.5);
}

void Lighthouse(cairo_t* cr) {
  // Light beams over the sea.
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, 316, 22);
    cairo_line_to(cr, 316 + side * 100, 6);
    cairo_line_to(cr, 316 + side * 100, 40);
    cairo_close_path(cr);
    cairo_pattern_t* beam = cairo_pattern_create_linear(316, 0, 316 + side * 100, 0);
    AddStop(beam, 0, WithAlpha(kGlow, 0.55));
    AddStop(beam, 1, WithAlpha(kGlow, 0));
    cairo_set_source(cr, beam);
    cairo_fill(cr);
    cairo_pattern_destroy(beam);
  }
  cairo_move_to(cr, 240, 108);
  cairo_curve_to(cr, 262, 84, 300, 78, 330, 80);
  cairo_curve_to(cr, 370, 82, 400, 96, 418, 108);
  cairo_close_path(cr);
  FillGlossy(cr, 240, 78, 418, 108, Hex(0x8a9a6a), 2);
  for (int i = 0; i < 4; ++i) {
    Ellipse(cr, 262 + i * 40, 104 - (i % 2) * 4, 12, 6);
    FillGlossy(cr, 250 + i * 40, 96, 274 + i * 40, 110, kStone, 1.5);
  }
  cairo_move_to(cr, 304, 86);
  cairo_line_to(cr, 308, 30);
  cairo_line_to(cr, 324, 30);
  cairo_line_to(cr, 328, 86);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  FillWith(cr, kWhite);
  for (int i = 0; i < 3; ++i) {
    cairo_rectangle(cr, 300, 36 + i * 18, 32, 9);
    FillWith(cr, Hex(0xe0584a));
  }
  cairo_restore(cr);
  cairo_move_to(cr, 304, 86);
  cairo_line_to(cr, 308, 30);
  cairo_line_to(cr, 324, 30);
  cairo_line_to(cr, 328, 86);
  cairo_close_path(cr);
  StrokeRound(cr, kDarkWood, 1.5);
  Box(cr, 303, 26, 329, 31, kDarkWood, 1, 1);
  RadialGlow(cr, 316, 20, 16, WithAlpha(kGlow, 0.9));
  RoundedRect(cr, 309, 13, 14, 13, 3);
  FillGlossy(cr, 309, 13, 323, 26, kLitWindow, 1.5);
  cairo_move_to(cr, 306, 13);
  cairo_line_to(cr, 316, 3);
  cairo_line_to(cr, 326, 13);
  cairo_close_path(cr);
  FillGlossy(cr, 306, 3, 326, 13, Hex(0xe0584a), 1.5);
}

void Fountain(cairo_t* cr) {
  GroundShadow(cr, 680, 448, 100, 14);
  Ellipse(cr, 680, 432, 96, 28);
  FillGlossy(cr, 584, 404, 776, 460, kStone, 2.5);
  Ellipse(cr, 680, 426, 82, 18);
  VerticalGradient(cr, 408, 444, Lighter(kWater, 0.2), kWater);
  cairo_fill(cr);
  for (int i = 0; i < 5; ++i) {
    Ellipse(cr, 680, 426, 20 + i * 14, 4 + i * 3);
    StrokeRound(cr, WithAlpha(kWhite, 0.35), 1.2);
  }
  Box(cr, 670, 352, 690, 428, kStone, 2, 4);
  Ellipse(cr, 680, 352, 36, 10);
  FillGlossy(cr, 644, 342, 716, 362, kStone, 2);
  Ellipse(cr, 680, 349, 28, 5);
  FillWith(cr, kWater);
  Box(cr, 675, 318, 685, 348, kStone, 1.5, 3);
  // Jets falling into the bowl and the basin.
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, 680, 318);
    cairo_curve_to(cr, 680 + side * 20, 300, 680 + side * 34, 316, 680 + side * 36, 346);
    StrokeRound(cr, WithAlpha(Hex(0xc8f0ff), 0.9), 3);
    cairo_move_to(cr, 680 + side * 34, 354);
    cairo_curve_to(cr, 680 + side * 50, 352, 680 + side * 60, 380, 680 + side * 62, 418);
    StrokeRound(cr, WithAlpha(Hex(0xc8f0ff), 0.8), 2.5);
  }
  for (int i = 0; i < 10; ++i) {
    cairo_arc(cr, 610 + i * 14, 412 + (i % 3) * 3, 1.8, 0, 2 * kPi);
    FillWith(cr, WithAlpha(kWhite, 0.8));
  }
  cairo_arc(cr, 680, 314, 4, 0, 2 * kPi);
  FillGlossy(cr, 676, 310, 684, 318, kGold, 1);
}

void PlumTree(cairo_t* cr) {
  GroundShadow(cr, 960, 404, 60, 7);
  Box(cr, 952, 340, 968, 404, kBark, 2, 3);
  Crown(cr, 960, 336, 44, kLeafGreen);
  TNoise n(10);
  for (int i = 0; i < 12; ++i) {
    const double x = n.Range(926, 994), y = n.Range(312, 360);
    cairo_save(cr);
    cairo_translate(cr, x - 8, y - 8);
    DrawElement(cr, 6, 16);
    cairo_restore(cr);
  }
  // A ladder against the tree and baskets full of plums.
  cairo_move_to(cr, 908, 404);
  cairo_line_to(cr, 934, 330);
  cairo_move_to(cr, 922, 408);
  cairo_line_to(cr, 946, 334);
  StrokeRound(cr, kLightWood, 3);
  for (int r = 0; r < 5; ++r) {
    const double t = 0.15 + r * 0.17;
    cairo_move_to(cr, 908 + 26 * t, 404 - 74 * t);
    cairo_line_to(cr, 922 + 24 * t, 408 - 74 * t);
  }
  StrokeRound(cr, kLightWood, 2.5);
  for (double bx : {864.0, 1010.0, 1060.0}) {
    GroundShadow(cr, bx, 408, 24, 4);
    for (int i = 0; i < 4; ++i) {
      cairo_save(cr);
      cairo_translate(cr, bx - 18 + i * 9, 378 - (i % 2) * 4);
      DrawElement(cr, 6, 15);
      cairo_restore(cr);
    }
    cairo_move_to(cr, bx - 22, 388);
    cairo_line_to(cr, bx + 22, 388);
    cairo_line_to(cr, bx + 17, 408);
    cairo_line_to(cr, bx - 17, 408);
    cairo_close_path(cr);
    FillGlossy(cr, bx - 22, 388, bx + 22, 408, kStraw, 2);
    for (int r = 0; r < 3; ++r) {
      cairo_move_to(cr, bx - 20 + r, 393 + r * 5);
      cairo_line_to(cr, bx + 20 - r, 393 + r * 5);
    }
    StrokeRound(cr, WithAlpha(kWood, 0.6), 1);
  }
}

void LongTable(cairo_t* cr) {
  GroundShadow(cr, 478, 414, 96, 7);
  // Benches either side, then the table with supper on it.
  Box(cr, 388, 386, 570, 394, kWood, 1.5, 2);
  for (double x : {396.0, 558.0}) Box(cr, x, 392, x + 6, 412, kDarkWood, 1, 1);
  cairo_move_to(cr, 400, 360);
  cairo_line_to(cr, 560, 360);
  cairo_line_to(cr, 572, 378);
  cairo_line_to(cr, 388, 378);
  cairo_close_path(cr);
  FillGlossy(cr, 388, 360, 572, 378, kLightWood, 2);
  for (double x : {398.0, 556.0}) Box(cr, x, 378, x + 8, 408, kWood, 1.5, 1);
  cairo_rectangle(cr, 408, 362, 144, 6);
  FillWith(cr, WithAlpha(kCream, 0.9));
  for (int i = 0; i < 5; ++i) {
    Ellipse(cr, 418 + i * 31, 370, 10, 3.5);
    FillGlossy(cr, 408 + i * 31, 366, 428 + i * 31, 374, kWhite, 1);
  }
  Ellipse(cr, 480, 356, 18, 8);
  FillGlossy(cr, 462, 348, 498, 364, Hex(0xd08a3a), 1.5);
  for (double x : {436.0, 520.0}) {
    Box(cr, x, 346, x + 9, 364, Hex(0xd0a060), 1.5, 2);
    cairo_rectangle(cr, x + 1, 346, 7, 3);
    FillWith(cr, kCream);
  }
  Box(cr, 546, 340, 550, 362, kCream, 1, 1);
  RadialGlow(cr, 548, 334, 9, WithAlpha(kGlow, 0.9));
  // The fiddler's fiddle left on the bench.
  cairo_save(cr);
  cairo_translate(cr, 412, 340);
  cairo_rotate(cr, -0.5);
  Ellipse(cr, 0, 18, 9, 13);
  FillGlossy(cr, -9, 5, 9, 31, Hex(0xb0602a), 1.5);
  Box(cr, -2, -18, 2, 8, kDarkWood, 1, 1);
  cairo_restore(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, 470 + i * 14, 336 - i * 6, 5, 0, 2 * kPi);
    FillWith(cr, WithAlpha(kWhite, 0.5 - i * 0.12));
  }
}

void CherryTree(cairo_t* cr) {
  GroundShadow(cr, 328, 436, 40, 5);
  Box(cr, 321, 360, 335, 436, kBark, 2, 3);
  cairo_move_to(cr, 328, 380);
  cairo_line_to(cr, 306, 356);
  cairo_move_to(cr, 328, 372);
  cairo_line_to(cr, 350, 350);
  StrokeRound(cr, kBark, 5);
  Crown(cr, 327, 336, 40, Hex(0xffb0cc));
  TNoise n(12);
  for (int i = 0; i < 14; ++i) {
    const double x = n.Range(296, 358), y = n.Range(312, 364);
    cairo_arc(cr, x, y, 3.5, 0, 2 * kPi);
    FillGlossy(cr, x - 3.5, y - 3.5, x + 3.5, y + 3.5, Hex(0xd8203a), 1);
  }
  for (int i = 0; i < 10; ++i) Flower(cr, n.Range(294, 360), n.Range(304, 366), 2.2, kWhite, Hex(0xffd0e0));
}

void Beehives(cairo_t* cr) {
  for (double x : {288.0, 386.0}) {
    cairo_move_to(cr, x, 598);
    cairo_line_to(cr, x + 2, 470);
    StrokeRound(cr, kGreenStem, 3);
    Flower(cr, x + 2, 466, 8, kStarGold, Hex(0x7a4a1a));
  }
  GroundShadow(cr, 337, 594, 58, 6);
  Box(cr, 282, 562, 392, 574, kWood, 2, 2);
  for (double x : {290.0, 378.0}) Box(cr, x, 572, x + 8, 596, kDarkWood, 1.5, 1);
  for (int i = 0; i < 3; ++i) {
    const double cx = 304 + i * 33;
    cairo_move_to(cr, cx - 15, 562);
    cairo_curve_to(cr, cx - 17, 528, cx + 17, 528, cx + 15, 562);
    cairo_close_path(cr);
    FillGlossy(cr, cx - 17, 530, cx + 17, 562, kStraw, 2);
    for (int r = 0; r < 4; ++r) {
      cairo_move_to(cr, cx - 15 + r * 1.5, 554 - r * 7);
      cairo_line_to(cr, cx + 15 - r * 1.5, 554 - r * 7);
    }
    StrokeRound(cr, WithAlpha(kWood, 0.6), 1.2);
    cairo_arc(cr, cx, 556, 3.5, kPi, 2 * kPi);
    FillWith(cr, kDarkWood);
  }
  Box(cr, 360, 580, 376, 596, Hex(0xf0b030), 1.5, 4);
  TNoise n(13);
  for (int i = 0; i < 7; ++i) Bee(cr, n.Range(290, 390), n.Range(480, 528));
}

void MarigoldBeds(cairo_t* cr) {
  TNoise n(14);
  const double beds[][4] = {{796, 478, 898, 512}, {904, 462, 1006, 496}};
  for (auto& b : beds) {
    GroundShadow(cr, (b[0] + b[2]) / 2, b[3] + 2, (b[2] - b[0]) / 2 + 4, 5);
    for (int i = 0; i < 16; ++i) {
      const double x = b[0] + 8 + (i % 8) * ((b[2] - b[0] - 16) / 7), y = b[1] - 10 + (i / 8) * 12 + n.Range(-3, 3);
      cairo_move_to(cr, x, y + 6);
      cairo_line_to(cr, x, b[1] + 4);
      StrokeRound(cr, kGreenStem, 2);
      Flower(cr, x, y, 5.5, i % 3 ? kMarigold : Hex(0xffcc1a), Hex(0xc0500a));
    }
    Box(cr, b[0], b[1], b[2], b[3], kWood, 2, 3);
    cairo_move_to(cr, b[0] + 4, (b[1] + b[3]) / 2);
    cairo_line_to(cr, b[2] - 4, (b[1] + b[3]) / 2);
    StrokeRound(cr, WithAlpha(kDarkWood, 0.4), 1.5);
  }
  // A watering can between the beds.
  Box(cr, 950, 500, 974, 518, kNavigateBlue, 1.5, 5);
  cairo_move_to(cr, 974, 506);
  cairo_line_to(cr, 990, 494);
  StrokeRound(cr, Darker(kNavigateBlue, 0.3), 3);
  Bee(cr, 830, 432);
  Bee(cr, 962, 428);
}

void ClockTower(cairo_t* cr) {
  Box(cr, 1254, 112, 1322, 238, Hex(0xd8c8b0), 2.5, 2);
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 3; ++c) {
      RoundedRect(cr, 1257 + c * 22 + (r % 2) * 10, 150 + r * 11, 18, 9, 2);
      SetColor(cr, WithAlpha(Darker(kStone, 0.3), 0.35));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
  cairo_move_to(cr, 1246, 116);
  cairo_line_to(cr, 1288, 78);
  cairo_line_to(cr, 1330, 116);
  cairo_close_path(cr);
  FillGlossy(cr, 1246, 78, 1330, 116, kSlate, 2.5);
  cairo_move_to(cr, 1288, 78);
  cairo_line_to(cr, 1288, 74);
  StrokeRound(cr, kDarkWood, 2);
  cairo_arc(cr, 1288, 140, 19, 0, 2 * kPi);
  FillGlossy(cr, 1269, 121, 1307, 159, kCream, 2.5);
  for (int h = 0; h < 12; ++h) {
    const double a = h * kPi / 6;
    cairo_move_to(cr, 1288 + std::cos(a) * 15, 140 + std::sin(a) * 15);
    cairo_line_to(cr, 1288 + std::cos(a) * 17, 140 + std::sin(a) * 17);
  }
  StrokeRound(cr, kDarkWood, 1.5);
  cairo_move_to(cr, 1288, 140);
  cairo_line_to(cr, 1288, 128);
  cairo_move_to(cr, 1288, 140);
  cairo_line_to(cr, 1297, 144);
  StrokeRound(cr, kDarkWood, 2);
  RoundedRect(cr, 1276, 168, 24, 24, 10);
  FillGlossy(cr, 1276, 168, 1300, 192, Hex(0x4a3a30), 1.5);
  Ellipse(cr, 1288, 184, 7, 8);
  FillGlossy(cr, 1281, 176, 1295, 192, kGold, 1.5);
  RoundedRect(cr, 1274, 206, 28, 32, 12);
  FillGlossy(cr, 1274, 206, 1302, 238, kWood, 2);
}

void LampPost(cairo_t* cr, double x, double feet) {
  GroundShadow(cr, x, feet, 22, 4);
  // A tub of lavender at the foot.
  for (int i = 0; i < 7; ++i) {
    const double lx = x - 15 + i * 5;
    cairo_move_to(cr, lx, feet - 12);
    cairo_line_to(cr, lx + (i - 3) * 1.2, feet - 30 - (i % 2) * 6);
    StrokeRound(cr, kGreenStem, 1.5);
    for (int k = 0; k < 4; ++k) {
      cairo_arc(cr, lx + (i - 3) * 1.2 * (0.6 + k * 0.1), feet - 22 - (i % 2) * 6 - k * 3, 2, 0, 2 * kPi);
      FillWith(cr, kLavender);
    }
  }
  Box(cr, x - 16, feet - 14, x + 16, feet, Hex(0xb06a3a), 2, 3);
  Box(cr, x - 3, feet - 116, x + 3, feet - 14, Hex(0x3a4a5a), 1.5, 1);
  cairo_arc(cr, x, feet - 116, 10, kPi, 2 * kPi);
  cairo_line_to(cr, x + 10, feet - 114);
  cairo_line_to(cr, x - 10, feet - 114);
  cairo_close_path(cr);
  RadialGlow(cr, x, feet - 112, 26, WithAlpha(kGlow, 0.6));
  RoundedRect(cr, x - 8, feet - 126, 16, 20, 4);
  FillGlossy(cr, x - 8, feet - 126, x + 8, feet - 106, kLitWindow, 1.5);
  cairo_move_to(cr, x - 11, feet - 126);
  cairo_line_to(cr, x, feet - 134);
  cairo_line_to(cr, x + 11, feet - 126);
  cairo_close_path(cr);
  FillGlossy(cr, x - 11, feet - 134, x + 11, feet - 126, Hex(0x3a4a5a), 1.5);
}

void Pond(cairo_t* cr) {
  cairo_new_path(cr);
  for (int i = 0; i <= 32; ++i) {
    const double a = i * 2 * kPi / 32, r = 1 + 0.06 * std::sin(a * 3) + 0.04 * std::sin(a * 5);
    const double x = 650 + std::cos(a) * 116 * r, y = 558 + std::sin(a) * 62 * r;
    if (i == 0) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  FillGlossy(cr, 530, 492, 770, 626, kStone, 3, true);
  cairo_new_path(cr);
  Ellipse(cr, 650, 560, 104, 52);
  VerticalGradient(cr, 508, 612, Hex(0x4aa0d8), Hex(0x2f7ab8));
  cairo_fill(cr);
  RadialGlow(cr, 640, 548, 70, WithAlpha(Hex(0xbff0ff), 0.35));
  // Lily pads with glowing flowers, ducks and reeds.
  const double pads[][2] = {{586, 560}, {700, 586}, {720, 536}, {612, 590}};
  for (auto& p : pads) {
    cairo_arc(cr, p[0], p[1], 11, 0.3, 2 * kPi - 0.1);
    cairo_line_to(cr, p[0], p[1]);
    cairo_close_path(cr);
    FillGlossy(cr, p[0] - 11, p[1] - 11, p[0] + 11, p[1] + 11, kYoungLeaf, 1.5);
  }
  for (int i = 0; i < 2; ++i) {
    RadialGlow(cr, pads[i][0], pads[i][1] - 3, 16, WithAlpha(Hex(0xd8f4ff), 0.8));
    Flower(cr, pads[i][0], pads[i][1] - 3, 4, Hex(0xf4f8ff), Hex(0xffe07a));
  }
  for (int d = 0; d < 2; ++d) {
    const double x = 648 + d * 40, y = 548 + d * 20;
    Ellipse(cr, x, y, 13, 7);
    FillGlossy(cr, x - 13, y - 7, x + 13, y + 7, d ? Hex(0xfff8e8) : Hex(0xffe08a), 1.5);
    cairo_arc(cr, x - 10, y - 9, 6, 0, 2 * kPi);
    FillGlossy(cr, x - 16, y - 15, x - 4, y - 3, d ? Hex(0xfff8e8) : Hex(0x4a9a5a), 1.5);
    cairo_move_to(cr, x - 16, y - 9);
    cairo_line_to(cr, x - 22, y - 7);
    cairo_line_to(cr, x - 16, y - 6);
    cairo_close_path(cr);
    FillWith(cr, kMarigold);
    cairo_arc(cr, x - 11, y - 10, 1.2, 0, 2 * kPi);
    FillWith(cr, kBlack);
  }
  for (int i = 0; i < 9; ++i) {
    const double x = i < 5 ? 540 + i * 6 : 744 + i * 5, base = i < 5 ? 586 : 574;
    cairo_move_to(cr, x, base);
    cairo_line_to(cr, x + (i % 2 ? 3 : -2), base - 40 - (i % 3) * 8);
    StrokeRound(cr, kGreenStem, 2);
    if (i % 2 == 0) {
      Ellipse(cr, x + (i % 2 ? 3 : -2), base - 36 - (i % 3) * 8, 2.5, 7);
      FillWith(cr, kWood);
    }
  }
}

void LanternCart(cairo_t* cr) {
  GroundShadow(cr, 890, 634, 80, 6);
  for (double x : {812.0, 994.0}) Box(cr, x, 534, x + 5, 600, kDarkWood, 1, 1);
  // The string of woven lanterns between its two poles.
  cairo_move_to(cr, 814, 538);
  cairo_curve_to(cr, 870, 566, 940, 566, 996, 540);
  StrokeRound(cr, kDarkWood, 1.5);
  const std::uint32_t colours[] = {0xffa04a, 0xff7aa8, 0xffd84a, 0xff7aa8, 0xffa04a};
  for (int i = 0; i < 5; ++i) {
    const double x = 842 + i * 32;
    const double y = SagY(814, 538, 996, 540, 20, x) + 9;
    Lantern(cr, x, y, 7, Hex(colours[i]));
  }
  Box(cr, 830, 570, 960, 612, Hex(0x4aa08a), 2, 5);
  cairo_rectangle(cr, 834, 578, 122, 5);
  FillWith(cr, WithAlpha(kCream, 0.8));
  // The punch barrel with a tap, cups and guavas.
  Box(cr, 862, 538, 900, 572, Hex(0xb0703a), 2, 8);
  for (double y : {546.0, 562.0}) {
    cairo_move_to(cr, 862, y);
    cairo_line_to(cr, 900, y);
  }
  StrokeRound(cr, kDarkWood, 1.5);
  Box(cr, 898, 556, 908, 560, kGold, 1, 1);
  for (int i = 0; i < 3; ++i) Box(cr, 916 + i * 12, 558, 924 + i * 12, 570, kCream, 1, 2);
  for (int i = 0; i < 2; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 836 + i * 12, 554);
    DrawElement(cr, 8, 16);
    cairo_restore(cr);
  }
  for (double x : {856.0, 934.0}) {
    cairo_arc(cr, x, 614, 19, 0, 2 * kPi);
    FillGlossy(cr, x - 19, 595, x + 19, 633, kLightWood, 2.5);
    for (int k = 0; k < 6; ++k) {
      cairo_move_to(cr, x, 614);
      cairo_line_to(cr, x + std::cos(k * kPi / 3) * 16, 614 + std::sin(k * kPi / 3) * 16);
    }
    StrokeRound(cr, kWood, 2);
  }
  cairo_move_to(cr, 960, 596);
  cairo_line_to(cr, 1004, 610);
  StrokeRound(cr, kWood, 4);
}

void Garland(cairo_t* cr) {
  const double x0 = 142, x1 = 554, y = 94, sag = 7;
  cairo_move_to(cr, x0, y);
  for (double x = x0; x <= x1; x += 6) cairo_line_to(cr, x, SagY(x0, y, x1, y, sag, x));
  StrokeRound(cr, kDarkWood, 1.5);
  const std::uint32_t colours[] = {0xff6a6a, 0xffd84a, 0x7ad0ff, 0xff9ccc, 0x8ae07a};
  int i = 0;
  for (double x = x0 + 14; x < x1 - 6; x += 22, ++i) {
    const double ly = SagY(x0, y, x1, y, sag, x) + 5;
    if (i % 3 == 1) {
      RadialGlow(cr, x, ly, 8, WithAlpha(kGlow, 0.5));
      StarPath(cr, x, ly, 5, 2.2, 5);
      FillGlossy(cr, x - 5, ly - 5, x + 5, ly + 5, kStarGold, 1);
    } else {
      Lantern(cr, x, ly, 3.6, Hex(colours[i % 5]));
    }
  }
}

void Snowman(cairo_t* cr) {
  Ellipse(cr, 105, 398, 28, 4);
  FillWith(cr, WithAlpha(kWhite, 0.9));
  cairo_arc(cr, 105, 386, 14, 0, 2 * kPi);
  FillGlossy(cr, 91, 372, 119, 400, Hex(0xf4f8ff), 1.5);
  cairo_arc(cr, 105, 366, 10, 0, 2 * kPi);
  FillGlossy(cr, 95, 356, 115, 376, Hex(0xf4f8ff), 1.5);
  cairo_arc(cr, 105, 353, 8, 0, 2 * kPi);
  FillGlossy(cr, 97, 345, 113, 361, Hex(0xf4f8ff), 1.5);
  cairo_move_to(cr, 95, 366);
  cairo_line_to(cr, 78, 356);
  cairo_move_to(cr, 115, 366);
  cairo_line_to(cr, 133, 354);
  StrokeRound(cr, kBark, 2);
  RoundedRect(cr, 96, 358, 18, 5, 2);
  FillWith(cr, Hex(0xe0303a));
  RoundedRect(cr, 108, 360, 5, 12, 2);
  FillWith(cr, Hex(0xe0303a));
  cairo_move_to(cr, 104, 354);
  cairo_line_to(cr, 96, 356);
  cairo_line_to(cr, 104, 357);
  cairo_close_path(cr);
  FillWith(cr, kMarigold);
  for (int e = -1; e <= 1; e += 2) {
    cairo_arc(cr, 105 + e * 3, 350, 1.2, 0, 2 * kPi);
    FillWith(cr, kBlack);
  }
  for (int b = 0; b < 2; ++b) {
    cairo_arc(cr, 105, 368 + b * 5, 1.3, 0, 2 * kPi);
    FillWith(cr, kBlack);
  }
}

void SleepingCat(cairo_t* cr) {
  Ellipse(cr, 44, 394, 26, 7);
  FillGlossy(cr, 18, 387, 70, 401, Hex(0xd04a5a), 1.5);
  const TColor fur = Hex(0xf0a050);
  cairo_move_to(cr, 60, 390);
  cairo_curve_to(cr, 72, 384, 64, 374, 56, 378);
  StrokeRound(cr, Darker(fur, 0.3), 6);
  cairo_move_to(cr, 60, 390);
  cairo_curve_to(cr, 72, 384, 64, 374, 56, 378);
  StrokeRound(cr, fur, 4);
  Ellipse(cr, 47, 383, 17, 10);
  FillGlossy(cr, 30, 373, 64, 393, fur, 1.5);
  cairo_arc(cr, 31, 382, 8, 0, 2 * kPi);
  FillGlossy(cr, 23, 374, 39, 390, fur, 1.5);
  for (int e = -1; e <= 1; e += 2) {
    cairo_move_to(cr, 31 + e * 7, 378);
    cairo_line_to(cr, 31 + e * 5, 369);
    cairo_line_to(cr, 31 + e * 1, 375);
    cairo_close_path(cr);
    FillGlossy(cr, 24, 369, 38, 378, fur, 1);
  }
  for (int e = -1; e <= 1; e += 2) {
    cairo_arc(cr, 31 + e * 3.5, 382, 2, 0.1 * kPi, 0.9 * kPi);
    StrokeRound(cr, kDarkWood, 1);
  }
  cairo_move_to(cr, 52, 376);
  cairo_line_to(cr, 55, 386);
  cairo_move_to(cr, 44, 375);
  cairo_line_to(cr, 46, 385);
  StrokeRound(cr, WithAlpha(Darker(fur, 0.35), 0.8), 1.5);
  UseDisplayFont(cr, 8);
  cairo_move_to(cr, 20, 370);
  SetColor(cr, WithAlpha(kNavyOutline, 0.8));
  cairo_show_text(cr, "z");
}

void Bunting(cairo_t* cr) {
  const double poles[] = {164, 500, 996};
  for (double x : poles) Box(cr, x - 2, 294, x + 2, 332, kDarkWood, 1, 1);
  const std::uint32_t colours[] = {0xe0584a, 0xffd84a, 0x4aa0e0, 0x6ab04a, 0xff9ccc};
  int i = 0;
  for (int seg = 0; seg < 2; ++seg) {
    const double x0 = poles[seg], x1 = poles[seg + 1];
    cairo_move_to(cr, x0, 297);
    for (double x = x0; x <= x1; x += 6) cairo_line_to(cr, x, SagY(x0, 297, x1, 297, 10, x));
    StrokeRound(cr, kDarkWood, 1.2);
    for (double x = x0 + 12; x < x1 - 8; x += 16, ++i) {
      const double y = SagY(x0, 297, x1, 297, 10, x);
      cairo_move_to(cr, x - 6, y);
      cairo_line_to(cr, x + 6, y);
      cairo_line_to(cr, x, y + 14);
      cairo_close_path(cr);
      FillGlossy(cr, x - 6, y, x + 6, y + 14, Hex(colours[i % 5]), 1);
    }
  }
  for (double x : poles) {
    StarPath(cr, x, 296, 6, 2.6, 5);
    FillGlossy(cr, x - 6, 290, x + 6, 302, kStarGold, 1);
  }
}

void Fireworks(cairo_t* cr) {
  struct TBurst {
    double X, Y, R;
    std::uint32_t Colour;
  };
  const TBurst bursts[] = {{468, 42, 26, 0xffd84a}, {526, 64, 24, 0xff7ac8}, {450, 88, 16, 0x7ae0ff}};
  for (const TBurst& b : bursts) {
    RadialGlow(cr, b.X, b.Y, b.R * 1.2, WithAlpha(Hex(b.Colour), 0.35));
    for (int k = 0; k < 14; ++k) {
      const double a = k * 2 * kPi / 14, c = std::cos(a), s = std::sin(a);
      cairo_move_to(cr, b.X + c * b.R * 0.35, b.Y + s * b.R * 0.35);
      cairo_line_to(cr, b.X + c * b.R * 0.9, b.Y + s * b.R * 0.9);
      StrokeRound(cr, Hex(b.Colour), 2);
      cairo_arc(cr, b.X + c * b.R, b.Y + s * b.R, 1.8, 0, 2 * kPi);
      FillWith(cr, kWhite);
    }
    Sparkle(cr, b.X, b.Y, b.R * 0.35, kTwinkle);
  }
  cairo_move_to(cr, 524, 106);
  cairo_curve_to(cr, 524, 96, 526, 90, 526, 88);
  StrokeRound(cr, WithAlpha(kGlow, 0.6), 1.5);
}

void Zeppelin(cairo_t* cr) {
  // Ropes to the gondola, the gondola, then the striped envelope flying left.
  for (double x : {1240.0, 1296.0}) {
    cairo_move_to(cr, x, 580);
    cairo_line_to(cr, x < 1270 ? 1252 : 1288, 598);
  }
  StrokeRound(cr, kDarkWood, 1.2);
  Box(cr, 1246, 596, 1296, 614, kWood, 2, 6);
  for (int i = 0; i < 3; ++i) {
    RoundedRect(cr, 1254 + i * 13, 600, 8, 7, 2);
    FillWith(cr, kLitWindow);
  }
  cairo_move_to(cr, 1330, 562);
  cairo_line_to(cr, 1358, 538);
  cairo_line_to(cr, 1358, 586);
  cairo_close_path(cr);
  FillGlossy(cr, 1330, 538, 1358, 586, kAwningRed, 2);
  cairo_save(cr);
  Ellipse(cr, 1266, 562, 86, 28);
  cairo_clip_preserve(cr);
  FillGlossy(cr, 1180, 534, 1352, 590, kCream, 0);
  for (int i = 0; i < 5; ++i) {
    cairo_rectangle(cr, 1196 + i * 34, 530, 14, 64);
    FillWith(cr, WithAlpha(kAwningRed, 0.85));
  }
  Ellipse(cr, 1250, 548, 60, 9);
  FillWith(cr, WithAlpha(kWhite, 0.4));
  cairo_restore(cr);
  Ellipse(cr, 1266, 562, 86, 28);
  StrokeRound(cr, Darker(kAwningRed, 0.5), 2.5);
  cairo_arc(cr, 1300, 618, 2, 0, 2 * kPi);
  cairo_move_to(cr, 1296, 606);
  cairo_line_to(cr, 1304, 606);
  StrokeRound(cr, kDarkWood, 2);
}

// The right-hand street's buildings start low on the screen (their table positions), so
// they are drawn a little smaller about the middle of their base.
void Scaled(cairo_t* cr, double x, double y, double k, void (*draw)(cairo_t*)) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, k, k);
  cairo_translate(cr, -x, -y);
  draw(cr);
  cairo_restore(cr);
}

}  // namespace

void PaintSticker(TCanvas& c, const TAssetSpec&, TSticker sticker) {
  cairo_t* cr = c.Cr();
  const TLayout::TObjectDef& o = TLayout::Object(sticker.Group);
  const TLayout::TRect box = TLayout::ContentBox(sticker.Group);
  cairo_scale(cr, 1 / o.Scale, 1 / o.Scale);
  cairo_translate(cr, -o.X, -o.Y);
  cairo_rectangle(cr, box.Left, box.Top, box.Width(), box.Height());
  cairo_clip(cr);
  cairo_new_path(cr);
  switch (sticker.Group) {
    case 3: Zeppelin(cr); break;
    case 4: Meadow(cr); break;
    case 5: MarketStall(cr); break;
    case 6: Windmill(cr); break;
    case 7: Scaled(cr, 1110, 238, 0.8, Bakery); break;
    case 8: Lighthouse(cr); break;
    case 9: Fountain(cr); break;
    case 10: PlumTree(cr); break;
    case 11: LongTable(cr); break;
    case 12: CherryTree(cr); break;
    case 13: Beehives(cr); break;
    case 14: MarigoldBeds(cr); break;
    case 15: Scaled(cr, 1288, 238, 0.78, ClockTower); break;
    case 16:
      LampPost(cr, 295, 428);
      LampPost(cr, 786, 428);
      break;
    case 17: Pond(cr); break;
    case 18: LanternCart(cr); break;
    case 19: Garland(cr); break;
    case 20: Snowman(cr); break;
    case 21: SleepingCat(cr); break;
    case 22: Bunting(cr); break;
    default: Fireworks(cr); break;
  }
}

// ---- Townsfolk ------------------------------------------------------------------

void PaintCitizens(TCanvas& c, const TAssetSpec& s) {
  using F = TBookFigures;
  struct TLook {
    std::uint32_t Coat, Legs, Hair, Hat;
    int HatKind;  // 0 top hat, 1 bun, 2 sailor's cap, 3 headscarf
    bool Beard;
  };
  const TLook looks[F::CitizenPatterns] = {{0xc0403a, 0x3a3a4a, 0x8a8a8a, 0x2a2a34, 0, false},
                                           {0x8a5ab0, 0x5a3a70, 0x6a3a1a, 0x6a3a1a, 1, false},
                                           {0x4a6ab0, 0x2f3f6a, 0xe8e8e8, 0x2a3a6a, 2, true},
                                           {0x5aa05a, 0x8a5a30, 0xd8a040, 0xf0c84a, 3, false}};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double) {
    const TLook& l = looks[p];
    const double cx = F::CitizenFeetX, feet = F::CitizenFeetY;
    Ellipse(cr, cx, feet, 12, 2.5);
    FillWith(cr, WithAlpha(kGroundShadow, 0.3));
    for (int leg = -1; leg <= 1; leg += 2) Box(cr, cx + leg * 5 - 3, feet - 20, cx + leg * 5 + 3, feet - 1, Hex(l.Legs), 1.2, 2);
    // Coat or dress, wider at the hem for the skirts.
    const double hem = l.HatKind == 1 || l.HatKind == 3 ? 15 : 12;
    cairo_move_to(cr, cx - 9, feet - 46);
    cairo_line_to(cr, cx + 9, feet - 46);
    cairo_line_to(cr, cx + hem, feet - 16);
    cairo_line_to(cr, cx - hem, feet - 16);
    cairo_close_path(cr);
    FillGlossy(cr, cx - hem, feet - 46, cx + hem, feet - 16, Hex(l.Coat), 1.8);
    for (int arm = -1; arm <= 1; arm += 2) {
      cairo_move_to(cr, cx + arm * 9, feet - 44);
      cairo_line_to(cr, cx + arm * 13, feet - 26);
      StrokeRound(cr, Darker(Hex(l.Coat), 0.2), 5);
      cairo_arc(cr, cx + arm * 13, feet - 25, 2.6, 0, 2 * kPi);
      FillWith(cr, kSkin);
    }
    if (p == 3) {  // the basket weaver carries a basket
      Box(cr, cx - 22, feet - 30, cx - 8, feet - 20, kStraw, 1.2, 2);
    }
    if (p == 1) Box(cr, cx + 8, feet - 34, cx + 18, feet - 24, Hex(0x3a5aa0), 1, 1);
    cairo_arc(cr, cx, feet - 54, 9, 0, 2 * kPi);
    FillGlossy(cr, cx - 9, feet - 63, cx + 9, feet - 45, kSkin, 1.5);
    // Facing left: the nose and the eye are on the left.
    cairo_arc(cr, cx - 4, feet - 56, 1.3, 0, 2 * kPi);
    FillWith(cr, kEyeLine);
    cairo_arc(cr, cx - 9, feet - 53, 1.8, 0, 2 * kPi);
    FillWith(cr, kSkinShade);
    cairo_arc(cr, cx - 3, feet - 51, 2.5, 0.2 * kPi, 0.8 * kPi);
    StrokeRound(cr, kMouth, 1);
    if (l.Beard) {
      cairo_arc(cr, cx, feet - 50, 8, 0.05 * kPi, 0.95 * kPi);
      FillWith(cr, Hex(l.Hair));
    }
    switch (l.HatKind) {
      case 0:
        Box(cr, cx - 7, feet - 76, cx + 7, feet - 61, Hex(l.Hat), 1.2, 1);
        Box(cr, cx - 11, feet - 63, cx + 11, feet - 60, Hex(l.Hat), 1.2, 1);
        cairo_rectangle(cr, cx - 7, feet - 66, 14, 2);
        FillWith(cr, kGold);
        break;
      case 1:
        cairo_arc(cr, cx, feet - 58, 9, kPi, 2 * kPi);
        FillWith(cr, Hex(l.Hair));
        cairo_arc(cr, cx + 6, feet - 64, 5, 0, 2 * kPi);
        FillGlossy(cr, cx + 1, feet - 69, cx + 11, feet - 59, Hex(l.Hair), 1);
        break;
      case 2:
        cairo_arc(cr, cx, feet - 58, 9.5, kPi, 2 * kPi);
        FillGlossy(cr, cx - 10, feet - 68, cx + 10, feet - 58, Hex(l.Hat), 1.2);
        Box(cr, cx - 13, feet - 60, cx, feet - 57, Hex(l.Hat), 1, 1);
        break;
      default:
        cairo_arc(cr, cx, feet - 56, 10, kPi * 0.9, kPi * 2.1);
        FillGlossy(cr, cx - 10, feet - 66, cx + 10, feet - 52, Hex(l.Hat), 1.2);
        break;
    }
    (void)w;
  });
}

// ---- The book's tube, the pocket and the small heroine -----------------------------

// Pattern 0 the glass in front of the fill, 1 the panel behind it, 2 the book badge.
void PaintBookTube(TCanvas& c, const TAssetSpec& s) {
  using F = TBookFigures;
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    const double x0 = F::FillX - 4, y0 = F::FillY - 4, x1 = F::FillX + F::FillWidth + 4,
                 y1 = F::FillY + F::FillHeight + 4;
    if (p == 1) {
      // A wooden board hanging from the top edge, with a parchment face.
      cairo_move_to(cr, 2, 0);
      cairo_line_to(cr, w - 2, 0);
      cairo_line_to(cr, w - 2, h - 20);
      cairo_curve_to(cr, w - 2, h - 4, w - 12, h - 3, w - 24, h - 3);
      cairo_line_to(cr, 24, h - 3);
      cairo_curve_to(cr, 12, h - 3, 2, h - 4, 2, h - 20);
      cairo_close_path(cr);
      PathShadow(cr, 0, 3, 0.3);
      FillGlossy(cr, 2, 0, w - 2, h - 3, kFrameMiddle, 2.5);
      RoundedRect(cr, 8, 0, w - 16, h - 10, 12);
      FillGlossy(cr, 8, 0, w - 8, h - 10, kParchment, 1.5);
      RoundedRect(cr, x0, y0, x1 - x0, y1 - y0, (y1 - y0) / 2);
      SetColor(cr, WithAlpha(Hex(0x3a2414), 0.75));
      cairo_fill(cr);
    } else if (p == 0) {
      RoundedRect(cr, x0, y0, x1 - x0, y1 - y0, (y1 - y0) / 2);
      SetColor(cr, kFrameDark);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      RoundedRect(cr, x0 + 6, y0 + 3, x1 - x0 - 12, 5, 2.5);
      FillWith(cr, WithAlpha(kWhite, 0.45));
      for (int q = 1; q < 4; ++q) {
        const double x = F::FillX + F::FillWidth * q / 4.0;
        cairo_move_to(cr, x, y1 - 1);
        cairo_line_to(cr, x, y1 - 6);
      }
      StrokeRound(cr, WithAlpha(kFrameDark, 0.8), 2);
    } else {
      const double bx = F::BadgeX, by = F::BadgeY;
      cairo_arc(cr, bx, by, 28, 0, 2 * kPi);
      PathShadow(cr, 0, 2, 0.3);
      FillGlossy(cr, bx - 28, by - 28, bx + 28, by + 28, kGold, 2.5);
      cairo_arc(cr, bx, by, 22, 0, 2 * kPi);
      FillWith(cr, Hex(0xfff0c8));
      // An open book with a star sticker on its right page.
      for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, bx, by - 8);
        cairo_curve_to(cr, bx + side * 6, by - 12, bx + side * 14, by - 12, bx + side * 17, by - 9);
        cairo_line_to(cr, bx + side * 17, by + 10);
        cairo_curve_to(cr, bx + side * 14, by + 7, bx + side * 6, by + 7, bx, by + 11);
        cairo_close_path(cr);
        FillGlossy(cr, bx + std::min(0, side * 17), by - 12, bx + std::max(0, side * 17), by + 11,
                   kPaper, 1.5);
      }
      cairo_move_to(cr, bx, by - 8);
      cairo_line_to(cr, bx, by + 11);
      StrokeRound(cr, kInk, 1.2);
      StarPath(cr, bx + 9, by, 6, 2.6, 5);
      FillGlossy(cr, bx + 3, by - 6, bx + 15, by + 6, kAwningRed, 1);
      for (int l = 0; l < 3; ++l) {
        cairo_move_to(cr, bx - 14, by - 4 + l * 5);
        cairo_line_to(cr, bx - 4, by - 3 + l * 5);
      }
      StrokeRound(cr, WithAlpha(kInk, 0.5), 1);
      // Ribbons beside the badge: the panel's own seal.
      Sparkle(cr, bx + 38, by - 14, 7, kTwinkle);
      Sparkle(cr, bx - 40, by + 14, 5, kTwinkle);
    }
  });
}

void PaintBookTubeFill(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  AddStop(g, 0, Hex(0xffe8a0));
  AddStop(g, 0.45, Hex(0xffb84a));
  AddStop(g, 1, Hex(0xd0702a));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Little star stickers along the fill, so the fuller tube shows more of them.
  for (double x = 14; x < w; x += 28) {
    StarPath(cr, x, h / 2, 5, 2.2, 5);
    FillWith(cr, WithAlpha(kWhite, 0.55));
  }
  cairo_rectangle(cr, 0, 2, w, 3);
  FillWith(cr, WithAlpha(kWhite, 0.4));
}

// A green cloth pocket like her dress: a flap with the star's socket, then five rows.
void PaintPocketPanel(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  RoundedRect(cr, 3, 6, w - 6, h - 10, 18);
  PathShadow(cr, 0, 3, 0.35);
  FillGlossy(cr, 3, 6, w - 3, h - 4, kDress, 2.5);
  RoundedRect(cr, 9, 12, w - 18, h - 22, 13);
  const double stitch[] = {5, 4};
  cairo_set_dash(cr, stitch, 2, 0);
  StrokeRound(cr, WithAlpha(kCream, 0.8), 1.6);
  cairo_set_dash(cr, nullptr, 0, 0);
  for (int i = 0; i < 5; ++i) {
    RoundedRect(cr, 10, 56 + i * 42.5, w - 20, 40, 10);
    FillWith(cr, WithAlpha(Darker(kDress, 0.35), 0.45));
  }
  // The flap with a scalloped edge and the socket where the star lands.
  cairo_move_to(cr, 6, 14);
  cairo_line_to(cr, w - 6, 14);
  cairo_line_to(cr, w - 6, 44);
  for (int i = 6; i >= 0; --i) cairo_arc(cr, 6 + (i + 0.5) * (w - 12) / 7, 44, (w - 12) / 14, 0, kPi);
  cairo_close_path(cr);
  FillGlossy(cr, 6, 10, w - 6, 52, kHat, 2);
  cairo_arc(cr, 59, 34, 20, 0, 2 * kPi);
  FillGlossy(cr, 39, 14, 79, 54, kCream, 2);
  StarPath(cr, 59, 34, 14, 6, 5);
  FillWith(cr, WithAlpha(kHoney, 0.35));
}

namespace {
void SmallFigure(cairo_t* cr, bool happy) {
  const double cx = 64;
  Ellipse(cr, cx, 284, 34, 5);
  FillWith(cr, WithAlpha(kGroundShadow, 0.3));
  for (int side = -1; side <= 1; side += 2) {
    Ellipse(cr, cx + side * 11, 278, 11, 6);
    FillGlossy(cr, cx + side * 11 - 11, 272, cx + side * 11 + 11, 284, kWood, 1.5);
  }
  // Dress and apron, belt with its gold buckle.
  cairo_move_to(cr, cx - 20, 160);
  cairo_curve_to(cr, cx - 30, 200, cx - 40, 240, cx - 44, 274);
  cairo_line_to(cr, cx + 44, 274);
  cairo_curve_to(cr, cx + 40, 240, cx + 30, 200, cx + 20, 160);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 44, 160, cx + 44, 274, kDress, 2.5);
  cairo_move_to(cr, cx - 12, 188);
  cairo_curve_to(cr, cx - 18, 220, cx - 22, 250, cx - 24, 272);
  cairo_line_to(cr, cx + 24, 272);
  cairo_curve_to(cr, cx + 22, 250, cx + 18, 220, cx + 12, 188);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 24, 188, cx + 24, 272, kCream, 2);
  Box(cr, cx - 24, 186, cx + 24, 194, kWood, 1.5, 3);
  Box(cr, cx - 5, 185, cx + 5, 195, kGold, 1.2, 2);
  for (int b = 0; b < 2; ++b) {
    cairo_arc(cr, cx, 214 + b * 22, 3, 0, 2 * kPi);
    FillGlossy(cr, cx - 3, 211 + b * 22, cx + 3, 217 + b * 22, kHoney, 1);
  }
  // Hair behind, locks on the shoulders, collar, face.
  Ellipse(cr, cx, 124, 44, 38);
  FillGlossy(cr, cx - 44, 86, cx + 44, 162, kHair, 2.5);
  for (int side = -1; side <= 1; side += 2) {
    const double x = cx + side * 34;
    cairo_move_to(cr, x - 10, 124);
    cairo_curve_to(cr, x - 12, 150, x - 8 + side * 4, 172, x + side * 3, 184);
    cairo_curve_to(cr, x + 10, 170, x + 12, 150, x + 10, 124);
    cairo_close_path(cr);
    FillGlossy(cr, x - 12, 124, x + 12, 184, kHair, 2);
  }
  cairo_move_to(cr, cx - 20, 158);
  cairo_curve_to(cr, cx - 8, 174, cx + 8, 174, cx + 20, 158);
  cairo_curve_to(cr, cx + 8, 166, cx - 8, 166, cx - 20, 158);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 20, 158, cx + 20, 174, kCream, 1.5);
  Ellipse(cr, cx, 130, 34, 34);
  FillGlossy(cr, cx - 34, 96, cx + 34, 164, kSkin, 2.5);
  cairo_move_to(cr, cx - 34, 124);
  cairo_curve_to(cr, cx - 32, 90, cx + 32, 86, cx + 35, 122);
  cairo_curve_to(cr, cx + 22, 106, cx + 10, 104, cx + 2, 112);
  cairo_curve_to(cr, cx - 8, 104, cx - 22, 106, cx - 34, 124);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 35, 90, cx + 35, 124, kFringe, 2);
  RadialGlow(cr, cx - 20, 142, 8, WithAlpha(kBlush, 0.6));
  RadialGlow(cr, cx + 20, 142, 8, WithAlpha(kBlush, 0.6));
  for (int e = -1; e <= 1; e += 2) {
    const double ex = cx + e * 12, ey = 130;
    if (happy) {
      cairo_arc(cr, ex, ey + 4, 6, 1.15 * kPi, 1.85 * kPi);
      StrokeRound(cr, kEyeLine, 2.5);
    } else {
      Ellipse(cr, ex, ey, 5.5, 7.5);
      FillWith(cr, kWhite);
      cairo_arc(cr, ex + 0.5, ey + 1.5, 4, 0, 2 * kPi);
      FillWith(cr, kIris);
      cairo_arc(cr, ex + 0.5, ey + 1.5, 2, 0, 2 * kPi);
      FillWith(cr, kPupil);
      cairo_arc(cr, ex - 1.5, ey - 2, 1.4, 0, 2 * kPi);
      FillWith(cr, kWhite);
      Ellipse(cr, ex, ey, 5.5, 7.5);
      StrokeRound(cr, kEyeLine, 1.5);
    }
  }
  if (happy) {
    cairo_move_to(cr, cx - 8, 146);
    cairo_curve_to(cr, cx - 6, 156, cx + 6, 156, cx + 8, 146);
    cairo_close_path(cr);
    FillGlossy(cr, cx - 8, 146, cx + 8, 156, kMouth, 1.2);
  } else {
    cairo_arc(cr, cx, 144, 7, 0.25 * kPi, 0.75 * kPi);
    StrokeRound(cr, kMouth, 2);
  }
  // Her green hat: a wide brim and a soft crown whose tip flops to her right.
  cairo_move_to(cr, cx - 46, 100);
  cairo_curve_to(cr, cx - 20, 88, cx + 24, 86, cx + 48, 98);
  cairo_curve_to(cr, cx + 24, 108, cx - 20, 110, cx - 46, 100);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 46, 86, cx + 48, 110, kHat, 2);
  cairo_move_to(cr, cx - 22, 96);
  cairo_curve_to(cr, cx - 20, 84, cx - 12, 76, cx - 2, 74);
  cairo_curve_to(cr, cx - 16, 72, cx - 32, 78, cx - 44, 88);
  cairo_curve_to(cr, cx - 32, 64, cx - 6, 56, cx + 8, 58);
  cairo_curve_to(cr, cx + 24, 60, cx + 30, 76, cx + 28, 94);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 44, 56, cx + 30, 96, kHatCrown, 2);
  cairo_move_to(cr, cx - 20, 93);
  cairo_curve_to(cr, cx - 2, 86, cx + 16, 86, cx + 28, 90);
  StrokeRound(cr, kHatBand, 4);
  Sparkle(cr, cx - 42, 88, 6, kGlow);
}
}  // namespace

void PaintSmallWynnet(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double, double) { SmallFigure(cr, p == 1); });
}

// One arm hanging from its shoulder joint: sleeve, cuff and a small hand at the bottom.
void PaintSmallWynnetArm(TCanvas& c, const TAssetSpec& s) {
  using F = TBookFigures;
  cairo_t* cr = c.Cr();
  const double jx = F::ArmJointX, jy = F::ArmJointY, h = s.Height();
  const double cuff = h - 24;
  cairo_move_to(cr, jx - 8, jy - 6);
  cairo_curve_to(cr, jx + 4, jy - 10, jx + 10, jy - 4, jx + 8, jy + 4);
  cairo_line_to(cr, jx + 7, cuff);
  cairo_line_to(cr, jx - 7, cuff);
  cairo_close_path(cr);
  FillGlossy(cr, jx - 8, jy - 10, jx + 8, cuff, kSleeve, 2);
  Box(cr, jx - 8, cuff - 2, jx + 8, cuff + 4, kCream, 1.5, 2);
  cairo_arc(cr, jx, h - 10, 8, 0, 2 * kPi);
  FillGlossy(cr, jx - 8, h - 18, jx + 8, h - 2, kSkin, 1.5);
}

}  // namespace assetgen
