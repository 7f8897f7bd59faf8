#pragma once
#include <string>
#include <vector>

// The built-in table of pattern grids: which pictures are strips or sheets of patterns.
class TSpriteTileCount {
 public:
  struct TEntry {
    std::string Name;
    int Columns;
    int Rows;
    bool Used = false;
  };
  struct TLookup {
    int Columns;
    int Rows;
  };

  TSpriteTileCount();
  // (columns, rows) of the first entry named exactly so, else (1, 1); marks the entry used.
  TLookup Lookup(const std::string& name);
  // The same without marking (for tools).
  TLookup Peek(const std::string& name) const;
  const std::vector<TEntry>& GetEntries() const { return Entries; }

 private:
  std::vector<TEntry> Entries;
};
