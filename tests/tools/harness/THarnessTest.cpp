#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "ScriptRun.h"
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

TEST(HarnessScript, WidgetsAreNamedByTheirPicture) {
  THarnessScript s;
  std::string err;
  ASSERT_TRUE(s.Parse("4 click-widget PlayButton\n6 hover-widget VolumeMinusButton#2\n", err))
      << err;
  ASSERT_EQ(s.WidgetActionsAt(4).size(), 1u);
  EXPECT_EQ(s.WidgetActionsAt(4)[0].Name, "PlayButton");
  EXPECT_TRUE(s.WidgetActionsAt(4)[0].Click);
  EXPECT_FALSE(s.WidgetActionsAt(6)[0].Click);
  EXPECT_EQ(s.LastFrame(), 7);  // the click's release
  EXPECT_FALSE(s.Parse("4 click-widget\n", err));
  EXPECT_NE(err.find("line 1"), std::string::npos);
  // A number after '#' that is not one from 1 would quietly mean the first.
  for (const char* bad : {"PlayButton#", "PlayButton#x", "PlayButton#0", "PlayButton#-1", "#2"}) {
    EXPECT_FALSE(s.Parse(std::string("4 click-widget ") + bad + "\n", err)) << bad;
    EXPECT_NE(err.find("NAME#N"), std::string::npos) << err;
  }
}

namespace {
// Level 1-5 started straight away with a script the test expects to fail: it steps the run
// itself and reads the harness's errors.
struct FailingLevelRun {
  TempDir data;
  std::filesystem::path cwd = std::filesystem::current_path();
  std::unique_ptr<THarness> h;
  THarnessScript script;

  explicit FailingLevelRun(const std::string& text) {
    setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
    THarness::TOptions o = QuickRun(1, 5);
    h = std::make_unique<THarness>(o);
    std::string err;
    EXPECT_TRUE(h->Start(err)) << err;
    EXPECT_TRUE(script.Parse(text, err)) << err;
  }
  ~FailingLevelRun() {
    h.reset();
    std::filesystem::current_path(cwd);
  }
  void Steps(int n) {
    for (int i = 0; i < n; ++i) h->Step(script);
  }
};
}  // namespace

// A widget that is not shown fails the run by name instead of clicking empty space; the
// second of two buttons with one picture is reached with "#2".
TEST(Harness, AWidgetThatIsNotShownFailsTheRunClearly) {
  FailingLevelRun r("200 click-widget PlayButton\n"
                    "210 click-widget InGameMenuButton\n"
                    "250 click-widget InGameOptionsButton\n"
                    "300 click-widget VolumeMinusButton#2\n");
  THarness& h = *r.h;
  const int music = h.Form().CurrentSave.MusicVolume;
  r.Steps(320);
  ASSERT_EQ(h.Errors().size(), 1u);
  EXPECT_NE(h.Errors()[0].find("frame 200: no widget \"PlayButton\" is shown in gsMainGame"),
            std::string::npos)
      << h.Errors()[0];
  EXPECT_EQ(h.Form().Scene(), gsInGameOptions);
  EXPECT_LT(h.Form().MusicBar->GetPosition(), music);  // the music's minus, not the sound's
}

// A click that would do nothing is an error too: on a disabled button, or while a wipe
// swallows the press.
TEST(Harness, AClickThatCannotLandFailsTheRun) {
  FailingLevelRun r("200 click-widget InGameMenuButton\n"
                    "231 click-widget InGameMenuButton\n");
  THarness& h = *r.h;
  r.Steps(199);
  ASSERT_EQ(h.Form().Scene(), gsMainGame);
  h.Form().InGameMenuButton->Enabled = false;
  r.Steps(1);
  ASSERT_EQ(h.Errors().size(), 1u);
  EXPECT_NE(h.Errors()[0].find("frame 200: no widget \"InGameMenuButton\" is shown"),
            std::string::npos)
      << h.Errors()[0];
  h.Form().InGameMenuButton->Enabled = true;
  r.Steps(30);
  h.Form().SwitchScene(gsMenu);
  r.Steps(1);
  ASSERT_EQ(h.Errors().size(), 2u);
  EXPECT_NE(h.Errors()[1].find(
                "frame 231: the click on \"InGameMenuButton\" fell in a scene transition"),
            std::string::npos)
      << h.Errors()[1];
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
      // The new player is saved, and again with the story told as it begins.
      "scene gsSplash gsAddInitialPlayer", "save WYNNET.sav", "save WYNNET.sav",
      "scene gsAddInitialPlayer gsOpeningStory", "music 1",
      "scene gsOpeningStory gsMenu", "music 0",
      "scene gsMenu gsOptions", "scene gsOptions gsMenu",
      "scene gsMenu gsHighScores", "scene gsHighScores gsMenu",
      "scene gsMenu gsHelp", "scene gsHelp gsMenu",
      "scene gsMenu gsOptions", "scene gsOptions gsCredits", "scene gsCredits gsMenu",
      // A second player: added, chosen (a new player hears the opening story first).
      "save WYNNET.sav", "scene gsMenu gsPlayerSelect", "scene gsPlayerSelect gsAddPlayer",
      "save BRAM.sav", "scene gsAddPlayer gsPlayerSelect", "save BRAM.sav",
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
std::vector<std::string> RoundEvents(const std::vector<std::string>& trace) {
  std::vector<std::string> events;
  for (const std::string& line : trace) {
    std::string rest = line.substr(line.find(' ') + 1);
    for (const char* kind : {"scene ", "level ", "won ", "lost", "confirm ", "charge ", "tutorial "})
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

// Runs a script for some frames in a fresh save folder, straight into a level when one is
// given, and returns the round's events.
std::vector<std::string> RunRound(const std::string& scriptText, int frames, int island = 0,
                                  int level = 0) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  return RoundEvents(RunScript(scriptText, frames, QuickRun(island, level)));
}

std::string Script(const char* name) {
  return ReadText(std::string(WENDMOOR_SOURCE_DIR) + "/tests/tools/harness/" + name);
}
}  // namespace

// The round flow on the installed content: menu, the relaxed question, the map, a level won
// with the cheat key, its result, the hub and the next level.
TEST(Harness, ALevelIsWonFromTheMenuAndTheHubLeadsToTheNext) {
  ExpectInOrder(RunRound(Script("level-win.txt"), 1500),
                {"scene gsOpeningStory gsMenu", "confirm 9", "scene gsMenu gsMap",
                 "level 1 1 Level1-01.eil", "scene gsMap gsObjectiveInfo",
                 "scene gsObjectiveInfo gsTutorial", "tutorial 1", "scene gsTutorial gsMainGame",
                 "scene gsMainGame gsRoundClear", "won gold",
                 "scene gsRoundClear gsStageResult", "scene gsStageResult gsStickerBook",
                 "level 1 2 Level1-02.eil", "scene gsStickerBook gsObjectiveInfo"});
}

// Time runs out on the shortest level of the first island; No leaves for the menu.
TEST(Harness, ALevelRunsOutOfTimeAndNoLeadsToTheMenu) {
  ExpectInOrder(RunRound("3700 click-widget WindowNoButton\n", 3800, 1, 6),
                {"level 1 6 Level1-06.eil", "scene gsMainGame gsObjectiveInfo",
                 "scene gsObjectiveInfo gsMainGame", "scene gsMainGame gsTimeUp", "lost",
                 "charge 1 6", "confirm 0", "scene gsTimeUp gsConfirmWindow",
                 "scene gsConfirmWindow gsMainGame", "scene gsMainGame gsMenu"});
}

// The in-game menu through the mouse: options and back, help and back, resume, then leaving
// for the menu through its question, which charges the level's ingredients.
TEST(Harness, TheInGameMenuLeadsToOptionsHelpAndTheMenu) {
  ExpectInOrder(RunRound(Script("ingame-menu.txt"), 1100, 1, 5),
                {"scene gsMainGame gsInGameMenu", "scene gsInGameMenu gsInGameOptions",
                 "scene gsInGameOptions gsMainGame", "scene gsMainGame gsInGameMenu",
                 "scene gsInGameMenu gsHelp", "scene gsHelp gsMainGame",
                 "scene gsMainGame gsInGameMenu", "scene gsInGameMenu gsMainGame",
                 "scene gsMainGame gsInGameMenu", "confirm 7", "scene gsConfirmWindow gsMainGame",
                 "charge 1 5", "scene gsMainGame gsMenu"});
}

// ---- the bot ----
#include "TBalance.h"
#include "TBot.h"
#include "TBotPlanner.h"

namespace {
// Rows from the top-left corner: '.' a hole, '1'..'9' an element of that code, 'p' the
// first potion; everything else of the board stays a hole.
TBotPlanner::TView ViewOf(std::initializer_list<const char*> rows) {
  TBotPlanner::TView v;
  int y = 1;
  for (const char* row : rows) {
    for (int x = 1; row[x - 1] != 0; ++x) {
      char c = row[x - 1];
      if (c == '.') continue;
      TBoardTile& t = v.Board.At(x, y);
      t.ObjectKind = okFruit;
      t.Element = c == 'p' ? ecPotion1 : static_cast<std::uint8_t>(c - '0');
    }
    ++y;
  }
  return v;
}
}  // namespace

TEST(BotPlanner, RunsFollowTheBoardsLayers) {
  TBotPlanner::TView v = ViewOf({"1114", "2225"});
  v.Board.At(4, 1).Element = 1;
  v.Board.At(4, 1).WormState = wsEaten;  // an eaten fruit is in no run
  v.Board.At(1, 2).ObjectKind = okLocker;
  v.Board.At(1, 2).LockerColor = 2;  // a locker does not line up with elements
  TSimpleObjectArray runs = TBotPlanner::AllRuns(v.Board);
  EXPECT_EQ(runs.Count(), 3);
  EXPECT_TRUE(runs.IsSet(3, 1));
  EXPECT_FALSE(runs.IsSet(4, 1));
  EXPECT_FALSE(runs.IsSet(2, 2));
  EXPECT_EQ(TBotPlanner::SlotOfCode(1), ieFruit1);
  EXPECT_EQ(TBotPlanner::SlotOfCode(16), ieFlower4);
  EXPECT_EQ(TBotPlanner::SlotOfCode(18), iePotion2);
  EXPECT_EQ(TBotPlanner::SlotOfCode(10), -1);
}

TEST(BotPlanner, SwapsThatGatherWhatIsNeededComeFirst) {
  // Swapping (4,1)-(4,2) lines up three 1s on the top row; (1,4)-(2,4) three 2s below.
  TBotPlanner::TView v = ViewOf({"1135", "3416", "5623", "2322", "6543"});
  v.Needed[ieFruit2] = 10;
  TBotPlanner p(v);
  EXPECT_LT(p.RateSwap({1, 1}, {1, 2}), 0);  // lines nothing up
  double ones = p.RateSwap({3, 1}, {3, 2});
  double twos = p.RateSwap({1, 4}, {2, 4});
  ASSERT_GE(ones, 0);
  EXPECT_GT(twos, ones + 2.5);
  // What is still missing caps the worth: one more 2 is worth one element.
  v.Needed[ieFruit2] = 1;
  EXPECT_NEAR(TBotPlanner(v).RateSwap({1, 4}, {2, 4}), ones + 1, 0.2);
  EXPECT_EQ(TBotPlanner(v).OutstandingValue(), 1);
}

TEST(BotPlanner, CascadesGoldSpidersAndPotionsAddToASwap) {
  // The run of 2s goes from columns 1-3 only; what drops lines up three 1s with column 4.
  TBotPlanner::TView v = ViewOf({"4546", "6115", "2231", "3424"});
  v.Needed[ieFruit1] = 3;
  double cascade = TBotPlanner(v).RateSwap({3, 3}, {3, 4});
  v.Board.At(4, 3).Element = 6;  // no second run any more
  double single = TBotPlanner(v).RateSwap({3, 3}, {3, 4});
  EXPECT_GT(cascade, single + 1.5);

  TBotPlanner::TView g = ViewOf({"3456", "1121", "4563"});
  double plain = TBotPlanner(g).RateSwap({3, 2}, {4, 2});
  g.Gold[1][1] = 2;  // a double frame under the run
  g.Needed[ieGoldTile1] = 5;
  g.Spiders.push_back({1, 1});  // above the run: it falls with its tile
  g.Needed[ieSpider] = 1;
  EXPECT_NEAR(TBotPlanner(g).RateSwap({3, 2}, {4, 2}), plain + 1 + 2, 0.01);

  // A potion comes down when tiles below it go, and is taken at the bottom.
  TBotPlanner::TView q = ViewOf({"456", "p21", "114"});
  double without = TBotPlanner(q).RateSwap({3, 3}, {3, 2});
  q.Needed[iePotion1] = 1;
  double with = TBotPlanner(q).RateSwap({3, 3}, {3, 2});
  EXPECT_GT(with, without + 1.5);
}

TEST(BotPlanner, ToolsAimWhereTheyTakeMostOfWhatIsNeeded) {
  TBotPlanner::TView v = ViewOf({"3131p", "1313p", "2222p", "4545p"});
  v.Needed[ieFruit3] = 6;
  TBotPlanner p(v);
  TBotPlanner::TToolChoice blaster = p.BestToolTarget(tlBlaster);
  ASSERT_TRUE(InBoardGrid(blaster.Tile));
  EXPECT_EQ(v.Board.At(blaster.Tile).Element, 3);
  EXPECT_LT(p.RateTool(tlHammer, {5, 1}), 0);   // a potion is no hammer target
  EXPECT_LT(p.RateTool(tlBomb, {9, 9}), 0);     // nor is a hole a bomb target
  EXPECT_GT(p.RateTool(tlHammer, {1, 1}), 0.9);
  // A horizontal strike over the row of 3s and 1s beats the row of 2s.
  EXPECT_GT(p.RateTool(tlHorzLightning, {1, 1}), p.RateTool(tlHorzLightning, {1, 3}) + 1.5);
  // Chained tiles go with a blast, and a blast knocks off the spider it covers.
  v.Board.At(1, 4).ChainLevel = 2;
  v.Spiders.push_back({2, 4});
  v.Needed[ieSpider] = 1;
  EXPECT_NEAR(TBotPlanner(v).RateTool(tlBomb, {1, 3}), p.RateTool(tlBomb, {1, 3}) + 2, 0.3);
}

TEST(Bot, ResultLinesReadBack) {
  TBot::TResult r;
  r.Island = 4;
  r.Level = 5;
  r.Seed = 7;
  r.Result = "won";
  r.Medal = "silver";
  r.Seconds = 120;
  r.TimeLimit = 300;
  r.LevelScore = 5400;
  r.Moves = 61;
  r.Tools = 4;
  r.Shuffles = 1;
  r.LongestWait = 2.5;
  std::string line = TBot::ToJson(r);
  EXPECT_EQ(line.rfind("{\"level\":\"4-05\",\"seed\":7,\"result\":\"won\",\"medal\":\"silver\"", 0), 0u)
      << line;
  TBot::TResult back;
  ASSERT_TRUE(TBot::FromJson(line, back));
  EXPECT_EQ(TBot::ToJson(back), line);
  r.Result = "error";
  r.Error = "no \"such\" level\n";
  ASSERT_TRUE(TBot::FromJson(TBot::ToJson(r), back));
  EXPECT_EQ(back.Result, "error");
  EXPECT_FALSE(TBot::FromJson("", back));
  EXPECT_FALSE(TBot::FromJson("{\"level\":\"4-05\"}", back));
  EXPECT_FALSE(TBot::FromJson("Segmentation fault", back));
}

TEST(Balance, TheReportCountsEachLevelAndNamesItsTrouble) {
  auto game = [](int level, const char* result, const char* medal, int seconds) {
    TBot::TResult r;
    r.Island = 2;
    r.Level = level;
    r.Result = result;
    r.Medal = medal;
    r.Seconds = seconds;
    r.TimeLimit = 200;
    r.Moves = 10;
    return r;
  };
  std::vector<TBot::TResult> games = {
      game(1, "won", "gold", 60),  game(1, "won", "silver", 100), game(1, "lost", "none", 200),
      game(2, "won", "gold", 50),  game(2, "lost", "none", 200),  game(13, "won", "silver", 90),
      game(13, "lost", "none", 200), game(13, "won", "gold", 70),
      game(3, "crash", "none", 0), game(3, "won", "bronze", 190),  game(3, "won", "gold", 70)};
  // The boss fights: one absorption in each game, the creature left with 12 in the one lost.
  for (auto& g : games) {
    if (g.Level != 13) continue;
    g.Boss = true;
    g.Drains = 1;
    g.BossEnergy = g.Result == "lost" ? 12 : 0;
  }
  auto rows = TBalance::Summarise(games);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].Won, 2);
  EXPECT_EQ(rows[0].Gold, 1);
  EXPECT_EQ(rows[0].Silver, 1);
  EXPECT_DOUBLE_EQ(rows[0].MeanSeconds, 80);  // of the games won only
  EXPECT_EQ(rows[0].MaxSeconds, 100);
  EXPECT_EQ(rows[0].Note, "");
  EXPECT_EQ(rows[1].Note, "not won in most games");  // one in two is not most
  EXPECT_EQ(rows[2].Note, "crashed in 1 game(s)");
  EXPECT_TRUE(rows[3].Boss);
  EXPECT_EQ(rows[3].Won, 2);
  EXPECT_DOUBLE_EQ(rows[3].MeanSeconds, 80);
  EXPECT_EQ(rows[3].Note, "boss: 1.0 absorptions a game; energy left when lost 12");
  std::string md = TBalance::Markdown(rows, "three games");
  // The islands' table counts the gathering levels only.
  EXPECT_NE(md.find("| 2 | 3 | 8 | 5 | 63 % | 3 | 1 | 1 |"), std::string::npos) << md;
  EXPECT_NE(md.find("| 2-13 | 3 | 2 | 67 % | 1 | 1 | 0 | 80.0 | 90 | 200 | 40 % |"), std::string::npos)
      << md;
  EXPECT_NE(md.find("| 2-01 | 3 | 2 | 67 % | 1 | 1 | 0 | 80.0 | 100 | 200 | 40 % |"),
            std::string::npos)
      << md;
  std::string csv = TBalance::Csv(rows);
  EXPECT_NE(csv.find("\n2-02,gather,2,1,0.50,1,0,0,50.0,50,200,0.25,10.0,0.0,0.0,not won in most games\n"),
            std::string::npos)
      << csv;
  EXPECT_NE(csv.find("\n2-13,boss,3,2,0.67,1,1,0,80.0,90,200,0.40,"), std::string::npos) << csv;
  EXPECT_EQ(TBalance::AllLevels().size(), 74u);
}

// The first level, won by the bot through the mouse alone on the installed content.
TEST(Bot, WinsTheFirstLevelThroughTheMouse) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  auto cwd = std::filesystem::current_path();
  TBot::TOptions o;
  o.Seed = 3;
  TBot::TResult r = TBot::Play(o);
  std::filesystem::current_path(cwd);
  EXPECT_EQ(r.Result, "won") << TBot::ToJson(r);
  EXPECT_EQ(r.TimeLimit, 55);
  EXPECT_GT(r.Moves, 0);
  EXPECT_GT(r.Seconds, 0);
  EXPECT_LT(r.Seconds, r.TimeLimit);
  EXPECT_GT(r.LevelScore, 0);
  EXPECT_NE(r.Medal, "none");
  // No quicker than a hand: a move takes at least 20 frames.
  EXPECT_LE(r.Moves, r.Seconds * 33 / 20 + 1);
  // The bot's own player folder is gone and the caller's setting is back.
  EXPECT_EQ(std::string(std::getenv("XDG_DATA_HOME")), data.Path.string());
}

// Interrupted at random moments (paused from the menu or by Escape, or restarted), the bot
// still plays its levels to an end: the tube runs again after every pause.
TEST(Bot, InterruptedGamesStillEnd) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  auto cwd = std::filesystem::current_path();
  TBot::TOptions o;
  o.Interruptions = true;
  int interruptions = 0;
  for (int level : {5, 9}) {
    o.Level = level;
    TBot::TResult r = TBot::Play(o);
    EXPECT_TRUE(r.Result == "won" || r.Result == "lost") << TBot::ToJson(r);
    interruptions += r.Pauses + r.Restarts;
  }
  EXPECT_GE(interruptions, 2);
  std::filesystem::current_path(cwd);
}

// Tools are taken off the panel and carried to the board by the mouse.
TEST(Bot, CarriesToolsFromThePanel) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  auto cwd = std::filesystem::current_path();
  TBot::TOptions o;
  o.Level = 3;
  o.Seed = 3;
  TBot::TResult r = TBot::Play(o);
  EXPECT_EQ(r.Result, "won") << TBot::ToJson(r);
  EXPECT_GT(r.Tools, 0) << TBot::ToJson(r);
  std::filesystem::current_path(cwd);
}

// The first creature, beaten by the bot through the mouse alone: the round is won once, as
// the creature dies, and the time left is what the tube shows.
TEST(Bot, BeatsTheOwlThroughTheMouse) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  long deadFrame = -1;
  int moves = 0, clears = 0;
  std::unique_ptr<TBot> bot;
  const auto trace = RunScript("", 33 * 150, QuickRun(1, 12), [&](THarness& h) {
    if (!bot) bot = std::make_unique<TBot>(h, 3);
    bot->AfterFrame();
    moves = bot->Moves() + bot->ToolsUsed();
    TFormMain& f = h.Form();
    if (f.RoundBoss() && f.RoundBoss()->IsDead() && deadFrame < 0) deadFrame = h.Frame();
    clears += f.Scene() == gsRoundClear;
    return clears < 60;  // a moment into the result, then stop
  });
  int dead = 0, cleared = 0, timeUp = 0;
  for (const std::string& l : trace) {
    dead += l.find(" boss dead") != std::string::npos;
    cleared += l.find("gsRoundClear") != std::string::npos &&
               l.find("scene gsMainGame gsRoundClear") != std::string::npos;
    timeUp += l.find("gsTimeUp") != std::string::npos;
  }
  EXPECT_EQ(dead, 1);
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(timeUp, 0);
  EXPECT_GT(deadFrame, 0);
  EXPECT_GT(moves, 10);
  EXPECT_GT(clears, 0);
}
