#pragma once
#include <string>

#include "Dsp.h"

namespace snd {

// Loudness of the music: it sits under the effects.
constexpr double kMusicLufs = -20.0;
constexpr double kMusicPeakDb = -1.5;

// Composes and renders the track of that file name ("Splash.ogg", ...). Looped tracks
// come out exactly one period long: what rings past the end is folded onto the start.
Stereo MakeTrack(const std::string& file);

}  // namespace snd
