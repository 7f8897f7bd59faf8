#pragma once
#include <string>

class IMessageBoxes;

// Where the player list, saves and high scores live.
class TSaveFolders {
 public:
  static constexpr const char* FolderName = "Wendmoor - Vessary";
  static constexpr int MaxNumbered = 9999;

  // Creates the per-user folder and the game's folder below it; failures are told, not fatal.
  static void CreateSaveFolders(const std::string& saveRoot, const std::string& saveFolder,
                                IMessageBoxes& boxes);
  // True when folder + "Players.dat" does not exist or can be opened for reading and writing.
  static bool ProbePlayersFile(const std::string& folder);
  // The folder itself, or its first numbered subfolder that is free or usable.
  static std::string SelectSaveFolder(const std::string& saveFolder);
};
