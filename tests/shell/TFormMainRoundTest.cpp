#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "board/BoardRig.h"
#include "levels/TLevelFileRecord.h"
#include "shell/RoundRig.h"

TEST(FormMainRound, AnIslandRewardGoesIntoThePlayersStocks) {
  RoundRig r;
  r.form->BuySlots->AddOwned(elFruit, 1);
  r.form->BuySlots->AddIslandReward(3);
  EXPECT_FLOAT_EQ(r.form->BuySlots->OwnedElements()[elFruit], 111);
  EXPECT_FLOAT_EQ(r.form->BuySlots->OwnedElements()[elFlower], 20);
}

TEST(FormMainRound, GatheringLevelsRotateTheMusicAndABossLevelLeavesItAlone) {
  RoundRig r;
  std::vector<int> tracks;
  for (int level : {1, 2, 12, 3, 4, 4}) {  // the last one stands for a restart
    ASSERT_TRUE(r.form->EnterLevelDirectly(1, level, false));
    tracks.push_back(r.form->GameObjective == goBossMode ? 0 : r.form->MusicBox->PendingTrack());
  }
  EXPECT_EQ(tracks, (std::vector<int>{2, 3, 0, 4, 5, 2}));
}

TEST(FormMainRound, ALevelStartsInItsOrderAndIsWonOnce) {
  RoundRig r;
  r.Play(1, 1);
  EXPECT_EQ(r.Count("level 1 1 Level1-01.eil"), 1);
  EXPECT_EQ(r.form->GameBoard->Left + r.form->GameBoard->Top > 0, true);
  EXPECT_FALSE(r.form->TubeTimer->Paused);
  r.Frames(100);  // the tube has filled: the clock runs
  // Both the gathering and a second win in the same frame: one round clear, one save.
  r.form->CheatWinLevel();
  r.form->WinRound();
  EXPECT_EQ(r.form->Scene(), gsRoundClear);
  EXPECT_EQ(r.Count("won "), 1);
  EXPECT_EQ(r.Count("save PLAYER.sav"), 1);
  EXPECT_EQ(r.form->BuySlots->NextUncompletedLevelIdx, 2);
  // A quick win earns the level's gold bonus.
  EXPECT_EQ(r.form->ResultMedal->MedalKind(), mdGold);
  EXPECT_FLOAT_EQ(r.form->BuySlots->OwnedElements()[elFruit], 20.0f);
  // The comment, the board flying off, then the result and on to the hub.
  ASSERT_TRUE(r.RunTo(gsStageResult, 900));
  r.Frames(60);
  r.form->StageResultOKButton->OnClick(*r.form->StageResultOKButton);
  ASSERT_TRUE(r.RunTo(gsStickerBook, 300));
}

TEST(FormMainRound, TheInGameMenuLeavesTheLevelAsPausedAsItFoundIt) {
  RoundRig r;
  r.Play(1, 2);
  r.form->OpenInGameMenu();
  EXPECT_TRUE(r.form->GamePaused);
  EXPECT_TRUE(r.form->TubeTimer->Paused);
  r.form->InGameResumeButton->OnClick(*r.form->InGameResumeButton);
  ASSERT_TRUE(r.RunTo(gsMainGame));
  EXPECT_FALSE(r.form->GamePaused);

  r.form->SetPaused(true);
  r.form->OpenInGameMenu();
  r.form->InGameResumeButton->OnClick(*r.form->InGameResumeButton);
  ASSERT_TRUE(r.RunTo(gsMainGame));
  EXPECT_TRUE(r.form->GamePaused);

  // Escape opens the menu only while its button is enabled.
  r.form->SetPaused(false);
  r.form->InGameMenuButton->Enabled = false;
  r.form->FormKeyPress("\x1b");
  EXPECT_EQ(r.form->Scene(), gsMainGame);
  r.form->InGameMenuButton->Enabled = true;
  r.form->FormKeyPress("\x1b");
  EXPECT_EQ(r.form->Scene(), gsInGameMenu);
}

TEST(FormMainRound, RestartChargesTheIngredientsOnceAndStartsTheLevelAgain) {
  RoundRig r;
  r.Play(1, 3);
  r.form->OpenInGameMenu();
  r.form->InGameRestartButton->OnClick(*r.form->InGameRestartButton);
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo));
  EXPECT_EQ(r.Count("charge"), 1);
  EXPECT_EQ(r.Count("level 1 3"), 2);
  EXPECT_FALSE(r.form->GamePaused);
}

// The level's "Pocket" panel holds the pocket: what the player owns, counting up as the
// level adds to it.
TEST(FormMainRound, ThePocketShowsTheStocksOnTheElementsPanel) {
  RoundRig r;
  r.Play(1, 2);
  TElementsCount owned;
  owned[elFruit] = 4200;
  owned[elGoldTile] = 420;
  r.form->BuySlots->SetOwned(owned);
  r.form->StartLevel();
  r.Frames(140);  // the panel has slid in
  EXPECT_FLOAT_EQ(r.form->Pocket->Shown(elFruit), 4200);
  const TPoint panel = r.form->ElementsPanelMover->Position();
  EXPECT_NEAR(r.form->Pocket->Left, panel.X, 16);
  EXPECT_NEAR(r.form->Pocket->Top, panel.Y, 16);
  // A dish within reach: the star came in with the panel and sits on it.
  ASSERT_EQ(r.form->Pocket->StarState(), TWynnetPocket::ssArrived);
  EXPECT_EQ(r.form->Pocket->StarPosition().X, r.form->Pocket->StarPlace().X);
  r.form->BuySlots->AddOwned(elFlower, 3);
  EXPECT_FLOAT_EQ(r.form->Pocket->Owned()[elFlower], 3);
}

TEST(FormMainRound, TimeUpTakesBackTheGainsAndNoLeadsToTheMenu) {
  RoundRig r(2);
  r.Play(1, 1);
  r.form->BuySlots->AddOwned(elFlower, 3);
  ASSERT_TRUE(r.RunTo(gsTimeUp, 200));
  EXPECT_EQ(r.Count("lost"), 1);
  EXPECT_FLOAT_EQ(r.form->BuySlots->OwnedElements()[elFlower], 0.0f);
  EXPECT_EQ(r.Count("charge"), 1);
  ASSERT_TRUE(r.RunTo(gsConfirmWindow, 400));
  r.form->ConfirmWindow->NegativeButton().OnClick(r.form->ConfirmWindow->NegativeButton());
  ASSERT_TRUE(r.RunTo(gsMenu, 300));
}

TEST(FormMainRound, ElementsTheLevelNoLongerNeedsFallInsteadOfFlying) {
  RoundRig r;
  r.Play(1, 1);  // five apples (code 3) to gather
  TGameBoard& b = *r.form->GameBoard;
  auto groupApple = [&] {
    TBoardData d = b.BoardData();
    d.At(1, 12).Element = 3;
    b.LoadBoard(d);
    TSimpleObjectArray mask{};
    mask.Set(1, 12);
    b.SetTileState({1, 12}, tsGrouping);
    r.form->GroupedElements->Start(b.BoardData(), mask, false);
    r.Frames(9);
  };
  int flying = r.form->FlowingElements->ActiveCount();
  groupApple();
  EXPECT_EQ(r.form->FlowingElements->ActiveCount(), flying + 1);
  for (int i = 0; i < 5; ++i) r.form->ElementGather->Collect(elFruit, 3);
  int falling = r.form->FallingElements->ActiveCount();
  flying = r.form->FlowingElements->ActiveCount();
  groupApple();
  EXPECT_EQ(r.form->FlowingElements->ActiveCount(), flying);
  EXPECT_EQ(r.form->FallingElements->ActiveCount(), falling + 1);
}

TEST(FormMainRound, AMissingFirstLevelLeavesThePlayerOnTheMap) {
  RoundRig r;
  EXPECT_TRUE(r.form->EnterLevelDirectly(3, 1, false));
  EXPECT_NE(r.form->Scene(), gsObjectiveInfo);
  EXPECT_FALSE(r.boxes.Shown.empty());
}

TEST(FormMainRound, ClosingDuringALevelAsksFirstAndChargesTheLevelOnOK) {
  RoundRig r;
  r.Play(1, 2);
  r.form->RequestClose();
  EXPECT_FALSE(r.form->Closed());
  EXPECT_EQ(r.form->Scene(), gsConfirmWindow);
  EXPECT_TRUE(r.form->GamePaused);
  r.form->ConfirmWindow->NegativeButton().OnClick(r.form->ConfirmWindow->NegativeButton());
  ASSERT_TRUE(r.RunTo(gsMainGame));
  EXPECT_FALSE(r.form->GamePaused);
  r.form->RequestClose();
  r.form->ConfirmWindow->PositiveButton().OnClick(r.form->ConfirmWindow->PositiveButton());
  for (int i = 0; i < 200 && !r.form->Closed(); ++i) r.form->OmegaTimer1Timer();
  EXPECT_TRUE(r.form->Closed());
  EXPECT_EQ(r.Count("charge 1 2"), 1);
  EXPECT_EQ(r.Count("save PLAYER.sav"), 1);
}

TEST(FormMainRound, AnotherPlayerMeetsTheReplayedLevelsAfresh) {
  RoundRig r;
  r.Play(1, 1);
  r.form->LevelParams->LoadLevel(1, 30);  // past the island's levels: a replay is picked
  ASSERT_NE(r.form->LevelParams->LastReplayPick(1), 0);
  r.form->SetScene(gsPlayerSelect);
  r.form->NameList->Add("BRAM");
  r.form->SetScene(gsMenu);
  EXPECT_EQ(r.form->LevelParams->LastReplayPick(1), 0);
}
