#pragma once
#include "ui/TComicStripsBase.h"

// The ending: three strips and three narrations (catalogue lines 8-10). The second strip
// carries two narrations; the third is a closing picture without one.
class TEndingComicStrips : public TComicStripsBase {
 public:
  static constexpr int StripTotal = 3, NarrationTotal = 3, FirstNarrationLine = 8;
  static constexpr int ClosingStripTime = 12000;

  TEndingComicStrips(TOmegaImageList& images, TTextStrings& strings)
      : TComicStripsBase(images, strings, StripTotal, NarrationTotal, FirstNarrationLine) {}

 protected:
  void ComputeTiming() override;
};
