#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "THarness.h"
#include "THarnessScript.h"
#include "engine/TPictureDecoder.h"
#include "shell/TFormMain.h"
#include "support/GameContent.h"
#include "support/TempDir.h"

TEST(HarnessScript, ReadsEveryEventKind) {
  THarnessScript s;
  std::string err;
  ASSERT_TRUE(s.Parse("# a comment\n"
                      "3 down 10 20 right\n"
                      "3 up 10 20\n"
                      "4 move 5.5 6\n"
                      "5 click 100 200\n"
                      "7 key Escape\n"
                      "8 text Wynnet of the Isles\n"
                      "9 close\r\n"
                      "10 focus-lost\n"
                      "11 focus-gained\n",
                      err))
      << err;
  ASSERT_EQ(s.EventsAt(3).size(), 2u);
  EXPECT_EQ(s.EventsAt(3)[0].Kind, TPlatformEventKind::MouseDown);
  EXPECT_EQ(s.EventsAt(3)[0].Button, TMouseButton::Right);
  EXPECT_EQ(s.EventsAt(4)[0].X, 5.5);
  // A click is a press now and a release one frame later.
  EXPECT_EQ(s.EventsAt(5)[0].Kind, TPlatformEventKind::MouseDown);
  EXPECT_EQ(s.EventsAt(6)[0].Kind, TPlatformEventKind::MouseUp);
  EXPECT_EQ(s.EventsAt(7)[0].KeyName, "Escape");
  EXPECT_EQ(s.EventsAt(8)[0].Text, "Wynnet of the Isles");
  EXPECT_EQ(s.EventsAt(9)[0].Kind, TPlatformEventKind::CloseRequest);
  EXPECT_EQ(s.EventsAt(10)[0].Kind, TPlatformEventKind::FocusLost);
  EXPECT_EQ(s.EventsAt(11)[0].Kind, TPlatformEventKind::FocusGained);
  EXPECT_TRUE(s.EventsAt(12).empty());
}

TEST(HarnessScript, BadLinesAreNamed) {
  THarnessScript s;
  std::string err;
  EXPECT_FALSE(s.Parse("1 click 5\n", err));
  EXPECT_NE(err.find("line 1"), std::string::npos);
  EXPECT_FALSE(s.Parse("\n2 jump 1 2\n", err));
  EXPECT_NE(err.find("line 2"), std::string::npos);
  EXPECT_FALSE(s.Parse("1 key NoSuchKey\n", err));
  EXPECT_FALSE(s.Parse("x down 1 2\n", err));
  EXPECT_FALSE(s.Parse("1 down 1 2 sideways\n", err));
}

TEST(Harness, RunsTheGameOnAVirtualClockWithTraceAndScreenshot) {
  TempDir exe, data;
  CopyGameTexts(exe.Path);
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  auto cwd = std::filesystem::current_path();
  {
    THarness::TOptions o;
    o.ExeFolder = exe.Str();
    o.Seed = 5;
    THarness h(o);
    std::string err;
    ASSERT_TRUE(h.Start(err)) << err;
    THarnessScript script;
    ASSERT_TRUE(script.Parse("3 click 10 10\n", err));
    for (int i = 0; i < 200; ++i) h.Step(script);
    const auto& lines = h.TraceLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "1 display fullscreen"), lines.end());
    bool splash = false;
    for (const auto& l : lines) splash |= l.find("scene gsCompanyLogos gsSplash") != std::string::npos;
    EXPECT_TRUE(splash);
    EXPECT_TRUE(std::filesystem::exists(data.Path / "Wendmoor - Vessary"));
    ASSERT_TRUE(h.WriteScreenshot(exe.File("shot.png"), err)) << err;
    TPicture shot;
    ASSERT_TRUE(TPictureDecoder::DecodeFile(exe.File("shot.png"), shot, err)) << err;
    EXPECT_EQ(shot.Width, 1366);
    EXPECT_EQ(shot.Height, 768);
  }
  std::filesystem::current_path(cwd);
}

namespace {
std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
}  // namespace

// A whole visit outside a level, on the installed content: first start, menu, options, high
// scores, help, credits, a second player, switching, deleting, leaving.
TEST(Harness, MenuTourFollowsTheScenesAndSavesInOrder) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  auto cwd = std::filesystem::current_path();
  std::vector<std::string> events;
  {
    THarness::TOptions o;
    o.RenderShotsOnly = true;  // nothing is looked at: the pixels are left out
    THarness h(o);
    std::string err;
    ASSERT_TRUE(h.Start(err)) << err;
    THarnessScript script;
    ASSERT_TRUE(script.Parse(
        ReadText(std::string(WENDMOOR_SOURCE_DIR) + "/tests/tools/harness/menu-tour.txt"), err))
        << err;
    for (int i = 0; i < 1500 && !h.Form().Closed(); ++i) h.Step(script);
    for (const std::string& line : h.TraceLines()) {
      std::string rest = line.substr(line.find(' ') + 1);
      for (const char* kind : {"scene ", "save ", "confirm ", "close", "music "})
        if (rest.rfind(kind, 0) == 0) events.push_back(rest);
    }
  }
  std::filesystem::current_path(cwd);
  const std::vector<std::string> expected = {
      "scene gsCompanyLogos gsSplash", "music 0",
      "scene gsSplash gsAddInitialPlayer", "save WYNNET.sav",
      "scene gsAddInitialPlayer gsOpeningStory", "music 1",
      "scene gsOpeningStory gsMenu", "music 0",
      "scene gsMenu gsOptions", "scene gsOptions gsMenu",
      "scene gsMenu gsHighScores", "scene gsHighScores gsMenu",
      "scene gsMenu gsHelp", "scene gsHelp gsMenu",
      "scene gsMenu gsOptions", "scene gsOptions gsCredits", "scene gsCredits gsMenu",
      // A second player: added, chosen (a new player hears the opening story first).
      "save WYNNET.sav", "scene gsMenu gsPlayerSelect", "scene gsPlayerSelect gsAddPlayer",
      "save BRAM.sav", "scene gsAddPlayer gsPlayerSelect",
      "scene gsPlayerSelect gsOpeningStory", "music 1", "scene gsOpeningStory gsMenu", "music 0",
      // Back to the first player.
      "save BRAM.sav", "scene gsMenu gsPlayerSelect", "scene gsPlayerSelect gsMenu",
      // The second player is deleted after the question.
      "save WYNNET.sav", "scene gsMenu gsPlayerSelect", "confirm 2",
      "scene gsPlayerSelect gsConfirmWindow", "scene gsConfirmWindow gsPlayerSelect",
      "scene gsPlayerSelect gsMenu",
      // Leaving through the question saves the player and the high scores.
      "confirm 1", "scene gsMenu gsConfirmWindow", "scene gsConfirmWindow gsMenu",
      "save WYNNET.sav", "save HighScores.dat", "close"};
  EXPECT_EQ(events, expected);
  auto folder = data.Path / "Wendmoor - Vessary";
  EXPECT_TRUE(std::filesystem::exists(folder / "WYNNET.sav"));
  EXPECT_FALSE(std::filesystem::exists(folder / "BRAM.sav"));
  EXPECT_EQ(std::filesystem::file_size(folder / "Players.dat"), 358u);
  EXPECT_EQ(std::filesystem::file_size(folder / "HighScores.dat"), 1300u);
}

namespace {
// The round's events of a run, without their frame numbers.
std::vector<std::string> RoundEvents(const THarness& h) {
  std::vector<std::string> events;
  for (const std::string& line : h.TraceLines()) {
    std::string rest = line.substr(line.find(' ') + 1);
    for (const char* kind : {"scene ", "level ", "won ", "lost", "confirm ", "charge "})
      if (rest.rfind(kind, 0) == 0) events.push_back(rest);
  }
  return events;
}

// Each expected event appears, in this order (others may come between).
void ExpectInOrder(const std::vector<std::string>& events, const std::vector<std::string>& wanted) {
  std::size_t at = 0;
  for (const std::string& w : wanted) {
    while (at < events.size() && events[at].rfind(w, 0) != 0) ++at;
    ASSERT_LT(at, events.size()) << "missing, or out of order: " << w;
    ++at;
  }
}
}  // namespace

// The round flow on the installed content: menu, the relaxed question, the map, a level won
// with the cheat key, its result, the hub and the next level.
TEST(Harness, ALevelIsWonFromTheMenuAndTheHubLeadsToTheNext) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  auto cwd = std::filesystem::current_path();
  {
    THarness::TOptions o;
    o.RenderShotsOnly = true;
    THarness h(o);
    std::string err;
    ASSERT_TRUE(h.Start(err)) << err;
    THarnessScript script;
    ASSERT_TRUE(script.Parse(
        ReadText(std::string(WENDMOOR_SOURCE_DIR) + "/tests/tools/harness/level-win.txt"), err))
        << err;
    for (int i = 0; i < 1500; ++i) h.Step(script);
    ExpectInOrder(RoundEvents(h),
                  {"scene gsOpeningStory gsMenu", "confirm 9", "scene gsMenu gsMap",
                   "level 1 1 Level1-01.eil", "scene gsMap gsObjectiveInfo",
                   "scene gsObjectiveInfo gsMainGame", "scene gsMainGame gsRoundClear", "won gold",
                   "scene gsRoundClear gsStageResult", "scene gsStageResult gsStickerBook",
                   "level 1 2 Level1-02.eil", "scene gsStickerBook gsObjectiveInfo"});
  }
  std::filesystem::current_path(cwd);
}

// Time runs out on the shortest level of the first island; No leaves for the menu.
TEST(Harness, ALevelRunsOutOfTimeAndNoLeadsToTheMenu) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  auto cwd = std::filesystem::current_path();
  {
    THarness::TOptions o;
    o.RenderShotsOnly = true;
    o.Island = 1;
    o.Level = 6;
    THarness h(o);
    std::string err;
    ASSERT_TRUE(h.Start(err)) << err;
    THarnessScript script;
    ASSERT_TRUE(script.Parse("3700 click 770 447\n", err)) << err;
    for (int i = 0; i < 3800; ++i) h.Step(script);
    ExpectInOrder(RoundEvents(h),
                  {"level 1 6 Level1-06.eil", "scene gsSplash gsObjectiveInfo",
                   "scene gsObjectiveInfo gsMainGame", "scene gsMainGame gsTimeUp", "lost",
                   "charge 1 6", "confirm 0", "scene gsTimeUp gsConfirmWindow",
                   "scene gsConfirmWindow gsMainGame", "scene gsMainGame gsMenu"});
  }
  std::filesystem::current_path(cwd);
}

// The in-game menu through the mouse: options and back, help and back, resume, then leaving
// for the menu through its question, which charges the level's ingredients.
TEST(Harness, TheInGameMenuLeadsToOptionsHelpAndTheMenu) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  auto cwd = std::filesystem::current_path();
  {
    THarness::TOptions o;
    o.RenderShotsOnly = true;
    o.Island = 1;
    o.Level = 5;
    THarness h(o);
    std::string err;
    ASSERT_TRUE(h.Start(err)) << err;
    THarnessScript script;
    ASSERT_TRUE(script.Parse(
        ReadText(std::string(WENDMOOR_SOURCE_DIR) + "/tests/tools/harness/ingame-menu.txt"), err))
        << err;
    for (int i = 0; i < 1100; ++i) h.Step(script);
    ExpectInOrder(RoundEvents(h),
                  {"scene gsMainGame gsInGameMenu", "scene gsInGameMenu gsInGameOptions",
                   "scene gsInGameOptions gsMainGame", "scene gsMainGame gsInGameMenu",
                   "scene gsInGameMenu gsHelp", "scene gsHelp gsMainGame",
                   "scene gsMainGame gsInGameMenu", "scene gsInGameMenu gsMainGame",
                   "scene gsMainGame gsInGameMenu", "confirm 7",
                   "scene gsConfirmWindow gsMainGame", "charge 1 5", "scene gsMainGame gsMenu"});
  }
  std::filesystem::current_path(cwd);
}
