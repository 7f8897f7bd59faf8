#pragma once
#include <set>
#include <string>
#include <vector>

// A chapter conversation over the hub's town, drawn by the game's own dialogue component:
// one frame per balloon, taken once its text has fully appeared, to see that balloons keep
// clear of the faces and their text fits.
class TChatSheet {
 public:
  // conversation 1..22. Pictures drawn but not loaded are added to missing.
  static bool Run(const std::string& contentFolder, int conversation, const std::string& outFolder,
                  std::vector<std::string>& written, std::string& error,
                  std::set<std::string>& missing);
};
