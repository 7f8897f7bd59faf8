#include <gtest/gtest.h>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TLcgRandom.h"
#include "engine/TMotion.h"

TEST(GameRandom, ReproducesTheGeneratorsExactSequence) {
  TGameRandom::SetSeed(42);
  TGameRandom::Random(1);
  EXPECT_EQ(TGameRandom::Seed(), 1365616851u);
  TGameRandom::Random(1);
  EXPECT_EQ(TGameRandom::Seed(), 3768653856u);

  TGameRandom::SetSeed(42);
  const int expected[] = {31, 87, 20, 15, 1};
  for (int e : expected) EXPECT_EQ(TGameRandom::Random(100), e);

  // The fraction is the stepped seed over 2^32; the top seed wraps around.
  TGameRandom::SetSeed(0xFFFFFFFFu);
  EXPECT_DOUBLE_EQ(TGameRandom::RandomFraction(), 4160191484.0 / 4294967296.0);

  // Random(0) still steps the generator, so later draws stay in step.
  TGameRandom::SetSeed(42);
  EXPECT_EQ(TGameRandom::Random(0), 0);
  EXPECT_EQ(TGameRandom::Seed(), 1365616851u);
}

TEST(GameRandom, AnInstanceOfItsOwnDrawsTheSameSequenceApart) {
  TGameRandom::SetSeed(42);
  TLcgRandom own(42);
  for (int n : {100, 37, 1, 0, 12, 1000000}) EXPECT_EQ(own.Random(n), TGameRandom::Random(n)) << n;
  EXPECT_DOUBLE_EQ(own.RandomFraction(), TGameRandom::RandomFraction());
  EXPECT_EQ(own.Seed(), TGameRandom::Seed());
  // Drawing from the instance leaves the game's generator where it was.
  const std::uint32_t before = TGameRandom::Seed();
  own.Random(5);
  EXPECT_EQ(TGameRandom::Seed(), before);
}

TEST(GameRandom, ClockReseedingCanBeMadeDeterministic) {
  TGameRandom::SetClockSeedSource([] { return 777u; });
  TGameRandom::Randomize();
  EXPECT_EQ(TGameRandom::Seed(), 777u);
  TGameRandom::SetClockSeedSource(nullptr);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
  EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

TEST(Motion, ApproachNeverPassesTheTarget) {
  int v = 0;
  EXPECT_FALSE(TMotion::ApproachInt(v, 4, 10));
  EXPECT_EQ(v, 4);
  TMotion::ApproachInt(v, 4, 10);
  EXPECT_TRUE(TMotion::ApproachInt(v, 4, 10));
  EXPECT_EQ(v, 10);
  EXPECT_TRUE(TMotion::ApproachInt(v, 4, 10));  // already there
  v = 3;
  EXPECT_TRUE(TMotion::ApproachInt(v, 5, -1));
  EXPECT_EQ(v, -1);

  float f = 1.0f;
  EXPECT_FALSE(TMotion::ApproachFloat(f, 0.0f, 0.3f));
  EXPECT_FLOAT_EQ(f, 0.7f);
  for (int i = 0; i < 3; ++i) TMotion::ApproachFloat(f, 0.0f, 0.3f);
  EXPECT_EQ(f, 0.0f);
}

TEST(Motion, AngleTurnWrapsAndTimerHoldsAtItsLimit) {
  float a = 358;
  TMotion::TurnAngle(1, a, 5);
  EXPECT_FLOAT_EQ(a, 3);
  TMotion::TurnAngle(0, a, 5);
  EXPECT_FLOAT_EQ(a, 358);

  // A 1500 ms delay runs out on the 50th tick, whatever the real frame rate.
  int counter = 0, ticks = 0;
  while (!TMotion::TimerTick(counter, 1500)) ++ticks;
  EXPECT_EQ(ticks + 1, 50);
  EXPECT_EQ(counter, 1500);
  // A limit that is not a multiple of the tick is held exactly.
  counter = 0;
  while (!TMotion::TimerTick(counter, 100)) {
  }
  EXPECT_EQ(counter, 100);
}

TEST(Motion, StraightLineMovesTheLongerAxisAtThePace) {
  float sx, sy;
  TMotion::StraightLineSpeeds(0, 0, 300, -100, 10, sx, sy);
  EXPECT_FLOAT_EQ(sx, 10);
  EXPECT_FLOAT_EQ(sy, 100.0f / 30.0f);
  // Both axes arrive together.
  float x = 0, y = 0;
  int steps = 0;
  bool done = false;
  while (!done && steps < 100) {
    bool ax = TMotion::ApproachFloat(x, 300, sx);
    bool ay = TMotion::ApproachFloat(y, -100, sy);
    done = ax && ay;
    ++steps;
  }
  EXPECT_EQ(steps, 30);
  // No distance: no division by zero.
  TMotion::StraightLineSpeeds(5, 5, 5, 5, 10, sx, sy);
  EXPECT_EQ(sx, 0);
  EXPECT_EQ(sy, 0);
}

TEST(Motion, RandomGridPointStaysOnTheGrid) {
  TGameRandom::SetSeed(9);
  for (int i = 0; i < 200; ++i) {
    int p = TMotion::RandomGridPoint(300, 350, 10);
    EXPECT_GE(p, 300);
    EXPECT_LE(p, 350);
    EXPECT_EQ((p - 300) % 10, 0);
  }
  EXPECT_EQ(TMotion::RandomGridPoint(40, 10, 7), 40);  // hi raised to lo
}
