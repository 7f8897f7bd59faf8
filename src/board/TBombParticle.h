#pragma once

// One flying, growing, fading piece of an explosion.
struct TBombParticle {
  bool Active = false;
  float X = 0, Y = 0, SpeedX = 0, SpeedY = 0;
  float Scale = 0, ScaleStep = 0;
  float Angle = 0, Spin = 0;
  float Alpha = 255, AlphaStep = 0;
  int Pattern = 0;
};
