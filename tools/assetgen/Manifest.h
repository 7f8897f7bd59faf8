#pragma once
// Every picture the game loads: its folder, format, pattern size and grid, and
// the painter that draws it. The grid always comes from the game's tile-count table.
#include <functional>
#include <string>
#include <vector>

namespace assetgen {

class TCanvas;
struct TAssetSpec;
// Draws one picture. A painter that takes a value of its own (a colour, a button style, an
// island...) is bound to it with With(), so the manifest can only hand it that kind of value.
using TPainter = std::function<void(TCanvas& canvas, const TAssetSpec& asset)>;

template <typename P>
TPainter With(void (*paint)(TCanvas&, const TAssetSpec&, P), P value) {
  return [paint, value](TCanvas& canvas, const TAssetSpec& asset) { paint(canvas, asset, value); };
}

enum class TFormat { Png, Jpeg };

struct TAssetSpec {
  std::string Name;    // image name the game draws by
  std::string Folder;  // below "Images/", empty or ending with "/"
  TFormat Format = TFormat::Png;
  int TileWidth = 0;   // one pattern
  int TileHeight = 0;
  int Columns = 1;     // from the tile-count table
  int Rows = 1;
  TPainter Paint = nullptr;
  bool Finished = false;  // false: a simple stand-in still to be drawn properly
  std::string Label;      // button or panel text
  // Board pictures: a board-area value per tile of the grid, column-major (see
  // ReadLevelBoardMask).
  std::vector<unsigned char> BoardMask;

  int Width() const { return TileWidth * Columns; }
  int Height() const { return TileHeight * Rows; }
  int Patterns() const { return Columns * Rows; }
  std::string FileName() const { return Name + (Format == TFormat::Jpeg ? ".jpg" : ".png"); }
  std::string RelativePath() const { return Folder + FileName(); }
};

// The whole picture tree. levelsDir: the folder of level files (may be empty or missing);
// every level file found there adds its prepared board picture.
std::vector<TAssetSpec> BuildManifest(const std::string& levelsDir = "");

// The board-area mask of a level file, or false when the game would not read it as a level.
bool ReadLevelBoardMask(const std::string& path, std::vector<unsigned char>& mask,
                        bool& isBoss);

}  // namespace assetgen
