// The five island creatures of the boss rounds and their aura. One chubby figure plan serves
// all five (body, head, feet, two arms or wings, and a tail or what hangs off them), so the
// dead creature's six pieces put back together are the living one. Each island dresses the
// plan its own way: an owl of the meadows, a squirrel of the pine woods, a bee of the beach,
// a bat of the snow and a cat of the volcano. Menacing brows, friendly round shapes.
#include <algorithm>
#include <cmath>

#include "Painters.h"
#include "bosses/TBossFigure.h"

namespace assetgen {

namespace {
const double kPi = M_PI;
using F = TBossFigure;

enum class TEyes { Open, Glowing, Dazed };

struct TPose {
  double Turn = 0;    // 0 facing us, 1 three-quarter view looking left
  double Bob = 0;     // body lift in pixels
  double Step = 0;    // walking phase in radians
  bool Walking = false;
  double Raise = 0;   // arms or wings up, 0..1
  double Breath = 0;  // chest swell, 0..1
  double Mouth = 0;   // 0 a smirk, 1 wide open
  TEyes Eyes = TEyes::Open;
};

struct TLook {
  TColor Fur, Belly, Eye, Feet, Wing, Extra;
};

TLook LookOf(TCreature kind) {
  switch (kind) {
    case TCreature::Owl:
      return {Hex(0x8a6238), Hex(0xf2dcb0), Hex(0xffb020), Hex(0xf0a030), Hex(0x6e4a2a),
              Hex(0x7a5430)};
    case TCreature::Squirrel:
      return {Hex(0xc8642a), Hex(0xfbe2c0), Hex(0x5a3418), Hex(0x8a4a22), Hex(0xb85a26),
              Hex(0xd8783a)};
    case TCreature::Bee:
      return {Hex(0xffc828), Hex(0xfff0a0), Hex(0x3a2a6a), Hex(0x3a2a20), Hex(0xd8f4ff, 0.7),
              Hex(0x3a2a20)};
    case TCreature::Bat:
      return {Hex(0x5a4a90), Hex(0xa898d8), Hex(0xffd030), Hex(0x8a8aa0), Hex(0x3e2f6a),
              Hex(0xd83a3a)};
    case TCreature::Cat:
      return {Hex(0x4a3e4e), Hex(0xa08880), Hex(0xffa020), Hex(0x3a3040), Hex(0x4a3e4e),
              Hex(0x4a3e4e)};
  }
  return {};
}

const TColor kBeak = Hex(0xf0a030);
const TColor kBrow = Hex(0x2a1a10);
const TColor kFang = Hex(0xfffaf0);
const TColor kPink = Hex(0xf08aa0);
const TColor kEmberTip = Hex(0xffb030);
const TColor kFlame = Hex(0xff6a20);
const TColor kAuraViolet = Hex(0xb48cff);
const TColor kAuraCyan = Hex(0x9af0ff);
const TColor kSweat = Hex(0x8ad4ff);


// ---- Where the pieces sit -----------------------------------------------------------

double BodyX(const TPose& p) { return F::FeetX - 4 * p.Turn; }
double BodyY(const TPose& p) { return 144 - p.Bob; }
double HeadX(const TPose& p) { return F::FeetX - 14 * p.Turn; }
double HeadY(const TPose& p) { return 84 - p.Bob * 1.2; }
double FaceX(const TPose& p) { return HeadX(p) - 14 * p.Turn; }

// ---- Tail, scarf, stinger -----------------------------------------------------------

void DrawExtra(cairo_t* cr, TCreature kind, const TLook& look, const TPose& p) {
  const double bx = BodyX(p), by = BodyY(p);
  const double swish = p.Walking ? 4 * std::sin(p.Step) : 0;
  switch (kind) {
    case TCreature::Owl:
      // A fan of three tail feathers behind, to the right.
      for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, bx + 40, by + 34);
        cairo_rotate(cr, -0.35 + i * 0.3 + swish * 0.02);
        Ellipse(cr, 26, 0, 26, 9);
        FillGlossy(cr, 0, -9, 52, 9, i == 1 ? look.Wing : look.Extra, 2.5);
        cairo_restore(cr);
      }
      break;
    case TCreature::Squirrel: {
      // The great bushy tail rises behind the back and curls over at the top.
      const double tx = bx + 46, ty = by + 40;
      cairo_move_to(cr, tx - 10, ty);
      cairo_curve_to(cr, tx + 72, ty - 6, tx + 82 + swish, ty - 96, tx + 56 + swish, ty - 142);
      cairo_curve_to(cr, tx + 42 + swish, ty - 170, tx - 4, ty - 172, tx - 18, ty - 146);
      cairo_curve_to(cr, tx + 6, ty - 156, tx + 20, ty - 134, tx + 10, ty - 112);
      cairo_curve_to(cr, tx - 4, ty - 76, tx + 6, ty - 44, tx - 20, ty - 18);
      cairo_close_path(cr);
      FillGlossy(cr, tx - 20, ty - 172, tx + 82, ty, look.Extra, 3, true);
      cairo_save(cr);
      cairo_clip(cr);
      // A paler stripe down the middle, and tufts of fur.
      cairo_move_to(cr, tx + 2, ty - 8);
      cairo_curve_to(cr, tx + 44, ty - 20, tx + 50 + swish, ty - 90, tx + 34 + swish, ty - 138);
      StrokeRound(cr, WithAlpha(look.Belly, 0.55), 10);
      for (int i = 0; i < 6; ++i) {
        double fy = ty - 20 - i * 24, fx = tx + 48 - std::abs(i - 2.5) * 8 + swish;
        cairo_move_to(cr, fx, fy);
        cairo_line_to(cr, fx + 10, fy - 8);
        StrokeRound(cr, Darker(look.Extra, 0.35), 2);
      }
      cairo_restore(cr);
      cairo_new_path(cr);
      break;
    }
    case TCreature::Bee: {
      // The stinger behind, pointing out to the right.
      const double sx = bx + 50, sy = by + 30;
      cairo_move_to(cr, sx - 6, sy - 12);
      cairo_curve_to(cr, sx + 14, sy - 10, sx + 28, sy + 2, sx + 40, sy + 16);
      cairo_curve_to(cr, sx + 24, sy + 14, sx + 8, sy + 14, sx - 6, sy + 12);
      cairo_close_path(cr);
      FillGlossy(cr, sx - 6, sy - 12, sx + 40, sy + 16, look.Extra, 2.5);
      break;
    }
    case TCreature::Bat: {
      // A knitted red scarf: a band round the neck and an end fluttering to the right.
      const double nx = HeadX(p), ny = HeadY(p) + 44;
      cairo_move_to(cr, nx + 18, ny);
      cairo_curve_to(cr, nx + 40, ny + 8, nx + 56 + swish, ny + 20, nx + 70 + swish, ny + 40);
      cairo_line_to(cr, nx + 58 + swish, ny + 58);
      cairo_curve_to(cr, nx + 44, ny + 36, nx + 30, ny + 26, nx + 10, ny + 18);
      cairo_close_path(cr);
      FillGlossy(cr, nx + 10, ny, nx + 70, ny + 58, look.Extra, 2.5);
      for (int i = 0; i < 3; ++i) {
        double t = 0.3 + i * 0.22;
        double x0 = nx + 18 + t * 48, y0 = ny + t * 40;
        cairo_move_to(cr, x0, y0 + 4);
        cairo_line_to(cr, x0 - 10, y0 + 14);
        StrokeRound(cr, kWhite, 4);
      }
      RoundedRect(cr, nx - 44, ny - 8, 88, 20, 10);
      FillGlossy(cr, nx - 44, ny - 8, nx + 44, ny + 12, look.Extra, 2.5);
      for (int i = -3; i <= 3; ++i) {
        cairo_move_to(cr, nx + i * 12 - 3, ny - 5);
        cairo_line_to(cr, nx + i * 12 + 3, ny + 9);
        StrokeRound(cr, WithAlpha(kWhite, 0.85), 4);
      }
      break;
    }
    case TCreature::Cat: {
      // A long tail curling up behind, its tip a little flame.
      const double tx = bx + 44, ty = by + 44;
      cairo_move_to(cr, tx, ty);
      cairo_curve_to(cr, tx + 50, ty + 6, tx + 70 + swish, ty - 40, tx + 54 + swish, ty - 80);
      StrokeRound(cr, Darker(look.Extra, 0.6), 17);
      cairo_move_to(cr, tx, ty);
      cairo_curve_to(cr, tx + 50, ty + 6, tx + 70 + swish, ty - 40, tx + 54 + swish, ty - 80);
      StrokeRound(cr, look.Extra, 12);
      const double fx = tx + 54 + swish, fy = ty - 84;
      RadialGlow(cr, fx, fy - 6, 26, WithAlpha(kEmber, 0.7));
      cairo_move_to(cr, fx - 10, fy + 4);
      cairo_curve_to(cr, fx - 14, fy - 10, fx - 2, fy - 18, fx + 2, fy - 32);
      cairo_curve_to(cr, fx + 8, fy - 18, fx + 16, fy - 8, fx + 10, fy + 4);
      cairo_close_path(cr);
      FillGlossy(cr, fx - 14, fy - 32, fx + 16, fy + 4, kFlame, 2);
      Ellipse(cr, fx, fy - 4, 5, 8);
      SetColor(cr, kEmberTip);
      cairo_fill(cr);
      break;
    }
  }
}

// ---- Body, feet, arms -----------------------------------------------------------------

void DrawBody(cairo_t* cr, TCreature kind, const TLook& look, const TPose& p) {
  const double cx = BodyX(p), cy = BodyY(p);
  const double rx = 58 + 3 * p.Breath, ry = 54 + 2 * p.Breath;
  Ellipse(cr, cx, cy, rx, ry);
  FillGlossy(cr, cx - rx, cy - ry, cx + rx, cy + ry, look.Fur, 3, true);
  cairo_save(cr);
  cairo_clip(cr);
  if (kind == TCreature::Bee) {
    // Three dark bands, and the fuzz of the belly between them.
    for (int i = 0; i < 3; ++i) {
      double y = cy - 30 + i * 28;
      cairo_move_to(cr, cx - rx, y);
      cairo_curve_to(cr, cx - 20, y + 10, cx + 20, y + 10, cx + rx, y);
      StrokeRound(cr, look.Extra, 13);
    }
  } else {
    const double bx = cx - 10 * p.Turn, by = cy + 10;
    Ellipse(cr, bx, by, 38 + 2 * p.Breath, 40);
    FillGlossy(cr, bx - 38, by - 40, bx + 38, by + 40, look.Belly, 0);
    if (kind == TCreature::Owl) {
      // Little chevrons of breast feathers.
      for (int r = 0; r < 3; ++r)
        for (int c = -1; c <= 1; ++c) {
          double x = bx + c * 18 + (r % 2) * 9 - 4, y = by - 18 + r * 16;
          cairo_move_to(cr, x - 5, y - 3);
          cairo_line_to(cr, x, y + 2);
          cairo_line_to(cr, x + 5, y - 3);
          StrokeRound(cr, WithAlpha(look.Fur, 0.7), 2);
        }
    } else if (kind == TCreature::Cat) {
      // Ember cracks on the flanks.
      for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, cx + s * 52, cy - 14);
        cairo_line_to(cr, cx + s * 40, cy - 8);
        cairo_line_to(cr, cx + s * 46, cy + 2);
        StrokeRound(cr, WithAlpha(kEmber, 0.85), 3);
      }
    }
  }
  cairo_restore(cr);
  cairo_new_path(cr);
  Ellipse(cr, cx, cy, rx, ry);
  StrokeRound(cr, Darker(look.Fur, 0.6), 3);
}

void DrawFoot(cairo_t* cr, TCreature kind, const TLook& look, double x, double y) {
  Ellipse(cr, x, y, 20, 10);
  FillGlossy(cr, x - 20, y - 10, x + 20, y + 10, look.Feet, 2.5);
  if (kind == TCreature::Bee) return;  // little boots
  for (int t = -1; t <= 1; ++t) {
    cairo_move_to(cr, x + t * 7, y + 2);
    cairo_line_to(cr, x + t * 8, y + 9);
    StrokeRound(cr, Darker(look.Feet, 0.5), 2);
  }
}

void DrawFeet(cairo_t* cr, TCreature kind, const TLook& look, const TPose& p) {
  const double base = F::FeetX - 4 * p.Turn, ground = F::FeetY - 6;
  for (int foot = 0; foot < 2; ++foot) {
    double x, y = ground;
    if (p.Walking) {
      // The foot that swings forward (left) is off the ground.
      double phase = p.Step + foot * kPi;
      x = base - 24 * std::sin(phase);
      y -= 9 * std::max(0.0, std::cos(phase));
    } else {
      x = base + (foot == 0 ? -24 : 24);
    }
    DrawFoot(cr, kind, look, x, y);
  }
}

// An arm or wing hanging from its shoulder at the origin, pointing down (side -1 left,
// +1 right).
void DrawLimbShape(cairo_t* cr, TCreature kind, const TLook& look, int side) {
  const double s = side;
  switch (kind) {
    case TCreature::Owl: {
      cairo_move_to(cr, 0, -8);
      cairo_curve_to(cr, s * 26, 2, s * 24, 40, s * 8, 60);
      cairo_curve_to(cr, s * 2, 52, -s * 4, 46, -s * 6, 38);
      cairo_curve_to(cr, -s * 10, 20, -s * 8, 0, 0, -8);
      cairo_close_path(cr);
      FillGlossy(cr, std::min(0.0, s * 26), -8, std::max(0.0, s * 26), 60, look.Wing, 2.5);
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, s * (4 + i * 6), 24 + i * 8);
        cairo_line_to(cr, s * (10 + i * 4), 44 + i * 4);
        StrokeRound(cr, Darker(look.Wing, 0.4), 2);
      }
      break;
    }
    case TCreature::Bee: {
      // Wings in place of arms: two glassy ovals.
      for (int w = 0; w < 2; ++w) {
        cairo_save(cr);
        cairo_rotate(cr, s * (0.35 + w * 0.45));
        Ellipse(cr, 0, 36 - w * 8, 18 - w * 4, 36 - w * 8);
        SetColor(cr, look.Wing);
        cairo_fill_preserve(cr);
        StrokeRound(cr, Hex(0x6a8aa8), 2);
        cairo_move_to(cr, 0, 6);
        cairo_line_to(cr, 0, 62 - w * 14);
        StrokeRound(cr, WithAlpha(kWhite, 0.8), 2);
        cairo_restore(cr);
      }
      break;
    }
    case TCreature::Bat: {
      // A folded wing: bony arm, scalloped membrane.
      cairo_move_to(cr, 0, -6);
      cairo_line_to(cr, s * 30, 18);
      cairo_line_to(cr, s * 22, 66);
      cairo_curve_to(cr, s * 18, 56, s * 10, 54, s * 6, 60);
      cairo_curve_to(cr, s * 2, 50, -s * 4, 46, -s * 6, 50);
      cairo_curve_to(cr, -s * 8, 30, -s * 8, 8, 0, -6);
      cairo_close_path(cr);
      FillGlossy(cr, std::min(0.0, s * 30), -6, std::max(0.0, s * 30), 66, look.Wing, 2.5);
      cairo_move_to(cr, 0, -4);
      cairo_line_to(cr, s * 30, 18);
      cairo_line_to(cr, s * 22, 64);
      StrokeRound(cr, Lighter(look.Wing, 0.25), 3);
      cairo_arc(cr, s * 30, 18, 3.5, 0, 2 * kPi);
      SetColor(cr, Hex(0xe0e0f0));
      cairo_fill(cr);
      break;
    }
    case TCreature::Squirrel:
    case TCreature::Cat: {
      RoundedRect(cr, -10, -6, 20, 52, 10);
      FillGlossy(cr, -10, -6, 10, 46, look.Wing, 2.5);
      Ellipse(cr, 0, 48, 13, 11);
      FillGlossy(cr, -13, 37, 13, 59, kind == TCreature::Cat ? look.Belly : look.Feet, 2.5);
      for (int t = -1; t <= 1; ++t) {
        cairo_move_to(cr, t * 5, 53);
        cairo_line_to(cr, t * 5, 58);
        StrokeRound(cr, Darker(look.Fur, 0.5), 1.5);
      }
      break;
    }
  }
}

void DrawArm(cairo_t* cr, TCreature kind, const TLook& look, const TPose& p, int side) {
  // In the three-quarter view the far (right) shoulder is tucked behind the body.
  const double spread = side < 0 ? 54 - 26 * p.Turn : 54 - 18 * p.Turn;
  const double sx = BodyX(p) + side * spread, sy = 120 - p.Bob;
  // Turned outward from hanging straight down (cairo turns clockwise, so the right side
  // turns the other way), and raised up and out above the shoulder.
  const double out = (kind == TCreature::Bat ? 0.55 : 0.3) + p.Raise * 2.2;
  double turn = -side * out;
  if (p.Walking) turn += 0.45 * std::sin(p.Step);
  if (kind == TCreature::Bee) {
    // The wings stand up from the back (seen from the side both lean back) and buzz.
    turn = p.Turn > 0.5 ? (side < 0 ? -2.45 : -2.8) : -side * (2.5 + 0.35 * p.Raise);
    if (p.Walking) turn += 0.22 * std::sin(p.Step * 3);
  }
  cairo_save(cr);
  cairo_translate(cr, sx, sy);
  cairo_rotate(cr, turn);
  DrawLimbShape(cr, kind, look, side);
  cairo_restore(cr);
}

// ---- Head and face ---------------------------------------------------------------------

// Ear points: x from the head's middle outwards (times the head's width factor), y from hy.
struct TEarPoint {
  double X, Y;
};

// A pointed ear: its outline from `a` to `b` to `c`.
void EarPath(cairo_t* cr, double hx, double hy, double s, double k, TEarPoint a, TEarPoint b,
             TEarPoint c) {
  cairo_move_to(cr, hx + s * a.X * k, hy + a.Y);
  cairo_line_to(cr, hx + s * b.X * k, hy + b.Y);
  cairo_line_to(cr, hx + s * c.X * k, hy + c.Y);
  cairo_close_path(cr);
}

// The ear's glossy fill over the box from x0 to x1 (either side of the head), top to bottom.
void FillEar(cairo_t* cr, double hx, double hy, double s, double k, double x0, double x1,
             double top, double bottom, const TColor& color) {
  FillGlossy(cr, hx + std::min(s * x0, s * x1) * k, hy + top, hx + std::max(s * x0, s * x1) * k,
             hy + bottom, color, 2.5);
}

void InnerEar(cairo_t* cr, double hx, double hy, double s, double k, TEarPoint a, TEarPoint b,
              TEarPoint c, const TColor& color) {
  EarPath(cr, hx, hy, s, k, a, b, c);
  SetColor(cr, color);
  cairo_fill(cr);
}

void DrawEar(cairo_t* cr, TCreature kind, const TLook& look, double hx, double hy, int side,
             double k) {
  const double s = side;
  switch (kind) {
    case TCreature::Owl:
      EarPath(cr, hx, hy, s, k, {22, -40}, {50, -70}, {46, -24});
      FillEar(cr, hx, hy, s, k, 22, 50, -70, -24, look.Wing);
      break;
    case TCreature::Squirrel:
      cairo_move_to(cr, hx + s * 16 * k, hy - 38);
      cairo_curve_to(cr, hx + s * 20 * k, hy - 64, hx + s * 34 * k, hy - 80, hx + s * 40 * k,
                     hy - 82);
      cairo_curve_to(cr, hx + s * 46 * k, hy - 64, hx + s * 46 * k, hy - 44, hx + s * 40 * k,
                     hy - 26);
      cairo_close_path(cr);
      FillEar(cr, hx, hy, s, k, 16, 46, -82, -26, look.Fur);
      InnerEar(cr, hx, hy, s, k, {26, -40}, {36, -66}, {38, -38}, kPink);
      break;
    case TCreature::Bee: {
      // Antennae ending in little balls.
      const double ax = hx + s * 44 * k, ay = hy - 74;
      cairo_move_to(cr, hx + s * 14 * k, hy - 40);
      cairo_curve_to(cr, hx + s * 14 * k, hy - 64, hx + s * 30 * k, hy - 74, ax, ay);
      StrokeRound(cr, look.Extra, 4);
      cairo_arc(cr, ax, ay, 8, 0, 2 * kPi);
      FillGlossy(cr, ax - 8, ay - 8, ax + 8, ay + 8, look.Extra, 2);
      break;
    }
    case TCreature::Bat:
      cairo_move_to(cr, hx + s * 14 * k, hy - 34);
      cairo_line_to(cr, hx + s * 58 * k, hy - 80);
      cairo_curve_to(cr, hx + s * 64 * k, hy - 56, hx + s * 60 * k, hy - 36, hx + s * 44 * k,
                     hy - 14);
      cairo_close_path(cr);
      FillEar(cr, hx, hy, s, k, 14, 64, -80, -14, look.Fur);
      InnerEar(cr, hx, hy, s, k, {26, -34}, {52, -66}, {48, -28}, kPink);
      break;
    case TCreature::Cat:
      EarPath(cr, hx, hy, s, k, {14, -38}, {42, -78}, {48, -24});
      FillEar(cr, hx, hy, s, k, 14, 48, -78, -24, look.Fur);
      InnerEar(cr, hx, hy, s, k, {24, -38}, {40, -68}, {42, -34}, kEmber);
      break;
  }
}

// One eye: side -1 is the viewer's left. The brow comes down towards the nose.
void DrawEye(cairo_t* cr, TCreature kind, const TLook& look, const TPose& p, double ex, double ey,
             double r, int side) {
  const double s = side;
  if (p.Eyes == TEyes::Dazed) {
    // Beaten: a spiral in each eye, the two turning opposite ways, under brows raised in
    // the middle, worn out rather than cross.
    Ellipse(cr, ex, ey, r, r * 1.08);
    SetColor(cr, kWhite);
    cairo_fill_preserve(cr);
    StrokeRound(cr, kBrow, 2.5);
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
      const double t = static_cast<double>(i) / steps, a = -s * t * 2.3 * 2 * kPi;
      const double x = ex + std::cos(a) * r * 0.82 * t, y = ey + std::sin(a) * r * 0.88 * t;
      if (i == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    StrokeRound(cr, kBrow, 2.5);
    cairo_move_to(cr, ex - r - 3, ey - r * (s < 0 ? 1.2 : 1.6) - 3);
    cairo_line_to(cr, ex + r + 3, ey - r * (s < 0 ? 1.6 : 1.2) - 3);
    StrokeRound(cr, kBrow, 4);
    return;
  }
  const bool glowing = p.Eyes == TEyes::Glowing;
  if (glowing) RadialGlow(cr, ex, ey, r * 2.2, WithAlpha(kGlow, 0.75));
  Ellipse(cr, ex, ey, r, r * 1.08);
  SetColor(cr, glowing ? kTwinkle : kWhite);
  cairo_fill_preserve(cr);
  StrokeRound(cr, kBrow, 2.5);
  cairo_save(cr);
  Ellipse(cr, ex, ey, r, r * 1.08);
  cairo_clip(cr);
  const double ix = ex - 3 * p.Turn - s * 1.5, iy = ey + 2;
  if (!glowing) {
    cairo_arc(cr, ix, iy, r * 0.68, 0, 2 * kPi);
    SetColor(cr, look.Eye);
    cairo_fill(cr);
    if (kind == TCreature::Cat || kind == TCreature::Bat)
      Ellipse(cr, ix, iy, r * 0.16, r * 0.55);  // slit
    else
      cairo_arc(cr, ix, iy, r * 0.36, 0, 2 * kPi);
    SetColor(cr, kPupil);
    cairo_fill(cr);
    cairo_arc(cr, ix - r * 0.25, iy - r * 0.28, r * 0.18, 0, 2 * kPi);
    SetColor(cr, kWhite);
    cairo_fill(cr);
  } else {
    cairo_arc(cr, ix, iy, r * 0.5, 0, 2 * kPi);
    SetColor(cr, kGlow);
    cairo_fill(cr);
  }
  // A heavy lid down to the brow: the menacing half of the look.
  cairo_move_to(cr, ex - r - 2, ey - r * (s < 0 ? 0.75 : 0.2) - 2);
  cairo_line_to(cr, ex + r + 2, ey - r * (s < 0 ? 0.2 : 0.75) - 2);
  cairo_line_to(cr, ex + r + 2, ey - r * 1.3);
  cairo_line_to(cr, ex - r - 2, ey - r * 1.3);
  cairo_close_path(cr);
  SetColor(cr, Darker(look.Fur, 0.15));
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_move_to(cr, ex - r - 3, ey - r * (s < 0 ? 0.85 : 0.3) - 3);
  cairo_line_to(cr, ex + r + 3, ey - r * (s < 0 ? 0.3 : 0.85) - 3);
  StrokeRound(cr, kBrow, 5);
}

void DrawMouth(cairo_t* cr, TCreature kind, const TLook& look, const TPose& p, double fx,
               double hy) {
  const double my = hy + 24;
  if (kind == TCreature::Owl) {
    const double open = p.Mouth * 8;
    cairo_move_to(cr, fx - 9, hy + 6);
    cairo_line_to(cr, fx + 9, hy + 6);
    cairo_line_to(cr, fx, hy + 22);
    cairo_close_path(cr);
    FillGlossy(cr, fx - 9, hy + 6, fx + 9, hy + 22, kBeak, 2);
    if (open > 0) {
      cairo_move_to(cr, fx - 7, hy + 14 + open);
      cairo_line_to(cr, fx + 7, hy + 14 + open);
      cairo_line_to(cr, fx, hy + 24 + open);
      cairo_close_path(cr);
      FillGlossy(cr, fx - 7, hy + 14 + open, fx + 7, hy + 24 + open, Darker(kBeak, 0.15), 2);
    }
    return;
  }
  // Nose first.
  if (kind == TCreature::Squirrel || kind == TCreature::Cat) {
    cairo_move_to(cr, fx - 6, hy + 8);
    cairo_line_to(cr, fx + 6, hy + 8);
    cairo_line_to(cr, fx, hy + 14);
    cairo_close_path(cr);
    SetColor(cr, kind == TCreature::Cat ? Hex(0xd86a7a) : Hex(0x5a2a1a));
    cairo_fill(cr);
  } else if (kind == TCreature::Bat) {
    Ellipse(cr, fx, hy + 10, 9, 6);
    FillGlossy(cr, fx - 9, hy + 4, fx + 9, hy + 16, Lighter(look.Fur, 0.2), 1.5);
    for (int s = -1; s <= 1; s += 2) {
      cairo_arc(cr, fx + s * 3.5, hy + 11, 1.8, 0, 2 * kPi);
      SetColor(cr, kBrow);
      cairo_fill(cr);
    }
  }
  if (p.Eyes == TEyes::Dazed) {
    // A wobbly line with the tongue hanging out at one side: dazed, not laughing.
    Ellipse(cr, fx + 8, my + 6, 6, 7);
    FillGlossy(cr, fx + 2, my - 1, fx + 14, my + 13, kPink, 1.5);
    cairo_move_to(cr, fx + 8, my + 2);
    cairo_line_to(cr, fx + 8, my + 8);
    StrokeRound(cr, Darker(kPink, 0.3), 1.5);
    for (int i = 0; i <= 24; ++i) {
      const double x = fx - 18 + 36.0 * i / 24, y = my + 3 * std::sin(i * kPi / 6);
      if (i == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    StrokeRound(cr, kBrow, 3);
    if (kind == TCreature::Squirrel) {
      for (int s = -1; s <= 0; ++s) {
        RoundedRect(cr, fx + s * 9 + 1, my + 2, 8, 8, 2);
        SetColor(cr, kFang);
        cairo_fill_preserve(cr);
        StrokeRound(cr, kBrow, 1.5);
      }
    }
    return;
  }
  if (p.Mouth > 0.05) {
    Ellipse(cr, fx, my + 2, 10 + 4 * p.Mouth, 5 + 9 * p.Mouth);
    SetColor(cr, Hex(0x4a1420));
    cairo_fill_preserve(cr);
    StrokeRound(cr, kBrow, 2);
  } else {
    // A lopsided smirk.
    cairo_move_to(cr, fx - 18, my - 2);
    cairo_curve_to(cr, fx - 8, my + 8, fx + 10, my + 8, fx + 20, my - 6);
    StrokeRound(cr, kBrow, 3);
  }
  // Teeth: buck teeth for the squirrel, fangs for the rest.
  if (kind == TCreature::Squirrel) {
    for (int s = -1; s <= 0; ++s) {
      RoundedRect(cr, fx + s * 9 + 1, my + 3, 8, 10, 2);
      SetColor(cr, kFang);
      cairo_fill_preserve(cr);
      StrokeRound(cr, kBrow, 1.5);
    }
  } else {
    for (int s = -1; s <= 1; s += 2) {
      if (kind == TCreature::Bee && s < 0) continue;
      double x = fx + s * 9;
      cairo_move_to(cr, x - 3.5, my + 2);
      cairo_line_to(cr, x + 3.5, my + 2);
      cairo_line_to(cr, x, my + 11);
      cairo_close_path(cr);
      SetColor(cr, kFang);
      cairo_fill_preserve(cr);
      StrokeRound(cr, kBrow, 1.5);
    }
  }
  if (kind == TCreature::Cat) {
    for (int s = -1; s <= 1; s += 2)
      for (int w = 0; w < 2; ++w) {
        cairo_move_to(cr, fx + s * 22, hy + 14 + w * 6);
        cairo_line_to(cr, fx + s * 46, hy + 8 + w * 12);
        StrokeRound(cr, WithAlpha(kWhite, 0.8), 1.5);
      }
  }
}

// A drop of sweat running down, its round end below.
void SweatDrop(cairo_t* cr, double x, double y, double r) {
  cairo_move_to(cr, x, y - 2.2 * r);
  cairo_curve_to(cr, x + 0.3 * r, y - 1.2 * r, x + r, y - 0.6 * r, x + r, y);
  cairo_arc(cr, x, y, r, 0, kPi);
  cairo_curve_to(cr, x - r, y - 0.6 * r, x - 0.3 * r, y - 1.2 * r, x, y - 2.2 * r);
  cairo_close_path(cr);
  FillGlossy(cr, x - r, y - 2.2 * r, x + r, y + r, kSweat, 1.5);
  Ellipse(cr, x - 0.35 * r, y - 0.1 * r, 0.25 * r, 0.45 * r);
  SetColor(cr, WithAlpha(kWhite, 0.9));
  cairo_fill(cr);
}

void DrawHead(cairo_t* cr, TCreature kind, const TLook& look, const TPose& p) {
  const double hx = HeadX(p), hy = HeadY(p), fx = FaceX(p);
  // Ears: in the three-quarter view the far one is smaller and further in.
  DrawEar(cr, kind, look, hx - 6 * p.Turn, hy, 1, 1 - 0.35 * p.Turn);
  DrawEar(cr, kind, look, hx - 6 * p.Turn, hy, -1, 1);
  const double rx = kind == TCreature::Owl ? 54 : 50, ry = kind == TCreature::Owl ? 48 : 46;
  Ellipse(cr, hx, hy, rx, ry);
  FillGlossy(cr, hx - rx, hy - ry, hx + rx, hy + ry, look.Fur, 3);
  const double near = 1, far = 1 - 0.2 * p.Turn;
  const double r = kind == TCreature::Owl ? 17 : 14;
  const double lx = fx - 21 * (1 - 0.1 * p.Turn), rx2 = fx + 21 * (1 - 0.35 * p.Turn);
  const double ey = hy - 4;
  if (kind == TCreature::Owl) {
    // The facial disc round the eyes.
    for (int s = -1; s <= 1; s += 2) {
      double x = s < 0 ? lx : rx2;
      cairo_arc(cr, x, ey, (r + 9) * (s < 0 ? near : far), 0, 2 * kPi);
      SetColor(cr, Hex(0xe8c890));
      cairo_fill(cr);
    }
  } else if (kind == TCreature::Squirrel || kind == TCreature::Cat) {
    // Cheeks.
    Ellipse(cr, fx, hy + 16, 28, 16);
    SetColor(cr, WithAlpha(look.Belly, 0.9));
    cairo_fill(cr);
  } else if (kind == TCreature::Bat) {
    Ellipse(cr, fx, hy + 10, 30, 22);
    SetColor(cr, WithAlpha(look.Belly, 0.6));
    cairo_fill(cr);
  }
  if (kind == TCreature::Cat) {
    // Ember stripes on the brow.
    for (int i = -1; i <= 1; ++i) {
      cairo_move_to(cr, hx + i * 12 - 2, hy - 44);
      cairo_line_to(cr, hx + i * 10, hy - 30);
      StrokeRound(cr, WithAlpha(kEmber, 0.9), 4);
    }
  }
  DrawEye(cr, kind, look, p, lx, ey, r * near, -1);
  DrawEye(cr, kind, look, p, rx2, ey, r * far, 1);
  DrawMouth(cr, kind, look, p, fx, hy);
  if (p.Eyes == TEyes::Dazed) SweatDrop(cr, hx + rx - 6, hy - 18, 7);
  if (kind == TCreature::Squirrel || kind == TCreature::Bat || kind == TCreature::Cat) {
    RadialGlow(cr, lx - 6, hy + 20, 10, WithAlpha(kBlush, 0.45));
    RadialGlow(cr, rx2 + 6, hy + 20, 10, WithAlpha(kBlush, 0.45 * far));
  }
}

// ---- Whole figures ---------------------------------------------------------------------

enum TPiece { pcBody = 0, pcHead, pcFeet, pcLeftArm, pcRightArm, pcExtra };

void DrawPiece(cairo_t* cr, TCreature kind, const TLook& look, const TPose& p, int piece) {
  switch (piece) {
    case pcBody: DrawBody(cr, kind, look, p); break;
    case pcHead: DrawHead(cr, kind, look, p); break;
    case pcFeet: DrawFeet(cr, kind, look, p); break;
    case pcLeftArm: DrawArm(cr, kind, look, p, -1); break;
    case pcRightArm: DrawArm(cr, kind, look, p, 1); break;
    case pcExtra: DrawExtra(cr, kind, look, p); break;
  }
}

void DrawCreature(cairo_t* cr, TCreature kind, const TPose& p) {
  const TLook look = LookOf(kind);
  // The bat's scarf is worn in front; every other extra hangs behind.
  const bool extraInFront = kind == TCreature::Bat;
  const bool armsOverHead = p.Raise > 0.5;
  if (!extraInFront) DrawPiece(cr, kind, look, p, pcExtra);
  if (p.Turn > 0.5) DrawPiece(cr, kind, look, p, pcRightArm);
  if (kind == TCreature::Bee) {
    // Wings grow from the back.
    DrawPiece(cr, kind, look, p, pcLeftArm);
    if (p.Turn <= 0.5) DrawPiece(cr, kind, look, p, pcRightArm);
  }
  DrawPiece(cr, kind, look, p, pcFeet);
  DrawPiece(cr, kind, look, p, pcBody);
  if (kind != TCreature::Bee && !armsOverHead) {
    DrawPiece(cr, kind, look, p, pcLeftArm);
    if (p.Turn <= 0.5) DrawPiece(cr, kind, look, p, pcRightArm);
  }
  DrawPiece(cr, kind, look, p, pcHead);
  if (extraInFront) DrawPiece(cr, kind, look, p, pcExtra);
  if (kind != TCreature::Bee && armsOverHead) {
    DrawPiece(cr, kind, look, p, pcLeftArm);
    if (p.Turn <= 0.5) DrawPiece(cr, kind, look, p, pcRightArm);
  }
}

// Squashed about the feet.
void DrawSquashed(cairo_t* cr, TCreature kind, const TPose& p, double sx, double sy) {
  cairo_save(cr);
  cairo_translate(cr, F::FeetX, F::FeetY);
  cairo_scale(cr, sx, sy);
  cairo_translate(cr, -F::FeetX, -F::FeetY);
  DrawCreature(cr, kind, p);
  cairo_restore(cr);
}

void Poof(cairo_t* cr, double cx, double cy, double k, double alpha) {
  const double puffs[][3] = {{-50, 10, 34}, {-20, -30, 40}, {24, -26, 38}, {52, 8, 34},
                             {28, 40, 36},  {-28, 42, 36},  {0, 4, 46}};
  for (auto& pf : puffs) {
    double x = cx + pf[0] * k, y = cy + pf[1] * k, r = pf[2] * k;
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.4, r * 0.1, x, y, r);
    AddStop(g, 0, WithAlpha(kWhite, alpha));
    AddStop(g, 1, WithAlpha(Hex(0xd8d0e0), alpha));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    StrokeRound(cr, WithAlpha(Hex(0x9a90a8), alpha * 0.8), 2.5);
  }
}

void Stars(cairo_t* cr, double cx, double cy, double radius, int count, double phase) {
  for (int i = 0; i < count; ++i) {
    double a = phase + i * 2 * kPi / count;
    double x = cx + std::cos(a) * radius, y = cy + std::sin(a) * radius * 0.45;
    StarPath(cr, x, y, 10, 4.5, 5);
    FillGlossy(cr, x - 10, y - 10, x + 10, y + 10, kStarGold, 1.5);
  }
}

// The figure is planned a little larger than its pattern; drawn about the feet at this
// scale it keeps its ears and tail inside (TBossFigure's pivots are the scaled ones).
constexpr double kFigureScale = 0.9;

void FigureSpace(cairo_t* cr) {
  cairo_translate(cr, F::FeetX, F::FeetY);
  cairo_scale(cr, kFigureScale, kFigureScale);
  cairo_translate(cr, -F::FeetX, -F::FeetY);
}

TPose WalkingPose(int frame) {
  TPose p;
  p.Turn = 1;
  p.Walking = true;
  p.Step = 2 * kPi * frame / F::WalkingPatterns;
  p.Bob = 3 * std::abs(std::cos(p.Step));
  return p;
}

}  // namespace

void PaintCreatureWalking(TCanvas& c, const TAssetSpec& s, TCreature kind) {
  ForEachPattern(c, s, [&](cairo_t* cr, int pattern, double, double) {
    FigureSpace(cr);
    DrawCreature(cr, kind, WalkingPose(pattern));
  });
}

// Preparing: it fills its chest and lifts its arms little by little.
void PaintCreatureFront(TCanvas& c, const TAssetSpec& s, TCreature kind) {
  ForEachPattern(c, s, [&](cairo_t* cr, int pattern, double, double) {
    FigureSpace(cr);
    TPose p;
    double t = pattern / 3.0;
    p.Breath = t;
    p.Raise = 0.45 * t;
    p.Bob = t * 2;
    p.Mouth = 0;
    DrawCreature(cr, kind, p);
  });
}

// Absorbing: arms high, eyes aglow, drawing in with an open mouth.
void PaintCreatureAbsorbing(TCanvas& c, const TAssetSpec& s, TCreature kind) {
  ForEachPattern(c, s, [&](cairo_t* cr, int pattern, double, double) {
    FigureSpace(cr);
    TPose p;
    double t = pattern / 3.0;
    p.Breath = 0.6 + 0.4 * t;
    p.Raise = 0.85 + 0.15 * t;
    p.Bob = 2 + 2 * t;
    p.Mouth = 0.5 + 0.5 * t;
    p.Eyes = TEyes::Glowing;
    DrawCreature(cr, kind, p);
  });
}

// Dying: dazed under circling stars, squashed flat, then a poof that hides the pieces
// flying apart.
void PaintCreatureDying(TCanvas& c, const TAssetSpec& s, TCreature kind) {
  ForEachPattern(c, s, [&](cairo_t* cr, int pattern, double, double) {
    FigureSpace(cr);
    TPose p;
    p.Eyes = TEyes::Dazed;
    const double headY = HeadY(p) - 40;
    if (pattern == 0) {
      DrawSquashed(cr, kind, p, 1.06, 0.92);
      Stars(cr, F::FeetX, headY, 48, 3, 0.3);
    } else if (pattern == 1) {
      DrawSquashed(cr, kind, p, 1.14, 0.74);
      Stars(cr, F::FeetX, headY + 40, 60, 4, 1.1);
    } else {
      Poof(cr, F::FeetX, 130, 1.15, 0.95);
      Stars(cr, F::FeetX, 100, 84, 5, 0.6);
    }
  });
}

// The six pieces, each where it sits on the whole creature, so that drawn unmoved they make
// the dazed creature again.
void PaintCreatureParts(TCanvas& c, const TAssetSpec& s, TCreature kind) {
  const TLook look = LookOf(kind);
  ForEachPattern(c, s, [&](cairo_t* cr, int pattern, double, double) {
    FigureSpace(cr);
    TPose p;
    p.Eyes = TEyes::Dazed;
    DrawPiece(cr, kind, look, p, pattern);
  });
}

void PaintCreatureShadow(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_scale(cr, w / 2, h / 2);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  AddStop(g, 0, WithAlpha(kGroundShadow, 1));
  AddStop(g, 0.6, WithAlpha(kGroundShadow, 0.7));
  AddStop(g, 1, WithAlpha(kGroundShadow, 0));
  cairo_set_source(cr, g);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

// The aura: a slowly turning ring of bubbles round a faint veil.
void PaintAuraRing(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double cx = s.Width() / 2.0, cy = s.Height() / 2.0, r = s.Width() * 0.38;
  cairo_pattern_t* veil = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r + 8);
  AddStop(veil, 0, WithAlpha(kAuraCyan, 0.05));
  AddStop(veil, 0.75, WithAlpha(kAuraViolet, 0.22));
  AddStop(veil, 1, WithAlpha(kAuraViolet, 0));
  cairo_set_source(cr, veil);
  cairo_arc(cr, cx, cy, r + 8, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(veil);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  StrokeRound(cr, WithAlpha(kAuraViolet, 0.55), 3);
  TNoise n(HashName(s.Name));
  for (int i = 0; i < 14; ++i) {
    double a = i * 2 * kPi / 14 + n.Range(-0.1, 0.1);
    double br = n.Range(5, 11), rr = r + n.Range(-6, 6);
    double x = cx + std::cos(a) * rr, y = cy + std::sin(a) * rr;
    cairo_arc(cr, x, y, br, 0, 2 * kPi);
    SetColor(cr, WithAlpha(kAuraCyan, 0.35));
    cairo_fill_preserve(cr);
    StrokeRound(cr, WithAlpha(kWhite, 0.85), 1.5);
    cairo_arc(cr, x - br * 0.35, y - br * 0.35, br * 0.3, 0, 2 * kPi);
    SetColor(cr, WithAlpha(kWhite, 0.95));
    cairo_fill(cr);
  }
}

// A four-point spark that flares and dies away over its patterns.
void PaintAuraSpark(TCanvas& c, const TAssetSpec& s) {
  const double sizes[] = {0.35, 0.7, 1.0, 0.7, 0.4};
  ForEachPattern(c, s, [&](cairo_t* cr, int pattern, double w, double h) {
    const double k = sizes[std::min(pattern, 4)], r = w * 0.46 * k;
    RadialGlow(cr, w / 2, h / 2, r, WithAlpha(kAuraViolet, 0.8));
    StarPath(cr, w / 2, h / 2, r, r * 0.2, 4, -90 + pattern * 12);
    SetColor(cr, WithAlpha(kAuraCyan, 0.95));
    cairo_fill(cr);
    RadialGlow(cr, w / 2, h / 2, r * 0.35, kWhite);
  });
}

// The energy bar's portrait: the creature's head in a gold ring, awake and cross (pattern
// 0), then dazed (pattern 1), as it looks when beaten.
void PaintCreatureBadge(TCanvas& c, const TAssetSpec& s, TCreature kind) {
  const TLook look = LookOf(kind);
  ForEachPattern(c, s, [&](cairo_t* cr, int pattern, double w, double h) {
    const double cx = w / 2, cy = h / 2, r = w / 2 - 3;
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy - r * 0.3, r * 0.1, cx, cy, r);
    AddStop(g, 0, Lighter(look.Belly, 0.6));
    AddStop(g, 1, Mix(look.Belly, look.Fur, 0.35));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_clip(cr);
    cairo_translate(cr, cx, cy + 8);
    cairo_scale(cr, 0.56, 0.56);
    cairo_translate(cr, -F::FeetX, -84);
    TPose p;
    if (pattern == 1) p.Eyes = TEyes::Dazed;
    DrawPiece(cr, kind, look, p, 1);  // the head
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    StrokeRound(cr, kDarkWood, 6);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    StrokeRound(cr, kGold, 3.5);
    cairo_arc(cr, cx - r * 0.3, cy - r * 0.3, r * 0.96, kPi * 1.05, kPi * 1.45);
    StrokeRound(cr, WithAlpha(kWhite, 0.7), 1.5);
  });
}

// The creature's energy: a wooden panel that hangs from the top edge like the gathering
// panel, room for the portrait at its left, and a dark slot the red fill runs along (the
// fill is stretched to the energy left).
void PaintBossEnergyFrame(TCanvas& c, const TAssetSpec& s) {
  const TColor kGatherWood = Hex(0x9a643a);
  const TColor kPaperShade = Hex(0xf2d8a8);
  const TColor kWellDark{0.22, 0.12, 0.05};
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  RoundedRect(cr, 4, -20, w - 8, h - 2 + 20, 22);
  PathShadow(cr, 0, 3, 0.3);
  FillGlossy(cr, 4, -20, w - 4, h - 2, kGatherWood, 2.5);
  RoundedRect(cr, 10, -14, w - 20, h - 14 + 14, 16);
  VerticalGradient(cr, 0, h, kPaper, kPaperShade);
  cairo_fill(cr);
  const double x = F::EnergyFrameLeft - 4, y = F::EnergyFrameTop - 4;
  const double sw = F::EnergyFillWidth + 8, sh = F::EnergyFillHeight + 8;
  RoundedRect(cr, x, y, sw, sh, 8);
  SetColor(cr, WithAlpha(kWellDark, 0.85));
  cairo_fill_preserve(cr);
  SetColor(cr, kDarkWood);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  RoundedRect(cr, x - 1.5, y - 1.5, sw + 3, sh + 3, 9.5);
  SetColor(cr, WithAlpha(kPanelGleam, 0.7));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // Quarter marks under the slot, so a share reads at a glance.
  for (int q = 1; q <= 3; ++q) {
    const double mx = F::EnergyFrameLeft + F::EnergyFillWidth * q / 4.0;
    cairo_move_to(cr, mx, y + sh + 3);
    cairo_line_to(cr, mx, y + sh + (q == 2 ? 11 : 8));
  }
  StrokeRound(cr, WithAlpha(kDarkWood, 0.7), 2.5);
}

void PaintBossEnergyFill(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  cairo_rectangle(cr, 0, 0, w, h);
  VerticalGradient(cr, 0, h, Hex(0xff7a6a), Hex(0xb81e30));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 3, w, 4);
  SetColor(cr, WithAlpha(kWhite, 0.45));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, h - 3, w, 3);
  SetColor(cr, WithAlpha(Hex(0x6a0a18), 0.45));
  cairo_fill(cr);
}

}  // namespace assetgen
