#pragma once
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"
#include "support/RecordingScreen.h"

// Blank pictures of the real sizes on a recording screen, and what got drawn from them.
struct PictureRig : RecordingScreen {
  struct TDrawn {
    std::string Name;
    int Pattern;
    float X, Y, W, H;  // the quad's top-left corner and size on screen
    float V0, V1;      // texture rows, as fractions of the picture height
    int Alpha;
  };

  void Add(const std::string& name, int tileW, int tileH, int cols = 1, int rows = 1) {
    AddBlank(name, tileW, tileH, cols, rows);
  }
  std::vector<TDrawn> Take() {
    std::vector<TDrawn> out;
    for (const auto& q : backend.Quads) {
      const TRenderVertex& a = q.Corners[0];
      const TRenderVertex& c = q.Corners[2];
      const std::string n = names[q.Texture];
      const int cols = grids[n].first;
      const int col = static_cast<int>(std::lround(a.U * cols - 0.0001));
      out.push_back({n, col, a.X, a.Y, c.X - a.X, c.Y - a.Y, a.V, c.V, a.A});
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
