#include "board/TLockerPiecesEffect.h"

#include <cmath>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

void TLockerPiecesEffect::Start(TPoint tilePos) {
  const float cx = static_cast<float>(BoardLeft + 52 * (tilePos.X - 1) + 20);
  const float cy = static_cast<float>(BoardTop + 52 * (tilePos.Y - 1) + 20);
  for (int i = 0; i < PiecesPerLocker; ++i) {
    LastUsed = (LastUsed + 1) % PieceCount;
    TPiece& p = Pieces[LastUsed];
    p = TPiece{};
    p.Active = true;
    // Spread evenly round the tile, a little jitter each.
    const double a = (i * 45 + TGameRandom::Random(30)) * M_PI / 180.0;
    const float speed = 3 + TGameRandom::Random(4);
    p.X = cx;
    p.Y = cy;
    p.SpeedX = static_cast<float>(std::cos(a) * speed);
    p.SpeedY = static_cast<float>(std::sin(a) * speed) - 6;  // thrown upwards first
    p.Angle = static_cast<float>(TGameRandom::Random(360));
    p.Spin = static_cast<float>(8 + TGameRandom::Random(10));
    p.Scale = 0.25f + 0.05f * TGameRandom::Random(3);
    p.Pattern = TGameRandom::Random(2);
  }
}

void TLockerPiecesEffect::UpdateAndDraw() {
  if (!Visible) return;
  for (TPiece& p : Pieces) {
    if (!p.Active) continue;
    p.SpeedY += Gravity;
    p.X += p.SpeedX;
    p.Y += p.SpeedY;
    TMotion::TurnAngle(p.SpeedX >= 0 ? 1 : 0, p.Angle, p.Spin);
    p.Alpha -= FadeStep;
    if (p.Alpha <= 0 || p.Y > 768) {
      p.Active = false;
      continue;
    }
    if (OmgImgList)
      OmgImgList->DrawImage("BrownTile", static_cast<float>(RoundHalfEven(p.X)),
                            static_cast<float>(RoundHalfEven(p.Y)), p.Pattern,
                            {.A = static_cast<std::uint8_t>(p.Alpha), .ScaleX = p.Scale,
                             .ScaleY = p.Scale, .CenterX = 0.5f, .CenterY = 0.5f,
                             .Angle = p.Angle});
  }
}

void TLockerPiecesEffect::Clear() {
  for (TPiece& p : Pieces) p.Active = false;
}

int TLockerPiecesEffect::RunningCount() const {
  int n = 0;
  for (const TPiece& p : Pieces) n += p.Active;
  return n;
}
