// Binary layouts of the game's own data files: the level record, the shop price
// table and the practice table. The game reads these files as raw little-endian
// dumps, so every struct below mirrors the byte image exactly (natural alignment
// gaps included) and the static_asserts pin it down.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace contentgen {

constexpr int BoardCols = 16;
constexpr int BoardRows = 12;

enum TileObjectKind : std::uint8_t {
  okLocker = 0,
  okFruit = 1,
  okTempBlank = 2,
  okBlocker = 3,
  okUnused = 4,
};

enum ElementKind : std::uint8_t {
  elFruit = 0,
  elFlower = 1,
  elPotion = 2,
  elGoldTile = 3,
  elSpider = 4,
};

enum GameObjective : std::uint8_t {
  goNormalMode = 0,
  goBossMode = 1,
};

struct TBoardTile {
  std::uint8_t ObjectKind;
  std::uint8_t BackgroundVariant;
  std::uint8_t LockerColor;
  std::uint8_t Element;
  std::uint8_t Web;
  std::uint8_t ChainLevel;
  std::uint8_t FruitBomb;
  std::uint8_t WormState;
  std::int32_t WormTimer;
  std::int32_t BlasterColor;
  std::int32_t FallOffset;
};
static_assert(sizeof(TBoardTile) == 20);
static_assert(offsetof(TBoardTile, Web) == 4);
static_assert(offsetof(TBoardTile, ChainLevel) == 5);
static_assert(offsetof(TBoardTile, WormTimer) == 8);
static_assert(offsetof(TBoardTile, FallOffset) == 16);

// Column-major: [x][y], the 12 tiles of column 1 first.
using TBoardData = std::array<std::array<TBoardTile, BoardRows>, BoardCols>;
using TCellBytes = std::array<std::array<std::uint8_t, BoardRows>, BoardCols>;
static_assert(sizeof(TBoardData) == 3840);
static_assert(sizeof(TCellBytes) == 192);

struct TLevelFileRecord {
  std::uint8_t GameObjective;
  std::int32_t TargetBananas;
  std::int32_t TargetStrawberries;
  std::int32_t TargetApples;
  std::int32_t TargetPlums;
  std::int32_t TargetGrapes;
  std::int32_t TargetOranges;
  std::int32_t TargetCherries;
  std::int32_t TargetGuavas;
  std::int32_t TargetFlowers1;
  std::int32_t TargetFlowers2;
  std::int32_t TargetFlowers3;
  std::int32_t TargetFlowers4;
  std::int32_t TargetSpiders;
  std::array<std::uint8_t, 32> ElementSet;
  std::int32_t Time;
  TBoardData Board;
  TCellBytes GoldTileLayers;
  TCellBytes PotionCells;
  TCellBytes UnusedGrid;
  std::int32_t FruitsInterval;
  std::int32_t MaxSpidersOnBoard;
  std::int32_t MaxWebs;
  std::int32_t OneWebEveryProb;
  std::int32_t FullRequiredFruits;
  std::int32_t OneUniFruitEveryInterval;
  std::uint8_t MaxUniFruitOnBoard;
  std::uint8_t Padding1[3];  // each byte field sits in a 4-byte slot of its own
  std::uint8_t BonusElementKind;
  std::uint8_t Padding2[3];
  std::int32_t BonusElementCount;
  std::int32_t Energy;
  std::int32_t RefTimeForAbsorbAttempt;
  std::int32_t HitsToCancelAbsorbAttempt;
  std::int32_t OneAbsorbedTime;
  std::int32_t PreparingTime;
  std::int32_t AbsorbingTime;
  std::int32_t FinishingTime;
};
static_assert(sizeof(TLevelFileRecord) == 4572);
static_assert(offsetof(TLevelFileRecord, TargetBananas) == 4);
static_assert(offsetof(TLevelFileRecord, TargetPlums) == 16);
static_assert(offsetof(TLevelFileRecord, TargetGrapes) == 20);
static_assert(offsetof(TLevelFileRecord, TargetGuavas) == 32);
static_assert(offsetof(TLevelFileRecord, TargetFlowers1) == 36);
static_assert(offsetof(TLevelFileRecord, TargetSpiders) == 52);
static_assert(offsetof(TLevelFileRecord, ElementSet) == 56);
static_assert(offsetof(TLevelFileRecord, Time) == 88);
static_assert(offsetof(TLevelFileRecord, Board) == 92);
static_assert(offsetof(TLevelFileRecord, GoldTileLayers) == 3932);
static_assert(offsetof(TLevelFileRecord, PotionCells) == 4124);
static_assert(offsetof(TLevelFileRecord, UnusedGrid) == 4316);
static_assert(offsetof(TLevelFileRecord, FruitsInterval) == 4508);
static_assert(offsetof(TLevelFileRecord, FullRequiredFruits) == 4524);
static_assert(offsetof(TLevelFileRecord, OneUniFruitEveryInterval) == 4528);
static_assert(offsetof(TLevelFileRecord, MaxUniFruitOnBoard) == 4532);
static_assert(offsetof(TLevelFileRecord, BonusElementKind) == 4536);
static_assert(offsetof(TLevelFileRecord, BonusElementCount) == 4540);
static_assert(offsetof(TLevelFileRecord, Energy) == 4544);
static_assert(offsetof(TLevelFileRecord, FinishingTime) == 4568);

// The shop's price of one item: five amounts in TElementKind order.
struct TElementsCount {
  float Fruits;
  float Flowers;
  float Potions;
  float GoldTiles;
  float Spiders;
};
static_assert(sizeof(TElementsCount) == 20);

// "SlotPrices.dat": island-major, then slot.
using TSlotPrices = std::array<std::array<TElementsCount, 4>, 5>;
static_assert(sizeof(TSlotPrices) == 400);

// One hidden ingredient of the practice window. The game's record is packed at
// its start (X follows Kind directly), so this one is declared packed.
#pragma pack(push, 1)
struct THiddenIngredient {
  std::uint8_t Kind;
  std::int32_t X;
  std::int32_t Y;
  std::uint8_t Unused1[7];
  double Scale;
  double Angle;
  std::int32_t Alpha;
  std::uint8_t Found;
  std::uint8_t Shown;
  std::uint8_t Unused2[2];
};
#pragma pack(pop)
static_assert(sizeof(THiddenIngredient) == 40);
static_assert(offsetof(THiddenIngredient, X) == 1);
static_assert(offsetof(THiddenIngredient, Y) == 5);
static_assert(offsetof(THiddenIngredient, Scale) == 16);
static_assert(offsetof(THiddenIngredient, Angle) == 24);
static_assert(offsetof(THiddenIngredient, Alpha) == 32);
static_assert(offsetof(THiddenIngredient, Found) == 36);
static_assert(offsetof(THiddenIngredient, Shown) == 37);

// "HiddenIngrds.dat": island, then slot, then ingredient (fastest).
using THiddenTable = std::array<std::array<std::array<THiddenIngredient, 4>, 4>, 5>;
static_assert(sizeof(THiddenTable) == 3200);

}  // namespace contentgen
