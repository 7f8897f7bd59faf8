#include <gtest/gtest.h>

#include <cstdio>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

#include "audio/TVoicePlayer.h"
#include "platform/TMixerAudioBackend.h"
#include "support/TempDir.h"

namespace {
// A short mono tone as a plain WAV file; the mixer opens it like any other sound file.
void WriteTone(const std::string& path, double seconds) {
  const std::uint32_t rate = 22050;
  const std::uint32_t samples = static_cast<std::uint32_t>(rate * seconds);
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + samples * 2);
  out << "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  out << "data";
  u32(samples * 2);
  for (std::uint32_t i = 0; i < samples; ++i)
    u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(i * 0.06))));
}
}  // namespace

TEST(MixerAudioBackend, PlaysStopsAndFreesOnTheDummyDriver) {
  TMixerAudioBackend audio;
  if (!audio.Init()) GTEST_SKIP() << "no audio output here, not even the dummy one";
  EXPECT_TRUE(audio.Init());  // a second start changes nothing
  TempDir dir;
  WriteTone(dir.File("Tone.wav"), 2.0);
  TAudioStream a = audio.OpenStream(dir.File("Tone.wav"), IAudioBackend::TStreamKind::Sample, false);
  TAudioStream b = audio.OpenStream(dir.File("Tone.wav"), IAudioBackend::TStreamKind::Sample, false);
  TAudioStream m = audio.OpenStream(dir.File("Tone.wav"), IAudioBackend::TStreamKind::Music, true);
  ASSERT_NE(a, 0u);
  ASSERT_NE(b, 0u);
  ASSERT_NE(m, 0u);
  EXPECT_EQ(audio.OpenStream(dir.File("Missing.ogg"), IAudioBackend::TStreamKind::Sample, false),
            0u);
  EXPECT_EQ(audio.OpenStream(dir.File("Missing.ogg"), IAudioBackend::TStreamKind::Music, true), 0u);
  // Effects are decoded when first played: a file that is no sound fails then, quietly.
  std::FILE* junk = std::fopen(dir.File("Junk.ogg").c_str(), "wb");
  std::fputs("not a sound at all", junk);
  std::fclose(junk);
  TAudioStream j = audio.OpenStream(dir.File("Junk.ogg"), IAudioBackend::TStreamKind::Sample, false);
  ASSERT_NE(j, 0u);
  EXPECT_FALSE(audio.Play(j));
  audio.FreeStream(j);

  // Two copies of one sound play side by side, each on a channel of its own.
  EXPECT_TRUE(audio.Play(a));
  EXPECT_TRUE(audio.Play(b));
  EXPECT_TRUE(audio.IsPlaying(a));
  EXPECT_TRUE(audio.IsPlaying(b));
  EXPECT_TRUE(audio.Play(a));  // a restart
  audio.Stop(a);
  EXPECT_FALSE(audio.IsPlaying(a));
  EXPECT_TRUE(audio.IsPlaying(b));

  audio.SetVolume(m, 40);
  EXPECT_TRUE(audio.Play(m));
  EXPECT_TRUE(audio.IsPlaying(m));
  audio.Stop(m);
  EXPECT_FALSE(audio.IsPlaying(m));

  audio.FreeStream(b);
  EXPECT_FALSE(audio.IsPlaying(b));
  EXPECT_FALSE(audio.Play(b));  // a freed handle is nothing
  audio.Shutdown();
  EXPECT_FALSE(audio.IsOpen());
  EXPECT_FALSE(audio.Play(a));
}

TEST(MixerAudioBackend, AFreedVoiceGroupGivesItsChannelsBack) {
  TMixerAudioBackend audio;
  if (!audio.Init()) GTEST_SKIP() << "no audio output here, not even the dummy one";
  TempDir story, ending;
  for (const char* n : {"StoryOpening1.ogg", "StoryOpening2.ogg", "StoryOpening3.ogg"})
    WriteTone(story.File(n), 0.2);
  for (const char* n : {"StoryEnding1.ogg", "StoryEnding2.ogg"}) WriteTone(ending.File(n), 0.2);
  // The shell changes groups by replacing the voice player, again and again over a game.
  for (int round = 0; round < 4; ++round) {
    {
      TVoicePlayer voices(audio);
      voices.LoadGroup(story.Str());
      ASSERT_EQ(voices.Count(), 3);
      voices.Play("StoryOpening3");
      EXPECT_TRUE(audio.IsPlaying(voices.SlotStream(2)));
    }
    TVoicePlayer voices(audio);
    voices.LoadGroup(ending.Str());
    ASSERT_EQ(voices.Count(), 2);
    voices.Play("StoryEnding1");
    EXPECT_TRUE(audio.IsPlaying(voices.SlotStream(0)));
    EXPECT_FALSE(audio.IsPlaying(voices.SlotStream(1)));
  }
  EXPECT_EQ(audio.ChannelCount(), 3);  // never more than one group's worth
  TAudioStream s = audio.OpenStream(story.File("StoryOpening1.ogg"),
                                    IAudioBackend::TStreamKind::Sample, false);
  EXPECT_TRUE(audio.Play(s));
  EXPECT_EQ(audio.ChannelCount(), 3);
  audio.Shutdown();
  EXPECT_EQ(audio.ChannelCount(), 0);
}

// Over a long game every effect gets played; their decoded copies stay within a budget.
TEST(MixerAudioBackend, DecodedSoundsStayWithinTheBudgetButNeverCutOneThatPlays) {
  TMixerAudioBackend audio;
  if (!audio.Init()) GTEST_SKIP() << "no audio output here, not even the dummy one";
  TempDir dir;
  std::vector<TAudioStream> s;
  for (const char* n : {"A.wav", "B.wav", "C.wav"}) {
    WriteTone(dir.File(n), 1.0);
    s.push_back(audio.OpenStream(dir.File(n), IAudioBackend::TStreamKind::Sample, false));
    ASSERT_NE(s.back(), 0u);
  }
  TAudioStream a2 = audio.OpenStream(dir.File("A.wav"), IAudioBackend::TStreamKind::Sample, false);
  EXPECT_EQ(audio.DecodedCount(), 0);  // nothing is decoded before it plays
  ASSERT_TRUE(audio.Play(s[0]));
  const std::size_t one = audio.DecodedBytes();
  ASSERT_GT(one, 0u);
  audio.SetDecodedBudget(one * 2);
  ASSERT_TRUE(audio.Play(a2));  // the same file: one decoded copy
  EXPECT_EQ(audio.DecodedBytes(), one);
  ASSERT_TRUE(audio.Play(s[1]));
  ASSERT_TRUE(audio.Play(s[2]));
  // Over the budget, but all three are sounding.
  EXPECT_EQ(audio.DecodedCount(), 3);
  EXPECT_TRUE(audio.IsPlaying(s[0]) && audio.IsPlaying(s[1]) && audio.IsPlaying(s[2]));

  for (TAudioStream t : {s[0], a2, s[1], s[2]}) audio.Stop(t);
  ASSERT_TRUE(audio.Play(s[2]));  // C again: A, played longest ago, goes
  EXPECT_EQ(audio.DecodedCount(), 2);
  EXPECT_LE(audio.DecodedBytes(), one * 2);
  audio.Stop(s[2]);
  ASSERT_TRUE(audio.Play(s[0]));  // A is decoded again when played; B goes
  EXPECT_TRUE(audio.IsPlaying(s[0]));
  EXPECT_EQ(audio.DecodedCount(), 2);

  // The last stream of a file takes its decoded copy along.
  audio.FreeStream(s[2]);
  EXPECT_EQ(audio.DecodedCount(), 1);
  audio.FreeStream(s[0]);
  EXPECT_EQ(audio.DecodedCount(), 1);  // a2 still holds A
  audio.FreeStream(a2);
  EXPECT_EQ(audio.DecodedCount(), 0);
  EXPECT_EQ(audio.DecodedBytes(), 0u);
  audio.Shutdown();
}

TEST(MixerAudioBackend, WithoutOutputEveryStreamFailsQuietly) {
  EXPECT_EQ(TMixerAudioBackend::MixerVolume(70), 90);  // 0..100 onto 0..128
  EXPECT_EQ(TMixerAudioBackend::MixerVolume(150), 128);
  TMixerAudioBackend audio;  // never started
  TempDir dir;
  WriteTone(dir.File("Tone.wav"), 0.1);
  EXPECT_EQ(audio.OpenStream(dir.File("Tone.wav"), IAudioBackend::TStreamKind::Sample, false), 0u);
  EXPECT_FALSE(audio.Play(1));
  audio.Stop(1);
  audio.SetVolume(1, 50);
  EXPECT_FALSE(audio.IsPlaying(1));
  audio.Shutdown();
}
