// Timings of the board's heavy routines on a full board. Not run by default:
//   wendmoor_tests --gtest_also_run_disabled_tests --gtest_filter='BoardBenchmark*'
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "BoardRig.h"

namespace {
using Clock = std::chrono::steady_clock;

double MicrosSince(Clock::time_point start, int runs) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / runs;
}

// A full board of four colours, full of runs.
void FillBusy(TGameBoard& board, std::uint32_t seed) {
  TGameRandom::SetSeed(seed);
  board.Reset();
  board.LoadBoard(MakeBoard({}));
  board.SetAvailableElements(TElementSet::Range(1, 4));
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y) board.EditTile({x, y}).Element = board.RandomColour();
}
}  // namespace

TEST(BoardBenchmark, DISABLED_MatchCheckCascadeAndShuffle) {
  TGameBoard board;
  int grouped = 0;
  board.OnGroupedElementsEffectRequest = [&](TGameBoard& b, TBoardData, TSimpleObjectArray m,
                                             bool, bool) {
    grouped += m.Count();
    b.RemoveGrouped(m);  // the grouping effect answered at once
  };

  const int checks = 2000;
  double checkMicros = 0;
  for (int i = 0; i < checks; ++i) {
    FillBusy(board, 1000 + i);
    auto start = Clock::now();
    board.CheckElementMatches();
    checkMicros += MicrosSince(start, 1);
  }
  checkMicros /= checks;

  const int cascades = 200;
  int frames = 0;
  grouped = 0;
  auto start = Clock::now();
  for (int i = 0; i < cascades; ++i) {
    FillBusy(board, 5000 + i);
    board.CheckElementMatches();
    for (int f = 0; f < 5000; ++f) {
      board.UpdateAndDraw();
      ++frames;
      bool busy = board.Settling();
      for (int x = 1; x <= 16 && !busy; ++x)
        for (int y = 1; y <= 12 && !busy; ++y) busy = board.TileState({x, y}) == tsFalling;
      if (!busy) break;
    }
  }
  double cascadeMicros = MicrosSince(start, cascades);

  const int shuffles = 500;
  TBoardData out;
  board.SetAvailableElements(TElementSet::Range(1, 8));
  start = Clock::now();
  for (int i = 0; i < shuffles; ++i) board.GenerateShuffledBoard(out);
  double shuffleMicros = MicrosSince(start, shuffles);

  std::printf("CheckElementMatches, full board:     %8.1f us\n", checkMicros);
  std::printf("Full cascade (%4.1f frames, %5.1f tiles grouped): %8.1f us\n",
              double(frames) / cascades, double(grouped) / cascades, cascadeMicros);
  std::printf("GenerateShuffledBoard, full board:   %8.1f us\n", shuffleMicros);
  SUCCEED();
}
