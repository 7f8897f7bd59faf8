// "_settings.txt": a file either gives a language, a character set and three font sizes
// from its tables, or is refused with a message; it never half-applies.
#include <filesystem>

#include "FuzzTarget.h"
#include "text/TSettingLoader.h"

std::vector<std::string> FuzzSeeds() {
  return {
      "[Settings]\r\nLanguage=1\r\nCharSet=1\r\n\r\n\r\nSmall=10\r\nMedium=12\r\nLarge=20\r\n",
      "x\nLang=3\nSet=16\n\n\nS=14\nM=-2147483648\nL=+2147483647\n",
      "\n2\n19\n\n\n 8 \n\t9\n10",
      "a\nb=c=4\n5\n",
      "\n1\n1\n\n\n99999999999\n1\n1\n",
  };
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = FuzzScratchFolder() + "Settings/";
  static const bool made = std::filesystem::create_directories(folder);
  FUZZ_CHECK(made || std::filesystem::is_directory(folder));
  FuzzWriteFile(folder + TSettingLoader::FileName, data, size);

  TSettingLoader settings;
  std::string error;
  if (!settings.Load(folder, error)) {
    FUZZ_CHECK(!error.empty());
    TSettingLoader fresh;
    FUZZ_CHECK(settings.Language() == fresh.Language());
    FUZZ_CHECK(settings.CharSet() == fresh.CharSet());
    FUZZ_CHECK(settings.SmallFontSize() == fresh.SmallFontSize());
    FUZZ_CHECK(settings.MediumFontSize() == fresh.MediumFontSize());
    FUZZ_CHECK(settings.LargeFontSize() == fresh.LargeFontSize());
    return 0;
  }
  int lang = static_cast<int>(settings.Language());
  FUZZ_CHECK(lang >= 0 && lang <= static_cast<int>(TSettingLoaderLanguage::laSE));
  bool known = false;
  for (int number = 0; number <= 20; ++number)
    known = known || TSettingLoader::CharSetCodeOf(number) == settings.CharSet();
  FUZZ_CHECK(known);

  // Every line alone: a value read is the number the line spells.
  std::string line;
  for (std::size_t i = 0; i <= size; ++i) {
    if (i < size && data[i] != '\n' && data[i] != '\r') {
      line += static_cast<char>(data[i]);
      continue;
    }
    int value = 0;
    if (TSettingLoader::ParseValue(line, value)) {
      std::size_t eq = line.find('=');
      std::string text = eq == std::string::npos ? line : line.substr(eq + 1);
      FUZZ_CHECK(text.find(std::to_string(value < 0 ? -static_cast<long long>(value) : value)) !=
                 std::string::npos);
    }
    line.clear();
  }
  return 0;
}
