#include "levels/TLevelParams.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "levels/TResultMedal.h"
#include "platform/TFileSystem.h"

TLevelParams::TLevelParams() { ResetReplayMemory(); }

void TLevelParams::ResetReplayMemory() {
  for (std::uint8_t& pick : ReplayPick) pick = 0;
}

int TLevelParams::LastReplayPick(int island) const {
  return island >= 1 && island <= IslandCount ? ReplayPick[island] : 0;
}

std::string TLevelParams::LevelFileName(int island, int number) {
  char name[48];
  std::snprintf(name, sizeof name, "Level%d-%2.2d.eil", island, number);
  return name;
}

int TLevelParams::ChooseLevelNumber(int island, int level) {
  const int last = LastLevelOfIsland[island];
  const int first = FirstReplayLevelOfIsland[island];
  int chosen = level;
  if (level > last) {
    // Bounded: after 100 equal draws the last one stands.
    for (int i = 0; i < 100; ++i) {
      chosen = first + TGameRandom::Random(last - first + 1);
      if (chosen != ReplayPick[island]) break;
    }
  }
  ReplayPick[island] = static_cast<std::uint8_t>(chosen);
  return chosen;
}

void TLevelParams::Fail(const std::string& message) {
  if (OnLoadError) OnLoadError(*this, message);
}

bool TLevelParams::LoadLevel(int island, int level) {
  // Out-of-range requests would index past the island tables.
  island = std::clamp(island, 1, IslandCount);
  level = std::max(level, 1);
  Island = island;
  LevelNumber = 1;
  LevelNumber = ChooseLevelNumber(island, level);
  FileName = LevelFileName(island, LevelNumber);
  const std::string path = LevelFilesPath + FileName;

  if (!TFileSystem::FileExists(path)) {
    Fail("Level file not found: " + path);
    return false;
  }
  // Only the first record counts; whatever follows it is never read.
  std::string problem;
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes(TLevelFileRecord::ByteSize);
  if (!in) {
    problem = "the file cannot be read";
  } else {
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (CurrentRecord.FromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                static_cast<std::size_t>(in.gcount()), problem))
      return true;
  }
  Fail("Level file damaged: " + path + " (" + problem + ")");
  return false;
}

TPoint TLevelParams::BoardPlacement(const TBoardData& board) {
  int firstCol = 0, lastCol = 0, firstRow = 0, lastRow = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (board.At(x, y).IsHole()) continue;
      if (!firstCol) firstCol = x;
      lastCol = x;
      if (!firstRow || y < firstRow) firstRow = y;
      lastRow = std::max(lastRow, y);
    }
  // A board of holes only has no used part: it keeps the full board's place.
  if (!firstCol) return {266, 95};
  return {RoundHalfEven((17 - lastCol - firstCol) / 2.0 * 52 + 266),
          RoundHalfEven((13 - lastRow - firstRow) / 2.0 * 52 + 95)};
}


TLevelSetup TLevelParams::Setup(bool goldTileUpgradeOwned, bool potionUpgradeOwned) const {
  const TLevelFileRecord& r = CurrentRecord;
  TLevelSetup s;
  s.GameObjective = r.GameObjective;

  s.TargetBananas = r.TargetBananas;
  s.TargetStrawberries = r.TargetStrawberries;
  s.TargetApples = r.TargetApples;
  s.TargetGrapes = r.TargetGrapes;
  s.TargetOranges = r.TargetOranges;
  s.TargetPlums = r.TargetPlums;
  s.TargetCherries = r.TargetCherries;
  s.TargetGuavas = r.TargetGuavas;
  s.TargetFlowers1 = r.TargetFlowers1;
  s.TargetFlowers2 = r.TargetFlowers2;
  s.TargetFlowers3 = r.TargetFlowers3;
  s.TargetFlowers4 = r.TargetFlowers4;
  s.TargetSpiders = r.TargetSpiders;

  s.TileKind = goldTileUpgradeOwned ? tkUpgraded : tkStandard;
  int goldLayers = 0, potions = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      goldLayers += r.GoldTileLayers.At(x, y);
      if (r.PotionCells.At(x, y) != 0) {
        ++potions;
        s.PotionCells.Set(x, y);
      }
      if (r.Board.At(x, y).Web != 0) s.WebCells.Set(x, y);
    }
  (goldTileUpgradeOwned ? s.TargetGoldTiles2 : s.TargetGoldTiles1) = goldLayers;
  (potionUpgradeOwned ? s.TargetPotions2 : s.TargetPotions1) = potions;
  s.PotionElement = potionUpgradeOwned ? ecPotion2 : ecPotion1;

  s.ElementSet = r.ElementSet;
  s.Board = r.Board;
  s.GoldTileLayers = r.GoldTileLayers;
  s.BoardPlacement = BoardPlacement(r.Board);

  s.Time = r.Time;
  s.SilverReqTime = TResultMedal::SilverTimeFor(r.Time);
  s.GoldReqTime = TResultMedal::GoldTimeFor(r.Time);

  s.FruitsInterval = r.FruitsInterval;
  s.MaxSpidersOnBoard = r.MaxSpidersOnBoard;
  s.MaxWebs = r.MaxWebs;
  s.OneWebEveryProb = r.OneWebEveryProb;

  s.OneUniFruitEveryInterval = r.OneUniFruitEveryInterval;
  s.MaxUniFruitOnBoard = r.MaxUniFruitOnBoard;
  s.FullRequiredFruits = r.FullRequiredFruits;

  s.BossIsland = Island;
  s.Energy = r.Energy;
  s.RefTimeForAbsorbAttempt = r.RefTimeForAbsorbAttempt;
  s.HitsToCancelAbsorbAttempt = r.HitsToCancelAbsorbAttempt;
  s.OneAbsorbedTime = r.OneAbsorbedTime;
  s.PreparingTime = r.PreparingTime;
  s.AbsorbingTime = r.AbsorbingTime;
  s.FinishingTime = r.FinishingTime;

  char picture[48];
  if (r.GameObjective == goBossMode)
    std::snprintf(picture, sizeof picture, "Boss%d.png", Island);
  else
    std::snprintf(picture, sizeof picture, "Level%d-%2.2d.png", Island, LevelNumber);
  s.BoardPictureName = picture;

  s.BonusElementKind = r.BonusElementKind;
  s.BonusElementCount = r.BonusElementCount;
  return s;
}
