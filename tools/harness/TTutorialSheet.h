#pragma once
#include <set>
#include <string>
#include <vector>

// The tutorial over the first island's level background, drawn by the game's own tutorial
// components: every page of the panel with its fairy and OK button, and the tool tip with
// each of its texts pointing at a place of the screen, to check that the texts fit.
class TTutorialSheet {
 public:
  // Writes tutorial-NN.png and tooltip-NN.png into outFolder. Pictures drawn but not loaded
  // are added to missing (when given).
  static bool Run(const std::string& contentFolder, const std::string& outFolder,
                  std::vector<std::string>& written, std::string& error,
                  std::set<std::string>* missing = nullptr);
};
