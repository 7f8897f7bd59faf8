#pragma once
#include <cstdint>
#include <string>

// Repeatable mutations for the replay runs of the fuzz targets: the same seed gives the
// same inputs on every machine, so a replay run in the test suite can never be flaky.
class TFuzzMutator {
 public:
  explicit TFuzzMutator(std::uint64_t seed) : State(seed) {}

  // One to four edits of the input: bit flips, odd bytes and words, insertions,
  // deletions, cuts and copied chunks.
  std::string Mutate(const std::string& input);
  std::uint32_t Below(std::uint32_t n);

 private:
  std::uint64_t Next();
  void EditOnce(std::string& s);
  std::uint64_t State;
};
