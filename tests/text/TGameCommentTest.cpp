#include <gtest/gtest.h>

#include "support/SoundTrace.h"

#include <cmath>
#include <fstream>
#include <memory>
#include <vector>

#include "FontRig.h"
#include "audio/TSFXPlayer.h"
#include "engine/TGameRandom.h"
#include "platform/TRecordingAudioBackend.h"
#include "support/TempDir.h"
#include "text/TGameComment.h"
#include "text/TTextStrings.h"

namespace {
struct CommentRig {
  FontRig fonts;
  TTextStrings texts;
  TGameComment comment;
  std::vector<TGameCommentType> finished;
  CommentRig() {
    comment.OmgImgList = &fonts.images;
    comment.TextStringsComp = &texts;
    comment.OnWavingFinished = [this](TGameComment&, TGameCommentType t) { finished.push_back(t); };
    TGameRandom::SetSeed(1234);
  }
  int TicksUntil(TGameComment::TPhase phase, int limit = 1000) {
    for (int i = 1; i <= limit; ++i) {
      comment.UpdateAndDraw();
      if (comment.CurrentPhase() == phase) return i;
    }
    return -1;
  }
};

}  // namespace

TEST(GameComment, EdgePointsAndWaveLists) {
  EXPECT_EQ(TGameComment::EdgePoint(0), (TPoint{-172, -90}));  // (12,13): -171.7, -89.6
  EXPECT_EQ(TGameComment::EdgePoint(17), (TPoint{959, 864}));  // (677,758): 958.8, 864
  EXPECT_EQ(TGameComment::EdgePoint(28), (TPoint{-184, 47}));  // (5,120): -183.6, 47.36
  EXPECT_EQ(TGameComment::WaveOffset(TShiftAdjListKind::slNormal, 8), 2);
  EXPECT_EQ(TGameComment::WaveOffset(TShiftAdjListKind::slShorter, 5), 2);
}

TEST(GameComment, LaysOutCapitalsCentredAndKeepsThirty) {
  CommentRig rig;
  rig.comment.ShowText("Hi, you?");
  ASSERT_EQ(rig.comment.LetterCount(), 6);  // "HI YOU"
  // Defaults: ratio 1, spacing 8, centre adjust (45, -65), letter height 20.
  int widths[6] = {35 + 8, 22 + 8, 12 + 8, 32 + 8, 33 + 8, 33 + 8};
  int total = 0;
  for (int w : widths) total += w;
  int x = (1366 - total) / 2 + 45;
  const int top = (768 - 20) / 2 - 65;
  for (int i = 0; i < 6; ++i) {
    EXPECT_FLOAT_EQ(rig.comment.Letter(i).TargetX, static_cast<float>(x)) << i;
    EXPECT_FLOAT_EQ(rig.comment.Letter(i).TargetY, static_cast<float>(top));
    EXPECT_EQ(rig.comment.Letter(i).WavePhase, i % 8 + 1);
    EXPECT_EQ(rig.comment.Letter(i).Alpha, 0);
    x += widths[i];
  }
  EXPECT_EQ(rig.comment.Letter(0).Char, 'H');
  EXPECT_EQ(rig.comment.Letter(2).Char, ' ');

  rig.comment.ShowText(std::string(40, 'm'));
  EXPECT_EQ(rig.comment.LetterCount(), 30);

  rig.comment.Alignment = TGameCommentAlignment::alDefined;
  rig.comment.DefinedLeft = 300;
  rig.comment.DefinedTop = 40;
  rig.comment.LetterSizeRatio = 0.75;
  rig.comment.AdditionalHorzSpace = 3;
  rig.comment.ShowText("AW");
  EXPECT_FLOAT_EQ(rig.comment.Letter(0).TargetX, 345);
  EXPECT_FLOAT_EQ(rig.comment.Letter(1).TargetX, 345 + 23 + 3);  // 31 * 0.75 = 23.25
  EXPECT_FLOAT_EQ(rig.comment.Letter(1).TargetY, 40);
}

TEST(GameComment, LettersFlyStraightInFromEdgePoints) {
  CommentRig rig;
  rig.comment.ShowText("GO");
  for (int i = 0; i < 2; ++i) {
    const auto& l = rig.comment.Letter(i);
    bool fromEdge = false;
    for (int e = 0; e < TGameComment::EdgePointCount; ++e) {
      TPoint p = TGameComment::EdgePoint(e);
      if (l.StartX == p.X && l.StartY == p.Y) fromEdge = true;
    }
    EXPECT_TRUE(fromEdge);
    EXPECT_FLOAT_EQ(l.X, l.StartX);
    float dx = std::fabs(l.TargetX - l.StartX), dy = std::fabs(l.TargetY - l.StartY);
    EXPECT_NEAR(std::max(l.SpeedX, l.SpeedY), 65.0f, 1e-3);
    if (dx > 0 && dy > 0) {
      EXPECT_NEAR(l.SpeedX / l.SpeedY, dx / dy, 1e-3);
    }
  }
  const auto& first = rig.comment.Letter(0);
  float far = std::max(std::fabs(first.TargetX - first.StartX), std::fabs(first.TargetY - first.StartY));
  float prevX = first.X, prevY = first.Y;
  rig.comment.UpdateAndDraw();
  EXPECT_NEAR(std::max(std::fabs(first.X - prevX), std::fabs(first.Y - prevY)),
              std::min(65.0f, far), 1e-3);
  EXPECT_EQ(first.Alpha, 10);
  int ticks = rig.TicksUntil(TGameComment::TPhase::Waving);
  ASSERT_GT(ticks, 0);
  EXPECT_FLOAT_EQ(rig.comment.Letter(0).X, rig.comment.Letter(0).TargetX);
  EXPECT_FLOAT_EQ(rig.comment.Letter(1).Y, rig.comment.Letter(1).TargetY);
  EXPECT_LE(ticks + 1, 30);  // no edge point is more than 30 ticks away
}

TEST(GameComment, WavesForItsTimeThenFadesAndReportsOnce) {
  CommentRig rig;
  rig.texts.GameComments.Set(7, "Let's go!");
  rig.comment.WavingTime = 300;
  rig.comment.ShowComment(TGameCommentType::coGo);
  EXPECT_EQ(rig.comment.CommentType(), TGameCommentType::coGo);
  EXPECT_EQ(rig.comment.LetterCount(), 9);
  rig.TicksUntil(TGameComment::TPhase::Waving);
  EXPECT_EQ(rig.comment.WavingTimer(), 0);
  EXPECT_EQ(rig.TicksUntil(TGameComment::TPhase::FadingOut), 10);  // 300 ms of 30 ms ticks
  ASSERT_EQ(rig.finished.size(), 1u);
  EXPECT_EQ(rig.finished[0], TGameCommentType::coGo);
  int alpha = rig.comment.Letter(0).Alpha;
  float y = rig.comment.Letter(0).Y;
  rig.comment.UpdateAndDraw();
  EXPECT_EQ(rig.comment.Letter(0).Alpha, std::max(0, alpha - 20));
  EXPECT_FLOAT_EQ(rig.comment.Letter(0).Y, y);  // letters stay while they fade
  EXPECT_GT(rig.TicksUntil(TGameComment::TPhase::Off), 0);
  EXPECT_EQ(rig.finished.size(), 1u);
  rig.fonts.Take();
  rig.comment.UpdateAndDraw();
  EXPECT_TRUE(rig.fonts.Take().empty());
}

TEST(GameComment, DrawsWhiteLettersBobbingByTheirWavePhase) {
  CommentRig rig;
  rig.comment.WaveOnly = true;
  rig.comment.ShiftAdjListKind = TShiftAdjListKind::slNormal;
  rig.comment.LetterSizeRatio = 1.15;
  rig.comment.ShowText("ab");
  EXPECT_EQ(rig.comment.CurrentPhase(), TGameComment::TPhase::Waving);
  rig.comment.UpdateAndDraw();
  auto g = rig.fonts.Take();
  ASSERT_EQ(g.size(), 2u);
  const auto& a = rig.comment.Letter(0);
  EXPECT_EQ(g[0].Image, "CommentFont");
  EXPECT_EQ(g[0].Pattern, 0);
  EXPECT_EQ(g[1].Pattern, 1);
  EXPECT_FLOAT_EQ(g[0].X, std::nearbyint(a.TargetX));
  EXPECT_FLOAT_EQ(g[0].Y, a.TargetY + 2);  // phase 1 -> 2
  EXPECT_FLOAT_EQ(g[1].Y, a.TargetY + 3);  // phase 2 -> 3
  EXPECT_NEAR(g[0].W, 8 * 1.15f, 1e-3);
  EXPECT_EQ(g[0].A, FontRig::Through(10));
  EXPECT_EQ(g[0].R, FontRig::Through(255));
  // With WaveOnly the timer stands still until it is skipped.
  for (int i = 0; i < 200; ++i) rig.comment.UpdateAndDraw();
  EXPECT_EQ(rig.comment.CurrentPhase(), TGameComment::TPhase::Waving);
  EXPECT_EQ(rig.comment.Letter(0).Alpha, 255);
  rig.comment.SkipWaving();
  rig.comment.UpdateAndDraw();
  EXPECT_EQ(rig.comment.CurrentPhase(), TGameComment::TPhase::FadingOut);
  rig.comment.Hide();
  EXPECT_EQ(rig.comment.CurrentPhase(), TGameComment::TPhase::Off);
  // Not visible: neither moves nor draws.
  rig.comment.ShowText("ab");
  rig.comment.Visible = false;
  rig.fonts.Take();
  rig.comment.UpdateAndDraw();
  EXPECT_TRUE(rig.fonts.Take().empty());
  EXPECT_EQ(rig.comment.Letter(0).Alpha, 0);
}

TEST(GameComment, CommentTypesPickTheirLinesAndSounds) {
  SoundTrace sounds({"TimeUp", "StageComplete", "NoMoreMoves", "TimeRunningOut", "RecipeBookFound",
                   "ExpertBookFound", "ChapterEntry3", "UpgradesFinished2", "UpgradesFinished5"});
  CommentRig rig;
  rig.comment.PlaySound = sounds.Route();
  for (int n = 1; n <= 26; ++n) rig.texts.GameComments.Set(n, "t" + std::to_string(n));
  rig.texts.GameComments.Set(17, "ISLAND ");
  rig.texts.GameComments.Set(18, " COMPLETE!");
  auto shown = [&] {
    std::string s;
    for (int i = 0; i < rig.comment.LetterCount(); ++i) s += rig.comment.Letter(i).Char;
    return s;
  };
  using T = TGameCommentType;
  const T types[] = {T::coGo, T::coTimeUp, T::coGameRoundClear, T::coBossVictory,
                     T::coNoMoreMoves, T::coTimeRunningOut};
  std::string texts;
  for (T type : types) {
    rig.comment.ShowComment(type);
    EXPECT_EQ(rig.comment.CommentType(), type);
    texts += shown() + " ";
  }
  EXPECT_EQ(texts, "T7 T8 T9 T10 T11 T12 ");
  EXPECT_EQ(sounds.played, (std::vector<std::string>{"TimeUp", "StageComplete", "NoMoreMoves",
                                                     "TimeRunningOut"}));
  rig.comment.ShowComment(T::coShuffling);
  EXPECT_EQ(rig.comment.CurrentPhase(), TGameComment::TPhase::Off);

  sounds.played.clear();
  rig.comment.ShowBookFound(2);
  texts = shown();
  rig.comment.ShowBookFound(1);
  texts += " " + shown();
  rig.comment.ShowChapterEntry("Chapter 3: Amberhive", 3);
  texts += " " + shown();
  rig.comment.ShowUpgradesFinished(2);
  texts += " " + shown();
  rig.comment.ShowUpgradesFinished(5);
  texts += " " + shown();
  EXPECT_EQ(texts, "T15 T14 CHAPTER 3: AMBERHIVE ISLAND 2 COMPLETE! T20");
  EXPECT_EQ(sounds.played, (std::vector<std::string>{"ExpertBookFound", "RecipeBookFound",
                                                     "ChapterEntry3", "UpgradesFinished2",
                                                     "UpgradesFinished5"}));
}
