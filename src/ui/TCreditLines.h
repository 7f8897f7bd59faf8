#pragma once
#include <array>
#include <string>

#include "engine/TComponent.h"

class TGlobalGameText;
class TTextStrings;

// The credits rising through the info window, fading in and out, round and round.
class TCreditLines : public TComponent {
 public:
  static constexpr int LineCount = 34;
  struct TLine {
    bool Active = false;
    std::string Text;
    bool Heading = false;
    float Position = 0;
    int Alpha = 0;
  };

  TCreditLines(TGlobalGameText& text, TTextStrings& strings)
      : GlobGameText(text), TextStringsComp(strings) {}

  int Left = 0, Top = 0;
  int HorzAreaWidth = 288;
  int MaxVertPos = 214;
  int LinesPerView = 10;
  int LineGap = 20;
  int StartingAlpha = 45;
  int MaxAlpha = 240;

  void Restart();
  void UpdateAndDraw();
  const TLine& Line(int i) const { return Lines[i - 1]; }

 private:
  TGlobalGameText& GlobGameText;
  TTextStrings& TextStringsComp;
  std::array<TLine, LineCount> Lines;
};
