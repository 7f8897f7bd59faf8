#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "board/TBoardData.h"
#include "board/TElementKind.h"
#include "board/TElementSet.h"
#include "board/TSimpleObjectArray.h"
#include "levels/TGameObjective.h"

// One level file: a raw little-endian dump of this record, 4572 bytes, no header.
// The content generator writes it through this very struct, so the layout lives here
// once; every offset is pinned below.
struct TLevelFileRecord {
  static constexpr std::size_t ByteSize = 4572;

  TGameObjective GameObjective;
  std::uint8_t Padding0[3];
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
  TElementSet ElementSet;
  std::int32_t Time;  // seconds
  TBoardData Board;
  TSimpleObjectArray GoldTileLayers;  // layers per cell, 0 = none
  TSimpleObjectArray PotionCells;     // non-zero = a potion starts there
  TSimpleObjectArray UnusedGrid;      // never read
  std::int32_t FruitsInterval;
  std::int32_t MaxSpidersOnBoard;
  std::int32_t MaxWebs;
  std::int32_t OneWebEveryProb;
  std::int32_t FullRequiredFruits;
  std::int32_t OneUniFruitEveryInterval;
  std::uint8_t MaxUniFruitOnBoard;
  std::uint8_t Padding1[3];
  TElementKind BonusElementKind;
  std::uint8_t Padding2[3];
  std::int32_t BonusElementCount;
  // Boss rounds only (present, and ignored, in gathering levels).
  std::int32_t Energy;
  std::int32_t RefTimeForAbsorbAttempt;  // ms
  std::int32_t HitsToCancelAbsorbAttempt;
  std::int32_t OneAbsorbedTime;          // seconds of the time limit per absorption
  std::int32_t PreparingTime;            // ms
  std::int32_t AbsorbingTime;            // ms
  std::int32_t FinishingTime;            // ms

  // Every byte zero, padding included, so that a written file depends on its fields only.
  static TLevelFileRecord Blank() {
    TLevelFileRecord r;
    std::memset(static_cast<void*>(&r), 0, sizeof r);
    return r;
  }

  // Reads the first record of a file image; bytes after it are ignored. On false the
  // record is untouched and `problem` says why: too short, or not a level at all (an
  // objective or a tile kind no level has). Values a level may hold but the game could
  // not handle are brought into range instead (ClampValues).
  bool FromBytes(const std::uint8_t* bytes, std::size_t size, std::string& problem);
  // Clamps every value the round hands out into what the board, the counters and the
  // creatures can take. Returns how many values were changed.
  int ClampValues();
};
static_assert(sizeof(TLevelFileRecord) == TLevelFileRecord::ByteSize);
static_assert(offsetof(TLevelFileRecord, TargetBananas) == 4);
static_assert(offsetof(TLevelFileRecord, TargetStrawberries) == 8);
static_assert(offsetof(TLevelFileRecord, TargetApples) == 12);
static_assert(offsetof(TLevelFileRecord, TargetPlums) == 16);
static_assert(offsetof(TLevelFileRecord, TargetGrapes) == 20);
static_assert(offsetof(TLevelFileRecord, TargetOranges) == 24);
static_assert(offsetof(TLevelFileRecord, TargetCherries) == 28);
static_assert(offsetof(TLevelFileRecord, TargetGuavas) == 32);
static_assert(offsetof(TLevelFileRecord, TargetFlowers1) == 36);
static_assert(offsetof(TLevelFileRecord, TargetFlowers4) == 48);
static_assert(offsetof(TLevelFileRecord, TargetSpiders) == 52);
static_assert(offsetof(TLevelFileRecord, ElementSet) == 56);
static_assert(offsetof(TLevelFileRecord, Time) == 88);
static_assert(offsetof(TLevelFileRecord, Board) == 92);
static_assert(offsetof(TLevelFileRecord, GoldTileLayers) == 3932);
static_assert(offsetof(TLevelFileRecord, PotionCells) == 4124);
static_assert(offsetof(TLevelFileRecord, UnusedGrid) == 4316);
static_assert(offsetof(TLevelFileRecord, FruitsInterval) == 4508);
static_assert(offsetof(TLevelFileRecord, MaxSpidersOnBoard) == 4512);
static_assert(offsetof(TLevelFileRecord, MaxWebs) == 4516);
static_assert(offsetof(TLevelFileRecord, OneWebEveryProb) == 4520);
static_assert(offsetof(TLevelFileRecord, FullRequiredFruits) == 4524);
static_assert(offsetof(TLevelFileRecord, OneUniFruitEveryInterval) == 4528);
static_assert(offsetof(TLevelFileRecord, MaxUniFruitOnBoard) == 4532);
static_assert(offsetof(TLevelFileRecord, BonusElementKind) == 4536);
static_assert(offsetof(TLevelFileRecord, BonusElementCount) == 4540);
static_assert(offsetof(TLevelFileRecord, Energy) == 4544);
static_assert(offsetof(TLevelFileRecord, RefTimeForAbsorbAttempt) == 4548);
static_assert(offsetof(TLevelFileRecord, HitsToCancelAbsorbAttempt) == 4552);
static_assert(offsetof(TLevelFileRecord, OneAbsorbedTime) == 4556);
static_assert(offsetof(TLevelFileRecord, PreparingTime) == 4560);
static_assert(offsetof(TLevelFileRecord, AbsorbingTime) == 4564);
static_assert(offsetof(TLevelFileRecord, FinishingTime) == 4568);
