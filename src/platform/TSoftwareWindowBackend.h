#pragma once
#include <SDL.h>

#include "platform/TSoftwareBackend.h"

// The software back end shown in an SDL window through its surface: only the rectangles that
// changed are copied and sent to the display. A window of another size gets the frame
// scaled, keeping its shape, between black bars.
class TSoftwareWindowBackend : public TSoftwareBackend {
 public:
  explicit TSoftwareWindowBackend(SDL_Window* window);
  ~TSoftwareWindowBackend() override;
  void Refresh() override;
  TSoftwareWindowBackend(const TSoftwareWindowBackend&) = delete;
  TSoftwareWindowBackend& operator=(const TSoftwareWindowBackend&) = delete;

 protected:
  void Present(const std::vector<TPixelRect>& damage) override;

 private:
  static int OnWindowEvent(void* self, SDL_Event* event);
  void PresentScaled(SDL_Surface* target);
  static bool SameLayout(const SDL_Surface* s);
  SDL_Window* Window;
  bool ShowAll = true;  // the window was resized, uncovered or is new
};
