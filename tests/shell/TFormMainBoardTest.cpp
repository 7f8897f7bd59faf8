#include <gtest/gtest.h>

#include <filesystem>

#include "board/BoardRig.h"
#include "shell/ShellRig.h"

namespace {
struct BoardShellRig : ShellRig {
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

namespace {
// A level screen with a plain board at (100, 50) and every tool ready.
struct ToolRig : BoardShellRig {
  ToolRig() {
    TGameRandom::SetSeed(11);
    TGameBoard& b = *form->GameBoard;
    b.SetAvailableElements(TElementSet::Range(1, 8));
    b.LoadBoard(MakeBoard({}));
    b.Left = 100;
    b.Top = 50;
    form->PlaceBoardEffects();
    form->SetScene(gsMainGame);
    form->RoundInProgress = true;  // what a level counts is counted while it is played
    for (auto& t : form->Tools) {
      t->Accessible = true;
      t->SetEnabled(true);
    }
  }
  void Press(int x, int y) {
    form->FormMouseDown(TMouseButton::Left, x, y);
    form->FormMouseUp(TMouseButton::Left, x, y);
  }
  static int TileX(TPoint tile) { return 100 + 52 * (tile.X - 1) + 26; }
  static int TileY(TPoint tile) { return 50 + 52 * (tile.Y - 1) + 26; }
  void PressTile(TPoint tile) { Press(TileX(tile), TileY(tile)); }
  // Picks a tool off the panel (inside its rectangle) and releases it on a tile.
  void Use(TNewToolKind kind, TPoint tile) {
    TCollectorBombTool& t = *form->Tool(kind);
    Press(t.RectLeft + 10, t.RectTop + 10);
    ASSERT_TRUE(t.Held());
    form->FormMouseMove(TileX(tile), TileY(tile));  // aimed: the target shows selected
    PressTile(tile);
  }
  int RunUntilIdle(int limit) {
    int frames = 0;
    auto busy = [this] {
      return form->LightningEffect->Active() || form->HammerToolEffect->Active() ||
             form->BigBombEffect->Active() || form->FlowingKey->Flying() > 0 || !Idle();
    };
    while (frames < limit && busy()) {
      Frame();
      ++frames;
    }
    return frames;
  }
  float Fruits() const { return form->BuySlots->RoundGains()[elFruit]; }
};
}  // namespace

TEST(FormMainBoard, ABombToolBlastsItsSquareAndCountsItForSpidersAndThePurse) {
  ToolRig r;
  r.Use(tlBomb, {16, 12});
  // The board's last column and row: only the target tile lies inside the grid.
  EXPECT_EQ(r.form->FallingElements->ActiveCount(), 1);
  EXPECT_EQ(r.form->Spiders->ElementCount(), 1);
  EXPECT_GT(r.Fruits(), 0.99f);
  EXPECT_LT(r.RunUntilIdle(400), 400);
  EXPECT_FALSE(r.form->Tool(tlBomb)->Held());
}

TEST(FormMainBoard, ALightningToolGroupsItsRowWithoutFeedingTheSpiders) {
  ToolRig r;
  r.Use(tlHorzLightning, {4, 6});
  EXPECT_TRUE(r.form->LightningEffect->Active());
  EXPECT_LT(r.RunUntilIdle(600), 600);
  // Sixteen elements credited, none counted towards a spider wave.
  EXPECT_GE(r.Fruits(), 16.0f);
  EXPECT_EQ(r.form->Spiders->ElementCount(), 0);
}

TEST(FormMainBoard, ToolsRefuseBadTargetsAndGoBackFromOutsideTheBoard) {
  ToolRig r;
  TBoardData d = r.form->GameBoard->BoardData();
  d.At(3, 3).Element = ecUniBubble;
  r.form->GameBoard->LoadBoard(d);
  TCollectorBombTool& hammer = *r.form->Tool(tlHammer);
  r.Press(hammer.RectLeft + 10, hammer.RectTop + 10);
  r.Press(100 + 52 * 2 + 26, 50 + 52 * 2 + 26);
  EXPECT_TRUE(hammer.Held());  // a uni bubble is no target for the hammer
  EXPECT_FALSE(r.form->HammerToolEffect->Active());
  r.Press(1300, 700);
  EXPECT_FALSE(hammer.Held());
  EXPECT_TRUE(hammer.Returning());
  // Picking one tool puts any other back.
  TCollectorBombTool& bomb = *r.form->Tool(tlBomb);
  r.Press(bomb.RectLeft + 10, bomb.RectTop + 10);
  r.Press(hammer.RectLeft + 10, hammer.RectTop + 10);
  EXPECT_FALSE(bomb.Held() && hammer.Held());
}

TEST(FormMainBoard, AToolThatCannotBeUsedSaysWhyButNeverCutsARoundCommentShort) {
  ToolRig r;
  TGameComment& comment = *r.form->GameComments;
  auto shown = [&] {
    std::string s;
    for (int i = 0; i < comment.LetterCount(); ++i) s += static_cast<char>(comment.Letter(i).Char);
    return s;
  };
  TCollectorBombTool& hammer = *r.form->Tool(tlHammer);
  hammer.SetEnabled(false);
  r.Press(hammer.RectLeft + 10, hammer.RectTop + 10);
  EXPECT_EQ(comment.CommentType(), TGameCommentType::coCustomText);
  EXPECT_EQ(shown(), "FILL THE FLASK FIRST!");
  hammer.Available = false;
  r.Press(hammer.RectLeft + 10, hammer.RectTop + 10);
  EXPECT_EQ(shown(), "UNLOCKED IN A LATER LEVEL!");
  r.Press(r.form->MagicKey->HangingPosX + 5, r.form->MagicKey->HangingPosY + 5);
  EXPECT_EQ(shown(), "NONE COLLECTED YET!");
  // "GO!" starts the creature's attempts when it has waved: a refusal leaves it be.
  comment.ShowComment(TGameCommentType::coGo);
  const std::string go = shown();
  r.form->FormMouseDown(TMouseButton::Left, hammer.RectLeft + 10, hammer.RectTop + 10);
  EXPECT_EQ(comment.CommentType(), TGameCommentType::coGo);
  EXPECT_EQ(shown(), go);
}

TEST(FormMainBoard, APickUpInAGroupingFliesToItsToolAndIsNotCredited) {
  ToolRig r;
  TGameBoard& b = *r.form->GameBoard;
  TBoardData d = MakeBoard({"*1*1************"});
  d.At(3, 1).Element = ecMagicKey;
  b.LoadBoard(d);
  TSimpleObjectArray mask{};
  for (int x = 2; x <= 4; ++x) {
    mask.Set(x, 1);
    b.SetTileState({x, 1}, tsGrouping);
  }
  r.form->GroupedElements->Start(b.BoardData(), mask, false);
  for (int i = 0; i < 10; ++i) r.Frame();
  EXPECT_EQ(r.form->FlowingKey->Flying(), 1);
  EXPECT_FLOAT_EQ(r.Fruits(), 2.0f);
  // The pick-up is reported, not completed: only the two fruits count.
  EXPECT_EQ(r.form->Spiders->ElementCount(), 2);
  EXPECT_LT(r.RunUntilIdle(400), 400);
  EXPECT_EQ(r.form->MagicKey->Count(), 1);
}

TEST(FormMainBoard, TheLevelFillAndAShuffleHideTheBoardUntilTheirEffectsEnd) {
  ToolRig r;
  TGameBoard& b = *r.form->GameBoard;
  r.form->StartLevelFill();
  EXPECT_FALSE(b.CanDraw);
  EXPECT_FALSE(r.form->Tool(tlHammer)->Accessible);
  int frames = 0;
  while (r.form->LockerFiller->Running() && frames++ < 600) r.Frame();
  EXPECT_TRUE(b.CanDraw);
  EXPECT_TRUE(r.form->Tool(tlHammer)->Accessible);

  TBoardData before = b.BoardData();
  r.form->StartShuffle();
  EXPECT_FALSE(b.CanDraw);
  frames = 0;
  while (r.form->ShuffleAway->Running() && frames++ < 600) r.Frame();
  EXPECT_LT(frames, 600);
  EXPECT_TRUE(b.CanDraw);
  int moved = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) moved += b.Tile({x, y}).Element != before.At(x, y).Element;
  EXPECT_GT(moved, 0);
  EXPECT_TRUE(b.HasMove());
}

TEST(FormMainBoard, BoardPressesWaitWhileTheHammerOrTheBlasterIsAtWork) {
  ToolRig r;
  TGameBoard& b = *r.form->GameBoard;
  // The hammer's target stays selected while it swings: a press on a neighbour would
  // swap the target away from under it, and the energy would be spent for nothing.
  r.Use(tlHammer, {5, 5});
  ASSERT_TRUE(r.form->HammerToolEffect->Active());
  r.PressTile({6, 5});
  EXPECT_FALSE(r.form->SwapEffect->Running());
  EXPECT_EQ(b.TileState({6, 5}), tsIdle);
  EXPECT_LT(r.RunUntilIdle(400), 400);
  EXPECT_GT(r.Fruits(), 0.99f);  // the target was struck

  // The blaster's spin outlasts its wave; presses wait for both.
  r.Use(tlBlaster, {8, 8});
  for (int i = 0; i < 20; ++i) r.Frame();
  ASSERT_FALSE(b.BlasterWaveHoldsClicks());
  ASSERT_TRUE(r.form->CollectorEffect->Busy());
  TPoint pair[2] = {};
  for (int y = 1; y <= BoardRows && pair[0].X == 0; ++y)
    for (int x = 1; x < BoardColumns && pair[0].X == 0; ++x)
      if (b.TileState({x, y}) == tsIdle && b.TileState({x + 1, y}) == tsIdle) {
        pair[0] = {x, y};
        pair[1] = {x + 1, y};
      }
  ASSERT_NE(pair[0].X, 0);
  r.PressTile(pair[0]);
  r.PressTile(pair[1]);
  EXPECT_FALSE(r.form->SwapEffect->Running());
  int frames = 0;
  while ((r.form->CollectorEffect->Busy() || !r.Idle()) && frames++ < 600) r.Frame();
  ASSERT_LT(frames, 600);
  r.PressTile({10, 2});
  r.PressTile({11, 2});
  EXPECT_TRUE(r.form->SwapEffect->Running());
}

TEST(FormMainBoard, AGoldFrameThatLosesALevelChimes) {
  ToolRig r;
  r.GiveSounds({"TileClear"});
  TGameBoard& b = *r.form->GameBoard;
  TSimpleObjectArray levels{};
  levels.At(2, 1) = 2;
  r.form->LockerFrames->Load(levels);
  auto chimes = [&] { return r.Heard("TileClear"); };
  for (int run = 1; run <= 3; ++run) {
    b.LoadBoard(MakeBoard({"111"}));
    b.CheckElementMatches();
    // Level 2, then level 1; the third run finds no frame left.
    EXPECT_EQ(chimes(), std::min(run, 2)) << run;
  }
}

TEST(FormMainBoard, WhileAShuffleHidesTheBoardToolsStayInHandAndTheShineWaits) {
  ToolRig r;
  TCollectorBombTool& hammer = *r.form->Tool(tlHammer);
  r.Press(hammer.RectLeft + 10, hammer.RectTop + 10);
  ASSERT_TRUE(hammer.Held());
  r.form->StartShuffle();
  r.form->GlobalShine->MakeDue();
  r.Frame();
  EXPECT_FALSE(r.form->GlobalShine->Sweeping());
  r.PressTile({5, 5});
  EXPECT_TRUE(hammer.Held());
  EXPECT_FALSE(r.form->HammerToolEffect->Active());

  int frames = 0;
  while (r.form->ShuffleAway->Running() && frames++ < 600) r.Frame();
  ASSERT_LT(frames, 600);
  r.Frame();
  EXPECT_TRUE(r.form->GlobalShine->Sweeping());  // due all along
  r.PressTile({5, 5});
  EXPECT_FALSE(hammer.Held());
  EXPECT_TRUE(r.form->HammerToolEffect->Active());
}
