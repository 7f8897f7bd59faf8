#pragma once
#include <functional>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "levels/TMedalKind.h"
#include "levels/TPlusOneBigHeart.h"

class TOmegaImageList;

// The medal of a won round, chosen by playing time and stamped onto the result window.
class TResultMedal : public TComponent {
 public:
  static constexpr int StampDelay = 450;

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name, its stamp's too; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  int Left = 0, Top = 0;  // the medal's middle
  // The medal's middle on the result window, below the statistics, right of the OK button.
  static constexpr int WindowOffsetX = 336, WindowOffsetY = 312;
  // "FeatureShine" turns behind the medal, added over the window with this alpha.
  static constexpr int ShineAlpha = 110, ShineHalfSize = 210;
  void FollowWindow(TPoint windowPos) {
    Left = windowPos.X + WindowOffsetX;
    Top = windowPos.Y + WindowOffsetY;
  }
  // Seconds; a round played within GoldReqTime earns gold, within SilverReqTime silver.
  int SilverReqTime = 600, GoldReqTime = 400;

  // Both limits from a level's time: 65 % and 40 % of it, halves to even.
  void SetReqTimesFromLimit(int levelTimeSeconds);
  static int SilverTimeFor(int levelTimeSeconds);
  static int GoldTimeFor(int levelTimeSeconds);
  static TMedalKind MedalFor(int elapsedSeconds, int silverReqTime, int goldReqTime);

  TMedalKind Evaluate(int elapsedSeconds);
  TMedalKind MedalKind() const { return FMedalKind; }

  // Once the pictures are loaded: the stamp's picture and its motion.
  TResultMedal();
  void Prepare();
  void StartStamp();
  void Clear();
  void Update();

  TPlusOneBigHeart& Stamp() { return FStamp; }

 private:
  TMedalKind FMedalKind = mdNone;
  TPlusOneBigHeart FStamp;
};
