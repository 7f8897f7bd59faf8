#include <gtest/gtest.h>

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
    screen.Initialize();
    const int roomW[] = {250, 260, 250, 250, 240}, roomH[] = {200, 210, 200, 190, 200};
    for (int i = 0; i < 5; ++i) Add("MapRoom" + std::to_string(i + 1), roomW[i], roomH[i]);
    Add("CompletedStamp", 110, 110);
  }
  void Add(const std::string& name, int w, int h) {
    TImageListItem& item = images.Add(name);
    TPicture p;
    p.Resize(w, h);
    item.SetPicture(p);
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
  EXPECT_EQ(map.IslandAt(600, 300), 3);  // picture at (536, 277), still closed
  EXPECT_FALSE(map.SelectAt(600, 300));
  EXPECT_EQ(map.IslandAt(536 + 250, 300), 0);  // right edge is outside
  EXPECT_FALSE(map.SelectAt(20, 20));          // open sea
  EXPECT_EQ(map.SelectedIsland(), 1);

  map.OpenIsland(2);
  map.OpenIsland(3);
  EXPECT_TRUE(map.SelectAt(600, 300));
  EXPECT_EQ(map.BossIndex(), 2);
  // Islands 2 and 5 overlap; 5 is drawn later and owns the overlap even while closed.
  EXPECT_FALSE(map.SelectAt(400, 550));
  map.OpenIsland(5);
  EXPECT_TRUE(map.SelectAt(400, 550));
  EXPECT_EQ(map.SelectedIsland(), 5);

  map.Draw();
  auto drawn = r.Take();
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_NEAR(drawn[3].Alpha, 120, 1);  // island 4 is still closed
  EXPECT_NEAR(drawn[4].Alpha, 255, 1);

  map.SelectUpTo(4);
  EXPECT_EQ(map.SelectedIsland(), 3);
  // A save with nothing open still leaves the first island playable.
  map.SetState({}, {}, {});
  EXPECT_TRUE(map.Opened(1));
  EXPECT_FALSE(map.Opened(3));
}

// Finishing island 2's shop and going to the map, then coming back without buying.
TEST(WorldMap, ANewIslandIsAnnouncedOnceAndTheFinishedOneStamped) {
  MapRig r;
  TTextStrings texts;
  for (int n = 1; n <= 5; ++n) texts.GameComments.Set(n, "Chapter " + std::to_string(n));
  TMapIslands map;
  map.TextStringsComp = &texts;
  map.SetState({1, 1, 0, 0, 0}, {1, 1, 0, 0, 0}, {1, 1, 0, 0, 0});
  TCompletedStamps stamps;
  stamps.OmgImgList = &r.images;
  std::vector<std::string> sounds;
  stamps.PlaySound = [&](const std::string& s) { sounds.push_back(s); };
  std::string message;
  auto enterMap = [&](bool shopComplete) {
    if (shopComplete) {
      map.OpenIsland(map.SelectedIsland() + 1);
      map.SelectHighestOpened();
    }
    stamps.LastOpenedIslandIdx = static_cast<std::uint8_t>(map.SelectedIsland());
    const int island = map.NextAnnouncement(message);
    if (island) stamps.AnimateNewStamp();
    return island;
  };

  map.SelectUpTo(2);
  EXPECT_EQ(enterMap(true), 3);
  EXPECT_EQ(map.SelectedIsland(), 3);
  EXPECT_EQ(message, "Chapter 3");
  EXPECT_EQ(TMapIslands::MarkerPosition(3), (TPoint{669, 395}));
  EXPECT_EQ(stamps.AnimatedIsland(), 2);

  stamps.Draw();
  auto drawn = r.Take();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_NEAR(drawn[1].Alpha, 69, 1);  // landing: large and faint, turned
  EXPECT_NEAR(stamps.Angle(), 149, 1e-3);
  int updates = 1;
  while (stamps.AnimatedIsland() && updates < 100) {
    stamps.Draw();
    ++updates;
  }
  EXPECT_EQ(updates, 16);  // 5.8 - 16 x 0.3 = 1
  EXPECT_EQ(sounds, std::vector<std::string>{"Combo"});
  r.Take();
  stamps.Draw();
  drawn = r.Take();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_FLOAT_EQ(drawn[1].X, 290);
  EXPECT_NEAR(drawn[1].Alpha, 255, 1);

  EXPECT_EQ(enterMap(false), 0);
  EXPECT_EQ(message, "");
  EXPECT_EQ(stamps.AnimatedIsland(), 0);

  // With the last island current all four stamps show, never a fifth, and none lands.
  stamps.LastOpenedIslandIdx = 9;
  stamps.AnimateNewStamp();
  EXPECT_EQ(stamps.AnimatedIsland(), 0);
  stamps.Draw();
  EXPECT_EQ(r.Take().size(), 4u);
}

TEST(WorldMapObjects, VehiclesSailTheirJourneyOnceAndCloudsComeRound) {
  TGameRandom::SetSeed(5);
  TWorldMapObjects objects;
  std::set<int> journeys;
  for (int i = 0; i < 40; ++i) {
    objects.ChooseJourneys();
    journeys.insert(objects.VehicleJourney(0) * 10 + objects.VehicleJourney(1));
    EXPECT_FLOAT_EQ(objects.VehicleAngle(1), TWorldMapObjects::Journeys[objects.VehicleJourney(1)].StartAngle);
  }
  EXPECT_EQ(journeys, (std::set<int>{2, 3, 12, 13}));  // one of A1, A2 with one of B1, B2

  float previous = objects.CloudAngle(0);
  int wraps = 0;
  for (int i = 0; i < 6000; ++i) {
    objects.UpdateAndDraw();
    const float a = objects.CloudAngle(0);
    if (a > previous) {
      ++wraps;
      EXPECT_FLOAT_EQ(a, 26.5f);
      EXPECT_LE(previous - 0.021f, -26.5f + 1e-3f);
    }
    previous = a;
  }
  EXPECT_EQ(wraps, 2);  // from 0: at about 1262 and 3786 updates
  for (int v = 0; v < 2; ++v)  // arrived, and stays
    EXPECT_FLOAT_EQ(objects.VehicleAngle(v), TWorldMapObjects::Journeys[objects.VehicleJourney(v)].EndAngle);
  EXPECT_NEAR(std::abs(objects.CloudAngle(0) - objects.CloudAngle(1)), 26.5f, 0.1f);
}
