#pragma once
// How well text stands off what lies under it, measured on the generated pictures as the
// game composes them: WCAG relative luminance and contrast ratio, over screens put together
// from the pictures with the game's blending.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "AssetgenTestSupport.h"
#include "FontTables.h"
#include "Generator.h"

namespace assetgen_test {

inline double Linear(double c) {
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
inline double Contrast(double a, double b) {
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

struct TRgb {
  double R = 0, G = 0, B = 0;
  double Luminance() const { return 0.2126 * Linear(R) + 0.7152 * Linear(G) + 0.0722 * Linear(B); }
  TRgb Plus(const TRgb& light) const {
    return {std::min(1.0, R + light.R), std::min(1.0, G + light.G), std::min(1.0, B + light.B)};
  }
  TRgb Mixed(const TRgb& over, double a) const {
    return {over.R * a + R * (1 - a), over.G * a + G * (1 - a), over.B * a + B * (1 - a)};
  }
};

inline TRgb At(const TPicture& p, int x, int y) {
  const std::uint8_t* px = p.Row(y) + x * 4;
  return {px[0] / 255.0, px[1] / 255.0, px[2] / 255.0};
}
inline double AlphaAt(const TPicture& p, int x, int y) { return p.Row(y)[x * 4 + 3] / 255.0; }

// A generated picture by name, drawn once per test run.
inline const TPicture& Picture(const std::string& name) {
  static const std::vector<assetgen::TAssetSpec> manifest = assetgen::BuildManifest();
  static std::map<std::string, TPicture> drawn;
  auto it = drawn.find(name);
  if (it == drawn.end()) {
    const assetgen::TAssetSpec* s = Find(manifest, name);
    it = drawn.emplace(name, s ? assetgen::RenderPicture(*s) : TPicture{}).first;
  }
  return it->second;
}

// A piece of screen, opaque, that pictures are drawn onto as the game draws them.
struct TScreen {
  int W = 0, H = 0;
  std::vector<TRgb> Px;
  TScreen(int w, int h, TRgb fill = {1, 1, 1}) : W(w), H(h), Px(std::size_t(w) * h, fill) {}
  TRgb& at(int x, int y) { return Px[std::size_t(y) * W + x]; }
  const TRgb& at(int x, int y) const { return Px[std::size_t(y) * W + x]; }
  // Pattern `pattern` of a picture cut into tiles of w x h (0: the whole picture), its corner
  // at (x, y), with the alpha it is drawn with; `tint` multiplies its colour, as the game's
  // colour does.
  void Draw(const TPicture& p, int x, int y, double alpha = 1, int pattern = 0, int w = 0,
            int h = 0, TRgb tint = {1, 1, 1}) {
    if (w == 0) w = p.Width, h = p.Height;
    const int ox = (pattern % (p.Width / w)) * w, oy = (pattern / (p.Width / w)) * h;
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i) {
        if (x + i < 0 || y + j < 0 || x + i >= W || y + j >= H) continue;
        TRgb c = At(p, ox + i, oy + j);
        c = {c.R * tint.R, c.G * tint.G, c.B * tint.B};
        TRgb& d = at(x + i, y + j);
        d = d.Mixed(c, AlphaAt(p, ox + i, oy + j) * alpha);
      }
  }
  // The light an additive picture adds at its brightest, turned about its middle as a shine
  // turns: at each distance from the middle, the most any angle gives.
  void AddTurningLight(const TPicture& p, double cx, double cy, double scale, double alpha) {
    const double mx = p.Width / 2.0, my = p.Height / 2.0;
    const int rings = static_cast<int>(std::ceil(std::hypot(mx, my))) + 1;
    std::vector<TRgb> most(rings);
    for (int j = 0; j < p.Height; ++j)
      for (int i = 0; i < p.Width; ++i) {
        const int r = static_cast<int>(std::hypot(i + 0.5 - mx, j + 0.5 - my));
        const double a = AlphaAt(p, i, j);
        const TRgb c = At(p, i, j);
        TRgb& m = most[r];
        m = {std::max(m.R, c.R * a), std::max(m.G, c.G * a), std::max(m.B, c.B * a)};
      }
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        const int r = static_cast<int>(std::hypot(x + 0.5 - cx, y + 0.5 - cy) / scale);
        if (r >= rings) continue;
        at(x, y) = at(x, y).Plus({most[r].R * alpha, most[r].G * alpha, most[r].B * alpha});
      }
  }
  TRgb Lightest(int x0, int y0, int x1, int y1) const {
    TRgb best{0, 0, 0};
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (at(x, y).Luminance() > best.Luminance()) best = at(x, y);
    return best;
  }
  TRgb Darkest(int x0, int y0, int x1, int y1) const {
    TRgb best{1, 1, 1};
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (at(x, y).Luminance() < best.Luminance()) best = at(x, y);
    return best;
  }
};

// Light text with a dark outline reads when the outline stands off both the letters' body and
// the ground, at the pixels two out from the body (past its soft edge; still one on screen at
// the half size the game draws its smallest text at). `body` marks the body's pixels of a
// text; `with` is the screen with the text, `without` the same screen without it. Returns the
// lowest ratio found, against the faintest body pixel. Small words measured at the size they
// are drawn may `spare` the weakest share of their ring: the soft ends of thin strokes.
template <typename Body>
double WeakestOutline(const TScreen& with, const TScreen& without, Body body, double spare = 0) {
  double faintestBody = 1;
  for (int y = 0; y < with.H; ++y)
    for (int x = 0; x < with.W; ++x)
      if (body(x, y)) faintestBody = std::min(faintestBody, with.at(x, y).Luminance());
  auto near = [&](int x, int y, int d) {
    for (int dy = -d; dy <= d; ++dy)
      for (int dx = -d; dx <= d; ++dx)
        if (body(x + dx, y + dy)) return true;
    return false;
  };
  std::vector<double> ring;
  for (int y = 0; y < with.H; ++y)
    for (int x = 0; x < with.W; ++x) {
      if (near(x, y, 1) || !near(x, y, 2)) continue;
      const double l = with.at(x, y).Luminance();
      ring.push_back(
          std::min(Contrast(l, without.at(x, y).Luminance()), Contrast(l, faintestBody)));
    }
  if (ring.empty()) return 0;
  std::sort(ring.begin(), ring.end());
  return ring[static_cast<std::size_t>(spare * ring.size())];
}

// Every glyph of a font drawn alone onto `ground` (one colour) in the game's colour and alpha,
// with `light` added over it afterwards (a shine drawn over the text): the weakest outline.
inline double WeakestGlyphOutline(const std::string& image, const assetgen::TFontLayout& L,
                                  const std::string& order, const TRgb& ground,
                                  TRgb tint = {1, 1, 1}, double alpha = 1, TRgb light = {0, 0, 0}) {
  const TPicture& sheet = Picture(image);
  double weakest = 1e9;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] == ' ') continue;
    TScreen without(L.CellWidth, L.CellHeight, ground.Plus(light)), with(without);
    with.Px.assign(with.Px.size(), ground);
    with.Draw(sheet, 0, 0, alpha, static_cast<int>(i), L.CellWidth, L.CellHeight, tint);
    for (TRgb& c : with.Px) c = c.Plus(light);
    const int ox = (static_cast<int>(i) % L.Columns) * L.CellWidth;
    const int oy = (static_cast<int>(i) / L.Columns) * L.CellHeight;
    auto body = [&](int x, int y) {
      if (x < 0 || y < 0 || x >= L.CellWidth || y >= L.CellHeight) return false;
      return AlphaAt(sheet, ox + x, oy + y) >= 250 / 255.0 &&
             At(sheet, ox + x, oy + y).Luminance() >= 0.6;
    };
    weakest = std::min(weakest, WeakestOutline(with, without, body));
  }
  return weakest;
}

// The same for the game's normal font, the one every line of text but the comments uses.
inline double WeakestFontOutline(const TRgb& ground, TRgb tint = {1, 1, 1}, double alpha = 1,
                                 TRgb light = {0, 0, 0}) {
  return WeakestGlyphOutline("GlobalFontWhite", assetgen::NormalFontLayout(),
                             assetgen::NormalGlyphOrder(), ground, tint, alpha, light);
}

// Dark text reads by its own colour: the faintest body pixel of every glyph in the game's
// colour and alpha against the ground.
inline double WeakestFontBody(const TRgb& ground, TRgb tint, double alpha) {
  const TPicture& sheet = Picture("GlobalFontWhite");
  double weakest = 1e9;
  for (int y = 0; y < sheet.Height; ++y)
    for (int x = 0; x < sheet.Width; ++x) {
      if (AlphaAt(sheet, x, y) < 250 / 255.0 || At(sheet, x, y).Luminance() < 0.6) continue;
      TRgb c = At(sheet, x, y);
      c = ground.Mixed({c.R * tint.R, c.G * tint.G, c.B * tint.B}, alpha);
      weakest = std::min(weakest, Contrast(c.Luminance(), ground.Luminance()));
    }
  return weakest;
}

}  // namespace assetgen_test
