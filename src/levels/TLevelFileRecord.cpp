#include "levels/TLevelFileRecord.h"

#include <algorithm>

namespace {

// Limits of what the round can take. Generous: designed levels sit far inside them.
constexpr int MaxTarget = 9999;
constexpr int MaxTimeSeconds = 3600;
constexpr int MaxGoldLayers = 2;  // the frame pictures have two levels
constexpr int MaxChainLevel = 2;
constexpr int SpiderSlots = 20;
constexpr int MaxPhaseMs = 3600 * 1000;
constexpr int MaxCount = 100000;

struct TCounter {
  int Changes = 0;
  template <typename T>
  void Clamp(T& v, long long lo, long long hi) {
    long long c = std::clamp(static_cast<long long>(v), lo, hi);
    if (c != static_cast<long long>(v)) {
      v = static_cast<T>(c);
      ++Changes;
    }
  }
  template <typename T, typename U>
  void Set(T& v, U value) {
    if (v != static_cast<T>(value)) {
      v = static_cast<T>(value);
      ++Changes;
    }
  }
};

}  // namespace

bool TLevelFileRecord::FromBytes(const std::uint8_t* bytes, std::size_t size,
                                 std::string& problem) {
  if (!bytes || size < ByteSize) {
    problem = "the file is shorter than a level (" + std::to_string(size) + " of " +
              std::to_string(ByteSize) + " bytes)";
    return false;
  }
  TLevelFileRecord read = Blank();
  std::memcpy(static_cast<void*>(&read), bytes, ByteSize);
  if (read.GameObjective != goNormalMode && read.GameObjective != goBossMode) {
    problem = "unknown objective " + std::to_string(int(read.GameObjective));
    return false;
  }
  int tiles = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = read.Board.At(x, y);
      if (t.ObjectKind > okUnused) {
        problem = "unknown tile kind " + std::to_string(int(t.ObjectKind)) + " at (" +
                  std::to_string(x) + ", " + std::to_string(y) + ")";
        return false;
      }
      tiles += t.IsLockerOrElement();
    }
  // Nothing to match and nothing to win: not a level.
  if (tiles == 0) {
    problem = "the board has no tile";
    return false;
  }
  read.ClampValues();
  *this = read;
  problem.clear();
  return true;
}

int TLevelFileRecord::ClampValues() {
  TCounter c;
  for (std::int32_t* t :
       {&TargetBananas, &TargetStrawberries, &TargetApples, &TargetPlums, &TargetGrapes,
        &TargetOranges, &TargetCherries, &TargetGuavas, &TargetFlowers1, &TargetFlowers2,
        &TargetFlowers3, &TargetFlowers4, &TargetSpiders})
    c.Clamp(*t, 0, MaxTarget);  // 0 and below both mean "not gathered"

  // The board only ever draws codes 1..16 from the set.
  for (int code = 0; code < 256; ++code)
    if ((code < 1 || code > ecLastColour) && ElementSet.Has(code)) {
      ElementSet.Exclude(code);
      ++c.Changes;
    }

  c.Clamp(Time, 0, MaxTimeSeconds);

  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& t = Board.At(x, y);
      const bool tile = t.IsLockerOrElement();
      c.Clamp(t.ChainLevel, 0, MaxChainLevel);
      if (t.WormState > wsEaten) c.Set(t.WormState, wsNone);
      c.Clamp(t.WormTimer, 0, MaxPhaseMs);
      c.Clamp(t.FallOffset, 0, 51);
      // Webs, gold and potions on a cell without a tile could never be cleared, and a
      // gold layer or potion there would keep the round from being won.
      if (!tile) c.Set(t.Web, 0);
      std::uint8_t& gold = GoldTileLayers.At(x, y);
      std::uint8_t& potion = PotionCells.At(x, y);
      if (!tile) {
        c.Set(gold, 0);
        c.Set(potion, 0);
      } else {
        c.Clamp(gold, 0, MaxGoldLayers);
        if (potion > 1) c.Set(potion, 1);
      }
    }

  c.Clamp(FruitsInterval, 1, MaxCount);
  c.Clamp(MaxSpidersOnBoard, 0, SpiderSlots);
  c.Clamp(MaxWebs, 0, BoardColumns * BoardRows);
  c.Clamp(OneWebEveryProb, 1, MaxCount);
  c.Clamp(FullRequiredFruits, 1, MaxCount);  // the energy gauge divides by it
  c.Clamp(OneUniFruitEveryInterval, 0, MaxCount);

  // A bonus of an unknown kind would be credited outside the five stocks: no bonus.
  if (BonusElementKind > elSpider) {
    c.Set(BonusElementKind, elFruit);
    c.Set(BonusElementCount, 0);
  }
  c.Clamp(BonusElementCount, 0, MaxTarget);

  // The creature's values matter in boss rounds only; gathering levels keep theirs.
  if (GameObjective != goBossMode) return c.Changes;
  c.Clamp(Energy, 1, MaxTarget);
  c.Clamp(RefTimeForAbsorbAttempt, 0, MaxPhaseMs);
  c.Clamp(HitsToCancelAbsorbAttempt, 1, MaxTarget);
  c.Clamp(OneAbsorbedTime, 0, Time);
  c.Clamp(PreparingTime, 0, MaxPhaseMs);
  c.Clamp(AbsorbingTime, 0, MaxPhaseMs);
  c.Clamp(FinishingTime, 0, MaxPhaseMs);
  return c.Changes;
}
