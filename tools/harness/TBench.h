#pragma once
#include <cstdint>
#include <string>

// Measures the real game headless: logic and software-rendered frame rates in a busy level
// (driven by board-demo moves and tools), start-up times and peak memory.
class TBench {
 public:
  struct TOptions {
    std::string Content;  // folder of the game's content, ending with '/'
    int Island = 4, Level = 14;
    std::uint32_t Seed = 1;
    int LogicFrames = 1500;   // measured frames after the level has filled
    int RenderFrames = 600;
  };
  struct TResult {
    // Process start to the first presented frame: the window's creation and the first logo
    // frame, as the game runs them; the sound output and the later logos follow that frame.
    double FirstFrameMs = 0;
    double MainLoadEndMs = 0;    // process start to the end of the main picture load
    double MainLoadMs = 0;       // the frame that loads the main pictures
    // CPU time of the game's thread at those two moments (the statics before main excluded).
    double StartCpuMs = 0, FirstFrameCpuMs = 0, MainLoadEndCpuMs = 0;
    int LogicFrames = 0;
    double LogicFps = 0, LogicMeanMs = 0, LogicWorstMs = 0, LogicCpuMs = 0;
    double QuadsPerFrame = 0;
    double InvisibleQuadsPerFrame = 0;  // alpha 0 in normal or additive blending
    int RenderFrames = 0;
    double RenderFps = 0, RenderMeanMs = 0, RenderWorstMs = 0, RenderCpuMs = 0;
    // The same frames drawn in full, and the share of each frame the tracked drawing redrew.
    double FullRedrawCpuMs = 0, RedrawnShare = 0;
    double PeakResidentMb = 0;   // VmHWM
    int Moves = 0, Tools = 0, SpiderFrames = 0;
    bool Ok = false;
    std::string Error;
  };

  static TResult Measure(const TOptions& options);
  static std::string Json(const TOptions& options, const TResult& result);
  // `bench [--content DIR] [--level I-L] [--seed S] [--frames N] [--render-frames N]`.
  static int Main(int argc, char** argv);
};
