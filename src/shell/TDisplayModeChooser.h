#pragma once
#include <vector>

#include "platform/TDisplayModes.h"

// The back-buffer size: the first preferred size the display offers, else 800 x 600.
class TDisplayModeChooser {
 public:
  static TDisplaySize Choose(const std::vector<TDisplaySize>& modes);
};
