#pragma once
#include <array>

#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"

class TOmegaImageList;

// Small waves rocking on the sea around the world map's islands, each on its own swing of
// tilt, stretch and brightness so that no two move together.
class TWorldMapWaves : public TComponent {
 public:
  static constexpr int WaveCount = 38;

  struct TWave {
    int X = 0, Y = 0;
    int Pattern = 0;
    bool Mirror = false;
    TValueUpDown Angle, ScaleX, ScaleY, Alpha;
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;

  // Reseeds the game's random source from its clock source before shaping the waves.
  TWorldMapWaves();
  void UpdateAndDraw();

  const TWave& Wave(int i) const { return Waves[i]; }

 private:
  std::array<TWave, WaveCount> Waves;
};
