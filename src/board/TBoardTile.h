#pragma once
#include <cstddef>
#include <cstdint>

// What stands on a tile.
enum TTileObjectKind : std::uint8_t {
  okLocker = 0,
  okFruit = 1,
  okTempBlank = 2,
  okBlocker = 3,
  okUnused = 4,
};

enum TWormState : std::uint8_t {
  wsNone = 0,
  wsEating = 1,
  wsEaten = 2,
};

// Element codes: 1..8 fruits, 9..12 plain elements, 13..16 flowers, 17..18 potions.
constexpr std::uint8_t ecUniBubble = 0;
constexpr std::uint8_t ecFirstFlower = 13;
constexpr std::uint8_t ecLastColour = 16;
constexpr std::uint8_t ecPotion1 = 17;
constexpr std::uint8_t ecPotion2 = 18;
constexpr std::uint8_t ecHammer = 101;
constexpr std::uint8_t ecFoundFlower = 102;
constexpr std::uint8_t ecMultiBubble = 103;
constexpr std::uint8_t ecMagicKey = 104;
constexpr std::uint8_t ecBroom = 105;
constexpr std::uint8_t ecAerosol = 106;
constexpr std::uint8_t ecUnassigned = 255;

inline bool IsPotionCode(int code) { return code == ecPotion1 || code == ecPotion2; }
inline bool IsFlowerCode(int code) { return code >= ecFirstFlower && code <= ecLastColour; }

// One tile of the board image: 20 bytes, the layout level files store verbatim.
struct TBoardTile {
  std::uint8_t ObjectKind = okUnused;
  std::uint8_t BackgroundVariant = 0;
  std::uint8_t LockerColor = 0;
  std::uint8_t Element = 0;
  std::uint8_t Web = 0;
  std::uint8_t ChainLevel = 0;
  std::uint8_t FruitBomb = 0;
  std::uint8_t WormState = wsNone;
  std::int32_t WormTimer = 0;
  std::int32_t BlasterColor = 0;
  std::int32_t FallOffset = 0;

  bool IsLocker() const { return ObjectKind == okLocker; }
  bool IsElement() const { return ObjectKind == okFruit; }
  bool IsLockerOrElement() const { return ObjectKind == okLocker || ObjectKind == okFruit; }
  // An open element of a colour 1..16: what matches, blasts and strikes take.
  bool IsColourElement() const {
    return ObjectKind == okFruit && Element >= 1 && Element <= ecLastColour;
  }
  // A web or a chain takes a hit instead of the tile under it.
  bool AbsorbsHits() const { return Web != 0 || ChainLevel != 0; }
  // Items and bubbles; looks at the element and the bomb only, whatever the kind.
  bool IsSpecial() const {
    return Element == ecUniBubble || (Element >= ecHammer && Element <= ecAerosol) ||
           FruitBomb != 0;
  }
  // A hole lies outside the board; a decorative empty tile does not.
  bool IsHole() const { return ObjectKind == okUnused && BackgroundVariant == 0; }
  // The colour a tile matches by in its own layer.
  int MatchColour() const { return ObjectKind == okLocker ? LockerColor : Element; }
};
static_assert(sizeof(TBoardTile) == 20);
static_assert(offsetof(TBoardTile, ObjectKind) == 0);
static_assert(offsetof(TBoardTile, BackgroundVariant) == 1);
static_assert(offsetof(TBoardTile, LockerColor) == 2);
static_assert(offsetof(TBoardTile, Element) == 3);
static_assert(offsetof(TBoardTile, Web) == 4);
static_assert(offsetof(TBoardTile, ChainLevel) == 5);
static_assert(offsetof(TBoardTile, FruitBomb) == 6);
static_assert(offsetof(TBoardTile, WormState) == 7);
static_assert(offsetof(TBoardTile, WormTimer) == 8);
static_assert(offsetof(TBoardTile, BlasterColor) == 12);
static_assert(offsetof(TBoardTile, FallOffset) == 16);
