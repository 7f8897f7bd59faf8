// Small things a player meets between the scenes: the wipe into a level, the options kept
// through the credits, the cheat stocks of the hub, the swinging logo of the map and the
// burst that greets a new island.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "shell/RoundRig.h"

namespace {
void Click(TGameButton& b) { b.OnClick(b); }

// A 110-pixel square picture of one pattern, as the shines have.
TTextureId AddShinePicture(TOmegaImageList& images, const std::string& name) {
  TImageListItem& item = images.Add(name);
  TPicture p;
  p.Resize(110, 110);
  item.SetPicture(p);
  item.SetTileWidth(110);
  item.SetTileHeight(110);
  item.CreateTexture();
  return item.Texture();
}

// Where the first quad drawn with the texture lies in the frames since the last clear.
std::size_t FirstQuad(const TRecordingBackend& backend, TTextureId t) {
  for (std::size_t i = 0; i < backend.Quads.size(); ++i)
    if (backend.Quads[i].Texture == t) return i;
  return backend.Quads.size();
}
std::size_t LastQuad(const TRecordingBackend& backend, TTextureId t) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < backend.Quads.size(); ++i)
    if (backend.Quads[i].Texture == t) last = i;
  return last;
}

// The middle of every quad drawn with the texture in the frames since the last clear.
std::vector<std::pair<float, float>> QuadCentres(const TRecordingBackend& backend, TTextureId t) {
  std::vector<std::pair<float, float>> out;
  for (const auto& q : backend.Quads) {
    if (q.Texture != t) continue;
    float x = 0, y = 0;
    for (const TRenderVertex& c : q.Corners) {
      x += c.X / 4;
      y += c.Y / 4;
    }
    out.emplace_back(x, y);
  }
  return out;
}
}  // namespace

TEST(FormMainSceneDetails, ALevelIsEnteredThroughTheWipe) {
  RoundRig r;
  ASSERT_TRUE(r.form->EnterLevelDirectly(1, 1, false));
  EXPECT_TRUE(r.form->SceneTransition->IsActive());
  EXPECT_NE(r.form->Scene(), gsObjectiveInfo);
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo, 100));
  // A restart wipes too.
  ASSERT_TRUE(r.RunTo(gsMainGame));
  r.form->OpenInGameMenu();
  Click(*r.form->InGameRestartButton);
  ASSERT_TRUE(r.RunTo(gsMainGame, 100));
  EXPECT_TRUE(r.form->SceneTransition->IsActive());
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo, 100));
}

TEST(FormMainSceneDetails, OptionEditsSurviveATripToTheCredits) {
  RoundRig r;
  r.Play(1, 1);
  r.form->OpenInGameMenu();
  Click(*r.form->InGameOptionsButton);
  const int volume = r.form->CurrentSave.SoundVolume;
  Click(*r.form->SoundMinusButton);
  Click(*r.form->SoundMinusButton);
  r.form->MusicCheck->Checked = !r.form->MusicCheck->Checked;
  const bool music = r.form->MusicCheck->Checked;
  Click(*r.form->OptionsCreditsButton);
  ASSERT_EQ(r.form->Scene(), gsCredits);
  Click(*r.form->CreditsDoneButton);
  ASSERT_TRUE(r.RunTo(gsMainGame, 200));
  EXPECT_LT(r.form->CurrentSave.SoundVolume, volume);
  EXPECT_EQ(r.form->CurrentSave.MusicOn, music);
  // The options open again with the edits.
  r.form->OpenInGameMenu();
  Click(*r.form->InGameOptionsButton);
  EXPECT_EQ(r.form->SoundBar->GetPosition(), r.form->CurrentSave.SoundVolume);
}

TEST(FormMainSceneDetails, TheHubFillsTheStocksInCheatModeAndTheMapLogoSwings) {
  RoundRig r;
  r.form->CheatMode = true;
  r.Play(1, 1);
  r.form->CheatWinLevel();
  ASSERT_TRUE(r.RunTo(gsStageResult, 900));
  r.Frames(60);
  Click(*r.form->StageResultOKButton);
  ASSERT_TRUE(r.RunTo(gsStickerBook, 300));
  for (float amount : r.form->BuySlots->OwnedElements().Amount) EXPECT_FLOAT_EQ(amount, 9999.0f);

  r.form->GoToMap();
  ASSERT_TRUE(r.RunTo(gsMap, 200));
  const float angle = r.form->LogoSwing.Value;
  r.Frames(5);
  EXPECT_NE(r.form->LogoSwing.Value, angle);
}

TEST(FormMainSceneDetails, ANewIslandsPlopBurstsOverItOnlyOnceTheWipeHasGone) {
  RoundRig r;
  r.Play(1, 1);
  // Island 2 has just opened and nobody has played there yet.
  r.form->MapIslands->OpenIsland(2);
  r.form->BuySlots->IslandIdx = 2;
  r.form->GoToMap();
  ASSERT_TRUE(r.RunTo(gsMap, 200));
  const TNewPlopEffect& plop = *r.form->NewIslandPlop;
  bool wipeShown = true;
  for (int i = 0; i < 100 && plop.Delaying(); ++i) {
    EXPECT_EQ(plop.StarsEmitted(), 0);
    wipeShown = r.form->SceneTransition->IsActive();
    r.Frames(1);
  }
  ASSERT_FALSE(plop.Delaying());
  // The frame that fired it began with the map uncovered.
  EXPECT_FALSE(wipeShown);
  const TPoint marker = TMapIslands::MarkerPosition(2);
  EXPECT_FLOAT_EQ(plop.OriginX(), static_cast<float>(marker.X + plop.OffsetX));
  EXPECT_FLOAT_EQ(plop.OriginY(), static_cast<float>(marker.Y + plop.OffsetY));
}

TEST(FormMainSceneDetails, AFinishedIslandsStampLandsOnlyOnceTheWipeHasGone) {
  RoundRig r;
  r.Play(1, 1);
  r.form->MapIslands->OpenIsland(2);
  r.form->BuySlots->IslandIdx = 2;
  r.form->GoToMap();
  ASSERT_TRUE(r.RunTo(gsMap, 200));
  const TCompletedStamps& stamps = *r.form->CompletedStamps;
  ASSERT_EQ(stamps.AnimatedIsland(), 1);
  bool wipeShown = true;
  int movedUnderTheWipe = 0;
  for (int i = 0; i < 100 && stamps.AnimatedIsland(); ++i) {
    wipeShown = r.form->SceneTransition->IsActive();
    r.Frames(1);
    movedUnderTheWipe += wipeShown && stamps.Size() != stamps.StartSize;
  }
  ASSERT_EQ(stamps.AnimatedIsland(), 0);
  EXPECT_EQ(movedUnderTheWipe, 0);
  // The frame that landed it began with the map uncovered.
  EXPECT_FALSE(wipeShown);
}

TEST(FormMainSceneDetails, TheVeilComesBackWithTheNameWindowAfterANameIsRefused) {
  RoundRig r;
  r.Play(1, 1);  // "PLAYER" exists now
  r.form->SetScene(gsPlayerSelect);
  Click(*r.form->NameListNewButton);
  r.Frames(20);
  r.form->NameInput->SetText("PLAYER");
  Click(*r.form->AddNameOKButton);
  ASSERT_TRUE(r.RunTo(gsConfirmWindow, 200));
  r.Frames(20);
  Click(r.form->ConfirmWindow->PositiveButton());
  ASSERT_TRUE(r.RunTo(gsAddPlayer, 200));
  r.Frames(20);
  EXPECT_TRUE(r.form->ScreenDarkener->IsActive());
  EXPECT_EQ(r.form->ScreenDarkener->GetAlpha(), r.form->ScreenDarkener->MaxAlpha);
}

TEST(FormMainSceneDetails, WhatAFrameOrAnEventThrowsReachesTheTrace) {
  RoundRig r;
  r.ThrowsOnPurpose = true;
  r.Play(1, 1);
  // No pictures are loaded here: every picture a frame draws is missing, and now throws.
  r.form->OmegaImageList1.OnMissingPicture = [](const std::string& name, int) {
    throw std::runtime_error("no " + name);
  };
  r.Frames(1);
  r.form->OmegaImageList1.OnMissingPicture = {};
  EXPECT_EQ(r.Count("exception frame no "), 1);
  r.Frames(1);  // the next frame runs as ever
  EXPECT_EQ(r.Count("exception"), 1);
  EXPECT_FALSE(r.form->OmegaScreen1.InScene());

  r.form->InGameMenuButton->OnClick = [](TGameButton&) { throw 42; };
  const TGameButton& b = *r.form->InGameMenuButton;
  for (TPlatformEventKind kind : {TPlatformEventKind::MouseDown, TPlatformEventKind::MouseUp}) {
    TPlatformEvent e;
    e.Kind = kind;
    e.Button = TMouseButton::Left;
    e.X = b.Left + 5;
    e.Y = b.Top + 5;
    r.form->HandleEvent(e);
  }
  EXPECT_EQ(r.Count("exception event unknown"), 1);
}

TEST(FormMainSceneDetails, ThePlayShinesTurnAboutTheMiddleOfTheirPlayButtonsUnderTheWord) {
  RoundRig r;
  const TTextureId general = AddShinePicture(r.form->OmegaImageList1, "GeneralShine");
  const TTextureId play = AddShinePicture(r.form->OmegaImageList1, "PlayShine");
  const TTextureId menuButton = AddShinePicture(r.form->OmegaImageList1, "PlayButton");
  const TTextureId mapButton = AddShinePicture(r.form->OmegaImageList1, "MapPlayButton");
  r.form->SwitchScene(gsMenu);
  ASSERT_TRUE(r.RunTo(gsMenu, 300));
  r.Frames(40);  // the panel has brought the button in
  r.backend.Quads.clear();
  r.Frames(1);
  const TGameButton& menuPlay = *r.form->PlayButton;
  auto rays = QuadCentres(r.backend, general);
  ASSERT_FALSE(rays.empty());
  for (auto [x, y] : rays) {
    EXPECT_NEAR(x, menuPlay.Left + menuPlay.Width() / 2, 1.0f);
    EXPECT_NEAR(y, menuPlay.Top + menuPlay.Height() / 2, 1.0f);
  }
  // Added light over the button would wash out its word: the rays go first.
  EXPECT_LT(LastQuad(r.backend, general), FirstQuad(r.backend, menuButton));

  r.form->GoToMap();
  ASSERT_TRUE(r.RunTo(gsMap, 300));
  r.Frames(40);
  r.backend.Quads.clear();
  r.Frames(1);
  const TGameButton& mapPlay = *r.form->MapPlayButton;
  rays = QuadCentres(r.backend, play);
  ASSERT_FALSE(rays.empty());
  for (auto [x, y] : rays) {
    EXPECT_NEAR(x, mapPlay.Left + mapPlay.Width() / 2, 1.0f);
    EXPECT_NEAR(y, mapPlay.Top + mapPlay.Height() / 2, 1.0f);
  }
  EXPECT_LT(LastQuad(r.backend, play), FirstQuad(r.backend, mapButton));
}

TEST(FormMainSceneDetails, TheIslandLivesOnBehindAPause) {
  RoundRig r;
  const TTextureId dots = AddShinePicture(r.form->OmegaImageList1, "EffectShinyDots");
  r.Play(1, 1);
  r.form->OpenInGameMenu();
  ASSERT_TRUE(r.form->GamePaused);
  const float angle = r.form->BackgroundEffects->ShinyDot(0).Angle.Value;
  r.backend.Quads.clear();
  r.Frames(10);
  // Its shining dots still turn there, as the snow of the fourth island still falls.
  EXPECT_EQ(QuadCentres(r.backend, dots).size(), 10u * TBackgroundEffects::ShinyDotCount);
  EXPECT_NE(r.form->BackgroundEffects->ShinyDot(0).Angle.Value, angle);
}

TEST(FormMainSceneDetails, TheLevelsMenuButtonLooksPressableOnlyWhileItTakesTheMouse) {
  RoundRig r;
  // Enabled on top, disabled below, as the button pictures are laid out.
  TImageListItem& item = r.form->OmegaImageList1.Add("InGameMenuButton");
  TPicture p;
  p.Resize(64, 64);
  item.SetPicture(p);
  item.SetTileWidth(64);
  item.SetTileHeight(32);
  item.CreateTexture();
  r.form->InGameMenuButton->ReloadSize();
  const TGameButton& menu = *r.form->InGameMenuButton;
  auto drawnDisabled = [&] {
    r.backend.Quads.clear();
    r.Frames(1);
    for (const auto& q : r.backend.Quads)
      if (q.Texture == item.Texture()) return q.Corners[0].V > 0.25f;
    ADD_FAILURE() << "not drawn";
    return false;
  };
  ASSERT_TRUE(r.form->EnterLevelDirectly(1, 1, false));
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo));
  EXPECT_TRUE(drawnDisabled()) << "a click only sends the announcement away";
  ASSERT_TRUE(r.RunTo(gsMainGame));
  EXPECT_FALSE(drawnDisabled());
  EXPECT_TRUE(menu.Enabled);
  // Hovered as the round is won: it shows neither the hover nor any life after it.
  r.form->FormMouseMove(menu.Left + 5, menu.Top + 5);
  ASSERT_TRUE(menu.Hovered());
  r.form->CheatWinLevel();
  ASSERT_EQ(r.form->Scene(), gsRoundClear);
  r.backend.Quads.clear();
  r.Frames(1);
  int quads = 0;
  for (const auto& q : r.backend.Quads) quads += q.Texture == item.Texture();
  EXPECT_EQ(quads, 1) << "no highlight";
  EXPECT_TRUE(drawnDisabled());
  ASSERT_TRUE(r.RunTo(gsStageResult, 900));
  EXPECT_TRUE(drawnDisabled());

  r.Play(1, 2);
  EXPECT_FALSE(drawnDisabled());
  r.form->TubeTimer->OnTimeUp(*r.form->TubeTimer);
  ASSERT_EQ(r.form->Scene(), gsTimeUp);
  EXPECT_TRUE(drawnDisabled());
}

TEST(FormMainSceneDetails, TheHubsPlayWorksAsSoonAsTheWipeLetsTheMouseThrough) {
  RoundRig r;
  r.Play(1, 1);
  r.form->CheatWinLevel();
  ASSERT_TRUE(r.RunTo(gsStageResult, 900));
  r.Frames(60);
  Click(*r.form->StageResultOKButton);
  ASSERT_TRUE(r.RunTo(gsStickerBook, 300));
  while (r.form->SceneTransition->IsBlocking()) r.Frames(1);
  ASSERT_TRUE(r.form->SceneTransition->IsActive()) << "the wipe is still opening";
  const TGameButton& play = *r.form->HubPlayButton;
  r.form->FormMouseMove(play.Left + 10, play.Top + 10);
  r.form->FormMouseDown(TMouseButton::Left, play.Left + 10, play.Top + 10);
  r.form->FormMouseUp(TMouseButton::Left, play.Left + 10, play.Top + 10);
  EXPECT_EQ(r.Count("level 1 2"), 1);
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo, 200));
}

TEST(FormMainSceneDetails, EscapeDoesNotTurnTheHubsPlayIntoATripToTheMenu) {
  RoundRig r;
  r.Play(1, 1);
  r.form->CheatWinLevel();
  ASSERT_TRUE(r.RunTo(gsStageResult, 900));
  r.Frames(60);
  Click(*r.form->StageResultOKButton);
  ASSERT_TRUE(r.RunTo(gsStickerBook, 300));
  while (r.form->SceneTransition->IsActive()) r.Frames(1);
  Click(*r.form->HubPlayButton);
  r.Frames(3);
  ASSERT_EQ(r.form->Scene(), gsStickerBook) << "the wipe into the level still closes";
  r.form->FormKeyPress("\x1b");
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo, 200));
  EXPECT_EQ(r.Count("level 1 2"), 1);
}
