#pragma once
#include <string>

#include "engine/TComponent.h"

enum class TSettingLoaderLanguage { laUS, laDE, laES, laFR, laIT, laNL, laBR, laSE };

// The language and character set of the installed texts, from "_settings.txt".
class TSettingLoader : public TComponent {
 public:
  static constexpr const char* FileName = "_settings.txt";

  TSettingLoader() = default;

  // Reads the settings of the text folder. False, with a message naming the file and the
  // line, when the file is missing, too short or holds a value that is not an integer.
  bool Load(const std::string& folder, std::string& error);

  TSettingLoaderLanguage Language() const { return FLanguage; }
  int CharSet() const { return FCharSet; }
  int SmallFontSize() const { return FSmallFontSize; }
  int MediumFontSize() const { return FMediumFontSize; }
  int LargeFontSize() const { return FLargeFontSize; }

  static TSettingLoaderLanguage LanguageOf(int number);
  // The system character-set code a character-set number selects.
  static int CharSetCodeOf(int number);
  // Everything after the first "=" (the whole line when there is none) as a decimal integer.
  static bool ParseValue(const std::string& line, int& value);

 private:
  TSettingLoaderLanguage FLanguage = TSettingLoaderLanguage::laUS;
  int FCharSet = 1;
  int FSmallFontSize = 10;
  int FMediumFontSize = 12;
  int FLargeFontSize = 20;
};
