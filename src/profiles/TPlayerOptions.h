#pragma once
#include "profiles/TPlayerSave.h"

// The options a new player starts with; the rest of the record is left as it is.
class TPlayerOptions {
 public:
  static constexpr int DefaultSoundVolume = 70;
  static constexpr int DefaultMusicVolume = 50;
  // Sound, music, full screen and the tutorial on, the relaxed mode still to be asked.
  static void SetDefaults(TPlayerSave& save);
};
