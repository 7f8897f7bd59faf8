#pragma once
#include <SDL.h>

#include "platform/IWindow.h"
#include "platform/TFrameScaler.h"
#include "platform/TSoftwareBackend.h"
#include "platform/TXRenderPresenter.h"

// The software back end shown in an SDL window through its surface: only the rectangles that
// changed are copied and sent to the display. A window of another size gets the frame
// scaled, keeping its shape, between black bars, and again only where it changed: by the X
// server where it can (XRender), by our own scaler otherwise.
class TSoftwareWindowBackend : public TSoftwareBackend {
 public:
  // `shown` tells the area the window really has (it may be smaller than its surface when
  // a full-screen request was not carried out); without it the surface is the area.
  explicit TSoftwareWindowBackend(SDL_Window* window, IWindow* shown = nullptr);
  ~TSoftwareWindowBackend() override;
  void Refresh() override;
  // Off: the frame is always scaled here, never by the X server.
  bool ServerScaling = true;
  TSoftwareWindowBackend(const TSoftwareWindowBackend&) = delete;
  TSoftwareWindowBackend& operator=(const TSoftwareWindowBackend&) = delete;

 protected:
  void Present(const std::vector<TPixelRect>& damage) override;

 private:
  static int OnWindowEvent(void* self, SDL_Event* event);
  void PresentConverted(SDL_Surface* target, const SDL_Rect& area);
  static bool SameLayout(const SDL_Surface* s);
  SDL_Window* Window;
  IWindow* Shown;
  TFrameScaler Scaler;
  std::unique_ptr<TXRenderPresenter> Server;
  bool ServerTried = false;
  SDL_Rect LastArea{0, 0, 0, 0};
  bool ShowAll = true;  // the window was resized, uncovered or is new
};
