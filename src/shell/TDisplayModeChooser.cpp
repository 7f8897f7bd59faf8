#include "shell/TDisplayModeChooser.h"

#include <algorithm>

TDisplaySize TDisplayModeChooser::Choose(const std::vector<TDisplaySize>& modes) {
  static const TDisplaySize kPreferred[] = {{1366, 768}, {1360, 768}, {1280, 768},
                                            {1280, 800}, {1280, 720}, {1024, 768}};
  for (const auto& p : kPreferred)
    if (std::find(modes.begin(), modes.end(), p) != modes.end()) return p;
  return {800, 600};
}
