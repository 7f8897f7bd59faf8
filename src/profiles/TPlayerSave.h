#pragma once
#include <cstdint>

// The player's options as the shell reads them. The full save record (progress, stock,
// stickers) grows around these fields with the player profiles.
struct TPlayerSave {
  bool SoundOn = false;
  bool MusicOn = false;
  bool FullScreen = false;
  bool TutorialOn = false;
  std::int32_t SoundVolume = 0;  // 0..100
  std::int32_t MusicVolume = 0;  // 0..100
};
