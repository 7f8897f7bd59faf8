#include "Speech.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace snd {

namespace fs = std::filesystem;

namespace {

bool HaveProgram(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

bool HaveFestivalVoice() {
  return HaveProgram("festival") && fs::exists("/usr/share/festival/voices/us/cmu_us_slt_arctic_hts");
}

std::string SchemeString(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

uint32_t Le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t Le16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }

Mono ReadWav(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (d.size() < 12 || std::string(d.begin(), d.begin() + 4) != "RIFF") throw std::runtime_error("no speech in " + path);
  size_t pos = 12;
  int channels = 1, bits = 16;
  Mono m;
  while (pos + 8 <= d.size()) {
    std::string id(d.begin() + pos, d.begin() + pos + 4);
    size_t size = Le32(&d[pos + 4]);
    size_t body = pos + 8;
    if (id == "fmt ") {
      channels = Le16(&d[body + 2]);
      m.rate = int(Le32(&d[body + 4]));
      bits = Le16(&d[body + 14]);
    } else if (id == "data") {
      if (bits != 16) throw std::runtime_error("unexpected sample size in " + path);
      size = std::min(size, d.size() - body);
      size_t frames = size / (2 * channels);
      m.s.resize(frames);
      for (size_t i = 0; i < frames; ++i) m.s[i] = int16_t(Le16(&d[body + i * 2 * channels])) / 32768.0f;
    }
    pos = body + size + (size & 1);
  }
  if (m.s.empty()) throw std::runtime_error("empty speech in " + path);
  return m;
}

}  // namespace

std::vector<Mono> Speak(const std::vector<SpeechLine>& lines, const std::string& workDir) {
  fs::create_directories(workDir);
  std::vector<std::string> wavs;
  for (size_t i = 0; i < lines.size(); ++i) wavs.push_back((fs::path(workDir) / ("line" + std::to_string(i) + ".wav")).string());
  if (HaveFestivalVoice()) {
    std::string script = (fs::path(workDir) / "speak.scm").string();
    std::ofstream s(script);
    s << "(voice_cmu_us_slt_arctic_hts)\n";
    s << "(set! base_params hts_engine_params)\n";
    for (size_t i = 0; i < lines.size(); ++i) {
      s << "(set! hts_engine_params (append base_params (list (list \"-r\" " << lines[i].rate << "))))\n";
      s << "(utt.save.wave (utt.synth (Utterance Text " << SchemeString(lines[i].text) << ")) " << SchemeString(wavs[i])
        << " 'riff)\n";
    }
    s.close();
    if (std::system(("festival -b " + ShellQuote(script) + " >/dev/null 2>&1").c_str()) != 0)
      throw std::runtime_error("festival failed on " + script);
  } else if (HaveProgram("flite")) {
    std::fprintf(stderr, "soundgen: Festival's US voice is missing, speaking with flite instead\n");
    for (size_t i = 0; i < lines.size(); ++i) {
      std::ostringstream cmd;
      cmd << "flite -voice slt --setf duration_stretch=" << 1.0 / lines[i].rate << " -t " << ShellQuote(lines[i].text)
          << " -o " << ShellQuote(wavs[i]) << " >/dev/null 2>&1";
      if (std::system(cmd.str().c_str()) != 0) throw std::runtime_error("flite failed on: " + lines[i].text);
    }
  } else {
    throw std::runtime_error("no speech synthesiser: run scripts/install-deps.sh (festival, festvox-us-slt-hts)");
  }
  std::vector<Mono> out;
  for (const auto& w : wavs) out.push_back(ReadWav(w));
  return out;
}

std::string CatalogueLine(const std::string& path, int n) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::string line;
  for (int i = 1; std::getline(in, line); ++i)
    if (i == n) {
      while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
      // A "|" breaks the line on screen; spoken, it is only a pause.
      for (char& c : line)
        if (c == '|') c = ' ';
      if (line.empty()) break;
      return line;
    }
  throw std::runtime_error(path + " has no text on line " + std::to_string(n));
}

void TidySpeech(Mono& m) {
  float th = 0.01f;
  size_t a = 0, b = m.s.size();
  while (a < b && std::fabs(m.s[a]) < th) ++a;
  while (b > a && std::fabs(m.s[b - 1]) < th) --b;
  size_t pre = size_t(0.12 * m.rate), post = size_t(0.25 * m.rate);
  a = a > pre ? a - pre : 0;
  b = std::min(m.s.size(), b + post);
  m.s = std::vector<float>(m.s.begin() + long(a), m.s.begin() + long(b));
  // Festival's voice carries a little DC and rumble.
  Biquad hp = Biquad::HighPass(m.rate, 70, 0.7);
  for (float& x : m.s) x = hp.Run(x);
  FadeEdges(m, 60, 120);
}

double NarrationSeconds(size_t characters) { return (62.0 * double(characters) + 2250.0) / 1000.0; }

}  // namespace snd
