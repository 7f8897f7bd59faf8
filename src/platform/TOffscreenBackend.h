#pragma once
#include "platform/TSdlRendererBackend.h"

// SDL's software renderer drawing into a plain surface: no video driver, no window.
// Used by the harness, benchmarks and tests.
class TOffscreenBackend : public TSdlRendererBackend {
 public:
  ~TOffscreenBackend() override;
  bool Open(int width, int height, bool fullScreen) override;
  bool Reset(int width, int height, bool fullScreen) override;
  bool BeginFrame() override { return Renderer != nullptr; }
  void EndFrame() override;
  bool ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& width, int& height) override;

 private:
  void Release();
  SDL_Surface* Surface = nullptr;
};
