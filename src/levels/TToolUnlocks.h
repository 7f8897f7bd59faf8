#pragma once
#include "board/TNewToolKind.h"

// Which of the six panel tools a level offers, and which tool each energy threshold of the
// flask makes usable. The shop and the tool tips will ask the same questions.
class TToolUnlocks {
 public:
  static constexpr int ThresholdCount = 6;
  // Island 1 brings the tools in one by one; the big bomb waits for island 2's second level.
  static bool Available(TNewToolKind kind, int island, int level);
  // The tool of energy threshold 1..6; tlNone for any other number.
  static TNewToolKind OfThreshold(int threshold);
};
