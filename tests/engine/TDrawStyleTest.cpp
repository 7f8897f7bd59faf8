#include <gtest/gtest.h>

#include <functional>
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

void ExpectSameQuad(const TRecordingBackend::TQuad& a, const TRecordingBackend::TQuad& b) {
  EXPECT_EQ(a.Texture, b.Texture);
  EXPECT_EQ(a.BlendMode, b.BlendMode);
  for (int i = 0; i < 4; ++i) {
    const TRenderVertex &p = a.Corners[i], &q = b.Corners[i];
    SCOPED_TRACE("corner " + std::to_string(i));
    EXPECT_EQ(p.X, q.X);
    EXPECT_EQ(p.Y, q.Y);
    EXPECT_EQ(p.U, q.U);
    EXPECT_EQ(p.V, q.V);
    EXPECT_EQ((std::vector<int>{p.R, p.G, p.B, p.A}), (std::vector<int>{q.R, q.G, q.B, q.A}));
  }
}
}  // namespace

// The styles the game draws with record exactly the quad of the positional call they replace.
TEST(DrawStyle, RecordsTheQuadOfThePositionalCall) {
  StyleRig r;
  TOmegaImageList& images = r.images;
  struct TCase {
    const char* what;
    float x, y;
    int pattern;
    std::uint8_t red, green, blue, alpha;
    float scaleX, scaleY, centerX, centerY, angle;
    int blend;
    TDrawStyle style;
  };
  const TCase cases[] = {
      {"as it is", 10, 20, 3, 255, 255, 255, 255, 1, 1, 0, 0, 0, 0, {}},
      {"faded", 10.5f, 20, 4, 255, 255, 255, 125, 1, 1, 0, 0, 0, 0, {.A = 125}},
      {"shadow", 102, 205, 7, 0, 0, 0, 80, 1.15f, 1.15f, 0.5f, 0.5f, 0, 0,
       {.R = 0, .G = 0, .B = 0, .A = 80, .ScaleX = 1.15f, .ScaleY = 1.15f, .CenterX = 0.5f,
        .CenterY = 0.5f}},
      {"turning shine", 300, 210, 0, 255, 255, 255, 110, 1.3f, 0.7f, 0.5f, 0.5f, 37.25f, 2,
       {.A = 110, .ScaleX = 1.3f, .ScaleY = 0.7f, .CenterX = 0.5f, .CenterY = 0.5f,
        .Angle = 37.25f, .Blend = bmAdditive}},
      {"yellow glow", 52, 52, 9, 255, 255, 0, 173, 1, 1, 0, 0, 0, 2,
       {.B = 0, .A = 173, .Blend = bmAdditive}},
      {"swinging logo", 476, 62, 0, 255, 255, 255, 255, 1, 1, 0.5f, -50, -0.11f, 0,
       {.CenterX = 0.5f, .CenterY = -50, .Angle = -0.11f}},
      {"wand", 569, 132, 0, 255, 255, 255, 255, 1, 1, 0.99226004f, 0.08370044f, 2.3f, 0,
       {.CenterX = 0.99226004f, .CenterY = 0.08370044f, .Angle = 2.3f}},
      {"scale 0 counts as 1", 10, 10, 1, 255, 255, 255, 255, 0, 0, 0, 0, 0, 0,
       {.ScaleX = 0, .ScaleY = 0}},
      {"whole picture", 0, 0, TImageListItem::WholePicture, 12, 34, 56, 78, 2, 3, 0.5f, 0.5f, 90,
       0,
       {.R = 12, .G = 34, .B = 56, .A = 78, .ScaleX = 2, .ScaleY = 3, .CenterX = 0.5f,
        .CenterY = 0.5f, .Angle = 90}},
      {"past the grid", 5, 5, 99, 255, 255, 255, 255, 1, 1, 0, 0, 0, 0, {}},
      {"stretched bolt", 400, 300, 5, 255, 255, 255, 200, 3.5f, 1, 0, 0.5f, 90, 2,
       {.A = 200, .ScaleX = 3.5f, .CenterY = 0.5f, .Angle = 90, .Blend = bmAdditive}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto positional = r.Record([&] {
      images.DrawImageColor("Strip", c.x, c.y, c.pattern, c.red, c.green, c.blue, c.alpha,
                            c.scaleX, c.scaleY, c.centerX, c.centerY, c.angle, c.blend);
    });
    auto styled = r.Record([&] { images.DrawImage("Strip", c.x, c.y, c.pattern, c.style); });
    ExpectSameQuad(styled, positional);
  }

  // Mirror and flip, which only the packed-colour call had.
  SCOPED_TRACE("mirrored and flipped");
  auto packed = r.Record(
      [&] { r.Strip().DrawEx(20, 30, 6, true, true, 0x80FF4020, 1.5f, 1.5f, 0.5f, 0.5f, 45); });
  auto styled = r.Record([&] {
    r.Strip().Draw(20, 30, 6,
                   {.R = 0xFF, .G = 0x40, .B = 0x20, .A = 0x80, .ScaleX = 1.5f, .ScaleY = 1.5f,
                    .CenterX = 0.5f, .CenterY = 0.5f, .Angle = 45, .Mirror = true, .Flip = true});
  });
  ExpectSameQuad(styled, packed);
}

TEST(DrawStyle, RectanglesOfThePictureToo) {
  StyleRig r;
  const TSourceRect src{0, 12, 37, 60};
  auto positional = r.Record([&] {
    r.Strip().DrawRect(src, 22.5f, 40, 0, false, false, 255, 255, 255, 255, 1, 1, 0, 0, 0);
  });
  auto styled = r.Record([&] { r.Strip().DrawRect(src, 22.5f, 40); });
  ExpectSameQuad(styled, positional);
}

TEST(DrawStyle, BlendModeUnchangedKeepsTheScreensMode) {
  StyleRig r;
  r.images.DrawImage("Strip", 0, 0, 0, {.Blend = bmAdditive});
  auto kept = r.Record([&] { r.images.DrawImage("Strip", 0, 0, 0, {.Blend = bmUnchanged}); });
  EXPECT_EQ(kept.BlendMode, bmAdditive);
  auto normal = r.Record([&] { r.images.DrawImage("Strip", 0, 0, 0); });
  EXPECT_EQ(normal.BlendMode, bmNormal);
}
