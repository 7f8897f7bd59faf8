#pragma once
// Every file the game plays by name, in one place: the generator makes exactly these,
// and the tests hold the installed folders and the game's code against this list.
#include <string>
#include <string_view>
#include <vector>

namespace snd {

constexpr int kEffectSlots = 134;     // the effect player's table
constexpr int kMultiVoiceSlots = 5;   // a multi-voice effect takes this many slots
constexpr int kIslands = 5;
constexpr int kSlotsPerIsland = 4;

// Effects played with a fixed name.
const std::vector<std::string>& FixedEffectNames();
// Effects whose names the game builds while it runs, expanded over every value it can build.
const std::vector<std::string>& RuntimeEffectNames();
// Both lists, in that order: the contents of Sounds/.
std::vector<std::string> AllEffectNames();

bool IsMultiVoice(std::string_view name);
// Slots the effect player fills when it loads these files.
int SlotsNeeded(const std::vector<std::string>& names);

struct Track {
  int index;
  std::string file;  // in Music/
  bool looped;
};
const std::vector<Track>& Tracks();

struct Voice {
  std::string folder;  // below the executable's folder
  std::string name;    // file name without ".ogg"
  int narrationLine;   // 1-based line of StoryNarrations.txt
};
const std::vector<Voice>& Voices();

// The practice game announces the dish being prepared: "Recipe_<island>-<slot>".
std::string RecipeName(int island, int slot);
int DishNameLine(int island, int slot);  // 1-based line of UpgradeNames.txt

}  // namespace snd
