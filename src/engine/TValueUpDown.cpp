#include "engine/TValueUpDown.h"

#include "engine/Rounding.h"

void TValueUpDown::Setup(float min, float max, float inc, float dec) {
  Min = min;
  Max = max;
  Inc = inc;
  Dec = dec;
  Current = Min;
  Recompute();
}

void TValueUpDown::Step() {
  if (!IsRising) {
    Current -= Dec;
    if (!(Current > Min)) {
      Current = Min;
      IsRising = true;
    }
  } else {
    Current += Inc;
    if (Current >= Max) {
      Current = Max;
      IsRising = false;
    }
  }
  Recompute();
}

void TValueUpDown::Recompute() {
  Value = Current;
  if (HasRangeMin && Value < RangeMin) Value = RangeMin;
  if (HasRangeMax && Value > RangeMax) Value = RangeMax;
}

int TValueUpDown::RoundedValue() const { return RoundHalfEven(Value); }

void TValueUpDown::SetRangeMin(float v) {
  RangeMin = v;
  HasRangeMin = true;
  Recompute();
}

void TValueUpDown::SetRangeMax(float v) {
  RangeMax = v;
  HasRangeMax = true;
  Recompute();
}
