#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "metagame/TBuySlotsInfo.h"
#include "support/RecordingScreen.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"

namespace {

struct InfoRig {
  RecordingScreen rec;
  TGlobalGameText text;
  TTextStrings texts;
  TBuySlotsInfo info;
  InfoRig() {
    texts.GameTexts.Set(12, "Price");
    texts.GameTexts.Set(13, " - more");
    rec.AddBlank("ShopWindow", 656, 420);
    rec.AddBlank("ElementIcons", 40, 40, 5, 1);
    rec.AddBlank("GlobalFontWhite", 68, 44, 28, 3);
    text.OmgImgList = &rec.images;
    text.OrigLetterWidth = 68;
    text.OrigLetterHeight = 44;
    info.OmgImgList = &rec.images;
    info.GlobGameText = &text;
    info.TextStringsComp = &texts;
  }
  // Left edges of the price row's icons, and how many red glyphs were drawn.
  struct TDrawn {
    std::vector<float> PriceIcons;
    int RedGlyphs = 0;
    bool Window = false;
  };
  TDrawn Draw() {
    rec.backend.Quads.clear();
    info.Draw();
    TDrawn d;
    for (const auto& q : rec.backend.Quads) {
      const std::string& name = rec.NameOf(q);
      if (name == "ShopWindow") d.Window = true;
      if (name == "ElementIcons" && std::lround(q.Corners[0].Y) == info.PriceIconTop())
        d.PriceIcons.push_back(std::round(q.Corners[0].X));
      if (name == "GlobalFontWhite" && q.Corners[0].R > 200 && q.Corners[0].G < 50)
        d.RedGlyphs++;
    }
    return d;
  }
};

}  // namespace

TEST(BuySlotsInfo, ThePriceRowSkipsFreeKindsAndBlinksOnlyWhatThePurseLacks) {
  InfoRig r;
  EXPECT_FALSE(r.Draw().Window);
  TBuySlotData dish;
  dish.Price[elFruit] = 300;
  dish.Price[elSpider] = 12;
  TElementsCount purse;
  purse[elFruit] = 300;
  purse[elSpider] = 5;
  r.info.MouseOver(purse, 2, 1, dish);
  int updates = 0;
  while (r.info.Alpha() < 255 && updates < 100) {
    r.info.Update();
    ++updates;
  }
  EXPECT_EQ(updates, 13);  // 20 a frame
  // Fruits first, spiders next to them: the kinds without a price leave no gap.
  InfoRig::TDrawn drawn = r.Draw();
  EXPECT_TRUE(drawn.Window);
  EXPECT_EQ(drawn.PriceIcons,
            (std::vector<float>{float(r.info.PriceIconLeft(0)), float(r.info.PriceIconLeft(1))}));
  // Only the spiders are short: their "12" blinks, the warning line stays.
  std::vector<int> red;
  for (int i = 0; i < 30; ++i) {
    r.info.Update();
    red.push_back(r.Draw().RedGlyphs);
  }
  const auto [fewest, most] = std::minmax_element(red.begin(), red.end());
  EXPECT_EQ(*most - *fewest, 2);
  EXPECT_GT(*fewest, 0);
  EXPECT_GE(std::count(red.begin(), red.end(), *fewest), 10);

  // Another dish starts from nothing; leaving fades out.
  r.info.MouseOver(purse, 2, 2, dish);
  EXPECT_EQ(r.info.Alpha(), 0);
  r.info.Update();
  EXPECT_EQ(r.info.Alpha(), 20);
  r.info.MouseOff();
  for (int i = 0; i < 2; ++i) r.info.Update();
  EXPECT_EQ(r.info.Alpha(), 0);
  EXPECT_FALSE(r.Draw().Window);
}
