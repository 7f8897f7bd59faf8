#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/SharedTypes.h"

// Everything one player has achieved, as stored in the player's ".sav" file: one 172-byte
// little-endian record. The meaning of the bytes inside each block belongs to its owner.
struct TPlayerSave {
  static constexpr std::size_t RecordSize = 172;

  std::int32_t Score = 0;
  std::array<float, 5> Stocks{};
  std::array<std::uint8_t, 38> Stickers{};
  std::array<std::array<std::uint8_t, 4>, 5> ShopSlots{};  // island, slot
  std::uint8_t NextUncompletedIslandIdx = 0;
  std::int32_t NextUncompletedLevelIdx = 0;
  bool OpeningStoryTold = false;
  std::array<std::uint8_t, 5> MapVisited{};
  std::array<std::uint8_t, 6> MapOpen{};  // islands 1..5, then the first chapter-comment flag
  std::array<std::uint8_t, 5> MapChapterCommentShown{};
  std::array<std::uint8_t, 14> TutorialShown{};
  std::array<std::uint8_t, 27> ToolTipsShown{};
  bool SoundOn = false;
  bool MusicOn = false;
  bool FullScreen = false;
  bool TutorialOn = false;
  std::int32_t SoundVolume = 0;  // 0..100
  std::int32_t MusicVolume = 0;  // 0..100
  TRelaxedMode RelaxedMode = rmNotInitialized;
  std::int32_t RestoCustomersServed = 0;
  std::int32_t RestoMoney = 0;

  std::array<std::uint8_t, RecordSize> Encode() const;
  // Reads the first record; bytes past it are ignored. False (and the record untouched)
  // when the bytes are shorter than one record.
  bool Decode(const std::string& bytes);

  bool operator==(const TPlayerSave&) const = default;
};
