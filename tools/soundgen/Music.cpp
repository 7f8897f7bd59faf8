#include "Music.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "Instruments.h"

namespace snd {

namespace {

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> kDorian = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kMixolydian = {0, 2, 4, 5, 7, 9, 10};

enum class Chords { Pad, Arp, Strum, Oompah };
enum class Bass { Roots, RootFifth, Walking, Eighths, Waltz };

struct Part {
  Inst inst;
  double gain, pan, send;
};

struct DrumLine {
  Drum drum;
  std::string steps;  // one character per sixteenth: 'x' loud, 'o' soft, '.' rest
  double gain, pan;
};

struct Style {
  double bpm;
  int beats;            // per bar
  int root;             // midi of the key's tonic, bass register
  std::vector<int> scale;
  std::string form;     // order of the sections
  int barsPerSection;
  std::map<char, std::vector<int>> progression;  // chord degree per bar
  Part leadA, leadB;
  int leadBase;         // midi around which the melody moves
  double density;       // 0 sparse .. 1 busy
  Part chords;
  Chords chordStyle;
  double padLayer;      // gain of a soft pad under the chords, 0 for none
  Part bass;
  Bass bassStyle;
  std::vector<DrumLine> drums;
  double swing;         // delay of the off-beat eighth, in sixteenths
  double reverb;        // send level scale
  uint32_t seed;
};

struct Event {
  double step;  // in sixteenths from the start of the piece
  double len;   // sixteenths
  double midi;
  double vel;
};

// ------------------------------------------------------------ composition

int ScaleMidi(const Style& st, int degree, int base) {
  int n = int(st.scale.size());
  int oct = degree >= 0 ? degree / n : -((-degree + n - 1) / n);
  int d = degree - oct * n;
  return base + 12 * oct + st.scale[d];
}

// Rhythms of one bar, in sixteenths.
std::vector<int> PickRhythm(Rng& rng, int barSteps, double density) {
  static const std::vector<std::vector<int>> four = {
      {4, 4, 4, 4}, {6, 2, 4, 4}, {8, 4, 4}, {4, 2, 2, 8}, {2, 2, 4, 8}, {4, 4, 8}, {12, 4},
      {2, 2, 2, 2, 4, 4}, {6, 2, 6, 2}, {4, 2, 2, 4, 4}, {3, 3, 2, 4, 4}, {16}};
  static const std::vector<std::vector<int>> three = {{4, 4, 4}, {6, 2, 4}, {8, 4}, {4, 2, 2, 4}, {2, 2, 4, 4}, {12}, {4, 8}};
  const auto& set = barSteps == 12 ? three : four;
  // Busy tracks favour the patterns with more notes.
  int best = rng.Below(int(set.size()));
  for (int tries = 0; tries < 2; ++tries) {
    int c = rng.Below(int(set.size()));
    bool busier = set[c].size() > set[best].size();
    if (busier == (rng.Uni() < density)) best = c;
  }
  return set[best];
}

std::vector<int> ChordDegrees(int chord) { return {chord, chord + 2, chord + 4}; }

int NearestChordTone(const Style& st, int degree, int chord) {
  int n = int(st.scale.size()), best = degree, bestDist = 99;
  for (int cand = degree - 3; cand <= degree + 3; ++cand) {
    int rel = ((cand - chord) % n + n) % n;
    if (rel == 0 || rel == 2 || rel == 4) {
      int d = std::abs(cand - degree);
      if (d < bestDist) {
        bestDist = d;
        best = cand;
      }
    }
  }
  return best;
}

// A section's melody: a two-bar idea, answered, developed and brought home.
std::vector<Event> Melody(const Style& st, char section, double startStep, Rng& rng) {
  const auto& prog = st.progression.at(section);
  int barSteps = st.beats * 4, bars = int(prog.size());
  std::vector<Event> out;
  std::vector<std::vector<int>> rhythms(bars);
  std::vector<std::vector<int>> degrees(bars);
  int deg = NearestChordTone(st, 2 + rng.Below(3), prog[0]);
  for (int b = 0; b < bars; ++b) {
    int phrasePos = b % 4;
    bool last = b == bars - 1;
    if (last) {
      rhythms[b] = barSteps == 12 ? std::vector<int>{4, 8} : std::vector<int>{4, 12};
    } else if (phrasePos == 2 && b >= 2) {
      rhythms[b] = rhythms[b - 2];  // the answer repeats the call's rhythm
    } else {
      rhythms[b] = PickRhythm(rng, barSteps, st.density);
    }
    for (size_t k = 0; k < rhythms[b].size(); ++k) {
      if (phrasePos == 2 && b >= 2 && k < degrees[b - 2].size() && rng.Uni() < 0.7) {
        // Echo the call, moved to fit this bar's chord.
        int shift = prog[b] - prog[b - 2];
        if (std::abs(shift) > 3) shift = shift > 0 ? shift - 7 : shift + 7;
        deg = degrees[b - 2][k] + (k == 0 ? 0 : shift / 2);
        if (k == 0) deg = NearestChordTone(st, deg, prog[b]);
      } else {
        static const int steps[] = {-2, -1, -1, -1, 0, 1, 1, 1, 2, 3, -3};
        deg += steps[rng.Below(11)];
        if (k == 0) deg = NearestChordTone(st, deg, prog[b]);
      }
      if (last && k + 1 == rhythms[b].size()) deg = NearestChordTone(st, deg, prog[b]) / 7 * 7 + prog[b] % 7;
      deg = std::clamp(deg, -2, 10);
      degrees[b].push_back(deg);
    }
  }
  // The tonic in the tune's register, at or below the register's centre.
  int tonic = st.root + 12 * ((st.leadBase - st.root) / 12);
  for (int b = 0; b < bars; ++b) {
    double pos = startStep + b * barSteps;
    for (size_t k = 0; k < rhythms[b].size(); ++k) {
      int len = rhythms[b][k];
      // Sparse tracks leave a little air: a rest instead of some short notes.
      bool rest = len <= 2 && rng.Uni() > 0.5 + 0.5 * st.density;
      if (!rest) {
        double vel = (pos - startStep - b * barSteps) == 0 ? 0.85 : 0.7 + 0.1 * rng.Uni();
        out.push_back({pos, double(len), double(ScaleMidi(st, degrees[b][k], tonic)), vel});
      }
      pos += len;
    }
  }
  return out;
}

struct Piece {
  std::vector<std::pair<Part, Event>> notes;
  std::vector<std::pair<DrumLine, Event>> hits;
  double totalSteps = 0;
};

Piece Compose(const Style& st) {
  Rng rng(st.seed);
  Piece p;
  int barSteps = st.beats * 4;
  std::map<char, std::vector<Event>> melodies;
  for (char c : st.form)
    if (!melodies.count(c)) melodies[c] = Melody(st, c, 0, rng);
  double pos = 0;
  int sectionIndex = 0;
  for (char c : st.form) {
    const auto& prog = st.progression.at(c);
    const Part& lead = (c == 'A') ? st.leadA : st.leadB;
    // A returning section varies its tune a little: a few notes jump up an octave.
    bool repeat = std::count(st.form.begin(), st.form.begin() + sectionIndex, c) > 0;
    for (Event e : melodies[c]) {
      e.step += pos;
      if (repeat && e.midi <= st.leadBase + 7 && rng.Uni() < 0.12) e.midi += 12;
      p.notes.push_back({lead, e});
    }
    for (size_t b = 0; b < prog.size(); ++b) {
      double barStart = pos + b * barSteps;
      int chord = prog[b];
      // Keep the chord within an octave above the bass register.
      std::vector<int> voicing;
      for (int d : ChordDegrees(chord)) {
        int m = ScaleMidi(st, d, st.root + 12);
        while (m < st.root + 9) m += 12;
        while (m > st.root + 21) m -= 12;
        voicing.push_back(m);
      }
      std::sort(voicing.begin(), voicing.end());
      switch (st.chordStyle) {
        case Chords::Pad:
          for (int m : voicing) p.notes.push_back({st.chords, {barStart, double(barSteps), double(m), 0.6}});
          break;
        case Chords::Arp: {
          static const int order[] = {0, 1, 2, 3, 2, 1, 0, 1};
          for (int k = 0; k < barSteps / 2; ++k) {
            int idx = order[k % 8];
            int m = idx == 3 ? voicing[0] + 12 : voicing[idx];
            p.notes.push_back({st.chords, {barStart + 2 * k, 2.5, double(m), k % 4 == 0 ? 0.65 : 0.5}});
          }
          break;
        }
        case Chords::Strum:
          for (int beat = 1; beat < st.beats; beat += 2)
            for (size_t v = 0; v < voicing.size(); ++v)
              p.notes.push_back({st.chords, {barStart + beat * 4 + 0.15 * v, 3.0, double(voicing[v]), 0.55}});
          break;
        case Chords::Oompah:
          for (int beat = 1; beat < st.beats; ++beat)
            for (size_t v = 0; v < voicing.size(); ++v)
              p.notes.push_back({st.chords, {barStart + beat * 4 + 0.1 * v, 2.5, double(voicing[v]), 0.5}});
          break;
      }
      if (st.padLayer > 0)
        for (int m : voicing) p.notes.push_back({{Inst::Pad, st.padLayer, 0.0, 0.6}, {barStart, double(barSteps), double(m), 0.5}});
      int rootM = ScaleMidi(st, chord, st.root);
      if (rootM > st.root + 7) rootM -= 12;
      int fifth = ScaleMidi(st, chord + 4, st.root);
      if (fifth > rootM + 12) fifth -= 12;
      switch (st.bassStyle) {
        case Bass::Roots:
          p.notes.push_back({st.bass, {barStart, double(barSteps) - 1, double(rootM), 0.8}});
          break;
        case Bass::RootFifth:
          p.notes.push_back({st.bass, {barStart, 7, double(rootM), 0.85}});
          p.notes.push_back({st.bass, {barStart + 8, 7, double(fifth), 0.75}});
          break;
        case Bass::Waltz:
          p.notes.push_back({st.bass, {barStart, 4, double(rootM), 0.85}});
          if (b % 2 == 1) p.notes.push_back({st.bass, {barStart + 8, 3, double(fifth), 0.6}});
          break;
        case Bass::Walking: {
          int next = ScaleMidi(st, prog[(b + 1) % prog.size()], st.root);
          if (next > st.root + 7) next -= 12;
          int third = ScaleMidi(st, chord + 2, st.root);
          if (third > rootM + 12) third -= 12;
          int walk[4] = {rootM, third, fifth, next + (next > fifth ? -1 : 1)};
          for (int k = 0; k < 4; ++k) p.notes.push_back({st.bass, {barStart + 4 * k, 3.5, double(walk[k]), k == 0 ? 0.85 : 0.7}});
          break;
        }
        case Bass::Eighths:
          for (int k = 0; k < barSteps / 2; ++k)
            p.notes.push_back({st.bass, {barStart + 2 * k, 1.6, double(k % 4 == 3 ? rootM + 12 : rootM), k % 2 ? 0.6 : 0.8}});
          break;
      }
      bool fillBar = b + 1 == prog.size();
      for (const DrumLine& d : st.drums) {
        for (int s = 0; s < barSteps; ++s) {
          char ch = d.steps[size_t(s) % d.steps.size()];
          if (fillBar && s >= barSteps - 4 && d.drum == Drum::Snare) ch = s % 2 ? 'o' : 'x';
          if (ch == '.') continue;
          double vel = (ch == 'x' ? 0.9 : 0.55) * (0.9 + 0.1 * rng.Uni());
          p.hits.push_back({d, {barStart + s, 1, 0, vel}});
        }
      }
    }
    pos += double(prog.size()) * barSteps;
    ++sectionIndex;
  }
  p.totalSteps = pos;
  return p;
}

// ------------------------------------------------------------ rendering

Stereo Render(const Style& st, const Piece& piece, bool loop) {
  double stepSec = 60.0 / st.bpm / 4.0;
  double length = piece.totalSteps * stepSec;
  double tail = loop ? 4.0 : 3.0;
  size_t frames = size_t((length + tail) * kRate);
  Stereo out(kRate, frames);
  std::vector<float> send(frames, 0.0f);
  Rng rng(st.seed ^ 0xA5A5u);
  auto when = [&](double step) {
    double s = step;
    double frac = s - std::floor(s);
    int inBeat = int(std::floor(s)) % 4;
    if (frac == 0 && inBeat == 2) s += st.swing;  // swung off-beat eighth
    return s * stepSec + 0.004 * rng.Bi() + 0.005;
  };
  auto place = [&](const Mono& m, double at, double gain, double pan, double sendLevel) {
    size_t off = size_t(at * kRate);
    double pp = (std::clamp(pan, -1.0, 1.0) + 1) * kPi / 4;
    float gl = float(gain * std::cos(pp) * std::sqrt(2.0)), gr = float(gain * std::sin(pp) * std::sqrt(2.0));
    float gs = float(gain * sendLevel * st.reverb);
    for (size_t i = 0; i < m.s.size() && off + i < frames; ++i) {
      out.l[off + i] += m.s[i] * gl;
      out.r[off + i] += m.s[i] * gr;
      send[off + i] += m.s[i] * gs;
    }
  };
  uint32_t n = 0;
  for (const auto& [part, e] : piece.notes) {
    double dur = e.len * stepSec * 0.92;
    Mono m = Note(part.inst, MidiHz(e.midi), dur, e.vel, st.seed * 31 + ++n);
    place(m, when(e.step), part.gain, part.pan, part.send);
  }
  for (const auto& [line, e] : piece.hits) {
    Mono m = Hit(line.drum, e.vel, st.seed * 17 + ++n);
    place(m, when(e.step), line.gain, line.pan, 0.15);
  }
  std::vector<float> wl(frames), wr(frames);
  Reverb rv(kRate, 0.75, 0.45, 23);
  rv.Process(send.data(), wl.data(), wr.data(), frames);
  for (size_t i = 0; i < frames; ++i) {
    out.l[i] += wl[i];
    out.r[i] += wr[i];
  }
  size_t period = size_t(length * kRate + 0.5);
  if (loop) FoldIntoLoop(out, period);
  return out;
}

// ------------------------------------------------------------ the nine tracks

Style StyleFor(const std::string& file) {
  if (file == "Splash.ogg")  // warm welcome: flute over harp
    return {92, 4, 53, kMajor, "AABA", 8,
            {{'A', {0, 4, 5, 3, 0, 4, 3, 0}}, {'B', {5, 3, 0, 4, 5, 3, 1, 4}}},
            {Inst::Flute, 0.55, 0.1, 0.35}, {Inst::Celesta, 0.5, 0.15, 0.4}, 72, 0.35,
            {Inst::Harp, 0.25, -0.3, 0.4}, Chords::Arp, 0.2,
            {Inst::Bass, 0.45, 0.0, 0.05}, Bass::RootFifth,
            {{Drum::Shaker, "o.x.o.x.o.x.o.x.", 0.25, 0.35}, {Drum::Kick, "x.......x.......", 0.35, 0.0}},
            0.0, 1.0, 1001};
  if (file == "Story.ogg")  // a once-upon-a-time waltz: piano and strings, no drums
    return {88, 3, 50, kMinor, "ABAB", 8,
            {{'A', {0, 5, 2, 6, 0, 3, 4, 0}}, {'B', {3, 0, 5, 6, 3, 0, 4, 4}}},
            {Inst::Piano, 0.6, 0.1, 0.45}, {Inst::Flute, 0.5, 0.1, 0.45}, 69, 0.2,
            {Inst::Harp, 0.2, -0.35, 0.5}, Chords::Arp, 0.2,
            {Inst::Bass, 0.35, 0.0, 0.1}, Bass::Roots, {}, 0.0, 1.3, 1002};
  if (file == "MainGame1.ogg")  // bright and busy: marimba in C
    return {112, 4, 48, kMajor, "AABA", 8,
            {{'A', {0, 5, 3, 4, 0, 5, 1, 4}}, {'B', {3, 4, 2, 5, 3, 4, 1, 4}}},
            {Inst::Marimba, 0.6, 0.15, 0.25}, {Inst::Glock, 0.4, 0.2, 0.3}, 72, 0.6,
            {Inst::Pluck, 0.22, -0.3, 0.25}, Chords::Arp, 0,
            {Inst::PluckBass, 0.45, 0.0, 0.05}, Bass::RootFifth,
            {{Drum::Kick, "x.....x.x.......", 0.35, 0.0},
             {Drum::Snare, "....x.......x...", 0.22, 0.05},
             {Drum::Hat, "x.o.x.o.x.o.x.o.", 0.18, 0.3}},
            0.0, 0.8, 1003};
  if (file == "MainGame2.ogg")  // dorian drive: plucked lead, pumping bass
    return {120, 4, 45, kDorian, "AABA", 8,
            {{'A', {0, 3, 0, 3, 0, 3, 6, 4}}, {'B', {2, 3, 0, 4, 2, 3, 6, 6}}},
            {Inst::Pluck, 0.55, 0.15, 0.3}, {Inst::Reed, 0.45, -0.1, 0.3}, 69, 0.65,
            {Inst::Pad, 0.2, 0.0, 0.5}, Chords::Pad, 0,
            {Inst::Bass, 0.4, 0.0, 0.0}, Bass::Eighths,
            {{Drum::Kick, "x...x...x...x...", 0.38, 0.0},
             {Drum::Clap, "....x.......x...", 0.3, -0.05},
             {Drum::Shaker, "oxoxoxoxoxoxoxox", 0.2, 0.4}},
            0.0, 0.8, 1004};
  if (file == "MainGame3.ogg")  // a swung stroll: flute, walking bass, wood block
    return {100, 4, 43, kMixolydian, "AABA", 8,
            {{'A', {0, 3, 0, 6, 0, 3, 4, 0}}, {'B', {3, 3, 0, 0, 1, 4, 6, 4}}},
            {Inst::Flute, 0.55, 0.1, 0.3}, {Inst::Glock, 0.4, 0.2, 0.3}, 67, 0.5,
            {Inst::Pluck, 0.28, -0.3, 0.2}, Chords::Strum, 0,
            {Inst::PluckBass, 0.5, 0.0, 0.05}, Bass::Walking,
            {{Drum::WoodBlock, "x..x..x...x.x...", 0.3, -0.4},
             {Drum::Tambourine, "....x.......x...", 0.3, 0.3},
             {Drum::Kick, "x.......x.......", 0.4, 0.0}},
            0.6, 0.9, 1005};
  if (file == "MainGame4.ogg")  // the adventurous one: minor key, toms
    return {128, 4, 40, kMinor, "AABBA", 8,
            {{'A', {0, 5, 6, 0, 0, 5, 6, 4}}, {'B', {5, 6, 2, 4, 5, 6, 4, 4}}},
            {Inst::Reed, 0.6, 0.1, 0.3}, {Inst::Brass, 0.55, 0.1, 0.3}, 64, 0.55,
            {Inst::Harp, 0.2, -0.3, 0.3}, Chords::Arp, 0.15,
            {Inst::PluckBass, 0.35, 0.0, 0.0}, Bass::Eighths,
            {{Drum::Kick, "x..x..x.x.......", 0.32, 0.0},
             {Drum::Snare, "....x.......x...", 0.2, 0.05},
             {Drum::Tom, "..........x..x..", 0.2, -0.3},
             {Drum::Hat, "x.x.x.x.x.x.x.x.", 0.13, 0.35}},
            0.0, 0.8, 1006};
  if (file == "Upgrade1.ogg")  // the shop: accordion and oom-pah, swung
    return {104, 4, 46, kMajor, "AABA", 8,
            {{'A', {0, 0, 3, 0, 4, 4, 0, 0}}, {'B', {3, 3, 0, 0, 1, 4, 0, 4}}},
            {Inst::Reed, 0.5, 0.1, 0.3}, {Inst::Marimba, 0.55, 0.15, 0.3}, 70, 0.5,
            {Inst::Pluck, 0.28, -0.3, 0.2}, Chords::Strum, 0,
            {Inst::PluckBass, 0.5, 0.0, 0.05}, Bass::RootFifth,
            {{Drum::Kick, "x.......x.......", 0.4, 0.0},
             {Drum::Clap, "....x.......x...", 0.25, 0.0},
             {Drum::Shaker, "x.o.x.o.x.o.x.o.", 0.2, 0.35}},
            0.5, 0.9, 1007};
  if (file == "Upgrade2.ogg")  // the shop's music box waltz
    return {138, 3, 51, kMajor, "AABBAA", 8,
            {{'A', {0, 0, 4, 4, 4, 4, 0, 0}}, {'B', {3, 3, 0, 0, 1, 4, 0, 4}}},
            {Inst::Celesta, 0.55, 0.1, 0.35}, {Inst::Flute, 0.5, 0.1, 0.35}, 75, 0.4,
            {Inst::Pluck, 0.3, -0.25, 0.25}, Chords::Oompah, 0,
            {Inst::Bass, 0.5, 0.0, 0.05}, Bass::Waltz,
            {{Drum::Hat, "....o...o...", 0.2, 0.3}, {Drum::Kick, "x...........", 0.35, 0.0}},
            0.0, 1.0, 1008};
  throw std::runtime_error("no style for the track " + file);
}

Stereo LevelClear() {
  // A short fanfare that rings out; it is not looped.
  Style st{126, 4, 48, kMajor, "A", 3, {{'A', {0, 3, 0}}}, {Inst::Brass, 0.6, 0, 0.3}, {Inst::Brass, 0.6, 0, 0.3},
           72, 0.5, {Inst::Pad, 0.35, 0, 0.5}, Chords::Pad, 0, {Inst::PluckBass, 0.7, 0, 0.05}, Bass::Roots,
           {}, 0.0, 1.0, 1009};
  Piece p;
  auto add = [&](Inst inst, double gain, double pan, double step, double len, int midi, double vel) {
    p.notes.push_back({{inst, gain, pan, 0.35}, {step, len, double(midi), vel}});
  };
  const int tune[][3] = {{0, 2, 67}, {2, 2, 72}, {4, 2, 76}, {6, 6, 79}, {12, 2, 76}, {14, 2, 79}, {16, 16, 84}};
  for (const auto& n : tune) {
    add(Inst::Brass, 0.55, 0.1, n[0], n[1], n[2], 0.85);
    add(Inst::Brass, 0.4, -0.1, n[0], n[1], n[2] - (n[2] == 84 ? 5 : 12), 0.7);
  }
  for (int k = 0; k < 16; ++k) add(Inst::Glock, 0.3, 0.3, 16 + k * 0.5, 1, 96 + (k % 4) * 3 - (k % 4 == 3 ? 2 : 0), 0.5);
  for (int m : {60, 64, 67, 72}) add(Inst::Strings, 0.4, -0.2, 16, 20, m, 0.6);
  add(Inst::PluckBass, 0.7, 0, 0, 12, 36, 0.8);
  add(Inst::PluckBass, 0.7, 0, 16, 20, 36, 0.85);
  add(Inst::Bell, 0.4, 0.2, 16, 4, 84, 0.6);
  const DrumLine kick{Drum::Kick, "x", 0.6, 0}, tom{Drum::Tom, "x", 0.35, -0.2}, tamb{Drum::Tambourine, "x", 0.3, 0.3};
  for (int s : {0, 6, 12, 16}) p.hits.push_back({kick, {double(s), 1, 0, 0.9}});
  for (int s = 8; s < 16; ++s) p.hits.push_back({tom, {double(s), 1, 0, 0.4 + 0.06 * (s - 8)}});
  p.hits.push_back({tamb, {16, 1, 0, 0.9}});
  p.totalSteps = 36;
  Stereo out = Render(st, p, false);
  return out;
}

}  // namespace

TrackOutline Outline(const std::string& file) {
  Style st = StyleFor(file);
  Piece piece = Compose(st);
  TrackOutline o;
  o.seconds = piece.totalSteps * 60.0 / st.bpm / 4.0;
  for (int d : st.scale) o.pitchClasses.push_back((st.root + d) % 12);
  for (const auto& [part, e] : piece.notes) {
    bool lead = part.inst == st.leadA.inst || part.inst == st.leadB.inst;
    (lead ? o.lead : o.accompaniment).push_back(e.midi);
  }
  o.hits = piece.hits.size();
  return o;
}

Stereo MakeTrack(const std::string& file) {
  Stereo s;
  if (file == "LevelClear.ogg") {
    s = LevelClear();
    Mono probe;
    probe.s = s.l;
    TrimTail(probe, -60.0);
    s.l.resize(probe.s.size());
    s.r.resize(probe.s.size());
    FadeEdges(s, 2.0, 300.0);
  } else {
    Style st = StyleFor(file);
    Piece piece = Compose(st);
    s = Render(st, piece, true);
    if (s.Frames() < size_t(60 * kRate)) throw std::runtime_error(file + " repeats before a minute has passed");
  }
  Normalize(s, kMusicLufs, kMusicPeakDb, false);
  return s;
}

}  // namespace snd
