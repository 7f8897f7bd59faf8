#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/TSoftwareRasterizer.h"

// Finds the parts of a frame that differ from the last one without looking at pixels: the
// frame is cut into tiles, and each tile keeps a hash of every drawing call that reaches it,
// in order. A tile whose calls are the same as last frame's has the same pixels.
class TDamageTracker {
 public:
  static constexpr int TileSize = 32;

  // A new frame size: everything is damaged.
  void Resize(int width, int height);
  // The next frame is drawn in full, whatever its calls.
  void InvalidateAll() { Invalid = true; }
  void BeginFrame();
  // One drawing call reaching the given pixels, with a hash of everything that decides them.
  void Add(const TPixelRect& bounds, std::uint64_t hash);
  // The same for a quad (corners in order round it) inside those bounds: only the tiles its
  // outline comes within a pixel of, so a turned or thin sprite does not damage every tile
  // of its bounding box. A tile where `leavesAlone` says the quad changes no pixel is not
  // reached either.
  void AddQuad(const float x[4], const float y[4], const TPixelRect& bounds, std::uint64_t hash,
               const std::function<bool(const TPixelRect&)>& leavesAlone = {});
  // Rectangles covering every damaged tile, each tile once, in rows; the frame then becomes
  // the one the next is compared with.
  std::vector<TPixelRect> EndFrame();

  static std::uint64_t Mix(std::uint64_t h, std::uint64_t v);
  static std::uint64_t HashBytes(const void* data, std::size_t size, std::uint64_t h);

 private:
  int Width = 0, Height = 0, Columns = 0, Rows = 0;
  bool Invalid = true;
  std::vector<std::uint64_t> Current, Last;
};
