#pragma once
#include <string>

class TOmegaImageList;

// A small pool of bubbles rising inside a rectangle, for the tube timer and the shuffle
// button. A bubble floats at least MinFloatTime, bursts at the top (or at random once
// it has floated long enough) and shows its burst for BurstTime.
class TRisingBubbles {
 public:
  static constexpr int SlotCount = 24;

  struct TBubble {
    bool Active = false;
    bool Bursting = false;
    float X = 0, Y = 0, Speed = 0;
    float MinX = 0, MaxX = 0;
    int FloatTimer = 0, BurstTimer = 0;
  };

  int BurstTime = 60;
  int MinFloatTime = 90;
  // One bubble in BurstChance bursts early in each update once it may.
  int BurstChance = 40;

  // Positions are relative to the owner's origin; top is where bubbles burst.
  bool Spawn(int left, int right, int bottom);
  void Update(int top);
  void Draw(TOmegaImageList& images, const std::string& name, int originX, int originY,
            int alpha) const;
  void Clear();
  int ActiveCount() const;
  const TBubble& Bubble(int i) const { return Slots[i]; }

 private:
  TBubble Slots[SlotCount];
};
