#include "profiles/TNameInput.h"

#include "engine/SharedTypes.h"

void TNameInput::KeyPress(char ch) {
  if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  if (ch == 8) {
    if (!Text.empty()) Text.pop_back();
  } else if (ch == 13) {
    if (OnEntryConfirmed) OnEntryConfirmed(*this);
  } else if (ch == ' ' || (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z')) {
    if (static_cast<int>(Text.size()) < MaxLength) Text += ch;
  }
}

bool TNameInput::AllBlanks() const { return Text.find_first_not_of(' ') == std::string::npos; }

void TNameInput::Update() {
  BlinkCounter += TickMilliseconds;
  if (BlinkCounter >= BlinkInterval) {
    BlinkCounter = 0;
    CursorShown = !CursorShown;
  }
  DisplayText = Text;
  if (MeasureText) {
    std::size_t cuts = 0;
    while (!DisplayText.empty() && cuts < Text.size() &&
           MeasureText(DisplayText, LetterSizeRatio) > MaxPrintEntryPixelLength) {
      DisplayText.erase(0, 1);
      ++cuts;
    }
  }
  if (CursorShown) DisplayText += "|";
}
