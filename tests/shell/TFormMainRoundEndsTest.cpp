// How a level is paused, resumed and left: the clock, the gains, the scores and the saves.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/TAtomicFile.h"
#include "profiles/TPlayerSave.h"
#include "shell/RoundRig.h"

namespace {
void Click(TGameButton& b) { b.OnClick(b); }

// Every way out of a pause over a running level, from the in-game menu or a question.
struct PauseRoute {
  const char* Name;
  std::function<void(RoundRig&)> Go;
};

std::vector<PauseRoute> PauseRoutes() {
  auto menu = [](RoundRig& r) {
    r.form->OpenInGameMenu();
    r.Frames(20);
  };
  return {
      {"resume", [=](RoundRig& r) { menu(r); Click(*r.form->InGameResumeButton); }},
      {"options", [=](RoundRig& r) {
         menu(r);
         Click(*r.form->InGameOptionsButton);
         r.Frames(20);
         Click(*r.form->OptionsOKButton);
       }},
      {"credits", [=](RoundRig& r) {
         menu(r);
         Click(*r.form->InGameOptionsButton);
         r.Frames(20);
         Click(*r.form->OptionsCreditsButton);
         r.Frames(20);
         Click(*r.form->CreditsDoneButton);
       }},
      {"help", [=](RoundRig& r) {
         menu(r);
         Click(*r.form->InGameHelpButton);
         r.Frames(20);
         Click(*r.form->HelpDoneButton);
       }},
      {"to menu, cancelled", [=](RoundRig& r) {
         menu(r);
         Click(*r.form->InGameToMenuButton);
         r.Frames(20);
         Click(r.form->ConfirmWindow->NegativeButton());
       }},
      {"close, cancelled", [](RoundRig& r) {
         r.form->RequestClose();
         r.Frames(20);
         Click(r.form->ConfirmWindow->NegativeButton());
       }},
      {"options with another display, its question cancelled", [=](RoundRig& r) {
         menu(r);
         Click(*r.form->InGameOptionsButton);
         r.Frames(20);
         r.form->FullScreenCheck->Checked = !r.form->FullScreenCheck->Checked;
         Click(*r.form->OptionsOKButton);
         ASSERT_TRUE(r.RunTo(gsConfirmWindow, 100));
         r.Frames(20);
         Click(r.form->ConfirmWindow->NegativeButton());
       }},
      {"focus lost and back", [](RoundRig& r) {
         TPlatformEvent e;
         e.Kind = TPlatformEventKind::FocusLost;
         r.form->HandleEvent(e);
         e.Kind = TPlatformEventKind::FocusGained;
         r.form->HandleEvent(e);
       }},
  };
}

TPlayerSave SavedGame(RoundRig& r) {
  std::string bytes;
  TPlayerSave save;
  EXPECT_TRUE(TAtomicFile::Read(r.form->SaveFileName("PLAYER"), bytes));
  EXPECT_TRUE(save.Decode(bytes));
  return save;
}

// Flowers gathered in the level, as the board credits them.
void GatherFlowers(RoundRig& r, float n) {
  r.form->BuySlots->AddOwned(elFlower, n);
}
}  // namespace

TEST(FormMainRoundEnds, EveryPauseRouteLetsTheTubeRunAgain) {
  for (const PauseRoute& route : PauseRoutes()) {
    SCOPED_TRACE(route.Name);
    RoundRig r;
    r.Play(1, 2);
    r.Frames(100);  // past the tube's fill
    route.Go(r);
    ASSERT_TRUE(r.RunTo(gsMainGame, 200));
    r.Frames(30);
    EXPECT_FALSE(r.form->GamePaused);
    EXPECT_FALSE(r.form->TubeTimer->Paused);
    const int before = r.form->TubeTimer->ElapsedSeconds();
    r.Frames(100);  // three seconds
    EXPECT_GE(r.form->TubeTimer->ElapsedSeconds(), before + 2);
  }
}

TEST(FormMainRoundEnds, ThePauseHoldsTheTubeUntilTheAnnouncementHasGone) {
  RoundRig r;
  ASSERT_TRUE(r.form->EnterLevelDirectly(1, 2, false));
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo));
  r.form->OpenInGameMenu();
  Click(*r.form->InGameResumeButton);
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo));
  r.Frames(30);
  EXPECT_TRUE(r.form->TubeTimer->Paused);
  r.form->ObjectiveInfo->Click();
  ASSERT_TRUE(r.RunTo(gsMainGame));
  EXPECT_FALSE(r.form->TubeTimer->Paused);
}

TEST(FormMainRoundEnds, OnlyAWonRoundKeepsItsGains) {
  {
    SCOPED_TRACE("restarts");
    RoundRig r;
    r.Play(1, 3);
    for (int i = 0; i < 3; ++i) {
      GatherFlowers(r, 4);
      r.form->OpenInGameMenu();
      Click(*r.form->InGameRestartButton);
      ASSERT_TRUE(r.RunTo(gsMainGame, 900));
    }
    EXPECT_FLOAT_EQ(r.form->BuySlots->OwnedElements()[elFlower], 0.0f);
    EXPECT_EQ(r.Count("charge 1 3"), 3);
  }
  {
    SCOPED_TRACE("to menu");
    RoundRig r;
    r.Play(1, 3);
    GatherFlowers(r, 4);
    r.form->OpenInGameMenu();
    Click(*r.form->InGameToMenuButton);
    r.Frames(20);
    Click(r.form->ConfirmWindow->PositiveButton());
    ASSERT_TRUE(r.RunTo(gsMenu, 300));
    EXPECT_FLOAT_EQ(r.form->BuySlots->OwnedElements()[elFlower], 0.0f);
    EXPECT_EQ(r.Count("charge"), 1);
  }
  {
    SCOPED_TRACE("close from the options over a level");
    RoundRig r;
    r.Play(1, 3);
    GatherFlowers(r, 4);
    r.form->OpenInGameMenu();
    Click(*r.form->InGameOptionsButton);
    r.Frames(20);
    r.form->FormClose();
    EXPECT_FLOAT_EQ(SavedGame(r).Stocks[elFlower], 0.0f);
    EXPECT_EQ(r.Count("charge"), 1);
  }
  {
    SCOPED_TRACE("a win keeps them");
    RoundRig r;
    r.Play(1, 3);
    GatherFlowers(r, 4);
    r.form->CheatWinLevel();
    ASSERT_EQ(r.form->Scene(), gsRoundClear);
    EXPECT_FLOAT_EQ(SavedGame(r).Stocks[elFlower], 4.0f);
    r.form->FormClose();
    EXPECT_FLOAT_EQ(SavedGame(r).Stocks[elFlower], 4.0f);
    EXPECT_EQ(r.Count("charge"), 0);
  }
}

TEST(FormMainRoundEnds, NothingThatLandsAfterTimeUpCounts) {
  RoundRig r(2);
  r.Play(1, 1);
  ASSERT_TRUE(r.RunTo(gsTimeUp, 200));
  const int score = r.form->ScoreCounter->Value();
  r.form->CheatWinLevel();  // every target arrives at once
  r.Frames(5);
  EXPECT_EQ(r.form->Scene(), gsTimeUp);
  EXPECT_EQ(r.Count("won"), 0);
  EXPECT_EQ(r.form->ScoreCounter->Value(), score);
  ASSERT_TRUE(r.RunTo(gsConfirmWindow, 400));
}

TEST(FormMainRoundEnds, HighScoresGetTheLiveScore) {
  auto best = [](RoundRig& r) { return r.form->HighScores->Score(1); };
  {
    SCOPED_TRACE("to menu");
    RoundRig r;
    r.Play(1, 1);
    r.form->ScoreCounter->SetValue(1234);
    r.form->OpenInGameMenu();
    Click(*r.form->InGameToMenuButton);
    r.Frames(20);
    Click(r.form->ConfirmWindow->PositiveButton());
    ASSERT_TRUE(r.RunTo(gsMenu, 300));
    EXPECT_EQ(best(r), 1234);
  }
  {
    SCOPED_TRACE("close during a level");
    RoundRig r;
    r.Play(1, 1);
    r.form->ScoreCounter->SetValue(2345);
    r.form->RequestClose();
    r.Frames(20);
    Click(r.form->ConfirmWindow->PositiveButton());
    for (int i = 0; i < 200 && !r.form->Closed(); ++i) r.form->OmegaTimer1Timer();
    ASSERT_TRUE(r.form->Closed());
    EXPECT_EQ(best(r), 2345);
    EXPECT_EQ(SavedGame(r).Score, 2345);
  }
}

TEST(FormMainRoundEnds, TheMenuButtonLetsGoOfTheBoard) {
  RoundRig r;
  r.Play(1, 2);
  r.Frames(60);
  // Press and release on the menu button (window and logical pixels are the same here).
  r.form->FormMouseDown(TMouseButton::Left, 1290, 738);
  r.form->FormMouseUp(TMouseButton::Left, 1290, 738);
  ASSERT_EQ(r.form->Scene(), gsInGameMenu);
  EXPECT_FALSE(r.form->GameBoard->MouseHeld());
  Click(*r.form->InGameResumeButton);
  ASSERT_TRUE(r.RunTo(gsMainGame));
  const TBoardData before = r.form->GameBoard->BoardData();
  const int x = r.form->GameBoard->Left + 5 * 52 + 26, y = r.form->GameBoard->Top + 5 * 52 + 26;
  for (int dx = 0; dx <= 60; dx += 10) r.form->FormMouseMove(x + dx, y);
  EXPECT_FALSE(r.form->SwapEffect->Running());
  r.Frames(20);
  EXPECT_EQ(std::memcmp(&before, &r.form->GameBoard->BoardData(), sizeof before), 0);
}

TEST(FormMainRoundEnds, ComboBonusPopsAndAddsUpOnTheResult) {
  RoundRig r;
  r.Play(1, 1);
  const int start = r.form->ScoreCounter->Value();
  r.form->CombosConveyer->OnAComboArrives(*r.form->CombosConveyer, 5);
  EXPECT_TRUE(r.form->EnergyBonusPopper.Running());
  EXPECT_EQ(r.form->EnergyBonusPattern, 1);
  r.Frames(2);
  EXPECT_GT(r.form->EnergyBonusPopper.Ratio(), 1.0f);  // the level frame drives the pop-up
  r.form->CheatWinLevel();
  ASSERT_EQ(r.form->Scene(), gsRoundClear);
  EXPECT_EQ(r.form->ResultStats->ExtraPoints, 15);
  EXPECT_EQ(r.form->ResultStats->LevelScore() + r.form->ResultStats->ExtraPoints,
            r.form->ScoreCounter->Value() - start);
}

TEST(FormMainRoundEnds, EscapeAndCloseWaitForTheWipeOfARestart) {
  RoundRig r;
  r.Play(1, 2);
  r.form->OpenInGameMenu();
  Click(*r.form->InGameRestartButton);
  ASSERT_TRUE(r.RunTo(gsMainGame, 100));
  ASSERT_TRUE(r.form->SceneTransition->IsActive());  // the wipe into the new start
  r.form->FormKeyPress("\x1b");
  r.form->RequestClose();
  EXPECT_EQ(r.form->Scene(), gsMainGame);
  EXPECT_FALSE(r.form->GamePaused);
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo, 100));
  r.form->ObjectiveInfo->Click();
  ASSERT_TRUE(r.RunTo(gsMainGame));
  EXPECT_FALSE(r.form->TubeTimer->Paused);
}

TEST(FormMainRoundEnds, EveryPauseLetsGoOfTheBoard) {
  RoundRig r;
  r.Play(1, 2);
  r.Frames(60);
  const int x = r.form->GameBoard->Left + 5 * 52 + 26, y = r.form->GameBoard->Top + 5 * 52 + 26;
  r.form->FormMouseDown(TMouseButton::Left, x, y);
  ASSERT_TRUE(r.form->GameBoard->MouseHeld());
  r.form->RequestClose();
  r.Frames(20);
  Click(r.form->ConfirmWindow->NegativeButton());
  ASSERT_TRUE(r.RunTo(gsMainGame, 100));
  EXPECT_FALSE(r.form->GameBoard->MouseHeld());

  r.form->FormMouseDown(TMouseButton::Left, x, y);
  ASSERT_TRUE(r.form->GameBoard->MouseHeld());
  TPlatformEvent lost;
  lost.Kind = TPlatformEventKind::FocusLost;
  r.form->HandleEvent(lost);
  EXPECT_FALSE(r.form->GameBoard->MouseHeld());
}

TEST(FormMainRoundEnds, BackFromTheOptionsTheVeilIsGone) {
  RoundRig r;
  r.Play(1, 2);
  PauseRoutes()[1].Go(r);  // the options, OK
  ASSERT_TRUE(r.RunTo(gsMainGame, 200));
  EXPECT_FALSE(r.form->ScreenDarkener->IsActive());
}
