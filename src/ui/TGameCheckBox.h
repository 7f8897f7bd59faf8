#pragma once
#include <functional>
#include <string>

#include "engine/TComponent.h"
#include "platform/IWindow.h"

class TOmegaImageList;

// A check box from a four-pattern image: unchecked, unchecked hovered, checked, checked hovered.
class TGameCheckBox : public TComponent {
 public:
  explicit TGameCheckBox(TOmegaImageList& images) : OmgImgList(images) {}

  std::string ImageName;
  int Left = 0, Top = 0;
  int Width = 30, Height = 15;
  bool Checked = false;
  std::function<void(TGameCheckBox& sender)> OnClick;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  // The cursor it wants while the mouse is over it; the window that owns it shows it.
  std::function<void(TCursorKind kind)> RequestCursor;

  void MouseMove(int x, int y);
  void MouseDown(int x, int y, bool leftButton);
  void Draw();
  bool Hovered() const { return Hover; }
  void SetPosition(int left, int top) { Left = left, Top = top; }

 private:
  TOmegaImageList& OmgImgList;
  bool Hover = false;
};
