#pragma once
#include <set>
#include <string>

// Plays one practice round over the island's level background on the virtual clock: the
// right spots and pots are clicked (one wrong pot first), and a picture of each moment is
// written into a folder, to look at the practice window the way the hub shows it.
class TPracticeDemo {
 public:
  struct TOptions {
    std::string Content;  // folder of the game's content, ending with '/'
    int Island = 1, Slot = 1;
    std::string OutFolder = "practice-demo";
  };
  // False with a message when content is missing or the round does not run its course.
  // Pictures drawn but not loaded are added to missing.
  static bool Run(const TOptions& options, std::string& error, std::set<std::string>& missing);
};
