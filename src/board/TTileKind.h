#pragma once
#include <cstdint>

// Gold tiles look richer once the player owns the tile upgrade.
enum TTileKind : std::uint8_t { tkStandard = 0, tkUpgraded = 1 };
