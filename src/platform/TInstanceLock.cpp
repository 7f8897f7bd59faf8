#include "platform/TInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

TInstanceLock::TInstanceLock(const std::string& name, const std::string& folder) {
  std::string dir = folder;
  if (dir.empty()) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) {
      dir = runtime;
    } else {
      // The user id keeps two users of one machine apart.
      dir = "/tmp";
      LockPath = dir + "/" + name + "-" + std::to_string(getuid()) + ".lock";
      return;
    }
  }
  if (dir.back() != '/') dir += '/';
  LockPath = dir + name + ".lock";
}

TInstanceLock::~TInstanceLock() { Release(); }

bool TInstanceLock::Acquire() {
  if (Fd >= 0) return true;
  int fd = ::open(LockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  Fd = fd;
  return true;
}

void TInstanceLock::Release() {
  if (Fd < 0) return;
  ::flock(Fd, LOCK_UN);
  ::close(Fd);
  Fd = -1;
}
