#include "TBoardDemo.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "THarness.h"
#include "THarnessScript.h"
#include "engine/TGameRandom.h"
#include "shell/TFormMain.h"

namespace {
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

int TBoardDemo::Run(const TOptions& options) {
  std::filesystem::create_directories(options.OutFolder);
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
  TFormMain& game = harness.Form();
  THarnessScript none;
  const TNewToolKind tools[] = {tlHammer, tlBomb, tlHorzLightning, tlVertLightning, tlBlaster,
                                tlBigBomb};
  const char* toolNames[] = {"hammer", "bomb", "horizontal-lightning", "vertical-lightning",
                             "blaster", "big-bomb"};
  std::vector<std::pair<int, std::string>> shots;  // frame, name
  int started = -1, nextMove = 0, nextTool = 0, toolFrame = 0, moves = 0, shotCount = 0;
  int spiderShots = 0, webShot = 0, releaseFrame = -1;
  TPoint heldTarget;
  auto shoot = [&](int frame, const std::string& name) { shots.push_back({frame, name}); };
  auto log = [&](const std::string& what) {
    std::printf("%5ld %s\n", harness.Frame(), what.c_str());
  };

  for (int f = 1; f <= options.Frames && !game.Closed(); ++f) {
    bool draw = false;
    for (auto& s : shots) draw = draw || s.first == f;
    harness.SetDrawing(draw);
    harness.Step(none);
    for (auto& s : shots) {
      if (s.first != f) continue;
      std::string file = options.OutFolder + "/" + std::to_string(f) + "-" + s.second + ".png";
      if (harness.WriteScreenshot(file, error)) ++shotCount;
    }
    if (game.Scene() != gsMainGame || !game.LevelFilled) continue;
    TGameBoard& board = *game.GameBoard;
    auto cheatEnergy = [&] {
      TPlatformEvent key;
      key.Kind = TPlatformEventKind::KeyDown;
      key.Key = SDLK_F3;
      key.KeyName = "F3";
      harness.Send(key);
    };
    if (started < 0) {
      started = f;
      cheatEnergy();
      log("F3: every tool and a full flask");
      nextMove = f + 10;
      toolFrame = f + 120;
      shoot(f + 2, "start");
    }
    // Every tool in turn, picked from the panel and released on the board.
    if (f == toolFrame - 5 && nextTool < 6) cheatEnergy();  // each tool spends the flask
    // Every tool in turn: picked from the panel, carried to its target, released there.
    if (f == toolFrame && nextTool < 6) {
      TCollectorBombTool* tool = game.Tool(tools[nextTool]);
      heldTarget = ToolTarget(board, tools[nextTool]);
      if (tool && tool->Enabled() && heldTarget.X > 0) {
        Click(harness, {tool->RectLeft + tool->RectWidth / 2, tool->RectTop + tool->RectHeight / 2});
        harness.Send(Mouse(TPlatformEventKind::MouseMove, TileCentre(board, heldTarget)));
        shoot(f + 4, std::string(toolNames[nextTool]) + "-in-hand");
        releaseFrame = f + 6;
      } else {
        log(std::string(toolNames[nextTool]) + " not ready");
        ++nextTool;
        toolFrame = f + 140;
      }
      continue;
    }
    if (f == releaseFrame) {
      Click(harness, TileCentre(board, heldTarget));
      log(std::string(toolNames[nextTool]) + " on " + std::to_string(heldTarget.X) + "," +
          std::to_string(heldTarget.Y));
      for (int d : {3, 8, 14, 24})
        shoot(f + 1 + d, std::string(toolNames[nextTool]) + "-" + std::to_string(d));
      ++nextTool;
      toolFrame = f + 140;
      nextMove = f + 40;
      releaseFrame = -1;
      continue;
    }
    if (releaseFrame > 0) continue;
    // Moves from the board's own list, while nothing is in hand.
    if (f >= nextMove && !game.AnyToolHeld()) {
      auto list = board.ListMoves();
      if (!list.empty()) {
        auto [a, b] = list[TGameRandom::Random(static_cast<int>(list.size()))];
        Click(harness, TileCentre(board, a));
        Click(harness, TileCentre(board, b));
        ++moves;
        if (moves % 4 == 1) {
          shoot(f + 6, "match-" + std::to_string(moves));
          shoot(f + 30, "cascade-" + std::to_string(moves));
        }
      }
      nextMove = f + 45;
    }
    if (game.Spiders->ActiveCount() > 0 && spiderShots < 6 && f % 40 == 0) {
      shoot(f + 1, "spiders");
      ++spiderShots;
    }
    if (webShot == 0 && board.CountWebs() > 0) {
      shoot(f + 1, "webs");
      webShot = 1;
    }
  }
  std::printf("board-demo: %d moves, %d screenshots in %s\n", moves, shotCount,
              options.OutFolder.c_str());
  return 0;
}
