#include "engine/TPictureEncoder.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace {
struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};
void JpegErrorExit(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegError*>(cinfo->err)->jump, 1);
}
}  // namespace

bool TPictureEncoder::WritePngFile(const std::string& path, const TPicture& picture,
                                   std::string& error) {
  if (picture.Empty()) {
    error = "empty picture";
    return false;
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    error = "cannot create \"" + path + "\"";
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    error = "out of memory";
    return false;
  }
  std::vector<png_const_bytep> rows(picture.Height);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    error = "cannot write \"" + path + "\"";
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, picture.Width, picture.Height, 8, PNG_COLOR_TYPE_RGBA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < picture.Height; ++y) rows[y] = picture.Row(y);
  png_write_image(png, const_cast<png_bytepp>(rows.data()));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fclose(f) != 0) {
    error = "cannot write \"" + path + "\"";
    return false;
  }
  return true;
}

bool TPictureEncoder::WriteJpegFile(const std::string& path, const TPicture& picture, int quality,
                                    std::string& error) {
  if (picture.Empty()) {
    error = "empty picture";
    return false;
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    error = "cannot create \"" + path + "\"";
    return false;
  }
  jpeg_compress_struct cinfo;
  JpegError jerr;
  cinfo.err = jpeg_std_error(&jerr.mgr);
  jerr.mgr.error_exit = JpegErrorExit;
  std::vector<unsigned char> row(static_cast<std::size_t>(picture.Width) * 3);
  if (setjmp(jerr.jump)) {
    jpeg_destroy_compress(&cinfo);
    std::fclose(f);
    error = "cannot write \"" + path + "\"";
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, f);
  cinfo.image_width = static_cast<JDIMENSION>(picture.Width);
  cinfo.image_height = static_cast<JDIMENSION>(picture.Height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    const std::uint8_t* src = picture.Row(static_cast<int>(cinfo.next_scanline));
    for (int x = 0; x < picture.Width; ++x) {
      row[x * 3 + 0] = src[x * 4 + 0];
      row[x * 3 + 1] = src[x * 4 + 1];
      row[x * 3 + 2] = src[x * 4 + 2];
    }
    unsigned char* rp = row.data();
    jpeg_write_scanlines(&cinfo, &rp, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  if (std::fclose(f) != 0) {
    error = "cannot write \"" + path + "\"";
    return false;
  }
  return true;
}
