// The paths a player takes off the straight line, played through the real game with input
// scripts: pauses by every route, restarts, leaving for the menu, closing, another player and
// a restart of the program. Each asserts what must hold afterwards: the clock, the stocks in
// the save, the scores.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>

#include "ScenarioRun.h"
#include "ScriptRun.h"
#include "TBot.h"
#include "engine/TRecordingBackend.h"
#include "platform/TAtomicFile.h"
#include "profiles/THighScores.h"
#include "profiles/TNameList.h"
#include "profiles/TPlayerSave.h"
#include "shell/TFormMain.h"
#include "support/TempDir.h"

namespace {
float Sum(const TElementsCount& c) {
  float s = 0;
  for (float v : c.Amount) s += v;
  return s;
}

// The bot plays between two frames of the run, and leaves the rest to the script.
std::function<bool(THarness&)> BotBetween(std::unique_ptr<TBot>& bot,
                                          std::vector<std::pair<long, long>> spans) {
  return [&bot, spans](THarness& h) {
    for (auto [from, to] : spans)
      if (h.Frame() >= from && h.Frame() < to) {
        if (!bot) bot = std::make_unique<TBot>(h, 3);
        bot->AfterFrame();
      }
    return true;
  };
}
}  // namespace

// Level 1-06 paused by every route a player has, then left to run out: it runs out, by the
// same tube time and exactly as many frames later as it was paused.
TEST(Scenario, EveryPauseRouteLetsTheTimeRunOut) {
  SaveFolder folder;
  TRun plain = Play("", 4000, 1, 6, [](THarness& h) { return h.Form().Scene() != gsTimeUp; });
  ASSERT_EQ(plain.Of("lost").size(), 1u);
  const std::string script =
      "300 key Escape\n340 click-widget InGameResumeButton\n"
      "600 click-widget InGameMenuButton\n640 click-widget InGameOptionsButton\n"
      "720 click-widget WindowOKButton\n"
      "900 click-widget InGameMenuButton\n940 click-widget InGameHelpButton\n"
      "1040 click-widget WindowDoneButton\n"
      "1200 click-widget InGameMenuButton\n1240 click-widget InGameToMenuButton\n"
      "1300 click-widget WindowCancelButton\n"
      "1500 close\n1540 click-widget WindowCancelButton\n"
      "1700 click-widget InGameMenuButton\n1740 click-widget InGameOptionsButton\n"
      "1800 click-widget CreditsButton\n1860 click-widget WindowDoneButton\n";
  TRun paused = Play(script, 5000, 1, 6, [](THarness& h) { return h.Form().Scene() != gsTimeUp; });
  EXPECT_EQ(paused.Count("pause", "on"), 6);
  EXPECT_EQ(paused.Count("pause", "off"), 6);
  ASSERT_EQ(paused.Of("lost").size(), 1u) << "the time never ran out after a pause";
  EXPECT_EQ(paused.Of("lost")[0].Details, plain.Of("lost")[0].Details);
  // Frames the tube stood still after its first start.
  long still = 0, stoppedAt = -1;
  for (const TLine& l : paused.Of("tube")) {
    if (l.Details.rfind("stop", 0) == 0) stoppedAt = l.Frame;
    if (l.Details.rfind("run", 0) == 0 && stoppedAt >= 0) still += l.Frame - stoppedAt;
  }
  EXPECT_GT(still, 6 * 40);
  EXPECT_NEAR(paused.Of("lost")[0].Frame, plain.Of("lost")[0].Frame + still, 3);
}

// Restart chosen with the last frames of the tube left: the level starts again, it is not
// lost while the menu slides away.
TEST(Scenario, ARestartInTheLastFramesRestarts) {
  SaveFolder folder;
  TRun plain = Play("", 4000, 1, 6, [](THarness& h) { return h.Form().Scene() != gsTimeUp; });
  ASSERT_EQ(plain.Of("lost").size(), 1u);
  const long end = plain.Of("lost")[0].Frame;
  TRun restarted = Play("" + std::to_string(end - 6) + " key Escape\n" + std::to_string(end + 50) +
                            " click-widget InGameRestartButton\n",
                        end + 200, 1, 6);
  EXPECT_EQ(restarted.Count("lost", ""), 0);
  EXPECT_EQ(restarted.Count("level", "1 6"), 2);
  EXPECT_EQ(restarted.Count("charge", "1 6"), 1);
}

// A level played for a while, restarted, played again and left for the menu: the save keeps
// none of what was gathered, and each abandoned start is charged once.
TEST(Scenario, RestartAndToMenuKeepNoGainsInTheSave) {
  SaveFolder folder;
  std::unique_ptr<TBot> bot;
  auto playing = BotBetween(bot, {{100, 760}, {1000, 1560}});
  float gainedFirst = 0, gainedSecond = 0;
  TRun run = Play(
      "800 key Escape\n840 click-widget InGameRestartButton\n"
      "1600 key Escape\n1640 click-widget InGameToMenuButton\n1700 click-widget WindowOKButton\n"
      "1900 close\n",
      2000, 1, 5, [&](THarness& h) {
        playing(h);
        if (h.Frame() == 790) gainedFirst = Sum(h.Form().BuySlots->OwnedElements());
        if (h.Frame() == 1590) gainedSecond = Sum(h.Form().BuySlots->OwnedElements());
        return true;
      });
  ASSERT_GT(gainedFirst, 0) << "the bot gathered nothing: the test proves nothing";
  ASSERT_GT(gainedSecond, 0);
  EXPECT_EQ(run.Count("charge", "1 5"), 2);
  EXPECT_EQ(run.Count("scene", "gsConfirmWindow gsMainGame"), 1);
  ASSERT_EQ(run.Count("close", ""), 1);
  const TPlayerSave save = folder.Save("PLAYER");
  for (float v : save.Stocks) EXPECT_FLOAT_EQ(v, 0.0f);
  EXPECT_EQ(run.Of("stocks").back().Details.rfind("PLAYER 0 0 0 0 0 score", 0), 0u);
}

// Closing the window during a level: the save has the live score and no gains, and so has
// the high-score table.
TEST(Scenario, ClosingDuringALevelSavesTheLiveScoreWithoutTheGains) {
  SaveFolder folder;
  std::unique_ptr<TBot> bot;
  auto playing = BotBetween(bot, {{100, 720}});
  int score = 0;
  float gained = 0;
  TRun run = Play("800 close\n840 click-widget WindowOKButton\n", 1000, 1, 5, [&](THarness& h) {
    playing(h);
    if (h.Frame() == 799) {
      score = h.Form().ScoreCounter->Value();
      gained = Sum(h.Form().BuySlots->OwnedElements());
    }
    return true;
  });
  ASSERT_GT(score, 0);
  ASSERT_GT(gained, 0);
  EXPECT_EQ(run.Count("confirm", "8"), 1);
  EXPECT_EQ(run.Count("charge", "1 5"), 1);
  ASSERT_EQ(run.Count("close", ""), 1);
  const TPlayerSave save = folder.Save("PLAYER");
  EXPECT_EQ(save.Score, score);
  for (float v : save.Stocks) EXPECT_FLOAT_EQ(v, 0.0f);
  THighScores table;
  table.NormalModeFileName = (folder.Folder() / "HighScores.dat").string();
  std::string err;
  ASSERT_TRUE(table.Load(err)) << err;
  EXPECT_EQ(table.Name(1), "PLAYER");
  EXPECT_EQ(table.Score(1), score);
}

// A second player is added and chosen, then the first is chosen again and the game left:
// the next start of the program greets the first player.
TEST(Scenario, TheChosenPlayerIsTheOneTheNextStartGreets) {
  SaveFolder folder;
  // Who "Players.dat" names as the current player, read as the next start would.
  auto listed = [&] {
    TNameList list;
    list.FileName = (folder.Folder() / "Players.dat").string();
    list.Load();
    return list.CurrentName();
  };
  std::string chosen;
  TRun first = Play(
      "30 click 600 400\n250 click 600 400\n260 text wynnet\n265 key Return\n"
      "330 click-widget StorySkipButton\n820 click-widget ChangePlayerLink\n850 click-widget NameListNewButton\n"
      "870 text bram\n875 key Return\n"
      "900 click 600 320\n910 click-widget WindowOKButton\n"  // bram chosen: his story, the menu
      "965 click-widget StorySkipButton\n"
      "1030 click-widget ChangePlayerLink\n1060 click 600 285\n"
      "1065 click-widget WindowOKButton\n"                     // wynnet again
      "1200 click-widget ExitButton\n1230 click-widget WindowOKButton\n",
      1400, 0, 0, [&](THarness& h) {
        if (h.Frame() == 1150) chosen = listed();  // saved when chosen, before any close
        return true;
      });
  EXPECT_EQ(chosen, "WYNNET");
  ASSERT_EQ(first.Count("close", ""), 1);
  EXPECT_EQ(first.Count("scene", "gsPlayerSelect gsOpeningStory"), 1);
  std::string greeted;
  Play("30 click 600 400\n250 click 600 400\n", 400, 0, 0, [&](THarness& h) {
    if (h.Form().Scene() == gsMenu) greeted = h.Form().NameList->CurrentName();
    return greeted.empty();
  });
  EXPECT_EQ(greeted, "WYNNET");
}

// The menu button pressed during play, then Resume: a mere mouse move over the board swaps
// nothing.
TEST(Scenario, AfterTheMenuButtonAMouseMoveSwapsNothing) {
  SaveFolder folder;
  TBoardData before{};
  bool swapped = false;
  Play("300 click-widget InGameMenuButton\n360 click-widget InGameResumeButton\n", 520, 1, 5,
       [&](THarness& h) {
    TFormMain& f = h.Form();
    if (h.Frame() == 450) {
      before = f.GameBoard->BoardData();
      // Across two tiles in the middle of the board, no button held.
      const double x = f.GameBoard->Left + 6 * 52 + 26, y = f.GameBoard->Top + 6 * 52 + 26;
      for (int dx = 0; dx <= 104; dx += 8) {
        TPlatformEvent e;
        e.Kind = TPlatformEventKind::MouseMove;
        e.X = x + dx;
        e.Y = y;
        h.Send(e);
      }
    }
    if (h.Frame() > 450) swapped |= f.SwapEffect->Running();
    return true;
  });
  EXPECT_FALSE(swapped);
}

// The loading bar's "Click to play!" goes with the click that opens the first name window.
TEST(Scenario, TheLoadingBarLeavesWithTheClickThatAnswersIt) {
  SaveFolder folder;
  TRecordingBackend backend;
  bool barWithWindow = false, barOnSplash = false;
  Play("30 click 600 400\n250 click 600 400\n", 300, 0, 0,
       [&](THarness& h) {
         TImageListItem* bar = h.Form().OmegaImageList1.Find("LoadingBarText");
         bool drawn = false;
         if (bar)
           for (const auto& q : backend.Quads) drawn |= q.Texture == bar->Texture();
         backend.Quads.clear();
         if (h.Form().Scene() == gsSplash) barOnSplash |= drawn;
         if (h.Form().Scene() == gsAddInitialPlayer) barWithWindow |= drawn;
         return true;
       },
       &backend);
  EXPECT_TRUE(barOnSplash);
  EXPECT_FALSE(barWithWindow);
}
