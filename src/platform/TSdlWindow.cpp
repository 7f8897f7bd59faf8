#include "platform/TSdlWindow.h"

#include <algorithm>

#if WENDMOOR_HAVE_X11
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#endif

#include "platform/TTextEncoding.h"
#include "platform/TWindowGeometry.h"

TSdlWindow::TSdlWindow(const std::string& title, int width, int height) {
  Window = SDL_CreateWindow(TTextEncoding::ForSystem(title).c_str(), SDL_WINDOWPOS_CENTERED,
                            SDL_WINDOWPOS_CENTERED, width, height,
                            SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
  ArrowCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  HandCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
  BufferW = width;
  BufferH = height;
  SDL_AddEventWatch(&TSdlWindow::OnWindowEvent, this);
}

TSdlWindow::~TSdlWindow() {
  SDL_DelEventWatch(&TSdlWindow::OnWindowEvent, this);
  if (ArrowCursor) SDL_FreeCursor(ArrowCursor);
  if (HandCursor) SDL_FreeCursor(HandCursor);
  if (Window) SDL_DestroyWindow(Window);
}

void TSdlWindow::SetTitle(const std::string& title) {
  if (Window) SDL_SetWindowTitle(Window, TTextEncoding::ForSystem(title).c_str());
}
void TSdlWindow::SetBordered(bool bordered) {
  if (Window) SDL_SetWindowBordered(Window, bordered ? SDL_TRUE : SDL_FALSE);
}
void TSdlWindow::SetStayOnTop(bool onTop) {
  if (Window) SDL_SetWindowAlwaysOnTop(Window, onTop ? SDL_TRUE : SDL_FALSE);
}
void TSdlWindow::SetPosition(int left, int top) {
  if (Window) SDL_SetWindowPosition(Window, left, top);
}
void TSdlWindow::GetPosition(int& left, int& top) {
  left = top = 0;
  if (Window) SDL_GetWindowPosition(Window, &left, &top);
}
void TSdlWindow::SetClientSize(int width, int height) {
  if (Window && !IsFullScreenDesktop()) SDL_SetWindowSize(Window, width, height);
  RealKnown = false;
}
void TSdlWindow::GetClientSize(int& width, int& height) {
  width = height = 0;
  if (!Window) return;
  SDL_GetWindowSize(Window, &width, &height);
  // What is both in the window and in SDL's picture of it is what can be drawn on.
  int w, h;
  if (RealSize(w, h)) width = std::min(width, w), height = std::min(height, h);
}
void TSdlWindow::SetFullScreenDesktop(bool on) {
  if (Window) SDL_SetWindowFullscreen(Window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  RealKnown = false;
}

int TSdlWindow::OnWindowEvent(void* self, SDL_Event* event) {
  auto* w = static_cast<TSdlWindow*>(self);
  if (event->type == SDL_WINDOWEVENT && w->Window &&
      event->window.windowID == SDL_GetWindowID(w->Window))
    w->RealKnown = false;
  return 0;
}

bool TSdlWindow::RealSize(int& width, int& height) {
#if WENDMOOR_HAVE_X11
  // A window manager carries out a request late, and a grown window is only exposed: asked
  // again after every event of the window, and once a second besides.
  const std::uint32_t now = SDL_GetTicks();
  if (!RealKnown || now - RealAskedAt > 1000) {
    RealKnown = true;
    RealAskedAt = now;
    RealW = RealH = 0;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    XWindowAttributes a;
    if (SDL_GetWindowWMInfo(Window, &info) && info.subsystem == SDL_SYSWM_X11 &&
        XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &a)) {
      RealW = a.width;
      RealH = a.height;
    }
  }
  width = RealW;
  height = RealH;
  return RealW > 0 && RealH > 0;
#else
  (void)width;
  (void)height;
  return false;
#endif
}
bool TSdlWindow::IsFullScreenDesktop() {
  return Window && (SDL_GetWindowFlags(Window) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
                       SDL_WINDOW_FULLSCREEN_DESKTOP;
}
void TSdlWindow::Minimize() {
  if (Window) SDL_MinimizeWindow(Window);
}
bool TSdlWindow::IsMinimized() {
  return Window && (SDL_GetWindowFlags(Window) & SDL_WINDOW_MINIMIZED) != 0;
}
void TSdlWindow::Show() {
  if (Window) SDL_ShowWindow(Window);
}
void TSdlWindow::SetCursor(TCursorKind kind) {
  SDL_Cursor* c = kind == TCursorKind::Hand ? HandCursor : ArrowCursor;
  if (c) SDL_SetCursor(c);
}
void TSdlWindow::SetBackBufferSize(int width, int height) {
  BufferW = width;
  BufferH = height;
}
void TSdlWindow::WindowToBackBuffer(double wx, double wy, double& bx, double& by) {
  int w = BufferW, h = BufferH;
  GetClientSize(w, h);
  TWindowGeometry::WindowToBuffer(w, h, BufferW, BufferH, wx, wy, bx, by);
}
