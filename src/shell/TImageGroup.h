#pragma once
#include <cstdint>

// The picture folders by the group number of the loading schedule.
enum TImageGroup : std::uint8_t {
  igLogo = 0,            // "Images/Logo/", at start-up
  igSplash = 1,          // when the company logos end
  igMain = 2,            // "Images/": the main load during the splash
  igUpgrades = 3,        // the pictures the sticker book still shows, with the menu
  igCloudCover = 4,      // not loaded by the shell
  igStory = 5,           // the opening story
  igEnding = 6,          // the ending story
  igCreature = 7,        // the creature of a boss round's island
  igMenu = 8,            // the menu scene
  igBoard = 9,           // one prepared board a level on the newer systems
  igPracticeWindow = 10  // the practice game's window, with the hub
};

// Where a single picture is read from: its group's folder, or the late-load folder whatever
// the group.
enum TImageSource : std::uint8_t { srGroupFolder, srLateLoad };
enum TImageFormat : std::uint8_t { ifPng, ifJpeg };

// The groups that are loaded and freed by scene keep the names they loaded in a list of
// their own (TLoadedImageList); the others have none (-1).
constexpr int LoadedListOf(TImageGroup group) {
  switch (group) {
    case igStory: return 0;
    case igEnding: return 1;
    case igUpgrades: return 2;
    case igCreature: return 3;
    case igMenu: return 4;
    default: return -1;
  }
}
