#pragma once
#include <functional>
#include <string>

#include "board/TElementKind.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "text/TGlobalGameText.h"

class TOmegaImageList;

// The numbers of the result window: playing time, the level score counted up, then (after
// a short gap) the bonus elements of a gold medal counted up, each count lighting its line.
class TResultStats : public TComponent {
 public:
  static constexpr double TextScale = 0.75;
  static constexpr int LineSpacing = 43;
  // Time, level score, gold medal bonus, combos and extras: the window's picture bakes the
  // captions in the game's font at the same size, so the window reads as one.
  static constexpr int RowCount = 4;

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  TGlobalGameText* GlobGameText = nullptr;
  int Left = 0, Top = 0;
  int PlayingTime = 30;  // seconds
  bool CountingPaused = false;
  int CountingGapTime = 300;
  static constexpr int FullHighlightAlpha = 100;
  // "ResultStatsHighlight" lies this far left of and above the level score's and the bonus's
  // numbers (the bonus's takes its icon in).
  static constexpr int ScoreHighlightX = -48, BonusHighlightX = -79, HighlightY = -28;
  int MaxHighlightAlpha = FullHighlightAlpha, HighlightAlphaInc = 30, HighlightAlphaDec = 2;
  // White: the font's dark outline carries it on parchment.
  static constexpr int TextColour = TGlobalGameText::tcWhite;
  // Where the lines sit on the result window ("StageResultWindow", 440 x 440), in its upper
  // panel above the medal: the numbers start WindowOffsetX in, their captions
  // CaptionOffsetX in, the first row's middle WindowOffsetY down.
  static constexpr int WindowOffsetX = 306, WindowOffsetY = 96, CaptionOffsetX = 52;
  void FollowWindow(TPoint windowPos) {
    Left = windowPos.X + WindowOffsetX;
    Top = windowPos.Y + WindowOffsetY;
  }

  int LevelScore() const { return FLevelScore; }
  void SetLevelScore(int score);
  TElementKind BonusElementKind() const { return FBonusKind; }
  void SetBonusElementKind(TElementKind kind) { FBonusKind = kind; }
  int BonusElementCount() const { return FBonusCount; }
  void SetBonusElementCount(int count);
  // Points the counter gained in the level beyond the level score (combos, gold layers,
  // potions): their own row, so that the two numbers a player watched add up.
  int ExtraPoints = 0;
  // "+66" once the level score has been counted, "0" without extra points.
  std::string ExtraPointsText() const;

  void Clear();
  void Update();

  double ShownScore() const { return FShownScore; }
  double ShownBonus() const { return FShownBonus; }
  double ScoreStep() const { return FScoreStep; }
  double BonusStep() const { return FBonusStep; }
  int ScoreHighlight() const { return FScoreHighlight; }
  int BonusHighlight() const { return FBonusHighlight; }
  bool CountingDone() const;

  // "m:ss": 125 seconds read 2:05.
  static std::string TimeText(int seconds);

 private:
  void Count();
  void Draw();

  int FLevelScore = 0;
  TElementKind FBonusKind = elFruit;
  int FBonusCount = 0;
  double FShownScore = 0, FScoreStep = 1;
  double FShownBonus = 0, FBonusStep = 1;
  int FScoreHighlight = 0, FBonusHighlight = 0;
  int GapTimer = 0;
  int SoundParity = 0;
};
