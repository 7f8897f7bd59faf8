#include "levels/TJackpotScore.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"

namespace {
int ClampToCounter(long long v) {
  return static_cast<int>(std::clamp<long long>(v, 0, INT_MAX));
}
int DecimalLength(int v) {
  int n = 1;
  for (; v >= 10; v /= 10) ++n;
  return n;
}
}  // namespace

void TJackpotScore::Prepare() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf(DigitImg)) DigitWidth = w;
  if (int h = OmgImgList->TileHeightOf(DigitImg)) DigitHeight = h;
  if (int h = OmgImgList->TileHeightOf(DigitBlurImg)) DigitBlurHeight = h;
}

void TJackpotScore::SetDigits(int digits) { FDigits = std::clamp(digits, 1, MaxDigits); }

void TJackpotScore::RaiseDigitsTo(int v) {
  const int wanted = std::min(DecimalLength(v), MaxDigits);
  if (wanted <= FDigits) return;
  FDigits = wanted;
  // The digits move one place right; a roll in progress would spin the wrong one.
  for (TRoll& r : Roll) r.Active = false;
}

void TJackpotScore::Changed() {
  if (OnValueUpdate) OnValueUpdate(*this);
}

void TJackpotScore::SetValue(int v) {
  FValue = std::max(v, 0);
  RaiseDigitsTo(FValue);
  Changed();
}

void TJackpotScore::AddValue(int delta, int soundChoice) {
  FValue = ClampToCounter(static_cast<long long>(FValue) + delta);
  RaiseDigitsTo(FValue);
  if (!SoundOn) SoundParity = 0;  // a new count is heard from its first update
  SoundOn = true;
  SoundChoice = soundChoice;
  Changed();
}

void TJackpotScore::SetAll(int v) {
  FValue = FShown = FPrevious = std::max(v, 0);
  RaiseDigitsTo(FValue);
  for (TRoll& r : Roll) r.Active = false;
  Changed();
}

void TJackpotScore::Clear() {
  FValue = FShown = FPrevious = 0;
  for (TRoll& r : Roll) r.Active = false;
  SoundOn = false;
  SoundParity = 0;
  Changed();
}

bool TJackpotScore::AnyRolling() const {
  return std::any_of(Roll.begin(), Roll.end(), [](const TRoll& r) { return r.Active; });
}

std::string TJackpotScore::Format(int v) const {
  char buf[16];
  std::snprintf(buf, sizeof(buf), "%0*d", FDigits, std::min(v, MaxShownValue));
  return buf;
}

int TJackpotScore::HiddenDigits(const std::string& text) const {
  if (ShowLeadingZeros) return 0;
  int hidden = 0;
  while (hidden + 1 < static_cast<int>(text.size()) && text[hidden] == '0') ++hidden;
  return hidden;
}

int TJackpotScore::DrawLeft() const {
  if (!AutoCentered) return Left;
  return Left - RoundHalfEven(HiddenDigits(Format(FShown)) * DigitWidth / 2.0);
}

void TJackpotScore::Update() {
  if (SoundOn) {
    if (FShown == FValue) {
      SoundOn = false;
    } else if (++SoundParity % 2 == 1) {
      if (PlaySound) PlaySound(SoundChoice == 1 ? "Click" : "ScoreCount");
    }
  }

  if (!AnyRolling() && FShown != FValue) {
    const std::string before = Format(FShown);
    FPrevious = FShown;
    const long long step = std::max(Increment, 1);  // a zero step would never arrive
    FShown = static_cast<int>(FShown < FValue ? std::min<long long>(FShown + step, FValue)
                                              : std::max<long long>(FShown - step, FValue));
    const std::string after = Format(FShown);
    // Texts are right-aligned: compare digit by digit from the right.
    const int n = static_cast<int>(after.size());
    for (int i = 0; i < n && i < MaxDigits; ++i) {
      const int b = static_cast<int>(before.size()) - n + i;
      const char old = b >= 0 ? before[b] : '0';
      if (old != after[i]) {
        Roll[i].Active = true;
        Roll[i].Rising = FShown > FPrevious;
        Roll[i].Anim = TAnimData(RollSequence, false);
      }
    }
  }

  const std::string text = Format(FShown);
  const int hidden = HiddenDigits(text);
  const int x0 = DrawLeft();
  const int blurTop = Top - RoundHalfEven((DigitBlurHeight - DigitHeight) / 2.0);
  for (int i = 0; i < static_cast<int>(text.size()) && i < MaxDigits; ++i) {
    const float x = static_cast<float>(x0 + i * DigitWidth);
    TRoll& r = Roll[i];
    if (r.Active) {
      const int pattern = r.Anim.Frame();  // the roll runs whether or not anything is drawn
      if (OmgImgList) {
        OmgImgList->DrawImage(DigitBlurImg, x, static_cast<float>(blurTop), pattern,
                              {.A = BlurAlpha});
        if (i >= hidden)
          OmgImgList->DrawImage(DigitImg, x, static_cast<float>(Top + SlideOffset(r)),
                                text[i] - '0');
      }
      if (r.Anim.AtEnd())
        r.Active = false;
      else
        r.Anim.Next();
      continue;
    }
    if (i < hidden) continue;
    if (OmgImgList) OmgImgList->DrawImage(DigitImg, x, static_cast<float>(Top), text[i] - '0');
  }
}

// A quarter of the digit's height on the roll's first update, closing in evenly to its
// place; below it when counting up, above when counting down.
int TJackpotScore::SlideOffset(const TRoll& r) const {
  const int length = std::max(1, static_cast<int>(r.Anim.GetSeq().size()));
  const int left = length - r.Anim.GetPosition() + 1;  // frames of the roll still to show
  const int offset = RoundHalfEven(DigitHeight * left / (4.0 * length));
  return r.Rising ? offset : -offset;
}
