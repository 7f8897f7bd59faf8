#pragma once
#include <functional>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// A hammer that grows in over a tile, swings back and strikes; it reports the strike,
// stays a moment and fades.
class THammerEffect : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int PointerAdjustX = -44, PointerAdjustY = -40;
  int AlphaStep = 30;
  int MinHammerAlpha = 60;
  int StayAfterHitTime = 350;
  int SwingUpStep = 8, SwingDownStep = 24, SwingTop = 90;

  std::function<void(THammerEffect& sender, TPoint hitTilePos)> OnHit;

  void Start(TPoint tile);
  void UpdateAndDraw();
  void Reset() { Running = false; }
  bool Active() const { return Running; }
  bool HasHit() const { return Hit; }
  float Angle() const { return SwingAngle; }
  float Scale() const { return CurrentScale; }
  int Alpha() const { return CurrentAlpha; }

 private:
  void StepSwing();

  bool Running = false;
  TPoint Tile;
  float SwingAngle = 0;
  bool SwingRising = true;
  float CurrentScale = 0.2f;
  int CurrentAlpha = 255;
  bool Hit = false;
  int StayTimer = 0;
};
