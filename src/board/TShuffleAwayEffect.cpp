#include "board/TShuffleAwayEffect.h"

#include "board/TBoardTilePainter.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

const TPoint TShuffleAwayEffect::RimPoints[RimPointCount] = {
    {-170, -96}, {-182, 49},  {-175, 195}, {-180, 337}, {-182, 475}, {-180, 620},
    {-173, 763}, {-49, 854},  {177, 861},  {382, 860},  {580, 860},  {775, 863},
    {959, 856},  {1163, 863}, {1341, 858}, {1525, 778}, {1535, 637}, {1533, 495},
    {1532, 370}, {1527, 220}, {1518, 69},  {1510, -70}, {1316, -102}, {1115, -105},
    {898, -104}, {638, -96},  {442, -100}, {235, -92},  {29, -96}};

void TShuffleAwayEffect::Start(const TBoardData& oldBoard, const TBoardData& newBoard) {
  OldBoard = oldBoard;
  NewBoard = newBoard;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TFlight& f = Pos[x - 1][y - 1];
      f = TFlight{};
      f.X = f.TargetX = static_cast<float>(BoardLeft + 52 * (x - 1));
      f.Y = f.TargetY = static_cast<float>(BoardTop + 52 * (y - 1));
    }
  Phase = 1;
  PhaseTimer = 0;
}

void TShuffleAwayEffect::Aim(TFlight& f, float toX, float toY) {
  f.TargetX = toX;
  f.TargetY = toY;
  TMotion::StraightLineSpeeds(f.X, f.Y, toX, toY, 45, f.SpeedX, f.SpeedY);
}

bool TShuffleAwayEffect::MoveAll() {
  bool arrived = true;
  for (auto& column : Pos)
    for (TFlight& f : column) {
      bool ax = TMotion::ApproachFloat(f.X, f.TargetX, f.SpeedX);
      bool ay = TMotion::ApproachFloat(f.Y, f.TargetY, f.SpeedY);
      arrived &= ax && ay;
    }
  return arrived;
}

void TShuffleAwayEffect::UpdateAndDraw() {
  if (Phase == 0) return;
  switch (Phase) {
    case 1:
      Draw(OldBoard, 3, 2);
      PhaseTimer += TickMilliseconds;
      if (PhaseTimer >= FirstShakeTime) {
        if (PlaySound) PlaySound("WhipAway");
        for (int x = 1; x <= BoardColumns; ++x)
          for (int y = 1; y <= BoardRows; ++y) {
            if (!TBoardTilePainter::IsShown(OldBoard.At(x, y))) continue;
            const TPoint& rim = RimPoints[TGameRandom::Random(RimPointCount)];
            Aim(Pos[x - 1][y - 1], static_cast<float>(rim.X), static_cast<float>(rim.Y));
          }
        Phase = 2;
      }
      break;
    case 2: {
      bool arrived = MoveAll();
      Draw(OldBoard, 0, 0);
      if (arrived) {
        for (int x = 1; x <= BoardColumns; ++x)
          for (int y = 1; y <= BoardRows; ++y) {
            TFlight& f = Pos[x - 1][y - 1];
            float homeX = static_cast<float>(BoardLeft + 52 * (x - 1));
            float homeY = static_cast<float>(BoardTop + 52 * (y - 1));
            // A tile of the new board that was not thrown out starts at home.
            if (!TBoardTilePainter::IsShown(OldBoard.At(x, y))) f.X = homeX, f.Y = homeY;
            Aim(f, homeX, homeY);
          }
        Phase = 3;
      }
      break;
    }
    case 3: {
      bool arrived = MoveAll();
      Draw(NewBoard, 3, 2);
      if (arrived) {
        Phase = 4;
        PhaseTimer = 0;
      }
      break;
    }
    case 4:
      Draw(NewBoard, 2, 2);
      PhaseTimer += TickMilliseconds;
      if (PhaseTimer >= SecondShakeTime) {
        Phase = 0;
        if (OnFinished) OnFinished(*this, NewBoard);
      }
      break;
  }
}

void TShuffleAwayEffect::Draw(const TBoardData& board, int jitterX, int jitterY) {
  if (!Visible || !OmgImgList) return;
  for (int x = BoardColumns; x >= 1; --x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = board.At(x, y);
      if (!TBoardTilePainter::IsShown(t)) continue;
      const TFlight& f = Pos[x - 1][y - 1];
      float jx = jitterX > 0 ? TGameRandom::Random(jitterX) : 0;
      float jy = jitterY > 0 ? TGameRandom::Random(jitterY) : 0;
      TBoardTilePainter::Draw(*OmgImgList, t, f.X + jx, f.Y + jy, UniFruitColorIndex);
    }
}
