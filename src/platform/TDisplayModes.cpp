#include "platform/TDisplayModes.h"

#include <SDL.h>

#include <algorithm>

std::vector<TDisplaySize> TDisplayModes::WithSizesFittingDesktop(
    std::vector<TDisplaySize> modes, TDisplaySize desktop, const std::vector<TDisplaySize>& wanted) {
  for (const auto& w : wanted) {
    if (w.Width <= desktop.Width && w.Height <= desktop.Height &&
        std::find(modes.begin(), modes.end(), w) == modes.end())
      modes.push_back(w);
  }
  return modes;
}

std::vector<TDisplaySize> TDisplayModes::PrimaryDisplay() {
  std::vector<TDisplaySize> modes;
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return modes;
  int n = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < n; ++i) {
    SDL_DisplayMode m;
    if (SDL_GetDisplayMode(0, i, &m) == 0) {
      TDisplaySize s{m.w, m.h};
      if (std::find(modes.begin(), modes.end(), s) == modes.end()) modes.push_back(s);
    }
  }
  SDL_DisplayMode desk;
  if (SDL_GetDesktopDisplayMode(0, &desk) == 0) {
    static const std::vector<TDisplaySize> kGameSizes = {
        {1366, 768}, {1360, 768}, {1280, 768}, {1280, 800}, {1280, 720}, {1024, 768}};
    modes = WithSizesFittingDesktop(modes, {desk.w, desk.h}, kGameSizes);
  }
  return modes;
}
