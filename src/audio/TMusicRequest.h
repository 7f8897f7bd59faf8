#pragma once

// What the music box is asked to play. The value is the request number the music box maps
// to a track and the trace reports.
enum TMusicRequest : int {
  mrSplash = 0,      // the splash, the menu and the map
  mrStory = 1,       // the opening and the ending story
  mrMainGame1 = 2,   // the four gathering tracks, taken in turn level by level
  mrMainGame2 = 3,
  mrMainGame3 = 4,
  mrMainGame4 = 5,
  mrLevelClear = 6,  // once, when a round is won
  mrUpgrade = 7,     // the hub: one of the two upgrade tracks by chance
};
