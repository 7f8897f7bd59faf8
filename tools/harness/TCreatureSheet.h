#pragma once
#include <set>
#include <string>

// One island's boss creature in its poses over the island's level background, drawn by the
// game's own painter from creatures driven through their public methods: to look at the
// creature pictures at game size before a boss round shows them.
class TCreatureSheet {
 public:
  // island 1..5. Pictures drawn but not loaded are added to missing (when given).
  static bool Run(const std::string& contentFolder, int island, const std::string& file,
                  std::string& error, std::set<std::string>* missing = nullptr);
};
