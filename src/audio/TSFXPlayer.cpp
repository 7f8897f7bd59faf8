#include "audio/TSFXPlayer.h"

bool TSFXPlayer::IsMultiVoice(const std::string& name) {
  static const char* const names[] = {"ElementBounce1", "ElementBounce2", "ElementBounce3",
                                      "LockerBreak",    "ScoreCount",     "LockerBounce"};
  for (const char* n : names)
    if (name == n) return true;
  return false;
}
