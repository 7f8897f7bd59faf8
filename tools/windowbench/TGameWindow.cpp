#include "TGameWindow.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "platform/TWindowGeometry.h"

namespace {
// XTest events go through the server's queue; a short pause keeps a press and its release
// in separate frames of the game, as a real hand does.
void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

int ShiftOf(unsigned long mask) {
  int shift = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

bool OwnedBy(Display* d, Window w, Atom pidAtom, int pid) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                         &data) != Success || !data)
    return false;
  const bool owned = format == 32 && count == 1 && static_cast<int>(*reinterpret_cast<unsigned long*>(data)) == pid;
  XFree(data);
  return owned;
}

// Depth first: a window manager, when there is one, puts its frame between root and the game.
Window FindOwned(Display* d, Window w, Atom pidAtom, int pid, int depth) {
  XWindowAttributes a;
  if (XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable && OwnedBy(d, w, pidAtom, pid))
    return w;
  if (depth > 3) return 0;
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(d, w, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = count; i-- > 0 && !found;) found = FindOwned(d, children[i], pidAtom, pid, depth + 1);
  if (children) XFree(children);
  return found;
}

// A window that goes away between two requests must not end the probe.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }
}  // namespace

TGameWindow::TGameWindow() = default;

TGameWindow::~TGameWindow() {
  ReleaseShm();
  if (Dpy) XCloseDisplay(Dpy);
}

bool TGameWindow::Open(std::string& error) {
  Dpy = XOpenDisplay(nullptr);
  if (!Dpy) {
    error = "cannot open the X display (DISPLAY is unset or the server is gone)";
    return false;
  }
  XSetErrorHandler(IgnoreErrors);
  int event, errorBase, major, minor;
  if (!XTestQueryExtension(Dpy, &event, &errorBase, &major, &minor)) {
    error = "the X server has no XTest extension";
    return false;
  }
  ShmUsable = XShmQueryExtension(Dpy);
  return true;
}

bool TGameWindow::Find(int pid) {
  Atom pidAtom = XInternAtom(Dpy, "_NET_WM_PID", True);
  if (pidAtom == None) return false;
  ::Window w = FindOwned(Dpy, DefaultRootWindow(Dpy), pidAtom, pid, 0);
  if (!w) return false;
  XWindowAttributes a;
  if (!XGetWindowAttributes(Dpy, w, &a)) return false;
  ::Window child;
  if (!XTranslateCoordinates(Dpy, w, DefaultRootWindow(Dpy), 0, 0, &Left, &Top, &child))
    return false;
  if (w != Handle || a.width != Width || a.height != Height) ReleaseShm();
  Handle = w;
  Width = a.width;
  Height = a.height;
  return true;
}

bool TGameWindow::WindowManagerRuns() {
  Atom check = XInternAtom(Dpy, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  const bool set = XGetWindowProperty(Dpy, DefaultRootWindow(Dpy), check, 0, 1, False, XA_WINDOW,
                                      &type, &format, &count, &after, &data) == Success &&
                   data && count == 1;
  if (data) XFree(data);
  return set;
}

void TGameWindow::ReleaseShm() {
  if (!ShmImage) return;
  auto* info = static_cast<XShmSegmentInfo*>(ShmInfo);
  XShmDetach(Dpy, info);
  XDestroyImage(ShmImage);
  shmdt(info->shmaddr);
  delete info;
  ShmImage = nullptr;
  ShmInfo = nullptr;
}

bool TGameWindow::Grab(TPicture& out) {
  if (!Handle) return false;
  XImage* image = nullptr;
  if (ShmUsable && !ShmImage) {
    XWindowAttributes a;
    XGetWindowAttributes(Dpy, Handle, &a);
    auto* info = new XShmSegmentInfo{};
    ShmImage = XShmCreateImage(Dpy, a.visual, a.depth, ZPixmap, nullptr, info, Width, Height);
    if (ShmImage) info->shmid = shmget(IPC_PRIVATE, ShmImage->bytes_per_line * ShmImage->height,
                                       IPC_CREAT | 0600);
    if (!ShmImage || info->shmid < 0) {
      if (ShmImage) XDestroyImage(ShmImage);
      ShmImage = nullptr;
      delete info;
      ShmUsable = false;
    } else {
      info->shmaddr = ShmImage->data = static_cast<char*>(shmat(info->shmid, nullptr, 0));
      info->readOnly = False;
      XShmAttach(Dpy, info);
      XSync(Dpy, False);
      // Marked for removal now: it goes when both sides have let go, even on a crash.
      shmctl(info->shmid, IPC_RMID, nullptr);
      ShmInfo = info;
    }
  }
  if (ShmImage && XShmGetImage(Dpy, Handle, ShmImage, 0, 0, AllPlanes)) {
    image = ShmImage;
  } else {
    image = XGetImage(Dpy, Handle, 0, 0, Width, Height, AllPlanes, ZPixmap);
    if (!image) return false;
  }
  out.Resize(image->width, image->height);
  const int rs = ShiftOf(image->red_mask), gs = ShiftOf(image->green_mask), bs = ShiftOf(image->blue_mask);
  const bool fast = image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
  for (int y = 0; y < image->height; ++y) {
    std::uint8_t* o = out.Row(y);
    const auto* row = reinterpret_cast<const std::uint32_t*>(image->data + y * image->bytes_per_line);
    for (int x = 0; x < image->width; ++x, o += 4) {
      unsigned long p = fast ? row[x] : XGetPixel(image, x, y);
      o[0] = static_cast<std::uint8_t>((p & image->red_mask) >> rs);
      o[1] = static_cast<std::uint8_t>((p & image->green_mask) >> gs);
      o[2] = static_cast<std::uint8_t>((p & image->blue_mask) >> bs);
      o[3] = 255;
    }
  }
  if (image != ShmImage) XDestroyImage(image);
  return true;
}

void TGameWindow::PictureArea(int& left, int& top, int& width, int& height) const {
  double scale, ox, oy;
  TWindowGeometry::Letterbox(Width, Height, LogicalWidth, LogicalHeight, scale, ox, oy);
  left = static_cast<int>(ox);
  top = static_cast<int>(oy);
  width = static_cast<int>(LogicalWidth * scale + 0.5);
  height = static_cast<int>(LogicalHeight * scale + 0.5);
}

void TGameWindow::ToScreen(double x, double y, int& sx, int& sy) const {
  double scale, ox, oy;
  TWindowGeometry::Letterbox(Width, Height, LogicalWidth, LogicalHeight, scale, ox, oy);
  sx = Left + static_cast<int>(std::lround(ox + x * scale));
  sy = Top + static_cast<int>(std::lround(oy + y * scale));
}

void TGameWindow::Flush() { XSync(Dpy, False); }

void TGameWindow::MoveTo(double x, double y) {
  int sx, sy;
  ToScreen(x, y, sx, sy);
  XTestFakeMotionEvent(Dpy, DefaultScreen(Dpy), sx, sy, CurrentTime);
  Flush();
}

void TGameWindow::Button(bool down) {
  XTestFakeButtonEvent(Dpy, 1, down ? True : False, CurrentTime);
  Flush();
}

void TGameWindow::Click(double x, double y) {
  MoveTo(x, y);
  Pause(60);
  Button(true);
  Pause(60);
  Button(false);
}

void TGameWindow::Drag(double x0, double y0, double x1, double y1) {
  MoveTo(x0, y0);
  Pause(40);
  Button(true);
  constexpr int kSteps = 6;
  for (int i = 1; i <= kSteps; ++i) {
    Pause(20);
    MoveTo(x0 + (x1 - x0) * i / kSteps, y0 + (y1 - y0) * i / kSteps);
  }
  Pause(40);
  Button(false);
}

bool TGameWindow::Key(const std::string& name) {
  KeySym sym = XStringToKeysym(name.c_str());
  KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(Dpy, sym);
  if (!code) return false;
  // Keys reach the window with the focus; without a window manager nobody gives it.
  if (Handle) XSetInputFocus(Dpy, Handle, RevertToParent, CurrentTime);
  const bool shift = XkbKeycodeToKeysym(Dpy, code, 0, 0) != sym &&
                     XkbKeycodeToKeysym(Dpy, code, 0, 1) == sym;
  KeyCode shiftCode = XKeysymToKeycode(Dpy, XK_Shift_L);
  if (shift) XTestFakeKeyEvent(Dpy, shiftCode, True, CurrentTime);
  XTestFakeKeyEvent(Dpy, code, True, CurrentTime);
  Flush();
  Pause(30);
  XTestFakeKeyEvent(Dpy, code, False, CurrentTime);
  if (shift) XTestFakeKeyEvent(Dpy, shiftCode, False, CurrentTime);
  Flush();
  Pause(30);
  return true;
}

bool TGameWindow::Type(const std::string& text) {
  for (char c : text) {
    std::string name = c == ' ' ? "space" : std::string(1, c);
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ') return false;
    if (!Key(name)) return false;
  }
  return true;
}

std::string TGameWindow::Describe() const {
  return std::to_string(Left) + " " + std::to_string(Top) + " " + std::to_string(Width) + " " +
         std::to_string(Height);
}
