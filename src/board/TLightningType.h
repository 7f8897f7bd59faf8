#pragma once
#include <cstdint>

enum TLightningType : std::uint8_t { ltHorizontal = 0, ltVertical = 1 };
