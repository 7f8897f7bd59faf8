#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/TComponent.h"
#include "levels/TElementsCount.h"

// A diagnostic log for balancing: how long each won level took and what it gathered, and at
// which level each dish was bought. Kept per player as "<name>-LOG.dat" with a readable
// "<name>-LOG.txt" beside it, in the folder the shell gives (the save folder: the game's own
// folder may be read-only). Off unless switched on; while off it reads and writes nothing.
class TGameLogger : public TComponent {
 public:
  static constexpr int IslandCount = 5;
  static constexpr int LevelsLogged = 20;
  static constexpr std::size_t RecordSize = 4880;

  // Where the log files go, ending with "/".
  std::string Folder;

  bool Enabled() const { return IsEnabled; }
  // Switching on reads the current player's log.
  void SetEnabled(bool enabled);
  const std::string& PlayerName() const { return Name; }
  // Names the log files; when enabled, reads that player's log or starts an empty one.
  void SetPlayerName(const std::string& name);

  // A won round: time, the round's gains and the level file it came from. Levels above 20
  // are not logged. False, with the reason, when the files cannot be written.
  bool RoundWon(int island, int level, int seconds, const TElementsCount& gains,
                const std::string& levelFileName, std::string& error);
  // A dish bought at the given level of its island.
  bool ItemBought(int island, int slot, int level, std::string& error);

  std::string LogPath() const;
  std::string ReportPath() const;
  std::string EncodeRecord() const;
  // A record of the wrong size leaves an empty log.
  void DecodeRecord(const std::string& bytes);
  std::string Report() const;

 private:
  struct TLevelEntry {
    std::int32_t Seconds = 0;
    TElementsCount Gains;
    std::string FileName;  // up to 20 characters
  };
  void Clear();
  void Load();
  bool Write(std::string& error) const;

  bool IsEnabled = false;
  std::string Name;
  std::array<std::array<TLevelEntry, LevelsLogged>, IslandCount> Levels{};
  std::array<std::array<std::int32_t, 4>, IslandCount> BoughtAtLevel{};
};
