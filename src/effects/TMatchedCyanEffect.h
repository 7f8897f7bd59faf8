#pragma once
#include "board/TSimpleObjectArray.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The cyan flash over matched tiles: a ring of particles that drift, curve and fade.
class TMatchedCyanEffect : public TComponent {
 public:
  static constexpr int SlotCount = 300;
  static constexpr int ParticlesPerTile = 20;

  struct TParticle {
    bool Busy = false;
    float X = 0, Y = 0;
    float SpeedX = 0, SpeedY = 0, BrakeX = 0, BrakeY = 0, Lift = 0;
    float Alpha = 0, AlphaDec = 0;
    float Size = 0, SizeDec = 0;
    int Pattern = 1;
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  float OrigParticleWidth = 38, OrigParticleHeight = 38;

  void RefreshSizes();
  void EmitMask(const TSimpleObjectArray& mask);
  void Emit(float x, float y);
  void UpdateAndDraw();
  void Reset();

  int BusyCount() const;
  const TParticle& Slot(int index) const { return Slots[index - 1]; }  // 1-based
  int RingIndex() const { return Ring; }

 private:
  TParticle Slots[SlotCount];
  int Ring = SlotCount;  // the first particle takes slot 1
};
