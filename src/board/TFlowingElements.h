#pragma once
#include <cstdint>
#include <functional>

#include "board/TBoardData.h"
#include "board/TElementKind.h"
#include "board/TIndividualElementKind.h"
#include "board/TSimpleObjectArray.h"
#include "board/TTileKind.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Collected elements, gold-tile tokens and caught spiders flying from the board up to
// their slots on the gathering panel, swinging from side to side and leaving dust.
class TFlowingElements : public TComponent {
 public:
  static constexpr int SlotCount = 100;
  static constexpr int MaxCorrectionFrames = 500;

  // Per frame: swing speed increase and decrease, its upper bound and (negated) lower bound.
  struct TSwing {
    float Increase, Decrease, Upper, Lower;
  };
  // By row group of the start tile (two rows each), then by variant.
  static const TSwing SwingTable[6][5];

  enum TFlightState : std::uint8_t { fsFree, fsWaiting, fsFlying };
  struct TFlight {
    TFlightState State = fsFree;
    TElementKind Kind = elFruit;
    std::uint8_t Index = 0;
    TIndividualElementKind Individual = ieFruit1;
    int Pattern = 0;
    float X = 0, Y = 0, TargetX = 0, TargetY = 0;
    float SpeedX = 0, SpeedY = 0, AccelX = 0, AccelY = 0;
    TSwing Swing{};
    float SwingSpeed = 0, SwingOffset = 0;
    bool SwingRising = true;
    float Angle = 0, AngleStep = 0;
    bool Increasing = true;
    float Scale = 1;
  };

  TTileKind TileKind = tkStandard;
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  bool IsWindows8OrLater = false;

  std::function<void(TFlowingElements& sender, TIndividualElementKind kind, TPoint& slotPos)>
      OnSlotPosRequest;
  std::function<void(TFlowingElements& sender, TElementKind kind, std::uint8_t index)>
      OnOneFruitArrived;
  std::function<void(TFlowingElements& sender, int x, int y)> OnDustEffectRequest;

  void Start(TBoardData board, TSimpleObjectArray mask);
  // A frame at the tile lost a level; level is the one it had.
  void StartToken(TPoint tile, std::uint8_t level);
  void StartSpider(int x, int y);
  void UpdateAndDraw();
  void Clear();

  const TFlight& Flight(int index) const { return Flights[index]; }
  int LastSlot() const { return LastUsed; }
  int ActiveCount() const;

  // One flying frame without drawing or events; true when the flight has arrived.
  static bool Advance(TFlight& f, bool twice);

 private:
  void Launch(TElementKind kind, std::uint8_t index, TIndividualElementKind individual,
              int pattern, float x, float y, int rowGroup);

  TFlight Flights[SlotCount];
  int LastUsed = SlotCount - 1;  // the first flight takes slot 0
};
