#pragma once
#include <string>

#include "engine/TPicture.h"

struct _XDisplay;
struct _XImage;

// The game's window on an X screen, found by the process that owns it: its pixels as the
// screen shows them, and input given to it through XTest as a hand at the mouse and the
// keyboard would. Positions are the game's logical pixels (1366 × 768), mapped the way the
// game letterboxes its picture into a window of another size.
class TGameWindow {
 public:
  static constexpr int LogicalWidth = 1366, LogicalHeight = 768;

  TGameWindow();
  ~TGameWindow();
  TGameWindow(const TGameWindow&) = delete;
  TGameWindow& operator=(const TGameWindow&) = delete;

  // Connects to $DISPLAY; false with a message when there is no X server or no XTest.
  bool Open(std::string& error);
  // Looks for a shown top-level window whose _NET_WM_PID is pid; false while there is none.
  bool Find(int pid);
  // A window manager has announced itself on the root window.
  bool WindowManagerRuns();
  // The window's pixels, RGBA.
  bool Grab(TPicture& out);
  // The part of the window the game's picture fills (window pixels).
  void PictureArea(int& left, int& top, int& width, int& height) const;

  void MoveTo(double x, double y);
  void Button(bool down);
  void Click(double x, double y);
  // Presses at one point, moves over to the other in a few steps as a hand does, releases.
  void Drag(double x0, double y0, double x1, double y1);
  // A key by its X name ("Return", "Escape", "a").
  bool Key(const std::string& name);
  // Letters, digits and spaces, each as a key press (capitals with Shift).
  bool Type(const std::string& text);
  std::string Describe() const;

 private:
  void ToScreen(double x, double y, int& sx, int& sy) const;
  void Flush();
  void ReleaseShm();

  _XDisplay* Dpy = nullptr;
  unsigned long Handle = 0;
  int Left = 0, Top = 0, Width = 0, Height = 0;  // on the root window
  bool ShmUsable = false;
  _XImage* ShmImage = nullptr;
  void* ShmInfo = nullptr;
};
