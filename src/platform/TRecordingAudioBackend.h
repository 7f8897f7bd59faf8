#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/IAudioBackend.h"
#include "platform/TFileSystem.h"

// A silent back end that remembers every stream and call, for tests and headless runs.
// Streams play until stopped (or until FinishAll), so "is it still playing" can be staged.
class TRecordingAudioBackend : public IAudioBackend {
 public:
  struct TStream {
    std::string Path;
    TStreamKind Kind;
    bool Loop;
    bool Playing = false;
    bool Freed = false;
    int Volume = 100;
    int PlayCount = 0;
  };

  bool Init() override {
    ++InitCalls;
    return !FailInit;
  }
  TAudioStream OpenStream(const std::string& path, TStreamKind kind, bool loop) override {
    if (FailInit || (RequireFiles && !TFileSystem::FileExists(path))) return 0;
    Streams.push_back({path, kind, loop});
    return static_cast<TAudioStream>(Streams.size());
  }
  bool Play(TAudioStream s) override {
    TStream* st = Find(s);
    if (!st) return false;
    st->Playing = true;
    ++st->PlayCount;
    Log.push_back("play " + std::to_string(s));
    return true;
  }
  void Stop(TAudioStream s) override {
    if (TStream* st = Find(s)) st->Playing = false;
  }
  bool IsPlaying(TAudioStream s) override {
    TStream* st = Find(s);
    return st && st->Playing;
  }
  void SetVolume(TAudioStream s, int volume) override {
    if (TStream* st = Find(s)) st->Volume = volume;
  }
  void FreeStream(TAudioStream s) override {
    if (TStream* st = Find(s)) st->Freed = true;
  }
  void Shutdown() override { ++ShutdownCalls; }

  void FinishAll() {
    for (auto& s : Streams) s.Playing = false;
  }
  TStream* Find(TAudioStream s) {
    if (s == 0 || s > Streams.size() || Streams[s - 1].Freed) return nullptr;
    return &Streams[s - 1];
  }

  bool FailInit = false;
  bool RequireFiles = true;
  int InitCalls = 0, ShutdownCalls = 0;
  std::vector<TStream> Streams;  // handle n is Streams[n - 1]
  std::vector<std::string> Log;
};
