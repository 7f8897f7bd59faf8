#pragma once
#include <functional>
#include <string>

#include "board/TBoardData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The round is won: the board shakes and its tiles fly off to the rim of the screen.
class TLockersAwayEffect : public TComponent {
 public:
  int FirstShakeTime = 1000;
  int UniFruitColorIndex = 1;
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  std::function<void(TLockersAwayEffect& sender)> OnAboutSpreading;
  std::function<void(TLockersAwayEffect& sender)> OnFinished;
  std::function<void(const std::string& name)> PlaySound;

  void Start(const TBoardData& board);
  void UpdateAndDraw();
  void Stop() { Phase = 0; }
  int CurrentPhase() const { return Phase; }  // 0 idle, 1 shaking, 2 spreading
  float TileX(TPoint p) const { return Tiles[p.X - 1][p.Y - 1].X; }
  float TileY(TPoint p) const { return Tiles[p.X - 1][p.Y - 1].Y; }
  TPoint Target(TPoint p) const;

 private:
  struct TFlight {
    float X = 0, Y = 0, TargetX = 0, TargetY = 0, SpeedX = 0, SpeedY = 0;
  };
  void Draw(bool jitter);

  TBoardData Board{};
  TFlight Tiles[BoardColumns][BoardRows];
  int Phase = 0;
  int PhaseTimer = 0;
};
