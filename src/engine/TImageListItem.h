#pragma once
#include <cstdint>
#include <string>

#include "engine/TDrawStyle.h"
#include "engine/TPicture.h"
#include "platform/IRenderBackend.h"

class TOmegaImageList;

struct TSourceRect {
  int Left, Top, Right, Bottom;
};

// One named picture with its grid of equal patterns, numbered row by row from 0.
class TImageListItem {
 public:
  static constexpr int NoPattern = -999;  // draws nothing
  static constexpr int WholePicture = -1;

  explicit TImageListItem(TOmegaImageList& owner) : Owner(owner) {}
  ~TImageListItem();
  TImageListItem(const TImageListItem&) = delete;
  TImageListItem& operator=(const TImageListItem&) = delete;

  std::string Name;
  std::string Filepath;  // optional file to load from; the game never sets it

  // The decoded pixels wait here only until the texture is made, then they are freed.
  void SetPicture(TPicture picture);
  bool HasPixels() const { return !Picture.Empty(); }
  int GetTileWidth() const { return TileWidth; }
  int GetTileHeight() const { return TileHeight; }
  void SetTileWidth(int w);   // 0: the whole picture width
  void SetTileHeight(int h);  // 0: the whole picture height
  int Columns() const { return ColumnCount; }
  int Rows() const { return RowCount; }
  int PictureWidth() const { return PicWidth; }
  int PictureHeight() const { return PicHeight; }
  int TextureWidth() const { return TexWidth; }
  int TextureHeight() const { return TexHeight; }
  TTextureId Texture() const { return TextureId; }

  // Builds the texture (or only refreshes the sizes when it is there); false on failure,
  // and the pixels stay for the next try.
  bool CreateTexture();
  void ReleaseTexture();

  void Draw(float x, float y, int pattern, const TDrawStyle& style = {});
  // A rectangle of the picture in pixels instead of a pattern.
  void DrawRect(const TSourceRect& src, float x, float y, const TDrawStyle& style = {});

 private:
  void DrawPattern(const TSourceRect* src, float x, float y, int pattern, const TDrawStyle& style);
  void RecountGrid();

  TOmegaImageList& Owner;
  TPicture Picture;
  int RowCount = 1, ColumnCount = 1;
  int PicWidth = 1, PicHeight = 1;
  int TileWidth = 0, TileHeight = 0;
  int TexWidth = 2, TexHeight = 2;
  TTextureId TextureId = 0;
};
