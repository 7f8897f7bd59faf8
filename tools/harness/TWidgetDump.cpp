#include "TWidgetDump.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "THarness.h"
#include "THarnessScript.h"
#include "board/TBoardData.h"
#include "platform/TFileSystem.h"
#include "shell/TFormMain.h"

namespace {
std::string Rect(int left, int top, int width, int height) {
  return std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(width) + " " +
         std::to_string(height);
}
}  // namespace

std::vector<std::string> TWidgetDump::Describe(TFormMain& game) {
  std::vector<std::string> lines;
  lines.push_back("scene " + TGameScene::Name(game.Scene()));
  for (const TFormMain::TShownWidget& w : game.ShownWidgets())
    lines.push_back("widget " + w.Image + " " +
                    Rect(w.Rect.Left, w.Rect.Top, w.Rect.Width, w.Rect.Height));
  // The splash takes its click only once the bar says so.
  if (game.Scene() == gsSplash && game.LoadingBar)
    lines.push_back("area LoadingBar " + Rect(game.LoadingBar->Left, game.LoadingBar->Top,
                                              game.LoadingBar->FillWidth,
                                              game.LoadingBar->FillHeight));
  if (game.Scene() == gsMainGame && game.GameBoard) {
    const TGameBoard& board = *game.GameBoard;
    for (int y = 1; y <= BoardRows; ++y)
      for (int x = 1; x <= BoardColumns; ++x) {
        if (board.IsHoleOrOutside({x, y})) continue;
        TPoint p = board.TileScreenPos({x, y});
        lines.push_back("tile " + std::to_string(x) + " " + std::to_string(y) + " " +
                        std::to_string(p.X + BoardTileSize / 2) + " " +
                        std::to_string(p.Y + BoardTileSize / 2));
      }
  }
  return lines;
}

bool TWidgetDump::Run(const TOptions& o, std::ostream& out, std::string& error) {
  THarnessScript script;
  if (!script.Parse(o.ScriptText, error)) return false;
  THarness::TOptions h;
  h.ExeFolder = o.Content;
  h.Seed = o.Seed;
  h.Frames = 0;
  // Only the captured frames need pixels.
  h.RenderShotsOnly = true;
  for (const TCapture& c : o.Captures) {
    h.Frames = std::max(h.Frames, c.Frame);
    h.Shots.push_back({c.Frame, c.Shot});
  }
  THarness harness(h);
  if (!harness.Start(error)) return false;
  for (long f = 1; f <= h.Frames && !harness.Form().Closed(); ++f) {
    harness.Step(script);
    for (const TCapture& c : o.Captures) {
      if (c.Frame != f) continue;
      if (!c.Shot.empty() && !harness.WriteScreenshot(c.Shot, error)) return false;
      out << "frame " << f << '\n';
      for (const std::string& line : Describe(harness.Form())) out << line << '\n';
    }
  }
  if (!harness.Errors().empty()) {
    error = harness.Errors().front();
    return false;
  }
  return true;
}

int TWidgetDump::Main(int argc, char** argv) {
  TOptions o;
  o.Content = TFileSystem::ExecutableFolder();
  std::string input;
  bool bad = argc % 2 != 0;
  for (int i = 2; i + 1 < argc && !bad; i += 2) {
    std::string a = argv[i], v = argv[i + 1];
    char* end = nullptr;
    long n = std::strtol(v.c_str(), &end, 10);
    if (a == "--input") {
      input = v;
    } else if (a == "--at" && n >= 1 && (*end == 0 || *end == ':')) {
      // The game works from its own folder: a relative path means the caller's.
      o.Captures.push_back({n, *end == ':' ? std::filesystem::absolute(end + 1).string() : ""});
    } else if (a == "--seed" && !v.empty() && *end == 0) {
      o.Seed = static_cast<std::uint32_t>(n);
    } else if (a == "--content") {
      o.Content = v.back() == '/' ? v : v + "/";
    } else {
      bad = true;
    }
  }
  if (bad || input.empty() || o.Captures.empty()) {
    std::fprintf(stderr, "usage: wendmoor-harness widgets --input SCRIPT --at FRAME[:FILE.png]..."
                         " [--seed S] [--content DIR]\n");
    return 2;
  }
  std::ifstream in(input);
  if (!in) {
    std::fprintf(stderr, "cannot read input script %s\n", input.c_str());
    return 1;
  }
  o.ScriptText.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  std::string error;
  if (!Run(o, std::cout, error)) {
    std::fprintf(stderr, "widgets: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
