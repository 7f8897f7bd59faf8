// The frame and the scene routines.
#include "engine/Rounding.h"
#include "engine/TMotion.h"
#include "shell/TFormMain.h"
#include "ui/TTextFit.h"

void TFormMain::OmegaTimer1Timer() {
  try {
    if (MusicBox) MusicBox->Update();
    ++FrameCounter;
    if (!OmegaScreen1.Ready()) return;
    OmegaScreen1.SetFiltering(true);
    OmegaScreen1.Clear(0, 0, 0, 255);
    OmegaScreen1.BeginScene();
    RunScene();
    if (SceneTransition) SceneTransition->DrawFrame();
    if (CheatMode && OmegaTimer1.GetTargetFPS() == 0 && Scene() > gsSplash)
      GlobGameText.DrawText(20, 10, std::to_string(OmegaTimer1.FPS) + " fps", {.Scale = 0.8});
    OmegaScreen1.EndScene();
    if (FullScreenSwitchDue) {
      FullScreenSwitchDue = false;
      FullScreenSwitchDone = true;
      SetFullScreen(true, dcRemember);
    }
  } catch (...) {
    // A frame that fails is simply lost; the next one starts afresh. The trace keeps it.
    TraceException("frame");
    if (OmegaScreen1.InScene()) OmegaScreen1.EndScene();
  }
}

void TFormMain::DrawCentredText(const std::string& text, int left, int width, int y,
                                const TTextStyle& style) {
  int w = GlobGameText.TextWidth(text, style.ExtraSpacing, style.Scale);
  GlobGameText.DrawText(static_cast<float>(left + (width - w) / 2), static_cast<float>(y), text,
                        style);
}

void TFormMain::RunScene() {
  switch (Scene()) {
    case gsCompanyLogos: SceneCompanyLogos(); break;
    case gsSplash: SceneSplash(); break;
    case gsMenu: SceneMenu(); break;
    case gsPlayerSelect: DrawPlayerSelectScene(); break;
    case gsMap: SceneMap(); break;
    case gsMainGame:
    case gsRoundClear:
    case gsTimeUp:
    case gsTutorial:
    case gsTutorialToolTip: DrawMainGame(); break;
    case gsObjectiveInfo:
      DrawMainGame();
      ObjectiveInfo->UpdateAndDraw();
      break;
    case gsInGameMenu:
      DrawMainGame();
      if (ReturnScene == gsObjectiveInfo) ObjectiveInfo->UpdateAndDraw();
      ScreenDarkener->Draw();
      DrawInGameMenu();
      break;
    case gsStageResult: DrawStageResult(); break;
    case gsStickerBook: SceneHub(); break;
    case gsOptions:
    case gsInGameOptions:
      if (Scene() == gsOptions) DrawMenuScene();
      else DrawMainGame();
      ScreenDarkener->Draw();
      DrawOptionsWindow();
      break;
    case gsHighScores:
      DrawMenuScene();
      ScreenDarkener->Draw();
      DrawHighScoreWindow();
      break;
    case gsHelp:
      HelpPages->Draw();
      HelpDoneButton->Draw();
      ScreenDust->UpdateAndDraw();
      break;
    case gsCredits:
      if (CreditsCaller == gsOptions) DrawMenuScene();
      else if (ReturnScene == gsMainGame) DrawMainGame();
      ScreenDarkener->Draw();
      InfoWindow->Update();
      InfoWindow->Draw();
      if (!InfoWindow->IsHidden()) {
        TPoint p = InfoWindow->Position();
        DrawCentredText(TextStrings.GameTexts[7], p.X + 45, 342, p.Y + 27, {.Scale = 0.78});
        CreditLines->UpdateAndDraw();
        CreditsDoneButton->Draw();
      }
      break;
    case gsConfirmWindow:
      switch (ConfirmKind) {
        case ckQuitGame:
        case ckDisplayFromMenu:
        case ckRelaxedMode: DrawMenuScene(); break;
        case ckDeletePlayer:
        case ckNameTaken: DrawPlayerSelectScene(); break;
        default: DrawMainGame(); break;
      }
      ScreenDarkener->Draw();
      ConfirmWindow->UpdateAndDraw();
      break;
    case gsAddPlayer:
    case gsAddInitialPlayer:
      if (Scene() == gsAddPlayer)
        DrawPlayerSelectScene();
      else
        DrawSplashScene();
      ScreenDarkener->Draw();
      DrawAddNameWindow();
      break;
    case gsOpeningStory: SceneStory(*ComicStrips); break;
    case gsEndingStory: SceneStory(*EndingStrips); break;
    default: ScenePlaceholder(); break;
  }
}

void TFormMain::SceneCompanyLogos() {
  // Full screen comes as soon as this frame is on screen: the switch may wait on the window
  // manager, and the first logo should not.
  if (StartFullScreen && !FullScreenSwitchDone) FullScreenSwitchDue = true;
  CompanyLogos.UpdateAndDraw();
  if (CompanyLogos.Finished()) {
    MusicBox->SetVolume(50);
    MusicBox->Request(mrSplash);
    LoadFolderJpegs(igSplash);
    LoadFolderPngs(igSplash);
    LoadingBar->ReloadSize();
    SetScene(gsSplash);
  }
}

void TFormMain::DrawSplashScene() {
  OmegaImageList1.DrawImage("SplashBG", 0, 0, 0);
  if (LoadingBar->LoadingMinusOneFinished() && !LoadingBar->LoadingFinished())
    LoadingBar->ImageLoaded();
  // "Click to play!" goes with the click that answers it.
  if (!SplashAnswered) LoadingBar->Draw();
  ScreenDust->UpdateAndDraw();
}

void TFormMain::SceneSplash() {
  DrawSplashScene();
  if (CompanyLogos.Finished() && !LoadStarted) {
    ++SplashFrames;
    if (SplashFrames >= 33) {
      LoadStarted = true;
      LoadFolderJpegs(igMain);
      LoadFolderPngs(igMain);
      PrepareAfterMainLoad();
    }
  }
  CompanyLogos.UpdateAndDraw();
  // The last logo fades out within the splash's first frames, before the main load.
  if (CompanyLogos.FadedOut()) FreeLogoPictures();
}

void TFormMain::DrawMenuScene() {
  MenuPanel->Update();
  WelcomePanel->Update();
  MenuBlink.Next();
  WandSwing.Step();
  LogoSwing.Step();
  OmegaImageList1.DrawImage("MenuBG", 0, 0, 0);
  int eyes = MenuBlink.Frame();
  if (eyes != TAnimData::Hidden) OmegaImageList1.DrawImage("CharEyes", 359, 162, eyes);
  OmegaImageList1.DrawImage(
      "CharWand", 569, 132, 0,
      {.CenterX = 0.99226004f, .CenterY = 0.08370044f, .Angle = WandSwing.Value * 0.059f});
  OmegaImageList1.DrawImage("CharWandCover", 580, 457, 0);
  Snow->UpdateAndDraw(24, 0.75f);
  DrawMenuSparkles();
  TPoint welcome = WelcomePanel->Position();
  OmegaImageList1.DrawImage("WelcomePanel", static_cast<float>(welcome.X - 4),
                            static_cast<float>(welcome.Y - 4), 0);
  ChangePlayerLink->Draw();
  TPoint menu = MenuPanel->Position();
  OmegaImageList1.DrawImage("MenuPanel", static_cast<float>(menu.X), static_cast<float>(menu.Y), 0);
  // The shine sits round the Play button wherever the panel has brought it, under the
  // button, as on the map: its added rays would wash out the word. They turn about the
  // picture's middle, so the picture's corner goes half its size up and left.
  PlayButtonShine->Left = PlayButton->Left + PlayButton->Width() / 2 -
                          OmegaImageList1.TileWidthOf("GeneralShine") / 2;
  PlayButtonShine->Top = PlayButton->Top + PlayButton->Height() / 2 -
                         OmegaImageList1.TileHeightOf("GeneralShine") / 2;
  PlayButtonShine->UpdateAndDraw();
  PlayButton->Draw();
  OptionsButton->Draw();
  HighScoresButton->Draw();
  ExitButton->Draw();
  HelpButton->Draw();
  OmegaImageList1.DrawImage("GameLogo", static_cast<float>(menu.X - 90),
                            static_cast<float>(menu.Y - 172), 0,
                            {.CenterX = 0.5f, .CenterY = -50, .Angle = LogoSwing.Value});
  std::string greeting = TextStrings.GameTexts[5] + " " + NameList->CurrentName() + "!";
  // A long name shrinks the line rather than losing its end.
  double greetingScale = TTextFit::ScaleToFit(GlobGameText.FontKind, greeting, 340, 0,
                                              0.85 * NameInput->LetterSizeRatio);
  GlobGameText.DrawText(static_cast<float>(welcome.X + 24), static_cast<float>(welcome.Y + 33),
                        greeting, {.Scale = greetingScale, .Alpha = 250, .MaxWidth = 340});
  ScreenDust->UpdateAndDraw();
  if (IsWindows8OrLater) {
    TMotion::ApproachInt(NoticeAlpha, 25, NoticeTarget);
    if (NoticeAlpha > 0)
      OmegaImageList1.DrawImage("Win8Notice", 606, 641, 0,
                                {.A = static_cast<std::uint8_t>(NoticeAlpha)});
  }
}

void TFormMain::SceneMenu() { DrawMenuScene(); }

void TFormMain::DrawPlayerSelectScene() {
  DrawMenuScene();
  if (Scene() == gsPlayerSelect) ScreenDarkener->Draw();
  NameListWindow->Update();
  NameListWindow->Draw();
  if (NameListWindow->IsHidden()) return;
  const TNameList& list = *NameList;
  OmegaImageList1.DrawImage(
      "NameListSelection", static_cast<float>(list.Left + TNameList::SelectionX),
      static_cast<float>((list.Selected() - 1) * list.VertGap + list.Top + TNameList::SelectionY),
      0, {.A = TNameList::SelectionAlpha});
  for (int i = 1; i <= TNameList::SlotCount; ++i) {
    if (list.Name(i).empty()) continue;
    bool selected = i == list.Selected();
    GlobGameText.DrawText(static_cast<float>(list.Left + TNameList::NameX),
                          static_cast<float>((i - 1) * list.VertGap + list.Top + TNameList::NameY),
                          list.Name(i),
                          {.Scale = selected ? TNameList::SelectedNameScale : TNameList::NameScale,
                           .Alpha = static_cast<std::uint8_t>(selected ? 255 : 220),
                           .MaxWidth = TNameList::NameMaxWidth});
  }
  NameListNewButton->Draw();
  NameListDeleteButton->Draw();
  NameListOKButton->Draw();
}

void TFormMain::DrawAddNameWindow() {
  AddNameWindow->Update();
  AddNameWindow->Draw();
  if (AddNameWindow->IsHidden()) return;
  NameInput->Update();
  GlobGameText.DrawText(static_cast<float>(NameInput->Left), static_cast<float>(NameInput->Top),
                        NameInput->GetDisplayText(),
                        {.Scale = 0.85, .Alpha = 250, .MaxWidth = 327});
  AddNameOKButton->Draw();
  AddNameCancelButton->Draw();
}

void TFormMain::DrawOptionsWindow() {
  OptionsWindow->Update();
  OptionsWindow->Draw();
  if (OptionsWindow->IsHidden()) return;
  OptionsCreditsButton->Draw();
  OptionsOKButton->Draw();
  SoundMinusButton->Draw();
  SoundPlusButton->Draw();
  MusicMinusButton->Draw();
  MusicPlusButton->Draw();
  SoundBar->Draw();
  MusicBar->Draw();
  SoundCheck->Draw();
  MusicCheck->Draw();
  FullScreenCheck->Draw();
  TutorialCheck->Draw();
}

void TFormMain::DrawHighScoreWindow() {
  HighScoreWindow->Update();
  HighScoreWindow->Draw();
  if (HighScoreWindow->IsHidden()) return;
  TPoint p = HighScoreWindow->Position();
  DrawCentredText(TextStrings.GameTexts[9], p.X + 45, 342, p.Y + 27, {.Scale = 0.78});
  for (int i = 1; i <= 4; ++i)
    OmegaImageList1.DrawImage("HighScoreLine", static_cast<float>(p.X + 52),
                              static_cast<float>(p.Y + i * 45 + 50), 0);
  for (int n = 1; n <= THighScores::RowCount; ++n) {
    std::string prefix = std::to_string(n) + ". ";
    std::string suffix = " - " + HighScores->ScoreText(n);
    int room = 280 - GlobGameText.TextWidth(prefix + suffix, 0, 0.65);
    std::string name = HighScores->Name(n);
    bool cut = false;
    while (!name.empty() && GlobGameText.TextWidth(name, 0, 0.65) > room) {
      name.pop_back();
      cut = true;
    }
    if (cut) name += "..";
    GlobGameText.DrawText(static_cast<float>(p.X + 72), static_cast<float>(p.Y + n * 45 + 50),
                          prefix + name + suffix, {.Scale = 0.65, .Alpha = 245, .MaxWidth = 280});
  }
  HighScoresOKButton->Draw();
}

void TFormMain::ScenePlaceholder() {
  // Scenes whose components come later draw the island background meanwhile.
  OmegaImageList1.DrawImage("GameBG1", 0, 0, 0);
}
