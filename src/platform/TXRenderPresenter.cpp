#include "platform/TXRenderPresenter.h"

#if WENDMOOR_HAVE_XRENDER
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrender.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstring>

namespace {
// Set by the handler while a request that may fail is tried.
bool RequestFailed = false;
int NoteFailure(Display*, XErrorEvent*) {
  RequestFailed = true;
  return 0;
}
}  // namespace

struct TXRenderPresenter::TX {
  Display* Dpy = nullptr;
  Window Win = 0;
  Pixmap Frame = 0;
  GC Gc = nullptr;
  Picture Source = 0, Target = 0;
  XImage* Image = nullptr;
  XShmSegmentInfo Shm{};
  bool Attached = false;

  ~TX() {
    if (!Dpy) return;
    if (Source) XRenderFreePicture(Dpy, Source);
    if (Target) XRenderFreePicture(Dpy, Target);
    if (Gc) XFreeGC(Dpy, Gc);
    if (Frame) XFreePixmap(Dpy, Frame);
    if (Attached) XShmDetach(Dpy, &Shm);
    XSync(Dpy, False);
    if (Image) XDestroyImage(Image);
    if (Shm.shmaddr && Shm.shmaddr != reinterpret_cast<char*>(-1)) shmdt(Shm.shmaddr);
  }
};

std::unique_ptr<TXRenderPresenter> TXRenderPresenter::Make(SDL_Window* window, int frameWidth,
                                                           int frameHeight) {
  if (!window || frameWidth <= 0 || frameHeight <= 0) return nullptr;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
  auto x = std::make_unique<TX>();
  Display* d = info.info.x11.display;
  int event, error, major, minor;
  Bool pixmaps;
  if (!XRenderQueryExtension(d, &event, &error) || !XShmQueryVersion(d, &major, &minor, &pixmaps))
    return nullptr;
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, info.info.x11.window, &a) || (a.depth != 24 && a.depth != 32))
    return nullptr;
  XRenderPictFormat* format = XRenderFindVisualFormat(d, a.visual);
  if (!format) return nullptr;
  x->Dpy = d;
  x->Win = info.info.x11.window;
  // Our frame's words must be the server's pixels as they are.
  x->Image = XShmCreateImage(d, a.visual, a.depth, ZPixmap, nullptr, &x->Shm, frameWidth, frameHeight);
  if (!x->Image || x->Image->bits_per_pixel != 32 || x->Image->byte_order != LSBFirst ||
      x->Image->red_mask != 0xFF0000 || x->Image->green_mask != 0xFF00 ||
      x->Image->blue_mask != 0xFF || x->Image->bytes_per_line != frameWidth * 4)
    return nullptr;
  x->Shm.shmid = shmget(IPC_PRIVATE, std::size_t(x->Image->bytes_per_line) * frameHeight, IPC_CREAT | 0600);
  if (x->Shm.shmid < 0) return nullptr;
  x->Shm.shmaddr = x->Image->data = static_cast<char*>(shmat(x->Shm.shmid, nullptr, 0));
  if (x->Shm.shmaddr == reinterpret_cast<char*>(-1)) {
    shmctl(x->Shm.shmid, IPC_RMID, nullptr);
    x->Image->data = nullptr;
    return nullptr;
  }
  x->Shm.readOnly = True;
  // A server on another machine cannot attach our memory: that shows as an error.
  XSync(d, False);
  RequestFailed = false;
  int (*previous)(Display*, XErrorEvent*) = XSetErrorHandler(NoteFailure);
  x->Attached = XShmAttach(d, &x->Shm);
  XSync(d, False);
  XSetErrorHandler(previous);
  // Gone as soon as both sides let go, even after a crash.
  shmctl(x->Shm.shmid, IPC_RMID, nullptr);
  if (!x->Attached || RequestFailed) {
    x->Attached = false;
    return nullptr;
  }
  x->Frame = XCreatePixmap(d, x->Win, frameWidth, frameHeight, a.depth);
  x->Gc = XCreateGC(d, x->Frame, 0, nullptr);
  // Smooth, and the edge pixels carried on beyond the frame, as our own scaler does.
  XRenderPictureAttributes pa{};
  pa.repeat = RepeatPad;
  x->Source = XRenderCreatePicture(d, x->Frame, format, CPRepeat, &pa);
  XRenderSetPictureFilter(d, x->Source, FilterBilinear, nullptr, 0);
  x->Target = XRenderCreatePicture(d, x->Win, format, 0, nullptr);
  return std::unique_ptr<TXRenderPresenter>(
      new TXRenderPresenter(std::move(x), frameWidth, frameHeight));
}

TXRenderPresenter::TXRenderPresenter(std::unique_ptr<TX> x, int w, int h)
    : X(std::move(x)), FrameW(w), FrameH(h) {}

TXRenderPresenter::~TXRenderPresenter() = default;

void TXRenderPresenter::SetArea(const SDL_Rect& area) {
  if (area.x == Area.x && area.y == Area.y && area.w == Area.w && area.h == Area.h) return;
  Area = area;
  Reach.Configure(FrameW, FrameH, area.w, area.h);
  // Window pixels to frame pixels: the server samples each target pixel's centre there.
  XTransform t{};
  t.matrix[0][0] = XDoubleToFixed(double(FrameW) / area.w);
  t.matrix[1][1] = XDoubleToFixed(double(FrameH) / area.h);
  t.matrix[2][2] = XDoubleToFixed(1);
  XRenderSetPictureTransform(X->Dpy, X->Source, &t);
}

void TXRenderPresenter::Present(const std::uint32_t* frame, const std::vector<TPixelRect>& damage,
                                const SDL_Rect& area, bool all, int windowWidth, int windowHeight) {
  if (!frame || area.w <= 0 || area.h <= 0) return;
  SetArea(area);
  // The server has read the last frame's pixels before they are overwritten.
  XSync(X->Dpy, False);
  const std::vector<TPixelRect> whole{TPixelRect{0, 0, FrameW, FrameH}};
  const std::vector<TPixelRect>& parts = all ? whole : damage;
  auto* shared = reinterpret_cast<std::uint32_t*>(X->Image->data);
  for (const TPixelRect& r : parts) {
    const TPixelRect c = r.Intersect(whole[0]);
    if (c.Empty()) continue;
    for (int y = c.Y0; y < c.Y1; ++y)
      std::memcpy(shared + std::size_t(y) * FrameW + c.X0, frame + std::size_t(y) * FrameW + c.X0,
                  std::size_t(c.X1 - c.X0) * 4);
    XShmPutImage(X->Dpy, X->Frame, X->Gc, X->Image, c.X0, c.Y0, c.X0, c.Y0, c.X1 - c.X0,
                 c.Y1 - c.Y0, False);
  }
  if (all) {
    const XRenderColor black{0, 0, 0, 0xFFFF};
    XRenderFillRectangle(X->Dpy, PictOpSrc, X->Target, &black, 0, 0,
                         static_cast<unsigned>(std::max(1, windowWidth)),
                         static_cast<unsigned>(std::max(1, windowHeight)));
  }
  for (const TPixelRect& r : parts) {
    TPixelRect p = {0, 0, area.w, area.h};
    if (!all) {
      // The server's smooth sample reads as far as ours does; a pixel more for its rounding.
      const TPixelRect reach = Reach.Reach(r);
      if (reach.Empty()) continue;
      p = TPixelRect{reach.X0 - 1, reach.Y0 - 1, reach.X1 + 1, reach.Y1 + 1}.Intersect(p);
    }
    XRenderComposite(X->Dpy, PictOpSrc, X->Source, None, X->Target, p.X0, p.Y0, 0, 0,
                     area.x + p.X0, area.y + p.Y0, static_cast<unsigned>(p.X1 - p.X0),
                     static_cast<unsigned>(p.Y1 - p.Y0));
  }
  XFlush(X->Dpy);
}

#else

struct TXRenderPresenter::TX {};

std::unique_ptr<TXRenderPresenter> TXRenderPresenter::Make(SDL_Window*, int, int) { return nullptr; }
TXRenderPresenter::TXRenderPresenter(std::unique_ptr<TX> x, int w, int h)
    : X(std::move(x)), FrameW(w), FrameH(h) {}
TXRenderPresenter::~TXRenderPresenter() = default;
void TXRenderPresenter::SetArea(const SDL_Rect&) {}
void TXRenderPresenter::Present(const std::uint32_t*, const std::vector<TPixelRect>&,
                                const SDL_Rect&, bool, int, int) {}

#endif
