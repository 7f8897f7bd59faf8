#include <gtest/gtest.h>

#include <set>

#include "BoardRig.h"
#include "SoundCatcher.h"
#include "board/TCollectorBombTool.h"

namespace {
// Six tools and a board wired the way the shell wires them.
struct ToolRig : BoardRig {
  TCollectorBombTool tool;
  std::vector<std::string> events;
  std::vector<TPoint> clicks;
  int fruitColour = -1;
  ToolRig(TNewToolKind kind) {
    board.Left = 200;
    board.Top = 100;
    tool.SetupAs(kind);
    tool.HangingPosX = 30;
    tool.HangingPosY = tool.RectTop;
    tool.BoardLeft = 200;
    tool.BoardTop = 100;
    tool.OnPick = [this](TCollectorBombTool&) { events.push_back("pick"); };
    tool.OnObjectOpenableAsk = [this](TCollectorBombTool& t, TPoint p, bool& open, bool& blank) {
      open = TCollectorBombTool::IsValidTarget(t.ToolKind, board, p);
      blank = board.IsHoleOrOutside(p);
    };
    tool.OnTilePosChange = [this](TCollectorBombTool& t, TPoint p, bool valid, int& colour) {
      events.push_back("tile " + std::to_string(p.X) + "," + std::to_string(p.Y) +
                       (valid ? " valid" : " invalid"));
      if (p.X == 0) {
        board.SetSelection(p, 0);
        board.ClearToolHighlight();
        return;
      }
      board.SetSelection(p, valid ? 0 : 1);
      colour = board.IsOpenElement(p) ? board.ElementAt(p) : 0;
      board.HighlightToolTarget(p, t.ToolKind);
    };
    tool.OnClick = [this](TCollectorBombTool&, TPoint p, TPoint) { clicks.push_back(p); };
    tool.OnRefusedPress = [this](TCollectorBombTool&, TToolRefusal why) {
      events.push_back(why == trFlaskNotFull ? "refused: flask" : "refused: locked");
    };
  }
  // Screen point in the middle of a tile.
  int SX(int x) const { return 200 + 52 * (x - 1) + 26; }
  int SY(int y) const { return 100 + 52 * (y - 1) + 26; }
  void Pick() { tool.MouseDown(tool.RectLeft + 5, tool.RectTop + 5, TMouseButton::Left); }
};
}  // namespace

TEST(CollectorBombTool, ValidTargetsByTool) {
  BoardRig r;
  r.Load({"3Uh.A           "});
  auto valid = [&](TNewToolKind k, int x) { return TCollectorBombTool::IsValidTarget(k, r.board, {x, 1}); };
  // Hammer and blaster want an open element: no uni bubble, no potion, no locker.
  for (TNewToolKind k : {tlHammer, tlBlaster}) {
    EXPECT_TRUE(valid(k, 1));
    EXPECT_FALSE(valid(k, 2));
    EXPECT_FALSE(valid(k, 3));
    EXPECT_FALSE(valid(k, 5));
  }
  // The others take any element tile.
  for (TNewToolKind k : {tlBomb, tlHorzLightning, tlVertLightning, tlBigBomb}) {
    EXPECT_TRUE(valid(k, 1));
    EXPECT_TRUE(valid(k, 2));
    EXPECT_TRUE(valid(k, 3));
    EXPECT_FALSE(valid(k, 4));  // hole
    EXPECT_FALSE(valid(k, 5));  // locker
    EXPECT_FALSE(valid(k, 6));  // blank
  }
  EXPECT_FALSE(TCollectorBombTool::IsValidTarget(tlBomb, r.board, {17, 1}));
}

TEST(CollectorBombTool, PickCarryAndRelease) {
  SoundCatcher sounds;
  ToolRig r(tlHammer);
  r.tool.PlaySound = sounds.Route();
  r.Load({"3U.             "});
  // Not accessible before the fill has finished; locked or not yet paid for by the flask, it
  // takes the press and says why.
  r.tool.Accessible = false;
  r.Pick();
  EXPECT_FALSE(r.tool.Held());
  EXPECT_TRUE(r.events.empty());
  r.tool.Accessible = true;
  r.tool.Available = false;
  r.Pick();
  r.tool.Available = true;
  r.tool.SetEnabled(false);
  r.Pick();
  EXPECT_FALSE(r.tool.Held());
  EXPECT_EQ(r.tool.HangingFrame(), 3);
  EXPECT_EQ(r.events, (std::vector<std::string>{"refused: locked", "refused: flask"}));
  // A press beside the hook is no refusal.
  EXPECT_FALSE(r.tool.MouseDown(r.SX(1), r.SY(1), TMouseButton::Left));
  EXPECT_EQ(r.events.size(), 2u);
  r.events.clear();
  r.tool.SetEnabled(true);
  r.Pick();
  ASSERT_TRUE(r.tool.Held());
  EXPECT_EQ(r.events, std::vector<std::string>{"pick"});

  // Moving within one tile reports it once; the shell marks it.
  r.tool.MouseMove(r.SX(1), r.SY(1));
  r.tool.MouseMove(r.SX(1) + 10, r.SY(1) + 10);
  EXPECT_FLOAT_EQ(r.tool.PosX(), r.SX(1) + 10 - 15);
  r.tool.MouseMove(r.SX(2), r.SY(1));
  EXPECT_EQ(r.events, (std::vector<std::string>{"pick", "tile 1,1 valid", "tile 2,1 invalid"}));
  EXPECT_EQ(r.board.SelectionStyle(), 1);
  EXPECT_TRUE(r.board.ToolHighlighted({2, 1}));
  EXPECT_FALSE(r.board.ToolHighlighted({1, 1}));

  // The hammer refuses the uni bubble and stays in hand.
  r.tool.MouseDown(r.SX(2), r.SY(1), TMouseButton::Left);
  EXPECT_TRUE(r.tool.Held());
  EXPECT_TRUE(r.clicks.empty());
  // Released on an element it is spent.
  r.tool.MouseDown(r.SX(1), r.SY(1), TMouseButton::Left);
  EXPECT_FALSE(r.tool.Held());
  EXPECT_FALSE(r.tool.Returning());
  ASSERT_EQ(r.clicks.size(), 1u);
  EXPECT_EQ(r.clicks[0], (TPoint{1, 1}));
  // A press on the board is not the tool's any more.
  EXPECT_FALSE(r.tool.MouseDown(r.SX(1), r.SY(1), TMouseButton::Left));
  EXPECT_EQ(sounds.played, (std::vector<std::string>{"DisabledTile", "DisabledTile", "PickingTool",
                                                     "DisabledTile"}));
}

TEST(CollectorBombTool, FliesBackFromHolesRightClicksAndOutsideTheGrid) {
  ToolRig r(tlBomb);
  r.Load({"3U.             "});
  auto flyBack = [&](int x, int y, TMouseButton b) {
    r.Pick();
    r.tool.MouseMove(r.SX(1), r.SY(1));
    r.events.clear();
    r.tool.MouseDown(x, y, b);
    EXPECT_FALSE(r.tool.Held());
    EXPECT_TRUE(r.tool.Returning());
    // The selection and marks are cleared.
    EXPECT_EQ(r.events, std::vector<std::string>{"tile 0,0 invalid"});
    EXPECT_FALSE(r.board.SelectionActive());
    int frames = 0;
    float lastX = r.tool.PosX(), lastY = r.tool.PosY();
    while (r.tool.Returning() && frames < 100) {
      r.tool.UpdateAndDraw();
      ++frames;
      float step = std::max(std::fabs(r.tool.PosX() - lastX), std::fabs(r.tool.PosY() - lastY));
      EXPECT_LE(step, 40.01f);
      lastX = r.tool.PosX();
      lastY = r.tool.PosY();
    }
    EXPECT_FLOAT_EQ(r.tool.PosX(), 30);
    EXPECT_FLOAT_EQ(r.tool.PosY(), 505);
    EXPECT_TRUE(r.clicks.empty());
    return frames;
  };
  // A hole: from (317, 113) to the hook at (30, 505), 392 px down at 40 a frame.
  int frames = flyBack(r.SX(3), r.SY(1), TMouseButton::Left);
  EXPECT_EQ(frames, 10);
  flyBack(r.SX(1), r.SY(1), TMouseButton::Right);
  flyBack(100, 50, TMouseButton::Left);
  flyBack(200 + 832, 300, TMouseButton::Left);  // just right of the grid

  // Put back at once by the shell when another tool is picked.
  r.Pick();
  r.tool.PutBack();
  EXPECT_FALSE(r.tool.Held());
  EXPECT_FLOAT_EQ(r.tool.PosX(), 30);
}

TEST(CollectorBombTool, HangingIconAndHeldDrawing) {
  ToolRig r(tlBlaster);
  DrawRig draw;
  draw.Add("CollectorTool", 5, 1);
  r.tool.OmgImgList = &draw.images;
  r.Load({"4               "});
  r.tool.SetEnabled(false);
  r.tool.UpdateAndDraw();
  auto q = draw.Take();
  ASSERT_EQ(q.size(), 1u);
  EXPECT_EQ(q[0].Pattern, 3);
  // Just enabled: it flashes between frames 0 and 1, then shows 1 under the mouse.
  r.tool.SetEnabled(true);
  std::set<int> seen;
  for (int i = 0; i < 30; ++i) {
    r.tool.UpdateAndDraw();
    for (const auto& d : draw.Take()) seen.insert(d.Pattern);
  }
  EXPECT_EQ(seen, (std::set<int>{0, 1}));
  r.tool.MouseMove(r.tool.RectLeft + 1, r.tool.RectTop + 1);
  EXPECT_EQ(r.tool.HangingFrame(), 1);
  r.tool.Available = false;
  EXPECT_EQ(r.tool.HangingFrame(), 3);
  r.tool.UpdateAndDraw();
  q = draw.Take();
  ASSERT_EQ(q.size(), 1u);
  EXPECT_EQ(q[0].Alpha, 100 * 255 / 256);
  r.tool.Available = true;

  // In hand: frame 2 and the colour it would clear.
  r.Pick();
  r.tool.MouseMove(r.SX(1), r.SY(1));
  EXPECT_EQ(r.tool.FruitColour(), 4);
  r.tool.UpdateAndDraw();
  q = draw.Take();
  ASSERT_EQ(q.size(), 2u);
  EXPECT_EQ(q[0].Name, "CollectorTool");
  EXPECT_EQ(q[0].Pattern, 2);
  EXPECT_EQ(q[1].Name, "ElementsInside");
  EXPECT_EQ(q[1].Pattern, 3);
}
