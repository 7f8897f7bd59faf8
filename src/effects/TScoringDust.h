#pragma once
#include <array>
#include <cstdint>

#include "engine/TComponent.h"

class TOmegaImageList;

// Yellow glints shed behind the result screen's bird: each drifts sideways, sinks ever
// faster (or rises, reversed), turns, shrinks and fades.
class TScoringDust : public TComponent {
 public:
  static constexpr int SpeckCount = 300;

  struct TSpeck {
    bool Active = false;
    float X = 0, Y = 0, SpeedX = 0, AccelX = 0, SpeedY = 0, Fall = 0;
    float Alpha = 0, AlphaStep = 0, Size = 0, SizeStep = 0, Angle = 0, AngleStep = 0;
    std::uint8_t R = 255, G = 255, B = 0;
  };

  TOmegaImageList* OmgImgList = nullptr;
  float GravityAccel = 0.00008f;
  float AlphaRatio = 1.0f;
  bool ReverseFall = false;

  // Takes the first free slot; with none free nothing is emitted.
  void Emit(float x, float y);
  void UpdateAndDraw();
  void Reset();

  bool Active() const { return LiveCount() > 0; }
  int LiveCount() const;
  const TSpeck& Speck(int i) const { return Specks[i]; }

 private:
  std::array<TSpeck, SpeckCount> Specks;
};
