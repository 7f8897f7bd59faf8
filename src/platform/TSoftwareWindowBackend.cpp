#include "platform/TSoftwareWindowBackend.h"

#include <cstring>

TSoftwareWindowBackend::TSoftwareWindowBackend(SDL_Window* window) : Window(window) {
  // Left to itself SDL backs a window surface with a GL texture, which on an emulated GPU
  // costs more than the whole of our drawing; the plain surface (shared memory on X11) is
  // what we want.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_AddEventWatch(&TSoftwareWindowBackend::OnWindowEvent, this);
}

TSoftwareWindowBackend::~TSoftwareWindowBackend() {
  SDL_DelEventWatch(&TSoftwareWindowBackend::OnWindowEvent, this);
}

int TSoftwareWindowBackend::OnWindowEvent(void* self, SDL_Event* event) {
  auto* backend = static_cast<TSoftwareWindowBackend*>(self);
  if (event->type != SDL_WINDOWEVENT || !backend->Window ||
      event->window.windowID != SDL_GetWindowID(backend->Window))
    return 0;
  switch (event->window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
      // The frame is unchanged, but the window lost what it showed.
      backend->ShowAll = true;
      backend->InvalidateAll();
      break;
    default: break;
  }
  return 0;
}

void TSoftwareWindowBackend::Refresh() {
  if (ShowAll && FramePixels() && FrameWidth() > 0) Present({});
}

void TSoftwareWindowBackend::Present(const std::vector<TPixelRect>& damage) {
  if (!Window) return;
  SDL_Surface* target = SDL_GetWindowSurface(Window);
  if (!target) return;
  const int w = FrameWidth(), h = FrameHeight();
  if (!(target->w == w && target->h == h && SameLayout(target))) {
    PresentScaled(target);
    ShowAll = false;
    return;
  }
  const std::vector<TPixelRect> all{TPixelRect{0, 0, w, h}};
  const std::vector<TPixelRect>& areas = ShowAll ? all : damage;
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  std::vector<SDL_Rect> rects;
  rects.reserve(areas.size());
  for (const TPixelRect& a : areas) {
    for (int y = a.Y0; y < a.Y1; ++y)
      std::memcpy(static_cast<std::uint8_t*>(target->pixels) + std::size_t(y) * target->pitch +
                      std::size_t(a.X0) * 4,
                  FramePixels() + std::size_t(y) * w + a.X0, std::size_t(a.X1 - a.X0) * 4);
    rects.push_back({a.X0, a.Y0, a.X1 - a.X0, a.Y1 - a.Y0});
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  SDL_UpdateWindowSurfaceRects(Window, rects.data(), static_cast<int>(rects.size()));
  ShowAll = false;
}

bool TSoftwareWindowBackend::SameLayout(const SDL_Surface* s) {
  return s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000 &&
         s->format->Gmask == 0xFF00 && s->format->Bmask == 0xFF;
}

void TSoftwareWindowBackend::PresentScaled(SDL_Surface* target) {
  const int w = FrameWidth(), h = FrameHeight();
  // Described in the window's own format when it has our layout, so it can be stretched
  // smoothly; converted by the blitter otherwise.
  const bool same = SameLayout(target);
  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint32_t*>(FramePixels()), w, h, 32, w * 4,
      same ? target->format->format : Uint32(SDL_PIXELFORMAT_ARGB8888));
  if (!frame) return;
  SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
  // Keep the aspect: a desktop of another shape gets black bars.
  const double sx = double(target->w) / w, sy = double(target->h) / h;
  const double s = sx < sy ? sx : sy;
  const int dw = static_cast<int>(w * s + 0.5), dh = static_cast<int>(h * s + 0.5);
  SDL_Rect dst{(target->w - dw) / 2, (target->h - dh) / 2, dw, dh};
  SDL_SetSurfaceBlendMode(frame, SDL_BLENDMODE_NONE);
  if (!same || SDL_SoftStretchLinear(frame, nullptr, target, &dst) != 0)
    SDL_BlitScaled(frame, nullptr, target, &dst);
  SDL_FreeSurface(frame);
  SDL_UpdateWindowSurface(Window);
}
