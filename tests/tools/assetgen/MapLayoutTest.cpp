// The world map's decorations against its pictures: the sea, the islands and the frame are
// drawn here as the map draws them, and every point a decoration uses must land on what it
// is meant to, so that the map's art and its points cannot drift apart.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "AssetgenTestSupport.h"
#include "Generator.h"
#include "Paint.h"
#include "Painters.h"
#include "effects/TNewPlopEffect.h"
#include "effects/TWorldMapWaves.h"
#include "metagame/TCompletedStamps.h"
#include "metagame/TMapIslands.h"
#include "metagame/TWorldMapObjects.h"

using namespace assetgen;

namespace {

constexpr int kScreenW = 1366, kScreenH = 768;
constexpr int kOpenSea = 0, kNotSea = -1, kOffScreen = -2;
// An island pixel at least this solid is land; the shallows' glow around it stays sea.
constexpr int kLandAlpha = 128;

int Alpha(const TPicture& p, const TAssetSpec& s, int pattern, int x, int y) {
  const int col = pattern % s.Columns, row = pattern / s.Columns;
  return p.Row(row * s.TileHeight + y)[(col * s.TileWidth + x) * 4 + 3];
}

// What the map shows at each screen pixel: open sea, something painted on the sea (the
// whale, reefs, compass, the wooden edge), or the topmost island whose land is there.
struct TMapPicture {
  std::vector<int> Owner = std::vector<int>(kScreenW * kScreenH, kOpenSea);
  TPicture Islands[TMapIslands::IslandCount];

  TMapPicture() {
    const TPicture map = RenderPicture(assetgen_test::Asset("MapBG"));
    TCanvas seaCanvas(kScreenW, kScreenH);
    PaintMapSea(seaCanvas);
    const TPicture sea = seaCanvas.ToPicture();
    for (int y = 0; y < kScreenH; ++y)
      for (int x = 0; x < kScreenW * 4; ++x)
        if (x % 4 != 3 && std::abs(map.Row(y)[x] - sea.Row(y)[x]) > 2)
          Owner[y * kScreenW + x / 4] = kNotSea;
    // Islands in drawing order, so a later one owns what it covers.
    for (int n = 1; n <= TMapIslands::IslandCount; ++n) {
      const TAssetSpec& s = assetgen_test::Asset("MapRoom" + std::to_string(n));
      Islands[n - 1] = RenderPicture(s);
      const TPoint at = TMapIslands::Pictures[n - 1];
      for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
          if (Alpha(Islands[n - 1], s, 0, x, y) >= kLandAlpha && Inside(at.X + x, at.Y + y))
            Owner[(at.Y + y) * kScreenW + at.X + x] = n;
    }
  }
  static bool Inside(int x, int y) { return x >= 0 && y >= 0 && x < kScreenW && y < kScreenH; }
  int At(int x, int y) const { return Inside(x, y) ? Owner[y * kScreenW + x] : kOffScreen; }
  // Solid land of island n, and no later island over it.
  bool OnIsland(int n, TPoint p) const {
    const TPoint at = TMapIslands::Pictures[n - 1];
    const TPicture& pic = Islands[n - 1];
    const int x = p.X - at.X, y = p.Y - at.Y;
    if (x < 0 || y < 0 || x >= pic.Width || y >= pic.Height) return false;
    return pic.Row(y)[x * 4 + 3] == 255 && At(p.X, p.Y) == n;
  }
  // The pixels of the box (x0, y0)-(x1, y1) that are not open sea.
  int NotSeaIn(int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += At(x, y) != kOpenSea;
    return n;
  }
};

const TMapPicture& Map() {
  static const TMapPicture map;
  return map;
}

}  // namespace

TEST(MapLayout, WavesAndTravellersStayOnTheOpenSeaInsideTheFrame) {
  const TMapPicture& map = Map();

  // A wave: the box round whatever its patterns paint, either way round, at its widest
  // swing (width 1.15 + 0.06 x 4, height 1.1 + 0.04 x 4, tilt 1.2 + 0.2 x 5 degrees) about
  // its pivot (0.45, 0.55).
  const TAssetSpec& ws = assetgen_test::Asset("WorldMapWaves");
  const TPicture waves = RenderPicture(ws);
  int left = ws.TileWidth, top = ws.TileHeight, right = 0, bottom = 0;
  for (int p = 0; p < ws.Patterns(); ++p)
    for (int y = 0; y < ws.TileHeight; ++y)
      for (int x = 0; x < ws.TileWidth; ++x)
        if (Alpha(waves, ws, p, x, y) > 0) {
          left = std::min({left, x, ws.TileWidth - 1 - x});
          right = std::max({right, x + 1, ws.TileWidth - x});
          top = std::min(top, y);
          bottom = std::max(bottom, y + 1);
        }
  ASSERT_LT(left, right);
  const double kScaleX = 1.39, kScaleY = 1.26, kTilt = 2.2 * M_PI / 180;
  for (int i = 0; i < TWorldMapWaves::WaveCount; ++i) {
    const TPoint w = TWorldMapWaves::Points[i];
    const double px = w.X + 0.45 * ws.TileWidth, py = w.Y + 0.55 * ws.TileHeight;
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (double a : {-kTilt, kTilt})
      for (int cx : {left, right})
        for (int cy : {top, bottom}) {
          const double dx = (w.X + cx - px) * kScaleX, dy = (w.Y + cy - py) * kScaleY;
          const double x = px + std::cos(a) * dx - std::sin(a) * dy;
          const double y = py + std::sin(a) * dx + std::cos(a) * dy;
          x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
    const int notSea =
        map.NotSeaIn(static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)),
                     static_cast<int>(std::ceil(x1)), static_cast<int>(std::ceil(y1)));
    EXPECT_EQ(notSea, 0) << "wave " << i << " at (" << w.X << ", " << w.Y << ")";
  }

  // A vehicle at every angle it takes from its start to its end, each painted pixel where
  // the map draws it: turned about its pivot far outside the picture.
  const TAssetSpec& vs = assetgen_test::Asset("WorldMapTransports");
  const TPicture vehicles = RenderPicture(vs);
  for (int j = 0; j < TWorldMapObjects::JourneyCount; ++j) {
    const TWorldMapObjects::TJourney& J = TWorldMapObjects::Journeys[j];
    const double cx = J.X + J.CenterX * vs.TileWidth, cy = J.Y + J.CenterY * vs.TileHeight;
    int wrong = 0, angles = 0;
    double firstWrong = 0;
    for (float angle = J.StartAngle;; ++angles) {
      const double a = angle * M_PI / 180;
      for (int y = 0; y < vs.TileHeight; ++y)
        for (int x = 0; x < vs.TileWidth; ++x) {
          if (Alpha(vehicles, vs, J.Pattern, x, y) == 0) continue;
          const double dx = J.X + x + 0.5 - cx, dy = J.Y + y + 0.5 - cy;
          const int sx = static_cast<int>(std::floor(cx + std::cos(a) * dx - std::sin(a) * dy));
          const int sy = static_cast<int>(std::floor(cy + std::sin(a) * dx + std::cos(a) * dy));
          if (map.At(sx, sy) != kOpenSea && wrong++ == 0) firstWrong = angle;
        }
      if (angle == J.EndAngle) break;
      // As the map moves it: toward the end angle, never past it.
      angle = J.EndAngle > angle ? std::min(J.EndAngle, angle + J.Step)
                                 : std::max(J.EndAngle, angle - J.Step);
    }
    EXPECT_GT(angles, 100) << "journey " << j;
    EXPECT_EQ(wrong, 0) << "journey " << j << " leaves the open sea first at " << firstWrong
                        << " degrees";
  }
}

TEST(MapLayout, PlopsAndStampsLandOnTheirIslands) {
  const TMapPicture& map = Map();
  // The plop bursts from its marker moved by its offset; both lie on the island it opens.
  const TNewPlopEffect plop;
  for (int n = 1; n <= TMapIslands::IslandCount; ++n) {
    const TPoint m = TMapIslands::Markers[n - 1];
    EXPECT_TRUE(map.OnIsland(n, m)) << "marker of island " << n;
    EXPECT_TRUE(map.OnIsland(n, {m.X + plop.OffsetX, m.Y + plop.OffsetY}))
        << "burst of island " << n;
  }
  const TAssetSpec& stamp = assetgen_test::Asset("CompletedStamp");
  for (int n = 1; n <= TCompletedStamps::StampCount; ++n) {
    const TPoint s = TCompletedStamps::Stamps[n - 1];
    EXPECT_TRUE(map.OnIsland(n, {s.X + stamp.Width() / 2, s.Y + stamp.Height() / 2}))
        << "stamp of island " << n;
  }
}
