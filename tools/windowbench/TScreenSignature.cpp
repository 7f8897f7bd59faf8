#include "TScreenSignature.h"

#include <algorithm>
#include <cstdlib>

TScreenSignature TScreenSignature::Of(const TPicture& picture, int left, int top, int width,
                                      int height) {
  TScreenSignature s;
  s.Cells.assign(Columns * Rows * 3, 0);
  // Only the part that lies in the picture counts.
  const int x0 = std::clamp(left, 0, picture.Width), y0 = std::clamp(top, 0, picture.Height);
  const int x1 = std::clamp(left + width, 0, picture.Width);
  const int y1 = std::clamp(top + height, 0, picture.Height);
  if (x1 <= x0 || y1 <= y0) return s;
  for (int row = 0; row < Rows; ++row)
    for (int column = 0; column < Columns; ++column) {
      const int cx0 = x0 + (x1 - x0) * column / Columns, cx1 = x0 + (x1 - x0) * (column + 1) / Columns;
      const int cy0 = y0 + (y1 - y0) * row / Rows, cy1 = y0 + (y1 - y0) * (row + 1) / Rows;
      long sum[3] = {0, 0, 0}, count = 0;
      for (int y = cy0; y < cy1; ++y) {
        const std::uint8_t* p = picture.Row(y) + cx0 * 4;
        for (int x = cx0; x < cx1; ++x, p += 4) {
          sum[0] += p[0];
          sum[1] += p[1];
          sum[2] += p[2];
          ++count;
        }
      }
      if (count == 0) continue;
      for (int c = 0; c < 3; ++c)
        s.Cells[(row * Columns + column) * 3 + c] = static_cast<std::uint8_t>(sum[c] / count);
    }
  return s;
}

TPicture TScreenSignature::Resized(const TPicture& picture, int left, int top, int width,
                                   int height, int toWidth, int toHeight) {
  TPicture out;
  out.Resize(toWidth, toHeight);
  if (width <= 0 || height <= 0 || picture.Empty()) return out;
  // Each output pixel's footprint, at least one pixel, kept inside the picture.
  auto span = [](int at, int size, int to, int i, int limit, int& from, int& end) {
    from = std::clamp(at + static_cast<int>(static_cast<long>(size) * i / to), 0, limit - 1);
    end = std::clamp(at + static_cast<int>(static_cast<long>(size) * (i + 1) / to), from + 1, limit);
  };
  for (int oy = 0; oy < toHeight; ++oy) {
    int y0, y1;
    span(top, height, toHeight, oy, picture.Height, y0, y1);
    std::uint8_t* o = out.Row(oy);
    for (int ox = 0; ox < toWidth; ++ox, o += 4) {
      int x0, x1;
      span(left, width, toWidth, ox, picture.Width, x0, x1);
      long sum[3] = {0, 0, 0};
      for (int y = y0; y < y1; ++y) {
        const std::uint8_t* p = picture.Row(y) + x0 * 4;
        for (int x = x0; x < x1; ++x, p += 4) {
          sum[0] += p[0];
          sum[1] += p[1];
          sum[2] += p[2];
        }
      }
      const long count = static_cast<long>(x1 - x0) * (y1 - y0);
      for (int c = 0; c < 3; ++c) o[c] = static_cast<std::uint8_t>(sum[c] / count);
      o[3] = 255;
    }
  }
  return out;
}

std::vector<bool> TScreenSignature::Alike(const TScreenSignature& other, int tolerance) const {
  std::vector<bool> alike(Columns * Rows, false);
  if (Cells.size() != other.Cells.size()) return alike;
  for (std::size_t cell = 0; cell < alike.size(); ++cell) {
    bool near = true;
    for (std::size_t c = cell * 3; c < cell * 3 + 3; ++c)
      if (std::abs(Cells[c] - other.Cells[c]) > tolerance) near = false;
    alike[cell] = near;
  }
  return alike;
}

double TScreenSignature::Likeness(const TScreenSignature& other, int tolerance) const {
  return Share(Alike(other, tolerance), std::vector<bool>(Columns * Rows, true));
}

double TScreenSignature::Share(const std::vector<bool>& alike, const std::vector<bool>& counted) {
  int total = 0, hits = 0;
  for (std::size_t i = 0; i < alike.size() && i < counted.size(); ++i)
    if (counted[i]) {
      ++total;
      hits += alike[i];
    }
  return total == 0 ? 0 : static_cast<double>(hits) / total;
}

void TScreenSignature::MarkCells(int left, int top, int width, int height, int rectLeft,
                                 int rectTop, int rectWidth, int rectHeight,
                                 std::vector<bool>& cells) {
  cells.resize(Columns * Rows, false);
  if (width <= 0 || height <= 0 || rectWidth <= 0 || rectHeight <= 0) return;
  for (int row = 0; row < Rows; ++row)
    for (int column = 0; column < Columns; ++column) {
      const int cx0 = left + width * column / Columns, cx1 = left + width * (column + 1) / Columns;
      const int cy0 = top + height * row / Rows, cy1 = top + height * (row + 1) / Rows;
      if (cx0 < rectLeft + rectWidth && rectLeft < cx1 && cy0 < rectTop + rectHeight && rectTop < cy1)
        cells[row * Columns + column] = true;
    }
}

bool TScreenSignature::AnyLit(const TPicture& picture, int step) {
  for (int y = 0; y < picture.Height; y += step) {
    const std::uint8_t* p = picture.Row(y);
    for (int x = 0; x < picture.Width; x += step, p += 4 * step)
      if (p[0] | p[1] | p[2]) return true;
  }
  return false;
}
