#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profiles/TPlayerSave.h"
#include "support/RecordingScreen.h"
#include "text/TGameFont.h"
#include "text/TTextStrings.h"
#include "ui/TTutorialToolTip.h"
#include "ui/TWynnetTutorial.h"
#include "ui/TWynnetTutorialCharacter.h"

namespace {

const TTextStrings& GameTexts() {
  static TTextStrings strings;
  static bool loaded = [] {
    std::string error;
    return strings.Load(std::string(WENDMOOR_SOURCE_DIR) + "/content/texts/", error);
  }();
  EXPECT_TRUE(loaded);
  return strings;
}

// Counts the open and close reports and checks that they alternate.
struct TPauseBook {
  int Opens = 0, Closes = 0;
  bool Balanced = true;
  void Open() {
    if (Opens != Closes) Balanced = false;
    ++Opens;
  }
  void Close() {
    ++Closes;
    if (Opens != Closes) Balanced = false;
  }
  bool Paused() const { return Opens > Closes; }
};

void Watch(TWynnetTutorial& t, TPauseBook& book) {
  t.OnStart = [&](TWynnetTutorial&, int) { book.Open(); };
  t.OnFinish = [&](TWynnetTutorial&) { book.Close(); };
}

void Watch(TTutorialToolTip& t, TPauseBook& book) {
  t.OnStart = [&](TTutorialToolTip&) { book.Open(); };
  t.OnFinish = [&](TTutorialToolTip&) { book.Close(); };
}

std::vector<std::string> Lines(const TNarrationText& text) {
  std::vector<std::string> out;
  for (int i = 1; i <= text.LineCount(); ++i) out.push_back(text.Line(i));
  return out;
}

}  // namespace

TEST(WynnetTutorial, EntryOfEverySituation) {
  struct TCase {
    int Island, Level;
    TGameObjective Mode;
    int Entry;
  };
  const TCase cases[] = {
      {1, 1, goBossMode, 7},   {3, 6, goBossMode, 7},    {0, 0, goNormalMode, 6},
      {1, 1, goNormalMode, 1}, {1, 2, goNormalMode, 9},  {1, 3, goNormalMode, 10},
      {1, 5, goNormalMode, 13}, {1, 7, goNormalMode, 11}, {1, 8, goNormalMode, 12},
      {2, 1, goNormalMode, 2}, {2, 2, goNormalMode, 14}, {2, 11, goNormalMode, 8},
      {3, 1, goNormalMode, 3}, {4, 1, goNormalMode, 4},  {5, 1, goNormalMode, 5},
      {1, 4, goNormalMode, 0}, {1, 6, goNormalMode, 0},  {1, 9, goNormalMode, 0},
      {2, 3, goNormalMode, 0}, {3, 2, goNormalMode, 0},  {0, 1, goNormalMode, 0},
      {6, 1, goNormalMode, 0}, {5, 0, goNormalMode, 0}};
  for (const TCase& c : cases)
    EXPECT_EQ(TWynnetTutorial::EntryFor(c.Island, c.Level, c.Mode), c.Entry)
        << "island " << c.Island << " level " << c.Level << " mode " << int(c.Mode);
}

TEST(WynnetTutorial, EachPageOncePerPlayerAndNothingWhileDisabled) {
  TWynnetTutorial t;
  TPauseBook book;
  Watch(t, book);
  int specific = 0;
  t.OnSpecificTutorialIdx = [&](TWynnetTutorial&, int e) { specific = e; };

  t.Enabled = false;
  // Disabled: the shell must not go and wait for a page that will not open.
  EXPECT_FALSE(t.HasNew(1, 1, goNormalMode));
  t.Show(1, 1, goNormalMode);
  EXPECT_FALSE(t.IsOpen());
  EXPECT_FALSE(t.Active());
  EXPECT_EQ(book.Opens, 0);
  EXPECT_FALSE(t.Shown(1));

  t.Enabled = true;
  EXPECT_TRUE(t.HasNew(1, 1, goNormalMode));
  EXPECT_FALSE(t.HasNew(1, 4, goNormalMode));
  t.Show(1, 4, goNormalMode);  // no page there
  EXPECT_FALSE(t.IsOpen());
  t.Show(1, 1, goNormalMode);
  EXPECT_TRUE(t.IsOpen());
  EXPECT_EQ(specific, 1);
  EXPECT_EQ(t.Entry(), 1);
  EXPECT_FALSE(t.HasNew(1, 1, goNormalMode));
  t.Close();
  EXPECT_FALSE(t.HasNew(1, 1, goNormalMode));
  EXPECT_TRUE(t.HasNew(2, 1, goNormalMode));
}

TEST(WynnetTutorial, OpenAndFinishReportsBalanceInEveryOrder) {
  TWynnetTutorial t;
  TPauseBook book;
  Watch(t, book);

  t.Close();  // nothing open
  EXPECT_EQ(book.Closes, 0);

  t.Show(1, 1, goNormalMode);
  t.Show(1, 2, goNormalMode);  // replaces the page; still one opening
  EXPECT_EQ(t.Entry(), 9);
  EXPECT_EQ(book.Opens, 1);
  t.Close();
  t.Close();
  EXPECT_EQ(book.Closes, 1);

  // Switched off in the options while open: it still closes and says so.
  t.Show(1, 3, goNormalMode);
  t.Enabled = false;
  t.Close();
  EXPECT_FALSE(book.Paused());
  t.Enabled = true;

  t.Show(1, 3, goNormalMode);
  t.Reset();  // the level ends under it
  EXPECT_FALSE(book.Paused());
  t.Reset();
  EXPECT_EQ(book.Closes, 3);

  // A follow-up opened from the finish report is a new opening of its own.
  bool followed = false;
  t.OnFinish = [&](TWynnetTutorial& s) {
    book.Close();
    if (!followed) followed = true, s.Show(1, 5, goNormalMode);
  };
  t.Show(1, 7, goNormalMode);
  t.Close();
  EXPECT_TRUE(t.IsOpen());
  EXPECT_EQ(t.Entry(), 13);
  EXPECT_TRUE(book.Paused());
  t.Close();
  EXPECT_FALSE(book.Paused());
  EXPECT_TRUE(book.Balanced);
}

TEST(WynnetTutorial, FadesInDrawsTheEntrysIconAndGoesQuietAfterClosing) {
  RecordingScreen r;
  r.AddBlank("TutorialBlackRect", 436, 330);
  r.AddBlank("TutorialIcons", 64, 64, 1, 14);
  TWynnetTutorial t;
  t.OmgImgList = &r.images;
  t.Show(2, 2, goNormalMode);
  for (int i = 0; i < 40; ++i) t.Draw();
  EXPECT_FLOAT_EQ(t.Fade(), 1);
  r.backend.Quads.clear();
  t.Draw();
  bool icon = false;
  for (const auto& q : r.backend.Quads)
    if (r.NameOf(q) == "TutorialIcons") {
      icon = true;
      // Pattern 13 of a 1 x 14 column: the last row.
      EXPECT_NEAR(q.Corners[0].V, 13.0f / 14.0f, 1e-3);
    }
  EXPECT_TRUE(icon);
  t.Close();
  for (int i = 0; i < 40; ++i) t.Draw();
  EXPECT_FALSE(t.Active());
  r.backend.Quads.clear();
  t.Draw();
  EXPECT_TRUE(r.backend.Quads.empty());
}

TEST(TutorialFlags, RoundTripThroughTheSaveRecord) {
  TWynnetTutorial t;
  TTutorialToolTip tip;
  tip.TextStringsComp = &GameTexts();
  tip.LoadTexts();
  t.Show(2, 11, goNormalMode);
  t.Show(0, 0, goNormalMode);
  t.Close();
  tip.Signal(3);
  tip.Close();

  TPlayerSave save;
  t.GetShownFlags(save.TutorialShown);
  tip.GetShownFlags(save.ToolTipsShown);
  TPlayerSave loaded;
  ASSERT_TRUE(loaded.Decode(std::string(reinterpret_cast<const char*>(save.Encode().data()),
                                        TPlayerSave::RecordSize)));
  TWynnetTutorial t2;
  TTutorialToolTip tip2;
  t2.SetShownFlags(loaded.TutorialShown);
  tip2.SetShownFlags(loaded.ToolTipsShown);
  for (int e = 1; e <= TWynnetTutorial::EntryCount; ++e)
    EXPECT_EQ(t2.Shown(e), e == 8 || e == 6) << e;
  for (int e = 1; e <= TTutorialToolTip::EntryCount; ++e) EXPECT_EQ(tip2.Shown(e), e == 22) << e;
  EXPECT_FALSE(t2.HasNew(0, 0, goNormalMode));
  EXPECT_TRUE(t2.HasNew(1, 1, goNormalMode));

  // Any non-zero byte from a save counts as shown; a fresh player has none.
  std::array<std::uint8_t, 14> odd{};
  odd[0] = 0xFF;
  t2.SetShownFlags(odd);
  EXPECT_FALSE(t2.HasNew(1, 1, goNormalMode));
  t2.GetShownFlags(odd);
  EXPECT_EQ(odd[0], 1);
  EXPECT_TRUE(t2.HasNew(0, 0, goNormalMode));
}

TEST(WynnetTutorial, EveryPageFitsItsPanel) {
  TWynnetTutorial t;
  t.TextStringsComp = &GameTexts();
  t.LoadTexts();
  EXPECT_EQ(t.Title(1), "Match Three!");
  EXPECT_EQ(t.Title(6), "The Restaurant");
  EXPECT_EQ(t.Title(8), "Potions");
  EXPECT_EQ(t.Title(9), "The Hammer");
  EXPECT_EQ(t.Title(14), "The Big Bomb");
  for (int island = 0; island <= 5; ++island)
    for (int level = 0; level <= 12; ++level)
      for (TGameObjective mode : {goNormalMode, goBossMode}) {
        if (!TWynnetTutorial::EntryFor(island, level, mode)) continue;
        t.Show(island, level, mode);
        const int e = t.Entry();
        EXPECT_FALSE(t.Body(e).empty()) << e;
        EXPECT_LE(TGameFont::TextWidth(TGameFontKind::fkAirstripNormal, t.Title(e), -1, 0.78),
                  380)
            << e;
        const auto lines = Lines(t.BodyText());
        // The body ends above the OK button at y 427.
        EXPECT_LE(t.Top + 151 + static_cast<int>(lines.size()) * TWynnetTutorial::BodyVertSpace,
                  427)
            << e;
        for (const auto& l : lines)
          EXPECT_LE(TGameFont::TextWidth(TGameFontKind::fkAirstripNormal, l,
                                         TWynnetTutorial::BodyHorzSpaceAdd,
                                         TWynnetTutorial::BodyFontRatio),
                    t.MaxRectTextWidth)
              << e << ": " << l;
      }
}

TEST(TutorialToolTip, OnlyTheFiveWrittenEntriesEverShow) {
  TTutorialToolTip tip;
  tip.TextStringsComp = &GameTexts();
  tip.LoadTexts();
  TPauseBook book;
  Watch(tip, book);
  std::vector<int> shown;
  tip.OnSpecificToolTipIdxEvent = [&](TTutorialToolTip&, int e) { shown.push_back(e); };

  int written = 0;
  for (int e = 1; e <= TTutorialToolTip::EntryCount; ++e) written += !tip.Text(e).empty();
  EXPECT_EQ(written, 5);

  // The blank signals and unknown kinds open nothing.
  for (int kind : {1, 2, 4, 5, -1}) tip.Signal(kind);
  tip.SignalAfterTutorial(1);
  tip.LevelStarted();  // island 1 level 1 has nothing at its start
  EXPECT_EQ(book.Opens, 0);

  tip.Signal(0);
  tip.Close();
  tip.Signal(3);
  tip.Close();
  tip.SignalAfterTutorial(0);
  tip.Close();
  tip.LevelIdx = 4;
  tip.LevelStarted();
  tip.Close();
  tip.LevelIdx = 1;
  for (int i = 0; i < 8; ++i) tip.CountStep();
  tip.Close();
  EXPECT_EQ(shown, (std::vector<int>{6, 22, 25, 13, 3}));
  EXPECT_TRUE(book.Balanced);

  // Each once: the triggers again open nothing.
  tip.Reset();
  tip.Signal(0);
  tip.Signal(3);
  tip.SignalAfterTutorial(0);
  tip.LevelIdx = 4;
  tip.LevelStarted();
  EXPECT_EQ(book.Opens, 5);

  // A catalogue line left empty leaves its entry blank.
  TTextStrings strings;
  TTutorialToolTip bare;
  bare.TextStringsComp = &strings;
  bare.LoadTexts();
  bare.Signal(0);
  EXPECT_FALSE(bare.IsOpen());
}

TEST(TutorialToolTip, StepsCountOnTheFirstLevelOnlyWhileNothingShows) {
  TTutorialToolTip tip;
  tip.TextStringsComp = &GameTexts();
  tip.LoadTexts();
  tip.Enabled = false;
  for (int i = 0; i < 10; ++i) tip.CountStep();
  EXPECT_EQ(tip.Steps(), 0);
  EXPECT_FALSE(tip.IsOpen());

  tip.Enabled = true;
  tip.LevelIdx = 2;
  for (int i = 0; i < 10; ++i) tip.CountStep();
  EXPECT_FALSE(tip.IsOpen());

  tip.Reset();
  tip.LevelIdx = 1;
  for (int i = 0; i < 3; ++i) tip.CountStep();
  tip.Signal(0);  // another tip is showing: these steps do not count
  for (int i = 0; i < 5; ++i) tip.CountStep();
  EXPECT_EQ(tip.Steps(), 3);
  tip.Close();
  for (int i = 0; i < 4; ++i) tip.CountStep();
  EXPECT_FALSE(tip.IsOpen());
  tip.CountStep();
  EXPECT_TRUE(tip.IsOpen());
  EXPECT_EQ(tip.Entry(), 3);
}

TEST(TutorialToolTip, PlacesArrowPanelAndButtonByTheQuadrantOfThePoint) {
  TTutorialToolTip tip;
  tip.TextStringsComp = &GameTexts();
  tip.LoadTexts();
  TPoint asked{-1, -1}, button{};
  TPoint answer{901, 461};
  tip.OnPointingPosRequest = [&](TTutorialToolTip&, int, TPoint& p) {
    asked = p;
    if (answer.X) p = answer;
  };
  tip.OnButtonPosChange = [&](TTutorialToolTip&, int x, int y) { button = {x, y}; };

  tip.Signal(0);
  EXPECT_EQ(tip.Quadrant(), 3);
  EXPECT_EQ(tip.ArrowPos(), (TPoint{853, 413}));
  EXPECT_EQ(tip.PanelPos(), (TPoint{557, 228}));
  EXPECT_EQ(button, (TPoint{678, 392}));
  EXPECT_FLOAT_EQ(tip.ArrowAngle(), 285);
  tip.Close();

  // The spider's point reaches the request, and the shell may leave it.
  tip.SetPointingPos(3, {900, 460});
  answer = {};
  tip.Signal(3);
  EXPECT_EQ(asked, (TPoint{900, 460}));
  EXPECT_EQ(tip.Quadrant(), 0);
  EXPECT_EQ(tip.PanelPos(), (TPoint{919, 479}));
  EXPECT_EQ(button, (TPoint{1040, 643}));
  EXPECT_EQ(TTutorialToolTip::QuadrantOf({901, 10}), 1);
  EXPECT_EQ(TTutorialToolTip::QuadrantOf({10, 461}), 2);
}

TEST(TutorialToolTip, OpenAndFinishReportsBalanceInEveryOrder) {
  TTutorialToolTip tip;
  tip.TextStringsComp = &GameTexts();
  tip.LoadTexts();
  TPauseBook book;
  Watch(tip, book);
  tip.Close();
  EXPECT_EQ(book.Closes, 0);

  tip.Signal(0);
  tip.Signal(3);  // replaces it
  EXPECT_EQ(tip.Entry(), 22);
  EXPECT_EQ(book.Opens, 1);
  tip.Close();
  tip.Close();
  EXPECT_EQ(book.Closes, 1);

  tip.SignalAfterTutorial(0);
  tip.Reset();  // the level ends under it
  tip.Reset();
  tip.Close();
  EXPECT_EQ(book.Closes, 2);
  EXPECT_FALSE(tip.Active());

  // Switched off in the options while open: it still closes and says so.
  tip.SetShownFlags({});
  tip.Signal(0);
  tip.Enabled = false;
  tip.Close();
  EXPECT_EQ(book.Closes, 3);
  EXPECT_TRUE(book.Balanced);
}

TEST(TutorialToolTip, EveryTextFitsThePanel) {
  TTutorialToolTip tip;
  tip.TextStringsComp = &GameTexts();
  tip.LoadTexts();
  for (int e = 1; e <= TTutorialToolTip::EntryCount; ++e) {
    if (tip.Text(e).empty()) continue;
    tip.SetShownFlags({});
    tip.Close();
    if (e == 3) {
      tip.Reset();
      for (int i = 0; i < 8; ++i) tip.CountStep();
    } else if (e == 6) {
      tip.Signal(0);
    } else if (e == 13) {
      tip.LevelIdx = 4;
      tip.LevelStarted();
      tip.LevelIdx = 1;
    } else if (e == 22) {
      tip.Signal(3);
    } else {
      tip.SignalAfterTutorial(0);
    }
    ASSERT_EQ(tip.Entry(), e);
    const auto lines = Lines(tip.TextBlock());
    // From 35 down to the OK button at 164.
    EXPECT_LE(35 + static_cast<int>(lines.size()) * TTutorialToolTip::TextVertSpace, 164)
        << e;
    for (const auto& l : lines)
      EXPECT_LE(TGameFont::TextWidth(TGameFontKind::fkAirstripNormal, l,
                                     TTutorialToolTip::TextHorzSpaceAdd,
                                     TTutorialToolTip::TextFontRatio),
                tip.MaxRectTextWidth)
          << e << ": " << l;
  }
}

TEST(WynnetTutorialCharacter, FadesWithVisibleAndItsSparklesFollow) {
  RecordingScreen r;
  r.AddBlank("FairyTutorial", 170, 230);
  r.AddBlank("Sparkling", 36, 36);
  TWynnetTutorialCharacter c;
  c.OmgImgList = &r.images;
  c.UpdateAndDraw();
  EXPECT_TRUE(r.backend.Quads.empty());
  c.Visible = true;
  for (int i = 0; i < 17; ++i) c.UpdateAndDraw();
  EXPECT_EQ(c.Alpha(), 255);
  EXPECT_LE(std::abs(c.Angle()), 0.25f / 2.3f + 1e-6f);
  c.Visible = false;
  for (int i = 0; i < 17; ++i) c.UpdateAndDraw();
  EXPECT_EQ(c.Alpha(), 0);
  r.backend.Quads.clear();
  c.UpdateAndDraw();
  EXPECT_TRUE(r.backend.Quads.empty());
}
