#pragma once
#include <filesystem>
#include <random>
#include <string>

// A temporary folder removed with the object.
class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    Path = std::filesystem::temp_directory_path() /
           ("wendmoor-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(Path);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
  }
  std::string File(const std::string& name) const { return (Path / name).string(); }
  std::string Str() const { return Path.string() + "/"; }
  std::filesystem::path Path;
};
