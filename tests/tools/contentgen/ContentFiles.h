// Reading the installed content back, as the game will.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace contentgen::test {

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline std::string binPath(const std::string& relative) {
  return std::string(WENDMOOR_BIN_DIR) + "/" + relative;
}

inline std::string contentPath(const std::string& relative) {
  return std::string(CONTENT_DIR) + "/" + relative;
}

}  // namespace contentgen::test
