#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "board/TElementKind.h"
#include "board/TIndividualElementKind.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "levels/TJackpotScore.h"

class TOmegaImageList;

// The gathering panel above the board: one slot per element kind the level asks for, each
// counting down the elements still missing. All counters at 0 wins a gathering round.
class TElementGather : public TComponent {
 public:
  static constexpr int SlotCount = 17;  // in TIndividualElementKind order
  // Within a shown slot: the icon stands this far in (in the first or only slot, else in the
  // next ones), its counter's digits this far right of the icon and this far down.
  static constexpr int FirstIconLeft = 40, NextIconLeft = 31;
  static constexpr int CounterLeft = 15, CounterTop = 56;
  using TNotifyEvent = std::function<void(TElementGather& sender)>;
  using TSlotDoneEvent = std::function<void(TElementGather& sender, int slotX)>;

  enum TSlideState { ssStill = 0, ssSlidingIn = 1, ssSlidingOut = 2 };

  struct TPulse {
    bool Active = false;
    bool Growing = false;
    double Size = 30;
    int FullTime = 0;  // ms spent at full size
  };
  struct TIdle {
    int Ms = 0;
    int PulsesLeft = 0;
  };

  TElementGather();

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name, its counters' too; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  int CenterPos = 684;
  int Top = 0;
  int HidingPosY = -100;
  int MoveStep = 1;
  int LeftSlotWidth = 121;
  int MiddleSlotWidth = 111;
  // A slot that has waited this long for an element pulses SlotNotifyCount times.
  int IdleSlotNotifyTime = 45000;
  std::uint8_t SlotNotifyCount = 3;
  int MinPulsingSize = 52, MaxPulsingSize = 65;
  double PulsingStepUp = 12.0, PulsingStepDown = 7.0;
  int BlownTime = 450;
  int OrigPulsingFruitWidth = 58, OrigPulsingFruitHeight = 58;
  bool Visible = true;

  TSlotDoneEvent OnSlotDone;
  TNotifyEvent OnComplete;

  // Pulsing and counter picture sizes once the pictures are loaded.
  void ReadImageSizes();

  // Setting a target rebuilds the panel and sets every counter to its target.
  void SetTarget(TIndividualElementKind kind, int value);
  int Target(TIndividualElementKind kind) const { return Targets[kind]; }
  void SetTargetPotions1(int v) { SetTarget(iePotion1, v); }
  void SetTargetPotions2(int v) { SetTarget(iePotion2, v); }
  void SetTargetBananas(int v) { SetTarget(ieFruit1, v); }
  void SetTargetStrawberries(int v) { SetTarget(ieFruit2, v); }
  void SetTargetApples(int v) { SetTarget(ieFruit3, v); }
  void SetTargetGrapes(int v) { SetTarget(ieFruit4, v); }
  void SetTargetOranges(int v) { SetTarget(ieFruit5, v); }
  void SetTargetPlums(int v) { SetTarget(ieFruit6, v); }
  void SetTargetCherries(int v) { SetTarget(ieFruit7, v); }
  void SetTargetGuavas(int v) { SetTarget(ieFruit8, v); }
  void SetTargetFlowers1(int v) { SetTarget(ieFlower1, v); }
  void SetTargetFlowers2(int v) { SetTarget(ieFlower2, v); }
  void SetTargetFlowers3(int v) { SetTarget(ieFlower3, v); }
  void SetTargetFlowers4(int v) { SetTarget(ieFlower4, v); }
  void SetTargetSpiders(int v) { SetTarget(ieSpider, v); }
  void SetTargetGoldTiles1(int v) { SetTarget(ieGoldTile1, v); }
  void SetTargetGoldTiles2(int v) { SetTarget(ieGoldTile2, v); }

  void Reset();
  // One element has arrived; pairs that name no slot are ignored.
  void Collect(TElementKind kind, std::uint8_t index);
  bool IsStillNeeded(int slot0) const;
  // Where slot slot0 + 1's counter stands now; flying elements aim there.
  TPoint SlotPosition(int slot0) const;
  void ShowPanel();
  void HidePanel();
  // Slides, counts idle time and draws.
  void Update();

  // The slot (0..16) fed by (kind, index), or -1.
  static int SlotOf(TElementKind kind, std::uint8_t index);
  int Counter(int slot0) const { return Counters[slot0].Value(); }
  const TJackpotScore& CounterDisplay(int slot0) const { return Counters[slot0]; }
  bool IsShown(int slot0) const { return Shown[slot0]; }
  int ShownCount() const { return Count; }
  int PanelLeft() const { return LeftX; }
  int PanelY() const { return PosY; }
  TSlideState SlideState() const { return Slide; }
  bool Completed() const { return CompleteFired; }
  const TPulse& Pulse(int slot0) const { return Pulses[slot0]; }
  const TIdle& Idle(int slot0) const { return Idles[slot0]; }
  // Where the panel draws the i-th shown slot (0-based) when it stands at y.
  TPoint ShownSlotOrigin(int i, int y) const;

 private:
  void Rebuild();
  void StartPulse(int slot0);
  void AdvancePulse(TPulse& p);
  void CountIdle();
  void Draw();
  // Offset of the icon inside the i-th shown slot.
  int IconOffset(int i) const { return (i == 0 || Count == 1) ? FirstIconLeft : NextIconLeft; }
  // Position of the shown slot among the shown ones, or -1.
  int ShownIndex(int slot0) const;

  int Targets[SlotCount] = {};
  TJackpotScore Counters[SlotCount];  // rolling, and counting aloud as they go down
  bool Shown[SlotCount] = {};
  int Count = 0;
  int LeftX = 0;
  int PosY = -100;
  TSlideState Slide = ssStill;
  bool CompleteFired = false;
  TPulse Pulses[SlotCount];
  TIdle Idles[SlotCount];
};
