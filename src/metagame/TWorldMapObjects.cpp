#include "metagame/TWorldMapObjects.h"

#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

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
