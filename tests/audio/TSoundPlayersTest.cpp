#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "audio/TSFXPlayer.h"
#include "audio/TSoundShortcuts.h"
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
  EffectsRig() {
    player.OnTrace = [this](const std::string& k, const std::string& d) {
      trace.push_back(k + " " + d);
    };
  }
  void Load() {
    player.Path = dir.Str();
    player.LoadAll();
  }
  int PlayCount(int slot) { return backend.Find(player.SlotStream(slot))->PlayCount; }
};
}  // namespace

TEST(SFXPlayer, LoadsInListingOrderWithFiveSlotsForOverlappingSounds) {
  EffectsRig rig;
  MakeSounds(rig.dir, {"Click.ogg", "ElementBounce1.ogg", "ScoreCount.ogg", "Bomb.OGG",
                       "readme.txt", "LockerBounce.ogg"});
  rig.Load();
  // Sorted listing: Bomb, Click, ElementBounce1 x5, LockerBounce x5, ScoreCount x5.
  ASSERT_EQ(rig.player.Count(), 17);
  EXPECT_EQ(rig.player.SlotName(0), "Bomb");
  EXPECT_EQ(rig.player.SlotName(1), "Click");
  for (int i = 2; i < 7; ++i) EXPECT_EQ(rig.player.SlotName(i), "ElementBounce1");
  EXPECT_EQ(rig.player.SlotName(7), "LockerBounce");
  EXPECT_EQ(rig.player.SlotName(16), "ScoreCount");
  EXPECT_EQ(rig.backend.InitCalls, 1);
  for (const auto& s : rig.backend.Streams) {
    EXPECT_FALSE(s.Loop);
    EXPECT_EQ(s.Kind, IAudioBackend::TStreamKind::Sample);
    EXPECT_EQ(s.Volume, 70);  // the player's volume before the shell sets one
  }
}

TEST(SFXPlayer, FiveVoicesRotateAndTheSixthRestartsTheFirst) {
  EffectsRig rig;
  MakeSounds(rig.dir, {"ElementBounce1.ogg", "Click.ogg"});
  rig.Load();
  ASSERT_EQ(rig.player.SlotName(1), "ElementBounce1");
  for (int i = 0; i < 6; ++i) rig.player.Play("ElementBounce1");
  EXPECT_EQ(rig.PlayCount(1), 2);
  for (int s = 2; s <= 5; ++s) EXPECT_EQ(rig.PlayCount(s), 1);
  // A voice that has finished is taken before a playing one.
  rig.backend.Stop(rig.player.SlotStream(3));
  rig.player.Play("ElementBounce1");
  EXPECT_EQ(rig.PlayCount(3), 2);
  EXPECT_EQ(rig.PlayCount(1), 2);
  // A single-slot sound restarts itself.
  rig.player.Play("Click");
  rig.player.Play("Click");
  EXPECT_EQ(rig.PlayCount(0), 2);
  EXPECT_EQ(rig.trace.size(), 9u);
  EXPECT_EQ(rig.trace.back(), "sound Click");
}

TEST(SFXPlayer, LookupIsExactAndUnknownNamesDoNothing) {
  EffectsRig rig;
  MakeSounds(rig.dir, {"Click.ogg"});
  rig.Load();
  rig.player.Play("click");
  rig.player.Play("Click ");
  rig.player.Play("Missing");
  EXPECT_EQ(rig.PlayCount(0), 0);
  EXPECT_TRUE(rig.trace.empty());
}

TEST(SFXPlayer, VolumeClampsAndReachesEveryStream) {
  EffectsRig rig;
  MakeSounds(rig.dir, {"Click.ogg", "LockerBreak.ogg"});
  rig.Load();
  rig.player.SetVolume(150);
  EXPECT_EQ(rig.player.Volume(), 100);
  for (const auto& s : rig.backend.Streams) EXPECT_EQ(s.Volume, 100);
  rig.player.SetVolume(-5);
  EXPECT_EQ(rig.player.Volume(), 0);
  for (const auto& s : rig.backend.Streams) EXPECT_EQ(s.Volume, 0);
}

TEST(SFXPlayer, FailuresLeaveItSilentAndCapacityHolds) {
  {
    EffectsRig rig;
    rig.backend.FailInit = true;
    MakeSounds(rig.dir, {"Click.ogg"});
    rig.Load();
    EXPECT_EQ(rig.player.Count(), 0);
    rig.player.Play("Click");
    rig.player.SetVolume(50);
    rig.player.StopAll();
    EXPECT_TRUE(rig.trace.empty());
  }
  {
    EffectsRig rig;
    for (int i = 0; i < 140; ++i) MakeSounds(rig.dir, {"S" + std::to_string(1000 + i) + ".ogg"});
    rig.Load();
    EXPECT_EQ(rig.player.Count(), TSFXPlayer::SlotCount);
    EXPECT_EQ(rig.player.SlotName(133), "S1133");
  }
}

TEST(SFXPlayer, StopAllAndDestructionReleaseEveryStream) {
  TempDir dir;
  MakeSounds(dir, {"A.ogg", "ScoreCount.ogg"});
  TRecordingAudioBackend backend;
  {
    TSFXPlayer player(backend);
    player.Path = dir.Str();
    player.LoadAll();
    TSoundShortcuts::SetEffects(&player);
    TSoundShortcuts::PlaySFX("A");
    EXPECT_TRUE(backend.Streams[0].Playing);
    player.StopAll();
    EXPECT_FALSE(backend.Streams[0].Playing);
  }
  for (const auto& s : backend.Streams) EXPECT_TRUE(s.Freed);
  // The shortcut forgets a player that is gone.
  EXPECT_EQ(TSoundShortcuts::Effects(), nullptr);
  TSoundShortcuts::PlaySFX("A");
}

TEST(VoicePlayer, OneGroupOfUpToTwentyVoicesBySingleSlots) {
  TempDir dir;
  for (int i = 1; i <= 9; ++i) MakeSounds(dir, {"StoryOpening" + std::to_string(i) + ".ogg"});
  MakeSounds(dir, {"ScoreCount.ogg"});  // no multi-voice sounds among voices
  TRecordingAudioBackend backend;
  TVoicePlayer voices(backend);
  std::vector<std::string> trace;
  voices.OnTrace = [&](const std::string& k, const std::string& d) { trace.push_back(k + " " + d); };
  voices.LoadGroup(dir.Str());
  EXPECT_EQ(voices.Count(), 10);
  EXPECT_EQ(voices.SlotName(0), "ScoreCount");
  EXPECT_EQ(voices.SlotName(1), "StoryOpening1");
  TSoundShortcuts::SetVoices(&voices);
  TSoundShortcuts::PlayVoice("StoryOpening2");
  TSoundShortcuts::PlayVoice("StoryOpening2");
  EXPECT_EQ(backend.Find(voices.SlotStream(2))->PlayCount, 2);
  EXPECT_EQ(trace, (std::vector<std::string>{"voice StoryOpening2", "voice StoryOpening2"}));
  TSoundShortcuts::SetVoices(nullptr);

  TempDir big;
  for (int i = 10; i < 35; ++i) MakeSounds(big, {"V" + std::to_string(i) + ".ogg"});
  TVoicePlayer full(backend);
  full.LoadGroup(big.Str());
  EXPECT_EQ(full.Count(), TVoicePlayer::SlotCount);
}
