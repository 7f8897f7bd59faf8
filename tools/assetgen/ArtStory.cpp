// The comic strips of the opening and the ending story, and the frame the story scene puts
// over them. Each strip is one page of panels on warm paper, with the game's own figures
// (the heroine, the cook, the fairy and the five creatures) posed in scenes drawn here, so
// the story looks like the game it leads into.
#include <cmath>
#include <functional>
#include <string>

#include "Painters.h"

namespace assetgen {

namespace {
const double kPi = M_PI;

constexpr TColor kPanelInk = kTextOutline;
constexpr TColor kPagePaper = Hex(0xf6e7c8);
constexpr TColor kSea = Hex(0x3f9ad0);
constexpr TColor kDeepSea = Hex(0x2a6fa8);
constexpr TColor kKitchenWall = Hex(0xf0d6a8);
constexpr TColor kKitchenShade = Hex(0xc89a64);
constexpr TColor kDusk = Hex(0x3a3470);
constexpr TColor kDuskGlow = Hex(0xf2a070);
constexpr TColor kLampBrass = Hex(0xd0a040);
constexpr TColor kFlourDust = Hex(0xffffff, 0.75);

// ---- The game's figures, drawn by their own painters ----------------------------------

const std::vector<TAssetSpec>& AllPictures() {
  static const std::vector<TAssetSpec> list = BuildManifest();
  return list;
}

const TAssetSpec* FindPicture(const std::string& name, const std::string& folder) {
  for (const TAssetSpec& s : AllPictures())
    if (s.Name == name && s.Folder == folder) return &s;
  return nullptr;
}

// One pattern of another picture, its top-left at (x, y), scaled, mirrored left for right.
void Stamp(cairo_t* cr, const std::string& name, const std::string& folder, int pattern,
           double x, double y, double scale, bool mirror = false) {
  const TAssetSpec* s = FindPicture(name, folder);
  if (!s || !s->Paint) return;
  TCanvas picture(s->Width(), s->Height());
  s->Paint(picture, *s);
  cairo_surface_flush(picture.Surface());
  const double px = (pattern % s->Columns) * s->TileWidth;
  const double py = (pattern / s->Columns) * s->TileHeight;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, mirror ? -scale : scale, scale);
  if (mirror) cairo_translate(cr, -s->TileWidth, 0);
  cairo_rectangle(cr, 0, 0, s->TileWidth, s->TileHeight);
  cairo_clip(cr);
  cairo_set_source_surface(cr, picture.Surface(), -px, -py);
  cairo_paint(cr);
  cairo_restore(cr);
}

// The heroine waving, as the result screen puts her together; her box is 400 x 430 at
// scale 1 from (x, y).
void Wynnet(cairo_t* cr, double x, double y, double scale, bool mirror = false) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (mirror) {
    cairo_translate(cr, 400 * scale, 0);
    cairo_scale(cr, -1, 1);
  }
  Stamp(cr, "CharScoringHand", "", 0, 273 * scale, 48 * scale, scale);
  Stamp(cr, "CharScoringBody", "", 0, 0, 0, scale);
  Stamp(cr, "CharScoringHandCover", "", 0, 300 * scale, 269 * scale, scale);
  cairo_restore(cr);
}

// The cook behind his laid table, his hand raised; his box is 562 x 490 at scale 1.
void Orvell(cairo_t* cr, double x, double y, double scale, bool mirror = false) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (mirror) {
    cairo_translate(cr, 562 * scale, 0);
    cairo_scale(cr, -1, 1);
  }
  Stamp(cr, "DishCharBody", "", 0, 0, 0, scale);
  Stamp(cr, "DishCharHand", "", 0, 452 * scale, 66 * scale, scale);
  cairo_restore(cr);
}

// Pip, the lamp fairy; 100 x 140 at scale 1.
void Pip(cairo_t* cr, double x, double y, double scale, bool mirror = false) {
  Stamp(cr, "HintFairyBody", "", 0, x, y, scale, mirror);
}

const char* const kCreatureFolders[5] = {"Creatures/Centaur/", "Creatures/Hydra/",
                                         "Creatures/Golem/", "Creatures/Cyclops/",
                                         "Creatures/Dragon/"};
// Owl, squirrel, bee, bat, cat (0..4), facing the viewer; 256 x 232 at scale 1.
void Creature(cairo_t* cr, int kind, double x, double y, double scale, int pose = 0) {
  Stamp(cr, "BossFront", kCreatureFolders[kind], pose, x, y, scale);
}

// ---- Page and panels -------------------------------------------------------------------

void Page(cairo_t* cr, double w, double h, std::uint32_t seed) {
  SetColor(cr, kPagePaper);
  cairo_paint(cr);
  TNoise n(seed);
  for (int i = 0; i < 500; ++i) {
    cairo_arc(cr, n.Range(0, w), n.Range(0, h), n.Range(0.5, 1.6), 0, 2 * kPi);
    FillWith(cr, WithAlpha(kParchmentFibre, n.Range(0.04, 0.12)));
  }
}

// A panel: its scene drawn in panel coordinates, clipped, then a shadow-cast ink frame.
void Panel(cairo_t* cr, double x, double y, double w, double h,
           const std::function<void(cairo_t*, double, double)>& scene) {
  RoundedRect(cr, x + 6, y + 7, w, h, 8);
  FillWith(cr, WithAlpha(kSoot, 0.35));
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, 8);
  cairo_clip(cr);
  cairo_translate(cr, x, y);
  scene(cr, w, h);
  cairo_restore(cr);
  RoundedRect(cr, x, y, w, h, 8);
  StrokeRound(cr, kPanelInk, 5);
  RoundedRect(cr, x + 5, y + 5, w - 10, h - 10, 5);
  StrokeRound(cr, WithAlpha(kWhite, 0.35), 1.5);
}

// A speechless thought cloud with its trail of bubbles toward (tx, ty).
void ThoughtCloud(cairo_t* cr, double cx, double cy, double rx, double ry, double tx,
                  double ty) {
  cairo_new_path(cr);
  for (int i = 0; i < 10; ++i) {
    double a = i * 2 * kPi / 10;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + std::cos(a) * rx * 0.82, cy + std::sin(a) * ry * 0.8, ry * 0.34, 0,
              2 * kPi);
  }
  cairo_new_sub_path(cr);
  Ellipse(cr, cx, cy, rx * 0.85, ry * 0.85);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_save(cr);
  SetColor(cr, kPanelInk);
  cairo_set_line_width(cr, 8);
  cairo_stroke_preserve(cr);
  FillWith(cr, kWhite);
  cairo_restore(cr);
  for (int i = 0; i < 3; ++i) {
    double t = 0.25 + i * 0.25;
    double bx = cx + (tx - cx) * t + 0 * i, by = cy + ry * 0.9 + (ty - cy - ry * 0.9) * t;
    double r = 14 - i * 4;
    cairo_arc(cr, bx, by, r, 0, 2 * kPi);
    FillWith(cr, kWhite);
    cairo_arc(cr, bx, by, r, 0, 2 * kPi);
    StrokeRound(cr, kPanelInk, 3);
  }
}

// ---- Scenery ---------------------------------------------------------------------------

// Fills overlapping blobs as one shape: the ink goes round the outside only.
void FillUnion(cairo_t* cr, double x0, double y0, double x1, double y1, const TColor& c) {
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_save(cr);
  SetColor(cr, kPanelInk);
  cairo_set_line_width(cr, 6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  VerticalGradient(cr, y0, y1, Lighter(c, 0.15), Darker(c, 0.15));
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  RadialGlow(cr, x0 + (x1 - x0) * 0.35, y0 + (y1 - y0) * 0.3, (x1 - x0) * 0.3,
             WithAlpha(kWhite, 0.25));
  cairo_restore(cr);
  cairo_new_path(cr);
}

// A row of leafy bushes along baseY from x0 to x1, hiding whatever stands behind.
void Bushes(cairo_t* cr, double x0, double x1, double baseY, double size, const TColor& c) {
  cairo_new_path(cr);
  int i = 0;
  for (double x = x0; x <= x1; x += size * 0.8, ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, baseY - size * (0.3 + 0.12 * (i % 3)), size * 0.5, 0, 2 * kPi);
  }
  cairo_rectangle(cr, x0 - size * 0.5, baseY - size * 0.3, x1 - x0 + size, size * 0.3 + 10);
  FillUnion(cr, x0, baseY - size, x1, baseY, c);
}

// A counter or a long table with its cloth down to the floor, in front of whoever stands
// behind it.
void Counter(cairo_t* cr, double x, double y, double w, double bottom, const TColor& cloth) {
  RoundedRect(cr, x, y, w, 26, 6);
  FillGlossy(cr, x, y, x + w, y + 26, kLightWood, 3);
  cairo_move_to(cr, x + 8, y + 24);
  cairo_line_to(cr, x + w - 8, y + 24);
  cairo_line_to(cr, x + w - 8, bottom + 10);
  cairo_line_to(cr, x + 8, bottom + 10);
  cairo_close_path(cr);
  FillGlossy(cr, x + 8, y + 24, x + w - 8, bottom, cloth, 3);
  for (double fx = x + 40; fx < x + w - 20; fx += 60) {
    cairo_move_to(cr, fx, y + 34);
    cairo_line_to(cr, fx, bottom);
    StrokeRound(cr, WithAlpha(Darker(cloth, 0.3), 0.35), 3);
  }
}

// An empty speech balloon with three dots: nothing more to say.
void SpeechDots(cairo_t* cr, double cx, double cy, double w, double h, double tx, double ty) {
  cairo_move_to(cr, cx - w * 0.12, cy + h * 0.4);
  cairo_line_to(cr, tx, ty);
  cairo_line_to(cr, cx + w * 0.08, cy + h * 0.4);
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  Ellipse(cr, cx, cy, w / 2, h / 2);
  FillUnion(cr, cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2, kWhite);
  for (int i = -1; i <= 1; ++i) {
    cairo_arc(cr, cx + i * w * 0.2, cy, h * 0.08, 0, 2 * kPi);
    FillWith(cr, kPanelInk);
  }
}

void SeaAndSky(cairo_t* cr, double w, double h, double horizon, std::uint32_t seed) {
  VerticalGradient(cr, 0, horizon, kSky, kSkyHaze);
  cairo_paint(cr);
  RadialGlow(cr, w * 0.8, h * 0.15, h * 0.5, WithAlpha(kSunlight, 0.6));
  TNoise n(seed);
  for (int i = 0; i < 4; ++i) Cloud(cr, n.Range(0, w), n.Range(20, horizon * 0.45), n.Range(0.5, 1.0), 0.9);
  cairo_rectangle(cr, 0, horizon, w, h - horizon);
  VerticalGradient(cr, horizon, h, kSea, kDeepSea);
  cairo_fill(cr);
  for (int i = 0; i < 60; ++i) {
    double x = n.Range(0, w), y = n.Range(horizon + 8, h);
    double len = 10 + (y - horizon) * 0.12;
    cairo_move_to(cr, x - len, y);
    cairo_curve_to(cr, x - len / 2, y - 4, x + len / 2, y - 4, x + len, y);
    StrokeRound(cr, WithAlpha(kWhite, 0.45), 2);
  }
}

void Tree(cairo_t* cr, double x, double baseY, double size, const TColor& leaf, bool fruit,
          std::uint32_t seed) {
  cairo_move_to(cr, x - size * 0.09, baseY);
  cairo_curve_to(cr, x - size * 0.05, baseY - size * 0.4, x - size * 0.07, baseY - size * 0.6,
                 x - size * 0.03, baseY - size * 0.75);
  cairo_line_to(cr, x + size * 0.05, baseY - size * 0.75);
  cairo_curve_to(cr, x + size * 0.06, baseY - size * 0.6, x + size * 0.05, baseY - size * 0.4,
                 x + size * 0.1, baseY);
  cairo_close_path(cr);
  FillGlossy(cr, x - size * 0.1, baseY - size * 0.75, x + size * 0.1, baseY, kBark, 2.5);
  const double blobs[][3] = {{0, -0.95, 0.32}, {-0.28, -0.78, 0.25}, {0.28, -0.8, 0.26},
                             {-0.14, -1.15, 0.24}, {0.16, -1.12, 0.24}};
  cairo_new_path(cr);
  for (auto& b : blobs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + b[0] * size, baseY + b[1] * size, b[2] * size, 0, 2 * kPi);
  }
  FillUnion(cr, x - size * 0.55, baseY - size * 1.4, x + size * 0.55, baseY - size * 0.52, leaf);
  if (!fruit) return;
  TNoise n(seed);
  for (int i = 0; i < 9; ++i) {
    double fx = x + n.Range(-0.4, 0.4) * size, fy = baseY + n.Range(-1.2, -0.7) * size;
    double fs = size * 0.13;
    cairo_save(cr);
    cairo_translate(cr, fx - fs / 2, fy - fs / 2);
    DrawElement(cr, 1 + n.Int(8), fs);
    cairo_restore(cr);
  }
}

void Island(cairo_t* cr, double cx, double baseY, double w, double h, const TColor& land,
            int kind) {
  cairo_move_to(cr, cx - w / 2, baseY);
  cairo_curve_to(cr, cx - w * 0.35, baseY - h, cx + w * 0.3, baseY - h * 1.1, cx + w / 2, baseY);
  cairo_close_path(cr);
  FillGlossy(cr, cx - w / 2, baseY - h, cx + w / 2, baseY, land, 2.5);
  // Sand at the waterline.
  cairo_move_to(cr, cx - w / 2, baseY);
  cairo_curve_to(cr, cx - w * 0.3, baseY - 8, cx + w * 0.3, baseY - 8, cx + w / 2, baseY);
  StrokeRound(cr, kSand, 4);
  switch (kind) {
    case 0:  // meadows and orchards
      Tree(cr, cx - w * 0.12, baseY - h * 0.55, h * 0.55, kLeafGreen, true, 11);
      Tree(cr, cx + w * 0.14, baseY - h * 0.45, h * 0.45, kDeepLeaf, false, 12);
      break;
    case 1:  // pine woods
      for (int i = 0; i < 3; ++i) {
        double px = cx + (i - 1) * w * 0.18, py = baseY - h * (0.6 + 0.15 * (i == 1));
        cairo_move_to(cr, px, py - h * 0.55);
        cairo_line_to(cr, px - h * 0.2, py);
        cairo_line_to(cr, px + h * 0.2, py);
        cairo_close_path(cr);
        FillGlossy(cr, px - h * 0.2, py - h * 0.55, px + h * 0.2, py, kPineGreen, 2);
      }
      break;
    case 2: {  // the beach and its palm
      double px = cx + w * 0.05, py = baseY - h * 0.7;
      cairo_move_to(cr, px, py);
      cairo_curve_to(cr, px + 6, py - h * 0.4, px + 14, py - h * 0.6, px + 20, py - h * 0.8);
      StrokeRound(cr, kPalmTrunk, 6);
      for (int i = 0; i < 5; ++i) {
        double a = -kPi + i * kPi / 4;
        cairo_move_to(cr, px + 20, py - h * 0.8);
        cairo_curve_to(cr, px + 20 + std::cos(a) * h * 0.3, py - h * 0.95 + std::sin(a) * h * 0.1,
                       px + 20 + std::cos(a) * h * 0.45, py - h * 0.8 + std::sin(a) * h * 0.25,
                       px + 20 + std::cos(a) * h * 0.5, py - h * 0.65);
        StrokeRound(cr, kPalmGreen, 7);
      }
      break;
    }
    case 3:  // snow on the heights
      cairo_move_to(cr, cx - w * 0.22, baseY - h * 0.72);
      cairo_curve_to(cr, cx - w * 0.1, baseY - h * 1.02, cx + w * 0.08, baseY - h * 1.06,
                     cx + w * 0.2, baseY - h * 0.75);
      cairo_curve_to(cr, cx + w * 0.08, baseY - h * 0.82, cx - w * 0.08, baseY - h * 0.7,
                     cx - w * 0.22, baseY - h * 0.72);
      FillWith(cr, kWhite);
      break;
    case 4:  // the volcano's glow
      RadialGlow(cr, cx + w * 0.02, baseY - h * 1.0, h * 0.35, WithAlpha(kEmber, 0.8));
      for (int i = 0; i < 3; ++i) Cloud(cr, cx + i * 18, baseY - h * (1.25 + i * 0.25), 0.25 + i * 0.08, 0.7);
      break;
  }
}

void Boat(cairo_t* cr, double x, double y, double s, bool ferry) {
  cairo_move_to(cr, x - 70 * s, y - 22 * s);
  cairo_line_to(cr, x + 80 * s, y - 22 * s);
  cairo_curve_to(cr, x + 60 * s, y + 8 * s, x + 40 * s, y + 14 * s, x, y + 14 * s);
  cairo_curve_to(cr, x - 40 * s, y + 14 * s, x - 60 * s, y + 8 * s, x - 70 * s, y - 22 * s);
  cairo_close_path(cr);
  FillGlossy(cr, x - 70 * s, y - 22 * s, x + 80 * s, y + 14 * s, kWood, 2.5);
  cairo_move_to(cr, x, y - 22 * s);
  cairo_line_to(cr, x, y - 130 * s);
  StrokeRound(cr, kBark, 5 * s);
  cairo_move_to(cr, x + 4 * s, y - 126 * s);
  cairo_curve_to(cr, x + 60 * s, y - 100 * s, x + 62 * s, y - 60 * s, x + 56 * s, y - 30 * s);
  cairo_line_to(cr, x + 4 * s, y - 30 * s);
  cairo_close_path(cr);
  FillGlossy(cr, x, y - 126 * s, x + 62 * s, y - 30 * s, kCream, 2);
  if (ferry) {
    cairo_move_to(cr, x - 4 * s, y - 120 * s);
    cairo_curve_to(cr, x - 46 * s, y - 96 * s, x - 52 * s, y - 60 * s, x - 48 * s, y - 30 * s);
    cairo_line_to(cr, x - 4 * s, y - 30 * s);
    cairo_close_path(cr);
    FillGlossy(cr, x - 52 * s, y - 120 * s, x, y - 30 * s, Hex(0xf0a868), 2);
    cairo_move_to(cr, x, y - 130 * s);
    cairo_line_to(cr, x + 26 * s, y - 138 * s);
    cairo_line_to(cr, x, y - 146 * s);
    FillWith(cr, kLeaveRed);
  }
}

void Gull(cairo_t* cr, double x, double y, double s) {
  cairo_move_to(cr, x - 16 * s, y);
  cairo_curve_to(cr, x - 10 * s, y - 8 * s, x - 4 * s, y - 6 * s, x, y);
  cairo_curve_to(cr, x + 4 * s, y - 6 * s, x + 10 * s, y - 8 * s, x + 16 * s, y);
  StrokeRound(cr, kPanelInk, 2.5);
}

// A kitchen wall with a window, a shelf of jars and a floor line at floorY.
void Kitchen(cairo_t* cr, double w, double h, double floorY, bool night) {
  VerticalGradient(cr, 0, floorY, Lighter(kKitchenWall, 0.1), kKitchenWall);
  cairo_paint(cr);
  for (double x = 30; x < w; x += 70) {
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, floorY);
    StrokeRound(cr, WithAlpha(kKitchenShade, 0.25), 3);
  }
  cairo_rectangle(cr, 0, floorY, w, h - floorY);
  VerticalGradient(cr, floorY, h, kLightWood, kWood);
  cairo_fill(cr);
  // Window.
  const double wx = w * 0.62, wy = h * 0.1, ww = w * 0.26, wh = h * 0.36;
  cairo_rectangle(cr, wx, wy, ww, wh);
  if (night)
    VerticalGradient(cr, wy, wy + wh, kDusk, kDuskGlow);
  else
    VerticalGradient(cr, wy, wy + wh, kSky, kSkyHaze);
  cairo_fill(cr);
  if (!night) Cloud(cr, wx + ww * 0.4, wy + wh * 0.35, 0.35, 0.9);
  cairo_rectangle(cr, wx, wy, ww, wh);
  StrokeRound(cr, kFrameDark, 10);
  cairo_move_to(cr, wx + ww / 2, wy);
  cairo_line_to(cr, wx + ww / 2, wy + wh);
  cairo_move_to(cr, wx, wy + wh / 2);
  cairo_line_to(cr, wx + ww, wy + wh / 2);
  StrokeRound(cr, kFrameDark, 6);
  // Shelf with jars.
  const double sy = h * 0.3;
  RoundedRect(cr, w * 0.05, sy, w * 0.4, 12, 3);
  FillGlossy(cr, w * 0.05, sy, w * 0.45, sy + 12, kWood, 2);
  const TColor jars[4] = {kStrawberry, kHoney, kGrape, kApple};
  for (int i = 0; i < 4; ++i) {
    double jx = w * 0.08 + i * w * 0.09, jw = w * 0.06;
    RoundedRect(cr, jx, sy - 52, jw, 52, 8);
    FillGlossy(cr, jx, sy - 52, jx + jw, sy, Mix(jars[i], kWhite, 0.2), 2);
    RoundedRect(cr, jx - 3, sy - 60, jw + 6, 12, 3);
    FillGlossy(cr, jx - 3, sy - 60, jx + jw + 3, sy - 48, kCork, 1.5);
  }
}

void TableTop(cairo_t* cr, double x, double y, double w, double h) {
  RoundedRect(cr, x, y, w, h, 6);
  FillGlossy(cr, x, y, x + w, y + h, kLightWood, 3);
  cairo_move_to(cr, x + 10, y + h * 0.45);
  cairo_line_to(cr, x + w - 10, y + h * 0.45);
  StrokeRound(cr, WithAlpha(kBark, 0.5), 2);
}

void Bowl(cairo_t* cr, double cx, double y, double r, int fruit) {
  for (int i = 0; i < 5; ++i) {
    double fs = r * 0.55;
    cairo_save(cr);
    cairo_translate(cr, cx - r * 0.75 + i * r * 0.32, y - fs * 0.8 - (i % 2) * r * 0.15);
    DrawElement(cr, fruit == 0 ? 1 + (i * 3) % 8 : fruit, fs);
    cairo_restore(cr);
  }
  cairo_move_to(cr, cx - r, y);
  cairo_curve_to(cr, cx - r, y + r * 0.8, cx + r, y + r * 0.8, cx + r, y);
  cairo_close_path(cr);
  FillGlossy(cr, cx - r, y, cx + r, y + r * 0.6, Hex(0x6aa0d0), 2.5);
}

void Bread(cairo_t* cr, double cx, double cy, double s) {
  Ellipse(cr, cx, cy, 60 * s, 30 * s);
  FillGlossy(cr, cx - 60 * s, cy - 30 * s, cx + 60 * s, cy + 30 * s, Hex(0xd89a48), 3);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, cx + i * 26 * s - 10 * s, cy - 14 * s);
    cairo_line_to(cr, cx + i * 26 * s + 10 * s, cy + 2 * s);
    StrokeRound(cr, Hex(0xf4d090), 4 * s);
  }
  for (int i = 0; i < 3; ++i) {
    double sx = cx + (i - 1) * 26 * s;
    cairo_move_to(cr, sx, cy - 36 * s);
    cairo_curve_to(cr, sx - 12 * s, cy - 60 * s, sx + 12 * s, cy - 76 * s, sx, cy - 100 * s);
    StrokeRound(cr, WithAlpha(kWhite, 0.7), 5 * s);
  }
}

// Grandmother's oil lamp, its spout to the right; glowing when lit.
void Lamp(cairo_t* cr, double cx, double cy, double s, bool lit) {
  if (lit) RadialGlow(cr, cx + 70 * s, cy - 40 * s, 160 * s, WithAlpha(kGlow, 0.85));
  cairo_move_to(cr, cx - 60 * s, cy);
  cairo_curve_to(cr, cx - 60 * s, cy - 50 * s, cx + 40 * s, cy - 50 * s, cx + 50 * s, cy - 14 * s);
  cairo_line_to(cr, cx + 92 * s, cy - 34 * s);
  cairo_line_to(cr, cx + 96 * s, cy - 26 * s);
  cairo_curve_to(cr, cx + 60 * s, cy, cx + 40 * s, cy + 14 * s, cx, cy + 14 * s);
  cairo_curve_to(cr, cx - 40 * s, cy + 14 * s, cx - 60 * s, cy + 10 * s, cx - 60 * s, cy);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 60 * s, cy - 50 * s, cx + 96 * s, cy + 14 * s, kLampBrass, 3);
  cairo_move_to(cr, cx - 56 * s, cy - 10 * s);
  cairo_curve_to(cr, cx - 100 * s, cy - 20 * s, cx - 100 * s, cy + 10 * s, cx - 58 * s, cy + 6 * s);
  StrokeRound(cr, kPanelInk, 11 * s);
  cairo_move_to(cr, cx - 56 * s, cy - 10 * s);
  cairo_curve_to(cr, cx - 100 * s, cy - 20 * s, cx - 100 * s, cy + 10 * s, cx - 58 * s, cy + 6 * s);
  StrokeRound(cr, kLampBrass, 6 * s);
  Ellipse(cr, cx - 6 * s, cy - 42 * s, 18 * s, 8 * s);
  FillGlossy(cr, cx - 24 * s, cy - 50 * s, cx + 12 * s, cy - 34 * s, kGold, 2);
  cairo_arc(cr, cx - 6 * s, cy - 56 * s, 7 * s, 0, 2 * kPi);
  FillGlossy(cr, cx - 13 * s, cy - 63 * s, cx + 1 * s, cy - 49 * s, kGold, 2);
}

void Basket(cairo_t* cr, double cx, double y, double s) {
  cairo_move_to(cr, cx - 80 * s, y - 40 * s);
  cairo_curve_to(cr, cx - 80 * s, y - 150 * s, cx + 80 * s, y - 150 * s, cx + 80 * s, y - 40 * s);
  StrokeRound(cr, kPanelInk, 14 * s);
  cairo_move_to(cr, cx - 80 * s, y - 40 * s);
  cairo_curve_to(cr, cx - 80 * s, y - 150 * s, cx + 80 * s, y - 150 * s, cx + 80 * s, y - 40 * s);
  StrokeRound(cr, kLightWood, 8 * s);
  for (int i = 0; i < 6; ++i) {
    double fs = 46 * s;
    cairo_save(cr);
    cairo_translate(cr, cx - 84 * s + i * 28 * s, y - 78 * s - (i % 2) * 14 * s);
    DrawElement(cr, 1 + (i * 5) % 8, fs);
    cairo_restore(cr);
  }
  cairo_move_to(cr, cx - 96 * s, y - 44 * s);
  cairo_line_to(cr, cx + 96 * s, y - 44 * s);
  cairo_line_to(cr, cx + 78 * s, y + 20 * s);
  cairo_line_to(cr, cx - 78 * s, y + 20 * s);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 96 * s, y - 44 * s, cx + 96 * s, y + 20 * s, kCork, 3);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, cx - 90 * s + i * 4 * s, y - 26 * s + i * 18 * s);
    cairo_line_to(cr, cx + 90 * s - i * 4 * s, y - 26 * s + i * 18 * s);
    StrokeRound(cr, WithAlpha(kBark, 0.7), 2.5 * s);
  }
}

void Sparkles(cairo_t* cr, double cx, double cy, double spread, int count, std::uint32_t seed) {
  TNoise n(seed);
  for (int i = 0; i < count; ++i)
    Sparkle(cr, cx + n.Range(-spread, spread), cy + n.Range(-spread, spread) * 0.7,
            n.Range(5, 13), kTwinkle);
}

// The restaurant's front: crooked walls, a door at doorX, a sign and windows.
void RestaurantFront(cairo_t* cr, double x, double groundY, double w, double h, bool shabby,
                     bool lit) {
  cairo_move_to(cr, x, groundY);
  cairo_line_to(cr, x + (shabby ? 14 : 0), groundY - h);
  cairo_line_to(cr, x + w + (shabby ? 26 : 0), groundY - h - (shabby ? 18 : 0));
  cairo_line_to(cr, x + w, groundY);
  cairo_close_path(cr);
  FillGlossy(cr, x, groundY - h, x + w, groundY, shabby ? Hex(0xd8c09a) : kKitchenWall, 3);
  // Roof.
  cairo_move_to(cr, x - 30, groundY - h + 10);
  cairo_line_to(cr, x + w * 0.5 + (shabby ? 30 : 0), groundY - h - h * 0.55);
  cairo_line_to(cr, x + w + 40, groundY - h - (shabby ? 10 : -10));
  cairo_close_path(cr);
  FillGlossy(cr, x - 30, groundY - h * 1.55, x + w + 40, groundY - h + 10, kBrick, 3);
  // Door.
  const double dw = w * 0.24, dh = h * 0.62, dx = x + w * 0.38;
  cairo_move_to(cr, dx, groundY);
  cairo_line_to(cr, dx + (shabby ? 6 : 0), groundY - dh);
  cairo_curve_to(cr, dx + dw * 0.2, groundY - dh - 30, dx + dw * 0.8, groundY - dh - 30, dx + dw,
                 groundY - dh + (shabby ? 8 : 0));
  cairo_line_to(cr, dx + dw, groundY);
  cairo_close_path(cr);
  if (lit)
    VerticalGradient(cr, groundY - dh, groundY, kGlow, kHoney);
  else
    VerticalGradient(cr, groundY - dh, groundY, kFrameMiddle, kFrameDark);
  cairo_fill_preserve(cr);
  StrokeRound(cr, kPanelInk, 3);
  // Windows.
  for (int side = 0; side < 2; ++side) {
    double wx = side == 0 ? x + w * 0.1 : x + w * 0.7, wy = groundY - h * 0.72;
    double ww = w * 0.18, wh = h * 0.3;
    cairo_rectangle(cr, wx, wy, ww, wh);
    if (lit)
      VerticalGradient(cr, wy, wy + wh, kGlow, kHoney);
    else
      VerticalGradient(cr, wy, wy + wh, Hex(0x5a6a80), Hex(0x2a3444));
    cairo_fill_preserve(cr);
    StrokeRound(cr, kFrameDark, 6);
    if (shabby && side == 1) {
      cairo_move_to(cr, wx + 4, wy + 4);
      cairo_line_to(cr, wx + ww - 4, wy + wh - 4);
      cairo_move_to(cr, wx + ww - 4, wy + 4);
      cairo_line_to(cr, wx + 4, wy + wh - 4);
      StrokeRound(cr, kWood, 8);
    }
  }
  // Sign with a spoon and a fork.
  const double sx = x + w * 0.34, sy = groundY - h - 4;
  RoundedRect(cr, sx, sy - 40, w * 0.32, 40, 8);
  FillGlossy(cr, sx, sy - 40, sx + w * 0.32, sy, kWood, 2.5);
  cairo_move_to(cr, sx + w * 0.1, sy - 10);
  cairo_line_to(cr, sx + w * 0.1, sy - 30);
  cairo_move_to(cr, sx + w * 0.22, sy - 10);
  cairo_line_to(cr, sx + w * 0.22, sy - 30);
  StrokeRound(cr, kCream, 4);
  cairo_arc(cr, sx + w * 0.1, sy - 30, 6, 0, 2 * kPi);
  FillWith(cr, kCream);
}

// A small red heart: the creatures are friends now.
void Heart(cairo_t* cr, double cx, double cy, double r) {
  cairo_move_to(cr, cx, cy + r);
  cairo_curve_to(cr, cx - r * 1.6, cy - r * 0.1, cx - r * 0.8, cy - r * 1.4, cx, cy - r * 0.45);
  cairo_curve_to(cr, cx + r * 0.8, cy - r * 1.4, cx + r * 1.6, cy - r * 0.1, cx, cy + r);
  cairo_close_path(cr);
  FillGlossy(cr, cx - r * 1.2, cy - r, cx + r * 1.2, cy + r, kStrawberry, 2);
}

void Lantern(cairo_t* cr, double x, double y, double s) {
  RadialGlow(cr, x, y, 60 * s, WithAlpha(kGlow, 0.7));
  RoundedRect(cr, x - 12 * s, y - 16 * s, 24 * s, 32 * s, 8 * s);
  FillGlossy(cr, x - 12 * s, y - 16 * s, x + 12 * s, y + 16 * s, kTitleGold, 2);
}

void Plate(cairo_t* cr, double cx, double cy, double r, int fruit) {
  Ellipse(cr, cx, cy, r, r * 0.35);
  FillGlossy(cr, cx - r, cy - r * 0.35, cx + r, cy + r * 0.35, kWhite, 2);
  Ellipse(cr, cx, cy, r * 0.65, r * 0.22);
  StrokeRound(cr, WithAlpha(kNavigateBlue, 0.5), 1.5);
  if (fruit > 0) {
    cairo_save(cr);
    cairo_translate(cr, cx - r * 0.45, cy - r * 0.75);
    DrawElement(cr, fruit, r * 0.9);
    cairo_restore(cr);
  }
}

void Spoon(cairo_t* cr, double x0, double y0, double x1, double y1, double s) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  StrokeRound(cr, kPanelInk, 16 * s);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  StrokeRound(cr, kLightWood, 10 * s);
  double a = std::atan2(y1 - y0, x1 - x0);
  cairo_save(cr);
  cairo_translate(cr, x1, y1);
  cairo_rotate(cr, a);
  Ellipse(cr, 26 * s, 0, 30 * s, 20 * s);
  FillGlossy(cr, -4 * s, -20 * s, 56 * s, 20 * s, kLightWood, 3);
  cairo_restore(cr);
}

// ---- The opening ----------------------------------------------------------------------

void StoryIslands(cairo_t* cr, double w, double h) {
  Page(cr, w, h, 101);
  Panel(cr, 24, 24, 880, 599, [](cairo_t* cr, double w, double h) {
    SeaAndSky(cr, w, h, h * 0.42, 7);
    const TColor lands[5] = {kMeadow, kPineGreen, kSand, Hex(0x9ab0b8), kRock};
    const double xs[5] = {0.13, 0.32, 0.52, 0.7, 0.88}, ys[5] = {0.62, 0.5, 0.66, 0.48, 0.58};
    const double ws[5] = {220, 160, 200, 150, 190};
    for (int i : {1, 3, 0, 2, 4})
      Island(cr, xs[i] * w, ys[i] * h, ws[i], ws[i] * 0.42, lands[i], i);
    Boat(cr, w * 0.42, h * 0.88, 0.9, false);
    Gull(cr, w * 0.25, h * 0.16, 1.2);
    Gull(cr, w * 0.31, h * 0.21, 0.9);
    Gull(cr, w * 0.6, h * 0.12, 1.0);
  });
  Panel(cr, 930, 24, 412, 290, [](cairo_t* cr, double w, double h) {
    // A harbour house with bread cooling on its sill.
    SeaAndSky(cr, w, h, h * 0.72, 9);
    cairo_rectangle(cr, 0, h * 0.84, w * 0.72, h * 0.2);
    FillGlossy(cr, 0, h * 0.84, w * 0.72, h, Hex(0xb0a090), 3);
    for (int i = 0; i < 6; ++i) {
      cairo_move_to(cr, i * 50 + 20, h * 0.84);
      cairo_line_to(cr, i * 50 + 20, h);
      StrokeRound(cr, WithAlpha(kPanelInk, 0.4), 2);
    }
    RestaurantFront(cr, 60, h * 0.86, 210, 150, false, false);
    Bread(cr, w * 0.8, h * 0.72, 0.6);
    Gull(cr, w * 0.78, h * 0.15, 1);
  });
  Panel(cr, 930, 333, 412, 290, [](cairo_t* cr, double w, double h) {
    // And the road's end: a kitchen table set for whoever comes.
    Kitchen(cr, w, h, h * 0.62, false);
    TableTop(cr, 20, h * 0.68, w - 40, 30);
    Bread(cr, w * 0.3, h * 0.62, 0.7);
    Bowl(cr, w * 0.7, h * 0.64, 50, 0);
  });
}

void StoryGrandmother(cairo_t* cr, double w, double h) {
  Page(cr, w, h, 102);
  Panel(cr, 24, 24, 640, 599, [](cairo_t* cr, double w, double h) {
    Kitchen(cr, w, h, h * 0.7, false);
    Wynnet(cr, 110, 120, 1.15);
    Counter(cr, -10, h * 0.76, w + 20, h, kNavigateBlue);
    Bowl(cr, w * 0.3, h * 0.76, 70, 2);
    Bowl(cr, w * 0.62, h * 0.76, 60, 4);
  });
  Panel(cr, 690, 24, 652, 599, [](cairo_t* cr, double w, double h) {
    // The tales: the cook of five islands, in a thought above the table.
    Kitchen(cr, w, h, h * 0.76, true);
    ThoughtCloud(cr, w * 0.5, h * 0.4, w * 0.42, h * 0.34, w * 0.25, h * 0.9);
    cairo_save(cr);
    Ellipse(cr, w * 0.5, h * 0.4, w * 0.4, h * 0.3);
    cairo_clip(cr);
    Orvell(cr, w * 0.5 - 150, h * 0.14, 0.55);
    for (int i = 0; i < 5; ++i) Creature(cr, i, w * 0.14 + i * w * 0.13, h * 0.48, 0.3);
    cairo_restore(cr);
    Lamp(cr, w * 0.2, h * 0.92, 0.6, true);
  });
}

void StoryLetter(cairo_t* cr, double w, double h) {
  Page(cr, w, h, 103);
  Panel(cr, 24, 24, 560, 599, [](cairo_t* cr, double w, double h) {
    Kitchen(cr, w, h, h * 0.72, false);
    // The letter in her raised hand, powdered with flour.
    cairo_save(cr);
    cairo_translate(cr, 70, 120);
    cairo_rotate(cr, -0.18);
    ParchmentPanel(cr, 0, 0, 140, 96, 6, 31);
    for (int i = 0; i < 4; ++i) {
      cairo_move_to(cr, 18, 22 + i * 16);
      cairo_line_to(cr, i == 3 ? 70 : 120, 22 + i * 16);
      StrokeRound(cr, WithAlpha(kInk, 0.6), 2);
    }
    RadialGlow(cr, 100, 60, 30, kFlourDust);
    cairo_restore(cr);
    Wynnet(cr, 60, 150, 1.0, true);
    Counter(cr, -10, h * 0.8, w + 20, h, kLeaveRed);
  });
  Panel(cr, 608, 24, 734, 330, [](cairo_t* cr, double w, double h) {
    // The letter itself: flour smudges, lines of hasty writing and a spoon for a seal.
    SetColor(cr, Hex(0x8a5a30));
    cairo_paint(cr);
    cairo_save(cr);
    cairo_translate(cr, w * 0.5, h * 0.5);
    cairo_rotate(cr, -0.04);
    ParchmentPanel(cr, -w * 0.42, -h * 0.42, w * 0.84, h * 0.84, 8, 17);
    for (int i = 0; i < 6; ++i) {
      double y = -h * 0.3 + i * 30, len = w * (i == 5 ? 0.3 : 0.66);
      cairo_move_to(cr, -w * 0.35, y);
      for (double x = 0; x < len; x += 12)
        cairo_line_to(cr, -w * 0.35 + x, y + std::sin(x * 0.3 + i) * 3);
      StrokeRound(cr, WithAlpha(kInk, 0.75), 2.5);
    }
    TNoise n(23);
    for (int i = 0; i < 5; ++i) {
      RadialGlow(cr, n.Range(-w * 0.35, w * 0.35), n.Range(-h * 0.3, h * 0.3), n.Range(20, 40),
                 kFlourDust);
    }
    cairo_arc(cr, w * 0.3, h * 0.22, 26, 0, 2 * kPi);
    FillGlossy(cr, w * 0.3 - 26, h * 0.22 - 26, w * 0.3 + 26, h * 0.22 + 26, kLeaveRed, 2.5);
    Spoon(cr, w * 0.3 - 8, h * 0.22 + 12, w * 0.3 + 4, h * 0.22 - 8, 0.3);
    cairo_restore(cr);
  });
  Panel(cr, 608, 376, 734, 247, [](cairo_t* cr, double w, double h) {
    // Meanwhile on the islands: the creatures, hungry and cross.
    VerticalGradient(cr, 0, h, Hex(0x8a8aa8), Hex(0x5a5a78));
    cairo_paint(cr);
    for (int i = 0; i < 5; ++i) {
      cairo_arc(cr, 112 + i * 128, h * 0.52, 70, 0, 2 * kPi);
      FillWith(cr, WithAlpha(kWhite, 0.12));
      Creature(cr, i, 112 + i * 128 - 128 * 0.85, h * 0.52 - 116 * 0.85, 0.85, 0);
    }
  });
}

void StoryLamp(cairo_t* cr, double w, double h) {
  Page(cr, w, h, 104);
  Panel(cr, 24, 24, 520, 599, [](cairo_t* cr, double w, double h) {
    // Packing: the basket of fruit and the old lamp on the table.
    Kitchen(cr, w, h, h * 0.6, false);
    Counter(cr, -10, h * 0.66, w + 20, h, kDress);
    Basket(cr, w * 0.38, h * 0.67, 1.1);
    Lamp(cr, w * 0.72, h * 0.65, 0.75, false);
  });
  Panel(cr, 570, 24, 772, 599, [](cairo_t* cr, double w, double h) {
    // Out of the lamp climbs Pip, yawning, while Wynnet looks on.
    Kitchen(cr, w, h, h * 0.72, true);
    Wynnet(cr, w * 0.48, 90, 1.1, true);
    Counter(cr, -10, h * 0.78, w + 20, h, kDress);
    Lamp(cr, w * 0.18, h * 0.79, 1.1, true);
    Sparkles(cr, w * 0.34, h * 0.42, 110, 14, 77);
    Pip(cr, w * 0.26, h * 0.22, 1.7);
  });
}

void StoryFerry(cairo_t* cr, double w, double h) {
  Page(cr, w, h, 105);
  Panel(cr, 24, 24, 560, 599, [](cairo_t* cr, double w, double h) {
    // The ferry at the jetty of Mossberry Isle.
    SeaAndSky(cr, w, h, h * 0.5, 41);
    Island(cr, w * 0.75, h * 0.62, 420, 150, kMeadow, 0);
    cairo_rectangle(cr, w * 0.45, h * 0.66, w * 0.6, 16);
    FillGlossy(cr, w * 0.45, h * 0.66, w * 1.05, h * 0.66 + 16, kWood, 2.5);
    for (int i = 0; i < 4; ++i) {
      cairo_rectangle(cr, w * 0.5 + i * 60, h * 0.66, 10, 70);
      FillGlossy(cr, w * 0.5 + i * 60, h * 0.66, w * 0.5 + i * 60 + 10, h * 0.66 + 70, kBark, 2);
    }
    Boat(cr, w * 0.25, h * 0.8, 1.5, true);
    Wynnet(cr, w * 0.6, h * 0.25, 0.5);
    Bushes(cr, w * 0.58, w * 0.95, h * 0.6, 60, kDeepLeaf);
    Pip(cr, w * 0.84, h * 0.26, 0.6, true);
    Gull(cr, w * 0.2, h * 0.16, 1.3);
  });
  Panel(cr, 608, 24, 734, 599, [](cairo_t* cr, double w, double h) {
    // The orchard heavy with fruit, and the owl glaring from the tallest tree.
    SkyAndHills(cr, static_cast<int>(w), static_cast<int>(h), kSky, kSkyHaze, kMeadow, kFarMeadow, 53);
    Tree(cr, w * 0.14, h * 0.88, 220, kLeafGreen, true, 61);
    Tree(cr, w * 0.86, h * 0.92, 230, kDeepLeaf, true, 62);
    Tree(cr, w * 0.5, h * 0.98, 420, kLeafGreen, true, 63);
    Creature(cr, 0, w * 0.5 - 128 * 0.9, h * 0.02, 0.9, 3);
  });
}

void StoryDoorway(cairo_t* cr, double w, double h) {
  Page(cr, w, h, 106);
  Panel(cr, 24, 24, 1318, 599, [](cairo_t* cr, double w, double h) {
    SkyAndHills(cr, static_cast<int>(w), static_cast<int>(h), kSky, kSkyHaze, kMeadow, kFarMeadow, 71);
    cairo_rectangle(cr, 0, h * 0.86, w, h * 0.14);
    VerticalGradient(cr, h * 0.86, h, kSand, Darker(kSand, 0.2));
    cairo_fill(cr);
    RestaurantFront(cr, w * 0.3, h * 0.9, 520, 360, true, false);
    // Orvell in the crooked doorway, waving; his apron is patched.
    Orvell(cr, w * 0.3 + 84, h * 0.9 - 430, 0.85);
    Wynnet(cr, w * 0.03, 170, 1.25);
    Pip(cr, w * 0.33, h * 0.2, 0.9, true);
    Basket(cr, w * 0.84, h * 0.94, 0.9);
    Tree(cr, w * 0.93, h * 0.9, 260, kLeafGreen, true, 72);
  });
}

// ---- The ending -----------------------------------------------------------------------

void EndingGuests(cairo_t* cr, double w, double h) {
  Page(cr, w, h, 201);
  Panel(cr, 24, 24, 1318, 599, [](cairo_t* cr, double w, double h) {
    // The restaurant full of light; the five creatures come knocking, only hungry now.
    Kitchen(cr, w, h, h * 0.7, true);
    for (int i = 0; i < 5; ++i) Lantern(cr, 120 + i * 270, 60, 1.2);
    cairo_move_to(cr, 0, 40);
    for (int i = 0; i <= 5; ++i) cairo_line_to(cr, i * 270 + (i ? -30 : 0), 40 + (i % 2) * 20);
    StrokeRound(cr, kBark, 2);
    for (int i = 0; i < 5; ++i) {
      Creature(cr, i, 40 + i * 250, h * 0.34, 0.95, 1);
      Heart(cr, 200 + i * 250, h * 0.36, 16);
    }
    TableTop(cr, 0, h * 0.82, w, 60);
    const int dishes[5] = {3, 7, 1, 4, 2};
    for (int i = 0; i < 5; ++i) Plate(cr, 160 + i * 250, h * 0.84, 60, dishes[i]);
  });
}

void EndingSpoon(cairo_t* cr, double w, double h) {
  Page(cr, w, h, 202);
  Panel(cr, 24, 24, 800, 599, [](cairo_t* cr, double w, double h) {
    // The old wooden spoon, handed across the counter.
    Kitchen(cr, w, h, h * 0.72, true);
    Orvell(cr, 10, h * 0.18, 1.0);
    Wynnet(cr, w * 0.55, h * 0.2, 1.0, true);
    Counter(cr, 470, h * 0.8, w - 460, h, kCream);
    Spoon(cr, 548, 236, 548, 130, 1.2);
    Sparkles(cr, 548, 70, 70, 7, 88);
  });
  Panel(cr, 850, 24, 492, 599, [](cairo_t* cr, double w, double h) {
    // And for once the cook has nothing more to add.
    Kitchen(cr, w, h, h * 0.72, true);
    cairo_save(cr);
    Orvell(cr, -w * 0.35, h * 0.1, 1.25);
    cairo_restore(cr);
    SpeechDots(cr, w * 0.74, h * 0.14, 190, 100, w * 0.55, h * 0.3);
  });
}

void EndingEvening(cairo_t* cr, double w, double h) {
  Page(cr, w, h, 203);
  Panel(cr, 24, 24, 1318, 599, [](cairo_t* cr, double w, double h) {
    VerticalGradient(cr, 0, h * 0.7, kDusk, kDuskGlow);
    cairo_paint(cr);
    TNoise n(5);
    for (int i = 0; i < 40; ++i)
      Sparkle(cr, n.Range(0, w), n.Range(0, h * 0.3), n.Range(2, 5), kPaleTwinkle);
    cairo_rectangle(cr, 0, h * 0.62, w, h * 0.38);
    VerticalGradient(cr, h * 0.62, h, Darker(kMeadow, 0.35), Darker(kMeadow, 0.6));
    cairo_fill(cr);
    RestaurantFront(cr, w * 0.62, h * 0.66, 380, 240, false, true);
    cairo_move_to(cr, 0, 70);
    cairo_curve_to(cr, w * 0.25, 130, w * 0.5, 130, w * 0.75, 70);
    StrokeRound(cr, kBark, 2.5);
    for (int i = 0; i < 7; ++i) {
      double x = 60 + i * 150;
      double t = x / (w * 0.75), y = 70 + 4 * 45 * t * (1 - t);
      Lantern(cr, x, y + 22, 1.0);
    }
    // The long table with one more plate, and whoever comes next.
    for (int i = 0; i < 3; ++i) Creature(cr, i, 60 + i * 200, h * 0.42, 0.75, 0);
    Wynnet(cr, w * 0.47, h * 0.18, 0.95, true);
    Pip(cr, w * 0.42, h * 0.3, 0.7);
    Counter(cr, 20, h * 0.8, w * 0.86, h * 0.97, kCream);
    for (int i = 0; i < 7; ++i) Plate(cr, 90 + i * 150, h * 0.81, 48, i == 6 ? 0 : 1 + i);
    Creature(cr, 3, w * 0.85, h * 0.58, 0.55, 2);
    Creature(cr, 4, w * 0.9, h * 0.64, 0.5, 1);
  });
}

using TStrip = void (*)(cairo_t*, double, double);
const TStrip kOpening[6] = {StoryIslands, StoryGrandmother, StoryLetter,
                            StoryLamp,    StoryFerry,       StoryDoorway};
const TStrip kEnding[3] = {EndingGuests, EndingSpoon, EndingEvening};

}  // namespace

void PaintStoryStrip(TCanvas& c, const TAssetSpec& s, TStoryStrip strip) {
  const TStrip* strips = strip.Ending ? kEnding : kOpening;
  const int count = strip.Ending ? 3 : 6;
  if (strip.Number < 1 || strip.Number > count) return;
  strips[strip.Number - 1](c.Cr(), s.Width(), s.Height());
}

// The bars above and below the strips: pattern 0 is the top of the screen, pattern 1 the
// bottom, each at half size; the strip shows between them with a soft edge.
void PaintStoryBGMask(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [](cairo_t* cr, int p, double w, double h) {
    // Where the strip begins (top) or ends (bottom), in pattern pixels.
    const double edge = p == 0 ? 18.5 : h / 2;
    const double soft = 7;
    // Solid to the strip's edge, then a short fade into it.
    const double y0 = p == 0 ? 0 : edge, y1 = p == 0 ? edge : h;
    cairo_rectangle(cr, 0, y0, w, y1 - y0);
    FillWith(cr, kBlack);
    const double fy0 = p == 0 ? edge : edge - soft, fy1 = p == 0 ? edge + soft : edge;
    cairo_rectangle(cr, 0, fy0, w, fy1 - fy0);
    if (p == 0)
      VerticalGradient(cr, fy0, fy1, WithAlpha(kBlack, 0.8), WithAlpha(kBlack, 0));
    else
      VerticalGradient(cr, fy0, fy1, WithAlpha(kBlack, 0), WithAlpha(kBlack, 0.8));
    cairo_fill(cr);
    // A thin gold rule along the bar, like a film's edge.
    const double ry = p == 0 ? edge - 3 : edge + 3;
    cairo_move_to(cr, 0, ry);
    cairo_line_to(cr, w, ry);
    StrokeRound(cr, WithAlpha(kGold, 0.5), 1);
  });
}

// Shadow gathering in the corners, drawn at four times its size over the strip.
void PaintStoryDarkCorners(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_scale(cr, w / 2, h / 2);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0.55, 0, 0, 1.45);
  AddStop(g, 0, WithAlpha(kBlack, 0));
  AddStop(g, 0.45, WithAlpha(kBlack, 0.35));
  AddStop(g, 1, kBlack);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

}  // namespace assetgen
