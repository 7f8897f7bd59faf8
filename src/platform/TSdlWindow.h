#pragma once
#include <SDL.h>

#include <cstdint>

#include "platform/IWindow.h"

class TSdlWindow : public IWindow {
 public:
  TSdlWindow(const std::string& title, int width, int height);
  ~TSdlWindow() override;
  bool Valid() const { return Window != nullptr; }
  SDL_Window* Handle() const { return Window; }

  void SetTitle(const std::string& title) override;
  void SetBordered(bool bordered) override;
  void SetStayOnTop(bool onTop) override;
  void SetPosition(int left, int top) override;
  void GetPosition(int& left, int& top) override;
  void SetClientSize(int width, int height) override;
  void GetClientSize(int& width, int& height) override;
  void SetFullScreenDesktop(bool on) override;
  bool IsFullScreenDesktop() override;
  void Minimize() override;
  bool IsMinimized() override;
  void Show() override;
  void SetCursor(TCursorKind kind) override;
  void SetBackBufferSize(int width, int height) override;
  void WindowToBackBuffer(double wx, double wy, double& bx, double& by) override;

 private:
  static int OnWindowEvent(void* self, SDL_Event* event);
  // The size the display server gives the window, asked again after any change to it.
  bool RealSize(int& width, int& height);
  SDL_Window* Window = nullptr;
  bool RealKnown = false;
  int RealW = 0, RealH = 0;
  std::uint32_t RealAskedAt = 0;
  SDL_Cursor* ArrowCursor = nullptr;
  SDL_Cursor* HandCursor = nullptr;
  int BufferW = 0, BufferH = 0;
};
