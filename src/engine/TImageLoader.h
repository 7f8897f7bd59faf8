#pragma once
#include <functional>
#include <string>

class TOmegaImageList;
class TSpriteTileCount;

// Loads one picture file into the image list: named after the file without its extension,
// its grid from the tile-count table, its texture built. A file that cannot be decoded or
// uploaded is reported (OnError, and the list's error box), never fatal: the game draws
// nothing for that name and runs on.
class TImageLoader {
 public:
  TImageLoader(TOmegaImageList& images, TSpriteTileCount& tileCounts)
      : Images(images), TileCounts(tileCounts) {}

  std::function<void(const std::string& message)> OnError;

  // Returns the item name, or "" when the file could not be loaded.
  std::string LoadFile(const std::string& folder, const std::string& fileName);
  static std::string ImageNameOf(const std::string& fileName);

 private:
  void Report(const std::string& message);

  TOmegaImageList& Images;
  TSpriteTileCount& TileCounts;
};
