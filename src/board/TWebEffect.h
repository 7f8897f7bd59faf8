#pragma once
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// A web torn off a tile: it frays, sags and fades.
class TWebEffect : public TComponent {
 public:
  static constexpr int SlotCount = 40;
  static constexpr int FramesPerPattern = 3;
  static constexpr int TearPatterns = 5;  // patterns 1..5 of the picture
  static constexpr int Duration = FramesPerPattern * TearPatterns;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;

  void Start(TPoint tilePos);
  void UpdateAndDraw();
  void Clear();
  int RunningCount() const;

 private:
  struct TSlot {
    bool Active = false;
    TPoint Tile;
    int Counter = 0;
  };
  TSlot Slots[SlotCount];
  int LastUsed = SlotCount - 1;
};
