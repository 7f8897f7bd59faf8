#include "text/WrapText.h"

#include <vector>

namespace {
constexpr std::size_t MaxWordLength = 50;
constexpr std::size_t MaxWords = 200;
constexpr std::size_t MaxLines = 20;
constexpr std::size_t MaxResult = 255;
}  // namespace

std::string WrapText(TGameFontKind fontKind, const std::string& text, int extraSpacing,
                     int maxWidth, double scale) {
  std::vector<std::string> words;
  std::string word;
  auto endWord = [&] {
    if (!word.empty() && words.size() < MaxWords) words.push_back(word.substr(0, MaxWordLength));
    word.clear();
  };
  for (char c : text) {
    if (c == ' ')
      endWord();
    else
      word.push_back(c);
  }
  endWord();

  // Each line is built as " word word …" and measured so, leading space included.
  std::vector<std::string> lines;
  std::string line;
  for (const std::string& w : words) {
    std::string candidate = line + " " + w;
    if (TGameFont::TextWidth(fontKind, candidate, extraSpacing, scale) <= maxWidth) {
      line = candidate;
    } else {
      lines.push_back(line);
      line = " " + w;
    }
  }
  lines.push_back(line);

  std::string result;
  std::size_t produced = 0;
  for (std::string& l : lines) {
    if (!l.empty() && l[0] == ' ') l.erase(0, 1);
    if (l.empty()) continue;
    if (produced == MaxLines) break;
    if (produced > 0) result += "|";
    result += l;
    ++produced;
  }
  if (result.size() > MaxResult) result.resize(MaxResult);
  return result;
}
