#pragma once
#include <set>
#include <string>
#include <vector>

// Chapter conversations over the hub's town, drawn by the game's own dialogue component:
// one frame per balloon, taken once its text has fully appeared, to see that balloons keep
// clear of the faces and their text fits.
class TChatSheet {
 public:
  // conversations 1..22 (all of them when none are given); with no outFolder nothing is
  // drawn or written, only pictures asked for and not loaded are added to missing.
  static bool Run(const std::string& contentFolder, std::vector<int> conversations,
                  const std::string& outFolder, std::vector<std::string>& written,
                  std::string& error, std::set<std::string>& missing);
};
