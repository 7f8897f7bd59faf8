#include "shell/TCompanyLogos.h"

#include <string>

#include "engine/SharedTypes.h"
#include "engine/TOmegaImageList.h"

void TCompanyLogos::SetLogoCount(int count) {
  LogoCount = count < 1 ? 1 : (count > 3 ? 3 : count);
}

void TCompanyLogos::Skip() {
  if (CurrentLogo >= 1 && CurrentLogo <= 3) Counter = HoldTimes[CurrentLogo - 1];
}

void TCompanyLogos::UpdateAndDraw() {
  if (CurrentLogo <= LogoCount)
    OmgImgList.DrawImage("WhiteRect", 0, 0, 0, {.ScaleX = 2, .ScaleY = 2});
  for (int n = 1; n <= LogoCount; ++n) {
    int& alpha = Alphas[n - 1];
    if (n == CurrentLogo) {
      alpha += AlphaInc;
      if (alpha > 254) {
        alpha = 255;
        Counter += TickMilliseconds;
        if (Counter >= HoldTimes[n - 1]) {
          Counter = 0;
          ++CurrentLogo;
        }
      }
    } else {
      alpha -= AlphaDec;
      if (alpha < 0) alpha = 0;
    }
  }
  for (int n = CurrentLogo - 1; n <= CurrentLogo; ++n) {
    // A logo that has faded out is not drawn: it may have been freed already.
    if (n < 1 || n > LogoCount || Alphas[n - 1] == 0) continue;
    OmgImgList.DrawImage("CompanyLogo" + std::to_string(n), 0, 0, 0,
                         {.A = static_cast<unsigned char>(Alphas[n - 1])});
  }
}
