#pragma once
#include <functional>

#include "engine/SharedTypes.h"
#include "engine/TAnimData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The creature of a boss round. It walks along the bottom of the board, is hit by what
// drops off the board, now and then prepares and absorbs time from the tube, and dies when
// its energy is spent. It keeps state and pose values only; TBossPainter draws it.
// The five island creatures share this class and differ only in their walking range.
class TBoss : public TComponent {
 public:
  enum TBossState : int { bsWalking = 0, bsFrontView = 1, bsAbsorbing = 2, bsDead = 3 };
  enum TAttemptPhase : int { apNone = 0, apPreparing = 1, apAbsorbing = 2, apFinishing = 3 };
  enum TDirection : int { dirLeft = 0, dirRight = 1 };
  static constexpr int DeadParts = 6;
  static constexpr int EnergyScale = 64;   // the energy bar's full length

  struct TPartPose {
    float Angle = 0;  // degrees
    float X = 0, Y = 0;
  };

  TBoss(int maxLeftPos, int maxRightPos);

  // The seven values a level file sets at every level start.
  void SetEnergy(int energy);  // also refills the current energy
  int GetEnergy() const { return Energy; }
  int RefTimeForAbsorbAttempt = 10000;  // ms
  int HitsToCancelAbsorbAttempt = 99999;
  int OneAbsorbedTime = 60;  // s
  int PreparingTime = 3000;  // ms
  int AbsorbingTime = 7000;  // ms
  int FinishingTime = 3500;  // ms

  int AerosolCanHitInterval = 5;
  int FruitAvgSize = 53;
  int TopPos = 499;
  int MaxLeftPos, MaxRightPos;
  int NewDirTolerance = 140;
  float HitAngleRecoverStep = 1.2f, MaxHitAngle = 26.0f, OneHitAngle = 8.0f;
  int OneHitDownAdj = 5, MaxHitDownAdj = 20;
  int FrontViewAdjX = -4, FrontViewAdjY = 0, RightDirViewAdjX = 0;
  int FrontDeadGroundPos = 499;
  float DeadMoveStep;  // (FrontDeadGroundPos - TopPos) / 20 at creation
  float DisappearMoveStep = 0;
  int DisappearVertPos = 700;
  int ShadowAlpha = 90;
  int HitSoundDelayTime = 1000;  // ms
  bool Visible = true;
  TOmegaImageList* OmgImgList = nullptr;

  std::function<void(TBoss&)> OnDead;
  std::function<void(TBoss&)> OnDeadGrounded;
  std::function<void(TBoss&)> OnStartAbsorbing;
  std::function<void(TBoss&)> OnFinishAbsorbing;
  // A hit that the sound timer lets through (at most one per HitSoundDelayTime).
  std::function<void(TBoss&)> PlaySound;
  static constexpr const char* HitSound = "CreatureHit";  // what PlaySound should play

  void Reset();
  void SetAutoAttempts(bool enabled);
  // Mode 0: does (x, y) hit the creature; mode 1: a forced hit. True when it was hit.
  bool Hit(int x, int y, int mode);
  void AerosolSpray(int left, int top, int right, int bottom);
  void Leave();
  void FadeOutDead();
  void Update();

  bool IsAbsorbing() const { return State == bsAbsorbing; }
  bool IsDead() const { return State == bsDead; }

  // What a drawing needs.
  TPoint Position() const { return FPosition; }
  TBossState GetState() const { return State; }
  TAttemptPhase GetAttemptPhase() const { return Phase; }
  TDirection GetDirection() const { return Direction; }
  int CurrentEnergy() const { return FCurrentEnergy; }
  // Round(CurrentEnergy / Energy * 64) while energy remains, else 0.
  int EnergyOnScale() const;
  int WalkingFrame() const;     // pattern of the walking animation now
  int FrontViewFrame() const;   // pattern of the front-view animation now
  int DeadFrame() const;        // pattern of the dead animation now
  float HitAngle() const { return FHitAngle; }
  int HitDown() const { return FHitDown; }
  float Bounce() const { return FBounce; }
  float DeadFade() const { return FDeadFade; }
  const TPartPose& DeadPart(int i) const { return Parts[i]; }
  bool Leaving() const { return FLeaving; }
  bool AutoAttempts() const { return FAutoAttempts; }
  int PreparationHits() const { return FPreparationHits; }
  int AttemptInterval() const { return FAttemptInterval; }

 private:
  void StartAttempt();
  void RunAttemptTimers();
  void WalkAgain();  // after the direction check
  void Die();

  int Energy = 60;
  TBossState State = bsWalking;
  TAttemptPhase Phase = apNone;
  TDirection Direction = dirLeft;
  int FCurrentEnergy = 60;
  double X = 0, Y = 0;
  TPoint FPosition;
  int FAttemptInterval = 10000, AttemptTimer = 0;
  int PreparingTimer = 0, AbsorbingTimer = 0, FinishingTimer = 0;
  int FPreparationHits = 0;
  int AerosolContacts = 0;
  int HitSoundTimer = 0;
  bool FAutoAttempts = true;
  float FHitAngle = 0;
  int FHitDown = 0;
  float FBounce = 0, BounceTarget = 0;
  bool FLeaving = false, GroundedFired = false;
  float FDeadFade = 1, DeadFadeTarget = 1;
  TPartPose Parts[DeadParts];
  // Mutable: reading a frame settles a rewound sequence on its first character.
  mutable TAnimData FrontAnim{"111112222233333444443333322222", true};
  mutable TAnimData DeadAnim{"5555666677778888", false};
  mutable TAnimData WalkAnim{"0111111222222333333444444555555666666777777888888", true};
};

// The five island creatures: same behaviour, own walking range.
class TOwlBoss : public TBoss {
 public:
  TOwlBoss() : TBoss(225, 855) {}
};
class TSquirrelBoss : public TBoss {
 public:
  TSquirrelBoss() : TBoss(225, 965) {}
};
class TBeeBoss : public TBoss {
 public:
  TBeeBoss() : TBoss(225, 910) {}
};
class TBatBoss : public TBoss {
 public:
  TBatBoss() : TBoss(225, 885) {}
};
class TCatBoss : public TBoss {
 public:
  TCatBoss() : TBoss(200, 880) {}
};
