#include "profiles/THighScores.h"

#include <cstring>

#include "platform/TAtomicFile.h"
#include "platform/TFileSystem.h"

namespace {
std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}
}  // namespace

THighScores::THighScores() {
  Names.fill("ANONYMOUS");
  Scores.fill(0);
  RebuildDisplay();
}

void THighScores::RebuildDisplay() {
  for (int i = 0; i < RowCount; ++i) ScoreTexts[i] = std::to_string(Scores[i]);
}

std::string THighScores::EncodeRecord() const {
  std::string bytes(RecordSize, '\0');
  for (int i = 0; i < RowCount; ++i) {
    std::size_t len = Names[i].size() < 255 ? Names[i].size() : 255;
    bytes[256 * i] = static_cast<char>(len);
    bytes.replace(256 * i + 1, len, Names[i].substr(0, len));
    std::memcpy(bytes.data() + 1280 + 4 * i, &Scores[i], 4);
  }
  return bytes;
}

void THighScores::DecodeRecord(const std::string& bytes) {
  if (bytes.size() < RecordSize) return;  // only whole records are read
  for (int i = 0; i < RowCount; ++i) {
    std::size_t len = static_cast<unsigned char>(bytes[256 * i]);
    Names[i] = bytes.substr(256 * i + 1, len);  // a length byte never exceeds 255
    std::memcpy(&Scores[i], bytes.data() + 1280 + 4 * i, 4);
  }
  RebuildDisplay();
}

bool THighScores::Load(std::string& error) {
  if (!TFileSystem::FileExists(NormalModeFileName)) {
    if (!Save(error)) return false;
  }
  std::string bytes;
  if (!TAtomicFile::Read(NormalModeFileName, bytes) || bytes.size() < RecordSize) {
    error = "cannot read the high scores \"" + NormalModeFileName + "\"";
    return false;
  }
  DecodeRecord(bytes.substr(0, RecordSize));
  return true;
}

bool THighScores::Save(std::string& error) {
  std::string bytes = EncodeRecord();
  return TAtomicFile::Write(NormalModeFileName, bytes.data(), bytes.size(), error);
}

void THighScores::Submit(const std::string& rawName, std::int32_t score) {
  std::string name = Upper(rawName);
  int found = -1;
  bool lower = false;
  for (int i = 0; i < RowCount; ++i) {
    if (Upper(Names[i]) == name) {
      found = i;
      lower = Scores[i] < score;
    }
  }
  if (found >= 0 && !lower) return;
  if (found >= 0) {
    for (int i = found; i < RowCount - 1; ++i) {
      Names[i] = Names[i + 1];
      Scores[i] = Scores[i + 1];
    }
    Names[RowCount - 1].clear();
    Scores[RowCount - 1] = 0;
  }
  int at = -1;
  for (int i = 0; i < RowCount; ++i) {
    if (Scores[i] < score) {
      at = i;
      break;
    }
  }
  if (at < 0) {
    RebuildDisplay();
    return;
  }
  for (int i = RowCount - 1; i > at; --i) {
    Names[i] = Names[i - 1];
    Scores[i] = Scores[i - 1];
  }
  Names[at] = name.substr(0, 255);
  Scores[at] = score;
  RebuildDisplay();
}
