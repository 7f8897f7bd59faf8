#include "text/TSettingLoader.h"

#include <climits>
#include <vector>

#include "text/TTextStrings.h"

TSettingLoaderLanguage TSettingLoader::LanguageOf(int number) {
  switch (number) {
    case 2: return TSettingLoaderLanguage::laDE;
    case 3: return TSettingLoaderLanguage::laES;
    case 4: return TSettingLoaderLanguage::laFR;
    case 5: return TSettingLoaderLanguage::laIT;
    case 6: return TSettingLoaderLanguage::laNL;
    case 7: return TSettingLoaderLanguage::laBR;
    case 8: return TSettingLoaderLanguage::laSE;
    default: return TSettingLoaderLanguage::laUS;
  }
}

int TSettingLoader::CharSetCodeOf(int number) {
  switch (number) {
    case 1: return 0;     // ANSI
    case 3: return 2;     // symbol
    case 4: return 77;    // Mac
    case 5: return 128;   // Shift-JIS
    case 6: return 129;   // Hangul
    case 7: return 130;   // Johab
    case 8: return 134;   // GB2312
    case 9: return 136;   // Big5
    case 10: return 161;  // Greek
    case 11: return 162;  // Turkish
    case 12: return 163;  // Vietnamese
    case 13: return 177;  // Hebrew
    case 14: return 178;  // Arabic
    case 15: return 186;  // Baltic
    case 16: return 204;  // Russian
    case 17: return 222;  // Thai
    case 18: return 238;  // Eastern Europe
    case 19: return 255;  // OEM
    default: return 1;    // the system default
  }
}

bool TSettingLoader::ParseValue(const std::string& line, int& value) {
  std::size_t eq = line.find('=');
  std::string text = eq == std::string::npos ? line : line.substr(eq + 1);
  // Surrounding blanks are forgiven; anything else that is not a digit is not.
  std::size_t b = text.find_first_not_of(" \t");
  std::size_t e = text.find_last_not_of(" \t");
  if (b == std::string::npos) return false;
  text = text.substr(b, e - b + 1);
  std::size_t i = 0;
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    i = 1;
  }
  if (i >= text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

bool TSettingLoader::Load(const std::string& folder, std::string& error) {
  std::string path = folder + FileName;
  std::vector<std::string> lines;
  if (!TTextStrings::ReadLines(path, lines)) {
    error = "The settings file \"" + path + "\" is missing or cannot be read.";
    return false;
  }
  int values[9] = {};
  for (int n : {2, 3, 6, 7, 8}) {
    if (static_cast<int>(lines.size()) < n) {
      error = "The settings file \"" + path + "\" has " + std::to_string(lines.size()) +
              " lines; line " + std::to_string(n) + " is missing.";
      return false;
    }
    if (!ParseValue(lines[n - 1], values[n])) {
      error = "The settings file \"" + path + "\", line " + std::to_string(n) +
              ": \"" + lines[n - 1] + "\" is not a valid integer value.";
      return false;
    }
  }
  FLanguage = LanguageOf(values[2]);
  FCharSet = CharSetCodeOf(values[3]);
  FSmallFontSize = values[6];
  FMediumFontSize = values[7];
  FLargeFontSize = values[8];
  return true;
}
