#include "levels/TLevelGoal.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "levels/TLevelSetup.h"
#include "text/TGameFont.h"
#include "text/TTextStrings.h"

TLevelGoal TLevelGoal::Of(const TLevelSetup& s, bool relaxed, const TTextStrings& texts) {
  TLevelGoal g;
  g.Objective = s.GameObjective;
  if (s.GameObjective == goBossMode) {
    g.Heading = texts.GameTexts[BossLine];
    g.Notes = {texts.GameTexts[BossHurtLine], texts.GameTexts[BossAuraLine]};
    return g;
  }
  g.Heading = texts.GameTexts[relaxed ? GatherRelaxedLine : GatherTimedLine];
  // The gathering panel's slots, in its order.
  const int targets[] = {s.TargetPotions1,  s.TargetPotions2,  s.TargetBananas,
                         s.TargetStrawberries, s.TargetApples, s.TargetGrapes,
                         s.TargetOranges,   s.TargetPlums,     s.TargetCherries,
                         s.TargetGuavas,    s.TargetFlowers1,  s.TargetFlowers2,
                         s.TargetFlowers3,  s.TargetFlowers4,  s.TargetSpiders,
                         s.TargetGoldTiles1, s.TargetGoldTiles2};
  for (int slot = 0; slot <= ieGoldTile2; ++slot)
    if (targets[slot] > 0)
      g.Items.push_back({static_cast<TIndividualElementKind>(slot), targets[slot]});
  if (s.TargetSpiders > 0) g.Notes.push_back(texts.GameTexts[SpidersLine]);
  if (s.TargetGoldTiles1 > 0 || s.TargetGoldTiles2 > 0)
    g.Notes.push_back(texts.GameTexts[GoldTilesLine]);
  return g;
}

int TLevelGoal::IconWidth() { return RoundHalfEven(IconSize * IconScale); }

int TLevelGoal::TextWidth(const std::string& text) {
  return TGameFont::TextWidth(TGameFontKind::fkAirstripNormal, text, 0, TextScale);
}

int TLevelGoal::ItemWidth(const TItem& item) const {
  return IconWidth() + CountGap + TextWidth(CountText(item.Count));
}

int TLevelGoal::RowWidth() const {
  int w = 0;
  for (const TItem& i : Items) w += ItemWidth(i);
  return Items.empty() ? 0 : w + ItemGap * static_cast<int>(Items.size() - 1);
}

int TLevelGoal::WidestLine() const {
  int w = TextWidth(Heading);
  for (const std::string& n : Notes) w = std::max(w, TextWidth(n));
  return w;
}

int TLevelGoal::ContentHeight() const {
  const int lines = (Heading.empty() ? 0 : 1) + static_cast<int>(Notes.size());
  return lines * LineHeight + (Items.empty() ? 0 : RowHeight);
}

bool TLevelGoal::Fits() const {
  return WidestLine() <= AreaWidth && RowWidth() <= AreaWidth &&
         ContentHeight() <= AreaBottom - AreaTop;
}
