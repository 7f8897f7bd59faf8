#include <gtest/gtest.h>

#include <vector>

#include "FontRig.h"
#include "text/TNarrationText.h"

namespace {
struct NarrationRig {
  FontRig fonts;
  TNarrationText text;
  NarrationRig() { text.OmgImgList = &fonts.images; }
  int Revealed() {
    int n = 0;
    for (int l = 1; l <= TNarrationText::MaxLines; ++l)
      for (std::size_t i = 0; i < text.Line(l).size(); ++i)
        if (text.AlphaOf(l, static_cast<int>(i)) > 0) ++n;
    return n;
  }
};
}  // namespace

TEST(NarrationText, SplitsIntoTenFilteredLinesOfAtMostHundred) {
  NarrationRig rig;
  std::string text;
  for (int i = 1; i <= 12; ++i) text += "line" + std::to_string(i) + (i < 12 ? "|" : "");
  rig.text.Start(10, 20, text);
  EXPECT_EQ(rig.text.LineCount(), 10);
  EXPECT_EQ(rig.text.Line(10), "line10");
  rig.text.Start(10, 20, std::string(120, 'a') + "|caf\xE9@!");
  EXPECT_EQ(rig.text.Line(1).size(), 100u);
  EXPECT_EQ(rig.text.Line(2), "caf!");
  EXPECT_EQ(rig.text.Line(3), "");
}

TEST(NarrationText, RevealsLettersAndSpendsAStepOnEachLineEnd) {
  NarrationRig rig;
  rig.text.AlphaUpdateRepeat = 2;
  rig.text.Start(0, 0, "abc|de");
  rig.text.UpdateAndDraw();
  EXPECT_EQ(rig.Revealed(), 2);
  EXPECT_EQ(rig.text.AlphaOf(1, 0), rig.text.StartingAlpha + rig.text.AlphaStep * 0);
  rig.text.UpdateAndDraw();  // "c", then the end of line 1 costs a step
  EXPECT_EQ(rig.Revealed(), 3);
  EXPECT_EQ(rig.text.AlphaOf(2, 0), 0);
  rig.text.UpdateAndDraw();
  EXPECT_EQ(rig.Revealed(), 5);
  EXPECT_TRUE(rig.text.AllRevealed());
  // Alphas grow by AlphaStep a tick up to MaxAlpha (256 and above stored as 255).
  rig.text.SetMaxAlpha(300);
  EXPECT_EQ(rig.text.MaxAlpha(), 255);
  rig.text.SetMaxAlpha(40);
  rig.text.UpdateAndDraw();
  EXPECT_EQ(rig.text.AlphaOf(1, 0), 40);
  EXPECT_EQ(rig.text.AlphaOf(2, 1), 25 + 8);
  // Vanishing takes VanishingAlphaStep away down to 0.
  rig.text.Vanish();
  rig.text.UpdateAndDraw();
  EXPECT_EQ(rig.text.AlphaOf(1, 0), 15);
  rig.text.UpdateAndDraw();
  EXPECT_EQ(rig.text.AlphaOf(1, 0), 0);
  // Vanishing in the middle of the reveal: later letters never flash up.
  rig.text.Start(0, 0, "abcdef");
  rig.text.UpdateAndDraw();
  rig.text.Vanish();
  rig.fonts.Take();
  rig.text.UpdateAndDraw();
  EXPECT_TRUE(rig.fonts.Take().empty());  // 25 - 25 for old and new letters alike
}

TEST(NarrationText, CompleteRevealsAllOnceThenReportsDone) {
  NarrationRig rig;
  rig.text.Start(0, 0, "Hello|World");
  rig.text.UpdateAndDraw();
  EXPECT_FALSE(rig.text.Complete());
  EXPECT_EQ(rig.Revealed(), 10);
  EXPECT_EQ(rig.text.AlphaOf(2, 4), rig.text.MaxAlpha());
  EXPECT_TRUE(rig.text.Complete());
  // The reveal does not start over afterwards.
  rig.text.UpdateAndDraw();
  EXPECT_EQ(rig.text.AlphaOf(2, 4), rig.text.MaxAlpha());
  rig.text.Reset();
  EXPECT_EQ(rig.text.LineCount(), 0);
  EXPECT_TRUE(rig.text.Complete());  // nothing left to reveal
}

TEST(NarrationText, DrawsRevealedLettersAndReportsTheTail) {
  NarrationRig rig;
  std::vector<TPoint> tails;
  rig.text.OnTailPosUpdate = [&](TNarrationText&, TPoint p) { tails.push_back(p); };
  rig.text.AlphaUpdateRepeat = 1;
  rig.text.StartColored(100, 50, 10, 20, 30, "Ab|c");
  rig.text.UpdateAndDraw();
  auto g = rig.fonts.Take();
  ASSERT_EQ(g.size(), 1u);
  EXPECT_FLOAT_EQ(g[0].X, 100);
  EXPECT_FLOAT_EQ(g[0].Y, 50);
  EXPECT_FLOAT_EQ(g[0].W, 8 * 0.7f);
  EXPECT_EQ(g[0].A, FontRig::Through(25));
  EXPECT_EQ(g[0].R, FontRig::Through(10));
  EXPECT_EQ(g[0].B, FontRig::Through(30));
  EXPECT_TRUE(tails.empty());  // reported one tick after the reveal
  rig.text.UpdateAndDraw();
  ASSERT_EQ(tails.size(), 1u);
  EXPECT_EQ(tails[0], (TPoint{100, 50}));
  g = rig.fonts.Take();
  ASSERT_EQ(g.size(), 2u);
  EXPECT_FLOAT_EQ(g[1].X, 100 + 18);  // (24 + 1) * 0.7 = 17.5 -> 18
  EXPECT_EQ(g[1].Pattern, 27);
  rig.text.UpdateAndDraw();  // the end of line 1
  rig.fonts.Take();
  rig.text.UpdateAndDraw();  // "c"
  g = rig.fonts.Take();
  ASSERT_EQ(g.size(), 3u);
  EXPECT_FLOAT_EQ(g[2].Y, 50 + 17);
  EXPECT_EQ(tails.size(), 2u);
  rig.text.UpdateAndDraw();
  ASSERT_EQ(tails.size(), 3u);
  EXPECT_EQ(tails[2], (TPoint{100, 67}));
  rig.text.Vanish();
  for (int i = 0; i < 20; ++i) rig.text.UpdateAndDraw();
  EXPECT_EQ(tails.size(), 3u);
  EXPECT_TRUE(rig.fonts.Take().size() > 0);
  rig.text.UpdateAndDraw();
  EXPECT_TRUE(rig.fonts.Take().empty());  // faded out: nothing drawn
}
