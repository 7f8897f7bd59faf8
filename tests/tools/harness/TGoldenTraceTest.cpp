// The whole trace of three runs (every scene, sound, save and count, frame by frame) is
// kept in tests/tools/harness/golden: a change to how the game is built inside must leave
// what it does unchanged. A change that means to alter behaviour rewrites the files with
// WENDMOOR_WRITE_GOLDEN=1 and shows the difference in review.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ScriptRun.h"
#include "support/TempDir.h"

namespace {
std::string Folder() { return std::string(WENDMOOR_SOURCE_DIR) + "/tests/tools/harness/"; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

void CheckGolden(const std::string& name, const std::string& scriptText, int frames,
                 int island = 0, int level = 0, bool play = false) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  // Plays the first move the board lists every 45 frames.
  auto each = [play](THarness& h) {
    if (play && h.Form().Scene() == gsMainGame && h.Frame() % 45 == 0) PlayFirstMove(h);
    return true;
  };
  const std::vector<std::string> trace = RunScript(scriptText, frames, QuickRun(island, level), each);
  const std::string file = Folder() + "golden/" + name + ".trace";
  if (std::getenv("WENDMOOR_WRITE_GOLDEN")) {
    std::ofstream out(file, std::ios::trunc);
    for (const std::string& l : trace) out << l << '\n';
    return;
  }
  std::vector<std::string> kept = Lines(ReadFile(file));
  ASSERT_FALSE(kept.empty()) << "no golden trace " << file;
  for (std::size_t i = 0; i < std::min(kept.size(), trace.size()); ++i)
    ASSERT_EQ(trace[i], kept[i]) << name << ": the runs part at line " << i + 1;
  EXPECT_EQ(trace.size(), kept.size()) << name;
}
}  // namespace

TEST(GoldenTrace, MenuTour) { CheckGolden("menu-tour", ReadFile(Folder() + "menu-tour.txt"), 1500); }

TEST(GoldenTrace, LevelWonFromTheMenu) {
  CheckGolden("level-win", ReadFile(Folder() + "level-win.txt"), 1500);
}

TEST(GoldenTrace, LevelLostAndLeftForTheMenu) {
  CheckGolden("level-lost", "3700 click-widget WindowNoButton\n", 3800, 1, 6);
}

TEST(GoldenTrace, BoardPlayWithWebsSpidersAndPotions) {
  CheckGolden("board-play", "", 1500, 4, 14, true);
}
