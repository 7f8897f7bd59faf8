#pragma once
#include <string>
#include <vector>

#include "board/TIndividualElementKind.h"
#include "levels/TGameObjective.h"

struct TLevelSetup;
class TTextStrings;

// What a level asks of the player, as the level card says it under its title: what to
// gather and how many (with the gathering panel's icons), or how the island's creature is
// beaten. Built from the level's own values, so the card can never promise another goal.
class TLevelGoal {
 public:
  struct TItem {
    TIndividualElementKind Slot;  // also the pattern of "ElementGather"
    int Count;
  };

  // GameTexts.txt lines of the card.
  static constexpr int GatherTimedLine = 31, GatherRelaxedLine = 32, SpidersLine = 33,
                       GoldTilesLine = 34, BossLine = 35, BossHurtLine = 36, BossAuraLine = 37;

  // The panel the goal is written on ("ObjInfoGoal") and the room inside it.
  static constexpr int PanelWidth = 640, PanelHeight = 200;
  static constexpr int AreaWidth = 560;
  static constexpr int AreaTop = 22, AreaBottom = 166;  // inside the parchment's stitching
  static constexpr double TextScale = 0.68;
  static constexpr int LineHeight = 30;
  static constexpr int IconSize = 52;  // a gathering icon
  static constexpr double IconScale = 1.0;
  static constexpr int RowHeight = 54;
  // The fruit fills the middle of its icon: the count starts just past it.
  static constexpr int CountGap = -14, ItemGap = 36;

  TGameObjective Objective = goNormalMode;
  std::string Heading;
  std::vector<TItem> Items;        // in the gathering panel's order
  std::vector<std::string> Notes;  // under the icons

  static TLevelGoal Of(const TLevelSetup& setup, bool relaxed, const TTextStrings& texts);

  bool Empty() const { return Heading.empty() && Items.empty() && Notes.empty(); }
  static std::string CountText(int count) { return std::to_string(count); }
  static int IconWidth();
  static int TextWidth(const std::string& text);
  int ItemWidth(const TItem& item) const;
  int RowWidth() const;
  int WidestLine() const;
  int ContentHeight() const;
  // Everything inside the panel's room.
  bool Fits() const;
};
