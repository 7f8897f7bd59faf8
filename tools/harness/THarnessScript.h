#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/TPlatformEvent.h"

// A scripted input: platform events keyed by the harness frame before which they arrive.
class THarnessScript {
 public:
  // One event a line: "<frame> <event> <args>"; '#' starts a comment. False with a message
  // naming the line on the first bad line.
  bool Parse(const std::string& text, std::string& error);
  const std::vector<TPlatformEvent>& EventsAt(long frame) const;
  long LastFrame() const;

  // "click-widget NAME" and "hover-widget NAME": a widget found by its picture name when the
  // frame comes, so that a script follows a button that moves.
  struct TWidgetAction {
    std::string Name;
    bool Click = true;  // false: the mouse only moves over it
  };
  const std::vector<TWidgetAction>& WidgetActionsAt(long frame) const;

 private:
  std::map<long, std::vector<TPlatformEvent>> Events;
  std::map<long, std::vector<TWidgetAction>> WidgetActions;
};
