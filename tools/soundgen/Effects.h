#pragma once
#include <string>

#include "Dsp.h"

namespace snd {

// Designs the effect of that name (not the spoken "Recipe_" ones), loudness-matched and
// faded at both ends. Throws for a name it has no design for.
Mono MakeEffect(const std::string& name);

// Loudness every effect is matched to, by its loudest 400 ms; quiet interface sounds sit below.
constexpr double kEffectLufs = -17.0;
constexpr double kEffectPeakDb = -1.5;  // the encoder may overshoot a little
double EffectLoudnessOffset(const std::string& name);
double EffectMaxSeconds(const std::string& name);

// A short murmured voice: the customers and the reviewers of the restaurant.
struct Syllable {
  double dur;        // seconds
  double f0a, f0b;   // pitch at start and end, relative to the speaker's base
  char vowelA, vowelB;  // 'a' 'e' 'i' 'o' 'u' or 'm' (humming)
  double amp;
  double gapAfter;   // silence after it
};
Mono Murmur(const std::vector<Syllable>& syllables, bool male, uint32_t seed);

}  // namespace snd
