#include <gtest/gtest.h>

#include <algorithm>

#include "FontRig.h"
#include "text/TGameFont.h"
#include "text/TGlobalGameText.h"
#include "text/WrapText.h"

namespace {
constexpr auto Normal = TGameFontKind::fkAirstripNormal;
constexpr auto Comment = TGameFontKind::fkAirstripComment;
}  // namespace

TEST(GameFont, EachFontDropsWhatItLacks) {
  EXPECT_EQ(TGameFont::Filter(Normal, "caf\xE9 <ok>@_~\t"), "caf ok");
  EXPECT_EQ(TGameFont::Filter(Normal, "#$%&*()-+=;:'\",./?|"), "#$%&*()-+=;:'\",./?|");
  EXPECT_EQ(TGameFont::Filter(Comment, "Time's up? Yes. 3:0 & go-go!"), "TIME'S UP YES 3:0 & GO-GO!");
  EXPECT_EQ(TGameFont::Filter(Comment, "a,b;c/d\"e\xC9"), "ABCDE");
  EXPECT_EQ(TGameFont::PatternOf(Normal, 'z'), 51);
  EXPECT_EQ(TGameFont::PatternOf(Normal, ' '), 82);
  EXPECT_EQ(TGameFont::PatternOf(Comment, '9'), 35);
  EXPECT_EQ(TGameFont::PatternOf(Comment, ' '), 41);
}

TEST(GameFont, WidthsAndRounding) {
  EXPECT_EQ(TGameFont::TextWidth(Normal, "Il", 0, 1), 14);
  EXPECT_EQ(TGameFont::TextWidth(Normal, "W m@", 0, 1), 30 + 13 + 28);  // "@" dropped
  EXPECT_EQ(TGameFont::TextWidth(Comment, "w i", 0, 1), 44 + 12 + 22);  // upper-cased first
  // Every advance is rounded on its own, halves to even: 7 * 0.5 -> 4, 9 * 0.5 -> 4.
  EXPECT_EQ(TGameFont::TextWidth(Normal, "I:", 0, 0.5), 8);
  EXPECT_EQ(TGameFont::TextWidth(Normal, "AA", 2, 1.5), 2 * 39);
  EXPECT_EQ(TGameFont::TextWidth(Normal, "AA", -1, 0.96), 2 * 22);
}

TEST(WrapText, BreaksAtWordsToFitTheWidth) {
  // "aa" = 40, " " = 13; a line is measured with its leading space: " aa aa" is 106
  // although "aa aa" alone is 93.
  EXPECT_EQ(WrapText(Normal, "aa aa aa", 0, 105, 1), "aa|aa|aa");
  EXPECT_EQ(WrapText(Normal, "aa aa aa", 0, 106, 1), "aa aa|aa");
  EXPECT_EQ(WrapText(Normal, "aa aa aa", 0, 159, 1), "aa aa aa");
  EXPECT_EQ(WrapText(Normal, "aa aa aa", 2, 159, 1), "aa aa|aa");
  EXPECT_EQ(WrapText(Comment, "aa aa", 0, 147, 1), "aa|aa");  // measured as capitals
  // A word wider than the width keeps a line of its own, with no empty line before it.
  EXPECT_EQ(WrapText(Normal, "Wonderful a", 0, 30, 1), "Wonderful|a");
  EXPECT_EQ(WrapText(Normal, "   one    two  ", 0, 1000, 1), "one two");
  // Limits: words of 50 characters, 20 lines, 200 words, 255 characters.
  EXPECT_EQ(WrapText(Normal, std::string(60, 'x'), 0, 10, 1), std::string(50, 'x'));
  std::string many, words, text;
  for (int i = 0; i < 25; ++i) many += "ab ";
  std::string wrapped = WrapText(Normal, many, 0, 10, 1);
  EXPECT_EQ(std::count(wrapped.begin(), wrapped.end(), '|'), 19);
  for (int i = 0; i < 210; ++i) words += (i < 200 ? "a " : "Z ");
  EXPECT_EQ(WrapText(Normal, words, 0, 100000, 1).find('Z'), std::string::npos);
  for (int i = 0; i < 100; ++i) text += "word ";
  EXPECT_EQ(WrapText(Normal, text, 0, 100000, 1).size(), 255u);
}

TEST(GlobalGameText, DrawsEachGlyphAtItsAdvance) {
  FontRig rig;
  TGlobalGameText text;
  text.OmgImgList = &rig.images;
  text.OrigLetterWidth = 20;
  text.OrigLetterHeight = 25;
  text.DrawText(100, 200, "Ab\xE9!", {.Alpha = 200});
  auto g = rig.Take();
  ASSERT_EQ(g.size(), 3u);  // the accented letter is dropped without a gap
  // (x, y) is the centre of the first cell: 20 / 2 = 10, 25 / 2 = 12.5 -> 12.
  EXPECT_FLOAT_EQ(g[0].X, 90);
  EXPECT_FLOAT_EQ(g[0].Y, 188);
  EXPECT_EQ(g[0].Image, "GlobalFontWhite");
  EXPECT_FLOAT_EQ(g[1].X, 90 + 24);
  EXPECT_EQ(g[1].Pattern, 27);
  EXPECT_FLOAT_EQ(g[2].X, 90 + 24 + 19);
  EXPECT_EQ(g[2].Pattern, 62);
  EXPECT_EQ(g[0].A, FontRig::Through(200));

  // Scaled about the glyph's top-left corner; the centring offset scales too.
  text.DrawText(100, 200, "AB",
                {.Scale = 0.5, .Colour = TGlobalGameText::tcYellow, .ExtraSpacing = 2});
  g = rig.Take();
  ASSERT_EQ(g.size(), 2u);
  EXPECT_FLOAT_EQ(g[0].X, 95);  // 0.5 * 20 / 2
  EXPECT_FLOAT_EQ(g[0].Y, 194);  // 0.5 * 25 / 2 = 6.25 -> 6
  EXPECT_FLOAT_EQ(g[0].W, 4);   // an 8-pixel tile at half size
  EXPECT_FLOAT_EQ(g[1].X, 95 + 13);  // (24 + 2) * 0.5
  EXPECT_EQ(g[1].B, 0);
  EXPECT_EQ(g[1].G, FontRig::Through(255));

  text.DrawText(0, 0, "A", {.Scale = 0});
  text.DrawText(0, 0, "A", {.Scale = -1});
  EXPECT_TRUE(rig.Take().empty());
}

TEST(GlobalGameText, MaxWidthAndShadow) {
  FontRig rig;
  TGlobalGameText text;
  text.OmgImgList = &rig.images;
  text.DrawText(0, 0, "AAA", {.MaxWidth = 48});  // 24 + 24 fits, a third would not
  EXPECT_EQ(rig.Take().size(), 2u);
  text.DrawText(0, 0, "AAA", {.MaxWidth = 47});
  EXPECT_EQ(rig.Take().size(), 1u);

  text.OrigLetterWidth = 20;
  text.OrigLetterHeight = 24;
  text.DrawShadowText(50, 60, "A", {.Colour = TGlobalGameText::tcRed});
  auto g = rig.Take();
  ASSERT_EQ(g.size(), 2u);
  EXPECT_FLOAT_EQ(g[0].X, 41);
  EXPECT_FLOAT_EQ(g[0].Y, 50);
  EXPECT_EQ(g[0].R + g[0].G + g[0].B, 0);
  EXPECT_FLOAT_EQ(g[1].X, 40);
  EXPECT_FLOAT_EQ(g[1].Y, 48);
  EXPECT_EQ(g[1].R, FontRig::Through(255));
  EXPECT_EQ(g[1].G, 0);
}
