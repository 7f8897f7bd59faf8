#pragma once
#include <functional>
#include <string>
#include <vector>

#include "engine/TComponent.h"
#include "platform/IAudioBackend.h"

// A fixed table of named, already opened streams that play by name. The effect player and
// the voice player are both this; effects add the sounds that overlap themselves.
class TSoundSlotPlayer : public TComponent {
 public:
  static constexpr std::size_t MaxNameLength = 40;

  TSoundSlotPlayer(IAudioBackend& backend, int capacity, const char* traceKind);
  ~TSoundSlotPlayer() override;  // frees every stream

  // The first slot of that exact name (case-sensitive) starts from its beginning; of a
  // sound loaded several times, the first that is not playing, else the first.
  // An unknown name does nothing.
  void Play(const std::string& name);
  int Volume() const { return FVolume; }
  // Clamped to 0..100 and applied to every loaded stream at once.
  void SetVolume(int value);
  void StopAll();

  int Capacity() const { return SlotCapacity; }
  int Count() const { return static_cast<int>(Slots.size()); }
  const std::string& SlotName(int index) const { return Slots[index].Name; }
  TAudioStream SlotStream(int index) const { return Slots[index].Stream; }

  // Called with (kind, name) whenever a sound starts; the shell writes it to its trace.
  std::function<void(const std::string& kind, const std::string& details)> OnTrace;
  // Called with (kind, name) when a name to play has no loaded file (content checks).
  std::function<void(const std::string& kind, const std::string& name)> OnMissing;

 protected:
  // Every ".ogg" file of the folder in listing order, each opened VoicesOf(name) times;
  // a stream that cannot be opened takes no slot, and nothing is opened past the capacity.
  // The sound output opens here, with the first streams, not when the player is made.
  void LoadFolder(const std::string& folder);
  virtual int VoicesOf(const std::string& name) const { return 1; }

  IAudioBackend& Backend;

 private:
  struct TSlot {
    TAudioStream Stream;
    std::string Name;
  };
  int SlotCapacity;
  const char* TraceKind;
  int FVolume = 70;
  std::vector<TSlot> Slots;
};
