#include "levels/TElementGather.h"

#include <algorithm>

#include "engine/TOmegaImageList.h"

TElementGather::TElementGather() {
  for (TJackpotScore& c : Counters) {
    c.PlaySound = [this](const std::string& name) {
      if (PlaySound) PlaySound(name);
    };
    c.DigitImg = "ElementGatherNumber";
    c.DigitBlurImg = "ElementGatherNumberBlur";
    c.ShowLeadingZeros = false;
    c.AutoCentered = true;
    c.Increment = 1;
    c.SetDigits(2);
  }
  Targets[ieFruit1] = 1;
  Targets[ieFruit2] = 1;
  PosY = HidingPosY;
  Rebuild();
}

void TElementGather::ReadImageSizes() {
  if (!OmgImgList) return;
  int w = OmgImgList->TileWidthOf("PulsingElements"), h = OmgImgList->TileHeightOf("PulsingElements");
  if (w > 0 && h > 0) {
    OrigPulsingFruitWidth = w;
    OrigPulsingFruitHeight = h;
  }
  for (TJackpotScore& c : Counters) {
    c.OmgImgList = OmgImgList;
    c.Prepare();
  }
}

int TElementGather::SlotOf(TElementKind kind, std::uint8_t index) {
  switch (kind) {
    case elPotion:
      return (index >= 1 && index <= 2) ? iePotion1 + index - 1 : -1;
    case elFruit:
      return (index >= 1 && index <= 8) ? ieFruit1 + index - 1 : -1;
    case elFlower:
      return (index >= 1 && index <= 4) ? ieFlower1 + index - 1 : -1;
    case elGoldTile:
      return (index >= 1 && index <= 2) ? ieGoldTile1 + index - 1 : -1;
    case elSpider:
      return index == 1 ? ieSpider : -1;
  }
  return -1;
}

void TElementGather::SetTarget(TIndividualElementKind kind, int value) {
  if (kind >= SlotCount) return;
  Targets[kind] = value;
  Rebuild();
}

void TElementGather::Rebuild() {
  Count = 0;
  for (int s = 0; s < SlotCount; ++s) {
    Shown[s] = Targets[s] > 0;
    if (Shown[s]) ++Count;
  }
  int total = 0;
  for (int i = 0; i < Count; ++i)
    total += (i == 0 || i == Count - 1) ? LeftSlotWidth : MiddleSlotWidth;
  LeftX = CenterPos - total / 2;
  for (int s = 0; s < SlotCount; ++s) Counters[s].SetAll(std::max(Targets[s], 0));
}

void TElementGather::Reset() {
  CompleteFired = false;
  Rebuild();
  for (int s = 0; s < SlotCount; ++s) {
    Pulses[s] = TPulse{};
    Idles[s] = TIdle{};
  }
}

void TElementGather::StartPulse(int slot0) {
  TPulse& p = Pulses[slot0];
  p.Active = true;
  p.Growing = true;
  p.FullTime = 0;
}

void TElementGather::Collect(TElementKind kind, std::uint8_t index) {
  const int s = SlotOf(kind, index);
  if (s < 0) return;
  Idles[s].Ms = 0;
  if (Counters[s].Value() > 0) {
    Counters[s].AddValue(-1, 0);
    if (Counters[s].Value() == 0 && OnSlotDone) OnSlotDone(*this, SlotPosition(s).X);
    Idles[s].PulsesLeft = 0;
    StartPulse(s);
  }
  if (!CompleteFired && std::all_of(std::begin(Counters), std::end(Counters),
                                    [](const TJackpotScore& c) { return c.Value() == 0; })) {
    CompleteFired = true;
    if (OnComplete) OnComplete(*this);
  }
}

bool TElementGather::IsStillNeeded(int slot0) const {
  return slot0 >= 0 && slot0 < SlotCount && Counters[slot0].Value() > 0;
}

int TElementGather::ShownIndex(int slot0) const {
  if (slot0 < 0 || slot0 >= SlotCount || !Shown[slot0]) return -1;
  int i = 0;
  for (int s = 0; s < slot0; ++s)
    if (Shown[s]) ++i;
  return i;
}

TPoint TElementGather::ShownSlotOrigin(int i, int y) const {
  if (i == 0) return {LeftX, y};
  // Middle and last slots are placed 3 pixels left of their backgrounds, where they overlap.
  return {LeftX + LeftSlotWidth + (i - 1) * MiddleSlotWidth - 3, y};
}

TPoint TElementGather::SlotPosition(int slot0) const {
  const int i = ShownIndex(slot0);
  if (i < 0) return {CenterPos, PosY + CounterTop};  // not on the panel: its middle
  TPoint o = ShownSlotOrigin(i, PosY);
  return {o.X + IconOffset(i) + CounterLeft, o.Y + CounterTop};
}

void TElementGather::ShowPanel() {
  PosY = HidingPosY;
  Slide = ssSlidingIn;
}

void TElementGather::HidePanel() { Slide = ssSlidingOut; }

void TElementGather::AdvancePulse(TPulse& p) {
  if (!p.Active) return;
  if (p.Growing) {
    if (p.Size < MaxPulsingSize) {
      p.Size = std::min(p.Size + PulsingStepUp, static_cast<double>(MaxPulsingSize));
    } else {
      p.FullTime += TickMilliseconds;
      if (p.FullTime >= BlownTime) p.Growing = false;
    }
  } else {
    p.Size -= PulsingStepDown;
    if (p.Size <= MinPulsingSize) {
      p.Size = MinPulsingSize;
      p.Active = false;
    }
  }
}

// Nothing else keeps the idle clock, so the panel counts it itself while it stands still:
// a slot waiting in vain reminds the player of itself.
void TElementGather::CountIdle() {
  const bool standing = Slide == ssStill && PosY == Top;
  for (int s = 0; s < SlotCount; ++s) {
    TIdle& idle = Idles[s];
    if (standing && Shown[s] && Counters[s].Value() > 0 && IdleSlotNotifyTime > 0) {
      idle.Ms += TickMilliseconds;
      if (idle.Ms >= IdleSlotNotifyTime) {
        idle.Ms = 0;
        idle.PulsesLeft = SlotNotifyCount;
      }
    }
    if (Counters[s].Value() == 0) idle.PulsesLeft = 0;
    if (idle.PulsesLeft > 0 && !Pulses[s].Active) {
      --idle.PulsesLeft;
      StartPulse(s);
    }
  }
}

void TElementGather::Update() {
  if (!Visible) return;
  if (Slide == ssSlidingIn) {
    PosY = std::min(PosY + MoveStep, Top);
    if (PosY >= Top) Slide = ssStill;
  } else if (Slide == ssSlidingOut) {
    PosY = std::max(PosY - MoveStep, HidingPosY);
    if (PosY <= HidingPosY) Slide = ssStill;
  }
  CountIdle();
  for (TPulse& p : Pulses) AdvancePulse(p);
  Draw();
}

void TElementGather::Draw() {
  if (!OmgImgList) return;
  for (int i = 0; i < Count; ++i) {
    int pattern = Count == 1 ? 3 : i == 0 ? 0 : i == Count - 1 ? 2 : 1;
    int x = i == 0 ? LeftX : LeftX + LeftSlotWidth + (i - 1) * MiddleSlotWidth;
    OmgImgList->DrawImage("ElementPanel", static_cast<float>(x), static_cast<float>(PosY), pattern);
  }
  int i = 0;
  for (int s = 0; s < SlotCount; ++s) {
    if (!Shown[s]) continue;
    const TPoint o = ShownSlotOrigin(i, PosY);
    const int a = IconOffset(i);
    const TPulse& p = Pulses[s];
    if (!p.Active) {
      OmgImgList->DrawImage("ElementGather", static_cast<float>(o.X + a),
                            static_cast<float>(o.Y + 7), s,
                            {.A = static_cast<std::uint8_t>(Counters[s].Value() == 0 ? 125 : 255)});
    } else {
      const float scale = static_cast<float>(p.Size / std::max(1, OrigPulsingFruitWidth));
      OmgImgList->DrawImage("PulsingElements", static_cast<float>(o.X + a - 3),
                            static_cast<float>(o.Y + 4), s,
                            {.ScaleX = scale, .ScaleY = scale, .CenterX = 0.5f, .CenterY = 0.5f});
    }
    // The last one still rolls down to its 0 (and is heard); a 0 itself is not shown.
    TJackpotScore& c = Counters[s];
    if (c.Value() > 0 || c.ShownValue() > 0 || c.AnyRolling()) {
      c.OmgImgList = OmgImgList;
      c.Left = o.X + a + CounterLeft - (c.Value() > 99 ? 5 : 0);
      c.Top = o.Y + CounterTop;
      c.Update();
    }
    ++i;
  }
}
