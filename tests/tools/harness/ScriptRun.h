#pragma once
// What the harness tests share: a scripted run of the real game, and a move played through
// the mouse.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <string>
#include <vector>

#include "THarness.h"
#include "THarnessScript.h"
#include "shell/TFormMain.h"

// Runs the game with a script in the current save folder (XDG_DATA_HOME) until `frames`
// frames have passed or the game has closed, straight into a level when the options name
// one. `each` looks at (and may act in) the game after every frame and may end the run by
// returning false. A start, a script or a run that fails (a swallowed exception, a widget
// not shown) fails the test. Returns the trace lines.
inline std::vector<std::string> RunScript(const std::string& scriptText, long frames,
                                          THarness::TOptions options,
                                          const std::function<bool(THarness&)>& each = {}) {
  auto cwd = std::filesystem::current_path();
  std::vector<std::string> trace;
  {
    THarness h(options);
    std::string err;
    THarnessScript script;
    EXPECT_TRUE(h.Start(err)) << err;
    EXPECT_TRUE(script.Parse(scriptText, err)) << err;
    if (err.empty())
      for (long i = 0; i < frames && !h.Form().Closed(); ++i) {
        h.Step(script);
        if (each && !each(h)) break;
      }
    EXPECT_TRUE(h.Errors().empty()) << h.Errors().front();
    trace = h.TraceLines();
  }
  std::filesystem::current_path(cwd);
  return trace;
}

// An input script kept beside the tests.
inline std::string ScriptFile(const std::string& name) {
  std::ifstream in(std::string(WENDMOOR_SOURCE_DIR) + "/tests/tools/harness/" + name);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Options of a run that draws only the frames it takes pictures of.
inline THarness::TOptions QuickRun(int island = 0, int level = 0) {
  THarness::TOptions o;
  o.RenderShotsOnly = true;
  o.Island = island;
  o.Level = level;
  return o;
}

// Plays the first move the board lists, pressing both tiles; false when it lists none.
inline bool PlayFirstMove(THarness& h) {
  TFormMain& f = h.Form();
  auto moves = f.GameBoard->ListMoves();
  if (moves.empty()) return false;
  for (TPoint tile : {moves[0].first, moves[0].second})
    for (TPlatformEventKind kind : {TPlatformEventKind::MouseDown, TPlatformEventKind::MouseUp}) {
      TPlatformEvent e;
      e.Kind = kind;
      e.Button = TMouseButton::Left;
      e.X = f.GameBoard->Left + 52 * (tile.X - 1) + 26;
      e.Y = f.GameBoard->Top + 52 * (tile.Y - 1) + 26;
      h.Send(e);
    }
  return true;
}
