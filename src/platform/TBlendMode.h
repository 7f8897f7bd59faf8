#pragma once

// How a drawn sprite combines with what is under it: the sprite screen's blend numbers, which
// the back ends draw. The game uses only these.
enum TBlendMode : int {
  bmUnchanged = -1,  // keep whatever mode the screen has
  bmNormal = 0,      // alpha blending
  bmAdditive = 2,    // source times alpha added: glows, shines and sparkles
};
