#pragma once
// The instruments of the band: each renders one note as a mono buffer, release tail included.
#include "Dsp.h"

namespace snd {

enum class Inst { Bell, Glock, Celesta, Pluck, Harp, Marimba, Flute, Pad, Strings, Bass, PluckBass, Reed, Brass, Piano };
enum class Drum { Kick, Snare, Hat, OpenHat, Shaker, Clap, Tom, WoodBlock, Tambourine };

// `dur` is how long the key is held; vel is 0..1.
Mono Note(Inst inst, double freq, double dur, double vel, uint32_t seed, int rate = kRate);
Mono Hit(Drum drum, double vel, uint32_t seed, int rate = kRate);

// Band-limited saw and pulse (polyBLEP), also used by the effects.
struct BlepOsc {
  double phase = 0;
  float Saw(double inc);
  float Pulse(double inc, double width);
};

}  // namespace snd
