#include "THarnessScript.h"

#include <SDL.h>

#include <algorithm>
#include <sstream>

namespace {
bool ParseButton(const std::string& s, TMouseButton& b) {
  if (s.empty() || s == "left") b = TMouseButton::Left;
  else if (s == "right") b = TMouseButton::Right;
  else if (s == "middle") b = TMouseButton::Middle;
  else return false;
  return true;
}
}  // namespace

bool THarnessScript::Parse(const std::string& text, std::string& error) {
  Events.clear();
  WidgetActions.clear();
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    std::istringstream in(line);
    long frame = -1;
    std::string verb;
    auto fail = [&](const std::string& why) {
      error = "input script line " + std::to_string(number) + ": " + why + ": " + line;
      return false;
    };
    if (!(in >> frame >> verb) || frame < 0) return fail("expected <frame> <event>");
    TPlatformEvent e;
    if (verb == "down" || verb == "up" || verb == "move" || verb == "click") {
      double x, y;
      std::string button;
      if (!(in >> x >> y)) return fail("expected X Y");
      in >> button;
      if (!ParseButton(button, e.Button)) return fail("unknown button");
      e.X = x;
      e.Y = y;
      if (verb == "move") {
        e.Kind = TPlatformEventKind::MouseMove;
        Events[frame].push_back(e);
      } else if (verb == "click") {
        e.Kind = TPlatformEventKind::MouseDown;
        Events[frame].push_back(e);
        e.Kind = TPlatformEventKind::MouseUp;
        Events[frame + 1].push_back(e);
      } else {
        e.Kind = verb == "down" ? TPlatformEventKind::MouseDown : TPlatformEventKind::MouseUp;
        Events[frame].push_back(e);
      }
    } else if (verb == "click-widget" || verb == "hover-widget") {
      std::string name;
      if (!(in >> name)) return fail("expected a picture name");
      // "NAME#N" counts from 1; anything else after '#' would quietly mean the first.
      if (auto hash = name.find('#'); hash != std::string::npos) {
        const std::string n = name.substr(hash + 1);
        if (hash == 0 || n.empty() || n.find_first_not_of("0123456789") != std::string::npos ||
            n.find_first_not_of('0') == std::string::npos)
          return fail("expected NAME or NAME#N with N from 1");
      }
      WidgetActions[frame].push_back({name, verb == "click-widget"});
    } else if (verb == "key") {
      std::string name;
      std::getline(in, name);
      name.erase(0, name.find_first_not_of(" \t"));
      SDL_Keycode code = SDL_GetKeyFromName(name.c_str());
      if (name.empty() || code == SDLK_UNKNOWN) return fail("unknown key");
      e.Key = code;
      e.KeyName = SDL_GetKeyName(code);
      e.Kind = TPlatformEventKind::KeyDown;
      Events[frame].push_back(e);
      e.Kind = TPlatformEventKind::KeyUp;
      Events[frame].push_back(e);
    } else if (verb == "text") {
      std::string rest;
      std::getline(in, rest);
      if (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
      e.Kind = TPlatformEventKind::Text;
      e.Text = rest;
      Events[frame].push_back(e);
    } else if (verb == "close") {
      e.Kind = TPlatformEventKind::CloseRequest;
      Events[frame].push_back(e);
    } else if (verb == "focus-lost") {
      e.Kind = TPlatformEventKind::FocusLost;
      Events[frame].push_back(e);
    } else if (verb == "focus-gained") {
      e.Kind = TPlatformEventKind::FocusGained;
      Events[frame].push_back(e);
    } else {
      return fail("unknown event");
    }
  }
  return true;
}

long THarnessScript::LastFrame() const {
  long last = Events.empty() ? 0 : Events.rbegin()->first;
  if (!WidgetActions.empty()) last = std::max(last, WidgetActions.rbegin()->first + 1);
  return last;
}

const std::vector<THarnessScript::TWidgetAction>& THarnessScript::WidgetActionsAt(
    long frame) const {
  static const std::vector<TWidgetAction> kNone;
  auto it = WidgetActions.find(frame);
  return it == WidgetActions.end() ? kNone : it->second;
}

const std::vector<TPlatformEvent>& THarnessScript::EventsAt(long frame) const {
  static const std::vector<TPlatformEvent> kNone;
  auto it = Events.find(frame);
  return it == Events.end() ? kNone : it->second;
}
