#pragma once
#include <functional>
#include <string>

// Replaces a file so that a crash or a power cut at any moment leaves either the old or the
// new content: write a temporary file beside it, flush it to disk, rename it over the old
// one, then flush the folder so the rename itself is on disk.
class TAtomicFile {
 public:
  static bool Write(const std::string& path, const void* data, std::size_t size,
                    std::string& error);
  // Reads the whole file; false when it cannot be opened.
  static bool Read(const std::string& path, std::string& bytes);
  // For tests: called after the temporary file is complete and before the rename; returning
  // false stops there, as a crash would.
  static std::function<bool(const std::string& tempPath)> BeforeRename;
  // For tests: stands in for fsync (of the temporary file, then of its folder).
  static std::function<int(int fd)> Sync;
};
