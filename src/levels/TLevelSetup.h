#pragma once
#include <cstdint>
#include <string>

#include "board/TBoardData.h"
#include "board/TElementKind.h"
#include "board/TElementSet.h"
#include "board/TSimpleObjectArray.h"
#include "board/TTileKind.h"
#include "engine/SharedTypes.h"
#include "levels/TGameObjective.h"

// Everything the round flow hands out when a level starts, worked out from the level
// record and the two shop upgrades that change it, listed in the order it is applied.
struct TLevelSetup {
  TGameObjective GameObjective = goNormalMode;

  // Gathering targets (0 = not gathered), named like the gathering panel's.
  int TargetBananas = 0, TargetStrawberries = 0, TargetApples = 0, TargetGrapes = 0,
      TargetOranges = 0, TargetPlums = 0, TargetCherries = 0, TargetGuavas = 0;
  int TargetFlowers1 = 0, TargetFlowers2 = 0, TargetFlowers3 = 0, TargetFlowers4 = 0;
  int TargetSpiders = 0;

  // Locker frames and flowing elements; upgraded with the gold-tile upgrade.
  TTileKind TileKind = tkStandard;
  // Every gold-tile layer of the board, counted once; only one of the two is non-zero.
  int TargetGoldTiles1 = 0, TargetGoldTiles2 = 0;
  // Cells holding a potion at the start; only one of the two targets is non-zero.
  int TargetPotions1 = 0, TargetPotions2 = 0;

  TElementSet ElementSet;
  TBoardData Board;
  TSimpleObjectArray GoldTileLayers;  // frame levels for the locker frames

  // Screen place of the board's top-left corner: its used part centred.
  TPoint BoardPlacement{266, 95};

  int Time = 0;  // seconds, to the tube timer
  int SilverReqTime = 0, GoldReqTime = 0;

  int FruitsInterval = 0, MaxSpidersOnBoard = 0, MaxWebs = 0, OneWebEveryProb = 0;

  // The board's spawn settings; level files never switch on the other items.
  int OneUniFruitEveryInterval = 0;
  std::uint8_t MaxUniFruitOnBoard = 0;

  int FullRequiredFruits = 0;

  // The creature of the island (1..5) and its values.
  int BossIsland = 1;
  int Energy = 0, RefTimeForAbsorbAttempt = 0, HitsToCancelAbsorbAttempt = 0,
      OneAbsorbedTime = 0, PreparingTime = 0, AbsorbingTime = 0, FinishingTime = 0;

  // Prepared board picture for the simplified display, from Images/Board/.
  std::string BoardPictureName;

  // After every (re)start of the board: webs on these cells, and potions of this element
  // code on these.
  TSimpleObjectArray WebCells;
  TSimpleObjectArray PotionCells;
  std::uint8_t PotionElement = ecPotion1;

  // Paid with a gold medal only.
  TElementKind BonusElementKind = elFruit;
  int BonusElementCount = 0;
};
