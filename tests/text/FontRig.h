#pragma once
#include <string>
#include <vector>

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"

// Small synthetic font pictures in an image list that records every quad, so that tests
// can read back which pattern went where, how big and in what colour.
struct FontRig {
  static constexpr int Tile = 8;
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};

  struct Glyph {
    std::string Image;
    int Pattern;
    float X, Y, W, H;
    int R, G, B, A;
  };

  FontRig() {
    backend.PadToPowerOfTwo = false;
    screen.Width = 1366;
    screen.Height = 768;
    screen.Initialize();
    Add("GlobalFontWhite", 28, 3);
    Add("CommentFont", 14, 3);
  }
  void Add(const std::string& name, int cols, int rows) {
    TImageListItem& item = images.Add(name);
    TPicture p;
    p.Resize(cols * Tile, rows * Tile);
    for (auto& b : p.Pixels) b = 255;
    item.SetPicture(std::move(p));
    item.SetTileWidth(Tile);
    item.SetTileHeight(Tile);
    item.CreateTexture();
  }
  // The quads drawn so far, read back as glyphs; the list of quads is emptied.
  std::vector<Glyph> Take() {
    std::vector<Glyph> out;
    for (const auto& q : backend.Quads) {
      Glyph g;
      const TImageListItem* item = nullptr;
      for (int i = 0; i < images.Count(); ++i)
        if (images.Item(i).Texture() == q.Texture) item = &images.Item(i);
      g.Image = item ? item->Name : "";
      int cols = item ? item->Columns() : 1;
      float tw = item ? static_cast<float>(item->TextureWidth()) : 1;
      float th = item ? static_cast<float>(item->TextureHeight()) : 1;
      int col = static_cast<int>(q.Corners[0].U * tw / Tile + 0.5f);
      int row = static_cast<int>(q.Corners[0].V * th / Tile + 0.5f);
      g.Pattern = row * cols + col;
      g.X = q.Corners[0].X;
      g.Y = q.Corners[0].Y;
      g.W = q.Corners[1].X - q.Corners[0].X;
      g.H = q.Corners[3].Y - q.Corners[0].Y;
      g.R = q.Corners[0].R;
      g.G = q.Corners[0].G;
      g.B = q.Corners[0].B;
      g.A = q.Corners[0].A;
      out.push_back(g);
    }
    backend.Quads.clear();
    return out;
  }
  // What a channel value becomes on its way through the screen's global colour.
  static int Through(int v) { return v * 255 / 256; }
};
