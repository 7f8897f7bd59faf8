#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>

#include "engine/TGameRandom.h"
#include "levels/TLevelParams.h"
#include "platform/TFileSystem.h"
#include "support/TempDir.h"

namespace {

// A playable record: tiles in columns c1..c2 and rows r1..r2, holes elsewhere.
TLevelFileRecord MakeLevel(int c1 = 1, int c2 = 16, int r1 = 1, int r2 = 12) {
  TLevelFileRecord r = TLevelFileRecord::Blank();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& t = r.Board.At(x, y);
      const bool in = x >= c1 && x <= c2 && y >= r1 && y <= r2;
      t.ObjectKind = in ? okFruit : okUnused;
      t.Element = in ? 1 : 0;
    }
  r.ElementSet = TElementSet::Range(1, 5);
  r.Time = 300;
  r.TargetApples = 20;
  r.FruitsInterval = 60;
  r.OneWebEveryProb = 15;
  r.FullRequiredFruits = 200;
  r.OneUniFruitEveryInterval = 100;
  return r;
}

std::string Bytes(const TLevelFileRecord& r) {
  return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
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
  // Every designed level of every island, each with its own time so loads can be told apart.
  void WriteAll() {
    for (int island = 1; island <= 5; ++island)
      for (int n = 1; n <= TLevelParams::LastLevelOfIsland[island]; ++n) {
        TLevelFileRecord r = MakeLevel();
        r.Time = 100 * island + n;
        Write(dir.File(TLevelParams::LevelFileName(island, n)), Bytes(r));
      }
  }
};

}  // namespace

TEST(LevelParams, DesignedLevelsLoadTheirOwnFileAndLaterOnesReplayTheUpperRange) {
  LevelFolder f;
  f.WriteAll();
  EXPECT_EQ(TLevelParams::LevelFileName(2, 7), "Level2-07.eil");
  EXPECT_EQ(TLevelParams::LevelFileName(2, 120), "Level2-120.eil");

  ASSERT_TRUE(f.params.LoadLevel(1, 12));
  EXPECT_EQ(f.params.LoadedFileName(), "Level1-12.eil");
  EXPECT_EQ(f.params.LoadedLevelNumber(), 12);
  EXPECT_EQ(f.params.Record().Time, 112);

  const int first[] = {0, 9, 10, 12, 13, 15};
  for (int island = 1; island <= 5; ++island) {
    std::set<int> seen;
    int previous = 0;
    for (int i = 0; i < 60; ++i) {
      ASSERT_TRUE(f.params.LoadLevel(island, 40));
      const int n = f.params.LoadedLevelNumber();
      ASSERT_GE(n, first[island]);
      ASSERT_LE(n, TLevelParams::LastLevelOfIsland[island]);
      ASSERT_NE(n, previous) << "island " << island << " replayed level " << n << " twice";
      EXPECT_EQ(f.params.Record().Time, 100 * island + n);
      EXPECT_EQ(f.params.LastReplayPick(island), n);
      previous = n;
      seen.insert(n);
    }
    EXPECT_EQ(static_cast<int>(seen.size()), TLevelParams::LastLevelOfIsland[island] -
                                                 first[island] + 1);
  }
  EXPECT_TRUE(f.messages.empty());
}

TEST(LevelParams, ReplayMemoryIsPerIslandAndForgottenForANewPlayer) {
  LevelFolder f;
  f.WriteAll();
  // Picks on another island do not count against island 3.
  ASSERT_TRUE(f.params.LoadLevel(3, 20));
  const int onThree = f.params.LoadedLevelNumber();
  ASSERT_TRUE(f.params.LoadLevel(2, 20));
  EXPECT_EQ(f.params.LastReplayPick(3), onThree);

  // Without a reset the next pick on an island never repeats; after one it may.
  int repeatsAfterReset = 0;
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(f.params.LoadLevel(1, 13));
    const int before = f.params.LoadedLevelNumber();
    f.params.ResetReplayMemory();
    EXPECT_EQ(f.params.LastReplayPick(1), 0);
    ASSERT_TRUE(f.params.LoadLevel(1, 13));
    repeatsAfterReset += f.params.LoadedLevelNumber() == before;
  }
  EXPECT_GT(repeatsAfterReset, 20);  // about one in four
  EXPECT_LT(repeatsAfterReset, 90);
}

TEST(LevelParams, RequestsOutsideTheIslandsAndLevelsStayInside) {
  LevelFolder f;
  f.WriteAll();
  EXPECT_TRUE(f.params.LoadLevel(0, 3));
  EXPECT_EQ(f.params.LoadedFileName(), "Level1-03.eil");
  EXPECT_TRUE(f.params.LoadLevel(9, -4));
  EXPECT_EQ(f.params.LoadedFileName(), "Level5-01.eil");
  EXPECT_EQ(f.params.LoadedIsland(), 5);
}

TEST(LevelParams, AMissingFileIsReportedAndThePreviousRecordStays) {
  LevelFolder f;
  // Before any file was read the record is all zero.
  EXPECT_EQ(Bytes(f.params.Record()), std::string(TLevelFileRecord::ByteSize, '\0'));
  EXPECT_EQ(f.params.LoadedLevelNumber(), 1);

  TLevelFileRecord r = MakeLevel();
  r.Time = 240;
  Write(f.dir.File("Level1-01.eil"), Bytes(r));
  ASSERT_TRUE(f.params.LoadLevel(1, 1));

  EXPECT_FALSE(f.params.LoadLevel(2, 5));
  ASSERT_EQ(f.messages.size(), 1u);
  EXPECT_EQ(f.messages[0], "Level file not found: " + f.dir.Str() + "Level2-05.eil");
  EXPECT_EQ(f.params.Record().Time, 240);
  // The choice is made before the file is looked for: the name is that of the missing file.
  EXPECT_EQ(f.params.LoadedFileName(), "Level2-05.eil");
  EXPECT_EQ(f.params.LoadedLevelNumber(), 5);
}

TEST(LevelParams, ShortOrForeignFilesAreRefusedLongerOnesReadTheirFirstRecord) {
  LevelFolder f;
  TLevelFileRecord good = MakeLevel();
  good.Time = 180;
  Write(f.dir.File("Level1-01.eil"), Bytes(good));
  ASSERT_TRUE(f.params.LoadLevel(1, 1));

  Write(f.dir.File("Level1-02.eil"), Bytes(good).substr(0, 4000));
  TLevelFileRecord bossOfNothing = MakeLevel();
  bossOfNothing.GameObjective = static_cast<TGameObjective>(7);
  Write(f.dir.File("Level1-03.eil"), Bytes(bossOfNothing));
  TLevelFileRecord strangeTile = MakeLevel();
  strangeTile.Board.At(4, 4).ObjectKind = static_cast<TTileObjectKind>(9);
  Write(f.dir.File("Level1-04.eil"), Bytes(strangeTile));
  Write(f.dir.File("Level1-05.eil"), Bytes(MakeLevel(1, 0, 1, 0)));  // holes only
  Write(f.dir.File("Level1-06.eil"), "");

  for (int n = 2; n <= 6; ++n) {
    EXPECT_FALSE(f.params.LoadLevel(1, n)) << n;
    EXPECT_EQ(f.params.Record().Time, 180) << n;
  }
  ASSERT_EQ(f.messages.size(), 5u);
  for (const std::string& m : f.messages) EXPECT_EQ(m.rfind("Level file damaged: ", 0), 0u) << m;

  TLevelFileRecord longer = MakeLevel();
  longer.Time = 90;
  Write(f.dir.File("Level1-07.eil"), Bytes(longer) + std::string(500, '\x7f'));
  EXPECT_TRUE(f.params.LoadLevel(1, 7));
  EXPECT_EQ(f.params.Record().Time, 90);
}

TEST(LevelFileRecord, ValuesTheRoundCannotTakeAreClamped) {
  TLevelFileRecord r = MakeLevel(2, 15, 1, 12);
  r.TargetBananas = -5;
  r.TargetSpiders = 2000000;
  r.ElementSet.Include(0);
  r.ElementSet.Include(17);
  r.ElementSet.Include(200);
  r.Time = -30;
  r.GoldTileLayers.At(3, 3) = 7;
  r.GoldTileLayers.At(1, 1) = 1;  // a hole
  r.PotionCells.At(4, 4) = 9;
  r.PotionCells.At(16, 2) = 1;  // a hole
  r.Board.At(1, 5).Web = 1;     // a hole
  r.Board.At(5, 5).ChainLevel = 6;
  r.Board.At(5, 6).WormState = 9;
  r.Board.At(5, 7).FallOffset = -400;
  r.FruitsInterval = 0;
  r.MaxSpidersOnBoard = 99;
  r.OneWebEveryProb = -1;
  r.FullRequiredFruits = 0;
  r.BonusElementKind = static_cast<TElementKind>(12);
  r.BonusElementCount = 40;
  r.Energy = 0;  // a gathering level: the creature's values are left alone
  EXPECT_GT(r.ClampValues(), 0);

  EXPECT_EQ(r.TargetBananas, 0);
  EXPECT_EQ(r.TargetSpiders, 9999);
  EXPECT_EQ(r.ElementSet, TElementSet::Range(1, 5));
  EXPECT_EQ(r.Time, 0);
  EXPECT_EQ(r.GoldTileLayers.At(3, 3), 2);
  EXPECT_EQ(r.GoldTileLayers.At(1, 1), 0);
  EXPECT_EQ(r.PotionCells.At(4, 4), 1);
  EXPECT_EQ(r.PotionCells.At(16, 2), 0);
  EXPECT_EQ(r.Board.At(1, 5).Web, 0);
  EXPECT_EQ(r.Board.At(5, 5).ChainLevel, 2);
  EXPECT_EQ(r.Board.At(5, 6).WormState, wsNone);
  EXPECT_EQ(r.Board.At(5, 7).FallOffset, 0);
  EXPECT_EQ(r.FruitsInterval, 1);
  EXPECT_EQ(r.MaxSpidersOnBoard, 20);
  EXPECT_EQ(r.OneWebEveryProb, 1);
  EXPECT_EQ(r.FullRequiredFruits, 1);
  EXPECT_EQ(r.BonusElementKind, elFruit);
  EXPECT_EQ(r.BonusElementCount, 0);
  EXPECT_EQ(r.Energy, 0);
  EXPECT_EQ(r.ClampValues(), 0);  // settled

  r.GameObjective = goBossMode;
  r.Time = 100;
  r.OneAbsorbedTime = 500;
  r.HitsToCancelAbsorbAttempt = -3;
  r.ClampValues();
  EXPECT_EQ(r.Energy, 1);
  EXPECT_EQ(r.OneAbsorbedTime, 100);
  EXPECT_EQ(r.HitsToCancelAbsorbAttempt, 1);
}

TEST(LevelParams, PlacementCentresTheUsedPartOfTheBoard) {
  EXPECT_EQ(TLevelParams::BoardPlacement(MakeLevel().Board), (TPoint{266, 95}));
  EXPECT_EQ(TLevelParams::BoardPlacement(MakeLevel(3, 14, 2, 11).Board), (TPoint{266, 95}));
  EXPECT_EQ(TLevelParams::BoardPlacement(MakeLevel(1, 12, 1, 12).Board), (TPoint{370, 95}));
  EXPECT_EQ(TLevelParams::BoardPlacement(MakeLevel(1, 13, 4, 12).Board), (TPoint{344, 17}));
  // A decorative empty tile is board area; a hole is not.
  TLevelFileRecord r = MakeLevel(5, 10, 5, 10);
  EXPECT_EQ(TLevelParams::BoardPlacement(r.Board), (TPoint{318, 43}));
  r.Board.At(16, 12).BackgroundVariant = 1;
  EXPECT_EQ(TLevelParams::BoardPlacement(r.Board), (TPoint{162, -9}));
  EXPECT_EQ(TLevelParams::BoardPlacement(MakeLevel(1, 0, 1, 0).Board), (TPoint{266, 95}));
}

TEST(LevelParams, MedalTimesRoundHalvesToEven) {
  EXPECT_EQ(TLevelParams::SilverReqTime(300), 195);
  EXPECT_EQ(TLevelParams::GoldReqTime(300), 120);
  EXPECT_EQ(TLevelParams::SilverReqTime(250), 162);  // 162.5
  EXPECT_EQ(TLevelParams::GoldReqTime(250), 100);
  EXPECT_EQ(TLevelParams::SilverReqTime(10), 6);  // 6.5
  EXPECT_EQ(TLevelParams::GoldReqTime(5), 2);
  EXPECT_EQ(TLevelParams::SilverReqTime(0), 0);
}

TEST(LevelParams, SetupHandsOutTheRecordWithTheShopUpgradesApplied) {
  LevelFolder f;
  TLevelFileRecord r = MakeLevel(1, 12, 1, 12);
  r.TargetPlums = 7;
  r.TargetGrapes = 9;
  r.TargetFlowers3 = 4;
  r.GoldTileLayers.At(2, 2) = 2;
  r.GoldTileLayers.At(3, 2) = 1;
  r.PotionCells.At(6, 1) = 1;
  r.PotionCells.At(7, 1) = 1;
  r.Board.At(8, 8).Web = 1;
  r.Time = 250;
  r.MaxSpidersOnBoard = 3;
  r.MaxUniFruitOnBoard = 2;
  r.BonusElementKind = elPotion;
  r.BonusElementCount = 3;
  Write(f.dir.File("Level2-07.eil"), Bytes(r));
  TLevelFileRecord boss = MakeLevel();
  boss.GameObjective = goBossMode;
  boss.Energy = 40;
  boss.FinishingTime = 2000;
  Write(f.dir.File("Level4-03.eil"), Bytes(boss));

  ASSERT_TRUE(f.params.LoadLevel(2, 7));
  TLevelSetup plain = f.params.Setup(false, false);
  EXPECT_EQ(plain.GameObjective, goNormalMode);
  EXPECT_EQ(plain.TargetPlums, 7);
  EXPECT_EQ(plain.TargetGrapes, 9);
  EXPECT_EQ(plain.TargetApples, 20);
  EXPECT_EQ(plain.TargetFlowers3, 4);
  EXPECT_EQ(plain.TileKind, tkStandard);
  EXPECT_EQ(plain.TargetGoldTiles1, 3);
  EXPECT_EQ(plain.TargetGoldTiles2, 0);
  EXPECT_EQ(plain.TargetPotions1, 2);
  EXPECT_EQ(plain.TargetPotions2, 0);
  EXPECT_EQ(plain.PotionElement, ecPotion1);
  EXPECT_TRUE(plain.PotionCells.IsSet(6, 1));
  EXPECT_EQ(plain.PotionCells.Count(), 2);
  EXPECT_TRUE(plain.WebCells.IsSet(8, 8));
  EXPECT_EQ(plain.WebCells.Count(), 1);
  EXPECT_EQ(plain.GoldTileLayers.At(2, 2), 2);
  EXPECT_EQ(plain.BoardPlacement, (TPoint{370, 95}));
  EXPECT_EQ(plain.Time, 250);
  EXPECT_EQ(plain.SilverReqTime, 162);
  EXPECT_EQ(plain.GoldReqTime, 100);
  EXPECT_EQ(plain.MaxSpidersOnBoard, 3);
  EXPECT_EQ(plain.MaxUniFruitOnBoard, 2);
  EXPECT_EQ(plain.ElementSet, TElementSet::Range(1, 5));
  EXPECT_EQ(plain.BoardPictureName, "Level2-07.png");
  EXPECT_EQ(plain.BonusElementKind, elPotion);
  EXPECT_EQ(plain.BonusElementCount, 3);

  TLevelSetup upgraded = f.params.Setup(true, true);
  EXPECT_EQ(upgraded.TileKind, tkUpgraded);
  EXPECT_EQ(upgraded.TargetGoldTiles1, 0);
  EXPECT_EQ(upgraded.TargetGoldTiles2, 3);
  EXPECT_EQ(upgraded.TargetPotions1, 0);
  EXPECT_EQ(upgraded.TargetPotions2, 2);
  EXPECT_EQ(upgraded.PotionElement, ecPotion2);

  ASSERT_TRUE(f.params.LoadLevel(4, 3));
  TLevelSetup b = f.params.Setup(false, false);
  EXPECT_EQ(b.GameObjective, goBossMode);
  EXPECT_EQ(b.BossIsland, 4);
  EXPECT_EQ(b.Energy, 40);
  EXPECT_EQ(b.FinishingTime, 2000);
  EXPECT_EQ(b.BoardPictureName, "Boss4.png");
}

// The level files the content generator installed beside this test program.
TEST(InstalledLevelFiles, EveryDesignedLevelLoadsWithSaneValues) {
  const std::string folder = TFileSystem::ExecutableFolder() + "Levels/";
  if (!TFileSystem::DirectoryExists(folder)) GTEST_SKIP() << "no generated levels in " << folder;
  TLevelParams params;
  params.LevelFilesPath = folder;
  std::vector<std::string> messages;
  params.OnLoadError = [&](TLevelParams&, const std::string& m) { messages.push_back(m); };
  for (int island = 1; island <= 5; ++island)
    for (int n = 1; n <= TLevelParams::LastLevelOfIsland[island]; ++n) {
      std::string bytes;
      ASSERT_TRUE(TFileSystem::ReadFile(folder + TLevelParams::LevelFileName(island, n), bytes));
      EXPECT_EQ(bytes.size(), TLevelFileRecord::ByteSize);
      ASSERT_TRUE(params.LoadLevel(island, n)) << island << "-" << n;
      // Nothing in a designed level needs clamping.
      TLevelFileRecord raw = TLevelFileRecord::Blank();
      std::memcpy(static_cast<void*>(&raw), bytes.data(), TLevelFileRecord::ByteSize);
      EXPECT_EQ(raw.ClampValues(), 0) << island << "-" << n;

      const TLevelSetup s = params.Setup(false, false);
      EXPECT_GT(s.Time, 0);
      EXPECT_LE(s.GoldReqTime, s.SilverReqTime);
      EXPECT_GE(s.FullRequiredFruits, 1);
      EXPECT_TRUE(s.ElementSet.HasAnyIn(1, 16));
      // Every tile that is not a hole lies on the screen.
      for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
          if (s.Board.At(x, y).IsHole()) continue;
          const int left = s.BoardPlacement.X + 52 * (x - 1), top = s.BoardPlacement.Y + 52 * (y - 1);
          EXPECT_TRUE(left >= 0 && top >= 0 && left + 52 <= 1366 && top + 52 <= 768)
              << island << "-" << n << " tile " << x << "," << y;
        }
      const bool boss = s.GameObjective == goBossMode;
      EXPECT_EQ(boss, n == TLevelParams::LastLevelOfIsland[island]) << island << "-" << n;
      if (boss) {
        EXPECT_GE(s.Energy, 1);
      } else {
        const int targets = s.TargetBananas + s.TargetStrawberries + s.TargetApples +
                            s.TargetGrapes + s.TargetOranges + s.TargetPlums +
                            s.TargetCherries + s.TargetGuavas + s.TargetFlowers1 +
                            s.TargetFlowers2 + s.TargetFlowers3 + s.TargetFlowers4 +
                            s.TargetSpiders + s.TargetGoldTiles1 + s.TargetPotions1;
        EXPECT_GT(targets, 0) << island << "-" << n;
      }
    }
  EXPECT_TRUE(messages.empty());
}
