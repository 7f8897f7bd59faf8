#include "audio/TSFXPlayer.h"

#include "audio/TSoundShortcuts.h"

TSFXPlayer::~TSFXPlayer() {
  if (TSoundShortcuts::Effects() == this) TSoundShortcuts::SetEffects(nullptr);
}

bool TSFXPlayer::IsMultiVoice(const std::string& name) {
  static const char* const names[] = {"ElementBounce1", "ElementBounce2", "ElementBounce3",
                                      "LockerBreak",    "ScoreCount",     "LockerBounce"};
  for (const char* n : names)
    if (name == n) return true;
  return false;
}
