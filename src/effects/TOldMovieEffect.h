#pragma once
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"

class TOmegaImageList;

// An old-film look over the story pictures: a flickering mask and two scratch lines that
// come and go.
class TOldMovieEffect : public TComponent {
 public:
  struct TLine {
    bool Shown = false;
    int Timer = 0, Limit = 0;
    int FlickerTimer = 0, FlickerLimit = 0;
    int X = 0, Y = 0;
    int Slide = 0;  // the second line's offset, sliding back to 0
  };

  TOldMovieEffect();

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int Top = 0;

  void UpdateAndDraw();
  // Both lines hidden again, their waits drawn anew.
  void Reset();
  bool Active() const { return Visible; }

  const TLine& Line(int i) const { return Lines[i]; }  // 0 first, 1 second
  const TValueUpDown& MaskAlpha() const { return MaskOsc; }
  const TValueUpDown& LinesAlpha() const { return LinesOsc; }

 private:
  void StepLine(int i);
  TValueUpDown MaskOsc, LinesOsc;
  TLine Lines[2];
};
