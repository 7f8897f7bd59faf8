#pragma once
#include <string>

// Draws a typical busy frame through the offscreen renderer and measures the rate.
class TBenchDraw {
 public:
  struct TResult {
    int Frames;
    double Seconds;
    double FramesPerSecond;
    double QuadsPerSecond;
    int QuadsPerFrame;
  };
  static TResult Run(double seconds, int sprites);
  // Draws one bench frame and writes it as a PNG (to look at what is measured).
  static bool Snapshot(const std::string& file, int sprites, std::string& error);
};
