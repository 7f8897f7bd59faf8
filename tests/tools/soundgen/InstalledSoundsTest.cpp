// Reads back every sound file the build installed beside the game.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "Effects.h"
#include "Manifest.h"
#include "Music.h"
#include "Ogg.h"
#include "Speech.h"

namespace fs = std::filesystem;
using namespace snd;

namespace {

const fs::path kBin = WENDMOOR_BIN_DIR;

std::set<std::string> OggFiles(const fs::path& dir) {
  std::set<std::string> out;
  if (fs::exists(dir))
    for (const auto& e : fs::directory_iterator(dir))
      if (e.path().extension() == ".ogg") out.insert(e.path().stem().string());
  return out;
}

double RmsDb(const std::vector<float>& v, size_t from, size_t count) {
  double sum = 0;
  for (size_t i = from; i < from + count; ++i) sum += double(v[i]) * v[i];
  return 10 * std::log10(sum / double(count) + 1e-12);
}

// The game opens the device the way it does at start-up; CI has no sound card.
class Mixer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_NE(Mix_Init(MIX_INIT_OGG) & MIX_INIT_OGG, 0) << Mix_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
  }
  static void TearDownTestSuite() {
    Mix_CloseAudio();
    Mix_Quit();
    SDL_Quit();
  }
};

}  // namespace

TEST(InstalledSounds, EveryPlayedNameHasItsFileAndNothingElseTakesASlot) {
  auto names = AllEffectNames();
  std::set<std::string> expected(names.begin(), names.end());
  std::set<std::string> installed = OggFiles(kBin / "Sounds");
  EXPECT_EQ(installed, expected);
  // The player loads every .ogg of the folder: count what is really there.
  EXPECT_LE(SlotsNeeded(std::vector<std::string>(installed.begin(), installed.end())), kEffectSlots);

  std::set<std::string> tracks;
  for (const auto& t : Tracks()) tracks.insert(fs::path(t.file).stem().string());
  EXPECT_EQ(OggFiles(kBin / "Music"), tracks);

  std::set<std::string> story, ending;
  for (const auto& v : Voices()) (v.folder == "Voices/Story" ? story : ending).insert(v.name);
  EXPECT_EQ(OggFiles(kBin / "Voices/Story"), story);
  EXPECT_EQ(OggFiles(kBin / "Voices/Ending"), ending);
  EXPECT_LE(story.size(), 20u);  // the voice player's slots per group
  EXPECT_LE(ending.size(), 20u);
}

TEST_F(Mixer, EveryEffectAndVoiceDecodesAsAShortCleanSound) {
  std::vector<std::pair<fs::path, double>> files;  // path, longest allowed
  for (const auto& n : AllEffectNames()) files.push_back({kBin / "Sounds" / (n + ".ogg"), 6.0});
  for (const auto& v : Voices()) files.push_back({kBin / v.folder / (v.name + ".ogg"), 30.0});
  int freq = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&freq, &format, &channels);
  for (const auto& [path, longest] : files) {
    Mix_Chunk* chunk = Mix_LoadWAV(path.string().c_str());
    ASSERT_NE(chunk, nullptr) << path << ": " << Mix_GetError();
    const auto* pcm = reinterpret_cast<const Sint16*>(chunk->abuf);
    size_t samples = chunk->alen / 2, frames = samples / size_t(channels);
    double seconds = double(frames) / freq;
    EXPECT_GT(seconds, 0.02) << path;
    EXPECT_LT(seconds, longest) << path;
    int peak = 0;
    for (size_t i = 0; i < samples; ++i) peak = std::max(peak, std::abs(int(pcm[i])));
    EXPECT_GT(peak, 3000) << path << " is nearly silent";
    EXPECT_LT(peak, 32700) << path << " clips";
    // No click where the sound starts or stops.
    EXPECT_LT(std::abs(int(pcm[0])), 600) << path;
    EXPECT_LT(std::abs(int(pcm[samples - 1])), 600) << path;
    Mix_FreeChunk(chunk);
  }
}

TEST_F(Mixer, EveryTrackOpensAsMusic) {
  for (const auto& t : Tracks()) {
    Mix_Music* m = Mix_LoadMUS((kBin / "Music" / t.file).string().c_str());
    ASSERT_NE(m, nullptr) << t.file << ": " << Mix_GetError();
    EXPECT_EQ(Mix_GetMusicType(m), MUS_OGG) << t.file;
    Mix_FreeMusic(m);
  }
}

TEST(InstalledSounds, LoopingTracksJoinWithoutASeamAndLastAMinute) {
  for (const auto& t : Tracks()) {
    Decoded d = ReadOgg((kBin / "Music" / t.file).string());
    ASSERT_EQ(d.channels.size(), 2u) << t.file;
    double seconds = double(d.Frames()) / d.rate;
    size_t half = size_t(d.rate / 2);
    if (!t.looped) {
      EXPECT_LT(seconds, 15.0) << t.file;
      EXPECT_LT(RmsDb(d.channels[0], d.Frames() - half / 10, half / 10), -50) << t.file << " must ring out to silence";
      continue;
    }
    EXPECT_GE(seconds, 60.0) << t.file;
    for (const auto& ch : d.channels) {
      // The end runs into the start: no fade on either side of the join, both as loud as the
      // music is anyway (two seconds, so that a bar's own accents do not count)...
      size_t span = size_t(2 * d.rate);
      double whole = RmsDb(ch, 0, ch.size()), head = RmsDb(ch, 0, span), tail = RmsDb(ch, ch.size() - span, span);
      EXPECT_NEAR(head, whole, 6.0) << t.file;
      EXPECT_NEAR(tail, whole, 6.0) << t.file;
      EXPECT_NEAR(head, tail, 6.0) << t.file;
      // ...and no jump at the join bigger than the steps the music takes anyway.
      float biggestStep = 0;
      for (size_t i = ch.size() - half; i + 1 < ch.size(); ++i) biggestStep = std::max(biggestStep, std::fabs(ch[i + 1] - ch[i]));
      EXPECT_LE(std::fabs(ch.front() - ch.back()), biggestStep * 1.5f + 0.002f) << t.file;
    }
  }
}

TEST(InstalledSounds, LoudnessIsMatched) {
  for (const auto& n : AllEffectNames()) {
    Decoded d = ReadOgg((kBin / "Sounds" / (n + ".ogg")).string());
    Measure m = MeasureChannels({d.channels[0].data()}, d.Frames(), d.rate);
    // None jumps out above the common level; the quiet interface ticks stay near theirs.
    EXPECT_LE(m.maxMomentaryLufs, kEffectLufs + 1.0) << n;
    EXPECT_GE(m.maxMomentaryLufs, kEffectLufs + EffectLoudnessOffset(n) - 6.0) << n;
    EXPECT_LE(m.peakDb, -0.5) << n;
  }
  for (const auto& t : Tracks()) {
    Decoded d = ReadOgg((kBin / "Music" / t.file).string());
    Measure m = MeasureChannels({d.channels[0].data(), d.channels[1].data()}, d.Frames(), d.rate);
    EXPECT_NEAR(m.integratedLufs, kMusicLufs, 1.5) << t.file;
    EXPECT_LE(m.peakDb, -0.5) << t.file;
  }
  for (const auto& v : Voices()) {
    Decoded d = ReadOgg((kBin / v.folder / (v.name + ".ogg")).string());
    Measure m = MeasureChannels({d.channels[0].data()}, d.Frames(), d.rate);
    EXPECT_NEAR(m.integratedLufs, -18.5, 1.5) << v.name;
  }
}

TEST(InstalledSounds, StoryVoicesFitTheTimeTheirNarrationIsShown) {
  for (const auto& v : Voices()) {
    std::string text = CatalogueLine(std::string(SOURCE_DIR) + "/content/texts/StoryNarrations.txt", v.narrationLine);
    Decoded d = ReadOgg((kBin / v.folder / (v.name + ".ogg")).string());
    double seconds = double(d.Frames()) / d.rate;
    EXPECT_LT(seconds, NarrationSeconds(text.size())) << v.name;
    // A calm pace: not hurried past 17 characters a second.
    EXPECT_GT(seconds, double(text.size()) / 17.0) << v.name;
  }
}

namespace {
// Median pitch of the voiced parts of a murmur, by autocorrelation in 40 ms frames.
double MedianPitch(const std::vector<float>& x, int rate) {
  std::vector<double> found;
  size_t frame = size_t(0.04 * rate);
  for (size_t a = 0; a + 2 * frame < x.size(); a += frame) {
    double energy = 0;
    for (size_t i = a; i < a + frame; ++i) energy += double(x[i]) * x[i];
    if (energy / double(frame) < 1e-4) continue;  // a gap between syllables
    int best = 0;
    double bestR = 0;
    for (int lag = rate / 400; lag <= rate / 70; ++lag) {
      double r = 0;
      for (size_t i = a; i < a + frame; ++i) r += double(x[i]) * x[i + size_t(lag)];
      if (r > bestR) {
        bestR = r;
        best = lag;
      }
    }
    if (best > 0) found.push_back(double(rate) / best);
  }
  if (found.empty()) return 0;
  std::sort(found.begin(), found.end());
  return found[found.size() / 2];
}
}  // namespace

TEST(InstalledSounds, EffectsSuitWhereTheyArePlayed) {
  std::map<std::vector<float>, std::string> seen;
  for (const auto& n : AllEffectNames()) {
    Decoded d = ReadOgg((kBin / "Sounds" / (n + ".ogg")).string());
    double seconds = double(d.Frames()) / d.rate;
    // Sounds that come in quick bursts must be over before the next one.
    if (IsMultiVoice(n)) {
      EXPECT_LE(seconds, 0.5) << n;
    }
    // No two names share one sound by mistake.
    std::vector<float> head(d.channels[0].begin(), d.channels[0].begin() + long(std::min<size_t>(d.Frames(), 4000)));
    auto [it, fresh] = seen.emplace(head, n);
    EXPECT_TRUE(fresh) << n << " sounds the same as " << it->second;
  }
  // Every customer has a man's and a woman's voice; the man speaks lower.
  for (const std::string base : {"RestoDisappointed", "RestoPraise1", "RestoPraise4", "RestoPraise8"}) {
    Decoded m = ReadOgg((kBin / "Sounds" / (base + "_m.ogg")).string());
    Decoded f = ReadOgg((kBin / "Sounds" / (base + "_f.ogg")).string());
    double pm = MedianPitch(m.channels[0], m.rate), pf = MedianPitch(f.channels[0], f.rate);
    EXPECT_GT(pm, 80) << base;
    EXPECT_LT(pm, 170) << base;
    EXPECT_GT(pf, pm * 1.4) << base;
  }
  // The creature of a boss round: its hit may come back every second and must be over by then;
  // its aura swells up to the drain; its fall is a wail that ends in a puff, not in silence.
  {
    Decoded hit = ReadOgg((kBin / "Sounds/CreatureHit.ogg").string());
    EXPECT_LE(double(hit.Frames()) / hit.rate, 0.5);
    Decoded absorb = ReadOgg((kBin / "Sounds/CreatureAbsorb.ogg").string());
    const auto& a = absorb.channels[0];
    double seconds = double(a.size()) / absorb.rate;
    EXPECT_GE(seconds, 1.0);
    EXPECT_LE(seconds, 1.6);
    size_t quarter = a.size() / 4;
    EXPECT_GT(RmsDb(a, 2 * quarter, quarter), RmsDb(a, 0, quarter) + 6.0) << "the aura's sound does not rise";
    Decoded dead = ReadOgg((kBin / "Sounds/CreatureDefeated.ogg").string());
    const auto& d = dead.channels[0];
    seconds = double(d.size()) / dead.rate;
    EXPECT_GE(seconds, 1.2);
    EXPECT_LE(seconds, 1.8);
    size_t third = d.size() / 3;
    EXPECT_GT(RmsDb(d, 2 * third, third), RmsDb(d, 0, third) - 12.0) << "the fall has no puff at its end";
  }
  // The practice game's recipes are read out: a second or more of speech each.
  for (int i = 1; i <= kIslands; ++i)
    for (int s = 1; s <= kSlotsPerIsland; ++s) {
      Decoded d = ReadOgg((kBin / "Sounds" / (RecipeName(i, s) + ".ogg")).string());
      EXPECT_GT(double(d.Frames()) / d.rate, 1.0) << RecipeName(i, s);
    }
}
