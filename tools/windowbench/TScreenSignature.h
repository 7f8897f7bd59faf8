#pragma once
#include <cstdint>
#include <vector>

#include "engine/TPicture.h"

// A coarse look at a screen: the mean colour of each cell of a grid laid over it. Two
// screens showing the same scene agree in most cells even when small things move, when one
// was drawn by another renderer, or when one is scaled into a larger window.
class TScreenSignature {
 public:
  static constexpr int Columns = 48, Rows = 27;

  // The cells of the part of the picture at (left, top) of width × height pixels.
  static TScreenSignature Of(const TPicture& picture, int left, int top, int width, int height);
  static TScreenSignature Of(const TPicture& picture) {
    return Of(picture, 0, 0, picture.Width, picture.Height);
  }
  // The part of a picture at (left, top) of width × height pixels brought to width × height
  // of another size, each pixel the mean of those it covers: a window's picture of a scaled
  // frame back at the frame's size, so that its cells fall where the frame's do.
  static TPicture Resized(const TPicture& picture, int left, int top, int width, int height,
                          int toWidth, int toHeight);
  // Per cell, whether the mean colours differ by at most `tolerance` in every channel.
  std::vector<bool> Alike(const TScreenSignature& other, int tolerance = Tolerance) const;
  // The share of cells (0..1) that are alike.
  double Likeness(const TScreenSignature& other, int tolerance = Tolerance) const;
  // The share of the counted cells that are alike; 0 when none is counted.
  static double Share(const std::vector<bool>& alike, const std::vector<bool>& counted);
  // The cells that a rectangle touches, for a signature of the area (left, top, width,
  // height) in the same pixels as the rectangle.
  static void MarkCells(int left, int top, int width, int height, int rectLeft, int rectTop,
                        int rectWidth, int rectHeight, std::vector<bool>& cells);
  static constexpr int Tolerance = 24;
  // Whether any pixel sampled is other than black (every `step`-th of each row and column).
  static bool AnyLit(const TPicture& picture, int step = 2);

 private:
  std::vector<std::uint8_t> Cells;  // Columns × Rows × RGB
};
