#pragma once
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/TFrameScaler.h"

// Shows a frame in an X window with the X server doing the scaling (XRender): only the
// changed rectangles of the frame, at the frame's own size, go to the server through shared
// memory, and the server stretches them smoothly into the window. Our process then neither
// scales nor holds a window-sized picture, whatever the screen's size; where the server has
// a GPU it scales there.
class TXRenderPresenter {
 public:
  // Nothing when the window is not on X, or the server lacks XRender or shared memory (a
  // remote display, say): the caller scales by itself then.
  static std::unique_ptr<TXRenderPresenter> Make(SDL_Window* window, int frameWidth,
                                                 int frameHeight);
  ~TXRenderPresenter();
  TXRenderPresenter(const TXRenderPresenter&) = delete;
  TXRenderPresenter& operator=(const TXRenderPresenter&) = delete;

  int FrameWidth() const { return FrameW; }
  int FrameHeight() const { return FrameH; }
  // The frame (rows `FrameWidth` pixels apart) lands in `area` of the window; with `all`
  // the rest of the window is painted black and the whole frame is shown, otherwise only
  // what the damaged rectangles reach.
  void Present(const std::uint32_t* frame, const std::vector<TPixelRect>& damage,
               const SDL_Rect& area, bool all, int windowWidth, int windowHeight);

 private:
  struct TX;
  explicit TXRenderPresenter(std::unique_ptr<TX> x, int w, int h);
  void SetArea(const SDL_Rect& area);
  std::unique_ptr<TX> X;
  int FrameW, FrameH;
  SDL_Rect Area{0, 0, 0, 0};
  TFrameScaler Reach;  // which window pixels a changed rectangle reaches
};
