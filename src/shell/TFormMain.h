#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/TPlatformEvent.h"
#include "profiles/TPlayerSave.h"
#include "shell/TBoardParts.h"
#include "shell/TBossParts.h"
#include "shell/TFormWin10Confirm.h"
#include "shell/TGameScene.h"
#include "shell/TImageGroup.h"
#include "shell/TDecorParts.h"
#include "shell/THubParts.h"
#include "shell/TMapParts.h"
#include "shell/TMenuParts.h"
#include "shell/TRoundParts.h"
#include "shell/TSceneTransition.h"
#include "shell/TScreenDarkener.h"
#include "shell/TShellParts.h"
#include "shell/TShellServices.h"
#include "shell/TStoryParts.h"
#include "ui/TGameConfirmWindow.h"

class TWidgetMaker;

// The main window: the scene machine, and its rooms (the base classes), which own every
// component for the whole run. A room creates its components, links them among themselves
// and resets them for a level; the window wires what they do for the game. One class over
// the files FormMain_<concern>.cpp: Lifecycle (creation, display mode, focus, closing), Load
// (folders and pictures), Components (creating the rooms, the menu's events), Scenes (the
// frame and the scene routines), SceneChange (switches and their hooks), Input, Players
// (saves, high scores, the questions), Board and Tools (what a level makes of them), Round (a
// level from its start to its result), RoundParts (the events of the level's panels),
// InGameMenu (pausing), Map (the map), Hub (the island hub: shop, practice, sticker book),
// Chats (the hub's conversations and its first visit's page), Story (the opening and the
// ending), Tutorial (the pages and pointing tips over the levels), Bosses (the creature of a
// boss round).
class TFormMain : public TShellParts,
                  public TMenuParts,
                  public TBoardParts,
                  public TRoundParts,
                  public TMapParts,
                  public TDecorParts,
                  public TBossParts,
                  public THubParts,
                  public TStoryParts {
 public:
  explicit TFormMain(const TShellServices& services);
  ~TFormMain();

  // ---- lifecycle ----
  // False when start-up could not complete (the reason has been shown).
  bool FormCreate();
  void FormShow();
  // Start-up work the first logo frame does not need: the later logos, the sound output and
  // the sound lists. Idle runs it once that frame has been drawn.
  void FinishStart();
  // A switch the player chose is kept in the save; one the focus forced lasts until it returns.
  enum TDisplayChoice : std::uint8_t { dcForNow, dcRemember };
  void SetFullScreen(bool value, TDisplayChoice choice);
  void AppDeactivate();
  void AppActivate();
  void AppRestore();
  void FormClose();
  // A close request of the window: asks the close query, then closes.
  void RequestClose();
  bool Closed() const { return IsClosed; }
  // One pass of the loop's idle processing: the frame clock and the window timer.
  void Idle();
  // The clock reading by which the loop must call Idle again.
  std::int64_t NextWakeTime();
  void HandleEvent(const TPlatformEvent& event);

  // ---- the frame and the input (window pixels) ----
  void OmegaTimer1Timer();
  void FormMouseDown(TMouseButton button, double wx, double wy);
  void FormMouseMove(double wx, double wy);
  void FormMouseUp(TMouseButton button, double wx, double wy);
  void FormKeyPress(const std::string& text);
  // Window pixel to logical pixel, halves to even.
  void WindowToLogical(double wx, double wy, int& lx, int& ly);
  // Where a widget the current scene shows and takes input for lies, found by its picture
  // name (buttons, the question's buttons, check boxes, the tools), "NAME#2" for the second
  // of a picture; false when none is shown or enabled, or the number after '#' is not one
  // from 1 up.
  struct TWidgetRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
  };
  bool FindWidget(const std::string& image, TWidgetRect& rect);
  struct TShownWidget {
    std::string Image;
    TWidgetRect Rect;
  };
  // Every widget FindWidget can find in the current scene, in the order it looks.
  std::vector<TShownWidget> ShownWidgets();
  void AddPracticeWidgets(std::vector<TShownWidget>& list);

  // ---- the scene machine ----
  TGameScene GameScene;
  std::unique_ptr<TSceneTransition> SceneTransition;
  std::unique_ptr<TScreenDarkener> ScreenDarkener;
  std::unique_ptr<TGameConfirmWindow> ConfirmWindow;
  // Sets the scene at once (→) or through the transition (⇒).
  void SetScene(TGameSceneValues scene);
  void SwitchScene(TGameSceneValues scene);
  TGameSceneValues Scene() const { return GameScene.GetValue(); }

  // ---- the level, as the tests and the harness drive it ----
  void GoToMap();
  void StartLevel();
  void WinRound();
  void OpenInGameMenu();
  void SetPaused(bool paused);
  // Straight from start-up into a level of a fresh or the current player, as the map's
  // Play would start it; the harness uses it. False for a level that does not exist. The
  // tutorial stays off unless asked for.
  bool EnterLevelDirectly(int island, int level, bool relaxed, bool tutorial = false);
  // No move left: the comment, then the board flies off and a reshuffled one comes in.
  void StartShuffle();
  void CheatWinLevel();

  // ---- the window's state ----
  bool IsWindows8OrLater = false;
  bool StartFullScreen = false, CheatMode = false, LoadStarted = false, GamePaused = false;
  TPlayerSave CurrentSave, DefaultSave;
  std::string SaveFileName(const std::string& name) const;

 private:
  // Lifecycle.
  void FormResize();
  void Timer1Timer();
  bool FormCloseQuery();
  bool ConfirmBlocksActivation() const;
  void PauseAll();
  void ResumeAll();
  void ReturnToFullScreenIfWanted();
  void Trace(const std::string& kind, const std::string& details);
  // Inside a catch block: traces "exception <where> <what>" for what was caught.
  void TraceException(const char* where);
  // Loading.
  void BuildFolderPaths();
  bool LoadImageFile(TImageGroup group, const std::string& fileName, TImageSource source,
                     TImageFormat format);
  void LoadFolderJpegs(TImageGroup group);
  void LoadFolderPngs(TImageGroup group);
  // The logo folder's pictures the first frame draws; the rest wait in LateLogoFiles.
  void LoadFirstLogoFrame();
  std::string GroupFolder(TImageGroup group) const;
  void CountMainImages();
  void PrepareAfterMainLoad();
  void FreeLogoAndLoadingPictures();
  void FreeLogoPictures();
  // Components.
  void CreateComponents();
  void WireComponents();
  void LoadOptionWidgets();
  void StoreOptionWidgets();
  void OptionsHidden();
  // Scenes and their changes.
  void RunScene();
  void SceneCompanyLogos();
  void SceneSplash();
  void SceneMenu();
  void ScenePlaceholder();
  void DrawSplashScene();
  void DrawMenuScene();
  void DrawPlayerSelectScene();
  void DrawAddNameWindow();
  void DrawOptionsWindow();
  void DrawHighScoreWindow();
  // Centred in [left, left + width).
  void DrawCentredText(const std::string& text, int left, int width, int y,
                       const TTextStyle& style);
  void OnSceneChanged(TGameSceneValues oldScene, TGameSceneValues newScene);
  void OnStartToSwitch(TGameSceneValues oldScene, TGameSceneValues newScene);
  void LeaveScene(TGameSceneValues oldScene, TGameSceneValues newScene);
  void EnterScene(TGameSceneValues oldScene, TGameSceneValues newScene);
  // Input: one mouse event routed to the current scene.
  enum class TMouseKind { Down, Move, Up };
  void RouteMouse(TMouseKind kind, int x, int y, bool left);
  void RouteMainGameMouse(TMouseKind kind, int x, int y, bool left);
  // The buttons that take the mouse in the current scene.
  std::vector<TGameButton*> SceneButtons() const;
  void Forward(TGameButton& b, TMouseKind kind, int x, int y, bool left);
  void FormKeyDown(const TPlatformEvent& key);
  void FormKeyUp(const TPlatformEvent& key);
  // Players and the questions of the confirmation window.
  void GatherPlayerSave(TPlayerSave& save);
  void ApplyPlayerSave();
  void ApplyOptions();
  // The options' tutorial switch reaches the tutorial and the tool tips.
  void SetTutorialEnabled(bool on);
  bool ReadStartFullScreenOption();
  void LoadPlayerSave();
  // Where a loaded save goes on: its island and level, unless that island has not opened.
  struct TResumePoint {
    int Island = 1, Level = 1;
  };
  TResumePoint ResumePoint(int island, int level) const;
  // The loaded player's stickers go into the book the first time the book is needed.
  void ApplyPendingStickers();
  // The sticker block comes from the sticker book, or stays as the save holds it.
  enum TSaveStickers : std::uint8_t { ssKeep, ssGather };
  bool SavePlayerSave(TSaveStickers stickers);
  void SubmitHighScore();
  void AddNameConfirmed();
  void AddNameHidden();
  void PlayerListOK();
  void ChangePlayer();
  // The opening and ending stories (FormMain_Story.cpp): the strips' events, entering and
  // leaving their scenes, their frame, and the way out, by the skip button or the end.
  void StartOpeningStory();
  void WireStory();
  // A voice group comes with a player of its own, at the sound volume.
  void ReplaceVoicePlayer(const std::string& folder);
  // The group's small pictures and its first two strips; later strips come as they are due.
  void LoadStoryPictures(TImageGroup group);
  void StripPicturesFor(TImageGroup group, int strip);
  void EnterStory(TGameSceneValues scene);
  void LeaveStory();
  void SceneStory(TComicStripsBase& strips);
  void ShowNarration(const std::string& text);
  void SkipStory();
  void StoryFinished();
  void AskConfirmation(TConfirmKind kind, TPositiveButtonKind positive,
                       TNegativeButtonKind negative);
  void ConfirmPositive();
  void ConfirmHidden(TConfirmAnswer answer);
  // The board's and the tools' events as the level takes them.
  void WireBoard();
  void WireBoardEffects();
  void WireSpiders();
  void WireTools();
  // A tool pressed on its hook that cannot be used says why.
  void ToolRefused(TToolRefusal why);
  enum TTileRemoval : std::uint8_t { trGrouped, trGroupedByBlaster, trBlasted };
  // The answer to a finished grouping (a match, or the blaster's colour wave) or a blast.
  void AnswerRemovedTiles(const TBoardData& snapshot, const TSimpleObjectArray& mask,
                          TTileRemoval removal);
  void StartPotionFlight(TPoint tile, int flight);  // a TElementCodes::PotionFlight1 or 2
  // The round's flow.
  void WireRoundComponents();
  // The creature of a boss round: its death wins, its aura drains the tube, what falls off
  // the board hits it.
  void WireBosses();
  void PlayFromMenu();
  void ApplyLevelSetup();
  void ObjectiveShown();
  // The tube runs exactly when the round allows it and nothing pauses it.
  void UpdateTubeClock();
  void LoseRound();
  // Ends a round that was not won (lost, restarted, left, closed): the level's gains are
  // taken back and its ingredients charged, once.
  void AbandonRound();
  void ChargeLevelIngredients();
  void AskTryAgain();
  void ShowStageResult();
  void StageResultShown();
  void LeaveStageResult();
  void CheatToolsAndEnergy();
  void EnergyFactorReached(int level);
  void CollectArrived(TElementKind kind, std::uint8_t index);
  void CollectPotion(int index);
  void CheckMonsterHit(TPoint pos, bool& hitting, bool& absorbing);
  bool GoldTileUpgradeOwned() const;
  // The tutorial: its pages after a level's card (and in the hub), and the pointing tips
  // that game events bring; a tip holds the level (board, spiders, tube) while it is open.
  void WireTutorial();
  // The page that belongs to the level, if this player has not seen it: true when shown.
  bool ShowLevelTutorial();
  void TutorialFinished();
  void ToolTipStarted();
  void ToolTipFinished();
  // The round is being played and not held by a pause: the tips' triggers count only then.
  bool LevelPlayable() const;
  void CountTutorialStep();
  void PointToolTipAtWeb(TPoint tile);
  void PointToolTipAtSpider(TPoint tile);
  void ToolTipEnergyFactor(int level);
  void PocketStarTip();
  TPoint TileCentre(TPoint tile) const;
  // What a tip points at: the panel it explains, or the point its event kept.
  TPoint ToolTipPoint(int entry, TPoint kept) const;
  void StopTutorial();
  void CloseToolTip();
  void DrawTutorialLayer();
  // The level screen, drawn under every scene that shows the level.
  void DrawMainGame();
  void DrawLevelPanels();
  void DrawEnergyBonusPopup();
  void DrawStageResult();
  // Pausing and the in-game menu.
  void WireInGameMenu();
  void ApplyPause();
  void ApplyPauseToRound();
  // Unpauses a level unless it was paused when the menu or question opened.
  void ResumeUnlessPausedBefore();
  void DrawPausedWord();
  void DrawInGameMenu();
  // The map.
  void WireMap();
  void EnterMap();
  void SceneMap();
  void MapPlay();
  // The hub: entering and leaving it, its frame, a purchase from the click to the book, and
  // its Play and Menu.
  void WireHub();
  void EnterHub();
  void LeaveHub();
  void SceneHub();
  void DrawHubGuide();
  void RouteHubMouse(TMouseKind kind, int x, int y, bool left);
  void LoadHubPictures();
  // The restaurant's menu, stars and special from the shop; a visit restarts the customers,
  // a purchase brings more.
  void UpdateRestaurant(bool visitBegins);
  void PlacePocketOnElementsPanel();
  void BuyDish(int island, int slot, const TElementsCount& price);
  void PracticeFinished(int island, int slot, const TElementsCount& price);
  void PurchaseIntoBook();
  // The hub's chapter conversations (1 at the first visit, 2..21 after a purchase, 22 at the
  // end) and its tutorial page (FormMain_Chats.cpp). ChapterDialogEnded is what follows one.
  void WireChats();
  void StartChapterDialog(int n);
  void ChapterDialogEnded(int n);
  bool ChatRunning() const { return ChatNumber != 0; }
  // The first visit's page and conversation; false when there is nothing new to show.
  void LoadChatPictures();
  void FreeChatPictures();
  bool ShowHubTutorial();
  // The hub's tutorial page, once the first conversation has ended in the hub.
  void ShowHubPage();
  void DrawHubStory();
  // The buttons that take the hub's mouse now, in the order they get it.
  std::vector<TGameButton*> HubButtons() const;
  // True when the hub's story took the mouse event (it goes nowhere else then).
  bool RouteHubStoryMouse(TMouseKind kind, int x, int y, bool left);
  // The skip button in the hub ends the conversation; false outside the hub.
  bool SkipChapterDialog();
  // Leaving the hub mid-conversation: it ends now and what follows it runs once.
  void EndChapterDialogNow();
  // The music while a conversation runs is a little quieter.
  int MusicVolumeNow() const;
  void UpgradeCheck();
  // Whatever of a purchase is still under way is finished at once: paid for and in the book
  // (leaving the hub or closing the window mid-purchase never keeps a dish unpaid).
  void CompletePurchaseNow();
  void HubPlay();
  void HubToMenu();
  bool HubLeaving() const;
  void StartEndingStory();
  // A finished game begins again for the same player from the menu's Play.
  void StartNewGame();
  bool GameComplete() const;

  TShellServices Services;
  TFormWin10Confirm Win10Confirm;
  TCursorKind HoverCursor = TCursorKind::Arrow;
  // What the widgets ask for during one routed mouse move (their cursor route writes it).
  TCursorKind RequestedCursor = TCursorKind::Arrow;
  TCursorKind ShownCursor = TCursorKind::Arrow;  // as the trace last reported it
  TConfirmKind ConfirmKind = ckTryAgain;  // the question the confirmation window asks
  TGameSceneValues ReturnScene = gsMainGame, CreditsCaller = gsOptions, HelpCaller = gsMenu;
  // Where the options window was opened from, and so where it returns to.
  enum TOptionsCaller { ocMenu, ocInGame };
  TOptionsCaller OptionsCaller = ocMenu;
  TGameSceneValues PreviousScene = gsCompanyLogos;
  int WindowedLeft = 0, WindowedTop = 0;
  bool ResumeOnActivate = true, MinimizeOnSwitch = false, FullScreenSwitchDone = false;
  bool FullScreenSwitchDue = false;  // at the end of the frame being drawn
  bool IsClosed = false, Created = false, MainLoadPrepared = false, StartFinished = false;
  std::vector<std::string> LateLogoFiles;
  int SplashFrames = 0;
  bool SplashAnswered = false;  // the splash's "Click to play!" has had its click
  long long FrameCounter = 0;
  std::string Caption = "Wendmoor: Vessary";
  bool NoPlayersYet = false, PlayerLoaded = false, StickersPending = true, NameExists = false;
  bool TutorialEnabled = false, GoingToMap = false;
  bool ToolTipOpen = false;  // a pointing tip holds the tube
  // A dish is being bought: from the click through the practice, the cheer and the book to
  // the check that follows its conversation.
  bool PurchaseInFlight = false, PracticePending = false, StickerPending = false;
  // The dish of that purchase, to pay for it even before its practice has come down.
  int PendingIsland = 0, PendingSlot = 0;
  TElementsCount PendingPrice;
  // The hub's conversation running (0 for none), and whether the hub is being left.
  int ChatNumber = 0;
  bool HubGoing = false;
  std::string LastPlayerName, DefaultPlayerName;
};
