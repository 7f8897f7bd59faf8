// The tutorial's panel is drawn two-thirds opaque over whatever the level shows, a white
// cloud or a dark board; its white text and yellow title must read at 4.5 : 1 on it either
// way, in the tutorial and in the tool tip (the same picture drawn smaller).
#include <gtest/gtest.h>

#include "ContrastSupport.h"
#include "text/TGlobalGameText.h"

using namespace assetgen_test;

TEST(TutorialArt, TextReadsOnThePanelOverALightOrADarkScene) {
  const TPicture& panel = Picture("TutorialBlackRect");
  ASSERT_GT(panel.Width, 0);
  // The texts lie inside the golden line, from the title down to the OK button.
  const int x0 = 30, y0 = 30, x1 = panel.Width - 30, y1 = panel.Height - 30;
  std::uint8_t r, g, b;
  TGlobalGameText::ColourOf(TGlobalGameText::tcYellow, r, g, b);
  const TRgb yellow{r / 255.0, g / 255.0, b / 255.0};
  for (TRgb scene : {TRgb{1, 1, 1}, TRgb{0, 0, 0}}) {
    TScreen s(panel.Width, panel.Height, scene);
    s.Draw(panel, 0, 0, 170 / 255.0);
    for (TRgb ground : {s.Lightest(x0, y0, x1, y1), s.Darkest(x0, y0, x1, y1)}) {
      // Light letters on a dark ground read by their own colour: the body at the
      // narration's full alpha, the title at full strength.
      const TRgb body = ground.Mixed({1, 1, 1}, 230 / 255.0);
      EXPECT_GE(Contrast(body.Luminance(), ground.Luminance()), 4.5);
      EXPECT_GE(Contrast(yellow.Luminance(), ground.Luminance()), 4.5);
    }
  }
}
