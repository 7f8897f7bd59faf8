#include "Texts.h"

#include <cctype>
#include <cmath>
#include <cstring>

namespace contentgen {

const CatalogueFile Catalogues[10] = {
    {"GameTexts.txt", 37, 80},       {"GameConfirms.txt", 20, 255},
    {"GameComments.txt", 30, 80},    {"StoryNarrations.txt", 10, 255},
    {"Credits.txt", 34, 80},         {"GameTutorial.txt", 30, 255},
    {"TutorialInfo.txt", 5, 255},    {"CharacterChats.txt", 183, 255},
    {"UpgradeNames.txt", 24, 80},    {"UpgradeDescs.txt", 24, 255},
};

namespace {

struct Widths {
  const char* chars;
  int width;
};

constexpr Widths NormalWidths[] = {
    {"!Il|", 7},         {"'.i", 8},          {":", 9},           {",1;j", 10},
    {"/J", 11},          {"s", 12},           {" fr", 13},        {"\"()*-t", 14},
    {"+c", 15},          {"$5=?Sxz", 16},     {"37hv", 17},       {"24689EFLZenoy", 18},
    {"Tbdgkpu", 19},     {"0CPUVX", 21},      {"D", 22},          {"#GHN", 23},
    {"&A", 24},          {"MOQw", 25},        {"%", 26},          {"m", 28},
    {"W", 30},
};

constexpr Widths CommentWidths[] = {
    {" ", 12},     {":", 19},     {"!", 21},     {"-1I", 22},   {"23J", 24},
    {"57FS", 26},  {"68EL", 27},  {"049", 28},   {"CNTZ", 30},  {"&ABPV", 31},
    {"GQRY", 32},  {"DKOU", 33},  {"X", 34},     {"H", 35},     {"M", 37},
    {"W", 44},
};

int advanceOf(Font font, char c) {
  if (font == Font::Comment) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (font == Font::Comment) {
    for (const auto& w : CommentWidths)
      if (std::strchr(w.chars, c)) return w.width;
  } else {
    for (const auto& w : NormalWidths)
      if (std::strchr(w.chars, c)) return w.width;
  }
  return 20;
}

bool isLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::string lineRef(std::string_view file, int line) {
  return std::string(file) + " line " + std::to_string(line);
}

}  // namespace

bool fontDraws(Font font, char c) {
  if (c == '\0') return false;
  if (isLetterOrDigit(c)) return true;
  if (font == Font::Comment) return std::strchr("':!&- ", c) != nullptr;
  return std::strchr("!#$%&*()-+=;:'\",./?| ", c) != nullptr;
}

int textWidth(Font font, std::string_view text, int spacing, double scale) {
  int width = 0;
  for (char c : text)
    if (fontDraws(font, c)) width += static_cast<int>(std::nearbyint((advanceOf(font, c) + spacing) * scale));
  return width;
}

std::vector<std::string> wrapText(Font font, std::string_view text, int spacing, int maxWidth,
                                  double scale) {
  std::vector<std::string> words;
  std::string cur;
  for (char c : text) {
    if (c == ' ') {
      if (!cur.empty()) words.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) words.push_back(cur);

  std::vector<std::string> lines;
  std::string line;
  for (const std::string& w : words) {
    std::string candidate = line + " " + w;
    if (line.empty() || textWidth(font, candidate, spacing, scale) <= maxWidth) {
      line = candidate;
    } else {
      lines.push_back(line.substr(1));
      line = " " + w;
    }
  }
  if (!line.empty()) lines.push_back(line.substr(1));
  return lines;
}

Font fontOf(std::string_view file, int line) {
  // The big flying comments: chapter entries, round comments, potion finds and
  // the island-complete messages and why a tool cannot be used (27..30). The restaurant
  // titles (22..26) are plain text.
  if (file == "GameComments.txt" && (line <= 20 || line >= 27)) return Font::Comment;
  return Font::Normal;
}

std::vector<std::string> splitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string cur;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(cur);
      cur.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

std::vector<std::string> checkCatalogue(std::string_view file, const std::vector<std::string>& lines) {
  std::vector<std::string> p;
  const CatalogueFile* catalogue = nullptr;
  for (const auto& c : Catalogues)
    if (file == c.name) catalogue = &c;
  if (!catalogue) return {std::string(file) + " is not a catalogue file"};
  if (static_cast<int>(lines.size()) != catalogue->lines)
    p.push_back(std::string(file) + " has " + std::to_string(lines.size()) + " lines instead of " +
                std::to_string(catalogue->lines));

  auto line = [&](int n) -> std::string {
    return n >= 1 && n <= static_cast<int>(lines.size()) ? lines[n - 1] : std::string();
  };
  for (int n = 1; n <= static_cast<int>(lines.size()); ++n) {
    const std::string& l = lines[n - 1];
    if (static_cast<int>(l.size()) > catalogue->slotSize)
      p.push_back(lineRef(file, n) + " is longer than its slot of " + std::to_string(catalogue->slotSize));
    Font font = fontOf(file, n);
    for (char c : l)
      if (!fontDraws(font, c)) {
        p.push_back(lineRef(file, n) + " has a character its font cannot draw: '" + std::string(1, c) + "'");
        break;
      }
  }

  auto needText = [&](int n) {
    if (line(n).empty()) p.push_back(lineRef(file, n) + " is used by the game but empty");
  };
  auto needBlank = [&](int n) {
    if (!line(n).empty()) p.push_back(lineRef(file, n) + " belongs to nothing and should be blank");
  };
  auto maxLines = [&](int n, int spacing, int width, double scale, size_t most) {
    if (wrapText(Font::Normal, line(n), spacing, width, scale).size() > most)
      p.push_back(lineRef(file, n) + " wraps into more than " + std::to_string(most) + " lines");
  };
  auto maxWidth = [&](int n, Font f, int spacing, double scale, int width) {
    if (textWidth(f, line(n), spacing, scale) > width)
      p.push_back(lineRef(file, n) + " is wider than " + std::to_string(width) + " pixels");
  };
  auto commentLetters = [&](const std::string& text, const std::string& what) {
    int letters = 0;
    for (char c : text) letters += fontDraws(Font::Comment, c);
    if (letters > 30) p.push_back(what + " has more than the 30 letters a comment shows");
  };

  if (file == "GameTexts.txt") {
    if (line(1) != "Wendmoor: Vessary") p.push_back("GameTexts.txt line 1 must be the title");
    for (int n : {1, 3, 5, 7, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
                  27, 28, 30})
      needText(n);
    if (line(3).size() > 16) p.push_back("the default player name is longer than a name slot (16)");
    maxWidth(7, Font::Normal, 0, 0.78, 342);
    maxWidth(9, Font::Normal, 0, 0.78, 342);
    maxWidth(30, Font::Normal, 0, 0.6, 1366);
    // The hub's guide sits between the Menu button and the book's tube.
    maxWidth(15, Font::Normal, 0, 0.62, 700);
    for (int n : {19, 23, 27}) maxWidth(n, Font::Normal, 0, 0.5, 780);
    // The practice window's hints start 144 pixels into the window and end before its recipe
    // board (376) and the presented dish's table.
    for (int n : {20, 21, 22, 24, 25, 26, 28}) maxWidth(n, Font::Normal, -1, 0.54, 230);
    // The level card's goal: one line each across the panel under the card.
    for (int n = 31; n <= 37; ++n) {
      needText(n);
      maxWidth(n, Font::Normal, 0, 0.68, 560);
    }
  } else if (file == "GameConfirms.txt") {
    for (int title : {1, 4, 7, 10, 13, 16, 19}) {
      needText(title);
      needText(title + 1);
      maxWidth(title, Font::Normal, 0, 0.78, 350);
      maxLines(title + 1, -1, 360, 0.55, 3);
    }
    // A lost boss round asks with line 1's title and this description.
    needText(3);
    maxLines(3, -1, 360, 0.55, 3);
  } else if (file == "GameComments.txt") {
    for (int n : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 14, 15, 17, 18, 20, 22, 23, 24, 25, 26}) needText(n);
    for (int n = 27; n <= 30; ++n) needText(n);  // why a tool cannot be used
    for (int n = 1; n <= 20; ++n) commentLetters(line(n), lineRef(file, n));
    for (int n = 27; n <= 30; ++n) commentLetters(line(n), lineRef(file, n));
    for (int island = 1; island <= 4; ++island)
      commentLetters(line(17) + std::to_string(island) + line(18), "the island-complete comment");
    for (int n = 22; n <= 26; ++n) maxWidth(n, Font::Normal, -1, 0.96, 1300);
  } else if (file == "StoryNarrations.txt") {
    for (int n : {1, 2, 3, 4, 5, 6, 8, 9, 10}) {
      needText(n);
      maxLines(n, 1, 920, 0.7, 10);
    }
  } else if (file == "Credits.txt") {
    for (int n = 1; n <= static_cast<int>(lines.size()); ++n) {
      bool heading = !line(n).empty() && line(n)[0] == '#';
      std::string shown = heading ? line(n).substr(1) : line(n);
      if (shown.size() > 40) p.push_back(lineRef(file, n) + " is longer than a credit line (40)");
      if (textWidth(Font::Normal, shown, 0, heading ? 0.62 : 0.57) > 288)
        p.push_back(lineRef(file, n) + " is wider than the credits area");
    }
  } else if (file == "GameTutorial.txt") {
    for (int title : {1, 3, 5, 7, 9, 12, 14, 16, 19, 21, 23, 25, 27, 29}) {
      needText(title);
      needText(title + 1);
      if (line(title).size() > 60) p.push_back(lineRef(file, title) + " is longer than a title (60)");
      maxLines(title + 1, 1, 350, 0.7, 10);
    }
    needBlank(11);
    needBlank(18);
  } else if (file == "TutorialInfo.txt") {
    for (int n = 1; n <= 5; ++n) {
      needText(n);
      maxLines(n, 1, 265, 0.7, 10);
    }
  } else if (file == "CharacterChats.txt") {
    // Heading, lines, empty line, heading, ... : 22 conversations, each of at
    // most 19 lines, every line starting with a speaker code.
    int n = 2, conversations = 0;
    while (conversations < 22 && n <= static_cast<int>(lines.size())) {
      int count = 0;
      while (n <= static_cast<int>(lines.size()) && !line(n).empty()) {
        const std::string& l = line(n);
        if (l.size() < 3 || !std::strchr("CVMSEOGWL", l[0]))
          p.push_back(lineRef(file, n) + " does not start with a speaker code");
        if (wrapText(Font::Normal, l.substr(2), -2, 345, 0.59).size() > 6)
          p.push_back(lineRef(file, n) + " does not fit a speech balloon");
        ++count;
        ++n;
      }
      ++conversations;
      if (count == 0) p.push_back("conversation " + std::to_string(conversations) + " is empty");
      if (count > 19) p.push_back("conversation " + std::to_string(conversations) + " is longer than 19 lines");
      n += 2;  // the empty line and the next heading
    }
    if (conversations < 22) p.push_back("CharacterChats.txt holds fewer than 22 conversations");
    for (int k = n - 1; k <= static_cast<int>(lines.size()); ++k)
      if (k >= 1 && !line(k).empty()) p.push_back(lineRef(file, k) + " follows the last conversation");
  } else if (file == "UpgradeNames.txt" || file == "UpgradeDescs.txt") {
    bool names = file == "UpgradeNames.txt";
    for (int n = 1; n <= 24; ++n) {
      if (n % 5 == 0) {
        needBlank(n);
        continue;
      }
      needText(n);
      if (names) {
        maxLines(n, -2, 116, 0.48, 2);
        maxWidth(n, Font::Normal, 0, 0.9, 700);
      } else {
        maxLines(n, 0, 500, 0.56, 3);
      }
    }
  }
  return p;
}

std::vector<std::string> checkSettings(const std::vector<std::string>& lines) {
  std::vector<std::string> p;
  if (lines.size() < 8) return {"_settings.txt has fewer than 8 lines"};
  auto value = [&](int n) -> long {
    std::string l = lines[n - 1];
    if (auto eq = l.find('='); eq != std::string::npos) l = l.substr(eq + 1);
    char* end = nullptr;
    long v = std::strtol(l.c_str(), &end, 10);
    if (l.empty() || *end != '\0') {
      p.push_back("_settings.txt line " + std::to_string(n) + " is not a number");
      return -1;
    }
    return v;
  };
  if (value(2) != 1) p.push_back("the texts are US English (language 1)");
  if (value(3) != 1) p.push_back("the texts use the ANSI character set (1)");
  if (value(6) != 10 || value(7) != 12 || value(8) != 20) p.push_back("font sizes are 10, 12 and 20");
  return p;
}

}  // namespace contentgen
