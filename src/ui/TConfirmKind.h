#pragma once

// The questions asked through the confirmation window. The value is the kind the window picks
// its texts by and the trace reports; 5 is none of the questions.
enum TConfirmKind : int {
  ckTryAgain = 0,          // the time is up: play the level again?
  ckQuitGame = 1,          // Exit on the menu
  ckDeletePlayer = 2,      // Delete on the player list
  ckDisplayFromMenu = 3,   // the options changed the display, asked over the menu
  ckDisplayInGame = 4,     // the same from the in-game options
  ckNameTaken = 6,         // a new player's name is already in the list
  ckLeaveLevel = 7,        // "to menu" in the in-game menu
  ckCloseDuringLevel = 8,  // the window is closed during a level
  ckRelaxedMode = 9,       // the first Play: with or without the clock?
  ckTryFightAgain = 10,    // the time is up in a boss round: fight the creature again?
};
