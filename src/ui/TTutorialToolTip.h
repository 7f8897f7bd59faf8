#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TAnimData.h"
#include "engine/TComponent.h"
#include "text/TNarrationText.h"

class TOmegaImageList;
class TTextStrings;

// A small panel with an arrow that points at something on the screen and says what it is,
// once per player. Game events trigger it; a trigger for an entry without text, or one
// already shown, does nothing. OnStart and OnFinish come in pairs, one pair per opening
// however it ends, so the shell may pause the tube timer on one and resume on the other.
class TTutorialToolTip : public TComponent {
 public:
  static constexpr int EntryCount = 27;
  // The signal kinds whose target moves, so the shell keeps a point for each:
  // 1 the hammer, 2 the bomb, 3 a landed spider, 4 a new web.
  static constexpr int PointKindCount = 4;
  using TNotifyEvent = std::function<void(TTutorialToolTip& sender)>;

  TOmegaImageList* OmgImgList = nullptr;
  const TTextStrings* TextStringsComp = nullptr;
  bool Enabled = true;
  int IslandIdx = 1, LevelIdx = 1;
  int MaxRectTextWidth = 265;
  // Fade per tick; the shell raises it to 0.5 where the fade must be quick.
  float FadeStep = 0.1f;
  // The point to indicate: comes in holding the point kept for the signal (or 0, 0),
  // the shell answers for everything else.
  std::function<void(TTutorialToolTip& sender, int entry, TPoint& point)> OnPointingPosRequest;
  // Where the panel's OK button goes.
  std::function<void(TTutorialToolTip& sender, int x, int y)> OnButtonPosChange;
  TNotifyEvent OnStart, OnFinish;
  std::function<void(TTutorialToolTip& sender, int entry)> OnSpecificToolTipIdxEvent;

  static constexpr double TextFontRatio = 0.58;
  static constexpr int TextHorzSpaceAdd = -1;
  static constexpr int TextVertSpace = 20;

  // The line of the info catalogue an entry shows, 0 for the blank ones.
  static int InfoLineOf(int entry);
  // Quadrant 0..3 of a point: right of LeftHalfTo adds 1, below TopHalfTo adds 2; the panel
  // goes to the other side of the point.
  static constexpr int LeftHalfTo = 900, TopHalfTo = 460;
  static int QuadrantOf(TPoint p);

  void LoadTexts();
  void CountStep();
  void Signal(int kind);
  void LevelStarted();
  void SignalAfterTutorial(int kind);
  void SetPointingPos(int kind, TPoint p);
  void Draw();
  void Close();
  // Level start: gone at once, steps counted from zero. An open tip still reports OnFinish.
  void Reset();

  bool Shown(int entry) const { return InRange(entry) && Flags[entry - 1] != 0; }
  void GetShownFlags(std::array<std::uint8_t, EntryCount>& flags) const;
  void SetShownFlags(const std::array<std::uint8_t, EntryCount>& flags);

  bool IsOpen() const { return Open; }
  bool Active() const { return FActive; }
  int Entry() const { return FEntry; }
  int Steps() const { return StepCount; }
  float Fade() const { return FFade; }
  int Quadrant() const { return FQuadrant; }
  TPoint ArrowPos() const { return FArrowPos; }
  TPoint PanelPos() const { return FPanelPos; }
  float ArrowAngle() const;
  const std::string& Text(int entry) const;
  const TNarrationText& TextBlock() const { return Block; }

 private:
  static bool InRange(int entry) { return entry >= 1 && entry <= EntryCount; }
  void ShowEntry(int entry, TPoint point);

  std::array<std::uint8_t, EntryCount> Flags{};
  std::array<std::string, EntryCount> Texts;
  std::array<TPoint, PointKindCount> PointingPos{};
  TNarrationText Block;
  TAnimData ArrowAnim{"111111111112222222", true};
  bool Open = false;
  bool FActive = false;
  int FEntry = 0;
  int StepCount = 0;
  int FQuadrant = 0;
  TPoint FArrowPos{-999, -999}, FPanelPos{-999, -999};
  float FFade = 0, FadeTarget = 0;
};
