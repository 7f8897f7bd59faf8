#include "audio/TVoicePlayer.h"

#include "audio/TSoundShortcuts.h"

TVoicePlayer::~TVoicePlayer() {
  if (TSoundShortcuts::Voices() == this) TSoundShortcuts::SetVoices(nullptr);
}
