// assetgen: draws the game's picture tree.
//   assetgen --out <Images folder> [--levels <Levels folder>] [--stamp <file>]
//   assetgen --contact-sheet <file.png> [--levels <Levels folder>] [--only <name>...]
//   assetgen --list
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "Generator.h"
#include "Manifest.h"
#include "engine/TPictureEncoder.h"
#include <algorithm>
#include <cstdlib>

using namespace assetgen;

int main(int argc, char** argv) {
  std::string out, levels, stamp, sheet, preview;
  int zoom = 3;
  std::string mockScene, mockOut;
  std::vector<std::string> only;
  bool list = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
    if (a == "--out") out = next();
    else if (a == "--levels") levels = next();
    else if (a == "--stamp") stamp = next();
    else if (a == "--contact-sheet") sheet = next();
    else if (a == "--only") only.push_back(next());
    else if (a == "--preview") preview = next();
    else if (a == "--mock") {
      mockScene = next();
      mockOut = next();
    }
    else if (a == "--zoom") zoom = std::max(1, std::atoi(next().c_str()));
    else if (a == "--list") list = true;
    else {
      std::fprintf(stderr, "assetgen: unknown argument \"%s\"\n", a.c_str());
      return 2;
    }
  }
  if (out.empty() && sheet.empty() && preview.empty() && mockScene.empty() && !list) {
    std::fprintf(stderr,
                 "usage: assetgen --out DIR [--levels DIR] [--stamp FILE]\n"
                 "       assetgen --contact-sheet FILE.png [--only NAME]...\n"
                 "       assetgen --mock menu|level|map|options|confirm|splash|result|story|ending FILE.png\n"
                 "       assetgen --preview FILE.png --only NAME [--zoom N]\n"
                 "       assetgen --list\n");
    return 2;
  }
  std::vector<TAssetSpec> manifest = BuildManifest(levels);
  if (!only.empty()) {
    std::vector<TAssetSpec> picked;
    for (const auto& s : manifest)
      for (const auto& n : only)
        if (s.Name == n) picked.push_back(s);
    manifest = picked;
  }
  int threads = static_cast<int>(std::thread::hardware_concurrency());
  if (threads < 1) threads = 1;
  if (threads > 2) threads = 2;

  if (list) {
    for (const auto& s : manifest)
      std::printf("%-28s %-10s %5dx%-4d %2dx%-2d %s\n", s.Name.c_str(),
                  s.Folder.empty() ? "." : s.Folder.c_str(), s.Width(), s.Height(), s.Columns,
                  s.Rows, s.Finished ? "drawn" : "stand-in");
  }
  auto start = std::chrono::steady_clock::now();
  std::string error;
  if (!out.empty()) {
    if (!GenerateTree(out, manifest, threads, error)) {
      std::fprintf(stderr, "assetgen: %s\n", error.c_str());
      return 1;
    }
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetgen: %zu pictures in %.1f s\n", manifest.size(), secs);
    if (!stamp.empty()) std::ofstream(stamp) << manifest.size() << " pictures\n";
  }
  if (!sheet.empty()) {
    std::vector<std::string> files = WriteContactSheets(sheet, manifest, threads, error);
    if (!error.empty()) {
      std::fprintf(stderr, "assetgen: %s\n", error.c_str());
      return 1;
    }
    for (const auto& f : files) std::printf("%s\n", f.c_str());
  }
  if (!mockScene.empty() && !WriteMockScreen(mockScene, mockOut, manifest, error)) {
    std::fprintf(stderr, "assetgen: %s\n", error.c_str());
    return 1;
  }
  if (!preview.empty() && !manifest.empty()) {
    // The first selected picture, enlarged over a grey checkerboard (top-left part only).
    TPicture pic = RenderPicture(manifest.front());
    int w = std::min(pic.Width, 1800 / zoom), h = std::min(pic.Height, 1000 / zoom);
    TPicture big;
    big.Resize(w * zoom, h * zoom);
    for (int y = 0; y < h * zoom; ++y)
      for (int x = 0; x < w * zoom; ++x) {
        const std::uint8_t* s = pic.Row(y / zoom) + (x / zoom) * 4;
        int bg = ((x / 8 + y / 8) % 2) ? 150 : 110;
        std::uint8_t* d = big.Row(y) + x * 4;
        for (int k = 0; k < 3; ++k) d[k] = static_cast<std::uint8_t>((s[k] * s[3] + bg * (255 - s[3])) / 255);
        d[3] = 255;
      }
    if (!TPictureEncoder::WritePngFile(preview, big, error)) {
      std::fprintf(stderr, "assetgen: %s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
