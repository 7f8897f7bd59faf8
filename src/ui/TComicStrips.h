#pragma once
#include "ui/TComicStripsBase.h"

// The opening story: six strips, one narration each (catalogue lines 1-6).
class TComicStrips : public TComicStripsBase {
 public:
  static constexpr int StripTotal = 6, NarrationTotal = 6, FirstNarrationLine = 1;
  static constexpr int FirstNarrationStart = 1000, PauseAfterNarration = 2000;

  TComicStrips(TOmegaImageList& images, TTextStrings& strings)
      : TComicStripsBase(images, strings, StripTotal, NarrationTotal, FirstNarrationLine) {}

  // Set by the shell once the opening has been told to this player.
  bool OpeningStoryTold = false;

 protected:
  void ComputeTiming() override;
};
