#include "ui/TCreditLines.h"

#include "engine/Rounding.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"

void TCreditLines::Restart() {
  for (int i = 0; i < LineCount; ++i) {
    TLine& l = Lines[i];
    std::string text = TextStringsComp.Credits[i + 1].substr(0, 40);
    l.Heading = !text.empty() && text[0] == '#';
    l.Text = l.Heading ? text.substr(1) : text;
    l.Position = static_cast<float>(MaxVertPos);
    l.Alpha = 0;
    l.Active = false;
  }
  Lines[0].Active = true;
  Lines[0].Alpha = StartingAlpha;
}

void TCreditLines::UpdateAndDraw() {
  bool any = false;
  for (int i = 0; i < LineCount; ++i) {
    TLine& l = Lines[i];
    if (!l.Active) continue;
    any = true;
    l.Position -= 1;
    if (l.Position >= LineGap) {
      l.Alpha += 15;
      if (l.Alpha > MaxAlpha) l.Alpha = MaxAlpha;
    } else {
      l.Alpha -= 20;
      if (l.Alpha < 0) l.Alpha = 0;
    }
    if (l.Position <= MaxVertPos - LineGap && i + 1 < LineCount && !Lines[i + 1].Active &&
        Lines[i + 1].Position == MaxVertPos) {
      Lines[i + 1].Active = true;
      Lines[i + 1].Alpha = StartingAlpha;
    }
    if (l.Position <= 0) {
      l.Active = false;
      continue;
    }
    double scale = l.Heading ? HeadingScale : LineScale;
    int w = GlobGameText.TextWidth(l.Text, 0, scale);
    float x = static_cast<float>(Left + (HorzAreaWidth - w) / 2);
    float y = static_cast<float>(Top + RoundHalfEven(l.Position) - (l.Heading ? 1 : 0));
    GlobGameText.DrawText(
        x, y, l.Text,
        {.Scale = scale,
         .Colour = l.Heading ? HeadingColour : LineColour,
         .Alpha = static_cast<std::uint8_t>(l.Alpha)});
  }
  if (!any) Restart();
}
