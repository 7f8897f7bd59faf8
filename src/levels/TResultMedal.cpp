#include "levels/TResultMedal.h"

#include "engine/Rounding.h"

namespace {
// time x num / den, halves to even; exact for whole seconds.
int Share(int time, int num, int den) {
  return RoundHalfEven(static_cast<double>(static_cast<long long>(time) * num) / den);
}
}  // namespace

int TResultMedal::SilverTimeFor(int t) { return Share(t, 13, 20); }
int TResultMedal::GoldTimeFor(int t) { return Share(t, 2, 5); }

void TResultMedal::SetReqTimesFromLimit(int t) {
  SilverReqTime = SilverTimeFor(t);
  GoldReqTime = GoldTimeFor(t);
}

TMedalKind TResultMedal::MedalFor(int e, int silver, int gold) {
  if (e <= gold) return mdGold;
  if (e <= silver) return mdSilver;
  return mdBronze;
}

TMedalKind TResultMedal::Evaluate(int elapsedSeconds) {
  FMedalKind = MedalFor(elapsedSeconds, SilverReqTime, GoldReqTime);
  return FMedalKind;
}

TResultMedal::TResultMedal() {
  FStamp.PlaySound = [this](const std::string& name) {
    if (PlaySound) PlaySound(name);
  };
}

void TResultMedal::Prepare() {
  FStamp.OmgImgList = OmgImgList;
  FStamp.PlusOneBigHeartImg = "ResultMedals";
  FStamp.StartSize = 2.0;
  FStamp.StartSizeStep = 0.15;
  FStamp.AttachedSize = 1.0;
  FStamp.EndSizeStep = 0.02;
  FStamp.ShineStartAlpha = 110;
  FStamp.ShineAlphaStep = 6;
  FStamp.ShineEndAlpha = 10;
  FStamp.ShineStartSize = 1.0;
  FStamp.ShineSizeStep = 0.05;
  FStamp.AttachedTime = 0;
}

void TResultMedal::StartStamp() { FStamp.Start(StampDelay); }

void TResultMedal::Clear() {
  FMedalKind = mdNone;
  FStamp.Clear();
}

void TResultMedal::Update() {
  if (FMedalKind == mdNone) return;
  // Patterns: bronze 0, silver 1, gold 2 — the enumeration's own order.
  FStamp.MainFrameIdx = FStamp.ShineFrameIdx = static_cast<int>(FMedalKind);
  FStamp.Left = Left;
  FStamp.Top = Top;
  FStamp.OmgImgList = OmgImgList;
  FStamp.Update();
}
