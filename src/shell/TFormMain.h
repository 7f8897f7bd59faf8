#pragma once
#include <memory>
#include <string>

#include "engine/TAnimData.h"
#include "engine/TImageLoader.h"
#include "engine/TValueUpDown.h"
#include "engine/TLoadedImageList.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TOmegaTimer.h"
#include "engine/TSpriteTileCount.h"
#include "platform/TPlatformEvent.h"
#include "profiles/TPlayerSave.h"
#include "audio/TMusicBox.h"
#include <array>

#include "board/TAerosol.h"
#include "board/TBigBombEffect.h"
#include "board/TBombEffect.h"
#include "board/TBroom.h"
#include "board/TChainLockEffect.h"
#include "board/TCollectorBombTool.h"
#include "board/TCrawlingSpiders.h"
#include "board/TFlowingTool.h"
#include "board/THammerEffect.h"
#include "board/THammeredObjectsEffect.h"
#include "board/TLightningEffect.h"
#include "board/TLockerFiller.h"
#include "board/TMagicKey.h"
#include "effects/TCollectorEffect.h"
#include "effects/TGlobalShine.h"
#include "effects/TNewDiamondEffect.h"
#include "effects/TShineEffect.h"
#include "effects/TStarsEffect.h"
#include "effects/TUniBubbleEffect.h"
#include "effects/TShuffleButtonShine.h"
#include "effects/TSpritePopper.h"
#include "effects/TTubeBubbleEffect.h"
#include "levels/TAbsorbedEnergy.h"
#include "levels/TCombos.h"
#include "levels/TCombosConveyer.h"
#include "levels/TElementGather.h"
#include "levels/TElementsCount.h"
#include "levels/TGameObjective.h"
#include "levels/TInfoDigit.h"
#include "levels/TJackpotScore.h"
#include "levels/TLevelParams.h"
#include "levels/TMannaEnergy.h"
#include "levels/TObjectiveInfo.h"
#include "levels/TPigeonScoring.h"
#include "levels/TResultMedal.h"
#include "levels/TResultStats.h"
#include "levels/TSlotDoneEffect.h"
#include "levels/TTubeTimer.h"
#include "levels/TWynnetScoring.h"
#include "metagame/TCompletedStamps.h"
#include "metagame/TMapIslands.h"
#include "metagame/TWorldMapObjects.h"
#include "text/TGameComment.h"
#include "board/TFallingElements.h"
#include "board/TFlowingElements.h"
#include "board/TGameBoard.h"
#include "board/TGroupedElementsEffect.h"
#include "board/TLockerFrames.h"
#include "board/TLockerPiecesEffect.h"
#include "board/TLockersAwayEffect.h"
#include "board/TLostBoardEffect.h"
#include "board/TOpeningLockers.h"
#include "board/TShuffleAwayEffect.h"
#include "board/TSwapEffect.h"
#include "board/TWebEffect.h"
#include "effects/TBoardBorder.h"
#include "effects/TMatchedCyanEffect.h"
#include "effects/TScreenDustEffect.h"
#include "effects/TSnowEffect.h"
#include "audio/TSFXPlayer.h"
#include "audio/TVoicePlayer.h"
#include "profiles/THighScores.h"
#include "profiles/TNameInput.h"
#include "profiles/TNameList.h"
#include "shell/TCompanyLogos.h"
#include "shell/TSceneTransition.h"
#include "shell/TScreenDarkener.h"
#include "text/TGlobalGameText.h"
#include "text/TSettingLoader.h"
#include "text/TTextStrings.h"
#include "ui/TCreditLines.h"
#include "ui/TGameButton.h"
#include "ui/TGameCheckBox.h"
#include "ui/TGameConfirmWindow.h"
#include "ui/TGameMenuWindow.h"
#include "ui/THelpPages.h"
#include "ui/TLoadingBar.h"
#include "ui/TPanelMover.h"
#include "ui/TVolumeBar.h"
#include "shell/TFormWin10Confirm.h"
#include "shell/TGameScene.h"
#include "shell/TShellServices.h"
#include "shell/TWindowTimer.h"

// The main window. It owns every component for the whole run and wires their events.
// One class over several files, by concern:
//   FormMain_Lifecycle.cpp   creation, display mode, focus, closing
//   FormMain_Load.cpp        folders, picture loading and the loading schedule
//   FormMain_Components.cpp  creating and wiring the components
//   FormMain_Scenes.cpp      the frame and the scene routines
//   FormMain_SceneChange.cpp scene switches, transitions and the scene-change hooks
//   FormMain_Input.cpp       mouse and keys
//   FormMain_Players.cpp     players, saves, high scores and the confirmation kinds
//   FormMain_Board.cpp       the board, its effects and the protocol between them
//   FormMain_Tools.cpp       the player's tools and the effects they start
//   FormMain_Round.cpp       a level from its start to its result, and the level screen
//   FormMain_RoundParts.cpp  the level's panels, counters and result window, and their events
//   FormMain_InGameMenu.cpp  pausing a level and the in-game menu
//   FormMain_Map.cpp         the world map and the hub between levels
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

  // ---- components created at start-up (in this order) ----
  std::unique_ptr<TLoadingBar> LoadingBar;
  std::unique_ptr<TMusicBox> MusicBox;
  std::unique_ptr<TSFXPlayer> SFXPlayer;
  std::unique_ptr<TVoicePlayer> VoicePlayer;
  // The one route of sound: every component plays through these, and they reach whichever
  // player is current (a voice group comes with a player of its own).
  std::function<void(const std::string& name)> PlayEffect, PlayVoice;
  TSettingLoader SettingLoader;
  TGlobalGameText GlobGameText;
  TTextStrings TextStrings;
  std::unique_ptr<TNameList> NameList;
  std::unique_ptr<TNameInput> NameInput;
  std::unique_ptr<THighScores> HighScores;
  std::unique_ptr<TGameConfirmWindow> ConfirmWindow;
  std::unique_ptr<TSceneTransition> SceneTransition;
  std::unique_ptr<TScreenDarkener> ScreenDarkener;
  std::unique_ptr<TCreditLines> CreditLines;
  std::unique_ptr<THelpPages> HelpPages;
  std::unique_ptr<TSnowEffect> Snow;
  std::unique_ptr<TScreenDustEffect> ScreenDust;
  // Buttons of the shell's own scenes.
  std::unique_ptr<TGameButton> StorySkipButton, HelpDoneButton, CreditsDoneButton,
      NameListNewButton, NameListDeleteButton, NameListOKButton, AddNameOKButton,
      AddNameCancelButton, ChangePlayerLink, PlayButton, OptionsButton, HighScoresButton,
      ExitButton, HelpButton, MapMenuButton, MapPlayButton, OptionsCreditsButton,
      OptionsOKButton, SoundMinusButton, SoundPlusButton, MusicMinusButton, MusicPlusButton,
      HighScoresOKButton;
  std::unique_ptr<TGameMenuWindow> NameListWindow, InfoWindow, HighScoreWindow, AddNameWindow,
      OptionsWindow;
  std::unique_ptr<TPanelMover> MenuPanel, WelcomePanel, MapLeftPanel, MapRightPanel;
  std::unique_ptr<TVolumeBar> SoundBar, MusicBar;
  std::unique_ptr<TGameCheckBox> SoundCheck, MusicCheck, FullScreenCheck, TutorialCheck;

  // The board and the effects that animate its changes.
  std::unique_ptr<TGameBoard> GameBoard;
  std::unique_ptr<TSwapEffect> SwapEffect;
  std::unique_ptr<TGroupedElementsEffect> GroupedElements;
  std::unique_ptr<TOpeningLockers> OpeningLockers;
  std::unique_ptr<TLockerPiecesEffect> LockerPieces;
  std::unique_ptr<TLockerFrames> LockerFrames;
  std::unique_ptr<TWebEffect> WebEffect;
  std::unique_ptr<TChainLockEffect> ChainLockEffect;
  std::unique_ptr<TFlowingElements> FlowingElements;
  std::unique_ptr<TFallingElements> FallingElements;
  std::unique_ptr<TShuffleAwayEffect> ShuffleAway;
  std::unique_ptr<TLockersAwayEffect> LockersAway;
  std::unique_ptr<TLostBoardEffect> LostBoard;
  std::unique_ptr<TBoardBorder> BoardBorder;
  std::unique_ptr<TMatchedCyanEffect> MatchedCyan;
  std::unique_ptr<TLockerFiller> LockerFiller;
  std::unique_ptr<TCrawlingSpiders> Spiders;
  std::unique_ptr<TGlobalShine> GlobalShine;
  std::unique_ptr<TUniBubbleEffect> UniBubble;
  std::unique_ptr<TStarsEffect> Stars;
  std::unique_ptr<TNewDiamondEffect> NewDiamond;
  std::array<std::unique_ptr<TShineEffect>, 3> Shines;
  // The six collector tools in panel order: blaster, bomb, hammer, horizontal and vertical
  // lightning, big bomb.
  static constexpr int ToolCount = 6;
  std::array<std::unique_ptr<TCollectorBombTool>, ToolCount> Tools;
  std::unique_ptr<THammerEffect> HammerItemEffect, HammerToolEffect;
  std::unique_ptr<THammeredObjectsEffect> HammeredObjects;
  std::unique_ptr<TBombEffect> BombEffect;
  std::unique_ptr<TBigBombEffect> BigBombEffect;
  std::unique_ptr<TLightningEffect> LightningEffect;
  std::unique_ptr<TCollectorEffect> CollectorEffect;
  std::unique_ptr<TMagicKey> MagicKey;
  std::unique_ptr<TBroom> Broom;
  std::unique_ptr<TAerosol> Aerosol;
  std::unique_ptr<TFlowingTool> FlowingKey, FlowingBroom, FlowingAerosol;
  TPoint LeftPanelPos{0, 236};

  // ---- the level being played ----
  std::unique_ptr<TLevelParams> LevelParams;
  std::unique_ptr<TElementGather> ElementGather;
  std::unique_ptr<TTubeTimer> TubeTimer;
  std::unique_ptr<TTubeBubbleEffect> TubeBubbles;
  std::unique_ptr<TMannaEnergy> MannaEnergy;
  std::unique_ptr<TAbsorbedEnergy> AbsorbedEnergy;
  std::unique_ptr<TSlotDoneEffect> SlotDone;
  std::unique_ptr<TObjectiveInfo> ObjectiveInfo;
  std::unique_ptr<TInfoDigit> IslandDigit, LevelDigit;
  std::unique_ptr<TJackpotScore> ScoreCounter;
  std::unique_ptr<TCombos> Combos;
  std::unique_ptr<TCombosConveyer> CombosConveyer;
  std::unique_ptr<TShuffleButtonShine> ShuffleButtonShine;
  std::unique_ptr<TGameComment> GameComments, BookFoundComment, ChapterEntryComment,
      UpgradesComment;
  std::unique_ptr<TPanelMover> ElementsPanelMover;
  std::unique_ptr<TGameButton> InGameMenuButton, InGameResumeButton, InGameRestartButton,
      InGameOptionsButton, InGameHelpButton, InGameToMenuButton;
  std::unique_ptr<TGameMenuWindow> InGameMenuWindow;
  // The stage result.
  std::unique_ptr<TGameMenuWindow> StageResultWindow;
  std::unique_ptr<TGameButton> StageResultOKButton;
  std::unique_ptr<TResultStats> ResultStats;
  std::unique_ptr<TResultMedal> ResultMedal;
  std::unique_ptr<TWynnetScoring> WynnetScoring;
  std::unique_ptr<TPigeonScoring> PigeonScoring;
  // The world map and the hub between levels.
  std::unique_ptr<TMapIslands> MapIslands;
  std::unique_ptr<TCompletedStamps> CompletedStamps;
  std::unique_ptr<TWorldMapObjects> WorldMapObjects;
  std::unique_ptr<TGameButton> HubPlayButton;

  int IslandIdx = 1, LevelIdx = 1;
  int NextUncompletedIslandIdx = 1, NextUncompletedLevelIdx = 1;
  TGameObjective GameObjective = goNormalMode;
  bool RoundOver = false, RoundEnding = false, WasPaused = false;
  // The tube may run: from the end of the announcement until the round ends.
  bool TubeAllowed = false;
  // A level is being played and has neither been won nor given up: its gains are still
  // provisional and its ingredients not yet charged.
  bool RoundInProgress = false;
  // The level's tiles have all dropped in: the tools may be taken.
  bool LevelFilled = false;
  bool LevelRecordLoaded = false;
  int LevelScore = 0;
  // Points of the level outside its level score: combos, gold layers, needed potions.
  int BonusPoints = 0;
  // The "EnergyBonusText" pop-up of a combo's arrival and its pattern.
  TSpritePopper EnergyBonusPopper;
  int EnergyBonusPattern = 0;
  int BackgroundIdx = 1;
  int CreatureIsland = 1;  // whose creature folder the boss round loads
  int GatherLevelCount = 4;  // the first gathering level plays track 2
  TElementsCount OwnedElements, RoundGains;
  TLevelSetup LevelSetup;
  TValueUpDown PausedPulse;
  float FeatureShineAngle = 0;

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
  TGameSceneValues ReturnScene = gsMainGame;
  TGameSceneValues CreditsCaller = gsOptions;
  TGameSceneValues HelpCaller = gsMenu;
  bool GoingToMap = false;
  bool NameExists = false;
  bool TutorialEnabled = false;
  std::string LastPlayerName;
  std::string DefaultPlayerName;
  TGameSceneValues PreviousScene = gsCompanyLogos;
  bool MainLoadPrepared = false;
  TAnimData MenuBlink;
  TValueUpDown WandSwing, LogoSwing;
  bool FullScreenSwitchDone = false;
  std::string Caption = "Wendmoor: Vessary";
  TPlayerSave CurrentSave, DefaultSave;

  // ---- scenes ----
  // Sets the scene at once (→) or through the transition (⇒).
  void SetScene(TGameSceneValues scene);
  void SwitchScene(TGameSceneValues scene);
  TGameSceneValues Scene() const { return GameScene.GetValue(); }
  void AskConfirmation(int kind, TPositiveButtonKind positive, TNegativeButtonKind negative);

  // ---- the board ----
  // Moves every board effect to the board's current place.
  void PlaceBoardEffects();
  // The board and its effects in their drawing order: the board layer, the effects over
  // it, the overlays among the panels, and the tools with what they throw.
  void DrawBoard();
  void DrawBoardEffects();
  void DrawBoardOverlays();
  void DrawTools();
  // Resets the board and every effect and tool for a new level.
  void ResetBoardComponents();
  // The level's opening: the board stays hidden while its tiles drop in.
  void StartLevelFill();
  // No move left: the comment, then the board flies off and a reshuffled one comes in.
  void StartShuffle();
  // Mouse presses and moves for the tools; true when a tool took the press.
  bool ToolsMouseDown(int x, int y, TMouseButton button);
  void ToolsMouseMove(int x, int y);
  bool AnyToolHeld() const;
  void PutAllToolsBack();
  // Hangs the tools on the left panel at its current position.
  void PlaceTools(TPoint leftPanel);
  TCollectorBombTool* Tool(TNewToolKind kind) const;
  static bool IndividualKindOf(int code, TIndividualElementKind& kind);
  // The answer to a finished grouping or a blast (the grouping answer's steps a-g).
  void AnswerRemovedTiles(const TBoardData& snapshot, const TSimpleObjectArray& mask,
                          bool grouped, bool triggeredByBlaster);

  // ---- the round ----
  void PlayFromMenu();
  void GoToMap();
  void StartLevel();
  void WinRound();
  void LoseRound();
  void OpenInGameMenu();
  void ApplyPause();
  void SetPaused(bool paused);
  // The tube runs exactly when the round allows it and nothing pauses it.
  void UpdateTubeClock();
  // Ends a round that was not won (lost, restarted, left, closed): the level's gains are
  // taken back and its ingredients charged, once.
  void AbandonRound();
  // Unpauses a level unless it was paused when the menu or question opened.
  void ResumeUnlessPausedBefore();
  // Which of the six tools a level of an island offers.
  static bool ToolAvailable(TNewToolKind kind, int island, int level);
  // The music track of the next gathering level, advancing the rotation.
  int NextGatherMusicTrack();
  // Straight from start-up into a level of a fresh or the current player, as the map's
  // Play would start it; the harness uses it. False for a level that does not exist.
  bool EnterLevelDirectly(int island, int level, bool relaxed);
  // What the stocks gain when an island's upgrades are complete.
  static TElementsCount IslandReward(int island);
  void AddIslandReward(int island);
  // The F2 and F3 cheats.
  void CheatWinLevel();
  void CheatToolsAndEnergy();

  // ---- players ----
  std::string SaveFileName(const std::string& name) const;
  void LoadPlayerSave();
  bool SavePlayerSave(bool withStickers);
  void ApplyPlayerSave();
  void SubmitHighScore();

  // ---- picture loading ----
  bool LoadImageFile(int group, const std::string& fileName, bool fromLateLoad, bool isJpeg);
  void LoadFolderJpegs(int group);
  void LoadFolderPngs(int group);
  std::string GroupFolder(int group) const;

 private:
  // Components and their wiring.
  void WireComponents();
  void CreateBoardComponents();
  void CreateRoundComponents();
  void WireRoundComponents();
  void CreateInGameMenu();
  void CreateMapComponents();
  void PrepareRoundAfterMainLoad();
  std::array<TGameButton*, 5> InGameMenuButtons() const;
  void ApplyLevelSetup();
  void ApplyPauseToRound();
  void ObjectiveShown();
  void StageResultShown();
  void LeaveStageResult();
  void EnterMap();
  void MapPlay();
  void HubPlay();
  void ChargeLevelIngredients();
  void StopTutorial();
  void CloseToolTip();
  void EnergyFactorReached(int level);
  void CreateToolComponents();
  void WireBoard();
  void WireBoardEffects();
  void WireSpiders();
  void WireTools();
  void PlaceToolEffects();
  void ResetToolComponents();
  std::array<TCarriedTool*, 3> CarriedTools() const;
  void UseTool(TNewToolKind kind, TPoint tile, TPoint toolPos);
  static TSimpleObjectArray OneTile(TPoint tile);
  void StartPotionFlight(TPoint tile, int index);
  // What a level counts (gathering, points, energy, purse) and the moments the round flow
  // takes over from the board.
  int CurrentIslandIdx() const;
  bool IsStillNeeded(TIndividualElementKind kind) const;
  void CreditOwned(TElementKind kind, float amount);
  void AddPoints(int points);
  void AddBonusPoints(int points);
  void CountEnergyElement();
  void SpendToolEnergy(TNewToolKind kind);
  TPoint GatherSlotPosition(TIndividualElementKind kind) const;
  void CollectArrived(TElementKind kind, std::uint8_t index);
  void CollectPotion(int index);
  void ShowBookFoundComment(int index);
  void CheckCombos(const TBoardData& data, const TSimpleObjectArray& mask);
  void CountTutorialStep();
  void LevelFillFinished();
  void AskTryAgain();
  void ShowStageResult();
  void ShowNoMoreMovesComment();
  void PointToolTipAtWeb(TPoint tile);
  void PointToolTipAtSpider(TPoint tile);
  void CheckMonsterHit(TPoint pos, bool& hitting, bool& absorbing);
  bool GoldTileUpgradeOwned() const;
  void PrepareAfterMainLoad();
  void ReloadButtonSizes();
  std::unique_ptr<TGameButton> MakeButton(const std::string& image, int left, int top);
  std::unique_ptr<TGameMenuWindow> MakeWindow(const std::string& image, int left, int top,
                                              int hideX, int hideY, int step, TShowDir dir);
  void PlaceMenuButtons(TPoint panel);
  void PlaceOptionWidgets(TPoint window);
  void LoadOptionWidgets();
  void StoreOptionWidgets();
  void OptionsHidden();
  void CountMainImages();
  // Scene-change hooks.
  void OnStartToSwitch(TGameSceneValues oldScene, TGameSceneValues newScene);
  void LeaveScene(TGameSceneValues oldScene, TGameSceneValues newScene);
  void EnterScene(TGameSceneValues oldScene, TGameSceneValues newScene);
  void FreeLogoAndLoadingPictures();
  // Player flows.
  void AddNameConfirmed();
  void AddNameHidden();
  void PlayerListOK();
  void ChangePlayer();
  void UpdateNameListButtons();
  void StartOpeningStory();
  void ConfirmHidden(int result);
  void ConfirmPositive();
  // Drawing helpers of the scenes.
  void DrawMenuScene();
  void DrawPlayerSelectScene();
  void DrawSplashScene();
  void DrawOptionsWindow();
  void DrawHighScoreWindow();
  void DrawAddNameWindow();
  void DrawCentredText(const std::string& text, int left, int width, int y, double scale,
                       std::uint8_t alpha = 255, int colour = 0);
  void SceneMenu();
  void SceneMap();
  void SceneHub();
  void DrawStageResult();
  void DrawPausedWord();
  void DrawInGameMenu();
  void DrawLevelPanels();
  void DrawEnergyBonusPopup();
  // The level screen, drawn under every scene that shows the level.
  void DrawMainGame();
  void ScenePlaceholder();
  // Routing of one mouse event to the current scene.
  enum class TMouseKind { Down, Move, Up };
  void RouteMouse(TMouseKind kind, int x, int y, bool left);
  void RouteMainGameMouse(TMouseKind kind, int x, int y, bool left);

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
  void Forward(TGameButton& b, TMouseKind kind, int x, int y, bool left);
  void OnSceneChanged(TGameSceneValues oldScene, TGameSceneValues newScene);
  void Trace(const std::string& kind, const std::string& details);

  TShellServices Services;
  std::unique_ptr<IAudioBackend> OwnedAudio;
  TImageLoader ImageLoader;
  bool IsClosed = false;
  bool Created = false;
};
