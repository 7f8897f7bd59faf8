// The digit strips of the counters and the level label: the game sets a number's digits one
// pattern apart, so the pictures alone decide whether "12" reads as a number.
#include <gtest/gtest.h>

#include <algorithm>

#include "AssetgenTestSupport.h"
#include "Generator.h"
#include "Painters.h"

using namespace assetgen;

namespace {

const std::vector<TAssetSpec>& Manifest() {
  static const std::vector<TAssetSpec> m = BuildManifest();
  return m;
}

struct TInk {
  int Left = 1 << 30, Right = -1, Top = 1 << 30, Bottom = -1;
};

// Ink (alpha above half) of pattern p, in the pattern's own pixels.
TInk InkOf(const TPicture& pic, const TAssetSpec& s, int p) {
  TInk ink;
  for (int y = 0; y < s.TileHeight; ++y)
    for (int x = 0; x < s.TileWidth; ++x)
      if (pic.Row((p / s.Columns) * s.TileHeight + y)[((p % s.Columns) * s.TileWidth + x) * 4 + 3] > 128) {
        ink.Left = std::min(ink.Left, x);
        ink.Right = std::max(ink.Right, x);
        ink.Top = std::min(ink.Top, y);
        ink.Bottom = std::max(ink.Bottom, y);
      }
  return ink;
}

const char* const kStrips[] = {"ElementGatherNumber", "Score", "LevelInfoDigit"};

}  // namespace

TEST(DigitStrips, EveryDigitOfAStripStandsAtOneSize) {
  for (const char* name : kStrips) {
    const TAssetSpec& s = *assetgen_test::Find(Manifest(), name);
    TPicture pic = RenderPicture(s);
    TInk zero = InkOf(pic, s, 0);
    for (int d = 1; d <= 9; ++d) {
      TInk ink = InkOf(pic, s, d);
      EXPECT_NEAR(ink.Top, zero.Top, 1) << name << " " << d;
      EXPECT_NEAR(ink.Bottom, zero.Bottom, 1) << name << " " << d;
    }
    // Centred in the pattern, so the number's middle is where the game centres it.
    EXPECT_NEAR(zero.Top + zero.Bottom, s.TileHeight - 1, 2) << name;
  }
}

TEST(DigitStrips, NeighbouringDigitsStandEquallyClose) {
  // Any two digits one pattern apart leave about the same small gap: a narrow "1" centred
  // in a wide pattern made "12" read "1 2".
  for (const char* name : kStrips) {
    const TAssetSpec& s = *assetgen_test::Find(Manifest(), name);
    TPicture pic = RenderPicture(s);
    int widest = 0, narrowest = 1 << 30;
    for (int a = 0; a <= 9; ++a)
      for (int b = 0; b <= 9; ++b) {
        int gap = (s.TileWidth - 1 - InkOf(pic, s, a).Right) + InkOf(pic, s, b).Left;
        widest = std::max(widest, gap);
        narrowest = std::min(narrowest, gap);
      }
    EXPECT_GE(narrowest, 1) << name << ": digits must not touch";
    EXPECT_LE(widest, 4) << name;
    EXPECT_LE(widest - narrowest, 2) << name;
  }
}

TEST(DigitStrips, TheLevelLabelsDashSitsBetweenItsNumbers) {
  // The game sets the island number from x 1200 and the level number from 1228, both from
  // y 25, over the top panel drawn at (2, 0). The dash between them is a short light stroke
  // at the digits' middle height, halfway between the two.
  const TAssetSpec& digits = *assetgen_test::Find(Manifest(), "LevelInfoDigit");
  const TAssetSpec& panel = *assetgen_test::Find(Manifest(), "TopPanel");
  TPicture pic = RenderPicture(panel);
  const int from = 1200 + digits.TileWidth - 2, to = 1228 - 2;  // picture x
  int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
  for (int y = 20; y < 55; ++y)
    for (int x = from; x < to; ++x) {
      const std::uint8_t* px = pic.Row(y) + x * 4;
      if (px[0] > 200 && px[1] > 200) {  // light, as the digits are
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  ASSERT_GE(right, left) << "no dash";
  EXPECT_NEAR((left + right) / 2.0, (from + to) / 2.0, 1);
  EXPECT_NEAR((top + bottom) / 2.0, 25 + digits.TileHeight / 2.0, 1.5);
  EXPECT_LE(bottom - top + 1, 4);  // a stroke, not a block
  EXPECT_LE(right - left + 1, digits.TileWidth);
}
