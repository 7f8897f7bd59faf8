// The tutorial over a level: its page holds the level until OK, once per player; a pointing
// tip freezes the board, the spiders and the tube, and every way it ends lets them go again.
#include <gtest/gtest.h>

#include "shell/RoundRig.h"

namespace {
struct TutorialRig : RoundRig {
  // Into the level with the tutorial on, as a new player meets it, up to its page or play.
  void Enter(int island, int level, bool tutorial = true) {
    ASSERT_TRUE(form->EnterLevelDirectly(island, level, false, tutorial));
    ASSERT_TRUE(RunTo(gsObjectiveInfo));
    for (int i = 0; i < 600 && form->Scene() == gsObjectiveInfo; ++i) form->OmegaTimer1Timer();
  }
  void OK() { form->TutorialOKButton->OnClick(*form->TutorialOKButton); }
  void TipOK() { form->ToolTipOKButton->OnClick(*form->ToolTipOKButton); }
  // Into play past the page, the board filled.
  void Playing(int island, int level, bool tutorial = true) {
    Enter(island, level, tutorial);
    if (form->Scene() == gsTutorial) {
      Frames(40);
      OK();
    }
    // Play, or a tip that play has begun with.
    for (int i = 0; i < 600 && form->Scene() != gsMainGame && form->Scene() != gsTutorialToolTip; ++i)
      form->OmegaTimer1Timer();
    ASSERT_TRUE(form->Scene() == gsMainGame || form->Scene() == gsTutorialToolTip);
    for (int i = 0; i < 300 && !form->LevelFilled; ++i) form->OmegaTimer1Timer();
  }
  void Matches(int n) {
    for (int i = 0; i < n; ++i) form->GameBoard->OnManualMatch(*form->GameBoard);
  }
  // The level is held: the tube stands, the board and the spiders are frozen.
  void ExpectHeld() {
    EXPECT_EQ(form->Scene(), gsTutorialToolTip);
    EXPECT_TRUE(form->TubeTimer->Paused);
    EXPECT_TRUE(form->GameBoard->Frozen);
    EXPECT_FALSE(form->GameBoard->CanMatch);
    EXPECT_TRUE(form->Spiders->Frozen);
  }
  void ExpectRunning() {
    EXPECT_EQ(form->Scene(), gsMainGame);
    EXPECT_FALSE(form->TubeTimer->Paused);
    EXPECT_FALSE(form->GameBoard->Frozen);
    EXPECT_TRUE(form->GameBoard->CanMatch);
    EXPECT_FALSE(form->Spiders->Frozen);
    EXPECT_FALSE(form->ToolTipOKButton->Visible);
  }
};
}  // namespace

TEST(FormMainTutorial, TheFirstLevelsPageHoldsTheLevelUntilOKAndComesOnce) {
  TutorialRig r;
  r.Enter(1, 1);
  ASSERT_EQ(r.form->Scene(), gsTutorial);
  EXPECT_EQ(r.Count("tutorial 1"), 1);
  EXPECT_TRUE(r.form->TutorialOKButton->Visible);
  r.Frames(100);  // the tube has filled
  const int before = r.form->TubeTimer->ElapsedSeconds();
  r.Frames(200);
  EXPECT_TRUE(r.form->TubeTimer->Paused) << "the tube runs under the page";
  EXPECT_EQ(r.form->TubeTimer->ElapsedSeconds(), before);
  r.OK();
  ASSERT_TRUE(r.RunTo(gsMainGame));
  EXPECT_FALSE(r.form->TubeTimer->Paused);
  EXPECT_FALSE(r.form->TutorialOKButton->Visible);
  EXPECT_FALSE(r.form->TutorialCharacter->Visible);
  // A restart, and the page is not shown again.
  r.form->StartLevel();
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo));
  ASSERT_TRUE(r.RunTo(gsMainGame));
  EXPECT_EQ(r.Count("tutorial 1"), 1);
  // The page was seen: the save of the won round says so.
  r.form->CheatWinLevel();
  r.form->WinRound();
  EXPECT_NE(r.form->CurrentSave.TutorialShown[0], 0);
}

TEST(FormMainTutorial, ThePageLeftByTheInGameMenuStartsTheLevelAfterResume) {
  TutorialRig r;
  r.Enter(1, 2);
  ASSERT_EQ(r.form->Scene(), gsTutorial);
  EXPECT_EQ(r.Count("tutorial 9"), 1);
  r.form->OpenInGameMenu();
  EXPECT_EQ(r.form->Scene(), gsInGameMenu);
  EXPECT_TRUE(r.form->TubeTimer->Paused);
  r.form->InGameResumeButton->OnClick(*r.form->InGameResumeButton);
  ASSERT_TRUE(r.RunTo(gsMainGame));
  r.Frames(5);
  EXPECT_FALSE(r.form->GamePaused);
  EXPECT_FALSE(r.form->TubeTimer->Paused) << "the clock stood still after the menu";
}

TEST(FormMainTutorial, TheEighthMatchOnTheFirstLevelPointsAtThePanelAndHoldsTheLevel) {
  TutorialRig r;
  r.Playing(1, 1);
  r.Matches(7);
  EXPECT_EQ(r.form->Scene(), gsMainGame);
  r.Matches(1);
  EXPECT_EQ(r.Count("tutorial tip 3"), 1);
  r.ExpectHeld();
  EXPECT_TRUE(r.form->ToolTipOKButton->Visible);
  const int before = r.form->TubeTimer->ElapsedSeconds();
  r.Frames(100);
  EXPECT_EQ(r.form->TubeTimer->ElapsedSeconds(), before);
  // Matches under the tip count for nothing, and OK lets the level go.
  r.Matches(20);
  r.TipOK();
  r.Frames(2);
  r.ExpectRunning();
  r.Matches(20);
  EXPECT_EQ(r.Count("tutorial tip"), 1) << "a tip comes once";
}

TEST(FormMainTutorial, EveryWayATipEndsLetsTheLevelGo) {
  // The in-game menu closes it, by its button or by Escape; resumed, the level runs.
  for (bool escape : {false, true}) {
    TutorialRig r;
    r.Playing(1, 1);
    r.Matches(8);
    r.ExpectHeld();
    if (escape)
      r.form->FormKeyPress("\x1b");
    else
      r.form->OpenInGameMenu();
    EXPECT_EQ(r.form->Scene(), gsInGameMenu);
    r.form->InGameResumeButton->OnClick(*r.form->InGameResumeButton);
    ASSERT_TRUE(r.RunTo(gsMainGame));
    r.Frames(2);
    r.ExpectRunning();
  }
  {
    // The round won under it keeps the board closed to matches.
    TutorialRig r;
    r.Playing(1, 1);
    r.Matches(8);
    r.form->CheatWinLevel();
    r.form->WinRound();
    EXPECT_EQ(r.form->Scene(), gsRoundClear);
    EXPECT_FALSE(r.form->GameBoard->CanMatch);
    EXPECT_FALSE(r.form->ToolTip->IsOpen());
  }
  {
    // A restart: the next card and play start with nothing held.
    TutorialRig r;
    r.Playing(1, 1);
    r.Matches(8);
    r.form->StartLevel();
    ASSERT_TRUE(r.RunTo(gsObjectiveInfo));
    ASSERT_TRUE(r.RunTo(gsMainGame));
    for (int i = 0; i < 300 && !r.form->LevelFilled; ++i) r.form->OmegaTimer1Timer();
    r.Frames(2);
    r.ExpectRunning();
  }
}

TEST(FormMainTutorial, TipsPointWhereTheirEventsHappenAndNotWhileSwitchedOff) {
  {
    // A spider lands: the tip points at its tile, in the quadrant the point gives.
    TutorialRig r;
    r.Playing(1, 3);
    r.form->Spiders->OnAnySpiderLanding(*r.form->Spiders, TPoint{2, 3});
    ASSERT_EQ(r.Count("tutorial tip 22"), 1);
    // The middle of the second column's third square.
    const TPoint tile{r.form->GameBoard->Left + 52 + 26, r.form->GameBoard->Top + 2 * 52 + 26};
    EXPECT_EQ(r.form->ToolTip->Quadrant(), TTutorialToolTip::QuadrantOf(tile));
    EXPECT_EQ(r.form->ToolTip->ArrowPos().X, tile.X - 5);
    r.ExpectHeld();
  }
  {
    // The fourth level points at the flask as soon as play begins.
    TutorialRig r;
    r.Playing(1, 4);
    EXPECT_EQ(r.Count("tutorial tip 13"), 1);
    r.ExpectHeld();
  }
  {
    // Switched off in the options: no page, no tip.
    TutorialRig r;
    r.Playing(1, 1, false);
    r.Matches(8);
    EXPECT_EQ(r.Count("tutorial"), 0);
    r.ExpectRunning();
  }
}
