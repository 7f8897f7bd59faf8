#include <gtest/gtest.h>

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "ui/TCreditLines.h"
#include "ui/TGameButton.h"
#include "ui/TGameCheckBox.h"
#include "ui/TGameConfirmWindow.h"
#include "ui/THelpPages.h"
#include "ui/TLoadingBar.h"
#include "ui/TPanelMover.h"
#include "ui/TVolumeBar.h"

namespace {
struct UiRig {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  UiRig() { screen.Initialize(); }
  void Add(const std::string& name, int w, int h, int cols = 1, int rows = 1) {
    TImageListItem& item = images.Add(name);
    TPicture p;
    p.Resize(w, h);
    item.SetPicture(p);
    item.SetTileWidth(w / cols);
    item.SetTileHeight(h / rows);
    item.CreateTexture();
  }
  // Pattern drawn by the last quad of a strip of the given pattern width in a texture.
  float LastU() const { return backend.Quads.back().Corners[0].U; }
};
}  // namespace

TEST(GameButton, ClicksOnlyWhenPressedAndReleasedOnIt) {
  UiRig r;
  r.Add("PlayButton", 120, 80, 1, 2);
  TGameButton b(r.images);
  b.ImageName = "PlayButton";
  b.ReloadSize();
  EXPECT_EQ(b.Width(), 120);
  EXPECT_EQ(b.Height(), 40);
  b.SetPosition(100, 100);
  int clicks = 0, activations = 0, deactivations = 0;
  b.OnClick = [&](TGameButton&) { ++clicks; };
  b.OnActivate = [&](TGameButton&) { ++activations; };
  b.OnDeactivate = [&](TGameButton&) { ++deactivations; };

  b.MouseDown(150, 120, true);
  b.MouseMove(400, 400);  // dragged off
  b.MouseUp(400, 400);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(b.Pressed());
  b.MouseDown(150, 120, false);  // right button: nothing
  EXPECT_FALSE(b.Pressed());
  b.MouseMove(220, 140);  // edges count
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(deactivations, 1);
  b.MouseDown(220, 140, true);
  b.MouseUp(220, 140);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(b.Hovered());

  // Hovered and pressed: drawn smaller about its middle, then a yellow additive highlight.
  b.MouseMove(150, 120);
  b.MouseDown(150, 120, true);
  r.backend.Quads.clear();
  b.Draw();
  ASSERT_EQ(r.backend.Quads.size(), 2u);
  EXPECT_NEAR(r.backend.Quads[0].Corners[0].X, 100 + 60 * 0.03f, 1e-3);
  EXPECT_EQ(r.backend.Quads[1].BlendMode, bmAdditive);
  EXPECT_EQ(r.backend.Quads[1].Corners[0].B, 0);
}

TEST(GameButton, DisabledDrawsItsSecondPatternAndStillReportsRange) {
  UiRig r;
  r.Add("OkButton", 50, 40, 1, 2);
  TGameButton b(r.images);
  b.ImageName = "OkButton";
  b.ReloadSize();
  b.Enabled = false;
  int clicks = 0, on = 0, off = 0;
  b.OnClick = [&](TGameButton&) { ++clicks; };
  b.OnMouseRangeOn = [&](TGameButton&) { ++on; };
  b.OnMouseRangeOff = [&](TGameButton&) { ++off; };
  b.MouseDown(10, 10, true);
  b.MouseUp(10, 10);
  EXPECT_EQ(clicks, 0);
  b.CheckRange(10, 10);
  b.CheckRangeOff(10, 10);
  b.CheckRangeOff(90, 90);
  EXPECT_EQ(on, 1);
  EXPECT_EQ(off, 1);
  b.Draw();
  EXPECT_FLOAT_EQ(r.backend.Quads.back().Corners[0].V, 20.0f / 64.0f);
  // Disabled while hovered and pressed: neither the press nor the highlight shows.
  b.Enabled = true;
  b.MouseMove(10, 10);
  b.MouseDown(10, 10, true);
  b.Enabled = false;
  r.backend.Quads.clear();
  b.Draw();
  ASSERT_EQ(r.backend.Quads.size(), 1u);
  EXPECT_FLOAT_EQ(r.backend.Quads[0].Corners[0].X, 0.0f);
  EXPECT_FLOAT_EQ(r.backend.Quads[0].Corners[0].V, 20.0f / 64.0f);
  b.Visible = false;
  b.CheckRange(10, 10);
  EXPECT_EQ(on, 1);

  // A picture with no disabled pattern: the button fades rather than look pressable.
  r.Add("MenuButton", 64, 32);
  TGameButton plain(r.images);
  plain.ImageName = "MenuButton";
  plain.Draw();
  const int full = r.backend.Quads.back().Corners[0].A;
  plain.Enabled = false;
  plain.Draw();
  EXPECT_NEAR(r.backend.Quads.back().Corners[0].A, full * plain.DisabledFade, 2);
}

TEST(GameCheckBox, TogglesAndDrawsItsFourStates) {
  UiRig r;
  r.Add("CheckBoxSound", 30, 60, 1, 4);
  TGameCheckBox c(r.images);
  c.ImageName = "CheckBoxSound";
  c.SetPosition(10, 10);
  int clicks = 0;
  c.OnClick = [&](TGameCheckBox&) { ++clicks; };
  TCursorKind cursor = TCursorKind::Arrow;
  c.RequestCursor = [&](TCursorKind kind) { cursor = kind; };
  c.MouseMove(40, 25);  // edges included
  EXPECT_TRUE(c.Hovered());
  EXPECT_EQ(cursor, TCursorKind::Hand);
  c.MouseDown(40, 25, true);
  EXPECT_TRUE(c.Checked);
  EXPECT_EQ(clicks, 1);
  c.Draw();
  EXPECT_FLOAT_EQ(r.backend.Quads.back().Corners[0].V, 45.0f / 64.0f);  // checked, hovered
  c.MouseMove(200, 200);
  c.Draw();
  EXPECT_FLOAT_EQ(r.backend.Quads.back().Corners[0].V, 30.0f / 64.0f);
  c.MouseDown(200, 200, true);
  EXPECT_TRUE(c.Checked);
}

TEST(MenuWindow, SlidesInAndOutAlongItsAxis) {
  UiRig r;
  TGameMenuWindow w(r.images);
  w.ShowDir = sdToDown;
  w.HidingYPos = -190;
  w.Left = 450;
  w.Top = 300;
  w.MoveStep = 85;
  std::vector<int> ys;
  int shown = 0, hidden = 0;
  w.OnPosUpdate = [&](TGameMenuWindow&, TPoint p) { ys.push_back(p.Y); };
  w.OnShowingComplete = [&](TGameMenuWindow&) { ++shown; };
  w.OnHidingComplete = [&](TGameMenuWindow&) { ++hidden; };
  w.Show();
  for (int i = 0; i < 6; ++i) w.Update();
  EXPECT_EQ(ys, (std::vector<int>{-105, -20, 65, 150, 235, 300}));
  EXPECT_EQ(shown, 1);
  w.Hide();
  int ticks = 0;
  while (!w.IsHidden() && ticks < 20) w.Update(), ++ticks;
  EXPECT_EQ(ticks, 6);
  EXPECT_EQ(w.Position().Y, -190);
  EXPECT_EQ(hidden, 1);

  // From the right: the window comes in leftwards; the shown timer fires once.
  TGameMenuWindow info(r.images);
  info.ShowDir = sdToLeft;
  info.HidingXPos = 1366;
  info.Left = 480;
  info.Top = 187;
  info.MoveStep = 100;
  info.ShownTimerEnabled = true;
  info.ShownTimeToTriggerEvent = 90;
  int timer = 0;
  info.OnShownTimerReached = [&](TGameMenuWindow&) { ++timer; };
  info.Show();
  EXPECT_EQ(info.Position().X, 1366);
  EXPECT_EQ(info.Position().Y, 187);
  for (int i = 0; i < 8; ++i) info.Update();
  EXPECT_EQ(info.Position().X, 566);
  info.Update();
  EXPECT_EQ(info.Position().X, 480);
  EXPECT_EQ(info.State(), TGameMenuWindow::TState::Shown);
  for (int i = 0; i < 10; ++i) info.Update();
  EXPECT_EQ(timer, 1);
  info.Tag = "MENU_OPTIONS";
  info.HideNow();
  EXPECT_TRUE(info.IsHidden());
  EXPECT_EQ(info.Tag, "");
}

TEST(ConfirmWindow, AsksByKindAndReportsTheResultWhenGone) {
  UiRig r;
  r.Add("ConfirmWindow", 420, 200);
  r.Add("WindowOKButton", 100, 80, 1, 2);
  r.Add("WindowCancelButton", 100, 80, 1, 2);
  TGlobalGameText text;
  text.OmgImgList = &r.images;
  TTextStrings strings;
  strings.GameConfirms.Set(4, "Leave the level?");
  strings.GameConfirms.Set(5, "one two three four five six seven eight nine ten eleven twelve "
                              "thirteen fourteen fifteen sixteen seventeen eighteen nineteen "
                              "twenty twentyone twentytwo twentythree twentyfour twentyfive");
  TGameConfirmWindow c(r.images, text, strings);
  c.Window().Left = 470;
  c.Window().Top = 300;
  bool gone = false;
  TConfirmAnswer answer = caPositive;
  c.OnHidingComplete = [&](TGameConfirmWindow&, TConfirmAnswer a) { gone = true, answer = a; };
  c.Ask(ckCloseDuringLevel, pbOK, nbCancel);
  EXPECT_EQ(c.Kind(), ckCloseDuringLevel);
  EXPECT_EQ(c.Title(), "Leave the level?");
  EXPECT_EQ(c.Descriptions().size(), 3u);  // four or more wrapped lines: the first three
  EXPECT_EQ(c.PositiveButton().ImageName, "WindowOKButton");
  for (int i = 0; i < 10; ++i) c.UpdateAndDraw();
  EXPECT_EQ(c.PositiveButton().Left, 470 + 67);
  EXPECT_EQ(c.NegativeButton().Top, 300 + 136);
  int nx = c.NegativeButton().Left + 5, ny = c.NegativeButton().Top + 5;
  c.MouseDown(nx, ny, true);
  c.MouseUp(nx, ny);
  EXPECT_FALSE(gone);  // not before it has gone
  for (int i = 0; i < 10; ++i) c.UpdateAndDraw();
  EXPECT_TRUE(gone);
  EXPECT_EQ(answer, caNegative);
  EXPECT_EQ(c.Answer(), caNegative);

  c.Ask(static_cast<TConfirmKind>(5), pbYes, nbNo);  // a kind without texts
  EXPECT_EQ(c.Title(), "");
  EXPECT_TRUE(c.Descriptions().empty());
  int t, d;
  TGameConfirmWindow::LinesOfKind(ckDisplayFromMenu, t, d);
  EXPECT_EQ(t, 16);
  EXPECT_EQ(d, 17);
}

TEST(PanelMoverAndBars, FollowTheirSteps) {
  TPanelMover m;
  m.Setup(0, 654, -40, 694, 1, 1);
  EXPECT_EQ(m.Position().X, -999);
  int done = 0;
  m.OnShowingCompleted = [&](TPanelMover&) { ++done; };
  m.Show();
  for (int i = 0; i < 39; ++i) m.Update();
  EXPECT_EQ(m.Position().X, -1);
  EXPECT_EQ(m.Position().Y, 655);
  m.Update();
  EXPECT_EQ(done, 1);
  EXPECT_EQ(m.State(), TPanelMover::TState::Shown);

  UiRig r;
  TVolumeBar v(r.images);
  v.SetPosition(150);
  EXPECT_EQ(v.GetPosition(), 100);
  EXPECT_EQ(v.TargetWidth(), 123);
  v.SetNow(50);
  EXPECT_EQ(v.DisplayedWidth(), 62);  // 61.5 to even
  v.SetPosition(0);
  v.Draw();
  EXPECT_EQ(v.DisplayedWidth(), 60);

  TLoadingBar bar(r.images);
  bar.ImageCountToLoad = 5;
  for (int i = 0; i < 4; ++i) bar.ImageLoaded();
  EXPECT_TRUE(bar.LoadingMinusOneFinished());
  EXPECT_FALSE(bar.LoadingFinished());
  bar.ImageLoaded();
  bar.ImageLoaded();
  EXPECT_TRUE(bar.LoadingFinished());
  EXPECT_EQ(bar.LoadedCount(), 5);
}

TEST(CreditLines, RiseOneAfterAnotherAndStartAgain) {
  UiRig r;
  TGlobalGameText text;
  text.OmgImgList = &r.images;
  TTextStrings strings;
  strings.Credits.Set(1, "#Made by");
  strings.Credits.Set(2, "The studio");
  TCreditLines c(text, strings);
  c.Restart();
  EXPECT_TRUE(c.Line(1).Heading);
  EXPECT_EQ(c.Line(1).Text, "Made by");
  EXPECT_TRUE(c.Line(1).Active);
  EXPECT_FALSE(c.Line(2).Active);
  for (int i = 0; i < 20; ++i) c.UpdateAndDraw();
  EXPECT_TRUE(c.Line(2).Active);
  EXPECT_EQ(c.Line(1).Alpha, 240);
  EXPECT_FALSE(c.Line(3).Active);
  // Line 1 fades near the top and leaves at 0; all 34 lines pass, then it all starts again.
  for (int i = 0; i < 214 - 20; ++i) c.UpdateAndDraw();
  EXPECT_FALSE(c.Line(1).Active);
  for (int i = 0; i < 34 * 20 + 300; ++i) c.UpdateAndDraw();
  bool anyActive = false;
  for (int i = 1; i <= 34; ++i) anyActive |= c.Line(i).Active;
  EXPECT_TRUE(anyActive);
}

TEST(HelpPages, LoadOnDemandAndFadeIn) {
  UiRig r;
  THelpPages h(r.images);
  std::vector<std::string> asked;
  h.OnLoadAnImage = [&](THelpPages&, const std::string& f) {
    asked.push_back(f);
    r.Add(f.substr(0, f.find('.')), 8, 8);
  };
  h.LoadImages();
  h.LoadImages();
  EXPECT_EQ(asked, (std::vector<std::string>{"Help1.jpg", "Help2.jpg", "Help3.jpg"}));
  r.backend.Quads.clear();
  h.Draw();
  EXPECT_EQ(h.Alpha(1), 20);
  EXPECT_EQ(r.backend.Quads.size(), 1u);
  // Turning fades the old page out as the new one comes in; the last turns back to the first.
  for (int i = 0; i < 20; ++i) h.Draw();
  h.NextPage();
  h.Draw();
  EXPECT_EQ(h.Alpha(1), 235);
  EXPECT_EQ(h.Alpha(2), 20);
  h.NextPage();
  h.NextPage();
  EXPECT_EQ(h.PageIdx, 1);
  h.FreeImages();
  for (const char* page : {"Help1", "Help2", "Help3"}) EXPECT_EQ(r.images.Find(page), nullptr);
}
