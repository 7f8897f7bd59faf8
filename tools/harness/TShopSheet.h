#pragma once
#include <set>
#include <string>

// The hub's shop over an island's background, drawn by the game's own shop components: the
// counter with its four dishes (the first bought, the second affordable and under the mouse,
// the last two not) and the window of the third dish, to look at the shop at game size.
class TShopSheet {
 public:
  // island 1..5. Pictures drawn but not loaded are added to missing (when given).
  static bool Run(const std::string& contentFolder, int island, const std::string& file,
                  std::string& error, std::set<std::string>* missing = nullptr);
};
