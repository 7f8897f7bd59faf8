#include "board/THammerEffect.h"

#include <algorithm>

#include "engine/TOmegaImageList.h"

void THammerEffect::Start(TPoint tile) {
  Tile = tile;
  SwingAngle = 0;
  SwingRising = true;
  CurrentScale = 0.2f;
  CurrentAlpha = 255;
  Hit = false;
  StayTimer = 0;
  Running = true;
  StepSwing();
}

void THammerEffect::StepSwing() {
  if (SwingRising) {
    SwingAngle += static_cast<float>(SwingUpStep);
    if (SwingAngle >= SwingTop) {
      SwingAngle = static_cast<float>(SwingTop);
      SwingRising = false;
    }
  } else {
    SwingAngle = std::max(0.0f, SwingAngle - SwingDownStep);
  }
}

void THammerEffect::UpdateAndDraw() {
  if (!Running || !Visible) return;
  if (!Hit && SwingAngle > 0) {
    StepSwing();
    if (SwingAngle == 0) {
      Hit = true;
      if (PlaySound) PlaySound("Hammer");
      if (OnHit) OnHit(*this, Tile);
      if (!Running) return;
    }
  }
  CurrentScale = std::min(1.0f, CurrentScale + 0.1f);
  if (Hit) {
    if (StayTimer < StayAfterHitTime) {
      StayTimer += TickMilliseconds;
    } else {
      CurrentAlpha -= AlphaStep;
      if (CurrentAlpha <= MinHammerAlpha) {
        Running = false;
        return;
      }
    }
  }
  if (!OmgImgList) return;
  // Swinging back turns the head away from the board; zero is the strike.
  OmgImgList->DrawImage("HammerHitting",
                        static_cast<float>(BoardLeft + 52 * Tile.X + PointerAdjustX - 27),
                        static_cast<float>(BoardTop + 52 * Tile.Y + PointerAdjustY - 82), 0,
                        {.A = static_cast<std::uint8_t>(CurrentAlpha), .ScaleX = CurrentScale,
                         .ScaleY = CurrentScale, .CenterX = 0.4f, .CenterY = 0.8f,
                         .Angle = -SwingAngle});
}
