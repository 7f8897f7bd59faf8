#pragma once

#include "engine/TAnimData.h"
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"

class TOmegaImageList;

// The heroine beside the result window, blinking and waving; she fades in with the window
// and out when told to leave.
class TWynnetScoring : public TComponent {
 public:
  static constexpr int AlphaStep = 12;

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 119, Top = 151;

  void Start();
  void Leave();
  void Clear();
  void Update();

  bool Active() const { return FActive; }
  int Alpha() const { return FAlpha; }
  float Swing() const { return FSwing.Value; }
  // The hand's turn in degrees for the current swing.
  float HandAngle() const;

 private:
  bool FActive = false, Leaving = false;
  int FAlpha = 0;
  TAnimData Eyes{std::string(60, '1') + "234432" + std::string(40, '1') + "2332", true};
  TValueUpDown FSwing{-2.6f, 0.0f, 0.085f, 0.085f};
};
