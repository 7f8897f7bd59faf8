#pragma once
// Drawing helpers shared by every painter: a cairo canvas that turns into a
// straight-alpha TPicture, colour mixing, soft shapes and outlined text.
#include <cairo.h>

#include <cstdint>
#include <string>

#include "Palette.h"
#include "engine/TPicture.h"

namespace assetgen {

TColor Mix(const TColor& a, const TColor& b, double t);
TColor Lighter(const TColor& c, double t);  // toward white
TColor Darker(const TColor& c, double t);   // toward black

class TCanvas {
 public:
  TCanvas(int width, int height);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  cairo_t* Cr() const { return CrPtr; }
  cairo_surface_t* Surface() const { return SurfacePtr; }
  int Width() const { return W; }
  int Height() const { return H; }
  // Premultiplied ARGB32 to straight RGBA; fully transparent pixels become 0,0,0,0.
  TPicture ToPicture() const;

 private:
  int W, H;
  cairo_surface_t* SurfacePtr;
  cairo_t* CrPtr;
};

// Small deterministic generator for texture noise (never the clock).
class TNoise {
 public:
  explicit TNoise(std::uint32_t seed) : Seed(seed ? seed : 1u) {}
  std::uint32_t Next() {
    Seed = Seed * 134775813u + 1u;
    return Seed;
  }
  double Unit() { return (Next() >> 8) / 16777216.0; }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  int Int(int n) { return static_cast<int>(Unit() * n); }

 private:
  std::uint32_t Seed;
};
std::uint32_t HashName(const std::string& s);

void SetColor(cairo_t* cr, const TColor& c);
// Fills or strokes the current path in one colour; the stroke with round caps and joins.
void FillWith(cairo_t* cr, const TColor& c);
void StrokeRound(cairo_t* cr, const TColor& c, double width);
// A limb or strap along the current path: a darker edge `edge` wider, then the colour.
void StrokeOutlined(cairo_t* cr, const TColor& c, double width, double edge, double darken);
void FillDot(cairo_t* cr, double x, double y, double r, const TColor& c);
void AddStop(cairo_pattern_t* gradient, double offset, const TColor& c);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double rotationDeg = -90);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// Vertical two-colour gradient as the current source.
void VerticalGradient(cairo_t* cr, double y0, double y1, const TColor& top, const TColor& bottom);
void RadialGlow(cairo_t* cr, double cx, double cy, double radius, const TColor& c);
// Fills the current path with a vertical gradient, adds a gloss highlight and a clean outline.
void FillGlossy(cairo_t* cr, double x0, double y0, double x1, double y1, const TColor& base,
                double outline = 2.0, bool keepPath = false);
// Soft drop shadow of the current path (drawn first, path kept).
void PathShadow(cairo_t* cr, double dx, double dy, double alpha);

// Text in the game's display face (a rounded free font from the system's packages).
struct TTextStyle {
  double Size = 24;
  TColor Fill = kWhite;
  TColor Outline = kTextOutline;
  double OutlineWidth = 3;
  bool Shadow = true;
  bool Bold = true;
};
// Width of the ink box and the logical advance of a text at a size.
double TextWidth(cairo_t* cr, const std::string& text, double size, bool bold = true);
// Draws text centred on (cx, cy) (the middle of its capital height).
void DrawText(cairo_t* cr, const std::string& text, double cx, double cy, const TTextStyle& style);
// Sets the display face on the context (thread-local FreeType face).
void UseDisplayFont(cairo_t* cr, double size, bool bold = true);
// Path of the font file in use (for the report and the documentation).
std::string DisplayFontPath(bool bold);

// Shared decorative pieces of the storybook style.
void ParchmentPanel(cairo_t* cr, double x, double y, double w, double h, double radius,
                    std::uint32_t seed);
void WoodFrame(cairo_t* cr, double x, double y, double w, double h, double radius, double border);
void Sparkle(cairo_t* cr, double cx, double cy, double r, const TColor& c);
void SkyAndHills(cairo_t* cr, int w, int h, const TColor& skyTop, const TColor& skyBottom,
                 const TColor& hillNear, const TColor& hillFar, std::uint32_t seed);
void Cloud(cairo_t* cr, double cx, double cy, double scale, double alpha);

}  // namespace assetgen
