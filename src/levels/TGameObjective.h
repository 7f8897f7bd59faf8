#pragma once
#include <cstdint>

// What wins a round: gathering the panel's targets, or beating the island's creature.
enum TGameObjective : std::uint8_t { goNormalMode = 0, goBossMode = 1 };
