#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "Manifest.h"

namespace assetgen_test {

inline const assetgen::TAssetSpec* Find(const std::vector<assetgen::TAssetSpec>& m,
                                        const std::string& name) {
  for (const auto& s : m)
    if (s.Name == name) return &s;
  return nullptr;
}

// The shipped manifest's picture of that name (a test failure when there is none).
inline const assetgen::TAssetSpec& Asset(const std::string& name) {
  static const std::vector<assetgen::TAssetSpec> m = assetgen::BuildManifest();
  const assetgen::TAssetSpec* s = Find(m, name);
  EXPECT_NE(s, nullptr) << name;
  return *s;
}

// Writes a 4572-byte level file whose board uses the tiles marked '#' (rows of 16
// characters, top row first); '.' is a hole. boss sets the objective byte.
inline void WriteLevel(const std::string& path, const std::vector<std::string>& rows, bool boss) {
  std::vector<unsigned char> data(4572, 0);
  data[0] = boss ? 1 : 0;
  for (int x = 0; x < 16; ++x)
    for (int y = 0; y < 12; ++y) {
      unsigned char* tile = data.data() + 92 + x * 240 + y * 20;
      bool used = y < static_cast<int>(rows.size()) && rows[y][x] == '#';
      tile[0] = used ? 1 : 4;  // okFruit or okUnused
      tile[1] = 0;
    }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()),
                                              static_cast<std::streamsize>(data.size()));
}

}  // namespace assetgen_test
