#include "platform/TFrameScaler.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/TPixelRows.h"

void TFrameScaler::TAxis::Build(int from, int to) {
  First.resize(to);
  Second.resize(to);
  Weight.resize(to);
  for (int d = 0; d < to; ++d) {
    // The target pixel's centre in source pixels, (d + ½) × from / to − ½, in 256ths and
    // rounded to the nearest.
    const std::int64_t num = (2 * std::int64_t(d) + 1) * from - to;
    int first = 0, weight = 0;
    if (num > 0) {
      const std::int64_t at = (num * 256 + to) / (2 * std::int64_t(to));
      first = static_cast<int>(at >> 8);
      weight = static_cast<int>(at & 255);
    }
    if (first >= from - 1) {
      first = from - 1;
      weight = 0;
    }
    First[d] = first;
    Second[d] = std::min(first + 1, from - 1);
    Weight[d] = static_cast<std::uint16_t>(weight);
  }
  Lanes.resize(std::size_t(to) * 8);
  for (int d = 0; d < to; ++d)
    for (int i = 0; i < 4; ++i) {
      Lanes[std::size_t(d) * 8 + i] = static_cast<std::uint16_t>(256 - Weight[d]);
      Lanes[std::size_t(d) * 8 + 4 + i] = Weight[d];
    }
  PairsEnd = static_cast<int>(std::lower_bound(First.begin(), First.end(), from - 1) - First.begin());
}

void TFrameScaler::TAxis::Reach(int begin, int end, int& first, int& last) const {
  // Both tables rise with the target position.
  first = static_cast<int>(std::lower_bound(Second.begin(), Second.end(), begin) - Second.begin());
  last = static_cast<int>(std::upper_bound(First.begin(), First.end(), end - 1) - First.begin());
}

void TFrameScaler::Configure(int frameWidth, int frameHeight, int areaWidth, int areaHeight) {
  if (frameWidth == FrameW && frameHeight == FrameH && areaWidth == AreaW && areaHeight == AreaH)
    return;
  FrameW = std::max(0, frameWidth);
  FrameH = std::max(0, frameHeight);
  AreaW = FrameW && FrameH ? std::max(0, areaWidth) : 0;
  AreaH = FrameW && FrameH ? std::max(0, areaHeight) : 0;
  Columns.Build(FrameW, AreaW);
  Rows.Build(FrameH, AreaH);
  CachedRow[0] = CachedRow[1] = -1;
}

TPixelRect TFrameScaler::Reach(const TPixelRect& frameRect) const {
  const TPixelRect r = frameRect.Intersect({0, 0, FrameW, FrameH});
  if (r.Empty() || AreaW == 0 || AreaH == 0) return {};
  TPixelRect out;
  Columns.Reach(r.X0, r.X1, out.X0, out.X1);
  Rows.Reach(r.Y0, r.Y1, out.Y0, out.Y1);
  return out.Empty() ? TPixelRect{} : out;
}

const std::uint32_t* TFrameScaler::ScaledRow(const std::uint32_t* frame, int framePitch, int row,
                                             int x0, int x1, int keep) {
  for (int slot = 0; slot < 2; ++slot)
    if (CachedRow[slot] == row) return RowCache[slot].data();
  // The slot not holding the row the caller still needs.
  const int slot = CachedRow[0] == keep ? 1 : 0;
  std::vector<std::uint32_t>& out = RowCache[slot];
  out.resize(std::size_t(x1 - x0));
  const std::uint32_t* src = frame + std::size_t(row) * framePitch;
  const int* first = Columns.First.data();
  const int* second = Columns.Second.data();
  const std::uint16_t* weight = Columns.Weight.data();
  int x = x0;
#if defined(__SSE2__)
  // Two targets at a time; each reads a pixel and its right neighbour in one load.
  const __m128i zero = _mm_setzero_si128();
  const std::uint16_t* lanes = Columns.Lanes.data();
  const int pairs = std::min(x1, Columns.PairsEnd);
  for (; x + 2 <= pairs; x += 2) {
    const __m128i p = _mm_unpacklo_epi64(
        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src + first[x])),
        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src + first[x + 1])));
    const __m128i ma = _mm_mullo_epi16(
        _mm_unpacklo_epi8(p, zero), _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes + std::size_t(x) * 8)));
    const __m128i mb = _mm_mullo_epi16(
        _mm_unpackhi_epi8(p, zero),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes + std::size_t(x + 1) * 8)));
    const __m128i sum = _mm_unpacklo_epi64(_mm_add_epi16(ma, _mm_srli_si128(ma, 8)),
                                           _mm_add_epi16(mb, _mm_srli_si128(mb, 8)));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out.data() + (x - x0)),
                     _mm_packus_epi16(_mm_srli_epi16(sum, 8), zero));
  }
#endif
  for (; x < x1; ++x) out[x - x0] = TPixelRows::Mix(src[first[x]], src[second[x]], weight[x]);
  CachedRow[slot] = row;
  return out.data();
}

void TFrameScaler::Scale(const std::uint32_t* frame, int framePitch, std::uint32_t* area,
                         int areaPitch, TPixelRect part) {
  part = part.Intersect({0, 0, AreaW, AreaH});
  if (part.Empty() || !frame || !area) return;
  if (AreaW == FrameW && AreaH == FrameH) {
    for (int y = part.Y0; y < part.Y1; ++y)
      std::copy(frame + std::size_t(y) * framePitch + part.X0,
                frame + std::size_t(y) * framePitch + part.X1,
                area + std::size_t(y) * areaPitch + part.X0);
    return;
  }
  // Cached rows hold the columns of one part only.
  if (part.X0 != CachedX0 || part.X1 != CachedX1) {
    CachedRow[0] = CachedRow[1] = -1;
    CachedX0 = part.X0;
    CachedX1 = part.X1;
  }
  const int width = part.X1 - part.X0;
  for (int y = part.Y0; y < part.Y1; ++y) {
    const int r0 = Rows.First[y], r1 = Rows.Second[y];
    const std::uint32_t w = Rows.Weight[y];
    std::uint32_t* out = area + std::size_t(y) * areaPitch + part.X0;
    const std::uint32_t* a = ScaledRow(frame, framePitch, r0, part.X0, part.X1, w ? r1 : -1);
    if (w == 0) {
      std::copy(a, a + width, out);
      continue;
    }
    const std::uint32_t* b = ScaledRow(frame, framePitch, r1, part.X0, part.X1, r0);
    TPixelRows::Mix(a, b, w, out, width);
  }
  // The frame changes between calls: what was cached is stale by the next one.
  CachedRow[0] = CachedRow[1] = -1;
}
