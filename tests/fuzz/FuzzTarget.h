#pragma once
// What every fuzz target source provides. The same source links either with libFuzzer
// (scripts/fuzz.sh) or with FuzzReplayMain.cpp, which runs the seeds, the saved findings
// and a fixed number of repeatable mutations of them as an ordinary test.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Small valid inputs the mutations start from.
std::vector<std::string> FuzzSeeds();

// A folder for the files a reader insists on opening by name: in memory when the machine
// has /dev/shm, so that a run is not bound by the disk. Made once per process.
const std::string& FuzzScratchFolder();
void FuzzWriteFile(const std::string& path, const std::uint8_t* data, std::size_t size);

struct TPicture;
// A decoder's promise: a whole picture of a sane size, or an error and nothing.
void FuzzCheckDecodedPicture(bool decoded, const TPicture& picture, const std::string& error);

// A broken promise of a reader: report it and abort so that the fuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                                  \
  do {                                                                                    \
    if (!(cond)) {                                                                        \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);       \
      std::abort();                                                                       \
    }                                                                                     \
  } while (0)
