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
    if (s.Patterns() < 2 || s.Name == "GlobalFontWhite" || s.Name == "CommentFont") continue;
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
