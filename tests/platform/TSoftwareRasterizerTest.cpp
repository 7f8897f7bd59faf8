#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/TDamageTracker.h"
#include "platform/TSoftwareBackend.h"
#include "platform/TSoftwareRasterizer.h"

namespace {
constexpr int W = 64, H = 48;

// A picture whose every texel differs, half transparent at the edges.
TSoftTexture Picture(int w, int h) {
  std::vector<std::uint8_t> rgba(std::size_t(w) * h * 4);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &rgba[(std::size_t(y) * w + x) * 4];
      p[0] = std::uint8_t(x * 37 + y * 11);
      p[1] = std::uint8_t(x * 5 + y * 71);
      p[2] = std::uint8_t(x * y + 3);
      p[3] = (x == 0 || y == 0 || x == w - 1 || y == h - 1) ? 128 : 255;
    }
  TSoftTexture t;
  TSoftwareRasterizer::MakeTexture(rgba.data(), w, h, t);
  return t;
}

// A rectangle turned by angle degrees around its centre and scaled, as the sprite screen
// makes them.
void Turned(TRenderVertex v[4], float cx, float cy, float w, float h, float angle,
            std::uint8_t alpha = 254) {
  const float a = angle * 3.14159265f / 180, c = std::cos(a), s = std::sin(a);
  const float dx[4] = {-w / 2, w / 2, w / 2, -w / 2}, dy[4] = {-h / 2, -h / 2, h / 2, h / 2};
  const float u[4] = {0, 1, 1, 0}, vv[4] = {0, 0, 1, 1};
  for (int i = 0; i < 4; ++i)
    v[i] = {cx + c * dx[i] - s * dy[i], cy + s * dx[i] + c * dy[i], 254, 254, 254, alpha, u[i], vv[i]};
}

struct TFrame {
  std::vector<std::uint32_t> Pixels = std::vector<std::uint32_t>(W * H, 0xFF102030u);
  TSoftwareRasterizer R{Pixels.data(), W, H};
};
}  // namespace

TEST(SoftwareRasterizer, DrawingInPiecesGivesWhatDrawingWholeGives) {
  // The damage tracker redraws tiles: every pixel must not depend on the clip.
  const TSoftTexture t = Picture(13, 9);
  for (bool linear : {true, false})
    for (TBlendMode blend : {bmNormal, bmAdditive}) {
      TRenderVertex v[4];
      Turned(v, 30.3f, 21.7f, 40.5f, 27.25f, 33, 200);
      v[2].R = 40;  // a colour that varies over the quad too
      TFrame whole, pieces;
      whole.R.DrawQuad(v, &t, blend, linear, {0, 0, W, H});
      for (int y = 0; y < H; y += 7)
        for (int x = 0; x < W; x += 5) pieces.R.DrawQuad(v, &t, blend, linear, {x, y, x + 5, y + 7});
      EXPECT_EQ(whole.Pixels, pieces.Pixels) << "linear " << linear << " blend " << blend;
    }
}

TEST(SoftwareRasterizer, SkippingClearTexelsChangesNoPixel) {
  // A cloud-like picture: clear margins of different widths per row, clear rows at top and
  // bottom, one row clear in the middle. Scaled, mirrored and between pixels, the spans that
  // skip the clear texels must give the pixels of spans that sample them all.
  const int w = 23, h = 15;
  std::vector<std::uint8_t> rgba(std::size_t(w) * h * 4, 0);
  for (int y = 2; y < h - 2; ++y) {
    if (y == 7) continue;
    for (int x = 1 + y % 5; x < w - 1 - (y * 3) % 4; ++x) {
      std::uint8_t* p = &rgba[(std::size_t(y) * w + x) * 4];
      p[0] = std::uint8_t(x * 31), p[1] = std::uint8_t(y * 17), p[2] = 90;
      p[3] = std::uint8_t(60 + x * 8);
    }
  }
  TSoftTexture cut;
  TSoftwareRasterizer::MakeTexture(rgba.data(), w, h, cut);
  TSoftTexture whole = cut;
  whole.Rows.clear();  // no row spans: every texel sampled
  for (bool linear : {true, false})
    for (bool mirror : {false, true})
      for (float scale : {0.7f, 1.0f, 1.37f, 2.6f}) {
        TRenderVertex v[4];
        Turned(v, 31.4f, 23.6f, w * scale, h * scale, 0, 120);
        if (mirror)
          for (TRenderVertex& c : v) c.U = 1 - c.U;
        TFrame a, b;
        a.R.DrawQuad(v, &cut, bmNormal, linear, {0, 0, W, H});
        b.R.DrawQuad(v, &whole, bmNormal, linear, {0, 0, W, H});
        EXPECT_EQ(a.Pixels, b.Pixels) << "linear " << linear << " mirror " << mirror
                                      << " scale " << scale;
      }
}

TEST(SoftwareRasterizer, AnUnturnedSpriteCopiesItsTexelsAsTheGeneralPathSamplesThem) {
  const TSoftTexture t = Picture(10, 8);
  // The same sprite twice: once with its corners in the usual order (the copy path), once
  // starting at another corner (the polygon path with the same mapping).
  TRenderVertex a[4] = {{5, 6, 254, 254, 254, 254, 0, 0}, {15, 6, 254, 254, 254, 254, 1, 0},
                        {15, 14, 254, 254, 254, 254, 1, 1}, {5, 14, 254, 254, 254, 254, 0, 1}};
  TRenderVertex b[4] = {a[1], a[2], a[3], a[0]};
  for (TBlendMode blend : {bmNormal, bmAdditive}) {
    TFrame copy, general;
    copy.R.DrawQuad(a, &t, blend, true, {0, 0, W, H});
    general.R.DrawQuad(b, &t, blend, true, {0, 0, W, H});
    EXPECT_EQ(copy.Pixels, general.Pixels);
  }
  TFrame f;
  f.R.DrawQuad(a, &t, bmNormal, true, {0, 0, W, H});
  // An opaque texel lands unchanged (254 is the screen's white), the frame around stays.
  EXPECT_EQ(f.Pixels[7 * W + 7], 0xFF000000u | (t.Pixels[1 * 10 + 2] & 0xFFFFFF));
  EXPECT_EQ(f.Pixels[5 * W + 5], 0xFF102030u);
  EXPECT_EQ(f.Pixels[14 * W + 15], 0xFF102030u);
}

TEST(SoftwareRasterizer, ASpriteBetweenPixelsMixesItsFourTexelsByTheirShares) {
  // Placed a half pixel right and a quarter down, pixel (10, 10) takes texels (3..4, 2..3)
  // at 128/256 across and 192/256 down: the four-at-once sampling must give the one-pixel mix.
  const TSoftTexture t = Picture(12, 10);
  TRenderVertex v[4] = {{6.5f, 6.25f, 254, 254, 254, 254, 0, 0}, {18.5f, 6.25f, 254, 254, 254, 254, 1, 0},
                        {18.5f, 16.25f, 254, 254, 254, 254, 1, 1}, {6.5f, 16.25f, 254, 254, 254, 254, 0, 1}};
  TFrame f;
  f.R.DrawQuad(v, &t, bmNormal, true, {0, 0, W, H});
  auto mix = [](std::uint32_t a, std::uint32_t b, std::uint32_t w) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
      out |= ((((a >> shift) & 0xFF) * (256 - w) + ((b >> shift) & 0xFF) * w) >> 8) << shift;
    return out;
  };
  auto texel = [&](int x, int y) { return t.Pixels[y * 12 + x]; };
  const std::uint32_t want =
      mix(mix(texel(3, 3), texel(4, 3), 128), mix(texel(3, 4), texel(4, 4), 128), 192);
  EXPECT_EQ(f.Pixels[10 * W + 10], 0xFF000000u | (want & 0xFFFFFF));
}

TEST(SoftwareRasterizer, NeighboursAndTheTwoHalvesOfAQuadCoverEachPixelOnce) {
  // Added light shows a pixel drawn twice or not at all.
  auto quad = [](float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3,
                 TRenderVertex v[4]) {
    const float xs[4] = {x0, x1, x2, x3}, ys[4] = {y0, y1, y2, y3};
    for (int i = 0; i < 4; ++i) v[i] = {xs[i], ys[i], 20, 20, 20, 254, 0, 0};
  };
  TFrame f;
  TRenderVertex left[4], right[4], kite[4];
  quad(3.3f, 2.6f, 20.7f, 2.6f, 20.7f, 30.2f, 3.3f, 30.2f, left);
  quad(20.7f, 2.6f, 40.1f, 2.6f, 40.1f, 30.2f, 20.7f, 30.2f, right);
  quad(44, 3, 60.5f, 9.2f, 55.1f, 40.7f, 45.3f, 35.9f, kite);  // not a parallelogram
  for (auto* v : {left, right, kite}) f.R.DrawQuad(v, nullptr, bmAdditive, true, {0, 0, W, H});
  const std::uint32_t once = (f.Pixels[10 * W + 10] >> 16) & 0xFF;
  ASSERT_GT(once, 0x10u);
  int lit = 0;
  for (std::uint32_t p : f.Pixels) {
    const std::uint32_t red = (p >> 16) & 0xFF;
    EXPECT_TRUE(red == 0x10 || red == once) << std::hex << p;
    lit += red != 0x10;
  }
  EXPECT_GT(lit, 17 * 27 + 19 * 27);
}

TEST(SoftwareRasterizer, QuadsFarBeyondTheFrameOrBrokenDrawSafely) {
  const TSoftTexture t = Picture(8, 8);
  TFrame f;
  TRenderVertex huge[4];
  Turned(huge, 30, 20, 8 * 34.0f, 8 * 34.0f, 10);  // a scene wipe scaled 34 times
  f.R.DrawQuad(huge, &t, bmNormal, true, {0, 0, W, H});
  TRenderVertex far[4];
  Turned(far, 1e9f, -1e9f, 1e8f, 1e8f, 45);
  f.R.DrawQuad(far, &t, bmNormal, true, {0, 0, W, H});
  TRenderVertex broken[4];
  Turned(broken, 30, 20, 10, 10, 0);
  broken[1].X = std::nanf("");
  f.R.DrawQuad(broken, &t, bmNormal, true, {0, 0, W, H});
  TRenderVertex flat[4];
  Turned(flat, 30, 20, 0, 10, 0);  // no area
  f.R.DrawQuad(flat, &t, bmNormal, true, {0, 0, W, H});
  // Texture places nowhere or far beyond the picture.
  for (float bad : {std::nanf(""), 1e20f, -1e30f, INFINITY}) {
    TRenderVertex v[4];
    Turned(v, 30, 20, 20, 10, 15);
    v[2].U = bad;
    f.R.DrawQuad(v, &t, bmNormal, true, {0, 0, W, H});
    Turned(v, 30, 20, 20, 10, 0);
    v[0].U = v[3].U = bad;
    f.R.DrawQuad(v, &t, bmAdditive, false, {0, 0, W, H});
  }
  EXPECT_NE(f.Pixels[20 * W + 30], 0xFF102030u);
}

TEST(DamageTracker, OnlyTilesWhoseCallsChangedAreDamaged) {
  TDamageTracker d;
  d.Resize(100, 70);  // tiles of 32: 4 × 3, the last ones cut
  d.BeginFrame();
  d.Add({0, 0, 100, 70}, 1);
  d.Add({40, 40, 50, 50}, 2);
  auto first = d.EndFrame();
  ASSERT_EQ(first.size(), 1u);  // a new frame size shows everything
  EXPECT_EQ(first[0].X1, 100);
  EXPECT_EQ(first[0].Y1, 70);
  auto again = [&](std::uint64_t bgHash, TPixelRect sprite, std::uint64_t spriteHash) {
    d.BeginFrame();
    d.Add({0, 0, 100, 70}, bgHash);
    d.Add(sprite, spriteHash);
    return d.EndFrame();
  };
  EXPECT_TRUE(again(1, {40, 40, 50, 50}, 2).empty());  // a still screen
  // The sprite moves right: its old tile and its new one.
  auto moved = again(1, {70, 40, 80, 50}, 2);
  ASSERT_EQ(moved.size(), 1u);
  EXPECT_EQ(moved[0].X0, 32);
  EXPECT_EQ(moved[0].X1, 96);
  EXPECT_EQ(moved[0].Y0, 32);
  EXPECT_EQ(moved[0].Y1, 64);
  d.BeginFrame();
  d.Add({70, 40, 80, 50}, 2);
  d.Add({0, 0, 100, 70}, 1);
  // The same calls in another order are another picture where both reach.
  auto reordered = d.EndFrame();
  ASSERT_EQ(reordered.size(), 1u);
  EXPECT_EQ(reordered[0].X0, 64);
  EXPECT_EQ(reordered[0].Y0, 32);
  EXPECT_EQ(reordered[0].X1, 96);
  d.InvalidateAll();
  d.BeginFrame();
  d.Add({70, 40, 80, 50}, 2);
  d.Add({0, 0, 100, 70}, 1);
  EXPECT_FALSE(d.EndFrame().empty());
}

TEST(SoftwareBackend, AStillScreenDrawsNothingAndAReplacedPictureIsSeen) {
  TSoftwareBackend b;
  ASSERT_TRUE(b.Open(W, H, false));
  std::vector<std::uint8_t> red(4 * 4 * 4, 255), blue(4 * 4 * 4, 255);
  for (int i = 0; i < 16; ++i) red[i * 4 + 1] = red[i * 4 + 2] = 0, blue[i * 4] = blue[i * 4 + 1] = 0;
  int tw, th;
  TTextureId id = b.CreateTexture(red.data(), 4, 4, tw, th);
  auto frame = [&]() {
    b.BeginFrame();
    b.Clear(0, 0, 0, 255);
    b.BindTexture(id);
    TRenderVertex v[4] = {{8, 8, 254, 254, 254, 254, 0, 0}, {12, 8, 254, 254, 254, 254, 1, 0},
                          {12, 12, 254, 254, 254, 254, 1, 1}, {8, 12, 254, 254, 254, 254, 0, 1}};
    b.DrawQuad(v);
    b.EndFrame();
    return b.FramePixels()[9 * W + 9];
  };
  EXPECT_EQ(frame(), 0xFFFF0000u);
  EXPECT_EQ(frame(), 0xFFFF0000u);
  EXPECT_EQ(b.LastDrawnPixels(), 0);
  // The id comes back for another picture: the same calls, other pixels.
  b.DestroyTexture(id);
  id = b.CreateTexture(blue.data(), 4, 4, tw, th);
  EXPECT_EQ(frame(), 0xFF0000FFu);
  EXPECT_GT(b.LastDrawnPixels(), 0);

  // A picture drawn and then destroyed in the same frame is still the one drawn, even when a
  // new picture is made at once; drawing everything gives the same.
  for (bool tracking : {true, false}) {
    TSoftwareBackend c;
    c.DamageTracking = tracking;
    ASSERT_TRUE(c.Open(W, H, false));
    TTextureId first = c.CreateTexture(red.data(), 4, 4, tw, th);
    c.BeginFrame();
    c.BindTexture(first);
    TRenderVertex v[4] = {{8, 8, 254, 254, 254, 254, 0, 0}, {12, 8, 254, 254, 254, 254, 1, 0},
                          {12, 12, 254, 254, 254, 254, 1, 1}, {8, 12, 254, 254, 254, 254, 0, 1}};
    c.DrawQuad(v);
    c.DestroyTexture(first);
    TTextureId second = c.CreateTexture(blue.data(), 4, 4, tw, th);
    EXPECT_NE(second, first);  // not before the frame has been drawn
    c.EndFrame();
    EXPECT_EQ(c.FramePixels()[9 * W + 9], 0xFFFF0000u) << tracking;
    EXPECT_EQ(c.CreateTexture(blue.data(), 4, 4, tw, th), first);  // free again afterwards
  }
  std::vector<std::uint8_t> rgba;
  int w, h;
  ASSERT_TRUE(b.ReadBackBuffer(rgba, w, h));
  EXPECT_EQ(rgba[(9 * W + 9) * 4 + 2], 255);
  EXPECT_EQ(rgba[(9 * W + 9) * 4 + 0], 0);
}

// A big, mostly clear picture (a thin diagonal stroke, as a wand) swinging a little every
// frame, normally and added, with a flat square crossing it: tracking draws again only round
// the stroke and the square, and every frame equals drawing everything.
TEST(SoftwareBackend, ASwingingMostlyClearSpriteDamagesOnlyWhereItsTexelsAre) {
  constexpr int FW = 320, FH = 240, TW = 120, TH = 200;
  std::vector<std::uint8_t> stroke(std::size_t(TW) * TH * 4, 0);
  for (int y = 0; y < TH; ++y)
    for (int x = 0; x < TW; ++x)
      if (std::abs(x - (TW - 1 - y * TW / TH)) < 4) {
        std::uint8_t* p = &stroke[(std::size_t(y) * TW + x) * 4];
        p[0] = 250, p[1] = std::uint8_t(y), p[2] = 40, p[3] = std::uint8_t(120 + y / 2);
      }
  TSoftwareBackend tracked, full;
  full.DamageTracking = false;
  TTextureId ids[2];
  int tw, th;
  for (int i = 0; i < 2; ++i) {
    TSoftwareBackend& b = i ? full : tracked;
    ASSERT_TRUE(b.Open(FW, FH, false));
    ids[i] = b.CreateTexture(stroke.data(), TW, TH, tw, th);
  }
  double drawn = 0;
  for (int f = 0; f < 40; ++f) {
    for (int i = 0; i < 2; ++i) {
      TSoftwareBackend& b = i ? full : tracked;
      b.BeginFrame();
      b.Clear(20, 40, 60, 255);
      b.BindTexture(ids[i]);
      TRenderVertex v[4];
      Turned(v, 160, 120, TW * 1.1f, TH * 1.1f, std::sin(f * 0.3f) * 6);
      b.SetBlendMode(f % 10 < 5 ? bmNormal : bmAdditive);
      b.DrawQuad(v);
      b.BindTexture(0);
      b.SetBlendMode(bmNormal);
      const float x = 20.0f + f * 6;
      const TRenderVertex square[4] = {{x, 200, 200, 0, 0, 255, 0, 0}, {x + 12, 200, 200, 0, 0, 255, 0, 0},
                                       {x + 12, 212, 200, 0, 0, 255, 0, 0}, {x, 212, 200, 0, 0, 255, 0, 0}};
      b.DrawQuad(square);
      b.EndFrame();
    }
    ASSERT_EQ(0, std::memcmp(tracked.FramePixels(), full.FramePixels(), sizeof(std::uint32_t) * FW * FH))
        << "frame " << f;
    if (f > 0) drawn += double(tracked.LastDrawnPixels()) / (FW * FH);
  }
  // The tiles of the turned picture's bounds are about two thirds of the frame; the stroke's
  // diagonal and the square about a quarter.
  EXPECT_LT(drawn / 39, 0.4);
}
