#include <gtest/gtest.h>

#include "effects/EffectRig.h"
#include "effects/TCollectorEffect.h"
#include "effects/TGlobalShine.h"
#include "effects/TMatchedCyanEffect.h"
#include "effects/TNewDiamondEffect.h"
#include "effects/TShineEffect.h"
#include "effects/TShuffleButtonShine.h"
#include "effects/TStarsEffect.h"
#include "effects/TTubeBubbleEffect.h"
#include "effects/TUniBubbleEffect.h"

TEST(MatchedCyanEffect, EmitsTwentyPerTileAndDropsParticlesOnBusySlots) {
  TGameRandom::SetSeed(7);
  DrawRig draw;
  draw.Add("CyanParticle", 5, 1);
  TMatchedCyanEffect cyan;
  cyan.OmgImgList = &draw.images;
  cyan.BoardLeft = 100;
  cyan.BoardTop = 50;
  TSimpleObjectArray mask;
  mask.Set(2, 3);
  mask.Set(3, 3);
  mask.Set(4, 3);
  cyan.EmitMask(mask);
  EXPECT_EQ(cyan.BusyCount(), 60);
  EXPECT_EQ(cyan.RingIndex(), 60);
  const auto& first = cyan.Slot(1);
  EXPECT_GE(first.X, 100 + 52 * 2 - 35);
  EXPECT_LE(first.X, 100 + 52 * 2 - 35 + 8);
  EXPECT_GE(first.Y, 50 + 52 * 3 - 30);
  EXPECT_LE(first.Y, 50 + 52 * 3 - 30 + 4);
  // Braking takes the sign of the horizontal speed for both axes.
  for (int i = 1; i <= 60; ++i) {
    const auto& p = cyan.Slot(i);
    EXPECT_EQ(p.BrakeX > 0, p.SpeedX > 0);
    EXPECT_EQ(p.BrakeY > 0, p.SpeedX > 0);
  }

  // The ring wraps: the 301st particle finds slot 1 busy and is dropped.
  for (int i = 0; i < 240; ++i) cyan.Emit(500, 300);
  EXPECT_EQ(cyan.BusyCount(), 300);
  float x1 = cyan.Slot(1).X;
  cyan.Emit(900, 700);
  EXPECT_EQ(cyan.RingIndex(), 1);
  EXPECT_EQ(cyan.Slot(1).X, x1);

  // Every busy particle is drawn, also in the update that frees it, additive.
  int busyBefore = cyan.BusyCount();
  int updates = 0;
  while (cyan.BusyCount() > 0 && updates < 200) {
    busyBefore = cyan.BusyCount();
    cyan.UpdateAndDraw();
    auto quads = draw.Take();
    ++updates;
    ASSERT_EQ(static_cast<int>(quads.size()), busyBefore);
    for (const auto& q : quads) EXPECT_EQ(q.Blend, bmAdditive);
  }
  EXPECT_EQ(cyan.BusyCount(), 0);
  EXPECT_LT(updates, 200);

  cyan.EmitMask(mask);
  cyan.Reset();
  EXPECT_EQ(cyan.BusyCount(), 0);
}

TEST(NewDiamondEffect, GrowsFliesToTheSlotAndReportsEachMomentOnce) {
  DrawRig draw;
  draw.Add("DiamondsBig", 2, 1);
  draw.Add("DiamondShine", 1, 1);
  TNewDiamondEffect potion;
  potion.OmgImgList = &draw.images;
  std::vector<std::pair<std::string, int>> events;
  int update = 0;
  potion.OnArrivedToCenter = [&](TNewDiamondEffect&) { events.push_back({"center", update}); };
  potion.OnStretchingStarsEffectRequest = [&](TNewDiamondEffect& s) {
    events.push_back({"stars", update});
    EXPECT_EQ(s.Size(), 169);
  };
  potion.OnStretchingFinished = [&](TNewDiamondEffect&) { events.push_back({"stretched", update}); };
  potion.OnFlowerArrivedOnRoot = [&](TNewDiamondEffect&) { events.push_back({"root", update}); };

  potion.Start({1, 1}, 8, {1100, 200});
  EXPECT_TRUE(potion.Busy());
  EXPECT_FLOAT_EQ(potion.X(), 26);
  while (potion.CurrentPhase() != 0 && update < 1000) {
    ++update;
    potion.UpdateAndDraw();
    auto quads = draw.Take();
    auto big = DrawnOf(quads, "DiamondsBig");
    if (potion.CurrentPhase() == 4 || potion.CurrentPhase() == 0) {
      EXPECT_TRUE(big.empty());
      continue;
    }
    ASSERT_EQ(big.size(), 2u);  // shadow first, black and faint, then the potion
    EXPECT_EQ(big[0].Pattern, 1);
    EXPECT_EQ(big[0].Alpha, Shown(90));
    EXPECT_EQ(big[0].R, 0);
    EXPECT_EQ(big[1].Alpha, Shown(255));
    EXPECT_EQ(big[1].R, Shown(255));
    if (update == 10) {
      EXPECT_EQ(potion.Size(), 162);
    }
  }
  // From (26, 26) the middle is 26 updates away: full size comes first, on update 11.
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0], (std::pair<std::string, int>{"stars", 11}));
  EXPECT_EQ(events[1], (std::pair<std::string, int>{"center", 26}));
  EXPECT_EQ(events[2], (std::pair<std::string, int>{"stretched", 26 + 60}));
  EXPECT_EQ(events[3].first, "root");
  EXPECT_EQ(update, events[3].second + (4000 + 29) / 30);
  EXPECT_FALSE(potion.Busy());

  // Stopped mid-flight it draws nothing more.
  potion.Start({5, 5}, 7, {0, 0});
  potion.UpdateAndDraw();
  potion.Stop();
  draw.Take();
  potion.UpdateAndDraw();
  EXPECT_TRUE(draw.Take().empty());
  EXPECT_EQ(potion.Size(), 0);
}

TEST(SmallBoardEffects, ShineBurstSizesAndBubbleBurst) {
  DrawRig draw;
  draw.Add("ShineEffect", 1, 1);
  draw.Add("BurstingBubble", 7, 1);
  TShineEffect shine;
  shine.OmgImgList = &draw.images;
  shine.OrigShineWidth = shine.OrigShineHeight = 180;
  shine.BoardLeft = 100;
  shine.BoardTop = 50;
  shine.ShowAtTile({2, 3});
  std::vector<int> sizes, alphas;
  while (shine.Active()) {
    shine.UpdateAndDraw();
    sizes.push_back(shine.Size());
    alphas.push_back(shine.Alpha());
    auto q = draw.Take();
    ASSERT_EQ(q.size(), 1u);
    EXPECT_FLOAT_EQ(q[0].X, 152 + 18 - shine.Size() / 2);
    EXPECT_EQ(q[0].Blend, bmAdditive);
  }
  EXPECT_EQ(sizes, (std::vector<int>{80, 140, 200, 150, 100, 50, 20}));
  EXPECT_EQ(alphas, (std::vector<int>{90, 90, 82, 74, 66, 58, 50}));
  shine.UpdateAndDraw();
  EXPECT_TRUE(draw.Take().empty());

  TUniBubbleEffect bubble;
  bubble.OmgImgList = &draw.images;
  bubble.Start({1, 1});
  std::string seq;
  for (int i = 0; i < 25; ++i) {
    bubble.UpdateAndDraw();
    for (const auto& q : draw.Take()) {
      seq += static_cast<char>('1' + q.Pattern);
      EXPECT_FLOAT_EQ(q.X, 3);
    }
  }
  EXPECT_EQ(seq, "11223344455566677777");
  EXPECT_FALSE(bubble.Active());
}

TEST(SmallBoardEffects, StarsFormARingOfGroupsAndEndAfterTheirLifetime) {
  TGameRandom::SetSeed(99);
  TStarsEffect stars;
  stars.BoardLeft = 100;
  stars.BoardTop = 50;
  stars.StarsAtTile({3, 2});
  EXPECT_GE(stars.Star(0, 0).Y, 102 + 6);
  for (int i = 0; i < 50; ++i) stars.StarsAtPoint(10, 10);
  EXPECT_EQ(stars.LastGroup(), 0);  // the 51st group replaced the first
  EXPECT_EQ(stars.ActiveCount(), 200);
  EXPECT_GE(stars.Star(0, 0).Lifetime, 650);
  for (int i = 0; i < 40; ++i) stars.UpdateAndDraw();  // 1230 ms: past the longest life
  EXPECT_EQ(stars.ActiveCount(), 0);
  stars.Visible = false;
  stars.StarsAtPoint(0, 0);
  stars.UpdateAndDraw();
  EXPECT_EQ(stars.Star(1, 0).Timer, 0);
}

TEST(SmallBoardEffects, GlobalShineSweepsWhenAllowedAndSkipsHoles) {
  DrawRig draw;
  draw.Add("TileShine", 2, 1);
  TGlobalShine shine;
  shine.OmgImgList = &draw.images;
  TBoardData board = MakeBoard({});
  board.At(2, 1) = TBoardTile{};  // hole
  shine.SetBoard(board);
  bool allow = false;
  int asks = 0;
  shine.OnCanDrawConfirm = [&](TGlobalShine&, bool& can) {
    ++asks;
    can = allow;
  };
  for (int i = 0; i < 999; ++i) shine.UpdateAndDraw();
  EXPECT_EQ(asks, 0);
  shine.UpdateAndDraw();  // 30000 ms
  shine.UpdateAndDraw();
  EXPECT_EQ(asks, 2);  // refused: asked again on every update
  EXPECT_FALSE(shine.Sweeping());
  EXPECT_TRUE(draw.Take().empty());

  allow = true;
  shine.UpdateAndDraw();  // first diagonal: (1, 1)
  auto q = draw.Take();
  ASSERT_EQ(q.size(), 1u);
  EXPECT_EQ(q[0].Pattern, 0);
  EXPECT_EQ(q[0].Alpha, Shown(60));
  EXPECT_EQ(q[0].Blend, bmAdditive);
  shine.UpdateAndDraw();  // (1, 1) second frame; (2, 1) is a hole, (1, 2) lit
  q = draw.Take();
  ASSERT_EQ(q.size(), 2u);
  EXPECT_EQ(q[0].Pattern, 1);
  EXPECT_EQ(q[1].Pattern, 0);
  EXPECT_EQ(shine.LitFrames({2, 1}), 0);
  for (int d = 3; d <= 27; ++d) shine.UpdateAndDraw();
  EXPECT_EQ(shine.LitFrames({16, 12}), 1);  // c + r = 28 lights on the 27th update
  shine.UpdateAndDraw();
  EXPECT_TRUE(shine.Sweeping());
  shine.UpdateAndDraw();
  EXPECT_FALSE(shine.Sweeping());
  EXPECT_EQ(asks, 3);
  shine.MakeDue();
  shine.UpdateAndDraw();
  EXPECT_EQ(asks, 4);
}

TEST(SmallBoardEffects, CollectorSpinPicksItsWaveAndEndsAfterFading) {
  DrawRig draw;
  draw.Add("CollectorWave", 7, 1);
  draw.Add("CollectorBlur", 8, 2);
  TCollectorEffect spin;
  spin.OmgImgList = &draw.images;
  spin.Start(60, 300, 3);
  EXPECT_TRUE(spin.Busy());
  int updates = 0, busyUpdates = 0;
  bool sawWave = false;
  while (spin.Running() && updates < 500) {
    spin.UpdateAndDraw();
    ++updates;
    if (spin.Busy()) ++busyUpdates;
    for (const auto& q : draw.Take()) {
      if (q.Name == "CollectorWave") {
        sawWave = true;
        EXPECT_EQ(q.Pattern, 5);
        EXPECT_EQ(q.Blend, bmAdditive);
      } else {
        EXPECT_EQ(q.Pattern, 2);
      }
    }
  }
  EXPECT_TRUE(sawWave);
  EXPECT_GT(spin.BlurScale(), 4.0f);
  // Growing from 0.5 by 0.07 takes 8 updates, then 35 of spinning.
  EXPECT_EQ(busyUpdates, 7 + 35);
  EXPECT_LT(updates, 100);
}

TEST(SmallBoardEffects, ShuffleShineFadesOutAndTubeBubblesStayInTheLiquid) {
  DrawRig draw;
  draw.Add("MannaShine", 1, 1);
  TShuffleButtonShine shine;
  shine.OmgImgList = &draw.images;
  shine.Start();
  shine.UpdateAndDraw();
  EXPECT_EQ(draw.Take().size(), 6u);
  for (int i = 0; i < 300; ++i) shine.UpdateAndDraw();
  draw.Take();
  shine.UpdateAndDraw();
  EXPECT_TRUE(draw.Take().empty());
  EXPECT_TRUE(shine.Active());  // the shell stops it

  TGameRandom::SetSeed(3);
  TTubeBubbleEffect tube;
  int liquidTop = 150, percent = 50;
  tube.OnTubePosRequest = [](TTubeBubbleEffect&, int& x, int& y) {
    x = 10;
    y = 20;
  };
  tube.OnTubeEnergyParamsReq = [&](TTubeBubbleEffect&, int& top, int& max, int& adj, int& pc) {
    top = liquidTop;
    max = 300;
    adj = 28;
    pc = percent;
  };
  int seen = 0;
  for (int i = 0; i < 400; ++i) {
    tube.UpdateAndDraw();
    for (int s = 0; s < TRisingBubbles::SlotCount; ++s) {
      const auto& b = tube.Pool().Bubble(s);
      if (!b.Active) continue;
      ++seen;
      EXPECT_GE(b.Y, 28 + 150);
      EXPECT_GE(b.X, 36);
      EXPECT_LE(b.X + 8, 58 + 1);
    }
  }
  EXPECT_GT(seen, 0);
  percent = 0;  // time is up: the last bubbles burst, no new ones
  for (int i = 0; i < 400; ++i) tube.UpdateAndDraw();
  EXPECT_EQ(tube.Pool().ActiveCount(), 0);
}
