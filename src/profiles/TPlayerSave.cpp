#include "profiles/TPlayerSave.h"

#include <cstring>

namespace {
template <typename T>
void Put(std::array<std::uint8_t, TPlayerSave::RecordSize>& out, std::size_t at, const T& v) {
  std::memcpy(out.data() + at, &v, sizeof(T));  // the game only runs on little-endian machines
}
template <typename T>
void Get(const std::string& in, std::size_t at, T& v) {
  std::memcpy(&v, in.data() + at, sizeof(T));
}
void PutBool(std::array<std::uint8_t, TPlayerSave::RecordSize>& out, std::size_t at, bool b) {
  out[at] = b ? 1 : 0;
}
bool GetBool(const std::string& in, std::size_t at) { return in[at] != 0; }
}  // namespace

std::array<std::uint8_t, TPlayerSave::RecordSize> TPlayerSave::Encode() const {
  std::array<std::uint8_t, RecordSize> out{};  // gaps are written as zero
  Put(out, 0, Score);
  for (int i = 0; i < 5; ++i) Put(out, 4 + 4 * i, Stocks[i]);
  std::memcpy(out.data() + 24, Stickers.data(), 38);
  for (int i = 0; i < 5; ++i) std::memcpy(out.data() + 62 + 4 * i, ShopSlots[i].data(), 4);
  out[82] = NextUncompletedIslandIdx;
  Put(out, 84, NextUncompletedLevelIdx);
  PutBool(out, 88, OpeningStoryTold);
  std::memcpy(out.data() + 89, MapVisited.data(), 5);
  std::memcpy(out.data() + 94, MapOpen.data(), 6);
  std::memcpy(out.data() + 100, MapChapterCommentShown.data(), 5);
  std::memcpy(out.data() + 105, TutorialShown.data(), 14);
  std::memcpy(out.data() + 119, ToolTipsShown.data(), 27);
  PutBool(out, 146, SoundOn);
  PutBool(out, 147, MusicOn);
  PutBool(out, 148, FullScreen);
  PutBool(out, 149, TutorialOn);
  Put(out, 152, SoundVolume);
  Put(out, 156, MusicVolume);
  out[160] = static_cast<std::uint8_t>(RelaxedMode);
  Put(out, 164, RestoCustomersServed);
  Put(out, 168, RestoMoney);
  return out;
}

bool TPlayerSave::Decode(const std::string& in) {
  // A longer file is still the player's progress: refusing it would let the next save
  // overwrite it with a new player's defaults.
  if (in.size() < RecordSize) return false;
  TPlayerSave s;
  Get(in, 0, s.Score);
  for (int i = 0; i < 5; ++i) Get(in, 4 + 4 * i, s.Stocks[i]);
  std::memcpy(s.Stickers.data(), in.data() + 24, 38);
  for (int i = 0; i < 5; ++i) std::memcpy(s.ShopSlots[i].data(), in.data() + 62 + 4 * i, 4);
  s.NextUncompletedIslandIdx = static_cast<std::uint8_t>(in[82]);
  Get(in, 84, s.NextUncompletedLevelIdx);
  s.OpeningStoryTold = GetBool(in, 88);
  std::memcpy(s.MapVisited.data(), in.data() + 89, 5);
  std::memcpy(s.MapOpen.data(), in.data() + 94, 6);
  std::memcpy(s.MapChapterCommentShown.data(), in.data() + 100, 5);
  std::memcpy(s.TutorialShown.data(), in.data() + 105, 14);
  std::memcpy(s.ToolTipsShown.data(), in.data() + 119, 27);
  s.SoundOn = GetBool(in, 146);
  s.MusicOn = GetBool(in, 147);
  s.FullScreen = GetBool(in, 148);
  s.TutorialOn = GetBool(in, 149);
  Get(in, 152, s.SoundVolume);
  Get(in, 156, s.MusicVolume);
  std::uint8_t relaxed = static_cast<std::uint8_t>(in[160]);
  s.RelaxedMode = relaxed <= 2 ? static_cast<TRelaxedMode>(relaxed) : rmNotInitialized;
  Get(in, 164, s.RestoCustomersServed);
  Get(in, 168, s.RestoMoney);
  *this = s;
  return true;
}
