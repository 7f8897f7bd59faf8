#include "ui/TEndingComicStrips.h"

void TEndingComicStrips::ComputeTiming() {
  const int n1 = Narrations[0].Duration;
  const int n2 = Narrations[1].Duration;
  const int n3 = Narrations[2].Duration;
  StripTimes = {n1 + 2000, n2 + n3 + 2500, ClosingStripTime};
  Narrations[0].StartTime = 1000;
  Narrations[1].StartTime = StripTimes[0] + 1000;
  Narrations[2].StartTime = StripTimes[0] + n2 + 2000;
}
