#pragma once
// Ogg Vorbis in and out.
#include <string>
#include <vector>

#include "Dsp.h"

namespace snd {

// Writes the channels (1 or 2, same length) as Ogg Vorbis. The stream serial comes from
// the caller so the same sound always gives the same bytes. Throws on failure.
void WriteOgg(const std::string& path, const std::vector<const float*>& channels, size_t frames, int rate,
              float quality, int serial);
inline void WriteOgg(const std::string& path, const Mono& m, float quality, int serial) {
  WriteOgg(path, {m.s.data()}, m.s.size(), m.rate, quality, serial);
}
inline void WriteOgg(const std::string& path, const Stereo& s, float quality, int serial) {
  WriteOgg(path, {s.l.data(), s.r.data()}, s.Frames(), s.rate, quality, serial);
}

struct Decoded {
  int rate = 0;
  std::vector<std::vector<float>> channels;
  size_t Frames() const { return channels.empty() ? 0 : channels[0].size(); }
};
Decoded ReadOgg(const std::string& path);  // throws on failure

}  // namespace snd
