#include <gtest/gtest.h>

#include <fstream>

#include "platform/TFileSystem.h"
#include "platform/TRecordedMessageBoxes.h"
#include "shell/TDisplayModeChooser.h"
#include "shell/TSaveFolders.h"
#include "support/TempDir.h"

TEST(DisplayModeChooser, PrefersTheListedSizesInOrder) {
  EXPECT_EQ(TDisplayModeChooser::Choose({{1920, 1080}, {1366, 768}, {1360, 768}}),
            (TDisplaySize{1366, 768}));
  EXPECT_EQ(TDisplayModeChooser::Choose({{1280, 720}, {1360, 768}}), (TDisplaySize{1360, 768}));
  EXPECT_EQ(TDisplayModeChooser::Choose({{1280, 800}, {1280, 768}}), (TDisplaySize{1280, 768}));
  EXPECT_EQ(TDisplayModeChooser::Choose({{1024, 768}, {1280, 800}}), (TDisplaySize{1280, 800}));
  EXPECT_EQ(TDisplayModeChooser::Choose({{1920, 1080}, {640, 480}}), (TDisplaySize{800, 600}));
  EXPECT_EQ(TDisplayModeChooser::Choose({}), (TDisplaySize{800, 600}));
}

TEST(SaveFolders, CreatesTheFoldersAndTellsWhatFails) {
  TempDir dir;
  TRecordedMessageBoxes boxes;
  boxes.Print = false;
  std::string root = dir.Str() + "deep/share";
  std::string folder = root + "/Wendmoor - Vessary/";
  TSaveFolders::CreateSaveFolders(root, folder, boxes);
  EXPECT_TRUE(boxes.Shown.empty());
  EXPECT_TRUE(TFileSystem::DirectoryExists(folder));

  // A file where the data folder should be: both steps fail, both are told, start-up goes on.
  std::ofstream(dir.File("blocked")) << "x";
  TSaveFolders::CreateSaveFolders(dir.File("blocked"), dir.File("blocked") + "/W/", boxes);
  ASSERT_EQ(boxes.Shown.size(), 2u);
  EXPECT_EQ(boxes.Shown[0].Text, "Error: could not create game save folder. (#1)");
  EXPECT_EQ(boxes.Shown[1].Text, "Error: could not create game save folder. (#2)");
}

TEST(SaveFolders, AnUnopenablePlayerFileMovesToTheFirstUsableNumberedFolder) {
  TempDir dir;
  std::string folder = dir.Str();
  EXPECT_TRUE(TSaveFolders::ProbePlayersFile(folder));  // no file yet: fine
  std::ofstream(dir.File("Players.dat")) << std::string(358, '\0');
  EXPECT_TRUE(TSaveFolders::ProbePlayersFile(folder));
  EXPECT_EQ(TSaveFolders::SelectSaveFolder(folder), folder);

  // A folder in its place cannot be opened as a file (as root, permissions would not stop it).
  std::filesystem::remove(dir.File("Players.dat"));
  std::filesystem::create_directory(dir.File("Players.dat"));
  EXPECT_FALSE(TSaveFolders::ProbePlayersFile(folder));
  EXPECT_EQ(TSaveFolders::SelectSaveFolder(folder), folder + "1/");
  EXPECT_TRUE(TFileSystem::DirectoryExists(folder + "1/"));

  // 1 is taken and broken too: 2 is next; an existing good 3 would be taken as it is.
  std::filesystem::create_directory(folder + "1/Players.dat");
  EXPECT_EQ(TSaveFolders::SelectSaveFolder(folder), folder + "2/");
}
