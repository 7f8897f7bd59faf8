#pragma once
#include <string>

// The game's texts are single bytes as the catalogue stores them (Windows-1252: Latin-1
// plus typographic marks and the euro sign in 0x80..0x9F); SDL wants UTF-8 for the window
// title and message boxes.
class TTextEncoding {
 public:
  // Every byte is one character; the five codes Windows-1252 leaves unused keep their
  // Latin-1 meaning, so nothing is lost.
  static std::string Utf8FromWindows1252(const std::string& text);
  // Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates.
  static bool IsUtf8(const std::string& text);
  // What is handed to SDL. Text that is already UTF-8 stays as it is: plain ASCII, and the
  // folder paths the system gives us, which messages quote. Catalogue text with a letter
  // above 127 is practically never valid UTF-8, so it is converted.
  static std::string ForSystem(const std::string& text);
};
