#pragma once
#include <string>

#include "text/TGameFont.h"

// Breaks a text into lines joined by "|" so that each line fits maxWidth pixels.
// A word wider than maxWidth keeps a line of its own. At most 255 characters come back.
std::string WrapText(TGameFontKind fontKind, const std::string& text, int extraSpacing,
                     int maxWidth, double scale);
