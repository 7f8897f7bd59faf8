#pragma once
#include <array>
#include <functional>
#include <string>

#include "engine/TComponent.h"

class TOmegaImageList;

// A rocket that rises trailing sparks to a point above the middle of the screen and bursts
// into confetti that flies outward, then flutters down.
class TConfettiFireworks : public TComponent {
 public:
  static constexpr int SparkCount = 100;
  static constexpr int ConfettiCount = 110;
  static constexpr float BurstX = 683, BurstY = 215;

  enum TPhase { fpIdle, fpRising, fpBursting, fpFalling };

  struct TSpark {
    bool Active = false;
    float X = 0, Y = 0, Alpha = 0, Size = 0, Angle = 0;
  };
  struct TConfetti {
    bool Active = false;
    float X = 0, Y = 0, DestX = 0, DestY = 0, SpeedX = 0, SpeedY = 0;
    float Alpha = 0, Angle = 0, Size = 0;
    bool Growing = true;
    int Kind = 1, Color = 1;
    float FallSpeed = 0, FallLimit = 0;
    bool Arrived = false;
  };

  TOmegaImageList* OmgImgList = nullptr;
  std::function<void(const std::string& name)> PlaySound;
  int MaxConfettiKind = 4;
  int MaxConfettiColor = 3;
  float MaxConfettiAlpha = 240;
  float MaxConfettiSizeRatio = 0.53f;
  int TimeToSyncExplodeParticlesToDest = 2000;

  // Reseeds the game's random source from its clock source, so a run replays with that.
  void Launch(float x, float y);
  void UpdateAndDraw();
  void Reset();

  // Until Reset the effect stays falling; it is active while anything of it still shows.
  bool Active() const;
  TPhase Phase() const { return CurrentPhase; }
  float RocketX() const { return X; }
  float RocketY() const { return Y; }
  int SteeringTimer() const { return Timer; }
  int LiveSparks() const;
  int LiveConfetti() const;
  const TSpark& Spark(int i) const { return Sparks[i]; }
  const TConfetti& Piece(int i) const { return Confetti[i]; }
  // The pattern a piece draws; past the grid's end the image list draws its last pattern.
  int PatternOf(const TConfetti& piece) const;

 private:
  void EmitSpark();
  void EmitConfetti();
  void UpdateSparks();
  void UpdateConfetti();

  TPhase CurrentPhase = fpIdle;
  float X = 0, Y = 0, SpeedX = 0, SpeedY = 0;
  int Timer = 0;
  std::array<TSpark, SparkCount> Sparks;
  std::array<TConfetti, ConfettiCount> Confetti;
};
