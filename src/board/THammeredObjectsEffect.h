#pragma once
#include <functional>
#include <string>

#include "board/TBoardData.h"
#include "board/TSimpleObjectArray.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The tiles around a hammer item's strike: they shake, are flung off the board, may hit
// the boss on the way and bounce once on the ground.
class THammeredObjectsEffect : public TComponent {
 public:
  static constexpr int SlotCount = 4;
  enum TSlotState { hsFree, hsShaking, hsFlying, hsBouncing };

  struct TSlot {
    TSlotState State = hsFree;
    TBoardTile Tile;
    float X = 0, Y = 0;
    float BaseSpeed = 0, SpeedX = 0, Push = 0;
    int ShakeCounter = 0, BounceCounter = 0;
    int Alpha = 255;
    bool HasHit = false, Absorbed = false;
    float LandX = 0, LandY = 0;
  };

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int MaxShakeCounter = 14;
  int GroundVertPos = 550;
  int UniColorIndex = 1;

  std::function<void(THammeredObjectsEffect& sender)> OnFinish;
  std::function<void(THammeredObjectsEffect& sender, TPoint fruitPos, bool& hitting,
                     bool& absorbing)>
      OnMonsterHitCheck;

  void Start(const TBoardData& board, const TSimpleObjectArray& mask);
  void UpdateAndDraw();
  void Reset();
  bool Active() const;
  const TSlot& Slot(int i) const { return Slots[i - 1]; }  // 1-based

 private:
  void Draw(const TSlot& s, float x, float y) const;

  TSlot Slots[SlotCount];
  bool Finished = true;
};
