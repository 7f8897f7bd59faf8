#include <gtest/gtest.h>

#include <array>

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"
#include "platform/TSoftwareBackend.h"

TEST(OmegaScreen, SettersKeepOnlyAcceptedValues) {
  TOmegaScreen s;
  s.SetBpp(24);
  EXPECT_EQ(s.GetBpp(), 16);
  s.SetBpp(32);
  EXPECT_EQ(s.GetBpp(), 32);
  s.SetFrequency(59);
  EXPECT_EQ(s.GetFrequency(), 0u);
  s.SetFrequency(144);
  EXPECT_EQ(s.GetFrequency(), 144u);
}

TEST(OmegaScreen, GlobalColourAndTransformApplyToEveryVertex) {
  TRecordingBackend backend;
  TOmegaScreen s(&backend);
  s.Width = 1024;
  s.Height = 768;
  s.ScaleX = 1024.0f / 1366.0f;
  s.ScaleY = 1.0f;
  ASSERT_TRUE(s.Initialize());
  TOmegaVertex v[4];
  for (auto& c : v) c.Color = 0xFF80FF00;  // alpha 255, red 128, green 255, blue 0
  v[0].X = 100;
  v[0].Y = 50;
  s.SubmitQuad(v, 4);
  const auto& q = backend.Quads.back();
  EXPECT_EQ(q.Corners[0].A, 254);  // 255 * 255 / 256, truncated
  EXPECT_EQ(q.Corners[0].R, 127);
  EXPECT_EQ(q.Corners[0].G, 254);
  EXPECT_EQ(q.Corners[0].B, 0);
  EXPECT_NEAR(q.Corners[0].X, 74.963f, 1e-3);  // 100 * 1024 / 1366
  EXPECT_FLOAT_EQ(q.Corners[0].Y, 50);

  s.SetAlpha(128);
  s.SubmitQuad(v, 4);
  EXPECT_EQ(backend.Quads.back().Corners[0].A, 127);

  // The global rotation turns about the centre, then the offset is added.
  s.SetAlpha(255);
  s.ScaleX = s.ScaleY = 1;
  s.Rotation = 90;
  s.CenterX = 10;
  s.CenterY = 10;
  s.OffsetX = 5;
  v[0].X = 20;
  v[0].Y = 10;
  s.SubmitQuad(v, 4);
  EXPECT_NEAR(backend.Quads.back().Corners[0].X, 15, 1e-4);
  EXPECT_NEAR(backend.Quads.back().Corners[0].Y, 20, 1e-4);
}

TEST(OmegaScreen, FullScreenTakesOnlyListedSizes) {
  TRecordingBackend backend;
  TOmegaScreen s(&backend);
  int beeps = 0;
  s.OnBeep = [&] { ++beeps; };
  s.Width = 1920;
  s.Height = 1080;
  s.FullScreen = true;
  ASSERT_TRUE(s.Initialize());
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(backend.Width, 800);
  EXPECT_EQ(backend.Height, 600);
  // Windowed, any size goes.
  s.FullScreen = false;
  EXPECT_EQ(s.Reset(), 0);
  EXPECT_EQ(backend.Width, 1920);
  EXPECT_EQ(beeps, 1);
}

TEST(OmegaScreen, NoDeviceIsFatalAndALostDeviceSkipsFrames) {
  TRecordingBackend broken;
  broken.FailOpen = true;
  TOmegaScreen s(&broken);
  std::string fatal;
  s.OnFatalError = [&](const std::string& m) { fatal = m; };
  EXPECT_FALSE(s.Initialize());
  EXPECT_FALSE(s.Ready());
  EXPECT_NE(fatal.find("devices"), std::string::npos);

  TRecordingBackend backend;
  TOmegaScreen t(&backend);
  ASSERT_TRUE(t.Initialize());
  backend.Lost = true;
  t.BeginScene();
  EXPECT_FALSE(t.InScene());
  t.EndScene();
  EXPECT_EQ(backend.PresentCount, 0);
  backend.Lost = false;
  t.BeginScene();
  EXPECT_TRUE(t.InScene());
  t.EndScene();
  EXPECT_EQ(backend.PresentCount, 1);
}

TEST(OmegaScreen, ResetRebuildsMissingTexturesAndKeepsTheBlendMode) {
  TRecordingBackend backend;
  TOmegaScreen s(&backend);
  ASSERT_TRUE(s.Initialize());
  TOmegaImageList images(&s);
  TImageListItem& item = images.Add("Late");
  TPicture p;
  p.Resize(4, 4);
  item.SetPicture(p);
  EXPECT_EQ(item.Texture(), 0u);
  s.SetBlendMode(bmAdditive);
  EXPECT_EQ(s.Reset(), 0);
  EXPECT_NE(item.Texture(), 0u);
  EXPECT_EQ(backend.CurrentBlend, bmAdditive);
}

// Pictures keep one copy, in the back end: the decoded pixels go once the texture is made,
// so a display reset (a full-screen switch) must leave the texture drawable as it was.
TEST(OmegaScreen, APictureFreedAfterUploadStillDrawsAfterAReset) {
  TSoftwareBackend backend;
  TOmegaScreen screen(&backend);
  screen.Width = 1366;
  screen.Height = 768;
  ASSERT_TRUE(screen.Initialize());
  TOmegaImageList images(&screen);
  TImageListItem& item = images.Add("Red");
  TPicture p;
  p.Resize(4, 4);
  for (int i = 0; i < 16; ++i) p.Pixels[i * 4] = p.Pixels[i * 4 + 3] = 255;
  item.SetPicture(p);
  EXPECT_TRUE(item.HasPixels());
  ASSERT_TRUE(item.CreateTexture());
  EXPECT_FALSE(item.HasPixels());
  EXPECT_EQ(item.PictureWidth(), 4);

  // Full screen and back, as the game switches.
  screen.FullScreen = true;
  ASSERT_EQ(screen.Reset(), 0);
  screen.FullScreen = false;
  ASSERT_EQ(screen.Reset(), 0);
  screen.SetFiltering(false);
  screen.Clear(0, 0, 0, 255);
  screen.BeginScene();
  item.Draw(0, 0, 0, {.ScaleX = 4, .ScaleY = 4});
  screen.EndScene();
  TPicture out;
  ASSERT_TRUE(screen.ReadBackBuffer(out));
  const std::uint8_t* px = out.Row(8) + 8 * 4;
  EXPECT_GT(px[0], 240);
  EXPECT_EQ(px[1], 0);
  EXPECT_EQ(px[2], 0);
}

TEST(OmegaScreen, PixelsStayUntilAnUploadSucceeds) {
  TRecordingBackend backend;
  TOmegaScreen s(&backend);
  ASSERT_TRUE(s.Initialize());
  TOmegaImageList images(&s);
  TImageListItem& item = images.Add("Late");
  TPicture p;
  p.Resize(4, 4);
  item.SetPicture(p);
  backend.FailTextures = true;
  EXPECT_FALSE(item.CreateTexture());
  EXPECT_TRUE(item.HasPixels());
  backend.FailTextures = false;
  EXPECT_EQ(s.Reset(), 0);
  EXPECT_NE(item.Texture(), 0u);
  EXPECT_FALSE(item.HasPixels());
  // Later resets find the texture and need no pixels.
  EXPECT_EQ(s.Reset(), 0);
  EXPECT_EQ(backend.Textures.size(), 1u);
  EXPECT_EQ(item.PictureWidth(), 4);
}

namespace {
// Draws a 4x4 texture of one colour over a cleared back buffer and reads the middle pixel.
std::array<int, 3> BlendPixel(TBlendMode mode, std::array<std::uint8_t, 4> src,
                              std::array<std::uint8_t, 3> dst) {
  TSoftwareBackend backend;
  TOmegaScreen screen(&backend);
  screen.Width = 16;
  screen.Height = 16;
  EXPECT_TRUE(screen.Initialize());
  TOmegaImageList images(&screen);
  TImageListItem& item = images.Add("Block");
  TPicture p;
  p.Resize(4, 4);
  for (int i = 0; i < 16; ++i)
    for (int c = 0; c < 4; ++c) p.Pixels[i * 4 + c] = src[c];
  item.SetPicture(p);
  item.CreateTexture();
  screen.SetFiltering(false);
  screen.Clear(dst[0], dst[1], dst[2], 255);
  screen.BeginScene();
  item.Draw(0, 0, 0, {.ScaleX = 4, .ScaleY = 4, .Blend = mode});
  screen.EndScene();
  TPicture out;
  EXPECT_TRUE(screen.ReadBackBuffer(out));
  const std::uint8_t* px = out.Row(8) + 8 * 4;
  return {px[0], px[1], px[2]};
}
}  // namespace

TEST(OmegaScreen, NormalAndAdditiveBlendingGiveTheTablesResults) {
  // Normal: source * alpha + destination * (1 - alpha).
  auto normal = BlendPixel(bmNormal, {200, 100, 0, 128}, {100, 50, 200});
  // The vertex colour is 254/255 after the global colour; the texture alpha 128 too.
  const double a = 128 / 255.0 * 254 / 255.0, c = 254 / 255.0;
  EXPECT_NEAR(normal[0], 200 * c * a + 100 * (1 - a), 3);
  EXPECT_NEAR(normal[1], 100 * c * a + 50 * (1 - a), 3);
  EXPECT_NEAR(normal[2], 0 * c * a + 200 * (1 - a), 3);
  // Additive: source * alpha + destination, saturating.
  auto add = BlendPixel(bmAdditive, {200, 100, 0, 128}, {100, 200, 30});
  EXPECT_NEAR(add[0], 100 + 200 * c * a, 3);
  EXPECT_NEAR(add[1], 200 + 100 * c * a, 3);
  EXPECT_NEAR(add[2], 30, 3);
  auto saturated = BlendPixel(bmAdditive, {255, 255, 255, 255}, {200, 200, 200});
  EXPECT_EQ(saturated[0], 255);
}
