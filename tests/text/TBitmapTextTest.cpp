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

TEST(GameFont, PatternsOfBothFonts) {
  const std::string normalOrder =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!#$%&*()-+=;:'\",./?| ";
  for (std::size_t i = 0; i < normalOrder.size(); ++i)
    EXPECT_EQ(TGameFont::PatternOf(Normal, normalOrder[i]), static_cast<int>(i)) << normalOrder[i];
  const std::string commentOrder = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789':!&- ";
  for (std::size_t i = 0; i < commentOrder.size(); ++i)
    EXPECT_EQ(TGameFont::PatternOf(Comment, commentOrder[i]), static_cast<int>(i));
  for (unsigned char c : {'@', '_', '~', '\t', '[', '\\', '<'})
    EXPECT_EQ(TGameFont::PatternOf(Normal, c), -1) << c;
  for (int c = 128; c < 256; ++c) EXPECT_EQ(TGameFont::PatternOf(Normal, c), -1) << c;
}

TEST(GameFont, EachFontDropsWhatItLacks) {
  EXPECT_EQ(TGameFont::Filter(Normal, "caf\xE9 <ok>"), "caf ok");
  EXPECT_EQ(TGameFont::Filter(Comment, "Time's up? Yes. 3:0 & go-go!"), "TIME'S UP YES 3:0 & GO-GO!");
  EXPECT_EQ(TGameFont::Filter(Comment, "a,b;c/d\"e"), "ABCDE");
  EXPECT_EQ(TGameFont::Filter(Normal, "Semi;colon|bar"), "Semi;colon|bar");
}

TEST(GameFont, WidthsAndRounding) {
  EXPECT_EQ(TGameFont::TextWidth(Normal, "Il", 0, 1), 14);
  EXPECT_EQ(TGameFont::TextWidth(Normal, "W m@", 0, 1), 30 + 13 + 28);
  EXPECT_EQ(TGameFont::WidthOf(Normal, '~'), 20);  // unlisted: 20 (though dropped when drawn)
  EXPECT_EQ(TGameFont::TextWidth(Comment, "w i", 0, 1), 44 + 12 + 22);  // upper-cased first
  EXPECT_EQ(TGameFont::TextWidth(Comment, "?", 0, 1), 0);
  // Every advance is rounded on its own, halves to even: (7+0)*0.5 = 3.5 -> 4; (9)*0.5 -> 4.
  EXPECT_EQ(TGameFont::Advance(Normal, 'I', 0, 0.5), 4);
  EXPECT_EQ(TGameFont::Advance(Normal, ':', 0, 0.5), 4);
  EXPECT_EQ(TGameFont::TextWidth(Normal, "I:", 0, 0.5), 8);
  EXPECT_EQ(TGameFont::TextWidth(Normal, "AA", 2, 1.5), 2 * 39);
  EXPECT_EQ(TGameFont::TextWidth(Normal, "AA", -1, 0.96), 2 * 22);  // 22.08
}

TEST(WrapText, BreaksAtWordsToFitTheWidth) {
  // "aa" = 40, " " = 13: each line is measured with its leading space, so " aa aa" is 106
  // although "aa aa" alone would be 93.
  EXPECT_EQ(WrapText(Normal, "aa aa aa", 0, 100, 1), "aa|aa|aa");
  EXPECT_EQ(WrapText(Normal, "aa aa aa", 0, 105, 1), "aa|aa|aa");
  EXPECT_EQ(WrapText(Normal, "aa aa aa", 0, 106, 1), "aa aa|aa");
  EXPECT_EQ(WrapText(Normal, "aa aa aa", 0, 52, 1), "aa|aa|aa");
  EXPECT_EQ(WrapText(Normal, "aa aa aa", 0, 159, 1), "aa aa aa");
  EXPECT_EQ(WrapText(Normal, "aa aa aa", 2, 159, 1), "aa aa|aa");  // spacing counts
  // The comment font measures capitals: " AA AA" is 12 + 62 + 12 + 62.
  EXPECT_EQ(WrapText(Comment, "aa aa", 0, 147, 1), "aa|aa");
  EXPECT_EQ(WrapText(Comment, "aa aa", 0, 148, 1), "aa aa");
  // A word wider than the width keeps a line of its own; no empty line before it.
  EXPECT_EQ(WrapText(Normal, "Wonderful a", 0, 30, 1), "Wonderful|a");
  // Runs of spaces are one break; leading and trailing spaces vanish.
  EXPECT_EQ(WrapText(Normal, "   one    two  ", 0, 1000, 1), "one two");
  EXPECT_EQ(WrapText(Normal, "", 0, 100, 1), "");
}

TEST(WrapText, Limits) {
  // Words are cut to 50 characters.
  std::string longWord(60, 'x');
  EXPECT_EQ(WrapText(Normal, longWord, 0, 10, 1), std::string(50, 'x'));
  // At most 20 lines.
  std::string many;
  for (int i = 0; i < 25; ++i) many += "ab ";
  std::string wrapped = WrapText(Normal, many, 0, 10, 1);
  EXPECT_EQ(std::count(wrapped.begin(), wrapped.end(), '|'), 19);
  // At most 255 characters come back.
  std::string text;
  for (int i = 0; i < 200; ++i) text += "word ";
  EXPECT_LE(WrapText(Normal, text, 0, 2000, 1).size(), 255u);
  // At most 200 words are read.
  std::string words;
  for (int i = 0; i < 210; ++i) words += (i < 200 ? "a " : "Z ");
  EXPECT_EQ(WrapText(Normal, words, 0, 100000, 1).find('Z'), std::string::npos);
}

TEST(GlobalGameText, DrawsEachGlyphAtItsAdvance) {
  FontRig rig;
  TGlobalGameText text;
  text.OmgImgList = &rig.images;
  text.OrigLetterWidth = 20;
  text.OrigLetterHeight = 25;
  text.DrawText(100, 200, TGlobalGameText::tcWhite, 0, 200, 0, 1.0, "Ab\xE9!");
  auto g = rig.Take();
  ASSERT_EQ(g.size(), 3u);  // the accented letter is dropped without a gap
  // (x, y) is the centre of the first cell: 20/2 = 10, 25/2 = 12.5 -> 12.
  EXPECT_FLOAT_EQ(g[0].X, 90);
  EXPECT_FLOAT_EQ(g[0].Y, 188);
  EXPECT_EQ(g[0].Pattern, 0);
  EXPECT_EQ(g[0].Image, "GlobalFontWhite");
  EXPECT_FLOAT_EQ(g[1].X, 90 + 24);
  EXPECT_EQ(g[1].Pattern, 27);
  EXPECT_FLOAT_EQ(g[2].X, 90 + 24 + 19);
  EXPECT_EQ(g[2].Pattern, 62);
  EXPECT_EQ(g[0].A, FontRig::Through(200));
  EXPECT_EQ(g[0].R, FontRig::Through(255));

  // Scaled about the glyph's top-left corner; the centring offset scales too.
  text.DrawText(100, 200, TGlobalGameText::tcYellow, 0, 255, 2, 0.5, "AB");
  g = rig.Take();
  ASSERT_EQ(g.size(), 2u);
  EXPECT_FLOAT_EQ(g[0].X, 95);             // 0.5*20/2 = 5
  EXPECT_FLOAT_EQ(g[0].Y, 194);            // 0.5*25/2 = 6.25 -> 6
  EXPECT_FLOAT_EQ(g[0].W, 4);              // an 8-pixel tile at half size
  EXPECT_FLOAT_EQ(g[1].X, 95 + 13);        // (24+2)*0.5
  EXPECT_EQ(g[1].B, 0);
  EXPECT_EQ(g[1].G, FontRig::Through(255));

  text.DrawText(0, 0, 0, 0, 255, 0, 0, "A");
  text.DrawText(0, 0, 0, 0, 255, 0, -1, "A");
  EXPECT_TRUE(rig.Take().empty());
}

TEST(GlobalGameText, MaxWidthStopsBeforeTheCharacterThatWouldPassIt) {
  FontRig rig;
  TGlobalGameText text;
  text.OmgImgList = &rig.images;
  text.DrawText(0, 0, 0, 48, 255, 0, 1, "AAA");  // 24 + 24 = 48 fits, a third would not
  EXPECT_EQ(rig.Take().size(), 2u);
  text.DrawText(0, 0, 0, 47, 255, 0, 1, "AAA");
  EXPECT_EQ(rig.Take().size(), 1u);
  text.DrawText(0, 0, 0, 0, 255, 0, 1, "AAA");
  EXPECT_EQ(rig.Take().size(), 3u);
}

TEST(GlobalGameText, ColoursAndShadow) {
  FontRig rig;
  TGlobalGameText text;
  text.OmgImgList = &rig.images;
  text.OrigLetterWidth = 20;
  text.OrigLetterHeight = 24;
  text.DrawShadowText(50, 60, TGlobalGameText::tcRed, 0, 255, 0, 1, "A");
  auto g = rig.Take();
  ASSERT_EQ(g.size(), 2u);
  EXPECT_FLOAT_EQ(g[0].X, 41);
  EXPECT_FLOAT_EQ(g[0].Y, 50);
  EXPECT_EQ(g[0].R + g[0].G + g[0].B, 0);
  EXPECT_FLOAT_EQ(g[1].X, 40);
  EXPECT_FLOAT_EQ(g[1].Y, 48);
  EXPECT_EQ(g[1].R, FontRig::Through(255));
  EXPECT_EQ(g[1].G, 0);
  std::uint8_t r, gg, b;
  TGlobalGameText::ColourOf(9, r, gg, b);  // unknown colours draw white
  EXPECT_EQ(r + gg + b, 3 * 255);
}
