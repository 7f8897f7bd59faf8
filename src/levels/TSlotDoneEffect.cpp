#include "levels/TSlotDoneEffect.h"

#include <algorithm>

#include "engine/SharedTypes.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
constexpr int AlphaStep = 30;
constexpr float PopTop = 1.25f, PopUp = 0.05f, PopDown = 0.025f;
}  // namespace

void TSlotDoneEffect::Show(int x) {
  TBadge& b = Badges[Next];
  Next = (Next + 1) % BadgeCount;
  b = TBadge{};
  b.Phase = bpShowing;
  b.X = x;
  b.Y = HideYPos;
  b.Swing.Setup(-6, 6, 0.4f, 0.4f);
  b.Breath.Setup(0.96f, 1.04f, 0.004f, 0.004f);
}

void TSlotDoneEffect::Reset() {
  for (TBadge& b : Badges) b.Phase = bpFree;
  Next = 0;
}

int TSlotDoneEffect::ActiveCount() const {
  return static_cast<int>(std::count_if(std::begin(Badges), std::end(Badges),
                                        [](const TBadge& b) { return b.Phase != bpFree; }));
}

void TSlotDoneEffect::Advance(TBadge& b) {
  switch (b.Phase) {
    case bpShowing:
      b.Alpha = std::min(b.Alpha + AlphaStep, 255);
      if (TMotion::ApproachInt(b.Y, ShowingStep, ShownYPos)) {
        b.Phase = bpStaying;
        b.Timer = 0;
        b.PopRising = true;
      }
      break;
    case bpStaying:
      b.Alpha = std::min(b.Alpha + AlphaStep, 255);
      if (b.PopRising) {
        b.Pop = std::min(b.Pop + PopUp, PopTop);
        if (b.Pop >= PopTop) b.PopRising = false;
      } else {
        b.Pop = std::max(b.Pop - PopDown, 1.0f);
      }
      if (TMotion::TimerTick(b.Timer, ShowingTime)) b.Phase = bpHiding;
      break;
    case bpHiding:
      b.Alpha = std::max(b.Alpha - AlphaStep, 0);
      b.Y -= HidingStep;
      if (b.Y <= HideYPos || b.Alpha == 0) b.Phase = bpFree;
      break;
    case bpFree:
      return;
  }
  b.Swing.Step();
  b.Breath.Step();
  TMotion::TurnAngle(1, b.ShineAngle, 1.5f);
}

void TSlotDoneEffect::Draw(const TBadge& b) {
  if (!OmgImgList || b.Phase == bpFree) return;
  const float x = static_cast<float>(b.X), y = static_cast<float>(b.Y);
  const float scale = b.Pop * b.Breath.Value;
  OmgImgList->DrawImage("SlotDoneShine", x - 30, y - 28, 0,
                        {.A = static_cast<std::uint8_t>(std::min(b.Alpha, 165)), .ScaleX = scale,
                         .ScaleY = scale, .CenterX = 0.5f, .CenterY = 0.5f, .Angle = b.ShineAngle});
  OmgImgList->DrawImage("SlotDone", x, y, 0,
                        {.A = static_cast<std::uint8_t>(b.Alpha), .ScaleX = scale, .ScaleY = scale,
                         .CenterX = 0.5f, .CenterY = 0.5f, .Angle = b.Swing.Value});
}

void TSlotDoneEffect::UpdateAndDraw() {
  if (!Visible) return;
  for (TBadge& b : Badges) {
    if (b.Phase == bpFree) continue;
    Advance(b);
    Draw(b);
  }
}
