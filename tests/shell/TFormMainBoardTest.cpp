#include <gtest/gtest.h>

#include <filesystem>

#include "board/BoardRig.h"
#include "engine/TRecordingBackend.h"
#include "platform/TNullWindow.h"
#include "platform/TRecordedMessageBoxes.h"
#include "platform/TVirtualClock.h"
#include "shell/TFormMain.h"
#include "support/GameContent.h"
#include "support/TempDir.h"

namespace {
struct BoardShellRig {
  TempDir exe, data;
  TRecordingBackend backend;
  TNullWindow window;
  TVirtualClock clock{1000000};
  TRecordedMessageBoxes boxes;
  std::filesystem::path cwd = std::filesystem::current_path();
  std::unique_ptr<TFormMain> form;

  BoardShellRig() {
    boxes.Print = false;
    CopyGameTexts(exe.Path);
    TShellServices s;
    s.Backend = &backend;
    s.Window = &window;
    s.Clock = &clock;
    s.MessageBoxes = &boxes;
    s.ExeFolder = exe.Str();
    s.SaveRoot = data.Path.string();
    s.DisplayModes = {{1366, 768}};
    form = std::make_unique<TFormMain>(s);
    form->FormCreate();
  }
  ~BoardShellRig() {
    form.reset();
    std::filesystem::current_path(cwd);
  }
  // The board's share of one level frame.
  void Frame() const {
    form->DrawBoard();
    form->DrawBoardEffects();
    form->DrawBoardOverlays();
    form->DrawTools();
  }
  bool Idle() const {
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y)
        if (form->GameBoard->TileState({x, y}) != tsIdle) return false;
    return true;
  }
};

// Row 2 holds 1 1 2: swapping (3, 2) with (3, 1) lines up three 1s.
const std::vector<std::string> kOneMove = {
    "**1*************",
    "112*************",
};
}  // namespace

TEST(FormMainBoard, AMatchingSwapRunsThroughItsEffectsToASettledBoard) {
  BoardShellRig r;
  TGameBoard& b = *r.form->GameBoard;
  TGameRandom::SetSeed(7);
  b.SetAvailableElements(TElementSet::Range(1, 8));
  b.LoadBoard(MakeBoard(kOneMove));
  b.Left = 100;
  b.Top = 50;
  r.form->PlaceBoardEffects();
  b.TileClick({3, 1});
  b.TileClick({3, 2});
  ASSERT_FALSE(r.Idle());
  int frames = 0;
  while (!r.Idle() && frames < 400) {
    r.Frame();
    ++frames;
  }
  EXPECT_LT(frames, 400);
  // The three 1s are gone and the board has refilled without a run left over.
  int ones = 0;
  for (int x = 1; x <= 3; ++x) ones += b.Tile({x, 2}).Element == 1;
  EXPECT_LT(ones, 3);
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) EXPECT_EQ(b.Tile({x, y}).ObjectKind, okFruit);
}

TEST(FormMainBoard, ASwapWithoutMatchGoesBackAndFreesItsTiles) {
  BoardShellRig r;
  TGameBoard& b = *r.form->GameBoard;
  b.SetAvailableElements(TElementSet::Range(1, 8));
  b.LoadBoard(MakeBoard(kOneMove));
  r.form->PlaceBoardEffects();
  TBoardData before = b.BoardData();
  b.TileClick({10, 5});
  b.TileClick({11, 5});
  int frames = 0;
  while (!r.Idle() && frames < 200) {
    r.Frame();
    ++frames;
  }
  EXPECT_LT(frames, 200);
  EXPECT_EQ(b.Tile({10, 5}).Element, before.At(10, 5).Element);
  EXPECT_EQ(b.Tile({11, 5}).Element, before.At(11, 5).Element);
}
