#pragma once
#include <array>
#include <string>

#include "engine/TComponent.h"
#include "text/TGlobalGameText.h"

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
  // Where the lines rise in the info window.
  static constexpr int WindowOffsetX = 72, WindowOffsetY = 70;
  static constexpr int AreaWidth = 288, AreaHeight = 214;
  int HorzAreaWidth = AreaWidth;
  int MaxVertPos = AreaHeight;
  int LinesPerView = 10;
  int LineGap = 20;
  int StartingAlpha = 45;
  static constexpr int FullAlpha = 240;
  int MaxAlpha = FullAlpha;
  // Lines are white in the font's outline; headings stand apart in a colour that reads on
  // the cream parchment by itself (yellow there kept only its outline).
  static constexpr int LineColour = TGlobalGameText::tcWhite;
  static constexpr int HeadingColour = TGlobalGameText::tcBrown;
  static constexpr double LineScale = 0.57, HeadingScale = 0.62;

  void Restart();
  void UpdateAndDraw();
  const TLine& Line(int i) const { return Lines[i - 1]; }

 private:
  TGlobalGameText& GlobGameText;
  TTextStrings& TextStringsComp;
  std::array<TLine, LineCount> Lines;
};
