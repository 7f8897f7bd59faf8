#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TSoak.h"
#include "support/TempDir.h"

// A short evening on the installed content: levels won through the mouse and saved, one
// restarted from the in-game menu, one left for the main menu and started again from the
// map, every level paused once by some route with its tube running again afterwards, and
// the resident memory steady from level to level.
TEST(Soak, LevelsFollowOneAnotherWithRestartsAndMenuTripsWithoutGrowing) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  auto cwd = std::filesystem::current_path();
  TSoak::TOptions o;
  o.Levels = 9;
  o.RestartEvery = 3;
  o.MenuTripEvery = 4;
  o.TimeOutEvery = 5;
  TSoak::TResult r = TSoak::Run(o);
  std::filesystem::current_path(cwd);
  EXPECT_EQ(r.Error, "");
  EXPECT_EQ(r.LevelsStarted, 9);
  EXPECT_GE(r.Won, 2);
  EXPECT_GE(r.Restarts, 2);
  EXPECT_GE(r.MenuTrips, 1);
  EXPECT_GE(r.Pauses, 6);
  EXPECT_GE(r.TubeChecks, r.Pauses - 2);  // a level may end before its check
  EXPECT_GE(r.TimeOuts, 1);  // a level left alone after its pause ran out of time
#if !defined(__SANITIZE_ADDRESS__)
  // Under the address sanitizer freed memory is held back a while: resident size says nothing.
  EXPECT_LT(TSoak::Growth(r), 8 * 1024);
#endif
  EXPECT_TRUE(std::filesystem::exists(data.Path / "Wendmoor - Vessary" / "PLAYER.sav"));
}
