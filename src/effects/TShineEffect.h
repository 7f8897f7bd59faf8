#pragma once
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// A short burst of light that grows, holds its largest size for one update and shrinks.
class TShineEffect : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int StartingSize = 20;
  int SizeIncrement = 60;
  int SizeDecrement = 50;
  int MaxSize = 200;
  int InitialAlpha = 90;
  int AlphaDecrement = 8;
  int PosAdjustX = 18, PosAdjustY = 18;
  float OrigShineWidth = 180, OrigShineHeight = 180;

  void RefreshSizes();
  void Show(int x, int y);
  // At the tile's top-left corner.
  void ShowAtTile(TPoint tile);
  void UpdateAndDraw();
  void Reset() { Shown = false; }

  bool Active() const { return Shown; }
  int Size() const { return CurrentSize; }
  int Alpha() const { return CurrentAlpha; }

 private:
  bool Shown = false;
  bool Growing = true;
  int X = 0, Y = 0;
  int CurrentSize = 0;
  int CurrentAlpha = 0;
};
