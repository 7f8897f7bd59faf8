// Level sources: a readable text form of one level (settings as "key = value"
// lines, the board drawn as a 16 x 12 character grid) compiled into the game's
// 4572-byte level record, plus the rules every finished level must obey.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Records.h"

namespace contentgen {

// Element codes by the names used in level sources.
int elementCode(std::string_view name);  // 0 when unknown
std::string elementName(int code);

struct CompiledLevel {
  TLevelFileRecord record{};
  std::vector<std::string> errors;  // syntax errors and rule violations
};

// Parses and checks one level source. `where` prefixes the messages.
CompiledLevel compileLevel(std::string_view source, const std::string& where);

// The rules a level record must satisfy to be playable and winnable.
std::vector<std::string> checkLevel(const TLevelFileRecord& level);

// Small queries shared by the checks, the estimates and the tests.
bool hasElement(const TLevelFileRecord& level, int code);
bool isTile(const TLevelFileRecord& level, int x, int y);        // an element tile
bool isUsedCell(const TLevelFileRecord& level, int x, int y);    // counts for placement
int targetFor(const TLevelFileRecord& level, int code);          // fruit 1..8, flower 13..16
int goldLayers(const TLevelFileRecord& level);
int potionCount(const TLevelFileRecord& level);
int colourCount(const TLevelFileRecord& level);                  // codes 1..12 in the set
int flowerCount(const TLevelFileRecord& level);                  // codes 13..16 in the set

// Where the game places the board (its used part centred on the screen).
struct Placement {
  int left;
  int top;
};
Placement boardPlacement(const TLevelFileRecord& level);

std::string levelFileName(int island, int level);  // "Level2-07.eil"

constexpr int LevelsPerIsland[5] = {12, 13, 15, 16, 18};

}  // namespace contentgen
