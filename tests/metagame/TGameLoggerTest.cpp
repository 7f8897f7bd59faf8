#include <gtest/gtest.h>

#include <filesystem>

#include "metagame/TGameLogger.h"
#include "support/TempDir.h"

namespace {
TElementsCount Fruits(float n) {
  TElementsCount c;
  c[elFruit] = n;
  return c;
}
}  // namespace

TEST(GameLogger, WritesNothingWhileOffAndBothFilesWhenOn) {
  TempDir dir;
  TGameLogger log;
  log.Folder = dir.Str();
  log.SetPlayerName("Anna");
  std::string error;
  EXPECT_TRUE(log.RoundWon(1, 3, 95, Fruits(12.6f), "Level1-03.eil", error));
  EXPECT_TRUE(log.ItemBought(1, 2, 3, error));
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path));

  log.SetEnabled(true);
  ASSERT_TRUE(log.RoundWon(1, 3, 95, Fruits(12.6f), "Level1-03.eil", error)) << error;
  ASSERT_TRUE(log.ItemBought(1, 2, 3, error)) << error;
  EXPECT_EQ(std::filesystem::file_size(dir.File("Anna-LOG.dat")), TGameLogger::RecordSize);
  const std::string report = log.Report();
  EXPECT_NE(report.find("LEVEL 1-03 <actual file: Level1-03.eil>\n   Time: 95 seconds [1:35]\n"
                        "      Fruit:    13\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("Slot 1-2:   at level 1-03\n"), std::string::npos) << report;
  // The next session reads the log back.
  TGameLogger again;
  again.Folder = dir.Str();
  again.SetPlayerName("Anna");
  again.SetEnabled(true);
  EXPECT_EQ(again.Report(), report);
}
