#pragma once
#include <map>
#include <string>
#include <utility>

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"

// A 1366 x 768 screen over a recording back end with blank pictures of the sizes a test
// names, so that every quad drawn can be traced back to its picture and grid.
struct RecordingScreen {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  std::map<TTextureId, std::string> names;
  std::map<std::string, std::pair<int, int>> grids;  // columns, rows

  RecordingScreen() {
    backend.PadToPowerOfTwo = false;
    screen.Width = 1366;
    screen.Height = 768;
    screen.Initialize();
  }
  // cols x rows patterns of tileW x tileH.
  void AddBlank(const std::string& name, int tileW, int tileH, int cols = 1, int rows = 1) {
    TImageListItem& item = images.Add(name);
    TPicture p;
    p.Resize(tileW * cols, tileH * rows);
    item.SetPicture(p);
    item.SetTileWidth(tileW);
    item.SetTileHeight(tileH);
    item.CreateTexture();
    names[item.Texture()] = name;
    grids[name] = {cols, rows};
  }
  const std::string& NameOf(const TRecordingBackend::TQuad& q) { return names[q.Texture]; }
};
