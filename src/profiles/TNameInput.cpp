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
  // The front of a long name makes way, so the end being typed and the caret stay in view.
  // The caret's room is kept while it blinks off, so the letters do not jump.
  DisplayText = Text;
  if (MeasureText) {
    while (!DisplayText.empty() &&
           MeasureText(DisplayText + Caret, LetterSizeRatio) > MaxPrintEntryPixelLength)
      DisplayText.erase(0, 1);
  }
  if (CursorShown) DisplayText += Caret;
}
