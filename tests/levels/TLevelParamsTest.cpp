#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>
#include <utility>

#include "engine/TGameRandom.h"
#include "levels/TLevelParams.h"
#include "platform/TFileSystem.h"
#include "support/TempDir.h"

namespace {

// A playable record: tiles in columns c1..c2 and rows r1..r2, holes elsewhere.
TLevelFileRecord MakeLevel(int c1 = 1, int c2 = 16, int r1 = 1, int r2 = 12, int time = 300) {
  TLevelFileRecord r = TLevelFileRecord::Blank();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (x < c1 || x > c2 || y < r1 || y > r2) r.Board.At(x, y).ObjectKind = okUnused;
      else r.Board.At(x, y).ObjectKind = okFruit;
  r.ElementSet = TElementSet::Range(1, 5);
  r.Time = time;
  r.TargetApples = 20;
  r.FruitsInterval = r.OneWebEveryProb = r.FullRequiredFruits = 60;
  return r;
}

std::string Bytes(const TLevelFileRecord& r) {
  return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

struct LevelFolder {
  TempDir dir;
  TLevelParams params;
  std::vector<std::string> messages;
  LevelFolder() {
    params.LevelFilesPath = dir.Str();
    params.OnLoadError = [this](TLevelParams&, const std::string& m) { messages.push_back(m); };
    TGameRandom::SetSeed(777);
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir.File(name), std::ios::binary) << bytes;
  }
  // Every designed level, each with its own time so that loads can be told apart.
  void WriteAll() {
    for (int island = 1; island <= 5; ++island)
      for (int n = 1; n <= TLevelParams::LastLevelOfIsland[island]; ++n)
        Write(TLevelParams::LevelFileName(island, n), Bytes(MakeLevel(1, 16, 1, 12, 100 * island + n)));
  }
};

}  // namespace

TEST(LevelParams, LaterLevelsReplayTheUpperRangeNeverTwiceInARowPerIsland) {
  LevelFolder f;
  f.WriteAll();
  ASSERT_TRUE(f.params.LoadLevel(1, 12));
  EXPECT_EQ(f.params.LoadedFileName(), "Level1-12.eil");
  EXPECT_EQ(f.params.Record().Time, 112);
  EXPECT_EQ(TLevelParams::LevelFileName(2, 120), "Level2-120.eil");

  for (int island = 1; island <= 5; ++island) {
    std::set<int> seen;
    int previous = 0;
    for (int i = 0; i < 60; ++i) {
      ASSERT_TRUE(f.params.LoadLevel(island, 40));
      const int n = f.params.LoadedLevelNumber();
      ASSERT_NE(n, previous) << "island " << island;
      EXPECT_EQ(f.params.Record().Time, 100 * island + n);
      previous = n;
      seen.insert(n);
    }
    EXPECT_EQ(*seen.begin(), TLevelParams::FirstReplayLevelOfIsland[island]);
    EXPECT_EQ(*seen.rbegin(), TLevelParams::LastLevelOfIsland[island]);
  }
  // Requests outside the islands and levels stay inside.
  EXPECT_TRUE(f.params.LoadLevel(9, -4));
  EXPECT_EQ(f.params.LoadedFileName(), "Level5-01.eil");
  EXPECT_TRUE(f.messages.empty());
}

TEST(LevelParams, ANewPlayerMayMeetTheLastReplayAgain) {
  LevelFolder f;
  f.WriteAll();
  ASSERT_TRUE(f.params.LoadLevel(3, 20));
  const int onThree = f.params.LoadedLevelNumber();
  ASSERT_TRUE(f.params.LoadLevel(2, 20));
  EXPECT_EQ(f.params.LastReplayPick(3), onThree);  // islands keep their own memory

  int repeats = 0;
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(f.params.LoadLevel(1, 13));
    const int before = f.params.LoadedLevelNumber();
    f.params.ResetReplayMemory();
    ASSERT_TRUE(f.params.LoadLevel(1, 13));
    repeats += f.params.LoadedLevelNumber() == before;
  }
  EXPECT_GT(repeats, 20);  // about one in four of the range 9..12
  EXPECT_LT(repeats, 90);
}

TEST(LevelParams, MissingShortOrForeignFilesAreReportedAndThePreviousRecordStays) {
  LevelFolder f;
  EXPECT_EQ(Bytes(f.params.Record()), std::string(TLevelFileRecord::ByteSize, '\0'));
  f.Write("Level1-01.eil", Bytes(MakeLevel(1, 16, 1, 12, 180)));
  ASSERT_TRUE(f.params.LoadLevel(1, 1));

  EXPECT_FALSE(f.params.LoadLevel(2, 5));
  ASSERT_EQ(f.messages.size(), 1u);
  EXPECT_EQ(f.messages[0], "Level file not found: " + f.dir.Str() + "Level2-05.eil");
  EXPECT_EQ(f.params.LoadedFileName(), "Level2-05.eil");  // chosen before it is looked for

  TLevelFileRecord foreign = MakeLevel();
  foreign.GameObjective = static_cast<TGameObjective>(7);
  TLevelFileRecord strangeTile = MakeLevel();
  strangeTile.Board.At(4, 4).ObjectKind = static_cast<TTileObjectKind>(9);
  f.Write("Level1-02.eil", Bytes(MakeLevel()).substr(0, 4000));
  f.Write("Level1-03.eil", Bytes(foreign));
  f.Write("Level1-04.eil", Bytes(strangeTile));
  f.Write("Level1-05.eil", Bytes(MakeLevel(1, 0, 1, 0)));  // holes only
  f.Write("Level1-06.eil", "");
  for (int n = 2; n <= 6; ++n) {
    EXPECT_FALSE(f.params.LoadLevel(1, n)) << n;
    EXPECT_EQ(f.params.Record().Time, 180) << n;
    EXPECT_EQ(f.messages.back().rfind("Level file damaged: ", 0), 0u) << f.messages.back();
  }
  // Bytes after the first record are ignored.
  f.Write("Level1-07.eil", Bytes(MakeLevel(1, 16, 1, 12, 90)) + std::string(500, '\x7f'));
  EXPECT_TRUE(f.params.LoadLevel(1, 7));
  EXPECT_EQ(f.params.Record().Time, 90);
}

TEST(LevelFileRecord, ValuesTheRoundCannotTakeAreClamped) {
  TLevelFileRecord r = MakeLevel(2, 15);
  r.TargetBananas = -5;
  r.ElementSet.Include(0);
  r.ElementSet.Include(200);
  r.Time = -30;
  r.GoldTileLayers.At(3, 3) = 7;
  r.GoldTileLayers.At(1, 1) = 1;  // on a hole: could never be cleared
  r.PotionCells.At(16, 2) = 1;    // likewise
  r.MaxSpidersOnBoard = 99;
  r.FullRequiredFruits = 0;
  r.BonusElementKind = static_cast<TElementKind>(12);
  r.BonusElementCount = 40;
  EXPECT_GT(r.ClampValues(), 0);
  EXPECT_EQ(r.TargetBananas, 0);
  EXPECT_EQ(r.ElementSet, TElementSet::Range(1, 5));
  EXPECT_EQ(r.Time, 0);
  EXPECT_EQ(r.GoldTileLayers.At(3, 3), 2);
  EXPECT_EQ(r.GoldTileLayers.At(1, 1) + r.PotionCells.At(16, 2), 0);
  EXPECT_EQ(r.MaxSpidersOnBoard, 20);
  EXPECT_EQ(r.FullRequiredFruits, 1);
  EXPECT_EQ(r.BonusElementCount, 0);
  EXPECT_EQ(r.Energy, 0);  // creature values matter in boss rounds only
  EXPECT_EQ(r.ClampValues(), 0);

  r.GameObjective = goBossMode;
  r.Time = 100;
  r.OneAbsorbedTime = 500;
  r.ClampValues();
  EXPECT_EQ(r.Energy, 1);
  EXPECT_EQ(r.OneAbsorbedTime, 100);
}

TEST(LevelParams, PlacementCentresTheUsedPartAndMedalTimesRoundHalvesToEven) {
  auto at = [](const TLevelFileRecord& r) { return TLevelParams::BoardPlacement(r.Board); };
  EXPECT_EQ(at(MakeLevel(3, 14, 2, 11)), (TPoint{266, 95}));
  EXPECT_EQ(at(MakeLevel(1, 12, 1, 12)), (TPoint{370, 95}));
  EXPECT_EQ(at(MakeLevel(1, 13, 4, 12)), (TPoint{344, 17}));
  EXPECT_EQ(at(MakeLevel(1, 0, 1, 0)), (TPoint{266, 95}));  // nothing used
  TLevelFileRecord r = MakeLevel(5, 10, 5, 10);
  r.Board.At(16, 12).BackgroundVariant = 1;  // a decorative empty tile is board area
  EXPECT_EQ(at(r), (TPoint{162, -9}));
}

TEST(LevelParams, SetupCountsGoldAndPotionsIntoTheTargetsTheUpgradesChoose) {
  LevelFolder f;
  TLevelFileRecord r = MakeLevel(1, 12, 1, 12, 250);
  r.GoldTileLayers.At(2, 2) = 2;
  r.GoldTileLayers.At(3, 2) = 1;
  r.PotionCells.At(6, 1) = r.PotionCells.At(7, 1) = 1;
  r.Board.At(8, 8).Web = 1;
  f.Write("Level2-07.eil", Bytes(r));
  TLevelFileRecord boss = MakeLevel();
  boss.GameObjective = goBossMode;
  boss.Energy = 40;
  f.Write("Level4-03.eil", Bytes(boss));

  ASSERT_TRUE(f.params.LoadLevel(2, 7));
  TLevelSetup plain = f.params.Setup(false, false);
  EXPECT_EQ(plain.TileKind, tkStandard);
  EXPECT_EQ(std::make_pair(plain.TargetGoldTiles1, plain.TargetGoldTiles2), std::make_pair(3, 0));
  EXPECT_EQ(std::make_pair(plain.TargetPotions1, plain.TargetPotions2), std::make_pair(2, 0));
  EXPECT_EQ(plain.PotionElement, ecPotion1);
  EXPECT_EQ(plain.PotionCells.Count(), 2);
  EXPECT_TRUE(plain.WebCells.IsSet(8, 8));
  EXPECT_EQ(plain.BoardPlacement, (TPoint{370, 95}));
  EXPECT_EQ(std::make_pair(plain.SilverReqTime, plain.GoldReqTime), std::make_pair(162, 100));
  EXPECT_EQ(plain.BoardPictureName, "Level2-07.png");

  TLevelSetup upgraded = f.params.Setup(true, true);
  EXPECT_EQ(upgraded.TileKind, tkUpgraded);
  EXPECT_EQ(std::make_pair(upgraded.TargetGoldTiles1, upgraded.TargetGoldTiles2), std::make_pair(0, 3));
  EXPECT_EQ(std::make_pair(upgraded.TargetPotions1, upgraded.TargetPotions2), std::make_pair(0, 2));
  EXPECT_EQ(upgraded.PotionElement, ecPotion2);

  ASSERT_TRUE(f.params.LoadLevel(4, 3));
  TLevelSetup b = f.params.Setup(false, false);
  EXPECT_EQ(b.BossIsland, 4);
  EXPECT_EQ(b.Energy, 40);
  EXPECT_EQ(b.BoardPictureName, "Boss4.png");
}

// The level files the content generator installed beside this test program.
TEST(InstalledLevelFiles, EveryDesignedLevelLoadsWithSaneValues) {
  const std::string folder = TFileSystem::ExecutableFolder() + "Levels/";
  if (!TFileSystem::DirectoryExists(folder)) GTEST_SKIP() << "no generated levels in " << folder;
  TLevelParams params;
  params.LevelFilesPath = folder;
  for (int island = 1; island <= 5; ++island)
    for (int n = 1; n <= TLevelParams::LastLevelOfIsland[island]; ++n) {
      const std::string id = std::to_string(island) + "-" + std::to_string(n);
      std::string bytes;
      ASSERT_TRUE(TFileSystem::ReadFile(folder + TLevelParams::LevelFileName(island, n), bytes));
      ASSERT_EQ(bytes.size(), TLevelFileRecord::ByteSize) << id;
      ASSERT_TRUE(params.LoadLevel(island, n)) << id;
      TLevelFileRecord raw = TLevelFileRecord::Blank();
      std::memcpy(static_cast<void*>(&raw), bytes.data(), bytes.size());
      EXPECT_EQ(raw.ClampValues(), 0) << id << ": a designed level needs no clamping";

      const TLevelSetup s = params.Setup(false, false);
      EXPECT_GT(s.Time, 0) << id;
      EXPECT_EQ(s.GameObjective == goBossMode, n == TLevelParams::LastLevelOfIsland[island]) << id;
      for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
          if (s.Board.At(x, y).IsHole()) continue;
          const int left = s.BoardPlacement.X + 52 * (x - 1), top = s.BoardPlacement.Y + 52 * (y - 1);
          EXPECT_TRUE(left >= 0 && top >= 0 && left + 52 <= 1366 && top + 52 <= 768) << id;
        }
    }
}
