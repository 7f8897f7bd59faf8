#pragma once
#include <SDL.h>

#include <memory>
#include <string>

#include "platform/IRenderBackend.h"
#include "platform/IWindow.h"

// Which back end draws the window. Our software one costs least wherever the GPU is
// emulated (no GPU, a virtual display, llvmpipe) and nearly nothing on a still screen; SDL's
// accelerated renderer can be forced with WENDMOOR_RENDERER=accelerated.
class TRendererChoice {
 public:
  enum class TKind { Software, Accelerated };
  // From the setting's text; anything unknown or missing is the software back end.
  static TKind FromSetting(const char* setting);
  static const char* NameOf(TKind kind);
  // `shown` tells the area the window really has on the screen.
  static std::unique_ptr<IRenderBackend> Make(TKind kind, SDL_Window* window, IWindow* shown);
};
