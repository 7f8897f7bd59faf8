#pragma once
#include <array>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"

class TOmegaImageList;

// Small waves rocking on the sea around the world map's islands, each on its own swing of
// tilt, stretch and brightness so that no two move together.
class TWorldMapWaves : public TComponent {
 public:
  static constexpr int WaveCount = 38;
  // Along the coasts of the map's sea, clear of the islands and the panels.
  static constexpr TPoint Points[WaveCount] = {
      {83, 362}, {64, 399}, {93, 424}, {50, 446}, {83, 460}, {22, 520}, {43, 548},
      {26, 575}, {70, 596}, {30, 618}, {104, 622}, {150, 626}, {188, 690}, {190, 663},
      {281, 700}, {342, 709}, {420, 722}, {466, 733}, {509, 728}, {698, 730}, {862, 718},
      {931, 720}, {977, 708}, {1186, 626}, {1225, 610}, {1254, 595}, {1282, 574}, {1296, 417},
      {1279, 333}, {858, 422}, {797, 466}, {640, 650}, {680, 641}, {720, 633}, {670, 484},
      {626, 495}, {236, 598}, {545, 600}};

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
