// What the creature and its aura look like on screen, per state, through a recording back end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "bosses/TBoss.h"
#include "bosses/TBossFigure.h"
#include "bosses/TBossPainter.h"
#include "bosses/TMonsterAura.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"
#include "support/RecordingScreen.h"

namespace {
using F = TBossFigure;

struct TDrawn {
  std::string Name;
  int Pattern;
  bool Mirror;
  TRenderVertex Corners[4];
  int Alpha;
  TBlendMode Blend;
  float Width() const { return std::hypot(Corners[1].X - Corners[0].X, Corners[1].Y - Corners[0].Y); }
  float Height() const { return std::hypot(Corners[3].X - Corners[0].X, Corners[3].Y - Corners[0].Y); }
};

// The creature's and the aura's pictures at their real sizes and grids.
struct PainterRig : RecordingScreen {
  TBossPainter painter;

  PainterRig() {
    Add(F::Walking, F::TileWidth, F::TileHeight, 4, 2);
    Add(F::Front, F::TileWidth, F::TileHeight, 4, 1);
    Add(F::Absorbing, F::TileWidth, F::TileHeight, 4, 1);
    Add(F::Dying, F::TileWidth, F::TileHeight, 3, 1);
    Add(F::DeadParts, F::TileWidth, F::TileHeight, 3, 2);
    Add(F::Shadow, F::ShadowWidth, F::ShadowHeight, 1, 1);
    Add(F::Aura, F::AuraSize, F::AuraSize, 1, 1);
    Add(F::AuraGlow, F::AuraSize, F::AuraSize, 1, 1);
    Add(F::AuraSpark, F::SparkSize, F::SparkSize, 5, 1);
    Add(F::EnergyFrame, F::EnergyFrameWidth, F::EnergyFrameHeight, 1, 1);
    Add(F::EnergyFill, F::EnergyFillWidth, F::EnergyFillHeight, 1, 1);
    Add(F::Badge, F::BadgeSize, F::BadgeSize, 2, 1);
    painter.OmgImgList = &images;
  }
  void Add(const std::string& name, int w, int h, int cols, int rows) {
    AddBlank(name, w, h, cols, rows);
  }
  std::vector<TDrawn> Take() {
    std::vector<TDrawn> out;
    for (const auto& q : backend.Quads) {
      TDrawn d;
      d.Name = names[q.Texture];
      auto [cols, rows] = grids[d.Name];
      float u = std::min(q.Corners[0].U, q.Corners[1].U);
      float v = std::min(q.Corners[0].V, q.Corners[3].V);
      d.Pattern = static_cast<int>(std::lround(v * rows)) * cols + static_cast<int>(std::lround(u * cols));
      d.Mirror = q.Corners[0].U > q.Corners[1].U;
      std::copy(q.Corners, q.Corners + 4, d.Corners);
      d.Alpha = q.Corners[0].A;
      d.Blend = q.BlendMode;
      out.push_back(d);
    }
    backend.Quads.clear();
    return out;
  }
  // As the shell draws a creature: itself, then its energy bar.
  std::vector<TDrawn> Draw(const TBoss& boss) {
    painter.DrawBoss(boss);
    painter.DrawEnergyBar(boss);
    return Take();
  }
};

std::vector<TDrawn> Named(const std::vector<TDrawn>& all, const std::string& name) {
  std::vector<TDrawn> out;
  for (const auto& d : all)
    if (d.Name == name) out.push_back(d);
  return out;
}

// The screen takes 255 as 254: alphas are compared to within one.
void ExpectAlpha(int shown, double wanted, const std::string& what) {
  EXPECT_NEAR(shown, wanted, 1.5) << what;
}

// A creature walking left from the right end of its range, attempts held back.
void Walk(TBoss& boss, int updates) {
  boss.Reset();
  boss.SetAutoAttempts(false);
  for (int i = 0; i < updates; ++i) boss.Update();
}

// Starts an attempt on the next update and prepares (or absorbs, with a short preparation).
void Attempt(TBoss& boss, int preparingTime, int updates) {
  Walk(boss, 0);
  boss.RefTimeForAbsorbAttempt = TickMilliseconds;
  boss.PreparingTime = preparingTime;
  boss.AbsorbingTime = 1000000;
  boss.SetAutoAttempts(true);
  for (int i = 0; i < updates; ++i) boss.Update();
}

void Kill(TBoss& boss) {
  Walk(boss, 3);
  boss.SetEnergy(1);
  boss.Hit(0, 0, 1);
  ASSERT_TRUE(boss.IsDead());
}
}  // namespace

TEST(BossPainter, WalkingFramesFaceTheWayTheCreatureWalks) {
  PainterRig r;
  TOwlBoss owl;
  owl.RightDirViewAdjX = 7;
  Walk(owl, 10);
  ASSERT_EQ(owl.GetDirection(), TBoss::dirLeft);
  auto drawn = r.Draw(owl);
  // The shadow first, under the creature.
  ASSERT_GE(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].Name, F::Shadow);
  ExpectAlpha(drawn[0].Alpha, owl.ShadowAlpha, "shadow");
  auto body = Named(drawn, F::Walking);
  ASSERT_EQ(body.size(), 1u);
  EXPECT_FALSE(body[0].Mirror);
  EXPECT_EQ(body[0].Pattern, owl.WalkingFrame());
  EXPECT_FLOAT_EQ(body[0].Corners[0].X, owl.Position().X);
  EXPECT_FLOAT_EQ(body[0].Corners[0].Y, owl.Position().Y + F::StandLowerBy);
  // Every frame of a whole loop is one of the eight walking patterns.
  std::vector<bool> seen(F::WalkingPatterns, false);
  for (int i = 0; i < 60; ++i) {
    owl.Update();
    auto w = Named(r.Draw(owl), F::Walking);
    ASSERT_EQ(w.size(), 1u);
    ASSERT_GE(w[0].Pattern, 0);
    ASSERT_LT(w[0].Pattern, F::WalkingPatterns);
    seen[w[0].Pattern] = true;
  }
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), F::WalkingPatterns);

  // At the left end it turns: the same pictures mirrored, moved by the right view's offset.
  Walk(owl, owl.MaxRightPos - owl.MaxLeftPos + 5);
  ASSERT_EQ(owl.GetDirection(), TBoss::dirRight);
  auto right = Named(r.Draw(owl), F::Walking);
  ASSERT_EQ(right.size(), 1u);
  EXPECT_TRUE(right[0].Mirror);
  EXPECT_FLOAT_EQ(right[0].Corners[0].X, owl.Position().X + 7);
}

TEST(BossPainter, PreparingShowsTheFrontViewAndAbsorbingItsOwnPose) {
  PainterRig r;
  TBatBoss bat;
  bat.FrontViewAdjX = -4;
  bat.FrontViewAdjY = 3;
  Attempt(bat, 1000000, 8);
  ASSERT_EQ(bat.GetState(), TBoss::bsFrontView);
  auto drawn = r.Draw(bat);
  auto front = Named(drawn, F::Front);
  ASSERT_EQ(front.size(), 1u);
  EXPECT_TRUE(Named(drawn, F::Walking).empty());
  EXPECT_EQ(front[0].Pattern, bat.FrontViewFrame());
  EXPECT_FALSE(front[0].Mirror);
  EXPECT_FLOAT_EQ(front[0].Corners[0].X, bat.Position().X - 4);
  EXPECT_FLOAT_EQ(front[0].Corners[0].Y, bat.Position().Y + F::StandLowerBy + 3);

  Attempt(bat, TickMilliseconds, 6);
  ASSERT_TRUE(bat.IsAbsorbing());
  drawn = r.Draw(bat);
  auto absorbing = Named(drawn, F::Absorbing);
  ASSERT_EQ(absorbing.size(), 1u);
  EXPECT_TRUE(Named(drawn, F::Front).empty());
  EXPECT_EQ(absorbing[0].Pattern, bat.FrontViewFrame());
}

TEST(BossPainter, AHitTipsTheCreatureBackAboutItsFeetAndPushesItDown) {
  PainterRig r;
  TCatBoss cat;
  Walk(cat, 5);
  const TPoint at = cat.Position();
  cat.Hit(0, 0, 1);
  cat.Hit(0, 0, 1);
  ASSERT_GT(cat.HitAngle(), 0);
  ASSERT_GT(cat.HitDown(), 0);
  auto body = Named(r.Draw(cat), F::Walking);
  ASSERT_EQ(body.size(), 1u);
  // Still full size; the feet, pushed down, are the point the turn keeps.
  EXPECT_NEAR(body[0].Width(), F::TileWidth, 0.5);
  const float feetX = at.X + F::FeetX,
              feetY = at.Y + F::StandLowerBy + F::FeetY + cat.HitDown() + cat.Bounce();
  const TRenderVertex& tl = body[0].Corners[0];
  const float a = cat.HitAngle() * static_cast<float>(M_PI) / 180;
  const float dx = -F::FeetX, dy = -F::FeetY;
  EXPECT_NEAR(tl.X, feetX + dx * std::cos(a) - dy * std::sin(a), 0.5);
  EXPECT_NEAR(tl.Y, feetY + dx * std::sin(a) + dy * std::cos(a), 0.5);
  // Walking left it tips clockwise, its head going back to the right (the top edge's right
  // end drops); walking right the other way round.
  EXPECT_GT(body[0].Corners[1].Y, body[0].Corners[0].Y);
  Walk(cat, cat.MaxRightPos - cat.MaxLeftPos + 5);
  ASSERT_EQ(cat.GetDirection(), TBoss::dirRight);
  cat.Hit(0, 0, 1);
  auto right = Named(r.Draw(cat), F::Walking);
  ASSERT_EQ(right.size(), 1u);
  EXPECT_LT(right[0].Corners[1].Y, right[0].Corners[0].Y);
  // The shadow stays on the ground.
  Walk(cat, 5);
  cat.Hit(0, 0, 1);
  auto shadow = Named(r.Draw(cat), F::Shadow);
  ASSERT_EQ(shadow.size(), 1u);
  EXPECT_FLOAT_EQ(shadow[0].Corners[0].Y, cat.Position().Y + F::StandLowerBy + F::ShadowY);
}

TEST(BossPainter, TheEnergyBarShowsTheEnergyLeftAtItsPlaceAndFadesWithTheBeatenCreature) {
  PainterRig r;
  TSquirrelBoss squirrel;
  squirrel.SetEnergy(60);
  Walk(squirrel, 2);
  auto fillOf = [&](const std::vector<TDrawn>& d) { return Named(d, F::EnergyFill); };
  const float left = F::EnergyBarLeft + F::EnergyFrameLeft, top = F::EnergyBarTop + F::EnergyFrameTop;
  auto full = fillOf(r.Draw(squirrel));
  ASSERT_EQ(full.size(), 1u);
  EXPECT_NEAR(full[0].Width(), F::EnergyFillWidth, 0.01);
  EXPECT_FLOAT_EQ(full[0].Corners[0].X, left);
  EXPECT_FLOAT_EQ(full[0].Corners[0].Y, top);
  // Hit, tipped and walked on, the creature moves; its bar stays where it was, as long as
  // the energy left on its scale.
  for (int i = 0; i < 15; ++i) squirrel.Hit(0, 0, 1);
  for (int i = 0; i < 3; ++i) squirrel.Update();
  auto drawn = r.Draw(squirrel);
  auto part = fillOf(drawn);
  ASSERT_EQ(part.size(), 1u);
  EXPECT_EQ(squirrel.EnergyOnScale(), 48);
  EXPECT_NEAR(part[0].Width(), F::EnergyFillWidth * 48.0 / TBoss::EnergyScale, 0.01);
  EXPECT_FLOAT_EQ(part[0].Corners[0].X, left);
  EXPECT_FLOAT_EQ(part[0].Corners[0].Y, top);
  EXPECT_FLOAT_EQ(part[0].Corners[3].Y, top + F::EnergyFillHeight) << "not tipped with it";
  auto frame = Named(drawn, F::EnergyFrame);
  ASSERT_EQ(frame.size(), 1u);
  EXPECT_LT(frame[0].Corners[0].X, left);
  EXPECT_GT(frame[0].Corners[1].X, left + F::EnergyFillWidth);
  auto badge = Named(drawn, F::Badge);
  ASSERT_EQ(badge.size(), 1u);
  EXPECT_EQ(badge[0].Pattern, 0) << "awake";
  // The last unit still shows a sliver.
  for (int i = 0; i < 44; ++i) squirrel.Hit(0, 0, 1);
  ASSERT_EQ(squirrel.CurrentEnergy(), 1);
  auto last = fillOf(r.Draw(squirrel));
  ASSERT_EQ(last.size(), 1u);
  EXPECT_NEAR(last[0].Width(), F::EnergyFillWidth * 1.0 / TBoss::EnergyScale, 0.01);
  // Beaten: the emptied bar and the dazed portrait stay, and fade out with the creature.
  squirrel.Hit(0, 0, 1);
  drawn = r.Draw(squirrel);
  EXPECT_TRUE(fillOf(drawn).empty());
  ASSERT_EQ(Named(drawn, F::EnergyFrame).size(), 1u);
  badge = Named(drawn, F::Badge);
  ASSERT_EQ(badge.size(), 1u);
  EXPECT_EQ(badge[0].Pattern, 1) << "dazed";
  squirrel.FadeOutDead();
  for (int i = 0; i < 5; ++i) squirrel.Update();
  drawn = r.Draw(squirrel);
  ExpectAlpha(Named(drawn, F::EnergyFrame).at(0).Alpha, 255 * squirrel.DeadFade(), "frame");
  ExpectAlpha(Named(drawn, F::Badge).at(0).Alpha, 255 * squirrel.DeadFade(), "portrait");
}

TEST(BossPainter, TheDeadCreatureDiesInPatternsThenFliesApartAndFades) {
  PainterRig r;
  TBeeBoss bee;
  Kill(bee);
  // The dying pictures by the dead animation, until only the pieces are left.
  bool sawDying = false, sawPieces = false;
  for (int i = 0; i < 30; ++i) {
    auto drawn = r.Draw(bee);
    EXPECT_TRUE(Named(drawn, F::Walking).empty());
    auto dying = Named(drawn, F::Dying);
    auto pieces = Named(drawn, F::DeadParts);
    const int frame = bee.DeadFrame() - F::FirstDeadPattern;
    if (frame < F::DyingPatterns) {
      ASSERT_EQ(dying.size(), 1u);
      EXPECT_EQ(dying[0].Pattern, frame);
      sawDying = true;
    } else {
      EXPECT_TRUE(dying.empty());
    }
    if (!pieces.empty()) {
      sawPieces = true;
      ASSERT_EQ(pieces.size(), 6u);
      std::vector<int> patterns;
      for (const auto& p : pieces) patterns.push_back(p.Pattern);
      std::sort(patterns.begin(), patterns.end());
      EXPECT_EQ(patterns, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    }
    bee.Update();
  }
  EXPECT_TRUE(sawDying);
  EXPECT_TRUE(sawPieces);
  // Each piece where its pose has it, turned about its joint.
  auto pieces = Named(r.Draw(bee), F::DeadParts);
  for (const auto& p : pieces) {
    const TBoss::TPartPose& pose = bee.DeadPart(p.Pattern);
    const F::TPivot& pivot = F::PartPivot[p.Pattern];
    const float a = pose.Angle * static_cast<float>(M_PI) / 180;
    const float jx = bee.Position().X + bee.FrontViewAdjX + pose.X + pivot.X;
    const float jy = bee.Position().Y + F::StandLowerBy + bee.FrontViewAdjY + pose.Y + pivot.Y;
    EXPECT_NEAR(p.Corners[0].X, jx - pivot.X * std::cos(a) + pivot.Y * std::sin(a), 0.5)
        << p.Pattern;
    EXPECT_NEAR(p.Corners[0].Y, jy - pivot.X * std::sin(a) - pivot.Y * std::cos(a), 0.5)
        << p.Pattern;
  }
  // Fading out: the pieces and the shadow follow the fade; gone, nothing is drawn.
  bee.FadeOutDead();
  for (int i = 0; i < 5; ++i) bee.Update();
  const float fade = bee.DeadFade();
  ASSERT_GT(fade, 0.2f);
  ASSERT_LT(fade, 0.9f);
  auto drawn = r.Draw(bee);
  for (const auto& p : Named(drawn, F::DeadParts)) ExpectAlpha(p.Alpha, 255 * fade, "piece");
  auto shadow = Named(drawn, F::Shadow);
  ASSERT_EQ(shadow.size(), 1u);
  ExpectAlpha(shadow[0].Alpha, bee.ShadowAlpha * fade, "shadow");
  for (int i = 0; i < 30; ++i) bee.Update();
  ASSERT_FLOAT_EQ(bee.DeadFade(), 0);
  EXPECT_TRUE(r.Draw(bee).empty());
}

TEST(BossPainter, AHiddenCreatureOrAuraDrawsNothing) {
  PainterRig r;
  TOwlBoss owl;
  Walk(owl, 3);
  owl.Visible = false;
  EXPECT_TRUE(r.Draw(owl).empty());
  owl.Visible = true;
  Kill(owl);
  owl.Visible = false;
  EXPECT_TRUE(r.Draw(owl).empty());

  TMonsterAura aura;
  r.painter.DrawAura(aura);  // never started
  EXPECT_TRUE(r.Take().empty());
  aura.Start();
  for (int i = 0; i < 5; ++i) aura.Update();
  aura.Visible = false;
  r.painter.DrawAura(aura);
  EXPECT_TRUE(r.Take().empty());
  // Without pictures nothing is drawn either.
  TBossPainter bare;
  bare.DrawBoss(owl);
  bare.DrawAura(aura);
  EXPECT_TRUE(r.Take().empty());
}

TEST(BossPainter, TheAuraGrowsRoundItsPlaceWithItsSparks) {
  PainterRig r;
  TGameRandom::SetSeed(77);
  TMonsterAura aura;
  aura.Left = 400;
  aura.Top = 550;
  aura.Start();
  for (int i = 0; i < 20; ++i) aura.Update();
  ASSERT_NE(aura.State(), TMonsterAura::asOff);
  r.painter.DrawAura(aura);
  auto drawn = r.Take();
  auto ring = Named(drawn, F::Aura);
  auto glow = Named(drawn, F::AuraGlow);
  ASSERT_EQ(ring.size(), 1u);
  ASSERT_EQ(glow.size(), 1u);
  // Centred where the picture's middle is at Left, Top, at its size and fade.
  float cx = (ring[0].Corners[0].X + ring[0].Corners[2].X) / 2;
  float cy = (ring[0].Corners[0].Y + ring[0].Corners[2].Y) / 2;
  EXPECT_NEAR(cx, 400 + F::AuraSize / 2.0, 0.5);
  EXPECT_NEAR(cy, 550 + F::StandLowerBy + F::AuraSize / 2.0, 0.5);
  EXPECT_NEAR(ring[0].Width(), F::AuraSize * aura.BubbleSize() * (1 + aura.Wobble()), 0.5);
  EXPECT_NEAR(ring[0].Height(), F::AuraSize * aura.BubbleSize() * (1 - aura.Wobble()), 0.5);
  ExpectAlpha(ring[0].Alpha, aura.BubbleAlpha() * aura.Fade(), "ring");
  EXPECT_EQ(glow[0].Blend, bmAdditive);
  auto sparks = Named(drawn, F::AuraSpark);
  EXPECT_FALSE(sparks.empty());
  EXPECT_LE(sparks.size(), static_cast<std::size_t>(TMonsterAura::SparkCount));
  for (const auto& s : sparks) {
    EXPECT_EQ(s.Blend, bmAdditive);
    EXPECT_LT(s.Pattern, F::SparkPatterns);
  }
  // Each drawn spark is one of the aura's, at its frame, size and faded alpha.
  int matched = 0;
  for (int i = 0; i < TMonsterAura::SparkCount; ++i) {
    const auto& sp = aura.Spark(i);
    for (const auto& s : sparks) {
      float sx = (s.Corners[0].X + s.Corners[2].X) / 2, sy = (s.Corners[0].Y + s.Corners[2].Y) / 2;
      if (std::abs(sx - (sp.X + F::SparkSize / 2.0f)) > 0.5f ||
          std::abs(sy - (sp.Y + F::StandLowerBy + F::SparkSize / 2.0f)) > 0.5f)
        continue;
      ++matched;
      EXPECT_EQ(s.Pattern, aura.SparkFrame(i));
      EXPECT_NEAR(s.Width(), F::SparkSize * sp.Size, 0.5);
      ExpectAlpha(s.Alpha, sp.Alpha * aura.Fade(), "spark");
    }
  }
  EXPECT_EQ(matched, static_cast<int>(sparks.size()));
  // Stopped and faded out, it is off and draws nothing.
  aura.Stop();
  for (int i = 0; i < 60; ++i) aura.Update();
  ASSERT_EQ(aura.State(), TMonsterAura::asOff);
  r.painter.DrawAura(aura);
  EXPECT_TRUE(r.Take().empty());
}
