#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/TComponent.h"

// The five best players of the installation, kept in "HighScores.dat" (one 1300-byte record).
class THighScores : public TComponent {
 public:
  static constexpr int RowCount = 5;
  static constexpr std::size_t RecordSize = 1300;

  THighScores();
  std::string NormalModeFileName;

  // Reads the table; a missing file is created with the table as it is. A file that cannot
  // be read leaves the default table (and says why in error).
  bool Load(std::string& error);
  bool Save(std::string& error);
  void Submit(const std::string& name, std::int32_t score);

  const std::string& Name(int row) const { return Names[row - 1]; }
  std::int32_t Score(int row) const { return Scores[row - 1]; }
  const std::string& ScoreText(int row) const { return ScoreTexts[row - 1]; }

  std::string EncodeRecord() const;
  void DecodeRecord(const std::string& bytes);

 private:
  void RebuildDisplay();
  std::array<std::string, RowCount> Names;
  std::array<std::int32_t, RowCount> Scores{};
  std::array<std::string, RowCount> ScoreTexts;
};
