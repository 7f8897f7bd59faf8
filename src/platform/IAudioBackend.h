#pragma once
#include <cstdint>
#include <string>

using TAudioStream = std::uint32_t;  // 0 means none

// What the game's players need from a sound library, and no more: open a file as a
// (possibly looping) stream, start it from its beginning, stop it, ask whether it plays,
// set its volume on a 0..100 scale, free it. Failures are quiet; the game runs on silent.
class IAudioBackend {
 public:
  enum class TStreamKind {
    Sample,  // effects and voices: many at once, each on a channel of its own
    Music,   // long tracks streamed from disk; the music box plays one at a time
  };

  virtual ~IAudioBackend() = default;
  // Opens the output once; later calls change nothing. False when there is no sound.
  virtual bool Init() = 0;
  virtual TAudioStream OpenStream(const std::string& path, TStreamKind kind, bool loop) = 0;
  // From the beginning, even when it is playing. False when it could not start.
  virtual bool Play(TAudioStream stream) = 0;
  virtual void Stop(TAudioStream stream) = 0;
  virtual bool IsPlaying(TAudioStream stream) = 0;
  virtual void SetVolume(TAudioStream stream, int volume) = 0;
  virtual void FreeStream(TAudioStream stream) = 0;
  // Closes the output; streams still open are freed.
  virtual void Shutdown() = 0;
};
