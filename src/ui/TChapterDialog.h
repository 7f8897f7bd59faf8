#pragma once
#include <array>
#include <functional>
#include <string>

#include "effects/TSpritePopper.h"
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"
#include "platform/TPlatformEvent.h"
#include "text/TNarrationText.h"
#include "ui/TChatPlaces.h"

class TOmegaImageList;
class TGlobalGameText;
class TTextStrings;

enum TCharacterSide { csOrvell = 0, csClient = 1 };

// The chapter conversations in the hub: the cook Orvell on the left and one client on the
// right talk in speech balloons, one line after the other, over a darkened screen.
class TChapterDialog : public TComponent {
 public:
  static constexpr int ConversationCount = 22;
  static constexpr int MaxConversationLines = 20;
  static constexpr int MaxBalloonLines = TNarrationText::MaxLines;
  static constexpr int LineCapacity = 255;

  struct TChatLine {
    std::string Text;  // wrapped, "|" between balloon lines
    TCharacterSide Side = csOrvell;
    int Client = 0;     // 1..8 for a client line, 0 for Orvell
    int TextLines = 0;  // balloon lines, 1..10
  };
  struct TConversation {
    std::array<TChatLine, MaxConversationLines> Lines{};
    int FirstLine = 1;
    int LastLine = 0;  // the last non-empty line; 0 for none
  };

  using TNotifyEvent = std::function<void(TChapterDialog& sender)>;

  int FirstDelayTime = 600;
  int IntervalPerChar = 52;
  int MinimumLineLengthForInterval = 35;
  int ExtraIntervalPerBalloon = 700;
  int BalloonAlphaStep = 25;
  int MaxBalloonAlpha = 230;
  int MaxBalloonTextWidth = 345;
  int LinesGap = 24;
  std::string Path;
  bool IsWindows8OrLater = false;
  TOmegaImageList* OmgImgList = nullptr;
  TGlobalGameText* GlobGameText = nullptr;
  TTextStrings* TextStringsComp = nullptr;

  std::function<void(TChapterDialog& sender, int line, int client, TCharacterSide side)>
      OnStartOfBalloon;
  TNotifyEvent OnEndOfBalloon, OnEndOfConversations;

  TChapterDialog();

  void LoadConversations();
  // n = 1..22; any other number plays as an empty conversation, which ends at once.
  void StartConversation(int n);
  void UpdateAndDraw();
  void Click(TMouseButton button);
  void EndConversation();
  bool Active() const { return FActive && Fade > 0; }

  // The speaker of a line by its first character (either case).
  static void SpeakerOf(char code, TCharacterSide& side, int& client);

  // State, for tests and the harness.
  const TConversation& Conversation(int n) const { return Conversations[n - 1]; }
  int CurrentConversation() const { return FConversation; }
  int CurrentLine() const { return FLine; }
  int Client() const { return FClient; }
  float FadeLevel() const { return Fade; }
  bool Ending() const { return FEnding; }
  int BalloonAlpha(TCharacterSide side) const { return Balloons[side].Alpha; }
  int BalloonDuration() const { return Duration; }
  const TNarrationText& BalloonText(TCharacterSide side) const { return Texts[side]; }

 private:
  struct TBalloon {
    int Alpha = 0, Target = 0;
    int TextLines = 1;
    TSpritePopper Popper;
  };
  void Reset();
  void StartBalloon();
  void EndOfLines();
  void SetUpTexts();
  TPoint BalloonPos(TCharacterSide side) const;
  static float SwayAngle(const TValueUpDown& sway);
  void DrawBalloon(TCharacterSide side);
  const TChatLine* LineAt(int line) const;

  std::array<TConversation, ConversationCount> Conversations{};
  std::array<TBalloon, 2> Balloons;
  std::array<TNarrationText, 2> Texts;
  TValueUpDown ClientSway{-0.32f, 0.35f, 0.0057f, 0.0049f};
  TValueUpDown MainSway{-0.34f, 0.33f, 0.005f, 0.0053f};
  int Run = 0;  // counts the starts, so an event handler that starts again is noticed
  bool FActive = false;
  bool FEnding = false;
  bool Delaying = false;
  bool BalloonRunning = false;
  int DelayTimer = 0;
  int BalloonTimer = 0;
  int Duration = 0;
  int FConversation = 0;  // 0 for none (or out of range)
  int FLine = 0;
  int FClient = 0;
  TCharacterSide Speaker = csOrvell;
  float Fade = 0, FadeTarget = 0;
};
