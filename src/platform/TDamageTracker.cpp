#include "platform/TDamageTracker.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr std::uint64_t kSeed = 0x9E3779B97F4A7C15ull;
}

std::uint64_t TDamageTracker::Mix(std::uint64_t h, std::uint64_t v) {
  // Order matters: the same calls in another order give other pixels.
  h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
  h ^= h >> 31;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 29;
  return h;
}

std::uint64_t TDamageTracker::HashBytes(const void* data, std::size_t size, std::uint64_t h) {
  const auto* p = static_cast<const unsigned char*>(data);
  while (size >= 8) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    h = Mix(h, v);
    p += 8;
    size -= 8;
  }
  std::uint64_t rest = 0;
  std::memcpy(&rest, p, size);
  return Mix(h, rest ^ (std::uint64_t(size) << 56));
}

void TDamageTracker::Resize(int width, int height) {
  Width = width;
  Height = height;
  Columns = (width + TileSize - 1) / TileSize;
  Rows = (height + TileSize - 1) / TileSize;
  Current.assign(std::size_t(Columns) * Rows, kSeed);
  Last = Current;
  Invalid = true;
}

void TDamageTracker::BeginFrame() { std::fill(Current.begin(), Current.end(), kSeed); }

void TDamageTracker::Add(const TPixelRect& bounds, std::uint64_t hash) {
  if (bounds.Empty()) return;
  const int c0 = bounds.X0 / TileSize, c1 = (bounds.X1 - 1) / TileSize;
  const int r0 = bounds.Y0 / TileSize, r1 = (bounds.Y1 - 1) / TileSize;
  for (int r = r0; r <= r1 && r < Rows; ++r)
    for (int c = c0; c <= c1 && c < Columns; ++c) {
      std::uint64_t& h = Current[std::size_t(r) * Columns + c];
      h = Mix(h, hash);
    }
}

void TDamageTracker::AddQuad(const float x[4], const float y[4], const TPixelRect& bounds,
                             std::uint64_t hash,
                             const std::function<bool(const TPixelRect&)>& leavesAlone) {
  if (bounds.Empty()) return;
  const int c0 = bounds.X0 / TileSize, c1 = (bounds.X1 - 1) / TileSize;
  const int r0 = bounds.Y0 / TileSize, r1 = std::min((bounds.Y1 - 1) / TileSize, Rows - 1);
  for (int r = r0; r <= r1; ++r) {
    // The outline's reach across the tile row, a pixel more each way: every pixel the quad
    // can touch lies between its edges, and the edges' parts inside the band bound it.
    const double band0 = r * TileSize - 1.0, band1 = (r + 1) * TileSize + 1.0;
    double lo = 1e30, hi = -1e30;
    for (int i = 0; i < 4; ++i) {
      double ax = x[i], ay = y[i], bx = x[(i + 1) % 4], by = y[(i + 1) % 4];
      if (ay > by) std::swap(ax, bx), std::swap(ay, by);
      if (by < band0 || ay > band1) continue;
      const double t0 = ay < band0 ? (band0 - ay) / (by - ay) : 0;
      const double t1 = by > band1 ? (band1 - ay) / (by - ay) : 1;
      for (double t : {t0, t1}) {
        const double px = ax + (bx - ax) * t;
        lo = std::min(lo, px);
        hi = std::max(hi, px);
      }
    }
    if (lo > hi) continue;
    const int from = std::max(c0, static_cast<int>(std::floor((lo - 1) / TileSize)));
    const int to = std::min({c1, Columns - 1, static_cast<int>(std::floor((hi + 1) / TileSize))});
    for (int c = from; c <= to; ++c) {
      if (leavesAlone &&
          leavesAlone({c * TileSize, r * TileSize, std::min((c + 1) * TileSize, Width),
                       std::min((r + 1) * TileSize, Height)}))
        continue;
      std::uint64_t& h = Current[std::size_t(r) * Columns + c];
      h = Mix(h, hash);
    }
  }
}

std::vector<TPixelRect> TDamageTracker::EndFrame() {
  std::vector<TPixelRect> rects;
  for (int r = 0; r < Rows; ++r) {
    int c = 0;
    while (c < Columns) {
      auto damaged = [&](int col) {
        const std::size_t i = std::size_t(r) * Columns + col;
        return Invalid || Current[i] != Last[i];
      };
      if (!damaged(c)) {
        ++c;
        continue;
      }
      int end = c + 1;
      while (end < Columns && damaged(end)) ++end;
      TPixelRect rect{c * TileSize, r * TileSize, std::min(end * TileSize, Width),
                      std::min((r + 1) * TileSize, Height)};
      // A run just like the one above it extends that rectangle.
      if (!rects.empty() && rects.back().X0 == rect.X0 && rects.back().X1 == rect.X1 &&
          rects.back().Y1 == rect.Y0)
        rects.back().Y1 = rect.Y1;
      else
        rects.push_back(rect);
      c = end;
    }
  }
  Last.swap(Current);
  Invalid = false;
  return rects;
}
