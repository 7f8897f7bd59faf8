#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class TFormMain;

// Plays an input script headless and tells, at the frames asked for, where the scene puts
// its widgets and board squares, so that a driver of the real window clicks where the game
// draws and knows what the screen looks like once the scene has come.
class TWidgetDump {
 public:
  struct TCapture {
    long Frame = 0;
    std::string Shot;  // a PNG of that frame, when given
  };
  struct TOptions {
    std::string Content;     // folder of the game's content, ending with '/'
    std::string ScriptText;  // an input script as `run --input` reads it
    std::vector<TCapture> Captures;
    std::uint32_t Seed = 1;
  };

  // "scene NAME", "widget IMAGE LEFT TOP WIDTH HEIGHT" for every widget shown, on the splash
  // "area LoadingBar LEFT TOP WIDTH HEIGHT", and in a level "tile COLUMN ROW CENTRE_X
  // CENTRE_Y" for every board square that is no hole. Logical pixels.
  static std::vector<std::string> Describe(TFormMain& game);
  // Each capture as a "frame N" line and the frame's description. False with a message when
  // the game did not start, a script line could not be played or a shot not written.
  static bool Run(const TOptions& options, std::ostream& out, std::string& error);
  // `widgets --input SCRIPT --at FRAME[:FILE.png]... [--seed S] [--content DIR]`.
  static int Main(int argc, char** argv);
};
