#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metagame/TBookProgressTube.h"
#include "metagame/TStickerBookObjects.h"
#include "metagame/TStickerBookLayout.h"

namespace {
void BuyIsland(TStickerBookObjects& book, int island) {
  for (int slot = 1; slot <= 4; ++slot) book.AcquirePurchase(island, slot);
}
}  // namespace

TEST(StickerBook, PurchasesAcquireTheirGroupAndTheMarkersOfTheFirstTwoIslands) {
  TStickerBookObjects book;
  std::vector<std::string> asked;
  book.OnCheckIfObjectImageLoaded = [&](TStickerBookObjects&, const std::string& name) {
    asked.push_back(name);
  };
  // A later item of island 1 before the first: the meadow is not there, so no marker 2.
  auto p = book.AcquirePurchase(1, 3);
  EXPECT_EQ(p.Group, 6);
  EXPECT_FALSE(p.Marker2);
  EXPECT_FALSE(book.IsAcquired(2));
  p = book.AcquirePurchase(1, 1);
  EXPECT_EQ(p.Group, 4);
  EXPECT_TRUE(p.Marker1);
  EXPECT_TRUE(book.IsAcquired(1));
  // The reverse object of group 1 is gone now that its group is acquired.
  EXPECT_FALSE(book.Object(1).Visible());
  EXPECT_FALSE(book.IsAcquired(2));
  p = book.AcquirePurchase(1, 2);
  EXPECT_TRUE(p.Marker2);
  p = book.AcquirePurchase(1, 4);
  EXPECT_FALSE(p.Marker2);  // once only
  EXPECT_EQ(book.HighlightedGroup(), 7);
  EXPECT_DOUBLE_EQ(book.HighlightStrength(), 1.0);
  // Only pictures are asked for; the markers have none.
  EXPECT_EQ(asked, (std::vector<std::string>{"Upg1_3", "Upg1_1", "Upg1_2", "Upg1_4"}));

  TStickerBookObjects second;
  p = second.AcquirePurchase(2, 3);
  EXPECT_EQ(p.Group, 10);
  EXPECT_TRUE(p.Marker2);
  EXPECT_TRUE(second.IsAcquired(2));
  EXPECT_FALSE(second.IsAcquired(1));
  EXPECT_EQ(second.AcquirePurchase(6, 1).Group, 0);
  EXPECT_EQ(second.AcquirePurchase(2, 0).Group, 0);
}

TEST(StickerBook, StageFollowsTheFinishedIslandsAndTheZeppelinCompletesTheBook) {
  TStickerBookObjects book;
  book.UpdateStage();
  EXPECT_EQ(book.BackgroundName(), "ciBG1");
  for (int island = 1; island <= 3; ++island) BuyIsland(book, island);
  book.AcquirePurchase(4, 1);
  book.UpdateStage();
  EXPECT_EQ(book.BookStage(), 3);
  EXPECT_EQ(book.BackgroundName(), "ciBG4");
  // A gap in an earlier island holds the stage back, whatever comes later.
  TStickerBookObjects gap;
  for (int island = 2; island <= 4; ++island) BuyIsland(gap, island);
  gap.UpdateStage();
  EXPECT_EQ(gap.BookStage(), 0);

  for (int island = 4; island <= 5; ++island) BuyIsland(book, island);
  EXPECT_TRUE(book.IsComplete());
  EXPECT_EQ(book.ProgressPercent(96), 96);
  book.CompleteBook();
  EXPECT_EQ(book.ProgressPercent(96), 100);
  EXPECT_EQ(book.HighlightedGroup(), 3);
  book.UpdateStage();
  EXPECT_EQ(book.BackgroundName(), "ciBG5");
  // The zeppelin fades in at its own pace.
  book.Update();
  EXPECT_EQ(book.ZeppelinAlpha(), 3);
}

TEST(StickerBook, TheStickerBlockSurvivesSaveAndLoadByteForByte) {
  TStickerBookObjects book;
  book.AcquirePurchase(1, 1);
  book.AcquirePurchase(2, 4);
  TStickerBookObjects::TStickerBlock block = book.GetAcquired();
  EXPECT_EQ(block[0], 1);  // group 1
  EXPECT_EQ(block[1], 1);  // group 2
  EXPECT_EQ(block[10], 1);  // group 11
  EXPECT_EQ(block[4], 0);

  // Whatever a file holds comes back out unchanged, past the defined objects too.
  for (int i = 0; i < TStickerBookObjects::MaxObjects; ++i)
    block[i] = static_cast<std::uint8_t>((i * 37) % 5);
  TStickerBookObjects loaded;
  loaded.SetAcquired(block);
  EXPECT_EQ(loaded.GetAcquired(), block);
  // Restored objects show at once; nothing glows.
  for (int g = 1; g <= TStickerBookObjects::DefinedObjects; ++g) {
    const auto& o = loaded.Object(g);
    EXPECT_EQ(o.ShownAlpha(), o.Visible() ? 255 : 0) << g;
  }
  EXPECT_EQ(loaded.HighlightedGroup(), 0);
}

TEST(StickerBook, UpdateFadesInWalksInGroupOrderAndEndsTheHighlight) {
  TStickerBookObjects book;
  std::vector<std::string> order;
  book.OnAfterMeadowlandDrawOrder = [&](TStickerBookObjects&) { order.push_back("after meadow"); };
  book.OnTimeToDrawCitizens = [&](TStickerBookObjects&) { order.push_back("citizens"); };
  book.AcquirePurchase(5, 1);
  book.AcquirePurchase(1, 1);
  book.AcquirePurchase(4, 4);
  int alpha = -1;
  book.Update([&](const TStickerBookObjects::TBookObject& o) {
    order.push_back(o.ImageName);
    if (o.Group == 4) alpha = o.ShownAlpha();
  });
  EXPECT_EQ(order, (std::vector<std::string>{"Upg1_1", "after meadow", "Upg4_4", "citizens",
                                             "Upg5_1"}));
  EXPECT_EQ(alpha, 6);
  // 0.03 per update down to 0.7, then 0.002 until it is under 0.05: 10 + 325 updates.
  int updates = 1;
  while (book.HighlightedGroup() != 0 && updates < 1000) {
    book.Update();
    ++updates;
  }
  EXPECT_NEAR(updates, 335, 2);
  EXPECT_EQ(book.Object(4).ShownAlpha(), 255);
}

TEST(StickerBookLayout, StickersOnTheTableFitTheirBoxes) {
  for (int g = 3; g <= TStickerBookLayout::DefinedObjects; ++g) {
    const auto& o = TStickerBookLayout::Object(g);
    const auto box = TStickerBookLayout::ContentBox(g);
    EXPECT_EQ(o.Group, g);
    // A picture starts at its table position, so it can only paint right of and below it.
    EXPECT_GE(box.Left, o.X) << g;
    EXPECT_GE(box.Top, std::max(o.Y, 0)) << g;
    EXPECT_GT(box.Width(), 0) << g;
  }
}

TEST(BookProgressTube, ANewBandPopsThreeSecondsLaterButTheFirstDoesNot) {
  TBookProgressTube tube;
  std::vector<int> statuses;
  tube.OnStatusChange = [&](TBookProgressTube&, std::uint8_t s) { statuses.push_back(s); };
  tube.SetPosition(1);
  EXPECT_EQ(tube.Status(), 1);
  EXPECT_FALSE(tube.PopPending());
  for (int i = 0; i < 200; ++i) tube.Draw();
  EXPECT_TRUE(statuses.empty());

  tube.SetPositionSilently(49);
  EXPECT_EQ(tube.Status(), 7);
  tube.SetPosition(50);
  EXPECT_EQ(tube.Status(), 8);
  for (int i = 0; i < 99; ++i) tube.Draw();
  EXPECT_TRUE(statuses.empty());
  tube.Draw();  // 100 updates of 30 ms
  EXPECT_EQ(statuses, std::vector<int>{8});
  // The same band again does not pop; the shown fill creeps 0.33 per update.
  tube.SetPosition(60);
  EXPECT_FALSE(tube.PopPending());
  EXPECT_EQ(TBookProgressTube::StatusOf(100), 11);
  EXPECT_EQ(TBookProgressTube::StatusOf(95), 11);
  EXPECT_EQ(TBookProgressTube::StatusOf(94), 10);
  tube.SetPosition(250);
  EXPECT_EQ(tube.Position(), 100);
  tube.Reset();
  EXPECT_EQ(tube.Status(), 0);
  EXPECT_FALSE(tube.PopPending());
}
