#pragma once
#include <cstdint>

enum TMedalKind : std::uint8_t { mdBronze = 0, mdSilver = 1, mdGold = 2, mdNone = 3 };
