#include "Effects.h"

#include <functional>
#include <map>
#include <stdexcept>

#include "Instruments.h"

namespace snd {

namespace {

// ------------------------------------------------------------ building blocks

struct Ev {
  double t, midi, dur;
  Inst inst;
  double vel;
};

Mono Seq(std::initializer_list<Ev> evs, uint32_t seed, double wet = 0.12) {
  Mono m(kRate, 0.01);
  uint32_t k = 0;
  for (const Ev& e : evs) MixInto(m, Note(e.inst, MidiHz(e.midi), e.dur, e.vel, seed + 977 * ++k), e.t, 1.0);
  return wet > 0 ? ReverbMono(m, wet, 0.55, 0.4, 0.8) : m;
}

enum class Wave { Sine, Triangle, Saw, Square };

// An oscillator whose pitch and level follow functions of time.
Mono Osc(double dur, const std::function<double(double)>& freq, const std::function<double(double)>& env,
         Wave wave = Wave::Sine) {
  Mono m(kRate, dur);
  double ph = 0;
  BlepOsc blep;
  for (size_t i = 0; i < m.s.size(); ++i) {
    double t = double(i) / kRate, inc = freq(t) / kRate, x = 0;
    switch (wave) {
      case Wave::Sine: x = FastSin(ph); break;
      case Wave::Triangle: x = FastSin(ph) - FastSin(3 * ph) / 9.0 + FastSin(5 * ph) / 25.0; break;
      case Wave::Saw: x = blep.Saw(inc); break;
      case Wave::Square: x = blep.Pulse(inc, 0.5); break;
    }
    ph += inc;
    m.s[i] = float(x * env(t));
  }
  return m;
}

enum class Filt { Low, Band, High };

// Noise through a filter whose cutoff (or centre) sweeps with time.
Mono Noise(double dur, const std::function<double(double)>& cutoff, double q, Filt mode,
           const std::function<double(double)>& env, uint32_t seed) {
  Mono m(kRate, dur);
  Rng rng(seed);
  Svf f;
  for (size_t i = 0; i < m.s.size(); ++i) {
    double t = double(i) / kRate;
    f.Run(float(rng.Bi()), cutoff(t), q, kRate);
    double y = mode == Filt::Low ? f.lp : mode == Filt::Band ? f.bp : f.hp;
    m.s[i] = float(y * env(t));
  }
  return m;
}

// Exponential decay after an attack of a few milliseconds.
std::function<double(double)> Perc(double attack, double tau) {
  return [=](double t) { return t < attack ? t / attack : std::exp(-(t - attack) / tau); };
}
std::function<double(double)> Const(double v) {
  return [=](double) { return v; };
}
std::function<double(double)> Glide(double a, double b, double dur, bool expo = true) {
  return [=](double t) {
    double x = std::clamp(t / dur, 0.0, 1.0);
    return expo ? a * std::pow(b / a, x) : a + (b - a) * x;
  };
}
// Rise to 1 at `peak` and fall back to 0 at `dur`, smoothly.
std::function<double(double)> Swell(double peak, double dur) {
  return [=](double t) {
    if (t <= 0 || t >= dur) return 0.0;
    return t < peak ? std::sin(0.5 * kPi * t / peak) : std::cos(0.5 * kPi * (t - peak) / (dur - peak));
  };
}

// A struck piece of metal: inharmonic partials that ring out.
Mono Metal(double base, double tau, double vel, uint32_t seed) {
  Rng rng(seed);
  Mono m(kRate, tau * 6);
  const double ratios[5] = {1.0, 1.47, 2.09, 2.56, 3.3};
  for (int k = 0; k < 5; ++k) {
    double f = base * ratios[k] * (1 + 0.02 * rng.Bi()), t0 = tau / (1 + 0.5 * k), a = vel / (1 + k * 0.6);
    for (size_t i = 0; i < m.s.size(); ++i) {
      double t = double(i) / kRate;
      m.s[i] += float(FastSin(f * t) * a * std::exp(-t / t0));
    }
  }
  FadeEdges(m, 0.5, 5);
  return m;
}

// A hollow wooden knock: two resonances.
Mono Wood(double f, double tau, double vel) {
  Mono m(kRate, tau * 6 + 0.01);
  for (size_t i = 0; i < m.s.size(); ++i) {
    double t = double(i) / kRate;
    m.s[i] = float(vel * (FastSin(f * t) * std::exp(-t / tau) + 0.45 * FastSin(f * 2.7 * t) * std::exp(-t / (tau * 0.4))));
  }
  FadeEdges(m, 0.4, 4);
  return m;
}

Mono Sparkles(double dur, int count, double lowMidi, uint32_t seed, double vel = 0.5) {
  Rng rng(seed);
  static const int penta[5] = {0, 2, 4, 7, 9};
  Mono m(kRate, dur);
  for (int i = 0; i < count; ++i) {
    double midi = lowMidi + 12 * rng.Below(2) + penta[rng.Below(5)];
    MixInto(m, Note(Inst::Glock, MidiHz(midi), 0.05, vel * (0.5 + 0.5 * rng.Uni()), seed + i), rng.Uni() * dur, 1.0);
  }
  return m;
}

Mono Mix(std::initializer_list<std::pair<const Mono*, double>> parts) {
  Mono m(kRate, 0.01);
  for (auto& [p, at] : parts) MixInto(m, *p, at, 1.0);
  return m;
}

Mono Scale(Mono m, double g) {
  for (float& x : m.s) x = float(x * g);
  return m;
}

// ------------------------------------------------------------ murmured voices

struct Formants {
  double f1, f2, f3;
};
Formants VowelFormants(char v) {
  switch (v) {
    case 'a': return {730, 1090, 2440};
    case 'e': return {530, 1840, 2480};
    case 'i': return {300, 2200, 2950};
    case 'o': return {570, 840, 2410};
    case 'u': return {320, 870, 2240};
    default: return {260, 1100, 2300};  // 'm': lips closed, a hum
  }
}

// ------------------------------------------------------------ designs

Mono ChapterEntry(int island) {
  // Each island has its own key and instrument; the motif rises to the new land.
  static const int roots[5] = {65, 62, 67, 69, 63};
  static const Inst leads[5] = {Inst::Flute, Inst::Reed, Inst::Marimba, Inst::Celesta, Inst::Brass};
  int r = roots[island - 1];
  Inst lead = leads[island - 1];
  bool minor = island == 4;
  int third = minor ? 3 : 4;
  uint32_t seed = 7100 + island;
  Mono m = Seq({{0.00, double(r), 0.18, lead, 0.8},
                {0.20, double(r + 7), 0.18, lead, 0.8},
                {0.40, double(r + 12), 0.18, lead, 0.85},
                {0.60, double(r + 12 + third), 0.7, lead, 0.9},
                {0.00, double(r - 12), 1.3, Inst::Harp, 0.7},
                {0.60, double(r - 12 + 7), 1.0, Inst::Harp, 0.6},
                {0.60, double(r + 24), 0.1, Inst::Bell, 0.35},
                {0.60, double(r), 1.0, Inst::Pad, 0.6},
                {0.60, double(r + third), 1.0, Inst::Pad, 0.5},
                {0.60, double(r + 7), 1.0, Inst::Pad, 0.5}},
               seed, 0.2);
  return m;
}

Mono UpgradesFinished(int island) {
  // A fanfare that grows with every island; the last one is the grandest.
  int r = 60 + (island - 1) * 2;
  uint32_t seed = 7200 + island;
  double g = 0.75 + 0.05 * island;
  Mono m = Seq({{0.00, double(r + 7), 0.12, Inst::Brass, g},
                {0.15, double(r + 7), 0.12, Inst::Brass, g},
                {0.30, double(r + 7), 0.12, Inst::Brass, g},
                {0.45, double(r + 12), 0.9 + 0.1 * island, Inst::Brass, g},
                {0.45, double(r + 4), 0.9 + 0.1 * island, Inst::Brass, g * 0.8},
                {0.45, double(r), 0.9 + 0.1 * island, Inst::Brass, g * 0.7},
                {0.45, double(r - 12), 1.0 + 0.1 * island, Inst::PluckBass, 0.8},
                {0.45, double(r + 24), 0.1, Inst::Bell, 0.5},
                {0.55, double(r + 28), 0.1, Inst::Bell, 0.45},
                {0.65, double(r + 31), 0.1, Inst::Bell, 0.4}},
               seed, 0.22);
  Mono roll(kRate, 0.5);
  for (int i = 0; i < 8; ++i) MixInto(roll, Hit(Drum::Tom, 0.25 + 0.05 * i, seed + i), i * 0.055, 1.0);
  MixInto(m, roll, 0.0, 0.5);
  MixInto(m, Hit(Drum::Kick, 0.9, seed), 0.45, 0.6);
  if (island == 5) {
    Mono cym = Noise(2.2, Const(7000), 0.8, Filt::High, Perc(0.01, 0.6), seed + 55);
    MixInto(m, cym, 0.45, 0.25);
    Mono more = Seq({{1.4, double(r + 12), 0.9, Inst::Brass, 0.8},
                     {1.4, double(r + 16), 0.9, Inst::Brass, 0.7},
                     {1.4, double(r + 19), 0.9, Inst::Brass, 0.7},
                     {1.4, double(r + 36), 0.1, Inst::Glock, 0.4}},
                    seed + 9, 0.25);
    MixInto(m, more, 0.0, 1.0);
  }
  return m;
}

Mono PraiseVoice(int praise, bool male) {
  // Praise 1 is a polite hum, praise 8 a delighted exclamation.
  uint32_t seed = 7300 + praise * 2 + (male ? 1 : 0);
  Rng rng(seed);
  double lift = 0.03 * praise;
  std::vector<Syllable> s;
  s.push_back({0.16 + 0.01 * praise, 1.0, 1.05 + lift, 'm', 'm', 0.7, 0.04});
  static const char vowels[] = "aoeiuao";
  int extra = 1 + praise / 2;
  for (int i = 0; i < extra; ++i) {
    char v = vowels[rng.Below(7)];
    double up = 1.0 + lift * (1.0 + i) + 0.05 * rng.Bi();
    s.push_back({0.09 + 0.05 * rng.Uni(), up, up * (1.02 + 0.02 * rng.Bi()), 'm', v, 0.8, 0.02});
  }
  s.push_back({0.22 + 0.02 * praise, 1.1 + lift * 2, 0.95 + lift, 'm', praise > 4 ? 'u' : 'm', 0.85, 0.0});
  return Murmur(s, male, seed);
}

Mono DisappointedVoice(bool male) {
  std::vector<Syllable> s = {{0.12, 1.05, 1.0, 'm', 'm', 0.6, 0.05}, {0.45, 1.0, 0.72, 'o', 'm', 0.8, 0.0}};
  return Murmur(s, male, male ? 7401 : 7402);
}

Mono RatingVoice(int n) {
  // Two reviewers (variant 0 and 1), two to five stars; the stars ring after the verdict.
  int variant = n / 5, stars = n % 5 + 1;
  bool male = variant == 1;
  uint32_t seed = 7500 + n;
  Rng rng(seed);
  std::vector<Syllable> s;
  s.push_back({0.15, 1.0, 0.97, 'm', 'm', 0.6, 0.06});
  for (int i = 0; i < stars; ++i) {
    static const char vowels[] = "aeoui";
    double up = 1.0 + 0.04 * stars + 0.03 * i;
    s.push_back({0.1 + 0.04 * rng.Uni(), up, up * 1.02, 'm', vowels[(i + n) % 5], 0.75, 0.03});
  }
  s.push_back({0.25, 1.0 + 0.06 * stars, 0.9 + 0.04 * stars, 'a', 'm', 0.8, 0.0});
  Mono voice = Murmur(s, male, seed);
  double at = voice.Seconds() + 0.05;
  for (int i = 0; i < stars; ++i)
    MixInto(voice, Note(Inst::Glock, MidiHz(88 + 2 * i + (i >= 2 ? 1 : 0)), 0.05, 0.6, seed + i), at + 0.09 * i, 1.0);
  return voice;
}

using Maker = std::function<Mono()>;

const std::map<std::string, Maker>& Designs() {
  static const std::map<std::string, Maker> designs = {
      {"Click",
       [] {
         Mono tone = Osc(0.03, Const(2300), Perc(0.0008, 0.006));
         Mono tick = Noise(0.02, Const(3500), 0.7, Filt::High, Perc(0.0003, 0.002), 11);
         return Mix({{&tone, 0}, {&tick, 0}});
       }},
      {"MouseOver", [] { return Osc(0.06, Glide(1700, 2500, 0.05), Perc(0.004, 0.015)); }},
      {"ScoreCount",
       [] {
         Mono n = Note(Inst::Glock, MidiHz(100), 0.02, 0.6, 21);
         n.s.resize(size_t(0.12 * kRate));
         return n;
       }},
      {"SlotTing",
       [] {
         return Seq({{0, 93, 0.1, Inst::Bell, 0.7}, {0, 105, 0.05, Inst::Glock, 0.35}, {0.05, 100, 0.05, Inst::Glock, 0.3}},
                    31, 0.15);
       }},
      {"ToolAcquired",
       [] {
         return Seq({{0, 84, 0.06, Inst::Glock, 0.6},
                     {0.05, 88, 0.06, Inst::Glock, 0.6},
                     {0.10, 91, 0.06, Inst::Glock, 0.65},
                     {0.15, 96, 0.3, Inst::Bell, 0.6}},
                    41);
       }},
      {"PickingTool",
       [] {
         Mono knock = Note(Inst::Marimba, MidiHz(79), 0.03, 0.7, 51);
         Mono blip = Osc(0.08, Glide(600, 1300, 0.06), Perc(0.003, 0.025), Wave::Triangle);
         return Mix({{&knock, 0}, {&blip, 0.02}});
       }},
      {"DisabledTile",
       [] {
         auto env = [](double t) { return (t < 0.005 ? t / 0.005 : 1.0) * (t < 0.08 ? 1.0 : std::exp(-(t - 0.08) / 0.01)); };
         Mono a = Osc(0.12, Const(MidiHz(50)), env, Wave::Square);
         Mono b = Osc(0.16, Const(MidiHz(46)), env, Wave::Square);
         Mono m = Mix({{&a, 0}, {&b, 0.11}});
         Biquad lp = Biquad::LowPass(kRate, 900, 0.7);
         for (float& x : m.s) x = lp.Run(x);
         return m;
       }},
      {"MatchX",
       [] {
         return Seq({{0, 79, 0.07, Inst::Celesta, 0.7}, {0.07, 83, 0.07, Inst::Celesta, 0.7},
                     {0.14, 86, 0.3, Inst::Celesta, 0.75}, {0.14, 98, 0.05, Inst::Glock, 0.3}},
                    61);
       }},
      {"Combo",
       [] {
         Mono m = Seq({{0, 76, 0.05, Inst::Glock, 0.6},
                       {0.045, 79, 0.05, Inst::Glock, 0.6},
                       {0.09, 83, 0.05, Inst::Glock, 0.65},
                       {0.135, 88, 0.05, Inst::Glock, 0.65},
                       {0.18, 91, 0.4, Inst::Bell, 0.7},
                       {0.18, 79, 0.4, Inst::Celesta, 0.5}},
                      71);
         Mono sp = Sparkles(0.5, 6, 96, 72, 0.3);
         MixInto(m, sp, 0.2, 1.0);
         return m;
       }},
      {"WhipAway",
       [] {
         auto f = [](double t) { return t < 0.25 ? 400 * std::pow(3500.0 / 400, t / 0.25) : 3500 * std::pow(800.0 / 3500, (t - 0.25) / 0.3); };
         return Noise(0.55, f, 2.0, Filt::Band, Swell(0.22, 0.55), 81);
       }},
      {"Stamper",
       [] {
         Mono thud = Osc(0.25, Glide(130, 55, 0.08), Perc(0.001, 0.07));
         Mono slap = Noise(0.08, Const(2200), 0.8, Filt::Low, Perc(0.0005, 0.015), 91);
         Mono rattle = Noise(0.12, Const(1200), 4.0, Filt::Band, Perc(0.001, 0.03), 92);
         return Mix({{&thud, 0}, {&slap, 0}, {&rattle, 0.01}});
       }},
      {"PowerUp",
       [] {
         auto env = [](double t) { return Swell(0.6, 0.75)(t) * (0.75 + 0.25 * FastSin(t * 18)); };
         Mono sweep = Osc(0.75, Glide(220, 1300, 0.7), env, Wave::Saw);
         Biquad lp = Biquad::LowPass(kRate, 2600, 0.8);
         for (float& x : sweep.s) x = lp.Run(x) * 0.5f;
         Mono sp = Sparkles(0.5, 7, 91, 101, 0.35);
         MixInto(sweep, sp, 0.35, 1.0);
         return ReverbMono(sweep, 0.12, 0.5, 0.5, 0.6);
       }},
      {"NotifyHigh",
       [] {
         return Seq({{0, 72, 0.1, Inst::Bell, 0.6}, {0.1, 76, 0.1, Inst::Bell, 0.6}, {0.2, 79, 0.1, Inst::Bell, 0.65},
                     {0.3, 84, 0.6, Inst::Bell, 0.7}, {0.3, 96, 0.05, Inst::Glock, 0.35}, {0.3, 72, 0.6, Inst::Pad, 0.5},
                     {0.3, 76, 0.6, Inst::Pad, 0.45}},
                    111, 0.2);
       }},
      {"NotifyLow",
       [] {
         return Seq({{0, 67, 0.12, Inst::Marimba, 0.7}, {0.14, 72, 0.12, Inst::Marimba, 0.7},
                     {0.28, 76, 0.4, Inst::Bell, 0.5}},
                    121, 0.2);
       }},
      {"MannaNotify1", [] { return Seq({{0, 84, 0.1, Inst::Celesta, 0.7}, {0.1, 91, 0.4, Inst::Celesta, 0.7}}, 131, 0.2); }},
      {"MannaNotify2",
       [] {
         return Seq({{0, 84, 0.1, Inst::Celesta, 0.7}, {0.09, 88, 0.1, Inst::Celesta, 0.7},
                     {0.18, 91, 0.4, Inst::Celesta, 0.75}},
                    141, 0.2);
       }},
      {"MannaNotify3",
       [] {
         Mono m = Seq({{0, 84, 0.1, Inst::Celesta, 0.7}, {0.08, 88, 0.1, Inst::Celesta, 0.7},
                       {0.16, 91, 0.1, Inst::Celesta, 0.75}, {0.24, 96, 0.5, Inst::Bell, 0.7}},
                      151, 0.2);
         Mono sp = Sparkles(0.4, 5, 98, 152, 0.3);
         MixInto(m, sp, 0.25, 1.0);
         return m;
       }},
      {"ItemActivated",
       [] {
         auto f = [](double t) { return t < 0.08 ? 300 * std::pow(5.0, t / 0.08) : 1500 * (1 + 0.03 * FastSin(t * 22)); };
         Mono zap = Osc(0.35, f, Perc(0.004, 0.1), Wave::Triangle);
         Mono click = Noise(0.02, Const(4000), 0.7, Filt::High, Perc(0.0003, 0.003), 161);
         return Mix({{&zap, 0}, {&click, 0}});
       }},
      {"ElementBounce1", [] { return Wood(330, 0.03, 0.7); }},
      {"ElementBounce2", [] { return Wood(392, 0.028, 0.7); }},
      {"ElementBounce3", [] { return Wood(466, 0.025, 0.7); }},
      {"Bomb",
       [] {
         // The roar carries the blast; the thump only gives it weight on speakers that can.
         Mono roar = Scale(Noise(1.3, Glide(3500, 160, 0.9), 0.7, Filt::Low, Perc(0.002, 0.3), 171), 2.5);
         Mono thump = Scale(Osc(0.6, Glide(120, 45, 0.3), Perc(0.002, 0.15)), 0.45);
         Mono crackle(kRate, 0.9);
         Rng rng(172);
         for (int i = 0; i < 40; ++i) {
           size_t at = size_t(rng.Uni() * 0.8 * kRate);
           double a = 0.5 * rng.Uni() * (1.0 - double(at) / (0.9 * kRate));
           for (int k = 0; k < 40 && at + k < crackle.s.size(); ++k) crackle.s[at + k] += float(a * rng.Bi() * std::exp(-k / 8.0));
         }
         Mono m = Mix({{&roar, 0}, {&thump, 0}, {&crackle, 0.05}});
         return ReverbMono(m, 0.15, 0.6, 0.5, 0.8);
       }},
      {"TileClear",
       [] {
         Mono a = Metal(2400, 0.12, 0.5, 181), b = Metal(3100, 0.1, 0.4, 182), c = Metal(2750, 0.09, 0.3, 183);
         Mono crumble = Noise(0.15, Const(1800), 1.5, Filt::Band, Perc(0.002, 0.04), 184);
         return Mix({{&crumble, 0}, {&a, 0}, {&b, 0.04}, {&c, 0.08}});
       }},
      {"SpiderHit",
       [] {
         Mono splat = Noise(0.15, Glide(900, 300, 0.1), 2.0, Filt::Band, Perc(0.002, 0.04), 191);
         Mono squeak = Osc(0.1, Glide(1900, 900, 0.09), Perc(0.004, 0.035), Wave::Triangle);
         return Mix({{&splat, 0}, {&squeak, 0.02}});
       }},
      // The round's creature. Its hit comes back every second while elements rain on it:
      // a padded thump and a short "oof", nothing bright or sharp that would wear on the ear.
      {"CreatureHit",
       [] {
         Mono thump = Osc(0.3, Glide(150, 62, 0.12), Perc(0.004, 0.06));
         Mono pad = Noise(0.1, Glide(900, 350, 0.06), 0.7, Filt::Low, Perc(0.003, 0.02), 1001);
         Mono oof = Murmur({{0.13, 1.55, 1.15, 'o', 'u', 0.9, 0.0}}, false, 1002);
         Biquad soft = Biquad::LowPass(kRate, 2400, 0.7);
         for (float& x : oof.s) x = soft.Run(x);
         Mono m = Mix({{&thump, 0}, {&pad, 0}});
         MixInto(m, oof, 0.025, 1.4);
         return m;
       }},
      {"CreatureAbsorb",
       [] {
         // A low drone that climbs a tritone and opens up while its throb quickens; a breath of
         // air rises with it. It peaks late and lets go quickly, as the aura takes the time.
         const double dur = 1.15, peak = 0.95;
         auto throb = [](double t) { return 0.7 + 0.3 * FastSin(t * (5 + 6 * t)); };
         auto env = [=](double t) { return Swell(peak, dur)(t) * throb(t); };
         Mono low = Osc(dur, Glide(73, 103, dur), env, Wave::Saw);
         Mono low2 = Osc(dur, Glide(73.6, 104, dur), env, Wave::Saw);
         Mono fifth = Osc(dur, Glide(110, 155, dur), env, Wave::Saw);
         Mono drone(kRate, dur);
         Svf open;
         for (size_t i = 0; i < drone.s.size(); ++i) {
           double t = double(i) / kRate;
           open.Run(low.s[i] + low2.s[i] + 0.45f * fifth.s[i], 250 * std::pow(8.0, t / peak), 1.8, kRate);
           drone.s[i] = open.lp * 0.5f;
         }
         Mono air = Noise(dur, Glide(400, 3200, peak), 2.5, Filt::Band, Swell(peak, dur), 1011);
         auto glassF = [](double t) { return 520 * std::pow(2.0, t / 1.2) * (1 + 0.012 * FastSin(t * 6.5)); };
         Mono glass = Osc(dur, glassF, [=](double t) { return 0.2 * Swell(peak, dur)(t); }, Wave::Sine);
         Mono m = Mix({{&drone, 0}, {&glass, 0}});
         MixInto(m, air, 0.0, 1.6);
         return ReverbMono(m, 0.15, 0.6, 0.5, 0.2);
       }},
      {"CreatureDefeated",
       [] {
         // The creature wails down a long slide, then goes up in a puff and a few sparks.
         Mono wail = Murmur({{0.32, 2.9, 2.3, 'a', 'o', 0.9, 0.0}, {0.55, 2.3, 0.95, 'o', 'u', 0.85, 0.0}}, false, 1021);
         auto slideF = [](double t) { return 1250 * std::pow(0.28, t / 0.85) * (1 + 0.03 * FastSin(t * 6)); };
         Mono slide = Osc(0.9, slideF, Swell(0.1, 0.9), Wave::Triangle);
         Mono m = Scale(wail, 0.75);
         MixInto(m, slide, 0.02, 0.1);
         Mono puff = Noise(0.35, Glide(2600, 380, 0.25), 0.8, Filt::Low, Perc(0.006, 0.08), 1022);
         Mono bump = Osc(0.25, Glide(110, 50, 0.12), Perc(0.004, 0.05));
         MixInto(m, puff, 0.92, 2.6);
         MixInto(m, bump, 0.92, 0.6);
         Mono sp = Sparkles(0.3, 9, 91, 1023, 0.6);
         MixInto(m, sp, 0.96, 1.5);
         m = ReverbMono(m, 0.14, 0.55, 0.5, 0.3);
         // The sparks die away with the puff instead of ringing on after the win.
         m.s.resize(size_t(1.55 * kRate));
         FadeEdges(m, 1, 300);
         return m;
       }},
      {"RestoSale",
       [] {
         Mono m(kRate, 0.01);
         for (int i = 0; i < 3; ++i) {
           Mono c = Noise(0.03, Const(3000), 1.0, Filt::High, Perc(0.0005, 0.006), 201 + i);
           MixInto(m, c, 0.045 * i, 0.8);
         }
         Mono drawer = Noise(0.18, Glide(700, 1400, 0.18), 3.0, Filt::Band, Swell(0.05, 0.18), 205);
         MixInto(m, drawer, 0.13, 0.5);
         Mono ching = Seq({{0, 96, 0.1, Inst::Bell, 0.7}, {0.07, 100, 0.5, Inst::Bell, 0.75}}, 206, 0.1);
         MixInto(m, ching, 0.27, 1.0);
         return m;
       }},
      {"RestoOpen", [] { return Seq({{0, 76, 0.2, Inst::Bell, 0.7}, {0.28, 83, 0.6, Inst::Bell, 0.75}}, 211, 0.2); }},
      {"RestoClosed", [] { return Seq({{0, 83, 0.2, Inst::Bell, 0.6}, {0.3, 76, 0.6, Inst::Bell, 0.65}}, 221, 0.2); }},
      {"RestoNewCust",
       [] {
         Mono m(kRate, 0.01);
         for (int i = 0; i < 6; ++i)
           MixInto(m, Note(Inst::Glock, MidiHz(i % 2 ? 98 : 101), 0.03, 0.6 * std::pow(0.8, i), 231 + i), 0.045 * i, 1.0);
         return ReverbMono(m, 0.1, 0.4, 0.5, 0.4);
       }},
      {"RestoCustEnters",
       [] {
         Mono m(kRate, 0.01);
         for (int i = 0; i < 3; ++i) {
           Mono step = Noise(0.09, Const(500), 1.0, Filt::Low, Perc(0.004, 0.025), 241 + i);
           Mono heel = Wood(180, 0.02, 0.3);
           MixInto(m, step, 0.28 * i, 0.9);
           MixInto(m, heel, 0.28 * i, 1.0);
         }
         Mono door = Seq({{0.0, 91, 0.05, Inst::Bell, 0.25}}, 244, 0.1);
         MixInto(m, door, 0.0, 1.0);
         return m;
       }},
      {"NewChapter",
       [] {
         Mono m = Sparkles(0.9, 14, 86, 251, 0.45);
         Mono whoosh = Noise(0.9, Glide(600, 6000, 0.7), 1.2, Filt::Band, Swell(0.55, 0.9), 252);
         MixInto(m, whoosh, 0.0, 0.6);
         Mono chord = Seq({{0.5, 84, 0.4, Inst::Bell, 0.4}, {0.5, 88, 0.4, Inst::Bell, 0.35}, {0.5, 91, 0.4, Inst::Bell, 0.35}},
                          253, 0.2);
         MixInto(m, chord, 0.0, 1.0);
         return m;
       }},
      {"MyCreation",
       [] {
         return Seq({{0, 72, 0.1, Inst::Marimba, 0.7}, {0.12, 76, 0.1, Inst::Marimba, 0.7}, {0.24, 79, 0.1, Inst::Marimba, 0.7},
                     {0.40, 84, 0.7, Inst::Bell, 0.7}, {0.40, 72, 0.7, Inst::Pad, 0.5}, {0.40, 76, 0.7, Inst::Pad, 0.45},
                     {0.40, 79, 0.7, Inst::Pad, 0.45}, {0.40, 60, 0.6, Inst::PluckBass, 0.7}},
                    261, 0.2);
       }},
      {"LockerBreak",
       [] {
         Mono crack = Noise(0.06, Const(1800), 0.7, Filt::High, Perc(0.0005, 0.012), 271);
         Mono body = Noise(0.12, Const(750), 6.0, Filt::Band, Perc(0.001, 0.035), 272);
         Mono body2 = Noise(0.1, Const(1350), 6.0, Filt::Band, Perc(0.001, 0.025), 273);
         Mono m = Mix({{&crack, 0}, {&body, 0}, {&body2, 0.003}});
         Rng rng(274);
         for (int i = 0; i < 5; ++i) {
           Mono bit = Wood(900 + 900 * rng.Uni(), 0.006, 0.25);
           MixInto(m, bit, 0.05 + 0.15 * rng.Uni(), 1.0);
         }
         return m;
       }},
      {"LockerBounce",
       [] {
         Mono k = Wood(240, 0.04, 0.8);
         Mono n = Noise(0.05, Const(900), 1.0, Filt::Low, Perc(0.001, 0.01), 281);
         return Mix({{&k, 0}, {&n, 0}});
       }},
      {"Lightning",
       [] {
         Rng rng(291);
         Mono crackle(kRate, 1.1);
         Biquad hp = Biquad::HighPass(kRate, 1500, 0.7);
         Biquad lp = Biquad::LowPass(kRate, 9000, 0.7);
         double burst = 0;
         for (size_t i = 0; i < crackle.s.size(); ++i) {
           double t = double(i) / kRate;
           if (rng.Uni() < 0.0025) burst = 1.0;
           burst *= 0.997;
           crackle.s[i] = lp.Run(hp.Run(float(rng.Bi() * burst))) * float(std::exp(-t / 0.18));
         }
         auto buzzEnv = [](double t) { return std::exp(-t / 0.2) * (0.6 + 0.4 * FastSin(t * 37)); };
         Mono buzz = Osc(1.0, Glide(140, 70, 0.5), buzzEnv, Wave::Saw);
         Biquad buzzLp = Biquad::LowPass(kRate, 2200, 0.8);
         for (float& x : buzz.s) x = buzzLp.Run(x) * 0.5f;
         Mono rumble = Noise(1.2, Const(160), 0.7, Filt::Low, Swell(0.15, 1.2), 292);
         return Mix({{&crackle, 0}, {&buzz, 0}, {&rumble, 0.05}});
       }},
      {"Key",
       [] {
         Mono a = Metal(3000, 0.05, 0.5, 301), b = Metal(3700, 0.045, 0.45, 302), c = Metal(2600, 0.05, 0.4, 303);
         Mono turn = Wood(1500, 0.01, 0.5);
         Mono turn2 = Wood(1100, 0.012, 0.5);
         return Mix({{&a, 0}, {&b, 0.06}, {&c, 0.14}, {&turn, 0.3}, {&turn2, 0.36}});
       }},
      {"HorseFeet",
       [] {
         Rng rng(311);
         Mono m(kRate, 2.6);
         double gallop[3] = {0.0, 0.09, 0.2};
         for (double bar = 0; bar < 2.3; bar += 0.36)
           for (double o : gallop) {
             Mono clop = Wood(380 + 60 * rng.Uni(), 0.022, 0.6 + 0.3 * rng.Uni());
             Mono dirt = Noise(0.05, Const(700), 1.0, Filt::Low, Perc(0.001, 0.012), 312 + int(bar * 100 + o * 1000));
             MixInto(m, clop, bar + o, 1.0);
             MixInto(m, dirt, bar + o, 0.5);
           }
         // The horse passes by: it comes, is near and goes.
         for (size_t i = 0; i < m.s.size(); ++i) m.s[i] *= float(Swell(1.2, 2.6)(double(i) / kRate));
         return m;
       }},
      {"Hammer",
       [] {
         Mono hit = Noise(0.03, Const(2500), 0.7, Filt::Low, Perc(0.0005, 0.008), 321);
         Mono body = Osc(0.3, Glide(160, 80, 0.1), Perc(0.001, 0.08));
         Mono ring = Metal(2100, 0.12, 0.25, 322);
         return Mix({{&hit, 0}, {&body, 0}, {&ring, 0}});
       }},
      {"Fireworks",
       [] {
         Mono whistle = Osc(0.85, Glide(1100, 2700, 0.85), Swell(0.5, 0.85));
         Mono hiss = Noise(0.85, Glide(1100, 2700, 0.85), 3.0, Filt::Band, Swell(0.5, 0.85), 331);
         Mono bang = Noise(0.8, Glide(3000, 300, 0.4), 0.7, Filt::Low, Perc(0.001, 0.15), 332);
         Mono thump = Osc(0.4, Glide(100, 40, 0.2), Perc(0.001, 0.12));
         Mono crackle(kRate, 1.2);
         Rng rng(333);
         for (int i = 0; i < 60; ++i) {
           size_t at = size_t((0.05 + rng.Uni() * 1.0) * kRate);
           double a = 0.35 * rng.Uni();
           for (int k = 0; k < 30 && at + k < crackle.s.size(); ++k) crackle.s[at + k] += float(a * rng.Bi() * std::exp(-k / 5.0));
         }
         Mono m = Mix({{&whistle, 0}, {&hiss, 0}, {&bang, 0.85}, {&thump, 0.85}, {&crackle, 0.95}});
         Scale(m, 1.0);
         for (size_t i = 0; i < size_t(0.85 * kRate) && i < m.s.size(); ++i) m.s[i] *= 0.35f;
         return ReverbMono(m, 0.2, 0.7, 0.5, 1.0);
       }},
      {"Cooking",
       [] {
         Rng rng(341);
         Mono m(kRate, 1.8);
         // Fat spitting in a pan: a soft hiss under many small pops, nothing above 9 kHz.
         Biquad hp = Biquad::HighPass(kRate, 2200, 0.7);
         Biquad lp = Biquad::LowPass(kRate, 8000, 0.7);
         double pop = 0;
         for (size_t i = 0; i < m.s.size(); ++i) {
           if (rng.Uni() < 0.0015) pop = 0.4 + rng.Uni();
           pop *= 0.985;
           m.s[i] = lp.Run(hp.Run(float(rng.Bi() * (0.07 + pop))));
         }
         for (int i = 0; i < 9; ++i) {
           double f = 250 + 200 * rng.Uni();
           Mono bubble = Osc(0.06, Glide(f, f * 2.2, 0.05), Perc(0.004, 0.02));
           MixInto(m, bubble, 0.1 + 1.5 * rng.Uni(), 0.5);
         }
         for (size_t i = 0; i < m.s.size(); ++i) m.s[i] *= float(Swell(0.3, 1.8)(double(i) / kRate));
         return m;
       }},
      {"Collector",
       [] {
         Mono suck = Noise(0.7, Glide(300, 4500, 0.65), 2.5, Filt::Band, Swell(0.5, 0.7), 351);
         auto f = [](double t) { return 400 * std::pow(4.0, t / 0.65) * (1 + 0.02 * FastSin(t * 11)); };
         Mono gliss = Osc(0.7, f, Swell(0.5, 0.7), Wave::Triangle);
         Mono chime = Seq({{0, 96, 0.3, Inst::Bell, 0.6}}, 352, 0.2);
         return Mix({{&suck, 0}, {&gliss, 0}, {&chime, 0.6}});
       }},
      {"ChainLock",
       [] {
         Rng rng(361);
         Mono m = Metal(900, 0.08, 0.6, 362);
         for (int i = 0; i < 9; ++i) {
           Mono clink = Metal(2200 + 2500 * rng.Uni(), 0.025, 0.35 * (1 - i / 12.0), 363 + i);
           MixInto(m, clink, 0.02 + 0.35 * rng.Uni(), 1.0);
         }
         return m;
       }},
      {"BubblePop",
       [] {
         Mono pop = Osc(0.08, Glide(450, 1500, 0.035), Perc(0.001, 0.025));
         Mono n = Noise(0.02, Const(3000), 1.0, Filt::Band, Perc(0.0005, 0.004), 371);
         return Mix({{&pop, 0}, {&n, 0.03}});
       }},
      {"BonusEnergy",
       [] {
         Mono m(kRate, 0.01);
         const int notes[] = {60, 64, 67, 72, 76, 79, 84};
         for (int i = 0; i < 7; ++i) MixInto(m, Note(Inst::Pluck, MidiHz(notes[i]), 0.05, 0.7, 381 + i), 0.04 * i, 1.0);
         Mono top = Note(Inst::Bell, MidiHz(96), 0.3, 0.4, 389);
         MixInto(m, top, 0.28, 1.0);
         Mono sp = Sparkles(0.4, 5, 96, 390, 0.25);
         MixInto(m, sp, 0.25, 1.0);
         return ReverbMono(m, 0.12, 0.5, 0.5, 0.6);
       }},
      {"Bonus",
       [] {
         Mono whoosh = Noise(0.3, Glide(2000, 7000, 0.3), 1.5, Filt::Band, Swell(0.25, 0.3), 391);
         Mono chord = Seq({{0, 88, 0.3, Inst::Glock, 0.5}, {0, 92, 0.3, Inst::Glock, 0.45}, {0, 95, 0.3, Inst::Glock, 0.45},
                           {0, 100, 0.3, Inst::Bell, 0.3}},
                          392, 0.2);
         Mono m = Mix({{&whoosh, 0}, {&chord, 0.25}});
         Mono sp = Sparkles(0.5, 6, 98, 393, 0.25);
         MixInto(m, sp, 0.3, 1.0);
         return m;
       }},
      {"Bells",
       [] {
         Mono m(kRate, 0.01);
         const int peal[] = {84, 83, 81, 79, 77, 76, 74, 72};
         for (int round = 0; round < 2; ++round)
           for (int i = 0; i < 8; ++i)
             MixInto(m, Note(Inst::Bell, MidiHz(peal[i] - 12 * round), 0.2, 0.6 - 0.15 * round, 401 + i + 8 * round),
                     0.17 * (i + 8 * round) * 0.6, 1.0);
         return ReverbMono(m, 0.25, 0.7, 0.4, 1.2);
       }},
      {"TimeUp",
       [] {
         Mono m = Seq({{0, 67, 0.22, Inst::Brass, 0.8}, {0.27, 66, 0.22, Inst::Brass, 0.8}, {0.54, 65, 0.22, Inst::Brass, 0.8}},
                      411, 0.15);
         // The last note sags and wobbles: the classic "too late".
         auto f = [](double t) { return MidiHz(64) * (1 - 0.03 * t) * (1 + 0.012 * FastSin(t * 6)); };
         Mono wah = Osc(0.9, f, [](double t) { return Swell(0.05, 0.9)(t) * (0.8 + 0.2 * FastSin(t * 3)); }, Wave::Saw);
         Svf filt;
         for (size_t i = 0; i < wah.s.size(); ++i) {
           double t = double(i) / kRate;
           filt.Run(wah.s[i], 500 + 1200 * (0.5 + 0.5 * FastSin(t * 3 - 0.25)), 1.5, kRate);
           wah.s[i] = filt.lp * 0.3f;
         }
         MixInto(m, wah, 0.81, 1.0);
         return m;
       }},
      {"StageComplete",
       [] {
         Mono m = Seq({{0, 72, 0.1, Inst::Brass, 0.8},
                       {0.12, 76, 0.1, Inst::Brass, 0.8},
                       {0.24, 79, 0.1, Inst::Brass, 0.85},
                       {0.36, 84, 0.8, Inst::Brass, 0.9},
                       {0.36, 76, 0.8, Inst::Brass, 0.7},
                       {0.36, 48, 0.8, Inst::PluckBass, 0.8},
                       {0.36, 96, 0.1, Inst::Glock, 0.45},
                       {0.48, 100, 0.1, Inst::Glock, 0.4},
                       {0.60, 103, 0.1, Inst::Glock, 0.4},
                       {0.72, 108, 0.1, Inst::Glock, 0.35}},
                      421, 0.2);
         MixInto(m, Hit(Drum::Kick, 0.8, 422), 0.36, 0.6);
         MixInto(m, Hit(Drum::Tambourine, 0.8, 423), 0.36, 0.5);
         return m;
       }},
      {"NoMoreMoves",
       [] {
         return Seq({{0, 76, 0.15, Inst::Marimba, 0.7}, {0.2, 72, 0.15, Inst::Marimba, 0.7}, {0.45, 73, 0.4, Inst::Marimba, 0.7},
                     {0.45, 61, 0.4, Inst::PluckBass, 0.5}},
                    431, 0.2);
       }},
      {"TimeRunningOut",
       [] {
         Mono m(kRate, 0.01);
         for (int i = 0; i < 4; ++i) MixInto(m, Wood(i % 2 ? 1200 : 1500, 0.015, 0.7), 0.25 * i, 1.0);
         auto beepEnv = [](double t) { return (t < 0.005 ? t / 0.005 : 1.0) * (t > 0.09 ? std::exp(-(t - 0.09) / 0.01) : 1.0); };
         Mono beep = Osc(0.14, Const(1050), beepEnv, Wave::Square);
         Biquad lp = Biquad::LowPass(kRate, 3000, 0.7);
         for (float& x : beep.s) x = lp.Run(x) * 0.35f;
         MixInto(m, beep, 1.0, 1.0);
         MixInto(m, beep, 1.18, 1.0);
         return m;
       }},
      {"RecipeBookFound",
       [] {
         Mono m(kRate, 0.01);
         const int penta[] = {0, 2, 4, 7, 9};
         for (int i = 0; i < 10; ++i)
           MixInto(m, Note(Inst::Harp, MidiHz(67 + 12 * (i / 5) + penta[i % 5]), 0.3, 0.6, 441 + i), 0.035 * i, 1.0);
         Mono chord = Seq({{0.4, 91, 0.6, Inst::Bell, 0.5}, {0.4, 95, 0.6, Inst::Bell, 0.4}, {0.4, 98, 0.6, Inst::Bell, 0.4}}, 451, 0.2);
         MixInto(m, chord, 0, 1.0);
         return ReverbMono(m, 0.15, 0.6, 0.4, 0.8);
       }},
      {"ExpertBookFound",
       [] {
         Mono m(kRate, 0.01);
         const int penta[] = {0, 2, 4, 7, 9};
         for (int i = 0; i < 15; ++i)
           MixInto(m, Note(Inst::Harp, MidiHz(62 + 12 * (i / 5) + penta[i % 5]), 0.3, 0.6, 461 + i), 0.03 * i, 1.0);
         Mono chord = Seq({{0.45, 74, 1.0, Inst::Brass, 0.7}, {0.45, 78, 1.0, Inst::Brass, 0.6}, {0.45, 81, 1.0, Inst::Brass, 0.6},
                           {0.45, 98, 0.6, Inst::Bell, 0.45}, {0.45, 50, 1.0, Inst::PluckBass, 0.7}},
                          481, 0.25);
         MixInto(m, chord, 0, 1.0);
         Mono sp = Sparkles(0.7, 8, 98, 482, 0.3);
         MixInto(m, sp, 0.5, 1.0);
         return ReverbMono(m, 0.12, 0.6, 0.4, 0.8);
       }},
  };
  return designs;
}

}  // namespace

Mono Murmur(const std::vector<Syllable>& syllables, bool male, uint32_t seed) {
  Rng rng(seed);
  double base = male ? 118.0 : 215.0, fscale = male ? 1.0 : 1.16;
  double total = 0.05;
  for (const auto& s : syllables) total += s.dur + s.gapAfter;
  Mono m(kRate, total + 0.05);
  Svf f1, f2, f3, nasal;
  BlepOsc glottis;
  Biquad tilt = Biquad::LowPass(kRate, male ? 1800 : 2600, 0.7);
  double t0 = 0.02;
  for (const auto& s : syllables) {
    Formants a = VowelFormants(s.vowelA), b = VowelFormants(s.vowelB);
    size_t start = size_t(t0 * kRate), n = size_t(s.dur * kRate);
    for (size_t i = 0; i < n && start + i < m.s.size(); ++i) {
      double x = double(i) / n, t = double(i) / kRate;
      double shape = x * x * (3 - 2 * x);  // ease between the two vowels
      double f0 = base * (s.f0a + (s.f0b - s.f0a) * shape) * (1 + 0.012 * FastSin(t * 5.5) + 0.004 * rng.Bi());
      double src = tilt.Run(glottis.Saw(f0 / kRate)) + 0.04 * rng.Bi();
      double F1 = (a.f1 + (b.f1 - a.f1) * shape) * fscale, F2 = (a.f2 + (b.f2 - a.f2) * shape) * fscale,
             F3 = (a.f3 + (b.f3 - a.f3) * shape) * fscale;
      f1.Run(float(src), F1, 6, kRate);
      f2.Run(float(src), F2, 9, kRate);
      f3.Run(float(src), F3, 11, kRate);
      // Humming keeps the mouth shut: the higher formants fade out.
      double hum = ((s.vowelA == 'm') ? 1 - shape : 0) + ((s.vowelB == 'm') ? shape : 0);
      double y = f1.bp + (0.55 * f2.bp + 0.3 * f3.bp) * (1 - 0.85 * hum);
      double env = std::min({1.0, t / 0.03, (s.dur - t) / 0.05});
      m.s[start + i] += float(y * std::max(0.0, env) * s.amp);
    }
    t0 += s.dur + s.gapAfter;
  }
  Mono out = ReverbMono(m, 0.06, 0.3, 0.6, 0.25);
  return out;
}

double EffectLoudnessOffset(const std::string& name) {
  // Sounds heard constantly or under the pointer stay in the background.
  if (name == "MouseOver") return -9;
  if (name == "Click" || name == "ScoreCount") return -6;
  if (name.rfind("ElementBounce", 0) == 0 || name == "LockerBounce") return -5;
  if (name == "SlotTing" || name == "LockerBreak" || name == "HorseFeet" || name == "Cooking" || name == "CreatureHit")
    return -3;
  if (name.rfind("RestoPraise", 0) == 0 || name.rfind("RestoDisappointed", 0) == 0) return -2;
  return 0;
}

double EffectMaxSeconds(const std::string& name) {
  // Feedback during play must not ring on over the next move; jingles may.
  for (const char* j : {"ChapterEntry", "UpgradesFinished", "StageComplete", "RecipeBookFound", "ExpertBookFound",
                        "MyCreation", "Bells", "NotifyHigh", "Fireworks", "HorseFeet", "TimeUp"})
    if (name.rfind(j, 0) == 0) return 4.0;
  if (name.rfind("RestoRating-", 0) == 0) return 3.0;
  return 2.0;
}

Mono MakeEffect(const std::string& name) {
  Mono m;
  auto num = [&](size_t prefix) { return std::stoi(name.substr(prefix)); };
  if (name.rfind("ChapterEntry", 0) == 0) {
    m = ChapterEntry(num(12));
  } else if (name.rfind("UpgradesFinished", 0) == 0) {
    m = UpgradesFinished(num(16));
  } else if (name.rfind("RestoRating-", 0) == 0) {
    m = RatingVoice(num(12));
  } else if (name.rfind("RestoDisappointed", 0) == 0) {
    m = DisappointedVoice(name.back() == 'm');
  } else if (name.rfind("RestoPraise", 0) == 0) {
    m = PraiseVoice(num(11), name.back() == 'm');
  } else {
    auto it = Designs().find(name);
    if (it == Designs().end()) throw std::runtime_error("no design for the effect " + name);
    m = it->second();
  }
  TrimTail(m, -50.0);
  CapLength(m, EffectMaxSeconds(name));
  FadeEdges(m, 1.0, 12.0);
  // The encoder smears a sharp attack a few milliseconds backwards: give it silence to smear into.
  m.s.insert(m.s.begin(), size_t(0.006 * m.rate), 0.0f);
  // Sharp transients would hold a short sound under its level: let the limiter take up to
  // 5 dB off them, which the ear does not notice on a hit this short.
  double target = kEffectLufs + EffectLoudnessOffset(name);
  Normalize(m, target, kEffectPeakDb + 5.0, true);
  Limit(m, kEffectPeakDb, 1.5, 40.0);
  Normalize(m, target, kEffectPeakDb, true);
  return m;
}

}  // namespace snd
