#pragma once
#include "platform/IWindow.h"

// A window that exists only as numbers: for headless runs and tests.
class TNullWindow : public IWindow {
 public:
  void SetTitle(const std::string& title) override { Title = title; }
  void SetBordered(bool bordered) override { Bordered = bordered; }
  void SetStayOnTop(bool onTop) override { StayOnTop = onTop; }
  void SetPosition(int left, int top) override { Left = left, Top = top; }
  void GetPosition(int& left, int& top) override { left = Left, top = Top; }
  void SetClientSize(int width, int height) override {
    if (!FullScreen) Width = width, Height = height;
  }
  void GetClientSize(int& width, int& height) override {
    width = FullScreen ? DesktopWidth : Width;
    height = FullScreen ? DesktopHeight : Height;
  }
  void SetFullScreenDesktop(bool on) override { FullScreen = on; }
  bool IsFullScreenDesktop() override { return FullScreen; }
  void Minimize() override {
    ++MinimizeCount;
    Minimized = true;
  }
  bool IsMinimized() override { return Minimized; }
  void Show() override { Shown = true; }
  void SetCursor(TCursorKind kind) override { Cursor = kind; }
  void SetBackBufferSize(int width, int height) override { BufferW = width, BufferH = height; }
  void WindowToBackBuffer(double wx, double wy, double& bx, double& by) override;

  std::string Title;
  bool Minimized = false, Bordered = false, StayOnTop = false, FullScreen = false, Shown = false;
  int Left = 0, Top = 0, Width = 1366, Height = 768;
  int DesktopWidth = 1366, DesktopHeight = 768;
  int BufferW = 1366, BufferH = 768;
  int MinimizeCount = 0;
  TCursorKind Cursor = TCursorKind::Arrow;
};
