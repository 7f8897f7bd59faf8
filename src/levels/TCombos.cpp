#include "levels/TCombos.h"

#include <algorithm>

#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

int TCombos::LargestMatch(const TBoardData& board, const TSimpleObjectArray& removed) {
  std::array<int, ecPotion2 + 1> counts{};
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!removed.IsSet(x, y)) continue;
      const TBoardTile& t = board.At(x, y);
      // Only elements count; a locker's byte is stale.
      if (t.ObjectKind != okFruit) continue;
      if (t.Element >= 1 && t.Element <= ecPotion2) ++counts[t.Element];
    }
  return *std::max_element(counts.begin(), counts.end());
}

TPoint TCombos::ComboPosition(const TSimpleObjectArray& removed, int boardLeft, int boardTop) {
  int c1 = BoardColumns + 1, c2 = 0, r1 = BoardRows + 1, r2 = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (removed.IsSet(x, y)) {
        c1 = std::min(c1, x), c2 = std::max(c2, x);
        r1 = std::min(r1, y), r2 = std::max(r2, y);
      }
  if (c2 == 0) return {boardLeft, boardTop};
  return {boardLeft + c1 * TileSize - TileSize / 2 + (c2 - c1) * TileSize / 2,
          boardTop + r1 * TileSize - TileSize / 2 + (r2 - r1) * TileSize / 2};
}

bool TCombos::Check(const TBoardData& board, const TSimpleObjectArray& removed) {
  const int m = LargestMatch(board, removed);
  if (m < MinMatchXCount || m > MaxMatchXCount || m == 0) return false;
  if ((m == 4 || m == 5) && PlaySound) PlaySound("MatchX");
  if ((m == 6 || m == 7) && PlaySound) PlaySound("Combo");
  const TPoint pos = ComboPosition(removed, BoardLeft, BoardTop);
  for (TSlot& s : Slots) {
    if (s.Active) continue;
    s = TSlot{};
    s.Active = true;
    s.MatchCount = static_cast<std::uint8_t>(m);
    s.Pos = pos;
    return true;
  }
  return true;
}

void TCombos::Clear() {
  for (TSlot& s : Slots) s.Active = false;
}

int TCombos::ActiveCount() const {
  return static_cast<int>(std::count_if(Slots.begin(), Slots.end(), [](const TSlot& s) { return s.Active; }));
}

void TCombos::Update() {
  if (!Visible) return;
  FWobble.Step();
  FBreath.Step();
  for (TSlot& s : Slots) {
    if (!s.Active) continue;
    s.Alpha = std::min(255, s.Alpha + AlphaStep);
    if (s.PopRising) {
      s.Pop += PopUp;
      if (s.Pop >= PopMax) s.Pop = PopMax, s.PopRising = false;
    } else {
      s.Pop = std::max(1.0f, s.Pop - PopDown);
    }
    if (OmgImgList) {
      const float scale = s.Pop * FBreath.Value;
      OmgImgList->DrawImage("ComboText", static_cast<float>(s.Pos.X + TextOffsetX),
                            static_cast<float>(s.Pos.Y + TextOffsetY),
                            std::clamp(s.MatchCount - 4, 0, 3),
                            {.A = static_cast<std::uint8_t>(s.Alpha), .ScaleX = scale,
                             .ScaleY = scale, .CenterX = 0.5f, .CenterY = 0.5f,
                             .Angle = FWobble.Value / 3});
    }
    if (TMotion::TimerTick(s.Timer, ShowingTime)) {
      s.Active = false;
      if (OnAComboDoneShowing) OnAComboDoneShowing(*this, s.MatchCount, s.Pos);
    }
  }
}
