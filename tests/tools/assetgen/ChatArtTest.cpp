// The chapter conversations' speech balloons are drawn nearly opaque over the darkened hub;
// their black text must read at 4.5 : 1 on them over a light or a dark scene, and must not
// grow the dark ring of the outlined font, which ran the letters together.
#include <gtest/gtest.h>

#include "ContrastSupport.h"

using namespace assetgen_test;

TEST(ChatArt, BalloonTextReadsInInkOverALightOrADarkScene) {
  const TPicture& balloon = Picture("ChapterDialogBalloon");
  const TPicture& ink = Picture("GlobalFontInk");
  ASSERT_GT(balloon.Width, 0);
  ASSERT_GT(ink.Width, 0);
  // The slice each text line sits on (its top 24 rows), inside its rounded sides.
  const int w = balloon.Width, h = balloon.Height / 3, band = 24;
  double weakest = 1e9;
  for (TRgb scene : {TRgb{1, 1, 1}, TRgb{0, 0, 0}}) {
    TScreen s(w, h, scene);
    s.Draw(Picture("BlackRect"), -1, -1, 125 / 255.0);
    s.Draw(balloon, 0, 0, 230 / 255.0, 1, w, h);
    for (TRgb ground : {s.Lightest(40, 2, w - 40, band - 2), s.Darkest(40, 2, w - 40, band - 2)})
      for (int y = 0; y < ink.Height; ++y)
        for (int x = 0; x < ink.Width; ++x) {
          const double a = AlphaAt(ink, x, y);
          if (a < 250 / 255.0) continue;
          // Tinted black: whatever colour the sheet has, only its alpha shows.
          const TRgb letter = ground.Mixed({0, 0, 0}, a * 225 / 255.0);
          weakest = std::min(weakest, Contrast(letter.Luminance(), ground.Luminance()));
        }
  }
  EXPECT_GE(weakest, 4.5);
  // No outline: every visible pixel of the sheet is light, so black is the only colour seen.
  for (int y = 0; y < ink.Height; ++y)
    for (int x = 0; x < ink.Width; ++x)
      if (AlphaAt(ink, x, y) > 0.1) ASSERT_GE(At(ink, x, y).Luminance(), 0.6) << x << "," << y;
}
