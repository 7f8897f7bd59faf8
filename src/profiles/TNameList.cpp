#include "profiles/TNameList.h"

#include "platform/TAtomicFile.h"
#include "platform/TFileSystem.h"

namespace {
std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// A length-prefixed string of a field of the given size; a length beyond the field is cut.
std::string ReadShortString(const std::string& bytes, std::size_t at, std::size_t fieldSize) {
  std::size_t len = static_cast<unsigned char>(bytes[at]);
  if (len > fieldSize - 1) len = fieldSize - 1;
  return bytes.substr(at + 1, len);
}

void WriteShortString(std::string& bytes, std::size_t at, std::size_t fieldSize,
                      const std::string& s) {
  std::size_t len = s.size() < fieldSize - 1 ? s.size() : fieldSize - 1;
  bytes[at] = static_cast<char>(len);
  bytes.replace(at + 1, len, s.substr(0, len));
}
}  // namespace

std::string TNameList::Trim(const std::string& s) {
  std::size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  std::size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

bool TNameList::IsValidName(const std::string& name) {
  if (name.empty() || name.size() > MaxNameLength) return false;
  for (char c : name)
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ')) return false;
  return !Trim(name).empty();
}

std::string TNameList::EncodeRecord() const {
  std::string bytes(RecordSize, '\0');
  for (int i = 0; i < SlotCount; ++i) WriteShortString(bytes, 17 * i, 17, Slots[i]);
  WriteShortString(bytes, 102, 256, Current);
  return bytes;
}

void TNameList::DecodeRecord(const std::string& bytes) {
  if (bytes.size() < RecordSize) return;  // only whole records are read
  for (int i = 0; i < SlotCount; ++i) {
    std::string name = ReadShortString(bytes, 17 * i, 17);
    Slots[i] = IsValidName(name) ? name : "";
  }
  std::string current = ReadShortString(bytes, 102, 256);
  Current = IsValidName(current) ? current : "";
}

void TNameList::Load() {
  if (!TFileSystem::FileExists(FileName)) {
    CreateEmpty();
    return;
  }
  std::string bytes;
  if (!TAtomicFile::Read(FileName, bytes)) {
    CreateEmpty();
    return;
  }
  // Less than a whole record holds no names, but it stays on disk until the next save
  // replaces it: start-up only reads.
  if (bytes.size() < RecordSize) {
    Slots.fill("");
    Current.clear();
    return;
  }
  DecodeRecord(bytes.substr(0, RecordSize));
}

void TNameList::CreateEmpty() {
  Slots.fill("");
  Current.clear();
  std::string error;
  if (!TAtomicFile::Write(FileName, "", 0, error) && OnError) OnError(error);
}

bool TNameList::Save() {
  std::string bytes = EncodeRecord();
  std::string error;
  if (TAtomicFile::Write(FileName, bytes.data(), bytes.size(), error)) return true;
  if (OnError) OnError(error);
  return false;
}

void TNameList::Add(const std::string& name) {
  std::string n = Upper(Trim(name)).substr(0, MaxNameLength);
  if (IsValidName(n)) {
    for (int i = 0; i < SlotCount; ++i) {
      if (Slots[i].empty()) {
        Slots[i] = n;
        Select(i + 1);
        break;
      }
    }
  }
  Save();
}

void TNameList::DeleteSelected() {
  int s = SelectedSlot;
  if (s >= 1 && s <= SlotCount) {
    for (int i = s - 1; i < SlotCount - 1; ++i) Slots[i] = Slots[i + 1];
    Slots[SlotCount - 1].clear();
    if (IsEmpty()) {
      // No player left: the current name goes too, so that OK makes a fresh default player.
      Current.clear();
      SelectedSlot = 1;
    } else {
      Select(s);
    }
  }
  Save();
}

void TNameList::Select(int index) {
  if (index > SlotCount) index = SlotCount;
  if (index < 1) index = 1;
  SelectedSlot = index;
  int i = index;
  while (i >= 1 && Slots[i - 1].empty()) --i;
  if (i >= 1) {
    SelectedSlot = i;
    Current = Slots[i - 1];
  } else {
    Current.clear();
  }
}

bool TNameList::IsFull() const {
  for (const auto& s : Slots)
    if (s.empty()) return false;
  return true;
}

bool TNameList::IsEmpty() const {
  for (const auto& s : Slots)
    if (!s.empty()) return false;
  return true;
}

bool TNameList::Contains(const std::string& name) const {
  std::string n = Trim(name);
  if (n.empty()) return false;
  n = Upper(n);
  for (const auto& s : Slots)
    if (s == n) return true;
  return false;
}

bool TNameList::HitTest(int x, int y) const {
  if (x < Left || x > Left + ListWidth) return false;
  for (int i = 1; i <= SlotCount; ++i)
    if (!Slots[i - 1].empty() && y >= Top && y <= Top + i * VertGap) return true;
  return false;
}

int TNameList::IndexAt(int x, int y) const {
  if (!HitTest(x, y)) return SelectedSlot;
  int row = (y - Top) / VertGap + 1;
  if (row >= 1 && row <= SlotCount && !Slots[row - 1].empty()) return row;
  return SelectedSlot;
}

void TNameList::MouseDown(int x, int y, bool leftButton) {
  if (leftButton) Select(IndexAt(x, y));
}

void TNameList::MouseMove(int x, int y) {
  if (HitTest(x, y) && OnHoverName) OnHoverName();
}

void TNameList::Startup() {
  Validate();
  SelectCurrent();
}

void TNameList::Validate() {
  std::array<std::string, SlotCount> kept;
  int n = 0;
  for (const auto& s : Slots) {
    if (s.empty()) continue;
    bool exists = true;
    if (OnSaveFileExistenceQuestion) OnSaveFileExistenceQuestion(*this, s, exists);
    if (exists) kept[n++] = s;
  }
  Slots = kept;
}

void TNameList::SelectCurrent() {
  SelectedSlot = 1;
  for (int i = 0; i < SlotCount; ++i) {
    if (!Slots[i].empty() && Slots[i] == Current) {
      SelectedSlot = i + 1;
      return;
    }
  }
  Current = Slots[0];
}
