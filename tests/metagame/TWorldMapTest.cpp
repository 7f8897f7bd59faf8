#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"
#include "metagame/TCompletedStamps.h"
#include "metagame/TMapIslands.h"
#include "metagame/TWorldMapObjects.h"
#include "text/TTextStrings.h"

namespace {

// The map pictures at their generated sizes, each quad traced back to its name.
struct MapRig {
  struct TDrawn {
    std::string Name;
    float X, Y;
    int Alpha;
  };
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  std::map<TTextureId, std::string> names;

  MapRig() {
    backend.PadToPowerOfTwo = false;
    screen.Width = 1366;
    screen.Height = 768;
    screen.Initialize();
    const int roomW[] = {250, 260, 250, 250, 240}, roomH[] = {200, 210, 200, 190, 200};
    for (int i = 0; i < 5; ++i) Add("MapRoom" + std::to_string(i + 1), roomW[i], roomH[i], 1);
    Add("CompletedStamp", 110, 110, 1);
    Add("WorldMapTransports", 110, 80, 3);
    Add("WorldMapClouds", 620, 200, 1);
  }
  void Add(const std::string& name, int w, int h, int patterns) {
    TImageListItem& item = images.Add(name);
    TPicture p;
    p.Resize(w * patterns, h);
    item.SetPicture(p);
    item.SetTileWidth(w);
    item.SetTileHeight(h);
    item.CreateTexture();
    names[item.Texture()] = name;
  }
  std::vector<TDrawn> Take() {
    std::vector<TDrawn> out;
    for (const auto& q : backend.Quads)
      out.push_back({names[q.Texture], q.Corners[0].X, q.Corners[0].Y, q.Corners[0].A});
    backend.Quads.clear();
    return out;
  }
};

}  // namespace

TEST(MapIslands, OnlyOpenedIslandsAreSelectedAndTheTopmostPictureTakesTheClick) {
  MapRig r;
  TMapIslands map;
  map.OmgImgList = &r.images;
  EXPECT_EQ(map.SelectedIsland(), 1);
  EXPECT_TRUE(map.Opened(1));
  EXPECT_FALSE(map.Opened(2));

  // Island 3's picture at (536, 277), still closed.
  EXPECT_EQ(map.IslandAt(600, 300), 3);
  EXPECT_FALSE(map.SelectAt(600, 300));
  EXPECT_EQ(map.SelectedIsland(), 1);
  EXPECT_EQ(map.IslandAt(20, 20), 0);  // open sea
  EXPECT_FALSE(map.SelectAt(20, 20));
  // Right and bottom edges are outside.
  EXPECT_EQ(map.IslandAt(536 + 250, 300), 0);

  map.OpenIsland(2);
  map.OpenIsland(3);
  EXPECT_TRUE(map.SelectAt(600, 300));
  EXPECT_EQ(map.SelectedIsland(), 3);
  EXPECT_EQ(map.BossIndex(), 2);

  // Islands 2 and 5 overlap; 5 is drawn later, so it owns the overlap even while closed.
  EXPECT_EQ(map.IslandAt(400, 550), 5);
  EXPECT_FALSE(map.SelectAt(400, 550));
  map.OpenIsland(5);
  EXPECT_TRUE(map.SelectAt(400, 550));
  EXPECT_EQ(map.SelectedIsland(), 5);
  EXPECT_TRUE(map.SelectAt(300, 400));  // island 2 outside the overlap
  EXPECT_EQ(map.SelectedIsland(), 2);

  // Without pictures nothing can be hit.
  TMapIslands blind;
  EXPECT_EQ(blind.IslandAt(600, 300), 0);
}

TEST(MapIslands, SelectionRulesAndSavedState) {
  TMapIslands map;
  map.OpenIsland(3);
  map.OpenIsland(0);  // ignored
  map.OpenIsland(6);
  map.SelectUpTo(5);
  EXPECT_EQ(map.SelectedIsland(), 3);
  map.SelectUpTo(2);
  EXPECT_EQ(map.SelectedIsland(), 1);
  map.SelectUpTo(0);
  EXPECT_EQ(map.SelectedIsland(), 1);
  map.SelectHighestOpened();
  EXPECT_EQ(map.SelectedIsland(), 3);
  map.MarkVisited();
  EXPECT_TRUE(map.Visited(3));

  TMapIslands restored;
  restored.SetState(map.VisitedState(), map.OpenedState(), map.AnnouncedState());
  EXPECT_TRUE(restored.Opened(3));
  EXPECT_TRUE(restored.Visited(3));
  EXPECT_FALSE(restored.Opened(2));
  // A save with nothing open still leaves the first island playable.
  TMapIslands empty;
  empty.SetState({}, {}, {});
  EXPECT_TRUE(empty.Opened(1));
  EXPECT_EQ(empty.SelectedIsland(), 1);
}

TEST(MapIslands, ClosedIslandsAreDrawnFaded) {
  MapRig r;
  TMapIslands map;
  map.OmgImgList = &r.images;
  map.OpenIsland(4);
  map.Draw();
  auto drawn = r.Take();
  ASSERT_EQ(drawn.size(), 5u);
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(drawn[n - 1].Name, "MapRoom" + std::to_string(n));
    EXPECT_FLOAT_EQ(drawn[n - 1].X, TMapIslands::PicturePosition(n).X);
    EXPECT_FLOAT_EQ(drawn[n - 1].Y, TMapIslands::PicturePosition(n).Y);
    EXPECT_NEAR(drawn[n - 1].Alpha, n == 1 || n == 4 ? 255 : 120, 1) << n;
  }
}

// Finishing island 2's shop and going to the map, then coming back without buying.
TEST(WorldMap, ANewIslandIsAnnouncedOnceAndTheFinishedOneStamped) {
  MapRig r;
  TTextStrings texts;
  for (int n = 1; n <= 5; ++n) texts.GameComments.Set(n, "Chapter " + std::to_string(n));
  TMapIslands map;
  map.OmgImgList = &r.images;
  map.TextStringsComp = &texts;
  TCompletedStamps stamps;
  stamps.OmgImgList = &r.images;
  std::vector<std::string> sounds;
  stamps.PlaySound = [&](const std::string& s) { sounds.push_back(s); };

  // A player who has played islands 1 and 2.
  std::string message;
  map.SetState({1, 1, 0, 0, 0}, {1, 1, 0, 0, 0}, {1, 1, 0, 0, 0});

  auto enterMap = [&](bool shopComplete, int shopIsland) {
    if (shopComplete) {
      map.OpenIsland(shopIsland + 1);
      map.SelectHighestOpened();
    }
    stamps.LastOpenedIslandIdx = static_cast<std::uint8_t>(map.SelectedIsland());
    const int island = map.NextAnnouncement(message);
    if (island) stamps.AnimateNewStamp();
    return island;
  };

  EXPECT_EQ(enterMap(true, 2), 3);
  EXPECT_EQ(map.SelectedIsland(), 3);
  EXPECT_FALSE(map.Visited(3));
  EXPECT_EQ(message, "Chapter 3");
  EXPECT_EQ(TMapIslands::MarkerPosition(3), (TPoint{767, 303}));
  EXPECT_EQ(stamps.AnimatedIsland(), 2);

  // The landing: from 5.8 down by 0.3 per update, then "Combo" once and a still stamp.
  int updates = 0;
  while (stamps.AnimatedIsland() && updates < 100) {
    stamps.Draw();
    ++updates;
    EXPECT_LE(stamps.Alpha(), 255);
    EXPECT_GE(stamps.Angle(), 0);
    EXPECT_LT(stamps.Angle(), 360.001f);
  }
  EXPECT_EQ(updates, 16);  // 5.8 - 16 * 0.3 = 1.0
  EXPECT_EQ(sounds, std::vector<std::string>{"Combo"});
  r.Take();
  stamps.Draw();
  auto drawn = r.Take();
  ASSERT_EQ(drawn.size(), 2u);  // islands 1 and 2
  EXPECT_FLOAT_EQ(drawn[1].X, 244);
  EXPECT_FLOAT_EQ(drawn[1].Y, 321);
  EXPECT_NEAR(drawn[1].Alpha, 255, 1);

  // Back to the map without buying anything: no message, no stamp landing.
  message = "stale";
  EXPECT_EQ(enterMap(false, 3), 0);
  EXPECT_EQ(message, "");
  EXPECT_EQ(stamps.AnimatedIsland(), 0);
  EXPECT_EQ(sounds.size(), 1u);
}

TEST(CompletedStamps, StampsCoverTheIslandsBeforeTheCurrentOne) {
  MapRig r;
  TCompletedStamps stamps;
  stamps.OmgImgList = &r.images;
  // On the first island there is nothing finished and nothing to land.
  stamps.AnimateNewStamp();
  EXPECT_EQ(stamps.AnimatedIsland(), 0);
  stamps.Draw();
  EXPECT_TRUE(r.Take().empty());

  stamps.LastOpenedIslandIdx = 4;
  stamps.AnimateNewStamp();
  EXPECT_EQ(stamps.AnimatedIsland(), 3);
  EXPECT_FLOAT_EQ(stamps.Size(), 5.8f);
  stamps.Draw();
  auto drawn = r.Take();
  ASSERT_EQ(drawn.size(), 3u);
  // The landing stamp is drawn large and faint, the other two still and whole.
  EXPECT_NEAR(drawn[0].Alpha, 255, 1);
  EXPECT_NEAR(drawn[2].Alpha, 69, 1);
  EXPECT_NEAR(stamps.Angle(), 149, 1e-3);
  stamps.Clear();
  EXPECT_EQ(stamps.AnimatedIsland(), 0);

  // With the last island current all four stamps show, and never a fifth.
  stamps.LastOpenedIslandIdx = 5;
  stamps.Draw();
  EXPECT_EQ(r.Take().size(), 4u);
  stamps.LastOpenedIslandIdx = 9;
  stamps.AnimateNewStamp();
  EXPECT_EQ(stamps.AnimatedIsland(), 0);
  stamps.Draw();
  EXPECT_EQ(r.Take().size(), 4u);
}

TEST(WorldMapObjects, VehiclesSailTheirJourneyOnceAndCloudsComeRound) {
  MapRig r;
  TGameRandom::SetSeed(5);
  TWorldMapObjects objects;
  objects.OmgImgList = &r.images;
  std::set<int> journeysA, journeysB;
  for (int i = 0; i < 40; ++i) {
    objects.ChooseJourneys();
    journeysA.insert(objects.VehicleJourney(0));
    journeysB.insert(objects.VehicleJourney(1));
    for (int v = 0; v < 2; ++v)
      EXPECT_FLOAT_EQ(objects.VehicleAngle(v),
                      TWorldMapObjects::Journeys[objects.VehicleJourney(v)].StartAngle);
  }
  EXPECT_EQ(journeysA, (std::set<int>{0, 1}));
  EXPECT_EQ(journeysB, (std::set<int>{2, 3}));

  // The slowest journey (19.9 degrees at 0.018) ends within 1200 updates and stays.
  for (int i = 0; i < 1300; ++i) objects.UpdateAndDraw();
  for (int v = 0; v < 2; ++v)
    EXPECT_FLOAT_EQ(objects.VehicleAngle(v),
                    TWorldMapObjects::Journeys[objects.VehicleJourney(v)].EndAngle);

  // Clouds fall by 0.021 per update and start again at 26.5 once at -26.5 or less.
  float lowest = 100, highest = -100;
  float previous = objects.CloudAngle(0);
  int wraps = 0;
  for (int i = 0; i < 6000; ++i) {
    objects.UpdateAndDraw();
    const float a = objects.CloudAngle(0);
    lowest = std::min(lowest, a);
    highest = std::max(highest, a);
    if (a > previous) {
      ++wraps;
      EXPECT_FLOAT_EQ(a, 26.5f);
    }
    previous = a;
  }
  EXPECT_EQ(wraps, 2);  // a round of 53 degrees takes about 2524 updates
  EXPECT_GT(lowest, -26.5f);
  EXPECT_LE(highest, 26.5f);
  // The two layers keep half a round apart.
  EXPECT_NEAR(std::fabs(objects.CloudAngle(0) - objects.CloudAngle(1)), 26.5f, 0.1f);

  r.Take();
  objects.UpdateAndDraw();
  auto drawn = r.Take();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].Name, "WorldMapTransports");
  EXPECT_EQ(drawn[3].Name, "WorldMapClouds");
}
