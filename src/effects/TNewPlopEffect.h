#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/TComponent.h"

class TOmegaImageList;

// A ring of twelve emitters shoots out from a point, each leaving a trail of coloured stars
// that shrink, turn and fade: a burst that greets a new chapter.
class TNewPlopEffect : public TComponent {
 public:
  static constexpr int EmitterCount = 12;
  static constexpr int StarCount = 150;

  struct TEmitter {
    bool Running = false;
    float X = 0, Y = 0, TargetX = 0, TargetY = 0, SpeedX = 0, SpeedY = 0;
    int Updates = 0;
  };
  struct TStar {
    bool Active = false;
    float X = 0, Y = 0, Size = 0, Angle = 0, Alpha = 0;
    std::uint8_t R = 255, G = 255, B = 255;
  };

  TOmegaImageList* OmgImgList = nullptr;
  std::function<void(const std::string& name)> PlaySound;
  bool SoundOn = true;
  int OffsetX = -24, OffsetY = -24;
  float MoveSpeed = 11;
  int DelayTime = 1200;
  int MinMoveUpdCount = 4;
  int MaxMoveUpdCount = 14;
  float StartSize = 0.48f, SizeStep = 0.03f;
  float AngleStep = 8;
  float StartAlpha = 180, AlphaStep = 13;

  void Plop(float x, float y);
  // Plops after DelayTime of updates.
  void DelayedPlop(float x, float y);
  void UpdateAndDraw();
  void Reset();

  bool Active() const;
  bool Delaying() const { return Waiting; }
  int LiveStars() const;
  int StarsEmitted() const { return Emitted; }
  float OriginX() const { return OrgX; }
  float OriginY() const { return OrgY; }
  const TEmitter& Emitter(int i) const { return Emitters[i]; }
  const TStar& Star(int i) const { return Stars[i]; }

 private:
  void EmitStar(float x, float y);

  std::array<TEmitter, EmitterCount> Emitters;
  std::array<TStar, StarCount> Stars;
  float OrgX = 0, OrgY = 0;
  bool Waiting = false;
  int DelayTimer = 0;
  float DelayedX = 0, DelayedY = 0;
  int Emitted = 0;
};
