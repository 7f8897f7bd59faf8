// The text catalogues: which files exist, how many lines the game reads from
// each and how long a line may be, which of the two bitmap fonts draws a line,
// and the checks that keep every line readable on screen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace contentgen {

struct CatalogueFile {
  const char* name;
  int lines;     // lines the game reads
  int slotSize;  // characters kept per line
};

extern const CatalogueFile Catalogues[10];

enum class Font { Comment, Normal };

// Whether the font has a glyph for the character (the comment font sees the
// text upper-cased first).
bool fontDraws(Font font, char c);
// Width of a text as the game measures it: per drawn character
// round((advance + spacing) * scale), halves to even.
int textWidth(Font font, std::string_view text, int spacing, double scale);
// The game's word wrap: lines no wider than maxWidth, a long word alone.
std::vector<std::string> wrapText(Font font, std::string_view text, int spacing, int maxWidth,
                                  double scale);

// Which font the game uses for a line of a catalogue file.
Font fontOf(std::string_view file, int line);

// Lines of an 8-bit text file: CR LF, a lone CR and a lone LF all end a line.
std::vector<std::string> splitLines(std::string_view bytes);
// The installed form: every line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// Everything wrong with one catalogue file (by its name) or with "_settings.txt".
std::vector<std::string> checkCatalogue(std::string_view file, const std::vector<std::string>& lines);
std::vector<std::string> checkSettings(const std::vector<std::string>& lines);

}  // namespace contentgen
