#pragma once
#include <string>

#include "audio/TSoundSlotPlayer.h"

// The recorded speech of one voice group (story or ending), by name. The shell switches
// groups by replacing the player.
class TVoicePlayer : public TSoundSlotPlayer {
 public:
  static constexpr int SlotCount = 20;

  explicit TVoicePlayer(IAudioBackend& backend) : TSoundSlotPlayer(backend, SlotCount, "voice") {}

  // Every ".ogg" file of the group's folder (ending with '/'), in listing order.
  void LoadGroup(const std::string& folder) { LoadFolder(folder); }
};
