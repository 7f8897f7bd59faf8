#include "board/TFlowingTool.h"

#include <cmath>

#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

void TFlowingTool::Start(TPoint tile) {
  for (TFlight& f : Flights) {
    if (f.Active) continue;
    f.Active = true;
    f.X = static_cast<float>(BoardLeft + 52 * (tile.X - 1));
    f.Y = static_cast<float>(BoardTop + 52 * (tile.Y - 1));
    f.Age = 0;
    TMotion::StraightLineSpeeds(f.X, f.Y, static_cast<float>(TargetX),
                                static_cast<float>(TargetY), Pace, f.SpeedX, f.SpeedY);
    return;
  }
  // Nine already on their way: the stock is full anyway; count it at once.
  if (PlaySound) PlaySound("ToolAcquired");
  if (OnArrive) OnArrive(*this);
}

void TFlowingTool::Reset() {
  for (TFlight& f : Flights) f.Active = false;
}

int TFlowingTool::Flying() const {
  int n = 0;
  for (const TFlight& f : Flights) n += f.Active ? 1 : 0;
  return n;
}

void TFlowingTool::UpdateAndDraw() {
  if (!Visible) return;
  for (TFlight& f : Flights) {
    if (!f.Active) continue;
    ++f.Age;
    bool ax = TMotion::ApproachFloat(f.X, static_cast<float>(TargetX), f.SpeedX);
    bool ay = TMotion::ApproachFloat(f.Y, static_cast<float>(TargetY), f.SpeedY);
    if (ax && ay) {
      f.Active = false;
      if (PlaySound) PlaySound("ToolAcquired");
      if (OnArrive) OnArrive(*this);
      continue;
    }
    if (!OmgImgList || ImgName.empty()) continue;
    const float scale = 1.0f + 0.25f * std::sin(f.Age * 0.35f);
    OmgImgList->DrawImage(ImgName, f.X, f.Y, 0,
                          {.ScaleX = scale, .ScaleY = scale, .CenterX = 0.5f, .CenterY = 0.5f});
  }
}
