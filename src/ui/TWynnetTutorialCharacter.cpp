#include "ui/TWynnetTutorialCharacter.h"

#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
// Her picture's size when none is loaded (tests, a missing file).
constexpr int DefaultWidth = 170, DefaultHeight = 230;
}  // namespace

TWynnetTutorialCharacter::TWynnetTutorialCharacter() {
  for (auto& s : Sparkles) {
    s.SizeRatio = 0.8f;
    s.GridStepX = s.GridStepY = 12;
  }
}

void TWynnetTutorialCharacter::Reset() {
  Visible = false;
  CurrentAlpha = 0;
  for (auto& s : Sparkles) s.Reset();
}

void TWynnetTutorialCharacter::PlaceSparkles() {
  int w = DefaultWidth, h = DefaultHeight;
  if (OmgImgList && OmgImgList->Find("FairyTutorial")) {
    w = OmgImgList->TileWidthOf("FairyTutorial");
    h = OmgImgList->TileHeightOf("FairyTutorial");
  }
  // Seven small areas around her: over the wings, by the hands and along the dress.
  static constexpr float Areas[SparkleCount][4] = {
      {0.00f, 0.05f, 0.30f, 0.30f}, {0.70f, 0.05f, 1.00f, 0.30f}, {0.05f, 0.35f, 0.35f, 0.55f},
      {0.65f, 0.35f, 0.95f, 0.55f}, {0.25f, 0.60f, 0.75f, 0.80f}, {0.30f, 0.80f, 0.70f, 1.00f},
      {0.35f, 0.00f, 0.65f, 0.15f}};
  for (int i = 0; i < SparkleCount; ++i) {
    TSparklingEffect& s = Sparkles[i];
    s.OmgImgList = OmgImgList;
    s.AreaLeft = Left + static_cast<int>(Areas[i][0] * w);
    s.AreaTop = Top + static_cast<int>(Areas[i][1] * h);
    s.AreaRight = Left + static_cast<int>(Areas[i][2] * w);
    s.AreaBottom = Top + static_cast<int>(Areas[i][3] * h);
    s.AlphaFactor = 0.8f * CurrentAlpha / 255.0f;
  }
}

void TWynnetTutorialCharacter::UpdateAndDraw() {
  TMotion::ApproachInt(CurrentAlpha, AlphaStep, Visible ? 255 : 0);
  if (CurrentAlpha <= 0) return;
  Swing.Step();
  if (OmgImgList)
    OmgImgList->DrawImage("FairyTutorial", static_cast<float>(Left), static_cast<float>(Top), 0,
                          {.A = static_cast<std::uint8_t>(CurrentAlpha), .CenterX = -5,
                           .CenterY = 0.5f, .Angle = Angle()});
  PlaceSparkles();
  for (auto& s : Sparkles) s.UpdateAndDraw();
}
