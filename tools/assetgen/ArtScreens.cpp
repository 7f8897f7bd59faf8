// Full-screen pictures (logos, splash, menu, level and map backgrounds, help),
// the scene transition and the world map's pieces.
#include <cmath>

#include "Painters.h"

namespace assetgen {

namespace {
const double kPi = M_PI;

// Colours of more than one picture here.
const TColor kButterStar = Hex(0xffd86a);  // stars of the wipe, a yellow sail

TTextStyle Title(double size, TColor fill = kCreamText, TColor outline = kOutline) {
  TTextStyle st;
  st.Size = size;
  st.Fill = fill;
  st.Outline = outline;
  st.OutlineWidth = std::max(2.0, size / 12);
  return st;
}

void Cottage(cairo_t* cr, double x, double y, double s) {
  const TColor kCottageWall = Hex(0xf6e2c0);
  const TColor kLitWindow = Hex(0xffe27a);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  RoundedRect(cr, -60, -70, 120, 80, 6);
  FillGlossy(cr, -60, -70, 60, 10, kCottageWall, 2.5);
  cairo_move_to(cr, -78, -62);
  cairo_line_to(cr, 0, -130);
  cairo_line_to(cr, 78, -62);
  cairo_close_path(cr);
  FillGlossy(cr, -78, -130, 78, -62, kBrick, 2.5);
  RoundedRect(cr, -14, -40, 28, 50, 12);
  FillGlossy(cr, -14, -40, 14, 10, kWood, 2);
  for (int i = -1; i <= 1; i += 2) {
    RoundedRect(cr, i * 38 - 12, -52, 24, 22, 4);
    FillGlossy(cr, i * 38 - 12, -52, i * 38 + 12, -30, kLitWindow, 2);
  }
  cairo_restore(cr);
}

void Tree(cairo_t* cr, double x, double y, double s, const TColor& leaves) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  RoundedRect(cr, -8, -40, 16, 44, 4);
  FillGlossy(cr, -8, -40, 8, 4, kBark, 2);
  cairo_new_path(cr);
  cairo_arc(cr, 0, -62, 30, 0, 2 * kPi);
  cairo_arc(cr, -22, -48, 22, 0, 2 * kPi);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 22, -48, 22, 0, 2 * kPi);
  FillGlossy(cr, -44, -92, 44, -26, leaves, 2);
  cairo_restore(cr);
}

void FlowerBed(cairo_t* cr, int w, int yTop, int yBottom, std::uint32_t seed) {
  const TColor kPollen{1, 0.8, 0.2};
  TNoise n(seed);
  const std::uint32_t petals[] = {0xffffff, 0xff9ccc, 0xffd83a, 0x9a8cff, 0xff7a5a};
  for (int i = 0; i < 90; ++i) {
    double x = n.Range(0, w), y = n.Range(yTop, yBottom);
    double r = 2 + (y - yTop) / (yBottom - yTop) * 4;
    TColor c = Hex(petals[n.Int(5)]);
    for (int k = 0; k < 5; ++k) {
      cairo_arc(cr, x + std::cos(k * 1.256) * r, y + std::sin(k * 1.256) * r, r * 0.7, 0, 2 * kPi);
      SetColor(cr, c);
      cairo_fill(cr);
    }
    cairo_arc(cr, x, y, r * 0.5, 0, 2 * kPi);
    SetColor(cr, kPollen);
    cairo_fill(cr);
  }
}

// Island art shared by the map's islands: a grassy island with a theme prop.
void DrawIsland(cairo_t* cr, double w, double h, int island) {
  const TColor kShallows = Hex(0x9ae8ff);
  const TColor kBeach = Hex(0xf2d9a0);
  const TColor kMountain = Hex(0x8aa0c8);
  const std::uint32_t grass[6] = {0, 0x7ccf5a, 0x3f9e5a, 0xe8cf8a, 0xf0f6ff, 0xb0705a};
  // Sandy rim and shallow water glow.
  RadialGlow(cr, w / 2, h * 0.58, w * 0.5, WithAlpha(kShallows, 0.6));
  cairo_new_path(cr);
  for (int i = 0; i <= 24; ++i) {
    double a = i * 2 * kPi / 24;
    double rr = 1.0 + 0.08 * std::sin(a * 3 + island) + 0.05 * std::sin(a * 5 + island * 2);
    double x = w / 2 + std::cos(a) * w * 0.42 * rr, y = h * 0.58 + std::sin(a) * h * 0.3 * rr;
    if (i == 0) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  FillGlossy(cr, w * 0.08, h * 0.28, w * 0.92, h * 0.88, kBeach, 2.5, true);
  cairo_new_path(cr);
  Ellipse(cr, w / 2, h * 0.55, w * 0.36, h * 0.24);
  FillGlossy(cr, w * 0.14, h * 0.31, w * 0.86, h * 0.79, Hex(grass[island]), 2);
  switch (island) {
    case 1:
      Cottage(cr, w * 0.52, h * 0.6, 0.45);
      Tree(cr, w * 0.28, h * 0.62, 0.5, kLeafGreen);
      break;
    case 2:
      for (int i = 0; i < 4; ++i)
        Tree(cr, w * (0.3 + 0.14 * i), h * (0.62 + 0.05 * (i % 2)), 0.55, kPineGreen);
      break;
    case 3:
      for (int i = 0; i < 2; ++i) {
        double x = w * (0.38 + 0.24 * i), y = h * 0.62;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 4, y - 30, x - 2, y - 50, x + 6, y - 64);
        SetColor(cr, kPalmTrunk);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
        for (int k = 0; k < 5; ++k) {
          cairo_save(cr);
          cairo_translate(cr, x + 6, y - 64);
          cairo_rotate(cr, k * 1.25);
          Ellipse(cr, 18, 0, 18, 5);
          FillGlossy(cr, 0, -5, 36, 5, kPalmGreen, 1.5);
          cairo_restore(cr);
        }
      }
      break;
    case 4:
      cairo_move_to(cr, w * 0.25, h * 0.66);
      cairo_line_to(cr, w * 0.45, h * 0.2);
      cairo_line_to(cr, w * 0.62, h * 0.66);
      cairo_close_path(cr);
      FillGlossy(cr, w * 0.25, h * 0.2, w * 0.62, h * 0.66, kMountain, 2);
      cairo_move_to(cr, w * 0.38, h * 0.36);
      cairo_line_to(cr, w * 0.45, h * 0.2);
      cairo_line_to(cr, w * 0.52, h * 0.36);
      cairo_close_path(cr);
      SetColor(cr, kWhite);
      cairo_fill(cr);
      Tree(cr, w * 0.7, h * 0.66, 0.45, kSnowPine);
      break;
    default:
      cairo_move_to(cr, w * 0.3, h * 0.66);
      cairo_line_to(cr, w * 0.44, h * 0.24);
      cairo_line_to(cr, w * 0.56, h * 0.24);
      cairo_line_to(cr, w * 0.7, h * 0.66);
      cairo_close_path(cr);
      FillGlossy(cr, w * 0.3, h * 0.24, w * 0.7, h * 0.66, kRock, 2);
      RadialGlow(cr, w * 0.5, h * 0.22, w * 0.14, WithAlpha(kEmber, 0.9));
      break;
  }
}
}  // namespace

void PaintFlat(TCanvas& c, const TAssetSpec&, TColor colour) {
  SetColor(c.Cr(), colour);
  cairo_paint(c.Cr());
}

// Three studio logos on white, each with its own emblem.
void PaintCompanyLogo(TCanvas& c, const TAssetSpec&, TLogoEmblem emblem) {
  const TColor kQuill = Hex(0x6aa8e8);  // and the press's name
  const TColor kLanternLight = Hex(0xffd870);
  const TColor kLanternHandle{0.48, 0.29, 0.13};
  const TColor kFlame = Hex(0xff7a2a);
  cairo_t* cr = c.Cr();
  SetColor(cr, kWhite);
  cairo_paint(cr);
  double cx = 683, cy = 340;
  if (emblem == TLogoEmblem::Lantern) {
    RadialGlow(cr, cx, cy, 150, WithAlpha(kLanternLight, 0.6));
    RoundedRect(cr, cx - 50, cy - 70, 100, 130, 24);
    FillGlossy(cr, cx - 50, cy - 70, cx + 50, cy + 60, kTitleGold, 4);
    RoundedRect(cr, cx - 64, cy - 92, 128, 26, 10);
    FillGlossy(cr, cx - 64, cy - 92, cx + 64, cy - 66, kBark, 3);
    RoundedRect(cr, cx - 64, cy + 54, 128, 22, 10);
    FillGlossy(cr, cx - 64, cy + 54, cx + 64, cy + 76, kBark, 3);
    cairo_arc(cr, cx, cy - 110, 22, kPi, 2 * kPi);
    SetColor(cr, kLanternHandle);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    Ellipse(cr, cx, cy, 16, 30);
    FillGlossy(cr, cx - 16, cy - 30, cx + 16, cy + 30, kFlame, 2);
    DrawText(cr, "Quorrin Games", cx, cy + 170, Title(64, kHoney, kOutline));
  } else if (emblem == TLogoEmblem::BookAndQuill) {
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, cx, cy + 50);
      cairo_curve_to(cr, cx + side * 60, cy + 20, cx + side * 120, cy + 30, cx + side * 160, cy + 50);
      cairo_line_to(cr, cx + side * 160, cy - 70);
      cairo_curve_to(cr, cx + side * 120, cy - 90, cx + side * 60, cy - 100, cx, cy - 70);
      cairo_close_path(cr);
      FillGlossy(cr, cx - 160, cy - 100, cx + 160, cy + 50, kPaper, 4);
    }
    cairo_move_to(cr, cx + 40, cy - 40);
    cairo_curve_to(cr, cx + 120, cy - 160, cx + 190, cy - 180, cx + 210, cy - 190);
    cairo_curve_to(cr, cx + 180, cy - 120, cx + 120, cy - 70, cx + 40, cy - 40);
    cairo_close_path(cr);
    FillGlossy(cr, cx + 40, cy - 190, cx + 210, cy - 40, kQuill, 3);
    DrawText(cr, "Tall Tale Press", cx, cy + 170, Title(64, kQuill, kNavyOutline));
  } else {  // a heart made of leaves
    for (int i = 0; i < 12; ++i) {
      double t = i * 2 * kPi / 12;
      double hx = 16 * std::pow(std::sin(t), 3), hy = -(13 * std::cos(t) - 5 * std::cos(2 * t) -
                                                        2 * std::cos(3 * t) - std::cos(4 * t));
      cairo_save(cr);
      cairo_translate(cr, cx + hx * 7, cy - 20 + hy * 7);
      cairo_rotate(cr, t);
      Ellipse(cr, 0, 0, 26, 14);
      FillGlossy(cr, -26, -14, 26, 14, i % 2 ? kSpringGreen : kDress, 3);
      cairo_restore(cr);
    }
    DrawText(cr, "made with love in Wendmoor", cx, cy + 170,
             Title(54, kSpringGreen, kForestOutline));
  }
}

void PaintSplashBG(TCanvas& c, const TAssetSpec&) {
  const TColor kSplashPlaque{1, 0.97, 0.88};
  const TColor kSplashBand{0.2, 0.1, 0.05};
  const TColor kVessaryOutline = Hex(0x3a6a2a);
  cairo_t* cr = c.Cr();
  const TColor kSplashSky = Hex(0x7ec8f0), kSplashHaze = Hex(0xfde8c8);
  const TColor kSplashMeadow = Hex(0x6ab85a), kSplashFarMeadow = Hex(0x9ad07a);
  SkyAndHills(cr, 1366, 768, kSplashSky, kSplashHaze, kSplashMeadow, kSplashFarMeadow, 11);
  Cottage(cr, 980, 520, 1.3);
  Tree(cr, 760, 540, 1.4, kLeafGreen);
  Tree(cr, 1220, 560, 1.2, kDeepLeaf);
  FlowerBed(cr, 1366, 580, 768, 3);
  for (int i = 1; i <= 8; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 60 + i * 46, 590 + (i % 3) * 40);
    DrawElement(cr, i, 64);
    cairo_restore(cr);
  }
  // Title plaque.
  RoundedRect(cr, 283, 120, 800, 210, 40);
  SetColor(cr, WithAlpha(kSplashPlaque, 0.55));
  cairo_fill(cr);
  DrawText(cr, "Wendmoor", 683, 190, Title(110, kTitleGold, kWarmOutline));
  DrawText(cr, "Vessary", 683, 285, Title(70, kCream, kVessaryOutline));
  // A soft band behind the loading bar.
  RoundedRect(cr, 490, 668, 386, 94, 30);
  SetColor(cr, WithAlpha(kSplashBand, 0.25));
  cairo_fill(cr);
}

void PaintMenuBG(TCanvas& c, const TAssetSpec&) {
  const TColor kTable = Hex(0xa8703a);
  cairo_t* cr = c.Cr();
  SkyAndHills(cr, 1366, 768, kSky, kSkyHaze, kMeadow, kFarMeadow, 21);
  Cottage(cr, 820, 560, 1.5);
  Tree(cr, 130, 600, 1.6, kLeafGreen);
  Tree(cr, 680, 600, 1.1, kDeepLeaf);
  FlowerBed(cr, 1366, 600, 768, 8);
  // Kitchen table with fruit bowls, right of the heroine.
  RoundedRect(cr, 560, 600, 430, 40, 12);
  FillGlossy(cr, 560, 600, 990, 640, kTable, 3);
  for (int i = 0; i < 5; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 720 + i * 50, 552);
    DrawElement(cr, 1 + (i * 3) % 8, 56);
    cairo_restore(cr);
  }
  DrawHeroine(cr, THeroinePose::HoldingWand, THeroineEyes::Open);
}

// Level backgrounds: one mood per island; the board covers the middle.
void PaintGameBG(TCanvas& c, const TAssetSpec&, TIsland island) {
  const TColor kPineTrunk = Hex(0x6a4a2a);
  const int number = island.Number;
  cairo_t* cr = c.Cr();
  struct TMood {
    std::uint32_t SkyTop, SkyBottom, Near, Far, Leaves;
  };
  const TMood moods[5] = {{0x8fd0f4, 0xfff0d0, 0x5aa84a, 0x8acb6a, 0x5aae3a},
                          {0x5aa8c8, 0xd8f0d0, 0x2f7e4a, 0x4f9a5a, 0x2f7e4a},
                          {0x6ad0f0, 0xfff4d0, 0xe8cf8a, 0x4ab8d8, 0x4aa84a},
                          {0x9ab8e0, 0xf4f8ff, 0xe8f0ff, 0xb8c8e8, 0x2f6e5a},
                          {0x7a5aa8, 0xffb88a, 0x8a5a4a, 0xb0705a, 0x6a8a3a}};
  const TMood& m = moods[(number - 1) % 5];
  SkyAndHills(cr, 1366, 768, Hex(m.SkyTop), Hex(m.SkyBottom), Hex(m.Near), Hex(m.Far), 31 + number);
  TNoise n(number * 7);
  // Each island has its own trees at the screen's sides (the board hides the middle).
  auto pine = [&](double x, double y, double k, bool snowy) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, k, k);
    RoundedRect(cr, -6, -20, 12, 22, 3);
    FillGlossy(cr, -6, -20, 6, 2, kPineTrunk, 1.5);
    for (int t = 0; t < 3; ++t) {
      double ty = -20 - t * 26;
      cairo_move_to(cr, -34 + t * 8, ty);
      cairo_line_to(cr, 0, ty - 44);
      cairo_line_to(cr, 34 - t * 8, ty);
      cairo_close_path(cr);
      FillGlossy(cr, -34, ty - 44, 34, ty, Hex(m.Leaves), 2);
      if (snowy) {
        cairo_move_to(cr, -12 + t * 3, ty - 30);
        cairo_line_to(cr, 0, ty - 44);
        cairo_line_to(cr, 12 - t * 3, ty - 30);
        cairo_close_path(cr);
        SetColor(cr, kWhite);
        cairo_fill(cr);
      }
    }
    cairo_restore(cr);
  };
  auto palm = [&](double x, double y, double k) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, k, k);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 6, -40, -4, -80, 8, -120);
    SetColor(cr, kPalmTrunk);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    for (int l = 0; l < 6; ++l) {
      cairo_save(cr);
      cairo_translate(cr, 8, -120);
      cairo_rotate(cr, l * 1.05);
      Ellipse(cr, 30, 0, 30, 8);
      FillGlossy(cr, 0, -8, 60, 8, Hex(m.Leaves), 1.5);
      cairo_restore(cr);
    }
    cairo_restore(cr);
  };
  for (int i = 0; i < 6; ++i) {
    double x = i < 3 ? n.Range(20, 230) : n.Range(1120, 1340);
    double y = n.Range(600, 760), k = n.Range(1.0, 1.6);
    if (number == 3)
      palm(x, y, k * 0.9);
    else if (number == 2 || number == 4)
      pine(x, y, k, number == 4);
    else
      Tree(cr, x, y, k, Hex(m.Leaves));
  }
  if (number == 5) {
    // A smoking volcano far behind, left of the board.
    cairo_move_to(cr, 20, 470);
    cairo_line_to(cr, 150, 250);
    cairo_line_to(cr, 200, 250);
    cairo_line_to(cr, 330, 470);
    cairo_close_path(cr);
    FillGlossy(cr, 20, 250, 330, 470, kRock, 2);
    RadialGlow(cr, 175, 245, 60, WithAlpha(kEmber, 0.8));
    for (int i = 0; i < 4; ++i) Cloud(cr, 175 + i * 30, 200 - i * 40, 0.35 + i * 0.1, 0.5);
  }
  if (number == 4)
    for (int i = 0; i < 120; ++i) {
      cairo_arc(cr, n.Range(0, 1366), n.Range(0, 768), n.Range(1, 3), 0, 2 * kPi);
      SetColor(cr, WithAlpha(kWhite, 0.7));
      cairo_fill(cr);
    }
  else
    FlowerBed(cr, 1366, 690, 768, 40 + number);
  // Soft light behind the board so the tiles stand out. Boards differ in size from level
  // to level, so the light has no edge: it fades out from the board's middle, mostly
  // under the board, and dies away before the trees.
  cairo_save(cr);
  cairo_translate(cr, 683, 407);
  cairo_scale(cr, 1.3, 1.0);
  cairo_pattern_t* light = cairo_pattern_create_radial(0, 0, 0, 0, 0, 400);
  AddStop(light, 0, WithAlpha(kWhite, 0.2));
  AddStop(light, 0.6, WithAlpha(kWhite, 0.14));
  AddStop(light, 1, WithAlpha(kWhite, 0));
  cairo_set_source(cr, light);
  cairo_paint(cr);
  cairo_pattern_destroy(light);
  cairo_restore(cr);
}

void PaintMapSea(TCanvas& c) {
  const TColor kShallowSea{0.45, 0.8, 0.92};
  const TColor kDeepSea{0.2, 0.5, 0.75};
  cairo_t* cr = c.Cr();
  cairo_pattern_t* g = cairo_pattern_create_radial(683, 384, 100, 683, 384, 800);
  AddStop(g, 0, kShallowSea);
  AddStop(g, 1, kDeepSea);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  TNoise n(99);
  for (int i = 0; i < 160; ++i) {
    double x = n.Range(0, 1366), y = n.Range(0, 768);
    cairo_arc(cr, x, y, n.Range(6, 14), kPi * 1.1, kPi * 1.9);
    SetColor(cr, WithAlpha(kWhite, 0.25));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

void PaintMapBG(TCanvas& c, const TAssetSpec&) {
  const TColor kWhale = Hex(0x5a7ab8);
  const TColor kWhaleEye{0.1, 0.1, 0.2};
  const TColor kReef = Hex(0xb8a890);
  const TColor kCompassDisc{1, 0.95, 0.8};
  const TColor kCompassStar = Hex(0xf2d08a);
  const TColor kMapEdge{0.55, 0.35, 0.16};
  cairo_t* cr = c.Cr();
  PaintMapSea(c);
  // A friendly whale and a few reefs in the open water.
  Ellipse(cr, 860, 640, 60, 26);
  FillGlossy(cr, 800, 614, 920, 666, kWhale, 2.5);
  cairo_move_to(cr, 915, 636);
  cairo_curve_to(cr, 940, 620, 950, 600, 962, 596);
  cairo_curve_to(cr, 958, 620, 966, 636, 978, 646);
  cairo_curve_to(cr, 960, 646, 940, 650, 915, 646);
  cairo_close_path(cr);
  FillGlossy(cr, 915, 596, 978, 650, kWhale, 2.5);
  cairo_arc(cr, 828, 632, 3.5, 0, 2 * kPi);
  SetColor(cr, kWhaleEye);
  cairo_fill(cr);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, 850, 612);
    cairo_curve_to(cr, 850 + i * 6, 596, 850 + i * 14, 590, 850 + i * 18, 584);
  }
  SetColor(cr, WithAlpha(kWhite, 0.85));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  const double reefs[][3] = {{700, 560, 16}, {1100, 640, 12}, {560, 150, 14}, {180, 260, 10}};
  for (auto& r : reefs) {
    Ellipse(cr, r[0], r[1], r[2] * 1.6, r[2]);
    FillGlossy(cr, r[0] - r[2] * 1.6, r[1] - r[2], r[0] + r[2] * 1.6, r[1] + r[2], kReef, 2);
    Ellipse(cr, r[0], r[1] + r[2] * 0.9, r[2] * 2.2, r[2] * 0.5);
    SetColor(cr, WithAlpha(kWhite, 0.35));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  // Compass rose.
  const double kx = 1250, ky = 110;
  cairo_arc(cr, kx, ky, 56, 0, 2 * kPi);
  SetColor(cr, WithAlpha(kCompassDisc, 0.35));
  cairo_fill(cr);
  StarPath(cr, kx, ky, 70, 16, 4, -90);
  FillGlossy(cr, kx - 70, ky - 70, kx + 70, ky + 70, kCompassStar, 2.5);
  StarPath(cr, kx, ky, 45, 12, 4, -45);
  FillGlossy(cr, kx - 45, ky - 45, kx + 45, ky + 45, kLightWood, 2);
  DrawText(cr, "N", kx, ky - 86, Title(22));
  // Parchment edge.
  cairo_rectangle(cr, 0, 0, 1366, 768);
  cairo_rectangle(cr, 1356, 10, -1346, 748);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColor(cr, kMapEdge);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void PaintHelpPage(TCanvas& c, const TAssetSpec&) {
  cairo_t* cr = c.Cr();
  SkyAndHills(cr, 1366, 768, kSky, kSkyHaze, kMeadow, kFarMeadow, 51);
  ParchmentPanel(cr, 133, 60, 1100, 580, 36, 5);
  DrawText(cr, "How to play", 683, 120, Title(54));
  const char* lines[] = {"Swap two neighbouring pieces to make a line of three or more.",
                         "Gather what the panel at the top asks for before the tube runs dry.",
                         "Clear gold tiles by matching on top of them.",
                         "Fill the energy flask to wake the tools on the left panel.",
                         "Spend what you gather in the island shop between levels."};
  for (int i = 0; i < 5; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 200, 180 + i * 80);
    DrawElement(cr, 1 + i * 3 % 18, 56);
    cairo_restore(cr);
    cairo_save(cr);
    UseDisplayFont(cr, 26, true);
    SetColor(cr, kInk);
    cairo_move_to(cr, 280, 218 + i * 80);
    cairo_show_text(cr, lines[i]);
    cairo_restore(cr);
  }
  DrawHelpPageTurn(cr, 1);
}

// A dark veil with a small soft hole in the middle: scaled from huge to small it
// closes over the screen like an iris. At the largest scale (34) the clear part reaches
// past the screen's corners (783 pixels from the middle).
void PaintTransDark(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  double cx = s.Width() / 2.0, cy = s.Height() / 2.0;
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 24, cx, cy, 34);
  AddStop(g, 0, WithAlpha(kNight, 0));
  AddStop(g, 1, kNight);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}

// The spinning ring of stars that rims the veil's hole.
void PaintTransSpin(TCanvas& c, const TAssetSpec& s) {
  const TColor kPaleStar = Hex(0xfff2c0);
  cairo_t* cr = c.Cr();
  double cx = s.Width() / 2.0, cy = s.Height() / 2.0;
  cairo_arc(cr, cx, cy, 214, 0, 2 * kPi);
  cairo_arc_negative(cr, cx, cy, 186, 2 * kPi, 0);
  SetColor(cr, kNight);
  cairo_fill(cr);
  for (int i = 0; i < 12; ++i) {
    double a = i * 2 * kPi / 12;
    double x = cx + std::cos(a) * 200, y = cy + std::sin(a) * 200;
    StarPath(cr, x, y, 22, 9, 5, a * 180 / kPi);
    FillGlossy(cr, x - 22, y - 22, x + 22, y + 22, i % 2 ? kButterStar : kPaleStar, 2);
  }
}

void PaintGameLogo(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  // Ribbon.
  cairo_move_to(cr, 40, 120);
  cairo_curve_to(cr, 150, 150, 270, 150, 380, 120);
  cairo_line_to(cr, 392, 168);
  cairo_curve_to(cr, 270, 196, 150, 196, 28, 168);
  cairo_close_path(cr);
  FillGlossy(cr, 28, 120, 392, 190, kDress, 3);
  double size = 84;
  while (size > 20 && TextWidth(cr, "Wendmoor", size) > w - 70) size -= 2;
  DrawText(cr, "Wendmoor", w / 2, 70, Title(size, kTitleGold, kWarmOutline));
  DrawText(cr, "Vessary", w / 2, 152, Title(40, kCream, kForestOutline));
  Sparkle(cr, 30, 30, 14, kGlow);
  Sparkle(cr, w - 26, 46, 10, kGlow);
  (void)h;
}

void PaintMapRoom(TCanvas& c, const TAssetSpec& s, TIsland island) {
  DrawIsland(c.Cr(), s.Width(), s.Height(), island.Number);
  TTextStyle st = Title(22);
  DrawText(c.Cr(), std::to_string(island.Number), s.Width() * 0.84, s.Height() * 0.2, st);
}

void PaintCompletedStamp(TCanvas& c, const TAssetSpec& s) {
  const TColor kStampRed = Hex(0xe0503a);
  cairo_t* cr = c.Cr();
  double cx = s.Width() / 2.0, cy = s.Height() / 2.0;
  StarPath(cr, cx, cy, 52, 42, 16);
  FillGlossy(cr, cx - 52, cy - 52, cx + 52, cy + 52, kStampRed, 2.5);
  cairo_arc(cr, cx, cy, 34, 0, 2 * kPi);
  SetColor(cr, WithAlpha(kWhite, 0.9));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 18, cy);
  cairo_line_to(cr, cx - 5, cy + 14);
  cairo_line_to(cr, cx + 20, cy - 14);
  cairo_set_line_width(cr, 8);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// Three different waves, since each map wave picks one at random: two crests, three
// smaller ones, and one long swell throwing a fleck of foam.
void PaintMapWaves(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    const int crests = p == 2 ? 1 : 2 + p;
    const double top = p == 1 ? 6 : 3;
    cairo_move_to(cr, 3, h - 4);
    for (int i = 0; i < crests; ++i) {
      double x0 = 3 + i * (w - 6) / crests, x1 = 3 + (i + 1) * (w - 6) / crests;
      cairo_curve_to(cr, x0 + 2, top, x1 - 2, top, x1, h - 4);
    }
    SetColor(cr, WithAlpha(kWhite, 0.9));
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    if (p == 2) {
      cairo_arc(cr, w * 0.72, 3, 1.6, 0, 2 * kPi);
      SetColor(cr, WithAlpha(kWhite, 0.8));
      cairo_fill(cr);
    }
  });
}

// Travellers on the map: a sailing boat, a balloon and a little ship.
void PaintMapTransports(TCanvas& c, const TAssetSpec& s) {
  const TColor kBalloon = Hex(0xff7a5a);
  const TColor kHull = Hex(0x9a5a2a);
  const TColor kMast{0.4, 0.25, 0.1};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    if (p == 1) {
      Ellipse(cr, w / 2, h * 0.35, 24, 28);
      FillGlossy(cr, w / 2 - 24, h * 0.35 - 28, w / 2 + 24, h * 0.35 + 28, kBalloon, 2);
      RoundedRect(cr, w / 2 - 10, h * 0.78, 20, 14, 3);
      FillGlossy(cr, w / 2 - 10, h * 0.78, w / 2 + 10, h * 0.78 + 14, kWood, 2);
      return;
    }
    cairo_move_to(cr, 14, h * 0.62);
    cairo_line_to(cr, w - 14, h * 0.62);
    cairo_line_to(cr, w - 28, h * 0.85);
    cairo_line_to(cr, 28, h * 0.85);
    cairo_close_path(cr);
    FillGlossy(cr, 14, h * 0.62, w - 14, h * 0.85, kHull, 2);
    cairo_move_to(cr, w / 2, h * 0.08);
    cairo_line_to(cr, w / 2, h * 0.62);
    SetColor(cr, kMast);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, w / 2 + 3, h * 0.1);
    cairo_line_to(cr, w / 2 + (p == 0 ? 34 : 26), h * 0.55);
    cairo_line_to(cr, w / 2 + 3, h * 0.55);
    cairo_close_path(cr);
    FillGlossy(cr, w / 2, h * 0.1, w / 2 + 34, h * 0.55, p == 0 ? kCream : kButterStar, 2);
  });
}

void PaintMapClouds(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  TNoise n(123);
  for (int i = 0; i < 4; ++i)
    Cloud(cr, 110 + i * 130, n.Range(80, 120), n.Range(0.7, 0.9), 0.75);
  (void)s;
}

}  // namespace assetgen
