#include "TBossAim.h"

#include <algorithm>
#include <utility>

#include "engine/Rounding.h"
#include "engine/SharedTypes.h"

namespace {
// The creature's hit box, from its rounded position (the game's own rule).
constexpr int kBoxLeft = 15, kBoxRight = 242, kBoxTop = 25;
// Elements are asked no more once they reach the ground line.
constexpr int kGround = 705;
constexpr int kStartSpeed = 15;

void Settle(double& v, double step) {
  if (v > 0)
    v = std::max(0.0, v - step);
  else if (v < 0)
    v = std::min(0.0, v + step);
}

// Frames a phase of `ms` lasts: its timer gains one tick per frame and ends on reaching it.
int PhaseFrames(int ms) { return std::max(1, (ms + TickMilliseconds - 1) / TickMilliseconds); }
}  // namespace

TBossAim::TBossAim(std::vector<TFrame> frames, int top, int fruitAvgSize)
    : Frames(std::move(frames)), Top(top), FruitAvgSize(fruitAvgSize) {}

TBossAim::TBossAim(const TBoss& boss, int phaseFrames)
    : Top(boss.TopPos), FruitAvgSize(boss.FruitAvgSize) {
  TFrame f{boss.Position().X, boss.GetState(), boss.GetAttemptPhase()};
  int dir = boss.GetDirection() == TBoss::dirLeft ? -1 : 1;
  int inPhase = phaseFrames;
  Frames.reserve(Horizon + 1);
  Frames.push_back(f);
  for (int k = 1; k <= Horizon; ++k) {
    ++inPhase;
    switch (f.State) {
      case TBoss::bsWalking:
        f.X += dir;
        if (f.X <= boss.MaxLeftPos) {
          f.X = boss.MaxLeftPos;
          dir = 1;
        } else if (f.X >= boss.MaxRightPos) {
          f.X = boss.MaxRightPos;
          dir = -1;
        }
        break;
      case TBoss::bsFrontView:
      case TBoss::bsAbsorbing:
        // The frame an attempt starts already counts towards its preparation.
        if (f.Phase == TBoss::apPreparing && inPhase + 1 >= PhaseFrames(boss.PreparingTime)) {
          f.Phase = TBoss::apAbsorbing;
          f.State = TBoss::bsAbsorbing;
          inPhase = 0;
        } else if (f.Phase == TBoss::apAbsorbing && inPhase >= PhaseFrames(boss.AbsorbingTime)) {
          f.Phase = TBoss::apFinishing;
          f.State = TBoss::bsFrontView;
          inPhase = 0;
        } else if (f.Phase == TBoss::apFinishing && inPhase >= PhaseFrames(boss.FinishingTime)) {
          f.Phase = TBoss::apNone;
          f.State = TBoss::bsWalking;
          if (dir < 0 && f.X < boss.MaxLeftPos + boss.NewDirTolerance)
            dir = 1;
          else if (dir > 0 && f.X > boss.MaxRightPos - boss.NewDirTolerance)
            dir = -1;
          inPhase = 0;
        }
        break;
      case TBoss::bsDead:
        break;
    }
    Frames.push_back(f);
  }
}

const TBossAim::TFrame& TBossAim::At(int frame) const {
  static const TFrame none{0, TBoss::bsDead, TBoss::apNone};
  if (Frames.empty()) return none;
  return Frames[static_cast<std::size_t>(std::clamp(frame, 0, static_cast<int>(Frames.size()) - 1))];
}

double TBossAim::Contact(double x, double y, double speedX, double push, int delay) const {
  double speed = kStartSpeed;
  for (int k = 1; k <= Horizon; ++k) {
    speed += Gravity;
    Settle(speedX, 0.65);
    Settle(push, 2);
    x += speedX;
    y += speed + push;
    const TFrame& f = At(delay + k);
    if (f.State == TBoss::bsDead) return 0;
    const int ex = RoundHalfEven(x), ey = RoundHalfEven(y);
    if (ey >= Top + kBoxTop && ex >= f.X + kBoxLeft - FruitAvgSize && ex <= f.X + kBoxRight) {
      if (f.State == TBoss::bsAbsorbing) return SwallowedWorth;
      return f.Phase == TBoss::apPreparing ? PreparingWorth : HitWorth;
    }
    if (y >= kGround) return 0;
  }
  return 0;
}

double TBossAim::ElementWorth(int x, int y, int delay, TLeave how) const {
  if (!Alive()) return 0;
  double sum = 0, weights = 0;
  if (how == lvGrouped) {
    // Sideways 0..9 either way (0 twice as likely), pushed up 25..34.
    for (int h = -9; h <= 9; ++h)
      for (double push : {-27.0, -32.0}) {
        const double w = h == 0 ? 2 : 1;
        sum += w * Contact(x, y, h, push, delay);
        weights += w;
      }
  } else {
    // Sideways 13..25 either way, pushed 30..59 up or down.
    for (int h : {13, 17, 21, 25})
      for (int side : {-1, 1})
        for (double push : {-35.0, -52.0, 35.0, 52.0}) {
          sum += Contact(x, y, side * h, push, delay);
          weights += 1;
        }
  }
  return sum / weights;
}
