// The main window's life: creation, display mode, focus changes and closing.
#include <exception>

#include "platform/TFileSystem.h"
#include "profiles/TPlayerOptions.h"
#include "shell/TDisplayModeChooser.h"
#include "shell/TFormMain.h"
#include "shell/TSaveFolders.h"

TFormMain::TFormMain(const TShellServices& services) : TShellParts(services), Services(services) {
  // The values of the form resource.
  OmegaScreen1.Width = 1366;
  OmegaScreen1.Height = 768;
  OmegaScreen1.SetBpp(32);
  OmegaScreen1.ZBuffer = false;
  OmegaScreen1.BackBufferAccess = false;
  OmegaScreen1.BBCount = 0;
  OmegaTimer1.SetTargetFPS(33);
  OmegaTimer1.SetMinFPS(10);
  OmegaTimer1.SetMaxFPS(0);
  OmegaTimer1.SetFPSWarningFrames(10);
  OmegaTimer1.OnTimer = [this](TOmegaTimer&) { OmegaTimer1Timer(); };
  OmegaScreen1.OnFatalError = [this](const std::string& text) {
    Services.MessageBoxes->Show("Error", text, TMessageButtons::OkCancel, true);
    Services.MessageBoxes->Show("Error", "This application will now exit.",
                                TMessageButtons::OkCancel, true);
    if (Services.Terminate) Services.Terminate(1);
  };
  ImageLoader.OnError = [this](const std::string& message) { Trace("error", message); };
  OmegaImageList1.MessageBoxes = Services.MessageBoxes;
  GameScene.OnChanged = [this](TGameScene&, TGameSceneValues o, TGameSceneValues n) {
    OnSceneChanged(o, n);
  };
}

TFormMain::~TFormMain() { OmegaTimer1.SetEnabled(false); }

void TFormMain::Trace(const std::string& kind, const std::string& details) {
  if (Services.Trace) Services.Trace(kind, details);
}

bool TFormMain::FormCreate() {
  // 1-2. The operating-system check and, where it applies, the windowed-mode question.
  IsWindows8OrLater = Services.IsWindows8OrLater;
  if (!IsWindows8OrLater) {
    Services.Window->SetBordered(true);
  } else if (Services.AskWindowedModeDialog) {
    if (Services.AskWindowedModeDialog() == 2)
      Win10Confirm.ChooseRunWindowed();
    else
      Win10Confirm.ChooseRunNormally();
  }
  // 3.
  NoticeCounter = 0;
  NoticeTarget = 255;
  // 4.
  ExeFolder = Services.ExeFolder;
  if (!TFileSystem::ChangeDirectory(ExeFolder)) {
    Services.MessageBoxes->Show(
        "Error",
        "Please reinstall the game to a folder or path that has all standard ASCII characters.  "
        "For example \"C:\\Program Files\\Game Name\\\".  This game cannot run if the folder or "
        "path contains NON-ASCII or foreign characters.  Thank you.",
        TMessageButtons::Ok, true);
    return false;
  }
  // 5. (6: the focus handlers are the loop's events, see HandleEvent.)
  if (!Services.SaveRoot) {
    Services.MessageBoxes->Show("Error", "Error: could not access game save folder.",
                                TMessageButtons::Ok, true);
    return false;
  }
  BuildFolderPaths();
  // 7.
  TSaveFolders::CreateSaveFolders(SaveRoot, SaveFolder, *Services.MessageBoxes);
  SaveFolder = TSaveFolders::SelectSaveFolder(SaveFolder);
  // 8.
  FrameCounter = 0;
  ResumeOnActivate = true;
  Services.Window->GetPosition(WindowedLeft, WindowedTop);
  MinimizeOnSwitch = false;
  NoPlayersYet = false;
  PlayerLoaded = false;
  StickersPending = true;
  GamePaused = false;
  CheatMode = false;
  LoadStarted = false;
  SplashFrames = 0;
  // 9.
  TDisplaySize mode = TDisplayModeChooser::Choose(Services.DisplayModes);
  OmegaScreen1.Width = mode.Width;
  OmegaScreen1.Height = mode.Height;
  OmegaScreen1.ScaleX = static_cast<float>(mode.Width) / 1366.0f;
  OmegaScreen1.ScaleY = static_cast<float>(mode.Height) / 768.0f;
  Services.Window->SetClientSize(mode.Width, mode.Height);
  Services.Window->SetBackBufferSize(mode.Width, mode.Height);
  // 10.
  OmegaScreen1.SetWindow(Services.Window);
  if (!OmegaScreen1.Initialize()) return false;
  // 11. The language settings, and with them the text catalogue: without its texts the
  // game cannot show a single word, so a bad file stops here with the reason.
  std::string error;
  if (!SettingLoader.Load(TextsFolder, error) || !TextStrings.Load(TextsFolder, error)) {
    Services.MessageBoxes->Show("Error", error, TMessageButtons::Ok, true);
    return false;
  }
  // 12. The tile-count table is a member. 13. (Only what the first frame draws; the other
  // logos follow in FinishStart.)
  OmegaImageList1.SetExecutableFolder(ExeFolder);
  LoadFirstLogoFrame();
  // 14.
  CreateComponents();
  // 15-16.
  GatherPlayerSave(DefaultSave);
  TPlayerOptions::SetDefaults(DefaultSave);
  ApplyOptions();
  // 18-19.
  StartFullScreen = ReadStartFullScreenOption();
  int cw = 0, ch = 0;
  Services.Window->GetClientSize(cw, ch);
  if (cw < OmegaScreen1.Width || ch < OmegaScreen1.Height ||
      Services.Desktop.Width < OmegaScreen1.Width || Services.Desktop.Height < OmegaScreen1.Height)
    StartFullScreen = true;
  if (Win10Confirm.WindowedChosen()) StartFullScreen = false;
  // 20.
  GameScene.SetValue(gsCompanyLogos);
  Created = true;
  return true;
}

void TFormMain::FormShow() {
  Services.Window->Show();
  OmegaTimer1.SetEnabled(true);
  // The first logo frame is drawn at once, not a frame length after the window appears.
  OmegaTimer1.FireNow();
}

void TFormMain::FinishStart() {
  StartFinished = true;
  // The logos still to come, unless they were skipped past already.
  if (Scene() == gsCompanyLogos)
    for (const std::string& f : LateLogoFiles) LoadImageFile(igLogo, f, srGroupFolder, ifJpeg);
  LateLogoFiles.clear();
  // The sound output and every list of sounds, in the order the players were made.
  MusicBox->LoadTracks();
  if (SFXPlayer->Count() == 0) SFXPlayer->LoadAll();
  if (VoicePlayer && VoicePlayer->Count() == 0) VoicePlayer->LoadGroup(EndingVoicesFolder);
}

void TFormMain::SetFullScreen(bool value, TDisplayChoice choice) {
  if (OmegaScreen1.FullScreen == value) return;
  IWindow& w = *Services.Window;
  if (!OmegaScreen1.FullScreen) w.GetPosition(WindowedLeft, WindowedTop);
  OmegaScreen1.FullScreen = !OmegaScreen1.FullScreen;
  if (!IsWindows8OrLater) {
    w.SetBordered(!OmegaScreen1.FullScreen);
    w.SetStayOnTop(OmegaScreen1.FullScreen);
  }
  if (OmegaScreen1.FullScreen) {
    w.SetFullScreenDesktop(true);
    HoverCursor = TCursorKind::Arrow;
    w.SetCursor(TCursorKind::Arrow);
  } else if (MinimizeOnSwitch) {
    MinimizeOnSwitch = false;
    w.Minimize();
  }
  OmegaScreen1.SetWindow(&w);
  OmegaScreen1.Reset();
  if (!OmegaScreen1.FullScreen) {
    w.SetFullScreenDesktop(false);
    w.SetPosition(WindowedLeft, WindowedTop);
    w.SetClientSize(OmegaScreen1.Width, OmegaScreen1.Height);
  }
  if (choice == dcRemember) CurrentSave.FullScreen = OmegaScreen1.FullScreen;
  Trace("display", OmegaScreen1.FullScreen ? "fullscreen" : "windowed");
}

void TFormMain::FormResize() {
  if (!OmegaScreen1.FullScreen)
    Services.Window->SetClientSize(OmegaScreen1.Width, OmegaScreen1.Height);
}

bool TFormMain::ConfirmBlocksActivation() const {
  return GameScene.GetValue() == gsConfirmWindow &&
         (ConfirmKind == ckDisplayFromMenu || ConfirmKind == ckDisplayInGame);
}

void TFormMain::PauseAll() {
  OmegaTimer1.SetEnabled(false);
  if (MusicBox) {
    MusicBox->SetVolume(0);
    MusicBox->Update();
  }
  if (SFXPlayer) SFXPlayer->SetVolume(0);
  // A voice cannot wait for the pictures it tells: stopped, not run on silently past them.
  if (VoicePlayer) {
    VoicePlayer->SetVolume(0);
    VoicePlayer->StopAll();
  }
}

void TFormMain::ResumeAll() {
  OmegaTimer1.SetEnabled(true);
  if (MusicBox) MusicBox->SetVolume(MusicVolumeNow());
  int sound = CurrentSave.SoundOn ? CurrentSave.SoundVolume : 0;
  if (SFXPlayer) SFXPlayer->SetVolume(sound);
  if (VoicePlayer) VoicePlayer->SetVolume(sound);
}

void TFormMain::ReturnToFullScreenIfWanted() {
  if (GameScene.GetValue() != gsCompanyLogos && CurrentSave.FullScreen && !OmegaScreen1.FullScreen)
    SetFullScreen(true, dcForNow);
}

void TFormMain::AppDeactivate() {
  if (ConfirmBlocksActivation()) return;
  // The release of a press held when the focus went never arrives.
  if (GameBoard) GameBoard->SetMouseHeld(false);
  PauseAll();
  ResumeOnActivate = true;
  if (OmegaScreen1.FullScreen && GameScene.GetValue() != gsCompanyLogos && !Timer1.IsEnabled()) {
    ResumeOnActivate = false;
    Timer1.Start(*Services.Clock);
  }
  Trace("focus", "lost");
}

void TFormMain::AppActivate() {
  if (ConfirmBlocksActivation()) return;
  if (ResumeOnActivate) {
    ResumeAll();
    ReturnToFullScreenIfWanted();
  }
  if (Timer1.IsEnabled()) {
    // Back within 100 ms: the switch to windowed mode is cancelled, and so is the pause.
    ResumeOnActivate = true;
    Timer1.Stop();
    ResumeAll();
  }
  Trace("focus", "gained");
}

void TFormMain::AppRestore() {
  if (ConfirmBlocksActivation()) return;
  ResumeAll();
  ReturnToFullScreenIfWanted();
}

void TFormMain::Timer1Timer() {
  Timer1.Stop();
  MinimizeOnSwitch = true;
  SetFullScreen(false, dcForNow);
}

bool TFormMain::FormCloseQuery() {
  if (Scene() == gsTutorial) StopTutorial();
  if (Scene() == gsTutorialToolTip) CloseToolTip();
  if (Scene() == gsMainGame) {
    // During a wipe the level is about to change: the request is dropped, the next counts.
    if (SceneTransition && SceneTransition->IsActive()) return false;
    WasPaused = GamePaused;
    SetPaused(true);
    AskConfirmation(ckCloseDuringLevel, pbOK, nbCancel);
    return false;
  }
  return true;
}

void TFormMain::FormClose() {
  if (IsClosed) return;
  if (MusicBox) MusicBox->StopAll();
  if (SFXPlayer) SFXPlayer->StopAll();
  if (VoicePlayer) VoicePlayer->StopAll();
  if (Services.Audio) Services.Audio->Shutdown();
  if (HighScores) SubmitHighScore();
  // A level left unfinished keeps none of its gains, from whatever scene over it.
  AbandonRound();
  // A dish being bought is paid for and in the book before the save.
  if (BuySlots) CompletePurchaseNow();
  // Closing in the hub leaves it as the other ways out do: the customers still to come are
  // counted before the save, not lost.
  if (RestoCustomers && Scene() == gsStickerBook) RestoCustomers->Settle();
  if (PlayerLoaded) {
    SavePlayerSave(ssGather);
    NameList->Save();
  }
  OmegaTimer1.SetEnabled(false);
  if (HighScores) {
    std::string error;
    if (HighScores->Save(error))
      Trace("save", "HighScores.dat");
    else
      Trace("error", error);
  }
  IsClosed = true;
  Trace("close", "");
}

void TFormMain::RequestClose() {
  if (IsClosed) return;
  if (FormCloseQuery()) FormClose();
}

void TFormMain::Idle() {
  if (IsClosed) return;
  try {
    // Once the first frame is on screen, the start-up work it did not need.
    if (!StartFinished && FrameCounter > 0 && Created) FinishStart();
    OmegaTimer1.Tick();
    if (Timer1.Due(*Services.Clock)) Timer1Timer();
  } catch (...) {
    // Whatever reaches the loop is discarded; the trace keeps it.
    TraceException("idle");
  }
}

std::int64_t TFormMain::NextWakeTime() {
  if (!StartFinished && FrameCounter > 0 && Created) return Services.Clock->Now();
  std::int64_t due = OmegaTimer1.NextDue();
  if (!OmegaTimer1.GetEnabled()) due = Services.Clock->Now() + Services.Clock->Frequency() / 20;
  if (Timer1.IsEnabled() && Timer1.DueTime() < due) due = Timer1.DueTime();
  return due;
}

void TFormMain::HandleEvent(const TPlatformEvent& e) {
  try {
    switch (e.Kind) {
      case TPlatformEventKind::MouseDown: FormMouseDown(e.Button, e.X, e.Y); break;
      case TPlatformEventKind::MouseUp: FormMouseUp(e.Button, e.X, e.Y); break;
      case TPlatformEventKind::MouseMove: FormMouseMove(e.X, e.Y); break;
      case TPlatformEventKind::KeyDown: FormKeyDown(e); break;
      case TPlatformEventKind::KeyUp: FormKeyUp(e); break;
      case TPlatformEventKind::Text: FormKeyPress(e.Text); break;
      case TPlatformEventKind::CloseRequest: RequestClose(); break;
      case TPlatformEventKind::FocusLost: AppDeactivate(); break;
      case TPlatformEventKind::FocusGained:
        AppActivate();
        // A window manager may refuse to minimise; then no restore follows the return and
        // the game would stay paused. Focus on a visible window counts as the restore.
        if (!OmegaTimer1.GetEnabled() && !Services.Window->IsMinimized() &&
            !ConfirmBlocksActivation())
          AppRestore();
        break;
      case TPlatformEventKind::Restored: AppRestore(); break;
      case TPlatformEventKind::Resized: FormResize(); break;
      case TPlatformEventKind::Minimized: break;
    }
  } catch (...) {
    // Handlers never take the game down; the trace keeps what they threw.
    TraceException("event");
  }
}

void TFormMain::TraceException(const char* where) {
  std::string what = "unknown";
  try {
    throw;
  } catch (const std::exception& e) {
    what = e.what();
  } catch (...) {
  }
  try {
    Trace("exception", std::string(where) + " " + what);
  } catch (...) {
  }
}
