#pragma once
#include <string>
#include <vector>

// The few file operations the game needs, never throwing.
class TFileSystem {
 public:
  static bool DirectoryExists(const std::string& path);
  static bool FileExists(const std::string& path);
  // Creates one folder level; true when it exists afterwards.
  static bool CreateDirectory(const std::string& path);
  // Names (not paths) of the regular files in a folder whose names end with suffix
  // (case-insensitive), sorted by name so that the order is the same on every machine.
  static std::vector<std::string> ListFiles(const std::string& folder, const std::string& suffix);
  // The folder of the running executable, ending with '/'.
  static std::string ExecutableFolder();
  static bool ChangeDirectory(const std::string& path);
  static bool ReadFile(const std::string& path, std::string& bytes);
};
