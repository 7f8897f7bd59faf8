// Shared by every fuzz target: the scratch folder and writing the seeds for libFuzzer.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "FuzzTarget.h"
#include "engine/TPicture.h"

namespace {
std::string ScratchFolder;

void RemoveScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(ScratchFolder, ec);
}

std::string MakeScratchFolder() {
  // /dev/shm when it takes a folder, else the ordinary temporary folder.
  for (const std::filesystem::path& base :
       {std::filesystem::path("/dev/shm"), std::filesystem::temp_directory_path()}) {
    std::string name = (base / "wendmoor-fuzz-XXXXXX").string();
    if (!mkdtemp(name.data())) continue;
    ScratchFolder = name;
    // Removed at a normal exit; a crash leaves it, with the files of the crash.
    std::atexit(RemoveScratchFolder);
    return name + "/";
  }
  std::perror("mkdtemp");
  std::abort();
}
}  // namespace

const std::string& FuzzScratchFolder() {
  static const std::string folder = MakeScratchFolder();
  return folder;
}

void FuzzWriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::abort();
  }
}

// libFuzzer calls this before it reads the corpus. WENDMOOR_FUZZ_SEEDS_TO=DIR writes the
// seeds of the target into DIR and ends the process: scripts/fuzz.sh starts every corpus so.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* to = std::getenv("WENDMOOR_FUZZ_SEEDS_TO");
  if (!to || !*to) return 0;
  std::filesystem::create_directories(to);
  int n = 0;
  for (const std::string& seed : FuzzSeeds()) {
    std::string path = std::string(to) + "/seed-" + std::to_string(n++);
    FuzzWriteFile(path, reinterpret_cast<const std::uint8_t*>(seed.data()), seed.size());
  }
  std::printf("%d seeds written to %s\n", n, to);
  std::exit(0);
}

void FuzzCheckDecodedPicture(bool decoded, const TPicture& picture, const std::string& error) {
  if (!decoded) {
    FUZZ_CHECK(!error.empty());
    FUZZ_CHECK(picture.Empty() && picture.Pixels.empty());
    return;
  }
  FUZZ_CHECK(picture.Width >= 1 && picture.Width <= 16384);
  FUZZ_CHECK(picture.Height >= 1 && picture.Height <= 16384);
  FUZZ_CHECK(picture.Pixels.size() == static_cast<std::size_t>(picture.Width) * picture.Height * 4);
}
