#pragma once

// Where a scene draws again, frame after frame: an input script is played to a frame, then
// for a number of frames the share of the screen the software back end draws again is
// summed, and a map shows each 32-pixel tile redder the more often it was drawn. What a
// still-looking scene costs, and which of its parts cost it.
class TDamageMap {
 public:
  // `damage --input SCRIPT --from FRAME --frames N [--map FILE.png] [--seed S] [--content DIR]`.
  static int Main(int argc, char** argv);
};
