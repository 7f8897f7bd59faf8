#pragma once
#include "engine/TComponent.h"

class TOmegaImageList;

// The map's travelling decorations: two vehicles on long arcs and two cloud layers. Each
// picture is turned about a pivot far outside it, so a small angle moves it far.
class TWorldMapObjects : public TComponent {
 public:
  struct TJourney {
    int Pattern;  // of "WorldMapTransports"
    float X, Y;
    float StartAngle, EndAngle, Step;
    float CenterX, CenterY;  // centre factors of the pivot
  };
  static constexpr int JourneyCount = 4;
  // A1, A2, B1, B2. From start to end each stays on open sea inside the map's wooden edge:
  // the sailing boat down the channel between islands 3 and 4 to above the whale, the
  // balloon down past island 1's west shore, the little ship up the west coast.
  static constexpr TJourney Journeys[JourneyCount] = {
      {0, 785, 208, 1.2f, -1.8f, 0.018f, 80, 0.36f},
      {0, 785, 208, 0.5f, -1.8f, 0.02f, 80, 0.36f},
      {1, 975, 632, 2.4f, 0, 0.005f, 55, 0.44f},
      {2, 10, 470, 0, 2.0f, 0.005f, 55, 0.44f},
  };
  static constexpr int VehicleCount = 2;
  static constexpr int CloudCount = 2;
  static constexpr float CloudX = 200, CloudY = 26;
  static constexpr float CloudCenterX = 26.5f, CloudCenterY = 0.5f;
  static constexpr float CloudLimit = 26.5f, CloudStep = 0.021f;

  TOmegaImageList* OmgImgList = nullptr;

  TWorldMapObjects();
  // At every entry to the map: each vehicle takes one of its two journeys afresh.
  void ChooseJourneys();
  void UpdateAndDraw();

  int VehicleJourney(int vehicle) const { return Journey[vehicle]; }
  float VehicleAngle(int vehicle) const { return Angle[vehicle]; }
  float CloudAngle(int cloud) const { return Cloud[cloud]; }

 private:
  int Journey[VehicleCount] = {0, 2};
  float Angle[VehicleCount] = {};
  float Cloud[CloudCount] = {0, CloudLimit};
};
