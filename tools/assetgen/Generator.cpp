#include "Generator.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <mutex>
#include <set>
#include <thread>

#include "Paint.h"
#include "engine/TPictureEncoder.h"

namespace fs = std::filesystem;

namespace assetgen {

namespace {
// JPEG quality: full-screen art stays clean at this setting.
constexpr int kJpegQuality = 92;

// Contact sheets: a dark board, a bright grid, white names and orange for stand-ins.
const TColor kSheetBoard{0.2, 0.2, 0.22};
const TColor kSheetGrid{1, 0.2, 0.6};
const TColor kStandInLabel = Hex(0xffb060);
const TColor kSheetInfo = Hex(0xc8c8d0);

template <typename F>
void ForEachParallel(std::size_t count, int threads, F&& work) {
  std::atomic<std::size_t> next{0};
  auto run = [&] {
    for (std::size_t i = next++; i < count; i = next++) work(i);
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < std::max(1, threads); ++t) pool.emplace_back(run);
  run();
  for (auto& t : pool) t.join();
}

bool IsPictureFile(const fs::path& p) {
  std::string ext = p.extension().string();
  return ext == ".png" || ext == ".jpg";
}
}  // namespace

TPicture RenderPicture(const TAssetSpec& asset) {
  TCanvas canvas(asset.Width(), asset.Height());
  if (asset.Paint) asset.Paint(canvas, asset);
  return canvas.ToPicture();
}

bool GenerateTree(const std::string& imagesDir, const std::vector<TAssetSpec>& manifest,
                  int threads, std::string& error) {
  std::error_code ec;
  std::set<std::string> wanted;
  for (const auto& s : manifest) {
    fs::create_directories(fs::path(imagesDir) / s.Folder, ec);
    wanted.insert((fs::path(imagesDir) / s.RelativePath()).lexically_normal().string());
  }
  // A picture left from an older manifest would be loaded by the game (and counted
  // by the loading bar), so stale ones go.
  if (fs::is_directory(imagesDir, ec)) {
    for (const auto& e : fs::recursive_directory_iterator(imagesDir, ec)) {
      if (!e.is_regular_file() || !IsPictureFile(e.path())) continue;
      if (!wanted.count(e.path().lexically_normal().string())) fs::remove(e.path(), ec);
    }
  }
  std::mutex lock;
  std::string firstError;
  ForEachParallel(manifest.size(), threads, [&](std::size_t i) {
    const TAssetSpec& s = manifest[i];
    TPicture pic = RenderPicture(s);
    std::string path = (fs::path(imagesDir) / s.RelativePath()).string();
    std::string err;
    bool ok = s.Format == TFormat::Jpeg ? TPictureEncoder::WriteJpegFile(path, pic, kJpegQuality, err)
                                        : TPictureEncoder::WritePngFile(path, pic, err);
    if (!ok) {
      std::lock_guard<std::mutex> g(lock);
      if (firstError.empty()) firstError = err;
    }
  });
  error = firstError;
  return firstError.empty();
}

std::vector<std::string> WriteContactSheets(const std::string& path,
                                            const std::vector<TAssetSpec>& manifest,
                                            int threads, std::string& error) {
  const int kCols = 5, kRows = 4, kBoxW = 360, kBoxH = 230, kLabelH = 34;
  std::vector<TPicture> pics(manifest.size());
  ForEachParallel(manifest.size(), threads, [&](std::size_t i) { pics[i] = RenderPicture(manifest[i]); });

  std::error_code ec;
  if (fs::path(path).has_parent_path()) fs::create_directories(fs::path(path).parent_path(), ec);
  std::string base = path;
  if (base.size() > 4 && base.substr(base.size() - 4) == ".png") base.resize(base.size() - 4);
  std::vector<std::string> written;
  // Layout: long strips (fonts, element rows) take a whole row so they stay readable.
  struct TSlot {
    std::size_t Index;
    int Sheet, Col, Row, Span;
  };
  std::vector<TSlot> slots;
  int sheetNo = 0, col = 0, row = 0;
  for (std::size_t i = 0; i < manifest.size(); ++i) {
    int span = (pics[i].Width > 4 * pics[i].Height && pics[i].Width > 600) ? kCols : 1;
    if (col + span > kCols) {
      col = 0;
      ++row;
    }
    if (row >= kRows) {
      row = 0;
      ++sheetNo;
    }
    slots.push_back({i, sheetNo, col, row, span});
    col += span;
  }
  for (int sh = 0; sh <= sheetNo; ++sh) {
    TCanvas sheet(kCols * kBoxW, kRows * (kBoxH + kLabelH));
    cairo_t* cr = sheet.Cr();
    SetColor(cr, kSheetBoard);
    cairo_paint(cr);
    for (const TSlot& slot : slots) {
      if (slot.Sheet != sh) continue;
      const TAssetSpec& s = manifest[slot.Index];
      const TPicture& p = pics[slot.Index];
      double boxW = kBoxW * slot.Span;
      double bx = slot.Col * kBoxW, by = slot.Row * (kBoxH + kLabelH);
      double scale = std::min({1.0, (boxW - 12.0) / p.Width, (kBoxH - 12.0) / p.Height});
      double w = p.Width * scale, h = p.Height * scale;
      double ox = bx + (boxW - w) / 2, oy = by + (kBoxH - h) / 2;
      // Checkerboard behind, so transparency shows.
      cairo_save(cr);
      cairo_rectangle(cr, ox, oy, w, h);
      cairo_clip(cr);
      for (int cy = 0; cy * 8 < h + 8; ++cy)
        for (int cx = 0; cx * 8 < w + 8; ++cx) {
          double v = ((cx + cy) % 2) ? 0.55 : 0.42;
          cairo_set_source_rgb(cr, v, v, v);
          cairo_rectangle(cr, ox + cx * 8, oy + cy * 8, 8, 8);
          cairo_fill(cr);
        }
      cairo_restore(cr);
      // The picture itself (premultiply into a temporary surface).
      cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.Width, p.Height);
      unsigned char* d = cairo_image_surface_get_data(img);
      int stride = cairo_image_surface_get_stride(img);
      for (int y = 0; y < p.Height; ++y) {
        const std::uint8_t* src = p.Row(y);
        std::uint32_t* dst = reinterpret_cast<std::uint32_t*>(d + y * stride);
        for (int x = 0; x < p.Width; ++x) {
          unsigned a = src[x * 4 + 3];
          unsigned r = src[x * 4] * a / 255, g = src[x * 4 + 1] * a / 255, b = src[x * 4 + 2] * a / 255;
          dst[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
      }
      cairo_surface_mark_dirty(img);
      cairo_save(cr);
      cairo_translate(cr, ox, oy);
      cairo_scale(cr, scale, scale);
      cairo_set_source_surface(cr, img, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
      cairo_paint(cr);
      cairo_restore(cr);
      cairo_surface_destroy(img);
      // Pattern grid.
      SetColor(cr, WithAlpha(kSheetGrid, 0.8));
      cairo_set_line_width(cr, 1);
      for (int cx = 0; cx <= s.Columns; ++cx) {
        cairo_move_to(cr, std::floor(ox + cx * w / s.Columns) + 0.5, oy);
        cairo_line_to(cr, std::floor(ox + cx * w / s.Columns) + 0.5, oy + h);
      }
      for (int cy = 0; cy <= s.Rows; ++cy) {
        cairo_move_to(cr, ox, std::floor(oy + cy * h / s.Rows) + 0.5);
        cairo_line_to(cr, ox + w, std::floor(oy + cy * h / s.Rows) + 0.5);
      }
      cairo_stroke(cr);
      // Label: name, size, grid, and whether it is a stand-in.
      char info[160];
      std::snprintf(info, sizeof info, "%dx%d  %dx%d%s", s.Width(), s.Height(), s.Columns, s.Rows,
                    s.Finished ? "" : "  STAND-IN");
      TTextStyle st;
      st.Size = 15;
      st.OutlineWidth = 0;
      st.Shadow = false;
      st.Fill = s.Finished ? kWhite : kStandInLabel;
      DrawText(cr, s.Folder + s.Name, bx + boxW / 2.0, by + kBoxH + 8, st);
      st.Size = 12;
      st.Fill = kSheetInfo;
      DrawText(cr, info, bx + boxW / 2.0, by + kBoxH + 25, st);
    }
    std::string out = base + "-" + std::to_string(sh + 1) + ".png";
    std::string err;
    if (!TPictureEncoder::WritePngFile(out, sheet.ToPicture(), err)) {
      error = err;
      return written;
    }
    written.push_back(out);
  }
  return written;
}

}  // namespace assetgen
