#include "platform/TSdlMessageBoxes.h"

#include <SDL.h>

#include <cstdio>

#include "platform/TTextEncoding.h"

TMessageResult TSdlMessageBoxes::Show(const std::string& caption, const std::string& text,
                                      TMessageButtons buttons, bool error) {
  // The catalogue's 8-bit letters, for SDL and for the terminal alike.
  const std::string title = TTextEncoding::ForSystem(caption);
  const std::string message = TTextEncoding::ForSystem(text);
  std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
  SDL_MessageBoxButtonData data[2] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "OK"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "Cancel"},
  };
  SDL_MessageBoxData box{};
  box.flags = error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
  box.window = Parent;
  box.title = title.c_str();
  box.message = message.c_str();
  box.numbuttons = buttons == TMessageButtons::OkCancel ? 2 : 1;
  box.buttons = data;
  int pressed = 1;
  // Without a display there is nothing to show; the printed line is the message then.
  if (SDL_ShowMessageBox(&box, &pressed) != 0) return TMessageResult::Ok;
  return pressed == 0 ? TMessageResult::Cancel : TMessageResult::Ok;
}
