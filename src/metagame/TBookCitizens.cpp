#include "metagame/TBookCitizens.h"

#include <cmath>

#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "metagame/TBookFigures.h"

namespace {
struct TPath {
  int FromX, ToX, FeetY;
};
// Open ground between the stickers: the walk between fountain and pond, in front of the
// market stall, the path by the marigolds and the corner before the bakery.
constexpr TPath Paths[TBookCitizens::MaxCitizens] = {
    {606, 756, 467}, {156, 256, 398}, {806, 996, 524}, {1006, 1088, 328}};
constexpr int RestUpdates[TBookCitizens::MaxCitizens] = {90, 140, 60, 120};
}  // namespace

TBookCitizens::TBookCitizens() {
  for (int i = 0; i < MaxCitizens; ++i) {
    TCitizen& c = People[i];
    c.FromX = Paths[i].FromX;
    c.ToX = Paths[i].ToX;
    c.FeetY = Paths[i].FeetY;
    // Each starts somewhere else along its path, so they do not move in step.
    c.X = static_cast<float>(c.FromX + (c.ToX - c.FromX) * (i + 1) / (MaxCitizens + 1));
    c.Direction = i % 2 ? 1 : -1;
  }
}

void TBookCitizens::UpdateAndDraw() {
  using F = TBookFigures;
  for (int i = 0; i < MaxCitizens; ++i) {
    TCitizen& c = People[i];
    TMotion::ApproachInt(c.Alpha, FadeStep, i < Shown ? 255 : 0);
    if (c.Alpha == 0) continue;
    if (c.Rest > 0) {
      --c.Rest;
    } else {
      const float end = static_cast<float>(c.Direction < 0 ? c.FromX : c.ToX);
      c.Step += WalkStep;
      if (TMotion::ApproachFloat(c.X, end, WalkStep)) {
        c.Direction = -c.Direction;
        c.Rest = RestUpdates[i];
      }
    }
    if (!OmgImgList) continue;
    // Two small hops per stride while walking, still while resting.
    const float bob = c.Rest > 0 ? 0.0f : 2.0f * std::fabs(std::sin(c.Step * 0.25f));
    OmgImgList->DrawImage(F::Citizens, c.X - F::CitizenFeetX, c.FeetY - F::CitizenFeetY - bob, i,
                          {.A = static_cast<std::uint8_t>(c.Alpha), .Mirror = c.Direction > 0});
  }
}
