// Creating the rooms in their fixed order, and what the menu's windows and buttons do.
#include "platform/TFileSystem.h"
#include "platform/TRecordingAudioBackend.h"
#include "shell/TFormMain.h"
#include "shell/TWidgetMaker.h"

void TFormMain::CreateComponents() {
  auto trace = [this](const std::string& kind, const std::string& details) { Trace(kind, details); };
  const TWidgetMaker make(OmegaImageList1, PlayEffect,
                          [this](TCursorKind kind) { RequestedCursor = kind; });
  TShellParts::Create(IsWindows8OrLater);

  // Sound: a missing or broken audio output leaves the game silent, never stopped. The
  // output and the sound lists open after the first logo frame (FinishStart).
  if (!Services.Audio) {
    // No sound library handed over: every stream fails to open, so the players stay silent.
    auto silent = std::make_unique<TRecordingAudioBackend>();
    silent->FailInit = true;
    OwnedAudio = std::move(silent);
    Services.Audio = OwnedAudio.get();
  }
  IAudioBackend& audio = *Services.Audio;
  MusicBox = std::make_unique<TMusicBox>(audio);
  MusicBox->Path = MusicFolder;
  MusicBox->OnTrace = trace;
  MusicBox->SetVolume(100);
  SFXPlayer = std::make_unique<TSFXPlayer>(audio);
  SFXPlayer->Path = SoundsFolder;
  SFXPlayer->OnTrace = trace;
  SFXPlayer->SetVolume(100);
  VoicePlayer = std::make_unique<TVoicePlayer>(audio);
  VoicePlayer->OnTrace = trace;

  GlobGameText.OmgImgList = &OmegaImageList1;
  Caption = TextStrings.GameTexts[1].empty() ? Caption : TextStrings.GameTexts[1];
  DefaultPlayerName = TextStrings.GameTexts[3];
  Services.Window->SetTitle(Caption);

  TMenuParts::Create(make, OmegaImageList1, GlobGameText, TextStrings, SaveFolder);
  NameList->OnSaveFileExistenceQuestion = [this](TNameList&, const std::string& name, bool& exists) {
    exists = TFileSystem::FileExists(SaveFileName(name));
  };
  NameList->OnError = [this](const std::string& m) { Trace("error", m); };
  NameList->Load();
  NameList->Startup();
  NameInput->OnEntryConfirmed = [this](TNameInput&) { AddNameConfirmed(); };
  std::string error;
  if (!HighScores->Load(error)) Trace("error", error);

  ConfirmWindow = std::make_unique<TGameConfirmWindow>(OmegaImageList1, GlobGameText, TextStrings);
  ConfirmWindow->Window().Left = 480;
  ConfirmWindow->Window().Top = 290;
  ConfirmWindow->Window().HideNow();
  ConfirmWindow->PlaySound = PlayEffect;
  ConfirmWindow->RequestCursor = make.CursorRoute();
  SceneTransition = std::make_unique<TSceneTransition>(OmegaImageList1, GlobGameText, TextStrings);
  ScreenDarkener = std::make_unique<TScreenDarkener>(OmegaImageList1);

  TBoardParts::Create(make, OmegaImageList1, IsWindows8OrLater);
  TMapParts::Create(make, OmegaImageList1, TextStrings);
  THubParts::Create(make, OmegaImageList1, GlobGameText, TextStrings, ExeFolder, SaveFolder,
                    IsWindows8OrLater);
  Shop = BuySlots.get();
  TRoundParts::Create(make, OmegaImageList1, GlobGameText, TextStrings, LevelsFolder,
                      LeftPanelPos);
  TDecorParts::Create(OmegaImageList1, IsWindows8OrLater, PlayEffect);
  TBossParts::Create(OmegaImageList1, PlayEffect);
  TStoryParts::Create(make, OmegaImageList1, GlobGameText, TextStrings, ImagesFolder,
                      IsWindows8OrLater);
  TStoryParts::LoadStoryTexts();
  // Every room links its own components, then the window wires what they do for the game.
  TMenuParts::Wire();
  TBoardParts::Wire();
  TMapParts::Wire();
  TRoundParts::Wire();
  TDecorParts::Wire();
  TBossParts::Wire();
  THubParts::Wire();
  WireBoard();
  WireBoardEffects();
  WireSpiders();
  WireTools();
  WireMap();
  WireHub();
  WireChats();
  WireInGameMenu();
  WireRoundComponents();
  WireBosses();
  WireTutorial();
  WireStory();
  WireComponents();

  CountMainImages();
  CompanyLogos.SetLogoCount(TFileSystem::FileExists(LogoFolder + "CompanyLogo3.jpg") ? 3 : 2);
  NoPlayersYet = NameList->IsEmpty();
}

void TFormMain::WireComponents() {
  SceneTransition->OnStartToSwitch = [this](TSceneTransition&, TGameSceneValues o,
                                            TGameSceneValues n) { OnStartToSwitch(o, n); };
  SceneTransition->OnSceneSwitch = [this](TSceneTransition&, TGameSceneValues n) { SetScene(n); };

  // The menu.
  PlayButton->OnClick = [this](TGameButton&) { PlayFromMenu(); };
  OptionsButton->OnClick = [this](TGameButton&) {
    LoadOptionWidgets();
    OptionsWindow->Show();
    OptionsCaller = ocMenu;
    SetScene(gsOptions);
  };
  HighScoresButton->OnClick = [this](TGameButton&) {
    HighScoreWindow->Show();
    SetScene(gsHighScores);
  };
  ExitButton->OnClick = [this](TGameButton&) { AskConfirmation(ckQuitGame, pbOK, nbCancel); };
  HelpButton->OnClick = [this](TGameButton&) {
    HelpCaller = gsMenu;
    SwitchScene(gsHelp);
  };
  ChangePlayerLink->OnClick = [this](TGameButton&) { ChangePlayer(); };

  // The map (its islands and levels come with the round flow).
  MapMenuButton->OnClick = [this](TGameButton&) { SwitchScene(gsMenu); };
  MapPlayButton->OnClick = [this](TGameButton&) { MapPlay(); };

  // Help and credits.
  HelpDoneButton->OnClick = [this](TGameButton&) {
    if (HelpCaller == gsMainGame) {
      SetScene(gsMainGame);
      ResumeUnlessPausedBefore();
    } else
      SwitchScene(gsMenu);
  };
  CreditsDoneButton->OnClick = [this](TGameButton&) { InfoWindow->Hide(); };
  InfoWindow->OnHidingComplete = [this](TGameMenuWindow&) {
    if (Scene() == gsCredits) SetScene(CreditsCaller == gsInGameOptions ? gsMainGame : gsMenu);
  };
  InfoWindow->OnStartHiding = [this](TGameMenuWindow&) {
    if (Scene() == gsCredits && CreditsCaller == gsInGameOptions) ResumeUnlessPausedBefore();
  };
  HelpPages->OnLoadAnImage = [this](THelpPages&, const std::string& file) {
    LoadImageFile(igMain, file, srLateLoad, ifJpeg);
  };
  StorySkipButton->OnClick = [this](TGameButton&) {
    if (!SkipChapterDialog()) SkipStory();
  };

  // High scores.
  HighScoresOKButton->OnClick = [this](TGameButton&) { HighScoreWindow->Hide(); };
  HighScoreWindow->OnHidingComplete = [this](TGameMenuWindow&) {
    if (Scene() == gsHighScores) SetScene(gsMenu);
  };

  // Options.
  auto nudge = [this](TVolumeBar& bar, TGameCheckBox& box, int by, bool sound) {
    bar.SetPosition(bar.GetPosition() + by);
    box.Checked = true;
    bar.Enabled = true;
    if (sound) {
      SFXPlayer->SetVolume(bar.GetPosition());
      if (VoicePlayer) VoicePlayer->SetVolume(bar.GetPosition());
    } else {
      MusicBox->SetVolume(bar.GetPosition());
    }
  };
  SoundMinusButton->OnClick = [=, this](TGameButton&) { nudge(*SoundBar, *SoundCheck, -10, true); };
  SoundPlusButton->OnClick = [=, this](TGameButton&) { nudge(*SoundBar, *SoundCheck, 10, true); };
  MusicMinusButton->OnClick = [=, this](TGameButton&) { nudge(*MusicBar, *MusicCheck, -10, false); };
  MusicPlusButton->OnClick = [=, this](TGameButton&) { nudge(*MusicBar, *MusicCheck, 10, false); };
  SoundCheck->OnClick = [this](TGameCheckBox& c) {
    SoundBar->Enabled = c.Checked;
    int v = c.Checked ? SoundBar->GetPosition() : 0;
    SFXPlayer->SetVolume(v);
    if (VoicePlayer) VoicePlayer->SetVolume(v);
  };
  MusicCheck->OnClick = [this](TGameCheckBox& c) {
    MusicBar->Enabled = c.Checked;
    MusicBox->SetVolume(c.Checked ? MusicBar->GetPosition() : 0);
  };
  OptionsOKButton->OnClick = [this](TGameButton&) {
    StoreOptionWidgets();
    ApplyOptions();
    OptionsWindow->Hide();
  };
  OptionsWindow->OnHidingComplete = [this](TGameMenuWindow&) { OptionsHidden(); };
  OptionsCreditsButton->OnClick = [this](TGameButton&) {
    // The credits lead back past the options: keep the edits as OK would, but leave the
    // display as it is, since its question cannot be asked from there.
    StoreOptionWidgets();
    CurrentSave.FullScreen = OmegaScreen1.FullScreen;
    ApplyOptions();
    CreditsCaller = Scene();
    CreditLines->Restart();
    InfoWindow->Show();
    SetScene(gsCredits);
  };

  // Players.
  NameListNewButton->OnClick = [this](TGameButton&) {
    NameInput->SetText("");
    AddNameCancelButton->Enabled = true;
    AddNameWindow->Show();
    SetScene(gsAddPlayer);
  };
  NameListDeleteButton->OnClick = [this](TGameButton&) {
    AskConfirmation(ckDeletePlayer, pbYes, nbNo);
  };
  NameListOKButton->OnClick = [this](TGameButton&) { PlayerListOK(); };
  NameListWindow->OnHidingComplete = [this](TGameMenuWindow&) {
    // A new player leaves through the transition already on its way.
    if (Scene() == gsPlayerSelect && !SceneTransition->IsActive()) SetScene(gsMenu);
  };
  AddNameOKButton->OnClick = [this](TGameButton&) { AddNameConfirmed(); };
  AddNameCancelButton->OnClick = [this](TGameButton&) {
    NameExists = false;
    AddNameWindow->Hide();
  };
  AddNameWindow->OnHidingComplete = [this](TGameMenuWindow&) { AddNameHidden(); };

  // Confirmations.
  ConfirmWindow->OnStartShowing = [this](TGameConfirmWindow&) { ScreenDarkener->FadeIn(); };
  ConfirmWindow->OnPositiveButtonClick = [this](TGameConfirmWindow&) { ConfirmPositive(); };
  ConfirmWindow->OnHidingComplete = [this](TGameConfirmWindow&, TConfirmAnswer answer) {
    ScreenDarkener->FadeOut();
    ConfirmHidden(answer);
  };
}

void TFormMain::LoadOptionWidgets() {
  SoundCheck->Checked = CurrentSave.SoundOn;
  MusicCheck->Checked = CurrentSave.MusicOn;
  FullScreenCheck->Checked = CurrentSave.FullScreen;
  TutorialCheck->Checked = CurrentSave.TutorialOn;
  SoundBar->SetNow(CurrentSave.SoundVolume);
  MusicBar->SetNow(CurrentSave.MusicVolume);
  SoundBar->Enabled = SoundCheck->Checked;
  MusicBar->Enabled = MusicCheck->Checked;
}

void TFormMain::StoreOptionWidgets() {
  CurrentSave.SoundOn = SoundCheck->Checked;
  CurrentSave.MusicOn = MusicCheck->Checked;
  CurrentSave.FullScreen = FullScreenCheck->Checked;
  CurrentSave.TutorialOn = TutorialCheck->Checked;
  CurrentSave.SoundVolume = SoundBar->GetPosition();
  CurrentSave.MusicVolume = MusicBar->GetPosition();
  SetTutorialEnabled(CurrentSave.TutorialOn);
}

void TFormMain::OptionsHidden() {
  bool fromMenu = OptionsCaller != ocInGame;
  if (CurrentSave.FullScreen == OmegaScreen1.FullScreen) {
    if (fromMenu) {
      SetScene(gsMenu);
    } else {
      SetScene(ReturnScene);
      ResumeUnlessPausedBefore();
    }
    return;
  }
  AskConfirmation(fromMenu ? ckDisplayFromMenu : ckDisplayInGame, pbOK, nbCancel);
}

void TFormMain::PrepareAfterMainLoad() {
  if (TImageListItem* font = OmegaImageList1.Find("GlobalFontWhite")) {
    GlobGameText.OrigLetterWidth = font->GetTileWidth();
    GlobGameText.OrigLetterHeight = font->GetTileHeight();
  }
  ScreenDust->RefreshSizes();
  TMenuParts::ReadImageSizes();
  TMapParts::ReadImageSizes();
  ConfirmWindow->ReloadButtonSizes();
  LoadingBar->ReloadSize();
  TRoundParts::ReadImageSizes();
  TBoardParts::ReadImageSizes();
  TDecorParts::ReadImageSizes();
  THubParts::ReadImageSizes();
  TStoryParts::ReadImageSizes();
  MainLoadPrepared = true;
}
