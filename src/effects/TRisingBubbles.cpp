#include "effects/TRisingBubbles.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/SharedTypes.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

bool TRisingBubbles::Spawn(int left, int right, int bottom) {
  for (TBubble& b : Slots) {
    if (b.Active) continue;
    b = TBubble{};
    int span = right - left - 8;  // the picture is 8 pixels wide
    b.X = static_cast<float>(left + (span > 0 ? TGameRandom::Random(span + 1) : 0));
    b.MinX = static_cast<float>(left);
    b.MaxX = static_cast<float>(span > 0 ? left + span : left);
    b.Y = static_cast<float>(bottom - 8);
    b.Speed = 0.6f + 0.2f * TGameRandom::Random(5);
    b.Active = true;
    return true;
  }
  return false;
}

void TRisingBubbles::Update(int top) {
  for (TBubble& b : Slots) {
    if (!b.Active) continue;
    if (b.Bursting) {
      b.BurstTimer += TickMilliseconds;
      if (b.BurstTimer >= BurstTime) b.Active = false;
      continue;
    }
    b.FloatTimer += TickMilliseconds;
    b.Y -= b.Speed;
    b.X = std::clamp(b.X + 0.25f * static_cast<float>(TGameRandom::Random(3) - 1), b.MinX, b.MaxX);
    bool mayBurst = b.FloatTimer >= MinFloatTime;
    if (b.Y <= top) {
      b.Y = static_cast<float>(top);
      if (mayBurst) b.Bursting = true;
    } else if (mayBurst && TGameRandom::Random(BurstChance) == 0) {
      b.Bursting = true;
    }
  }
}

void TRisingBubbles::Draw(TOmegaImageList& images, const std::string& name, int originX,
                          int originY, int alpha) const {
  for (const TBubble& b : Slots) {
    if (!b.Active) continue;
    images.DrawImage(name, static_cast<float>(originX + RoundHalfEven(b.X)),
                     static_cast<float>(originY + RoundHalfEven(b.Y)), b.Bursting ? 1 : 0,
                     {.A = static_cast<std::uint8_t>(alpha), .Blend = bmAdditive});
  }
}

void TRisingBubbles::Clear() {
  for (TBubble& b : Slots) b.Active = false;
}

int TRisingBubbles::ActiveCount() const {
  int n = 0;
  for (const TBubble& b : Slots) n += b.Active ? 1 : 0;
  return n;
}
