#include "ui/TComicStrips.h"

void TComicStrips::ComputeTiming() {
  int start = FirstNarrationStart;
  for (int i = 0; i < StripTotal; ++i) {
    StripTimes[i] = Narrations[i].Duration + PauseAfterNarration;
    Narrations[i].StartTime = start;
    start += StripTimes[i];
  }
}
