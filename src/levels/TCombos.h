#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "board/TBoardData.h"
#include "board/TSimpleObjectArray.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"

class TOmegaImageList;

// Big matches: when one removal holds four to seven elements of the same kind, the match
// size is shown over the group for a while, then handed on (to the conveyer) with its place.
class TCombos : public TComponent {
 public:
  static constexpr int SlotCount = 10;
  static constexpr int TileSize = 52;
  static constexpr float PopMax = 1.35f, PopUp = 0.1f, PopDown = 0.065f;
  static constexpr int AlphaStep = 25;
  // Where "ComboText" is drawn relative to the combo's position.
  static constexpr int TextOffsetX = -63, TextOffsetY = -57;

  struct TSlot {
    bool Active = false;
    std::uint8_t MatchCount = 0;
    TPoint Pos;
    int Timer = 0;
    int Alpha = 0;
    float Pop = 1;
    bool PopRising = true;
  };

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  std::uint8_t MinMatchXCount = 4, MaxMatchXCount = 7;
  int ShowingTime = 850;
  std::function<void(TCombos& sender, std::uint8_t aMatchXCount, TPoint aPos)>
      OnAComboDoneShowing;

  // The largest number of removed cells holding one element code (1..18).
  static int LargestMatch(const TBoardData& board, const TSimpleObjectArray& removed);
  // The middle of the removed cells' bounding box on screen.
  static TPoint ComboPosition(const TSimpleObjectArray& removed, int boardLeft, int boardTop);

  // Called with every group the board removes, before it is animated. True when a combo
  // was found (it may still go unshown when every slot is busy).
  bool Check(const TBoardData& board, const TSimpleObjectArray& removed);
  void Clear();
  void Update();

  const TSlot& Slot(int i) const { return Slots[i]; }
  int ActiveCount() const;
  float Wobble() const { return FWobble.Value; }
  float Breath() const { return FBreath.Value; }

 private:
  std::array<TSlot, SlotCount> Slots{};
  TValueUpDown FWobble{-15, 15, 4.2f, 4.2f};
  TValueUpDown FBreath{1.0f, 1.05f, 0.005f, 0.005f};
};
