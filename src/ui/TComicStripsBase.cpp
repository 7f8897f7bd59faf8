#include "ui/TComicStripsBase.h"

#include <cmath>
#include <cstdio>

#include "engine/SharedTypes.h"
#include "engine/TOmegaImageList.h"
#include "text/TTextStrings.h"

TComicStripsBase::TComicStripsBase(TOmegaImageList& images, TTextStrings& strings, int strips,
                                   int narrations, int firstLine)
    : Narrations(narrations), StripTimes(strips), OmgImgList(images),
      TextStringsComp(strings), FirstLine(firstLine) {}

int TComicStripsBase::DurationOf(const std::string& text) {
  return 62 * static_cast<int>(text.size()) + 2250;
}

std::string TComicStripsBase::StripImageName(int strip) {
  char name[16];
  std::snprintf(name, sizeof name, "Story-%02d", strip);
  return name;
}

void TComicStripsBase::LoadNarrations() {
  for (int i = 0; i < NarrationCount(); ++i)
    Narrations[i].Text = TextStringsComp.StoryNarrations[FirstLine + i].substr(0, NarrationCapacity);
}

void TComicStripsBase::Start() {
  for (TNarration& n : Narrations) n.Duration = DurationOf(n.Text);
  ComputeTiming();
  FActive = true;
  FFinished = false;
  Strip = 1;
  StripTimer = 0;
  Fade = 0;
  FadingOut = false;
  X = StripLeft;
  Y = StripTop;
  FScale = 1;
  SceneTimer = 0;
  NarrationTimer = 0;
  Narration = 0;
  FNarrationRunning = false;
}

void TComicStripsBase::Finish() {
  FFinished = true;
  if (OnSceneFinished) OnSceneFinished(*this);
}

void TComicStripsBase::Skip() {
  if (!FActive || FFinished) return;
  // Finished before the events, so that a handler that skips again changes nothing.
  FFinished = true;
  FadingOut = false;
  if (FNarrationRunning) {
    FNarrationRunning = false;
    if (OnEndNarration) OnEndNarration(*this);
  }
  if (OnSceneFinished) OnSceneFinished(*this);
}

void TComicStripsBase::StepFade() {
  StripTimer += TickMilliseconds;
  if (StripTimer >= StripTimes[Strip - 1]) {
    StripTimer = 0;
    FadingOut = true;
  }
  if (FadingOut) {
    Fade -= FadeStep;
    if (Fade > 0) return;
    Fade = 0;
    FadingOut = false;
    if (Strip >= StripCount()) {
      // The last strip stays, dark, until the shell leaves the scene.
      Finish();
      return;
    }
    ++Strip;
    X = StripLeft;
    Y = StripTop;
    FScale = 1;
    if (OnStripChange) OnStripChange(*this, Strip);
  } else if (Fade < FullFade) {
    Fade += FadeStep;
    if (Fade > FullFade) Fade = FullFade;
  }
}

void TComicStripsBase::StepNarrations() {
  SceneTimer += TickMilliseconds;
  for (int n = Narration + 1; n <= NarrationCount(); ++n) {
    if (SceneTimer < Narrations[n - 1].StartTime) continue;
    Narration = n;
    NarrationTimer = 0;
    FNarrationRunning = true;
    if (n == NarrationCount() && OnEnteringLastNarration) OnEnteringLastNarration(*this);
    if (OnStartNarration) OnStartNarration(*this, Narrations[n - 1].Text);
    return;
  }
  if (FNarrationRunning) {
    NarrationTimer += TickMilliseconds;
    if (NarrationTimer >= Narrations[Narration - 1].Duration) {
      FNarrationRunning = false;
      if (OnEndNarration) OnEndNarration(*this);
    }
  }
}

void TComicStripsBase::UpdateAndDraw() {
  if (!FActive) return;
  if (!FFinished) StepFade();
  X += Dx;
  Y += Dy;
  FScale += ScaleInc;
  // The zoom is drawn in steps of four ticks (under half a pixel at the edges): between them
  // the picture stands still and the screen need not be drawn again.
  const float drawn = 1 + std::round((FScale - 1) / ZoomDrawStep) * ZoomDrawStep;
  OmgImgList.DrawImage(StripImageName(Strip), X, Y, 0,
                       {.ScaleX = drawn, .ScaleY = drawn, .CenterX = CenterX, .CenterY = CenterY});
  OmgImgList.DrawImage("StoryDarkCorners", 0, 0, 0,
                       {.A = DarkCornersAlpha, .ScaleX = 4, .ScaleY = 4});
  if (!FFinished) StepNarrations();
}

void TComicStripsBase::DrawMasks() {
  if (!FActive) return;
  OmgImgList.DrawImage("StoryBGMask", 0, 0, 0, {.ScaleX = 2, .ScaleY = 2});
  OmgImgList.DrawImage("StoryBGMask", 0, BottomMaskTop, 1,
                       {.ScaleX = 2, .ScaleY = 2, .CenterX = 0, .CenterY = 1});
  // A strip fully in needs no black over it: a whole screen of blending for nothing.
  if (Fade < FullFade)
    OmgImgList.DrawImage("BlackRect", 0, 0, 0,
                         {.A = static_cast<std::uint8_t>(FullFade - Fade), .ScaleX = 2, .ScaleY = 2});
}
