// Creating the components in their fixed order and wiring their events to the shell.
#include "platform/TFileSystem.h"
#include "platform/TRecordingAudioBackend.h"
#include "shell/TFormMain.h"
#include "ui/TCursorRequest.h"

std::unique_ptr<TGameButton> TFormMain::MakeButton(const std::string& image, int left, int top) {
  auto b = std::make_unique<TGameButton>(OmegaImageList1);
  b->ImageName = image;
  b->SetPosition(left, top);
  b->PlaySound = PlayEffect;
  return b;
}

std::unique_ptr<TGameMenuWindow> TFormMain::MakeWindow(const std::string& image, int left, int top,
                                                       int hideX, int hideY, int step,
                                                       TShowDir dir) {
  auto w = std::make_unique<TGameMenuWindow>(OmegaImageList1);
  w->WindowImg = image;
  w->Left = left;
  w->Top = top;
  w->HidingXPos = hideX;
  w->HidingYPos = hideY;
  w->MoveStep = step;
  w->ShowDir = dir;
  w->HideNow();
  return w;
}

void TFormMain::CreateComponents() {
  auto trace = [this](const std::string& kind, const std::string& details) { Trace(kind, details); };
  LoadingBar = std::make_unique<TLoadingBar>(OmegaImageList1);

  // Sound: a missing or broken audio output leaves the game silent, never stopped.
  if (Services.Audio) Services.Audio->Init();
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
  MusicBox->LoadTracks();
  MusicBox->SetVolume(100);
  SFXPlayer = std::make_unique<TSFXPlayer>(audio);
  SFXPlayer->Path = SoundsFolder;
  SFXPlayer->OnTrace = trace;
  SFXPlayer->LoadAll();
  SFXPlayer->SetVolume(100);
  PlayEffect = [this](const std::string& name) {
    if (SFXPlayer) SFXPlayer->Play(name);
  };
  VoicePlayer = std::make_unique<TVoicePlayer>(audio);
  VoicePlayer->OnTrace = trace;
  VoicePlayer->LoadGroup(EndingVoicesFolder);
  PlayVoice = [this](const std::string& name) {
    if (VoicePlayer) VoicePlayer->Play(name);
  };

  GlobGameText.OmgImgList = &OmegaImageList1;
  Caption = TextStrings.GameTexts[1].empty() ? Caption : TextStrings.GameTexts[1];
  DefaultPlayerName = TextStrings.GameTexts[3];
  Services.Window->SetTitle(Caption);

  NameList = std::make_unique<TNameList>();
  NameList->Left = NameList->Top = -999;
  NameList->FileName = SaveFolder + "Players.dat";
  NameList->OnSaveFileExistenceQuestion = [this](TNameList&, const std::string& name, bool& exists) {
    exists = TFileSystem::FileExists(SaveFileName(name));
  };
  NameList->OnHoverName = [] { TCursorRequest::RequestHand(); };
  NameList->OnError = [this](const std::string& m) { Trace("error", m); };
  NameList->Load();
  NameList->Startup();
  NameInput = std::make_unique<TNameInput>();
  NameInput->Left = NameInput->Top = -999;
  NameInput->MeasureText = [this](const std::string& t, float scale) {
    return static_cast<float>(GlobGameText.TextWidth(t, 0, scale));
  };
  NameInput->OnEntryConfirmed = [this](TNameInput&) { AddNameConfirmed(); };
  HighScores = std::make_unique<THighScores>();
  HighScores->NormalModeFileName = SaveFolder + "HighScores.dat";
  std::string error;
  if (!HighScores->Load(error)) Trace("error", error);

  ConfirmWindow = std::make_unique<TGameConfirmWindow>(OmegaImageList1, GlobGameText, TextStrings);
  ConfirmWindow->Window().Left = 480;
  ConfirmWindow->Window().Top = 290;
  ConfirmWindow->Window().HideNow();
  ConfirmWindow->PlaySound = PlayEffect;
  SceneTransition = std::make_unique<TSceneTransition>(OmegaImageList1, GlobGameText, TextStrings);
  ScreenDarkener = std::make_unique<TScreenDarkener>(OmegaImageList1);
  CreditLines = std::make_unique<TCreditLines>(GlobGameText, TextStrings);
  Snow = std::make_unique<TSnowEffect>(OmegaImageList1);
  ScreenDust = std::make_unique<TScreenDustEffect>(OmegaImageList1);
  ScreenDust->IsWindows8OrLater = IsWindows8OrLater;

  // The shell's buttons and windows.
  StorySkipButton = MakeButton("StorySkipButton", 1259, 728);
  HelpDoneButton = MakeButton("WindowDoneButton", 626, 675);
  HelpPages = std::make_unique<THelpPages>(OmegaImageList1);
  NameListWindow = MakeWindow("NameListWindow", 449, 191, -470, 191, 100, sdToRight);
  InfoWindow = MakeWindow("InfoWindow", 480, 187, 480, -400, 85, sdToDown);
  HighScoreWindow = MakeWindow("InfoWindow", 480, 187, 1366, 187, 100, sdToLeft);
  AddNameWindow = MakeWindow("AddNameWindow", 450, 271, -470, 271, 100, sdToRight);
  OptionsWindow = MakeWindow("OptionsWindow", 460, 187, -450, 187, 100, sdToRight);
  CreditsDoneButton = MakeButton("WindowDoneButton", -999, -999);
  NameListNewButton = MakeButton("NameListNewButton", -999, -999);
  NameListDeleteButton = MakeButton("NameListDeleteButton", -999, -999);
  NameListOKButton = MakeButton("WindowOKButton", -999, -999);
  AddNameOKButton = MakeButton("WindowOKButton", -999, -999);
  AddNameCancelButton = MakeButton("WindowCancelButton", -999, -999);
  ChangePlayerLink = MakeButton("ChangePlayerLink", -999, -999);
  PlayButton = MakeButton("PlayButton", -999, -999);
  OptionsButton = MakeButton("OptionsButton", -999, -999);
  HighScoresButton = MakeButton("HighScoresButton", -999, -999);
  ExitButton = MakeButton("ExitButton", -999, -999);
  HelpButton = MakeButton("HelpButton", -999, -999);
  MapMenuButton = MakeButton("MapMenuButton", -999, -999);
  MapPlayButton = MakeButton("MapPlayButton", -999, -999);
  OptionsCreditsButton = MakeButton("CreditsButton", -999, -999);
  OptionsOKButton = MakeButton("WindowOKButton", -999, -999);
  SoundMinusButton = MakeButton("VolumeMinusButton", -999, -999);
  SoundPlusButton = MakeButton("VolumePlusButton", -999, -999);
  MusicMinusButton = MakeButton("VolumeMinusButton", -999, -999);
  MusicPlusButton = MakeButton("VolumePlusButton", -999, -999);
  HighScoresOKButton = MakeButton("WindowOKButton", -999, -999);

  MenuPanel = std::make_unique<TPanelMover>();
  MenuPanel->Setup(1014, 234, 1014, 270, 0, 1);
  WelcomePanel = std::make_unique<TPanelMover>();
  WelcomePanel->Setup(0, 0, 0, -26, 0, 1);
  MapLeftPanel = std::make_unique<TPanelMover>();
  MapLeftPanel->Setup(0, 654, -40, 694, 1, 1);
  MapRightPanel = std::make_unique<TPanelMover>();
  MapRightPanel->Setup(1196, 654, 1236, 694, 1, 1);

  SoundBar = std::make_unique<TVolumeBar>(OmegaImageList1);
  MusicBar = std::make_unique<TVolumeBar>(OmegaImageList1);
  auto check = [this](const char* image, int width) {
    auto c = std::make_unique<TGameCheckBox>(OmegaImageList1);
    c->ImageName = image;
    c->PlaySound = PlayEffect;
    c->Width = width;
    c->Height = 31;
    c->Left = c->Top = -999;
    return c;
  };
  SoundCheck = check("CheckBoxSound", 78);
  MusicCheck = check("CheckBoxMusic", 95);
  FullScreenCheck = check("CheckBoxFullscreen", 146);
  TutorialCheck = check("CheckBoxTutorial", 118);
  TutorialCheck->Checked = true;

  // The menu's small motions: a blink now and then, a gently swinging wand and logo.
  MenuBlink.SetSeq(std::string(120, '-') + "123321-");
  MenuBlink.Looped = true;
  WandSwing.Setup(-40, 40, 1, 1);
  LogoSwing.Setup(-0.12f, 0.12f, 0.004f, 0.004f);

  WireComponents();
  CreateBoardComponents();
  CreateMapComponents();
  CreateRoundComponents();

  CountMainImages();
  CompanyLogos.SetLogoCount(TFileSystem::FileExists(LogoFolder + "CompanyLogo3.jpg") ? 3 : 2);
  NoPlayersYet = NameList->IsEmpty();
}

void TFormMain::WireComponents() {
  GameScene.OnChanged = [this](TGameScene&, TGameSceneValues o, TGameSceneValues n) {
    OnSceneChanged(o, n);
  };
  SceneTransition->OnStartToSwitch = [this](TSceneTransition&, TGameSceneValues o,
                                            TGameSceneValues n) { OnStartToSwitch(o, n); };
  SceneTransition->OnSceneSwitch = [this](TSceneTransition&, TGameSceneValues n) { SetScene(n); };

  // Panels report where they are; their buttons follow.
  MenuPanel->OnPosUpdate = [this](TPanelMover&, TPoint p) { PlaceMenuButtons(p); };
  WelcomePanel->OnPosUpdate = [this](TPanelMover&, TPoint p) {
    ChangePlayerLink->SetPosition(p.X + 21, p.Y + 54);
  };
  MapLeftPanel->OnPosUpdate = [this](TPanelMover&, TPoint p) {
    MapMenuButton->SetPosition(p.X + 40, p.Y + 26);
  };
  MapRightPanel->OnPosUpdate = [this](TPanelMover&, TPoint p) {
    MapPlayButton->SetPosition(p.X + 33, p.Y + 26);
  };
  NameListWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    NameList->Left = p.X + 68;
    NameList->Top = p.Y + 80;
    NameListNewButton->SetPosition(p.X + 59, p.Y + 335);
    NameListDeleteButton->SetPosition(p.X + 166, p.Y + 335);
    NameListOKButton->SetPosition(p.X + 284, p.Y + 335);
  };
  AddNameWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    NameInput->Left = p.X + 87;
    NameInput->Top = p.Y + 106;
    AddNameOKButton->SetPosition(p.X + 93, p.Y + 174);
    AddNameCancelButton->SetPosition(p.X + 263, p.Y + 174);
  };
  InfoWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    CreditsDoneButton->SetPosition(p.X + 148, p.Y + 343);
    CreditLines->Left = p.X + 72;
    CreditLines->Top = p.Y + 70;
  };
  HighScoreWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    HighScoresOKButton->SetPosition(p.X + 148, p.Y + 343);
  };
  OptionsWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) { PlaceOptionWidgets(p); };

  // The menu.
  PlayButton->OnClick = [this](TGameButton&) { PlayFromMenu(); };
  OptionsButton->OnClick = [this](TGameButton&) {
    LoadOptionWidgets();
    OptionsWindow->Show();
    OptionsWindow->Tag = "MENU_OPTIONS";
    SetScene(gsOptions);
  };
  HighScoresButton->OnClick = [this](TGameButton&) {
    HighScoreWindow->Show();
    SetScene(gsHighScores);
  };
  ExitButton->OnClick = [this](TGameButton&) { AskConfirmation(1, pbOK, nbCancel); };
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
    LoadImageFile(2, file, true, true);
  };
  StorySkipButton->OnClick = [this](TGameButton&) {
    if (VoicePlayer) VoicePlayer->StopAll();
    if (MusicBox) MusicBox->SetVolume(CurrentSave.MusicOn ? CurrentSave.MusicVolume : 0);
    SwitchScene(gsMenu);
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
  NameListDeleteButton->OnClick = [this](TGameButton&) { AskConfirmation(2, pbYes, nbNo); };
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
  ConfirmWindow->OnHidingComplete = [this](TGameConfirmWindow&, int result) {
    ScreenDarkener->FadeOut();
    ConfirmHidden(result);
  };
}

void TFormMain::PlaceMenuButtons(TPoint p) {
  PlayButton->SetPosition(p.X + 67, p.Y + 81);
  OptionsButton->SetPosition(p.X + 86, p.Y + 267);
  HighScoresButton->SetPosition(p.X + 86, p.Y + 331);
  HelpButton->SetPosition(p.X + 86, p.Y + 394);
  ExitButton->SetPosition(p.X + 86, p.Y + 473);
}

void TFormMain::PlaceOptionWidgets(TPoint w) {
  OptionsCreditsButton->SetPosition(w.X + 86, w.Y + 198);
  OptionsOKButton->SetPosition(w.X + 251, w.Y + 198);
  SoundCheck->SetPosition(w.X + 38, w.Y + 63);
  SoundMinusButton->SetPosition(w.X + 198, w.Y + 63);
  SoundBar->Left = w.X + 243;
  SoundBar->Top = w.Y + 67;
  SoundPlusButton->SetPosition(w.X + 380, w.Y + 63);
  MusicCheck->SetPosition(w.X + 38, w.Y + 109);
  MusicMinusButton->SetPosition(w.X + 198, w.Y + 109);
  MusicBar->Left = w.X + 243;
  MusicBar->Top = w.Y + 113;
  MusicPlusButton->SetPosition(w.X + 380, w.Y + 109);
  FullScreenCheck->SetPosition(w.X + 38, w.Y + 152);
  TutorialCheck->SetPosition(w.X + 216, w.Y + 152);
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
  TutorialEnabled = CurrentSave.TutorialOn;
}

void TFormMain::OptionsHidden() {
  bool fromMenu = OptionsWindow->Tag != "INGAME_OPTIONS";
  if (CurrentSave.FullScreen == OmegaScreen1.FullScreen) {
    if (fromMenu) {
      SetScene(gsMenu);
    } else {
      SetScene(ReturnScene);
      ResumeUnlessPausedBefore();
    }
    return;
  }
  AskConfirmation(fromMenu ? 3 : 4, pbOK, nbCancel);
}

void TFormMain::ReloadButtonSizes() {
  for (TGameButton* b :
       {StorySkipButton.get(), HelpDoneButton.get(), CreditsDoneButton.get(),
        NameListNewButton.get(), NameListDeleteButton.get(), NameListOKButton.get(),
        AddNameOKButton.get(), AddNameCancelButton.get(), ChangePlayerLink.get(), PlayButton.get(),
        OptionsButton.get(), HighScoresButton.get(), ExitButton.get(), HelpButton.get(),
        MapMenuButton.get(), MapPlayButton.get(), OptionsCreditsButton.get(),
        OptionsOKButton.get(), SoundMinusButton.get(), SoundPlusButton.get(),
        MusicMinusButton.get(), MusicPlusButton.get(), HighScoresOKButton.get()})
    b->ReloadSize();
  ConfirmWindow->ReloadButtonSizes();
  SoundBar->ReloadSize();
  MusicBar->ReloadSize();
}

void TFormMain::PrepareAfterMainLoad() {
  if (TImageListItem* font = OmegaImageList1.Find("GlobalFontWhite")) {
    GlobGameText.OrigLetterWidth = font->GetTileWidth();
    GlobGameText.OrigLetterHeight = font->GetTileHeight();
  }
  ScreenDust->RefreshSizes();
  ReloadButtonSizes();
  LoadingBar->ReloadSize();
  PrepareRoundAfterMainLoad();
  MainLoadPrepared = true;
}
