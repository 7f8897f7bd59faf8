#include "Instruments.h"

namespace snd {

namespace {
double Blep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

// Attack, hold to `dur`, then release; value 0..1.
double Ar(double t, double attack, double dur, double release) {
  if (t < attack) return t / attack;
  if (t < dur) return 1.0;
  double r = (t - dur) / release;
  return r >= 1 ? 0.0 : 1.0 - r;
}

struct Partial {
  double ratio, amp, tau;
};

Mono Additive(const Partial* p, int count, double freq, double dur, double vel, double attack, double tailScale,
              int rate, double damp = 0.0) {
  double maxTau = 0;
  for (int i = 0; i < count; ++i) maxTau = std::max(maxTau, p[i].tau);
  Mono m(rate, dur + maxTau * tailScale * 5.0 + 0.02);
  for (int k = 0; k < count; ++k) {
    double f = freq * p[k].ratio;
    if (f > rate * 0.45) continue;
    double inc = f / rate, tau = p[k].tau * tailScale, ph = 0;
    double decay = std::exp(-1.0 / (tau * rate)), env = p[k].amp * vel;
    // Damped once the key is let go (damp > 0).
    double releaseDecay = damp > 0 ? std::exp(-1.0 / (damp * rate)) : decay;
    size_t held = size_t(dur * rate);
    for (size_t i = 0; i < m.s.size(); ++i) {
      double a = i < size_t(attack * rate) ? double(i) / (attack * rate) : 1.0;
      m.s[i] += float(FastSin(ph) * env * a);
      ph += inc;
      env *= i < held ? decay : std::min(decay, releaseDecay);
      if (env < 1e-5) break;
    }
  }
  return m;
}

Mono KarplusStrong(double freq, double dur, double vel, uint32_t seed, int rate, double brightness, double sustain,
                   double releaseTime) {
  Rng rng(seed);
  double period = rate / freq;
  // The averaging filter delays by half a sample; a first-order allpass adds the fraction.
  size_t n = std::max<size_t>(2, size_t(period - 0.6));
  double frac = period - 0.5 - double(n);
  std::vector<float> line(n);
  float lp = 0;
  for (auto& x : line) {  // excitation: noise softened by brightness
    float v = float(rng.Bi());
    lp += float(brightness) * (v - lp);
    x = lp;
  }
  double total = dur + releaseTime + 0.01;
  Mono m(rate, total);
  size_t held = size_t(dur * rate), pos = 0;
  float prev = 0, apState = 0;
  double apC = (1 - frac) / (1 + frac);
  float loss = float(std::pow(0.001, 1.0 / (sustain * freq)));  // -60 dB after `sustain` s
  float relLoss = float(std::pow(0.001, 1.0 / (std::max(0.02, releaseTime * 0.4) * freq)));
  for (size_t i = 0; i < m.s.size(); ++i) {
    float cur = line[pos];
    float avg = 0.5f * (cur + prev);
    prev = cur;
    float ap = float(apC * avg + apState);
    apState = float(avg - apC * ap);
    line[pos] = ap * (i < held ? loss : relLoss);
    m.s[i] = float(cur * vel);
    if (++pos >= n) pos = 0;
  }
  FadeEdges(m, 1.5, 8.0);
  return m;
}
}  // namespace

float BlepOsc::Saw(double inc) {
  double v = 2.0 * phase - 1.0 - Blep(phase, inc);
  phase += inc;
  if (phase >= 1.0) phase -= 1.0;
  return float(v);
}

float BlepOsc::Pulse(double inc, double width) {
  double v = (phase < width ? 1.0 : -1.0) + Blep(phase, inc);
  double t2 = phase - width;
  if (t2 < 0) t2 += 1.0;
  v -= Blep(t2, inc);
  phase += inc;
  if (phase >= 1.0) phase -= 1.0;
  return float(v);
}

Mono Note(Inst inst, double freq, double dur, double vel, uint32_t seed, int rate) {
  Rng rng(seed);
  switch (inst) {
    case Inst::Bell: {
      static const Partial p[] = {{1, 1, 1.4}, {2.0, .45, .8}, {2.76, .35, .55}, {5.4, .2, .25}, {8.93, .1, .12}};
      return Additive(p, 5, freq, dur, vel * 0.5, 0.002, 1.0, rate);
    }
    case Inst::Glock: {
      static const Partial p[] = {{1, 1, .7}, {2.76, .3, .25}, {5.40, .15, .1}, {8.93, .08, .05}};
      return Additive(p, 4, freq, dur, vel * 0.55, 0.001, 1.0, rate);
    }
    case Inst::Celesta: {
      static const Partial p[] = {{1, 1, .9}, {2, .2, .4}, {4.0, .25, .18}, {10.0, .05, .05}};
      return Additive(p, 4, freq, dur, vel * 0.55, 0.002, 1.0, rate, 0.25);
    }
    case Inst::Marimba: {
      double tau = std::clamp(0.5 * 220.0 / freq, 0.12, 0.6);
      const Partial p[] = {{1, 1, tau}, {3.93, .25, tau * .25}, {9.2, .06, tau * .08}};
      return Additive(p, 3, freq, dur, vel * 0.6, 0.0015, 1.0, rate, 0.08);
    }
    case Inst::Piano: {
      Partial p[8];
      for (int k = 0; k < 8; ++k) {
        double n = k + 1;
        p[k] = {n * (1 + 0.0004 * n * n), std::pow(n, -1.3), std::clamp(1.8 * 261.0 / freq, 0.5, 3.0) / std::pow(n, 0.7)};
      }
      return Additive(p, 8, freq, dur, vel * 0.4, 0.003, 1.0, rate, 0.12);
    }
    // The plucked strings lose much of their noise burst in the loop filter: they are
    // scaled up to sit level with the other instruments at the same velocity.
    case Inst::Pluck:
      return KarplusStrong(freq, dur, vel * 2.4, seed, rate, 0.55, 1.4, 0.12);
    case Inst::Harp:
      return KarplusStrong(freq, dur, vel * 2.6, seed, rate, 0.25, 2.8, 0.6);
    case Inst::PluckBass:
      return KarplusStrong(freq, dur, vel * 2.5, seed, rate, 0.2, 1.6, 0.08);
    case Inst::Flute: {
      Mono m(rate, dur + 0.2);
      double ph = 0;
      Biquad breath = Biquad::BandPass(rate, freq * 2.0, 2.0);
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        double vib = 1.0 + 0.004 * std::min(1.0, std::max(0.0, t - 0.2) * 3) * FastSin(t * 5.2);
        ph += freq * vib / rate;
        double env = Ar(t, 0.05, dur, 0.15);
        double tone = FastSin(ph) + 0.18 * FastSin(2 * ph) + 0.06 * FastSin(3 * ph);
        m.s[i] = float((tone + 0.7 * breath.Run(float(rng.Bi()))) * env * vel * 0.45);
      }
      return m;
    }
    case Inst::Pad:
    case Inst::Strings: {
      bool pad = inst == Inst::Pad;
      double attack = pad ? 0.35 : 0.22, release = pad ? 0.8 : 0.5;
      Mono m(rate, dur + release + 0.02);
      BlepOsc o[3];
      const double det[3] = {1.0, 1.0047, 0.9956};
      for (int k = 0; k < 3; ++k) o[k].phase = rng.Uni();
      Biquad lp = Biquad::LowPass(rate, pad ? std::min(1800.0, freq * 5) : std::min(3200.0, freq * 8), 0.6);
      Biquad lp2 = Biquad::LowPass(rate, pad ? 2400.0 : 4000.0, 0.7);
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        double vib = pad ? 1.0 : 1.0 + 0.003 * FastSin(t * 5.5 + 0.3);
        float x = 0;
        for (int k = 0; k < 3; ++k) x += o[k].Saw(freq * det[k] * vib / rate);
        m.s[i] = float(lp2.Run(lp.Run(x)) * Ar(t, attack, dur, release) * vel * 0.22);
      }
      return m;
    }
    case Inst::Bass: {
      Mono m(rate, dur + 0.1);
      double ph = 0;
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        double env = Ar(t, 0.006, dur, 0.08) * (0.65 + 0.35 * std::exp(-t / 0.12));
        double x = FastSin(ph) + 0.25 * FastSin(2 * ph) * std::exp(-t / 0.08) + 0.1 * FastSin(3 * ph);
        ph += freq / rate;
        m.s[i] = float(x * env * vel * 0.6);
      }
      return m;
    }
    case Inst::Reed: {
      Mono m(rate, dur + 0.12);
      BlepOsc a, b;
      b.phase = 0.37;
      Biquad lp = Biquad::LowPass(rate, std::min(3500.0, freq * 7), 0.8);
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        float x = a.Pulse(freq * 1.0017 / rate, 0.32) + b.Pulse(freq * 0.9983 / rate, 0.32);
        m.s[i] = float(lp.Run(x) * Ar(t, 0.03, dur, 0.09) * vel * 0.2);
      }
      return m;
    }
    case Inst::Brass: {
      Mono m(rate, dur + 0.15);
      BlepOsc a, b;
      Svf f;
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        double scoop = 1.0 - 0.02 * std::exp(-t / 0.03);
        float x = a.Saw(freq * scoop / rate) + 0.6f * b.Saw(freq * 1.003 * scoop / rate);
        double env = Ar(t, 0.04, dur, 0.12);
        double cut = freq * (1.5 + 5.0 * env * (0.6 + 0.4 * std::exp(-t / 0.25)));
        f.Run(x, cut, 0.9, rate);
        m.s[i] = float(f.lp * env * vel * 0.4);
      }
      return m;
    }
  }
  return Mono(rate, dur);
}

Mono Hit(Drum drum, double vel, uint32_t seed, int rate) {
  Rng rng(seed);
  switch (drum) {
    case Drum::Kick: {
      Mono m(rate, 0.35);
      double ph = 0;
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        double f = 48 + 110 * std::exp(-t / 0.035);
        ph += f / rate;
        m.s[i] = float((FastSin(ph) * std::exp(-t / 0.16) + 0.2 * rng.Bi() * std::exp(-t / 0.004)) * vel);
      }
      FadeEdges(m, 0.5, 20);
      return m;
    }
    case Drum::Snare: {
      Mono m(rate, 0.25);
      Biquad bp = Biquad::BandPass(rate, 2500, 0.8);
      double ph = 0;
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        ph += (190 - 20 * t) / rate;
        double n = bp.Run(float(rng.Bi())) * 1.6 * std::exp(-t / 0.07);
        m.s[i] = float((n + 0.5 * FastSin(ph) * std::exp(-t / 0.05)) * vel * 0.7);
      }
      FadeEdges(m, 0.5, 20);
      return m;
    }
    case Drum::Hat:
    case Drum::OpenHat: {
      double tau = drum == Drum::Hat ? 0.025 : 0.16;
      Mono m(rate, tau * 6);
      Biquad hp = Biquad::HighPass(rate, 7500, 0.7);
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        m.s[i] = float(hp.Run(float(rng.Bi())) * std::exp(-t / tau) * vel * 0.5);
      }
      FadeEdges(m, 0.3, 5);
      return m;
    }
    case Drum::Shaker: {
      Mono m(rate, 0.12);
      Biquad bp = Biquad::BandPass(rate, 6000, 1.2);
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        double env = t < 0.015 ? t / 0.015 : std::exp(-(t - 0.015) / 0.03);
        m.s[i] = float(bp.Run(float(rng.Bi())) * env * vel * 0.8);
      }
      FadeEdges(m, 0, 5);
      return m;
    }
    case Drum::Clap: {
      Mono m(rate, 0.22);
      Biquad bp = Biquad::BandPass(rate, 1300, 1.5);
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        double env = 0;
        for (double o : {0.0, 0.011, 0.023}) env += t >= o ? std::exp(-(t - o) / (o > 0.02 ? 0.06 : 0.006)) : 0;
        m.s[i] = float(bp.Run(float(rng.Bi())) * env * vel * 1.2);
      }
      FadeEdges(m, 0.3, 10);
      return m;
    }
    case Drum::Tom: {
      Mono m(rate, 0.45);
      double ph = 0;
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        ph += (105 + 40 * std::exp(-t / 0.05)) / rate;
        m.s[i] = float(FastSin(ph) * std::exp(-t / 0.13) * vel * 0.9);
      }
      FadeEdges(m, 0.5, 20);
      return m;
    }
    case Drum::WoodBlock: {
      Mono m(rate, 0.12);
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        double x = FastSin(t * 880) * std::exp(-t / 0.025) + 0.4 * FastSin(t * 1620) * std::exp(-t / 0.012);
        m.s[i] = float(x * vel * 0.6);
      }
      FadeEdges(m, 0.3, 5);
      return m;
    }
    case Drum::Tambourine: {
      Mono m(rate, 0.3);
      Biquad hp = Biquad::HighPass(rate, 6000, 0.7);
      double r[4] = {5120, 6330, 7410, 8720};
      for (size_t i = 0; i < m.s.size(); ++i) {
        double t = double(i) / rate;
        double jingle = 0;
        for (double f : r) jingle += FastSin(t * f);
        double x = hp.Run(float(rng.Bi())) * 0.6 + jingle * 0.08 * (0.5 + 0.5 * rng.Uni());
        m.s[i] = float(x * std::exp(-t / 0.07) * vel * 0.6);
      }
      FadeEdges(m, 0.3, 10);
      return m;
    }
  }
  return Mono(rate, 0.1);
}

}  // namespace snd
