#pragma once
#include "platform/TSdlRendererBackend.h"

// Draws into a back-buffer texture of the chosen display-mode size and presents it,
// scaled and letter-boxed, into the window (which may be a desktop-size full-screen one).
class TSdlWindowBackend : public TSdlRendererBackend {
 public:
  explicit TSdlWindowBackend(SDL_Window* window) : Window(window) {}
  ~TSdlWindowBackend() override;
  bool Open(int width, int height, bool fullScreen) override;
  bool Reset(int width, int height, bool fullScreen) override;
  bool BeginFrame() override;
  void EndFrame() override;
  bool ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& width, int& height) override;

 private:
  SDL_Window* Window;
  SDL_Texture* BackBuffer = nullptr;
  int Width = 0, Height = 0;
};
