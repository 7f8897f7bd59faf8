#include <gtest/gtest.h>

#include <set>

#include "engine/TLoadedImageList.h"
#include "shell/TImageGroup.h"

TEST(ImageGroup, TheGroupsLoadedByScenesEachKeepAListOfTheirOwn) {
  std::set<int> lists;
  for (int g = igLogo; g <= igPracticeWindow; ++g) {
    const int list = LoadedListOf(static_cast<TImageGroup>(g));
    if (list < 0) continue;
    EXPECT_LT(list, TLoadedImageList::GroupCount) << g;
    EXPECT_TRUE(lists.insert(list).second) << g;  // no two groups share a list
  }
  EXPECT_EQ(static_cast<int>(lists.size()), TLoadedImageList::GroupCount);
  // The folders that stay for the whole run, or go by name, keep none.
  for (TImageGroup g : {igLogo, igSplash, igMain, igCloudCover, igBoard, igPracticeWindow})
    EXPECT_EQ(LoadedListOf(g), -1) << static_cast<int>(g);
}
