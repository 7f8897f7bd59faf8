#include "TBoardDemo.h"

#include <SDL.h>

#include <cstdio>
#include <filesystem>

#include "THarness.h"
#include "THarnessScript.h"
#include "engine/TGameRandom.h"
#include "shell/TFormMain.h"

namespace {
const TNewToolKind kTools[] = {tlHammer, tlBomb, tlHorzLightning, tlVertLightning, tlBlaster,
                               tlBigBomb};
const char* kToolNames[] = {"hammer", "bomb", "horizontal-lightning", "vertical-lightning",
                            "blaster", "big-bomb"};
constexpr int kToolCount = 6;

TPlatformEvent Mouse(TPlatformEventKind kind, TPoint p) {
  TPlatformEvent e;
  e.Kind = kind;
  e.X = p.X;
  e.Y = p.Y;
  e.Button = TMouseButton::Left;
  return e;
}

TPoint TileCentre(const TGameBoard& b, TPoint tile) {
  TPoint p = b.TileScreenPos(tile);
  return {p.X + 26, p.Y + 26};
}

void Click(THarness& h, TPoint p) {
  h.Send(Mouse(TPlatformEventKind::MouseMove, p));
  h.Send(Mouse(TPlatformEventKind::MouseDown, p));
  h.Send(Mouse(TPlatformEventKind::MouseUp, p));
}

// The valid target of a tool nearest the board's middle.
TPoint ToolTarget(const TGameBoard& b, TNewToolKind kind) {
  TPoint best;
  int bestDistance = 1 << 30;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!TCollectorBombTool::IsValidTarget(kind, b, {x, y})) continue;
      int d = (2 * x - 17) * (2 * x - 17) + (2 * y - 13) * (2 * y - 13);
      if (d < bestDistance) {
        bestDistance = d;
        best = {x, y};
      }
    }
  return best;
}
}  // namespace

TBoardDemo::TBoardDemo(THarness& harness, bool verbose) : Harness(harness), Verbose(verbose) {}

void TBoardDemo::Log(const std::string& what) const {
  if (Verbose) std::printf("%5ld %s\n", Harness.Frame(), what.c_str());
}

bool TBoardDemo::WantsShot(long frame) const {
  for (const auto& s : Shots)
    if (s.first == frame) return true;
  return false;
}

std::vector<std::string> TBoardDemo::ShotsAt(long frame) const {
  std::vector<std::string> names;
  for (const auto& s : Shots)
    if (s.first == frame) names.push_back(s.second);
  return names;
}

void TBoardDemo::Drive(long f) {
  TFormMain& game = Harness.Form();
  if (game.Closed() || game.Scene() != gsMainGame || !game.LevelFilled) return;
  TGameBoard& board = *game.GameBoard;
  auto cheatEnergy = [&] {
    TPlatformEvent key;
    key.Kind = TPlatformEventKind::KeyDown;
    key.Key = SDLK_F3;
    key.KeyName = "F3";
    Harness.Send(key);
  };
  if (Started < 0) {
    Started = f;
    cheatEnergy();
    Log("F3: every tool and a full flask");
    NextMove = f + 10;
    ToolFrame = f + 120;
    Shoot(f + 2, "start");
  }
  if (f == ToolFrame - 5 && NextTool < kToolCount) cheatEnergy();  // each tool spends the flask
  // Every tool in turn: picked from the panel, carried to its target, released there.
  if (f == ToolFrame && NextTool < kToolCount) {
    TCollectorBombTool* tool = game.Tool(kTools[NextTool]);
    HeldTarget = ToolTarget(board, kTools[NextTool]);
    if (tool && tool->Enabled() && HeldTarget.X > 0) {
      Click(Harness, {tool->RectLeft + tool->RectWidth / 2, tool->RectTop + tool->RectHeight / 2});
      Harness.Send(Mouse(TPlatformEventKind::MouseMove, TileCentre(board, HeldTarget)));
      Shoot(f + 4, std::string(kToolNames[NextTool]) + "-in-hand");
      ReleaseFrame = f + 6;
    } else {
      Log(std::string(kToolNames[NextTool]) + " not ready");
      ++NextTool;
      ToolFrame = f + 140;
    }
    return;
  }
  if (f == ReleaseFrame) {
    Click(Harness, TileCentre(board, HeldTarget));
    Log(std::string(kToolNames[NextTool]) + " on " + std::to_string(HeldTarget.X) + "," +
        std::to_string(HeldTarget.Y));
    for (int d : {3, 8, 14, 24})
      Shoot(f + 1 + d, std::string(kToolNames[NextTool]) + "-" + std::to_string(d));
    ++NextTool;
    ++ToolCount;
    ToolFrame = f + 140;
    NextMove = f + 40;
    ReleaseFrame = -1;
    return;
  }
  if (ReleaseFrame > 0) return;
  // Moves from the board's own list, while nothing is in hand.
  if (f >= NextMove && !game.AnyToolHeld()) {
    auto list = board.ListMoves();
    if (!list.empty()) {
      auto [a, b] = list[TGameRandom::Random(static_cast<int>(list.size()))];
      Click(Harness, TileCentre(board, a));
      Click(Harness, TileCentre(board, b));
      ++MoveCount;
      if (MoveCount % 4 == 1) {
        Shoot(f + 6, "match-" + std::to_string(MoveCount));
        Shoot(f + 30, "cascade-" + std::to_string(MoveCount));
      }
    }
    NextMove = f + 45;
  }
  if (game.Spiders->ActiveCount() > 0 && SpiderShots < 6 && f % 40 == 0) {
    Shoot(f + 1, "spiders");
    ++SpiderShots;
  }
  if (!WebShot && board.CountWebs() > 0) {
    Shoot(f + 1, "webs");
    WebShot = true;
  }
}

int TBoardDemo::Run(const TOptions& options) {
  bool shots = !options.OutFolder.empty();
  if (shots) std::filesystem::create_directories(options.OutFolder);
  THarness::TOptions h;
  h.ExeFolder = options.Content;
  h.Seed = options.Seed;
  h.Island = options.Island;
  h.Level = options.Level;
  h.Cheat = true;
  THarness harness(h);
  std::string error;
  if (!harness.Start(error)) {
    std::fprintf(stderr, "board-demo: %s\n", error.c_str());
    return 1;
  }
  TBoardDemo demo(harness, true);
  THarnessScript none;
  int shotCount = 0;
  for (long f = 1; f <= options.Frames && !harness.Form().Closed(); ++f) {
    harness.SetDrawing(shots && demo.WantsShot(f));
    harness.Step(none);
    if (shots)
      for (const std::string& name : demo.ShotsAt(f)) {
        std::string file = options.OutFolder + "/" + std::to_string(f) + "-" + name + ".png";
        if (harness.WriteScreenshot(file, error)) ++shotCount;
      }
    demo.Drive(f);
  }
  std::printf("board-demo: %d moves, %d tools, %d screenshots in %s\n", demo.Moves(),
              demo.ToolsUsed(), shotCount, shots ? options.OutFolder.c_str() : "(none)");
  for (const std::string& m : harness.Missing()) std::printf("missing %s\n", m.c_str());
  return 0;
}
