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

std::string TResultStats::ExtraPointsText(int points) {
  return points > 0 ? "Combos and extras: +" + std::to_string(points) : std::string();
}

void TResultStats::Draw() {
  const float x = static_cast<float>(Left);
  const float y0 = static_cast<float>(Top);
  const float y1 = y0 + LineSpacing;
  const float y2 = y1 + LineSpacing;
  if (OmgImgList) {
    OmgImgList->DrawImage("ResultStatsHighlight", x - 48, y1 - 28, 0,
                          {.A = static_cast<std::uint8_t>(FScoreHighlight)});
    if (FBonusCount >= 1) {
      OmgImgList->DrawImage("ElementIcons", x - 46, y0 + 70, static_cast<int>(FBonusKind));
      OmgImgList->DrawImage("ResultStatsHighlight", x - 79, y2 - 28, 0,
                            {.A = static_cast<std::uint8_t>(FBonusHighlight)});
    }
  }
  if (!GlobGameText) return;
  GlobGameText->DrawText(x, y0, TimeText(PlayingTime), {.Scale = TextScale, .Colour = TextColour});
  const std::string score = std::to_string(RoundHalfEven(FShownScore));
  GlobGameText->DrawText(x, y1, score, {.Scale = TextScale, .Colour = TextColour});
  // Under the lines, from the captions' column, once the level score has been counted.
  if (ExtraPoints > 0 && FShownScore == FLevelScore)
    GlobGameText->DrawText(x - ExtraLineIndent, y2 + LineSpacing + 4, ExtraPointsText(ExtraPoints),
                           {.Scale = TextScale * 0.8, .Colour = TextColour});
  GlobGameText->DrawText(
      x, y2, FBonusCount < 1 ? std::string("0") : std::to_string(RoundHalfEven(FShownBonus)),
      {.Scale = TextScale, .Colour = TextColour});
}
