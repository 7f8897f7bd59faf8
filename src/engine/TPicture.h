#pragma once
#include <cstdint>
#include <vector>

// A decoded picture: 8-bit RGBA, rows top to bottom, straight (not premultiplied) alpha.
struct TPicture {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;  // Width * Height * 4 bytes

  bool Empty() const { return Width <= 0 || Height <= 0; }
  void Resize(int w, int h) {
    Width = w;
    Height = h;
    Pixels.assign(static_cast<std::size_t>(w) * h * 4, 0);
  }
  std::uint8_t* Row(int y) { return Pixels.data() + static_cast<std::size_t>(y) * Width * 4; }
  const std::uint8_t* Row(int y) const {
    return Pixels.data() + static_cast<std::size_t>(y) * Width * 4;
  }
};
