// JPEG pictures: whatever the bytes, decoding gives a whole opaque RGBA picture or an
// error, never a crash or a half-filled picture.
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>  // needs size_t and FILE first

#include "FuzzTarget.h"
#include "engine/TPictureDecoder.h"

namespace {
// A tiny JPEG written with libjpeg: colour or grey, baseline or progressive.
std::string MakeJpeg(int w, int h, bool grey, bool progressive, int quality) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(w);
  cinfo.image_height = static_cast<JDIMENSION>(h);
  cinfo.input_components = grey ? 1 : 3;
  cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(w) * cinfo.input_components);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (std::size_t x = 0; x < row.size(); ++x)
      row[x] = static_cast<unsigned char>(x * 29 + cinfo.next_scanline * 53);
    JSAMPROW rp = row.data();
    jpeg_write_scanlines(&cinfo, &rp, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return out;
}
}  // namespace

std::vector<std::string> FuzzSeeds() {
  return {MakeJpeg(8, 8, false, false, 75), MakeJpeg(17, 5, false, true, 90),
          MakeJpeg(6, 9, true, false, 50), MakeJpeg(3, 3, true, true, 10)};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TPicture picture;
  picture.Resize(1, 1);
  std::string error;
  const bool decoded = TPictureDecoder::DecodeJpegMemory(data, size, picture, error);
  FuzzCheckDecodedPicture(decoded, picture, error);
  if (!decoded) return 0;
  for (std::size_t i = 3; i < picture.Pixels.size(); i += 4) FUZZ_CHECK(picture.Pixels[i] == 255);
  return 0;
}
