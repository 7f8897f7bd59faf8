// The two font sheets: every glyph in the pattern its character maps to, its ink
// inside the advance box the text writer gives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "AssetgenTestSupport.h"
#include "ContrastSupport.h"
#include "FontTables.h"
#include "Generator.h"
#include "text/TGameFont.h"

using namespace assetgen;

namespace {

struct TInk {
  int Left = 1 << 30, Right = -1, Top = 1 << 30, Bottom = -1;
  bool Any() const { return Right >= 0; }
};

TInk InkOf(const TPicture& p, const TFontLayout& L, int pattern) {
  TInk ink;
  int ox = (pattern % L.Columns) * L.CellWidth, oy = (pattern / L.Columns) * L.CellHeight;
  for (int y = 0; y < L.CellHeight; ++y)
    for (int x = 0; x < L.CellWidth; ++x)
      if (p.Row(oy + y)[(ox + x) * 4 + 3] > 24) {
        ink.Left = std::min(ink.Left, x);
        ink.Right = std::max(ink.Right, x);
        ink.Top = std::min(ink.Top, y);
        ink.Bottom = std::max(ink.Bottom, y);
      }
  return ink;
}

void CheckSheet(const char* image, const TFontLayout& L, const std::string& order,
                int (*advance)(char)) {
  std::vector<TAssetSpec> m = BuildManifest();
  const TAssetSpec* s = assetgen_test::Find(m, image);
  ASSERT_NE(s, nullptr);
  ASSERT_EQ(s->Columns, L.Columns);
  ASSERT_EQ(s->Rows, L.Rows);
  ASSERT_EQ(s->TileWidth, L.CellWidth);
  ASSERT_EQ(s->TileHeight, L.CellHeight);
  ASSERT_LE(order.size(), static_cast<std::size_t>(L.Columns * L.Rows));
  TPicture p = RenderPicture(*s);
  for (std::size_t i = 0; i < order.size(); ++i) {
    char ch = order[i];
    TInk ink = InkOf(p, L, static_cast<int>(i));
    if (ch == ' ') {
      EXPECT_FALSE(ink.Any()) << image << ": space has ink";
      continue;
    }
    ASSERT_TRUE(ink.Any()) << image << ": no glyph for '" << ch << "'";
    int a = advance(ch);
    EXPECT_GE(ink.Left, L.AdvanceLeft - L.Pad) << image << " '" << ch << "'";
    EXPECT_LE(ink.Right, L.AdvanceLeft + a + L.Pad) << image << " '" << ch << "'";
    // Most of the box is used: the glyph is not a speck in a wide advance.
    EXPECT_GE(ink.Right - ink.Left + 1, std::min(a, 8)) << image << " '" << ch << "'";
    // Nothing is cut at the cell's edges.
    EXPECT_GT(ink.Left, 0) << image << " '" << ch << "'";
    EXPECT_LT(ink.Right, L.CellWidth - 1) << image << " '" << ch << "'";
    EXPECT_GT(ink.Top, 0) << image << " '" << ch << "'";
    EXPECT_LT(ink.Bottom, L.CellHeight - 1) << image << " '" << ch << "'";
  }
  // Unused patterns stay empty.
  for (int i = static_cast<int>(order.size()); i < L.Columns * L.Rows; ++i)
    EXPECT_FALSE(InkOf(p, L, i).Any()) << image << " pattern " << i;
}

int TextWidth(const std::string& s, int (*advance)(char)) {
  int w = 0;
  for (char c : s) w += advance(c);
  return w;
}

}  // namespace

TEST(FontSheets, GlyphOrderFollowsTheCharacterMaps) {
  const std::string& n = NormalGlyphOrder();
  ASSERT_EQ(n.size(), 83u);
  EXPECT_EQ(n.find('A'), 0u);
  EXPECT_EQ(n.find('a'), 26u);
  EXPECT_EQ(n.find('0'), 52u);
  EXPECT_EQ(n.find('!'), 62u);
  EXPECT_EQ(n.find('"'), 76u);
  EXPECT_EQ(n.find('|'), 81u);
  EXPECT_EQ(n.find(' '), 82u);
  const std::string& c = CommentGlyphOrder();
  ASSERT_EQ(c.size(), 42u);
  EXPECT_EQ(c.find('0'), 26u);
  EXPECT_EQ(c.find('\''), 36u);
  EXPECT_EQ(c.find('&'), 39u);
  EXPECT_EQ(c.find(' '), 41u);
}

TEST(FontSheets, AdvanceTables) {
  EXPECT_EQ(TextWidth("Il", NormalAdvance), 14);
  EXPECT_EQ(NormalAdvance('W'), 30);
  EXPECT_EQ(NormalAdvance('m'), 28);
  EXPECT_EQ(NormalAdvance('"'), 14);
  EXPECT_EQ(NormalAdvance(' '), 13);
  EXPECT_EQ(NormalAdvance('B'), 20);  // not listed
  EXPECT_EQ(NormalAdvance('#'), 23);
  EXPECT_EQ(CommentAdvance('W'), 44);
  EXPECT_EQ(CommentAdvance(' '), 12);
  EXPECT_EQ(CommentAdvance('\''), 20);  // not listed
  EXPECT_EQ(CommentAdvance('&'), 31);
  EXPECT_EQ(TextWidth("GO!", CommentAdvance), 32 + 33 + 21);
}

TEST(FontSheets, SheetsAgreeWithTheGamesTextWriter) {
  const struct {
    TGameFontKind Kind;
    const std::string& Order;
    int (*Advance)(char);
  } fonts[2] = {{TGameFontKind::fkAirstripNormal, NormalGlyphOrder(), NormalAdvance},
                {TGameFontKind::fkAirstripComment, CommentGlyphOrder(), CommentAdvance}};
  for (const auto& f : fonts) {
    for (std::size_t i = 0; i < f.Order.size(); ++i) {
      unsigned char ch = static_cast<unsigned char>(f.Order[i]);
      EXPECT_EQ(TGameFont::PatternOf(f.Kind, ch), static_cast<int>(i)) << f.Order[i];
      EXPECT_EQ(TGameFont::WidthOf(f.Kind, ch), f.Advance(f.Order[i])) << f.Order[i];
    }
  }
  EXPECT_STREQ(TGameFont::ImageName(TGameFontKind::fkAirstripNormal), NormalFontLayout().Image);
  EXPECT_STREQ(TGameFont::ImageName(TGameFontKind::fkAirstripComment), CommentFontLayout().Image);
}

TEST(FontSheets, NormalGlyphsFitTheirAdvances) {
  CheckSheet("GlobalFontWhite", NormalFontLayout(), NormalGlyphOrder(), NormalAdvance);
}

TEST(FontSheets, CommentGlyphsFitTheirAdvances) {
  CheckSheet("CommentFont", CommentFontLayout(), CommentGlyphOrder(), CommentAdvance);
}

TEST(FontSheets, GlyphsAreWhiteSoTheGameCanTintThem) {
  std::vector<TAssetSpec> m = BuildManifest();
  TPicture p = RenderPicture(*assetgen_test::Find(m, "GlobalFontWhite"));
  // The middle row of the "H" glyph crosses its bar: the bar's centre is white.
  const TFontLayout& L = NormalFontLayout();
  int pattern = 7;  // 'H'
  TInk ink = InkOf(p, L, pattern);
  int y = (ink.Top + ink.Bottom) / 2, x = (ink.Left + ink.Right) / 2;
  const std::uint8_t* px = p.Row((pattern / L.Columns) * L.CellHeight + y) +
                           ((pattern % L.Columns) * L.CellWidth + x) * 4;
  EXPECT_GE(px[0], 220);
  EXPECT_GE(px[1], 220);
  EXPECT_GE(px[2], 220);
  EXPECT_EQ(px[3], 255);
}

namespace {
// The lightest colour of a picture's middle, seen over white (the tiles let a little of
// the scenery through): the parchment of a window, the face of a tile.
assetgen_test::TRgb LightestMiddle(const std::string& name) {
  const TPicture& p = assetgen_test::Picture(name);
  assetgen_test::TScreen s(p.Width, p.Height);
  s.Draw(p, 0, 0);
  std::vector<TAssetSpec> m = BuildManifest();
  const TAssetSpec& asset = *assetgen_test::Find(m, name);
  return s.Lightest(asset.TileWidth / 4, asset.TileHeight / 4, asset.TileWidth * 3 / 4,
                    asset.TileHeight * 3 / 4);
}
}  // namespace

TEST(FontSheets, OutlinesStandOffParchmentAndPaleTiles) {
  // White text is written on the windows' parchment (credits, high scores, questions,
  // the player list); comments fly over the board's pale tiles.
  const assetgen_test::TRgb parchment = LightestMiddle("InfoWindow");
  const assetgen_test::TRgb tile = LightestMiddle("BackgroundTile");
  ASSERT_GT(parchment.Luminance(), 0.7);  // the backgrounds really are light
  ASSERT_GT(tile.Luminance(), 0.7);
  for (const assetgen_test::TRgb& bg : {parchment, tile}) {
    EXPECT_GE(assetgen_test::WeakestFontOutline(bg), 4.5);
    EXPECT_GE(assetgen_test::WeakestGlyphOutline("CommentFont", CommentFontLayout(),
                                                 CommentGlyphOrder(), bg),
              4.5);
  }
}
