#include "audio/TMusicBox.h"

#include <algorithm>

#include "engine/TGameRandom.h"

namespace {
struct TTrack {
  const char* File;
  bool Loops;
};
constexpr TTrack TrackTable[TMusicBox::TrackCount] = {
    {"Splash.ogg", true},    {"Story.ogg", true},     {"MainGame1.ogg", true},
    {"MainGame2.ogg", true}, {"MainGame3.ogg", true}, {"MainGame4.ogg", true},
    {"LevelClear.ogg", false}, {"Upgrade1.ogg", true}, {"Upgrade2.ogg", true},
};
}  // namespace

TMusicBox::TMusicBox(IAudioBackend& backend) : Backend(backend) {}

TMusicBox::~TMusicBox() {
  for (TAudioStream t : Tracks)
    if (t) Backend.FreeStream(t);
}

const char* TMusicBox::TrackFile(int track) {
  return track >= 0 && track < TrackCount ? TrackTable[track].File : "";
}

bool TMusicBox::TrackLoops(int track) {
  return track >= 0 && track < TrackCount && TrackTable[track].Loops;
}

int TMusicBox::TrackOfRequest(int kind) {
  if (kind >= 0 && kind <= 6) return kind;
  if (kind == 7) return 7 + TGameRandom::Random(2);
  return 0;
}

void TMusicBox::LoadTracks() {
  Backend.Init();
  for (int t = 0; t < TrackCount; ++t) {
    if (Tracks[t]) continue;
    Tracks[t] = Backend.OpenStream(Path + TrackTable[t].File, IAudioBackend::TStreamKind::Music,
                                   TrackTable[t].Loops);
    if (Tracks[t]) Backend.SetVolume(Tracks[t], FadeLevel);
  }
}

void TMusicBox::Request(int kind) {
  int track = TrackOfRequest(kind);
  if (track == Current) return;
  Pending = track;
  Fade = TFadeState::FadingOut;
}

void TMusicBox::Update() {
  if (Fade == TFadeState::FadingOut) {
    FadeLevel -= FadeOutStep;
    if (FadeLevel < 0) {
      FadeLevel = 0;
      if (Pending >= 0) {
        Fade = TFadeState::FadingIn;
        StopAll();
        Current = Pending;
        Pending = -1;
        if (Tracks[Current]) {
          Backend.SetVolume(Tracks[Current], 0);
          Backend.Play(Tracks[Current]);
        }
        if (OnTrace) OnTrace("music", std::to_string(Current));
      }
    }
    // A fade-out never sounds louder than the volume: with the volume at 0 (the game
    // lost focus) the music falls silent on this update, not when the fade is over.
    FadeLevel = std::min(FadeLevel, FVolume);
  } else {
    FadeLevel = std::min(FadeLevel + FadeInStep, FVolume);
  }
  for (TAudioStream t : Tracks)
    if (t) Backend.SetVolume(t, FadeLevel);
}

void TMusicBox::SetVolume(int value) { FVolume = std::clamp(value, 0, 100); }

void TMusicBox::StopAll() {
  for (TAudioStream t : Tracks)
    if (t) Backend.Stop(t);
}
