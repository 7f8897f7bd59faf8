#pragma once
#include <string>

// A named single-instance lock: an advisory lock on a file in the user's runtime folder.
// The kernel drops it with the process, so a crashed game never blocks the next start.
class TInstanceLock {
 public:
  // folder: where the lock file lives ("" = $XDG_RUNTIME_DIR, else the temporary folder).
  explicit TInstanceLock(const std::string& name, const std::string& folder = "");
  ~TInstanceLock();
  TInstanceLock(const TInstanceLock&) = delete;
  TInstanceLock& operator=(const TInstanceLock&) = delete;

  // False when another process holds the lock (or the lock file cannot be made).
  bool Acquire();
  void Release();
  bool Held() const { return Fd >= 0; }
  const std::string& Path() const { return LockPath; }

 private:
  std::string LockPath;
  int Fd = -1;
};
