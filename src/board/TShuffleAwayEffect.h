#pragma once
#include <functional>
#include <string>

#include "board/TBoardData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Shakes the old board, throws every tile to the rim of the screen, brings the tiles of
// the new board back from there and shakes once more.
class TShuffleAwayEffect : public TComponent {
 public:
  static constexpr int RimPointCount = 29;
  static const TPoint RimPoints[RimPointCount];

  int FirstShakeTime = 600;
  int SecondShakeTime = 250;
  int UniFruitColorIndex = 1;
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  std::function<void(TShuffleAwayEffect& sender, TBoardData newBoardData)> OnFinished;
  std::function<void(const std::string& name)> PlaySound;

  void Start(const TBoardData& oldBoard, const TBoardData& newBoard);
  void UpdateAndDraw();
  void Stop() { Phase = 0; }
  bool Running() const { return Phase != 0; }
  int CurrentPhase() const { return Phase; }
  float TileX(TPoint p) const { return Pos[p.X - 1][p.Y - 1].X; }
  float TileY(TPoint p) const { return Pos[p.X - 1][p.Y - 1].Y; }

 private:
  struct TFlight {
    float X = 0, Y = 0, TargetX = 0, TargetY = 0, SpeedX = 0, SpeedY = 0;
  };
  void Aim(TFlight& f, float toX, float toY);
  bool MoveAll();
  void Draw(const TBoardData& board, int jitterX, int jitterY);

  TBoardData OldBoard{}, NewBoard{};
  TFlight Pos[BoardColumns][BoardRows];
  int Phase = 0;
  int PhaseTimer = 0;
};
