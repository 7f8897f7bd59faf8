#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/TComponent.h"
#include "levels/TGameObjective.h"
#include "text/TNarrationText.h"

class TOmegaImageList;
class TGlobalGameText;
class TTextStrings;

// The tutorial panel: a title, an icon and a text that explain the rule a level brings,
// once per player. OnStart and OnFinish come in pairs, one pair per opening however it
// ends (Close, Close again, Reset under it), so the shell can pause on one and resume on
// the other without counting.
class TWynnetTutorial : public TComponent {
 public:
  static constexpr int EntryCount = 14;
  static constexpr int TitleCapacity = 60;
  static constexpr int BodyCapacity = 255;
  using TNotifyEvent = std::function<void(TWynnetTutorial& sender)>;
  using TEntryEvent = std::function<void(TWynnetTutorial& sender, int entry)>;

  TOmegaImageList* OmgImgList = nullptr;
  TGlobalGameText* GlobGameText = nullptr;
  const TTextStrings* TextStringsComp = nullptr;
  int Left = 484, Top = 156;  // the OK button at (640, 427) sits on its bottom edge
  bool Enabled = true;
  int MaxRectTextWidth = 350;
  // Fade per tick; the shell raises both to 0.3 where the fade must be quick.
  float AlphaRatioInc = 0.03f;
  float AlphaRatioDec = 0.03f;
  TEntryEvent OnStart, OnSpecificTutorialIdx;
  TNotifyEvent OnFinish;

  // The body's look; the wrap uses the same ratio and spacing so the lines fit.
  static constexpr double BodyFontRatio = 0.58;
  static constexpr int BodyHorzSpaceAdd = -1;
  static constexpr int BodyVertSpace = 20;

  // The entry that belongs to a level, 0 when none does.
  static int EntryFor(int island, int level, TGameObjective mode);

  // Copies the titles and bodies from the catalogue; once, after it has loaded.
  void LoadTexts();
  // An entry belongs to the situation and this player has not seen it. False while
  // disabled: Show would not open then, and the shell must not wait for it.
  bool HasNew(int island, int level, TGameObjective mode) const;
  void Show(int island, int level, TGameObjective mode);
  void Draw();
  void Close();
  // Level start: gone at once. An open panel still reports OnFinish.
  void Reset();

  bool Shown(int entry) const { return InRange(entry) && Flags[entry - 1] != 0; }
  void GetShownFlags(std::array<std::uint8_t, EntryCount>& flags) const;
  void SetShownFlags(const std::array<std::uint8_t, EntryCount>& flags);

  bool IsOpen() const { return Open; }
  bool Active() const { return FActive; }
  int Entry() const { return FEntry; }
  float Fade() const { return FFade; }
  const std::string& Title(int entry) const;
  const std::string& Body(int entry) const;
  const TNarrationText& BodyText() const { return Text; }

 private:
  static bool InRange(int entry) { return entry >= 1 && entry <= EntryCount; }

  std::array<std::uint8_t, EntryCount> Flags{};
  std::array<std::string, EntryCount> Titles, Bodies;
  TNarrationText Text;
  bool Open = false;
  bool FActive = false;
  int FEntry = 0;
  float FFade = 0, FadeTarget = 0;
};
