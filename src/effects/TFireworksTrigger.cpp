#include "effects/TFireworksTrigger.h"

#include "engine/TMotion.h"

void TFireworksTrigger::Start() {
  Running = true;
  Timer = 0;
  Next = 0;
}

void TFireworksTrigger::Update() {
  if (!Running) return;
  // The timer is held at each trigger time, so the next one counts on from exactly there.
  if (!TMotion::TimerTick(Timer, TriggerTimes[Next])) return;
  ++Next;
  if (Next == TriggerCount) Running = false;
  if (OnTrigger) OnTrigger(*this);
}
