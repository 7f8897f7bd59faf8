#include "text/TNarrationText.h"

#include <algorithm>

#include "engine/TOmegaImageList.h"

void TNarrationText::Reset() {
  for (auto& l : Lines) l.clear();
  for (auto& a : Alphas) a.fill(0);
  for (auto& r : JustReached) r.fill(false);
  UsedLines = 0;
  CursorLine = 1;
  CursorChar = 0;
  Vanishing = false;
}

void TNarrationText::Start(int x, int y, const std::string& text) {
  StartColored(x, y, 255, 255, 255, text);
}

void TNarrationText::StartColored(int x, int y, std::uint8_t red, std::uint8_t green,
                                  std::uint8_t blue, const std::string& text) {
  Reset();
  X = x;
  Y = y;
  Red = red;
  Green = green;
  Blue = blue;
  std::size_t from = 0;
  while (UsedLines < MaxLines) {
    std::size_t bar = text.find('|', from);
    std::string part = text.substr(from, bar == std::string::npos ? std::string::npos : bar - from);
    if (part.size() > MaxLineLength) part.resize(MaxLineLength);
    Lines[UsedLines++] = TGameFont::Filter(FontKind, part);
    if (bar == std::string::npos) break;
    from = bar + 1;
  }
}

void TNarrationText::RevealStep() {
  if (CursorLine > MaxLines) return;
  const std::string& line = Lines[CursorLine - 1];
  if (CursorChar < static_cast<int>(line.size())) {
    Alphas[CursorLine - 1][CursorChar] = StartingAlpha;
    ++CursorChar;
  } else {
    ++CursorLine;
    CursorChar = 0;
  }
}

bool TNarrationText::AllRevealed() const {
  for (int l = 0; l < MaxLines; ++l)
    for (std::size_t i = 0; i < Lines[l].size(); ++i)
      if (Alphas[l][i] == 0) return false;
  return true;
}

bool TNarrationText::Complete() {
  if (AllRevealed()) return true;
  for (int l = 0; l < MaxLines; ++l)
    for (std::size_t i = 0; i < Lines[l].size(); ++i) Alphas[l][i] = FMaxAlpha;
  CursorLine = MaxLines + 1;
  CursorChar = 0;
  return false;
}

void TNarrationText::UpdateAndDraw() {
  // Letters revealed this tick show at StartingAlpha and start to grow on the next
  // (while vanishing they fade at once like the rest).
  std::array<std::array<bool, MaxLineLength>, MaxLines> fresh{};
  for (int i = 0; i < AlphaUpdateRepeat; ++i) {
    int line = CursorLine, index = CursorChar;
    RevealStep();
    if (line == CursorLine && CursorChar == index + 1) fresh[line - 1][index] = true;
  }
  for (int l = 0; l < MaxLines; ++l)
    for (std::size_t i = 0; i < Lines[l].size(); ++i) {
      int& a = Alphas[l][i];
      JustReached[l][i] = false;
      if (a <= 0) continue;
      if (Vanishing) {
        a = std::max(0, a - VanishingAlphaStep);
      } else if (!fresh[l][i]) {
        int before = a;
        a = std::min(FMaxAlpha, a + AlphaStep);
        JustReached[l][i] = a != before && a == StartingAlpha + AlphaStep;
      }
    }
  Draw();
}

void TNarrationText::Draw() {
  const char* image = TGameFont::ImageName(FontKind);
  const float s = static_cast<float>(FontRatio);
  for (int l = 0; l < MaxLines; ++l) {
    int advanced = 0;
    const int y = Y + l * VertSpace;
    for (std::size_t i = 0; i < Lines[l].size(); ++i) {
      unsigned char c = static_cast<unsigned char>(Lines[l][i]);
      const int a = Alphas[l][i];
      const int x = X + advanced;
      if (a > 0 && OmgImgList)
        OmgImgList->DrawImage(image, static_cast<float>(x), static_cast<float>(y),
                              TGameFont::PatternOf(FontKind, c),
                              {.R = Red, .G = Green, .B = Blue,
                               .A = static_cast<std::uint8_t>(std::min(a, 255)), .ScaleX = s,
                               .ScaleY = s});
      if (JustReached[l][i] && OnTailPosUpdate)
        OnTailPosUpdate(*this, TPoint{x, y});
      advanced += TGameFont::Advance(FontKind, c, HorzSpaceAdd, FontRatio);
    }
  }
}
