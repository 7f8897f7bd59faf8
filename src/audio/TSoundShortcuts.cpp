#include "audio/TSoundShortcuts.h"

#include "audio/TSFXPlayer.h"
#include "audio/TVoicePlayer.h"

namespace {
TSFXPlayer* EffectPlayer = nullptr;
TVoicePlayer* VoicePlayer = nullptr;
}  // namespace

void TSoundShortcuts::SetEffects(TSFXPlayer* player) { EffectPlayer = player; }
void TSoundShortcuts::SetVoices(TVoicePlayer* player) { VoicePlayer = player; }
TSFXPlayer* TSoundShortcuts::Effects() { return EffectPlayer; }
TVoicePlayer* TSoundShortcuts::Voices() { return VoicePlayer; }

void TSoundShortcuts::PlaySFX(const std::string& name) {
  if (EffectPlayer) EffectPlayer->Play(name);
}

void TSoundShortcuts::PlayVoice(const std::string& name) {
  if (VoicePlayer) VoicePlayer->Play(name);
}
