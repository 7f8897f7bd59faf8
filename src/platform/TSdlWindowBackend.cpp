#include "platform/TSdlWindowBackend.h"

TSdlWindowBackend::~TSdlWindowBackend() {
  DestroyAllTextures();
  if (BackBuffer) SDL_DestroyTexture(BackBuffer);
  if (Renderer) SDL_DestroyRenderer(Renderer);
}

bool TSdlWindowBackend::Open(int width, int height, bool) {
  if (!Window) return false;
  Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
  if (!Renderer) Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_SOFTWARE);
  if (!Renderer) return false;
  return Reset(width, height, false);
}

bool TSdlWindowBackend::Reset(int width, int height, bool) {
  if (!Renderer) return false;
  if (BackBuffer && width == Width && height == Height) return true;
  if (BackBuffer) SDL_DestroyTexture(BackBuffer);
  BackBuffer = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                 width, height);
  if (!BackBuffer) return false;
  SDL_SetTextureScaleMode(BackBuffer, SDL_ScaleModeLinear);
  Width = width;
  Height = height;
  ViewWidth = static_cast<float>(width);
  ViewHeight = static_cast<float>(height);
  return true;
}

bool TSdlWindowBackend::BeginFrame() {
  if (!Renderer || !BackBuffer) return false;
  return SDL_SetRenderTarget(Renderer, BackBuffer) == 0;
}

void TSdlWindowBackend::EndFrame() {
  if (!Renderer || !BackBuffer) return;
  SDL_SetRenderTarget(Renderer, nullptr);
  int outW = 0, outH = 0;
  SDL_GetRendererOutputSize(Renderer, &outW, &outH);
  SDL_SetRenderDrawColor(Renderer, 0, 0, 0, 255);
  SDL_RenderClear(Renderer);
  // Keep the aspect: a desktop of another shape gets black bars.
  double sx = static_cast<double>(outW) / Width, sy = static_cast<double>(outH) / Height;
  double s = sx < sy ? sx : sy;
  int w = static_cast<int>(Width * s + 0.5), h = static_cast<int>(Height * s + 0.5);
  SDL_Rect dst{(outW - w) / 2, (outH - h) / 2, w, h};
  SDL_RenderCopy(Renderer, BackBuffer, nullptr, &dst);
  SDL_RenderPresent(Renderer);
}

bool TSdlWindowBackend::ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& width, int& height) {
  if (!Renderer || !BackBuffer) return false;
  SDL_Texture* previous = SDL_GetRenderTarget(Renderer);
  SDL_SetRenderTarget(Renderer, BackBuffer);
  width = Width;
  height = Height;
  bool ok = ReadTarget(rgba, width, height);
  SDL_SetRenderTarget(Renderer, previous);
  return ok;
}
