// The hub's town: every sticker paints only where the layout lets it, so the street, the
// restaurant's front and the panels over the town stay clear whatever the art does.
#include <gtest/gtest.h>

#include <cmath>

#include "AssetgenTestSupport.h"
#include "Generator.h"
#include "metagame/TStickerBookLayout.h"

using assetgen::TAssetSpec;
using TLayout = TStickerBookLayout;

namespace {
const std::vector<TAssetSpec>& Manifest() {
  static const std::vector<TAssetSpec> m = assetgen::BuildManifest();
  return m;
}
}  // namespace

TEST(BookArt, StickersKeepOffTheStreetTheRestaurantAndThePanels) {
  for (int g = TLayout::ZeppelinGroup; g <= TLayout::DefinedObjects; ++g) {
    const TLayout::TObjectDef& o = TLayout::Object(g);
    const TAssetSpec* asset = assetgen_test::Find(Manifest(), o.Image);
    ASSERT_NE(asset, nullptr) << o.Image;
    EXPECT_EQ(asset->Folder, "Upgrades/") << o.Image;
    const TPicture p = assetgen::RenderPicture(*asset);
    int painted = 0;
    std::string firstFault;
    for (int y = 0; y < p.Height; ++y)
      for (int x = 0; x < p.Width; ++x) {
        if (p.Row(y)[x * 4 + 3] <= 16) continue;
        ++painted;
        // The screen pixels this picture pixel covers at the object's scale.
        const int left = o.X + static_cast<int>(std::floor(x * o.Scale));
        const int top = o.Y + static_cast<int>(std::floor(y * o.Scale));
        const int right = o.X + static_cast<int>(std::ceil((x + 1) * o.Scale));
        const int bottom = o.Y + static_cast<int>(std::ceil((y + 1) * o.Scale));
        for (const TLayout::TKeepClear& area : TLayout::KeepClear()) {
          const TLayout::TRect& r = area.Area;
          const bool overlaps = left < r.Right && right > r.Left && top < r.Bottom && bottom > r.Top;
          if (overlaps && !TLayout::MayCover(g, area) && firstFault.empty())
            firstFault = std::string(area.Name) + " at (" + std::to_string(left) + ", " +
                         std::to_string(top) + ")";
        }
      }
    EXPECT_TRUE(firstFault.empty()) << o.Image << " paints over the " << firstFault;
    // A sticker that shows (almost) nothing would make a purchase look lost.
    EXPECT_GT(painted, 400) << o.Image;
  }
}

TEST(BookArt, EveryStageIsAFullScreenPictureOfTheUpgradeFolder) {
  for (int stage = 1; stage <= 5; ++stage) {
    const TAssetSpec* s = assetgen_test::Find(Manifest(), "ciBG" + std::to_string(stage));
    ASSERT_NE(s, nullptr) << stage;
    EXPECT_EQ(s->Folder, "Upgrades/");
    EXPECT_EQ(s->Format, assetgen::TFormat::Jpeg);
    EXPECT_EQ(s->Width(), 1366);
    EXPECT_EQ(s->Height(), 768);
  }
  // Drawn at scale 2 from the screen's corner, the lawn covers the whole screen.
  const TAssetSpec* meadow = assetgen_test::Find(Manifest(), "Upg1_1");
  ASSERT_NE(meadow, nullptr);
  EXPECT_GE(meadow->Width() * 2, 1366);
  EXPECT_GE(meadow->Height() * 2, 768);
}
