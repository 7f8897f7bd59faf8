#include "board/TLockersAwayEffect.h"

#include "board/TBoardTilePainter.h"
#include "board/TShuffleAwayEffect.h"
#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

void TLockersAwayEffect::Start(const TBoardData& board) {
  Board = board;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TFlight& f = Tiles[x - 1][y - 1];
      f = TFlight{};
      f.X = static_cast<float>(BoardLeft + 52 * (x - 1));
      f.Y = static_cast<float>(BoardTop + 52 * (y - 1));
      const TPoint& rim =
          TShuffleAwayEffect::RimPoints[TGameRandom::Random(TShuffleAwayEffect::RimPointCount)];
      f.TargetX = static_cast<float>(rim.X);
      f.TargetY = static_cast<float>(rim.Y);
      TMotion::StraightLineSpeeds(f.X, f.Y, f.TargetX, f.TargetY, 45, f.SpeedX, f.SpeedY);
    }
  Phase = 1;
  PhaseTimer = 0;
}

TPoint TLockersAwayEffect::Target(TPoint p) const {
  const TFlight& f = Tiles[p.X - 1][p.Y - 1];
  return {RoundHalfEven(f.TargetX), RoundHalfEven(f.TargetY)};
}

void TLockersAwayEffect::UpdateAndDraw() {
  if (Phase == 0 || !Visible) return;
  if (Phase == 1) {
    Draw(true);
    PhaseTimer += TickMilliseconds;
    if (PhaseTimer >= FirstShakeTime) {
      if (PlaySound) PlaySound("WhipAway");
      Phase = 2;
      if (OnAboutSpreading) OnAboutSpreading(*this);
    }
    return;
  }
  bool arrived = true;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TFlight& f = Tiles[x - 1][y - 1];
      TMotion::ApproachFloat(f.X, f.TargetX, f.SpeedX);
      TMotion::ApproachFloat(f.Y, f.TargetY, f.SpeedY);
      if (!TBoardTilePainter::IsShown(Board.At(x, y))) continue;
      arrived &= RoundHalfEven(f.X) == RoundHalfEven(f.TargetX) &&
                 RoundHalfEven(f.Y) == RoundHalfEven(f.TargetY);
    }
  Draw(false);
  if (arrived) {
    Phase = 0;
    if (OnFinished) OnFinished(*this);
  }
}

void TLockersAwayEffect::Draw(bool jitter) {
  if (!OmgImgList) return;
  for (int x = BoardColumns; x >= 1; --x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      if (!TBoardTilePainter::IsShown(t)) continue;
      const TFlight& f = Tiles[x - 1][y - 1];
      float jx = jitter ? TGameRandom::Random(3) : 0, jy = jitter ? TGameRandom::Random(2) : 0;
      TBoardTilePainter::Draw(*OmgImgList, t, f.X + jx, f.Y + jy, UniFruitColorIndex);
    }
}
