#pragma once
#include <memory>
#include <string>

#include "ui/TGameButton.h"
#include "ui/TGameCheckBox.h"
#include "ui/TGameMenuWindow.h"

class TOmegaImageList;

// Makes the shell's buttons, check boxes and sliding windows, all over the one image list.
class TWidgetMaker {
 public:
  explicit TWidgetMaker(TOmegaImageList& images) : Images(images) {}

  std::unique_ptr<TGameButton> Button(const std::string& image, int left, int top) const;
  // Hidden at first; it slides between (left, top) and (hideX, hideY) by step a frame.
  std::unique_ptr<TGameMenuWindow> Window(const std::string& image, int left, int top,
                                          int hideX, int hideY, int step, TShowDir dir) const;
  // Off-screen until its window places it.
  std::unique_ptr<TGameCheckBox> CheckBox(const std::string& image, int width, int height) const;

 private:
  TOmegaImageList& Images;
};
