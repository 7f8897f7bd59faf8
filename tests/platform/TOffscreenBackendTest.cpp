#include <gtest/gtest.h>

#include <array>

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "platform/TOffscreenBackend.h"

namespace {
// A 4x4 picture drawn unscaled at (2, 2) over a cleared 8x8 screen (the copy path).
struct TCopyRig {
  TOffscreenBackend Backend;
  TOmegaScreen Screen{&Backend};
  std::unique_ptr<TOmegaImageList> Images;

  TCopyRig() {
    Screen.Width = 8;
    Screen.Height = 8;
    EXPECT_TRUE(Screen.Initialize());
    Images = std::make_unique<TOmegaImageList>(&Screen);
  }
  void Add(const char* name, std::uint8_t alpha) {
    TPicture p;
    p.Resize(4, 4);
    for (int i = 0; i < 16; ++i) {
      p.Pixels[i * 4 + 0] = static_cast<std::uint8_t>(40 + i * 10);  // every texel its own
      p.Pixels[i * 4 + 1] = static_cast<std::uint8_t>(200 - i * 5);
      p.Pixels[i * 4 + 2] = static_cast<std::uint8_t>(i * 3);
      p.Pixels[i * 4 + 3] = alpha;
    }
    TImageListItem& item = Images->Add(name);
    item.SetPicture(p);
    item.CreateTexture();
  }
  TPicture Draw(const char* name, std::uint8_t alpha, int blend = 0) {
    Screen.SetFiltering(false);
    Screen.Clear(0, 0, 250, 255);
    Screen.BeginScene();
    Images->DrawImageColor(name, 2, 2, 0, 255, 255, 255, alpha, 1, 1, 0, 0, 0, blend);
    Screen.EndScene();
    TPicture out;
    EXPECT_TRUE(Screen.ReadBackBuffer(out));
    return out;
  }
  static std::array<int, 3> At(const TPicture& p, int x, int y) {
    const std::uint8_t* px = p.Row(y) + x * 4;
    return {px[0], px[1], px[2]};
  }
};
}  // namespace

// Opaque pictures at full alpha are copied texel for texel, in place and in colour order.
TEST(OffscreenBackend, OpaquePicturesCopyExactly) {
  TCopyRig rig;
  rig.Add("Opaque", 255);
  TPicture out = rig.Draw("Opaque", 255);
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(TCopyRig::At(out, 2 + i % 4, 2 + i / 4),
              (std::array<int, 3>{40 + i * 10, 200 - i * 5, i * 3}))
        << "texel " << i;
  EXPECT_EQ(TCopyRig::At(out, 1, 1), (std::array<int, 3>{0, 0, 250}));
  EXPECT_EQ(TCopyRig::At(out, 6, 6), (std::array<int, 3>{0, 0, 250}));
}

// Anything less than an opaque picture at full alpha in normal blending still blends.
TEST(OffscreenBackend, FadedOrTranslucentOrAdditivePicturesStillBlend) {
  TCopyRig rig;
  rig.Add("Opaque", 255);
  rig.Add("Glass", 128);
  auto faded = TCopyRig::At(rig.Draw("Opaque", 128), 2, 2);
  EXPECT_NEAR(faded[0], 40 / 2, 3);
  EXPECT_NEAR(faded[2], 250 / 2, 3);
  auto glass = TCopyRig::At(rig.Draw("Glass", 255), 2, 2);
  EXPECT_NEAR(glass[2], 250 / 2, 3);
  auto added = TCopyRig::At(rig.Draw("Opaque", 255, 2), 2, 2);
  EXPECT_EQ(added[2], 250);  // blue 0 added to 250
  EXPECT_NEAR(added[0], 40, 2);
  // The copy leaves the texture blending normally for the next draw.
  auto again = TCopyRig::At(rig.Draw("Opaque", 128), 2, 2);
  EXPECT_EQ(again, faded);
}
