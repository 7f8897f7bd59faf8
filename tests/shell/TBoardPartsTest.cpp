#include <gtest/gtest.h>

#include "board/BoardRig.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"
#include "shell/TBoardParts.h"
#include "shell/TWidgetMaker.h"

namespace {
// The board's room on its own, without a window around it.
struct BoardRoom : TBoardParts {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  BoardRoom() {
    Create(TWidgetMaker(images, {}), images, false);
    Wire();
  }
  bool Idle() const {
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y)
        if (GameBoard->TileState({x, y}) != tsIdle) return false;
    return true;
  }
  int RunUntilIdle(int limit) {
    int frames = 0;
    for (; frames < limit && !Idle(); ++frames) {
      DrawBoard();
      DrawBoardEffects();
      DrawBoardOverlays();
      DrawTools();
    }
    return frames;
  }
  using TBoardParts::ResetForLevel;
  using TBoardParts::UseTool;
};
}  // namespace

TEST(BoardParts, TheBoardAndItsEffectsAnswerEachOtherWithoutAWindow) {
  BoardRoom room;
  TGameBoard& b = *room.GameBoard;
  b.SetAvailableElements(TElementSet::Range(1, 8));
  b.LoadBoard(MakeBoard({}));
  b.Left = 100;
  b.Top = 50;
  room.PlaceBoardEffects();
  EXPECT_EQ(room.SwapEffect->BoardLeft, 100);
  EXPECT_EQ(room.FlowingAerosol->BoardTop, 50);
  // A swap that makes no line runs through the swap effect and back.
  TBoardData before = b.BoardData();
  b.TileClick({10, 5});
  b.TileClick({11, 5});
  ASSERT_FALSE(room.Idle());
  EXPECT_LT(room.RunUntilIdle(200), 200);
  EXPECT_EQ(b.Tile({10, 5}).Element, before.At(10, 5).Element);
  EXPECT_EQ(b.Tile({11, 5}).Element, before.At(11, 5).Element);
  // A used tool starts its effect.
  room.UseTool(tlHammer, {4, 4}, {});
  EXPECT_TRUE(room.HammerToolEffect->Active());
  // A new level finds nothing of the old one running and the tools back on the panel.
  room.ResetForLevel();
  EXPECT_FALSE(room.HammerToolEffect->Active());
  EXPECT_FALSE(room.AnyToolHeld());
  // and the fill keeps the tools out of reach until it ends.
  room.Tools[0]->Accessible = true;
  room.StartLevelFill();
  EXPECT_FALSE(room.Tools[0]->Accessible);
}
