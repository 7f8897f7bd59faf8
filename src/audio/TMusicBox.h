#pragma once
#include <functional>
#include <string>

#include "engine/TComponent.h"
#include "platform/IAudioBackend.h"

// One music track at a time, with a fade between tracks. The shell calls Update once at
// the start of every frame.
class TMusicBox : public TComponent {
 public:
  static constexpr int MaxTracks = 10;
  static constexpr int TrackCount = 9;
  static constexpr int FadeOutStep = 5;
  static constexpr int FadeInStep = 2;
  enum class TFadeState { FadingOut, FadingIn };

  explicit TMusicBox(IAudioBackend& backend);
  ~TMusicBox() override;  // frees every track

  std::string Path;  // the music folder, ending with '/'

  // Opens the sound output if need be, then the nine tracks; a track that cannot be opened
  // stays silent, the others keep their numbers.
  void LoadTracks();
  // 0..6 → tracks 0..6; 7 → track 7 or 8 by chance; anything else → track 0.
  void Request(int kind);
  void Update();
  int Volume() const { return FVolume; }
  // Clamped to 0..100; reached through Update.
  void SetVolume(int value);
  void StopAll();

  static const char* TrackFile(int track);
  static bool TrackLoops(int track);
  static int TrackOfRequest(int kind);

  int CurrentTrack() const { return Current; }
  int PendingTrack() const { return Pending; }
  int Level() const { return FadeLevel; }
  TFadeState State() const { return Fade; }
  TAudioStream TrackStream(int track) const { return Tracks[track]; }

  // Called with ("music", track number) whenever a track starts.
  std::function<void(const std::string& kind, const std::string& details)> OnTrace;

 private:
  IAudioBackend& Backend;
  TAudioStream Tracks[MaxTracks] = {};
  int FVolume = 70;
  int Current = -1;
  int Pending = -1;
  int FadeLevel = 0;
  TFadeState Fade = TFadeState::FadingIn;
};
