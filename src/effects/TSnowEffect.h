#pragma once
#include <array>

#include "engine/TComponent.h"

class TOmegaImageList;

// Snow flakes falling over a scene; the caller sets how often one starts and how strong.
class TSnowEffect : public TComponent {
 public:
  static constexpr int FlakeCount = 20;
  struct TFlake {
    bool Active = false;
    float X = 0, Y = 0, SpeedX = 0, SpeedY = 0, Size = 0;
    int Alpha = 0;
  };

  explicit TSnowEffect(TOmegaImageList& images) : OmgImgList(images) {}

  // One update and draw: a flake starts every `interval` updates.
  void UpdateAndDraw(int interval, float alphaFactor);
  int ActiveCount() const;
  const TFlake& Flake(int i) const { return Flakes[i]; }

 private:
  void Update(int interval);
  TOmegaImageList& OmgImgList;
  std::array<TFlake, FlakeCount> Flakes;
  int Counter = 0;
  int Interval = -1;
};
