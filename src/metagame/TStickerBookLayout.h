#pragma once
#include <string>
#include <vector>

// Where the hub's town puts things: the sticker book's table of objects, the part of the
// screen each sticker picture actually paints, and the areas that stickers leave free for
// the street and the panels drawn over the town. The book, its painter, the picture
// generator and the tests read the same table.
class TStickerBookLayout {
 public:
  static constexpr int DefinedObjects = 23;
  static constexpr int ZeppelinGroup = 3;
  static constexpr int MeadowGroup = 4;
  static constexpr int FirstItemGroup = 4, LastItemGroup = 23;

  struct TObjectDef {
    int Group;
    const char* Image;  // empty: a state marker without a picture
    int X, Y;           // top-left corner of the picture on the screen
    double Scale;
    bool Reverse;  // shown while its group is not acquired
  };
  // Screen rectangle, right and bottom exclusive.
  struct TRect {
    int Left, Top, Right, Bottom;
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
  };
  struct TKeepClear {
    const char* Name;
    TRect Area;
  };

  // Object 1..23 (the object of group g is object g).
  static const TObjectDef& Object(int index);
  // The group of island 1..5, item 1..4.
  static int GroupOf(int island, int slot) { return 4 + 4 * (island - 1) + (slot - 1); }
  // Where the picture of group g paints on the screen (the highlight glows there); an
  // empty rectangle for the markers.
  static TRect ContentBox(int group);
  // The street where customers queue and walk, the restaurant's front and the panels.
  static const std::vector<TKeepClear>& KeepClear();
  static const TRect& StreetBand();
  // The lawn is ground: it runs on under the panels, so the town has no holes while they
  // are away, but it never covers the street.
  static bool MayCover(int group, const TKeepClear& area);
};
