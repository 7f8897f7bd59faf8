#pragma once
#include <functional>

#include "board/TBoardTile.h"
#include "board/TSwappedObjectsData.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Animates swaps: the two elements slide past each other and, when the swap made no
// match, slide back. Up to 20 swaps run at once.
class TSwapEffect : public TComponent {
 public:
  static constexpr int SlotCount = 20;

  struct TSlot {
    bool Active = false;
    TPoint Pos1, Pos2;
    int Orientation = 0;  // 0 horizontal, 1 vertical
    int Progress = 0;     // pixels, 0..52
    int Step = 0;
    TSwappedObjectsData Data;
    bool MatchOccurs = false;
    bool SwappedBack = false;
  };

  int NormalPosShiftStep = 6;
  int QuickPosShiftStep = 8;
  int SwapBackPosShiftStep = 6;
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  // The board's top-left corner on screen.
  int BoardLeft = 0, BoardTop = 0;
  bool IsWindows8OrLater = false;

  using TCompleteEvent = std::function<void(TSwapEffect& sender, TTileObjectKind swapObjKind,
                                            TPoint object1Pos, TPoint object2Pos)>;
  TCompleteEvent OnEffectComplete;
  TCompleteEvent OnSwapBackComplete;

  void Start(TSwappedObjectsData data, bool matchOccurs);
  void UpdateAndDraw();
  void Clear();
  bool Running() const;
  const TSlot& Slot(int index) const { return Slots[index]; }
  int LastSlot() const { return LastUsed; }

 private:
  void DrawSlot(const TSlot& s);

  TSlot Slots[SlotCount];
  int LastUsed = SlotCount - 1;  // the first swap takes slot 0
};
