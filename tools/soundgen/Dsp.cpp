#include "Dsp.h"

#include <algorithm>
#include <array>

namespace snd {

uint32_t HashName(std::string_view name) {
  uint32_t h = 2166136261u;  // FNV-1a
  for (unsigned char c : name) {
    h ^= c;
    h *= 16777619u;
  }
  return h;
}

double MidiHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

namespace {
constexpr int kTable = 4096;
const std::array<float, kTable + 1>& SinTable() {
  static const auto table = [] {
    std::array<float, kTable + 1> t{};
    for (int i = 0; i <= kTable; ++i) t[i] = float(std::sin(2.0 * kPi * i / kTable));
    return t;
  }();
  return table;
}
}  // namespace

float FastSin(double phase) {
  const auto& t = SinTable();
  double p = phase - std::floor(phase);
  double x = p * kTable;
  int i = int(x);
  float f = float(x - i);
  return t[i] + (t[i + 1] - t[i]) * f;
}

Biquad Biquad::LowPass(int rate, double f, double q) {
  double w = 2 * kPi * std::min(f, rate * 0.45) / rate, c = std::cos(w), a = std::sin(w) / (2 * q);
  double a0 = 1 + a;
  Biquad b;
  b.b0 = (1 - c) / 2 / a0;
  b.b1 = (1 - c) / a0;
  b.b2 = b.b0;
  b.a1 = -2 * c / a0;
  b.a2 = (1 - a) / a0;
  return b;
}

Biquad Biquad::HighPass(int rate, double f, double q) {
  double w = 2 * kPi * std::min(f, rate * 0.45) / rate, c = std::cos(w), a = std::sin(w) / (2 * q);
  double a0 = 1 + a;
  Biquad b;
  b.b0 = (1 + c) / 2 / a0;
  b.b1 = -(1 + c) / a0;
  b.b2 = b.b0;
  b.a1 = -2 * c / a0;
  b.a2 = (1 - a) / a0;
  return b;
}

Biquad Biquad::BandPass(int rate, double f, double q) {
  double w = 2 * kPi * std::min(f, rate * 0.45) / rate, c = std::cos(w), a = std::sin(w) / (2 * q);
  double a0 = 1 + a;
  Biquad b;
  b.b0 = a / a0;
  b.b1 = 0;
  b.b2 = -a / a0;
  b.a1 = -2 * c / a0;
  b.a2 = (1 - a) / a0;
  return b;
}

Biquad Biquad::HighShelf(int rate, double f, double q, double dB) {
  double A = std::pow(10.0, dB / 40.0), w = 2 * kPi * f / rate, c = std::cos(w), s = std::sin(w);
  double alpha = s / (2 * q), sq = 2 * std::sqrt(A) * alpha;
  double a0 = (A + 1) - (A - 1) * c + sq;
  Biquad b;
  b.b0 = A * ((A + 1) + (A - 1) * c + sq) / a0;
  b.b1 = -2 * A * ((A - 1) + (A + 1) * c) / a0;
  b.b2 = A * ((A + 1) + (A - 1) * c - sq) / a0;
  b.a1 = 2 * ((A - 1) - (A + 1) * c) / a0;
  b.a2 = ((A + 1) - (A - 1) * c - sq) / a0;
  return b;
}

void Svf::Run(float x, double cutoff, double q, int rate) {
  double g = std::tan(kPi * std::clamp(cutoff, 20.0, rate * 0.45) / rate);
  double k = 1.0 / std::max(q, 0.3);
  double a1 = 1.0 / (1.0 + g * (g + k)), a2 = g * a1, a3 = g * a2;
  double v3 = x - ic2;
  double v1 = a1 * ic1 + a2 * v3;
  double v2 = ic2 + a2 * ic1 + a3 * v3;
  ic1 = 2 * v1 - ic1;
  ic2 = 2 * v2 - ic2;
  lp = float(v2);
  bp = float(v1);
  hp = float(x - k * v1 - v2);
}

void MixInto(Mono& dst, const Mono& src, double at, double gain) {
  size_t off = size_t(std::max(0.0, at) * dst.rate + 0.5);
  if (dst.s.size() < off + src.s.size()) dst.s.resize(off + src.s.size(), 0.0f);
  for (size_t i = 0; i < src.s.size(); ++i) dst.s[off + i] += float(src.s[i] * gain);
}

void MixInto(Stereo& dst, const Mono& src, double at, double gain, double pan) {
  size_t off = size_t(std::max(0.0, at) * dst.rate + 0.5);
  if (dst.l.size() < off + src.s.size()) {
    dst.l.resize(off + src.s.size(), 0.0f);
    dst.r.resize(off + src.s.size(), 0.0f);
  }
  double p = (std::clamp(pan, -1.0, 1.0) + 1) * kPi / 4;  // equal power
  float gl = float(gain * std::cos(p) * std::sqrt(2.0)), gr = float(gain * std::sin(p) * std::sqrt(2.0));
  for (size_t i = 0; i < src.s.size(); ++i) {
    dst.l[off + i] += src.s[i] * gl;
    dst.r[off + i] += src.s[i] * gr;
  }
}

void FoldIntoLoop(Stereo& s, size_t period) {
  if (period == 0 || s.Frames() <= period) return;
  for (size_t i = period; i < s.Frames(); ++i) {
    s.l[i % period] += s.l[i];
    s.r[i % period] += s.r[i];
  }
  s.l.resize(period);
  s.r.resize(period);
}

namespace {
void FadeVec(std::vector<float>& v, int rate, double inMs, double outMs) {
  size_t n = v.size();
  size_t fi = std::min(n, size_t(inMs * rate / 1000.0)), fo = std::min(n, size_t(outMs * rate / 1000.0));
  for (size_t i = 0; i < fi; ++i) v[i] *= float(0.5 - 0.5 * std::cos(kPi * i / fi));
  for (size_t i = 0; i < fo; ++i) v[n - 1 - i] *= float(0.5 - 0.5 * std::cos(kPi * i / fo));
}
}  // namespace

void FadeEdges(Mono& m, double inMs, double outMs) { FadeVec(m.s, m.rate, inMs, outMs); }
void FadeEdges(Stereo& s, double inMs, double outMs) {
  FadeVec(s.l, s.rate, inMs, outMs);
  FadeVec(s.r, s.rate, inMs, outMs);
}

void TrimTail(Mono& m, double belowPeakDb) {
  float peak = 0;
  for (float x : m.s) peak = std::max(peak, std::fabs(x));
  float th = float(peak * std::pow(10.0, belowPeakDb / 20.0));
  size_t end = m.s.size();
  while (end > 0 && std::fabs(m.s[end - 1]) < th) --end;
  end = std::min(m.s.size(), end + size_t(m.rate * 0.01));
  m.s.resize(end);
}

void CapLength(Mono& m, double seconds) {
  size_t cap = size_t(seconds * m.rate);
  if (m.s.size() <= cap) return;
  m.s.resize(cap);
  size_t fade = cap * 2 / 5;
  for (size_t i = 0; i < fade; ++i) {
    double x = double(i) / fade;  // 0 at the end of the sound, 1 where the fade begins
    m.s[cap - 1 - i] *= float(x * x);
  }
}

// ---------------------------------------------------------------- reverb

Reverb::Reverb(int rate, double roomSize, double damping, uint32_t spread) {
  static const int combs[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
  static const int aps[4] = {556, 441, 341, 225};
  double scale = rate / 44100.0;
  for (int i = 0; i < 8; ++i) {
    combL_[i].buf.assign(size_t(combs[i] * scale), 0.0f);
    combR_[i].buf.assign(size_t((combs[i] + spread) * scale), 0.0f);
  }
  for (int i = 0; i < 4; ++i) {
    apL_[i].buf.assign(size_t(aps[i] * scale), 0.0f);
    apR_[i].buf.assign(size_t((aps[i] + spread) * scale), 0.0f);
  }
  feedback_ = float(0.7 + 0.28 * roomSize);
  damp_ = float(0.4 * damping);
}

void Reverb::Process(const float* in, float* outL, float* outR, size_t n) {
  auto comb = [this](Comb& c, float x) {
    float y = c.buf[c.pos];
    c.store = y * (1 - damp_) + c.store * damp_;
    c.buf[c.pos] = x + c.store * feedback_;
    if (++c.pos >= c.buf.size()) c.pos = 0;
    return y;
  };
  auto allpass = [](Allpass& a, float x) {
    float b = a.buf[a.pos];
    float y = -x + b;
    a.buf[a.pos] = x + b * 0.5f;
    if (++a.pos >= a.buf.size()) a.pos = 0;
    return y;
  };
  for (size_t i = 0; i < n; ++i) {
    float x = in[i] * 0.015f;
    float l = 0, r = 0;
    for (int k = 0; k < 8; ++k) {
      l += comb(combL_[k], x);
      r += comb(combR_[k], x);
    }
    for (int k = 0; k < 4; ++k) {
      l = allpass(apL_[k], l);
      r = allpass(apR_[k], r);
    }
    outL[i] = l;
    outR[i] = r;
  }
}

Mono ReverbMono(const Mono& dry, double wet, double room, double damping, double tailSeconds) {
  Mono out = dry;
  out.s.resize(dry.s.size() + size_t(tailSeconds * dry.rate), 0.0f);
  std::vector<float> in(out.s), l(out.s.size()), r(out.s.size());
  Reverb rv(dry.rate, room, damping, 23);
  rv.Process(in.data(), l.data(), r.data(), in.size());
  for (size_t i = 0; i < out.s.size(); ++i) out.s[i] += float(wet * 0.5 * (l[i] + r[i]));
  return out;
}

// ---------------------------------------------------------------- loudness

Measure MeasureChannels(const std::vector<const float*>& ch, size_t frames, int rate) {
  Measure m;
  m.seconds = double(frames) / rate;
  if (frames == 0) return m;
  double peak = 0;
  std::vector<double> power(frames, 0.0);  // K-weighted power summed over the channels
  for (const float* c : ch) {
    Biquad shelf = Biquad::HighShelf(rate, 1681.97, 0.7072, 4.0);
    Biquad hp = Biquad::HighPass(rate, 38.13, 0.5003);
    for (size_t i = 0; i < frames; ++i) {
      peak = std::max(peak, double(std::fabs(c[i])));
      double y = hp.Run(shelf.Run(c[i]));
      power[i] += y * y;
    }
  }
  m.peakDb = peak > 0 ? 20 * std::log10(peak) : -200;
  auto lufs = [](double ms) { return ms > 0 ? -0.691 + 10 * std::log10(ms) : -200.0; };
  size_t block = size_t(0.4 * rate), hop = size_t(0.1 * rate);
  std::vector<double> blocks;
  if (frames <= block) {
    double sum = 0;
    for (double p : power) sum += p;
    blocks.push_back(sum / block);  // a short sound counts as one block padded with silence
  } else {
    std::vector<double> prefix(frames + 1, 0.0);
    for (size_t i = 0; i < frames; ++i) prefix[i + 1] = prefix[i] + power[i];
    for (size_t s = 0; s + block <= frames; s += hop) blocks.push_back((prefix[s + block] - prefix[s]) / block);
  }
  double maxMs = 0;
  for (double b : blocks) maxMs = std::max(maxMs, b);
  m.maxMomentaryLufs = lufs(maxMs);
  auto gatedMean = [&](double gate) {
    double sum = 0;
    int n = 0;
    for (double b : blocks)
      if (lufs(b) > gate) {
        sum += b;
        ++n;
      }
    return n ? sum / n : 0.0;
  };
  double rel = lufs(gatedMean(-70.0)) - 10.0;
  m.integratedLufs = lufs(gatedMean(std::max(-70.0, rel)));
  return m;
}

void Limit(Mono& m, double ceilingDb, double lookaheadMs, double releaseMs) {
  size_t n = m.s.size(), look = std::max<size_t>(1, size_t(lookaheadMs * m.rate / 1000));
  float ceiling = float(std::pow(10.0, ceilingDb / 20.0));
  std::vector<float> need(n + look, 1.0f), gain(n, 1.0f);
  for (size_t i = 0; i < n; ++i) {
    float a = std::fabs(m.s[i]);
    if (a > ceiling) need[i] = ceiling / a;
  }
  // The lowest gain needed over the coming window, then a release that recovers slowly.
  float rel = float(std::exp(-1.0 / (releaseMs * m.rate / 1000))), g = 1.0f;
  std::vector<float> held(n + look, 1.0f);
  for (size_t i = 0; i < n; ++i) {
    float lowest = 1.0f;
    for (size_t k = i; k < i + look; ++k) lowest = std::min(lowest, need[k]);
    g = lowest < g ? lowest : lowest + (g - lowest) * rel;
    held[i] = g;
  }
  // Averaging over the window turns the drops into smooth ramps that still reach their floor.
  double sum = 0;
  for (size_t i = 0; i < n + look; ++i) {
    sum += held[i];
    if (i >= look) sum -= held[i - look];
    if (i >= look - 1 && i - (look - 1) < n) gain[i - (look - 1)] = float(std::min<double>(sum / look, held[i - (look - 1)]));
  }
  for (size_t i = 0; i < n; ++i) m.s[i] *= gain[i];
}

namespace {
double GainFor(const Measure& m, double targetLufs, double peakDb, bool momentary) {
  double level = momentary ? m.maxMomentaryLufs : m.integratedLufs;
  if (level <= -150) return 1.0;
  double gainDb = std::min(targetLufs - level, peakDb - m.peakDb);
  return std::pow(10.0, gainDb / 20.0);
}
}  // namespace

void Normalize(Mono& m, double targetLufs, double peakDb, bool momentary) {
  double g = GainFor(MeasureMono(m), targetLufs, peakDb, momentary);
  for (float& x : m.s) x = float(x * g);
}

void Normalize(Stereo& s, double targetLufs, double peakDb, bool momentary) {
  double g = GainFor(MeasureStereo(s), targetLufs, peakDb, momentary);
  for (float& x : s.l) x = float(x * g);
  for (float& x : s.r) x = float(x * g);
}

}  // namespace snd
