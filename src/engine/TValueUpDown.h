#pragma once

// A value that swings between Min and Max, one step per tick.
// A small value: owners keep it as a member and may copy it.
class TValueUpDown {
 public:
  TValueUpDown() = default;
  TValueUpDown(float min, float max, float inc, float dec) { Setup(min, max, inc, dec); }

  float Min = 0, Max = 100, Inc = 1, Dec = 1;
  float Value = 0;

  void Setup(float min, float max, float inc, float dec);
  void Step();
  int RoundedValue() const;
  void SetRangeMin(float v);
  void SetRangeMax(float v);
  bool Rising() const { return IsRising; }

 private:
  void Recompute();
  float Current = 0;
  bool IsRising = false;  // a new oscillator is falling
  bool HasRangeMin = false, HasRangeMax = false;
  float RangeMin = 0, RangeMax = 0;
};
