#pragma once
#include <string>

// Draws one frame of text in both bitmap fonts (every colour, shadow text, a wrapped
// paragraph written out, a comment in flight and one waving) and writes it as a PNG.
class TTextDemo {
 public:
  // contentFolder holds Images/ with the two font pictures (and, optionally, Texts/).
  static bool Snapshot(const std::string& contentFolder, const std::string& file,
                       std::string& error);
};
