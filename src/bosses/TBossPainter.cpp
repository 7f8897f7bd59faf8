#include "bosses/TBossPainter.h"

#include <algorithm>
#include <cmath>

#include "bosses/TBoss.h"
#include "bosses/TBossFigure.h"
#include "bosses/TMonsterAura.h"
#include "engine/TOmegaImageList.h"

namespace {
using F = TBossFigure;
constexpr float kFeetX = static_cast<float>(F::FeetX) / F::TileWidth;
constexpr float kFeetY = static_cast<float>(F::FeetY) / F::TileHeight;

std::uint8_t Alpha(float a) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(a), 0L, 255L));
}
}  // namespace

TBossPainter::TBossPainter()
    : Walking(F::Walking),
      Front(F::Front),
      Absorbing(F::Absorbing),
      Dying(F::Dying),
      DeadParts(F::DeadParts),
      Shadow(F::Shadow),
      Aura(F::Aura),
      AuraGlow(F::AuraGlow),
      AuraSpark(F::AuraSpark),
      EnergyFrame(F::EnergyFrame),
      EnergyFill(F::EnergyFill),
      Badge(F::Badge) {}

void TBossPainter::DrawBoss(const TBoss& boss) {
  if (!OmgImgList || !boss.Visible) return;
  const TPoint at = boss.Position();
  float x = static_cast<float>(at.X), y = static_cast<float>(at.Y + F::StandLowerBy);
  if (boss.GetState() == TBoss::bsDead) {
    DrawDead(boss, x + boss.FrontViewAdjX, y + boss.FrontViewAdjY);
    return;
  }
  const std::string* picture = &Walking;
  int pattern = 0;
  bool mirror = false;
  // A hit tips the creature backwards, away from where it looks.
  float tilt = boss.HitAngle();
  if (boss.GetState() == TBoss::bsWalking) {
    pattern = std::clamp(boss.WalkingFrame(), 0, F::WalkingPatterns - 1);
    if (boss.GetDirection() == TBoss::dirRight) {
      mirror = true;
      tilt = -tilt;
      x += boss.RightDirViewAdjX;
    }
  } else {
    picture = boss.GetState() == TBoss::bsAbsorbing ? &Absorbing : &Front;
    pattern = std::clamp(boss.FrontViewFrame(), 0, F::FrontPatterns - 1);
    x += boss.FrontViewAdjX;
    y += boss.FrontViewAdjY;
  }
  // The shadow stays on the ground while the creature is pushed down or bounces.
  OmgImgList->DrawImage(Shadow, x + F::ShadowX, y + F::ShadowY, 0,
                        {.A = Alpha(static_cast<float>(boss.ShadowAlpha))});
  OmgImgList->DrawImage(*picture, x, y + boss.HitDown() + boss.Bounce(), pattern,
                        {.CenterX = kFeetX, .CenterY = kFeetY, .Angle = tilt, .Mirror = mirror});
}

void TBossPainter::DrawDead(const TBoss& boss, float x, float y) {
  const float fade = std::clamp(boss.DeadFade(), 0.0f, 1.0f);
  const std::uint8_t a = Alpha(255 * fade);
  if (a == 0) return;
  OmgImgList->DrawImage(Shadow, x + F::ShadowX, y + F::ShadowY, 0,
                        {.A = Alpha(boss.ShadowAlpha * fade)});
  const int dying = std::max(0, boss.DeadFrame() - F::FirstDeadPattern);
  if (dying >= F::PiecesFromDyingPattern) {
    for (int i : F::PartOrder) {
      const TBoss::TPartPose& pose = boss.DeadPart(i);
      const F::TPivot& pivot = F::PartPivot[i];
      OmgImgList->DrawImage(DeadParts, x + pose.X, y + pose.Y, i,
                            {.A = a,
                             .CenterX = pivot.X / F::TileWidth,
                             .CenterY = pivot.Y / F::TileHeight,
                             .Angle = pose.Angle});
    }
  }
  if (dying < F::DyingPatterns) OmgImgList->DrawImage(Dying, x, y, dying, {.A = a});
}

void TBossPainter::DrawEnergyBar(const TBoss& boss) {
  if (!OmgImgList || !boss.Visible) return;
  // Beaten, the emptied bar and the dazed portrait fade out with the creature.
  const bool dead = boss.IsDead();
  const std::uint8_t a = dead ? Alpha(255 * std::clamp(boss.DeadFade(), 0.0f, 1.0f)) : 255;
  if (a == 0) return;
  const float x = F::EnergyBarLeft, y = F::EnergyBarTop;
  OmgImgList->DrawImage(EnergyFrame, x, y, 0, {.A = a});
  const int energy = boss.EnergyOnScale();
  if (energy > 0) {
    const float share = static_cast<float>(std::min(energy, TBoss::EnergyScale)) / TBoss::EnergyScale;
    OmgImgList->DrawImage(EnergyFill, x + F::EnergyFrameLeft, y + F::EnergyFrameTop, 0,
                          {.ScaleX = share, .CenterX = 0});
  }
  OmgImgList->DrawImage(Badge, x + F::BadgeLeft, y + F::BadgeTop, dead ? 1 : 0, {.A = a});
}

void TBossPainter::DrawAura(const TMonsterAura& aura) {
  if (!OmgImgList || !aura.Visible || aura.State() == TMonsterAura::asOff) return;
  const float fade = std::clamp(aura.Fade(), 0.0f, 1.0f);
  const float x = static_cast<float>(aura.Left), y = static_cast<float>(aura.Top + F::StandLowerBy);
  const float size = aura.BubbleSize(), wobble = aura.Wobble();
  const std::uint8_t a = Alpha(aura.BubbleAlpha() * fade);
  if (a > 0 && size > 0) {
    // The glow breathes against the ring's wobble.
    OmgImgList->DrawImage(AuraGlow, x, y, 0,
                          {.A = Alpha(a * 0.4f),
                           .ScaleX = size * (1 - wobble),
                           .ScaleY = size * (1 + wobble),
                           .CenterX = 0.5f,
                           .CenterY = 0.5f,
                           .Blend = bmAdditive});
    OmgImgList->DrawImage(Aura, x, y, 0,
                          {.A = a,
                           .ScaleX = size * (1 + wobble),
                           .ScaleY = size * (1 - wobble),
                           .CenterX = 0.5f,
                           .CenterY = 0.5f,
                           .Angle = aura.Rotation()});
  }
  for (int i = 0; i < TMonsterAura::SparkCount; ++i) {
    const TMonsterAura::TSpark& spark = aura.Spark(i);
    const int frame = aura.SparkFrame(i);
    const std::uint8_t sa = Alpha(spark.Alpha * fade);
    // A spark not yet placed has no size (which would draw at full size).
    if (frame < 0 || sa == 0 || spark.Size <= 0) continue;
    OmgImgList->DrawImage(AuraSpark, spark.X, spark.Y + F::StandLowerBy, std::min(frame, F::SparkPatterns - 1),
                          {.A = sa,
                           .ScaleX = spark.Size,
                           .ScaleY = spark.Size,
                           .CenterX = 0.5f,
                           .CenterY = 0.5f,
                           .Angle = spark.Angle,
                           .Blend = bmAdditive});
  }
}
