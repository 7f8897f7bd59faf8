#include "ui/TWynnetTutorial.h"

#include "engine/Rounding.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "text/WrapText.h"

namespace {

// Entries 1-5, 6-8 and 9-14 are title and body pairs from lines 1, 12 and 19 on.
int TitleLineOf(int entry) {
  if (entry <= 5) return 2 * entry - 1;
  if (entry <= 8) return 2 * entry;
  return 2 * entry + 1;
}

std::uint8_t AlphaOf(float fade, int full) {
  int a = RoundHalfEven(fade * full);
  return static_cast<std::uint8_t>(a < 0 ? 0 : (a > 255 ? 255 : a));
}

}  // namespace

int TWynnetTutorial::EntryFor(int island, int level, TGameObjective mode) {
  if (mode == goBossMode) return 7;
  if (island == 0 && level == 0) return 6;
  if (island == 1) {
    switch (level) {
      case 1: return 1;
      case 2: return 9;
      case 3: return 10;
      case 5: return 13;
      case 7: return 11;
      case 8: return 12;
      default: return 0;
    }
  }
  if (island == 2) {
    switch (level) {
      case 1: return 2;
      case 2: return 14;
      case 11: return 8;
      default: return 0;
    }
  }
  if (island >= 3 && island <= 5 && level == 1) return island;
  return 0;
}

void TWynnetTutorial::LoadTexts() {
  if (!TextStringsComp) return;
  for (int e = 1; e <= EntryCount; ++e) {
    const int line = TitleLineOf(e);
    Titles[e - 1] = TextStringsComp->GameTutorial[line].substr(0, TitleCapacity);
    Bodies[e - 1] = TextStringsComp->GameTutorial[line + 1].substr(0, BodyCapacity);
  }
}

const std::string& TWynnetTutorial::Title(int entry) const {
  static const std::string none;
  return InRange(entry) ? Titles[entry - 1] : none;
}

const std::string& TWynnetTutorial::Body(int entry) const {
  static const std::string none;
  return InRange(entry) ? Bodies[entry - 1] : none;
}

bool TWynnetTutorial::HasNew(int island, int level, TGameObjective mode) const {
  const int e = EntryFor(island, level, mode);
  return Enabled && e != 0 && !Shown(e);
}

void TWynnetTutorial::Show(int island, int level, TGameObjective mode) {
  const int e = EntryFor(island, level, mode);
  if (!Enabled || e == 0) return;
  const bool opening = !Open;
  Open = true;
  FActive = true;
  FEntry = e;
  FadeTarget = 1;
  Flags[e - 1] = 1;
  Text.OmgImgList = OmgImgList;
  Text.FontKind = TGameFontKind::fkAirstripNormal;
  Text.FontRatio = BodyFontRatio;
  Text.HorzSpaceAdd = BodyHorzSpaceAdd;
  Text.VertSpace = BodyVertSpace;
  Text.Start(Left + 39, Top + 151,
             WrapText(TGameFontKind::fkAirstripNormal, Bodies[e - 1], BodyHorzSpaceAdd,
                      MaxRectTextWidth, BodyFontRatio));
  if (OnSpecificTutorialIdx) OnSpecificTutorialIdx(*this, e);
  // Showing over an open panel only changes the page: the pause it took still holds.
  if (opening && OnStart) OnStart(*this, e);
}

void TWynnetTutorial::Close() {
  if (!Open) return;
  Open = false;
  FadeTarget = 0;
  Text.Vanish();
  // Last, so that a handler may open the next page at once.
  if (OnFinish) OnFinish(*this);
}

void TWynnetTutorial::Reset() {
  const bool wasOpen = Open;
  Open = false;
  FActive = false;
  FEntry = 0;
  FFade = FadeTarget = 0;
  Text.Reset();
  if (wasOpen && OnFinish) OnFinish(*this);
}

void TWynnetTutorial::Draw() {
  if (!FActive) return;
  if (OmgImgList) {
    OmgImgList->DrawImage("TutorialBlackRect", static_cast<float>(Left), static_cast<float>(Top),
                          0, {.A = AlphaOf(FFade, 170)});
    OmgImgList->DrawImage("TutorialIcons", static_cast<float>(Left + 107),
                          static_cast<float>(Top + 74), FEntry - 1, {.A = AlphaOf(FFade, 225)});
  }
  if (GlobGameText)
    GlobGameText->DrawText(static_cast<float>(Left + 48), static_cast<float>(Top + 50),
                           Titles[FEntry - 1],
                           {.Scale = 0.78, .Colour = TGlobalGameText::tcYellow,
                            .Alpha = AlphaOf(FFade, 255), .ExtraSpacing = -1});
  Text.UpdateAndDraw();
  TMotion::ApproachFloat(FFade, FadeTarget, FadeTarget > FFade ? AlphaRatioInc : AlphaRatioDec);
  if (FFade <= 0 && FadeTarget <= 0) {
    FActive = false;
    FEntry = 0;
  }
}

void TWynnetTutorial::GetShownFlags(std::array<std::uint8_t, EntryCount>& flags) const {
  flags = Flags;
}

void TWynnetTutorial::SetShownFlags(const std::array<std::uint8_t, EntryCount>& flags) {
  for (int i = 0; i < EntryCount; ++i) Flags[i] = flags[i] ? 1 : 0;
}
