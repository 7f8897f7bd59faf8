#pragma once
#include <cstdint>

// The colour of the time the boss draws out of the tube: green while plenty is left.
enum TEnergyColor : std::uint8_t { ecGreen = 0, ecYellow = 1, ecRed = 2 };
