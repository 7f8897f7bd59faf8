#pragma once
// The small synthesiser shared by the effects, the music and the voices.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace snd {

constexpr double kPi = 3.14159265358979323846;
constexpr int kRate = 44100;

// Our own generator so that every build makes the same bytes, whatever the C library.
class Rng {
 public:
  explicit Rng(uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {}
  uint32_t Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  double Uni() { return (Next() >> 8) * (1.0 / 16777216.0); }  // [0, 1)
  double Bi() { return Uni() * 2.0 - 1.0; }                    // [-1, 1)
  int Below(int n) { return n <= 0 ? 0 : int(Uni() * n); }

 private:
  uint32_t s_;
};

uint32_t HashName(std::string_view name);

struct Mono {
  int rate = kRate;
  std::vector<float> s;
  Mono() = default;
  Mono(int r, double seconds) : rate(r), s(size_t(std::max(0.0, seconds) * r + 0.5), 0.0f) {}
  double Seconds() const { return double(s.size()) / rate; }
};

struct Stereo {
  int rate = kRate;
  std::vector<float> l, r;
  Stereo() = default;
  Stereo(int rt, size_t frames) : rate(rt), l(frames, 0.0f), r(frames, 0.0f) {}
  size_t Frames() const { return l.size(); }
};

double MidiHz(double midi);

// Table sine: the synthesiser calls this hundreds of millions of times per build.
float FastSin(double phaseCycles);

// RBJ biquads.
struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, z1 = 0, z2 = 0;
  static Biquad LowPass(int rate, double f, double q);
  static Biquad HighPass(int rate, double f, double q);
  static Biquad BandPass(int rate, double f, double q);  // 0 dB at the peak
  static Biquad HighShelf(int rate, double f, double q, double dB);
  float Run(float x) {
    double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return float(y);
  }
};

// State-variable filter whose cutoff may change every sample (sweeps, formants).
struct Svf {
  double ic1 = 0, ic2 = 0;
  float lp = 0, bp = 0, hp = 0;
  void Run(float x, double cutoff, double q, int rate);
};

// Adds src scaled by gain into dst from sample `at`; grows dst when needed.
void MixInto(Mono& dst, const Mono& src, double atSeconds, double gain);
void MixInto(Stereo& dst, const Mono& src, double atSeconds, double gain, double pan);

// Folds everything past `period` frames back onto the start, as if the sound had been
// playing round and round, and cuts it to one period.
void FoldIntoLoop(Stereo& s, size_t period);

// Raised-cosine fades, so that no file starts or ends on a step.
void FadeEdges(Mono& m, double inMs, double outMs);
void FadeEdges(Stereo& s, double inMs, double outMs);
// Cuts the tail once it has stayed below the threshold (dB under the peak) to the end.
void TrimTail(Mono& m, double belowPeakDb);
// Shortens a long ring-out to `seconds`, fading its last part away.
void CapLength(Mono& m, double seconds);

// Freeverb-style room, used as a send.
class Reverb {
 public:
  Reverb(int rate, double roomSize, double damping, uint32_t spread);
  void Process(const float* in, float* outL, float* outR, size_t n);

 private:
  struct Comb {
    std::vector<float> buf;
    size_t pos = 0;
    float store = 0;
  };
  struct Allpass {
    std::vector<float> buf;
    size_t pos = 0;
  };
  Comb combL_[8], combR_[8];
  Allpass apL_[4], apR_[4];
  float feedback_, damp_;
};
Mono ReverbMono(const Mono& dry, double wet, double room, double damping, double tailSeconds);

// Loudness after K-weighting, in LUFS-like units (dB of the weighted mean square).
struct Measure {
  double peakDb = -200;
  double integratedLufs = -200;  // gated, 400 ms blocks
  double maxMomentaryLufs = -200;
  double seconds = 0;
};
Measure MeasureChannels(const std::vector<const float*>& ch, size_t frames, int rate);
inline Measure MeasureMono(const Mono& m) { return MeasureChannels({m.s.data()}, m.s.size(), m.rate); }
inline Measure MeasureStereo(const Stereo& s) {
  return MeasureChannels({s.l.data(), s.r.data()}, s.Frames(), s.rate);
}

// Lowers the few peaks above the ceiling smoothly (looking ahead so that none gets through),
// leaving everything else alone.
void Limit(Mono& m, double ceilingDb, double lookaheadMs, double releaseMs);

// Sets the loudness to the target without letting the peak pass peakDb.
// useMomentary: short sounds are matched by their loudest 400 ms, long ones by the gated whole.
void Normalize(Mono& m, double targetLufs, double peakDb, bool useMomentary);
void Normalize(Stereo& s, double targetLufs, double peakDb, bool useMomentary);

}  // namespace snd
