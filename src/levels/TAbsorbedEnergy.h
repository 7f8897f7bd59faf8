#pragma once
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "levels/TEnergyColor.h"

class TOmegaImageList;
class TTubeTimer;

// Sparks of time flying from the tube's liquid to the boss while its aura drains the clock.
class TAbsorbedEnergy : public TComponent {
 public:
  static constexpr int RingSize = 100;
  static constexpr float Pace = 10;  // pixels per update along the longer axis

  struct TParticle {
    bool Active = false;
    float X = 0, Y = 0;
    float SpeedX = 0, SpeedY = 0;
    float TargetX = 0, TargetY = 0;
    int Pattern = 1;  // 1..5
    float Angle = 0;
    float Size = 60;     // pixels
    float Scale = 0.4f;  // the bright core
    float SizeStep = 0, ScaleStep = 0;
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int AbsorbInterval = 1750;
  TEnergyColor EnergyColor = ecGreen;

  static TEnergyColor ColorForPercent(int percentLeft);
  // Emits from (sourceX, sourceY) to (targetX, targetY) for AbsorbInterval ms.
  void Start(int sourceX, int sourceY, int targetX, int targetY);
  // From the tube's liquid surface to the creature standing at bossPos, coloured by the time left.
  void StartFromTube(const TTubeTimer& tube, TPoint bossPos);
  void Reset();
  void Update();
  void Draw();

  bool Emitting() const { return FEmitting; }
  int ActiveCount() const;
  const TParticle& Particle(int i) const { return Ring[i]; }
  TPoint Source() const { return {SourceX, SourceY}; }
  TPoint Target() const { return {TargetX, TargetY}; }

 private:
  void Emit();
  static bool Advance(TParticle& p);

  TParticle Ring[RingSize];
  int Next = 0;
  bool FEmitting = false;
  int EmitTimer = 0;
  int SourceX = 0, SourceY = 0, TargetX = 0, TargetY = 0;
};
