// The shop's price table ("SlotPrices.dat") and the practice window's hidden
// ingredients ("HiddenIngrds.dat"), both compiled from small text sources.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Records.h"

namespace contentgen {

// "island slot = fruit 120, gold 6" lines; every one of the 20 items once.
TSlotPrices parsePrices(std::string_view source, std::vector<std::string>& errors);

// "island slot = kind x y, kind x y, kind x y, kind x y" lines, window-relative
// spots; kinds by ingredient name or number 1..16.
THiddenTable parseHidden(std::string_view source, std::vector<std::string>& errors);

// A hidden spot is where the practice window shows only its own picture: away
// from the title, the pots, the cook and stove, the recipe row, the progress
// bar, the hint fairy and her text, the Done button and the window's edges.
std::vector<std::string> checkHidden(const THiddenTable& table);

int ingredientKind(std::string_view name);  // 0 when unknown
extern const char* const IngredientNames[17];

}  // namespace contentgen
