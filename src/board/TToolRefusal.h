#pragma once
#include <cstdint>

// Why a tool pressed on its hook stays there; the shell tells the player.
enum TToolRefusal : std::uint8_t {
  trLockedHere,    // the tool opens in a later level
  trFlaskNotFull,  // the energy flask has not reached the tool's mark yet
  trNoneCarried,   // no key, broom or aerosol collected yet
  trNothingToHit,  // the aerosol with nothing on the board to spray
};
