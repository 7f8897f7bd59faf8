#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <vector>

#include "audio/TMusicBox.h"
#include "engine/TGameRandom.h"
#include "platform/TRecordingAudioBackend.h"
#include "support/TempDir.h"

namespace {
struct MusicRig {
  TempDir dir;
  TRecordingAudioBackend backend;
  TMusicBox box{backend};
  std::vector<std::string> started;
  explicit MusicRig(bool files = true) {
    if (files)
      for (int t = 0; t < TMusicBox::TrackCount; ++t)
        std::ofstream(dir.File(TMusicBox::TrackFile(t))) << "x";
    box.Path = dir.Str();
    box.LoadTracks();
    box.OnTrace = [this](const std::string& k, const std::string& d) {
      started.push_back(k + " " + d);
    };
  }
  // Runs updates until the current track changes; the number of updates it took.
  int UpdatesUntilTrack(int track, int limit = 500) {
    for (int i = 1; i <= limit; ++i) {
      box.Update();
      if (box.CurrentTrack() == track) return i;
    }
    return -1;
  }
  void Updates(int n) {
    for (int i = 0; i < n; ++i) box.Update();
  }
  TRecordingAudioBackend::TStream& Track(int t) { return *backend.Find(box.TrackStream(t)); }
};
}  // namespace

TEST(MusicBox, TracksAndRequests) {
  MusicRig rig;
  ASSERT_EQ(rig.backend.Streams.size(), 9u);
  for (int t = 0; t < 9; ++t) EXPECT_EQ(rig.Track(t).Loop, t != 6) << t;  // LevelClear plays once
  EXPECT_EQ(TMusicBox::TrackOfRequest(9), 0);
  std::map<int, int> seen;
  TGameRandom::SetSeed(99);
  for (int i = 0; i < 200; ++i) ++seen[TMusicBox::TrackOfRequest(7)];
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_GT(seen[7], 60);
  EXPECT_GT(seen[8], 60);
}

TEST(MusicBox, StartsSilentClimbsAndTheFirstRequestFadesThatLevelFirst) {
  MusicRig rig;
  rig.box.SetVolume(100);
  EXPECT_EQ(rig.box.CurrentTrack(), -1);
  rig.Updates(10);
  EXPECT_EQ(rig.box.Level(), 20);
  rig.box.Request(0);
  EXPECT_EQ(rig.box.PendingTrack(), 0);
  // 20 -> 0 in four updates; the fifth would go below 0 and starts the track.
  EXPECT_EQ(rig.UpdatesUntilTrack(0), 5);
  EXPECT_EQ(rig.started, std::vector<std::string>{"music 0"});
  EXPECT_TRUE(rig.Track(0).Playing);
  EXPECT_EQ(rig.box.Level(), 0);
  EXPECT_EQ(rig.box.State(), TMusicBox::TFadeState::FadingIn);
  rig.Updates(50);
  EXPECT_EQ(rig.box.Level(), 100);
  for (int t = 0; t < 9; ++t) EXPECT_EQ(rig.Track(t).Volume, 100);
}

TEST(MusicBox, FadeNumbersBetweenTracks) {
  MusicRig rig;
  rig.box.SetVolume(100);
  rig.box.Request(2);
  rig.UpdatesUntilTrack(2);
  rig.Updates(50);
  ASSERT_EQ(rig.box.Level(), 100);
  rig.box.Request(2);  // the current track: nothing happens
  EXPECT_EQ(rig.box.State(), TMusicBox::TFadeState::FadingIn);
  rig.box.Request(3);
  rig.Updates(20);
  EXPECT_EQ(rig.box.Level(), 0);
  EXPECT_EQ(rig.box.CurrentTrack(), 2);
  EXPECT_EQ(rig.Track(2).Volume, 0);
  rig.box.Update();
  EXPECT_EQ(rig.box.CurrentTrack(), 3);
  EXPECT_FALSE(rig.Track(2).Playing);  // every track stops before one starts
  EXPECT_TRUE(rig.Track(3).Playing);
  EXPECT_EQ(rig.Track(3).PlayCount, 1);
  rig.Updates(49);
  EXPECT_EQ(rig.box.Level(), 98);
  rig.box.Update();
  EXPECT_EQ(rig.box.Level(), 100);
}

TEST(MusicBox, RequestsDuringAFadeOut) {
  MusicRig rig;
  rig.box.SetVolume(100);
  rig.box.Request(2);
  rig.UpdatesUntilTrack(2);
  rig.Updates(50);
  // A request for the current track during the fade-out is ignored: track 3 still comes.
  rig.box.Request(3);
  rig.Updates(5);
  rig.box.Request(2);
  EXPECT_EQ(rig.UpdatesUntilTrack(3), 16);
  // A newer request replaces the pending track.
  rig.Updates(50);
  rig.box.Request(4);
  rig.Updates(3);
  rig.box.Request(5);
  EXPECT_EQ(rig.box.PendingTrack(), 5);
  EXPECT_GT(rig.UpdatesUntilTrack(5), 0);
  EXPECT_FALSE(rig.Track(4).Playing);
  EXPECT_EQ(rig.Track(4).PlayCount, 0);
  EXPECT_EQ(rig.started, (std::vector<std::string>{"music 2", "music 3", "music 5"}));
}

TEST(MusicBox, VolumeClampsAndIsReachedThroughUpdates) {
  MusicRig rig;
  rig.box.SetVolume(150);
  EXPECT_EQ(rig.box.Volume(), 100);
  rig.box.SetVolume(-5);
  EXPECT_EQ(rig.box.Volume(), 0);
  rig.box.SetVolume(60);
  rig.box.Request(1);
  rig.UpdatesUntilTrack(1);
  rig.Updates(40);
  EXPECT_EQ(rig.box.Level(), 60);
  rig.box.SetVolume(20);
  EXPECT_EQ(rig.Track(1).Volume, 60);
  rig.box.Update();  // lower at once
  EXPECT_EQ(rig.Track(1).Volume, 20);
  rig.box.SetVolume(30);
  rig.box.Update();  // higher by 2 a frame
  EXPECT_EQ(rig.Track(1).Volume, 22);
  // At volume 0 the fades still run and tracks still switch, silently; a fade-out
  // under way falls silent at once.
  rig.box.Request(9);
  rig.box.SetVolume(0);
  rig.box.Update();
  EXPECT_EQ(rig.Track(1).Volume, 0);
  EXPECT_EQ(rig.UpdatesUntilTrack(0), 1);
  EXPECT_TRUE(rig.Track(0).Playing);
  rig.Updates(10);
  EXPECT_EQ(rig.Track(0).Volume, 0);
}

TEST(MusicBox, MissingTracksStaySilentAndKeepTheirNumbers) {
  MusicRig rig(false);
  std::ofstream(rig.dir.File("MainGame2.ogg")) << "x";
  rig.box.LoadTracks();  // only the missing one opens
  EXPECT_EQ(rig.backend.Streams.size(), 1u);
  EXPECT_EQ(rig.box.TrackStream(2), 0u);
  ASSERT_NE(rig.box.TrackStream(3), 0u);
  rig.box.Request(2);
  EXPECT_GT(rig.UpdatesUntilTrack(2), 0);
  EXPECT_EQ(rig.started, std::vector<std::string>{"music 2"});
  rig.box.Request(3);
  rig.UpdatesUntilTrack(3);
  EXPECT_TRUE(rig.Track(3).Playing);
  rig.box.StopAll();
  EXPECT_FALSE(rig.Track(3).Playing);
}
