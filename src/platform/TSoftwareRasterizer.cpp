#include "platform/TSoftwareRasterizer.h"

#include "platform/TPixelRows.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
// The sprite screen's white is 254 (its colour rule truncates), so 254 means "unchanged":
// a channel becomes a factor out of 256.
inline std::uint32_t Factor(std::uint8_t c) {
  return std::min<std::uint32_t>(256, (static_cast<std::uint32_t>(c) * 256 + 127) / 254);
}

using TFactors = TPixelRows::TFactors;

// The colour factors already multiplied by the alpha factor, so a premultiplied texel stays
// premultiplied.
inline TFactors FactorsOf(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  TFactors f;
  f.A = static_cast<std::uint16_t>(Factor(a));
  f.R = static_cast<std::uint16_t>(Factor(r) * f.A >> 8);
  f.G = static_cast<std::uint16_t>(Factor(g) * f.A >> 8);
  f.B = static_cast<std::uint16_t>(Factor(b) * f.A >> 8);
  return f;
}

// Mixes two premultiplied pixels, f out of 256 towards b.
inline std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t f) {
  const std::uint32_t nf = 256 - f;
  const std::uint32_t rb = (((a & 0xFF00FF) * nf + (b & 0xFF00FF) * f) >> 8) & 0xFF00FF;
  const std::uint32_t ag = ((((a >> 8) & 0xFF00FF) * nf + ((b >> 8) & 0xFF00FF) * f)) & 0xFF00FF00;
  return rb | ag;
}

inline int Clamp(std::int64_t v, int hi) {
  return v < 0 ? 0 : v > hi ? hi : static_cast<int>(v);
}

// Coordinates far outside the frame are cut to a range ints and doubles handle exactly.
inline double Limit(double v) { return std::clamp(v, -1.0e6, 1.0e6); }
}  // namespace

TPixelRect TPixelRect::Intersect(const TPixelRect& o) const {
  return {std::max(X0, o.X0), std::max(Y0, o.Y0), std::min(X1, o.X1), std::min(Y1, o.Y1)};
}

struct TSoftwareRasterizer::TPlane {
  double Base = 0, Dx = 0, Dy = 0;  // value at pixel (0, 0)'s centre, and its steps
  void Solve(double ax, double ay, double bx, double by, double cx, double cy, double fa,
             double fb, double fc) {
    const double e1x = bx - ax, e1y = by - ay, e2x = cx - ax, e2y = cy - ay;
    const double det = e1x * e2y - e2x * e1y;
    Dx = ((fb - fa) * e2y - (fc - fa) * e1y) / det;
    Dy = ((fc - fa) * e1x - (fb - fa) * e2x) / det;
    Base = fa + Dx * (0.5 - ax) + Dy * (0.5 - ay);
  }
  // Held within ±2^40 so that no step across the frame can overflow, whatever the input.
  static std::int64_t Fixed(double v) {
    return std::llround(std::clamp(v * 65536.0, -1099511627776.0, 1099511627776.0));
  }
  std::int64_t Row(int y) const { return Fixed(Base + Dy * y); }
  std::int64_t Step() const { return Fixed(Dx); }
};

void TSoftwareRasterizer::MakeTexture(const std::uint8_t* rgba, int width, int height,
                                      TSoftTexture& out) {
  out.Width = width;
  out.Height = height;
  out.Pixels.resize(static_cast<std::size_t>(width) * height);
  bool opaque = true;
  for (std::size_t i = 0; i < out.Pixels.size(); ++i) {
    const std::uint8_t* p = rgba + i * 4;
    const std::uint32_t a = p[3];
    opaque = opaque && a == 255;
    auto pre = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    out.Pixels[i] = (a << 24) | (pre(p[0]) << 16) | (pre(p[1]) << 8) | pre(p[2]);
  }
  out.Opaque = opaque;
  out.Rows.assign(static_cast<std::size_t>(height), {width, -1});
  constexpr int kBlock = TSoftTexture::BlockSize;
  out.BlockColumns = (width + kBlock - 1) / kBlock;
  out.Blocks.assign(std::size_t(out.BlockColumns) * ((height + kBlock - 1) / kBlock), 0);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = out.Pixels.data() + std::size_t(y) * width;
    TSoftTexture::TRowSpan& span = out.Rows[y];
    std::uint8_t* blocks = out.Blocks.data() + std::size_t(y / kBlock) * out.BlockColumns;
    for (int x = 0; x < width; ++x)
      if (row[x]) {
        span.First = std::min(span.First, x);
        span.Last = x;
        blocks[x / kBlock] = 1;
      }
  }
  out.AnyClearBlock = std::find(out.Blocks.begin(), out.Blocks.end(), 0) != out.Blocks.end();
}

bool TSoftwareRasterizer::LeavesAlone(const TRenderVertex v[4], const TSoftTexture* t,
                                      TBlendMode blend, const TPixelRect& area) {
  if (!t || !t->AnyClearBlock || (blend != bmNormal && blend != bmAdditive) || area.Empty())
    return false;
  // One mapping only for a parallelogram; the two triangles of any other shape are left be.
  if (v[0].X + v[2].X != v[1].X + v[3].X || v[0].Y + v[2].Y != v[1].Y + v[3].Y) return false;
  const double det = (double(v[1].X) - v[0].X) * (double(v[3].Y) - v[0].Y) -
                     (double(v[3].X) - v[0].X) * (double(v[1].Y) - v[0].Y);
  if (!std::isfinite(det) || std::fabs(det) < 1e-6) return false;
  TPlane u, w;
  u.Solve(v[0].X, v[0].Y, v[1].X, v[1].Y, v[3].X, v[3].Y, double(v[0].U) * t->Width,
          double(v[1].U) * t->Width, double(v[3].U) * t->Width);
  w.Solve(v[0].X, v[0].Y, v[1].X, v[1].Y, v[3].X, v[3].Y, double(v[0].V) * t->Height,
          double(v[1].V) * t->Height, double(v[3].V) * t->Height);
  // The texels under the area's pixel centres, a pixel more all round; then the neighbours a
  // smooth sample reads, and clamped as sampling clamps.
  double u0 = 1e300, u1 = -1e300, w0 = 1e300, w1 = -1e300;
  for (int x : {area.X0 - 1, area.X1})
    for (int y : {area.Y0 - 1, area.Y1}) {
      const double uu = u.Base + u.Dx * x + u.Dy * y, ww = w.Base + w.Dx * x + w.Dy * y;
      u0 = std::min(u0, uu), u1 = std::max(u1, uu), w0 = std::min(w0, ww), w1 = std::max(w1, ww);
    }
  if (!std::isfinite(u0) || !std::isfinite(u1) || !std::isfinite(w0) || !std::isfinite(w1))
    return false;
  auto texel = [](double c, int hi) {
    return static_cast<int>(std::clamp(std::floor(std::clamp(c, -1e9, 1e9)), 0.0, double(hi)));
  };
  const int tu0 = texel(u0 - 1, t->Width - 1), tu1 = texel(u1 + 1, t->Width - 1);
  const int tv0 = texel(w0 - 1, t->Height - 1), tv1 = texel(w1 + 1, t->Height - 1);
  return t->ClearWithin(tu0, tv0, tu1, tv1);
}

TPixelRect TSoftwareRasterizer::Bounds(const TRenderVertex v[4], int width, int height) {
  double minX = v[0].X, maxX = v[0].X, minY = v[0].Y, maxY = v[0].Y;
  for (int i = 0; i < 4; ++i) {
    // A corner nowhere, or a texture place nowhere, draws nothing.
    if (!std::isfinite(v[i].X) || !std::isfinite(v[i].Y) || !std::isfinite(v[i].U) ||
        !std::isfinite(v[i].V))
      return {};
    minX = std::min<double>(minX, v[i].X);
    maxX = std::max<double>(maxX, v[i].X);
    minY = std::min<double>(minY, v[i].Y);
    maxY = std::max<double>(maxY, v[i].Y);
  }
  TPixelRect r{static_cast<int>(std::floor(Limit(minX))) - 1,
               static_cast<int>(std::floor(Limit(minY))) - 1,
               static_cast<int>(std::ceil(Limit(maxX))) + 1,
               static_cast<int>(std::ceil(Limit(maxY))) + 1};
  return r.Intersect({0, 0, width, height});
}

void TSoftwareRasterizer::Fill(const TPixelRect& clip, std::uint8_t r, std::uint8_t g,
                               std::uint8_t b) {
  const TPixelRect c = clip.Intersect({0, 0, Width, Height});
  if (c.Empty()) return;
  const std::uint32_t px = 0xFF000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
  for (int y = c.Y0; y < c.Y1; ++y) std::fill_n(Pixels + std::size_t(y) * Width + c.X0, c.X1 - c.X0, px);
}

void TSoftwareRasterizer::DrawQuad(const TRenderVertex v[4], const TSoftTexture* texture,
                                   TBlendMode blend, bool linear, const TPixelRect& clip) {
  const TPixelRect c = clip.Intersect(Bounds(v, Width, Height));
  if (c.Empty()) return;
  if (texture && texture->Pixels.empty()) return;
  if (texture && DrawCopy(v, *texture, blend, c)) return;
  // A turned or scaled rectangle is a parallelogram: one polygon, one mapping. Any other
  // shape is two triangles sharing the diagonal 0-2.
  const bool parallelogram = v[0].X + v[2].X == v[1].X + v[3].X &&
                             v[0].Y + v[2].Y == v[1].Y + v[3].Y;
  if (parallelogram) {
    const TRenderVertex* poly[4] = {&v[0], &v[1], &v[2], &v[3]};
    DrawPolygon(poly, 4, v[0], v[1], v[3], texture, blend, linear, c);
  } else {
    const TRenderVertex* first[3] = {&v[0], &v[1], &v[2]};
    const TRenderVertex* second[3] = {&v[0], &v[2], &v[3]};
    DrawPolygon(first, 3, v[0], v[1], v[2], texture, blend, linear, c);
    DrawPolygon(second, 3, v[0], v[2], v[3], texture, blend, linear, c);
  }
}

bool TSoftwareRasterizer::CopyPlacement(const TRenderVertex v[4], const TSoftTexture& t,
                                        TCopy& out) {
  // An unturned, unscaled sprite on whole pixels: each pixel is exactly one texel, which is
  // what the general path would sample there too.
  if (v[0].Y != v[1].Y || v[2].Y != v[3].Y || v[0].X != v[3].X || v[1].X != v[2].X) return false;
  if (v[0].U != v[3].U || v[1].U != v[2].U || v[0].V != v[1].V || v[2].V != v[3].V) return false;
  for (int i = 1; i < 4; ++i)
    if (v[i].R != v[0].R || v[i].G != v[0].G || v[i].B != v[0].B || v[i].A != v[0].A) return false;
  const float su = v[0].U * t.Width, sv = v[0].V * t.Height;
  const float w = v[1].X - v[0].X, h = v[3].Y - v[0].Y;
  if (w <= 0 || h <= 0 || v[1].U * t.Width - su != w || v[3].V * t.Height - sv != h) return false;
  if (v[0].X != std::floor(v[0].X) || v[0].Y != std::floor(v[0].Y) || su != std::floor(su) ||
      sv != std::floor(sv))
    return false;
  // Only places and sizes an int holds exactly.
  if (std::fabs(v[0].X) > 1e6f || std::fabs(v[0].Y) > 1e6f || w > 1e6f || h > 1e6f || su < 0 ||
      sv < 0 || su > 1e6f || sv > 1e6f)
    return false;
  out.X = static_cast<int>(v[0].X);
  out.Y = static_cast<int>(v[0].Y);
  out.U = static_cast<int>(su);
  out.V = static_cast<int>(sv);
  out.Width = static_cast<int>(w);
  out.Height = static_cast<int>(h);
  return out.U >= 0 && out.V >= 0 && out.U + out.Width <= t.Width && out.V + out.Height <= t.Height;
}

bool TSoftwareRasterizer::Covers(const TRenderVertex v[4], const TSoftTexture* t, TBlendMode blend,
                                 const TPixelRect& area) {
  TCopy c;
  if (!t || blend == bmAdditive || !t->Opaque || !CopyPlacement(v, *t, c)) return false;
  if (!FactorsOf(v[0].R, v[0].G, v[0].B, v[0].A).Identity()) return false;
  return c.X <= area.X0 && c.Y <= area.Y0 && c.X + c.Width >= area.X1 && c.Y + c.Height >= area.Y1;
}

bool TSoftwareRasterizer::DrawCopy(const TRenderVertex v[4], const TSoftTexture& t, TBlendMode blend,
                                   const TPixelRect& clip) {
  TCopy c;
  if (!CopyPlacement(v, t, c)) return false;
  const int x0 = c.X, y0 = c.Y, tu = c.U, tv = c.V;
  const TPixelRect area = clip.Intersect({x0, y0, x0 + c.Width, y0 + c.Height});
  if (area.Empty()) return true;
  const TFactors f = FactorsOf(v[0].R, v[0].G, v[0].B, v[0].A);
  const bool plain = f.Identity();
  const int left = area.X0, right = area.X1;
  for (int y = area.Y0; y < area.Y1; ++y) {
    const std::uint32_t* src = t.Pixels.data() + std::size_t(y - y0 + tv) * t.Width + (left - x0 + tu);
    std::uint32_t* dst = Pixels + std::size_t(y) * Width + left;
    const int n = right - left;
    if (blend == bmAdditive)
      TPixelRows::Blend<true>(dst, src, n, f);
    else if (plain && t.Opaque)
      std::memcpy(dst, src, std::size_t(n) * 4);
    else
      TPixelRows::Blend<false>(dst, src, n, f);
  }
  return true;
}

// One attribute as an affine function of the pixel centre, in 16.16 fixed point. Values along
// a row are the row's value at x = 0 plus x steps, so they never depend on where a span starts.

void TSoftwareRasterizer::SampleInside(const TSoftTexture& t, std::int64_t ur, std::int64_t du,
                                       std::int64_t vr, std::int64_t dv, int xs, int xe,
                                       std::uint32_t* row) {
  // The same samples as the clamping loop, for pixels whose texels all lie inside.
  const std::uint32_t* px = t.Pixels.data();
  const std::size_t stride = static_cast<std::size_t>(t.Width);
  for (int x = xs; x < xe; ++x) {
    const std::int64_t uu = ur + x * du, vv = vr + x * dv;
    const std::size_t iu = static_cast<std::size_t>(uu >> 16);
    const std::uint32_t fu = static_cast<std::uint32_t>((uu >> 8) & 0xFF);
    const std::uint32_t fv = static_cast<std::uint32_t>((vv >> 8) & 0xFF);
    const std::uint32_t* r0 = px + std::size_t(vv >> 16) * stride + iu;
    const std::uint32_t* r1 = r0 + stride;
#if defined(__SSE2__)
    // Both rows' pairs at once in 16-bit lanes: (a × (256 − f) + b × f) >> 8 per channel,
    // across then down, exactly as the one-pixel mix computes it.
    const __m128i zero = _mm_setzero_si128();
    const __m128i pairs = _mm_unpacklo_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(r0)),
                                             _mm_loadl_epi64(reinterpret_cast<const __m128i*>(r1)));
    const __m128i left = _mm_unpacklo_epi8(pairs, zero);    // row 0 and row 1, first texel
    const __m128i right = _mm_unpackhi_epi8(pairs, zero);   // the texel after each
    const __m128i across = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(left, _mm_set1_epi16(static_cast<short>(256 - fu))),
                      _mm_mullo_epi16(right, _mm_set1_epi16(static_cast<short>(fu)))),
        8);
    const short top = static_cast<short>(256 - fv), bottom = static_cast<short>(fv);
    const __m128i weighted =
        _mm_mullo_epi16(across, _mm_set_epi16(bottom, bottom, bottom, bottom, top, top, top, top));
    const __m128i down = _mm_srli_epi16(_mm_add_epi16(weighted, _mm_srli_si128(weighted, 8)), 8);
    row[x - xs] = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(down, zero)));
#else
    row[x - xs] = Lerp(Lerp(r0[0], r0[1], fu), Lerp(r1[0], r1[1], fu), fv);
#endif
  }
}

const std::uint32_t* TSoftwareRasterizer::AcrossRow(const TSoftTexture& t, int texelRow,
                                                    std::int64_t ur, std::int64_t du, int x0,
                                                    int x1) {
  for (int i = 0; i < 2; ++i) {
    const TAcross& a = Across[i];
    if (a.Texture == &t && a.TexelRow == texelRow && a.Ur == ur && a.Du == du && a.X0 == x0 &&
        a.X1 == x1) {
      AcrossLast = i;
      return a.Pixels.data();
    }
  }
  // The one not handed out last: a pixel row asks for its top row and then its bottom one.
  AcrossLast = 1 - AcrossLast;
  TAcross& a = Across[AcrossLast];
  a.Texture = &t;
  a.TexelRow = texelRow;
  a.Ur = ur;
  a.Du = du;
  a.X0 = x0;
  a.X1 = x1;
  a.Pixels.resize(std::size_t(x1 - x0));
  const std::uint32_t* p = t.Pixels.data() + std::size_t(texelRow) * t.Width;
  const int maxU = t.Width - 1;
  std::uint32_t* out = a.Pixels.data() - x0;
  auto clamped = [&](int x) {
    const std::int64_t uu = ur + x * du, iu = uu >> 16;
    out[x] = Lerp(p[Clamp(iu, maxU)], p[Clamp(iu + 1, maxU)], static_cast<std::uint32_t>((uu >> 8) & 0xFF));
  };
  // Where both texels of a sample lie inside the row, clamping changes nothing: the middle
  // of the span goes two samples a step.
  auto inside = [&](int x) {
    const std::int64_t uu = ur + x * du;
    return uu >= 0 && (uu >> 16) + 1 <= maxU;
  };
  int from = x0, to = x1;
  while (from < to && !inside(from)) clamped(from++);
  while (to > from && !inside(to - 1)) clamped(--to);
  int x = from;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  auto weights = [](std::uint32_t f) {
    __m128i w = _mm_cvtsi32_si128(static_cast<int>((256 - f) | (f << 16)));
    w = _mm_unpacklo_epi16(w, w);
    return _mm_unpacklo_epi32(w, w);  // 256 − f four times, then f four times
  };
  for (; x + 2 <= to; x += 2) {
    const std::int64_t ua = ur + x * du, ub = ua + du;
    const __m128i pa = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + (ua >> 16))), zero);
    const __m128i pb = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + (ub >> 16))), zero);
    const __m128i ma = _mm_mullo_epi16(pa, weights(static_cast<std::uint32_t>((ua >> 8) & 0xFF)));
    const __m128i mb = _mm_mullo_epi16(pb, weights(static_cast<std::uint32_t>((ub >> 8) & 0xFF)));
    const __m128i sum = _mm_unpacklo_epi64(_mm_add_epi16(ma, _mm_srli_si128(ma, 8)),
                                           _mm_add_epi16(mb, _mm_srli_si128(mb, 8)));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(_mm_srli_epi16(sum, 8), zero));
  }
#endif
  for (; x < to; ++x) clamped(x);
  return a.Pixels.data();
}

bool TSoftwareRasterizer::ClearRun(const TSoftTexture& t, std::int64_t ur, std::int64_t du,
                                   std::int64_t vr, std::int64_t dv, int x0, int x1) {
  if (!t.AnyClearBlock) return false;
  // The samples move in a straight line: the texels between the run's ends, and the next.
  const std::int64_t ua = (ur + x0 * du) >> 16, ub = (ur + (x1 - 1) * du) >> 16;
  const std::int64_t va = (vr + x0 * dv) >> 16, vb = (vr + (x1 - 1) * dv) >> 16;
  const int maxU = t.Width - 1, maxV = t.Height - 1;
  const int u0 = Clamp(std::min(ua, ub), maxU), u1 = Clamp(std::max(ua, ub) + 1, maxU);
  const int v0 = Clamp(std::min(va, vb), maxV), v1 = Clamp(std::max(va, vb) + 1, maxV);
  return t.ClearWithin(u0, v0, u1, v1);
}

bool TSoftwareRasterizer::ClearTexelsCut(const TSoftTexture& t, std::int64_t ur, std::int64_t du,
                                         std::int64_t vr, int& xs, int& xe) {
  // Along an unturned row every sample reads texel rows iv and iv + 1 (clamped) and, in u,
  // texels iu and iu + 1 (nearest reads one of them). Pixels whose texels all lie outside
  // both rows' spans sample a clear texel and change nothing.
  if (t.Rows.size() != static_cast<std::size_t>(t.Height)) return true;  // not made by MakeTexture
  const std::int64_t iv = vr >> 16;
  const int maxU = t.Width - 1, maxV = t.Height - 1;
  const TSoftTexture::TRowSpan& a = t.Rows[Clamp(iv, maxV)];
  const TSoftTexture::TRowSpan& b = t.Rows[Clamp(iv + 1, maxV)];
  const int lo = std::min(a.First, b.First), hi = std::max(a.Last, b.Last);
  if (lo > hi) return false;
  // Kept: iu >= lo - 1 unless lo is the first texel (clamping reaches it from any iu), and
  // iu <= hi unless hi is the last. One pixel more on each side keeps rounding harmless.
  double from = -1e18, to = 1e18;  // in u, fixed point
  if (lo > 0) from = double(lo - 1) * 65536.0;
  if (hi < maxU) to = double(hi + 1) * 65536.0;
  if (du == 0) {
    const double uu = double(ur);
    return uu >= from - 65536.0 && uu < to + 65536.0;
  }
  double x0 = (from - double(ur)) / double(du), x1 = (to - double(ur)) / double(du);
  if (du < 0) std::swap(x0, x1);
  const double keepFrom = std::floor(Limit(x0)) - 1, keepTo = std::ceil(Limit(x1)) + 1;
  xs = std::max(xs, static_cast<int>(std::max<double>(keepFrom, xs)));
  xe = std::min(xe, static_cast<int>(std::min<double>(keepTo, xe)));
  return xs < xe;
}

void TSoftwareRasterizer::DrawPolygon(const TRenderVertex* poly[], int count,
                                      const TRenderVertex& a, const TRenderVertex& b,
                                      const TRenderVertex& c, const TSoftTexture* t, TBlendMode blend,
                                      bool linear, const TPixelRect& clip) {
  double area = 0;
  for (int i = 0; i < count; ++i) {
    const TRenderVertex& p = *poly[i];
    const TRenderVertex& q = *poly[(i + 1) % count];
    area += double(p.X) * q.Y - double(q.X) * p.Y;
  }
  const double det = (double(b.X) - a.X) * (double(c.Y) - a.Y) - (double(c.X) - a.X) * (double(b.Y) - a.Y);
  if (std::fabs(area) < 1e-9 || std::fabs(det) < 1e-12) return;

  TPlane u, v;
  if (t) {
    u.Solve(a.X, a.Y, b.X, b.Y, c.X, c.Y, double(a.U) * t->Width - 0.5, double(b.U) * t->Width - 0.5,
            double(c.U) * t->Width - 0.5);
    v.Solve(a.X, a.Y, b.X, b.Y, c.X, c.Y, double(a.V) * t->Height - 0.5,
            double(b.V) * t->Height - 0.5, double(c.V) * t->Height - 0.5);
  }
  bool uniform = true;
  for (int i = 1; i < count; ++i)
    if (poly[i]->R != poly[0]->R || poly[i]->G != poly[0]->G || poly[i]->B != poly[0]->B ||
        poly[i]->A != poly[0]->A)
      uniform = false;
  TPlane col[4];
  if (!uniform) {
    auto solve = [&](TPlane& p, std::uint8_t TRenderVertex::*ch) {
      p.Solve(a.X, a.Y, b.X, b.Y, c.X, c.Y, a.*ch, b.*ch, c.*ch);
    };
    solve(col[0], &TRenderVertex::R);
    solve(col[1], &TRenderVertex::G);
    solve(col[2], &TRenderVertex::B);
    solve(col[3], &TRenderVertex::A);
  }
  const TFactors flat = FactorsOf(poly[0]->R, poly[0]->G, poly[0]->B, poly[0]->A);

  double minY = poly[0]->Y, maxY = poly[0]->Y;
  for (int i = 1; i < count; ++i) {
    minY = std::min<double>(minY, poly[i]->Y);
    maxY = std::max<double>(maxY, poly[i]->Y);
  }
  // Pixel centres on an edge belong to the pixel right of or below it: spans are half-open.
  const int yStart = std::max(clip.Y0, static_cast<int>(std::ceil(Limit(minY) - 0.5)));
  const int yEnd = std::min(clip.Y1, static_cast<int>(std::ceil(Limit(maxY) - 0.5)));
  const bool clockwise = area > 0;
  const int maxU = t ? t->Width - 1 : 0, maxV = t ? t->Height - 1 : 0;

  for (int y = yStart; y < yEnd; ++y) {
    const double yc = y + 0.5;
    double left = -1e9, right = 1e9;
    for (int i = 0; i < count; ++i) {
      const TRenderVertex* p = poly[i];
      const TRenderVertex* q = poly[(i + 1) % count];
      if (p->Y == q->Y) continue;
      const bool down = q->Y > p->Y;
      // The same edge gives the same crossing whichever polygon it belongs to.
      const TRenderVertex* lo = down ? p : q;
      const TRenderVertex* hi = down ? q : p;
      if (yc < lo->Y || yc > hi->Y) continue;
      const double x = double(lo->X) + (yc - lo->Y) * (double(hi->X) - lo->X) / (double(hi->Y) - lo->Y);
      if (down == clockwise)
        right = std::min(right, x);
      else
        left = std::max(left, x);
    }
    int xs = std::max(clip.X0, static_cast<int>(std::ceil(Limit(left) - 0.5)));
    int xe = std::min(clip.X1, static_cast<int>(std::ceil(Limit(right) - 0.5)));
    if (xs >= xe) continue;

    std::uint32_t* dst = Pixels + std::size_t(y) * Width;
    const std::int64_t ur = t ? u.Row(y) : 0, du = t ? u.Step() : 0;
    const std::int64_t vr = t ? v.Row(y) : 0, dv = t ? v.Step() : 0;
    const int spanFrom = xs, spanTo = xe;
    if (t && dv == 0 && !ClearTexelsCut(*t, ur, du, vr, xs, xe)) continue;
    if (t && dv == 0 && linear && uniform) {
      // Unturned: every pixel row mixes two texel rows sampled across the same way.
      const std::int64_t iv = vr >> 16;
      const std::uint32_t* top = AcrossRow(*t, Clamp(iv, maxV), ur, du, spanFrom, spanTo);
      const std::uint32_t* bottom = AcrossRow(*t, Clamp(iv + 1, maxV), ur, du, spanFrom, spanTo);
      std::uint32_t* row = RowBuffer(xe - xs);
      TPixelRows::Mix(top + (xs - spanFrom), bottom + (xs - spanFrom),
                      static_cast<std::uint32_t>((vr >> 8) & 0xFF), row, xe - xs);
      if (blend == bmAdditive)
        TPixelRows::Blend<true>(dst + xs, row, xe - xs, flat);
      else
        TPixelRows::Blend<false>(dst + xs, row, xe - xs, flat);
      continue;
    }
    std::int64_t cr[4] = {}, dc[4] = {};
    if (!uniform)
      for (int k = 0; k < 4; ++k) {
        cr[k] = col[k].Row(y);
        dc[k] = col[k].Step();
      }
    // The row's source pixels first, then one blend over the whole span.
    std::uint32_t* row = RowBuffer(xe - xs);
    auto sample = [&](int x) {
      std::uint32_t s = 0xFFFFFFFFu;
      if (t) {
        const std::int64_t uu = ur + x * du, vv = vr + x * dv;
        if (linear) {
          const std::int64_t iu = uu >> 16, iv = vv >> 16;
          const std::uint32_t fu = static_cast<std::uint32_t>((uu >> 8) & 0xFF);
          const std::uint32_t fv = static_cast<std::uint32_t>((vv >> 8) & 0xFF);
          const int u0 = Clamp(iu, maxU), u1 = Clamp(iu + 1, maxU);
          const std::uint32_t* r0 = t->Pixels.data() + std::size_t(Clamp(iv, maxV)) * t->Width;
          const std::uint32_t* r1 = t->Pixels.data() + std::size_t(Clamp(iv + 1, maxV)) * t->Width;
          s = Lerp(Lerp(r0[u0], r0[u1], fu), Lerp(r1[u0], r1[u1], fu), fv);
        } else {
          s = t->Pixels[std::size_t(Clamp((vv + 32768) >> 16, maxV)) * t->Width +
                        Clamp((uu + 32768) >> 16, maxU)];
        }
      }
      if (!uniform) {
        auto ch = [&](int k) {
          return static_cast<std::uint8_t>(
              std::clamp<std::int64_t>((cr[k] + x * dc[k] + 32768) >> 16, 0, 255));
        };
        s = TPixelRows::Modulate(s, FactorsOf(ch(0), ch(1), ch(2), ch(3)));
      }
      row[x - xs] = s;
    };
    // Where all four texels of a linear sample lie inside the picture, clamping changes
    // nothing: that middle of the span takes the quick loop, only its ends the full one.
    int fastFrom = xe, fastTo = xe;
    if (t && linear && uniform) {
      auto inside = [&](int x) {
        const std::int64_t uu = ur + x * du, vv = vr + x * dv;
        return uu >= 0 && vv >= 0 && (uu >> 16) + 1 <= maxU && (vv >> 16) + 1 <= maxV;
      };
      fastFrom = xs;
      while (fastFrom < xe && !inside(fastFrom)) ++fastFrom;
      fastTo = xe;
      while (fastTo > fastFrom && !inside(fastTo - 1)) --fastTo;
    }
    for (int x = xs; x < fastFrom; ++x) sample(x);
    // A turned picture's clear parts are not sampled: in runs whose texels are all clear
    // every sample is 0, and 0 changes nothing.
    constexpr int kRun = 32;
    for (int x = fastFrom; x < fastTo; x += kRun) {
      const int end = std::min(fastTo, x + kRun);
      if (dv != 0 && ClearRun(*t, ur, du, vr, dv, x, end))
        std::fill(row + (x - xs), row + (end - xs), 0u);
      else
        SampleInside(*t, ur, du, vr, dv, x, end, row + (x - xs));
    }
    for (int x = fastTo; x < xe; ++x) sample(x);
    const TFactors& f = uniform ? flat : TFactors{};
    if (blend == bmAdditive)
      TPixelRows::Blend<true>(dst + xs, row, xe - xs, f);
    else
      TPixelRows::Blend<false>(dst + xs, row, xe - xs, f);
  }
}
