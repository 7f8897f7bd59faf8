#pragma once
#include <string>

enum class TCursorKind { Arrow, Hand };

// The main window as the shell sees it.
class IWindow {
 public:
  virtual ~IWindow() = default;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetBordered(bool bordered) = 0;
  virtual void SetStayOnTop(bool onTop) = 0;
  virtual void SetPosition(int left, int top) = 0;
  virtual void GetPosition(int& left, int& top) = 0;
  virtual void SetClientSize(int width, int height) = 0;
  // The area the window really has on the screen, which is not always what was asked: a
  // window manager may refuse full screen, or there may be none to carry it out.
  virtual void GetClientSize(int& width, int& height) = 0;
  // Full screen is a borderless window the size of the desktop.
  virtual void SetFullScreenDesktop(bool on) = 0;
  virtual bool IsFullScreenDesktop() = 0;
  virtual void Minimize() = 0;
  virtual bool IsMinimized() = 0;
  virtual void Show() = 0;
  virtual void SetCursor(TCursorKind kind) = 0;
  // The back buffer is letter-boxed into the window; map a window pixel onto it.
  virtual void SetBackBufferSize(int width, int height) = 0;
  virtual void WindowToBackBuffer(double wx, double wy, double& bx, double& by) = 0;
};
