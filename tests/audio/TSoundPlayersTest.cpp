#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "audio/TSFXPlayer.h"
#include "audio/TVoicePlayer.h"
#include "platform/TRecordingAudioBackend.h"
#include "support/TempDir.h"

namespace {
void MakeSounds(const TempDir& dir, std::initializer_list<std::string> names) {
  for (const auto& n : names) std::ofstream(dir.File(n)) << "x";
}

struct EffectsRig {
  TempDir dir;
  TRecordingAudioBackend backend;
  TSFXPlayer player{backend};
  std::vector<std::string> trace;
  explicit EffectsRig(std::initializer_list<std::string> files) {
    MakeSounds(dir, files);
    player.OnTrace = [this](const std::string& k, const std::string& d) {
      trace.push_back(k + " " + d);
    };
    player.Path = dir.Str();
    player.LoadAll();
  }
  int PlayCount(int slot) { return backend.Find(player.SlotStream(slot))->PlayCount; }
};
}  // namespace

TEST(SFXPlayer, LoadsInListingOrderWithFiveSlotsForOverlappingSounds) {
  EffectsRig rig({"Click.ogg", "ElementBounce1.ogg", "ScoreCount.ogg", "Bomb.OGG", "readme.txt",
                  "LockerBounce.ogg"});
  // Sorted: Bomb, Click, ElementBounce1 x5, LockerBounce x5, ScoreCount x5.
  ASSERT_EQ(rig.player.Count(), 17);
  EXPECT_EQ(rig.player.SlotName(0), "Bomb");
  EXPECT_EQ(rig.player.SlotName(6), "ElementBounce1");
  EXPECT_EQ(rig.player.SlotName(7), "LockerBounce");
  EXPECT_EQ(rig.player.SlotName(16), "ScoreCount");
  for (const auto& s : rig.backend.Streams) EXPECT_FALSE(s.Loop);
}

TEST(SFXPlayer, FiveVoicesRotateAndTheSixthRestartsTheFirst) {
  EffectsRig rig({"ElementBounce1.ogg", "Click.ogg"});
  ASSERT_EQ(rig.player.SlotName(1), "ElementBounce1");
  for (int i = 0; i < 6; ++i) rig.player.Play("ElementBounce1");
  EXPECT_EQ(rig.PlayCount(1), 2);
  for (int s = 2; s <= 5; ++s) EXPECT_EQ(rig.PlayCount(s), 1);
  // A voice that has finished is taken before a playing one.
  rig.backend.Stop(rig.player.SlotStream(3));
  rig.player.Play("ElementBounce1");
  EXPECT_EQ(rig.PlayCount(3), 2);
  // A single-slot sound restarts itself.
  rig.player.Play("Click");
  rig.player.Play("Click");
  EXPECT_EQ(rig.PlayCount(0), 2);
  EXPECT_EQ(rig.trace.size(), 9u);
  EXPECT_EQ(rig.trace.back(), "sound Click");
  // The lookup is exact; an unknown name does nothing.
  rig.player.Play("click");
  rig.player.Play("Click ");
  rig.player.Play("Missing");
  EXPECT_EQ(rig.PlayCount(0), 2);
  EXPECT_EQ(rig.trace.size(), 9u);
}

TEST(SFXPlayer, VolumeClampsAndReachesEveryStream) {
  EffectsRig rig({"Click.ogg", "LockerBreak.ogg"});
  for (const auto& s : rig.backend.Streams) EXPECT_EQ(s.Volume, 70);  // before the shell's
  rig.player.SetVolume(150);
  EXPECT_EQ(rig.player.Volume(), 100);
  for (const auto& s : rig.backend.Streams) EXPECT_EQ(s.Volume, 100);
  rig.player.SetVolume(-5);
  EXPECT_EQ(rig.player.Volume(), 0);
  for (const auto& s : rig.backend.Streams) EXPECT_EQ(s.Volume, 0);
}

TEST(SFXPlayer, SilentWithoutOutputAndNeverPastItsSlots) {
  TempDir dir;
  MakeSounds(dir, {"Click.ogg"});
  TRecordingAudioBackend dead;
  dead.FailInit = true;
  TSFXPlayer silent(dead);
  silent.Path = dir.Str();
  silent.LoadAll();
  EXPECT_EQ(silent.Count(), 0);
  silent.Play("Click");
  silent.SetVolume(50);
  silent.StopAll();

  for (int i = 0; i < 140; ++i) MakeSounds(dir, {"S" + std::to_string(1000 + i) + ".ogg"});
  TRecordingAudioBackend backend;
  TSFXPlayer full(backend);
  full.Path = dir.Str();
  full.LoadAll();
  EXPECT_EQ(full.Count(), TSFXPlayer::SlotCount);
}

TEST(SFXPlayer, StopAllAndDestructionReleaseEveryStream) {
  TempDir dir;
  MakeSounds(dir, {"A.ogg", "ScoreCount.ogg"});
  TRecordingAudioBackend backend;
  {
    TSFXPlayer player(backend);
    player.Path = dir.Str();
    player.LoadAll();
    player.Play("A");
    EXPECT_TRUE(backend.Streams[0].Playing);
    player.StopAll();
    EXPECT_FALSE(backend.Streams[0].Playing);
  }
  for (const auto& s : backend.Streams) EXPECT_TRUE(s.Freed);
}

TEST(VoicePlayer, OneGroupOfUpToTwentySingleSlotVoices) {
  TempDir dir;
  for (int i = 1; i <= 25; ++i) MakeSounds(dir, {"StoryEnding" + std::to_string(i + 10) + ".ogg"});
  MakeSounds(dir, {"ScoreCount.ogg"});  // voices never take five slots
  TRecordingAudioBackend backend;
  TVoicePlayer voices(backend);
  std::vector<std::string> trace;
  voices.OnTrace = [&](const std::string& k, const std::string& d) { trace.push_back(k + " " + d); };
  voices.LoadGroup(dir.Str());
  EXPECT_EQ(voices.Count(), TVoicePlayer::SlotCount);
  EXPECT_EQ(voices.SlotName(0), "ScoreCount");
  EXPECT_EQ(voices.SlotName(1), "StoryEnding11");
  voices.Play("StoryEnding12");
  voices.Play("StoryEnding12");
  EXPECT_EQ(backend.Find(voices.SlotStream(2))->PlayCount, 2);
  EXPECT_EQ(trace, (std::vector<std::string>{"voice StoryEnding12", "voice StoryEnding12"}));
}
