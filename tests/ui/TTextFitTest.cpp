#include <gtest/gtest.h>

#include "text/TGameFont.h"
#include "ui/TTextFit.h"

namespace {
constexpr TGameFontKind Font = TGameFontKind::fkAirstripNormal;
int Width(const std::string& t, double s) { return TGameFont::TextWidth(Font, t, 0, s); }
}  // namespace

TEST(TextFit, ALongGreetingShrinksUntilItsEndFits) {
  const double menuScale = 0.85 * 0.85;
  // Sixteen of the widest letter: at the menu's scale the "!" would fall off the panel.
  std::string greeting = "Welcome WWWWWWWWWWWWWWWW!";
  ASSERT_GT(Width(greeting, menuScale), 340);
  double s = TTextFit::ScaleToFit(Font, greeting, 340, 0, menuScale);
  EXPECT_LT(s, menuScale);
  EXPECT_LE(Width(greeting, s), 340);
  EXPECT_GT(Width(greeting, s + 0.01), 340);  // shrunk no more than it needs
  // With spacing between the letters the spacing counts too.
  double spaced = TTextFit::ScaleToFit(Font, greeting, 340, 3, menuScale);
  EXPECT_LE(TGameFont::TextWidth(Font, greeting, 3, spaced), 340);
  EXPECT_LT(spaced, s);
}

TEST(TextFit, TextThatFitsKeepsItsScaleAndTheFloorHolds) {
  EXPECT_DOUBLE_EQ(TTextFit::ScaleToFit(Font, "Welcome BO!", 340, 0, 0.7225), 0.7225);
  EXPECT_DOUBLE_EQ(TTextFit::ScaleToFit(Font, "", 340, 0, 0.7225), 0.7225);
  EXPECT_DOUBLE_EQ(TTextFit::ScaleToFit(Font, "WWWW", 0, 0, 0.7225), 0.7225);  // no limit
  // Far too long for any readable size: the floor, not a vanishing line.
  EXPECT_DOUBLE_EQ(TTextFit::ScaleToFit(Font, std::string(200, 'W'), 340, 0, 0.7225, 0.4), 0.4);
  // Exactly as wide as the room fits.
  int exact = Width("MMMM", 1.0);
  EXPECT_DOUBLE_EQ(TTextFit::ScaleToFit(Font, "MMMM", exact, 0, 1.0), 1.0);
}
