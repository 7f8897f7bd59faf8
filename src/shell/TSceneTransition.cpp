#include "shell/TSceneTransition.h"

#include "engine/TOmegaImageList.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"

void TSceneTransition::StartSwitch(TGameSceneValues oldScene, TGameSceneValues newScene) {
  TargetScene = newScene;
  Phase = 0;
  Active = true;
  if (OnStartToSwitch) OnStartToSwitch(*this, oldScene, newScene);
}

bool TSceneTransition::IsBlocking() const {
  return Active && (Phase == 0 || (Phase == 1 && SizeAdd < 0.65f * MaxSizeRatioAdd));
}

void TSceneTransition::DrawFrame() {
  if (!Active) return;
  if (Phase == 0) {
    Alpha += 4 * BaseAlphaStep;
    if (Alpha > 255) Alpha = 255;
    SizeAdd -= MaxSizeRatioAdd / 255.0f * BaseAlphaStep;
    SizeAdd -= 0.3f;
    if (!(SizeAdd > 0)) {
      SizeAdd = 0;
      Phase = 1;
      Alpha = 255;
      if (OnSceneSwitch) OnSceneSwitch(*this, TargetScene);
    }
  } else {
    if (SizeAdd < MaxSizeRatioAdd) {
      SizeAdd += MaxSizeRatioAdd / 255.0f * BaseAlphaStep;
      if (SizeAdd > MaxSizeRatioAdd) SizeAdd = MaxSizeRatioAdd;
    } else {
      Alpha -= 2 * BaseAlphaStep;
      if (Alpha <= 0) {
        Alpha = 0;
        Active = false;
      }
    }
  }
  Angle += AngleAdd;
  while (Angle >= 360) Angle -= 360;
  auto a = static_cast<std::uint8_t>(Alpha);
  float scale = SizeAdd + 2;
  OmgImgList.DrawImage(
      "TransDark", 252, -46, 0,
      {.A = a, .ScaleX = scale, .ScaleY = scale, .CenterX = 0.5f, .CenterY = 0.5f, .Angle = Angle});
  float spin = scale * 0.29f / 2;
  OmgImgList.DrawImage(
      "TransSpin", 455, 158, 0,
      {.A = a, .ScaleX = spin, .ScaleY = spin, .CenterX = 0.5f, .CenterY = 0.5f, .Angle = Angle});
  if (SizeAdd <= 6) {
    const std::string& line = TextStringsComp.GameTexts[30];
    int w = GlobGameText.TextWidth(line, 0, 0.6);
    GlobGameText.DrawText(static_cast<float>((1366 - w) / 2), 740, line,
                          {.Scale = 0.6, .Alpha = 200});
  }
}
