#include "levels/TObjectiveInfo.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/SharedTypes.h"
#include "engine/TOmegaImageList.h"
#include "text/TGlobalGameText.h"

namespace {
constexpr int ScreenHeight = 768;
constexpr int PopDelays[TObjectiveInfo::PopCount] = {30, 300, 570};
// The first two pops belong to the logo and the title, the last to the whole window.
constexpr float PopTops[TObjectiveInfo::PopCount] = {1.2f, 1.15f, 1.05f};
constexpr float PopUp = 0.04f, PopDown = 0.02f;
}  // namespace

void TObjectiveInfo::ReadImageSizes() {
  if (!OmgImgList) return;
  int w = OmgImgList->TileWidthOf("ObjInfoShadow"), h = OmgImgList->TileHeightOf("ObjInfoShadow");
  if (w > 0 && h > 0) {
    ShadowWidth = w;
    ShadowHeight = h;
  }
}

void TObjectiveInfo::Show(TGameObjective objective) {
  Objective = objective;
  PosY = static_cast<float>(ScreenHeight + 2 * ShadowHeight);
  Speed = OrigMoveStep;
  FAlpha = 0;
  FScale = 0;
  WaitTimer = 0;
  Clicked = false;
  for (TPop& p : Pops) p = TPop{};
  FState = osFlyingIn;
  if (OnShowing) OnShowing(*this);
}

void TObjectiveInfo::Click() {
  if (FState == osFlyingIn || FState == osWaiting) Clicked = true;
}

void TObjectiveInfo::Reset() {
  FState = osIdle;
  Clicked = false;
  for (TPop& p : Pops) p = TPop{};
}

void TObjectiveInfo::AdvancePops() {
  for (int i = 0; i < PopCount; ++i) {
    TPop& p = Pops[i];
    if (p.Delay >= 0) {
      p.Delay -= TickMilliseconds;
      if (p.Delay <= 0) {
        p.Delay = -1;
        p.Active = true;
        p.Rising = true;
        p.Ratio = 1;
      }
    }
    if (!p.Active) continue;
    if (p.Rising) {
      p.Ratio = std::min(p.Ratio + PopUp, PopTops[i]);
      if (p.Ratio >= PopTops[i]) p.Rising = false;
    } else {
      p.Ratio = std::max(p.Ratio - PopDown, 1.0f);
      if (p.Ratio <= 1.0f) p.Active = false;
    }
  }
}

void TObjectiveInfo::Advance() {
  switch (FState) {
    case osFlyingIn: {
      const float top = static_cast<float>(ShownTop);
      if (PosY > top) {
        PosY = std::max(PosY - static_cast<float>(Speed), top);
        Speed += 8;
        if (PosY <= top)
          for (int i = 0; i < PopCount; ++i) Pops[i].Delay = PopDelays[i];
      }
      FAlpha = std::min(FAlpha + 0.048f, 1.0f);
      FScale = std::min(FScale + 0.055f, 1.0f);
      if (PosY <= top && FAlpha >= 1 && FScale >= 1) {
        FState = osWaiting;
        WaitTimer = 0;
      }
      break;
    }
    case osWaiting:
      WaitTimer += TickMilliseconds;
      if (WaitTimer >= ShowingTime || Clicked) {
        FState = osHiding;
        Speed = OrigMoveStep;
        if (OnStartHiding) OnStartHiding(*this);
      }
      break;
    case osHiding:
      PosY -= static_cast<float>(Speed);
      Speed += 3;
      FAlpha = std::max(FAlpha - 0.12f, 0.0f);
      FScale = std::max(FScale - 0.04f, 0.0f);
      if (PosY < static_cast<float>(-ShadowHeight)) {
        FState = osIdle;
        if (OnHidingComplete) OnHidingComplete(*this);
      }
      break;
    case osIdle:
      break;
  }
  AdvancePops();
}

void TObjectiveInfo::UpdateAndDraw() {
  if (FState == osIdle) return;
  Advance();
  if (Visible && FState != osIdle) Draw();
}

void TObjectiveInfo::Draw() {
  if (!OmgImgList || FAlpha <= 0 || FScale <= 0) return;
  const float whole = FScale * Pops[2].Ratio;
  const auto a = static_cast<std::uint8_t>(RoundHalfEven(FAlpha * 255));
  // Everything scales about the middle of the shadow.
  const float cx = static_cast<float>(Left) + ShadowWidth / 2.0f;
  const float cy = PosY + ShadowHeight / 2.0f;
  auto at = [&](float dx, float dy, float& x, float& y) {
    x = cx + (static_cast<float>(Left) + dx - cx) * whole;
    y = cy + (PosY + dy - cy) * whole;
  };
  const int pattern = Objective == goBossMode ? 1 : 0;
  float x, y;
  at(0, 0, x, y);
  OmgImgList->DrawImage("ObjInfoShadow", x, y, 0, {.A = a, .ScaleX = whole, .ScaleY = whole});
  // The logo and the title pop about their own middles.
  at(254, 27, x, y);
  float s = whole * Pops[0].Ratio;
  float ox = OmgImgList->TileWidthOf("ObjInfoLogo") * whole * (Pops[0].Ratio - 1) / 2;
  float oy = OmgImgList->TileHeightOf("ObjInfoLogo") * whole * (Pops[0].Ratio - 1) / 2;
  OmgImgList->DrawImage("ObjInfoLogo", x - ox, y - oy, pattern, {.A = a, .ScaleX = s, .ScaleY = s});
  at(208, 143, x, y);
  s = whole * Pops[1].Ratio;
  ox = OmgImgList->TileWidthOf("ObjInfoTitle") * whole * (Pops[1].Ratio - 1) / 2;
  oy = OmgImgList->TileHeightOf("ObjInfoTitle") * whole * (Pops[1].Ratio - 1) / 2;
  OmgImgList->DrawImage("ObjInfoTitle", x - ox, y - oy, pattern,
                        {.A = a, .ScaleX = s, .ScaleY = s});
  // Under the card, over its shadow.
  DrawGoal(whole, a);
}

void TObjectiveInfo::DrawGoal(float whole, std::uint8_t alpha) {
  if (Goal.Empty()) return;
  using G = TLevelGoal;
  const float cx = static_cast<float>(Left) + ShadowWidth / 2.0f;
  const float cy = PosY + ShadowHeight / 2.0f;
  // Panel points (px, py) about the card's middle, as the card scales.
  auto at = [&](float px, float py, float& x, float& y) {
    x = cx + (static_cast<float>(Left + GoalLeft) + px - cx) * whole;
    y = cy + (PosY + static_cast<float>(GoalTop) + py - cy) * whole;
  };
  float x, y;
  at(0, 0, x, y);
  OmgImgList->DrawImage("ObjInfoGoal", x, y, 0, {.A = alpha, .ScaleX = whole, .ScaleY = whole});
  if (!GlobGameText) return;
  const TTextStyle text{.Scale = G::TextScale * whole, .Colour = TGlobalGameText::tcBrown,
                        .Alpha = alpha};
  const float halfGlyph = static_cast<float>(G::TextScale * GlobGameText->OrigLetterWidth / 2);
  // (left, middle) of a line in panel points.
  auto write = [&](float left, float middle, const std::string& line) {
    at(left + halfGlyph, middle, x, y);
    GlobGameText->DrawText(x, y, line, text);
  };
  auto centred = [&](float middle, const std::string& line) {
    write((G::PanelWidth - G::TextWidth(line)) / 2.0f, middle, line);
  };
  float top = G::AreaTop + (G::AreaBottom - G::AreaTop - Goal.ContentHeight()) / 2.0f;
  if (!Goal.Heading.empty()) {
    centred(top + G::LineHeight / 2.0f, Goal.Heading);
    top += G::LineHeight;
  }
  if (!Goal.Items.empty()) {
    float left = (G::PanelWidth - Goal.RowWidth()) / 2.0f;
    const float middle = top + G::RowHeight / 2.0f;
    const float icon = static_cast<float>(G::IconScale * whole);
    for (const G::TItem& item : Goal.Items) {
      at(left, middle - G::IconWidth() / 2.0f, x, y);
      OmgImgList->DrawImage("ElementGather", x, y, item.Slot,
                            {.A = alpha, .ScaleX = icon, .ScaleY = icon});
      write(left + G::IconWidth() + G::CountGap, middle, G::CountText(item.Count));
      left += static_cast<float>(Goal.ItemWidth(item) + G::ItemGap);
    }
    top += G::RowHeight;
  }
  for (const std::string& note : Goal.Notes) {
    centred(top + G::LineHeight / 2.0f, note);
    top += G::LineHeight;
  }
}
