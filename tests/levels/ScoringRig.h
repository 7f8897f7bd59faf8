#pragma once
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"

// Blank pictures with pattern grids on a recording screen, read back as named patterns.
struct ScoringRig {
  struct TDrawn {
    std::string Name;
    int Pattern;
    float X, Y;  // the quad's first corner
    int Alpha;
  };
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  struct TGrid {
    std::string Name;
    int TileW, TileH, Cols, Rows;
  };
  std::map<TTextureId, TGrid> grids;

  ScoringRig() {
    backend.PadToPowerOfTwo = false;
    screen.Width = 1366;
    screen.Height = 768;
    screen.Initialize();
  }
  void Add(const std::string& name, int tileW, int tileH, int cols = 1, int rows = 1) {
    TImageListItem& item = images.Add(name);
    TPicture p;
    p.Resize(tileW * cols, tileH * rows);
    item.SetPicture(p);
    item.SetTileWidth(tileW);
    item.SetTileHeight(tileH);
    item.CreateTexture();
    grids[item.Texture()] = {name, tileW, tileH, cols, rows};
  }
  std::vector<TDrawn> Take() {
    std::vector<TDrawn> out;
    for (const auto& q : backend.Quads) {
      const TGrid& g = grids[q.Texture];
      const TRenderVertex& a = q.Corners[0];
      const int col = static_cast<int>(std::lround(a.U * g.Cols));
      const int row = static_cast<int>(std::lround(a.V * g.Rows));
      out.push_back({g.Name, row * g.Cols + col, a.X, a.Y, a.A});
    }
    backend.Quads.clear();
    return out;
  }
  static std::vector<TDrawn> Only(const std::vector<TDrawn>& all, const std::string& name) {
    std::vector<TDrawn> out;
    for (const auto& d : all)
      if (d.Name == name) out.push_back(d);
    return out;
  }
};
