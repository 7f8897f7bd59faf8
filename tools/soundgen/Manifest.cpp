#include "Manifest.h"

namespace snd {

const std::vector<std::string>& FixedEffectNames() {
  static const std::vector<std::string> names = {
      // board, tools and panels
      "ToolAcquired", "PickingTool", "DisabledTile", "ScoreCount", "MatchX", "Combo", "Click", "WhipAway",
      "Stamper", "PowerUp", "NotifyHigh", "NotifyLow", "MannaNotify1", "MannaNotify2", "MannaNotify3",
      "ItemActivated", "ElementBounce1", "ElementBounce2", "ElementBounce3", "Bomb", "TileClear", "SpiderHit",
      "SlotTing",
      // the creature of a boss round
      "CreatureHit", "CreatureAbsorb", "CreatureDefeated",
      // restaurant, map and practice
      "RestoSale", "RestoOpen", "RestoNewCust", "RestoCustEnters", "RestoClosed", "NewChapter", "MyCreation",
      "MouseOver", "LockerBreak", "LockerBounce", "Lightning", "Key", "HorseFeet", "Hammer", "Fireworks",
      "Cooking", "Collector", "ChainLock", "BubblePop", "BonusEnergy", "Bonus", "Bells",
      // the big comments
      "TimeUp", "StageComplete", "NoMoreMoves", "TimeRunningOut", "RecipeBookFound", "ExpertBookFound"};
  return names;
}

const std::vector<std::string>& RuntimeEffectNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (int i = 1; i <= kIslands; ++i) n.push_back("ChapterEntry" + std::to_string(i));
    for (int i = 1; i <= kIslands; ++i) n.push_back("UpgradesFinished" + std::to_string(i));
    for (int i = 1; i <= kIslands; ++i)
      for (int s = 1; s <= kSlotsPerIsland; ++s) n.push_back(RecipeName(i, s));
    // Review variant × 5 + stars − 1, for two variants and two to five stars.
    for (int v = 0; v <= 1; ++v)
      for (int stars = 2; stars <= 5; ++stars) n.push_back("RestoRating-" + std::to_string(v * 5 + stars - 1));
    for (const char* g : {"_m", "_f"}) n.push_back(std::string("RestoDisappointed") + g);
    for (int p = 1; p <= 8; ++p)
      for (const char* g : {"_m", "_f"}) n.push_back("RestoPraise" + std::to_string(p) + g);
    return n;
  }();
  return names;
}

std::vector<std::string> AllEffectNames() {
  std::vector<std::string> all = FixedEffectNames();
  all.insert(all.end(), RuntimeEffectNames().begin(), RuntimeEffectNames().end());
  return all;
}

bool IsMultiVoice(std::string_view name) {
  for (const char* m : {"ElementBounce1", "ElementBounce2", "ElementBounce3", "LockerBreak", "ScoreCount", "LockerBounce"})
    if (name == m) return true;
  return false;
}

int SlotsNeeded(const std::vector<std::string>& names) {
  int slots = 0;
  for (const auto& n : names) slots += IsMultiVoice(n) ? kMultiVoiceSlots : 1;
  return slots;
}

const std::vector<Track>& Tracks() {
  static const std::vector<Track> tracks = {
      {0, "Splash.ogg", true},    {1, "Story.ogg", true},      {2, "MainGame1.ogg", true},
      {3, "MainGame2.ogg", true}, {4, "MainGame3.ogg", true},  {5, "MainGame4.ogg", true},
      {6, "LevelClear.ogg", false}, {7, "Upgrade1.ogg", true}, {8, "Upgrade2.ogg", true}};
  return tracks;
}

const std::vector<Voice>& Voices() {
  static const std::vector<Voice> voices = [] {
    std::vector<Voice> v;
    for (int i = 1; i <= 6; ++i) v.push_back({"Voices/Story", "StoryOpening" + std::to_string(i), i});
    // Line 7 separates the opening from the ending.
    for (int i = 1; i <= 3; ++i) v.push_back({"Voices/Ending", "StoryEnding" + std::to_string(i), 7 + i});
    return v;
  }();
  return voices;
}

std::string RecipeName(int island, int slot) {
  return "Recipe_" + std::to_string(island) + "-" + std::to_string(slot);
}

int DishNameLine(int island, int slot) { return (island - 1) * (kSlotsPerIsland + 1) + slot; }

}  // namespace snd
