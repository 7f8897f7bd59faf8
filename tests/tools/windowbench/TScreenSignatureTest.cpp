#include "TScreenSignature.h"

#include <gtest/gtest.h>

namespace {
// A made-up scene: a sky, a meadow and a sun at (x, y).
TPicture Scene(int width, int height, int sunX, int sunY, int sunSize = 40) {
  TPicture p;
  p.Resize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* o = p.Row(y) + x * 4;
      const bool sky = y < height / 2;
      const bool sun = x >= sunX && x < sunX + sunSize && y >= sunY && y < sunY + sunSize;
      o[0] = sun ? 250 : sky ? 90 : 40;
      o[1] = sun ? 220 : sky ? 160 : 150;
      o[2] = sun ? 40 : sky ? 230 : 50;
      o[3] = 255;
    }
  return p;
}

// The picture scaled up twice, nearest pixel, with black bars left and right.
TPicture ScaledIntoWindow(const TPicture& p, int bar) {
  TPicture w;
  w.Resize(p.Width * 2 + 2 * bar, p.Height * 2);
  for (int y = 0; y < w.Height; ++y)
    for (int x = bar; x < bar + p.Width * 2; ++x)
      for (int c = 0; c < 4; ++c) w.Row(y)[x * 4 + c] = p.Row(y / 2)[(x - bar) / 2 * 4 + c];
  return w;
}
}  // namespace

TEST(ScreenSignature, TellsScenesApartButNotSmallMovesOrScaling) {
  const TPicture scene = Scene(1366, 768, 100, 100);
  const TScreenSignature s = TScreenSignature::Of(scene);
  EXPECT_DOUBLE_EQ(s.Likeness(s), 1.0);
  // A sun that moved a little changes a few cells only.
  EXPECT_GT(TScreenSignature::Of(Scene(1366, 768, 130, 110)).Likeness(s), 0.95);
  // The meadow up to the top is another scene.
  TPicture other = scene;
  for (int y = 0; y < 384; ++y)
    for (int x = 0; x < 1366; ++x) {
      other.Row(y)[x * 4] = 40;
      other.Row(y)[x * 4 + 2] = 50;
    }
  EXPECT_LT(TScreenSignature::Of(other).Likeness(s), 0.6);
  // The same scene shown twice as large between bars, read from the part it fills.
  const TPicture window = ScaledIntoWindow(scene, 30);
  EXPECT_GT(TScreenSignature::Of(window, 30, 0, 2732, 1536).Likeness(s), 0.97);
  // A part wholly past the picture's edge has nothing to compare.
  EXPECT_LT(TScreenSignature::Of(scene, 2000, 0, 100, 100).Likeness(s), 0.6);
}

TEST(ScreenSignature, CountsOnlyTheCellsAsked) {
  const TScreenSignature a = TScreenSignature::Of(Scene(480, 270, 0, 0, 10));
  const TScreenSignature b = TScreenSignature::Of(Scene(480, 270, 470, 260, 10));
  // The grid's cells are 10 × 10 here: the two suns differ in one cell each.
  const std::vector<bool> alike = a.Alike(b);
  const int cells = TScreenSignature::Columns * TScreenSignature::Rows;
  ASSERT_EQ(static_cast<int>(alike.size()), cells);
  EXPECT_FALSE(alike.front());
  EXPECT_FALSE(alike.back());
  EXPECT_NEAR(a.Likeness(b), (cells - 2.0) / cells, 1e-9);

  std::vector<bool> counted;
  TScreenSignature::MarkCells(0, 0, 480, 270, 0, 0, 10, 10, counted);
  ASSERT_EQ(static_cast<int>(counted.size()), cells);
  EXPECT_TRUE(counted[0]);
  EXPECT_FALSE(counted[1]);
  EXPECT_DOUBLE_EQ(TScreenSignature::Share(alike, counted), 0.0);
  // A rectangle across a cell border marks the cells on both sides.
  TScreenSignature::MarkCells(0, 0, 480, 270, 15, 5, 10, 10, counted);
  EXPECT_TRUE(counted[1]);
  EXPECT_TRUE(counted[2]);
  EXPECT_TRUE(counted[TScreenSignature::Columns + 1]);
  EXPECT_FALSE(counted[3]);
  EXPECT_DOUBLE_EQ(TScreenSignature::Share(alike, std::vector<bool>(cells, false)), 0.0);
}

TEST(ScreenSignature, AnyLitFindsTheFirstVisiblePixel) {
  TPicture black;
  black.Resize(64, 32);
  for (std::size_t i = 3; i < black.Pixels.size(); i += 4) black.Pixels[i] = 255;
  EXPECT_FALSE(TScreenSignature::AnyLit(black));
  TPicture dim = black;
  dim.Row(10)[20 * 4 + 2] = 1;  // the faintest blue, as a fade from black begins
  EXPECT_TRUE(TScreenSignature::AnyLit(dim));
  EXPECT_FALSE(TScreenSignature::AnyLit(TPicture{}));
}
