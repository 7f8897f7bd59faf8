#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "board/TBoardData.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "levels/TLevelFileRecord.h"
#include "levels/TLevelSetup.h"

// Chooses and reads the level file of an island and level number, and keeps the record
// so that a restart can apply it again. It pushes nothing anywhere: the round flow asks
// for Setup() and hands each value to its component.
class TLevelParams : public TComponent {
 public:
  static constexpr int IslandCount = 5;

  TLevelParams();

  // Folder of the level files, with its trailing separator.
  std::string LevelFilesPath;

  // A file that cannot be used, with the message to show in a modal box. The level
  // then starts with the previous record.
  std::function<void(TLevelParams& sender, const std::string& message)> OnLoadError;

  // Chooses the file for the island (1..5) and level (from 1) and reads it. Levels past
  // the island's designed ones replay one of its upper levels, never the same twice in a
  // row on one island. False when the file is missing or damaged; the record is kept.
  bool LoadLevel(int island, int level);
  // Forgets the replay picks, so a new player profile may meet any replay first.
  void ResetReplayMemory();

  const TLevelFileRecord& Record() const { return CurrentRecord; }
  const std::string& LoadedFileName() const { return FileName; }
  int LoadedLevelNumber() const { return LevelNumber; }
  int LoadedIsland() const { return Island; }
  int LastReplayPick(int island) const;

  // The record as the round flow applies it. The upgrades are the shop's gold-tile item
  // (island 3, slot 2) and potion item (island 4, slot 2).
  TLevelSetup Setup(bool goldTileUpgradeOwned, bool potionUpgradeOwned) const;

  // "Level2-07.eil"; three-digit numbers are written in full.
  static std::string LevelFileName(int island, int number);
  // Centres the used part of a board (cells that are not holes) on the play area.
  static TPoint BoardPlacement(const TBoardData& board);

  static constexpr std::uint8_t LastLevelOfIsland[IslandCount + 1] = {0, 12, 13, 15, 16, 18};
  static constexpr std::uint8_t FirstReplayLevelOfIsland[IslandCount + 1] = {0, 9, 10, 12, 13,
                                                                             15};

 private:
  int ChooseLevelNumber(int island, int level);
  void Fail(const std::string& message);

  std::uint8_t ReplayPick[IslandCount + 1] = {};
  TLevelFileRecord CurrentRecord = TLevelFileRecord::Blank();
  std::string FileName;
  int LevelNumber = 1;
  int Island = 1;
};
