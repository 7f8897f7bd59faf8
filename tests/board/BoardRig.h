#pragma once
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "board/TGameBoard.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"
#include "support/RecordingScreen.h"

// Boards written as 12 strings of 16 characters, row 1 first:
//   '*' a filler element that never lines up with its neighbours
//   '1'..'9' element 1..9, 'a'..'i' element 10..18 ('h' potion 1, 'i' potion 2)
//   'A' 'B' 'C' locker of colour 1..3 (filler element inside)
//   'U' uni bubble, 'H' hammer, 'M' multi bubble
//   '.' hole, '_' decorative empty tile, '#' blocker, ' ' blank (okTempBlank)
inline int FillerColour(int x, int y) { return 5 + ((x + 2 * y) % 4); }

inline TBoardData MakeBoard(const std::vector<std::string>& rows) {
  TBoardData b{};
  for (int y = 1; y <= BoardRows; ++y)
    for (int x = 1; x <= BoardColumns; ++x) {
      char c = y <= static_cast<int>(rows.size()) && x <= static_cast<int>(rows[y - 1].size())
                   ? rows[y - 1][x - 1]
                   : '*';
      TBoardTile& t = b.At(x, y);
      t = TBoardTile{};
      t.ObjectKind = okFruit;
      t.LockerColor = 1;
      t.BlasterColor = 1;
      t.Element = static_cast<std::uint8_t>(FillerColour(x, y));
      if (c >= '1' && c <= '9') t.Element = static_cast<std::uint8_t>(c - '0');
      else if (c >= 'a' && c <= 'i') t.Element = static_cast<std::uint8_t>(10 + c - 'a');
      else if (c >= 'A' && c <= 'C') {
        t.ObjectKind = okLocker;
        t.LockerColor = static_cast<std::uint8_t>(1 + c - 'A');
      } else if (c == 'U') t.Element = ecUniBubble;
      else if (c == 'H') t.Element = ecHammer;
      else if (c == 'M') t.Element = ecMultiBubble;
      else if (c == '.') t.ObjectKind = okUnused;
      else if (c == '_') {
        t.ObjectKind = okUnused;
        t.BackgroundVariant = 1;
      } else if (c == '#') t.ObjectKind = okBlocker;
      else if (c == ' ') t.ObjectKind = okTempBlank;
    }
  return b;
}

// A board with every event recorded.
struct BoardRig {
  TGameBoard board;
  std::vector<std::string> log;
  std::vector<TSwappedObjectsData> swaps;
  std::vector<bool> swapMatches;
  std::vector<TSimpleObjectArray> grouped;
  std::vector<bool> groupedCombos;
  std::vector<TSimpleObjectArray> opened;
  std::vector<std::pair<TPoint, int>> chains;
  std::vector<TPoint> webs;
  std::vector<std::string> sounds;
  int elementChecks = 0, lockerChecks = 0, noMoreMoves = 0, timerResets = 0;

  BoardRig() {
    TGameRandom::SetSeed(20261209);
    board.OnSwapEffectRequest = [this](TGameBoard&, TSwappedObjectsData d, bool m) {
      swaps.push_back(d);
      swapMatches.push_back(m);
      log.push_back("swap");
    };
    board.OnGroupedElementsEffectRequest = [this](TGameBoard&, TBoardData, TSimpleObjectArray g,
                                                  bool combos, bool) {
      grouped.push_back(g);
      groupedCombos.push_back(combos);
      log.push_back("grouped");
    };
    board.OnOpeningLockersEffectRequest = [this](TGameBoard&, TBoardData, TSimpleObjectArray m) {
      opened.push_back(m);
      ++lockerChecks;
    };
    board.OnRemoveLockerFrames = [this](TGameBoard&, TSimpleObjectArray) { ++elementChecks; };
    board.OnChainLockEffectRequest = [this](TGameBoard&, TPoint p, std::uint8_t level) {
      chains.push_back({p, level});
    };
    board.OnWebEffectRequest = [this](TGameBoard&, TPoint p) { webs.push_back(p); };
    board.OnNoMoreMoves = [this](TGameBoard&) { ++noMoreMoves; };
    board.OnNoMatchTimerReset = [this](TGameBoard&) { ++timerResets; };
    board.OnManualMatch = [this](TGameBoard&) { log.push_back("manual"); };
    board.OnTimeToDrawBoardBorder = [this](TGameBoard&) { log.push_back("border"); };
    board.OnTimeToDrawLockerFrames = [this](TGameBoard&) { log.push_back("frames"); };
    board.PlaySound = [this](const std::string& n) { sounds.push_back(n); };
  }
  void Load(const std::vector<std::string>& rows) {
    board.Reset();
    board.LoadBoard(MakeBoard(rows));
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) board.UpdateAndDraw();
  }
  const TBoardTile& T(int x, int y) const { return board.Tile({x, y}); }
  TTileState S(int x, int y) const { return board.TileState({x, y}); }
};

// An image list over a recording back end; every quad is traced back to its picture.
struct DrawRig : RecordingScreen {
  struct TDrawn {
    std::string Name;
    int Pattern;
    float X, Y;
    int Alpha;
    int Blend;
    int R, G, B;
  };

  DrawRig() {
    Add("ElementsInside", 18, 1);
    Add("BubbleInside", 16, 1);
    Add("BackgroundTile", 2, 1);
    Add("ChainLock", 5, 2);
    Add("Web", 6, 1);
    Add("TileSelection", 2, 1);
    Add("ToolHighlight", 18, 1);
    Add("ElementsFlashHorz", 9, 2);
    Add("ElementsFlashVert", 18, 1);
  }
  // A board-sized picture: tiles of 52 x 52.
  void Add(const std::string& name, int cols, int rows) { AddBlank(name, 52, 52, cols, rows); }
  std::vector<TDrawn> Take() {
    std::vector<TDrawn> out;
    for (const auto& q : backend.Quads) {
      const TRenderVertex& c = q.Corners[0];
      std::string n = names[q.Texture];
      auto [cols, rows] = grids[n];
      int col = static_cast<int>(std::lround(c.U * cols));
      int row = static_cast<int>(std::lround(c.V * rows));
      out.push_back({n, row * cols + col, c.X, c.Y, c.A, q.BlendMode, c.R, c.G, c.B});
    }
    backend.Quads.clear();
    return out;
  }
};
