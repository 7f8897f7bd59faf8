// Scene switches, the transition and the hooks that run when a scene is left or entered.
#include "engine/Rounding.h"
#include "shell/TFormMain.h"

void TFormMain::SetScene(TGameSceneValues scene) { GameScene.SetValue(scene); }

void TFormMain::SwitchScene(TGameSceneValues scene) {
  SceneTransition->StartSwitch(GameScene.GetValue(), scene);
}

void TFormMain::OnStartToSwitch(TGameSceneValues oldScene, TGameSceneValues newScene) {
  if ((oldScene == gsMenu && newScene != gsOptions && newScene != gsHighScores) ||
      (oldScene == gsPlayerSelect && newScene == gsMenu)) {
    MenuPanel->Hide();
    WelcomePanel->Hide();
  }
  if (oldScene == gsMap) {
    MapLeftPanel->Hide();
    MapRightPanel->Hide();
  }
  if (oldScene == gsStickerBook) {
    // A purchase under way is finished before the hub goes.
    CompletePurchaseNow();
    HubTopPanel->Hide();
    HubShopPanel->Hide();
  }
}

void TFormMain::OnSceneChanged(TGameSceneValues oldScene, TGameSceneValues newScene) {
  Trace("scene", TGameScene::Name(oldScene) + " " + TGameScene::Name(newScene));
  PreviousScene = oldScene;
  if (!SceneTransition) return;  // start-up, before the components exist
  LeaveScene(oldScene, newScene);
  EnterScene(oldScene, newScene);
}

void TFormMain::LeaveScene(TGameSceneValues oldScene, TGameSceneValues newScene) {
  switch (oldScene) {
    case gsSplash:
      if (newScene != gsAddInitialPlayer) FreeLogoAndLoadingPictures();
      break;
    case gsAddInitialPlayer: FreeLogoAndLoadingPictures(); break;
    case gsMap:
      ChapterEntryComment->Hide();
      CompletedStamps->Clear();
      OmegaImageList1.Remove("MapBG");
      break;
    case gsHelp: HelpPages->FreeImages(); break;
    case gsStickerBook: LeaveHub(); break;
    case gsMenu:
    case gsConfirmWindow:
      if (GoingToMap && (oldScene == gsMenu || ConfirmKind == ckRelaxedMode)) {
        UnloadGroup(igMenu);
        UnloadGroup(igUpgrades);
        GoingToMap = false;
      }
      break;
    case gsOpeningStory:
      CollectorEffect->Reset();
      LeaveStory();
      UnloadGroup(igStory);
      break;
    case gsEndingStory:
      LeaveStory();
      UnloadGroup(igEnding);
      break;
    default: break;
  }
}

void TFormMain::EnterScene(TGameSceneValues oldScene, TGameSceneValues newScene) {
  // The level's Menu button looks pressable only where it takes the mouse: not under the
  // announcement, the round's end or the result. Under a window on the veil it keeps its look.
  switch (newScene) {
    case gsMainGame:
    case gsTutorial:
    case gsTutorialToolTip: InGameMenuButton->Enabled = true; break;
    case gsObjectiveInfo:
    case gsRoundClear:
    case gsTimeUp:
    case gsStageResult: InGameMenuButton->Enabled = false; break;
    default: break;
  }
  // Windows over the menu sit on the veil; the menu itself has none.
  if (newScene == gsOptions || newScene == gsHighScores || newScene == gsCredits ||
      newScene == gsPlayerSelect)
    ScreenDarkener->FadeIn();
  else if (newScene == gsMenu || newScene == gsMainGame)
    ScreenDarkener->Hide();
  switch (newScene) {
    case gsMenu: {
      if (oldScene == gsCredits) break;
      if (oldScene == gsConfirmWindow && ConfirmKind != ckQuitGame && ConfirmKind != ckRelaxedMode)
        break;
      if (!GroupLoaded(igMenu)) {
        LoadFolderJpegs(igMenu);
        LoadFolderPngs(igMenu);
      }
      PlayButton->ReloadSize();
      if (!PlayButtonShine->Active()) PlayButtonShine->Start();
      if (oldScene == gsOptions || oldScene == gsHighScores) break;
      bool samePlayer = oldScene == gsPlayerSelect && NameList->CurrentName() == LastPlayerName;
      if (!samePlayer) {
        MenuPanel->Show();
        WelcomePanel->Show();
      }
      // Another player meets the replayed levels afresh.
      if (oldScene == gsPlayerSelect && !samePlayer) LevelParams->ResetReplayMemory();
      LastPlayerName = NameList->CurrentName();
      GameLogger->SetPlayerName(LastPlayerName);
      ApplyPendingStickers();
      MusicBox->Request(mrSplash);
      break;
    }
    case gsMap: EnterMap(); break;
    case gsStageResult: CloseToolTip(); break;
    case gsStickerBook: EnterHub(); break;
    case gsHelp:
      HelpPages->PageIdx = 1;
      HelpPages->LoadImages();
      break;
    case gsOpeningStory:
      LoadStoryPictures(igStory);
      EnterStory(newScene);
      if (CurrentSave.MusicOn) MusicBox->SetVolume(RoundHalfEven(0.82 * CurrentSave.MusicVolume));
      MusicBox->Request(mrStory);
      break;
    case gsEndingStory:
      LoadStoryPictures(igEnding);
      EnterStory(newScene);
      if (CurrentSave.MusicOn) MusicBox->SetVolume(RoundHalfEven(0.82 * CurrentSave.MusicVolume));
      MusicBox->Request(mrStory);
      break;
    default: break;
  }
}
