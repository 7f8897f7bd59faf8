#include "ui/TTutorialToolTip.h"

#include "engine/Rounding.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "text/TTextStrings.h"
#include "text/WrapText.h"

namespace {

std::uint8_t AlphaOf(float fade, int full) {
  int a = RoundHalfEven(fade * full);
  return static_cast<std::uint8_t>(a < 0 ? 0 : (a > 255 ? 255 : a));
}

struct TPlacement {
  int ArrowX, ArrowY, PanelX, PanelY;
  float Angle;
};
constexpr TPlacement Placements[4] = {{-5, -7, 19, 19, 105},
                                      {-47, -6, -347, 11, 195},
                                      {-6, -49, 23, -237, 15},
                                      {-48, -48, -344, -233, 285}};

}  // namespace

int TTutorialToolTip::InfoLineOf(int entry) {
  switch (entry) {
    case 3: return 1;
    case 6: return 2;
    case 13: return 3;
    case 22: return 4;
    case 25: return 5;
    default: return 0;
  }
}

int TTutorialToolTip::QuadrantOf(TPoint p) { return (p.X > LeftHalfTo ? 1 : 0) + (p.Y > TopHalfTo ? 2 : 0); }

float TTutorialToolTip::ArrowAngle() const { return Placements[FQuadrant].Angle; }

void TTutorialToolTip::LoadTexts() {
  if (!TextStringsComp) return;
  for (int e = 1; e <= EntryCount; ++e) {
    const int line = InfoLineOf(e);
    Texts[e - 1] = line ? TextStringsComp->TutorialInfo[line].substr(0, 255) : std::string();
  }
}

const std::string& TTutorialToolTip::Text(int entry) const {
  static const std::string none;
  return InRange(entry) ? Texts[entry - 1] : none;
}

void TTutorialToolTip::SetPointingPos(int kind, TPoint p) {
  if (kind >= 1 && kind <= PointKindCount) PointingPos[kind - 1] = p;
}

void TTutorialToolTip::ShowEntry(int entry, TPoint point) {
  // A blank entry would open an empty panel that waits for its OK; an entry without text
  // in the catalogue counts as blank too.
  if (!Enabled || !InRange(entry) || InfoLineOf(entry) == 0 || Texts[entry - 1].empty() ||
      Shown(entry))
    return;
  const bool opening = !Open;
  Flags[entry - 1] = 1;
  Open = true;
  FActive = true;
  FEntry = entry;
  FadeTarget = 1;
  if (OnPointingPosRequest) OnPointingPosRequest(*this, entry, point);
  FQuadrant = QuadrantOf(point);
  const TPlacement& p = Placements[FQuadrant];
  FArrowPos = {point.X + p.ArrowX, point.Y + p.ArrowY};
  FPanelPos = {point.X + p.PanelX, point.Y + p.PanelY};
  if (OnButtonPosChange) OnButtonPosChange(*this, FPanelPos.X + 121, FPanelPos.Y + 164);
  Block.OmgImgList = OmgImgList;
  Block.FontKind = TGameFontKind::fkAirstripNormal;
  Block.FontRatio = TextFontRatio;
  Block.HorzSpaceAdd = TextHorzSpaceAdd;
  Block.VertSpace = TextVertSpace;
  Block.Start(FPanelPos.X + 36, FPanelPos.Y + 35,
              WrapText(TGameFontKind::fkAirstripNormal, Texts[entry - 1], TextHorzSpaceAdd,
                       MaxRectTextWidth, TextFontRatio));
  ArrowAnim.Restart();
  // A tip over an open one only replaces it: the pause it took still holds.
  if (opening && OnStart) OnStart(*this);
  if (OnSpecificToolTipIdxEvent) OnSpecificToolTipIdxEvent(*this, entry);
}

void TTutorialToolTip::CountStep() {
  if (!Enabled || Open) return;
  ++StepCount;
  if (IslandIdx == 1 && LevelIdx == 1 && StepCount == 8) ShowEntry(3, {});
}

void TTutorialToolTip::Signal(int kind) {
  TPoint point{};
  if (kind >= 1 && kind <= PointKindCount) point = PointingPos[kind - 1];
  if (kind == 0)
    ShowEntry(6, point);
  else if (kind == 3)
    ShowEntry(22, point);
}

void TTutorialToolTip::LevelStarted() {
  if (IslandIdx == 1 && LevelIdx == 4) ShowEntry(13, {});
}

void TTutorialToolTip::SignalAfterTutorial(int kind) {
  if (kind == 0) ShowEntry(25, {});
}

void TTutorialToolTip::Close() {
  if (!Open) return;
  Open = false;
  FadeTarget = 0;
  Block.Vanish();
  if (OnFinish) OnFinish(*this);
}

void TTutorialToolTip::Reset() {
  const bool wasOpen = Open;
  Open = false;
  FActive = false;
  FEntry = 0;
  StepCount = 0;
  FFade = FadeTarget = 0;
  Block.Reset();
  if (wasOpen && OnFinish) OnFinish(*this);
}

void TTutorialToolTip::Draw() {
  if (!FActive) return;
  if (OmgImgList)
    OmgImgList->DrawImage("TutorialBlackRect", static_cast<float>(FPanelPos.X),
                          static_cast<float>(FPanelPos.Y), 0,
                          {.A = AlphaOf(FFade, 170), .ScaleX = 0.8f, .ScaleY = 0.675f,
                           .CenterX = 0.022f, .CenterY = 0.041f});
  Block.UpdateAndDraw();
  const int frame = ArrowAnim.Frame();
  ArrowAnim.Next();
  if (OmgImgList && frame != TAnimData::Hidden)
    OmgImgList->DrawImage("TutorialArrow", static_cast<float>(FArrowPos.X - 16),
                          static_cast<float>(FArrowPos.Y - 16), frame,
                          {.A = AlphaOf(FFade, 255), .ScaleX = 0.7f, .ScaleY = 0.7f,
                           .CenterX = 0.5f, .CenterY = 0.427f, .Angle = ArrowAngle()});
  TMotion::ApproachFloat(FFade, FadeTarget, FadeStep);
  if (FFade <= 0 && FadeTarget <= 0) {
    FActive = false;
    FEntry = 0;
  }
}

void TTutorialToolTip::GetShownFlags(std::array<std::uint8_t, EntryCount>& flags) const {
  flags = Flags;
}

void TTutorialToolTip::SetShownFlags(const std::array<std::uint8_t, EntryCount>& flags) {
  for (int i = 0; i < EntryCount; ++i) Flags[i] = flags[i] ? 1 : 0;
}
