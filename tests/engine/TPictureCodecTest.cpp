#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "engine/TPictureDecoder.h"
#include "engine/TPictureEncoder.h"
#include "support/TempDir.h"

namespace {
TPicture Gradient(int w, int h) {
  TPicture p;
  p.Resize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      auto* px = p.Row(y) + x * 4;
      px[0] = static_cast<std::uint8_t>(x * 255 / w);
      px[1] = static_cast<std::uint8_t>(y * 255 / h);
      px[2] = 128;
      px[3] = static_cast<std::uint8_t>((x + y) & 0xFF);
    }
  return p;
}

void Truncate(const std::string& path, std::size_t keep) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(std::min(keep, bytes.size())));
}
}  // namespace

TEST(PictureCodec, PngRoundTripKeepsAlpha) {
  TempDir dir;
  TPicture src = Gradient(37, 21);
  std::string err;
  ASSERT_TRUE(TPictureEncoder::WritePngFile(dir.File("a.png"), src, err)) << err;
  TPicture back;
  ASSERT_TRUE(TPictureDecoder::DecodeFile(dir.File("a.png"), back, err)) << err;
  EXPECT_EQ(back.Width, 37);
  EXPECT_EQ(back.Height, 21);
  EXPECT_EQ(back.Pixels, src.Pixels);
}

TEST(PictureCodec, JpegDecodesOpaqueWithCloseColours) {
  TempDir dir;
  TPicture src = Gradient(64, 32);
  std::string err;
  ASSERT_TRUE(TPictureEncoder::WriteJpegFile(dir.File("b.jpg"), src, 95, err)) << err;
  TPicture back;
  ASSERT_TRUE(TPictureDecoder::DecodeFile(dir.File("b.jpg"), back, err)) << err;
  ASSERT_EQ(back.Width, 64);
  ASSERT_EQ(back.Height, 32);
  for (int i = 0; i < 64 * 32; ++i) {
    EXPECT_EQ(back.Pixels[i * 4 + 3], 255);
    EXPECT_NEAR(back.Pixels[i * 4 + 0], src.Pixels[i * 4 + 0], 12);
  }
}

TEST(PictureCodec, BadFilesAreReportedNotFatal) {
  TempDir dir;
  std::string err;
  TPicture p;
  EXPECT_FALSE(TPictureDecoder::DecodeFile(dir.File("missing.png"), p, err));
  EXPECT_NE(err.find("missing.png"), std::string::npos);

  TPicture src = Gradient(80, 60);
  ASSERT_TRUE(TPictureEncoder::WritePngFile(dir.File("cut.png"), src, err));
  Truncate(dir.File("cut.png"), 120);
  EXPECT_FALSE(TPictureDecoder::DecodeFile(dir.File("cut.png"), p, err));
  EXPECT_TRUE(p.Empty());

  ASSERT_TRUE(TPictureEncoder::WriteJpegFile(dir.File("cut.jpg"), src, 90, err));
  Truncate(dir.File("cut.jpg"), 300);
  EXPECT_FALSE(TPictureDecoder::DecodeFile(dir.File("cut.jpg"), p, err));
  EXPECT_TRUE(p.Empty());

  std::ofstream(dir.File("junk.png")) << "this is not a picture at all, just text";
  EXPECT_FALSE(TPictureDecoder::DecodeFile(dir.File("junk.png"), p, err));
  std::ofstream(dir.File("junk.jpg")) << "\xFF\xD8\xFF\xE0 nonsense that starts like a JPEG";
  EXPECT_FALSE(TPictureDecoder::DecodeFile(dir.File("junk.jpg"), p, err));
  std::ofstream(dir.File("empty.png")).close();
  EXPECT_FALSE(TPictureDecoder::DecodeFile(dir.File("empty.png"), p, err));
  // A folder by a picture's name opens, but cannot be read.
  std::filesystem::create_directories(dir.File("folder.png"));
  EXPECT_FALSE(TPictureDecoder::DecodeFile(dir.File("folder.png"), p, err));
  EXPECT_NE(err.find("folder.png"), std::string::npos);
  EXPECT_TRUE(p.Empty());
}
