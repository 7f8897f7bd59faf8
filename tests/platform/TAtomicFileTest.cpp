#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "platform/TAtomicFile.h"
#include "support/TempDir.h"

namespace {
int OpenDescriptors() {
  int n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
  return n;
}

std::string Content(const std::string& path) {
  std::string s;
  TAtomicFile::Read(path, s);
  return s;
}

struct SyncReset {
  ~SyncReset() { TAtomicFile::Sync = nullptr; }
};
}  // namespace

TEST(AtomicFile, AFailedSyncClosesTheFileAndKeepsTheOldContent) {
  TempDir dir;
  SyncReset reset;
  std::string path = dir.File("Players.dat"), err;
  ASSERT_TRUE(TAtomicFile::Write(path, "old", 3, err)) << err;
  TAtomicFile::Sync = [](int) {
    errno = EIO;
    return -1;
  };
  int before = OpenDescriptors();
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(TAtomicFile::Write(path, "new", 3, err));
  EXPECT_EQ(OpenDescriptors(), before);
  EXPECT_NE(err.find("Input/output error"), std::string::npos) << err;
  EXPECT_EQ(Content(path), "old");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(AtomicFile, TheFolderIsSyncedAfterTheRename) {
  TempDir dir;
  SyncReset reset;
  std::string path = dir.File("WYNNET.sav"), err;
  ASSERT_TRUE(TAtomicFile::Write(path, "old", 3, err)) << err;
  struct TCall {
    bool Folder;
    std::string TargetThen;
  };
  std::vector<TCall> calls;
  TAtomicFile::Sync = [&](int fd) {
    struct stat st {};
    fstat(fd, &st);
    calls.push_back({S_ISDIR(st.st_mode), Content(path)});
    return ::fsync(fd);
  };
  ASSERT_TRUE(TAtomicFile::Write(path, "new", 3, err)) << err;
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_FALSE(calls[0].Folder);  // the data first, while the old file is still in place
  EXPECT_EQ(calls[0].TargetThen, "old");
  EXPECT_TRUE(calls[1].Folder);   // then the folder that holds the new name
  EXPECT_EQ(calls[1].TargetThen, "new");

  // A folder that cannot be synced does not turn a written file into a failure.
  TAtomicFile::Sync = [](int fd) {
    struct stat st {};
    fstat(fd, &st);
    if (!S_ISDIR(st.st_mode)) return ::fsync(fd);
    errno = EINVAL;
    return -1;
  };
  EXPECT_TRUE(TAtomicFile::Write(path, "newer", 5, err));
  EXPECT_EQ(Content(path), "newer");
}
