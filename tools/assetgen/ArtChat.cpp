// The chapter dialogue: the cook Orvell (left, facing right), the eight clients who come to
// his restaurant (right, facing left) and the speech balloon.
//
// Each figure is a half figure standing on the screen's bottom edge: the game draws it from
// its top-left corner at a fixed place and sways it about its bottom centre, so a picture is
// as tall as the screen below its place. The faces sit clear of the balloons the game puts
// beside them (TChatPlaces): the clients' faces right of their balloon's end.
//
// The balloon comes in three slices of one tall drawing: the top, one 24-pixel band per line
// of text and the bottom with its tail, so the slices meet without a seam.
#include <algorithm>
#include <cmath>

#include "Painters.h"
#include "ui/TChatPlaces.h"

namespace assetgen {

namespace {
const double kPi = M_PI;

enum class THairStyle { Bald, Short, Bun, Braids, Covered, Curly, Tousled };
enum class THeadwear { None, Toque, TopHat, CaptainCap, FeatherHat, Souwester, Headscarf };
enum class TFacial { None, Moustache, Beard, WhiteBeard, Stubble };
enum class TNeck {
  Neckerchief,
  SailorStripes,
  MayorChain,
  Cardigan,
  Oilskin,
  LeatherApron,
  Shawl,
  Waistcoat
};
enum class TProp { None, Spoon, Fish, Slate, Pipe, Lamp, Hammer, Basket, Fiddle };

struct TChatFolk {
  bool Woman;
  bool Old;
  std::uint32_t Skin, Hair, Coat, Accent, Eyes;
  THairStyle HairStyle;
  THeadwear Hat;
  TFacial Facial;
  TNeck Neck;
  TProp Prop;
  bool Glasses;
  double Width;  // shoulders, in head radii
};

// The figure in "facing right" space: head centre (hx, hy), head radius r.
struct TPose {
  double hx, hy, r, bottom;
};

void Limb(cairo_t* cr, const TColor& c, double width) { StrokeOutlined(cr, c, width, 5, 0.55); }


TColor Col(std::uint32_t rgb) { return Hex(rgb); }

// ---- Body -------------------------------------------------------------------------------

void Torso(cairo_t* cr, const TChatFolk& f, const TPose& p) {
  const double r = p.r, w = f.Width * r;
  const double sy = p.hy + 1.45 * r;  // shoulder line
  const double left = p.hx - w * 0.55, right = p.hx + w * 0.45;
  cairo_move_to(cr, p.hx - 0.35 * r, sy - 0.2 * r);
  cairo_curve_to(cr, left + 0.3 * r, sy - 0.1 * r, left - 0.1 * r, sy + 0.2 * r, left - 0.2 * r,
                 sy + 1.0 * r);
  cairo_line_to(cr, left - 0.35 * r, p.bottom + 10);
  cairo_line_to(cr, right + 0.35 * r, p.bottom + 10);
  cairo_line_to(cr, right + 0.2 * r, sy + 1.0 * r);
  cairo_curve_to(cr, right + 0.1 * r, sy + 0.2 * r, right - 0.3 * r, sy - 0.1 * r, p.hx + 0.35 * r,
                 sy - 0.2 * r);
  cairo_close_path(cr);
  FillGlossy(cr, left - 0.35 * r, sy - 0.2 * r, right + 0.35 * r, p.bottom, Col(f.Coat), 3.5);
  // A fold or two of the cloth.
  for (double x : {left + 0.25 * r, right - 0.25 * r}) {
    cairo_move_to(cr, x, sy + 1.3 * r);
    cairo_curve_to(cr, x + 0.1 * r, sy + 2.0 * r, x - 0.05 * r, sy + 2.6 * r, x + 0.05 * r,
                   p.bottom);
    StrokeRound(cr, WithAlpha(Darker(Col(f.Coat), 0.4), 0.45), 3);
  }
}

void NeckAndCollar(cairo_t* cr, const TChatFolk& f, const TPose& p) {
  const double r = p.r;
  const double sy = p.hy + 1.45 * r;
  const TColor accent = Col(f.Accent);
  // The neck, under the chin.
  RoundedRect(cr, p.hx - 0.32 * r, p.hy + 0.6 * r, 0.64 * r, 0.95 * r, 0.2 * r);
  FillGlossy(cr, p.hx - 0.32 * r, p.hy + 0.6 * r, p.hx + 0.32 * r, sy + 0.3 * r,
             Darker(Col(f.Skin), 0.08), 2.5);
  switch (f.Neck) {
    case TNeck::Neckerchief: {
      cairo_move_to(cr, p.hx - 0.6 * r, sy - 0.25 * r);
      cairo_curve_to(cr, p.hx - 0.2 * r, sy + 0.15 * r, p.hx + 0.3 * r, sy + 0.15 * r,
                     p.hx + 0.65 * r, sy - 0.25 * r);
      cairo_line_to(cr, p.hx + 0.7 * r, sy + 0.1 * r);
      cairo_line_to(cr, p.hx + 0.35 * r, sy + 0.95 * r);
      cairo_line_to(cr, p.hx + 0.05 * r, sy + 0.3 * r);
      cairo_line_to(cr, p.hx - 0.3 * r, sy + 0.9 * r);
      cairo_line_to(cr, p.hx - 0.65 * r, sy + 0.1 * r);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 0.7 * r, sy - 0.25 * r, p.hx + 0.7 * r, sy + 0.95 * r, accent, 2.5);
      // Two rows of jacket buttons.
      for (double dx : {-0.5, 0.55})
        for (int i = 0; i < 3; ++i) {
          const double x = p.hx + dx * r, y = sy + (1.35 + i * 0.75) * r;
          cairo_arc(cr, x, y, 0.09 * r, 0, 2 * kPi);
          FillGlossy(cr, x - 0.09 * r, y - 0.09 * r, x + 0.09 * r, y + 0.09 * r, kGold, 1.5);
        }
      break;
    }
    case TNeck::SailorStripes: {
      // Boat-neck jersey: stripes across the chest under an open jacket.
      cairo_save(cr);
      cairo_move_to(cr, p.hx - 0.75 * r, sy - 0.1 * r);
      cairo_curve_to(cr, p.hx - 0.3 * r, sy + 0.2 * r, p.hx + 0.3 * r, sy + 0.2 * r,
                     p.hx + 0.75 * r, sy - 0.1 * r);
      cairo_line_to(cr, p.hx + 0.6 * r, p.bottom + 10);
      cairo_line_to(cr, p.hx - 0.6 * r, p.bottom + 10);
      cairo_close_path(cr);
      cairo_path_t* path = cairo_copy_path(cr);
      FillWith(cr, kWhite);
      cairo_append_path(cr, path);
      cairo_clip(cr);
      for (double y = sy + 0.15 * r; y < p.bottom + 10; y += 0.38 * r) {
        cairo_rectangle(cr, p.hx - r, y, 2 * r, 0.17 * r);
        FillWith(cr, accent);
      }
      cairo_restore(cr);
      cairo_append_path(cr, path);
      StrokeRound(cr, Darker(accent, 0.5), 2.5);
      cairo_path_destroy(path);
      break;
    }
    case TNeck::MayorChain: {
      // Waistcoat front, then the chain of office with its medal.
      cairo_move_to(cr, p.hx - 0.55 * r, sy);
      cairo_line_to(cr, p.hx, sy + 1.2 * r);
      cairo_line_to(cr, p.hx + 0.55 * r, sy);
      cairo_line_to(cr, p.hx + 0.6 * r, p.bottom + 10);
      cairo_line_to(cr, p.hx - 0.6 * r, p.bottom + 10);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 0.6 * r, sy, p.hx + 0.6 * r, p.bottom, accent, 2.5);
      cairo_move_to(cr, p.hx - 0.3 * r, sy - 0.05 * r);
      cairo_line_to(cr, p.hx, sy + 0.55 * r);
      cairo_line_to(cr, p.hx + 0.3 * r, sy - 0.05 * r);
      cairo_close_path(cr);
      FillWith(cr, kWhite);
      for (int i = 0; i <= 12; ++i) {
        const double t = i / 12.0, a = kPi * (0.1 + 0.8 * t);
        FillDot(cr, p.hx + 0.95 * r * std::cos(a), sy - 0.2 * r + 1.15 * r * std::sin(a), 0.07 * r,
            Darker(kGold, 0.1));
      }
      cairo_arc(cr, p.hx, sy + 1.05 * r, 0.24 * r, 0, 2 * kPi);
      FillGlossy(cr, p.hx - 0.24 * r, sy + 0.8 * r, p.hx + 0.24 * r, sy + 1.3 * r, kGold, 2.5);
      StarPath(cr, p.hx, sy + 1.05 * r, 0.14 * r, 0.06 * r, 5);
      FillWith(cr, Darker(kGold, 0.3));
      for (int i = 0; i < 3; ++i)
        FillDot(cr, p.hx + 0.12 * r, sy + (1.6 + i * 0.55) * r, 0.07 * r, Darker(accent, 0.4));
      break;
    }
    case TNeck::Cardigan: {
      // A blouse collar inside a buttoned cardigan.
      for (int side : {-1, 1}) {
        cairo_move_to(cr, p.hx, sy + 0.25 * r);
        cairo_line_to(cr, p.hx + side * 0.55 * r, sy - 0.2 * r);
        cairo_line_to(cr, p.hx + side * 0.5 * r, sy + 0.35 * r);
        cairo_close_path(cr);
        FillGlossy(cr, p.hx - 0.55 * r, sy - 0.2 * r, p.hx + 0.55 * r, sy + 0.35 * r, kWhite, 2);
      }
      cairo_move_to(cr, p.hx, sy + 0.3 * r);
      cairo_line_to(cr, p.hx, p.bottom + 10);
      StrokeRound(cr, Darker(Col(f.Coat), 0.4), 3);
      for (int i = 0; i < 4; ++i)
        FillDot(cr, p.hx + 0.09 * r, sy + (0.7 + i * 0.55) * r, 0.07 * r, accent);
      break;
    }
    case TNeck::Oilskin: {
      // A high collar turned up and a row of toggles.
      for (int side : {-1, 1}) {
        cairo_move_to(cr, p.hx, sy + 0.35 * r);
        cairo_line_to(cr, p.hx + side * 0.72 * r, sy - 0.45 * r);
        cairo_line_to(cr, p.hx + side * 0.82 * r, sy + 0.2 * r);
        cairo_close_path(cr);
        FillGlossy(cr, p.hx - 0.82 * r, sy - 0.45 * r, p.hx + 0.82 * r, sy + 0.35 * r, Col(f.Coat),
                   2.5);
      }
      for (int i = 0; i < 4; ++i) {
        RoundedRect(cr, p.hx - 0.16 * r, sy + (0.6 + i * 0.6) * r, 0.32 * r, 0.1 * r, 0.05 * r);
        FillGlossy(cr, p.hx - 0.16 * r, sy + (0.6 + i * 0.6) * r, p.hx + 0.16 * r,
                   sy + (0.7 + i * 0.6) * r, accent, 1.5);
      }
      break;
    }
    case TNeck::LeatherApron: {
      // Open shirt, rolled sleeves hidden under a heavy leather apron on straps.
      cairo_move_to(cr, p.hx - 0.4 * r, sy - 0.15 * r);
      cairo_line_to(cr, p.hx, sy + 0.6 * r);
      cairo_line_to(cr, p.hx + 0.4 * r, sy - 0.15 * r);
      cairo_close_path(cr);
      FillWith(cr, Darker(Col(f.Skin), 0.1));
      for (int side : {-1, 1}) {
        cairo_move_to(cr, p.hx + side * 0.75 * r, sy - 0.1 * r);
        cairo_line_to(cr, p.hx + side * 0.6 * r, sy + 1.0 * r);
        Limb(cr, Darker(accent, 0.2), 0.14 * r);
      }
      RoundedRect(cr, p.hx - 0.85 * r, sy + 0.9 * r, 1.7 * r, p.bottom - sy, 0.15 * r);
      FillGlossy(cr, p.hx - 0.85 * r, sy + 0.9 * r, p.hx + 0.85 * r, p.bottom, accent, 3);
      RoundedRect(cr, p.hx - 0.4 * r, sy + 1.5 * r, 0.8 * r, 0.55 * r, 0.08 * r);
      StrokeRound(cr, Darker(accent, 0.35), 2.5);
      break;
    }
    case TNeck::Shawl: {
      // A knitted shawl over the shoulders, knotted in front.
      cairo_move_to(cr, p.hx - f.Width * 0.55 * r - 0.1 * r, sy + 0.6 * r);
      cairo_curve_to(cr, p.hx - 0.9 * r, sy - 0.4 * r, p.hx + 0.9 * r, sy - 0.4 * r,
                     p.hx + f.Width * 0.45 * r + 0.1 * r, sy + 0.6 * r);
      cairo_curve_to(cr, p.hx + 0.6 * r, sy + 1.4 * r, p.hx + 0.2 * r, sy + 1.9 * r, p.hx,
                     sy + 2.1 * r);
      cairo_curve_to(cr, p.hx - 0.2 * r, sy + 1.9 * r, p.hx - 0.7 * r, sy + 1.4 * r,
                     p.hx - f.Width * 0.55 * r - 0.1 * r, sy + 0.6 * r);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 1.5 * r, sy - 0.4 * r, p.hx + 1.5 * r, sy + 2.1 * r, accent, 3);
      for (int i = 1; i < 5; ++i) {
        cairo_move_to(cr, p.hx - 1.2 * r + i * 0.1 * r, sy + 0.2 * r + i * 0.25 * r);
        cairo_curve_to(cr, p.hx - 0.4 * r, sy + 0.5 * r + i * 0.25 * r, p.hx + 0.4 * r,
                       sy + 0.5 * r + i * 0.25 * r, p.hx + 1.1 * r - i * 0.1 * r,
                       sy + 0.2 * r + i * 0.25 * r);
        StrokeRound(cr, WithAlpha(Darker(accent, 0.35), 0.5), 2);
      }
      cairo_move_to(cr, p.hx - 0.6 * r, sy + 0.05 * r);
      cairo_curve_to(cr, p.hx - 0.2 * r, sy + 0.3 * r, p.hx + 0.2 * r, sy + 0.3 * r, p.hx + 0.6 * r,
                     sy + 0.05 * r);
      StrokeRound(cr, Darker(accent, 0.4), 3);
      break;
    }
    case TNeck::Waistcoat: {
      // Shirt, a bright waistcoat and a bow at the collar.
      cairo_move_to(cr, p.hx - 0.5 * r, sy - 0.1 * r);
      cairo_line_to(cr, p.hx + 0.5 * r, sy - 0.1 * r);
      cairo_line_to(cr, p.hx + 0.55 * r, p.bottom + 10);
      cairo_line_to(cr, p.hx - 0.55 * r, p.bottom + 10);
      cairo_close_path(cr);
      FillWith(cr, Hex(0xfdf8ee));
      for (int side : {-1, 1}) {
        cairo_move_to(cr, p.hx + side * 0.15 * r, sy + 0.5 * r);
        cairo_line_to(cr, p.hx + side * 0.75 * r, sy - 0.05 * r);
        cairo_line_to(cr, p.hx + side * 0.8 * r, p.bottom + 10);
        cairo_line_to(cr, p.hx + side * 0.2 * r, p.bottom + 10);
        cairo_close_path(cr);
        FillGlossy(cr, p.hx - 0.8 * r, sy, p.hx + 0.8 * r, p.bottom, accent, 2.5);
      }
      for (int side : {-1, 1}) {
        cairo_move_to(cr, p.hx, sy + 0.05 * r);
        cairo_line_to(cr, p.hx + side * 0.3 * r, sy - 0.12 * r);
        cairo_line_to(cr, p.hx + side * 0.3 * r, sy + 0.22 * r);
        cairo_close_path(cr);
        FillGlossy(cr, p.hx - 0.3 * r, sy - 0.12 * r, p.hx + 0.3 * r, sy + 0.22 * r, Hex(0xc83a4a),
                   2);
      }
      FillDot(cr, p.hx, sy + 0.05 * r, 0.08 * r, Hex(0xa82a3a));
      break;
    }
  }
}

// ---- Head -------------------------------------------------------------------------------

void HairBack(cairo_t* cr, const TChatFolk& f, const TPose& p) {
  const double r = p.r;
  const TColor hair = Col(f.Hair);
  switch (f.HairStyle) {
    case THairStyle::Bun:
      cairo_arc(cr, p.hx - 0.75 * r, p.hy - 0.55 * r, 0.42 * r, 0, 2 * kPi);
      FillGlossy(cr, p.hx - 1.17 * r, p.hy - 0.97 * r, p.hx - 0.33 * r, p.hy - 0.13 * r, hair, 3);
      break;
    case THairStyle::Braids:
      for (int side : {-1, 1}) {
        const double x = p.hx + side * 0.7 * r - 0.1 * r;
        for (int i = 0; i < 5; ++i) {
          Ellipse(cr, x, p.hy + (0.3 + i * 0.32) * r, 0.17 * r, 0.2 * r);
          FillGlossy(cr, x - 0.17 * r, p.hy + (0.1 + i * 0.32) * r, x + 0.17 * r,
                     p.hy + (0.5 + i * 0.32) * r, hair, 2);
        }
        FillDot(cr, x, p.hy + 1.95 * r, 0.1 * r, Col(f.Accent));
      }
      break;
    case THairStyle::Curly:
    case THairStyle::Tousled:
      for (int i = 0; i < 7; ++i) {
        const double a = kPi * (0.75 + i * 0.1);
        cairo_arc(cr, p.hx + 0.95 * r * std::cos(a) - 0.05 * r,
                  p.hy + 0.9 * r * std::sin(a) + 0.1 * r, 0.3 * r, 0, 2 * kPi);
        FillGlossy(cr, p.hx - 1.3 * r, p.hy - 1.0 * r, p.hx + 0.3 * r, p.hy + 0.6 * r, hair, 2.5);
      }
      break;
    default:
      break;
  }
}

void Ear(cairo_t* cr, const TChatFolk& f, const TPose& p) {
  const double r = p.r;
  Ellipse(cr, p.hx - 0.8 * r, p.hy + 0.1 * r, 0.2 * r, 0.27 * r);
  FillGlossy(cr, p.hx - r, p.hy - 0.17 * r, p.hx - 0.6 * r, p.hy + 0.37 * r, Col(f.Skin), 2.5);
  cairo_move_to(cr, p.hx - 0.78 * r, p.hy);
  cairo_curve_to(cr, p.hx - 0.9 * r, p.hy + 0.05 * r, p.hx - 0.88 * r, p.hy + 0.2 * r,
                 p.hx - 0.76 * r, p.hy + 0.22 * r);
  StrokeRound(cr, Darker(Col(f.Skin), 0.3), 2);
}

void Eye(cairo_t* cr, const TChatFolk& f, double x, double y, double r) {
  const double ew = 0.15 * r, eh = 0.19 * r;
  Ellipse(cr, x, y, ew, eh);
  SetColor(cr, kWhite);
  cairo_fill_preserve(cr);
  SetColor(cr, kEyeLine);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  cairo_save(cr);
  Ellipse(cr, x, y, ew, eh);
  cairo_clip(cr);
  // Looking toward the other speaker, on the right.
  cairo_arc(cr, x + 0.05 * r, y + 0.02 * r, 0.1 * r, 0, 2 * kPi);
  SetColor(cr, Col(f.Eyes));
  cairo_fill(cr);
  cairo_arc(cr, x + 0.06 * r, y + 0.02 * r, 0.05 * r, 0, 2 * kPi);
  SetColor(cr, kPupil);
  cairo_fill(cr);
  cairo_arc(cr, x + 0.03 * r, y - 0.03 * r, 0.03 * r, 0, 2 * kPi);
  SetColor(cr, kWhite);
  cairo_fill(cr);
  cairo_restore(cr);
  if (f.Old) {  // heavy lids and a crease below
    cairo_move_to(cr, x - ew, y - 0.04 * r);
    cairo_curve_to(cr, x - ew * 0.5, y - eh * 1.1, x + ew * 0.5, y - eh * 1.1, x + ew,
                   y - 0.04 * r);
    cairo_line_to(cr, x + ew, y - eh * 1.2);
    cairo_line_to(cr, x - ew, y - eh * 1.2);
    cairo_close_path(cr);
    FillWith(cr, Col(f.Skin));
    cairo_move_to(cr, x - ew, y - 0.04 * r);
    cairo_curve_to(cr, x - ew * 0.5, y - eh * 0.75, x + ew * 0.5, y - eh * 0.75, x + ew,
                   y - 0.04 * r);
    StrokeRound(cr, kEyeLine, 2.2);
    cairo_move_to(cr, x - ew * 0.8, y + eh * 1.35);
    cairo_curve_to(cr, x - ew * 0.2, y + eh * 1.6, x + ew * 0.4, y + eh * 1.6, x + ew,
                   y + eh * 1.3);
    StrokeRound(cr, WithAlpha(Darker(Col(f.Skin), 0.35), 0.7), 1.6);
  }
  if (f.Woman) {  // lashes
    for (int i = 0; i < 3; ++i) {
      const double a = kPi * (1.15 + i * 0.2);
      cairo_move_to(cr, x + ew * std::cos(a), y + eh * std::sin(a));
      cairo_line_to(cr, x + ew * 1.45 * std::cos(a), y + eh * 1.35 * std::sin(a));
      StrokeRound(cr, kEyeLine, 2);
    }
  }
}

void Face(cairo_t* cr, const TChatFolk& f, const TPose& p) {
  const double r = p.r;
  const TColor skin = Col(f.Skin);
  // Head, a little turned toward the right.
  Ellipse(cr, p.hx, p.hy, 0.86 * r, r);
  FillGlossy(cr, p.hx - 0.86 * r, p.hy - r, p.hx + 0.86 * r, p.hy + r, skin, 3);
  RadialGlow(cr, p.hx - 0.2 * r, p.hy + 0.35 * r, 0.2 * r, WithAlpha(kBlush, 0.5));
  RadialGlow(cr, p.hx + 0.62 * r, p.hy + 0.35 * r, 0.16 * r, WithAlpha(kBlush, 0.5));
  const double ey = p.hy - 0.02 * r;
  Eye(cr, f, p.hx - 0.08 * r, ey, r);
  Eye(cr, f, p.hx + 0.45 * r, ey, r);
  // Brows: grey and bushy for the old, fine for the young.
  const TColor brow = f.Old ? Hex(0xd8d4cc) : Darker(Col(f.Hair), 0.2);
  for (double x : {-0.08, 0.45}) {
    cairo_move_to(cr, p.hx + (x - 0.17) * r, ey - 0.25 * r);
    cairo_curve_to(cr, p.hx + (x - 0.08) * r, ey - 0.34 * r, p.hx + (x + 0.08) * r, ey - 0.34 * r,
                   p.hx + (x + 0.17) * r, ey - 0.27 * r);
    if (f.Old)
      Limb(cr, brow, 0.07 * r);
    else
      StrokeRound(cr, brow, 0.045 * r);
  }
  // A button nose between the eyes, a little toward the right.
  Ellipse(cr, p.hx + 0.24 * r, p.hy + 0.24 * r, 0.13 * r, 0.1 * r);
  FillGlossy(cr, p.hx + 0.11 * r, p.hy + 0.14 * r, p.hx + 0.37 * r, p.hy + 0.34 * r,
             Darker(skin, 0.08), 2);
  // A friendly open smile.
  cairo_move_to(cr, p.hx + 0.02 * r, p.hy + 0.5 * r);
  cairo_curve_to(cr, p.hx + 0.15 * r, p.hy + 0.72 * r, p.hx + 0.5 * r, p.hy + 0.72 * r,
                 p.hx + 0.6 * r, p.hy + 0.48 * r);
  cairo_close_path(cr);
  FillGlossy(cr, p.hx, p.hy + 0.48 * r, p.hx + 0.6 * r, p.hy + 0.72 * r, kMouth, 2);
  cairo_move_to(cr, p.hx + 0.06 * r, p.hy + 0.52 * r);
  cairo_line_to(cr, p.hx + 0.56 * r, p.hy + 0.51 * r);
  cairo_line_to(cr, p.hx + 0.52 * r, p.hy + 0.57 * r);
  cairo_line_to(cr, p.hx + 0.1 * r, p.hy + 0.58 * r);
  cairo_close_path(cr);
  FillWith(cr, kWhite);
  if (f.Old) {  // laughter lines
    for (double x : {-0.03, 0.66}) {
      cairo_move_to(cr, p.hx + x * r, p.hy + 0.38 * r);
      cairo_curve_to(cr, p.hx + (x - 0.04) * r, p.hy + 0.45 * r, p.hx + (x - 0.03) * r,
                     p.hy + 0.52 * r, p.hx + x * r, p.hy + 0.58 * r);
      StrokeRound(cr, WithAlpha(Darker(skin, 0.35), 0.6), 1.8);
    }
  }
  if (f.Glasses) {
    for (double x : {-0.08, 0.45}) {
      cairo_arc(cr, p.hx + x * r, ey, 0.22 * r, 0, 2 * kPi);
      SetColor(cr, WithAlpha(kWhite, 0.18));
      cairo_fill_preserve(cr);
      StrokeRound(cr, Hex(0x4a3a2a), 0.045 * r);
    }
    cairo_move_to(cr, p.hx + 0.14 * r, ey - 0.03 * r);
    cairo_line_to(cr, p.hx + 0.23 * r, ey - 0.03 * r);
    StrokeRound(cr, Hex(0x4a3a2a), 0.04 * r);
    cairo_move_to(cr, p.hx - 0.3 * r, ey - 0.04 * r);
    cairo_line_to(cr, p.hx - 0.78 * r, ey + 0.02 * r);
    StrokeRound(cr, Hex(0x4a3a2a), 0.04 * r);
  }
}

void Facial(cairo_t* cr, const TChatFolk& f, const TPose& p) {
  const double r = p.r;
  const TColor hair = f.Facial == TFacial::WhiteBeard ? Hex(0xf2efe8) : Col(f.Hair);
  switch (f.Facial) {
    case TFacial::None:
      break;
    case TFacial::Stubble:
      cairo_save(cr);
      Ellipse(cr, p.hx, p.hy, 0.86 * r, r);
      cairo_clip(cr);
      Ellipse(cr, p.hx + 0.15 * r, p.hy + 0.75 * r, 0.75 * r, 0.42 * r);
      SetColor(cr, WithAlpha(Col(f.Hair), 0.25));
      cairo_fill(cr);
      cairo_restore(cr);
      [[fallthrough]];
    case TFacial::Moustache: {
      cairo_move_to(cr, p.hx + 0.3 * r, p.hy + 0.36 * r);
      cairo_curve_to(cr, p.hx + 0.1 * r, p.hy + 0.3 * r, p.hx - 0.15 * r, p.hy + 0.38 * r,
                     p.hx - 0.22 * r, p.hy + 0.5 * r);
      cairo_curve_to(cr, p.hx - 0.02 * r, p.hy + 0.5 * r, p.hx + 0.15 * r, p.hy + 0.5 * r,
                     p.hx + 0.32 * r, p.hy + 0.45 * r);
      cairo_curve_to(cr, p.hx + 0.5 * r, p.hy + 0.5 * r, p.hx + 0.72 * r, p.hy + 0.52 * r,
                     p.hx + 0.82 * r, p.hy + 0.42 * r);
      cairo_curve_to(cr, p.hx + 0.7 * r, p.hy + 0.32 * r, p.hx + 0.5 * r, p.hy + 0.3 * r,
                     p.hx + 0.3 * r, p.hy + 0.36 * r);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 0.22 * r, p.hy + 0.3 * r, p.hx + 0.82 * r, p.hy + 0.52 * r, hair, 2);
      break;
    }
    case TFacial::Beard:
    case TFacial::WhiteBeard: {
      // Round full beard from ear to ear; the smile shows through the moustache.
      cairo_move_to(cr, p.hx - 0.78 * r, p.hy + 0.1 * r);
      cairo_curve_to(cr, p.hx - 0.8 * r, p.hy + 1.1 * r, p.hx - 0.2 * r, p.hy + 1.55 * r,
                     p.hx + 0.2 * r, p.hy + 1.5 * r);
      cairo_curve_to(cr, p.hx + 0.7 * r, p.hy + 1.4 * r, p.hx + 0.9 * r, p.hy + 0.9 * r,
                     p.hx + 0.8 * r, p.hy + 0.3 * r);
      cairo_curve_to(cr, p.hx + 0.6 * r, p.hy + 0.45 * r, p.hx + 0.45 * r, p.hy + 0.8 * r,
                     p.hx + 0.3 * r, p.hy + 0.8 * r);
      cairo_curve_to(cr, p.hx + 0.1 * r, p.hy + 0.8 * r, p.hx - 0.1 * r, p.hy + 0.6 * r,
                     p.hx - 0.5 * r, p.hy + 0.3 * r);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 0.8 * r, p.hy + 0.1 * r, p.hx + 0.9 * r, p.hy + 1.55 * r, hair, 2.5);
      for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, p.hx + (-0.4 + i * 0.3) * r, p.hy + 0.95 * r);
        cairo_curve_to(cr, p.hx + (-0.35 + i * 0.3) * r, p.hy + 1.1 * r,
                       p.hx + (-0.42 + i * 0.3) * r, p.hy + 1.2 * r, p.hx + (-0.38 + i * 0.3) * r,
                       p.hy + 1.3 * r);
        StrokeRound(cr, WithAlpha(Darker(hair, 0.3), 0.6), 2);
      }
      TChatFolk m = f;
      m.Facial = TFacial::Moustache;
      m.Hair = f.Facial == TFacial::WhiteBeard ? 0xf2efe8 : f.Hair;
      Facial(cr, m, p);
      break;
    }
  }
}

void HairFront(cairo_t* cr, const TChatFolk& f, const TPose& p) {
  const double r = p.r;
  const TColor hair = Col(f.Hair);
  switch (f.HairStyle) {
    case THairStyle::Bald:
      // A fringe round the back of the head only.
      cairo_move_to(cr, p.hx - 0.84 * r, p.hy - 0.15 * r);
      cairo_curve_to(cr, p.hx - 0.95 * r, p.hy - 0.45 * r, p.hx - 0.75 * r, p.hy - 0.6 * r,
                     p.hx - 0.55 * r, p.hy - 0.55 * r);
      cairo_curve_to(cr, p.hx - 0.6 * r, p.hy - 0.35 * r, p.hx - 0.7 * r, p.hy - 0.2 * r,
                     p.hx - 0.62 * r, p.hy - 0.05 * r);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 0.95 * r, p.hy - 0.6 * r, p.hx - 0.55 * r, p.hy, hair, 2);
      break;
    case THairStyle::Covered:
      break;
    default: {
      // A cap of hair over the crown with a side parting and a swept fringe.
      cairo_move_to(cr, p.hx - 0.9 * r, p.hy + 0.1 * r);
      cairo_curve_to(cr, p.hx - 1.0 * r, p.hy - 0.9 * r, p.hx - 0.2 * r, p.hy - 1.2 * r,
                     p.hx + 0.3 * r, p.hy - 1.02 * r);
      cairo_curve_to(cr, p.hx + 0.75 * r, p.hy - 0.9 * r, p.hx + 0.95 * r, p.hy - 0.5 * r,
                     p.hx + 0.82 * r, p.hy - 0.3 * r);
      cairo_curve_to(cr, p.hx + 0.5 * r, p.hy - 0.55 * r, p.hx + 0.1 * r, p.hy - 0.5 * r,
                     p.hx - 0.2 * r, p.hy - 0.62 * r);
      cairo_curve_to(cr, p.hx - 0.35 * r, p.hy - 0.4 * r, p.hx - 0.6 * r, p.hy - 0.25 * r,
                     p.hx - 0.62 * r, p.hy + 0.1 * r);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - r, p.hy - 1.2 * r, p.hx + 0.95 * r, p.hy + 0.1 * r, hair, 3);
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, p.hx + (-0.5 + i * 0.35) * r, p.hy - 0.95 * r);
        cairo_curve_to(cr, p.hx + (-0.35 + i * 0.35) * r, p.hy - 0.8 * r,
                       p.hx + (-0.2 + i * 0.35) * r, p.hy - 0.7 * r, p.hx + (-0.05 + i * 0.35) * r,
                       p.hy - 0.62 * r);
        StrokeRound(cr, WithAlpha(Darker(hair, 0.35), 0.55), 2);
      }
      if (f.HairStyle == THairStyle::Tousled || f.HairStyle == THairStyle::Curly)
        for (int i = 0; i < 4; ++i) {
          cairo_arc(cr, p.hx + (-0.55 + i * 0.35) * r, p.hy - 0.85 * r - (i % 2) * 0.08 * r,
                    0.2 * r, 0, 2 * kPi);
          FillGlossy(cr, p.hx - 0.8 * r, p.hy - 1.15 * r, p.hx + 0.6 * r, p.hy - 0.6 * r, hair, 2);
        }
      break;
    }
  }
}

void Headwear(cairo_t* cr, const TChatFolk& f, const TPose& p) {
  const double r = p.r;
  const TColor accent = Col(f.Accent);
  switch (f.Hat) {
    case THeadwear::None:
      break;
    case THeadwear::Toque: {
      const double band = p.hy - 0.72 * r, half = 0.85 * r, h = 1.3 * r;
      cairo_move_to(cr, p.hx - half * 0.8, band);
      cairo_curve_to(cr, p.hx - half * 1.35, band - h * 0.6, p.hx - half * 0.8, band - h * 1.1,
                     p.hx - half * 0.2, band - h * 0.85);
      cairo_curve_to(cr, p.hx, band - h * 1.18, p.hx + half * 0.55, band - h * 1.12,
                     p.hx + half * 0.5, band - h * 0.8);
      cairo_curve_to(cr, p.hx + half * 1.3, band - h * 0.9, p.hx + half * 1.4, band - h * 0.3,
                     p.hx + half * 0.85, band);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - half * 1.35, band - h * 1.18, p.hx + half * 1.4, band, kWhite, 3);
      RoundedRect(cr, p.hx - half * 0.92, band - 0.28 * r, half * 1.9, 0.4 * r, 0.1 * r);
      FillGlossy(cr, p.hx - half * 0.92, band - 0.28 * r, p.hx + half, band + 0.12 * r,
                 Hex(0xeeeae0), 2.5);
      break;
    }
    case THeadwear::TopHat: {
      const double brim = p.hy - 0.75 * r;
      RoundedRect(cr, p.hx - 0.6 * r, brim - 1.15 * r, 1.2 * r, 1.2 * r, 0.08 * r);
      FillGlossy(cr, p.hx - 0.6 * r, brim - 1.15 * r, p.hx + 0.6 * r, brim, accent, 3);
      cairo_rectangle(cr, p.hx - 0.6 * r, brim - 0.35 * r, 1.2 * r, 0.2 * r);
      FillGlossy(cr, p.hx - 0.6 * r, brim - 0.35 * r, p.hx + 0.6 * r, brim - 0.15 * r,
                 Hex(0xc83a4a), 2);
      Ellipse(cr, p.hx, brim, 1.0 * r, 0.17 * r);
      FillGlossy(cr, p.hx - r, brim - 0.17 * r, p.hx + r, brim + 0.17 * r, accent, 3);
      break;
    }
    case THeadwear::CaptainCap: {
      const double band = p.hy - 0.6 * r;
      cairo_move_to(cr, p.hx - 0.88 * r, band);
      cairo_curve_to(cr, p.hx - 1.05 * r, band - 0.55 * r, p.hx - 0.3 * r, band - 0.75 * r,
                     p.hx + 0.2 * r, band - 0.72 * r);
      cairo_curve_to(cr, p.hx + 0.8 * r, band - 0.7 * r, p.hx + 1.05 * r, band - 0.4 * r,
                     p.hx + 0.88 * r, band);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 1.05 * r, band - 0.75 * r, p.hx + 1.05 * r, band, Hex(0xf4f2ec), 3);
      RoundedRect(cr, p.hx - 0.88 * r, band - 0.25 * r, 1.76 * r, 0.3 * r, 0.06 * r);
      FillGlossy(cr, p.hx - 0.88 * r, band - 0.25 * r, p.hx + 0.88 * r, band + 0.05 * r, accent,
                 2.5);
      // Peak toward the face, and the anchor badge.
      cairo_move_to(cr, p.hx + 0.2 * r, band + 0.02 * r);
      cairo_curve_to(cr, p.hx + 0.6 * r, band + 0.05 * r, p.hx + 1.05 * r, band + 0.12 * r,
                     p.hx + 1.15 * r, band + 0.22 * r);
      cairo_curve_to(cr, p.hx + 0.8 * r, band + 0.25 * r, p.hx + 0.4 * r, band + 0.2 * r,
                     p.hx + 0.2 * r, band + 0.12 * r);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx + 0.2 * r, band, p.hx + 1.15 * r, band + 0.25 * r, Hex(0x1e2a44), 2.5);
      cairo_arc(cr, p.hx + 0.3 * r, band - 0.42 * r, 0.14 * r, 0, 2 * kPi);
      FillGlossy(cr, p.hx + 0.16 * r, band - 0.56 * r, p.hx + 0.44 * r, band - 0.28 * r, kGold, 2);
      break;
    }
    case THeadwear::FeatherHat: {
      const double brim = p.hy - 0.65 * r;
      // A long feather sweeping back, then the soft crown and the brim.
      cairo_move_to(cr, p.hx - 0.2 * r, brim - 0.5 * r);
      cairo_curve_to(cr, p.hx - 0.9 * r, brim - 1.3 * r, p.hx - 1.5 * r, brim - 1.2 * r,
                     p.hx - 1.75 * r, brim - 0.75 * r);
      cairo_curve_to(cr, p.hx - 1.3 * r, brim - 0.85 * r, p.hx - 0.8 * r, brim - 0.6 * r,
                     p.hx - 0.2 * r, brim - 0.5 * r);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 1.75 * r, brim - 1.3 * r, p.hx - 0.2 * r, brim - 0.5 * r, Hex(0x3aa0c8),
                 2.5);
      cairo_move_to(cr, p.hx - 0.75 * r, brim);
      cairo_curve_to(cr, p.hx - 0.8 * r, brim - 0.8 * r, p.hx + 0.6 * r, brim - 0.95 * r,
                     p.hx + 0.7 * r, brim);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 0.8 * r, brim - 0.95 * r, p.hx + 0.7 * r, brim, accent, 3);
      Ellipse(cr, p.hx, brim, 1.05 * r, 0.16 * r);
      FillGlossy(cr, p.hx - 1.05 * r, brim - 0.16 * r, p.hx + 1.05 * r, brim + 0.16 * r, accent, 3);
      break;
    }
    case THeadwear::Souwester: {
      // The oilskin hat: a low crown and a wide brim sloping down at the back.
      const double brim = p.hy - 0.55 * r;
      cairo_move_to(cr, p.hx - 0.8 * r, brim);
      cairo_curve_to(cr, p.hx - 0.9 * r, brim - 0.85 * r, p.hx + 0.75 * r, brim - 0.9 * r,
                     p.hx + 0.8 * r, brim);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 0.9 * r, brim - 0.9 * r, p.hx + 0.8 * r, brim, Col(f.Coat), 3);
      cairo_move_to(cr, p.hx - 1.25 * r, brim + 0.55 * r);
      cairo_curve_to(cr, p.hx - 1.0 * r, brim - 0.05 * r, p.hx + 0.5 * r, brim - 0.2 * r,
                     p.hx + 1.15 * r, brim - 0.1 * r);
      cairo_curve_to(cr, p.hx + 1.1 * r, brim + 0.1 * r, p.hx + 0.4 * r, brim + 0.08 * r,
                     p.hx - 0.6 * r, brim + 0.3 * r);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 1.25 * r, brim - 0.2 * r, p.hx + 1.15 * r, brim + 0.55 * r, Col(f.Coat),
                 3);
      break;
    }
    case THeadwear::Headscarf: {
      // Tied at the nape, the knot's ends hanging behind; a few curls at the brow.
      cairo_move_to(cr, p.hx - 0.92 * r, p.hy + 0.25 * r);
      cairo_curve_to(cr, p.hx - 1.05 * r, p.hy - 1.0 * r, p.hx + 0.1 * r, p.hy - 1.35 * r,
                     p.hx + 0.55 * r, p.hy - 0.95 * r);
      cairo_curve_to(cr, p.hx + 0.85 * r, p.hy - 0.7 * r, p.hx + 0.92 * r, p.hy - 0.45 * r,
                     p.hx + 0.85 * r, p.hy - 0.35 * r);
      cairo_curve_to(cr, p.hx + 0.4 * r, p.hy - 0.6 * r, p.hx - 0.2 * r, p.hy - 0.6 * r,
                     p.hx - 0.55 * r, p.hy - 0.25 * r);
      cairo_curve_to(cr, p.hx - 0.65 * r, p.hy - 0.1 * r, p.hx - 0.7 * r, p.hy + 0.1 * r,
                     p.hx - 0.7 * r, p.hy + 0.25 * r);
      cairo_close_path(cr);
      FillGlossy(cr, p.hx - 1.05 * r, p.hy - 1.35 * r, p.hx + 0.92 * r, p.hy + 0.25 * r, accent, 3);
      for (int i = 0; i < 6; ++i)
        FillDot(cr, p.hx + (-0.6 + i * 0.24) * r, p.hy - (0.75 + 0.2 * std::sin(i * 1.3)) * r, 0.06 * r,
            kWhite);
      for (int side : {0, 1}) {
        cairo_move_to(cr, p.hx - 0.88 * r, p.hy + 0.05 * r);
        cairo_curve_to(cr, p.hx - (1.2 + side * 0.15) * r, p.hy + 0.3 * r,
                       p.hx - (1.15 + side * 0.2) * r, p.hy + 0.55 * r,
                       p.hx - (1.25 + side * 0.25) * r, p.hy + 0.75 * r);
        Limb(cr, accent, 0.16 * r);
      }
      FillDot(cr, p.hx - 0.92 * r, p.hy + 0.05 * r, 0.14 * r, Darker(accent, 0.15));
      break;
    }
  }
}

// ---- Props, held in front of the chest --------------------------------------------------

void Hand(cairo_t* cr, const TChatFolk& f, double x, double y, double r) {
  cairo_arc(cr, x, y, 0.22 * r, 0, 2 * kPi);
  FillGlossy(cr, x - 0.22 * r, y - 0.22 * r, x + 0.22 * r, y + 0.22 * r, Col(f.Skin), 2.5);
}

void Arm(cairo_t* cr, const TChatFolk& f, const TPose& p, double hx, double hy) {
  const double r = p.r;
  const double sx = p.hx + f.Width * 0.42 * r, sy = p.hy + 1.8 * r;
  cairo_move_to(cr, sx, sy);
  cairo_curve_to(cr, sx + 0.3 * r, sy + 1.0 * r, hx + 0.2 * r, hy + 0.6 * r, hx, hy + 0.1 * r);
  Limb(cr, Col(f.Coat), 0.5 * r);
}

void Prop(cairo_t* cr, const TChatFolk& f, const TPose& p) {
  const double r = p.r;
  const double x = p.hx + 0.75 * r, y = p.hy + 2.75 * r;  // the hand
  switch (f.Prop) {
    case TProp::None:
      return;
    case TProp::Spoon:
      Arm(cr, f, p, x, y);
      cairo_move_to(cr, x, y + 0.3 * r);
      cairo_line_to(cr, x + 0.35 * r, y - 1.1 * r);
      Limb(cr, kLightWood, 0.12 * r);
      Ellipse(cr, x + 0.4 * r, y - 1.3 * r, 0.16 * r, 0.26 * r);
      FillGlossy(cr, x + 0.24 * r, y - 1.56 * r, x + 0.56 * r, y - 1.04 * r, kLightWood, 2.5);
      Hand(cr, f, x, y, r);
      return;
    case TProp::Fish: {
      Arm(cr, f, p, x, y);
      cairo_save(cr);
      cairo_translate(cr, x + 0.05 * r, y - 0.1 * r);
      cairo_rotate(cr, -0.35);
      cairo_move_to(cr, -0.1 * r, 0);
      cairo_curve_to(cr, 0.2 * r, -0.35 * r, 0.8 * r, -0.35 * r, 1.05 * r, 0);
      cairo_curve_to(cr, 0.8 * r, 0.3 * r, 0.2 * r, 0.3 * r, -0.1 * r, 0);
      cairo_close_path(cr);
      FillGlossy(cr, -0.1 * r, -0.3 * r, 1.05 * r, 0.3 * r, Hex(0x8ab4c8), 2.5);
      cairo_move_to(cr, -0.05 * r, 0);
      cairo_line_to(cr, -0.35 * r, -0.25 * r);
      cairo_line_to(cr, -0.35 * r, 0.25 * r);
      cairo_close_path(cr);
      FillGlossy(cr, -0.35 * r, -0.25 * r, 0, 0.25 * r, Hex(0x6a94a8), 2.5);
      FillDot(cr, 0.82 * r, -0.06 * r, 0.05 * r, kPupil);
      cairo_restore(cr);
      Hand(cr, f, x, y, r);
      return;
    }
    case TProp::Slate: {
      Arm(cr, f, p, x, y);
      RoundedRect(cr, x - 0.5 * r, y - 0.95 * r, 1.0 * r, 0.75 * r, 0.06 * r);
      FillGlossy(cr, x - 0.5 * r, y - 0.95 * r, x + 0.5 * r, y - 0.2 * r, kLightWood, 2.5);
      cairo_rectangle(cr, x - 0.42 * r, y - 0.87 * r, 0.84 * r, 0.59 * r);
      FillWith(cr, Hex(0x3a4a48));
      // A child's drawing of a pancake stack.
      for (int i = 0; i < 3; ++i) {
        Ellipse(cr, x, y - (0.4 + i * 0.1) * r, 0.25 * r, 0.05 * r);
        StrokeRound(cr, kWhite, 2);
      }
      Hand(cr, f, x - 0.35 * r, y - 0.1 * r, r);
      return;
    }
    case TProp::Pipe: {
      cairo_move_to(cr, p.hx + 0.55 * r, p.hy + 0.6 * r);
      cairo_line_to(cr, p.hx + 0.95 * r, p.hy + 0.75 * r);
      Limb(cr, kBark, 0.07 * r);
      RoundedRect(cr, p.hx + 0.9 * r, p.hy + 0.5 * r, 0.2 * r, 0.3 * r, 0.05 * r);
      FillGlossy(cr, p.hx + 0.9 * r, p.hy + 0.5 * r, p.hx + 1.1 * r, p.hy + 0.8 * r, kWood, 2);
      for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, p.hx + (1.05 + i * 0.12) * r, p.hy + (0.35 - i * 0.22) * r,
                  (0.06 + i * 0.02) * r, 0, 2 * kPi);
        SetColor(cr, WithAlpha(kWhite, 0.55 - i * 0.12));
        cairo_fill(cr);
      }
      return;
    }
    case TProp::Lamp: {
      Arm(cr, f, p, x, y);
      const double lx = x + 0.1 * r, ly = y - 0.9 * r;
      RadialGlow(cr, lx, ly, 0.9 * r, WithAlpha(kGlow, 0.55));
      cairo_arc(cr, lx, ly - 0.62 * r, 0.14 * r, kPi, 2 * kPi);
      StrokeRound(cr, Darker(kGold, 0.4), 0.05 * r);
      RoundedRect(cr, lx - 0.3 * r, ly - 0.5 * r, 0.6 * r, 0.8 * r, 0.1 * r);
      FillGlossy(cr, lx - 0.3 * r, ly - 0.5 * r, lx + 0.3 * r, ly + 0.3 * r, kGlow, 3);
      for (double dx : {-0.3, 0.3}) {
        cairo_move_to(cr, lx + dx * r, ly - 0.5 * r);
        cairo_line_to(cr, lx + dx * r, ly + 0.3 * r);
        StrokeRound(cr, Darker(kGold, 0.4), 0.07 * r);
      }
      RoundedRect(cr, lx - 0.36 * r, ly - 0.6 * r, 0.72 * r, 0.14 * r, 0.05 * r);
      FillGlossy(cr, lx - 0.36 * r, ly - 0.6 * r, lx + 0.36 * r, ly - 0.46 * r, kGold, 2);
      RoundedRect(cr, lx - 0.36 * r, ly + 0.26 * r, 0.72 * r, 0.14 * r, 0.05 * r);
      FillGlossy(cr, lx - 0.36 * r, ly + 0.26 * r, lx + 0.36 * r, ly + 0.4 * r, kGold, 2);
      Hand(cr, f, x, y, r);
      return;
    }
    case TProp::Hammer: {
      Arm(cr, f, p, x, y);
      cairo_move_to(cr, x, y + 0.4 * r);
      cairo_line_to(cr, x - 0.1 * r, y - 1.2 * r);
      Limb(cr, kLightWood, 0.14 * r);
      RoundedRect(cr, x - 0.45 * r, y - 1.5 * r, 0.7 * r, 0.34 * r, 0.06 * r);
      FillGlossy(cr, x - 0.45 * r, y - 1.5 * r, x + 0.25 * r, y - 1.16 * r, Hex(0x7a8088), 2.5);
      Hand(cr, f, x, y, r);
      return;
    }
    case TProp::Basket: {
      Arm(cr, f, p, x, y);
      cairo_arc(cr, x, y - 0.2 * r, 0.55 * r, kPi, 2 * kPi);
      StrokeRound(cr, Darker(kWood, 0.3), 0.1 * r);
      cairo_move_to(cr, x - 0.7 * r, y - 0.2 * r);
      cairo_line_to(cr, x + 0.7 * r, y - 0.2 * r);
      cairo_line_to(cr, x + 0.55 * r, y + 0.55 * r);
      cairo_line_to(cr, x - 0.55 * r, y + 0.55 * r);
      cairo_close_path(cr);
      FillGlossy(cr, x - 0.7 * r, y - 0.2 * r, x + 0.7 * r, y + 0.55 * r, kLightWood, 2.5);
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, x - 0.66 * r + i * 0.05 * r, y + (0.02 + i * 0.18) * r);
        cairo_line_to(cr, x + 0.66 * r - i * 0.05 * r, y + (0.02 + i * 0.18) * r);
        StrokeRound(cr, Darker(kLightWood, 0.35), 2);
      }
      for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, x + (-0.5 + i * 0.25) * r, y - 0.2 * r);
        cairo_line_to(cr, x + (-0.42 + i * 0.21) * r, y + 0.55 * r);
        StrokeRound(cr, Darker(kLightWood, 0.35), 2);
      }
      Hand(cr, f, x - 0.5 * r, y - 0.25 * r, r);
      return;
    }
    case TProp::Fiddle: {
      // The fiddle under the chin, its neck toward the other speaker, the bow across.
      cairo_save(cr);
      cairo_translate(cr, p.hx + 0.1 * r, p.hy + 2.0 * r);
      cairo_rotate(cr, -0.5);
      cairo_move_to(cr, 0.5 * r, -0.05 * r);
      cairo_line_to(cr, 1.7 * r, -0.05 * r);
      Limb(cr, Hex(0x3a2414), 0.12 * r);
      Ellipse(cr, 1.75 * r, -0.05 * r, 0.12 * r, 0.09 * r);
      FillGlossy(cr, 1.63 * r, -0.14 * r, 1.87 * r, 0.04 * r, kBark, 2);
      cairo_move_to(cr, -0.7 * r, 0);
      cairo_curve_to(cr, -0.7 * r, -0.45 * r, -0.25 * r, -0.45 * r, -0.05 * r, -0.28 * r);
      cairo_curve_to(cr, 0.15 * r, -0.42 * r, 0.6 * r, -0.4 * r, 0.6 * r, 0);
      cairo_curve_to(cr, 0.6 * r, 0.4 * r, 0.15 * r, 0.42 * r, -0.05 * r, 0.28 * r);
      cairo_curve_to(cr, -0.25 * r, 0.45 * r, -0.7 * r, 0.45 * r, -0.7 * r, 0);
      cairo_close_path(cr);
      FillGlossy(cr, -0.7 * r, -0.45 * r, 0.6 * r, 0.45 * r, Hex(0xc8702a), 2.5);
      for (double y : {-0.1, 0.1}) {
        cairo_move_to(cr, -0.45 * r, y * r);
        cairo_line_to(cr, 1.7 * r, y * 0.3 * r);
        StrokeRound(cr, WithAlpha(kPaper, 0.8), 1.2);
      }
      cairo_restore(cr);
      Arm(cr, f, p, x + 0.3 * r, y - 0.2 * r);
      cairo_move_to(cr, x - 0.9 * r, y + 0.2 * r);
      cairo_line_to(cr, x + 1.1 * r, y - 1.4 * r);
      StrokeRound(cr, Hex(0x5a3a20), 0.05 * r);
      Hand(cr, f, x + 0.3 * r, y - 0.2 * r, r);
      return;
    }
  }
}

void Figure(cairo_t* cr, const TChatFolk& f, const TPose& p) {
  HairBack(cr, f, p);
  Torso(cr, f, p);
  NeckAndCollar(cr, f, p);
  Ear(cr, f, p);
  Face(cr, f, p);
  Facial(cr, f, p);
  HairFront(cr, f, p);
  Headwear(cr, f, p);
  Prop(cr, f, p);
}

// The eight clients, by who they are in their lines: 1 Vella of the harbour, 2 Mayor
// Mossby, 3 Miss Sorrel the teacher, 4 old Eddo the sailor, 5 Ottilie the lighthouse keeper,
// 6 Gorrick the smith, 7 Wenna the basket weaver, 8 Lark the fiddler.
const TChatFolk kClients[8] = {
    {true, false, 0xf6cfa8, 0x8a4a24, 0x3a6aa8, 0xd84a3a, 0x3a6a8a, THairStyle::Covered,
     THeadwear::Headscarf, TFacial::None, TNeck::SailorStripes, TProp::Fish, false, 3.2},
    {false, false, 0xffd9b8, 0x6a4a34, 0x3a3050, 0x8a2a3a, 0x5a3a20, THairStyle::Bald,
     THeadwear::TopHat, TFacial::Moustache, TNeck::MayorChain, TProp::None, false, 3.8},
    {true, false, 0xffdcc0, 0xa8502a, 0x5a8a4a, 0xf2c050, 0x3a7a4a, THairStyle::Bun,
     THeadwear::None, TFacial::None, TNeck::Cardigan, TProp::Slate, true, 3.0},
    {false, true, 0xe8b890, 0xf2efe8, 0x24345a, 0x2a4a8a, 0x3a5a8a, THairStyle::Bald,
     THeadwear::CaptainCap, TFacial::WhiteBeard, TNeck::SailorStripes, TProp::Pipe, false, 3.3},
    {true, false, 0xffe0c8, 0xe0a040, 0xf2c830, 0x8a6a20, 0x4a7aa8, THairStyle::Braids,
     THeadwear::Souwester, TFacial::None, TNeck::Oilskin, TProp::Lamp, false, 3.1},
    {false, false, 0xd8a078, 0x2a1a12, 0x8a6a5a, 0x7a4a28, 0x3a2a1a, THairStyle::Bald,
     THeadwear::None, TFacial::Beard, TNeck::LeatherApron, TProp::Hammer, false, 3.9},
    {true, true, 0xf6d2b4, 0xc8c4bc, 0x7a5a8a, 0xb86a4a, 0x5a7a5a, THairStyle::Bun, THeadwear::None,
     TFacial::None, TNeck::Shawl, TProp::Basket, true, 3.1},
    {false, false, 0xffd8b4, 0xc87a2a, 0x3a7a5a, 0x8a3a6a, 0x4a6a3a, THairStyle::Tousled,
     THeadwear::FeatherHat, TFacial::Stubble, TNeck::Waistcoat, TProp::Fiddle, false, 3.0},
};

const TChatFolk kOrvell = {false,
                           false,
                           0xffd9b8,
                           0x7a4a24,
                           0xf4eee2,
                           0xd84a3a,
                           0x5a3a20,
                           THairStyle::Short,
                           THeadwear::Toque,
                           TFacial::Moustache,
                           TNeck::Neckerchief,
                           TProp::Spoon,
                           false,
                           3.3};

constexpr double kHeadRadius = 88;
}  // namespace

// Orvell faces right: his face stays left of his balloon (x 332 on screen, 306 in here),
// his shoulders inside the picture, which starts 26 pixels from the screen's left edge.
void PaintChatMainChar(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const TPose p{200, 200, kHeadRadius, static_cast<double>(s.TileHeight)};
  Figure(cr, kOrvell, p);
}

// Mirrored, so the client faces left; the face is placed right of the balloon's end.
void PaintChatCharacter(TCanvas& c, const TAssetSpec& s, TChatClient client) {
  cairo_t* cr = c.Cr();
  const int n = client.Number;
  const TPoint at = TChatPlaces::ClientPicture(n);
  const TPoint balloon = TChatPlaces::ClientBalloon(n);
  const double w = s.TileWidth;
  const double face = std::clamp<double>(balloon.X + TChatPlaces::BalloonWidth - at.X + 115,
                                         w * 0.5, w - 1.6 * kHeadRadius);
  cairo_translate(cr, w, 0);
  cairo_scale(cr, -1, 1);
  const double hatRoom = kClients[n - 1].Hat == THeadwear::TopHat ? 1.9 : 1.3;
  const TPose p{w - face, kHeadRadius * (1 + hatRoom) + 10, kHeadRadius,
                static_cast<double>(s.TileHeight)};
  Figure(cr, kClients[n - 1], p);
}

// Slices of one balloon: rows 0..23 of the top, a 24-row band of the middle and the bottom
// with a tail; the text runs from x 30 to 375.
void PaintChapterDialogBalloon(TCanvas& c, const TAssetSpec& s) {
  const double slice[3] = {0, 100, 176};
  const double visible[3] = {24, 24, static_cast<double>(s.TileHeight)};
  ForEachPattern(c, s, [&](cairo_t* cr, int pattern, double w, double) {
    cairo_rectangle(cr, 0, 0, w, visible[pattern]);
    cairo_clip(cr);
    cairo_translate(cr, 0, -slice[pattern]);
    const double x0 = 5, x1 = w - 5, y0 = 3, y1 = 200, rad = 20;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1 - rad, y0 + rad, rad, -kPi / 2, 0);
    cairo_arc(cr, x1 - rad, y1 - rad, rad, 0, kPi / 2);
    cairo_line_to(cr, w * 0.5 + 18, y1);
    cairo_curve_to(cr, w * 0.5 + 8, y1 + 14, w * 0.5 - 4, y1 + 26, w * 0.5 - 22, y1 + 32);
    cairo_curve_to(cr, w * 0.5 - 14, y1 + 20, w * 0.5 - 12, y1 + 10, w * 0.5 - 14, y1);
    cairo_arc(cr, x0 + rad, y1 - rad, rad, kPi / 2, kPi);
    cairo_arc(cr, x0 + rad, y0 + rad, rad, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
    // A soft side-to-side shade only, so the bands join without a seam.
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x1, 0);
    AddStop(g, 0, Hex(0xf4ead8));
    AddStop(g, 0.15, Hex(0xfffbf2));
    AddStop(g, 0.85, Hex(0xfffbf2));
    AddStop(g, 1, Hex(0xf0e4d0));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    StrokeRound(cr, kOutline, 3.5);
  });
}

}  // namespace assetgen
