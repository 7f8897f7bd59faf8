// The synthesiser's meter, its normalising and the encoder's repeatability.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "Dsp.h"
#include "Effects.h"
#include "Ogg.h"

namespace fs = std::filesystem;
using namespace snd;

namespace {
Mono Sine(double freq, double amp, double seconds) {
  Mono m(kRate, seconds);
  for (size_t i = 0; i < m.s.size(); ++i) m.s[i] = float(amp * std::sin(2 * kPi * freq * i / kRate));
  return m;
}
std::string Bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace

TEST(Synth, MeterReadsKnownLevels) {
  // A full-scale 1 kHz sine in one channel reads about -3 LUFS; halving it takes 6 dB off.
  Measure full = MeasureMono(Sine(1000, 1.0, 3.0));
  EXPECT_NEAR(full.integratedLufs, -3.0, 0.3);
  EXPECT_NEAR(full.peakDb, 0.0, 0.01);
  EXPECT_NEAR(MeasureMono(Sine(1000, 0.5, 3.0)).integratedLufs, full.integratedLufs - 6.02, 0.1);
  // The gate ignores silence: a tone followed by as much silence reads the same.
  Mono gapped = Sine(1000, 1.0, 3.0);
  gapped.s.resize(gapped.s.size() * 2, 0.0f);
  EXPECT_NEAR(MeasureMono(gapped).integratedLufs, full.integratedLufs, 0.5);
  // Bass counts for less than presence.
  EXPECT_LT(MeasureMono(Sine(40, 1.0, 3.0)).integratedLufs, MeasureMono(Sine(3000, 1.0, 3.0)).integratedLufs - 3);
}

TEST(Synth, NormaliseMeetsTheTargetButNeverThePeakCap) {
  Mono quiet = Sine(500, 0.01, 2.0);
  Normalize(quiet, -20, -1, false);
  EXPECT_NEAR(MeasureMono(quiet).integratedLufs, -20, 0.2);
  // A short loud click cannot reach a loud target: the peak stops it.
  Mono click = Sine(2000, 0.1, 0.01);
  Normalize(click, -5, -1.5, true);
  EXPECT_NEAR(MeasureMono(click).peakDb, -1.5, 0.05);
}

TEST(Synth, LimiterCatchesPeaksAndLeavesTheRest) {
  Mono m = Sine(300, 0.3, 1.0);
  for (size_t i = 22050; i < 22100; ++i) m.s[i] *= 3.0f;  // a sharp burst to 0.9
  Mono before = m;
  Limit(m, -6.0, 5.0, 50.0);
  float peak = 0;
  for (float x : m.s) peak = std::max(peak, std::fabs(x));
  EXPECT_LE(peak, std::pow(10.0f, -6.0f / 20) + 1e-4f);
  // Far from the burst nothing changed.
  EXPECT_EQ(m.s[1000], before.s[1000]);
  EXPECT_NEAR(m.s[40000], before.s[40000], 1e-3);
}

TEST(Synth, FadesAndCapsLeaveNoStep) {
  Mono m = Sine(440, 0.8, 5.0);
  CapLength(m, 2.0);
  FadeEdges(m, 2, 10);
  EXPECT_EQ(m.s.size(), size_t(2.0 * kRate));
  EXPECT_LT(std::fabs(m.s.front()), 1e-6);
  EXPECT_LT(std::fabs(m.s.back()), 1e-6);
}

TEST(Synth, SameSoundSameBytes) {
  // The build must be repeatable: the effect, then its file, come out identical.
  Mono a = MakeEffect("Combo"), b = MakeEffect("Combo");
  ASSERT_EQ(a.s, b.s);
  fs::path dir = fs::temp_directory_path() / ("soundgen_test_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  WriteOgg((dir / "a.ogg").string(), a, 0.3f, 1234);
  WriteOgg((dir / "b.ogg").string(), b, 0.3f, 1234);
  WriteOgg((dir / "c.ogg").string(), b, 0.3f, 999);
  EXPECT_EQ(Bytes(dir / "a.ogg"), Bytes(dir / "b.ogg"));
  EXPECT_NE(Bytes(dir / "a.ogg"), Bytes(dir / "c.ogg"));
  // And it reads back as what went in.
  Decoded d = ReadOgg((dir / "a.ogg").string());
  EXPECT_EQ(d.Frames(), a.s.size());
  EXPECT_NEAR(MeasureChannels({d.channels[0].data()}, d.Frames(), d.rate).maxMomentaryLufs, MeasureMono(a).maxMomentaryLufs, 0.5);
  fs::remove_all(dir);
}

TEST(Synth, MurmurDependsOnTheSpeaker) {
  std::vector<Syllable> s = {{0.2, 1.0, 1.1, 'm', 'a', 0.8, 0.0}};
  Mono male = Murmur(s, true, 1), female = Murmur(s, false, 1);
  EXPECT_GT(MeasureMono(male).integratedLufs, -60);
  EXPECT_NE(male.s, female.s);
}
