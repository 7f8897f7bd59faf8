#include "platform/TSoftwareWindowBackend.h"

#include <algorithm>
#include <cstring>

#include "platform/TWindowGeometry.h"

TSoftwareWindowBackend::TSoftwareWindowBackend(SDL_Window* window, IWindow* shown)
    : Window(window), Shown(shown) {
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
  const int w = FrameWidth(), h = FrameHeight();
  // The X server scales for us where it can; tried once for each frame size.
  if (ServerScaling && (!ServerTried || (Server && (Server->FrameWidth() != w ||
                                                     Server->FrameHeight() != h)))) {
    ServerTried = true;
    Server = TXRenderPresenter::Make(Window, w, h);
    ShowAll = true;
  }
  SDL_Surface* target = Server ? nullptr : SDL_GetWindowSurface(Window);
  if (!Server && !target) return;
  // The frame keeps its shape in the part of the window that is really shown.
  int windowW = 0, windowH = 0;
  if (target) windowW = target->w, windowH = target->h;
  else SDL_GetWindowSize(Window, &windowW, &windowH);
  int areaW = windowW, areaH = windowH;
  if (Shown) {
    int sw = 0, sh = 0;
    Shown->GetClientSize(sw, sh);
    if (sw > 0 && sh > 0) areaW = std::min(areaW, sw), areaH = std::min(areaH, sh);
  }
  double scale, ox, oy;
  TWindowGeometry::Letterbox(areaW, areaH, w, h, scale, ox, oy);
  const SDL_Rect area{static_cast<int>(ox), static_cast<int>(oy),
                      std::min(areaW, static_cast<int>(w * scale + 0.5)),
                      std::min(areaH, static_cast<int>(h * scale + 0.5))};
  if (area.x != LastArea.x || area.y != LastArea.y || area.w != LastArea.w || area.h != LastArea.h) {
    LastArea = area;
    ShowAll = true;
  }
  if (damage.empty() && !ShowAll) return;
  if (Server) {
    Server->Present(FramePixels(), damage, area, ShowAll, windowW, windowH);
    ShowAll = false;
    return;
  }
  if (!SameLayout(target)) {
    PresentConverted(target, area);
    ShowAll = false;
    return;
  }
  Scaler.Configure(w, h, area.w, area.h);
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  const int pitch = target->pitch / 4;
  auto* pixels = static_cast<std::uint32_t*>(target->pixels);
  std::uint32_t* origin = pixels + std::size_t(area.y) * pitch + area.x;
  std::vector<SDL_Rect> rects;
  if (ShowAll) {
    // Black bars round the frame, then all of it.
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    Scaler.Scale(FramePixels(), w, origin, pitch, {0, 0, area.w, area.h});
    rects.push_back({0, 0, target->w, target->h});
  } else {
    rects.reserve(damage.size());
    for (const TPixelRect& d : damage) {
      const TPixelRect part = Scaler.Reach(d);
      if (part.Empty()) continue;
      Scaler.Scale(FramePixels(), w, origin, pitch, part);
      rects.push_back({area.x + part.X0, area.y + part.Y0, part.X1 - part.X0, part.Y1 - part.Y0});
    }
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  if (!rects.empty()) SDL_UpdateWindowSurfaceRects(Window, rects.data(), static_cast<int>(rects.size()));
  ShowAll = false;
}

bool TSoftwareWindowBackend::SameLayout(const SDL_Surface* s) {
  return s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000 &&
         s->format->Gmask == 0xFF00 && s->format->Bmask == 0xFF;
}

// A surface of another pixel layout: the blitter converts the whole frame each time.
void TSoftwareWindowBackend::PresentConverted(SDL_Surface* target, const SDL_Rect& area) {
  const int w = FrameWidth(), h = FrameHeight();
  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint32_t*>(FramePixels()), w, h, 32, w * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!frame) return;
  SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
  SDL_Rect dst = area;
  SDL_SetSurfaceBlendMode(frame, SDL_BLENDMODE_NONE);
  SDL_BlitScaled(frame, nullptr, target, &dst);
  SDL_FreeSurface(frame);
  SDL_UpdateWindowSurface(Window);
}
