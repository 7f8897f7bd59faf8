#include "board/TSwapEffect.h"

#include "engine/TOmegaImageList.h"

void TSwapEffect::Start(TSwappedObjectsData data, bool matchOccurs) {
  LastUsed = (LastUsed + 1) % SlotCount;
  TSlot& s = Slots[LastUsed];
  s = TSlot{};
  s.Data = data;
  s.MatchOccurs = matchOccurs;
  TPoint a = data.Object1Pos, b = data.Object2Pos;
  s.Orientation = a.Y == b.Y ? 0 : 1;
  bool reorder = s.Orientation == 0 ? b.X < a.X : b.Y < a.Y;
  if (reorder) {
    s.Data.Object1Pos = b;
    s.Data.Object2Pos = a;
    s.Data.SwapTileBytes();
  }
  s.Pos1 = s.Data.Object1Pos;
  s.Pos2 = s.Data.Object2Pos;
  s.Step = s.Data.Kind1 == okFruit && matchOccurs ? QuickPosShiftStep : NormalPosShiftStep;
  s.Progress = 0;
  s.Active = true;
}

void TSwapEffect::UpdateAndDraw() {
  for (TSlot& s : Slots) {
    if (!s.Active) continue;
    s.Progress += IsWindows8OrLater ? 2 * s.Step : s.Step;
    if (s.Progress > 52) {
      s.Progress = 52;
      auto kind = static_cast<TTileObjectKind>(s.Data.Kind1);
      if (s.MatchOccurs) {
        s.Active = false;
        if (OnEffectComplete) OnEffectComplete(*this, kind, s.Pos1, s.Pos2);
        continue;
      }
      if (!s.SwappedBack) {
        s.SwappedBack = true;
        s.Data.SwapTileBytes();
        s.Progress = 0;
        s.Step = SwapBackPosShiftStep;
      } else {
        s.Active = false;
        if (OnSwapBackComplete) OnSwapBackComplete(*this, kind, s.Pos1, s.Pos2);
        continue;
      }
    }
    if (Visible) DrawSlot(s);
  }
}

void TSwapEffect::DrawSlot(const TSlot& s) {
  if (!OmgImgList) return;
  int dx = s.Orientation == 0 ? 1 : 0, dy = 1 - dx;
  struct TMover {
    TPoint From;
    int Dir;
    std::uint8_t Kind, Colour, Worm;
  } movers[2] = {{s.Pos1, 1, s.Data.Kind1, s.Data.Color1, s.Data.Worm1},
                 {s.Pos2, -1, s.Data.Kind2, s.Data.Color2, s.Data.Worm2}};
  for (int i = 0; i < 2; ++i) {
    const TMover& m = movers[i];
    // Only elements have a picture; lockers are shown by the locker layer.
    if (m.Kind != okFruit || m.Colour < 1 || m.Colour > ecPotion2) continue;
    float x = BoardLeft + 52.0f * (m.From.X - 1) + dx * m.Dir * s.Progress;
    float y = BoardTop + 52.0f * (m.From.Y - 1) + dy * m.Dir * s.Progress;
    OmgImgList->DrawImage("ElementsInside", x + 2, y + 5, m.Colour - 1,
                          {.R = 0, .G = 0, .B = 0, .A = 80, .ScaleX = 1.15f, .ScaleY = 1.15f,
                           .CenterX = 0.5f, .CenterY = 0.5f});
    OmgImgList->DrawImage("ElementsInside", x, y, m.Colour - 1,
                          {.ScaleX = 1.15f, .ScaleY = 1.15f, .CenterX = 0.5f, .CenterY = 0.5f});
    if (s.MatchOccurs && m.Worm != wsEaten) {
      // The element moving forward leads; its flash trails 19 pixels behind it.
      float back = m.Dir == 1 ? -19.0f : 0.0f;
      OmgImgList->DrawImage(s.Orientation == 0 ? "ElementsFlashHorz" : "ElementsFlashVert",
                            x + dx * back, y + dy * back, m.Colour - 1);
    }
  }
}

void TSwapEffect::Clear() {
  for (TSlot& s : Slots) s.Active = false;
}

bool TSwapEffect::Running() const {
  for (const TSlot& s : Slots)
    if (s.Active) return true;
  return false;
}
