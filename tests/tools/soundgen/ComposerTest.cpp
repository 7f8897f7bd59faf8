// The band's tuning, the composer's notes and the loop fold.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "Instruments.h"
#include "Manifest.h"
#include "Music.h"
#include "Speech.h"

using namespace snd;

namespace {

// Frequency of the strongest spectral peak near the expected pitch (Hann window, Goertzel
// scan): bells have inharmonic partials, so the peak is what the ear takes as the note.
double DetectPitch(const Mono& m, double expected, double from) {
  size_t a = size_t(from * m.rate), n = size_t(std::max(0.1, 16.0 / expected) * m.rate);
  if (a + n > m.s.size()) return 0;
  auto power = [&](double f) {
    double w = 2 * kPi * f / m.rate, c = 2 * std::cos(w), s1 = 0, s2 = 0;
    for (size_t i = 0; i < n; ++i) {
      double hann = 0.5 - 0.5 * std::cos(2 * kPi * double(i) / double(n - 1));
      double s0 = m.s[a + i] * hann + c * s1 - s2;
      s2 = s1;
      s1 = s0;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
  };
  double best = expected, bestPower = -1;
  for (double f = expected * 0.95; f <= expected * 1.05; f += expected * 0.0005) {
    double p = power(f);
    if (p > bestPower) {
      bestPower = p;
      best = f;
    }
  }
  return best;
}

}  // namespace

TEST(Composer, EveryInstrumentPlaysInTune) {
  struct Case {
    Inst inst;
    const char* name;
    std::vector<double> freqs;
    double from;
  };
  const std::vector<Case> cases = {
      {Inst::Bell, "bell", {523.25, 1046.5}, 0.02},       {Inst::Glock, "glock", {1046.5, 2093.0}, 0.01},
      {Inst::Celesta, "celesta", {523.25, 1046.5}, 0.02}, {Inst::Pluck, "pluck", {196.0, 440.0, 880.0}, 0.02},
      {Inst::Harp, "harp", {130.8, 392.0}, 0.05},         {Inst::Marimba, "marimba", {261.6, 523.25}, 0.01},
      {Inst::Flute, "flute", {523.25, 880.0}, 0.1},       {Inst::Pad, "pad", {220.0, 329.6}, 0.4},
      {Inst::Strings, "strings", {196.0, 440.0}, 0.3},    {Inst::Bass, "bass", {55.0, 98.0}, 0.05},
      {Inst::PluckBass, "plucked bass", {41.2, 73.4}, 0.03}, {Inst::Reed, "reed", {233.1, 466.2}, 0.1},
      {Inst::Brass, "brass", {261.6, 392.0}, 0.15},       {Inst::Piano, "piano", {130.8, 523.25}, 0.02}};
  for (const auto& c : cases)
    for (double f : c.freqs) {
      Mono note = Note(c.inst, f, 0.8, 0.8, 5);
      double got = DetectPitch(note, f, c.from);
      EXPECT_NEAR(got / f, 1.0, 0.008) << c.name << " asked for " << f << " Hz, played " << got;
    }
}

TEST(Composer, TracksStayInTheirKeyAndRange) {
  for (const auto& t : Tracks()) {
    if (!t.looped) continue;
    TrackOutline o = Outline(t.file);
    EXPECT_GE(o.seconds, 60.0) << t.file;
    ASSERT_FALSE(o.lead.empty()) << t.file;
    auto inKey = [&](double n) {
      return std::find(o.pitchClasses.begin(), o.pitchClasses.end(), int(n) % 12) != o.pitchClasses.end();
    };
    for (double n : o.lead) EXPECT_TRUE(inKey(n)) << t.file << ": the tune plays " << n << ", outside its key";
    // Only the walking bass may lean on a note from outside the key, once a bar.
    double outside = double(std::count_if(o.accompaniment.begin(), o.accompaniment.end(), [&](double n) { return !inKey(n); }));
    EXPECT_LE(outside / double(o.accompaniment.size()), 0.1) << t.file;
    auto [low, high] = std::minmax_element(o.lead.begin(), o.lead.end());
    EXPECT_LE(*high - *low, 26) << t.file << ": the tune wanders over more than two octaves";
    EXPECT_GE(*low, 55) << t.file;
    EXPECT_LE(*high, 100) << t.file;
  }
  EXPECT_EQ(Outline("Story.ogg").hits, 0u) << "the story theme has no drums";
  EXPECT_GT(Outline("MainGame2.ogg").hits, 0u);
}

TEST(Composer, EveryTrackHasATuneOfItsOwn) {
  std::vector<std::pair<std::string, std::vector<double>>> tunes;
  for (const auto& t : Tracks())
    if (t.looped) tunes.push_back({t.file, Outline(t.file).lead});
  for (size_t a = 0; a < tunes.size(); ++a)
    for (size_t b = a + 1; b < tunes.size(); ++b) {
      // Compare the first sixteen notes moved to a common start: the same tune in another key counts as the same.
      size_t n = std::min<size_t>(16, std::min(tunes[a].second.size(), tunes[b].second.size()));
      int same = 0;
      for (size_t i = 1; i < n; ++i)
        same += tunes[a].second[i] - tunes[a].second[0] == tunes[b].second[i] - tunes[b].second[0];
      EXPECT_LT(same, int(n) - 3) << tunes[a].first << " and " << tunes[b].first << " open with the same tune";
    }
}

TEST(Composer, RoomReverbDiesAway) {
  // A feedback set too high would ring for ever and pile up in the loops.
  size_t n = size_t(8 * kRate);
  std::vector<float> in(n, 0.0f), l(n), r(n);
  in[0] = 1.0f;
  Reverb rv(kRate, 0.75, 0.45, 23);
  rv.Process(in.data(), l.data(), r.data(), n);
  auto energy = [&](size_t from, size_t to) {
    double e = 0;
    for (size_t i = from; i < to; ++i) e += double(l[i]) * l[i] + double(r[i]) * r[i];
    return e;
  };
  double early = energy(0, size_t(0.5 * kRate)), late = energy(size_t(7 * kRate), n);
  EXPECT_GT(early, 0);
  EXPECT_LT(late, early * 1e-6);
}

TEST(Composer, FoldedLoopKeepsEverythingThatRangPastTheEnd) {
  Stereo s(kRate, 100);
  for (size_t i = 0; i < 100; ++i) {
    s.l[i] = float(i);
    s.r[i] = -float(i);
  }
  FoldIntoLoop(s, 60);
  ASSERT_EQ(s.Frames(), 60u);
  EXPECT_EQ(s.l[0], 0.0f + 60.0f);
  EXPECT_EQ(s.l[39], 39.0f + 99.0f);
  EXPECT_EQ(s.l[40], 40.0f);
  EXPECT_EQ(s.r[10], -(10.0f + 70.0f));
}

TEST(Speech, CatalogueLinesAreReadAsSpoken) {
  auto path = std::filesystem::temp_directory_path() / ("soundgen_lines_" + std::to_string(::getpid()) + ".txt");
  std::ofstream(path) << "First line\r\nTwo parts|on screen \n\nFourth\n";
  EXPECT_EQ(CatalogueLine(path.string(), 1), "First line");
  EXPECT_EQ(CatalogueLine(path.string(), 2), "Two parts on screen");
  EXPECT_EQ(CatalogueLine(path.string(), 4), "Fourth");
  EXPECT_THROW(CatalogueLine(path.string(), 3), std::runtime_error);  // an empty line is a missing text
  EXPECT_THROW(CatalogueLine(path.string(), 9), std::runtime_error);
  std::filesystem::remove(path);
  EXPECT_NEAR(NarrationSeconds(100), 8.45, 1e-9);
}
