#pragma once

// How a drawn sprite combines with what is under it. The values are the sprite screen's
// blend numbers, which the back ends understand; the game itself uses only these.
enum TBlendMode : int {
  bmUnchanged = -1,  // keep whatever mode the screen has
  bmNormal = 0,      // alpha blending
  bmAdditive = 2,    // source times alpha added: glows, shines and sparkles
};
