#pragma once
#include <string>

// The windowed-mode question asked at start on the affected systems (never on this one).
// The dialog closes only through one of its two buttons.
class TFormWin10Confirm {
 public:
  static constexpr const char* Caption = "Windows 10 Info";
  static constexpr const char* Text =
      "If you are using Windows 10 and you have issues running this game, choose \"windowed "
      "mode\" instead.";
  static constexpr const char* RunNormallyCaption = "Run normally";
  static constexpr const char* RunWindowedCaption = "Run in windowed mode";

  int RunNormallyTag = 0;
  int RunWindowedTag = 0;

  void ChooseRunNormally() { RunNormallyTag = 1; }
  void ChooseRunWindowed() { RunWindowedTag = 1; }
  bool CanClose() const { return RunNormallyTag == 1 || RunWindowedTag == 1; }
  bool WindowedChosen() const { return RunWindowedTag == 1; }
};
