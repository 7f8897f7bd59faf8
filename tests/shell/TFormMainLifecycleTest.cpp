#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/TPictureEncoder.h"
#include "engine/TRecordingBackend.h"
#include "platform/TFileSystem.h"
#include "platform/TNullWindow.h"
#include "platform/TRecordedMessageBoxes.h"
#include "platform/TRecordingAudioBackend.h"
#include "platform/TVirtualClock.h"
#include "shell/TFormMain.h"
#include "support/GameContent.h"
#include "support/TempDir.h"

namespace {
// Notes how many frames were presented when full screen was first asked for.
struct TOrderWindow : TNullWindow {
  const TRecordingBackend* Backend = nullptr;
  int PresentsAtSwitch = -1;
  void SetFullScreenDesktop(bool on) override {
    if (on && PresentsAtSwitch < 0 && Backend) PresentsAtSwitch = Backend->PresentCount;
    TNullWindow::SetFullScreenDesktop(on);
  }
};

// The main window on headless stand-ins, with two logo pictures beside a fake executable.
struct ShellRig {
  TempDir exe, data;
  TRecordingBackend backend;
  TOrderWindow window;
  TVirtualClock clock{1000000};
  TRecordedMessageBoxes boxes;
  TShellServices services;
  std::vector<std::string> trace;
  std::filesystem::path cwd = std::filesystem::current_path();
  std::unique_ptr<TFormMain> form;

  ShellRig() {
    boxes.Print = false;
    window.Backend = &backend;
    std::filesystem::create_directories(exe.Path / "Images/Logo");
    CopyGameTexts(exe.Path);
    TPicture logo;
    logo.Resize(32, 16);
    std::string err;
    for (const char* n : {"CompanyLogo1.jpg", "CompanyLogo2.jpg"})
      TPictureEncoder::WriteJpegFile((exe.Path / "Images/Logo" / n).string(), logo, 80, err);
    services.Backend = &backend;
    services.Window = &window;
    services.Clock = &clock;
    services.MessageBoxes = &boxes;
    services.ExeFolder = exe.Str();
    services.SaveRoot = data.Path.string();
    services.DisplayModes = {{1366, 768}};
    services.Trace = [this](const std::string& k, const std::string& d) {
      trace.push_back(k + " " + d);
    };
  }
  ~ShellRig() {
    form.reset();
    std::filesystem::current_path(cwd);
  }
  bool Create() {
    form = std::make_unique<TFormMain>(services);
    return form->FormCreate();
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      clock.Advance(clock.Frequency() / 33 + 1);
      form->Idle();
    }
  }
  void AdvanceMs(int ms) {
    clock.AdvanceMs(ms);
    form->Idle();
  }
};
}  // namespace

TEST(FormMainLifecycle, CreationPreparesFoldersScreenAndLogos) {
  ShellRig r;
  ASSERT_TRUE(r.Create());
  TFormMain& f = *r.form;
  EXPECT_EQ(f.SaveFolder, r.data.Path.string() + "/Wendmoor - Vessary/");
  EXPECT_TRUE(TFileSystem::DirectoryExists(f.SaveFolder));
  EXPECT_EQ(f.LevelsFolder, r.exe.Str() + "Levels/");
  EXPECT_EQ(f.StoryFolder, r.exe.Str() + "Images/Story/");
  EXPECT_EQ(f.OmegaScreen1.Width, 1366);
  EXPECT_FLOAT_EQ(f.OmegaScreen1.ScaleX, 1.0f);
  EXPECT_TRUE(f.OmegaScreen1.Ready());
  EXPECT_TRUE(r.window.Bordered);
  EXPECT_NE(f.OmegaImageList1.Find("CompanyLogo1"), nullptr);
  EXPECT_EQ(f.OmegaImageList1.Find("CompanyLogo2"), nullptr);  // after the first frame
  EXPECT_EQ(f.GameScene.GetValue(), gsCompanyLogos);
  EXPECT_TRUE(f.StartFullScreen);  // the default option
  EXPECT_TRUE(f.DefaultSave.FullScreen);
  EXPECT_EQ(f.DefaultSave.SoundVolume, 70);
  EXPECT_EQ(f.DefaultSave.MusicVolume, 50);
  EXPECT_EQ(f.CurrentSave.SoundVolume, 0);  // silent until a player is loaded
  EXPECT_TRUE(r.boxes.Shown.empty());
}

// The first logo frame waits for nothing it does not draw: it comes as soon as the window is
// shown, and the other logos and the sound output follow at the next pass of the loop,
// before the second frame. The logos are freed once they have faded
// out, before the main pictures load.
TEST(FormMainLifecycle, TheFirstFrameComesFirstAndTheRestOfTheStartFollows) {
  TRecordingAudioBackend audio;  // outlives the window, whose players free their sounds in it
  ShellRig r;
  r.services.Audio = &audio;
  std::filesystem::create_directories(r.exe.Path / "Sounds");
  std::ofstream(r.exe.Path / "Sounds/Click.ogg") << "x";
  ASSERT_TRUE(r.Create());
  TFormMain& f = *r.form;
  EXPECT_EQ(audio.InitCalls, 0);
  EXPECT_EQ(f.SFXPlayer->Count(), 0);

  f.FormShow();
  EXPECT_TRUE(r.window.Shown);
  EXPECT_LE(f.NextWakeTime(), r.clock.Now());
  f.Idle();
  EXPECT_EQ(r.backend.PresentCount, 1);
  EXPECT_TRUE(r.window.FullScreen);
  EXPECT_EQ(r.window.PresentsAtSwitch, 1);  // once that frame was on screen
  EXPECT_EQ(audio.InitCalls, 0);
  EXPECT_EQ(f.OmegaImageList1.Find("CompanyLogo2"), nullptr);
  EXPECT_LE(f.NextWakeTime(), r.clock.Now());  // no waiting for the rest

  f.Idle();
  EXPECT_GE(audio.InitCalls, 1);
  EXPECT_EQ(f.SFXPlayer->Count(), 1);
  EXPECT_NE(f.OmegaImageList1.Find("CompanyLogo2"), nullptr);
  EXPECT_EQ(r.backend.PresentCount, 1);  // the second frame keeps its time
  EXPECT_GT(f.NextWakeTime(), r.clock.Now());
  EXPECT_EQ(std::count(r.trace.begin(), r.trace.end(), "display fullscreen"), 1);

  for (int i = 0; i < 500 && f.Scene() == gsCompanyLogos; ++i) r.Frames(1);
  ASSERT_EQ(f.Scene(), gsSplash);
  EXPECT_NE(f.OmegaImageList1.Find("CompanyLogo2"), nullptr);  // still fading out
  for (int i = 0; i < 100 && !f.CompanyLogos.FadedOut(); ++i) r.Frames(1);
  r.Frames(1);
  EXPECT_FALSE(f.LoadStarted);
  for (const char* n : {"CompanyLogo1", "CompanyLogo2"})
    EXPECT_EQ(f.OmegaImageList1.Find(n), nullptr) << n;
  r.Frames(40);
  EXPECT_TRUE(f.LoadStarted);
  EXPECT_EQ(f.SFXPlayer->Count(), 1);  // the rest of the start ran once
}

TEST(FormMainLifecycle, FirstLogoFrameGoesFullScreenAndTheLogosLeadToTheSplash) {
  ShellRig r;
  ASSERT_TRUE(r.Create());
  r.form->FormShow();
  r.Frames(1);
  EXPECT_TRUE(r.form->OmegaScreen1.FullScreen);
  EXPECT_TRUE(r.window.FullScreen);
  EXPECT_FALSE(r.window.Bordered);
  EXPECT_TRUE(r.window.StayOnTop);
  EXPECT_TRUE(r.form->CurrentSave.FullScreen);
  EXPECT_EQ(r.backend.ResetCount, 1);
  // Two logos: fade in (43 frames), hold 750 ms and 500 ms.
  r.Frames(200);
  EXPECT_EQ(r.form->GameScene.GetValue(), gsSplash);
  EXPECT_NE(std::find(r.trace.begin(), r.trace.end(), "scene gsCompanyLogos gsSplash"), r.trace.end());
  EXPECT_EQ(r.backend.ResetCount, 1);  // only once
}

TEST(FormMainLifecycle, AClickSkipsTheLogoBeingHeld) {
  ShellRig a, b;
  ASSERT_TRUE(a.Create());
  ASSERT_TRUE(b.Create());
  a.form->FormShow();
  b.form->FormShow();
  int plain = 0, skipped = 0;
  while (a.form->GameScene.GetValue() == gsCompanyLogos && plain < 500) a.Frames(1), ++plain;
  while (b.form->GameScene.GetValue() == gsCompanyLogos && skipped < 500) {
    b.Frames(1);
    ++skipped;
    if (b.form->CompanyLogos.GetAlpha(b.form->CompanyLogos.GetCurrentLogo() > 2 ? 2 : b.form->CompanyLogos.GetCurrentLogo()) == 255)
      b.form->FormMouseDown(TMouseButton::Left, 10, 10);
  }
  EXPECT_LT(skipped, plain - 30);
}

TEST(FormMainLifecycle, FocusLossInFullScreenPausesThenGoesWindowedAndComesBack) {
  ShellRig r;
  ASSERT_TRUE(r.Create());
  r.form->FormShow();
  r.Frames(1);
  r.form->GameScene.SetValue(gsSplash);
  r.window.Left = 0;
  r.form->AppDeactivate();
  EXPECT_FALSE(r.form->OmegaTimer1.GetEnabled());
  EXPECT_TRUE(r.form->Timer1.IsEnabled());
  r.AdvanceMs(90);
  EXPECT_TRUE(r.form->OmegaScreen1.FullScreen);
  r.AdvanceMs(20);
  EXPECT_FALSE(r.form->OmegaScreen1.FullScreen);
  EXPECT_EQ(r.window.MinimizeCount, 1);
  EXPECT_TRUE(r.form->CurrentSave.FullScreen);  // the option is untouched
  EXPECT_TRUE(r.window.Bordered);
  // Focus alone does not resume a minimised game; restoring it does.
  r.form->AppActivate();
  EXPECT_FALSE(r.form->OmegaTimer1.GetEnabled());
  r.window.Minimized = false;
  r.form->AppRestore();
  EXPECT_TRUE(r.form->OmegaTimer1.GetEnabled());
  EXPECT_TRUE(r.form->OmegaScreen1.FullScreen);
}

TEST(FormMainLifecycle, FocusOnAWindowThatWasNeverMinimisedResumes) {
  ShellRig r;
  ASSERT_TRUE(r.Create());
  r.form->FormShow();
  r.Frames(1);
  r.form->GameScene.SetValue(gsSplash);
  TPlatformEvent e;
  e.Kind = TPlatformEventKind::FocusLost;
  r.form->HandleEvent(e);
  r.AdvanceMs(110);
  r.window.Minimized = false;  // the window manager ignored the request
  e.Kind = TPlatformEventKind::FocusGained;
  r.form->HandleEvent(e);
  EXPECT_TRUE(r.form->OmegaTimer1.GetEnabled());
  EXPECT_TRUE(r.form->OmegaScreen1.FullScreen);
}

TEST(FormMainLifecycle, ReturningWithinTheDelayCancelsTheSwitch) {
  ShellRig r;
  ASSERT_TRUE(r.Create());
  r.form->FormShow();
  r.Frames(1);
  r.form->GameScene.SetValue(gsSplash);
  r.form->AppDeactivate();
  r.AdvanceMs(50);
  r.form->AppActivate();
  EXPECT_FALSE(r.form->Timer1.IsEnabled());
  r.AdvanceMs(200);
  EXPECT_TRUE(r.form->OmegaScreen1.FullScreen);
  EXPECT_EQ(r.window.MinimizeCount, 0);
  EXPECT_TRUE(r.form->OmegaTimer1.GetEnabled());
  // Windowed deactivation only pauses.
  r.form->SetFullScreen(false, TFormMain::dcRemember);
  r.form->AppDeactivate();
  EXPECT_FALSE(r.form->Timer1.IsEnabled());
  EXPECT_FALSE(r.form->OmegaTimer1.GetEnabled());
  r.form->AppRestore();
  EXPECT_TRUE(r.form->OmegaTimer1.GetEnabled());
  EXPECT_FALSE(r.form->OmegaScreen1.FullScreen);  // the player chose windowed
}

TEST(FormMainLifecycle, TheNewerSystemsAskAndKeepTheWindowBorderless) {
  ShellRig r;
  r.services.IsWindows8OrLater = true;
  int asked = 0;
  r.services.AskWindowedModeDialog = [&] { return ++asked, 2; };
  ASSERT_TRUE(r.Create());
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(r.window.Bordered);
  EXPECT_FALSE(r.form->StartFullScreen);
  EXPECT_TRUE(r.form->DefaultSave.FullScreen);  // the saved option is left alone
  EXPECT_EQ(r.form->StoryFolder, r.exe.Str() + "Images/StoryW10/");
  r.form->SetFullScreen(true, TFormMain::dcForNow);
  r.form->SetFullScreen(false, TFormMain::dcForNow);
  EXPECT_FALSE(r.window.Bordered);
}

TEST(FormMainLifecycle, SmallDisplaysAndMissingFolders) {
  ShellRig r;
  r.services.DisplayModes = {{1920, 1080}};
  r.services.Desktop = {1024, 600};
  ASSERT_TRUE(r.Create());
  EXPECT_EQ(r.form->OmegaScreen1.Width, 800);
  EXPECT_FLOAT_EQ(r.form->OmegaScreen1.ScaleX, 800.0f / 1366.0f);
  EXPECT_FLOAT_EQ(r.form->OmegaScreen1.ScaleY, 600.0f / 768.0f);
  EXPECT_TRUE(r.form->StartFullScreen);

  ShellRig none;
  none.services.SaveRoot.reset();
  EXPECT_FALSE(none.Create());
  ASSERT_EQ(none.boxes.Shown.size(), 1u);
  EXPECT_EQ(none.boxes.Shown[0].Text, "Error: could not access game save folder.");
}

TEST(FormMainLifecycle, MouseMapsFromTheWindowToTheLogicalScreen) {
  ShellRig r;
  r.services.DisplayModes = {{1024, 768}};
  ASSERT_TRUE(r.Create());
  int x, y;
  r.form->WindowToLogical(512, 384, x, y);
  EXPECT_EQ(x, 683);
  EXPECT_EQ(y, 384);
  r.form->WindowToLogical(1.5, 0.5, x, y);  // 2.0009 and 0.5 -> halves to even
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 0);
}

TEST(FormMainLifecycle, ClosingStopsTheClock) {
  ShellRig r;
  ASSERT_TRUE(r.Create());
  r.form->FormShow();
  TPlatformEvent close;
  close.Kind = TPlatformEventKind::CloseRequest;
  r.form->HandleEvent(close);
  EXPECT_TRUE(r.form->Closed());
  EXPECT_FALSE(r.form->OmegaTimer1.GetEnabled());
}

TEST(FormMainLifecycle, TheTransitionSwallowsClicksWhileItCovers) {
  ShellRig r;
  ASSERT_TRUE(r.Create());
  r.form->FormShow();
  while (r.form->CompanyLogos.GetAlpha(1) < 255) r.Frames(1);
  r.form->SwitchScene(gsCompanyLogos);  // a wipe over the same scene
  r.Frames(1);
  ASSERT_TRUE(r.form->SceneTransition->IsBlocking());
  r.form->FormMouseDown(TMouseButton::Left, 10, 10);
  r.Frames(1);
  EXPECT_EQ(r.form->CompanyLogos.GetCurrentLogo(), 1);  // not skipped
  while (r.form->SceneTransition->IsBlocking()) r.Frames(1);
  r.form->FormMouseDown(TMouseButton::Left, 10, 10);
  r.Frames(1);
  EXPECT_EQ(r.form->CompanyLogos.GetCurrentLogo(), 2);
}
