#include "effects/TStarsEffect.h"

#include <algorithm>

#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }
}  // namespace

TStarsEffect::TStar* TStarsEffect::NextGroup() {
  Group = (Group + 1) % GroupCount;
  return Groups[Group];
}

void TStarsEffect::StarsAtTile(TPoint tile) {
  TStar* group = NextGroup();
  for (int i = 0; i < StarsPerGroup; ++i) {
    TStar& s = group[i];
    s.X = static_cast<float>(BoardLeft + 52 * (tile.X - 1) + 8 * R(5));
    s.Y = static_cast<float>(BoardTop + 52 * (tile.Y - 1) + 6 + 4 * R(4));
    s.Lifetime = 200 + 150 * R(8);
    s.Alpha = 120 - 5 * R(3);
    s.Pattern = R(3) != 0 ? 2 : 1;
    s.Timer = 0;
    s.Active = true;
  }
}

void TStarsEffect::StarsAtPoint(int x, int y) {
  TStar* group = NextGroup();
  for (int i = 0; i < StarsPerGroup; ++i) {
    TStar& s = group[i];
    s.X = static_cast<float>(x + 7 * R(5));
    s.Y = static_cast<float>(y + 3 * R(4));
    s.Lifetime = 650 + 250 * R(3);
    s.Alpha = 120 - 10 * R(3);
    s.Pattern = R(3) != 0 ? 2 : 1;
    s.Timer = 0;
    s.Active = true;
  }
}

void TStarsEffect::UpdateAndDraw() {
  if (!Visible) return;
  for (auto& group : Groups)
    for (TStar& s : group) {
      if (!s.Active) continue;
      s.Y += static_cast<float>(1 + R(2));
      s.Alpha = std::max(60, s.Alpha - AlphaStep);
      s.Timer += TickMilliseconds;
      if (s.Timer >= s.Lifetime) s.Active = false;  // drawn this last time
      if (OmgImgList)
        OmgImgList->DrawImage("LittleStars", s.X, s.Y, s.Pattern - 1,
                              {.A = static_cast<std::uint8_t>(s.Alpha), .Blend = bmAdditive});
    }
}

void TStarsEffect::Reset() {
  for (auto& group : Groups)
    for (TStar& s : group) s.Active = false;
}

int TStarsEffect::ActiveCount() const {
  int n = 0;
  for (const auto& group : Groups)
    for (const TStar& s : group) n += s.Active ? 1 : 0;
  return n;
}
