#include "platform/TMixerAudioBackend.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

TMixerAudioBackend::~TMixerAudioBackend() { Shutdown(); }

int TMixerAudioBackend::MixerVolume(int volume) {
  volume = std::clamp(volume, 0, 100);
  return (volume * MIX_MAX_VOLUME + 50) / 100;
}

bool TMixerAudioBackend::Init() {
  if (Tried) return Opened;
  Tried = true;
  if (!SDL_WasInit(SDL_INIT_AUDIO)) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    OwnsSubsystem = true;
  }
  Mix_Init(MIX_INIT_OGG);  // without it .ogg files fail to open, which is only silence
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    Mix_Quit();
    if (OwnsSubsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    OwnsSubsystem = false;
    return false;
  }
  Mix_AllocateChannels(0);
  Channels = 0;
  Opened = true;
  return true;
}

TMixerAudioBackend::TEntry* TMixerAudioBackend::Find(TAudioStream stream) {
  auto it = Entries.find(stream);
  return it == Entries.end() ? nullptr : &it->second;
}

Mix_Chunk* TMixerAudioBackend::Decode(const std::string& path) {
  auto it = Decoded.find(path);
  if (it == Decoded.end()) {
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return nullptr;
    it = Decoded.emplace(path, TDecoded{chunk, chunk->alen, 0}).first;
    DecodedTotal += chunk->alen;
  }
  it->second.LastPlayed = ++PlayCounter;
  return it->second.Chunk;
}

void TMixerAudioBackend::Forget(std::map<std::string, TDecoded>::iterator it) {
  DecodedTotal -= it->second.Bytes;
  Mix_FreeChunk(it->second.Chunk);
  Decoded.erase(it);
}

void TMixerAudioBackend::Trim() {
  while (DecodedTotal > DecodedBudget) {
    std::set<Mix_Chunk*> sounding;
    for (int c = 0; c < Channels; ++c)
      if (Mix_Playing(c)) sounding.insert(Mix_GetChunk(c));
    auto oldest = Decoded.end();
    for (auto it = Decoded.begin(); it != Decoded.end(); ++it)
      if (!sounding.count(it->second.Chunk) &&
          (oldest == Decoded.end() || it->second.LastPlayed < oldest->second.LastPlayed))
        oldest = it;
    if (oldest == Decoded.end()) return;  // all of it is sounding
    Forget(oldest);
  }
}

TAudioStream TMixerAudioBackend::OpenStream(const std::string& path, TStreamKind kind,
                                            bool loop) {
  if (!Opened) return 0;
  TEntry e{kind, loop, {}};
  if (kind == TStreamKind::Music) {
    e.Music = Mix_LoadMUS(path.c_str());
    if (!e.Music) return 0;
  } else {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file) return 0;
    SDL_RWclose(file);
    e.Path = path;
    // Voice groups come and go: reuse a channel before growing the mixer.
    if (!FreeChannels.empty()) {
      e.Channel = *FreeChannels.begin();
      FreeChannels.erase(FreeChannels.begin());
    } else {
      e.Channel = Channels;
      Channels = Mix_AllocateChannels(Channels + 1);
      if (Channels <= e.Channel) return 0;
    }
    Mix_Volume(e.Channel, MixerVolume(e.Volume));
  }
  TAudioStream handle = NextHandle++;
  Entries.emplace(handle, e);
  return handle;
}

bool TMixerAudioBackend::Play(TAudioStream stream) {
  TEntry* e = Find(stream);
  if (!e) return false;
  if (e->Music) {
    CurrentMusic = stream;
    Mix_VolumeMusic(MixerVolume(e->Volume));
    return Mix_PlayMusic(e->Music, e->Loop ? -1 : 1) == 0;
  }
  Mix_Chunk* chunk = Decode(e->Path);
  if (!chunk) return false;
  // Playing on the stream's own channel cuts what it was playing: a restart.
  bool started = Mix_PlayChannel(e->Channel, chunk, e->Loop ? -1 : 0) == e->Channel;
  Trim();
  return started;
}

void TMixerAudioBackend::Stop(TAudioStream stream) {
  TEntry* e = Find(stream);
  if (!e) return;
  if (e->Music) {
    if (CurrentMusic == stream) Mix_HaltMusic();
  } else {
    Mix_HaltChannel(e->Channel);
  }
}

bool TMixerAudioBackend::IsPlaying(TAudioStream stream) {
  TEntry* e = Find(stream);
  if (!e) return false;
  if (e->Music) return CurrentMusic == stream && Mix_PlayingMusic() != 0;
  return Mix_Playing(e->Channel) != 0;
}

void TMixerAudioBackend::SetVolume(TAudioStream stream, int volume) {
  TEntry* e = Find(stream);
  if (!e) return;
  e->Volume = std::clamp(volume, 0, 100);
  if (e->Music) {
    if (CurrentMusic == stream) Mix_VolumeMusic(MixerVolume(e->Volume));
  } else {
    Mix_Volume(e->Channel, MixerVolume(e->Volume));
  }
}

void TMixerAudioBackend::FreeStream(TAudioStream stream) {
  TEntry* e = Find(stream);
  if (!e) return;
  if (e->Music) {
    if (CurrentMusic == stream) {
      Mix_HaltMusic();
      CurrentMusic = 0;
    }
    Mix_FreeMusic(e->Music);
  } else {
    Mix_HaltChannel(e->Channel);
    FreeChannels.insert(e->Channel);
  }
  const std::string path = e->Path;
  Entries.erase(stream);
  // The last stream of a sound takes its decoded copy along.
  if (path.empty()) return;
  for (const auto& [handle, other] : Entries)
    if (other.Path == path) return;
  auto it = Decoded.find(path);
  if (it != Decoded.end()) Forget(it);
}

void TMixerAudioBackend::Shutdown() {
  while (!Entries.empty()) FreeStream(Entries.begin()->first);
  if (Opened) {
    Mix_CloseAudio();
    Mix_Quit();
    Opened = false;
  }
  Channels = 0;
  FreeChannels.clear();
  if (OwnsSubsystem) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    OwnsSubsystem = false;
  }
  Tried = false;
}
