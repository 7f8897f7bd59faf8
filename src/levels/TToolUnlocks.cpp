#include "levels/TToolUnlocks.h"

bool TToolUnlocks::Available(TNewToolKind kind, int island, int level) {
  if (island == 1) {
    switch (kind) {
      case tlHammer: return level >= 2;
      case tlBomb: return level >= 3;
      case tlBlaster: return level >= 5;
      case tlHorzLightning: return level >= 7;
      case tlVertLightning: return level >= 8;
      case tlBigBomb: return false;
      case tlNone: return false;
    }
  }
  if (island == 2 && level == 1) return kind != tlBigBomb && kind != tlNone;
  return kind != tlNone;
}

TNewToolKind TToolUnlocks::OfThreshold(int threshold) {
  static constexpr TNewToolKind kTools[ThresholdCount] = {
      tlHammer, tlBomb, tlHorzLightning, tlVertLightning, tlBlaster, tlBigBomb};
  return threshold >= 1 && threshold <= ThresholdCount ? kTools[threshold - 1] : tlNone;
}
