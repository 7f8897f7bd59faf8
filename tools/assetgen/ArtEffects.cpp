// Particles, shines and the small animated pieces of the effect family.
#include <algorithm>
#include <cmath>

#include "Painters.h"

namespace assetgen {

namespace {}  // namespace

// A soft round glow; strips vary the size a little from pattern to pattern.
void PaintGlow(TCanvas& c, const TAssetSpec& s, TColor col) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    double r = std::min(w, h) / 2 * (1.0 - 0.08 * (p % 5));
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / std::min(w, h), h / std::min(w, h));
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, r);
    AddStop(g, 0, kWhite);
    AddStop(g, 0.25, WithAlpha(col, 0.9));
    AddStop(g, 0.6, WithAlpha(col, 0.35));
    AddStop(g, 1, WithAlpha(col, 0));
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
  });
}

// Soft light rays around a bright core (shines drawn additively and turned by the game).
void PaintRays(TCanvas& c, const TAssetSpec& s, TColor col) {
  ForEachPattern(c, s, [&](cairo_t* cr, int, double w, double h) {
    double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2;
    TNoise n(HashName(s.Name));
    int rays = 12;
    for (int i = 0; i < rays; ++i) {
      double a = i * 2 * M_PI / rays + n.Range(-0.08, 0.08);
      double len = r * n.Range(0.75, 1.0), half = n.Range(0.06, 0.12);
      cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, len);
      AddStop(g, 0, WithAlpha(col, 0.8));
      AddStop(g, 1, WithAlpha(col, 0));
      cairo_set_source(cr, g);
      cairo_move_to(cr, cx, cy);
      cairo_line_to(cr, cx + std::cos(a - half) * len, cy + std::sin(a - half) * len);
      cairo_line_to(cr, cx + std::cos(a + half) * len, cy + std::sin(a + half) * len);
      cairo_close_path(cr);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
    }
    RadialGlow(cr, cx, cy, r * 0.45, WithAlpha(col, 0.8));
  });
}

// Star-like sparkles: a four-point twinkle, a five-point star, tiny glints, fuse sparks, a
// feather flower or shiny dots.
void PaintSparkles(TCanvas& c, const TAssetSpec& s, TSparkle kind) {
  const TColor kStarGlow = Hex(0xffe070);
  const TColor kStar = Hex(0xffc928);
  const TColor kGlint = Hex(0xfff0a0);
  const TColor kFuseSpark{1, 0.85, 0.3};
  const TColor kSparkCore = Hex(0xfff4b0);
  const TColor kFeather{1, 0.95, 0.98};
  const TColor kFeatherHeart = Hex(0xffd0e8);
  const TColor kShinyDot = Hex(0xfff8d8);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 1;
    switch (kind) {
      case TSparkle::Twinkle:
        Sparkle(cr, cx, cy, r, kTwinkle);
        break;
      case TSparkle::Star: {
        RadialGlow(cr, cx, cy, r, WithAlpha(kStarGlow, 0.6));
        StarPath(cr, cx, cy, r * 0.8, r * 0.36, 5);
        FillGlossy(cr, cx - r, cy - r, cx + r, cy + r, kStar, 1.5);
        break;
      }
      case TSparkle::Glints:
        Sparkle(cr, cx, cy, r, p == 0 ? kWhite : kGlint);
        break;
      case TSparkle::FuseSparks: {
        TNoise n(77 + p);
        for (int i = 0; i < 7; ++i) {
          double a = n.Range(0, 2 * M_PI), len = r * n.Range(0.4, 1.0);
          SetColor(cr, WithAlpha(kFuseSpark, 0.9));
          cairo_set_line_width(cr, 1.5);
          cairo_move_to(cr, cx, cy);
          cairo_line_to(cr, cx + std::cos(a) * len, cy + std::sin(a) * len);
          cairo_stroke(cr);
        }
        RadialGlow(cr, cx, cy, r * 0.6, kSparkCore);
        break;
      }
      case TSparkle::FeatherFlower: {
        for (int i = 0; i < 6; ++i) {
          cairo_save(cr);
          cairo_translate(cr, cx, cy);
          cairo_rotate(cr, i * M_PI / 3);
          Ellipse(cr, 0, -r * 0.5, r * 0.18, r * 0.5);
          SetColor(cr, WithAlpha(kFeather, 0.85));
          cairo_fill(cr);
          cairo_restore(cr);
        }
        RadialGlow(cr, cx, cy, r * 0.3, kFeatherHeart);
        break;
      }
      case TSparkle::ShinyDots:
        for (int i = 0; i < 5; ++i)
          Sparkle(cr, cx + std::cos(i * 1.3) * r * 0.55, cy + std::sin(i * 1.3) * r * 0.55,
                  r * (0.25 + 0.08 * i), kShinyDot);
    }
  });
}

// 7 colours x 3 shapes of dust puffs (drawn additively, so they are soft and bright).
void PaintDustParticle(TCanvas& c, const TAssetSpec& s) {
  const std::uint32_t puffs[7] = {0xfff4d8, 0xd8c0a0, 0xc8a878, 0xfff0a0,
                                  0xe0e8ff, 0xb0a090, 0xfffbe8};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TColor col = Hex(puffs[p / 3]);
    int shape = p % 3;
    TNoise n(100 + p);
    int blobs = 3 + shape * 2;
    for (int i = 0; i < blobs; ++i) {
      double bx = w / 2 + n.Range(-w * 0.2, w * 0.2), by = h / 2 + n.Range(-h * 0.18, h * 0.18);
      double br = std::min(w, h) * n.Range(0.18, 0.32);
      RadialGlow(cr, bx, by, br, WithAlpha(col, 0.55));
    }
  });
}

// Six pieces of coloured paper, laid over the picture (not added to it): deep, saturated
// colours with a darker edge, so that they still read over a bright sky. Most pieces draw
// the last pattern, so that one is striped in three colours.
void PaintConfetti(TCanvas& c, const TAssetSpec& s) {
  const std::uint32_t papers[] = {0xe8183c, 0xff7a00, 0x8a2be2, 0x1d5cff, 0x10a848};
  const std::uint32_t stripes[] = {0xe0107a, 0xffb800, 0x1672f0};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    const double x0 = w * 0.08, y0 = h * 0.2, pw = w * 0.84, ph = h * 0.6;
    auto piece = [&] {
      cairo_new_path(cr);
      RoundedRect(cr, x0, y0, pw, ph, 1.5);
    };
    piece();
    cairo_save(cr);
    cairo_clip(cr);
    if (p < 5) {
      SetColor(cr, Hex(papers[p]));
      cairo_paint(cr);
    } else {
      // Stripes across the width: the piece flutters by its height, so all three stay.
      for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, x0 + pw * i / 3, y0, pw / 3 + 0.5, ph);
        SetColor(cr, Hex(stripes[i]));
        cairo_fill(cr);
      }
    }
    // A faint fold: the upper half catches a little more light.
    cairo_rectangle(cr, x0, y0, pw, ph * 0.45);
    SetColor(cr, WithAlpha(kWhite, 0.18));
    cairo_fill(cr);
    cairo_restore(cr);
    piece();
    SetColor(cr, WithAlpha(kBlack, 0.35));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  });
}

// A soap bubble bursting over seven patterns.
void PaintBubbleBurst(TCanvas& c, const TAssetSpec& s) {
  const TColor kBubbleTint{0.7, 0.9, 1};
  const TColor kDroplet{0.85, 0.97, 1};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 2;
    double t = p / 6.0;
    if (p < 3) {
      double rr = r * (0.85 + 0.05 * p);
      cairo_arc(cr, cx, cy, rr, 0, 2 * M_PI);
      SetColor(cr, WithAlpha(kBubbleTint, 0.25));
      cairo_fill_preserve(cr);
      SetColor(cr, WithAlpha(kWhite, 0.8));
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      Ellipse(cr, cx - rr * 0.35, cy - rr * 0.4, rr * 0.25, rr * 0.15);
      SetColor(cr, WithAlpha(kWhite, 0.8));
      cairo_fill(cr);
    } else {
      for (int i = 0; i < 10; ++i) {
        double a = i * M_PI / 5 + p;
        double d = r * (0.6 + t * 0.5);
        cairo_arc(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, 2.5 * (1.2 - t), 0, 2 * M_PI);
        SetColor(cr, WithAlpha(kDroplet, 1.0 - t * 0.8));
        cairo_fill(cr);
      }
    }
  });
}

// A round, friendly spider walking, anchoring its thread, weaving or hit.
void PaintSpider(TCanvas& c, const TAssetSpec& s, TSpiderPose pose) {
  const TColor kSpiderLegs{0.18, 0.12, 0.2};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    double cx = w / 2, cy = h / 2 + 2;
    double phase = p * 0.8;
    if (pose == TSpiderPose::Hit) {
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, p * 0.5);
      cairo_translate(cr, -cx, -cy);
    }
    if (pose == TSpiderPose::Anchoring || pose == TSpiderPose::Weaving) {
      SetColor(cr, WithAlpha(kWhite, 0.8));
      cairo_set_line_width(cr, 1);
      cairo_move_to(cr, cx, 0);
      cairo_line_to(cr, cx, cy - 8);
      cairo_stroke(cr);
    }
    SetColor(cr, kSpiderLegs);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side = -1; side <= 1; side += 2)
      for (int i = 0; i < 4; ++i) {
        double wiggle = std::sin(phase + i * 1.7) * 3;
        double ay = cy - 4 + i * 3.5;
        cairo_move_to(cr, cx + side * 6, ay);
        cairo_line_to(cr, cx + side * 14, ay - 6 + wiggle);
        cairo_line_to(cr, cx + side * 20, ay + 4 + wiggle);
        cairo_stroke(cr);
      }
    Ellipse(cr, cx, cy + 2, 11, 10);
    FillGlossy(cr, cx - 11, cy - 8, cx + 11, cy + 12, kSpiderBody, 1.5);
    cairo_arc(cr, cx, cy - 9, 7, 0, 2 * M_PI);
    FillGlossy(cr, cx - 7, cy - 16, cx + 7, cy - 2, kSpiderHead, 1.5);
    for (int e = -1; e <= 1; e += 2) {
      cairo_arc(cr, cx + e * 3, cy - 10, 2.4, 0, 2 * M_PI);
      SetColor(cr, kWhite);
      cairo_fill(cr);
      cairo_arc(cr, cx + e * 3, cy - 9.5, pose == TSpiderPose::Hit ? 0.6 : 1.2, 0, 2 * M_PI);
      SetColor(cr, kBlack);
      cairo_fill(cr);
    }
  });
}

// Butterflies: wing beat over the strip's columns (rows repeat with a softer tint).
void PaintButterfly(TCanvas& c, const TAssetSpec& s, TColor col) {
  const TColor kButterflyBody{0.25, 0.15, 0.1};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    int frames = s.Columns > 1 ? s.Columns : s.Rows;
    int f = s.Columns > 1 ? p % s.Columns : p / s.Columns;
    double open = 0.35 + 0.65 * std::fabs(std::cos(f * M_PI / std::max(1, frames)));
    double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 2;
    TColor wing = (s.Columns > 1 && p >= s.Columns) ? Lighter(col, 0.3) : col;
    for (int side = -1; side <= 1; side += 2) {
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, side * open, 1);
      Ellipse(cr, r * 0.45, -r * 0.3, r * 0.5, r * 0.42);
      Ellipse(cr, r * 0.35, r * 0.35, r * 0.34, r * 0.3);
      FillGlossy(cr, 0, -r, r, r, wing, 1.2);
      cairo_restore(cr);
    }
    Ellipse(cr, cx, cy, 2.2, r * 0.55);
    SetColor(cr, kButterflyBody);
    cairo_fill(cr);
  });
}

void PaintFog(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    // Blobs kept inside the tile: the clear margin would cost drawing time every frame.
    TNoise n(500 + p);
    for (int i = 0; i < 12; ++i) {
      double r = n.Range(h * 0.24, h * 0.4);
      RadialGlow(cr, n.Range(r, w - r), n.Range(h * 0.42, h * 0.58), r,
                 WithAlpha(kWhite, 0.42));
    }
  });
}

void PaintSnow(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int, double w, double h) {
    double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 2;
    RadialGlow(cr, cx, cy, r, WithAlpha(kWhite, 0.6));
    SetColor(cr, WithAlpha(kWhite, 0.95));
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 6; ++i) {
      double a = i * M_PI / 3;
      cairo_move_to(cr, cx, cy);
      cairo_line_to(cr, cx + std::cos(a) * r * 0.8, cy + std::sin(a) * r * 0.8);
    }
    cairo_stroke(cr);
  });
}

// A crackling bolt across the whole row, eight frames of flicker.
void PaintLightning(TCanvas& c, const TAssetSpec& s) {
  const TColor kLightningGlow{0.5, 0.8, 1};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TNoise n(900 + p);
    double fade = p < 6 ? 1.0 : 0.5;
    for (int pass = 0; pass < 2; ++pass) {
      cairo_new_path(cr);
      cairo_move_to(cr, 0, h / 2);
      for (double x = 16; x <= w; x += 16) cairo_line_to(cr, x, h / 2 + n.Range(-h * 0.32, h * 0.32));
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      if (pass == 0) {
        SetColor(cr, WithAlpha(kLightningGlow, 0.45 * fade));
        cairo_set_line_width(cr, 12);
      } else {
        SetColor(cr, WithAlpha(kWhite, 0.95 * fade));
        cairo_set_line_width(cr, 3);
      }
      cairo_stroke(cr);
    }
  });
}

// Coloured wave arcs of the blaster spin (one pattern per colour family).
void PaintCollectorWave(TCanvas& c, const TAssetSpec& s) {
  const std::uint32_t waves[] = {0xffffff, 0xff6a6a, 0xffe25a, 0x7ae05a,
                                 0x5ab8ff, 0xc07aff, 0xff9a3c};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TColor col = Hex(waves[p % 7]);
    for (int i = 0; i < 3; ++i) {
      cairo_arc(cr, w * 0.5, h * 1.4, h * (1.0 + 0.15 * i), M_PI * 1.2, M_PI * 1.8);
      SetColor(cr, WithAlpha(col, 0.8 - 0.2 * i));
      cairo_set_line_width(cr, 6 - i * 1.5);
      cairo_stroke(cr);
    }
  });
}

// Explosion puffs: fire in the first row, smoke in the second.
void PaintBombParticle(TCanvas& c, const TAssetSpec& s) {
  const TColor kSmoke = Hex(0x8a8078);
  const TColor kFire = Hex(0xffb030);
  const TColor kDeepFire = Hex(0xff6a2a);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    bool smoke = p >= s.Columns;
    int k = p % s.Columns;
    TNoise n(300 + p);
    double r = std::min(w, h) / 2 - 1;
    for (int i = 0; i < 5; ++i) {
      double bx = w / 2 + n.Range(-r * 0.3, r * 0.3), by = h / 2 + n.Range(-r * 0.3, r * 0.3);
      double br = r * n.Range(0.45, 0.7) * (1.0 - 0.08 * k);
      TColor col = smoke ? WithAlpha(kSmoke, 0.7) : (i % 2 ? kFire : kDeepFire);
      RadialGlow(cr, bx, by, br, col);
    }
    if (!smoke) RadialGlow(cr, w / 2, h / 2, r * 0.35, kTwinkle);
  });
}

// The blaster's spinning blur, one pattern per element colour.
void PaintCollectorBlur(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TColor col = ElementColor(p + 1);
    double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 2;
    for (int i = 0; i < 3; ++i) {
      cairo_arc(cr, cx, cy, r * (0.45 + 0.2 * i), i * 2.1, i * 2.1 + 3.6);
      SetColor(cr, WithAlpha(col, 0.75 - 0.15 * i));
      cairo_set_line_width(cr, r * 0.2);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_stroke(cr);
    }
    RadialGlow(cr, cx, cy, r * 0.5, Mix(col, kWhite, 0.5));
  });
}

// A tiny glowing fairy: wing beat over the columns, the second row facing right.
void PaintSmallFairy(TCanvas& c, const TAssetSpec& s) {
  const TColor kFairyGlow = Hex(0xfff4a0);
  const TColor kWingEdge{0.5, 0.7, 0.9};
  const TColor kFairyDress = Hex(0xff9ccc);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    int f = p % s.Columns;
    bool right = p >= s.Columns;
    double open = 0.3 + 0.7 * std::fabs(std::cos(f * M_PI / s.Columns));
    double cx = w / 2, cy = h / 2;
    if (right) {
      cairo_translate(cr, w, 0);
      cairo_scale(cr, -1, 1);
    }
    RadialGlow(cr, cx, cy, w * 0.45, WithAlpha(kFairyGlow, 0.6));
    for (int side = -1; side <= 1; side += 2) {
      cairo_save(cr);
      cairo_translate(cr, cx + 2, cy - 4);
      cairo_scale(cr, side * open, 1);
      Ellipse(cr, 9, -6, 10, 7);
      SetColor(cr, WithAlpha(kAirBlue, 0.8));
      cairo_fill_preserve(cr);
      SetColor(cr, WithAlpha(kWingEdge, 0.9));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      cairo_restore(cr);
    }
    Ellipse(cr, cx, cy + 5, 4, 8);
    FillGlossy(cr, cx - 4, cy - 3, cx + 4, cy + 13, kFairyDress, 1);
    cairo_arc(cr, cx - 1, cy - 6, 4.5, 0, 2 * M_PI);
    FillGlossy(cr, cx - 6, cy - 11, cx + 4, cy - 1, kSkin, 1);
  });
}

// Background walkers: a friendly round ogre and a toy soldier.
void PaintWalker(TCanvas& c, const TAssetSpec& s, TWalker walker) {
  const TColor kOgre = Hex(0x7ab84a);
  const TColor kOgreHead = Hex(0x8ac85a);
  const TColor kOgreLegs = Hex(0x6a4a2a);
  const TColor kOgreEyes{0.1, 0.1, 0.1};
  const TColor kSoldierCoat = Hex(0xd9404a);
  const TColor kSoldierLegs = Hex(0x2a3a6a);
  const TColor kSoldierHat = Hex(0x2a2a3a);
  const TColor kMusket{0.5, 0.35, 0.2};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    double swing = std::sin(p * 2 * M_PI / s.Columns) * 7;
    double cx = w / 2;
    bool ogre = walker == TWalker::Ogre;
    TColor legs = ogre ? kOgreLegs : kSoldierLegs;
    for (int side = -1; side <= 1; side += 2) {
      RoundedRect(cr, cx - 5 + side * 6 + side * swing * 0.5, h - 24, 10, 22, 4);
      FillGlossy(cr, cx - 14, h - 24, cx + 14, h - 2, legs, 1.5);
    }
    if (ogre) {
      Ellipse(cr, cx, h - 34, 20, 18);
      FillGlossy(cr, cx - 20, h - 52, cx + 20, h - 16, kOgre, 2);
      cairo_arc(cr, cx, h - 56, 12, 0, 2 * M_PI);
      FillGlossy(cr, cx - 12, h - 68, cx + 12, h - 44, kOgreHead, 2);
      cairo_arc(cr, cx - 4, h - 58, 2, 0, 2 * M_PI);
      cairo_arc(cr, cx + 4, h - 58, 2, 0, 2 * M_PI);
      SetColor(cr, kOgreEyes);
      cairo_fill(cr);
    } else {
      RoundedRect(cr, cx - 12, h - 50, 24, 28, 6);
      FillGlossy(cr, cx - 12, h - 50, cx + 12, h - 22, kSoldierCoat, 2);
      cairo_arc(cr, cx, h - 56, 8, 0, 2 * M_PI);
      FillGlossy(cr, cx - 8, h - 64, cx + 8, h - 48, kSkin, 1.5);
      RoundedRect(cr, cx - 8, h - 70 - 8, 16, 14, 4);
      FillGlossy(cr, cx - 8, h - 78, cx + 8, h - 64, kSoldierHat, 1.5);
      cairo_move_to(cr, cx + 14, h - 48);
      cairo_line_to(cr, cx + 14, h - 76);
      SetColor(cr, kMusket);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
    }
  });
}

// Stand-in: a soft labelled badge per pattern, so the picture is loadable and
// recognisable until it is drawn properly.
// Old-film scratches, one long line per pattern: a pale one and a darker, broken one.
void PaintMovieScratches(TCanvas& c, const TAssetSpec& s) {
  const TColor kScratchLight = Hex(0xfff6e0);
  const TColor kScratchDark = Hex(0x2a1a0c);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TNoise n(900 + p);
    double x = w / 2;
    const double piece = 12;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double y = 0; y < h; y += piece) {
      double nx = std::clamp(x + n.Range(-0.6, 0.6), 2.0, w - 2);
      if (p == 1 && n.Unit() < 0.12) {  // the emulsion is torn only here and there
        x = nx;
        continue;
      }
      if (p == 0) {
        SetColor(cr, WithAlpha(kScratchLight, 0.25));
        cairo_set_line_width(cr, 4);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, nx, y + piece);
        cairo_stroke(cr);
      }
      SetColor(cr, WithAlpha(p == 0 ? kScratchLight : kScratchDark, n.Range(0.5, 0.95)));
      cairo_set_line_width(cr, p == 0 ? n.Range(1.2, 2.0) : n.Range(0.8, 1.4));
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, nx, y + piece);
      cairo_stroke(cr);
      x = nx;
    }
  });
}

// The old-film mask, drawn at twice its size over the screen: a warm dark vignette with
// specks of dust and a few hairs, clear in the middle.
void PaintMovieMask(TCanvas& c, const TAssetSpec& s) {
  const TColor kVignette = Hex(0x4a3018);
  const TColor kSpeck = Hex(0xfff0d0);
  const TColor kHair = Hex(0xe8dcc0);
  cairo_t* cr = c.Cr();
  double w = s.TileWidth, h = s.TileHeight;
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_scale(cr, w / h, 1);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, h * 0.25, 0, 0, h * 0.72);
  AddStop(g, 0, WithAlpha(kVignette, 0));
  AddStop(g, 0.5, WithAlpha(kVignette, 0.4));
  AddStop(g, 1, WithAlpha(kVignette, 0.95));
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  TNoise n(HashName(s.Name));
  for (int i = 0; i < 90; ++i) {
    double r = n.Range(0.4, 1.4);
    SetColor(cr, WithAlpha(kSpeck, n.Range(0.3, 0.8)));
    cairo_arc(cr, n.Range(0, w), n.Range(0, h), r, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_set_line_width(cr, 0.6);
  for (int i = 0; i < 4; ++i) {
    double x = n.Range(w * 0.05, w * 0.95), y = n.Range(h * 0.05, h * 0.95);
    SetColor(cr, WithAlpha(kHair, 0.6));
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + n.Range(-12, 12), y + n.Range(4, 10), x + n.Range(-14, 14),
                   y + n.Range(10, 18), x + n.Range(-10, 10), y + n.Range(16, 26));
    cairo_stroke(cr);
  }
}

// Puffs of stove smoke: soft grey clouds of a few overlapping rounds, lighter on top.
void PaintStoveSmoke(TCanvas& c, const TAssetSpec& s) {
  const TColor kSmoke = Hex(0xd8d4d0);
  const TColor kSmokeLight = Hex(0xf4f2ee);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TNoise n(300 + p);
    int rounds = 4 + p;
    for (int i = 0; i < rounds; ++i) {
      double bx = w / 2 + n.Range(-w * 0.18, w * 0.18), by = h / 2 + n.Range(-h * 0.16, h * 0.16);
      double br = std::min(w, h) * n.Range(0.2, 0.3);
      RadialGlow(cr, bx, by, br, WithAlpha(by < h / 2 ? kSmokeLight : kSmoke, 0.6));
    }
  });
}

void PaintPlaceholder(TCanvas& c, const TAssetSpec& s) {
  const TColor kStandIn = Hex(0xc9a36b);
  TNoise n(HashName(s.Name));
  TColor base = Mix(kStandIn, Hex(static_cast<std::uint32_t>(n.Next() & 0xffffff)), 0.35);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, std::min(w, h) * 0.2);
    FillGlossy(cr, 0, 0, w, h, Mix(base, kWhite, 0.08 * (p % 4)), 1.5);
    TTextStyle st;
    st.Size = std::max(7.0, std::min(h * 0.35, w * 0.22));
    st.OutlineWidth = 1.5;
    DrawText(cr, std::to_string(p), w / 2, h / 2, st);
  });
}

}  // namespace assetgen
