#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/TDrawStyle.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"

namespace {
struct StyleRig {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  StyleRig() {
    screen.Width = 1366;
    screen.Height = 768;
    screen.Initialize();
    // A 5 x 2 grid of 40 x 30 patterns in a 256 x 64 texture.
    TImageListItem& strip = images.Add("Strip");
    TPicture p;
    p.Resize(200, 60);
    strip.SetPicture(p);
    strip.SetTileWidth(40);
    strip.SetTileHeight(30);
    strip.CreateTexture();
  }
  TImageListItem& Strip() { return *images.Find("Strip"); }
  TRecordingBackend::TQuad Record(const std::function<void()>& draw) {
    backend.Quads.clear();
    draw();
    EXPECT_EQ(backend.Quads.size(), 1u);
    return backend.Quads.empty() ? TRecordingBackend::TQuad{} : backend.Quads.back();
  }
};

// Corners as x, y, u, v; one colour for all four, after the screen's global colour.
struct TPinnedQuad {
  float Corners[4][4];
  int Rgba[4];
  int Blend;
};

void ExpectQuad(const TRecordingBackend::TQuad& q, const TPinnedQuad& want) {
  EXPECT_EQ(q.BlendMode, want.Blend);
  for (int i = 0; i < 4; ++i) {
    const TRenderVertex& v = q.Corners[i];
    SCOPED_TRACE("corner " + std::to_string(i));
    // Within a few units of the last place, so that another maths library still agrees.
    EXPECT_FLOAT_EQ(v.X, want.Corners[i][0]);
    EXPECT_FLOAT_EQ(v.Y, want.Corners[i][1]);
    EXPECT_FLOAT_EQ(v.U, want.Corners[i][2]);
    EXPECT_FLOAT_EQ(v.V, want.Corners[i][3]);
    EXPECT_EQ((std::vector<int>{v.R, v.G, v.B, v.A}), (std::vector<int>(want.Rgba, want.Rgba + 4)));
  }
}
}  // namespace

// Each style below replaced a positional colour call (or, mirrored and flipped, the packed
// colour call); the quads are what those calls recorded.
TEST(DrawStyle, RecordsTheQuadOfThePositionalCallItReplaced) {
  StyleRig r;
  struct TCase {
    const char* what;
    float x, y;
    int pattern;
    TDrawStyle style;
    TPinnedQuad quad;
  };
  // clang-format off
  const TCase cases[] = {
      {"as it is", 10, 20, 3,
       {},
       {{{10, 20, 0.46875f, 0}, {50, 20, 0.625f, 0}, {50, 50, 0.625f, 0.46875f},
         {10, 50, 0.46875f, 0.46875f}},
        {254, 254, 254, 254}, bmNormal}},
      {"faded", 10.5f, 20, 4,
       {.A = 125},
       {{{10.5f, 20, 0.625f, 0}, {50.5f, 20, 0.78125f, 0}, {50.5f, 50, 0.78125f, 0.46875f},
         {10.5f, 50, 0.625f, 0.46875f}},
        {254, 254, 254, 124}, bmNormal}},
      {"shadow", 102, 205, 7,
       {.R = 0, .G = 0, .B = 0, .A = 80, .ScaleX = 1.15f, .ScaleY = 1.15f, .CenterX = 0.5f,
        .CenterY = 0.5f},
       {{{99, 202.75f, 0.3125f, 0.46875f}, {145, 202.75f, 0.46875f, 0.46875f},
         {145, 237.25f, 0.46875f, 0.9375f}, {99, 237.25f, 0.3125f, 0.9375f}},
        {0, 0, 0, 79}, bmNormal}},
      {"turning shine", 300, 210, 0,
       {.A = 110, .ScaleX = 1.3f, .ScaleY = 0.7f, .CenterX = 0.5f, .CenterY = 0.5f, .Angle = 37.25f,
        .Blend = bmAdditive},
       {{{305.659546f, 200.904343f, 0, 0}, {347.051636f, 232.379623f, 0.15625f, 0},
         {334.340454f, 249.095657f, 0.15625f, 0.46875f}, {292.948364f, 217.620377f, 0, 0.46875f}},
        {254, 254, 254, 109}, bmAdditive}},
      {"yellow glow", 52, 52, 9,
       {.B = 0, .A = 173, .Blend = bmAdditive},
       {{{52, 52, 0.625f, 0.46875f}, {92, 52, 0.78125f, 0.46875f}, {92, 82, 0.78125f, 0.9375f},
         {52, 82, 0.625f, 0.9375f}},
        {254, 254, 0, 172}, bmAdditive}},
      {"swinging logo", 476, 62, 0,
       {.CenterX = 0.5f, .CenterY = -50, .Angle = -0.11f},
       {{{478.879822f, 62.0356331f, 0, 0}, {518.879761f, 61.9588394f, 0.15625f, 0},
         {518.937378f, 91.958786f, 0.15625f, 0.46875f}, {478.937439f, 92.0355759f, 0, 0.46875f}},
        {254, 254, 254, 254}, bmNormal}},
      {"wand", 569, 132, 0,
       {.CenterX = 0.99226004f, .CenterY = 0.08370044f, .Angle = 2.3f},
       {{{569.132751f, 130.40918f, 0, 0}, {609.100525f, 132.01445f, 0.15625f, 0},
         {607.896545f, 161.99028f, 0.15625f, 0.46875f}, {567.928772f, 160.38501f, 0, 0.46875f}},
        {254, 254, 254, 254}, bmNormal}},
      {"scale 0 counts as 1", 10, 10, 1,
       {.ScaleX = 0, .ScaleY = 0},
       {{{10, 10, 0.15625f, 0}, {50, 10, 0.3125f, 0}, {50, 40, 0.3125f, 0.46875f},
         {10, 40, 0.15625f, 0.46875f}},
        {254, 254, 254, 254}, bmNormal}},
      {"whole picture", 0, 0, TImageListItem::WholePicture,
       {.R = 12, .G = 34, .B = 56, .A = 78, .ScaleX = 2, .ScaleY = 3, .CenterX = 0.5f,
        .CenterY = 0.5f, .Angle = 90},
       {{{190, -170, 0, 0}, {190, -90, 0.78125f, 0}, {100, -90, 0.78125f, 0.9375f},
         {100, -170, 0, 0.9375f}},
        {11, 33, 55, 77}, bmNormal}},
      {"past the grid", 5, 5, 99,
       {},
       {{{5, 5, 0.625f, 0.46875f}, {45, 5, 0.78125f, 0.46875f}, {45, 35, 0.78125f, 0.9375f},
         {5, 35, 0.625f, 0.9375f}},
        {254, 254, 254, 254}, bmNormal}},
      {"stretched bolt", 400, 300, 5,
       {.A = 200, .ScaleX = 3.5f, .CenterY = 0.5f, .Angle = 90, .Blend = bmAdditive},
       {{{415, 315, 0, 0.46875f}, {415, 455, 0.15625f, 0.46875f}, {385, 455, 0.15625f, 0.9375f},
         {385, 315, 0, 0.9375f}},
        {254, 254, 254, 199}, bmAdditive}},
      {"mirrored and flipped", 20, 30, 6,
       {.R = 0xFF, .G = 0x40, .B = 0x20, .A = 0x80, .ScaleX = 1.5f, .ScaleY = 1.5f, .CenterX = 0.5f,
        .CenterY = 0.5f, .Angle = 45, .Mirror = true, .Flip = true},
       {{{34.6966972f, 7.876894f, 0.3125f, 0.9375f}, {77.1231079f, 50.3033028f, 0.15625f, 0.9375f},
         {45.3033028f, 82.1231079f, 0.15625f, 0.46875f},
         {2.876894f, 39.6966972f, 0.3125f, 0.46875f}},
        {254, 63, 31, 127}, bmNormal}},
  };
  // clang-format on
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectQuad(r.Record([&] { r.images.DrawImage("Strip", c.x, c.y, c.pattern, c.style); }),
               c.quad);
  }
}

TEST(DrawStyle, RectanglesOfThePictureToo) {
  StyleRig r;
  const TPinnedQuad want{{{22.5f, 40, 0, 0.1875f},
                          {59.5f, 40, 0.14453125f, 0.1875f},
                          {59.5f, 88, 0.14453125f, 0.9375f},
                          {22.5f, 88, 0, 0.9375f}},
                         {254, 254, 254, 254},
                         bmNormal};
  ExpectQuad(r.Record([&] { r.Strip().DrawRect({0, 12, 37, 60}, 22.5f, 40); }), want);
}

TEST(DrawStyle, BlendModeUnchangedKeepsTheScreensMode) {
  StyleRig r;
  r.images.DrawImage("Strip", 0, 0, 0, {.Blend = bmAdditive});
  auto kept = r.Record([&] { r.images.DrawImage("Strip", 0, 0, 0, {.Blend = bmUnchanged}); });
  EXPECT_EQ(kept.BlendMode, bmAdditive);
  auto normal = r.Record([&] { r.images.DrawImage("Strip", 0, 0, 0); });
  EXPECT_EQ(normal.BlendMode, bmNormal);
}
