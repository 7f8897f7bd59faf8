#pragma once
#include <functional>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// A collected magic key, broom or aerosol flying from its tile to the tool's place on
// the panel. Several may be on their way at once.
class TFlowingTool : public TComponent {
 public:
  static constexpr int SlotCount = 9;

  std::string ImgName;
  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int TargetX = 0, TargetY = 0;  // the tool's hanging position
  float Pace = 14;

  std::function<void(TFlowingTool& sender)> OnArrive;

  void Start(TPoint tile);
  void UpdateAndDraw();
  void Reset();
  int Flying() const;

 private:
  struct TFlight {
    bool Active = false;
    float X = 0, Y = 0, SpeedX = 0, SpeedY = 0;
    int Age = 0;
  };
  TFlight Flights[SlotCount];
};
