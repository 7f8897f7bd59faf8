#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "engine/TPictureDecoder.h"
#include "engine/TPictureEncoder.h"
#include "support/TempDir.h"

// Files that claim a huge picture in a few bytes are refused from their header, before
// any pixel memory is set aside.
namespace {
std::string Encoded(bool jpeg) {
  TempDir dir;
  TPicture p;
  p.Resize(8, 8);
  std::string path = dir.File(jpeg ? "p.jpg" : "p.png"), error;
  bool ok = jpeg ? TPictureEncoder::WriteJpegFile(path, p, 80, error)
                 : TPictureEncoder::WritePngFile(path, p, error);
  EXPECT_TRUE(ok) << error;
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutBig(std::string& s, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s[at + i] = static_cast<char>(v >> (8 * (bytes - 1 - i)));
}

std::uint32_t Crc32(const std::string& s, std::size_t from, std::size_t n) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = from; i < from + n; ++i) {
    c ^= static_cast<unsigned char>(s[i]);
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
  }
  return ~c;
}

// A PNG whose header (with a valid checksum) claims w x h over the tiny data of 8 x 8.
std::string PngClaiming(std::uint32_t w, std::uint32_t h) {
  std::string png = Encoded(false);
  PutBig(png, 16, w, 4);
  PutBig(png, 20, h, 4);
  PutBig(png, 29, Crc32(png, 12, 17), 4);  // over "IHDR" and its 13 bytes
  return png;
}

// A JPEG whose frame header claims w x h.
std::string JpegClaiming(std::uint16_t w, std::uint16_t h) {
  std::string jpg = Encoded(true);
  std::size_t sof = jpg.find("\xFF\xC0");
  EXPECT_NE(sof, std::string::npos);
  PutBig(jpg, sof + 5, h, 2);
  PutBig(jpg, sof + 7, w, 2);
  return jpg;
}

bool Decode(const std::string& bytes, bool jpeg, std::string& error) {
  TPicture p;
  bool ok = jpeg ? TPictureDecoder::DecodeJpegMemory(bytes.data(), bytes.size(), p, error)
                 : TPictureDecoder::DecodePngMemory(bytes.data(), bytes.size(), p, error);
  EXPECT_EQ(ok, !p.Empty());
  return ok;
}
}  // namespace

TEST(PictureDecoderLimits, HugeClaimsAreRefusedFromTheHeader) {
  std::string error;
  EXPECT_TRUE(Decode(PngClaiming(8, 8), false, error)) << error;
  EXPECT_FALSE(Decode(PngClaiming(8192, 8192), false, error));
  EXPECT_NE(error.find("too large"), std::string::npos) << error;
  EXPECT_FALSE(Decode(PngClaiming(16384, 1), false, error));  // cut data, but a fair size
  EXPECT_EQ(error.find("too large"), std::string::npos) << error;

  EXPECT_TRUE(Decode(JpegClaiming(8, 8), true, error)) << error;
  EXPECT_FALSE(Decode(JpegClaiming(30000, 30000), true, error));
  EXPECT_NE(error.find("too large"), std::string::npos) << error;
  EXPECT_FALSE(Decode(JpegClaiming(5000, 5000), true, error));
  EXPECT_NE(error.find("too large"), std::string::npos) << error;
}

TEST(PictureDecoderLimits, AProgressiveFileClaimingAHugePictureFailsAtOnce) {
  // Found by fuzzing: 225 bytes of a progressive JPEG claiming 30258 x 59910 pixels made
  // libjpeg clear gigabytes of coefficient buffers before the size was looked at.
  const unsigned char file[] = {
      0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x01,
      0x01, 0x00, 0x00, 0xff, 0x01, 0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x03,
      0x02, 0x02, 0x03, 0x02, 0x0c, 0x03, 0x03, 0x03, 0x03, 0x04, 0x08, 0x05, 0x05, 0x04, 0x04,
      0x05, 0x0a, 0x12, 0x10, 0x0d, 0x0e, 0x01, 0x00, 0x00, 0x00, 0x15, 0x15, 0x15, 0x0c, 0x0f,
      0x17, 0x18, 0x16, 0x14, 0x18, 0x12, 0x14, 0x15, 0x14, 0xff, 0xdb, 0x00, 0x43, 0x01, 0x03,
      0x04, 0x04, 0x05, 0xd6, 0x04, 0x05, 0x09, 0x05, 0x05, 0x09, 0x14, 0x0d, 0x0b, 0x14, 0x14,
      0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0xff, 0xc2, 0x00, 0x11, 0x08, 0xea, 0x06,
      0x76, 0x32, 0x03, 0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01, 0xff, 0xc4, 0x00,
      0x17, 0x00, 0x01, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0xda, 0x00, 0x0c, 0x03, 0x01, 0x00, 0x02, 0x10, 0x03, 0x10, 0x00,
      0x00, 0x01, 0xbb, 0x4d, 0x34, 0x22, 0xa2, 0x2c, 0xc0, 0xff, 0xc4, 0x00, 0x1a, 0x10, 0x00,
      0x02, 0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x01, 0x03, 0x00, 0x11, 0x00, 0x01, 0x04, 0x03, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x01, 0xad, 0xff, 0xda, 0x00, 0x08, 0x01, 0x01,
      0x00, 0x14, 0x14, 0x10, 0x7c, 0x80, 0x99, 0x58, 0x80, 0x83, 0x04, 0xff, 0x00, 0xff, 0xd9};
  static_assert(sizeof file == 225);
  std::string error;
  EXPECT_FALSE(Decode(std::string(reinterpret_cast<const char*>(file), sizeof file), true, error));
  EXPECT_NE(error.find("too large"), std::string::npos) << error;
}
