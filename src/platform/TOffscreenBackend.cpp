#include "platform/TOffscreenBackend.h"

TOffscreenBackend::~TOffscreenBackend() { Release(); }

void TOffscreenBackend::Release() {
  DestroyAllTextures();
  if (Renderer) SDL_DestroyRenderer(Renderer);
  Renderer = nullptr;
  if (Surface) SDL_FreeSurface(Surface);
  Surface = nullptr;
}

bool TOffscreenBackend::Open(int width, int height, bool) {
  Release();
  Surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!Surface) return false;
  Renderer = SDL_CreateSoftwareRenderer(Surface);
  ViewWidth = static_cast<float>(width);
  ViewHeight = static_cast<float>(height);
  return Renderer != nullptr;
}

bool TOffscreenBackend::Reset(int width, int height, bool) {
  if (Surface && Surface->w == width && Surface->h == height) return true;
  // A new surface needs a new renderer, and textures belong to their renderer.
  if (!Surface) return Open(width, height, false);
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!s) return false;
  SDL_Surface* old = Surface;
  Surface = s;
  SDL_DestroyRenderer(Renderer);
  DestroyAllTextures();
  Renderer = SDL_CreateSoftwareRenderer(Surface);
  ViewWidth = static_cast<float>(width);
  ViewHeight = static_cast<float>(height);
  SDL_FreeSurface(old);
  return Renderer != nullptr;
}

void TOffscreenBackend::EndFrame() {
  if (Renderer) SDL_RenderPresent(Renderer);
}

bool TOffscreenBackend::ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& width, int& height) {
  if (!Renderer || !Surface) return false;
  width = Surface->w;
  height = Surface->h;
  return ReadTarget(rgba, width, height);
}
