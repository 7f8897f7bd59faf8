#include "board/THammeredObjectsEffect.h"

#include <algorithm>

#include "board/TBoardTilePainter.h"
#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
// Start speeds by slot: horizontal speed, vertical push.
constexpr float StartSpeeds[THammeredObjectsEffect::SlotCount][2] = {
    {4, -18}, {-5, -10}, {7, -10}, {2, 10}};
constexpr int BounceOffsets[10] = {-10, -20, -30, -40, -28, -14, -2, 10, 26, 40};

void TowardZero(float& v, float step) {
  if (v > 0) v = std::max(0.0f, v - step);
  else if (v < 0) v = std::min(0.0f, v + step);
}
}  // namespace

void THammeredObjectsEffect::Start(const TBoardData& board, const TSimpleObjectArray& mask) {
  int next = 0;
  for (int y = 1; y <= BoardRows; ++y)
    for (int x = 1; x <= BoardColumns; ++x) {
      if (!mask.IsSet(x, y) || next >= SlotCount) continue;
      TSlot& s = Slots[next];
      s = TSlot{};
      s.Tile = board.At(x, y);
      s.X = static_cast<float>(BoardLeft + 52 * (x - 1));
      s.Y = static_cast<float>(BoardTop + 52 * (y - 1));
      s.BaseSpeed = 12;
      s.SpeedX = StartSpeeds[next][0];
      s.Push = StartSpeeds[next][1];
      s.State = hsShaking;
      ++next;
    }
  Finished = false;
  // No neighbour was struck: nothing shakes, so nothing would ever end the strike and the
  // struck tile would hold its column for good.
  if (next == 0) {
    Finished = true;
    if (OnFinish) OnFinish(*this);
  }
}

void THammeredObjectsEffect::Reset() {
  for (TSlot& s : Slots) s.State = hsFree;
  Finished = true;
}

bool THammeredObjectsEffect::Active() const {
  return std::any_of(std::begin(Slots), std::end(Slots),
                     [](const TSlot& s) { return s.State != hsFree; });
}

void THammeredObjectsEffect::UpdateAndDraw() {
  if (!Visible) return;
  for (TSlot& s : Slots) {
    switch (s.State) {
      case hsFree:
        break;
      case hsShaking: {
        float jx = static_cast<float>(TGameRandom::Random(5) - 2);
        float jy = static_cast<float>(TGameRandom::Random(5) - 2);
        Draw(s, s.X + jx, s.Y + jy);
        if (++s.ShakeCounter >= MaxShakeCounter) {
          s.State = hsFlying;
          if (!Finished) {
            Finished = true;
            if (OnFinish) OnFinish(*this);
          }
        }
        break;
      }
      case hsFlying:
        s.BaseSpeed += 1.62f;
        TowardZero(s.SpeedX, 0.5f);
        TowardZero(s.Push, 1.62f);
        s.X += s.SpeedX;
        s.Y += s.BaseSpeed + s.Push;
        if (!s.HasHit && OnMonsterHitCheck) {
          bool hitting = false, absorbing = false;
          OnMonsterHitCheck(*this, {RoundHalfEven(s.X), RoundHalfEven(s.Y)}, hitting, absorbing);
          if (hitting) {
            s.HasHit = true;
            s.Absorbed = absorbing;
          }
        }
        if (s.Absorbed) {
          s.Alpha -= 95;
          if (s.Alpha <= 0) {
            s.State = hsFree;
            break;
          }
        } else if (s.Y >= GroundVertPos) {
          if (PlaySound) PlaySound("LockerBounce");
          s.State = hsBouncing;
          s.BounceCounter = 0;
          s.LandX = s.X;
          s.LandY = static_cast<float>(GroundVertPos);
          Draw(s, s.LandX, s.LandY + BounceOffsets[0]);
          break;
        }
        Draw(s, s.X, s.Y);
        break;
      case hsBouncing:
        if (++s.BounceCounter >= 10) {
          s.State = hsFree;
          break;
        }
        Draw(s, s.LandX, s.LandY + BounceOffsets[s.BounceCounter]);
        break;
    }
  }
}

void THammeredObjectsEffect::Draw(const TSlot& s, float x, float y) const {
  if (!OmgImgList) return;
  const TBoardTile& t = s.Tile;
  const std::uint8_t alpha = static_cast<std::uint8_t>(std::clamp(s.Alpha, 0, 255));
  if (t.ObjectKind != okFruit) {
    // Lockers and blockers fly as the board shows them.
    TBoardTilePainter::Draw(*OmgImgList, t, x, y, UniColorIndex);
    return;
  }
  if (t.Element == ecUniBubble)
    OmgImgList->DrawImage(
        "BubbleInside", x, y, 0,
        {.A = alpha, .ScaleX = 1.15f, .ScaleY = 1.15f, .CenterX = 0.5f, .CenterY = 0.5f});
  else if (t.Element >= 1 && t.Element <= ecPotion2)
    OmgImgList->DrawImage(
        "ElementsInside", x, y, t.Element - 1,
        {.A = alpha, .ScaleX = 1.15f, .ScaleY = 1.15f, .CenterX = 0.5f, .CenterY = 0.5f});
  if (t.Web != 0)
    OmgImgList->DrawImage(
        "Web", x - 1, y - 2, 0,
        {.A = alpha, .ScaleX = 1.15f, .ScaleY = 1.15f, .CenterX = 0.5f, .CenterY = 0.5f});
}
