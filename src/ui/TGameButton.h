#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "engine/TComponent.h"
#include "platform/IWindow.h"

class TOmegaImageList;

// A push button drawn from a two-pattern image: 0 enabled, 1 disabled.
class TGameButton : public TComponent {
 public:
  using TEvent = std::function<void(TGameButton& sender)>;

  explicit TGameButton(TOmegaImageList& images) : OmgImgList(images) {}

  std::string ImageName;
  int Left = 0, Top = 0;
  bool Visible = true;
  bool Enabled = true;
  int Tag = 0;
  float PushedSizeRatio = 0.97f;
  int HighlightAlpha = 50;
  // How much of its alpha a disabled button keeps when its picture has no disabled pattern.
  float DisabledFade = 0.45f;
  TEvent OnClick, OnActivate, OnDeactivate, OnMouseRangeOn, OnMouseRangeOff;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  // The cursor it wants while the mouse is over it; the window that owns it shows it.
  std::function<void(TCursorKind kind)> RequestCursor;

  // Takes the button's size from its image once the image is loaded.
  void ReloadSize();
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Hovered() const { return Hover; }
  bool Pressed() const { return IsPressed; }

  bool HitTest(int x, int y) const;
  void MouseDown(int x, int y, bool leftButton);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y);
  void CheckRange(int x, int y);
  void CheckRangeOff(int x, int y);
  void Draw(std::uint8_t alpha = 255);
  void SetPosition(int left, int top) { Left = left, Top = top; }

 private:
  TOmegaImageList& OmgImgList;
  int FWidth = 100, FHeight = 50;
  bool Hover = false, IsPressed = false;
};
