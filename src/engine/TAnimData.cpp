#include "engine/TAnimData.h"

void TAnimData::SetSeq(const std::string& seq) {
  Seq = seq.substr(0, 255);
  for (char& c : Seq)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

int TAnimData::Frame() {
  if (Position <= 0) Position = 1;
  if (Seq.empty()) return Hidden;
  if (Position > static_cast<int>(Seq.size())) Position = static_cast<int>(Seq.size());
  char c = Seq[Position - 1];
  if (c >= '1' && c <= '9') return c - '1';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  return Hidden;  // "-", and anything the sequences never contain
}

void TAnimData::Next() {
  ++Position;
  int len = static_cast<int>(Seq.size());
  if (Position >= len) Position = Looped ? 1 : len;
}

bool TAnimData::AtEnd() const { return Position == static_cast<int>(Seq.size()); }

bool TAnimData::IsBlank() {
  if (Position <= 0) Position = 1;
  return Position <= static_cast<int>(Seq.size()) && Seq[Position - 1] == '-';
}
