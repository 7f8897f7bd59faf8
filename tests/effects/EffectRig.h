#pragma once
// What the effect tests share besides the drawing rig.
#include <cstdint>
#include <string>
#include <vector>

#include "board/BoardRig.h"
#include "engine/TGameRandom.h"

// The screen modulates each channel by its global colour, truncating: 255 arrives as 254.
inline int Shown(int channel) { return channel * 255 / 256; }

// Reseeds "from the clock" give the same seed every time while this lives.
struct FixedClock {
  explicit FixedClock(std::uint32_t seed) {
    TGameRandom::SetClockSeedSource([seed] { return seed; });
  }
  ~FixedClock() { TGameRandom::SetClockSeedSource(nullptr); }
};

// The drawn sprites of one picture, in order.
inline std::vector<DrawRig::TDrawn> DrawnOf(const std::vector<DrawRig::TDrawn>& all,
                                            const std::string& name) {
  std::vector<DrawRig::TDrawn> out;
  for (const auto& d : all)
    if (d.Name == name) out.push_back(d);
  return out;
}
