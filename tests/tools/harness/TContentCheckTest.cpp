// Every picture the game draws and every sound it plays must exist in the installed content:
// the harness plays through the scenes and lists what it looked for and did not find.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "TBoardDemo.h"
#include "TBookSheet.h"
#include "TChatSheet.h"
#include "TCreatureSheet.h"
#include "TShopSheet.h"
#include "TBot.h"
#include "THarness.h"
#include "THarnessScript.h"
#include "platform/TFileSystem.h"
#include "shell/TFormMain.h"
#include "support/TempDir.h"

namespace {
std::string ReadScript(const char* name) {
  std::ifstream in(std::string(WENDMOOR_SOURCE_DIR) + "/tests/tools/harness/" + name);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// What was looked for and not found.
std::vector<std::string> Unexpected(const std::set<std::string>& missing) {
  return {missing.begin(), missing.end()};
}

std::string Listed(const std::vector<std::string>& missing) {
  std::string all;
  for (const std::string& m : missing) all += "\n  missing " + m;
  return all;
}

void ExpectNothingMissing(const THarness& h) {
  std::vector<std::string> left = Unexpected(h.Missing());
  EXPECT_TRUE(left.empty()) << Listed(left);
}

// A run on the installed content with its own save folder; the pixels are left out.
class ContentCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("XDG_DATA_HOME", Data.Path.c_str(), 1);
    Cwd = std::filesystem::current_path();
  }
  void TearDown() override { std::filesystem::current_path(Cwd); }

  std::unique_ptr<THarness> Start(THarness::TOptions o) {
    o.RenderShotsOnly = true;
    auto h = std::make_unique<THarness>(o);
    std::string err;
    EXPECT_TRUE(h->Start(err)) << err;
    return h;
  }
  void Play(THarness& h, const std::string& text, int frames) {
    THarnessScript script;
    std::string err;
    ASSERT_TRUE(script.Parse(text, err)) << err;
    for (int i = 0; i < frames && !h.Form().Closed(); ++i) h.Step(script);
  }

  TempDir Data;
  std::filesystem::path Cwd;
};
}  // namespace

TEST_F(ContentCheck, MenuTourFindsEverything) {
  auto h = Start({});
  Play(*h, ReadScript("menu-tour.txt"), 1500);
  EXPECT_TRUE(h->Form().Closed());
  ExpectNothingMissing(*h);
}

TEST_F(ContentCheck, LevelWonThroughResultAndHubFindsEverything) {
  auto h = Start({});
  Play(*h, ReadScript("level-win.txt"), 1500);
  bool next = false;
  for (const std::string& line : h->TraceLines()) next |= line.find(" level 1 2 ") != std::string::npos;
  EXPECT_TRUE(next);
  ExpectNothingMissing(*h);
}

// The hub with its town, pocket and shop, a dish's window, a purchase with its practice from
// the first step to the dish, the stickers and the island's completion, then the next island.
TEST_F(ContentCheck, HubPurchaseAndPracticeFindEverything) {
  THarness::TOptions o;
  o.Cheat = true;
  auto h = Start(o);
  Play(*h, ReadScript("hub-island1.txt"), 4300);
  bool next = false;
  for (const std::string& line : h->TraceLines()) next |= line.find(" level 2 1 ") != std::string::npos;
  EXPECT_TRUE(next);
  ExpectNothingMissing(*h);
}

// Moves, cascades, spiders and every tool on a busy level of the fourth island.
TEST_F(ContentCheck, BoardMovesAndEveryToolFindEverything) {
  THarness::TOptions o;
  o.Island = 4;
  o.Level = 14;
  o.Cheat = true;
  auto h = Start(o);
  TBoardDemo demo(*h, false);
  THarnessScript none;
  for (long f = 1; f <= 1500; ++f) {
    h->Step(none);
    demo.Drive(f);
  }
  EXPECT_GE(demo.Moves(), 10);
  EXPECT_EQ(demo.ToolsUsed(), 6);
  ExpectNothingMissing(*h);
}

TEST_F(ContentCheck, LostLevelAndItsQuestionFindEverything) {
  THarness::TOptions o;
  o.Island = 1;
  o.Level = 6;
  auto h = Start(o);
  Play(*h, "", 3800);
  EXPECT_EQ(h->Form().Scene(), gsConfirmWindow);
  ExpectNothingMissing(*h);
}

// A whole level as a player would play it, to its end and the screen after.
TEST_F(ContentCheck, BotGameFindsEverything) {
  THarness::TOptions o;
  o.Island = 2;
  o.Level = 4;
  auto h = Start(o);
  TBot bot(*h, 3);
  THarnessScript none;
  long after = -1;
  for (long f = 0; f < 6000 && after != 0; ++f) {
    h->Step(none);
    TGameSceneValues scene = h->Form().Scene();
    if (after < 0 && (scene == gsRoundClear || scene == gsTimeUp)) after = 150;
    if (after > 0) --after;
    if (after < 0) bot.AfterFrame();
  }
  EXPECT_EQ(after, 0) << "the level did not end";
  EXPECT_GE(bot.Moves(), 5);
  ExpectNothingMissing(*h);
}

// A boss round announces itself with the second pattern of the announcement's pictures.
TEST_F(ContentCheck, BossRoundAnnouncementFindsEverything) {
  THarness::TOptions o;
  o.Island = 1;
  o.Level = 12;
  auto h = Start(o);
  Play(*h, "", 200);
  ExpectNothingMissing(*h);
}

// A pointing tip over a level (the fourth level's, at the flask) with its panel, arrow and OK.
TEST_F(ContentCheck, TutorialTipFindsEverything) {
  THarness::TOptions o;
  o.Island = 1;
  o.Level = 4;
  o.Tutorial = true;
  auto h = Start(o);
  Play(*h, "", 260);
  EXPECT_EQ(h->Form().Scene(), gsTutorialToolTip);
  ExpectNothingMissing(*h);
}

// Every island's creature in every pose, with its aura and energy bar, as the painter draws
// them from that island's folder and the main one.
TEST_F(ContentCheck, EveryIslandsCreatureFindsEverything) {
  for (int island = 1; island <= 5; ++island) {
    std::set<std::string> missing;
    std::string error;
    const std::string file =
        (std::filesystem::path(Data.Path) / ("creatures" + std::to_string(island) + ".png")).string();
    ASSERT_TRUE(TCreatureSheet::Run(TFileSystem::ExecutableFolder(), island, file, error, &missing))
        << error;
    std::vector<std::string> left(missing.begin(), missing.end());
    EXPECT_TRUE(left.empty()) << "island " << island << Listed(left);
    EXPECT_TRUE(std::filesystem::exists(file));
  }
}

// The hub's town at every stage, with the tube, the pocket, the townsfolk and the small
// heroine, as their painters draw them from the main and the upgrade folders.
TEST_F(ContentCheck, TheHubsTownFindsEverything) {
  std::set<std::string> missing;
  std::vector<std::string> written;
  std::string error;
  ASSERT_TRUE(TBookSheet::Run(TFileSystem::ExecutableFolder(), Data.Path, written, error, &missing))
      << error;
  std::vector<std::string> left(missing.begin(), missing.end());
  EXPECT_TRUE(left.empty()) << Listed(left);
  EXPECT_EQ(written.size(), 6u);
}

// Every island's shop counter, dishes, glass and dish window, as the shop draws them.
TEST_F(ContentCheck, EveryIslandsShopFindsEverything) {
  for (int island = 1; island <= 5; ++island) {
    std::set<std::string> missing;
    std::string error;
    const std::string file =
        (std::filesystem::path(Data.Path) / ("shop" + std::to_string(island) + ".png")).string();
    ASSERT_TRUE(TShopSheet::Run(TFileSystem::ExecutableFolder(), island, file, error, &missing))
        << error;
    std::vector<std::string> left(missing.begin(), missing.end());
    EXPECT_TRUE(left.empty()) << "island " << island << Listed(left);
  }
}

// Every chapter conversation to its end: the people, balloons and letters it draws.
TEST_F(ContentCheck, EveryConversationFindsEverything) {
  std::set<std::string> missing;
  std::vector<std::string> written;
  std::string error;
  ASSERT_TRUE(TChatSheet::Run(TFileSystem::ExecutableFolder(), {}, "", written, error, missing))
      << error;
  std::vector<std::string> left(missing.begin(), missing.end());
  EXPECT_TRUE(left.empty()) << Listed(left);
}

// The check itself: a name with nothing behind it is caught and listed once.
TEST_F(ContentCheck, UnknownNamesAreListedOnce) {
  auto h = Start({});
  Play(*h, "", 3);
  h->Form().OmegaImageList1.DrawImage("NoSuchPicture", 0, 0, 0);
  h->Form().OmegaImageList1.DrawImage("NoSuchPicture", 0, 0, 0, {.A = 128});
  ASSERT_GT(h->Form().OmegaImageList1.Count(), 0);
  h->Form().OmegaImageList1.DrawImage(h->Form().OmegaImageList1.Item(0).Name, 0, 0, 0);
  h->Form().PlayEffect("NoSuchSound");
  h->Form().PlayVoice("NoSuchVoice");
  EXPECT_EQ(h->Missing(),
            (std::set<std::string>{"picture NoSuchPicture", "sound NoSuchSound",
                                   "voice NoSuchVoice"}));
  int traced = 0;
  for (const std::string& line : h->TraceLines())
    traced += line.find(" missing picture NoSuchPicture") != std::string::npos;
  EXPECT_EQ(traced, 1);
}
