#include "text/TGameComment.h"

#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "text/TTextStrings.h"

namespace {
constexpr int ScreenWidth = 1366;
constexpr int ScreenHeight = 768;

constexpr TPoint RawEdgePoints[TGameComment::EdgePointCount] = {
    {12, 13},    {134, 6},    {260, 6},    {373, 5},    {498, 4},    {640, 2},
    {773, 5},    {889, 2},    {1008, 20},  {1012, 132}, {1017, 254}, {1018, 370},
    {1016, 475}, {1007, 584}, {1006, 688}, {906, 757},  {798, 756},  {677, 758},
    {569, 758},  {448, 755},  {341, 756},  {213, 760},  {92, 756},   {11, 675},
    {2, 565},    {4, 455},    {4, 341},    {3, 231},    {5, 120},
};

constexpr int NormalWave[8] = {1, 2, 3, 4, 5, 4, 3, 2};
constexpr int ShorterWave[8] = {1, 1, 1, 1, 2, 2, 2, 2};

// The comment texts and the sounds that go with them.
struct TTypeInfo {
  TGameCommentType Type;
  int Line;
  const char* Sound;
};
constexpr TTypeInfo TypeTable[] = {
    {TGameCommentType::coGo, 7, nullptr},
    {TGameCommentType::coTimeUp, 8, "TimeUp"},
    {TGameCommentType::coGameRoundClear, 9, "StageComplete"},
    {TGameCommentType::coBossVictory, 10, nullptr},
    {TGameCommentType::coNoMoreMoves, 11, "NoMoreMoves"},
    {TGameCommentType::coTimeRunningOut, 12, "TimeRunningOut"},
};
}  // namespace

TPoint TGameComment::EdgePoint(int index) {
  const TPoint& p = RawEdgePoints[index];
  return {RoundHalfEven((p.X - 113) * 1.7), RoundHalfEven((p.Y - 83) * 1.28)};
}

int TGameComment::WaveOffset(TShiftAdjListKind kind, int phase) {
  const int* list = kind == TShiftAdjListKind::slShorter ? ShorterWave : NormalWave;
  return list[std::clamp(phase, 1, 8) - 1];
}

void TGameComment::ApplyRole(TGameCommentRole role) {
  LettersImg = "CommentFont";
  FontKind = TGameFontKind::fkAirstripComment;
  ShiftAdjListKind = TShiftAdjListKind::slShorter;
  switch (role) {
    case TGameCommentRole::crGameComments:
      WavingTime = 1500, CenterAdjustX = 0, CenterAdjustY = -40, AdditionalHorzSpace = 0;
      LetterSizeRatio = 1.15;
      break;
    case TGameCommentRole::crBookFound:
      WavingTime = 1500, CenterAdjustX = 21, CenterAdjustY = 85, AdditionalHorzSpace = 3;
      LetterSizeRatio = 0.75;
      break;
    case TGameCommentRole::crChapterEntry:
      WavingTime = 3000, CenterAdjustX = 0, CenterAdjustY = -75, AdditionalHorzSpace = 4;
      LetterSizeRatio = 1.0;
      break;
    case TGameCommentRole::crUpgradesFinished:
      WavingTime = 7500, CenterAdjustX = 0, CenterAdjustY = -75, AdditionalHorzSpace = 4;
      LetterSizeRatio = 1.0;
      break;
  }
}

std::string TGameComment::CommentLine(int n) const {
  return TextStringsComp ? TextStringsComp->GameComments[n] : std::string();
}

void TGameComment::ShowComment(TGameCommentType type, const std::string& customText) {
  if (type == TGameCommentType::coCustomText) {
    ShowText(customText);
  } else {
    const TTypeInfo* info = nullptr;
    for (const auto& t : TypeTable)
      if (t.Type == type) info = &t;
    if (!info) {  // coNone, coShuffling
      Phase = TPhase::Off;
      Type = type;
      return;
    }
    if (info->Sound && PlaySound) PlaySound(info->Sound);
    ShowText(CommentLine(info->Line));
  }
  Type = type;
}

void TGameComment::ShowBookFound(int potion) {
  if (PlaySound) PlaySound(potion == 2 ? "ExpertBookFound" : "RecipeBookFound");
  ShowComment(TGameCommentType::coCustomText, CommentLine(potion == 2 ? 15 : 14));
}

void TGameComment::ShowChapterEntry(const std::string& chapterName, int chapter) {
  if (PlaySound) PlaySound("ChapterEntry" + std::to_string(chapter));
  ShowComment(TGameCommentType::coCustomText, chapterName);
}

void TGameComment::ShowUpgradesFinished(int island) {
  if (PlaySound) PlaySound("UpgradesFinished" + std::to_string(island));
  std::string text = island == 5 ? CommentLine(20)
                                 : CommentLine(17) + std::to_string(island) + CommentLine(18);
  ShowComment(TGameCommentType::coCustomText, text);
}

void TGameComment::ShowText(const std::string& text) {
  std::string letters = TGameFont::Filter(FontKind, text);
  if (letters.size() > MaxLetters) letters.resize(MaxLetters);
  Count = static_cast<int>(letters.size());
  Type = TGameCommentType::coCustomText;

  std::array<int, MaxLetters> widths{};
  int total = 0;
  for (int i = 0; i < Count; ++i) {
    widths[i] = TGameFont::Advance(FontKind, static_cast<unsigned char>(letters[i]), 0,
                                   LetterSizeRatio) +
                AdditionalHorzSpace;
    total += widths[i];
  }
  int left = DefinedLeft, top = DefinedTop;
  if (Alignment == TGameCommentAlignment::alCenter) {
    left = (ScreenWidth - total) / 2;
    top = (ScreenHeight - LetterHeight) / 2 + CenterAdjustY;
  }

  int x = left + CenterAdjustX;
  for (int i = 0; i < Count; ++i) {
    TLetter& l = Letters[i];
    l = TLetter{};
    l.Char = static_cast<unsigned char>(letters[i]);
    l.TargetX = static_cast<float>(x);
    l.TargetY = static_cast<float>(top);
    x += widths[i];
    TPoint start = EdgePoint(TGameRandom::Random(EdgePointCount));
    l.StartX = static_cast<float>(start.X);
    l.StartY = static_cast<float>(start.Y);
    if (WaveOnly) {
      l.X = l.TargetX;
      l.Y = l.TargetY;
    } else {
      l.X = l.StartX;
      l.Y = l.StartY;
    }
    TMotion::StraightLineSpeeds(l.StartX, l.StartY, l.TargetX, l.TargetY, FlightPace, l.SpeedX,
                                l.SpeedY);
    l.Alpha = 0;
    l.WavePhase = (i % 8) + 1;
  }
  WaveTimer = 0;
  Phase = WaveOnly ? TPhase::Waving : TPhase::FlyingIn;
}

void TGameComment::MoveLetters() {
  for (int i = 0; i < Count; ++i) {
    TLetter& l = Letters[i];
    TMotion::ApproachFloat(l.X, l.TargetX, l.SpeedX);
    TMotion::ApproachFloat(l.Y, l.TargetY, l.SpeedY);
  }
}

void TGameComment::SkipWaving() {
  if (Phase == TPhase::Waving) WaveTimer = WavingTime;
}

void TGameComment::UpdateAndDraw() {
  if (!Visible || Phase == TPhase::Off) return;

  for (int i = 0; i < Count; ++i) {
    int& a = Letters[i].Alpha;
    a = Phase == TPhase::FadingOut ? std::max(0, a - LetterAlphaDec)
                                   : std::min(255, a + LetterAlphaInc);
  }

  if (Phase == TPhase::FlyingIn) {
    MoveLetters();
    bool arrived = std::all_of(Letters.begin(), Letters.begin() + Count, [](const TLetter& l) {
      return l.X == l.TargetX && l.Y == l.TargetY;
    });
    if (arrived) {
      WaveTimer = 0;
      Phase = TPhase::Waving;
    }
  } else if (Phase == TPhase::Waving) {
    if (!WaveOnly) WaveTimer += TickMilliseconds;
    if (WaveTimer >= WavingTime) {
      Phase = TPhase::FadingOut;
      if (OnWavingFinished) OnWavingFinished(*this, Type);
    }
  } else if (Phase == TPhase::FadingOut) {
    bool gone = std::all_of(Letters.begin(), Letters.begin() + Count,
                            [](const TLetter& l) { return l.Alpha == 0; });
    if (gone) {
      Phase = TPhase::Off;
      return;
    }
  }

  if (!OmgImgList) {
    for (int i = 0; i < Count; ++i) Letters[i].WavePhase = Letters[i].WavePhase % 8 + 1;
    return;
  }
  const float s = static_cast<float>(LetterSizeRatio);
  for (int i = 0; i < Count; ++i) {
    TLetter& l = Letters[i];
    l.WavePhase = l.WavePhase % 8 + 1;
    float x = static_cast<float>(RoundHalfEven(l.X));
    float y = static_cast<float>(RoundHalfEven(l.Y + WaveOffset(ShiftAdjListKind, l.WavePhase)));
    OmgImgList->DrawImage(LettersImg, x, y, TGameFont::PatternOf(FontKind, l.Char),
                          {.A = static_cast<std::uint8_t>(l.Alpha), .ScaleX = s, .ScaleY = s});
  }
}
