#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "board/TBoardData.h"
#include "board/TSimpleObjectArray.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Elements that the level no longer needs drop off the board: they fall (or, the light
// ones, drift away), bounce on the ground line and roll off. A boss may be hit or may
// swallow one on the way down.
class TFallingElements : public TComponent {
 public:
  static constexpr int SlotCount = 50;
  static constexpr int PathVariants = 6;
  static constexpr int MaxPathCounter = 30;

  enum TFallState : std::uint8_t { fsFree, fsFalling, fsDrifting, fsBouncing };
  struct TElement {
    TFallState State = fsFree;
    int Code = 0;
    TPoint Tile;
    float X = 0, Y = 0;
    float BaseSpeed = 0, Push = 0, HorzSpeed = 0;
    int Variant = 1, PathCounter = 0;
    float LandX = 0, LandY = 0;
    float Angle = 0;
    bool Increasing = true;
    float Scale = 1;
    int Alpha = 255;
    bool HasHit = false, Absorbed = false;
    float DriftX = 0, DriftY = 0, DriftStep = 0;
  };

  int RollAngleStep = 15;
  int GroundVertPos = 705;
  int AdjustX = -3, AdjustY = -3;
  float FallSizeAdd = 0.012f;
  float FloatSizeAdd = 0.0045f;
  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  bool IsWindows8OrLater = false;

  std::function<void(TFallingElements& sender, int fruitColorIdx, int horzTilePos)> OnGroundHit;
  std::function<void(TFallingElements& sender, TPoint fruitPos, bool& hitting, bool& absorbing)>
      OnMonsterHitCheck;
  std::function<void(TFallingElements& sender, int x, int y)> OnDustEffectRequest;

  void Start(TBoardData board, TSimpleObjectArray mask, bool blasted);
  void UpdateAndDraw();
  void Clear();

  const TElement& Element(int index) const { return Elements[index]; }
  int LastSlot() const { return LastUsed; }
  bool Blasted() const { return BlastedFlag; }
  int ActiveCount() const;
  // Offsets from the landing point, one per path counter value.
  static const std::vector<TPoint>& Path(int variant);
  // Light elements drift away instead of falling.
  static bool Drifts(int code) { return code == 2 || code == 3 || code == 8 || code == 10; }

 private:
  void Fall(TElement& e);
  void Drift(TElement& e);
  void Bounce(TElement& e);

  TElement Elements[SlotCount];
  int LastUsed = SlotCount - 1;
  bool BlastedFlag = false;
};
