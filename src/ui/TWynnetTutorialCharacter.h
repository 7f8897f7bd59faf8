#pragma once
#include <array>

#include "effects/TSparklingEffect.h"
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"

class TOmegaImageList;

// The fairy who presents the tutorial: she hangs beside the panel, swaying a little on a
// long invisible thread, with sparkles around her, and fades in and out with Visible.
class TWynnetTutorialCharacter : public TComponent {
 public:
  static constexpr int SparkleCount = 7;

  TWynnetTutorialCharacter();

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = false;
  int Left = 290, Top = 170;  // beside the panel, her wand toward it
  int AlphaStep = 15;
  int TalkingTime = 6500;  // kept for the data that sets it

  void UpdateAndDraw();
  // Hidden and gone at once, sparkles off-screen again.
  void Reset();

  int Alpha() const { return CurrentAlpha; }
  float Angle() const { return Swing.Value / 2.3f; }
  const TSparklingEffect& Sparkle(int i) const { return Sparkles[i]; }

 private:
  void PlaceSparkles();

  int CurrentAlpha = 0;
  TValueUpDown Swing{-0.25f, 0.25f, 0.0085f, 0.0095f};
  std::array<TSparklingEffect, SparkleCount> Sparkles;
};
