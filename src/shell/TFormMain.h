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
#include "shell/TBoardParts.h"
#include "shell/TCompanyLogos.h"
#include "shell/TConfirmKind.h"
#include "shell/TSceneTransition.h"
#include "shell/TScreenDarkener.h"
#include "shell/TShellParts.h"
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
#include "shell/TImageGroup.h"
#include "shell/TMapParts.h"
#include "shell/TMenuParts.h"
#include "shell/TRoundParts.h"
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
class TFormMain : public TShellParts,
                  public TMenuParts,
                  public TBoardParts,
                  public TRoundParts,
                  public TMapParts {
 public:
  explicit TFormMain(const TShellServices& services);
  ~TFormMain();
  TFormMain(const TFormMain&) = delete;
  TFormMain& operator=(const TFormMain&) = delete;

  // ---- lifecycle ----
  // False when start-up could not complete (the reason has been shown).
  bool FormCreate();
  void FormShow();
  // A switch the player chose is kept in the save; one the focus forced lasts until it returns.
  enum TDisplayChoice : std::uint8_t { dcForNow, dcRemember };
  void SetFullScreen(bool value, TDisplayChoice choice);
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
  TGameScene GameScene;
  TFormWin10Confirm Win10Confirm;

  // ---- components created at start-up (in this order) ----
  std::unique_ptr<TGameConfirmWindow> ConfirmWindow;
  std::unique_ptr<TSceneTransition> SceneTransition;
  std::unique_ptr<TScreenDarkener> ScreenDarkener;

  bool IsWindows8OrLater = false;
  TCursorKind HoverCursor = TCursorKind::Arrow;

  bool StartFullScreen = false;
  int WindowedLeft = 0, WindowedTop = 0;
  bool ResumeOnActivate = true, MinimizeOnSwitch = false;
  bool NoPlayersYet = false, PlayerLoaded = false, GamePaused = false, StickersPending = true;
  bool CheatMode = false;
  bool LoadStarted = false;
  int SplashFrames = 0;
  long long FrameCounter = 0;
  TConfirmKind ConfirmKind = ckTryAgain;  // the question the confirmation window asks
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
  bool FullScreenSwitchDone = false;
  std::string Caption = "Wendmoor: Vessary";
  TPlayerSave CurrentSave, DefaultSave;

  // ---- scenes ----
  // Sets the scene at once (→) or through the transition (⇒).
  void SetScene(TGameSceneValues scene);
  void SwitchScene(TGameSceneValues scene);
  TGameSceneValues Scene() const { return GameScene.GetValue(); }
  void AskConfirmation(TConfirmKind kind, TPositiveButtonKind positive,
                       TNegativeButtonKind negative);

  // ---- the board ----
  // The board and its effects in their drawing order: the board layer, the effects over
  // it, the overlays among the panels, and the tools with what they throw.
  void DrawBoard();
  void DrawBoardEffects();
  void DrawBoardOverlays();
  void DrawTools();
  // The level's opening: the board stays hidden while its tiles drop in.
  void StartLevelFill();
  // No move left: the comment, then the board flies off and a reshuffled one comes in.
  void StartShuffle();
  // The answer to a finished grouping (a match, or the blaster's colour wave) or a blast.
  enum TTileRemoval : std::uint8_t { trGrouped, trGroupedByBlaster, trBlasted };
  void AnswerRemovedTiles(const TBoardData& snapshot, const TSimpleObjectArray& mask,
                          TTileRemoval removal);

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
  // The music track of the next gathering level, advancing the rotation.
  int NextGatherMusicTrack();
  // Straight from start-up into a level of a fresh or the current player, as the map's
  // Play would start it; the harness uses it. False for a level that does not exist.
  bool EnterLevelDirectly(int island, int level, bool relaxed);
  // Pays an island's reward into the stocks when its upgrades are complete.
  void AddIslandReward(int island);
  // The F2 and F3 cheats.
  void CheatWinLevel();
  void CheatToolsAndEnergy();

  // ---- players ----
  std::string SaveFileName(const std::string& name) const;
  void LoadPlayerSave();
  // The sticker block comes from the sticker book, or stays as the save holds it.
  enum TSaveStickers : std::uint8_t { ssKeep, ssGather };
  bool SavePlayerSave(TSaveStickers stickers);
  void ApplyPlayerSave();
  void SubmitHighScore();

  // ---- picture loading ----
  bool LoadImageFile(TImageGroup group, const std::string& fileName, TImageSource source,
                     TImageFormat format);
  void LoadFolderJpegs(TImageGroup group);
  void LoadFolderPngs(TImageGroup group);
  std::string GroupFolder(TImageGroup group) const;

 private:
  // Components and their wiring.
  void WireComponents();
  void CreateBoardComponents();
  void CreateRoundComponents(const TWidgetMaker& make);
  void WireRoundComponents();
  void WireInGameMenu();
  void CreateMapComponents(const TWidgetMaker& make);
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
  void WireBoard();
  void WireBoardEffects();
  void WireSpiders();
  void WireTools();
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
  bool IsClosed = false;
  bool Created = false;
  // The cursor the trace last reported.
  TCursorKind ShownCursor = TCursorKind::Arrow;
};
