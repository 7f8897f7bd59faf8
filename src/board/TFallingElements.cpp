#include "board/TFallingElements.h"

#include <algorithm>
#include <string>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
// Two hops and a drop below the ground line: short, medium and long to the right, then
// the same three lengths to the left.
const std::vector<TPoint> Paths[TFallingElements::PathVariants] = {
    {{0, 0},   {0, -10}, {0, -24}, {0, -38}, {1, -60}, {5, -77},  {9, -66},  {11, -52},
     {11, -38}, {12, -23}, {12, -13}, {12, -2}, {12, -17}, {16, -35}, {21, -41}, {25, -31},
     {26, -15}, {26, -4}, {26, 11}, {27, 22}, {28, 35}, {29, 50}},
    {{0, 0},   {1, -12}, {2, -26}, {4, -42}, {6, -58},  {9, -70},  {12, -74}, {15, -68},
     {18, -56}, {20, -42}, {22, -27}, {24, -12}, {25, -1}, {28, -16}, {32, -30}, {36, -38},
     {40, -35}, {43, -24}, {45, -10}, {46, -1}, {47, 12}, {48, 25}, {49, 40}, {50, 56}},
    {{0, 0},   {2, -12}, {5, -27}, {8, -42}, {12, -56}, {16, -66}, {20, -71}, {24, -70},
     {28, -62}, {31, -50}, {34, -36}, {37, -21}, {39, -7}, {40, -1}, {44, -14}, {49, -27},
     {54, -35}, {59, -36}, {63, -30}, {66, -19}, {68, -6}, {69, -1}, {70, 13}, {71, 28},
     {72, 44}, {73, 61}},
    {{0, 0},    {0, -9},   {-1, -22}, {-2, -36}, {-3, -55}, {-6, -70}, {-9, -62},
     {-11, -48}, {-12, -35}, {-13, -21}, {-13, -11}, {-13, -2}, {-14, -15}, {-17, -31},
     {-21, -37}, {-24, -28}, {-25, -14}, {-26, -3}, {-26, 10}, {-27, 21}, {-28, 34},
     {-29, 49}},
    {{0, 0},    {-1, -13}, {-3, -28}, {-5, -44}, {-8, -59}, {-11, -69}, {-14, -72},
     {-17, -65}, {-19, -53}, {-21, -39}, {-23, -25}, {-24, -11}, {-25, -1}, {-29, -17},
     {-33, -31}, {-37, -39}, {-41, -34}, {-44, -22}, {-45, -9}, {-46, -1}, {-47, 13},
     {-48, 27}, {-49, 42}, {-50, 58}},
    {{0, 0},    {-2, -11}, {-5, -25}, {-9, -40}, {-13, -54}, {-17, -64}, {-21, -68},
     {-25, -66}, {-29, -58}, {-32, -46}, {-35, -32}, {-37, -18}, {-39, -6}, {-40, -1},
     {-45, -15}, {-50, -28}, {-55, -37}, {-60, -37}, {-64, -30}, {-67, -18}, {-68, -6},
     {-69, -1}, {-70, 14}, {-71, 29}, {-72, 45}, {-73, 62}},
};

// The bounce is drawn at random whether or not anyone listens, so the game's chances do
// not depend on sound.
void PlayBounce(const std::function<void(const std::string& name)>& play) {
  const std::string name = "ElementBounce" + std::to_string(1 + TGameRandom::Random(3));
  if (play) play(name);
}

// Towards zero by step, stopping there.
void Settle(float& v, float step) {
  if (v > 0) v = std::max(0.0f, v - step);
  else if (v < 0) v = std::min(0.0f, v + step);
}
}  // namespace

const std::vector<TPoint>& TFallingElements::Path(int variant) {
  return Paths[std::clamp(variant, 1, PathVariants) - 1];
}

void TFallingElements::Start(TBoardData board, TSimpleObjectArray mask, bool blasted) {
  BlastedFlag = blasted;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!mask.IsSet(x, y)) continue;
      const TBoardTile& t = board.At(x, y);
      if (t.IsSpecial()) continue;
      LastUsed = (LastUsed + 1) % SlotCount;
      TElement& e = Elements[LastUsed];
      e = TElement{};
      e.Code = t.Element;
      e.Tile = {x, y};
      e.X = static_cast<float>(BoardLeft + 52 * (x - 1));
      e.Y = static_cast<float>(BoardTop + 52 * (y - 1));
      e.BaseSpeed = 15;
      if (!blasted) {
        e.HorzSpeed = static_cast<float>(TGameRandom::Random(10));
        if (TGameRandom::Random(2) == 1) e.HorzSpeed = -e.HorzSpeed;
        e.Push = -static_cast<float>(25 + TGameRandom::Random(10));
      } else {
        e.HorzSpeed = static_cast<float>(13 + TGameRandom::Random(13));
        if (TGameRandom::Random(2) == 1) e.HorzSpeed = -e.HorzSpeed;
        e.Push = static_cast<float>(30 + TGameRandom::Random(30));
        if (TGameRandom::Random(2) == 1) e.Push = -e.Push;
      }
      e.Variant = 1 + TGameRandom::Random(6);
      e.Increasing = e.Variant <= 3;
      e.DriftX = static_cast<float>(3 + TGameRandom::Random(5));
      e.DriftY = static_cast<float>(5 + TGameRandom::Random(4));
      e.DriftStep = static_cast<float>(6 + TGameRandom::Random(5));
      e.State = Drifts(e.Code) ? fsDrifting : fsFalling;
    }
}

void TFallingElements::Fall(TElement& e) {
  e.BaseSpeed += IsWindows8OrLater ? 3 : 2;
  Settle(e.HorzSpeed, 0.65f);
  Settle(e.Push, 2);
  e.X += e.HorzSpeed;
  e.Y += e.BaseSpeed + e.Push;
  e.Scale += FallSizeAdd;
  if (!e.HasHit && OnMonsterHitCheck) {
    bool hitting = false, absorbing = false;
    OnMonsterHitCheck(*this, {RoundHalfEven(e.X), RoundHalfEven(e.Y)}, hitting, absorbing);
    if (hitting) {
      e.HasHit = true;
      e.Absorbed = absorbing;
    }
  }
  // A swallowed element only fades; it never reaches the ground.
  if (e.Y >= GroundVertPos && !e.Absorbed) {
    e.State = fsBouncing;
    e.PathCounter = 0;
    e.LandX = e.X;
    e.LandY = static_cast<float>(GroundVertPos);
    PlayBounce(PlaySound);
    if (OnGroundHit) OnGroundHit(*this, e.Code, e.Tile.X);
  }
}

void TFallingElements::Drift(TElement& e) {
  const float k = IsWindows8OrLater ? 1.5f : 1.0f;
  e.X += e.DriftX * k;
  e.Y += e.DriftY * k;
  TMotion::TurnAngle(e.Increasing ? 1 : 0, e.Angle, e.DriftStep);
  e.Scale += FloatSizeAdd;
  if (e.Y >= 768) e.State = fsFree;
}

void TFallingElements::Bounce(TElement& e) {
  e.PathCounter = std::min(e.PathCounter + (IsWindows8OrLater ? 2 : 1), MaxPathCounter);
  const std::vector<TPoint>& path = Path(e.Variant);
  if (e.PathCounter >= MaxPathCounter || e.PathCounter >= static_cast<int>(path.size())) {
    e.State = fsFree;
    return;
  }
  e.X = e.LandX + static_cast<float>(path[e.PathCounter].X);
  e.Y = e.LandY + static_cast<float>(path[e.PathCounter].Y);
  TMotion::TurnAngle(e.Increasing ? 1 : 0, e.Angle, static_cast<float>(RollAngleStep));
  e.Scale += 0.008f;
  if (e.PathCounter == 10) PlayBounce(PlaySound);
  if (OnDustEffectRequest)
    OnDustEffectRequest(*this, RoundHalfEven(e.X) + AdjustX, RoundHalfEven(e.Y) + AdjustY);
}

void TFallingElements::UpdateAndDraw() {
  if (!Visible) return;
  for (TElement& e : Elements) {
    switch (e.State) {
      case fsFree: continue;
      case fsFalling: Fall(e); break;
      case fsDrifting: Drift(e); break;
      case fsBouncing: Bounce(e); break;
    }
    if (e.Absorbed) {
      e.Alpha -= 65;
      if (e.Alpha <= 0) {
        e.Alpha = 0;
        e.State = fsFree;
      }
    }
    if (e.State == fsFree || !OmgImgList) continue;
    OmgImgList->DrawImage("ElementsInside", static_cast<float>(RoundHalfEven(e.X) + AdjustX),
                          static_cast<float>(RoundHalfEven(e.Y) + AdjustY), e.Code - 1,
                          {.A = static_cast<std::uint8_t>(e.Alpha), .ScaleX = e.Scale,
                           .ScaleY = e.Scale, .CenterX = 0.5f, .CenterY = 0.5f, .Angle = e.Angle});
  }
}

void TFallingElements::Clear() {
  BlastedFlag = false;
  for (TElement& e : Elements) e.State = fsFree;
}

int TFallingElements::ActiveCount() const {
  int n = 0;
  for (const TElement& e : Elements) n += e.State != fsFree;
  return n;
}
