#pragma once
#include <cstdint>
#include <vector>

#include "platform/TSoftwareRasterizer.h"

// Scales an XRGB frame smoothly (bilinear) into an area of another size, a part at a time:
// a target pixel depends only on its own position and the two frame rows and columns it
// reads, so scaling any part gives exactly the pixels of scaling the whole frame, and a
// frame that changed in a few places is scaled again only there.
class TFrameScaler {
 public:
  // The frame's size and the size of the area it fills; nothing is recomputed when these
  // stay the same.
  void Configure(int frameWidth, int frameHeight, int areaWidth, int areaHeight);
  int AreaWidth() const { return AreaW; }
  int AreaHeight() const { return AreaH; }
  // The area's pixels that read any pixel of the frame's rectangle (empty when none do).
  TPixelRect Reach(const TPixelRect& frameRect) const;
  // Scales into `part` of the area (area pixels, clipped to it); `area` points at the area's
  // top-left pixel and rows are `areaPitch` pixels apart.
  void Scale(const std::uint32_t* frame, int framePitch, std::uint32_t* area, int areaPitch,
             TPixelRect part);

 private:
  // Where each target column (or row) reads: two neighbours and the second's weight of 256.
  struct TAxis {
    std::vector<int> First, Second;
    std::vector<std::uint16_t> Weight;
    // Per target pixel the two weights, each four times over (the lanes of one blend), and
    // where the targets that read two neighbours inside the source end.
    std::vector<std::uint16_t> Lanes;
    int PairsEnd = 0;
    void Build(int from, int to);
    // The target span whose reads touch [begin, end) of the source.
    void Reach(int begin, int end, int& first, int& last) const;
  };
  // A frame row scaled across the part's columns; two are kept, a target row blends them.
  const std::uint32_t* ScaledRow(const std::uint32_t* frame, int framePitch, int row, int x0,
                                 int x1, int keep);

  int FrameW = 0, FrameH = 0, AreaW = 0, AreaH = 0;
  TAxis Columns, Rows;
  std::vector<std::uint32_t> RowCache[2];
  int CachedRow[2] = {-1, -1};
  int CachedX0 = 0, CachedX1 = 0;
};
