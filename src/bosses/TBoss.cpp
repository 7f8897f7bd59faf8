#include "bosses/TBoss.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"

namespace {
constexpr float BounceStep = 1.1f;
constexpr float BounceDepth = -4;
constexpr float DeadFadeStep = 0.07f;
constexpr int PartSteps = 20;  // a dead part settles in this many updates

// Where the six parts of a dead creature come to rest.
constexpr TBoss::TPartPose DeadPartTargets[TBoss::DeadParts] = {
    {26, -2, 12}, {10, 1, 14}, {40, 7, 20}, {178, 23, -80}, {143, -47, -87}, {-120, 52, -67}};

// The hit box, from the creature's rounded position.
constexpr int HitBoxLeft = 15, HitBoxRight = 242, HitBoxTop = 25;

// Where an aerosol cloud's left edge touches the creature, by the way it faces.
constexpr int SprayHeight = 134, FrontSprayHeight = 135;
constexpr int LeftSprayFrom = 0, LeftSprayTo = 182;
constexpr int RightSprayFrom = 85, RightSprayTo = 259;
constexpr int FrontSprayFrom = 57, FrontSprayTo = 208;

void Fire(const std::function<void(TBoss&)>& event, TBoss& boss) {
  if (event) event(boss);
}

void Settle(float& value, float target) {
  TMotion::ApproachFloat(value, target, std::fabs(target) / PartSteps);
}
}  // namespace

TBoss::TBoss(int maxLeftPos, int maxRightPos)
    : MaxLeftPos(maxLeftPos),
      MaxRightPos(maxRightPos),
      DeadMoveStep(static_cast<float>(FrontDeadGroundPos - TopPos) / PartSteps) {
  Reset();
}

// A level file without a sensible energy still gets a creature one hit can beat: 0 would
// leave nothing to hit and no way to win the round.
void TBoss::SetEnergy(int energy) {
  Energy = std::max(1, energy);
  FCurrentEnergy = Energy;
}

void TBoss::Reset() {
  State = bsWalking;
  Phase = apNone;
  Direction = dirLeft;
  FCurrentEnergy = Energy;
  AttemptTimer = 0;
  PreparingTimer = AbsorbingTimer = FinishingTimer = 0;
  FPreparationHits = 0;
  AerosolContacts = 0;
  HitSoundTimer = 0;
  FHitAngle = 0;
  FHitDown = 0;
  FBounce = BounceTarget = 0;
  FLeaving = GroundedFired = false;
  FDeadFade = DeadFadeTarget = 1;
  for (TPartPose& p : Parts) p = TPartPose{};
  X = MaxRightPos;
  Y = TopPos;
  FPosition = {MaxRightPos, TopPos};
  FAutoAttempts = true;
  DeadAnim.Restart();
}

void TBoss::SetAutoAttempts(bool enabled) {
  FAutoAttempts = enabled;
  if (!enabled) return;
  // 1.0, 1.1, 1.2, 1.3 or 1.4 times the reference; kept in range for absurd level values.
  const double r = RefTimeForAbsorbAttempt;
  const double interval = r + RoundHalfEven(r * TGameRandom::Random(5) / 10);
  FAttemptInterval = static_cast<int>(std::clamp(interval, double{INT_MIN / 2}, double{INT_MAX / 2}));
}

void TBoss::StartAttempt() {
  if (Phase != apNone && Phase != apFinishing) return;
  Phase = apPreparing;
  FPreparationHits = 0;
  PreparingTimer = 0;
  State = bsFrontView;
  Fire(OnFinishAbsorbing, *this);
}

void TBoss::WalkAgain() {
  if (Direction == dirLeft && X < MaxLeftPos + NewDirTolerance)
    Direction = dirRight;
  else if (Direction == dirRight && X > MaxRightPos - NewDirTolerance)
    Direction = dirLeft;
  State = bsWalking;
}

void TBoss::RunAttemptTimers() {
  switch (Phase) {
    case apPreparing:
      if (TMotion::TimerTick(PreparingTimer, PreparingTime)) {
        Phase = apAbsorbing;
        AbsorbingTimer = 0;
        State = bsAbsorbing;
        Fire(OnStartAbsorbing, *this);
      }
      break;
    case apAbsorbing:
      if (TMotion::TimerTick(AbsorbingTimer, AbsorbingTime)) {
        Phase = apFinishing;
        FinishingTimer = 0;
        State = bsFrontView;
        Fire(OnFinishAbsorbing, *this);
      }
      break;
    case apFinishing:
      if (TMotion::TimerTick(FinishingTimer, FinishingTime)) {
        Phase = apNone;
        WalkAgain();
      }
      break;
    case apNone:
      break;
  }
}

void TBoss::Die() {
  State = bsDead;
  for (TPartPose& p : Parts) p = TPartPose{};
}

bool TBoss::Hit(int x, int y, int mode) {
  if (!Visible || FCurrentEnergy <= 0) return false;
  const bool wasDead = State == bsDead;
  bool hit = mode == 1;
  if (mode == 0 && !wasDead) {
    const int left = RoundHalfEven(X), top = RoundHalfEven(Y);
    hit = x >= left + HitBoxLeft - FruitAvgSize && x <= left + HitBoxRight && y >= top + HitBoxTop;
  }
  if (hit && State < bsAbsorbing) {
    AttemptTimer = 0;
    if (HitSoundTimer >= HitSoundDelayTime) {
      HitSoundTimer = 0;
      Fire(PlaySound, *this);
    }
    // Compared as "more than" so that a huge limit from a level file cannot overflow.
    if (Phase == apPreparing && ++FPreparationHits > HitsToCancelAbsorbAttempt) {
      Phase = apNone;
      WalkAgain();
    }
    FHitAngle = std::min(FHitAngle + OneHitAngle, MaxHitAngle);
    FHitDown = std::min(FHitDown + OneHitDownAdj, MaxHitDownAdj);
    BounceTarget = BounceDepth;
    if (--FCurrentEnergy == 0) {
      Die();
      Fire(OnDead, *this);
    }
  }
  return hit && !wasDead;
}

void TBoss::AerosolSpray(int left, int top, int right, int bottom) {
  (void)right;  // only the cloud's left edge is tested
  bool touches = false;
  const bool inHeight = top >= Y && bottom <= Y + SprayHeight;
  if (State == bsWalking && Direction == dirLeft)
    touches = inHeight && left >= X + LeftSprayFrom && left <= X + LeftSprayTo;
  else if (State == bsWalking)
    touches = inHeight && left >= X + RightSprayFrom && left <= X + RightSprayTo;
  else if (State == bsFrontView)
    touches = left >= X + FrontSprayFrom && left <= X + FrontSprayTo && top >= Y &&
              bottom <= Y + FrontSprayHeight;
  if (!touches) return;
  if (++AerosolContacts >= AerosolCanHitInterval) {
    AerosolContacts = 0;
    Hit(0, 0, 1);
  }
}

void TBoss::Leave() {
  if (Visible && State == bsDead) FLeaving = true;
}

void TBoss::FadeOutDead() {
  if (State == bsDead) DeadFadeTarget = 0;
}

int TBoss::EnergyOnScale() const {
  if (FCurrentEnergy <= 0) return 0;
  return RoundHalfEven(static_cast<double>(FCurrentEnergy) / Energy * EnergyScale);
}

// The walk cycle opens on "0", which a sequence reports as hidden; it is the first stride.
int TBoss::WalkingFrame() const {
  const int f = WalkAnim.Frame();
  return f == TAnimData::Hidden ? 0 : f;
}

int TBoss::FrontViewFrame() const { return FrontAnim.Frame(); }

int TBoss::DeadFrame() const { return DeadAnim.Frame(); }

void TBoss::Update() {
  if (!Visible) return;

  if (FAutoAttempts && State == bsWalking && TMotion::TimerTick(AttemptTimer, FAttemptInterval)) {
    AttemptTimer = 0;
    SetAutoAttempts(true);  // the next interval
    StartAttempt();
  }

  TMotion::TimerTick(HitSoundTimer, HitSoundDelayTime);
  if (TMotion::ApproachFloat(FBounce, BounceTarget, BounceStep) && BounceTarget == BounceDepth)
    BounceTarget = 0;

  switch (State) {
    case bsWalking:
      WalkAnim.Next();
      TMotion::ApproachFloat(FHitAngle, 0, HitAngleRecoverStep);
      FHitDown = 0;
      if (Direction == dirLeft) {
        X -= 1;
        if (X <= MaxLeftPos) {
          X = MaxLeftPos;
          Direction = dirRight;
        }
      } else {
        X += 1;
        if (X >= MaxRightPos) {
          X = MaxRightPos;
          Direction = dirLeft;
        }
      }
      break;
    case bsFrontView:
    case bsAbsorbing:
      RunAttemptTimers();
      FrontAnim.Next();
      TMotion::ApproachFloat(FHitAngle, 0, HitAngleRecoverStep);
      FHitDown = 0;
      break;
    case bsDead:
      if (FLeaving) {
        // Sinks out of sight, never back up towards the mark.
        if (Y < DisappearVertPos) Y = std::min<double>(Y + DisappearMoveStep, DisappearVertPos);
      } else {
        Y += DeadMoveStep;
        if (Y > FrontDeadGroundPos) {
          Y = FrontDeadGroundPos;
          if (!GroundedFired) {
            GroundedFired = true;
            Fire(OnDeadGrounded, *this);
          }
        }
      }
      for (int i = 0; i < DeadParts; ++i) {
        Settle(Parts[i].Angle, DeadPartTargets[i].Angle);
        Settle(Parts[i].X, DeadPartTargets[i].X);
        Settle(Parts[i].Y, DeadPartTargets[i].Y);
      }
      DeadAnim.Next();
      TMotion::ApproachFloat(FDeadFade, DeadFadeTarget, DeadFadeStep);
      break;
  }

  FPosition = {RoundHalfEven(X), RoundHalfEven(Y)};
}
