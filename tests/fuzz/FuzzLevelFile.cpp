// Level files: a file is either refused with a message or gives a record whose every value
// the round can take; then the round start is played through the board with it.
#include <filesystem>

#include "FuzzTarget.h"
#include "board/TGameBoard.h"
#include "engine/TGameRandom.h"
#include "levels/TLevelParams.h"

namespace {
std::string Bytes(const TLevelFileRecord& r) {
  return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

TLevelFileRecord Level(int firstCol, int lastCol, int firstRow, int lastRow) {
  TLevelFileRecord r = TLevelFileRecord::Blank();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& t = r.Board.At(x, y);
      bool used = x >= firstCol && x <= lastCol && y >= firstRow && y <= lastRow;
      t.ObjectKind = used ? okFruit : okUnused;
      t.Element = static_cast<std::uint8_t>(used ? 1 + (x + 2 * y) % 5 : 0);
    }
  r.ElementSet = TElementSet::Range(1, 5);
  r.Time = 300;
  r.TargetApples = 20;
  r.FruitsInterval = r.OneWebEveryProb = r.FullRequiredFruits = 60;
  return r;
}
}  // namespace

std::vector<std::string> FuzzSeeds() {
  TLevelFileRecord plain = Level(1, 16, 1, 12);
  TLevelFileRecord decorated = Level(3, 14, 2, 11);
  decorated.Board.At(5, 5).ObjectKind = okLocker;
  decorated.Board.At(5, 5).LockerColor = 2;
  decorated.Board.At(6, 6).Web = 1;
  decorated.Board.At(7, 7).ChainLevel = 2;
  decorated.Board.At(8, 8).ObjectKind = okBlocker;
  decorated.Board.At(9, 9).Element = ecUniBubble;
  decorated.GoldTileLayers.At(4, 4) = 2;
  decorated.PotionCells.At(10, 3) = 1;
  decorated.ElementSet = TElementSet::Range(1, 16);
  TLevelFileRecord boss = Level(2, 15, 1, 12);
  boss.GameObjective = goBossMode;
  boss.Energy = 30;
  boss.OneAbsorbedTime = 10;
  boss.PreparingTime = boss.AbsorbingTime = boss.FinishingTime = 2000;
  boss.BonusElementKind = elFlower;
  boss.BonusElementCount = 5;
  return {Bytes(plain), Bytes(decorated), Bytes(boss) + "trailing", Bytes(plain).substr(0, 4000)};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = FuzzScratchFolder() + "Levels/";
  static const bool made = std::filesystem::create_directories(folder);
  FUZZ_CHECK(made || std::filesystem::is_directory(folder));
  // Island and level from the first byte, so every file name and replay path is met.
  const int island = size ? 1 + data[0] % 5 : 1;
  const int level = size ? 1 + (data[0] / 5) % 20 : 1;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    std::filesystem::remove(e.path());

  TGameRandom::SetSeed(size ? data[size - 1] : 0);
  TLevelParams params;
  params.LevelFilesPath = folder;
  std::string message;
  params.OnLoadError = [&message](TLevelParams&, const std::string& m) { message = m; };
  // Write the file the choice will land on: choose once to learn the name.
  {
    TLevelParams probe;
    probe.LevelFilesPath = folder;
    probe.OnLoadError = [](TLevelParams&, const std::string&) {};
    TGameRandom::SetSeed(size ? data[size - 1] : 0);
    probe.LoadLevel(island, level);
    FuzzWriteFile(folder + probe.LoadedFileName(), data, size);
  }
  TGameRandom::SetSeed(size ? data[size - 1] : 0);
  const bool loaded = params.LoadLevel(island, level);
  FUZZ_CHECK(loaded == message.empty());
  if (!loaded) {
    // The previous (here: the blank) record stays.
    FUZZ_CHECK(Bytes(params.Record()) == Bytes(TLevelFileRecord::Blank()));
    return 0;
  }
  FUZZ_CHECK(size >= TLevelFileRecord::ByteSize);
  TLevelFileRecord again = params.Record();
  FUZZ_CHECK(again.ClampValues() == 0);  // clamped once is clamped for good

  for (int upgrades = 0; upgrades < 4; ++upgrades) {
    TLevelSetup s = params.Setup(upgrades & 1, upgrades & 2);
    FUZZ_CHECK(s.Time >= 0 && s.Time <= 3600);
    FUZZ_CHECK(s.SilverReqTime >= 0 && s.SilverReqTime <= s.Time);
    FUZZ_CHECK(s.GoldReqTime >= 0 && s.GoldReqTime <= s.SilverReqTime);
    FUZZ_CHECK(s.TargetGoldTiles1 >= 0 && s.TargetGoldTiles1 <= 2 * 192);
    FUZZ_CHECK(s.TargetGoldTiles2 >= 0 && s.TargetGoldTiles2 <= 2 * 192);
    FUZZ_CHECK(s.TargetPotions1 + s.TargetPotions2 <= 192);
    FUZZ_CHECK(s.FullRequiredFruits >= 1);
    FUZZ_CHECK(s.BossIsland == island);
    // The used part of the board stays on the screen.
    FUZZ_CHECK(s.BoardPlacement.X >= 266 - 15 * 26 && s.BoardPlacement.X <= 266 + 15 * 26);
    FUZZ_CHECK(s.BoardPlacement.Y >= 95 - 11 * 26 && s.BoardPlacement.Y <= 95 + 11 * 26);
  }

  // The round start, as the shell does it, then a few seconds of play with some clicks.
  TLevelSetup s = params.Setup(size % 2, size % 3 == 0);
  TGameBoard board;
  board.Left = s.BoardPlacement.X;
  board.Top = s.BoardPlacement.Y;
  board.OneUniFruitEveryInterval = s.OneUniFruitEveryInterval;
  board.MaxUniFruitOnBoard = s.MaxUniFruitOnBoard;
  board.Reset();
  board.SetAvailableElements(s.ElementSet);
  board.LoadBoard(s.Board);
  board.FillRandom();
  TBoardData dealt = board.BoardData();
  board.GenerateShuffledBoard(dealt);
  board.LoadBoard(dealt);
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (s.WebCells.IsSet(x, y)) board.TryPutWeb({x, y});
  for (int frame = 0; frame < 100; ++frame) {
    if (frame % 10 == 5) {
      int x = 1 + static_cast<int>(data[(frame * 7) % size]) % BoardColumns;
      int y = 1 + static_cast<int>(data[(frame * 13) % size]) % BoardRows;
      board.TileClick({x, y});
    }
    board.UpdateAndDraw();
  }
  return 0;
}
