// The written tree: every file decodes through the game's own loader at its manifest
// size, the output is the same bytes every time, and stale pictures go.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "AssetgenTestSupport.h"
#include "Generator.h"
#include "engine/TPictureDecoder.h"
#include "support/TempDir.h"

using namespace assetgen;
namespace fs = std::filesystem;

namespace {
std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

TEST(PictureTree, EveryFileDecodesAtItsSizeAndRepeatsByteForByte) {
  TempDir levels, first, second;
  std::vector<std::string> rows(12, std::string(16, '#'));
  rows[0] = "....########....";
  assetgen_test::WriteLevel(levels.File("Level1-01.eil"), rows, false);
  assetgen_test::WriteLevel(levels.File("Level1-13.eil"), rows, true);
  std::vector<TAssetSpec> m = BuildManifest(levels.Str());

  // A picture from an older manifest is removed; other files are left alone.
  fs::create_directories(first.Path / "Menu");
  std::ofstream(first.File("Menu/Retired.png")) << "old";
  std::ofstream(first.File("readme.txt")) << "keep";

  std::string error;
  ASSERT_TRUE(GenerateTree(first.Str(), m, 2, error)) << error;
  ASSERT_TRUE(GenerateTree(second.Str(), m, 1, error)) << error;
  EXPECT_FALSE(fs::exists(first.File("Menu/Retired.png")));
  EXPECT_TRUE(fs::exists(first.File("readme.txt")));

  std::size_t files = 0;
  for (const auto& e : fs::recursive_directory_iterator(first.Path))
    if (e.is_regular_file() && e.path().extension() != ".txt") ++files;
  EXPECT_EQ(files, m.size());

  for (const auto& s : m) {
    std::string path = first.File(s.RelativePath());
    TPicture pic;
    ASSERT_TRUE(TPictureDecoder::DecodeFile(path, pic, error)) << s.Name << ": " << error;
    EXPECT_EQ(pic.Width, s.Width()) << s.Name;
    EXPECT_EQ(pic.Height, s.Height()) << s.Name;
    // The loader divides the picture by the grid; nothing may be left over.
    EXPECT_EQ(pic.Width % s.Columns, 0) << s.Name;
    EXPECT_EQ(pic.Height % s.Rows, 0) << s.Name;
    // Something is drawn in every picture.
    bool drawn = false;
    for (std::size_t i = 3; i < pic.Pixels.size() && !drawn; i += 4) drawn = pic.Pixels[i] != 0;
    EXPECT_TRUE(drawn) << s.Name;
    EXPECT_EQ(ReadAll(path), ReadAll(second.File(s.RelativePath()))) << s.Name;
  }
  EXPECT_TRUE(fs::exists(first.File("Board/Level1-01.png")));
  EXPECT_TRUE(fs::exists(first.File("Board/Boss1.png")));
  EXPECT_TRUE(fs::exists(first.File("Logo/CompanyLogo3.jpg")));
}

TEST(PictureTree, EveryPatternOfAStripHoldsSomething) {
  // A strip whose later patterns are empty would make animations flicker to nothing.
  std::vector<TAssetSpec> m = BuildManifest();
  for (const auto& s : m) {
    // Fonts leave the space and the cells after their last character empty.
    if (s.Patterns() < 2 || s.Name == "GlobalFontWhite" || s.Name == "GlobalFontInk" ||
        s.Name == "CommentFont")
      continue;
    TPicture p = RenderPicture(s);
    for (int k = 0; k < s.Patterns(); ++k) {
      int ox = (k % s.Columns) * s.TileWidth, oy = (k / s.Columns) * s.TileHeight;
      bool any = false;
      for (int y = 0; y < s.TileHeight && !any; ++y)
        for (int x = 0; x < s.TileWidth && !any; ++x) any = p.Row(oy + y)[(ox + x) * 4 + 3] != 0;
      EXPECT_TRUE(any) << s.Name << " pattern " << k;
    }
  }
}

namespace {
// The same drawing at another place in a strip may differ by rounding in gradients.
bool SamePattern(const TPicture& a, int pa, int colsA, const TPicture& b, int pb, int colsB,
                 int w, int h) {
  // Compared premultiplied, so nearly transparent edge pixels count for little.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = a.Row(y) + ((pa % colsA) * w + x) * 4;
      const std::uint8_t* q = b.Row(y) + ((pb % colsB) * w + x) * 4;
      for (int k = 0; k < 4; ++k) {
        int u = k == 3 ? p[3] : p[k] * p[3] / 255, v = k == 3 ? q[3] : q[k] * q[3] / 255;
        if (u - v > 6 || v - u > 6) return false;
      }
    }
  return true;
}
}  // namespace

TEST(PictureTree, StripsFollowTheirSlotAndFlightOrders) {
  std::vector<TAssetSpec> m = BuildManifest();
  TPicture inside = RenderPicture(*assetgen_test::Find(m, "ElementsInside"));
  TPicture gather = RenderPicture(*assetgen_test::Find(m, "ElementGather"));
  TPicture flowing = RenderPicture(*assetgen_test::Find(m, "FlowingElements"));
  // Gathering slots: potions 1-2, fruits 1-8, flowers 1-4 (element codes 17, 18, 1..8, 13..16).
  const int slotCode[14] = {17, 18, 1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 15, 16};
  for (int slot = 1; slot <= 14; ++slot)
    EXPECT_TRUE(SamePattern(gather, slot - 1, 17, inside, slotCode[slot - 1] - 1, 18, 52, 52))
        << "slot " << slot;
  // Flights: fruit c at pattern c - 1, flower c (13..16) at c - 5.
  for (int c = 1; c <= 8; ++c)
    EXPECT_TRUE(SamePattern(flowing, c - 1, 17, inside, c - 1, 18, 52, 52)) << "fruit " << c;
  for (int c = 13; c <= 16; ++c)
    EXPECT_TRUE(SamePattern(flowing, c - 5, 17, inside, c - 1, 18, 52, 52)) << "flower " << c;
  // The spider and the gold tiles are the same in both strips.
  EXPECT_TRUE(SamePattern(flowing, 12, 17, gather, 14, 17, 52, 52));
  EXPECT_TRUE(SamePattern(flowing, 13, 17, gather, 15, 17, 52, 52));
  EXPECT_TRUE(SamePattern(flowing, 15, 17, gather, 16, 17, 52, 52));
  EXPECT_FALSE(SamePattern(flowing, 13, 17, flowing, 15, 17, 52, 52));
}

TEST(PictureTree, ElementsHaveDistinctSilhouettes) {
  // Players who cannot tell the colours apart still see different outlines: no two
  // elements cover nearly the same pixels (round fruits overlap most, about 0.87).
  std::vector<TAssetSpec> m = BuildManifest();
  TPicture p = RenderPicture(*assetgen_test::Find(m, "ElementsInside"));
  std::vector<std::vector<bool>> masks(18, std::vector<bool>(52 * 52));
  for (int e = 0; e < 18; ++e)
    for (int y = 0; y < 52; ++y)
      for (int x = 0; x < 52; ++x) masks[e][y * 52 + x] = p.Row(y)[(e * 52 + x) * 4 + 3] > 128;
  for (int a = 0; a < 18; ++a)
    for (int b = a + 1; b < 18; ++b) {
      int both = 0, either = 0;
      for (int i = 0; i < 52 * 52; ++i) {
        both += masks[a][i] && masks[b][i];
        either += masks[a][i] || masks[b][i];
      }
      double overlap = static_cast<double>(both) / either;
      EXPECT_LT(overlap, 0.9) << "elements " << a + 1 << " and " << b + 1;
    }
}
