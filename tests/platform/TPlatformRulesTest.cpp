#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <cstring>
#include <map>

#include "platform/TDisplayModes.h"
#include "platform/TFileSystem.h"
#include "platform/TInstanceLock.h"
#include "platform/TOsVersion.h"
#include "platform/TUserFolders.h"
#include "platform/TWindowGeometry.h"
#include "support/TempDir.h"

namespace {
// Runs fn in a child process and returns its exit code.
int InChild(const std::function<int()>& fn) {
  pid_t pid = fork();
  if (pid == 0) _exit(fn());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
}  // namespace

TEST(InstanceLock, ASecondProcessSeesTheLockAndACrashReleasesIt) {
  TempDir dir;
  TInstanceLock first("Quorrin_Game", dir.Str());
  ASSERT_TRUE(first.Acquire());
  EXPECT_EQ(first.Path(), dir.Str() + "Quorrin_Game.lock");
  EXPECT_EQ(InChild([&] {
              TInstanceLock second("Quorrin_Game", dir.Str());
              return second.Acquire() ? 0 : 7;
            }),
            7);
  // Another name is another lock.
  EXPECT_EQ(InChild([&] {
              TInstanceLock other("Other_Game", dir.Str());
              return other.Acquire() ? 0 : 7;
            }),
            0);
  first.Release();

  // A holder that dies without releasing leaves nothing behind.
  EXPECT_EQ(InChild([&] {
              TInstanceLock held("Quorrin_Game", dir.Str());
              if (!held.Acquire()) return 1;
              std::abort();
            }),
            -1);
  TInstanceLock after("Quorrin_Game", dir.Str());
  EXPECT_TRUE(after.Acquire());
}

TEST(UserFolders, DataHomeFollowsTheFreedesktopRules) {
  std::map<std::string, const char*> env;
  auto reader = [&](const char* n) -> const char* {
    auto it = env.find(n);
    return it == env.end() ? nullptr : it->second;
  };
  env["HOME"] = "/home/wynnet";
  EXPECT_EQ(*TUserFolders::DataHome(reader), "/home/wynnet/.local/share");
  env["XDG_DATA_HOME"] = "/data/xdg/";
  EXPECT_EQ(*TUserFolders::DataHome(reader), "/data/xdg");
  env["XDG_DATA_HOME"] = "relative/path";  // not valid: ignored
  EXPECT_EQ(*TUserFolders::DataHome(reader), "/home/wynnet/.local/share");
  env.clear();
  EXPECT_FALSE(TUserFolders::DataHome(reader).has_value());
}

TEST(OsVersion, OnlyTheNewerSystemsCount) {
  EXPECT_FALSE(TOsVersion::IsWindows8OrLater(TOsVersion::Current()));
  auto nt = [](int major, int minor, bool workstation) {
    return TOsVersion::IsWindows8OrLater({true, major, minor, workstation});
  };
  EXPECT_FALSE(nt(6, 1, true));
  EXPECT_TRUE(nt(6, 2, true));
  EXPECT_TRUE(nt(6, 3, true));
  EXPECT_FALSE(nt(6, 2, false));
  EXPECT_FALSE(nt(6, 3, false));
  EXPECT_TRUE(nt(6, 4, false));
  EXPECT_TRUE(nt(10, 0, false));
  EXPECT_FALSE(nt(5, 9, true));
  EXPECT_FALSE(TOsVersion::IsWindows8OrLater({false, 10, 0, true}));
}

TEST(DisplayModes, DesktopSizedFullScreenOffersEverySizeThatFits) {
  std::vector<TDisplaySize> wanted = {{1366, 768}, {1280, 720}, {1024, 768}};
  auto modes = TDisplayModes::WithSizesFittingDesktop({{1920, 1080}}, {1920, 1080}, wanted);
  EXPECT_EQ(modes.size(), 4u);
  modes = TDisplayModes::WithSizesFittingDesktop({{1280, 1024}}, {1280, 1024}, wanted);
  EXPECT_EQ(modes, (std::vector<TDisplaySize>{{1280, 1024}, {1280, 720}, {1024, 768}}));
  modes = TDisplayModes::WithSizesFittingDesktop({{1366, 768}}, {1366, 768}, wanted);
  EXPECT_EQ(std::count(modes.begin(), modes.end(), TDisplaySize{1366, 768}), 1);
}

TEST(WindowGeometry, LetterboxMapsWindowPixelsOntoTheBackBuffer) {
  double bx, by;
  // A 1920 x 1080 desktop showing a 1366 x 768 buffer: scale 1.4055, bars left and right.
  TWindowGeometry::WindowToBuffer(1920, 1080, 1366, 768, 960, 540, bx, by);
  EXPECT_NEAR(bx, 683, 0.5);
  EXPECT_NEAR(by, 384, 0.5);
  // A 4:3 desktop: bars above and below.
  double s, ox, oy;
  TWindowGeometry::Letterbox(1024, 768, 1366, 768, s, ox, oy);
  EXPECT_NEAR(s, 1024.0 / 1366, 1e-9);
  EXPECT_EQ(ox, 0);
  EXPECT_EQ(oy, (768 - 576) / 2);
  // The same size maps one to one.
  TWindowGeometry::WindowToBuffer(1366, 768, 1366, 768, 100.5, 50, bx, by);
  EXPECT_DOUBLE_EQ(bx, 100.5);
  EXPECT_DOUBLE_EQ(by, 50);
}

TEST(FileSystem, ListsMatchingFilesInNameOrder) {
  TempDir dir;
  for (const char* n : {"b.png", "A.PNG", "c.jpg", "a.png"}) std::ofstream(dir.File(n)) << "x";
  TFileSystem::CreateDirectory(dir.File("folder.png"));
  EXPECT_EQ(TFileSystem::ListFiles(dir.Str(), ".png"),
            (std::vector<std::string>{"A.PNG", "a.png", "b.png"}));
  EXPECT_TRUE(TFileSystem::ListFiles(dir.File("nowhere"), ".png").empty());
  EXPECT_EQ(TFileSystem::ExecutableFolder().back(), '/');
}
