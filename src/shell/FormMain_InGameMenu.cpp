// Pausing a level: the in-game menu and its five buttons, the "Paused" word, and the
// bookkeeping that brings a level back exactly as paused or running as it was.
#include "shell/TFormMain.h"

void TFormMain::WireInGameMenu() {
  InGameMenuWindow->OnStartShowing = [this](TGameMenuWindow&) { ScreenDarkener->FadeIn(); };
  InGameMenuWindow->OnStartHiding = [this](TGameMenuWindow& w) {
    ScreenDarkener->FadeOut();
    // A restart starts the level afresh: the old one is not shown or timed again meanwhile.
    if (Scene() == gsInGameMenu && !WasPaused && w.Tag != "RESTART_GAME") SetPaused(false);
  };
  InGameMenuWindow->OnHidingComplete = [this](TGameMenuWindow& w) {
    if (Scene() != gsInGameMenu) return;
    SetScene(ReturnScene);
    if (w.Tag == "RESTART_GAME") StartLevel();
  };

  InGameMenuButton->OnClick = [this](TGameButton&) { OpenInGameMenu(); };
  InGameResumeButton->OnClick = [this](TGameButton&) {
    InGameMenuWindow->Tag = "RESUME_GAME";
    InGameMenuWindow->Hide();
  };
  InGameRestartButton->OnClick = [this](TGameButton&) {
    InGameMenuWindow->Tag = "RESTART_GAME";
    InGameMenuWindow->Hide();
    AbandonRound();
  };
  InGameOptionsButton->OnClick = [this](TGameButton&) {
    LoadOptionWidgets();
    SetScene(gsInGameOptions);
    InGameMenuWindow->HideNow();
    OptionsCaller = ocInGame;
    OptionsWindow->Show();
  };
  InGameHelpButton->OnClick = [this](TGameButton&) {
    HelpCaller = gsMainGame;
    SetScene(gsHelp);
  };
  InGameToMenuButton->OnClick = [this](TGameButton&) {
    AskConfirmation(ckLeaveLevel, pbOK, nbCancel);
  };
}

void TFormMain::OpenInGameMenu() {
  if (Scene() == gsTutorial) StopTutorial();
  if (Scene() == gsTutorialToolTip) CloseToolTip();
  ReturnScene = Scene();
  InGameRestartButton->Enabled = true;
  WasPaused = GamePaused;
  if (Scene() == gsMainGame || Scene() == gsObjectiveInfo) SetPaused(true);
  SetScene(gsInGameMenu);
  InGameMenuWindow->Tag.clear();
  InGameMenuWindow->Show();
}

void TFormMain::SetPaused(bool paused) {
  if (paused != GamePaused) Trace("pause", paused ? "on" : "off");
  // A press held on the board when the pause came would swap tiles on a mere move after it.
  if (paused && GameBoard) GameBoard->SetMouseHeld(false);
  GamePaused = paused;
  ApplyPause();
}

void TFormMain::ResumeUnlessPausedBefore() {
  if (!WasPaused) SetPaused(false);
}

void TFormMain::ApplyPause() {
  const bool shown = !GamePaused;
  GameBoard->Visible = shown;
  for (auto* v : {&GlobalShine->Visible, &BoardBorder->Visible, &FallingElements->Visible,
                  &FlowingElements->Visible, &SwapEffect->Visible, &GroupedElements->Visible,
                  &OpeningLockers->Visible, &LockerPieces->Visible, &LockerFrames->Visible,
                  &HammeredObjects->Visible, &LockerFiller->Visible, &LostBoard->Visible,
                  &ShuffleAway->Visible, &LockersAway->Visible, &HammerItemEffect->Visible,
                  &HammerToolEffect->Visible, &BombEffect->Visible, &BigBombEffect->Visible,
                  &LightningEffect->Visible, &NewDiamond->Visible, &MatchedCyan->Visible,
                  &Stars->Visible, &CollectorEffect->Visible, &Spiders->Visible,
                  &WebEffect->Visible, &ChainLockEffect->Visible, &UniBubble->Visible,
                  &GameComments->Visible, &BookFoundComment->Visible})
    *v = shown;
  for (auto& s : Shines) s->Visible = shown;
  DiamondButterflies->Visible = shown && !IsWindows8OrLater;
  // A dying creature goes on falling apart behind the menu.
  if (TBoss* boss = RoundBoss(); boss && !boss->IsDead()) boss->Visible = shown;
  MonsterAura->Visible = shown;
  for (auto& t : Tools) t->Accessible = shown && LevelFilled;
  for (TCarriedTool* t : CarriedTools()) t->Accessible = shown;
  ApplyPauseToRound();
}

void TFormMain::DrawPausedWord() {
  PausedPulse.Step();
  OmegaImageList1.DrawImage("Paused", 603, 354, 0,
                            {.A = static_cast<std::uint8_t>(std::min(255.0f, PausedPulse.Value))});
}

void TFormMain::DrawInGameMenu() {
  InGameMenuWindow->Update();
  InGameMenuWindow->Draw();
  if (!InGameMenuWindow->IsHidden())
    for (TGameButton* b : InGameMenuButtons()) b->Draw();
}
