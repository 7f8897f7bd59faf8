// soundgen: makes every sound effect, music track and voice the game plays.
//
//   soundgen generate <texts-dir> <bin-dir> <work-dir> [report.md]
//   soundgen measure <bin-dir>        (prints the table of the installed files)
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <set>
#include <thread>

#include "Effects.h"
#include "Instruments.h"
#include "Manifest.h"
#include "Music.h"
#include "Ogg.h"
#include "Speech.h"

namespace fs = std::filesystem;
using namespace snd;

namespace {

constexpr float kEffectQuality = 0.3f;
constexpr float kMusicQuality = 0.25f;
constexpr float kVoiceQuality = 0.3f;
constexpr double kVoiceLufs = -18.0;

int SerialFor(const std::string& relPath) { return int(HashName(relPath) & 0x7fffffff); }

// Only the files we make may sit in our folders: every .ogg there takes a player slot.
void RemoveStrangers(const fs::path& dir, const std::set<std::string>& keep) {
  if (!fs::exists(dir)) return;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().extension() == ".ogg" && !keep.count(e.path().filename().string())) fs::remove(e.path());
}

void RunJobs(std::vector<std::function<void()>>& jobs) {
  std::atomic<size_t> next{0};
  std::mutex errMutex;
  std::string error;
  auto worker = [&] {
    for (size_t i; (i = next++) < jobs.size();) {
      try {
        auto t0 = std::chrono::steady_clock::now();
        jobs[i]();
        if (std::getenv("SOUNDGEN_TIMES"))
          std::fprintf(stderr, "job %zu: %.2f s\n", i, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
      } catch (const std::exception& e) {
        std::lock_guard<std::mutex> lock(errMutex);
        if (error.empty()) error = e.what();
      }
    }
  };
  unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  std::vector<std::thread> threads;
  for (unsigned t = 0; t < n; ++t) threads.emplace_back(worker);
  for (auto& t : threads) t.join();
  if (!error.empty()) throw std::runtime_error(error);
}

struct Row {
  std::string file;
  int channels, rate;
  Measure m;
  uintmax_t bytes;
};

std::vector<Row> MeasureAll(const fs::path& bin) {
  std::vector<std::string> files;
  for (const auto& n : AllEffectNames()) files.push_back("Sounds/" + n + ".ogg");
  for (const auto& t : Tracks()) files.push_back("Music/" + t.file);
  for (const auto& v : Voices()) files.push_back(v.folder + "/" + v.name + ".ogg");
  std::vector<Row> rows(files.size());
  std::vector<std::function<void()>> jobs;
  for (size_t i = 0; i < files.size(); ++i)
    jobs.push_back([&, i] {
      Decoded d = ReadOgg((bin / files[i]).string());
      std::vector<const float*> ch;
      for (const auto& c : d.channels) ch.push_back(c.data());
      rows[i] = {files[i], int(d.channels.size()), d.rate, MeasureChannels(ch, d.Frames(), d.rate),
                 fs::file_size(bin / files[i])};
    });
  RunJobs(jobs);
  return rows;
}

std::string Table(const std::vector<Row>& rows) {
  std::string out = "| File | Ch | Rate | Length s | Peak dBFS | Loudness LUFS | Max 400 ms LUFS | KiB |\n";
  out += "|---|---|---|---|---|---|---|---|\n";
  char buf[256];
  for (const auto& r : rows) {
    std::snprintf(buf, sizeof buf, "| %s | %d | %d | %.2f | %.1f | %.1f | %.1f | %ju |\n", r.file.c_str(), r.channels, r.rate,
                  r.m.seconds, r.m.peakDb, r.m.integratedLufs, r.m.maxMomentaryLufs, r.bytes / 1024);
    out += buf;
  }
  return out;
}

int Generate(const fs::path& texts, const fs::path& bin, const fs::path& work, const std::string& report) {
  auto start = std::chrono::steady_clock::now();
  fs::create_directories(bin / "Sounds");
  fs::create_directories(bin / "Music");
  for (const auto& v : Voices()) fs::create_directories(bin / v.folder);

  std::vector<std::function<void()>> jobs;
  std::mutex logMutex;
  std::string warnings;

  // The slow ones first: the speech synthesiser and the music.
  jobs.push_back([&] {
    std::vector<SpeechLine> lines;
    for (const auto& v : Voices()) lines.push_back({CatalogueLine((texts / "StoryNarrations.txt").string(), v.narrationLine), 0.87});
    std::vector<Mono> spoken = Speak(lines, (work / "story").string());
    for (size_t i = 0; i < spoken.size(); ++i) {
      const Voice& v = Voices()[i];
      Mono m = spoken[i];
      TidySpeech(m);
      // Every narration at the same loudness: the odd plosive is limited instead of the whole line.
      Normalize(m, kVoiceLufs, 6.0, false);
      Limit(m, -2.0, 5.0, 80.0);
      Normalize(m, kVoiceLufs, -1.5, false);
      double allowed = NarrationSeconds(lines[i].text.size());
      if (m.Seconds() > allowed) {
        std::lock_guard<std::mutex> lock(logMutex);
        warnings += v.name + " speaks longer than its narration is shown\n";
      }
      WriteOgg((bin / v.folder / (v.name + ".ogg")).string(), m, kVoiceQuality, SerialFor(v.folder + "/" + v.name));
    }
  });
  jobs.push_back([&] {
    std::vector<SpeechLine> lines;
    for (int i = 1; i <= kIslands; ++i)
      for (int s = 1; s <= kSlotsPerIsland; ++s)
        lines.push_back({CatalogueLine((texts / "UpgradeNames.txt").string(), DishNameLine(i, s)), 0.95});
    std::vector<Mono> spoken = Speak(lines, (work / "dishes").string());
    for (int i = 1; i <= kIslands; ++i)
      for (int s = 1; s <= kSlotsPerIsland; ++s) {
        Mono voice = spoken[size_t((i - 1) * kSlotsPerIsland + s - 1)];
        TidySpeech(voice);
        Normalize(voice, kVoiceLufs, -3.0, false);
        // A little chime announces the dish, then the name is read out over its ring.
        Mono m = Note(Inst::Celesta, MidiHz(84 + 2 * (s - 1)), 0.06, 0.12, HashName(RecipeName(i, s)), voice.rate);
        MixInto(m, Note(Inst::Celesta, MidiHz(91 + 2 * (s - 1)), 0.1, 0.1, 7, voice.rate), 0.08, 1.0);
        MixInto(m, voice, 0.15, 1.0);
        TrimTail(m, -50.0);
        FadeEdges(m, 1, 30);
        m.s.insert(m.s.begin(), size_t(0.006 * m.rate), 0.0f);
        Normalize(m, kEffectLufs, kEffectPeakDb, true);
        std::string name = RecipeName(i, s);
        WriteOgg((bin / "Sounds" / (name + ".ogg")).string(), m, kEffectQuality, SerialFor("Sounds/" + name));
      }
  });
  for (const auto& t : Tracks())
    jobs.push_back([&bin, t] {
      Stereo s = MakeTrack(t.file);
      WriteOgg((bin / "Music" / t.file).string(), s, kMusicQuality, SerialFor("Music/" + t.file));
    });
  for (const auto& name : AllEffectNames()) {
    if (name.rfind("Recipe_", 0) == 0) continue;
    jobs.push_back([&bin, name] {
      Mono m = MakeEffect(name);
      WriteOgg((bin / "Sounds" / (name + ".ogg")).string(), m, kEffectQuality, SerialFor("Sounds/" + name));
    });
  }
  RunJobs(jobs);

  std::set<std::string> effects, tracks, story, ending;
  for (const auto& n : AllEffectNames()) effects.insert(n + ".ogg");
  for (const auto& t : Tracks()) tracks.insert(t.file);
  for (const auto& v : Voices()) (v.folder == "Voices/Story" ? story : ending).insert(v.name + ".ogg");
  RemoveStrangers(bin / "Sounds", effects);
  RemoveStrangers(bin / "Music", tracks);
  RemoveStrangers(bin / "Voices/Story", story);
  RemoveStrangers(bin / "Voices/Ending", ending);

  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  int slots = SlotsNeeded(AllEffectNames());
  std::printf("soundgen: %zu effects in %d of %d slots, %zu tracks, %zu voices, %.1f s\n", AllEffectNames().size(), slots,
              kEffectSlots, Tracks().size(), Voices().size(), secs);
  if (!warnings.empty()) std::fprintf(stderr, "soundgen: %s", warnings.c_str());
  if (slots > kEffectSlots) {
    std::fprintf(stderr, "soundgen: the effects need more slots than the player has\n");
    return 1;
  }
  if (!report.empty()) {
    std::ofstream out(report);
    out << "Generated in " << secs << " s\n\n" << Table(MeasureAll(bin));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    std::string cmd = argc > 1 ? argv[1] : "";
    if (cmd == "generate" && argc >= 5) return Generate(argv[2], argv[3], argv[4], argc > 5 ? argv[5] : "");
    if (cmd == "measure" && argc == 3) {
      std::fputs(Table(MeasureAll(argv[2])).c_str(), stdout);
      return 0;
    }
    std::fprintf(stderr, "usage: soundgen generate <texts-dir> <bin-dir> <work-dir> [report.md]\n"
                         "       soundgen measure <bin-dir>\n");
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "soundgen: %s\n", e.what());
    return 1;
  }
}
