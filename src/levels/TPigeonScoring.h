#pragma once
#include <functional>

#include "engine/TComponent.h"

class TOmegaImageList;

// A pigeon that sweeps in from the right below the result window, slows, turns and climbs
// away off the top, trailing sparkles.
class TPigeonScoring : public TComponent {
 public:
  static constexpr double StartX = 1400, StartY = 600;
  static constexpr double StartSpeedX = -34, StartSpeedY = -15;
  static constexpr double OffScreen = -200;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  // After every update of the flight, with the rounded position.
  std::function<void(TPigeonScoring& sender, int x, int y)> OnPosUpdate;
  // One sparkle of the trail, already scattered; two per update, three while x < 600. The
  // shell passes them to the scoring dust.
  std::function<void(TPigeonScoring& sender, int x, int y)> OnSparkleRequest;

  void Start();
  void Clear();
  void Update();

  bool Flying() const { return FFlying; }
  double X() const { return FX; }
  double Y() const { return FY; }
  double SpeedX() const { return FSpeedX; }
  double SpeedY() const { return FSpeedY; }
  double Scale() const { return FScale; }
  bool Turning() const { return FTurning; }
  // Degrees the bird is drawn turned by.
  double Angle() const;
  int UpdateCount() const { return Updates; }

 private:
  bool FFlying = false;
  double FX = StartX, FY = StartY;
  double FSpeedX = StartSpeedX, FSpeedY = StartSpeedY;
  double AccelX = 0, AccelY = 0;
  double FScale = 1;
  bool FTurning = false;
  int Updates = 0;
};
