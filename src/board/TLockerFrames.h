#pragma once
#include <cstdint>
#include <functional>

#include "board/TBoardData.h"
#include "board/TSimpleObjectArray.h"
#include "board/TTileKind.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The gold frames lying under tiles. Matches on a framed tile wear it down a level at a
// time; they fly in from the middle of the board when play starts and out again when it
// stops.
class TLockerFrames : public TComponent {
 public:
  enum TFrameState : std::uint8_t { lfNone = 0, lfFlyingIn, lfResting, lfFlyingOut, lfAway };
  struct TFrame {
    TFrameState State = lfNone;
    std::uint8_t Level = 0;
    float X = 0, Y = 0, TargetX = 0, TargetY = 0, SpeedX = 0, SpeedY = 0;
    float PrevX[3] = {}, PrevY[3] = {};
    float Angle = 0;  // counts down to 0 while the frame spins
  };

  static constexpr float FlyInPace = 23;
  static constexpr float FlyOutPace = 30;

  int CenterPosX = 675, CenterPosY = 395;
  int FrameAdjustX = 0, FrameAdjustY = 0;
  TTileKind TileKind = tkStandard;
  int RotaterInterval = 2500;
  int RotaterOnePerXProb = 3;
  int RotationAngleStep = 12;
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;

  // A frame lost a level; tileLevel is the level it had.
  std::function<void(TLockerFrames& sender, TPoint tilePos, std::uint8_t tileLevel)>
      OnLockerFrameEffectRequest;

  // Levels per tile (0 none, 1 or 2); every frame starts away.
  void Load(const TSimpleObjectArray& levels);
  void RemoveFrames(const TSimpleObjectArray& mask);
  void FlyIn();
  void FlyOut();
  void UpdateAndDraw();
  void Clear();

  // What one lost frame level adds to the shop purse: more on the third island or with
  // the tile upgrade.
  const TFrame& Frame(TPoint p) const { return Frames[p.X - 1][p.Y - 1]; }
  int CountFrames() const;  // every frame not gone
  bool Moving() const;

 private:
  void StartFlight(TFrame& f, float toX, float toY, float pace, TFrameState state);
  void AdvanceRotater();
  void Move(TFrame& f);
  void Draw(const TFrame& f);

  TFrame Frames[BoardColumns][BoardRows];
  int RotaterTimer = 0;
};
