#include "TDamageMap.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "THarness.h"
#include "THarnessScript.h"
#include "engine/TPictureEncoder.h"
#include "platform/TFileSystem.h"
#include "platform/TSoftwareBackend.h"
#include "shell/TFormMain.h"

namespace {
double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

int Usage() {
  std::fprintf(stderr, "usage: wendmoor-harness damage --input SCRIPT --from FRAME --frames N"
                       " [--map FILE.png] [--seed S] [--content DIR]\n");
  return 2;
}
}  // namespace

int TDamageMap::Main(int argc, char** argv) {
  std::string input, map, content = TFileSystem::ExecutableFolder();
  long from = 0, frames = 0;
  std::uint32_t seed = 1;
  if (argc % 2 != 0) return Usage();
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string a = argv[i], v = argv[i + 1];
    if (a == "--input") input = v;
    else if (a == "--map") map = std::filesystem::absolute(v).string();
    else if (a == "--from") from = std::atol(v.c_str());
    else if (a == "--frames") frames = std::atol(v.c_str());
    else if (a == "--seed") seed = static_cast<std::uint32_t>(std::atol(v.c_str()));
    else if (a == "--content") content = v.back() == '/' ? v : v + "/";
    else return Usage();
  }
  if (input.empty() || from < 1 || frames < 1) return Usage();
  std::ifstream in(input);
  THarnessScript script;
  std::string error;
  if (!in || !script.Parse(std::string(std::istreambuf_iterator<char>(in), {}), error)) {
    std::fprintf(stderr, "damage: cannot read %s %s\n", input.c_str(), error.c_str());
    return 1;
  }
  TSoftwareBackend backend;
  THarness::TOptions o;
  o.ExeFolder = content;
  o.Seed = seed;
  o.Frames = from + frames;
  o.Backend = &backend;
  THarness harness(o);
  if (!harness.Start(error)) {
    std::fprintf(stderr, "damage: %s\n", error.c_str());
    return 1;
  }
  harness.SetDrawing(false);
  for (long f = 1; f < from && !harness.Form().Closed(); ++f) harness.Step(script);
  harness.SetDrawing(true);
  // The first drawn frame draws everything; it is not counted.
  harness.Step(script);
  const int tile = 32;
  std::vector<int> counts;
  int columns = 0, rows = 0;
  double share = 0, cpu = 0;
  for (long f = 0; f < frames && !harness.Form().Closed(); ++f) {
    const double before = ThreadCpuMs();
    harness.Step(script);
    cpu += ThreadCpuMs() - before;
    const int w = backend.FrameWidth(), h = backend.FrameHeight();
    if (counts.empty()) {
      columns = (w + tile - 1) / tile;
      rows = (h + tile - 1) / tile;
      counts.assign(std::size_t(columns) * rows, 0);
    }
    share += double(backend.LastDrawnPixels()) / (double(w) * h);
    for (const TPixelRect& r : backend.LastDamage())
      for (int y = r.Y0 / tile; y < (r.Y1 + tile - 1) / tile && y < rows; ++y)
        for (int x = r.X0 / tile; x < (r.X1 + tile - 1) / tile && x < columns; ++x)
          ++counts[std::size_t(y) * columns + x];
  }
  std::printf("scene %s\ndrawn_share %.4f\ncpu_ms_per_frame %.3f\n",
              TGameScene::Name(harness.Form().Scene()).c_str(), share / frames, cpu / frames);
  if (!map.empty()) {
    std::vector<std::uint8_t> rgba;
    int w = 0, h = 0;
    if (!backend.ReadBackBuffer(rgba, w, h)) return 1;
    TPicture picture;
    picture.Resize(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const std::uint8_t* s = &rgba[(std::size_t(y) * w + x) * 4];
        std::uint8_t* d = picture.Row(y) + x * 4;
        const double heat = double(counts[std::size_t(y / tile) * columns + x / tile]) / frames;
        const int grey = (s[0] + s[1] + s[2]) / 6;
        d[0] = static_cast<std::uint8_t>(std::min(255.0, grey + heat * 200));
        d[1] = d[2] = static_cast<std::uint8_t>(grey);
        d[3] = 255;
      }
    if (!TPictureEncoder::WritePngFile(map, picture, error)) {
      std::fprintf(stderr, "damage: %s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
