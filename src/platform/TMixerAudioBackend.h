#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "platform/IAudioBackend.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// Sound through SDL2_mixer. Effects and voices are decoded when played and each stream gets
// a mixer channel of its own (streams of one file share the decoded sound); a freed stream
// gives its channel back for the next one. Decoded sounds are kept within a budget: past it,
// the ones played longest ago that are not sounding are let go, and decoded again when next
// played. Music tracks stream from disk on the mixer's music channel, one at a time. If the
// output cannot be opened every stream fails to open and the game stays silent.
class TMixerAudioBackend : public IAudioBackend {
 public:
  TMixerAudioBackend() = default;
  ~TMixerAudioBackend() override;

  bool Init() override;
  TAudioStream OpenStream(const std::string& path, TStreamKind kind, bool loop) override;
  bool Play(TAudioStream stream) override;
  void Stop(TAudioStream stream) override;
  bool IsPlaying(TAudioStream stream) override;
  void SetVolume(TAudioStream stream, int volume) override;
  void FreeStream(TAudioStream stream) override;
  void Shutdown() override;

  bool IsOpen() const { return Opened; }
  // Mixer channels allocated so far: the most effect and voice streams open at once.
  int ChannelCount() const { return Channels; }
  // The game's 0..100 on the mixer's 0..128.
  static int MixerVolume(int volume);
  // Decoded effect and voice sounds kept at most (sounds still playing are never let go).
  static constexpr std::size_t DefaultDecodedBudget = 8u << 20;
  void SetDecodedBudget(std::size_t bytes) { DecodedBudget = bytes; }
  std::size_t DecodedBytes() const { return DecodedTotal; }
  int DecodedCount() const { return static_cast<int>(Decoded.size()); }

 private:
  struct TEntry {
    TStreamKind Kind;
    bool Loop;
    std::string Path;  // decoded when played: start-up only checks that it can be opened
    Mix_Music* Music = nullptr;
    int Channel = -1;
    int Volume = 100;
  };
  TEntry* Find(TAudioStream stream);
  struct TDecoded {
    Mix_Chunk* Chunk;
    std::size_t Bytes;
    std::uint64_t LastPlayed;
  };
  Mix_Chunk* Decode(const std::string& path);
  // Lets go of decoded sounds, least recently played first, until within the budget.
  void Trim();
  void Forget(std::map<std::string, TDecoded>::iterator it);

  bool Tried = false;
  bool Opened = false;
  bool OwnsSubsystem = false;
  int Channels = 0;
  std::set<int> FreeChannels;  // allocated, but their stream was freed
  TAudioStream NextHandle = 1;
  TAudioStream CurrentMusic = 0;  // the track last started on the music channel
  std::map<TAudioStream, TEntry> Entries;
  std::map<std::string, TDecoded> Decoded;  // by path
  std::size_t DecodedTotal = 0, DecodedBudget = DefaultDecodedBudget;
  std::uint64_t PlayCounter = 0;
};
