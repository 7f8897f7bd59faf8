#pragma once
#include <functional>
#include <string>

#include "board/TBoardData.h"
#include "board/TSimpleObjectArray.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Matched elements shake in place for a few frames before they leave the board. Each
// tile reports its own end; pick-ups and found flowers are reported on their own.
class TGroupedElementsEffect : public TComponent {
 public:
  static constexpr int Duration = 8;  // frames per tile
  static constexpr TPoint Jitter[Duration] = {{0, 0}, {1, 0}, {2, 0}, {0, 1},
                                              {0, 2}, {1, 1}, {2, 2}, {1, 2}};

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;

  using TGroupingEffectCompleteEvent =
      std::function<void(TGroupedElementsEffect& sender, TBoardData boardDataTmp,
                         TSimpleObjectArray groupedFruits, bool triggeredByBlaster)>;
  using TNewFlowerAcquiredEvent =
      std::function<void(TGroupedElementsEffect& sender, TPoint tilePos)>;
  // aToolIdx is the pick-up's element code (ecMagicKey, ecBroom or ecAerosol).
  using TNewToolAcquiredEvent =
      std::function<void(TGroupedElementsEffect& sender, TPoint tilePos, int aToolIdx)>;
  TGroupingEffectCompleteEvent OnGroupingEffectComplete;
  TNewFlowerAcquiredEvent OnNewFlowerAcquired;
  TNewToolAcquiredEvent OnNewToolAcquired;

  void Start(const TBoardData& newBoardData, const TSimpleObjectArray& groupedFruits,
             bool triggeredByBlaster);
  void UpdateAndDraw();
  void Clear();
  bool Grouping(TPoint p) const { return Tiles[p.X - 1][p.Y - 1].Active; }
  int GroupingCount() const;
  const TBoardData& Snapshot() const { return Board; }

 private:
  struct TTile {
    bool Active = false;
    int Counter = 0;
    // Each request keeps its own flag, so overlapping requests are reported as raised.
    bool TriggeredByBlaster = false;
    // Started by a handler during this frame's pass: it waits for the next frame.
    bool Fresh = false;
  };
  TTile& At(int x, int y) { return Tiles[x - 1][y - 1]; }
  void ReportPickUps();
  void Draw(int x, int y, int counter);

  TBoardData Board{};
  TTile Tiles[BoardColumns][BoardRows];
  bool Updating = false;
};
