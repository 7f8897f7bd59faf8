#pragma once
#include <utility>
#include <vector>
#include <cstdint>
#include <functional>
#include <string>

#include "board/TBoardData.h"
#include "board/TElementSet.h"
#include "board/TLightningType.h"
#include "board/TNewToolKind.h"
#include "board/TSimpleObjectArray.h"
#include "board/TSwappedObjectsData.h"
#include "board/TTileState.h"
#include "board/TToolKind.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"
#include "platform/TPlatformEvent.h"

class TOmegaImageList;

enum TGameBoardActiveMode : std::uint8_t { amNormal = 0, amFindFlower = 1 };

// Flower indexes 1..6 that the player has not found yet; bit i = index i.
using TFlowerIdxSet = std::uint8_t;

// The match-three board: the tile grid and its rules. It draws tiles and falling
// elements itself; everything else that moves is an effect the shell starts when the
// board asks for it through an event, and the shell calls back when the effect ends.
// One class over several files, by concern:
//   TGameBoard.cpp           data, loading, filling, placement, the frame routine
//   GameBoard_Draw.cpp       drawing, ripples, landing bounces
//   GameBoard_Swap.cpp       clicks, swaps, match checks
//   GameBoard_Gravity.cpp    falling, settling, spawning, uni bubbles, potions
//   GameBoard_Hints.cpp      hints, no-more-moves, the run-free board generator
//   GameBoard_Tools.cpp      what tools and items do to the board
// The rules themselves (runs, moves, what holds a column, new colours, tool areas) are
// functions of a snapshot in TBoardRules, shared with the programs that play ahead.
class TGameBoard : public TComponent {
 public:
  TGameBoard();

  // ---- published ----
  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0, Top = 0;
  bool Visible = true;
  bool CanDraw = true;
  bool CanMatch = true;
  bool Frozen = false;
  int UniFruitInterval = 750;
  TGameBoardActiveMode ActiveMode = amNormal;
  int OneFlowerPerLockersMin = 6, OneFlowerPerLockersMax = 10;
  int WormEatingTime = 10000;
  int FruitRegenerateTime = 25000;
  int WaitingFairyRestoreInterval = 3500;
  int ShowingHintTime = 2500;
  int HintInterval = 12000;
  int NoMoreMovesInterval = 20000;
  int DroppingStep = 10;
  std::uint8_t MaxUniFruitOnBoard = 1;
  int OneUniFruitEveryInterval = 100;
  std::uint8_t MaxMultiBubbleOnBoard = 0;
  int OneMultiBubbleEveryProb = 0;
  std::uint8_t MaxHammersOnBoard = 0;
  int OneHammerEveryProb = 0;
  std::uint8_t MaxFruitBombsOnBoard = 0;
  int OneFruitBombEveryInterval = 0;
  TToolKind MaxToolKind = toAerosol;
  int OneMagicKeyEveryProb = 0, OneBroomEveryProb = 0, OneAerosolEveryProb = 0;
  // Set by the shell: the level's prepared board picture replaces the background tiles.
  bool IsWindows8OrLater = false;

  // ---- events (the shell wires them; the board never calls the shell) ----
  using TNotify = std::function<void(TGameBoard& sender)>;
  using TTileEvent = std::function<void(TGameBoard& sender, TPoint tilePos)>;
  std::function<void(TGameBoard& sender, TSwappedObjectsData swappedObjectsData,
                     bool matchOccurs)>
      OnSwapEffectRequest;
  TNotify OnManualMatch;
  TNotify OnObjectTileClick;
  std::function<void(TGameBoard& sender, TBoardData newBoardData,
                     TSimpleObjectArray lockersToOpen)>
      OnOpeningLockersEffectRequest;
  std::function<void(TGameBoard& sender, TBoardData newBoardData,
                     TSimpleObjectArray groupedFruits, bool checkCombos,
                     bool triggeredByBlaster)>
      OnGroupedElementsEffectRequest;
  std::function<void(TGameBoard& sender, TSimpleObjectArray framesToRemove)>
      OnRemoveLockerFrames;
  TTileEvent OnWebEffectRequest;
  std::function<void(TGameBoard& sender, TPoint tilePos, std::uint8_t chainLockLevel)>
      OnChainLockEffectRequest;
  TTileEvent OnAFruitWormBanRequest;
  TTileEvent OnFruitRestoreEffectRequest;
  TTileEvent OnUniBubbleEffectRequest;
  TTileEvent OnHammerEffectRequest;
  std::function<void(TGameBoard& sender, TPoint tilePos, TPoint toolPos, int multiBubbleIdx)>
      OnMultiBubbleClicked;
  std::function<void(TGameBoard& sender, TBoardData newBoardData,
                     TSimpleObjectArray groupedFruits)>
      OnFallingElementsEffectRequest;
  std::function<void(TGameBoard& sender, TBoardData boardData, TSimpleObjectArray hammeredTiles)>
      OnHammeredObjectsEffectRequest;
  TTileEvent OnExplossionEffectRequest;
  std::function<void(TGameBoard& sender, TSimpleObjectArray bannedPosArray)> OnEnemiesBanned;
  TTileEvent OnStarsEffectRequest;
  TNotify OnNoMoreMoves;
  TNotify OnNoMatchTimerReset;
  TNotify OnTimeToDrawBoardBorder;
  TNotify OnTimeToDrawLockerFrames;
  std::function<void(TGameBoard& sender, int& count)> OnAcquiredMagicKeysQuestion;
  std::function<void(TGameBoard& sender, int& count)> OnAcquiredBroomsQuestion;
  std::function<void(TGameBoard& sender, int& count)> OnAcquiredAerosolsQuestion;
  TNotify OnFruitBubbleAdded, OnFruitBlasterAdded, OnFruitBombAdded, OnHammerAdded;
  std::function<void(TGameBoard& sender, bool& canAddFlower)> OnCanAddFlowerQuestion;
  std::function<void(TGameBoard& sender, TFlowerIdxSet& flowerIdxSet)>
      OnUnobtainedFlowerIdxSetRequest;
  // Asked on every press and drag: the shell refuses while its effects still work on tiles.
  std::function<void(TGameBoard& sender, bool& allowed)> OnClickAllowedQuestion;
  // Sounds the board starts by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;

  // ---- data ----
  void SetAvailableElements(const TElementSet& elements) { AvailableElements = elements; }
  const TElementSet& GetAvailableElements() const { return AvailableElements; }
  void LoadBoard(const TBoardData& boardData);
  const TBoardData& BoardData() const { return Board; }
  const TBoardTile& Tile(TPoint p) const { return Board.At(p); }
  // For tools and tests that change one tile; states are not touched.
  TBoardTile& EditTile(TPoint p) { return Board.At(p); }
  TTileState TileState(TPoint p) const { return TileStates[p.X - 1][p.Y - 1]; }
  void SetTileState(TPoint p, TTileState s) { TileStates[p.X - 1][p.Y - 1] = s; }
  using TTileStateGrid = TTileState[BoardColumns][BoardRows];
  const TTileStateGrid& TileStateGrid() const { return TileStates; }
  void FillRandom();
  void Reset();

  // ---- placement and tile questions ----
  TPoint ScreenToTile(int x, int y) const;
  TPoint TileScreenPos(TPoint p) const {
    return {Left + 52 * (p.X - 1), Top + 52 * (p.Y - 1)};
  }
  bool IsLockerTile(TPoint p) const;
  bool IsHoleOrOutside(TPoint p) const;
  bool IsOpenElement(TPoint p) const;
  int ElementAt(TPoint p) const;
  // Puts the used part of the board on the centre point of the play area.
  void CentreUsedArea();
  TPoint UsedAreaOrigin() const;

  // ---- the frame ----
  void UpdateAndDraw();
  void DrawHint();

  // ---- input, swaps and matches ----
  void MouseDown(int x, int y, TMouseButton button);
  void SetMouseHeld(bool held);
  bool MouseHeld() const { return MouseHeldFlag; }
  void TileClick(TPoint tilePos);
  bool SelectionActive() const { return SelectionActiveFlag; }
  TPoint SelectedPos() const { return SelectedPosition; }
  TPoint SecondPos() const { return SecondPosition; }
  int SelectionStyle() const { return SelectionStyleValue; }
  void ClearSelection() { SelectionActiveFlag = false; }
  void ApplySwap(TPoint object1Pos, TPoint object2Pos);
  void ClearSwapStates(TPoint object1Pos, TPoint object2Pos);
  void CheckLockerMatches();
  void CheckElementMatches();
  // Every tile of a run of three or more of colour c in one layer, with the given states.
  static TSimpleObjectArray FindRuns(const TBoardData& board,
                                     const TTileState (&states)[BoardColumns][BoardRows],
                                     bool lockers, int colour);
  // Any run at all: lockers of colours 1..3 or elements of colours 1..18.
  static bool AnyMatch(const TBoardData& board,
                       const TTileState (&states)[BoardColumns][BoardRows]);
  // The answer to a tile's grouping: it is emptied and gravity takes over.
  void RemoveGrouped(const TSimpleObjectArray& mask);
  // The answer to the last opening of a locker: the tiles become open elements.
  void FinishOpening(const TSimpleObjectArray& mask);

  // ---- gravity and spawning ----
  bool PotionOnBottom(TPoint p) const;
  bool CanFallFurther(int x, int y) const;
  int UniColorIndex() const { return UniColorIdx; }
  bool RevealRunning(TPoint p) const { return Reveal[p.X - 1][p.Y - 1].Active; }
  int UniSpawnCounter() const { return UniCounter; }
  int FruitBombSpawnCounter() const { return FruitBombCounter; }
  // A new random element code from the available set (never an item).
  int RandomColour() const;

  // ---- webs and worms used by the board's own rules ----
  bool TryPutWeb(TPoint p);
  void RemoveWeb(TPoint p);
  bool CanHostWeb(TPoint p) const;
  int CountWebs() const;
  void RestoreFruit(TPoint p);

  // ---- ripples and bounces ----
  void ApplyBigRipple(TPoint centre);
  void ApplySmallRipple(TPoint centre);
  int RippleLevel(TPoint p) const { return Ripple[p.X - 1][p.Y - 1]; }
  void SetRippleLevel(TPoint p, int level) { Ripple[p.X - 1][p.Y - 1] = level; }
  void StartLandingBounce(int column);
  int BounceOffset(TPoint p) const;
  bool BounceStill(TPoint p) const { return Bounce[p.X - 1][p.Y - 1].State == bsStill; }

  // ---- tools and items ----
  void SetSelection(TPoint p, int style);
  void HighlightTile(TPoint p);
  void HighlightToolTarget(TPoint p, TNewToolKind tool);
  void ClearToolHighlight();
  bool ToolHighlighted(TPoint p) const { return ToolMarks[p.X - 1][p.Y - 1]; }
  void StrikeTile(TPoint p);
  void ExplodeBomb(TPoint p);
  void ExplodeBigBomb(TPoint p);
  // After a grouping: every masked tile that carries a fruit bomb explodes.
  void ExplodeFruitBombs(const TSimpleObjectArray& mask);
  void LightningStrike(TPoint p, TLightningType direction);
  // First and last locker-or-element column of P's row and row of P's column (0 when none).
  void LineExtents(TPoint p, int& firstColumn, int& lastColumn, int& firstRow,
                   int& lastRow) const;
  void ActivateBlaster(TPoint p, TPoint toolPos);
  void HammerHit(TPoint p);
  void FinishHammered();
  void ClearColor(int colour);
  void StartBlasterWave(TPoint p);
  bool BlasterWaveActive() const { return WaveActive; }
  int BlasterWaveStep() const { return WaveStep; }
  // Clicks wait while a wave has not yet cleared its colour.
  bool BlasterWaveHoldsClicks() const { return WaveActive && WaveStep < 8 && !WaveCleared; }
  void OpenLocker(TPoint p);
  // Screen rectangle, right and bottom exclusive.
  void BanWormsInRect(int left, int top, int right, int bottom);
  TPoint RandomTopTile() const;
  static TSimpleObjectArray SmallBombShape(TPoint p);
  static TSimpleObjectArray BigBombShape(TPoint p);

  // ---- hints, no-more-moves, generated boards ----
  void FindHint();
  void ShowHint(TPoint p1, TPoint p2);
  void CancelHint();
  void ResetTimers();
  bool HasMove();
  // Every swap of two neighbours that would line up a run, each pair once (for players
  // that are programs: the harness's demo and bot).
  std::vector<std::pair<TPoint, TPoint>> ListMoves() const;
  void CheckNoMoreMoves();
  void GenerateShuffledBoard(TBoardData& out);
  bool HintShowing() const { return HintShown; }
  TPoint HintPos1() const { return HintP1; }
  TPoint HintPos2() const { return HintP2; }
  bool HintMarked(TPoint p) const { return HintMarks[p.X - 1][p.Y - 1]; }
  int HintIntervalTimer() const { return HintTimer; }
  int NoMoreMovesTimer() const { return NoMovesTimer; }
  bool NoMoreMovesReported() const { return NoMovesReported; }
  bool Settling() const { return SettleFlag; }
  int SettleTimer() const { return SettleTime; }
  bool PendingCheckCombos() const { return PendingCombos; }
  int FlowerThreshold() const { return FlowerThresholdValue; }
  int LockerCheckCount() const { return LockerChecks; }

 private:
  enum TBounceState : std::uint8_t { bsStill, bsIncreasing, bsDecreasing };
  struct TBounce {
    double Offset = 0, Lower = 0, Upper = 0;
    TBounceState State = bsStill;
  };
  struct TReveal {
    bool Active = false;
    int Counter = 0;
  };

  TTileState& StateAt(int x, int y) { return TileStates[x - 1][y - 1]; }
  TTileState StateAt(int x, int y) const { return TileStates[x - 1][y - 1]; }
  void Raise(const TNotify& event) {
    if (event) event(*this);
  }
  void Sound(const char* name) {
    if (PlaySound) PlaySound(name);
  }
  void RebuildTileStates();
  void ClearPerTileGrids();
  void DrawNewFlowerThreshold();

  // frame steps
  void AdvanceUniColour();
  void AdvanceWorms();
  void AdvanceRipples();
  void AdvanceHintTimer();
  void AdvanceNoMoreMovesTimer();
  void AdvanceBounces();
  void MarkFalling();
  void MoveFalling();
  void AdvanceSettleTimer();
  void DrawBackgroundTiles();
  void DrawElements();
  void DrawReveals();
  void DrawChainsAndWebs(bool webs);
  void DrawSelection();
  void DrawElementImage(const TBoardTile& t, float x, float y);

  // swaps and matches
  void ActivateClickable(TPoint p);
  void AbsorbHit(TPoint p);
  void PlaceFoundFlower(const TSimpleObjectArray& opened);

  // tools
  void AdvanceBlasterWave();
  void ProcessWaveRing();
  void Blast(const TSimpleObjectArray& shape);
  void BreakCompletely(TPoint p);
  void GroupByTool(const TSimpleObjectArray& grouped);

  // gravity
  void SpawnElement(int x, int y);
  int CountOnBoard(int element) const;
  bool IsSegmentTop(int x, int y) const;

  // hints
  bool SearchMove(TPoint& p1, TPoint& p2) const;

  TBoardData Board{};
  TElementSet AvailableElements = TElementSet::Range(1, 8);
  TTileState TileStates[BoardColumns][BoardRows] = {};
  bool HintMarks[BoardColumns][BoardRows] = {};
  bool ToolMarks[BoardColumns][BoardRows] = {};
  TReveal Reveal[BoardColumns][BoardRows] = {};
  bool FairyWaiting[BoardColumns][BoardRows] = {};
  int Ripple[BoardColumns][BoardRows] = {};
  TBounce Bounce[BoardColumns][BoardRows] = {};
  int RippleTimer = 500;

  bool SelectionActiveFlag = false;
  TPoint SelectedPosition, SecondPosition, LastClickedPos;
  int SelectionStyleValue = 0;
  bool MouseHeldFlag = false;
  TValueUpDown SelectionAlpha;
  TValueUpDown PotionGlow;
  TValueUpDown UniSquash;
  int ToolHighlightAlpha = -20;

  int UniColorIdx = 1;
  int UniColorTimer = 0;
  int UniCounter = 0;
  int FruitBombCounter = 0;
  int LockerChecks = 0;
  int FlowerThresholdValue = 6;
  int LastFoundFlowerIdx = 0;

  TPoint HintP1, HintP2;
  std::uint8_t HintKind = okFruit;
  bool HintShown = false;
  int HintSpread = 0;
  int HintSpreadDir = 1;
  int HintShowTimer = 0;
  int HintTimer = 0;
  int NoMovesTimer = 0;
  bool NoMovesReported = false;

  bool SettleFlag = false;
  int SettleTime = 0;
  bool PendingCombos = false;

  // The colour wave of a multi bubble or the blaster.
  bool WaveActive = false;
  TPoint WaveCentre;
  int WaveStep = 0;
  int WaveTimer = 0;
  int WaveColour = 0;
  bool WaveCleared = false;
};
