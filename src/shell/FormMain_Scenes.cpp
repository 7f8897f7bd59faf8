// The frame and the scene routines.
#include "shell/TFormMain.h"

void TFormMain::OmegaTimer1Timer() {
  try {
    // Music fades advance here once the music player exists.
    ++FrameCounter;
    if (!OmegaScreen1.Ready()) return;
    OmegaScreen1.SetFiltering(true);
    OmegaScreen1.Clear(0, 0, 0, 255);
    OmegaScreen1.BeginScene();
    RunScene();
    // The scene transition and the diagnostic frame rate draw here.
    OmegaScreen1.EndScene();
  } catch (...) {
    // A frame that fails is simply lost; the next one starts afresh.
    if (OmegaScreen1.InScene()) OmegaScreen1.EndScene();
  }
}

void TFormMain::RunScene() {
  switch (GameScene.GetValue()) {
    case gsCompanyLogos: SceneCompanyLogos(); break;
    case gsSplash: SceneSplash(); break;
    default: break;
  }
}

void TFormMain::SceneCompanyLogos() {
  if (StartFullScreen && !FullScreenSwitchDone) {
    FullScreenSwitchDone = true;
    SetFullScreen(true, true);
  }
  CompanyLogos.UpdateAndDraw();
  if (CompanyLogos.Finished()) {
    LoadFolderJpegs(1);
    LoadFolderPngs(1);
    GameScene.SetValue(gsSplash);
  }
}

void TFormMain::SceneSplash() {
  OmegaImageList1.DrawImage("SplashBG", 0, 0, 0);
  CompanyLogos.UpdateAndDraw();
}

void TFormMain::OnSceneChanged(TGameSceneValues oldScene, TGameSceneValues newScene) {
  Trace("scene", TGameScene::Name(oldScene) + " " + TGameScene::Name(newScene));
}
