#include "metagame/TWorldMapObjects.h"

#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

const TWorldMapObjects::TJourney TWorldMapObjects::Journeys[JourneyCount] = {
    {0, 706, 208, 9.1f, -10.8f, 0.018f, 80, 0.36f},
    {0, 706, 208, 11.3f, -10.8f, 0.02f, 80, 0.36f},
    {1, 1040, 632, 2.4f, 0, 0.005f, 55, 0.44f},
    {2, -15, 470, 0, 2.0f, 0.005f, 55, 0.44f},
};

TWorldMapObjects::TWorldMapObjects() { ChooseJourneys(); }

void TWorldMapObjects::ChooseJourneys() {
  // Vehicle 0 sails one of the A journeys, vehicle 1 one of the B journeys.
  Journey[0] = TGameRandom::Random(2);
  Journey[1] = 2 + TGameRandom::Random(2);
  for (int v = 0; v < VehicleCount; ++v) Angle[v] = Journeys[Journey[v]].StartAngle;
}

void TWorldMapObjects::UpdateAndDraw() {
  for (int v = 0; v < VehicleCount; ++v) {
    const TJourney& j = Journeys[Journey[v]];
    TMotion::ApproachFloat(Angle[v], j.EndAngle, j.Step);
  }
  for (float& a : Cloud) {
    a -= CloudStep;
    if (a <= -CloudLimit) a = CloudLimit;
  }
  if (!OmgImgList) return;
  for (int v = 0; v < VehicleCount; ++v) {
    const TJourney& j = Journeys[Journey[v]];
    OmgImgList->DrawImage("WorldMapTransports", j.X, j.Y, j.Pattern,
                          {.CenterX = j.CenterX, .CenterY = j.CenterY, .Angle = Angle[v]});
  }
  for (float a : Cloud)
    OmgImgList->DrawImage("WorldMapClouds", CloudX, CloudY, 0,
                          {.CenterX = CloudCenterX, .CenterY = CloudCenterY, .Angle = a});
}
