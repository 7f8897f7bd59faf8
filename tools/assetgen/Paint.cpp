#include "Paint.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace assetgen {

TColor Mix(const TColor& a, const TColor& b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t,
          a.A + (b.A - a.A) * t};
}
TColor Lighter(const TColor& c, double t) { return Mix(c, WithAlpha(kWhite, c.A), t); }
TColor Darker(const TColor& c, double t) { return Mix(c, WithAlpha(kBlack, c.A), t); }

std::uint32_t HashName(const std::string& s) {
  std::uint32_t h = 2166136261u;
  for (unsigned char ch : s) h = (h ^ ch) * 16777619u;
  return h;
}

TCanvas::TCanvas(int width, int height) : W(width), H(height) {
  SurfacePtr = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
  CrPtr = cairo_create(SurfacePtr);
  cairo_set_antialias(CrPtr, CAIRO_ANTIALIAS_GOOD);
}

TCanvas::~TCanvas() {
  cairo_destroy(CrPtr);
  cairo_surface_destroy(SurfacePtr);
}

TPicture TCanvas::ToPicture() const {
  cairo_surface_flush(SurfacePtr);
  TPicture p;
  p.Resize(W, H);
  const unsigned char* data = cairo_image_surface_get_data(SurfacePtr);
  int stride = cairo_image_surface_get_stride(SurfacePtr);
  for (int y = 0; y < H; ++y) {
    const std::uint32_t* src = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    std::uint8_t* dst = p.Row(y);
    for (int x = 0; x < W; ++x) {
      std::uint32_t v = src[x];
      unsigned a = v >> 24;
      if (a == 0) {
        dst[0] = dst[1] = dst[2] = dst[3] = 0;
      } else {
        unsigned r = (v >> 16) & 255, g = (v >> 8) & 255, b = v & 255;
        dst[0] = static_cast<std::uint8_t>(std::min(255u, (r * 255 + a / 2) / a));
        dst[1] = static_cast<std::uint8_t>(std::min(255u, (g * 255 + a / 2) / a));
        dst[2] = static_cast<std::uint8_t>(std::min(255u, (b * 255 + a / 2) / a));
        dst[3] = static_cast<std::uint8_t>(a);
      }
      dst += 4;
    }
  }
  return p;
}

void SetColor(cairo_t* cr, const TColor& c) { cairo_set_source_rgba(cr, c.R, c.G, c.B, c.A); }

void FillWith(cairo_t* cr, const TColor& c) {
  SetColor(cr, c);
  cairo_fill(cr);
}

void StrokeRound(cairo_t* cr, const TColor& c, double width) {
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void StrokeOutlined(cairo_t* cr, const TColor& c, double width, double edge, double darken) {
  cairo_path_t* path = cairo_copy_path(cr);
  StrokeRound(cr, Darker(c, darken), width + edge);
  cairo_append_path(cr, path);
  StrokeRound(cr, c, width);
  cairo_path_destroy(path);
}

void FillDot(cairo_t* cr, double x, double y, double r, const TColor& c) {
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  FillWith(cr, c);
}

void AddStop(cairo_pattern_t* gradient, double offset, const TColor& c) {
  cairo_pattern_add_color_stop_rgba(gradient, offset, c.R, c.G, c.B, c.A);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double rotationDeg) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    double a = (rotationDeg + i * 180.0 / points) * M_PI / 180.0;
    double r = (i % 2 == 0) ? outer : inner;
    double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r;
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, const TColor& top, const TColor& bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  AddStop(p, 0, top);
  AddStop(p, 1, bottom);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void RadialGlow(cairo_t* cr, double cx, double cy, double radius, const TColor& c) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  AddStop(p, 0, c);
  AddStop(p, 0.45, WithAlpha(c, c.A * 0.45));
  AddStop(p, 1, WithAlpha(c, 0));
  cairo_set_source(cr, p);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void PathShadow(cairo_t* cr, double dx, double dy, double alpha) {
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_translate(cr, dx, dy);
  cairo_append_path(cr, path);
  SetColor(cr, WithAlpha(kSoot, alpha));
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_path_destroy(path);
}

void FillGlossy(cairo_t* cr, double x0, double y0, double x1, double y1, const TColor& base,
                double outline, bool keepPath) {
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1 * 0.3 + x0 * 0.7, y1);
  TColor top = Lighter(base, 0.35), bottom = Darker(base, 0.22);
  AddStop(p, 0, WithAlpha(top, base.A));
  AddStop(p, 0.55, base);
  AddStop(p, 1, WithAlpha(bottom, base.A));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  // Gloss: a soft white ellipse in the upper part, clipped to the shape.
  cairo_save(cr);
  cairo_clip_preserve(cr);
  double w = x1 - x0, h = y1 - y0;
  cairo_new_path(cr);
  Ellipse(cr, x0 + w * 0.42, y0 + h * 0.24, w * 0.36, h * 0.2);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y0 + h * 0.45);
  AddStop(g, 0, WithAlpha(kWhite, 0.55 * base.A));
  AddStop(g, 1, WithAlpha(kWhite, 0));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  if (outline > 0) {
    TColor o = Darker(base, 0.6);
    o.A = base.A;
    SetColor(cr, o);
    cairo_set_line_width(cr, outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  if (!keepPath) cairo_new_path(cr);
  cairo_path_destroy(path);
}

// ---- Text -----------------------------------------------------------------

namespace {
bool FileExists(const std::string& p) {
  struct stat st;
  return stat(p.c_str(), &st) == 0;
}

std::string FindFont(bool bold) {
  const char* boldList[] = {"/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
                            "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};
  const char* regularList[] = {"/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
                               "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"};
  for (const char* p : bold ? boldList : regularList)
    if (FileExists(p)) return p;
  return {};
}

struct TThreadFonts {
  FT_Library Library = nullptr;
  FT_Face Faces[2] = {nullptr, nullptr};
  cairo_font_face_t* CairoFaces[2] = {nullptr, nullptr};
  cairo_font_options_t* Options = nullptr;
  TThreadFonts() {
    FT_Init_FreeType(&Library);
    Options = cairo_font_options_create();
    cairo_font_options_set_antialias(Options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(Options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(Options, CAIRO_HINT_METRICS_OFF);
  }
  ~TThreadFonts() {
    for (int i = 0; i < 2; ++i)
      if (CairoFaces[i]) cairo_font_face_destroy(CairoFaces[i]);
    cairo_font_options_destroy(Options);
    // The FT faces belong to cairo's font faces' lifetime; the library is left to process exit.
  }
  cairo_font_face_t* Face(bool bold) {
    int i = bold ? 1 : 0;
    if (!CairoFaces[i]) {
      std::string path = FindFont(bold);
      if (path.empty() || FT_New_Face(Library, path.c_str(), 0, &Faces[i]) != 0) {
        std::fprintf(stderr, "assetgen: no usable font file found\n");
        std::exit(2);
      }
      CairoFaces[i] = cairo_ft_font_face_create_for_ft_face(Faces[i], 0);
    }
    return CairoFaces[i];
  }
};
thread_local TThreadFonts Fonts;
}  // namespace

std::string DisplayFontPath(bool bold) { return FindFont(bold); }

void UseDisplayFont(cairo_t* cr, double size, bool bold) {
  cairo_set_font_face(cr, Fonts.Face(bold));
  cairo_set_font_options(cr, Fonts.Options);
  cairo_set_font_size(cr, size);
}

double TextWidth(cairo_t* cr, const std::string& text, double size, bool bold) {
  cairo_save(cr);
  UseDisplayFont(cr, size, bold);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  cairo_restore(cr);
  return ext.x_advance;
}

void DrawText(cairo_t* cr, const std::string& text, double cx, double cy,
              const TTextStyle& style) {
  cairo_save(cr);
  UseDisplayFont(cr, style.Size, style.Bold);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  cairo_font_extents_t fe;
  cairo_font_extents(cr, &fe);
  double capHeight = style.Size * 0.72;
  double x = cx - ext.x_advance / 2;
  double y = cy + capHeight / 2;
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text.c_str());
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (style.Shadow) {
    cairo_save(cr);
    cairo_translate(cr, 1, 2);
    SetColor(cr, WithAlpha(kDeepShadow, 0.45 * style.Fill.A));
    cairo_set_line_width(cr, style.OutlineWidth * 2);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
  }
  if (style.OutlineWidth > 0) {
    SetColor(cr, style.Outline);
    cairo_set_line_width(cr, style.OutlineWidth * 2);
    cairo_stroke_preserve(cr);
  }
  SetColor(cr, style.Fill);
  cairo_fill(cr);
  cairo_restore(cr);
}

// ---- Decorative pieces ----------------------------------------------------------

void ParchmentPanel(cairo_t* cr, double x, double y, double w, double h, double radius,
                    std::uint32_t seed) {
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, radius);
  PathShadow(cr, 3, 5, 0.35);
  cairo_pattern_t* p = cairo_pattern_create_radial(x + w * 0.45, y + h * 0.4, 10, x + w / 2,
                                                   y + h / 2, std::max(w, h) * 0.75);
  AddStop(p, 0, kParchmentLight);
  AddStop(p, 0.7, kParchment);
  AddStop(p, 1, kParchmentEdge);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  // Paper fibres.
  cairo_save(cr);
  cairo_clip(cr);
  TNoise n(seed);
  int count = static_cast<int>(w * h / 220);
  for (int i = 0; i < count; ++i) {
    double px = x + n.Unit() * w, py = y + n.Unit() * h;
    SetColor(cr, WithAlpha(kParchmentFibre, 0.05 + 0.05 * n.Unit()));
    cairo_arc(cr, px, py, 0.6 + n.Unit() * 1.6, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  RoundedRect(cr, x, y, w, h, radius);
  SetColor(cr, kParchmentRim);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  RoundedRect(cr, x + 6, y + 6, w - 12, h - 12, std::max(2.0, radius - 5));
  SetColor(cr, WithAlpha(kParchmentStitch, 0.55));
  cairo_set_line_width(cr, 1.5);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void WoodFrame(cairo_t* cr, double x, double y, double w, double h, double radius,
               double border) {
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, radius);
  PathShadow(cr, 3, 5, 0.35);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStop(p, 0, kFrameLight);
  AddStop(p, 0.5, kFrameMiddle);
  AddStop(p, 1, kFrameDark);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, kDarkWood);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  RoundedRect(cr, x + border, y + border, w - 2 * border, h - 2 * border,
              std::max(2.0, radius - border));
  SetColor(cr, WithAlpha(kFrameGleam, 0.55));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Sparkle(cairo_t* cr, double cx, double cy, double r, const TColor& c) {
  cairo_save(cr);
  RadialGlow(cr, cx, cy, r * 0.9, WithAlpha(c, c.A * 0.6));
  StarPath(cr, cx, cy, r, r * 0.18, 4, -90);
  SetColor(cr, c);
  cairo_fill(cr);
  RadialGlow(cr, cx, cy, r * 0.3, WithAlpha(kWhite, c.A));
  cairo_restore(cr);
}

void Cloud(cairo_t* cr, double cx, double cy, double s, double alpha) {
  cairo_save(cr);
  const double blobs[][3] = {{-60, 8, 30}, {-25, -10, 38}, {18, -18, 44}, {58, 2, 32}, {0, 12, 36}};
  cairo_new_path(cr);
  for (auto& b : blobs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + b[0] * s, cy + b[1] * s, b[2] * s, 0, 2 * M_PI);
  }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  const TColor belly{0.86, 0.9, 0.98};
  VerticalGradient(cr, cy - 60 * s, cy + 45 * s, WithAlpha(kWhite, alpha), WithAlpha(belly, alpha));
  cairo_fill(cr);
  cairo_restore(cr);
}

void SkyAndHills(cairo_t* cr, int w, int h, const TColor& skyTop, const TColor& skyBottom,
                 const TColor& hillNear, const TColor& hillFar, std::uint32_t seed) {
  TNoise n(seed);
  VerticalGradient(cr, 0, h * 0.75, skyTop, skyBottom);
  cairo_paint(cr);
  RadialGlow(cr, w * 0.78, h * 0.18, h * 0.45, WithAlpha(kSunlight, 0.55));
  for (int i = 0; i < 5; ++i)
    Cloud(cr, n.Range(0, w), n.Range(h * 0.06, h * 0.3), n.Range(0.7, 1.3), 0.85);
  auto hill = [&](double baseY, double amp, const TColor& c, double phase) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, h);
    for (int x = 0; x <= w; x += 8) {
      double y = baseY + amp * std::sin(x * 0.004 + phase) + amp * 0.4 * std::sin(x * 0.011 + phase * 2);
      cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    VerticalGradient(cr, baseY - amp, h, Lighter(c, 0.12), Darker(c, 0.25));
    cairo_fill(cr);
  };
  hill(h * 0.58, h * 0.06, hillFar, n.Range(0, 6));
  hill(h * 0.72, h * 0.05, hillNear, n.Range(0, 6));
}

}  // namespace assetgen
