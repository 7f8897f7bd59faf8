#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Stamps on the islands the player has finished; the newest one can land with a spin.
class TCompletedStamps : public TComponent {
 public:
  static constexpr int StampCount = 4;  // the last island is never left behind
  // Top-left corners of the "CompletedStamp" picture, island 1 first: each stamp sits on
  // the west of its island's land.
  static constexpr TPoint Stamps[StampCount] = {{1088, 418}, {290, 412}, {561, 322}, {937, 212}};

  TOmegaImageList* OmgImgList = nullptr;
  // The island the map shows as current; every island before it is finished.
  std::uint8_t LastOpenedIslandIdx = 1;
  float StartSize = 5.8f, SizeStep = 0.3f;
  float StartAngle = 136, AngleStep = 13;
  int StartAlpha = 60, AlphaStep = 9;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  // While set, a landing stamp waits unseen: the map holds it while its wipe still opens.
  bool Holding = false;

  // Lands the stamp of the island just finished (LastOpenedIslandIdx - 1).
  void AnimateNewStamp();
  // Stops a landing; the stamp is then drawn still.
  void Clear();
  // Advances a landing and draws every stamp.
  void Draw();

  int AnimatedIsland() const { return Animated; }
  float Size() const { return StampSize; }
  float Angle() const { return StampAngle; }
  int Alpha() const { return StampAlpha; }
  static TPoint StampPosition(int island);

 private:
  int Animated = 0;
  float StampSize = 1, StampAngle = 0;
  int StampAlpha = 255;
};
