// Runs a fuzz target without libFuzzer: its seeds, every file of the folders given (saved
// findings), then a fixed number of repeatable mutations of all of them.
//   FuzzX [--runs N] [--seed S] [FILE|FOLDER]...
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "FuzzTarget.h"
#include "TFuzzMutator.h"

namespace {
void Run(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace

int main(int argc, char** argv) {
  long runs = 2000;
  std::uint64_t seed = 1;
  std::vector<std::string> corpus = FuzzSeeds();
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::atol(argv[++i]);
    } else if (arg == "--seed" && i + 1 < argc) {
      seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (std::filesystem::is_directory(arg)) {
      std::vector<std::filesystem::path> files;
      for (const auto& e : std::filesystem::directory_iterator(arg))
        if (e.is_regular_file()) files.push_back(e.path());
      std::sort(files.begin(), files.end());  // the same order everywhere
      for (const auto& f : files) corpus.push_back(ReadAll(f));
    } else if (std::filesystem::is_regular_file(arg)) {
      corpus.push_back(ReadAll(arg));
    } else {
      std::cerr << "no such file or folder: " << arg << "\n";
      return 2;
    }
  }
  if (corpus.empty()) corpus.push_back("");
  for (const std::string& input : corpus) Run(input);
  TFuzzMutator mutator(seed);
  std::string last;
  for (long n = 0; n < runs; ++n) {
    // Every other input builds on the one before, to reach past more than one edit.
    const std::string& base =
        n % 2 && !last.empty() ? last : corpus[mutator.Below(static_cast<std::uint32_t>(corpus.size()))];
    last = mutator.Mutate(base);
    Run(last);
  }
  std::cout << corpus.size() << " saved inputs and " << runs << " mutations passed\n";
  return 0;
}
