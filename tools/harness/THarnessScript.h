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
  long LastFrame() const { return Events.empty() ? 0 : Events.rbegin()->first; }

 private:
  std::map<long, std::vector<TPlatformEvent>> Events;
};
