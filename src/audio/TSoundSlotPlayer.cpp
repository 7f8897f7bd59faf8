#include "audio/TSoundSlotPlayer.h"

#include <algorithm>

#include "platform/TFileSystem.h"

TSoundSlotPlayer::TSoundSlotPlayer(IAudioBackend& backend, int capacity, const char* traceKind)
    : Backend(backend), SlotCapacity(capacity), TraceKind(traceKind) {}

TSoundSlotPlayer::~TSoundSlotPlayer() {
  for (const TSlot& s : Slots) Backend.FreeStream(s.Stream);
}

void TSoundSlotPlayer::LoadFolder(const std::string& folder) {
  Backend.Init();
  for (const std::string& file : TFileSystem::ListFiles(folder, ".ogg")) {
    std::string name = file.substr(0, file.size() - 4);
    if (name.size() > MaxNameLength) name.resize(MaxNameLength);
    int voices = VoicesOf(name);
    for (int v = 0; v < voices; ++v) {
      if (Count() >= SlotCapacity) return;
      TAudioStream stream =
          Backend.OpenStream(folder + file, IAudioBackend::TStreamKind::Sample, false);
      if (stream == 0) continue;
      Backend.SetVolume(stream, FVolume);
      Slots.push_back({stream, name});
    }
  }
}

void TSoundSlotPlayer::Play(const std::string& name) {
  auto first = std::find_if(Slots.begin(), Slots.end(),
                            [&](const TSlot& s) { return s.Name == name; });
  if (first == Slots.end()) {
    if (OnMissing) OnMissing(TraceKind, name);
    return;
  }
  auto chosen = first;
  if (VoicesOf(name) > 1) {
    auto last = first + std::min<std::ptrdiff_t>(VoicesOf(name), Slots.end() - first);
    auto free = std::find_if(first, last, [&](const TSlot& s) {
      return s.Name == name && !Backend.IsPlaying(s.Stream);
    });
    if (free != last) chosen = free;
  }
  Backend.Play(chosen->Stream);
  if (OnTrace) OnTrace(TraceKind, name);
}

void TSoundSlotPlayer::SetVolume(int value) {
  FVolume = std::clamp(value, 0, 100);
  for (const TSlot& s : Slots) Backend.SetVolume(s.Stream, FVolume);
}

void TSoundSlotPlayer::StopAll() {
  for (const TSlot& s : Slots) Backend.Stop(s.Stream);
}
