#pragma once
#include <array>
#include <functional>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "text/TGameFont.h"

class TOmegaImageList;
class TTextStrings;

enum class TGameCommentType {
  coNone,
  coGo,
  coTimeUp,
  coGameRoundClear,
  coBossVictory,
  coNoMoreMoves,
  coTimeRunningOut,
  coShuffling,
  coCustomText,
};

enum class TShiftAdjListKind { slNormal, slShorter };
enum class TGameCommentAlignment { alCenter, alDefined };
// The four comments the shell creates, each set up by ApplyRole.
enum class TGameCommentRole { crGameComments, crBookFound, crChapterEntry, crUpgradesFinished };

// The big announcement words: letters fly in from beyond the screen's edge, bob up and
// down for a while and fade away.
class TGameComment : public TComponent {
 public:
  enum class TPhase { Off, FlyingIn, Waving, FadingOut };
  static constexpr int MaxLetters = 30;
  static constexpr int EdgePointCount = 29;
  static constexpr float FlightPace = 65;

  struct TLetter {
    unsigned char Char = 0;
    float X = 0, Y = 0;
    float TargetX = 0, TargetY = 0;
    float StartX = 0, StartY = 0;
    float SpeedX = 0, SpeedY = 0;
    int Alpha = 0;
    int WavePhase = 1;  // 1..8
  };

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  TTextStrings* TextStringsComp = nullptr;
  bool Visible = true;
  std::string LettersImg = "CommentFont";
  TGameFontKind FontKind = TGameFontKind::fkAirstripComment;
  double LetterSizeRatio = 1.0;
  TShiftAdjListKind ShiftAdjListKind = TShiftAdjListKind::slNormal;
  int WavingTime = 1500;
  int SpreadingTime = 0;  // kept for the data that sets it; it changes nothing
  int LetterWidth = 20, LetterHeight = 20;
  int CenterAdjustX = 45, CenterAdjustY = -65;
  int AdditionalHorzSpace = 8;
  int LetterAlphaInc = 10;
  int LetterAlphaDec = 20;
  bool WaveOnly = false;
  TGameCommentAlignment Alignment = TGameCommentAlignment::alCenter;
  int DefinedLeft = 0, DefinedTop = 0;
  std::function<void(TGameComment& sender, TGameCommentType type)> OnWavingFinished;

  // The settings of one of the four comments the shell creates.
  void ApplyRole(TGameCommentRole role);

  // The text and sound of the type; coCustomText shows customText; coNone and coShuffling
  // show nothing.
  void ShowComment(TGameCommentType type, const std::string& customText = "");
  void ShowText(const std::string& text);
  // Potion 1 found the recipe book, potion 2 the expert book.
  void ShowBookFound(int potion);
  void ShowChapterEntry(const std::string& chapterName, int chapter);
  void ShowUpgradesFinished(int island);

  void UpdateAndDraw();
  void SkipWaving();
  void Hide() { Phase = TPhase::Off; }

  TPhase CurrentPhase() const { return Phase; }
  TGameCommentType CommentType() const { return Type; }
  int LetterCount() const { return Count; }
  const TLetter& Letter(int index) const { return Letters[index]; }  // from 0
  int WavingTimer() const { return WaveTimer; }

  // The 29 points around the screen the letters fly in from, already moved and scaled.
  static TPoint EdgePoint(int index);
  static int WaveOffset(TShiftAdjListKind kind, int phase);  // phase 1..8

 private:
  std::string CommentLine(int n) const;
  void MoveLetters();

  TPhase Phase = TPhase::Off;
  TGameCommentType Type = TGameCommentType::coNone;
  std::array<TLetter, MaxLetters> Letters{};
  int Count = 0;
  int WaveTimer = 0;
};
