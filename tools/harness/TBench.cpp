#include "TBench.h"

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "TBoardDemo.h"
#include "THarness.h"
#include "THarnessScript.h"
#include "engine/TRecordingBackend.h"
#include "platform/TSoftwareBackend.h"
#include "platform/TFileSystem.h"
#include "shell/TFormMain.h"

namespace {
using TClock = std::chrono::steady_clock;
// Set while the program's statics are built, before main: the nearest the harness gets to
// its own process start.
const TClock::time_point ProcessStart = TClock::now();

double MsSince(TClock::time_point t) {
  return std::chrono::duration<double, std::milli>(TClock::now() - t).count();
}

// CPU time of the calling thread: steadier than the wall clock on a shared machine.
double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

double PeakResidentMb() {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  return 0;
}

struct TLevelRun {
  int Frames = 0;
  double TotalMs = 0, WorstMs = 0, CpuMs = 0;
  long Quads = 0, Invisible = 0;
  int Moves = 0, Tools = 0, SpiderFrames = 0;
  double DrawnShare = 0;  // of the frame's pixels drawn again, summed over frames
};

// Plays the level with board-demo input until it has filled, then times `frames` frames.
bool PlayLevel(const TBench::TOptions& o, IRenderBackend* backend, TRecordingBackend* recording,
               int frames, TLevelRun& run, std::string& error,
               TSoftwareBackend* software = nullptr) {
  THarness::TOptions h;
  h.ExeFolder = o.Content;
  h.Seed = o.Seed;
  h.Island = o.Island;
  h.Level = o.Level;
  h.Cheat = true;
  h.Backend = backend;
  THarness harness(h);
  if (!harness.Start(error)) return false;
  harness.SetDrawing(true);
  TBoardDemo demo(harness, false);
  THarnessScript none;
  TFormMain& game = harness.Form();
  long f = 0;
  while (!(game.Scene() == gsMainGame && game.LevelFilled)) {
    if (++f > 2000 || game.Closed()) {
      error = "the level did not start";
      return false;
    }
    harness.Step(none);
    demo.Drive(f);
  }
  for (int i = 0; i < frames && !game.Closed(); ++i) {
    if (recording) recording->Quads.clear();
    auto t = TClock::now();
    double cpu = ThreadCpuMs();
    harness.Step(none);
    demo.Drive(++f);
    run.CpuMs += ThreadCpuMs() - cpu;
    double ms = MsSince(t);
    run.TotalMs += ms;
    if (ms > run.WorstMs) run.WorstMs = ms;
    if (recording) {
      run.Quads += static_cast<long>(recording->Quads.size());
      for (const auto& q : recording->Quads)
        run.Invisible += q.Corners[0].A == 0 && q.Corners[1].A == 0 && q.Corners[2].A == 0 &&
                         q.Corners[3].A == 0 && (q.BlendMode == bmNormal || q.BlendMode == bmAdditive);
    }
    if (software)
      run.DrawnShare += double(software->LastDrawnPixels()) /
                        (double(software->FrameWidth()) * software->FrameHeight());
    if (game.Spiders->ActiveCount() > 0) ++run.SpiderFrames;
    ++run.Frames;
  }
  run.Moves = demo.Moves();
  run.Tools = demo.ToolsUsed();
  return true;
}
}  // namespace

TBench::TResult TBench::Measure(const TOptions& o) {
  TResult r;
  {
    // Start-up as a player sees it: logos (skipped with a click), splash, main load.
    THarness::TOptions h;
    h.ExeFolder = o.Content;
    h.Seed = o.Seed;
    THarness harness(h);
    if (!harness.Start(r.Error)) return r;
    r.StartCpuMs = ThreadCpuMs();
    THarnessScript skip;
    std::string err;
    skip.Parse("2 click 600 400\n", err);
    harness.Step(skip);
    r.FirstFrameMs = MsSince(ProcessStart);
    r.FirstFrameCpuMs = ThreadCpuMs();
    while (!harness.Form().LoadStarted && harness.Frame() < 1000) {
      auto t = TClock::now();
      harness.Step(skip);
      r.MainLoadMs = MsSince(t);
    }
    if (!harness.Form().LoadStarted) {
      r.Error = "the main pictures were never loaded";
      return r;
    }
    r.MainLoadEndMs = MsSince(ProcessStart);
    r.MainLoadEndCpuMs = ThreadCpuMs();
  }
  TLevelRun logic, render;
  TRecordingBackend recording;
  if (!PlayLevel(o, &recording, &recording, o.LogicFrames, logic, r.Error)) return r;
  // The game's own back end, drawing what changed; then drawing everything, for comparison.
  TSoftwareBackend tracked, full;
  full.DamageTracking = false;
  TLevelRun fullRender;
  if (!PlayLevel(o, &tracked, nullptr, o.RenderFrames, render, r.Error, &tracked)) return r;
  if (!PlayLevel(o, &full, nullptr, o.RenderFrames, fullRender, r.Error)) return r;
  r.FullRedrawCpuMs = fullRender.CpuMs / std::max(1, fullRender.Frames);
  r.RedrawnShare = render.DrawnShare / std::max(1, render.Frames);
  r.LogicFrames = logic.Frames;
  r.LogicMeanMs = logic.TotalMs / std::max(1, logic.Frames);
  r.LogicFps = 1000.0 / r.LogicMeanMs;
  r.LogicWorstMs = logic.WorstMs;
  r.LogicCpuMs = logic.CpuMs / std::max(1, logic.Frames);
  r.QuadsPerFrame = static_cast<double>(logic.Quads) / std::max(1, logic.Frames);
  r.InvisibleQuadsPerFrame = static_cast<double>(logic.Invisible) / std::max(1, logic.Frames);
  r.RenderFrames = render.Frames;
  r.RenderMeanMs = render.TotalMs / std::max(1, render.Frames);
  r.RenderFps = 1000.0 / r.RenderMeanMs;
  r.RenderWorstMs = render.WorstMs;
  r.RenderCpuMs = render.CpuMs / std::max(1, render.Frames);
  r.Moves = logic.Moves;
  r.Tools = logic.Tools;
  r.SpiderFrames = logic.SpiderFrames;
  r.PeakResidentMb = PeakResidentMb();
  r.Ok = true;
  return r;
}

std::string TBench::Json(const TOptions& o, const TResult& r) {
  char buf[2048];
  std::snprintf(
      buf, sizeof buf,
      "{\n"
      "  \"level\": \"%d-%02d\",\n"
      "  \"seed\": %u,\n"
      "  \"logic_frames\": %d,\n"
      "  \"logic_fps\": %.1f,\n"
      "  \"logic_frame_ms_mean\": %.3f,\n"
      "  \"logic_frame_ms_worst\": %.3f,\n"
      "  \"logic_frame_cpu_ms_mean\": %.3f,\n"
      "  \"quads_per_frame\": %.1f,\n"
      "  \"invisible_quads_per_frame\": %.1f,\n"
      "  \"renderer\": \"software\",\n"
      "  \"software_frames\": %d,\n"
      "  \"software_fps_1366x768\": %.1f,\n"
      "  \"software_frame_ms_mean\": %.3f,\n"
      "  \"software_frame_ms_worst\": %.3f,\n"
      "  \"software_frame_cpu_ms_mean\": %.3f,\n"
      "  \"software_full_redraw_frame_cpu_ms_mean\": %.3f,\n"
      "  \"software_redrawn_share\": %.3f,\n"
      "  \"start_to_first_frame_ms\": %.1f,\n"
      "  \"start_to_first_frame_cpu_ms\": %.1f,\n"
      "  \"start_to_main_load_end_ms\": %.1f,\n"
      "  \"start_to_main_load_end_cpu_ms\": %.1f,\n"
      "  \"main_load_frame_ms\": %.1f,\n"
      "  \"peak_resident_mb\": %.1f,\n"
      "  \"moves\": %d,\n"
      "  \"tools\": %d,\n"
      "  \"frames_with_spiders\": %d\n"
      "}\n",
      o.Island, o.Level, o.Seed, r.LogicFrames, r.LogicFps, r.LogicMeanMs, r.LogicWorstMs,
      r.LogicCpuMs, r.QuadsPerFrame, r.InvisibleQuadsPerFrame, r.RenderFrames, r.RenderFps,
      r.RenderMeanMs, r.RenderWorstMs, r.RenderCpuMs, r.FullRedrawCpuMs, r.RedrawnShare, r.FirstFrameMs, r.FirstFrameCpuMs,
      r.MainLoadEndMs, r.MainLoadEndCpuMs, r.MainLoadMs, r.PeakResidentMb, r.Moves, r.Tools,
      r.SpiderFrames);
  return buf;
}

int TBench::Main(int argc, char** argv) {
  TOptions o;
  o.Content = TFileSystem::ExecutableFolder();
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string a = argv[i], v = argv[i + 1];
    if (a == "--content") {
      o.Content = v.back() == '/' ? v : v + "/";
    } else if (a == "--level") {
      if (std::sscanf(v.c_str(), "%d-%d", &o.Island, &o.Level) != 2) return 2;
    } else if (a == "--seed") {
      o.Seed = static_cast<std::uint32_t>(std::atol(v.c_str()));
    } else if (a == "--frames") {
      o.LogicFrames = std::atoi(v.c_str());
    } else if (a == "--render-frames") {
      o.RenderFrames = std::atoi(v.c_str());
    } else {
      std::fprintf(stderr, "bench: unknown option %s\n", a.c_str());
      return 2;
    }
  }
  if (argc % 2 != 0) {
    std::fprintf(stderr, "bench: %s needs a value\n", argv[argc - 1]);
    return 2;
  }
  TResult r = Measure(o);
  if (!r.Ok) {
    std::fprintf(stderr, "bench: %s\n", r.Error.c_str());
    return 1;
  }
  std::fputs(Json(o, r).c_str(), stdout);
  return 0;
}
