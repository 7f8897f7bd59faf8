#pragma once
// Spoken lines, made by the speech synthesiser installed on the build machine.
#include <string>
#include <vector>

#include "Dsp.h"

namespace snd {

struct SpeechLine {
  std::string text;
  double rate;  // speaking speed, 1 = the voice's own
};

// Speaks every line with one synthesiser run; returns the recordings in order.
// Prefers Festival's HTS voice and falls back to flite; throws when neither is installed.
std::vector<Mono> Speak(const std::vector<SpeechLine>& lines, const std::string& workDir);

// Reads line n (1-based) of a catalogue text file; throws when it is missing or empty.
std::string CatalogueLine(const std::string& path, int n);

// Trims the silence around a recording, keeps a short breath before and after, and fades.
void TidySpeech(Mono& m);

// Speech duration the story's timing allows for a narration of this many characters.
double NarrationSeconds(size_t characters);

}  // namespace snd
