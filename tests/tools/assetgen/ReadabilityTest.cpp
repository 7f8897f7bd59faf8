// The words of the splash, the menu, the credits, the player list and the result window read
// at 4.5 : 1 against what the game draws under them (and over them, where a shine adds light
// over a word), as the font sheets do on parchment.
#include <gtest/gtest.h>

#include "ContrastSupport.h"
#include "levels/TLevelGoal.h"
#include "levels/TResultMedal.h"
#include "levels/TResultStats.h"
#include "profiles/TNameList.h"
#include "text/TGlobalGameText.h"
#include "ui/TCreditLines.h"
#include "ui/TLoadingBar.h"

using namespace assetgen_test;

namespace {
constexpr double kReadable = 4.5;

TRgb ColourOf(int colour) {
  std::uint8_t r, g, b;
  TGlobalGameText::ColourOf(colour, r, g, b);
  return {r / 255.0, g / 255.0, b / 255.0};
}

// A picture drawn onto white, as a window is drawn over the scene (opaque where it matters).
TScreen Window(const std::string& name) {
  const TPicture& p = Picture(name);
  TScreen s(p.Width, p.Height);
  s.Draw(p, 0, 0);
  return s;
}

// Both the lightest and the darkest ground of a band, for light text with its outline.
double WeakestFontOutlineOver(const TScreen& s, int x0, int y0, int x1, int y1,
                              TRgb light = {0, 0, 0}) {
  return std::min(WeakestFontOutline(s.Lightest(x0, y0, x1, y1), {1, 1, 1}, 1, light),
                  WeakestFontOutline(s.Darkest(x0, y0, x1, y1), {1, 1, 1}, 1, light));
}
}  // namespace

TEST(Readability, ThePlayWordAndClickToPlayStandOffTheirButtonAndBar) {
  // The menu's shine goes under the Play button (the shell's tests keep that order), so no
  // light lies over the word: it stands off its own face.
  static const std::vector<assetgen::TAssetSpec> manifest = assetgen::BuildManifest();
  assetgen::TAssetSpec play = *Find(manifest, "PlayButton");
  TPicture worded = assetgen::RenderPicture(play);
  play.Label.clear();
  TPicture plain = assetgen::RenderPicture(play);
  TScreen with(worded.Width, worded.Height), without(with);
  with.Draw(worded, 0, 0, 1, 0, play.TileWidth, play.TileHeight);
  without.Draw(plain, 0, 0, 1, 0, play.TileWidth, play.TileHeight);
  auto word = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= play.TileWidth || y >= play.TileHeight) return false;
    const double l = with.at(x, y).Luminance();
    return l >= 0.6 && std::abs(l - without.at(x, y).Luminance()) > 0.05;
  };
  EXPECT_GE(WeakestOutline(with, without, word), kReadable) << "Play";

  // "Click to play!" over the full bar, at the faintest of its pulse.
  const TPicture &bg = Picture("LoadingBarBG"), &fill = Picture("LoadingBarFill"),
                 &glass = Picture("LoadingBarGlass"), &text = Picture("LoadingBarText");
  TScreen bar(bg.Width, bg.Height, {0.3, 0.55, 0.25});  // the splash's meadow round it
  bar.Draw(bg, 0, 0);
  bar.Draw(fill, TLoadingBar::FillX, TLoadingBar::FillY);
  bar.Draw(glass, TLoadingBar::GlassX, TLoadingBar::GlassY);
  TScreen clicked = bar;
  const assetgen::TAssetSpec& words = *Find(manifest, "LoadingBarText");
  const int tw = words.TileWidth, th = words.TileHeight;
  const int ox = (1 % words.Columns) * tw, oy = (1 / words.Columns) * th;  // "Click to play!"
  clicked.Draw(text, TLoadingBar::TextX, TLoadingBar::TextY, TLoadingBar::FinishedMinAlpha / 255.0,
               1, tw, th);
  auto letters = [&](int x, int y) {
    const int tx = x - TLoadingBar::TextX, ty = y - TLoadingBar::TextY;
    if (tx < 0 || ty < 0 || tx >= tw || ty >= th) return false;
    return AlphaAt(text, ox + tx, oy + ty) >= 250 / 255.0 &&
           At(text, ox + tx, oy + ty).Luminance() >= 0.6;
  };
  EXPECT_GE(WeakestOutline(clicked, bar, letters, 0.05), kReadable) << "Click to play!";
}

TEST(Readability, CreditHeadingsAndPlayerNamesReadOnTheirPanels) {
  // The credits rise through a band of the info window's parchment. Their white lines lean
  // on the font's outline; the headings stand off it by their own colour.
  TScreen info = Window("InfoWindow");
  const int x0 = TCreditLines::WindowOffsetX, y0 = TCreditLines::WindowOffsetY;
  const int x1 = x0 + TCreditLines::AreaWidth, y1 = y0 + TCreditLines::AreaHeight;
  EXPECT_GE(WeakestFontOutlineOver(info, x0, y0, x1, y1), kReadable) << "credit lines";
  const double alpha = TCreditLines::FullAlpha / 255.0;
  const TRgb heading = ColourOf(TCreditLines::HeadingColour);
  for (TRgb ground : {info.Lightest(x0, y0, x1, y1), info.Darkest(x0, y0, x1, y1)})
    EXPECT_GE(WeakestFontBody(ground, heading, alpha), kReadable) << "credit headings";

  // The player list: the selection bar lies behind the selected name, centred on its line,
  // and the name reads over it.
  TScreen list = Window("NameListWindow");
  const TPicture& bar = Picture("NameListSelection");
  const int left = TNameList::WindowOffsetX, top = TNameList::WindowOffsetY;
  list.Draw(bar, left + TNameList::SelectionX, top + TNameList::SelectionY,
            TNameList::SelectionAlpha / 255.0);
  double weight = 0, sum = 0;
  for (int y = 0; y < bar.Height; ++y)
    for (int x = 0; x < bar.Width; ++x) {
      weight += AlphaAt(bar, x, y);
      sum += AlphaAt(bar, x, y) * (y + 0.5);
    }
  ASSERT_GT(weight, 0);
  EXPECT_NEAR(TNameList::SelectionY + sum / weight, TNameList::NameY, 1.0) << "bar off the name";
  const int capsHalf = 10;  // half the capitals' height at the selected name's size
  const int nameLeft = left + TNameList::NameX;
  EXPECT_GE(WeakestFontOutlineOver(list, nameLeft, top + TNameList::NameY - capsHalf,
                                   nameLeft + TNameList::NameMaxWidth,
                                   top + TNameList::NameY + capsHalf),
            kReadable)
      << "selected name";
}

TEST(Readability, TheLevelGoalReadsOnItsPanel) {
  // The goal's words and counts are written in brown across the plaque's room.
  TScreen goal = Window("ObjInfoGoal");
  using G = TLevelGoal;
  const int x0 = (G::PanelWidth - G::AreaWidth) / 2, x1 = x0 + G::AreaWidth;
  const TRgb brown = ColourOf(TGlobalGameText::tcBrown);
  for (TRgb ground : {goal.Lightest(x0, G::AreaTop, x1, G::AreaBottom),
                      goal.Darkest(x0, G::AreaTop, x1, G::AreaBottom)})
    EXPECT_GE(WeakestFontBody(ground, brown, 1), kReadable) << "level goal";
}

TEST(Readability, TheResultWindowReadsAsOneUnderItsShine) {
  // The shine turns behind the medal, added over the window and so over its baked title and
  // captions; the counted numbers are written after it, over its light and their highlight.
  TScreen window = Window("StageResultWindow");
  TScreen shine(window.W, window.H, {0, 0, 0});
  const TPicture& rays = Picture("FeatureShine");
  shine.AddTurningLight(rays, TResultMedal::WindowOffsetX, TResultMedal::WindowOffsetY,
                        TResultMedal::ShineHalfSize * 2.0 / rays.Width,
                        TResultMedal::ShineAlpha / 255.0);
  TScreen lit = window;
  for (std::size_t i = 0; i < lit.Px.size(); ++i) lit.Px[i] = lit.Px[i].Plus(shine.Px[i]);
  const TPicture& highlight = Picture("ResultStatsHighlight");
  const int capsHalf = 8;  // half the capitals' height at the rows' size
  const int x = TResultStats::WindowOffsetX;
  for (int row = 0; row < TResultStats::RowCount; ++row) {
    const int y = TResultStats::WindowOffsetY + row * TResultStats::LineSpacing;
    const int top = y - capsHalf, bottom = y + capsHalf;
    // The caption, baked into the window, over the parchment between the rows, with the most
    // light the shine adds anywhere along it.
    const int c0 = TResultStats::CaptionOffsetX, c1 = x - 8, gap = TResultStats::LineSpacing / 2;
    const TRgb light = shine.Lightest(c0, top, c1, bottom);
    for (int between : {y - gap, y + gap})
      EXPECT_GE(WeakestFontOutlineOver(window, c0, between - 2, c1, between + 2, light), kReadable)
          << "caption of row " << row;
    // The number, over the lit window and the row's highlight at its brightest (the level
    // score's and the bonus's rows light up as they count).
    TScreen ground = lit;
    if (row == 1 || row == 2)
      ground.Draw(highlight,
                  x + (row == 1 ? TResultStats::ScoreHighlightX : TResultStats::BonusHighlightX),
                  y + TResultStats::HighlightY, TResultStats::FullHighlightAlpha / 255.0);
    EXPECT_GE(WeakestFontOutlineOver(ground, x, top, x + 90, bottom), kReadable)
        << "number of row " << row;
  }
  // The title in its band, whose ends it leaves free.
  const TRgb titleLight = shine.Lightest(40, 16, window.W - 40, 42);
  EXPECT_GE(WeakestFontOutlineOver(window, 50, 20, 100, 38, titleLight), kReadable) << "title";
}
