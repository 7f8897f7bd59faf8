#include "platform/TFrameScaler.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {
std::vector<std::uint32_t> Noise(int w, int h, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint32_t> p(std::size_t(w) * h);
  for (auto& v : p) v = 0xFF000000u | (random() & 0xFFFFFF);
  return p;
}

std::vector<std::uint32_t> Whole(TFrameScaler& s, const std::vector<std::uint32_t>& frame, int fw) {
  std::vector<std::uint32_t> out(std::size_t(s.AreaWidth()) * s.AreaHeight(), 0);
  s.Scale(frame.data(), fw, out.data(), s.AreaWidth(), {0, 0, s.AreaWidth(), s.AreaHeight()});
  return out;
}
}  // namespace

// A frame changed in a few rectangles and scaled again only where they reach gives the
// pixels of scaling the whole changed frame, at every size a screen has, up and down.
TEST(FrameScaler, ScalingOnlyTheChangedPartsEqualsScalingTheWholeFrame) {
  const int fw = 1366, fh = 768;
  struct TSize {
    int W, H;
  };
  for (TSize area : {TSize{1920, 1080}, TSize{2560, 1440}, TSize{3840, 2160}, TSize{1280, 720},
                     TSize{1001, 563}, TSize{1366, 768}}) {
    SCOPED_TRACE(std::to_string(area.W) + "x" + std::to_string(area.H));
    TFrameScaler s;
    s.Configure(fw, fh, area.W, area.H);
    std::vector<std::uint32_t> frame = Noise(fw, fh, 1);
    std::vector<std::uint32_t> shown = Whole(s, frame, fw);
    std::mt19937 random(7);
    // Tile-sized changes, single pixels and the frame's edges and corners.
    std::vector<TPixelRect> changed = {{0, 0, 32, 32},       {1344, 736, 1366, 768}, {0, 700, 1366, 701},
                                       {683, 0, 684, 768},   {40, 40, 41, 41},       {1365, 0, 1366, 1}};
    for (int i = 0; i < 12; ++i) {
      const int x = int(random() % (fw / 32)) * 32, y = int(random() % (fh / 32)) * 32;
      changed.push_back({x, y, std::min(fw, x + 32 * int(1 + random() % 6)), std::min(fh, y + 32)});
    }
    const std::vector<std::uint32_t> other = Noise(fw, fh, 2);
    for (const TPixelRect& r : changed)
      for (int y = r.Y0; y < r.Y1; ++y)
        for (int x = r.X0; x < r.X1; ++x) frame[std::size_t(y) * fw + x] = other[std::size_t(y) * fw + x];
    for (const TPixelRect& r : changed) {
      const TPixelRect part = s.Reach(r);
      ASSERT_FALSE(part.Empty());
      s.Scale(frame.data(), fw, shown.data(), area.W, part);
    }
    const std::vector<std::uint32_t> whole = Whole(s, frame, fw);
    std::size_t differing = 0;
    for (std::size_t i = 0; i < whole.size(); ++i) differing += whole[i] != shown[i];
    EXPECT_EQ(differing, 0u);
  }
}

// The same size is an exact copy; a flat frame stays flat when stretched (no darkening at
// the edges, nothing read beyond them); a smooth ramp stays monotonic.
TEST(FrameScaler, KeepsColoursExactWhereNothingIsBlended) {
  TFrameScaler s;
  const std::vector<std::uint32_t> noise = Noise(64, 48, 3);
  s.Configure(64, 48, 64, 48);
  EXPECT_EQ(Whole(s, noise, 64), noise);

  const std::vector<std::uint32_t> flat(64 * 48, 0xFF336699u);
  s.Configure(64, 48, 173, 97);
  for (std::uint32_t p : Whole(s, flat, 64)) ASSERT_EQ(p, 0xFF336699u);

  std::vector<std::uint32_t> ramp(64 * 2);
  for (int x = 0; x < 64; ++x) ramp[x] = ramp[64 + x] = 0xFF000000u | std::uint32_t(x * 4);
  s.Configure(64, 2, 150, 5);
  const std::vector<std::uint32_t> out = Whole(s, ramp, 64);
  EXPECT_EQ(out[0] & 0xFF, 0u);
  EXPECT_EQ(out[149] & 0xFF, 252u);
  for (int x = 1; x < 150; ++x) EXPECT_GE(out[x] & 0xFF, out[x - 1] & 0xFF) << x;
}
