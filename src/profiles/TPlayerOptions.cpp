#include "profiles/TPlayerOptions.h"

void TPlayerOptions::SetDefaults(TPlayerSave& save) {
  save.SoundOn = true;
  save.MusicOn = true;
  save.FullScreen = true;
  save.TutorialOn = true;
  save.SoundVolume = DefaultSoundVolume;
  save.MusicVolume = DefaultMusicVolume;
  save.RelaxedMode = rmNotInitialized;
}
