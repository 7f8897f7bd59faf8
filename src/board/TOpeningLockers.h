#pragma once
#include <functional>
#include <string>

#include "board/TBoardData.h"
#include "board/TSimpleObjectArray.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Lockers breaking open: the locker shakes, bursts into pieces and the element shut
// inside pops out. Each tile reports its end; the last of all says so.
class TOpeningLockers : public TComponent {
 public:
  static constexpr int BatchCount = 50;
  static constexpr int Duration = 24;   // frames per tile
  static constexpr int BreakFrame = 8;  // the locker bursts

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int UniFruitColorIndex = 1;

  std::function<void(TOpeningLockers& sender, TPoint tilePos)> OnPiecesEffectRequest;
  std::function<void(TOpeningLockers& sender, TPoint tilePos, bool isLastOpeningEffect)>
      OnOpeningEffectComplete;

  void Start(const TBoardData& board, const TSimpleObjectArray& lockersToOpen);
  void UpdateAndDraw();
  void Clear();
  bool Opening(TPoint p) const { return Tiles[p.X - 1][p.Y - 1].Active; }
  int OpeningCount() const;
  int LastBatch() const { return Batch; }

 private:
  struct TTile {
    bool Active = false;
    int Counter = 0;
    int Batch = 0;
    int Element = 0;
  };
  void Draw(TPoint p, const TTile& t);

  TTile Tiles[BoardColumns][BoardRows];
  int Batch = 0;  // 1..50, cyclic
};
