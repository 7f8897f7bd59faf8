#pragma once
#include <string>
#include <vector>

class TOmegaImageList;

// A set of slowly turning, pulsing shine rays drawn additively about one point.
class TRaySet {
 public:
  struct TRay {
    float Angle, TurnSpeed, Alpha, AlphaStep, Size;
    bool Rising;
  };

  // Rays 1..n; odd rays turn the other way, more slowly. Draws from the game's random source.
  void Setup(int count, const std::vector<float>& sizes);
  // Each ray's alpha swings between the owner's limits as they are now, so that the owner
  // may change them at any time.
  void Update(float minAlpha, float maxAlpha);
  // Draws every ray of the image at (x, y), turned about its centre, each ray scaled by
  // its size times (scaleX, scaleY) and its alpha times strength.
  void Draw(TOmegaImageList& images, const std::string& name, float x, float y, float scaleX,
            float scaleY, float strength) const;
  const std::vector<TRay>& Rays() const { return RayList; }

 private:
  std::vector<TRay> RayList;
};
