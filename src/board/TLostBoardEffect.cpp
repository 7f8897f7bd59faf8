#include "board/TLostBoardEffect.h"

#include "board/TBoardTilePainter.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
const int BounceOffsets[13] = {-10, -20, -30, -40, -28, -14, -2, 10, 26, 40, 60, 80, 100};
}

void TLostBoardEffect::Start(const TBoardData& board) {
  Board = board;
  Total = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TDropTile& d = Tiles[x - 1][y - 1];
      d = TDropTile{};
      d.X = static_cast<float>(BoardLeft + 52 * (x - 1));
      d.Y = static_cast<float>(BoardTop + 52 * (y - 1));
      if (!board.At(x, y).IsHole()) {
        d.Stage = lsWaiting;
        ++Total;
      }
    }
  ReleasedCount = 0;
  DialogRaised = false;
  Phase = 1;
  PhaseTimer = 0;
  DropTimer = 0;
}

bool TLostBoardEffect::ReleaseInRow(int row) {
  if (row < 1) return false;
  for (int i = 0; i < 100; ++i) {
    int x = 1 + TGameRandom::Random(BoardColumns);
    TDropTile& d = Tiles[x - 1][row - 1];
    if (d.Stage == lsWaiting) {
      d.Stage = lsFalling;
      ++ReleasedCount;
      return true;
    }
  }
  return false;
}

void TLostBoardEffect::ReleaseTrio() {
  int lowest = BoardRows;
  bool found = false;
  for (int y = BoardRows; y >= 1 && !found; --y)
    for (int x = 1; x <= BoardColumns; ++x) {
      const TBoardTile& t = Board.At(x, y);
      bool decorative = t.ObjectKind == okUnused;
      if (Tiles[x - 1][y - 1].Stage == lsWaiting && !decorative) {
        lowest = y;
        found = true;
        break;
      }
    }
  ReleaseInRow(lowest);
  ReleaseInRow(lowest - 2);
  ReleaseInRow(lowest - 4);
}

void TLostBoardEffect::UpdateAndDraw() {
  if (Phase == 0 || !Visible) return;
  if (Phase == 1) {
    PhaseTimer += TickMilliseconds;
    if (PhaseTimer >= ShakingTime) {
      Phase = 2;
      DropTimer = 0;
      Total = 0;
      for (const auto& column : Tiles)
        for (const TDropTile& d : column) Total += d.Stage == lsWaiting;
    }
  } else {
    DropTimer += TickMilliseconds;
    if (DropTimer >= DroppingTriggerInterval) {
      DropTimer = 0;
      ReleaseTrio();
    }
  }
  for (auto& column : Tiles)
    for (TDropTile& d : column) {
      if (d.Stage == lsFalling) {
        d.Y += 25 + TGameRandom::Random(10);
        if (d.Y >= GroundPosY && OneBounceEveryProb > 0 &&
            TGameRandom::Random(OneBounceEveryProb) == 0) {
          d.Stage = lsBouncing;
          d.BounceFrame = 0;
          d.BounceBaseY = d.Y;
        } else if (d.Y > 768 + 52) {
          d.Stage = lsGone;
        }
      } else if (d.Stage == lsBouncing) {
        if (d.BounceFrame >= 13) {
          d.Stage = lsGone;
        } else {
          d.Y = d.BounceBaseY + BounceOffsets[d.BounceFrame++];
        }
      }
    }
  Draw();
  if (!DialogRaised && Total > 0 && ReleasedCount >= 0.7 * Total) {
    DialogRaised = true;
    if (OnTimeForDialogWindow) OnTimeForDialogWindow(*this);
  }
}

void TLostBoardEffect::Draw() {
  if (!OmgImgList) return;
  for (int x = BoardColumns; x >= 1; --x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TDropTile& d = Tiles[x - 1][y - 1];
      if (d.Stage != lsWaiting && d.Stage != lsFalling && d.Stage != lsBouncing) continue;
      float jx = TGameRandom::Random(3), jy = TGameRandom::Random(3);
      TBoardTilePainter::Draw(*OmgImgList, Board.At(x, y), d.X + jx, d.Y + jy,
                              UniFruitColorIndex);
    }
}
