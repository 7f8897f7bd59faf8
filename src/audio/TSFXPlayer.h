#pragma once
#include <string>

#include "audio/TSoundSlotPlayer.h"

// Short sound effects by name, all opened once at start-up. The few sounds that come many
// times in quick succession are opened five times so they can overlap themselves.
class TSFXPlayer : public TSoundSlotPlayer {
 public:
  static constexpr int SlotCount = 134;
  static constexpr int MultiVoiceCount = 5;

  explicit TSFXPlayer(IAudioBackend& backend) : TSoundSlotPlayer(backend, SlotCount, "sound") {}

  std::string Path;  // folder of the effect files, ending with '/'

  void LoadAll() { LoadFolder(Path); }
  static bool IsMultiVoice(const std::string& name);

 protected:
  int VoicesOf(const std::string& name) const override {
    return IsMultiVoice(name) ? MultiVoiceCount : 1;
  }
};
