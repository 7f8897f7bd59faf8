#include "TFuzzMutator.h"

#include <cstring>

namespace {
constexpr std::uint8_t OddBytes[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF, '\r', '\n', '=', ' '};
constexpr std::uint32_t OddWords[] = {0x00000000, 0xFFFFFFFF, 0x7FFFFFFF, 0x80000000,
                                      0x000000FF, 0x00000100, 0x00010000, 0x00004000};
}  // namespace

std::uint64_t TFuzzMutator::Next() {
  // splitmix64: tiny, and good enough to spread the edits.
  std::uint64_t z = (State += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint32_t TFuzzMutator::Below(std::uint32_t n) {
  return n == 0 ? 0 : static_cast<std::uint32_t>(Next() % n);
}

void TFuzzMutator::EditOnce(std::string& s) {
  const std::uint32_t size = static_cast<std::uint32_t>(s.size());
  switch (Below(8)) {
    case 0:  // flip a bit
      if (size) s[Below(size)] ^= static_cast<char>(1u << Below(8));
      break;
    case 1:  // an odd byte
      if (size) s[Below(size)] = static_cast<char>(OddBytes[Below(sizeof OddBytes)]);
      break;
    case 2:  // an odd 32-bit word, anywhere (length fields and sizes live in words)
      if (size >= 4) {
        std::uint32_t w = OddWords[Below(sizeof OddWords / sizeof OddWords[0])];
        if (Below(2)) w = __builtin_bswap32(w);
        std::memcpy(s.data() + Below(size - 3), &w, 4);
      }
      break;
    case 3:  // insert a few bytes
      s.insert(Below(size + 1), Below(4) + 1, static_cast<char>(Below(256)));
      break;
    case 4:  // delete a few bytes
      if (size) {
        std::uint32_t at = Below(size);
        s.erase(at, Below(size - at) % 16 + 1);
      }
      break;
    case 5:  // cut the end off
      s.resize(Below(size + 1));
      break;
    case 6:  // copy a chunk over another place
      if (size >= 2) {
        std::uint32_t from = Below(size), to = Below(size);
        std::uint32_t n = Below(size - (from > to ? from : to)) % 64 + 1;
        std::memmove(s.data() + to, s.data() + from, n);
      }
      break;
    default:  // a random byte
      if (size) s[Below(size)] = static_cast<char>(Below(256));
      break;
  }
}

std::string TFuzzMutator::Mutate(const std::string& input) {
  std::string s = input;
  for (std::uint32_t n = Below(4) + 1; n > 0; --n) EditOnce(s);
  return s;
}
