// wendmoor-windowbench: watches and drives the real game in its X window, for
// scripts/bench-window.sh. Positions are the game's logical pixels.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "TGameWindow.h"
#include "TProcessStats.h"
#include "TScreenSignature.h"
#include "engine/TPictureDecoder.h"
#include "engine/TPictureEncoder.h"

namespace {
using TClock = std::chrono::steady_clock;

double MsSince(TClock::time_point t) {
  return std::chrono::duration<double, std::milli>(TClock::now() - t).count();
}
void Sleep(double ms) { std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms)); }

int Usage() {
  std::fprintf(stderr,
               "usage:\n"
               "  wendmoor-windowbench launch [--timeout S] [--log FILE] -- PROGRAM [ARGS]...\n"
               "      starts the program, prints its pid, then the milliseconds from the fork to\n"
               "      the first lit pixel of its window, and stays until the program ends\n"
               "  wendmoor-windowbench wait --pid P --like FILE.png [--unlike FILE.png]"
               " [--area L,T,W,H] [--tiles FILE]\n"
               "      [--match F] [--timeout S] [--fail-shot FILE.png]\n"
               "  wendmoor-windowbench click --pid P X Y\n"
               "  wendmoor-windowbench type --pid P TEXT\n"
               "  wendmoor-windowbench key --pid P KEYSYM\n"
               "  wendmoor-windowbench measure --pid P --seconds S [--tiles FILE] [--seed N] [--watch]\n"
               "  wendmoor-windowbench peak-rss --pid P\n"
               "  wendmoor-windowbench wm-ready [--timeout S]\n"
               "      waits until a window manager runs on the display\n"
               "  wendmoor-windowbench shot --pid P FILE.png\n");
  return 2;
}

struct TArgs {
  std::vector<std::string> Plain;
  int Pid = 0;
  double Timeout = 30, Match = 0.9, Seconds = 10;
  unsigned Seed = 1;
  bool Watch = false;
  std::string Like, Unlike, Area, Tiles, FailShot, Log;
};

bool Parse(int argc, char** argv, int from, TArgs& a) {
  for (int i = from; i < argc; ++i) {
    std::string s = argv[i];
    const bool more = i + 1 < argc;
    if (s == "--pid" && more) a.Pid = std::atoi(argv[++i]);
    else if (s == "--timeout" && more) a.Timeout = std::atof(argv[++i]);
    else if (s == "--match" && more) a.Match = std::atof(argv[++i]);
    else if (s == "--seconds" && more) a.Seconds = std::atof(argv[++i]);
    else if (s == "--seed" && more) a.Seed = static_cast<unsigned>(std::atol(argv[++i]));
    else if (s == "--like" && more) a.Like = argv[++i];
    else if (s == "--unlike" && more) a.Unlike = argv[++i];
    else if (s == "--area" && more) a.Area = argv[++i];
    else if (s == "--tiles" && more) a.Tiles = argv[++i];
    else if (s == "--fail-shot" && more) a.FailShot = argv[++i];
    else if (s == "--log" && more) a.Log = argv[++i];
    else if (s == "--watch") a.Watch = true;
    else if (s.rfind("--", 0) == 0) return false;
    else a.Plain.push_back(s);
  }
  return true;
}

// The X display, or a message why not.
bool Connect(TGameWindow& w) {
  std::string error;
  if (w.Open(error)) return true;
  std::fprintf(stderr, "%s\n", error.c_str());
  return false;
}

// The game's window, waited for a little: it may be between two states of its own.
bool OpenWindow(TGameWindow& w, int pid) {
  if (!Connect(w)) return false;
  for (int i = 0; i < 100; ++i) {
    if (w.Find(pid)) return true;
    if (kill(pid, 0) != 0) break;
    Sleep(20);
  }
  std::fprintf(stderr, "no window of process %d is shown\n", pid);
  return false;
}

int Launch(int argc, char** argv) {
  int dash = 2;
  while (dash < argc && std::string(argv[dash]) != "--") ++dash;
  TArgs a;
  if (dash + 1 >= argc || !Parse(dash, argv, 2, a) || !a.Plain.empty()) return Usage();
  TGameWindow window;
  if (!Connect(window)) return 1;
  const TClock::time_point start = TClock::now();
  const pid_t pid = fork();
  if (pid < 0) return 1;
  if (pid == 0) {
    // The game's output goes to the log, never into the pipe of whoever reads ours.
    int out = a.Log.empty() ? open("/dev/null", O_WRONLY)
                            : open(a.Log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int in = open("/dev/null", O_RDONLY);
    if (out >= 0) {
      dup2(out, 1);
      dup2(out, 2);
    }
    if (in >= 0) dup2(in, 0);
    execv(argv[dash + 1], argv + dash + 1);
    std::perror(argv[dash + 1]);
    _exit(127);
  }
  std::printf("pid %d\n", static_cast<int>(pid));
  std::fflush(stdout);
  int status = 0;
  bool shown = false;
  TPicture picture;
  while (MsSince(start) < a.Timeout * 1000) {
    if (waitpid(pid, &status, WNOHANG) == pid) {
      std::fprintf(stderr, "the game ended before its window showed anything (%s %d)\n",
                   WIFSIGNALED(status) ? "signal" : "status",
                   WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
      return 1;
    }
    if (!shown) {
      shown = window.Find(pid);
      if (!shown) {
        Sleep(2);
        continue;
      }
    }
    if (window.Grab(picture) && TScreenSignature::AnyLit(picture)) {
      std::printf("first_frame_ms %.0f\nwindow %s\n", MsSince(start), window.Describe().c_str());
      std::fflush(stdout);
      // Stays the game's parent until it ends, so that it leaves no zombie behind, and says
      // how it ended: a crash shows apart from the bench's own kill.
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
      if (WIFSIGNALED(status)) std::printf("ended signal %d\n", WTERMSIG(status));
      else std::printf("ended status %d\n", WEXITSTATUS(status));
      return 0;
    }
    Sleep(3);
  }
  std::fprintf(stderr, "no lit pixel in the game's window within %.0f s (window %s)\n", a.Timeout,
               shown ? "found" : "never shown");
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return 1;
}

struct TTile {
  int Column, Row;
  double X, Y;
};

std::vector<TTile> ReadTiles(const std::string& file) {
  std::vector<TTile> tiles;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string kind;
    TTile t;
    if (words >> kind >> t.Column >> t.Row >> t.X >> t.Y && kind == "tile") tiles.push_back(t);
  }
  return tiles;
}

// Waits until the window shows the scene of the picture `Like`: most cells alike where the
// pictures `Like` and `Unlike` (the scene before) differ, and more than half of all cells.
// Board squares (random pieces) are left out when given.
int Wait(const TArgs& a) {
  TPicture like, unlike;
  std::string error;
  if (a.Like.empty() || !TPictureDecoder::DecodePngFile(a.Like, like, error) ||
      (!a.Unlike.empty() && !TPictureDecoder::DecodePngFile(a.Unlike, unlike, error))) {
    std::fprintf(stderr, "wait: %s\n", a.Like.empty() ? "--like FILE.png is needed" : error.c_str());
    return 1;
  }
  int area[4] = {0, 0, TGameWindow::LogicalWidth, TGameWindow::LogicalHeight};
  if (!a.Area.empty() &&
      std::sscanf(a.Area.c_str(), "%d,%d,%d,%d", &area[0], &area[1], &area[2], &area[3]) != 4) {
    std::fprintf(stderr, "wait: --area is LEFT,TOP,WIDTH,HEIGHT\n");
    return 1;
  }
  const TScreenSignature wanted = TScreenSignature::Of(like, area[0], area[1], area[2], area[3]);
  std::vector<bool> ignored(TScreenSignature::Columns * TScreenSignature::Rows, false);
  if (!a.Tiles.empty())
    for (const TTile& t : ReadTiles(a.Tiles))
      TScreenSignature::MarkCells(area[0], area[1], area[2], area[3], static_cast<int>(t.X) - 26,
                                  static_cast<int>(t.Y) - 26, 52, 52, ignored);
  std::vector<bool> all(ignored.size()), telling(ignored.size());
  for (std::size_t i = 0; i < ignored.size(); ++i) all[i] = telling[i] = !ignored[i];
  if (!a.Unlike.empty()) {
    const auto same = wanted.Alike(TScreenSignature::Of(unlike, area[0], area[1], area[2], area[3]));
    int count = 0;
    for (std::size_t i = 0; i < telling.size(); ++i) count += telling[i] = telling[i] && !same[i];
    // Scenes that look nearly the same are told apart by the whole screen.
    if (count < 8) telling = all;
  }
  TGameWindow window;
  if (!OpenWindow(window, a.Pid)) return 1;
  const TClock::time_point start = TClock::now();
  double best = 0, last = 0;
  TPicture live;
  while (MsSince(start) < a.Timeout * 1000) {
    if (window.Find(a.Pid) && window.Grab(live)) {
      int l, t, w, h;
      window.PictureArea(l, t, w, h);
      // A scaled picture is brought back to the logical size first: cells of a small area
      // are a pixel or two high and must fall on the same pixels as the harness's.
      const bool scaled = w != TGameWindow::LogicalWidth || h != TGameWindow::LogicalHeight;
      const TPicture logical =
          scaled ? TScreenSignature::Resized(live, l, t, w, h, TGameWindow::LogicalWidth,
                                             TGameWindow::LogicalHeight)
                 : TPicture{};
      const auto alike =
          (scaled ? TScreenSignature::Of(logical, area[0], area[1], area[2], area[3])
                  : TScreenSignature::Of(live, l + area[0], t + area[1], area[2], area[3]))
              .Alike(wanted);
      const double likeness = TScreenSignature::Share(alike, telling);
      const double overall = TScreenSignature::Share(alike, all);
      const double score = overall > 0.5 ? likeness : 0;
      best = std::max(best, score);
      // Twice in a row: a scene passing through on its way out does not count.
      if (score >= a.Match && last >= a.Match) {
        std::printf("matched %.3f (whole screen %.3f) after %.0f ms\n", likeness, overall,
                    MsSince(start));
        return 0;
      }
      last = score;
    } else if (kill(a.Pid, 0) != 0) {
      std::fprintf(stderr, "wait: the game has ended\n");
      return 1;
    }
    Sleep(100);
  }
  std::fprintf(stderr, "wait: the window never looked like %s (best likeness %.3f, wanted %.3f)\n",
               a.Like.c_str(), best, a.Match);
  if (!a.FailShot.empty() && !live.Empty() && TPictureEncoder::WritePngFile(a.FailShot, live, error))
    std::fprintf(stderr, "wait: the window as it was: %s\n", a.FailShot.c_str());
  return 1;
}

// CPU share of one core the game uses over the period; with tiles, one drag a second from a
// random square onto a random neighbour, so the board keeps swapping and cascading.
int Measure(const TArgs& a) {
  std::vector<TTile> tiles;
  if (!a.Tiles.empty()) {
    tiles = ReadTiles(a.Tiles);
    if (tiles.size() < 2) {
      std::fprintf(stderr, "measure: no board squares in %s\n", a.Tiles.c_str());
      return 1;
    }
  }
  TGameWindow window;
  if ((!tiles.empty() || a.Watch) && !OpenWindow(window, a.Pid)) return 1;
  std::mt19937 random(a.Seed);
  const long before = TProcessStats::CpuTicks(a.Pid);
  const long long delayBefore = TProcessStats::RunDelayNs(a.Pid);
  const TClock::time_point start = TClock::now();
  int drags = 0, looks = 0, changes = 0;
  double changedShare = 0;
  TPicture seen, previous;
  while (MsSince(start) < a.Seconds * 1000) {
    // A look at the screen five times a second tells whether it is really still.
    if (a.Watch && MsSince(start) >= looks * 200.0) {
      if (window.Grab(seen)) {
        if (looks > 0 && seen.Pixels.size() == previous.Pixels.size()) {
          long differing = 0;
          for (std::size_t i = 0; i < seen.Pixels.size(); i += 4)
            differing += std::memcmp(&seen.Pixels[i], &previous.Pixels[i], 3) != 0;
          changes += differing > 0;
          changedShare += static_cast<double>(differing) / (seen.Pixels.size() / 4);
        }
        ++looks;
        std::swap(seen, previous);
      }
    }
    const double next = (drags + 0.5) * 1000;
    if (tiles.empty() || MsSince(start) < next) {
      Sleep(std::min(20.0, std::max(1.0, tiles.empty() ? a.Seconds * 1000 - MsSince(start)
                                                      : next - MsSince(start))));
      continue;
    }
    const TTile& from = tiles[random() % tiles.size()];
    std::vector<const TTile*> neighbours;
    for (const TTile& t : tiles)
      if (std::abs(t.Column - from.Column) + std::abs(t.Row - from.Row) == 1) neighbours.push_back(&t);
    ++drags;
    if (neighbours.empty()) continue;
    const TTile& to = *neighbours[random() % neighbours.size()];
    window.Drag(from.X, from.Y, to.X, to.Y);
  }
  const long after = TProcessStats::CpuTicks(a.Pid);
  const long long delayAfter = TProcessStats::RunDelayNs(a.Pid);
  const double seconds = MsSince(start) / 1000;
  if (before < 0 || after < 0) {
    std::fprintf(stderr, "measure: process %d has ended\n", a.Pid);
    return 1;
  }
  const double cpu = static_cast<double>(after - before) / TProcessStats::TicksPerSecond();
  std::printf("cpu_percent %.1f\n", 100.0 * cpu / seconds);
  // On a shared machine: how long the game was ready to run and got no processor.
  if (delayBefore >= 0 && delayAfter >= 0)
    std::printf("wait_percent %.1f\n", 100.0 * (delayAfter - delayBefore) / 1e9 / seconds);
  if (!tiles.empty()) std::printf("drags %d\n", drags);
  // How much of the screen changed between two looks, on average.
  if (a.Watch)
    std::printf("screen_changes %d of %d, %.2f %% of the pixels\n", changes, std::max(0, looks - 1),
                looks > 1 ? 100 * changedShare / (looks - 1) : 0.0);
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command == "launch") return Launch(argc, argv);
  TArgs a;
  if (command == "wm-ready") {
    if (!Parse(argc, argv, 2, a) || !a.Plain.empty()) return Usage();
    TGameWindow window;
    if (!Connect(window)) return 1;
    const TClock::time_point start = TClock::now();
    while (!window.WindowManagerRuns()) {
      if (MsSince(start) > a.Timeout * 1000) return 1;
      Sleep(50);
    }
    return 0;
  }
  if (!Parse(argc, argv, 2, a) || a.Pid <= 0) return Usage();
  if (command == "wait" && a.Plain.empty()) return Wait(a);
  if (command == "measure" && a.Plain.empty()) return Measure(a);
  if (command == "peak-rss" && a.Plain.empty()) {
    long kib = TProcessStats::PeakResidentKib(a.Pid);
    if (kib < 0) return 1;
    std::printf("peak_rss_mb %.1f\n", kib / 1024.0);
    return 0;
  }
  TGameWindow window;
  if (!OpenWindow(window, a.Pid)) return 1;
  if (command == "click" && a.Plain.size() == 2) {
    window.Click(std::atof(a.Plain[0].c_str()), std::atof(a.Plain[1].c_str()));
    return 0;
  }
  if (command == "type" && a.Plain.size() == 1) return window.Type(a.Plain[0]) ? 0 : 1;
  if (command == "key" && a.Plain.size() == 1) return window.Key(a.Plain[0]) ? 0 : 1;
  if (command == "shot" && a.Plain.size() == 1) {
    TPicture picture;
    std::string error;
    if (window.Grab(picture) && TPictureEncoder::WritePngFile(a.Plain[0], picture, error)) return 0;
    std::fprintf(stderr, "shot: %s\n", error.empty() ? "cannot read the window" : error.c_str());
    return 1;
  }
  return Usage();
}
