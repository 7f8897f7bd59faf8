#pragma once
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"

class TOmegaImageList;

// The splash screen's bar: one step per picture of the main load.
class TLoadingBar : public TComponent {
 public:
  explicit TLoadingBar(TOmegaImageList& images);

  int Left = 526, Top = 682;
  // Where the pictures lie on the bar's frame.
  static constexpr int FillX = 22, FillY = 22, GlassX = 23, GlassY = 22, TextX = 93, TextY = 23;
  // "Click to play!" pulses to draw the eye, but never fades so far that it stops reading.
  static constexpr int FinishedMinAlpha = 215;
  int FillWidth = 0, FillHeight = 0;
  int ImageCountToLoad = 1;

  void ReloadSize();
  void ImageLoaded();
  void Draw();
  bool LoadingFinished() const { return Loaded >= ImageCountToLoad; }
  bool LoadingMinusOneFinished() const { return Loaded >= ImageCountToLoad - 1; }
  int LoadedCount() const { return Loaded; }

 private:
  TOmegaImageList& OmgImgList;
  int Loaded = 0;
  TValueUpDown LoadingAlpha, FinishedAlpha;
};
