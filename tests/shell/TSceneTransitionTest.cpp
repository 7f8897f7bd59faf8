#include <gtest/gtest.h>

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"
#include "shell/TSceneTransition.h"
#include "shell/TScreenDarkener.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"

namespace {
struct TransitionRig {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  TGlobalGameText text;
  TTextStrings strings;
  TSceneTransition transition{images, text, strings};
  TransitionRig() {
    screen.Initialize();
    text.OmgImgList = &images;
  }
};
}  // namespace

TEST(SceneTransition, SwitchesOnFrame21AndIsGoneAfterAboutSixty) {
  TransitionRig r;
  int switchedAt = 0, frame = 0;
  TGameSceneValues started = gsSplash, switched = gsSplash;
  r.transition.OnStartToSwitch = [&](TSceneTransition&, TGameSceneValues, TGameSceneValues n) {
    started = n;
  };
  r.transition.OnSceneSwitch = [&](TSceneTransition&, TGameSceneValues n) {
    switched = n;
    switchedAt = frame;
  };
  r.transition.StartSwitch(gsMenu, gsHelp);
  EXPECT_EQ(started, gsHelp);
  std::vector<bool> blocking;
  while (r.transition.IsActive() && frame < 200) {
    ++frame;
    r.transition.DrawFrame();
    blocking.push_back(r.transition.IsBlocking());
    if (frame == 7) {
      EXPECT_EQ(r.transition.GetAlpha(), 255);
    }
  }
  EXPECT_EQ(switchedAt, 21);
  EXPECT_EQ(switched, gsHelp);
  EXPECT_GE(frame, 58);
  EXPECT_LE(frame, 61);
  // Input is blocked while closing and through the first 65 % of the opening growth.
  int lastBlocked = 0;
  for (std::size_t i = 0; i < blocking.size(); ++i)
    if (blocking[i]) lastBlocked = static_cast<int>(i) + 1;
  EXPECT_EQ(lastBlocked, 21 + 16);  // 32 * 0.65 / 1.2549 = 16.6 opening frames
  for (int i = 0; i < lastBlocked; ++i) EXPECT_TRUE(blocking[i]) << i;
  EXPECT_FALSE(r.transition.IsBlocking());

  // The next transition starts from where the last one ended: full size.
  EXPECT_FLOAT_EQ(r.transition.GetSizeAdd(), 32.0f);
}

TEST(SceneTransition, TheLineUnderTheWipeShowsOnlyWhileItIsSmall) {
  TransitionRig r;
  r.strings.GameTexts.Set(30, "Loading");
  TImageListItem& font = r.images.Add("GlobalFontWhite");
  TPicture p;
  p.Resize(28 * 4, 3 * 4);
  font.SetPicture(p);
  font.SetTileWidth(4);
  font.SetTileHeight(4);
  font.CreateTexture();
  r.transition.StartSwitch(gsMenu, gsMap);
  int framesWithText = 0;
  for (int i = 0; i < 60; ++i) {
    std::size_t before = r.backend.Quads.size();
    r.transition.DrawFrame();
    // "TransDark" and "TransSpin" are not loaded: every quad is a letter.
    if (r.backend.Quads.size() > before) ++framesWithText;
  }
  // SizeAdd is at most 6 for the last 4 closing frames and the first 5 opening ones.
  EXPECT_EQ(framesWithText, 4 + 1 + 4);
}

TEST(ScreenDarkener, FadesBetweenItsLimitsAndStaysUntilHidden) {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  screen.Initialize();
  TOmegaImageList images{&screen};
  TScreenDarkener d(images);
  d.Draw();
  EXPECT_FALSE(d.IsActive());
  d.FadeIn();
  EXPECT_EQ(d.GetAlpha(), 20);
  for (int i = 0; i < 10; ++i) d.Draw();
  EXPECT_EQ(d.GetAlpha(), 140);
  d.FadeIn();  // already dark: no restart
  EXPECT_EQ(d.GetAlpha(), 140);
  d.FadeOut();
  for (int i = 0; i < 10; ++i) d.Draw();
  EXPECT_EQ(d.GetAlpha(), 0);
  EXPECT_TRUE(d.IsActive());
  d.ShowFull();
  EXPECT_EQ(d.GetAlpha(), 140);
  d.Hide();
  EXPECT_FALSE(d.IsActive());
}
