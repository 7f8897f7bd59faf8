#pragma once
#include <cstdint>
#include <vector>

#include "platform/IRenderBackend.h"
#include "platform/TBlendMode.h"

// A picture as the software back end keeps it: premultiplied ARGB, one 32-bit word a pixel.
struct TSoftTexture {
  int Width = 0, Height = 0;
  std::vector<std::uint32_t> Pixels;
  bool Opaque = false;  // every pixel fully opaque: unmodulated copies need no blending
  // Per row, the first and last texel that is not fully clear (First > Last: a clear row).
  // Clear texels change nothing under either blend, so spans can skip them.
  struct TRowSpan {
    std::int32_t First, Last;
  };
  std::vector<TRowSpan> Rows;
  // Per block of BlockSize × BlockSize texels (rows of blocks), whether any is not clear.
  static constexpr int BlockSize = 16;
  int BlockColumns = 0;
  std::vector<std::uint8_t> Blocks;
  bool AnyClearBlock = false;
  // Whether every texel of [u0, u1] × [v0, v1] (inside the picture) lies in a clear block.
  bool ClearWithin(int u0, int v0, int u1, int v1) const {
    for (int by = v0 / BlockSize; by <= v1 / BlockSize; ++by)
      for (int bx = u0 / BlockSize; bx <= u1 / BlockSize; ++bx)
        if (Blocks[std::size_t(by) * BlockColumns + bx]) return false;
    return true;
  }
};

// A half-open pixel rectangle [X0, X1) × [Y0, Y1).
struct TPixelRect {
  int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  bool Empty() const { return X0 >= X1 || Y0 >= Y1; }
  TPixelRect Intersect(const TPixelRect& o) const;
};

// Draws quads into an XRGB frame, always clipped to a rectangle. A pixel's value depends only
// on the quad and the pixel's own position, never on the clip, so redrawing any part of a
// frame gives exactly what drawing the whole frame gives.
class TSoftwareRasterizer {
 public:
  TSoftwareRasterizer(std::uint32_t* pixels, int width, int height)
      : Pixels(pixels), Width(width), Height(height) {}

  // Converts straight-alpha RGBA bytes into a texture.
  static void MakeTexture(const std::uint8_t* rgba, int width, int height, TSoftTexture& out);
  // Every pixel a quad can touch lies inside this rectangle (clamped to the frame).
  static TPixelRect Bounds(const TRenderVertex v[4], int width, int height);

  // Whether the quad leaves every pixel of the area as it was: it is textured, drawn normally
  // or added, and every texel it can sample there is clear. A changing quad then changes
  // nothing there.
  static bool LeavesAlone(const TRenderVertex v[4], const TSoftTexture* texture, TBlendMode blend,
                          const TPixelRect& area);
  // Whether the quad paints every pixel of the area opaquely, whatever lay under it.
  static bool Covers(const TRenderVertex v[4], const TSoftTexture* texture, TBlendMode blend,
                     const TPixelRect& area);

  void Fill(const TPixelRect& clip, std::uint8_t r, std::uint8_t g, std::uint8_t b);
  // Corners top-left, top-right, bottom-right, bottom-left; no texture fills with the colour.
  void DrawQuad(const TRenderVertex v[4], const TSoftTexture* texture, TBlendMode blend, bool linear,
                const TPixelRect& clip);

 private:
  struct TPlane;
  // Where an unturned, unscaled sprite lands and which texels it shows.
  struct TCopy {
    int X = 0, Y = 0, U = 0, V = 0, Width = 0, Height = 0;
  };
  static void SampleInside(const TSoftTexture& t, std::int64_t ur, std::int64_t du,
                           std::int64_t vr, std::int64_t dv, int xs, int xe, std::uint32_t* row);
  // Narrows [xs, xe) of an unturned row to the pixels that may sample a texel that is not
  // clear; false when none may.
  // Whether every texel the linear samples of pixels [x0, x1) of a row can read is clear
  // (their blocks hold nothing): those samples are all 0.
  static bool ClearRun(const TSoftTexture& t, std::int64_t ur, std::int64_t du, std::int64_t vr,
                       std::int64_t dv, int x0, int x1);
  static bool ClearTexelsCut(const TSoftTexture& t, std::int64_t ur, std::int64_t du,
                             std::int64_t vr, int& xs, int& xe);
  static bool CopyPlacement(const TRenderVertex v[4], const TSoftTexture& t, TCopy& out);
  bool DrawCopy(const TRenderVertex v[4], const TSoftTexture& texture, TBlendMode blend,
                const TPixelRect& clip);
  void DrawPolygon(const TRenderVertex* poly[], int count, const TRenderVertex& a,
                   const TRenderVertex& b, const TRenderVertex& c, const TSoftTexture* texture,
                   TBlendMode blend, bool linear, const TPixelRect& clip);

  // One texel row of an unturned picture sampled across a span (the first half of a smooth
  // sample), kept: the next pixel rows read the same texel rows, and only mix two of them.
  const std::uint32_t* AcrossRow(const TSoftTexture& t, int texelRow, std::int64_t ur,
                                 std::int64_t du, int x0, int x1);
  struct TAcross {
    const TSoftTexture* Texture = nullptr;
    int TexelRow = -1, X0 = 0, X1 = 0;
    std::int64_t Ur = 0, Du = 0;
    std::vector<std::uint32_t> Pixels;
  };
  TAcross Across[2];
  int AcrossLast = 0;

  std::uint32_t* RowBuffer(int n) {
    if (Row.size() < static_cast<std::size_t>(n)) Row.resize(n);
    return Row.data();
  }

  std::uint32_t* Pixels;
  int Width, Height;
  std::vector<std::uint32_t> Row;
};
