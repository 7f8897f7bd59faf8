#pragma once
#include <functional>

#include "engine/TComponent.h"

// Paces the result screen's fireworks: five triggers spread over thirteen and a half seconds.
class TFireworksTrigger : public TComponent {
 public:
  static constexpr int TriggerCount = 5;
  static constexpr int TriggerTimes[TriggerCount] = {1500, 4500, 7500, 10500, 13500};

  std::function<void(TFireworksTrigger& sender)> OnTrigger;

  void Start();
  // Draws nothing; at most one trigger per update.
  void Update();
  void Stop() { Running = false; }
  void Reset() { Stop(); }

  bool Active() const { return Running; }
  int Fired() const { return Next; }
  int Elapsed() const { return Timer; }

 private:
  bool Running = false;
  int Timer = 0;
  int Next = 0;
};
