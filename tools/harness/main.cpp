// wendmoor-harness: the real game, headless, on a virtual clock.
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>

#include "TBalance.h"
#include "TBench.h"
#include "TBenchDraw.h"
#include "TBot.h"
#include "TBoardDemo.h"
#include "TCampaign.h"
#include "TSoak.h"
#include "TBoardShot.h"
#include "TBookSheet.h"
#include "TCreatureSheet.h"
#include "TPracticeDemo.h"
#include "TShopSheet.h"
#include "TRestoSheet.h"
#include "TChatSheet.h"
#include "TTutorialSheet.h"
#include "TTextDemo.h"
#include "TDamageMap.h"
#include "TWidgetDump.h"
#include "THarness.h"
#include "THarnessScript.h"
#include "platform/TFileSystem.h"
#include "shell/TFormMain.h"

namespace {
int Usage() {
  std::fprintf(stderr,
               "usage:\n"
               "  wendmoor-harness run --frames N [--seed S] [--input SCRIPT]"
               " [--shot FRAME:FILE.png]... [--trace FILE] [--content DIR]\n"
               "      [--level I-L [--relaxed] [--tutorial]] [--bot] [--cheat] [--fast]\n"
               "  wendmoor-harness bench [--level I-L] [--seed S] [--frames N] [--render-frames N]"
               " [--content DIR]\n"
               "  wendmoor-harness bench-draw [--seconds S] [--sprites N] [--shot FILE.png]\n"
               "  wendmoor-harness text-demo --shot FILE.png [--content DIR]\n"
               "  wendmoor-harness board-demo [--level I-L] [--frames N] [--seed S] [--out DIR]"
               " [--content DIR]\n"
               "  wendmoor-harness creature-sheet --island N --out FILE.png [--content DIR]\n"
               "  wendmoor-harness practice-demo [--island N] [--slot S] [--out-dir DIR]"
               " [--content DIR]\n"
               "  wendmoor-harness book-sheet --out-dir DIR [--content DIR]\n"
               "  wendmoor-harness shop-sheet --island N --out FILE.png [--content DIR]\n"
               "  wendmoor-harness resto-sheet --island N --dishes K --out-dir DIR [--content DIR]\n"
               "  wendmoor-harness chat-sheet [--conversation N]... --out-dir DIR [--content DIR]\n"
               "  wendmoor-harness tutorial-sheet --out-dir DIR [--content DIR]\n"
               "  wendmoor-harness bot --level I-L [--games N] [--seed S] [--relaxed] [--interruptions] [--content DIR]\n"
               "  wendmoor-harness campaign [--seed S] [--islands N] [--max-levels M] [--relaxed]"
               " [--trace FILE] [--content DIR]\n"
               "  wendmoor-harness balance [--games N] [--seed S] [--jobs J] [--out DIR]"
               " [--level I-L]... [--content DIR]\n"
               "  wendmoor-harness soak [--levels N] [--seed S] [--max-growth KIB] [--content DIR]\n"
               "  wendmoor-harness widgets --input SCRIPT --at FRAME[:FILE.png]... [--seed S]"
               " [--content DIR]\n"
               "  wendmoor-harness damage --input SCRIPT --from FRAME --frames N [--map FILE.png]"
               " [--seed S] [--content DIR]\n");
  return 2;
}

bool ParseLong(const std::string& s, long& out) {
  char* end = nullptr;
  out = std::strtol(s.c_str(), &end, 10);
  return !s.empty() && *end == 0;
}

int Run(int argc, char** argv) {
  THarness::TOptions options;
  std::string inputFile;
  bool bot = false;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string v;
    long n;
    if (a == "--frames" && value(v) && ParseLong(v, n) && n >= 0) {
      options.Frames = n;
    } else if (a == "--seed" && value(v) && ParseLong(v, n)) {
      options.Seed = static_cast<std::uint32_t>(n);
    } else if (a == "--input" && value(v)) {
      inputFile = v;
    } else if (a == "--trace" && value(v)) {
      options.TraceFile = std::filesystem::absolute(v).string();
    } else if (a == "--content" && value(v)) {
      options.ExeFolder = v.back() == '/' ? v : v + "/";
    } else if (a == "--level" && value(v)) {
      if (std::sscanf(v.c_str(), "%d-%d", &options.Island, &options.Level) != 2) return Usage();
    } else if (a == "--relaxed") {
      options.Relaxed = true;
    } else if (a == "--tutorial") {
      options.Tutorial = true;
    } else if (a == "--bot") {
      bot = true;
    } else if (a == "--cheat") {
      options.Cheat = true;
    } else if (a == "--fast") {
      options.RenderShotsOnly = true;
    } else if (a == "--shot" && value(v)) {
      auto colon = v.find(':');
      if (colon == std::string::npos || !ParseLong(v.substr(0, colon), n)) return Usage();
      // The game works from its own folder: a relative path means the caller's.
      options.Shots.push_back({n, std::filesystem::absolute(v.substr(colon + 1)).string()});
    } else {
      return Usage();
    }
  }
  THarnessScript script;
  if (!inputFile.empty()) {
    std::ifstream in(inputFile);
    if (!in) {
      std::fprintf(stderr, "cannot read input script %s\n", inputFile.c_str());
      return 1;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string error;
    if (!script.Parse(text, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
  }
  THarness harness(options);
  std::string error;
  if (!harness.Start(error)) {
    std::fprintf(stderr, "the game did not start: %s\n", error.c_str());
    return 1;
  }
  int status = 0;
  // The bot makes the level's moves; the script answers everything else.
  std::unique_ptr<TBot> player = bot ? std::make_unique<TBot>(harness, options.Seed) : nullptr;
  for (long f = 1; f <= options.Frames; ++f) {
    harness.Step(script);
    if (player) player->AfterFrame();
    for (const auto& shot : options.Shots) {
      if (shot.Frame != f) continue;
      if (!harness.WriteScreenshot(shot.File, error)) {
        std::fprintf(stderr, "screenshot %s: %s\n", shot.File.c_str(), error.c_str());
        status = 1;
      }
    }
    if (harness.Form().Closed()) break;
  }
  for (const std::string& e : harness.Errors()) std::fprintf(stderr, "%s\n", e.c_str());
  return harness.Errors().empty() ? status : 1;
}

int BoardShot(int argc, char** argv) {
  std::string level = "1-01", shot = "board.png", content = TFileSystem::ExecutableFolder();
  int frames = 40;
  unsigned seed = 1;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--level" && i + 1 < argc) level = argv[++i];
    else if (a == "--frames" && i + 1 < argc) frames = std::atoi(argv[++i]);
    else if (a == "--seed" && i + 1 < argc) seed = static_cast<unsigned>(std::atol(argv[++i]));
    else if (a == "--shot" && i + 1 < argc) shot = argv[++i];
    else if (a == "--content" && i + 1 < argc) content = std::string(argv[++i]) + "/";
    else return Usage();
  }
  std::string error;
  if (!TBoardShot::Run(content, level, frames, seed, shot, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  return 0;
}

int PictureSheet(int argc, char** argv, bool shop) {
  std::string out, content = TFileSystem::ExecutableFolder();
  long island = 0;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--island" && i + 1 < argc && ParseLong(argv[i + 1], island)) ++i;
    else if (a == "--out" && i + 1 < argc) out = argv[++i];
    else if (a == "--content" && i + 1 < argc) content = std::string(argv[++i]) + "/";
    else return Usage();
  }
  if (out.empty() || island < 1 || island > 5) return Usage();
  std::string error;
  std::set<std::string> missing;
  const bool drawn = shop ? TShopSheet::Run(content, static_cast<int>(island), out, error, &missing)
                          : TCreatureSheet::Run(content, static_cast<int>(island), out, error, &missing);
  if (!drawn) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  for (const std::string& m : missing) std::fprintf(stderr, "missing picture %s\n", m.c_str());
  return missing.empty() ? 0 : 1;
}

int PracticeDemo(int argc, char** argv) {
  TPracticeDemo::TOptions o;
  o.Content = TFileSystem::ExecutableFolder();
  long n = 0;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--island" && i + 1 < argc && ParseLong(argv[i + 1], n)) o.Island = static_cast<int>(n), ++i;
    else if (a == "--slot" && i + 1 < argc && ParseLong(argv[i + 1], n)) o.Slot = static_cast<int>(n), ++i;
    else if (a == "--out-dir" && i + 1 < argc) o.OutFolder = argv[++i];
    else if (a == "--content" && i + 1 < argc) o.Content = std::string(argv[++i]) + "/";
    else return Usage();
  }
  std::string error;
  std::set<std::string> missing;
  if (!TPracticeDemo::Run(o, error, missing)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  for (const std::string& m : missing) std::fprintf(stderr, "missing picture %s\n", m.c_str());
  return missing.empty() ? 0 : 1;
}

// A sheet that writes its pictures into --out-dir and lists them: the book's, the tutorial's.
using TSheetRun = bool (*)(const std::string& content, const std::string& outDir,
                           std::vector<std::string>& written, std::string& error,
                           std::set<std::string>* missing);
int OutDirSheet(int argc, char** argv, TSheetRun run) {
  std::string out, content = TFileSystem::ExecutableFolder();
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--out-dir" && i + 1 < argc) out = argv[++i];
    else if (a == "--content" && i + 1 < argc) content = std::string(argv[++i]) + "/";
    else return Usage();
  }
  if (out.empty()) return Usage();
  std::string error;
  std::set<std::string> missing;
  std::vector<std::string> written;
  if (!run(content, out, written, error, &missing)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  for (const std::string& f : written) std::printf("%s\n", f.c_str());
  for (const std::string& m : missing) std::fprintf(stderr, "missing picture %s\n", m.c_str());
  return missing.empty() ? 0 : 1;
}

int RestoSheet(int argc, char** argv) {
  TRestoSheet::TOptions o;
  o.Content = TFileSystem::ExecutableFolder();
  long n = 0;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--island" && i + 1 < argc && ParseLong(argv[i + 1], n)) o.Island = static_cast<int>(n), ++i;
    else if (a == "--dishes" && i + 1 < argc && ParseLong(argv[i + 1], n)) o.Dishes = static_cast<int>(n), ++i;
    else if (a == "--out-dir" && i + 1 < argc) o.OutFolder = argv[++i];
    else if (a == "--content" && i + 1 < argc) o.Content = std::string(argv[++i]) + "/";
    else return Usage();
  }
  if (o.OutFolder.empty()) return Usage();
  std::string error;
  std::set<std::string> missing;
  TRestoSheet::TResult result;
  if (!TRestoSheet::Run(o, result, error, missing)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  for (const std::string& t : result.Traces) std::printf("%s\n", t.c_str());
  std::printf("served %d money %d\n", result.Served, result.Money);
  for (const std::string& f : result.Written) std::printf("%s\n", f.c_str());
  for (const std::string& m : missing) std::fprintf(stderr, "missing picture %s\n", m.c_str());
  return missing.empty() ? 0 : 1;
}

int ChatSheet(int argc, char** argv) {
  std::string out, content = TFileSystem::ExecutableFolder();
  long n = 0;
  std::vector<int> conversations;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--conversation" && i + 1 < argc && ParseLong(argv[i + 1], n))
      conversations.push_back(static_cast<int>(n)), ++i;
    else if (a == "--out-dir" && i + 1 < argc) out = argv[++i];
    else if (a == "--content" && i + 1 < argc) content = std::string(argv[++i]) + "/";
    else return Usage();
  }
  if (out.empty()) return Usage();
  std::string error;
  std::set<std::string> missing;
  std::vector<std::string> written;
  if (!TChatSheet::Run(content, conversations, out, written, error, missing)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  for (const std::string& f : written) std::printf("%s\n", f.c_str());
  for (const std::string& m : missing) std::fprintf(stderr, "missing picture %s\n", m.c_str());
  return missing.empty() ? 0 : 1;
}

int BoardDemo(int argc, char** argv) {
  TBoardDemo::TOptions o;
  o.Content = TFileSystem::ExecutableFolder();
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string a = argv[i], v = argv[i + 1];
    if (a == "--level") {
      if (std::sscanf(v.c_str(), "%d-%d", &o.Island, &o.Level) != 2) return Usage();
    } else if (a == "--frames") {
      o.Frames = std::atoi(v.c_str());
    } else if (a == "--seed") {
      o.Seed = static_cast<std::uint32_t>(std::atol(v.c_str()));
    } else if (a == "--out") {
      o.OutFolder = v;
    } else if (a == "--content") {
      o.Content = v.back() == '/' ? v : v + "/";
    } else {
      return Usage();
    }
  }
  return TBoardDemo::Run(o);
}

int BenchDraw(int argc, char** argv) {
  double seconds = 3;
  int sprites = 600;
  std::string shot;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
    else if (a == "--sprites" && i + 1 < argc) sprites = std::atoi(argv[++i]);
    else if (a == "--shot" && i + 1 < argc) shot = argv[++i];
    else return Usage();
  }
  if (!shot.empty()) {
    std::string error;
    if (!TBenchDraw::Snapshot(shot, sprites, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
  }
  TBenchDraw::TResult r = TBenchDraw::Run(seconds, sprites);
  std::printf("bench-draw: %d frames in %.2f s, %d quads a frame (1366x768 offscreen, software)\n",
              r.Frames, r.Seconds, r.QuadsPerFrame);
  std::printf("frames per second: %.1f\nquads per second: %.0f\n", r.FramesPerSecond,
              r.QuadsPerSecond);
  return 0;
}
// text-demo --shot FILE.png [--content DIR]: both fonts, a paragraph and comments.
int TextDemo(int argc, char** argv) {
  std::string shot, content = TFileSystem::ExecutableFolder();
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--shot") shot = argv[i + 1];
    else if (a == "--content") content = std::string(argv[i + 1]) + "/";
    else return Usage();
  }
  std::string error;
  if (shot.empty() || !TTextDemo::Snapshot(content, shot, error)) {
    std::fprintf(stderr, "text-demo: %s\n", shot.empty() ? "--shot FILE.png is needed" : error.c_str());
    return 1;
  }
  return 0;
}

// bot: plays a level through the mouse, one JSON line a game.
int Bot(int argc, char** argv) {
  TBot::TOptions o;
  o.Content = TFileSystem::ExecutableFolder();
  long games = 1;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i], v = i + 1 < argc ? argv[i + 1] : "";
    long n;
    if (a == "--relaxed") {
      o.Relaxed = true;
      continue;
    }
    if (a == "--interruptions") {
      o.Interruptions = true;
      continue;
    }
    if (i + 1 >= argc) return Usage();
    ++i;
    if (a == "--level" && std::sscanf(v.c_str(), "%d-%d", &o.Island, &o.Level) == 2) continue;
    if (a == "--games" && ParseLong(v, n) && n >= 1) games = n;
    else if (a == "--seed" && ParseLong(v, n)) o.Seed = static_cast<std::uint32_t>(n);
    else if (a == "--content") o.Content = v.back() == '/' ? v : v + "/";
    else return Usage();
  }
  if (o.Island == 0) return Usage();
  int status = 0;
  const std::uint32_t first = o.Seed;
  for (long g = 0; g < games; ++g) {
    o.Seed = first + static_cast<std::uint32_t>(g);
    TBot::TResult r = TBot::Play(o);
    std::printf("%s\n", TBot::ToJson(r).c_str());
    std::fflush(stdout);
    if (r.Result == "error") status = 1;
  }
  return status;
}

// campaign: a fresh player's whole game through the mouse, one JSON line a level and a
// purchase, then the summary; exits 1 when it could not go on.
int Campaign(int argc, char** argv) {
  TCampaign::TOptions o;
  o.Content = TFileSystem::ExecutableFolder();
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    long n;
    if (a == "--relaxed") {
      o.Relaxed = true;
      continue;
    }
    if (i + 1 >= argc) return Usage();
    std::string v = argv[++i];
    if (a == "--seed" && ParseLong(v, n)) o.Seed = static_cast<std::uint32_t>(n);
    else if (a == "--islands" && ParseLong(v, n) && n >= 1 && n <= 5) o.Islands = static_cast<int>(n);
    else if (a == "--max-levels" && ParseLong(v, n) && n >= 1) o.MaxLevels = static_cast<int>(n);
    else if (a == "--trace") o.TraceFile = std::filesystem::absolute(v).string();
    else if (a == "--content") o.Content = v.back() == '/' ? v : v + "/";
    else return Usage();
  }
  o.Report = [](const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  };
  TCampaign::TResult r = TCampaign::Run(o);
  std::printf("%s\n", TCampaign::SummaryJson(r).c_str());
  if (!r.Error.empty()) std::fprintf(stderr, "campaign: %s\n", r.Error.c_str());
  return r.Error.empty() ? 0 : 1;
}

// balance: the bot over every level, and the report.
int Balance(int argc, char** argv) {
  TBalance::TOptions o;
  o.Content = TFileSystem::ExecutableFolder();
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string a = argv[i], v = argv[i + 1];
    long n;
    int island, level;
    if (a == "--games" && ParseLong(v, n) && n >= 1) o.Games = static_cast<int>(n);
    else if (a == "--seed" && ParseLong(v, n)) o.Seed = static_cast<std::uint32_t>(n);
    else if (a == "--jobs" && ParseLong(v, n) && n >= 1) o.Jobs = static_cast<int>(n);
    else if (a == "--out") o.OutFolder = v;
    else if (a == "--content") o.Content = v.back() == '/' ? v : v + "/";
    else if (a == "--level" && std::sscanf(v.c_str(), "%d-%d", &island, &level) == 2)
      o.Levels.push_back({island, level});
    else return Usage();
  }
  if (argc % 2 != 0) return Usage();
  return TBalance::Run(o);
}
// soak: many levels in a row in one game; exits 1 on an error or when memory grows.
int Soak(int argc, char** argv) {
  TSoak::TOptions o;
  long maxGrowth = 8 * 1024;  // KiB; a few MiB of slack for caches that settle early
  o.Content = TFileSystem::ExecutableFolder();
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string a = argv[i], v = argv[i + 1];
    long n;
    if (a == "--levels" && ParseLong(v, n) && n >= 1) o.Levels = static_cast<int>(n);
    else if (a == "--seed" && ParseLong(v, n)) o.Seed = static_cast<std::uint32_t>(n);
    else if (a == "--max-growth" && ParseLong(v, n) && n >= 0) maxGrowth = n;
    else if (a == "--content") o.Content = v.back() == '/' ? v : v + "/";
    else return Usage();
  }
  if (argc % 2 != 0) return Usage();
  TSoak::TResult r = TSoak::Run(o);
  std::printf("%s\n", TSoak::ToJson(r).c_str());
  if (!r.Error.empty()) return 1;
  return maxGrowth == 0 || TSoak::Growth(r) < maxGrowth ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string command = argv[1];
  if (command == "run") return Run(argc, argv);
  if (command == "board-demo") return BoardDemo(argc, argv);
  if (command == "bench") return TBench::Main(argc, argv);
  if (command == "bench-draw") return BenchDraw(argc, argv);
  if (command == "board-shot") return BoardShot(argc, argv);
  if (command == "creature-sheet") return PictureSheet(argc, argv, false);
  if (command == "shop-sheet") return PictureSheet(argc, argv, true);
  if (command == "practice-demo") return PracticeDemo(argc, argv);
  if (command == "book-sheet") return OutDirSheet(argc, argv, TBookSheet::Run);
  if (command == "resto-sheet") return RestoSheet(argc, argv);
  if (command == "chat-sheet") return ChatSheet(argc, argv);
  if (command == "tutorial-sheet") return OutDirSheet(argc, argv, TTutorialSheet::Run);
  if (command == "text-demo") return TextDemo(argc, argv);
  if (command == "bot") return Bot(argc, argv);
  if (command == "balance") return Balance(argc, argv);
  if (command == "campaign") return Campaign(argc, argv);
  if (command == "soak") return Soak(argc, argv);
  if (command == "widgets") return TWidgetDump::Main(argc, argv);
  if (command == "damage") return TDamageMap::Main(argc, argv);
  return Usage();
}
