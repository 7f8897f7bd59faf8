#pragma once
#include <array>
#include <string>

#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"
#include "levels/TElementsCount.h"
#include "metagame/TBuySlotData.h"

class TGlobalGameText;
class TOmegaImageList;
class TTextStrings;

// The window that describes a dish while the mouse is over its buy button: what it is,
// what it adds to the book and the restaurant, its price against the purse, what is
// inside it, and the purse itself.
class TBuySlotsInfo : public TComponent {
 public:
  int Left = 494, Top = 207;
  int ElementsCountLeft = 553, ElementsCountTop = 594, ElementsCountGap = 123;
  int LeftMargin = 78;
  int MaxDescTextWidth = 500;
  int AlphaStep = 20;
  double MainTitleTextRatio = 0.8;
  double SubTitleTextRatio = 0.59;
  double DescTextRatio = 0.56;
  // The simplified display: no fades, the window shows and goes at once.
  bool IsWindows8OrLater = false;
  TOmegaImageList* OmgImgList = nullptr;
  TGlobalGameText* GlobGameText = nullptr;
  TTextStrings* TextStringsComp = nullptr;

  // The mouse entered a buy button: the dish (island 1..5, slot 1..4) and the purse.
  void MouseOver(const TElementsCount& owned, int island, int slot, const TBuySlotData& item);
  void MouseOff();
  // Gone at once (a purchase, leaving the hub).
  void HideNow();
  // The fade and the blink of missing amounts, once per frame.
  void Update();
  void Draw();

  int Alpha() const { return CurrentAlpha; }
  int Island() const { return IslandIdx; }
  int Slot() const { return SlotIdx; }
  const std::string& DescLine(int n) const { return Desc[n - 1]; }
  // Where the n-th priced kind (from 0) shows its icon; its amount goes 49 right, 17 down.
  int PriceIconLeft(int n) const { return Left + 89 + 90 * n; }
  int PriceIconTop() const { return Top + 226; }
  // The x a rounded count starts at, by its size.
  static int CountShift(int value, const int shifts[5]);

 private:
  bool Covered(int kind) const;

  TBuySlotData Data;
  TElementsCount Owned;
  int IslandIdx = 0, SlotIdx = 0;
  std::array<std::string, 3> Desc;
  int CurrentAlpha = 0, TargetAlpha = 0;
  TValueUpDown Blink{-7, 7, 1, 1};
};
