#include "metagame/TRestoParts.h"

#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "metagame/TBuySlots.h"
#include "metagame/TRestoPlaces.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "ui/TTextFit.h"

namespace {
constexpr int PanelsAlphaStep = 20;
constexpr int TitleAlphaStep = 10;
constexpr int SpecialDraws = 10000;
constexpr int PasserDraws = 100;
// The shine's place and scale are those of a 128-pixel shine; the shared picture is larger,
// so it is sized and centred to match.
constexpr float ShineLeft = 1126, ShineTop = 353, ShineSize = 128, ShineScale = 1.55f;
constexpr int SpecialTextLeft = 1114, SpecialTextRoom = 188;
constexpr double SpecialTextScale = 0.52;

std::uint8_t Alpha8(int a) { return static_cast<std::uint8_t>(std::clamp(a, 0, 255)); }

std::string BlinkSequence() {
  return std::string(52, '1') + "2332" + std::string(82, '1') + "2332" + std::string(14, '1');
}
}  // namespace

TRestoParts::TRestoParts() {
  SwingB.SetRangeMin(0);
  SwingC.SetRangeMin(0);
  ReviewerBlink.SetSeq(BlinkSequence());
  ReviewerBlink.Looped = true;
}

void TRestoParts::SetRestoRatingStars(int stars) {
  Stars = std::clamp(stars, 1, 5);
  Variant = TGameRandom::Random(2);
}

int TRestoParts::StarsOf(const TBuySlots& shop, int island) {
  int stars = 1;
  for (int s = 1; s <= TBuySlots::SlotCount; ++s) stars += shop.IsBought(island, s);
  return stars;
}

int TRestoParts::ChooseTodaysSpecial(const TBuySlots& shop) {
  TGameRandom::Randomize();
  int slot = 0;
  if (StarsOf(shop, IslandIdx) > 1)
    for (int draw = 0; draw < SpecialDraws && slot == 0; ++draw) {
      const int s = TGameRandom::Random(TBuySlots::SlotCount) + 1;
      if (shop.IsBought(IslandIdx, s)) slot = s;
    }
  TodaysSpecialIdx = slot;
  TodaysSpecialDesc1 = slot ? shop.ItemName(IslandIdx, slot, 1) : "";
  TodaysSpecialDesc2 = slot ? shop.ItemName(IslandIdx, slot, 2) : "";
  return slot;
}

void TRestoParts::PlayRatingVoice() {
  if (Stars > 1) Sound("RestoRating-" + std::to_string(Variant * 5 + Stars - 1));
}

void TRestoParts::Draw(const std::string& name, float x, float y, int pattern, float cx, float cy,
                       float angle, float scaleX) {
  OmgImgList->DrawImage(name, x, y, pattern,
                        {.ScaleX = scaleX, .CenterX = cx, .CenterY = cy, .Angle = angle});
}

void TRestoParts::UpdateDecorations() {
  Pulse.Step();
  SwingA.Step();
  SwingB.Step();
  SwingC.Step();
  if (!OmgImgList) return;
  const float a = SwingA.Value, b = SwingB.Value, c = SwingC.Value, pulse = Pulse.Value;
  using TMotion = TRestoPlaces::TMotion;
  for (const TRestoPlaces::TDecoration& d : TRestoPlaces::Decorations) {
    if (d.Island != IslandIdx) continue;
    float angle = 0, scaleX = 1;
    switch (d.Motion) {
      case TMotion::Sway: angle = d.Degrees * a; break;
      case TMotion::Twitch: angle = d.Degrees * b; break;
      case TMotion::Snap: angle = d.Degrees * c; break;
      case TMotion::Breathe: scaleX = pulse; break;
      case TMotion::Rock: angle = d.Degrees * (pulse - 1); break;
      case TMotion::Still: break;
    }
    Draw(d.Name, d.X, d.Y, 0, d.CenterX, d.CenterY, angle, scaleX);
  }
}

void TRestoParts::StartPasserBy() {
  TGameRandom::Randomize();
  int kind = PasserKind;
  for (int draw = 0; draw < PasserDraws && kind == PasserKind; ++draw)
    kind = TGameRandom::Random(3) + 1;
  if (kind == PasserKind) kind = PasserKind % 3 + 1;
  PasserKind = kind;
  const bool merchant = kind == 1;
  PasserX = 1366;
  PasserY = merchant ? 450 : 469;
  PasserTargetX = merchant ? -200 : -440;
  PasserTargetY = PasserY;
  const float pace = merchant ? 4.0f : (kind == 2 ? 12.0f : 11.0f);
  float sx = 0, sy = 0;
  TMotion::StraightLineSpeeds(static_cast<float>(PasserX), static_cast<float>(PasserY),
                              static_cast<float>(PasserTargetX),
                              static_cast<float>(PasserTargetY), pace, sx, sy);
  PasserStepX = sx;
  PasserStepY = sy;
  PasserStarted = false;
  PasserInterval = 30000 + 6000 * TGameRandom::Random(6);
}

void TRestoParts::UpdatePassersBy() {
  if (TMotion::TimerTick(PasserTimer, PasserInterval)) {
    PasserTimer = 0;
    StartPasserBy();
  }
  if (PasserKind == 0 || PasserArrived()) return;
  const bool merchant = PasserKind == 1;
  if (!PasserStarted) {
    PasserStarted = true;
    if (!merchant) Sound("HorseFeet");
  }
  auto toward = [](double& v, double target, double step) {
    v = v < target ? std::min(v + step, target) : std::max(v - step, target);
  };
  toward(PasserX, PasserTargetX, PasserStepX);
  toward(PasserY, PasserTargetY, PasserStepY);
  TValueUpDown& bob = merchant ? MerchantBob : HorseBob;
  bob.Step();
  if (!OmgImgList) return;
  static const char* const names[4] = {"", "Merchant", "Horse1", "Horse2"};
  OmgImgList->DrawImage(names[PasserKind], static_cast<float>(RoundHalfEven(PasserX)),
                        static_cast<float>(RoundHalfEven(PasserY) - bob.Value), 0);
}

void TRestoParts::DrawPanels() {
  TMotion::ApproachInt(FPanelsAlpha, PanelsAlphaStep,
                       RatingAndTodaysSpecialPanelsVisible ? 255 : 0);
  ReviewerHand.Step();
  const int blink = ReviewerBlink.Frame();
  ReviewerBlink.Next();
  ShineAngle += 0.07f;
  if (ShineAngle > 360) ShineAngle = 0;
  if (FPanelsAlpha == 0 || !OmgImgList) return;
  const std::uint8_t a = Alpha8(FPanelsAlpha);
  const TDrawStyle plain{.A = a};
  OmgImgList->DrawImage("RestoRatingBG", 24, 402, 0, plain);
  OmgImgList->DrawImage("RestoCountry", 44, 427, IslandIdx - 1, plain);
  OmgImgList->DrawImage("RestoReviewerBG", 98, 581, Stars - 1, plain);
  OmgImgList->DrawImage("RestoReviewer", 116, 591, blink, plain);
  OmgImgList->DrawImage("RestoReviewer", 73, 596, 3,
                        {.A = a, .CenterX = 0.7704918f, .CenterY = 0.48514852f,
                         .Angle = 0.58f * ReviewerHand.Value});
  OmgImgList->DrawImage("RestoRatingStars", 50, 513, Stars - 1, plain);
  OmgImgList->DrawImage("RestoRatingText", 83, 711, Variant * 5 + Stars - 1, plain);

  OmgImgList->DrawImage("TodaysSpecialBG", 1099, 330, 0, plain);
  if (TodaysSpecialIdx <= 0) return;
  OmgImgList->DrawImage("BuySlotIcons", 1163, 393, 4 * (IslandIdx - 1) + TodaysSpecialIdx - 1,
                        plain);
  OmgImgList->DrawImage("BuySlotGlassCover", 1152, 384, 0, plain);
  const int shineW = OmgImgList->TileWidthOf("FeatureShine");
  const int shineH = OmgImgList->TileHeightOf("FeatureShine");
  const float scale = shineW > 0 ? ShineScale * ShineSize / shineW : ShineScale;
  OmgImgList->DrawImage("FeatureShine", ShineLeft + ShineSize / 2 - shineW / 2.0f,
                        ShineTop + ShineSize / 2 - shineH / 2.0f, 0,
                        {.A = Alpha8(RoundHalfEven(FPanelsAlpha * 2 / 17.0)), .ScaleX = scale,
                         .ScaleY = scale, .CenterX = 0.5f, .CenterY = 0.5f, .Angle = ShineAngle,
                         .Blend = bmAdditive});
  if (!GlobGameText) return;
  const std::string* lines[2] = {&TodaysSpecialDesc1, &TodaysSpecialDesc2};
  for (int i = 0; i < 2; ++i) {
    const std::string& text = *lines[i];
    if (text.empty()) continue;
    // A long name shrinks to stay inside the panel.
    const double scale = TTextFit::ScaleToFit(GlobGameText->FontKind, text, SpecialTextRoom, -2,
                                              SpecialTextScale);
    const int width = GlobGameText->TextWidth(text, -2, scale);
    GlobGameText->DrawShadowText(static_cast<float>(SpecialTextLeft + (SpecialTextRoom - width) / 2),
                                 static_cast<float>(478 + 20 * i), text,
                                 {.Scale = scale, .Alpha = a, .ExtraSpacing = -2});
  }
}

void TRestoParts::DrawTitle() {
  TMotion::ApproachInt(TitleAlpha, TitleAlphaStep, TitleTargetAlpha);
  if (TitleAlpha == 0 || !GlobGameText || !TextStringsComp) return;
  const std::string& text = TextStringsComp->GameComments[21 + IslandIdx];
  const int width = GlobGameText->TextWidth(text, -1, 0.96);
  GlobGameText->DrawText(static_cast<float>((1366 - width) / 2 + 15), 373, text,
                         {.Scale = 0.96, .Alpha = Alpha8(TitleAlpha), .ExtraSpacing = -1});
}
