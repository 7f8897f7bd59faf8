#include "metagame/TBookProgressTube.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TImageListItem.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "metagame/TBookFigures.h"
#include "text/TGlobalGameText.h"

namespace {
constexpr const char* TubeImage = TBookFigures::Tube;
constexpr const char* FillImage = TBookFigures::TubeFill;
// The book badge on pattern 2 pops about its own middle.
constexpr float BadgeCenterX = static_cast<float>(TBookFigures::BadgeX) / TBookFigures::TubeWidth;
constexpr float BadgeCenterY = static_cast<float>(TBookFigures::BadgeY) / TBookFigures::TubeHeight;
constexpr float PopMax = 1.3f, PopStep = 0.05f;
// Lower limits of the bands 1..10 (band 0 below 2).
constexpr int BandStarts[] = {2, 10, 18, 24, 31, 42, 50, 66, 80, 95};
}  // namespace

int TBookProgressTube::StatusOf(int p) {
  if (p <= 0) return 0;
  int band = 0;
  for (int start : BandStarts)
    if (p >= start) ++band;
  return 1 + band;
}

void TBookProgressTube::ReadImageSizes() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf(FillImage)) FillWidth = w;
  if (int h = OmgImgList->TileHeightOf(FillImage)) FillHeight = h;
}

void TBookProgressTube::SetPosition(int p) {
  FPosition = std::clamp(p, 0, 100);
  const int status = StatusOf(FPosition);
  if (status == FStatus) return;
  FStatus = status;
  if (status >= 2) {
    Pending = true;
    PendingStatus = status;
    PopTimer = 0;
  }
}

void TBookProgressTube::SetPositionSilently(int p) {
  FPosition = std::clamp(p, 0, 100);
  FStatus = StatusOf(FPosition);
  Pending = false;
}

void TBookProgressTube::Reset() {
  FPosition = 0;
  Shown = 0;
  FStatus = 0;
  Pending = false;
  PendingStatus = 0;
  PopTimer = 0;
  PopPhase = 0;
  Ratio = 1;
}

void TBookProgressTube::Draw() {
  TMotion::ApproachFloat(Shown, static_cast<float>(FPosition), ShownStep);
  if (Pending && TMotion::TimerTick(PopTimer, PopDelay)) {
    Pending = false;
    PopPhase = 1;
    if (OnStatusChange) OnStatusChange(*this, static_cast<std::uint8_t>(PendingStatus));
  }
  if (PopPhase == 1 && TMotion::ApproachFloat(Ratio, PopMax, PopStep)) PopPhase = 2;
  else if (PopPhase == 2 && TMotion::ApproachFloat(Ratio, 1.0f, PopStep / 2)) PopPhase = 0;

  if (!OmgImgList) return;
  const float x = static_cast<float>(Left), y = static_cast<float>(Top);
  OmgImgList->DrawImage(TubeImage, x, y, 1);
  const int columns = RoundHalfEven(Shown / 100.0 * FillWidth);
  if (columns > 0)
    if (TImageListItem* fill = OmgImgList->Find(FillImage))
      fill->DrawRect({0, 0, columns, FillHeight}, x + FillOffsetX, y + FillOffsetY);
  OmgImgList->DrawImage(TubeImage, x, y, 0);
  OmgImgList->DrawImage(TubeImage, x, y, 2,
                        {.ScaleX = Ratio, .ScaleY = Ratio, .CenterX = BadgeCenterX,
                         .CenterY = BadgeCenterY});
  if (GlobGameText && !Caption.empty())
    GlobGameText->DrawShadowText(x + FillOffsetX + 8, y + FillOffsetY + FillHeight + 16, Caption,
                                 {.Scale = 0.5, .ExtraSpacing = -2});
}
