// Drawing of the board, the ripple grid and the landing bounces.
#include <algorithm>
#include <cstdlib>

#include "board/TGameBoard.h"
#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
// Tiles around a centre with max(|dx|, |dy|) <= k and |dx| + |dy| <= k + 1.
bool InDiamondSquare(int dx, int dy, int k) {
  int ax = std::abs(dx), ay = std::abs(dy);
  return std::max(ax, ay) <= k && ax + ay <= k + 1;
}
}  // namespace

void TGameBoard::AdvanceRipples() {
  RippleTimer = std::min(RippleTimer + TickMilliseconds, 500);
  if (RippleTimer < 500) return;
  for (auto& column : Ripple)
    for (int& r : column)
      if (r > 0) --r;
}

void TGameBoard::ApplyBigRipple(TPoint c) {
  static const int Levels[] = {3, 5, 6, 7};  // for D(4), D(3), D(2), D(1)
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      int level = 2;
      for (int k = 4; k >= 1; --k)
        if (InDiamondSquare(x - c.X, y - c.Y, k)) level = Levels[4 - k];
      Ripple[x - 1][y - 1] = level;
    }
  RippleTimer = 0;
}

void TGameBoard::ApplySmallRipple(TPoint c) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      int level = 1;
      if (InDiamondSquare(x - c.X, y - c.Y, 3)) level = 2;
      if (InDiamondSquare(x - c.X, y - c.Y, 1)) level = 3;
      Ripple[x - 1][y - 1] = level;
    }
  RippleTimer = 0;
}

void TGameBoard::StartLandingBounce(int column) {
  for (int y = 0; y < BoardRows; ++y) Bounce[column - 1][y] = {0, -2, 2, bsIncreasing};
}

int TGameBoard::BounceOffset(TPoint p) const {
  return RoundHalfEven(Bounce[p.X - 1][p.Y - 1].Offset);
}

void TGameBoard::AdvanceBounces() {
  for (auto& column : Bounce)
    for (TBounce& b : column) {
      if (b.State == bsStill) continue;
      double step = 0.23 * (b.Upper - b.Lower);
      if (b.State == bsIncreasing) {
        b.Offset += step;
        if (b.Offset >= b.Upper) {
          b.Offset = b.Upper;
          b.State = bsDecreasing;
          b.Lower += 0.77;
        }
      } else {
        b.Offset -= step;
        if (b.Offset <= b.Lower) {
          b.Offset = b.Lower;
          b.State = bsIncreasing;
          b.Upper -= 0.77;
        }
      }
      if (b.Lower > b.Upper) {
        b.State = bsStill;
        b.Offset = 0;
      }
    }
}

void TGameBoard::DrawBackgroundTiles() {
  if (!OmgImgList) return;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      if (t.IsHole()) continue;
      TPoint s = TileScreenPos({x, y});
      OmgImgList->DrawImage("BackgroundTile", s.X - 2, s.Y - 2, t.BackgroundVariant ? 1 : 0);
    }
}

void TGameBoard::DrawElementImage(const TBoardTile& t, float x, float y) {
  if (t.Element == ecUniBubble) {
    float s = UniSquash.Value;
    OmgImgList->DrawImage("BubbleInside", x, y, UniColorIdx - 1,
                          {.ScaleX = 1 + s, .ScaleY = 1 - s, .CenterX = 0.5f, .CenterY = 0.5f});
  } else if (t.Element >= 1 && t.Element <= ecPotion2) {
    OmgImgList->DrawImage("ElementsInside", x, y, t.Element - 1);
  }
  // Items have no picture of their own in the element sheet.
}

void TGameBoard::DrawElements() {
  UniSquash.Step();
  PotionGlow.Step();
  if (ToolHighlightAlpha < 120) ToolHighlightAlpha = std::min(ToolHighlightAlpha + 20, 120);
  if (!OmgImgList) return;
  const int glow = RoundHalfEven(PotionGlow.Value);
  for (int x = BoardColumns; x >= 1; --x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      if (t.ObjectKind != okFruit) continue;
      TTileState s = StateAt(x, y);
      if (s == tsSwapping || s == tsGrouping || s == tsStruck) continue;
      if (Reveal[x - 1][y - 1].Active) continue;
      if (HintShown && HintMarks[x - 1][y - 1]) continue;
      TPoint pos = TileScreenPos({x, y});
      int px = pos.X, py = pos.Y + BounceOffset({x, y});
      if (s == tsFalling) py += t.FallOffset;
      int level = Ripple[x - 1][y - 1];
      if (level > 0) {
        int jitter = TGameRandom::Random(level);
        px += jitter;
        py += jitter;
      }
      DrawElementImage(t, px, py);
      if (IsPotionCode(t.Element))
        OmgImgList->DrawImage("ElementsInside", px, py, t.Element - 1,
                              {.B = 0, .A = static_cast<std::uint8_t>(glow), .Blend = bmAdditive});
      if (ToolMarks[x - 1][y - 1] && ToolHighlightAlpha >= 0 && t.Element >= 1 &&
          t.Element <= ecPotion2)
        OmgImgList->DrawImage("ToolHighlight", px - 2, py - 2, t.Element - 1,
                              {.A = static_cast<std::uint8_t>(ToolHighlightAlpha)});
    }
}

void TGameBoard::DrawReveals() {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TReveal& r = Reveal[x - 1][y - 1];
      if (!r.Active) continue;
      ++r.Counter;
      TTileState s = StateAt(x, y);
      if (OmgImgList && s != tsSwapping && s != tsStruck) {
        const TBoardTile& t = Board.At(x, y);
        TPoint pos = TileScreenPos({x, y});
        int py = pos.Y + BounceOffset({x, y}) + (s == tsFalling ? t.FallOffset : 0);
        DrawElementImage(t, pos.X, py);
      }
      if (r.Counter > 19) {
        r = TReveal{};
        PendingCombos = true;
        CheckElementMatches();
      }
    }
}

void TGameBoard::DrawChainsAndWebs(bool webs) {
  if (!OmgImgList) return;
  for (int x = BoardColumns; x >= 1; --x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      if (!t.IsLockerOrElement()) continue;
      if (webs ? t.Web == 0 : t.ChainLevel == 0) continue;
      TPoint pos = TileScreenPos({x, y});
      int py = pos.Y + BounceOffset({x, y});
      if (StateAt(x, y) == tsFalling) py += t.FallOffset;
      if (webs) {
        OmgImgList->DrawImage("Web", pos.X - 1, py - 2, 0);
      } else {
        OmgImgList->DrawImage("ChainLock", pos.X - 2, py - 2, 0);
        if (t.ChainLevel == 2) OmgImgList->DrawImage("ChainLock", pos.X - 2, py - 2, 5);
      }
    }
}

void TGameBoard::DrawSelection() {
  SelectionAlpha.Step();
  if (!SelectionActiveFlag || !OmgImgList || !InBoardGrid(SelectedPosition)) return;
  TPoint pos = TileScreenPos(SelectedPosition);
  int py = pos.Y + BounceOffset(SelectedPosition);
  OmgImgList->DrawImage("TileSelection", pos.X - 1, py - 2, SelectionStyleValue,
                        {.A = static_cast<std::uint8_t>(SelectionAlpha.RoundedValue())});
}
