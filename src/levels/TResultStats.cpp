#include "levels/TResultStats.h"

#include <algorithm>
#include <cstdio>

#include "engine/Rounding.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "text/TGlobalGameText.h"

namespace {
// True once value is at target.
bool Approach(double& value, double target, double step) {
  if (value < target)
    value = std::min(value + step, target);
  else if (value > target)
    value = std::max(value - step, target);
  return value == target;
}
}  // namespace

void TResultStats::SetLevelScore(int score) {
  FLevelScore = score;
  FScoreStep = std::max(score / 50.0, 1.0);
}

void TResultStats::SetBonusElementCount(int count) {
  FBonusCount = count;
  FBonusStep = std::max(count / 40.0, 1.0);
}

void TResultStats::Clear() {
  ExtraPoints = 0;
  FShownScore = FShownBonus = 0;
  FScoreHighlight = FBonusHighlight = 0;
  GapTimer = 0;
  SoundParity = 0;
}

bool TResultStats::CountingDone() const {
  // A bonus below one is never shown, so it is never counted either.
  return FShownScore == FLevelScore &&
         (FBonusCount < 1 || (GapTimer >= CountingGapTime && FShownBonus == FBonusCount));
}

std::string TResultStats::TimeText(int seconds) {
  seconds = std::max(seconds, 0);
  char buf[32];
  std::snprintf(buf, sizeof(buf), "%d:%2.2d", seconds / 60, seconds % 60);
  return buf;
}

void TResultStats::Count() {
  auto countStep = [this](double& shown, double target, double step, int& highlight) {
    Approach(shown, target, step);
    highlight = std::min(highlight + HighlightAlphaInc, MaxHighlightAlpha);
    if (++SoundParity % 2 == 1 && PlaySound) PlaySound("ScoreCount");
  };
  if (FShownScore != FLevelScore) {
    countStep(FShownScore, FLevelScore, FScoreStep, FScoreHighlight);
    return;
  }
  if (FBonusCount < 1) return;
  if (GapTimer < CountingGapTime) {
    TMotion::TimerTick(GapTimer, CountingGapTime);
    return;
  }
  if (FShownBonus != FBonusCount) countStep(FShownBonus, FBonusCount, FBonusStep, FBonusHighlight);
}

void TResultStats::Update() {
  if (!CountingPaused) Count();
  FScoreHighlight = std::max(FScoreHighlight - HighlightAlphaDec, 0);
  FBonusHighlight = std::max(FBonusHighlight - HighlightAlphaDec, 0);
  Draw();
}

std::string TResultStats::ExtraPointsText() const {
  if (ExtraPoints < 1) return "0";
  return FShownScore == FLevelScore ? "+" + std::to_string(ExtraPoints) : std::string();
}

void TResultStats::Draw() {
  const float x = static_cast<float>(Left);
  float y[RowCount];
  for (int i = 0; i < RowCount; ++i) y[i] = static_cast<float>(Top + i * LineSpacing);
  if (OmgImgList) {
    OmgImgList->DrawImage("ResultStatsHighlight", x + ScoreHighlightX, y[1] + HighlightY, 0,
                          {.A = static_cast<std::uint8_t>(FScoreHighlight)});
    if (FBonusCount >= 1) {
      OmgImgList->DrawImage("ElementIcons", x - 46, y[2] - 16, static_cast<int>(FBonusKind));
      OmgImgList->DrawImage("ResultStatsHighlight", x + BonusHighlightX, y[2] + HighlightY, 0,
                            {.A = static_cast<std::uint8_t>(FBonusHighlight)});
    }
  }
  if (!GlobGameText) return;
  const TTextStyle style{.Scale = TextScale, .Colour = TextColour};
  GlobGameText->DrawText(x, y[0], TimeText(PlayingTime), style);
  GlobGameText->DrawText(x, y[1], std::to_string(RoundHalfEven(FShownScore)), style);
  GlobGameText->DrawText(
      x, y[2], FBonusCount < 1 ? std::string("0") : std::to_string(RoundHalfEven(FShownBonus)),
      style);
  GlobGameText->DrawText(x, y[3], ExtraPointsText(), style);
}
