#include "platform/TEventPump.h"

#include <SDL.h>

namespace {
bool Translate(const SDL_Event& e, TPlatformEvent& ev) {
  auto fillKey = [&ev](const SDL_KeyboardEvent& k) {
    ev.Key = k.keysym.sym;
    ev.KeyName = SDL_GetKeyName(k.keysym.sym);
    ev.Shift = (k.keysym.mod & KMOD_SHIFT) != 0;
    ev.Ctrl = (k.keysym.mod & KMOD_CTRL) != 0;
    ev.Alt = (k.keysym.mod & KMOD_ALT) != 0;
  };
  auto button = [](Uint8 b) {
    return b == SDL_BUTTON_RIGHT ? TMouseButton::Right
           : b == SDL_BUTTON_MIDDLE ? TMouseButton::Middle
                                    : TMouseButton::Left;
  };
  switch (e.type) {
    case SDL_QUIT: ev.Kind = TPlatformEventKind::CloseRequest; return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      ev.Kind = e.type == SDL_MOUSEBUTTONDOWN ? TPlatformEventKind::MouseDown
                                              : TPlatformEventKind::MouseUp;
      ev.X = e.button.x;
      ev.Y = e.button.y;
      ev.Button = button(e.button.button);
      return true;
    case SDL_MOUSEMOTION:
      ev.Kind = TPlatformEventKind::MouseMove;
      ev.X = e.motion.x;
      ev.Y = e.motion.y;
      return true;
    case SDL_KEYDOWN:
      ev.Kind = TPlatformEventKind::KeyDown;
      fillKey(e.key);
      return true;
    case SDL_KEYUP:
      ev.Kind = TPlatformEventKind::KeyUp;
      fillKey(e.key);
      return true;
    case SDL_TEXTINPUT:
      ev.Kind = TPlatformEventKind::Text;
      ev.Text = e.text.text;
      return true;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_LOST: ev.Kind = TPlatformEventKind::FocusLost; return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED: ev.Kind = TPlatformEventKind::FocusGained; return true;
        case SDL_WINDOWEVENT_RESTORED: ev.Kind = TPlatformEventKind::Restored; return true;
        case SDL_WINDOWEVENT_MINIMIZED: ev.Kind = TPlatformEventKind::Minimized; return true;
        case SDL_WINDOWEVENT_SIZE_CHANGED: ev.Kind = TPlatformEventKind::Resized; return true;
        case SDL_WINDOWEVENT_CLOSE: ev.Kind = TPlatformEventKind::CloseRequest; return true;
        default: return false;
      }
    default: return false;
  }
}
}  // namespace

void TEventPump::Pump(std::vector<TPlatformEvent>& out, int timeoutMs) {
  SDL_Event e;
  bool got = timeoutMs > 0 ? SDL_WaitEventTimeout(&e, timeoutMs) != 0 : SDL_PollEvent(&e) != 0;
  while (got) {
    TPlatformEvent ev;
    if (Translate(e, ev)) out.push_back(ev);
    got = SDL_PollEvent(&e) != 0;
  }
}
