#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// A chain lock losing a level: the chain of that level bursts into links.
class TChainLockEffect : public TComponent {
 public:
  static constexpr int SlotCount = 40;
  static constexpr int FramesPerPattern = 3;
  static constexpr int BreakPatterns = 4;
  static constexpr int Duration = FramesPerPattern * BreakPatterns;

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;

  // chainLockLevel: the level the chain had.
  void Start(TPoint tilePos, std::uint8_t chainLockLevel);
  void UpdateAndDraw();
  void Clear();
  int RunningCount() const;
  // The first breaking pattern: the plain chain's, or the second chain's of a level-2 lock.
  static int FirstPattern(int chainLockLevel) { return chainLockLevel >= 2 ? 6 : 1; }

 private:
  struct TSlot {
    bool Active = false;
    TPoint Tile;
    int Level = 1;
    int Counter = 0;
  };
  TSlot Slots[SlotCount];
  int LastUsed = SlotCount - 1;
};
