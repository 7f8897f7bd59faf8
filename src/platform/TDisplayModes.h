#pragma once
#include <vector>

struct TDisplaySize {
  int Width, Height;
  bool operator==(const TDisplaySize&) const = default;
};

// The display modes of the primary display.
class TDisplayModes {
 public:
  // Full screen never switches modes here (it is a desktop-size window), so every
  // size that fits inside the desktop counts as offered, besides SDL's own list.
  static std::vector<TDisplaySize> PrimaryDisplay();
  static std::vector<TDisplaySize> WithSizesFittingDesktop(std::vector<TDisplaySize> modes,
                                                           TDisplaySize desktop,
                                                           const std::vector<TDisplaySize>& wanted);
};
