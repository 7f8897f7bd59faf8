#pragma once
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Shards of a breaking locker: thrown up and out from the tile, they tumble and fade.
class TLockerPiecesEffect : public TComponent {
 public:
  static constexpr int PieceCount = 160;
  static constexpr int PiecesPerLocker = 8;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  float Gravity = 0.9f;
  int FadeStep = 9;

  void Start(TPoint tilePos);
  void UpdateAndDraw();
  void Clear();
  int RunningCount() const;

  struct TPiece {
    bool Active = false;
    float X = 0, Y = 0, SpeedX = 0, SpeedY = 0, Angle = 0, Spin = 0, Scale = 0.3f;
    int Alpha = 255;
    int Pattern = 0;
  };
  const TPiece& Piece(int index) const { return Pieces[index]; }

 private:
  TPiece Pieces[PieceCount];
  int LastUsed = PieceCount - 1;
};
