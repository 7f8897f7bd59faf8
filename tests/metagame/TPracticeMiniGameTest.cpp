#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "effects/EffectRig.h"
#include "metagame/TPracticeMiniGame.h"
#include "support/TempDir.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"

namespace {

// A practice window on a recording screen, with every report and sound it makes.
struct PracticeRig {
  DrawRig draw;
  TGlobalGameText text;
  TTextStrings strings;
  TPracticeMiniGame game{draw.images, text, strings};
  std::vector<std::string> sounds;
  std::vector<int> finished;  // island * 10 + slot per report
  std::vector<std::string> missing;  // drawn but not there, or past the grid
  TElementsCount paid;
  FixedClock clock{777};

  PracticeRig() {
    draw.AddBlank("HiddenElements", 52, 52, 16, 1);
    draw.AddBlank("WindowDoneButton", 140, 44);
    draw.AddBlank("ProcessingClock", 48, 48, 9, 1);
    draw.images.OnMissingPicture = [this](const std::string& name, int pattern) {
      missing.push_back(name + " " + std::to_string(pattern));
    };
    text.OmgImgList = &draw.images;
    game.PlaySound = [this](const std::string& n) { sounds.push_back(n); };
    game.OnFinished = [this](TPracticeMiniGame&, int island, int slot, const TElementsCount& p) {
      finished.push_back(island * 10 + slot);
      paid = p;
    };
    game.MeasureProgressFill();
  }
  void Updates(int n) {
    for (int i = 0; i < n; ++i) game.UpdateAndDraw();
  }
  // Screen point of a window-relative one while the window is shown.
  void Click(int wx, int wy, bool left = true) {
    game.MouseDown(180 + wx, game.WindowY() + wy, left);
    game.MouseUp(180 + wx, game.WindowY() + wy);
  }
  void ClickHidden(int k) {
    const THiddenIngredient& h = game.Hidden(k);
    Click(h.X + 26, h.Y + 16 + 26);
  }
  // Opens item (island, slot), slides in, finds all four and waits for the pots.
  void ToPlaceStep(int island = 1, int slot = 1) {
    TElementsCount price;
    price[elFruit] = 12;
    game.Start(island, slot, price);
    game.Open();
    Updates(12);
    for (int k = 1; k <= 4; ++k) ClickHidden(k);
    while (game.GetState() == psFindStep) game.UpdateAndDraw();
  }
  int PotOf(int kind, int notThis = 0) const {
    for (int s = 1; s <= 4; ++s)
      if (s != notThis && !game.Pot(s).Done && game.Pot(s).Kind == kind) return s;
    return 0;
  }
  void ClickPot(int s) { Click(TPracticeMiniGame::PotLeft(s) + 38, TPracticeMiniGame::PotTop(s) + 38); }
  void FillPots() {
    for (int k = 1; k <= 4; ++k) ClickPot(PotOf(game.Hidden(k).Kind));
  }
  int Count(const std::string& sound) const {
    int n = 0;
    for (const auto& s : sounds) n += s == sound;
    return n;
  }
};

std::string Record(std::uint8_t kind, std::int32_t x, std::int32_t y) {
  std::string r(THiddenIngredientTable::RecordSize, '\0');
  r[0] = static_cast<char>(kind);
  std::memcpy(&r[1], &x, 4);
  std::memcpy(&r[5], &y, 4);
  return r;
}

// A whole file: every dish hides kinds 5..8 at spots 60 pixels apart, one changed record.
std::string DataFile(int changed = -1, const std::string& record = "") {
  std::string bytes;
  for (int r = 0; r < THiddenIngredientTable::RecordCount; ++r)
    bytes += r == changed ? record : Record(static_cast<std::uint8_t>(5 + r % 4), 40 + 60 * (r % 4), 300);
  return bytes;
}

}  // namespace

TEST(PracticeMiniGame, SlidesInInTwelveUpdatesAndIgnoresClicksWhileSliding) {
  PracticeRig r;
  r.game.Start(2, 3, {});
  r.game.Open();
  EXPECT_EQ(r.sounds, std::vector<std::string>{"PowerUp"});
  r.Updates(11);
  EXPECT_EQ(r.game.GetState(), psSlidingIn);
  EXPECT_EQ(r.game.WindowY(), -630 + 11 * 63);
  r.ClickHidden(1);  // under the mouse already, but the window still moves
  EXPECT_FALSE(r.game.Hidden(1).Found);
  r.Updates(1);
  EXPECT_EQ(r.game.WindowY(), 70);
  EXPECT_EQ(r.game.GetState(), psFindStep);
  EXPECT_EQ(r.sounds.back(), "Recipe_2-3");
  EXPECT_TRUE(r.game.TakesInput());
}

TEST(PracticeMiniGame, WithoutDataFileEveryDishHidesKindsOneToFourOnTheDiagonal) {
  PracticeRig r;
  TempDir dir;
  r.game.DataFilePath = dir.Str();
  r.game.DataFileName = "HiddenIngrds.dat";
  bool reported = false;
  r.game.OnLoadError = [&](TPracticeMiniGame&, const std::string&) { reported = true; };
  EXPECT_TRUE(r.game.LoadData());
  EXPECT_FALSE(reported);
  for (int island = 1; island <= 5; ++island)
    for (int slot = 1; slot <= 4; ++slot)
      for (int k = 1; k <= 4; ++k) {
        const THiddenIngredient& h = r.game.Ingredients().At(island, slot, k);
        EXPECT_EQ(h.Kind, k);
        EXPECT_EQ(h.X, 50 * k);
        EXPECT_EQ(h.Y, 50 * k);
      }
  // Drawn 16 lower, faint: (50, 66) .. (200, 216) from the window's origin.
  r.game.Start(1, 1, {});
  r.game.Open();
  r.Updates(12);
  r.draw.Take();
  r.Updates(1);
  auto hidden = DrawnOf(r.draw.Take(), "HiddenElements");
  ASSERT_EQ(hidden.size(), 8u);  // the recipe row, then the four in the picture
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(hidden[3 + k].Pattern, k - 1);
    EXPECT_FLOAT_EQ(hidden[3 + k].X, 180 + 50 * k);
    EXPECT_FLOAT_EQ(hidden[3 + k].Y, 70 + 50 * k + 16);
    EXPECT_EQ(hidden[3 + k].Alpha, Shown(120));
  }
}

TEST(PracticeMiniGame, DataFileIsReadWholeOrNotAtAll) {
  TempDir dir;
  auto load = [&](const std::string& bytes, std::string* message) {
    std::ofstream(dir.File("HiddenIngrds.dat"), std::ios::binary) << bytes;
    PracticeRig r;
    r.game.DataFilePath = dir.Str();
    r.game.DataFileName = "HiddenIngrds.dat";
    r.game.OnLoadError = [&](TPracticeMiniGame&, const std::string& m) { *message = m; };
    bool ok = r.game.LoadData();
    const THiddenIngredient& h = r.game.Ingredients().At(3, 2, 2);
    return std::to_string(ok) + " " + std::to_string(h.Kind) + " " + std::to_string(h.X);
  };
  std::string message;
  EXPECT_EQ(load(DataFile() + "more", &message), "1 6 100");
  EXPECT_TRUE(message.empty());
  // Short, a kind past 16, a spot off the window: all refused, the built-in table instead.
  EXPECT_EQ(load(DataFile().substr(0, 3199), &message), "0 2 100");
  EXPECT_NE(message.find("3199 bytes"), std::string::npos);
  message.clear();
  EXPECT_EQ(load(DataFile(77, Record(17, 100, 100)), &message), "0 2 100");
  EXPECT_NE(message.find("island 5, dish 4, ingredient 2"), std::string::npos);
  message.clear();
  EXPECT_EQ(load(DataFile(0, Record(1, 0, 0)), &message), "1 6 100");  // the corner still fits
  EXPECT_EQ(load(DataFile(0, Record(1, 955, 100)), &message), "0 2 100");
  EXPECT_NE(message.find("outside the window"), std::string::npos);
  message.clear();
  EXPECT_EQ(load(DataFile(0, Record(1, 100, -1)), &message), "0 2 100");
  EXPECT_FALSE(message.empty());
}

TEST(PracticeMiniGame, OneClickFindsOverlappingIngredientsAndStepTwoWaitsForTheLastFade) {
  PracticeRig r;
  r.game.Start(1, 1, {});
  r.game.Open();
  r.Updates(12);
  // The default spots 1 and 2 overlap from (100, 116) to (102, 118), edges included.
  r.Click(101, 117, false);
  EXPECT_FALSE(r.game.Hidden(1).Found);
  r.Click(102, 118);
  EXPECT_TRUE(r.game.Hidden(1).Found);
  EXPECT_TRUE(r.game.Hidden(2).Found);
  EXPECT_DOUBLE_EQ(r.game.Progress(), 0.5);
  EXPECT_EQ(r.Count("ToolAcquired"), 2);
  r.Click(102, 118);  // found ones are not found again
  EXPECT_DOUBLE_EQ(r.game.Progress(), 0.5);
  r.ClickHidden(3);
  // Found ones flash at full alpha while they start above it.
  r.draw.Take();
  r.Updates(1);
  auto hidden = DrawnOf(r.draw.Take(), "HiddenElements");
  EXPECT_EQ(hidden.back().Alpha, Shown(120));  // number 4, not found
  EXPECT_EQ(hidden[hidden.size() - 2].Alpha, Shown(255));
  r.Updates(10);
  r.ClickHidden(4);  // the last one found eleven updates after the others
  int updates = 0;
  while (r.game.Hidden(4).Shown) {
    r.game.UpdateAndDraw();
    ++updates;
    EXPECT_EQ(r.game.GetState(), psFindStep);
  }
  EXPECT_EQ(updates, 18);  // 350 down by 20 to below zero
  // The update that ended the fade counts the first 30 ms of the 300.
  for (int i = 1; i < 9; ++i) {
    r.game.UpdateAndDraw();
    EXPECT_EQ(r.game.GetState(), psFindStep) << i;
  }
  r.game.UpdateAndDraw();
  EXPECT_EQ(r.game.GetState(), psPlaceStep);
  EXPECT_DOUBLE_EQ(r.game.Progress(), 0);
  EXPECT_EQ(r.sounds.back(), "NewChapter");  // the plop
}

TEST(PracticeMiniGame, PotsFollowTheRecipeOrderAndWrongClicksCostNothing) {
  PracticeRig r;
  r.ToPlaceStep();
  std::vector<int> kinds;
  for (int s = 1; s <= 4; ++s) kinds.push_back(r.game.Pot(s).Kind);
  std::sort(kinds.begin(), kinds.end());
  EXPECT_EQ(kinds, (std::vector<int>{1, 2, 3, 4}));

  const int second = r.PotOf(2);
  r.ClickPot(second);  // not the first of the row
  EXPECT_EQ(r.sounds.back(), "DisabledTile");
  EXPECT_FALSE(r.game.Pot(second).Done);
  EXPECT_EQ(r.game.NextIngredient(), 1);
  EXPECT_DOUBLE_EQ(r.game.Progress(), 0);
  const std::size_t heard = r.sounds.size();
  for (int s = 1; s <= 4; ++s)  // the right button does nothing at all
    r.Click(TPracticeMiniGame::PotLeft(s) + 38, TPracticeMiniGame::PotTop(s) + 38, false);
  EXPECT_EQ(r.sounds.size(), heard);
  EXPECT_EQ(r.game.NextIngredient(), 1);

  const int first = r.PotOf(1);
  r.ClickPot(first);
  EXPECT_TRUE(r.game.Pot(first).Done);
  EXPECT_EQ(r.game.NextIngredient(), 2);
  r.sounds.clear();
  r.ClickPot(first);  // filled already
  EXPECT_TRUE(r.sounds.empty());
  EXPECT_EQ(r.game.NextIngredient(), 2);
  // The filled pot's ingredient flies off to the stove and fades.
  r.Updates(11);
  EXPECT_FALSE(r.game.Pot(first).Shown);
}

TEST(PracticeMiniGame, TwoIngredientsOfOneKindGoIntoEitherPot) {
  TempDir dir;
  std::string bytes = DataFile();
  bytes.replace(40, 40, Record(5, 100, 300));  // dish 1 1: kinds 5, 5, 7, 8
  std::ofstream(dir.File("d.dat"), std::ios::binary) << bytes;
  PracticeRig r;
  r.game.DataFilePath = dir.Str();
  r.game.DataFileName = "d.dat";
  ASSERT_TRUE(r.game.LoadData());
  r.ToPlaceStep();
  const int a = r.PotOf(5), b = r.PotOf(5, a);
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  r.ClickPot(b);  // the later of the two pots for the first ingredient
  EXPECT_TRUE(r.game.Pot(b).Done);
  r.ClickPot(a);
  EXPECT_TRUE(r.game.Pot(a).Done);
  EXPECT_EQ(r.game.NextIngredient(), 3);
}

TEST(PracticeMiniGame, CookWalksTwentyUpdatesAndTheClockRunsTwoHundred) {
  PracticeRig r;
  r.ToPlaceStep(5, 4);
  r.FillPots();
  EXPECT_EQ(r.game.CookPhase(), 1);
  EXPECT_EQ(r.sounds.back(), "MatchX");
  r.Updates(19);
  EXPECT_EQ(r.game.CookPhase(), 1);
  r.Updates(1);
  EXPECT_EQ(r.game.CookPhase(), 2);
  EXPECT_EQ(r.game.WalkOffset(), 99);
  EXPECT_EQ(r.sounds.back(), "Cooking");
  r.Updates(179);
  EXPECT_EQ(r.game.CookPhase(), 2);
  r.draw.Take();
  r.Updates(1);  // the 200th update of the clock
  EXPECT_EQ(r.game.CookPhase(), 3);
  auto clock = DrawnOf(r.draw.Take(), "ProcessingClock");
  ASSERT_EQ(clock.size(), 1u);
  EXPECT_EQ(clock[0].Pattern, 8);  // the full clock is its last face, not one past the grid
  r.Updates(19);
  for (const std::string& m : r.missing) EXPECT_EQ(m.find("ProcessingClock"), std::string::npos) << m;
  EXPECT_EQ(r.game.GetState(), psPlaceStep);
  r.Updates(1);
  EXPECT_EQ(r.game.GetState(), psDone);
  EXPECT_EQ(r.game.WalkOffset(), 0);
  EXPECT_TRUE(r.game.DoneButton().Visible);
}

TEST(PracticeMiniGame, ReportsThePurchaseOnceAfterDoneHasSlidTheWindowAway) {
  PracticeRig r;
  r.ToPlaceStep(3, 2);
  r.FillPots();
  while (r.game.GetState() != psDone) r.game.UpdateAndDraw();
  r.Updates(11);
  EXPECT_TRUE(r.game.Presented());
  EXPECT_EQ(r.Count("Stamper"), 1);
  EXPECT_EQ(r.Count("MyCreation"), 1);
  // Done takes the left button's press and release on it.
  TGameButton& done = r.game.DoneButton();
  r.game.MouseDown(done.Left + 10, done.Top + 10, false);
  r.game.MouseUp(done.Left + 10, done.Top + 10);
  EXPECT_EQ(r.game.GetState(), psDone);
  r.game.MouseDown(done.Left + 10, done.Top + 10, true);
  r.game.MouseUp(done.Left + 10, done.Top + 10);
  EXPECT_EQ(r.game.GetState(), psSlidingOut);
  EXPECT_FALSE(r.game.TakesInput());
  r.Updates(11);
  EXPECT_TRUE(r.finished.empty());
  r.Updates(1);
  EXPECT_EQ(r.finished, std::vector<int>{32});
  EXPECT_FLOAT_EQ(r.paid[elFruit], 12);
  EXPECT_FALSE(r.game.IsOpen());
  r.Updates(50);
  r.game.Finish();
  EXPECT_EQ(r.finished.size(), 1u);
  EXPECT_EQ(r.Count("MyCreation"), 1);
}

TEST(PracticeMiniGame, FinishDuringStepOneReportsAtOnceAndOnlyOnce) {
  PracticeRig r;
  TElementsCount price;
  price[elSpider] = 3;
  r.game.Start(4, 1, price);
  r.game.Open();
  r.Updates(14);
  r.ClickHidden(1);
  r.game.Finish();
  EXPECT_EQ(r.finished, std::vector<int>{41});
  EXPECT_FLOAT_EQ(r.paid[elSpider], 3);
  EXPECT_FALSE(r.game.IsOpen());
  r.game.Finish();
  r.Updates(30);
  EXPECT_EQ(r.finished.size(), 1u);
  // Opening again starts from a clean table.
  r.game.Open();
  EXPECT_FALSE(r.game.Hidden(1).Found);
  EXPECT_EQ(r.game.Hidden(1).Alpha, 120);
}
