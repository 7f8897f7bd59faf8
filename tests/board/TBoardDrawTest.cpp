#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "BoardRig.h"

namespace {
struct DrawnBoard : BoardRig {
  DrawRig draw;
  std::size_t quadsAtBorder = 0, quadsAtFrames = 0;
  DrawnBoard() {
    board.OmgImgList = &draw.images;
    board.Left = 100;
    board.Top = 50;
    board.OnTimeToDrawBoardBorder = [this](TGameBoard&) {
      quadsAtBorder = draw.backend.Quads.size();
    };
    board.OnTimeToDrawLockerFrames = [this](TGameBoard&) {
      quadsAtFrames = draw.backend.Quads.size();
    };
  }
  std::vector<DrawRig::TDrawn> Frame() {
    draw.backend.Quads.clear();
    board.UpdateAndDraw();
    return draw.Take();
  }
  static std::vector<DrawRig::TDrawn> Only(const std::vector<DrawRig::TDrawn>& all,
                                           const std::string& name) {
    std::vector<DrawRig::TDrawn> out;
    for (const auto& d : all)
      if (d.Name == name) out.push_back(d);
    return out;
  }
};
}  // namespace

TEST(BoardDrawing, LayersComeInOrderWithTheirOffsets) {
  DrawnBoard r;
  std::vector<std::string> rows(12, std::string(16, '*'));
  rows[11][15] = '.';  // (16, 12) hole
  rows[11][0] = 'h';   // (1, 12) potion
  r.Load(rows);
  r.board.EditTile({2, 1}).ChainLevel = 2;
  r.board.SetTileState({2, 1}, tsAnchored);
  r.board.EditTile({3, 1}).Web = 1;
  r.board.TileClick({5, 5});
  auto all = r.Frame();

  auto bg = DrawnBoard::Only(all, "BackgroundTile");
  ASSERT_EQ(bg.size(), 191u);
  EXPECT_EQ(r.quadsAtBorder, 191u);  // backgrounds, then the border, then the frames
  EXPECT_EQ(r.quadsAtFrames, 191u);
  EXPECT_FLOAT_EQ(bg[0].X, 100 - 2);
  EXPECT_FLOAT_EQ(bg[0].Y, 50 - 2);

  // Elements: column 16 first, rows top to bottom within a column.
  auto el = DrawnBoard::Only(all, "ElementsInside");
  ASSERT_EQ(el.size(), 191u + 1);  // every element, the potion twice
  EXPECT_FLOAT_EQ(el[0].X, 100 + 52 * 15);
  EXPECT_FLOAT_EQ(el[0].Y, 50);
  EXPECT_FLOAT_EQ(el[10].Y, 50 + 52 * 10);  // (16, 11); (16, 12) is a hole
  EXPECT_FLOAT_EQ(el[11].X, 100 + 52 * 14);
  EXPECT_EQ(el[0].Pattern, FillerColour(16, 1) - 1);
  const auto& glow = el.back();
  EXPECT_EQ(glow.Pattern, 17 - 1);
  EXPECT_EQ(glow.Blend, bmAdditive);
  EXPECT_EQ(glow.B, 0);
  EXPECT_GT(glow.G, 250);
  EXPECT_FLOAT_EQ(glow.X, 100);
  EXPECT_FLOAT_EQ(glow.Y, 50 + 52 * 11);

  auto chain = DrawnBoard::Only(all, "ChainLock");
  ASSERT_EQ(chain.size(), 2u);
  EXPECT_EQ(chain[0].Pattern, 0);
  EXPECT_EQ(chain[1].Pattern, 5);
  EXPECT_FLOAT_EQ(chain[0].X, 100 + 52 - 2);
  EXPECT_FLOAT_EQ(chain[0].Y, 50 - 2);
  auto web = DrawnBoard::Only(all, "Web");
  ASSERT_EQ(web.size(), 1u);
  EXPECT_FLOAT_EQ(web[0].X, 100 + 104 - 1);
  auto sel = DrawnBoard::Only(all, "TileSelection");
  ASSERT_EQ(sel.size(), 1u);
  EXPECT_FLOAT_EQ(sel[0].X, 100 + 52 * 4 - 1);
  EXPECT_FLOAT_EQ(sel[0].Y, 50 + 52 * 4 - 2);
  // Chains before webs before the selection, all after the elements.
  auto index = [&](const std::string& n) {
    return std::find_if(all.begin(), all.end(), [&](auto& d) { return d.Name == n; }) -
           all.begin();
  };
  EXPECT_LT(index("ChainLock"), index("Web"));
  EXPECT_LT(index("Web"), index("TileSelection"));
  EXPECT_GT(index("ChainLock"), static_cast<long>(191 + 191));

  // The potion glow never leaves 0..80 and reaches both ends.
  int lo = 255, hi = 0;
  for (int i = 0; i < 80; ++i) {
    auto g = DrawnBoard::Only(r.Frame(), "ElementsInside").back();
    lo = std::min(lo, g.Alpha);
    hi = std::max(hi, g.Alpha);
  }
  EXPECT_EQ(lo, 0);
  EXPECT_NEAR(hi, 80, 1);

  r.board.IsWindows8OrLater = true;
  EXPECT_TRUE(DrawnBoard::Only(r.Frame(), "BackgroundTile").empty());
}

TEST(BoardDrawing, BusyTilesAreLeftToTheirEffectsAndFallingOnesMove) {
  DrawnBoard r;
  r.Load({});
  r.board.SetTileState({1, 1}, tsSwapping);
  r.board.SetTileState({1, 2}, tsGrouping);
  r.board.SetTileState({1, 3}, tsStruck);
  r.board.SetTileState({1, 4}, tsOpening);  // still drawn
  r.board.ShowHint({2, 1}, {3, 1});
  r.board.Frozen = true;  // keep the falling tile where it is
  r.board.SetTileState({4, 4}, tsFalling);
  r.board.EditTile({4, 4}).FallOffset = 30;
  r.board.EditTile({4, 4}).Web = 1;
  auto all = r.Frame();
  auto el = DrawnBoard::Only(all, "ElementsInside");
  EXPECT_EQ(el.size(), 192u - 5);
  auto at = [&](float x, float y) {
    return std::count_if(el.begin(), el.end(), [&](auto& d) { return d.X == x && d.Y == y; });
  };
  EXPECT_EQ(at(100, 50), 0);
  EXPECT_EQ(at(100, 50 + 52 * 3), 1);
  EXPECT_EQ(at(100 + 52 * 3, 50 + 52 * 3 + 30), 1);
  auto web = DrawnBoard::Only(all, "Web");
  ASSERT_EQ(web.size(), 1u);
  EXPECT_FLOAT_EQ(web[0].Y, 50 + 52 * 3 + 30 - 2);

  // A ripple shakes elements by up to level - 1 pixels, the same on both axes.
  r.board.Frozen = false;
  r.Load({});
  r.board.SetRippleLevel({6, 6}, 4);
  bool moved = false;
  for (int i = 0; i < 10; ++i) {
    for (const auto& d : DrawnBoard::Only(r.Frame(), "ElementsInside"))
      if (d.X >= 100 + 52 * 5 && d.X < 100 + 52 * 6 && d.Y >= 50 + 52 * 5 &&
          d.Y < 50 + 52 * 6) {
        float jx = d.X - (100 + 52 * 5), jy = d.Y - (50 + 52 * 5);
        EXPECT_EQ(jx, jy);
        EXPECT_LE(jx, 3);
        moved |= jx > 0;
      }
    r.board.SetRippleLevel({6, 6}, 4);
  }
  EXPECT_TRUE(moved);
}

TEST(BoardDrawing, ToolTargetsFadeInOverTheirElements) {
  DrawnBoard r;
  r.Load({"3**3", "U3"});
  r.board.HighlightToolTarget({1, 1}, tlBlaster);  // every element 3
  EXPECT_TRUE(r.board.ToolHighlighted({2, 2}));
  EXPECT_FALSE(r.board.ToolHighlighted({1, 2}));
  std::vector<int> alphas;
  for (int i = 0; i < 8; ++i) {
    auto h = DrawnBoard::Only(r.Frame(), "ToolHighlight");
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h[0].Pattern, 2);
    alphas.push_back(h[0].Alpha);
  }
  EXPECT_EQ(alphas, (std::vector<int>{0, 19, 39, 59, 79, 99, 119, 119}));
  r.board.HighlightToolTarget({1, 2}, tlBlaster);  // a uni bubble marks nothing
  EXPECT_TRUE(DrawnBoard::Only(r.Frame(), "ToolHighlight").empty());
}

TEST(BoardDrawing, RipplePatternsHoldThenFade) {
  BoardRig r;
  r.Load({});
  r.board.ApplyBigRipple({8, 6});
  int counts[8] = {};
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y) ++counts[r.board.RippleLevel({x, y})];
  EXPECT_EQ(counts[7], 9);
  EXPECT_EQ(counts[6], 21 - 9);
  EXPECT_EQ(counts[5], 37 - 21);
  EXPECT_EQ(counts[3], 57 - 37);
  EXPECT_EQ(counts[2], 192 - 57);

  r.board.ApplySmallRipple({1, 1});  // clipped at the corner
  EXPECT_EQ(r.board.RippleLevel({1, 1}), 3);
  EXPECT_EQ(r.board.RippleLevel({2, 2}), 3);
  EXPECT_EQ(r.board.RippleLevel({3, 2}), 2);
  EXPECT_EQ(r.board.RippleLevel({3, 3}), 2);  // |dx| + |dy| = 4 is still inside D(3)
  EXPECT_EQ(r.board.RippleLevel({4, 3}), 1);
  EXPECT_EQ(r.board.RippleLevel({16, 12}), 1);

  // Held for 500 ms: 16 frames unchanged, the 17th (timer reaches 500) lowers by one.
  r.Frames(16);
  EXPECT_EQ(r.board.RippleLevel({1, 1}), 3);
  r.Frames(1);
  EXPECT_EQ(r.board.RippleLevel({1, 1}), 2);
  r.Frames(2);
  EXPECT_EQ(r.board.RippleLevel({1, 1}), 0);
  r.Frames(1);
  EXPECT_EQ(r.board.RippleLevel({1, 1}), 0);
}

TEST(BoardDrawing, LandingBounceSwingsAndSettles) {
  BoardRig r;
  r.Load({});
  r.board.StartLandingBounce(3);
  EXPECT_FALSE(r.board.BounceStill({3, 12}));
  EXPECT_TRUE(r.board.BounceStill({4, 12}));
  std::vector<int> offsets;
  int frames = 0;
  while (!r.board.BounceStill({3, 5}) && frames < 200) {
    r.Frames(1);
    offsets.push_back(r.board.BounceOffset({3, 5}));
    ++frames;
  }
  ASSERT_LT(frames, 200);
  EXPECT_GT(frames, 15);
  EXPECT_EQ(*std::max_element(offsets.begin(), offsets.end()), 2);
  EXPECT_EQ(*std::min_element(offsets.begin(), offsets.end()), -1);
  EXPECT_EQ(offsets[0], 1);  // 0.92 after the first step
  EXPECT_EQ(r.board.BounceOffset({3, 5}), 0);
}
