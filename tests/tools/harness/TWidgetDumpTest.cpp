// The widgets command as scripts/bench-window.sh uses it: the first start of its flow file
// must still reach each scene it waits for, with the widgets it clicks and a board to drag on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "TWidgetDump.h"
#include "platform/TFileSystem.h"
#include "support/TempDir.h"

namespace {
struct TFrame {
  std::string Scene;
  std::map<std::string, std::vector<int>> Widgets;  // image → left, top, width, height
  std::vector<std::vector<int>> Tiles;              // column, row, centre x, centre y
};

std::map<long, TFrame> ParseDump(const std::string& text) {
  std::map<long, TFrame> frames;
  std::istringstream lines(text);
  std::string line;
  TFrame* current = nullptr;
  while (std::getline(lines, line)) {
    std::istringstream in(line);
    std::string kind, name;
    in >> kind;
    std::vector<int> v;
    if (kind == "frame") {
      long f;
      in >> f;
      current = &frames[f];
    } else if (current && kind == "scene") {
      in >> current->Scene;
    } else if (current && (kind == "widget" || kind == "area")) {
      in >> name;
      for (int n; in >> n;) v.push_back(n);
      current->Widgets[name] = v;
    } else if (current && kind == "tile") {
      for (int n; in >> n;) v.push_back(n);
      current->Tiles.push_back(v);
    }
  }
  return frames;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace

TEST(WidgetDump, TheBenchFlowReachesEveryScene) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  const std::string flow = ReadFile(std::string(WENDMOOR_SOURCE_DIR) + "/scripts/bench-window-flow.txt");
  ASSERT_FALSE(flow.empty());
  TWidgetDump::TOptions o;
  o.Content = TFileSystem::ExecutableFolder();
  o.ScriptText = flow;
  std::map<long, std::pair<std::string, std::string>> expected;  // frame → name, scene
  std::istringstream lines(flow);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream in(line);
    std::string hash, at, name, scene;
    long frame;
    if (in >> hash >> at >> frame >> name >> scene && hash == "#" && at == "at") {
      expected[frame] = {name, scene};
      o.Captures.push_back({frame, name == "level" ? data.File("level.png") : ""});
    }
  }
  ASSERT_EQ(expected.size(), 16u);
  std::ostringstream out;
  std::string error;
  ASSERT_TRUE(TWidgetDump::Run(o, out, error)) << error;
  auto frames = ParseDump(out.str());
  ASSERT_EQ(frames.size(), expected.size()) << out.str();
  std::map<std::string, TFrame> byName;
  for (const auto& [frame, e] : expected) {
    EXPECT_EQ(frames[frame].Scene, e.second) << e.first << " at frame " << frame;
    byName[e.first] = frames[frame];
  }
  // What the bench clicks or watches in each scene, inside the screen.
  const std::map<std::string, std::string> clicked = {
      {"splash", "LoadingBar"},         {"story", "StorySkipButton"},
      {"menu", "PlayButton"},           {"tutorial", "TutorialOKButton"},
      {"question", "WindowNoButton"},   {"map", "MapPlayButton"},
      {"level", "InGameMenuButton"},    {"paused", "InGameResumeButton"},
      {"result", "WindowOKButton"},     {"chat", "StorySkipButton"},
      {"page", "TutorialOKButton"},     {"tip", "TutorialOKButton"},
      {"hub", "BuySlotBuyButton"},      {"practice", "HiddenElements"}};
  for (const auto& [scene, widget] : clicked) {
    auto it = byName[scene].Widgets.find(widget);
    ASSERT_NE(it, byName[scene].Widgets.end()) << widget << " in the " << scene;
    const std::vector<int>& r = it->second;
    ASSERT_EQ(r.size(), 4u);
    EXPECT_GT(r[2], 0);
    EXPECT_GT(r[3], 0);
    EXPECT_GE(r[0], 0);
    EXPECT_LE(r[0] + r[2], 1366) << widget;
    EXPECT_LE(r[1] + r[3], 768) << widget;
  }
  // The board: squares one tile apart, each with a neighbour to be dragged onto.
  const auto& tiles = byName["level"].Tiles;
  ASSERT_GE(tiles.size(), 20u);
  std::set<std::pair<int, int>> places;
  for (const auto& t : tiles) places.insert({t[0], t[1]});
  for (const auto& t : tiles) {
    EXPECT_TRUE(places.count({t[0] + 1, t[1]}) || places.count({t[0] - 1, t[1]}) ||
                places.count({t[0], t[1] + 1}) || places.count({t[0], t[1] - 1}));
    EXPECT_GT(t[2], 0);
    EXPECT_LT(t[2], 1366);
    EXPECT_GT(t[3], 0);
    EXPECT_LT(t[3], 768);
  }
  const auto& a = tiles.front();
  const auto& b = tiles.back();
  EXPECT_EQ(b[2] - a[2], 52 * (b[0] - a[0]));
  EXPECT_EQ(b[3] - a[3], 52 * (b[1] - a[1]));
  EXPECT_TRUE(TFileSystem::FileExists(data.File("level.png")));
}

TEST(WidgetDump, AClickOnAWidgetNotShownFailsTheRun) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  TWidgetDump::TOptions o;
  o.Content = TFileSystem::ExecutableFolder();
  o.ScriptText = "10 click-widget PlayButton\n";
  o.Captures.push_back({20, ""});
  std::ostringstream out;
  std::string error;
  EXPECT_FALSE(TWidgetDump::Run(o, out, error));
  EXPECT_NE(error.find("PlayButton"), std::string::npos) << error;

  o.ScriptText = "10 wave\n";
  EXPECT_FALSE(TWidgetDump::Run(o, out, error));
  EXPECT_NE(error.find("line 1"), std::string::npos) << error;
}
