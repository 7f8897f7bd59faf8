#pragma once
#include <string>
#include <vector>

#include "Dsp.h"

namespace snd {

// Loudness of the music: it sits under the effects.
constexpr double kMusicLufs = -20.0;
constexpr double kMusicPeakDb = -1.5;

// Composes and renders the track of that file name ("Splash.ogg", ...). Looped tracks
// come out exactly one period long: what rings past the end is folded onto the start.
Stereo MakeTrack(const std::string& file);

// What the composer wrote for a looped track, before any sound is made.
struct TrackOutline {
  double seconds = 0;             // one time round
  std::vector<int> pitchClasses;  // of the key, 0 = C
  std::vector<double> lead;           // midi numbers of the tune's notes
  std::vector<double> accompaniment;  // and of every other pitched note
  size_t hits = 0;                // drum hits
};
TrackOutline Outline(const std::string& file);

}  // namespace snd
