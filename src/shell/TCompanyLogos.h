#pragma once
#include "engine/TComponent.h"

class TOmegaImageList;

// The opening logo sequence on white: each logo fades in, holds, and fades out
// under the next one.
class TCompanyLogos : public TComponent {
 public:
  explicit TCompanyLogos(TOmegaImageList& images) : OmgImgList(images) {}

  int AlphaInc = 6;
  int AlphaDec = 12;

  void UpdateAndDraw();
  bool Finished() const { return CurrentLogo > LogoCount; }
  // Finished, and the last logo has faded out: nothing of the sequence shows any more.
  bool FadedOut() const { return Finished() && Alphas[0] == 0 && Alphas[1] == 0 && Alphas[2] == 0; }
  void Skip();
  void SetLogoCount(int count);
  int GetCurrentLogo() const { return CurrentLogo; }
  int GetAlpha(int logo) const { return Alphas[logo - 1]; }

 private:
  TOmegaImageList& OmgImgList;
  int Counter = 0;
  int Alphas[3] = {0, 0, 0};
  int HoldTimes[3] = {750, 500, 200};
  int CurrentLogo = 1;
  int LogoCount = 3;
};
