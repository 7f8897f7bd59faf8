#pragma once
#include "engine/TComponent.h"

class TOmegaImageList;

// A few townsfolk strolling on the hub's square once the town has grown: one more for
// every finished island. Each walks a short path of its own, rests at the ends, and
// bobs a little as it goes.
class TBookCitizens : public TComponent {
 public:
  static constexpr int MaxCitizens = 4;
  struct TCitizen {
    float X = 0;
    int FromX = 0, ToX = 0, FeetY = 0;
    int Direction = -1;  // -1 left, 1 right
    int Rest = 0;        // updates still standing
    float Step = 0;      // walked distance, for the bob
    int Alpha = 0;
  };

  TBookCitizens();

  TOmegaImageList* OmgImgList = nullptr;
  float WalkStep = 0.35f;
  int FadeStep = 5;

  // How many stroll: the book's stage (0..4).
  void SetStage(int stage) { Shown = stage < 0 ? 0 : (stage > MaxCitizens ? MaxCitizens : stage); }
  void UpdateAndDraw();
  int ShownCount() const { return Shown; }
  const TCitizen& Citizen(int i) const { return People[i]; }

 private:
  TCitizen People[MaxCitizens];
  int Shown = 0;
};
