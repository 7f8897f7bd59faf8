#pragma once
#include <cstdint>
#include <initializer_list>

// A set of element codes 0..255 as level files store it: 32 bytes, bit i = code i.
struct TElementSet {
  std::uint8_t Bits[32] = {};

  TElementSet() = default;
  TElementSet(std::initializer_list<int> codes) {
    for (int c : codes) Include(c);
  }
  static TElementSet Range(int first, int last) {
    TElementSet s;
    for (int c = first; c <= last; ++c) s.Include(c);
    return s;
  }
  bool Has(int code) const {
    return code >= 0 && code <= 255 && (Bits[code >> 3] >> (code & 7)) & 1;
  }
  void Include(int code) {
    if (code >= 0 && code <= 255) Bits[code >> 3] |= std::uint8_t(1u << (code & 7));
  }
  void Exclude(int code) {
    if (code >= 0 && code <= 255) Bits[code >> 3] &= std::uint8_t(~(1u << (code & 7)));
  }
  bool HasAnyIn(int first, int last) const {
    for (int c = first; c <= last; ++c)
      if (Has(c)) return true;
    return false;
  }
  bool operator==(const TElementSet&) const = default;
};
static_assert(sizeof(TElementSet) == 32);
