#include "platform/TAtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/TFileSystem.h"

std::function<bool(const std::string&)> TAtomicFile::BeforeRename;
std::function<int(int)> TAtomicFile::Sync;

namespace {
int SyncFd(int fd) { return TAtomicFile::Sync ? TAtomicFile::Sync(fd) : ::fsync(fd); }

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename lives in the folder's entries: until they reach the disk a power cut can
// bring the old file back. Some file systems cannot sync a folder; the file is in place
// anyway, so that is no failure.
void SyncFolderOf(const std::string& path) {
  int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  SyncFd(dir);
  ::close(dir);
}
}  // namespace

bool TAtomicFile::Write(const std::string& path, const void* data, std::size_t size,
                        std::string& error) {
  std::string temp = path + ".tmp";
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = "cannot create \"" + temp + "\": " + std::strerror(errno);
    return false;
  }
  const char* p = static_cast<const char*>(data);
  std::size_t left = size;
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = "cannot write \"" + temp + "\": " + std::strerror(errno);
      ::close(fd);
      ::unlink(temp.c_str());
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  // The descriptor is closed whatever the sync says.
  int syncError = SyncFd(fd) != 0 ? errno : 0;
  int closeError = ::close(fd) != 0 ? errno : 0;
  if (syncError != 0 || closeError != 0) {
    error = "cannot write \"" + temp + "\": " + std::strerror(syncError ? syncError : closeError);
    ::unlink(temp.c_str());
    return false;
  }
  if (BeforeRename && !BeforeRename(temp)) {
    error = "stopped before replacing \"" + path + "\"";
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error = "cannot replace \"" + path + "\": " + std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolderOf(path);
  return true;
}

bool TAtomicFile::Read(const std::string& path, std::string& bytes) {
  return TFileSystem::ReadFile(path, bytes);
}
