#pragma once
#include <string>

class TSFXPlayer;
class TVoicePlayer;

// Every component plays effects and voices through the main window's players; the shell
// registers them here (and again whenever it replaces the voice player).
class TSoundShortcuts {
 public:
  static void SetEffects(TSFXPlayer* player);
  static void SetVoices(TVoicePlayer* player);
  static TSFXPlayer* Effects();
  static TVoicePlayer* Voices();
  // Nothing happens while no player is registered.
  static void PlaySFX(const std::string& name);
  static void PlayVoice(const std::string& name);
};
