// "HighScores.dat": any file gives a table that can be shown, merged into and written
// back unchanged.
#include <climits>

#include "FuzzTarget.h"
#include "profiles/THighScores.h"

std::vector<std::string> FuzzSeeds() {
  THighScores fresh;
  THighScores played;
  played.Submit("ANNA", 5000);
  played.Submit("bo", 300);
  played.Submit(std::string(300, 'L'), 70);
  return {fresh.EncodeRecord(), played.EncodeRecord(), "", std::string(1299, '\x01'),
          played.EncodeRecord() + "after the record"};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string file = FuzzScratchFolder() + "HighScores.dat";
  FuzzWriteFile(file, data, size);

  THighScores table;
  table.NormalModeFileName = file;
  std::string error;
  bool loaded = table.Load(error);
  FUZZ_CHECK(loaded == (size >= THighScores::RecordSize));
  FUZZ_CHECK(loaded || !error.empty());
  for (int row = 1; row <= THighScores::RowCount; ++row) {
    FUZZ_CHECK(table.Name(row).size() <= 255);
    FUZZ_CHECK(table.ScoreText(row) == std::to_string(table.Score(row)));
  }
  const std::string read = table.EncodeRecord();
  THighScores copy;
  copy.DecodeRecord(read);
  FUZZ_CHECK(copy.EncodeRecord() == read);

  // Submitting never adds a second row for a name, whatever the file held.
  auto rowsOfFuzz = [&table] {
    int rows = 0;
    for (int row = 1; row <= THighScores::RowCount; ++row) {
      std::string n = table.Name(row);
      for (char& c : n)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      rows += n == "FUZZ";
    }
    return rows;
  };
  const int before = rowsOfFuzz();
  const std::int32_t scores[] = {0, 1, -5, INT_MAX, INT_MIN, 500, 500};
  std::int32_t picked = size ? scores[data[0] % 7] : 0;
  table.Submit("FUZZ", picked);
  table.Submit("fuzz", picked == INT_MIN ? picked : picked - 1);
  table.Submit("Fuzz", picked == INT_MAX ? picked : picked + 1);
  FUZZ_CHECK(rowsOfFuzz() <= (before > 1 ? before : 1));
  for (int row = 1; row <= THighScores::RowCount; ++row)
    FUZZ_CHECK(table.ScoreText(row) == std::to_string(table.Score(row)));
  return 0;
}
