#pragma once
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Dust puffs where elements land and bounce, where spiders roll off and behind fairies:
// a ring of particles that sink a little, shrink and fade.
class TBounceDustEffect : public TComponent {
 public:
  static constexpr int SlotCount = 300;
  // Group 0 on either side of a draw call matches every puff.
  static constexpr int AnyGroup = 0;

  struct TParticle {
    bool Free = true;
    float X = 0, Y = 0, SpeedY = 0;
    float Alpha = 0, AlphaDec = 0;
    float Size = 0, SizeDec = 0;
    int Shape = 1, Color = 1, Group = 0;
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool IsWindows8OrLater = false;
  float OrigDustWidth = 51, OrigDustHeight = 45;

  void RefreshSizes();
  // Types 0..4 differ in colour, brightness, size and how fast they go.
  void Emit(int x, int y, int group = AnyGroup, int type = 0);
  void Emit(TPoint at, int group = AnyGroup, int type = 0) { Emit(at.X, at.Y, group, type); }
  void Emit5(int x, int y, int group = AnyGroup, int type = 0);
  void UpdateAndDraw(int group = AnyGroup);
  void Reset();

  bool Active() const { return BusyCount() > 0; }
  int BusyCount() const;
  const TParticle& Slot(int index) const { return Slots[index - 1]; }  // 1-based
  int RingIndex() const { return Ring; }

 private:
  TParticle Slots[SlotCount];
  int Ring = SlotCount;  // the first puff takes slot 1
};
