// The restaurant's pictures against the points the hub draws them at: what turns about a
// point of its own turns about something solid (and about what holds it), and each order
// balloon and heart lands by its customer's head.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AssetgenTestSupport.h"
#include "Generator.h"
#include "metagame/TPellowRestoCustomers.h"
#include "metagame/TRestoPlaces.h"

using assetgen::TAssetSpec;
using TPlaces = TRestoPlaces;

namespace {
constexpr int kSolid = 200;

int Alpha(const TPicture& p, const TAssetSpec& s, int pattern, int x, int y) {
  if (x < 0 || y < 0 || x >= s.TileWidth || y >= s.TileHeight) return 0;
  const int col = pattern % s.Columns, row = pattern / s.Columns;
  return p.Row(row * s.TileHeight + y)[(col * s.TileWidth + x) * 4 + 3];
}

bool Inside(float f) { return f >= 0 && f <= 1; }
}  // namespace

TEST(RestoArt, PivotsAreOnWhatHoldsThemAndBalloonsByTheHeads) {
  // A decoration turned or stretched about a point of its own has paint there; when its
  // island also has a still picture (the basket, the signpost), the point is on that too.
  for (const TPlaces::TDecoration& d : TPlaces::Decorations) {
    if (d.Motion == TPlaces::TMotion::Still || !Inside(d.CenterX) || !Inside(d.CenterY)) continue;
    const TAssetSpec& s = assetgen_test::Asset(d.Name);
    const float px = d.CenterX * s.TileWidth, py = d.CenterY * s.TileHeight;
    EXPECT_GE(Alpha(assetgen::RenderPicture(s), s, 0, static_cast<int>(px), static_cast<int>(py)),
              kSolid)
        << d.Name;
    for (const TPlaces::TDecoration& holder : TPlaces::Decorations) {
      if (holder.Island != d.Island || holder.Motion != TPlaces::TMotion::Still) continue;
      const TAssetSpec& h = assetgen_test::Asset(holder.Name);
      const int hx = static_cast<int>(d.X + px - holder.X), hy = static_cast<int>(d.Y + py - holder.Y);
      EXPECT_GE(Alpha(assetgen::RenderPicture(h), h, 0, hx, hy), kSolid)
          << d.Name << " turns off " << holder.Name;
    }
  }

  // The balloon's tail tip is its lowest painted pixel.
  const TAssetSpec& bs = assetgen_test::Asset("RestoCustBalloon");
  const TPicture balloon = assetgen::RenderPicture(bs);
  int tipX = 0, tipY = -1;
  for (int y = 0; y < bs.TileHeight; ++y)
    for (int x = 0; x < bs.TileWidth; ++x)
      if (Alpha(balloon, bs, 0, x, y) >= kSolid) tipX = x, tipY = y;
  ASSERT_GE(tipY, 0);
  const int heartHalf = assetgen_test::Asset("RestoHeart").TileWidth / 2;

  // Each customer's head is the top of the figure: the middle of its first rows of paint.
  using TCusts = TPellowRestoCustomers;
  const TAssetSpec& qs = assetgen_test::Asset("RestoQueuingCusts");
  const TPicture queue = assetgen::RenderPicture(qs);
  std::vector<int> tops(13, 0);
  for (int kind = 1; kind <= 12; ++kind) {
    int top = -1;
    long sumX = 0, count = 0;
    for (int y = 0; y < qs.TileHeight && (top < 0 || y < top + 6); ++y)
      for (int x = 0; x < qs.TileWidth; ++x)
        if (Alpha(queue, qs, kind - 1, x, y) >= kSolid) {
          if (top < 0) top = y;
          sumX += x, ++count;
        }
    ASSERT_GT(count, 0) << "kind " << kind;
    tops[kind] = top;
    const TPlaces::TOffset o = TPlaces::FigureOffset(kind);
    const int headX = static_cast<int>(sumX / count);
    // Across: the balloon's tip at the queue's front and the heart over the exit.
    EXPECT_NEAR(TCusts::QueueLeft + headX, TPlaces::BalloonLeft + o.X + tipX, 12) << kind;
    EXPECT_NEAR(TCusts::ExitLeft + headX, TPlaces::HeartLeft + o.X + heartHalf, 12) << kind;
    // Down: the head is level with the bubble, or just under its tip.
    EXPECT_GE(TCusts::QueueTop + top, TPlaces::BalloonTop + o.Y) << kind;
    EXPECT_LE(TCusts::QueueTop + top, TPlaces::BalloonTop + o.Y + tipY + 12) << kind;
  }
  // A customer whose balloon is lowered clearly more is shorter.
  for (int a = 1; a <= 12; ++a)
    for (int b = 1; b <= 12; ++b)
      if (TPlaces::FigureOffset(a).Y >= TPlaces::FigureOffset(b).Y + 20) {
        EXPECT_GT(tops[a], tops[b]) << a << " against " << b;
      }
}
