#pragma once
#include <functional>

#include "board/TBoardData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Time is up: the board shakes, then its tiles drop off row by row from the bottom.
class TLostBoardEffect : public TComponent {
 public:
  int ShakingTime = 1000;
  int DroppingTriggerInterval = 90;
  int GroundPosY = 715;
  int OneBounceEveryProb = 10;
  int UniFruitColorIndex = 1;
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  std::function<void(TLostBoardEffect& sender)> OnTimeForDialogWindow;

  enum TTileStage : std::uint8_t { lsNone, lsWaiting, lsFalling, lsBouncing, lsGone };

  void Start(const TBoardData& board);
  void UpdateAndDraw();
  void Stop() { Phase = 0; }
  int CurrentPhase() const { return Phase; }  // 0 idle, 1 shaking, 2 dropping
  int Released() const { return ReleasedCount; }
  int TileCount() const { return Total; }
  TTileStage Stage(TPoint p) const { return Tiles[p.X - 1][p.Y - 1].Stage; }
  float TileY(TPoint p) const { return Tiles[p.X - 1][p.Y - 1].Y; }

 private:
  struct TDropTile {
    TTileStage Stage = lsNone;
    float X = 0, Y = 0;
    int BounceFrame = 0;
    float BounceBaseY = 0;
  };
  void ReleaseTrio();
  bool ReleaseInRow(int row);
  void Draw();

  TBoardData Board{};
  TDropTile Tiles[BoardColumns][BoardRows];
  int Phase = 0;
  int PhaseTimer = 0;
  int DropTimer = 0;
  int Total = 0;
  int ReleasedCount = 0;
  bool DialogRaised = false;
};
