// The list of sounds against the player's limits and against the game's own code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "Manifest.h"

namespace fs = std::filesystem;
using namespace snd;

TEST(Manifest, NamesFitTheEffectPlayer) {
  auto names = AllEffectNames();
  std::set<std::string> unique(names.begin(), names.end());
  EXPECT_EQ(unique.size(), names.size()) << "a name is listed twice";
  for (const auto& n : names) EXPECT_LE(n.size(), 40u) << n;
  // Every multi-voice effect is made, and the whole set fits the slot table.
  for (const char* m : {"ElementBounce1", "ElementBounce2", "ElementBounce3", "LockerBreak", "ScoreCount", "LockerBounce"}) {
    EXPECT_TRUE(unique.count(m)) << m;
    EXPECT_TRUE(IsMultiVoice(m));
  }
  EXPECT_FALSE(IsMultiVoice("Click"));
  EXPECT_EQ(SlotsNeeded({"Click", "LockerBreak"}), 1 + kMultiVoiceSlots);
  EXPECT_LE(SlotsNeeded(names), kEffectSlots);
}

TEST(Manifest, CoversEveryNameBuiltWhileTheGameRuns) {
  auto names = AllEffectNames();
  std::set<std::string> all(names.begin(), names.end());
  std::vector<std::string> built;
  for (int i = 1; i <= 5; ++i) {
    built.push_back("ChapterEntry" + std::to_string(i));
    built.push_back("UpgradesFinished" + std::to_string(i));
    for (int s = 1; s <= 4; ++s) built.push_back("Recipe_" + std::to_string(i) + "-" + std::to_string(s));
  }
  for (int variant = 0; variant <= 1; ++variant)
    for (int stars = 2; stars <= 5; ++stars) built.push_back("RestoRating-" + std::to_string(variant * 5 + stars - 1));
  for (int praise = 1; praise <= 8; ++praise)
    for (const char* g : {"_m", "_f"}) built.push_back("RestoPraise" + std::to_string(praise) + g);
  built.push_back("RestoDisappointed_m");
  built.push_back("RestoDisappointed_f");
  for (const auto& b : built) EXPECT_TRUE(all.count(b)) << b;
  // One star plays nothing, so there is no "RestoRating-0" or "-5".
  EXPECT_FALSE(all.count("RestoRating-0"));
  EXPECT_FALSE(all.count("RestoRating-5"));
}

// Every name the game's code plays: a literal on a line that plays something, or the
// fixed start of a name it builds ("ChapterEntry" + n).
TEST(Manifest, CoversEveryNameTheGameCodePlays) {
  auto effects = AllEffectNames();
  std::set<std::string> known(effects.begin(), effects.end());
  for (const auto& v : Voices()) known.insert(v.name);
  std::regex literal(R"re("([A-Z][A-Za-z0-9_\-]*)"(\s*\+)?)re");
  std::regex playCall(R"re((^|[^A-Za-z])Play(SFX|Sound|Voice)?\s*\()re");
  int checked = 0;
  for (const auto& e : fs::recursive_directory_iterator(fs::path(SOURCE_DIR) / "src")) {
    auto ext = e.path().extension();
    if (ext != ".cpp" && ext != ".h") continue;
    if (e.path().parent_path().filename() == "audio") continue;  // the players themselves
    std::ifstream in(e.path());
    std::string line;
    for (int no = 1; std::getline(in, line); ++no) {
      if (!std::regex_search(line, playCall)) continue;
      for (std::sregex_iterator it(line.begin(), line.end(), literal), end; it != end; ++it) {
        std::string name = (*it)[1];
        bool prefix = (*it)[2].matched;
        bool found = prefix ? std::any_of(known.begin(), known.end(), [&](const std::string& k) { return k.rfind(name, 0) == 0; })
                            : known.count(name) > 0;
        EXPECT_TRUE(found) << e.path().string() << ":" << no << " plays \"" << name << "\"";
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 0) << "found no sound played in the game's code";
}
