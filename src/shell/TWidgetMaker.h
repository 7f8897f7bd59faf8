#pragma once
#include <functional>
#include <memory>
#include <string>

#include "ui/TGameButton.h"
#include "ui/TGameCheckBox.h"
#include "ui/TGameMenuWindow.h"

class TOmegaImageList;

// Makes the shell's buttons, check boxes and sliding windows, all over the one image list,
// the clickable ones playing through the one sound route and asking the one cursor route.
class TWidgetMaker {
 public:
  using TSoundRoute = std::function<void(const std::string& name)>;
  using TCursorRoute = std::function<void(TCursorKind kind)>;
  TWidgetMaker(TOmegaImageList& images, TSoundRoute sound, TCursorRoute cursor = {})
      : Images(images), Sound(std::move(sound)), Cursor(std::move(cursor)) {}

  std::unique_ptr<TGameButton> Button(const std::string& image, int left, int top) const;
  // Hidden at first; it slides between (left, top) and (hideX, hideY) by step a frame.
  std::unique_ptr<TGameMenuWindow> Window(const std::string& image, int left, int top,
                                          int hideX, int hideY, int step, TShowDir dir) const;
  // Off-screen until its window places it.
  std::unique_ptr<TGameCheckBox> CheckBox(const std::string& image, int width, int height) const;
  // What the widgets play through; a room's other components take the same route.
  const TSoundRoute& SoundRoute() const { return Sound; }
  // Where the widgets ask for their cursor.
  const TCursorRoute& CursorRoute() const { return Cursor; }

 private:
  TOmegaImageList& Images;
  TSoundRoute Sound;
  TCursorRoute Cursor;
};
