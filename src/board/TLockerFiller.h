#pragma once
#include <functional>
#include <string>

#include "board/TBoardData.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The start of a level: the board's tiles drop in one after another, snaking up from
// the bottom row, while the board itself is hidden.
class TLockerFiller : public TComponent {
 public:
  static constexpr int DropStep = 25;  // pixels per frame

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int UniFruitColorIndex = 1;
  int GapInterval = 30;  // ms between two cursor steps
  std::function<void(TLockerFiller& sender)> OnFinish;

  void Start(const TBoardData& board);
  void UpdateAndDraw();
  void Stop();
  bool Running() const { return Active; }
  TPoint Cursor() const { return {CursorX, CursorY}; }
  bool Released(TPoint p) const { return Tiles[p.X - 1][p.Y - 1].Released; }
  bool Landed(TPoint p) const { return Tiles[p.X - 1][p.Y - 1].Landed; }
  // Pixels below the board's top edge.
  int DropPos(TPoint p) const { return Tiles[p.X - 1][p.Y - 1].DropPos; }

 private:
  struct TTile {
    bool Released = false;
    bool Landed = false;
    int DropPos = 0;
  };
  TTile& At(int x, int y) { return Tiles[x - 1][y - 1]; }
  int FirstColumn(int row) const;  // 17 when the row is all holes
  int LastColumn(int row) const;   // 0 when the row is all holes
  void StepCursor();
  void Release(int x, int y);
  void Drop();
  void Draw();

  TBoardData Board{};
  TTile Tiles[BoardColumns][BoardRows];
  bool Active = false;
  int CursorX = 0, CursorY = 0;
  bool MovingLeft = true;
  bool Parked = false;  // at the end of row 1: no more steps
  int StepTimer = 0;
  int ToLand = 0;
};
