#include "text/TTextStrings.h"

#include "platform/TFileSystem.h"

const std::string& TTextStrings::TSlots::operator[](int n) const {
  static const std::string empty;
  if (n < 1 || n > LineCount) return empty;
  return Lines[n];
}

void TTextStrings::TSlots::Set(int n, const std::string& text) {
  if (n < 1 || n > LineCount) return;
  Lines[n] = text.size() > static_cast<std::size_t>(Capacity) ? text.substr(0, Capacity) : text;
}

std::vector<std::string> TTextStrings::SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string current;
  bool pending = false;  // characters (or an empty line) since the last ending
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      pending = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
      pending = true;
    }
  }
  if (pending) lines.push_back(current);
  return lines;
}

bool TTextStrings::ReadLines(const std::string& path, std::vector<std::string>& lines) {
  std::string bytes;
  if (!TFileSystem::FileExists(path) || !TFileSystem::ReadFile(path, bytes)) return false;
  lines = SplitLines(bytes);
  return true;
}

bool TTextStrings::LoadFile(const std::string& folder, TSlots& slots, std::string& error) {
  std::string path = folder + slots.File();
  std::vector<std::string> lines;
  if (!ReadLines(path, lines)) {
    error = "The text file \"" + path + "\" is missing or cannot be read.";
    return false;
  }
  if (static_cast<int>(lines.size()) < slots.Count()) {
    error = "The text file \"" + path + "\" has " + std::to_string(lines.size()) +
            " lines; line " + std::to_string(lines.size() + 1) + " of " +
            std::to_string(slots.Count()) + " is missing.";
    return false;
  }
  for (int n = 1; n <= slots.Count(); ++n) slots.Set(n, lines[n - 1]);
  return true;
}

bool TTextStrings::Load(const std::string& folder, std::string& error) {
  TSlots* files[] = {&GameTexts,    &GameConfirms, &GameComments,   &StoryNarrations,
                     &Credits,      &GameTutorial, &TutorialInfo,   &CharacterChats,
                     &UpgradeNames, &UpgradeDescs};
  for (TSlots* slots : files)
    if (!LoadFile(folder, *slots, error)) return false;
  return true;
}
