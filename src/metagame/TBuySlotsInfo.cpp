#include "metagame/TBuySlotsInfo.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "text/WrapText.h"

namespace {

// Counts as shown: whole, never negative, and small enough to round safely.
int Shown(float v) { return RoundHalfEven(std::clamp(static_cast<double>(v), 0.0, 99999999.0)); }

}  // namespace

int TBuySlotsInfo::CountShift(int value, const int shifts[5]) {
  if (value < 10) return shifts[0];
  if (value < 100) return shifts[1];
  if (value < 1000) return shifts[2];
  if (value <= 9999) return shifts[3];
  return shifts[4];
}

void TBuySlotsInfo::MouseOver(const TElementsCount& owned, int island, int slot,
                              const TBuySlotData& item) {
  if (island != IslandIdx || slot != SlotIdx) CurrentAlpha = 0;
  IslandIdx = island;
  SlotIdx = slot;
  Data = item;
  Owned = owned;
  Desc = {};
  if (TextStringsComp) {
    std::string wrapped =
        WrapText(TGameFontKind::fkAirstripNormal,
                 TextStringsComp->UpgradeDescs[5 * (island - 1) + slot], 0, MaxDescTextWidth,
                 DescTextRatio);
    std::size_t start = 0;
    for (std::string& line : Desc) {
      if (start > wrapped.size()) break;
      std::size_t bar = wrapped.find('|', start);
      line = wrapped.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
      start = bar == std::string::npos ? wrapped.size() + 1 : bar + 1;
    }
  }
  TargetAlpha = 255;
  if (IsWindows8OrLater) CurrentAlpha = TargetAlpha;
}

void TBuySlotsInfo::MouseOff() {
  TargetAlpha = 0;
  if (IsWindows8OrLater) CurrentAlpha = 0;
}

void TBuySlotsInfo::HideNow() { CurrentAlpha = TargetAlpha = 0; }

void TBuySlotsInfo::Update() {
  if (CurrentAlpha < TargetAlpha)
    CurrentAlpha = std::min(CurrentAlpha + AlphaStep, TargetAlpha);
  else if (CurrentAlpha > TargetAlpha)
    CurrentAlpha = std::max(CurrentAlpha - AlphaStep, TargetAlpha);
  Blink.Step();
}

bool TBuySlotsInfo::Covered(int kind) const { return Owned.Amount[kind] >= Data.Price.Amount[kind]; }

void TBuySlotsInfo::Draw() {
  const int a = CurrentAlpha;
  if (a <= 0 || !OmgImgList) return;
  const float l = static_cast<float>(Left), t = static_cast<float>(Top);
  const std::uint8_t alpha = static_cast<std::uint8_t>(a);
  OmgImgList->DrawImage("ShopWindow", l, t, 0, {.A = alpha});
  if (!GlobGameText) return;
  TGlobalGameText& text = *GlobGameText;
  const float margin = l + LeftMargin;
  auto centred = [&](const std::string& s, double scale) {
    return margin + (MaxDescTextWidth - text.TextWidth(s, 0, scale)) / 2.0f;
  };
  auto line = [this](int n) {
    return TextStringsComp ? TextStringsComp->GameTexts[n] : std::string();
  };

  text.DrawText(centred(Data.Name, MainTitleTextRatio), t + 72, Data.Name,
                {.Scale = MainTitleTextRatio, .Colour = TGlobalGameText::tcYellow, .Alpha = alpha});
  for (int i = 0; i < 3; ++i)
    text.DrawText(margin, t + 98 + 18 * i, Desc[i], {.Scale = DescTextRatio, .Alpha = alpha});

  // What it adds: sticker-book progress and restaurant customers.
  const std::string book = line(11), customers = line(17);
  const std::string percent = "+" + std::to_string(Data.BookPercent) + "%";
  const std::string reward = "+" + std::to_string(Data.RewardFigure);
  text.DrawText(margin, t + 180, book, {.Scale = SubTitleTextRatio, .Alpha = alpha});
  text.DrawText(margin + text.TextWidth(book, 0, SubTitleTextRatio) + 13, t + 180, percent,
                {.Scale = 1.35 * SubTitleTextRatio, .Colour = TGlobalGameText::tcYellow,
                 .Alpha = alpha});
  const float right = margin + 281;
  text.DrawText(right, t + 180, customers, {.Scale = SubTitleTextRatio, .Alpha = alpha});
  text.DrawText(right + text.TextWidth(customers, 0, SubTitleTextRatio) + 13, t + 180, reward,
                {.Scale = 1.2 * DescTextRatio, .Colour = TGlobalGameText::tcYellow,
                 .Alpha = alpha});

  // The price, each kind the purse does not cover blinking in red.
  bool allCovered = true;
  for (int k = 0; k < 5; ++k) allCovered = allCovered && Covered(k);
  const bool blinkOff = Blink.Value < 0;
  const std::string price = line(12), missing = allCovered ? std::string() : line(13);
  const float priceX = centred(price + missing, SubTitleTextRatio);
  text.DrawText(priceX, t + 211, price, {.Scale = SubTitleTextRatio, .Alpha = alpha});
  if (!allCovered)
    text.DrawText(priceX + text.TextWidth(price, 0, SubTitleTextRatio), t + 211, missing,
                  {.Scale = SubTitleTextRatio, .Colour = TGlobalGameText::tcRed, .Alpha = alpha});
  int n = 0;
  for (int k = 0; k < 5; ++k) {
    if (!(Data.Price.Amount[k] > 0)) continue;
    const float x = static_cast<float>(PriceIconLeft(n));
    OmgImgList->DrawImage("ElementIcons", x, static_cast<float>(PriceIconTop()), k, {.A = alpha});
    const bool shortOf = !Covered(k);
    if (!shortOf || !blinkOff)
      text.DrawText(x + 49, t + 243, std::to_string(Shown(Data.Price.Amount[k])),
                    {.Scale = SubTitleTextRatio,
                     .Colour = shortOf ? TGlobalGameText::tcRed : TGlobalGameText::tcWhite,
                     .Alpha = alpha});
    ++n;
  }

  // What is inside: an ingredient the dish brings to the board, or the upgraded gold tile.
  if (Data.InsideKind >= 1 && Data.InsideKind <= 10) {
    static const int kInsidePattern[11] = {0, 4, 5, 6, 7, 8, 14, 15, 16, 0, 18};
    text.DrawText(margin, t + 284, line(14), {.Scale = SubTitleTextRatio, .Alpha = alpha});
    const float x = margin + 10, y = t + 297;
    if (Data.InsideKind == 9)
      OmgImgList->DrawImage("ElementGather", x, y, 16, {.A = alpha});
    else
      OmgImgList->DrawImage("ElementsInside", x, y, kInsidePattern[Data.InsideKind] - 1,
                            {.A = alpha});
  }

  // The purse.
  static const int kShifts[5] = {20, 15, 10, 5, 0};
  for (int kind = 1; kind <= 5; ++kind) {
    OmgImgList->DrawImage("ElementIcons", l + 123.0f * kind - 110, t + 369, kind - 1,
                          {.A = alpha, .CenterX = 0.5f, .CenterY = 0.5f});
    const int count = Shown(Owned.Amount[kind - 1]);
    text.DrawText(static_cast<float>(ElementsCountLeft + (kind - 1) * ElementsCountGap +
                                     CountShift(count, kShifts)),
                  static_cast<float>(ElementsCountTop), std::to_string(count),
                  {.Scale = 0.62, .Alpha = alpha});
  }
}
