#pragma once
#include <memory>
#include <string>

#include "engine/TImageLoader.h"
#include "engine/TLoadedImageList.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TOmegaTimer.h"
#include "engine/TSpriteTileCount.h"
#include "platform/TPlatformEvent.h"
#include "profiles/TPlayerSave.h"
#include "shell/TCompanyLogos.h"
#include "shell/TFormWin10Confirm.h"
#include "shell/TGameScene.h"
#include "shell/TShellServices.h"
#include "shell/TWindowTimer.h"

// The main window. It owns every component for the whole run and wires their events.
// One class over several files, by concern:
//   FormMain_Lifecycle.cpp  creation, display mode, focus, closing
//   FormMain_Load.cpp       folders and picture loading
//   FormMain_Scenes.cpp     the frame and the scene routines
//   FormMain_Input.cpp      mouse and keys
class TFormMain {
 public:
  explicit TFormMain(const TShellServices& services);
  ~TFormMain();
  TFormMain(const TFormMain&) = delete;
  TFormMain& operator=(const TFormMain&) = delete;

  // ---- lifecycle ----
  // False when start-up could not complete (the reason has been shown).
  bool FormCreate();
  void FormShow();
  void SetFullScreen(bool value, bool remember);
  void FormResize();
  void AppDeactivate();
  void AppActivate();
  void AppRestore();
  void Timer1Timer();
  bool FormCloseQuery();
  void FormClose();
  // A close request of the window: asks FormCloseQuery, then closes.
  void RequestClose();
  bool Closed() const { return IsClosed; }

  // One pass of the loop's idle processing: the frame clock and the window timer.
  void Idle();
  // The clock reading by which the loop must call Idle again.
  std::int64_t NextWakeTime();
  void HandleEvent(const TPlatformEvent& event);

  // ---- the frame ----
  void OmegaTimer1Timer();

  // ---- input (window pixels) ----
  void FormMouseDown(TMouseButton button, double wx, double wy);
  void FormMouseMove(double wx, double wy);
  void FormMouseUp(TMouseButton button, double wx, double wy);
  void FormKeyDown(const TPlatformEvent& key);
  void FormKeyUp(const TPlatformEvent& key);
  void FormKeyPress(const std::string& text);
  // Window pixel to logical pixel, halves to even.
  void WindowToLogical(double wx, double wy, int& lx, int& ly);

  // ---- components and state the rest of the game reads ----
  TOmegaScreen OmegaScreen1;
  TOmegaImageList OmegaImageList1;
  TOmegaTimer OmegaTimer1;
  TWindowTimer Timer1{100};
  TSpriteTileCount SpriteTileCount;
  TLoadedImageList LoadedImages;
  TGameScene GameScene;
  TCompanyLogos CompanyLogos;
  TFormWin10Confirm Win10Confirm;

  bool IsWindows8OrLater = false;
  std::string ExeFolder, LevelsFolder, TextsFolder, SaveRoot, SaveFolder;
  std::string ImagesFolder, LogoFolder, SplashFolder, LateLoadFolder, UpgradesFolder,
      CloudCoverFolder, StoryFolder, EndingFolder, MenuFolder, BoardFolder, PracticeWindowFolder;
  std::string CreatureFolders[5];
  std::string SoundsFolder, MusicFolder, StoryVoicesFolder, EndingVoicesFolder,
      TutorialVoicesFolder, ChatVoicesFolder;
  TCursorKind HoverCursor = TCursorKind::Arrow;

  bool StartFullScreen = false;
  int WindowedLeft = 0, WindowedTop = 0;
  bool ResumeOnActivate = true, MinimizeOnSwitch = false;
  bool NoPlayersYet = false, PlayerLoaded = false, GamePaused = false, StickersPending = true;
  bool CheatMode = false;
  bool LoadStarted = false;
  int SplashFrames = 0;
  int NoticeCounter = 0, NoticeTarget = 255, NoticeAlpha = 0;
  long long FrameCounter = 0;
  int ConfirmKind = 0;  // the question the confirmation window asks
  bool FullScreenSwitchDone = false;
  std::string Caption = "Wendmoor: Vessary";
  TPlayerSave CurrentSave, DefaultSave;

  // ---- picture loading ----
  bool LoadImageFile(int group, const std::string& fileName, bool fromLateLoad, bool isJpeg);
  void LoadFolderJpegs(int group);
  void LoadFolderPngs(int group);
  std::string GroupFolder(int group) const;

 private:
  // Start-up steps that later components fill in.
  void BuildFolderPaths();
  void CreateComponents();
  void GatherPlayerSave(TPlayerSave& save);
  static void SetDefaultOptions(TPlayerSave& save);
  void ApplyOptions();
  bool ReadStartFullScreenOption();
  bool ConfirmBlocksActivation() const;
  void PauseAll();
  void ResumeAll();
  void ReturnToFullScreenIfWanted();

  // Scene routines.
  void RunScene();
  void SceneCompanyLogos();
  void SceneSplash();
  void OnSceneChanged(TGameSceneValues oldScene, TGameSceneValues newScene);
  void Trace(const std::string& kind, const std::string& details);

  TShellServices Services;
  TImageLoader ImageLoader;
  bool IsClosed = false;
  bool Created = false;
};
