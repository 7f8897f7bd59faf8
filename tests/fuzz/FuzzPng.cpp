// PNG pictures: whatever the bytes, decoding gives a whole RGBA picture or an error,
// never a crash, a hang on a lying header or a half-filled picture.
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FuzzTarget.h"
#include "engine/TPictureDecoder.h"
#include "engine/TPictureEncoder.h"

namespace {
void PutBig32(std::string& s, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) s += static_cast<char>((v >> shift) & 0xFF);
}

std::string Chunk(const char* type, const std::string& body) {
  std::string c;
  PutBig32(c, static_cast<std::uint32_t>(body.size()));
  std::string typed = std::string(type, 4) + body;
  c += typed;
  PutBig32(c, static_cast<std::uint32_t>(
                  crc32(0, reinterpret_cast<const Bytef*>(typed.data()), typed.size())));
  return c;
}

// A hand-made PNG of any layout libpng knows, the scanlines filled with a pattern.
std::string MakePng(int w, int h, int depth, int colorType, bool interlaced,
                    const std::string& chunksBeforeData = "") {
  static const int channels[] = {1, 0, 3, 1, 2, 0, 4};
  const int bitsPerPixel = depth * channels[colorType];
  std::string raw;
  auto addPass = [&](int pw, int ph) {
    if (pw <= 0 || ph <= 0) return;
    const int rowBytes = (pw * bitsPerPixel + 7) / 8;
    for (int y = 0; y < ph; ++y) {
      raw += static_cast<char>(y % 5);  // every filter type once
      for (int x = 0; x < rowBytes; ++x) raw += static_cast<char>((x * 37 + y * 11) & 0xFF);
    }
  };
  if (!interlaced) {
    addPass(w, h);
  } else {
    const int xs[] = {0, 4, 0, 2, 0, 1, 0}, ys[] = {0, 0, 4, 0, 2, 0, 1};
    const int dx[] = {8, 8, 4, 4, 2, 2, 1}, dy[] = {8, 8, 8, 4, 4, 2, 2};
    for (int p = 0; p < 7; ++p)
      addPass((w - xs[p] + dx[p] - 1) / dx[p], (h - ys[p] + dy[p] - 1) / dy[p]);
  }
  uLongf packedSize = compressBound(raw.size());
  std::string packed(packedSize, '\0');
  compress(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
           reinterpret_cast<const Bytef*>(raw.data()), raw.size());
  packed.resize(packedSize);

  std::string header;
  PutBig32(header, static_cast<std::uint32_t>(w));
  PutBig32(header, static_cast<std::uint32_t>(h));
  header += static_cast<char>(depth);
  header += static_cast<char>(colorType);
  header += '\0';  // compression
  header += '\0';  // filter method
  header += static_cast<char>(interlaced ? 1 : 0);
  return std::string("\x89PNG\r\n\x1A\n", 8) + Chunk("IHDR", header) + chunksBeforeData +
         Chunk("IDAT", packed) + Chunk("IEND", "");
}

std::string EncodedByTheGame() {
  TPicture p;
  p.Resize(3, 2);
  for (std::size_t i = 0; i < p.Pixels.size(); ++i) p.Pixels[i] = static_cast<std::uint8_t>(i * 21);
  std::string path = FuzzScratchFolder() + "seed.png", error;
  if (!TPictureEncoder::WritePngFile(path, p, error)) return "";
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace

std::vector<std::string> FuzzSeeds() {
  std::string palette = Chunk("PLTE", std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF", 9)) +
                        Chunk("tRNS", std::string("\x80\x00", 2));
  std::string greyKey = Chunk("tRNS", std::string("\x00\x10", 2));
  return {
      EncodedByTheGame(),
      MakePng(3, 2, 8, 6, false),                // RGBA
      MakePng(4, 3, 8, 2, true),                 // RGB, interlaced
      MakePng(5, 2, 4, 3, false, palette),       // palette with transparency
      MakePng(3, 3, 1, 0, false),                // 1-bit grey
      MakePng(2, 2, 16, 4, false),               // 16-bit grey with alpha
      MakePng(3, 2, 8, 0, false, greyKey),       // grey with a colour key
      MakePng(9, 9, 16, 2, true),                // 16-bit RGB, interlaced
  };
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TPicture picture;
  picture.Resize(1, 1);
  std::string error;
  const bool decoded = TPictureDecoder::DecodePngMemory(data, size, picture, error);
  FuzzCheckDecodedPicture(decoded, picture, error);
  if (!decoded) return 0;
  return 0;
}
