#include "metagame/TGameLogger.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/Rounding.h"
#include "platform/TAtomicFile.h"

namespace {

constexpr std::size_t kEntrySize = 48;
constexpr std::size_t kBoughtAt = 4800;
constexpr std::size_t kNameCapacity = 20;

int Rounded(float v) {
  return RoundHalfEven(std::clamp(static_cast<double>(v), -99999999.0, 99999999.0));
}

std::string TwoDigits(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%2.2d", n);
  return buf;
}

// A player's name becomes part of a file name: no folders, no end of string.
std::string FileSafe(const std::string& name) {
  std::string s = name;
  for (char& c : s)
    if (c == '/' || c == '\\' || c == '\0') c = '_';
  return s;
}

}  // namespace

void TGameLogger::SetEnabled(bool enabled) {
  if (enabled == IsEnabled) return;
  IsEnabled = enabled;
  if (IsEnabled) Load();
}

void TGameLogger::SetPlayerName(const std::string& name) {
  Name = name;
  if (IsEnabled) Load();
}

std::string TGameLogger::LogPath() const { return Folder + FileSafe(Name) + "-LOG.dat"; }

std::string TGameLogger::ReportPath() const { return Folder + FileSafe(Name) + "-LOG.txt"; }

void TGameLogger::Clear() {
  Levels = {};
  BoughtAtLevel = {};
}

void TGameLogger::Load() {
  std::string bytes;
  if (TAtomicFile::Read(LogPath(), bytes))
    DecodeRecord(bytes);
  else
    Clear();
}

std::string TGameLogger::EncodeRecord() const {
  std::string bytes(RecordSize, '\0');
  for (int i = 0; i < IslandCount; ++i)
    for (int j = 0; j < LevelsLogged; ++j) {
      const TLevelEntry& e = Levels[i][j];
      char* at = bytes.data() + 960 * i + kEntrySize * j;
      std::memcpy(at, &e.Seconds, 4);
      std::memcpy(at + 4, e.Gains.Amount.data(), 20);
      const std::size_t len = std::min(e.FileName.size(), kNameCapacity);
      at[24] = static_cast<char>(len);
      std::memcpy(at + 25, e.FileName.data(), len);
    }
  for (int i = 0; i < IslandCount; ++i)
    std::memcpy(bytes.data() + kBoughtAt + 16 * i, BoughtAtLevel[i].data(), 16);
  return bytes;
}

void TGameLogger::DecodeRecord(const std::string& bytes) {
  Clear();
  if (bytes.size() != RecordSize) return;
  for (int i = 0; i < IslandCount; ++i)
    for (int j = 0; j < LevelsLogged; ++j) {
      TLevelEntry& e = Levels[i][j];
      const char* at = bytes.data() + 960 * i + kEntrySize * j;
      std::memcpy(&e.Seconds, at, 4);
      std::memcpy(e.Gains.Amount.data(), at + 4, 20);
      const std::size_t len = std::min<std::size_t>(static_cast<unsigned char>(at[24]),
                                                    kNameCapacity);
      e.FileName.assign(at + 25, len);
    }
  for (int i = 0; i < IslandCount; ++i)
    std::memcpy(BoughtAtLevel[i].data(), bytes.data() + kBoughtAt + 16 * i, 16);
}

bool TGameLogger::Write(std::string& error) const {
  const std::string record = EncodeRecord();
  if (!TAtomicFile::Write(LogPath(), record.data(), record.size(), error)) return false;
  const std::string report = Report();
  return TAtomicFile::Write(ReportPath(), report.data(), report.size(), error);
}

bool TGameLogger::RoundWon(int island, int level, int seconds, const TElementsCount& gains,
                           const std::string& levelFileName, std::string& error) {
  if (!IsEnabled || island < 1 || island > IslandCount || level < 1 || level > LevelsLogged)
    return true;
  TLevelEntry& e = Levels[island - 1][level - 1];
  e.Seconds = seconds;
  e.Gains = gains;
  e.FileName = levelFileName.substr(0, kNameCapacity);
  return Write(error);
}

bool TGameLogger::ItemBought(int island, int slot, int level, std::string& error) {
  if (!IsEnabled || island < 1 || island > IslandCount || slot < 1 || slot > 4) return true;
  BoughtAtLevel[island - 1][slot - 1] = level;
  return Write(error);
}

std::string TGameLogger::Report() const {
  static const char* const kKinds[5] = {"      Fruit:    ", "      Flower:   ",
                                        "      Potion:   ", "      GoldTile: ",
                                        "      Spider:   "};
  std::string out;
  double totals[5] = {};
  for (int i = 0; i < IslandCount; ++i)
    for (int j = 0; j < LevelsLogged; ++j) {
      const TLevelEntry& e = Levels[i][j];
      if (e.Seconds <= 0) continue;
      out += "LEVEL " + std::to_string(i + 1) + "-" + TwoDigits(j + 1) +
             " <actual file: " + e.FileName + ">\n";
      out += "   Time: " + std::to_string(e.Seconds) + " seconds [" +
             std::to_string(e.Seconds / 60) + ":" + TwoDigits(e.Seconds % 60) + "]\n";
      for (int k = 0; k < 5; ++k) {
        out += kKinds[k] + std::to_string(Rounded(e.Gains.Amount[k])) + "\n";
        totals[k] += e.Gains.Amount[k];
      }
      out += "-- TOTAL -->\n";
      for (int k = 0; k < 5; ++k)
        out += kKinds[k] + std::to_string(Rounded(static_cast<float>(totals[k]))) + "\n";
      out += "\n\n";
    }
  out += "\n ============ BUYING UPGRADES ============\n\n\n";
  for (int i = 0; i < IslandCount; ++i) {
    bool any = false;
    for (int j = 0; j < 4; ++j) {
      const int level = BoughtAtLevel[i][j];
      if (level == 0) continue;
      any = true;
      out += "Slot " + std::to_string(i + 1) + "-" + std::to_string(j + 1) + ":   at level " +
             std::to_string(i + 1) + "-" + TwoDigits(level) + "\n";
    }
    if (any) out += "\n";
  }
  return out;
}
