#include "platform/TSdlMessageBoxes.h"

#include <SDL.h>

#include <cstdio>

TMessageResult TSdlMessageBoxes::Show(const std::string& caption, const std::string& text,
                                      TMessageButtons buttons, bool error) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  SDL_MessageBoxButtonData data[2] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "OK"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "Cancel"},
  };
  SDL_MessageBoxData box{};
  box.flags = error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
  box.window = Parent;
  box.title = caption.c_str();
  box.message = text.c_str();
  box.numbuttons = buttons == TMessageButtons::OkCancel ? 2 : 1;
  box.buttons = data;
  int pressed = 1;
  // Without a display there is nothing to show; the printed line is the message then.
  if (SDL_ShowMessageBox(&box, &pressed) != 0) return TMessageResult::Ok;
  return pressed == 0 ? TMessageResult::Cancel : TMessageResult::Ok;
}
