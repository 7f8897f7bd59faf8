#include "engine/TPictureDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace {

// Far above any picture of the game; a file past it is refused before it is read.
constexpr std::uintmax_t MaxFileBytes = 256u << 20;

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open file \"" + path + "\"";
    return false;
  }
  // Sized once: byte by byte the buffer grows by doubling, a copy or two of every file.
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size > MaxFileBytes) {
    error = "cannot read file \"" + path + "\"";
    return false;
  }
  bytes.resize(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  if (static_cast<std::uintmax_t>(in.gcount()) != size || in.bad()) {
    error = "cannot read file \"" + path + "\"";
    return false;
  }
  return true;
}

bool EndsWithNoCase(const std::string& s, const char* suffix) {
  std::size_t n = std::strlen(suffix);
  if (s.size() < n) return false;
  for (std::size_t i = 0; i < n; ++i) {
    char a = s[s.size() - n + i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (a != suffix[i]) return false;
  }
  return true;
}

// The header alone decides whether a picture may be decoded: a few bytes claiming a huge
// picture must not make us set aside (and clear) gigabytes first. The game's largest
// pictures are a screen wide; the limits leave ample room above that.
constexpr unsigned MaxPictureSide = 16384;
constexpr unsigned long long MaxPicturePixels = 4096ull * 4096ull;
// libjpeg's own working memory (whole-picture buffers of progressive files) stays below this.
constexpr long JpegWorkingMemory = 256l * 1024 * 1024;

bool AcceptableSize(unsigned long long w, unsigned long long h) {
  return w >= 1 && h >= 1 && w <= MaxPictureSide && h <= MaxPictureSide &&
         w * h <= MaxPicturePixels;
}

// ---- PNG -------------------------------------------------------------------

struct PngSource {
  const unsigned char* data;
  std::size_t size;
  std::size_t pos;
};

struct PngErrorState {
  std::string message;
};

void PngRead(png_structp png, png_bytep out, png_size_t count) {
  auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
  if (src->pos + count > src->size) png_error(png, "file is truncated");
  std::memcpy(out, src->data + src->pos, count);
  src->pos += count;
}

void PngError(png_structp png, png_const_charp msg) {
  auto* state = static_cast<PngErrorState*>(png_get_error_ptr(png));
  if (state) state->message = msg ? msg : "unknown PNG error";
  png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// ---- JPEG ------------------------------------------------------------------

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegError*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

void JpegSilence(j_common_ptr) {}

}  // namespace

bool TPictureDecoder::DecodePngMemory(const void* data, std::size_t size, TPicture& out,
                                      std::string& error) {
  out = TPicture{};
  if (size < 8 || png_sig_cmp(static_cast<png_const_bytep>(data), 0, 8) != 0) {
    error = "not a PNG file";
    return false;
  }
  PngErrorState state;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, PngError, PngWarning);
  if (!png) {
    error = "out of memory";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    error = "out of memory";
    return false;
  }
  PngSource src{static_cast<const unsigned char*>(data), size, 0};
  // Everything that libpng may jump out of lives above this line or in 'out'.
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    out = TPicture{};
    error = "corrupt PNG: " + state.message;
    return false;
  }
  png_set_read_fn(png, &src, PngRead);
  png_read_info(png, info);
  png_uint_32 w = png_get_image_width(png, info);
  png_uint_32 h = png_get_image_height(png, info);
  if (!AcceptableSize(w, h)) png_error(png, "picture too large or empty");
  int colorType = png_get_color_type(png, info);
  int depth = png_get_bit_depth(png, info);
  if (depth == 16) png_set_strip_16(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(png);
  if (!(colorType & PNG_COLOR_MASK_ALPHA)) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<png_size_t>(w) * 4)
    png_error(png, "unexpected row layout");
  out.Resize(static_cast<int>(w), static_cast<int>(h));
  rows.resize(h);
  for (png_uint_32 y = 0; y < h; ++y) rows[y] = out.Row(static_cast<int>(y));
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

bool TPictureDecoder::DecodeJpegMemory(const void* data, std::size_t size, TPicture& out,
                                       std::string& error) {
  out = TPicture{};
  if (size < 4) {
    error = "not a JPEG file";
    return false;
  }
  jpeg_decompress_struct cinfo;
  JpegError jerr;
  cinfo.err = jpeg_std_error(&jerr.mgr);
  jerr.mgr.error_exit = JpegErrorExit;
  jerr.mgr.output_message = JpegSilence;
  jerr.message[0] = 0;
  std::vector<unsigned char> row;
  if (setjmp(jerr.jump)) {
    jpeg_destroy_decompress(&cinfo);
    out = TPicture{};
    error = std::string("corrupt JPEG: ") + jerr.message;
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, static_cast<const unsigned char*>(data), static_cast<unsigned long>(size));
  cinfo.mem->max_memory_to_use = JpegWorkingMemory;
  jpeg_read_header(&cinfo, TRUE);
  if (!AcceptableSize(cinfo.image_width, cinfo.image_height)) {
    jpeg_destroy_decompress(&cinfo);
    error = "corrupt JPEG: picture too large or empty";
    return false;
  }
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  if (!AcceptableSize(cinfo.output_width, cinfo.output_height) ||
      cinfo.output_components != 3) {
    jpeg_destroy_decompress(&cinfo);
    error = "unsupported JPEG layout";
    return false;
  }
  out.Resize(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
  row.resize(static_cast<std::size_t>(cinfo.output_width) * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    int y = static_cast<int>(cinfo.output_scanline);
    unsigned char* rp = row.data();
    jpeg_read_scanlines(&cinfo, &rp, 1);
    std::uint8_t* dst = out.Row(y);
    for (unsigned x = 0; x < cinfo.output_width; ++x) {
      dst[x * 4 + 0] = row[x * 3 + 0];
      dst[x * 4 + 1] = row[x * 3 + 1];
      dst[x * 4 + 2] = row[x * 3 + 2];
      dst[x * 4 + 3] = 255;
    }
  }
  // A truncated file gets padded by libjpeg with a warning; count it as corrupt.
  bool truncated = jerr.mgr.num_warnings > 0;
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  if (truncated) {
    out = TPicture{};
    error = "corrupt JPEG: data is truncated or damaged";
    return false;
  }
  return true;
}

bool TPictureDecoder::DecodePngFile(const std::string& path, TPicture& out, std::string& error) {
  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  if (!DecodePngMemory(bytes.data(), bytes.size(), out, error)) {
    error = "\"" + path + "\": " + error;
    return false;
  }
  return true;
}

bool TPictureDecoder::DecodeJpegFile(const std::string& path, TPicture& out, std::string& error) {
  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  if (!DecodeJpegMemory(bytes.data(), bytes.size(), out, error)) {
    error = "\"" + path + "\": " + error;
    return false;
  }
  return true;
}

bool TPictureDecoder::DecodeFile(const std::string& path, TPicture& out, std::string& error) {
  if (EndsWithNoCase(path, ".jpg") || EndsWithNoCase(path, ".jpeg"))
    return DecodeJpegFile(path, out, error);
  return DecodePngFile(path, out, error);
}
