#pragma once
#include <set>
#include <string>
#include <vector>

// The island hub's town as the game's own painters draw it: one picture per book stage
// with the stickers of that many purchases (the newest still glowing), the townsfolk, the
// progress tube, the pocket with its star and the small heroine mid-cheer, and one of the
// finished book with its zeppelin. Translucent blocks stand where the panels of the shop
// and the restaurant go.
class TBookSheet {
 public:
  // Writes book-0.png .. book-4.png and book-complete.png into outDir; the files written
  // are added to written. Pictures drawn but not loaded are added to missing (when given).
  static bool Run(const std::string& contentFolder, const std::string& outDir,
                  std::vector<std::string>& written, std::string& error,
                  std::set<std::string>* missing = nullptr);
};
