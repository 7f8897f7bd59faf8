#include "text/TGameFont.h"

#include <array>
#include <cstring>

#include "engine/Rounding.h"

namespace {
struct TWidthGroup {
  const char* Chars;
  int Width;
};

constexpr TWidthGroup CommentWidths[] = {
    {" ", 12},    {":", 19},    {"!", 21},    {"-1I", 22},  {"23J", 24},  {"57FS", 26},
    {"68EL", 27}, {"049", 28},  {"CNTZ", 30}, {"&ABPV", 31}, {"GQRY", 32}, {"DKOU", 33},
    {"X", 34},    {"H", 35},    {"M", 37},    {"W", 44},
};

constexpr TWidthGroup NormalWidths[] = {
    {"!Il|", 7},      {"'.i", 8},   {":", 9},      {",1;j", 10},          {"/J", 11},
    {"s", 12},        {" fr", 13},  {"\"()*-t", 14}, {"+c", 15},          {"$5=?Sxz", 16},
    {"37hv", 17},     {"24689EFLZenoy", 18},         {"Tbdgkpu", 19},     {"0CPUVX", 21},
    {"D", 22},        {"#GHN", 23}, {"&A", 24},    {"MOQw", 25},          {"%", 26},
    {"m", 28},        {"W", 30},
};

constexpr const char* CommentSymbols = "':!&- ";  // patterns 36..41
constexpr const char* NormalSymbols = "!#$%&*()-+=;:'\",./?| ";  // patterns 62..82

struct TTables {
  std::array<int, 256> Pattern[2];
  std::array<int, 256> Width[2];
  TTables() {
    for (int f = 0; f < 2; ++f) {
      Pattern[f].fill(-1);
      Width[f].fill(20);
    }
    auto& cp = Pattern[0];
    for (int i = 0; i < 26; ++i) cp['A' + i] = i;
    for (int i = 0; i < 10; ++i) cp['0' + i] = 26 + i;
    for (int i = 0; CommentSymbols[i]; ++i) cp[static_cast<unsigned char>(CommentSymbols[i])] = 36 + i;
    auto& np = Pattern[1];
    for (int i = 0; i < 26; ++i) np['A' + i] = i;
    for (int i = 0; i < 26; ++i) np['a' + i] = 26 + i;
    for (int i = 0; i < 10; ++i) np['0' + i] = 52 + i;
    for (int i = 0; NormalSymbols[i]; ++i) np[static_cast<unsigned char>(NormalSymbols[i])] = 62 + i;
    for (const auto& g : CommentWidths)
      for (const char* c = g.Chars; *c; ++c) Width[0][static_cast<unsigned char>(*c)] = g.Width;
    for (const auto& g : NormalWidths)
      for (const char* c = g.Chars; *c; ++c) Width[1][static_cast<unsigned char>(*c)] = g.Width;
  }
};

const TTables& Tables() {
  static const TTables tables;
  return tables;
}

int FontIndex(TGameFontKind kind) { return kind == TGameFontKind::fkAirstripComment ? 0 : 1; }

unsigned char UpperAscii(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
}  // namespace

const char* TGameFont::ImageName(TGameFontKind kind) {
  switch (kind) {
    case TGameFontKind::fkAirstripComment: return "CommentFont";
    case TGameFontKind::fkAirstripInk: return "GlobalFontInk";
    default: return "GlobalFontWhite";
  }
}

int TGameFont::PatternOf(TGameFontKind kind, unsigned char c) {
  return Tables().Pattern[FontIndex(kind)][c];
}

int TGameFont::WidthOf(TGameFontKind kind, unsigned char c) {
  if (kind == TGameFontKind::fkAirstripComment) c = UpperAscii(c);
  return Tables().Width[FontIndex(kind)][c];
}

int TGameFont::Advance(TGameFontKind kind, unsigned char c, int extraSpacing, double scale) {
  return RoundHalfEven((WidthOf(kind, c) + extraSpacing) * scale);
}

std::string TGameFont::Filter(TGameFontKind kind, const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (kind == TGameFontKind::fkAirstripComment) c = UpperAscii(c);
    if (PatternOf(kind, c) >= 0) out.push_back(static_cast<char>(c));
  }
  return out;
}

int TGameFont::TextWidth(TGameFontKind kind, const std::string& text, int extraSpacing,
                         double scale) {
  int width = 0;
  for (char c : Filter(kind, text))
    width += Advance(kind, static_cast<unsigned char>(c), extraSpacing, scale);
  return width;
}
