#pragma once
#include <array>
#include <memory>
#include <string>

#include "audio/TMusicRequest.h"
#include "effects/TShuffleButtonShine.h"
#include "effects/TSpritePopper.h"
#include "effects/TTubeBubbleEffect.h"
#include "engine/TValueUpDown.h"
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
#include "text/TGameComment.h"
#include "ui/TGameButton.h"
#include "ui/TGameMenuWindow.h"
#include "ui/TPanelMover.h"

class TBuySlots;
class TGlobalGameText;
class TOmegaImageList;
class TTextStrings;
class TWidgetMaker;

// A level from its announcement to its result: the level file, the panels and counters
// around the board, the comments, the in-game menu, the stage result, and what the round
// keeps count of. How a round starts, is won, lost or paused is the window's.
class TRoundParts {
 public:
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
  // Announcements over the level, potions found, chapters on the map, upgrades in the hub.
  std::unique_ptr<TGameComment> GameComments, BookFoundComment, ChapterEntryComment,
      UpgradesComment;
  std::unique_ptr<TPanelMover> ElementsPanelMover;
  std::unique_ptr<TGameButton> InGameMenuButton, InGameResumeButton, InGameRestartButton,
      InGameOptionsButton, InGameHelpButton, InGameToMenuButton;
  std::unique_ptr<TGameMenuWindow> InGameMenuWindow;
  std::unique_ptr<TGameMenuWindow> StageResultWindow;
  std::unique_ptr<TGameButton> StageResultOKButton;
  std::unique_ptr<TResultStats> ResultStats;
  std::unique_ptr<TResultMedal> ResultMedal;
  std::unique_ptr<TWynnetScoring> WynnetScoring;
  std::unique_ptr<TPigeonScoring> PigeonScoring;
  // The "EnergyBonusText" pop-up of a combo's arrival and its pattern.
  TSpritePopper EnergyBonusPopper;
  int EnergyBonusPattern = 0;
  TValueUpDown PausedPulse;
  float FeatureShineAngle = 0;

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
  int BackgroundIdx = 1;
  int CreatureIsland = 1;  // whose creature folder the boss round loads
  int GatherLevelCount = 4;  // the first gathering level plays mrMainGame1
  // The shop keeps the purse (and what the round being played has added to it); the hub
  // owns it.
  TBuySlots* Shop = nullptr;
  TLevelSetup LevelSetup;

  // The in-game menu's buttons from top to bottom.
  std::array<TGameButton*, 5> InGameMenuButtons() const;

 protected:
  void Create(const TWidgetMaker& make, TOmegaImageList& images, TGlobalGameText& text,
              TTextStrings& texts, const std::string& levelsFolder, TPoint leftPanel);
  // Windows carry their widgets; the tube's bubbles ask the tube, finished slots show their
  // badge, and combos ride the conveyer until the round ends.
  void Wire();
  // The counters and panels back to the start of a level.
  void ResetForLevel();
  void ReadImageSizes();

  // What a round counts: gains for the purse, points, energy and the gathering. Nothing is
  // counted once the round is over.
  bool IsStillNeeded(TIndividualElementKind kind) const;
  void CreditOwned(TElementKind kind, float amount);
  void AddPoints(int points);
  void AddBonusPoints(int points);
  void SpendToolEnergy(TNewToolKind kind);
  TPoint GatherSlotPosition(TIndividualElementKind kind) const;
  // The music track of the next gathering level, advancing the rotation.
  TMusicRequest NextGatherMusicTrack();
};
