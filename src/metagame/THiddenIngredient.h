#pragma once
#include <cstdint>

// One ingredient hidden in the practice window's picture. Kind and spot come from the data
// file; the rest is reset at every start.
struct THiddenIngredient {
  std::uint8_t Kind = 1;  // 1..16: pattern Kind - 1 of "HiddenElements"
  std::int32_t X = 0;     // window-relative spot, drawn 16 pixels lower than Y
  std::int32_t Y = 0;
  double Scale = 1.0;
  double Angle = 0.0;
  std::int32_t Alpha = 120;
  bool Found = false;
  bool Shown = true;
};
