#pragma once
#include <array>
#include <functional>
#include <string>

#include "effects/TNewPlopEffect.h"
#include "effects/TSparklingEffect.h"
#include "effects/TSpritePopper.h"
#include "effects/TStoveSmoke.h"
#include "engine/TAnimData.h"
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"
#include "levels/TElementsCount.h"
#include "metagame/THiddenIngredientTable.h"
#include "metagame/TPracticePot.h"
#include "metagame/TPracticeState.h"
#include "platform/IWindow.h"
#include "ui/TGameButton.h"

class TOmegaImageList;
class TGlobalGameText;
class TTextStrings;

// Buying a dish played out as a cooking exercise in a window that slides down over the
// island hub: find four ingredients hidden in the kitchen picture, put them in the pots in
// the recipe's order, watch the cook cook, admire the dish, click Done. When the window has
// slid away again it reports the purchase. All places below are window-relative: the window's
// origin is (180, WindowY).
class TPracticeMiniGame : public TComponent {
 public:
  using TFinishedEvent = std::function<void(TPracticeMiniGame& sender, int island, int slot,
                                            const TElementsCount& price)>;

  static constexpr int WindowLeft = 180;
  static constexpr int WindowShownY = 70;

  TPracticeMiniGame(TOmegaImageList& images, TGlobalGameText& text, TTextStrings& strings);

  int IslandIdx = 1;  // whose kitchen picture is drawn
  int TimeToStep2 = 300;
  int ProcClockTime = 6000;
  int PellowStandbyMoveXCount = 99;
  int ProgressFillWidth = 0, ProgressFillHeight = 0;
  int HiddenIngredientsAlpha = 120;
  int HiddenIngredRectWidth = 52, HiddenIngredRectHeight = 52;
  int IngredientsGap = 67;
  int SlotRectWidth = 76, SlotRectHeight = 76;
  std::string DataFilePath, DataFileName;
  int WindowHidePosY = -630;
  int WindowMoveStepY = 63;

  TFinishedEvent OnFinished;
  // A data file that is there but cannot be used; the built-in table is used instead.
  std::function<void(TPracticeMiniGame& sender, const std::string& message)> OnLoadError;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  // The cursor it wants while the mouse is over something clickable.
  std::function<void(TCursorKind kind)> RequestCursor;

  // Remembers the bought item (island 1..5, slot 1..4) and its price; does not open.
  void Start(int island, int slot, const TElementsCount& price);
  void Open();
  void Reset();
  bool IsOpen() const { return State != psHidden; }
  bool TakesInput() const {
    return State == psFindStep || State == psPlaceStep || State == psDone;
  }
  void UpdateAndDraw();
  void MouseDown(int x, int y, bool leftButton);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y);
  // Closes at once and reports the purchase (the cheat key).
  void Finish();
  // The data file, or the built-in table when it is missing; false (and OnLoadError) when
  // it is there but unusable.
  bool LoadData();
  // Sizes taken from the loaded pictures: the progress fill and the Done button.
  void MeasureProgressFill();

  // What the harness and the tests look at.
  TPracticeState GetState() const { return State; }
  int WindowY() const { return FWindowY; }
  int CookPhase() const { return FCookPhase; }
  int WalkOffset() const { return FWalkOffset; }
  double Progress() const { return FProgress; }
  int NextIngredient() const { return FNextIngredient; }
  int DishIdx() const { return FDishIdx; }
  const std::string& DishName() const { return FDishName; }
  bool Presented() const { return FPresented; }
  const THiddenIngredient& Hidden(int k) const { return Table.At(FIsland, FSlot, k); }
  const TPracticePot& Pot(int s) const { return Pots[s - 1]; }
  const THiddenIngredientTable& Ingredients() const { return Table; }
  TGameButton& DoneButton() { return Done; }
  // Window-relative places.
  static constexpr int PotLeft(int s) { return s % 2 == 1 ? 331 : 678; }
  static constexpr int PotTop(int s) { return s <= 2 ? 116 : 222; }

 private:
  float SX(double x) const { return static_cast<float>(WindowLeft + x); }
  float SY(double y) const { return static_cast<float>(FWindowY + y); }
  void Sound(const std::string& name) {
    if (PlaySound) PlaySound(name);
  }
  void StepDecorations();
  void WalkCook();
  void DrawCook();
  void DrawBadgeAndProgress();
  void DrawHints();
  void DrawRecipeRow();
  void UpdateClock();
  void UpdateHidden();
  void UpdateStep2Timer();
  void DealPots();
  void UpdatePots();
  void UpdateDish();
  void UpdateBlast();
  void FindAt(int wx, int wy);
  void PlaceAt(int wx, int wy);
  void DoneClicked();
  void Finished();

  TOmegaImageList& OmgImgList;
  TGlobalGameText& GlobGameText;
  TTextStrings& TextStringsComp;
  THiddenIngredientTable Table;
  std::array<TPracticePot, 4> Pots;

  int FIsland = 1, FSlot = 1, FDishIdx = 1;
  TElementsCount Price;
  std::string FDishName;
  double FDishNameScale = 0.9;
  TPracticeState State = psHidden;
  int FCookPhase = 0, FWalkOffset = 0;
  int FWindowY = -630, WindowTargetY = -630;
  double FProgress = 0, ShownProgress = 0;
  int FNextIngredient = 1;
  int Step2Timer = 0, ClockTimer = 0;
  bool Step2Armed = false, ClockRunning = false;
  int DishAlpha = 0, DishAlphaTarget = 0;
  bool FPresented = false;
  double BlastSize = 0, BlastTarget = 0, BlastSpeed = 0, BlastAngle = 0;
  int BlastAlpha = 0, BlastAlphaTarget = 0;
  float ShineAngle = 0;

  std::array<TSpritePopper, 4> RowPoppers, PotPoppers;
  TSpritePopper BadgePopper, LabelPopper;
  TGameButton Done;
  TNewPlopEffect Plop;
  std::array<TSparklingEffect, 3> Sparkles;
  TStoveSmoke Smoke;
  TValueUpDown FairyAngle, LampAngle, LampGlow, CookSwing, ArmSwing, ArmSwing2, DishSwing,
      Fire0Alpha, Fire1Alpha, PotionGlow;
  std::array<TValueUpDown, 3> Arrows;
  TAnimData DishEyes;
};
