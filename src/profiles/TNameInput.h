#pragma once
#include <functional>
#include <string>

#include "engine/TComponent.h"

// The on-screen entry of a new player's name.
class TNameInput : public TComponent {
 public:
  static constexpr int MaxLength = 16;
  static constexpr const char* Caret = "|";

  int Left = 0, Top = 0;
  int BlinkInterval = 350;
  float LetterSizeRatio = 0.85f;
  int MaxPrintEntryPixelLength = 327;
  std::function<void(TNameInput& sender)> OnEntryConfirmed;
  // Width in pixels of a text in the input's font at the given scale. The shell draws the
  // display text at LetterSizeRatio, cut at MaxPrintEntryPixelLength.
  std::function<float(const std::string& text, float scale)> MeasureText;

  void SetText(const std::string& s) { Text = s; }
  const std::string& GetText() const { return Text; }
  const std::string& GetDisplayText() const { return DisplayText; }
  bool IsCursorShown() const { return CursorShown; }
  // One typed character: letters arrive in upper case; backspace (8) and Enter (13) act.
  void KeyPress(char ch);
  bool AllBlanks() const;
  void Update();

 private:
  std::string Text;
  std::string DisplayText;
  bool CursorShown = true;
  int BlinkCounter = 0;
};
