#pragma once
#include <vector>

#include "platform/TPlatformEvent.h"

// Turns SDL's events into the game's platform events.
class TEventPump {
 public:
  // Waits at most timeoutMs for the first event (0: do not wait), then takes all that are queued.
  static void Pump(std::vector<TPlatformEvent>& out, int timeoutMs);
};
