#include "board/TAerosol.h"

#include <algorithm>

#include "engine/TOmegaImageList.h"

bool TAerosol::CanPick() {
  bool enemies = false;
  if (OnEnemiesExistQuestion) OnEnemiesExistQuestion(*this, enemies);
  return enemies;
}

TSprayRect TAerosol::SprayRect() const {
  const int half = Size / 2;
  return {CentreX - half, CentreY - half, CentreX - half + Size, CentreY - half + Size};
}

void TAerosol::Use(TPoint, int x, int y) {
  CentreX = x;
  CentreY = y;
  Size = 0;
  Growing = true;
  Spraying = true;
}

void TAerosol::UpdateWork() {
  if (!Spraying) return;
  if (Growing) {
    Size = std::min(MaxSpraySize, Size + SprayGrowth);
    if (Size == MaxSpraySize) Growing = false;
  } else {
    Size = std::max(0, Size - SprayShrink);
  }
  if (Size == 0) {
    Spraying = false;
    return;
  }
  if (OnSpraySizeChange) OnSpraySizeChange(*this, SprayRect());
}

void TAerosol::DrawWork() {
  if (!Spraying) return;
  // The cloud: the general shine, tinted green, as large as the sprayed square.
  const TSprayRect r = SprayRect();
  const int w = std::max(1, OmgImgList->TileWidthOf("GeneralShine"));
  OmgImgList->DrawImage("GeneralShine", static_cast<float>(r.Left), static_cast<float>(r.Top), 0,
                        {.R = 170, .B = 150, .A = 150, .ScaleX = static_cast<float>(Size) / w,
                         .ScaleY = static_cast<float>(Size) / w, .Blend = bmAdditive});
}
