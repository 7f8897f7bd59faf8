#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"
#include "text/TTextStrings.h"
#include "ui/TComicStrips.h"
#include "ui/TEndingComicStrips.h"

namespace {
struct StripRig {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  TTextStrings strings;
  StripRig() { screen.Initialize(); }
  void Add(const std::string& name, int w, int h, int rows = 1) {
    TImageListItem& item = images.Add(name);
    TPicture p;
    p.Resize(w, h);
    item.SetPicture(p);
    item.SetTileWidth(w);
    item.SetTileHeight(h / rows);
    item.CreateTexture();
  }
};

// Every event with the tick it came on.
struct Log {
  int tick = 0;
  std::vector<std::pair<int, int>> strips;      // tick, strip
  std::vector<std::pair<int, int>> starts;      // tick, narration current then
  std::vector<int> ends, lastEntered, finished;
  std::vector<std::string> texts;
  void Wire(TComicStripsBase& s) {
    s.OnStripChange = [this](TComicStripsBase&, int strip) { strips.push_back({tick, strip}); };
    s.OnStartNarration = [this](TComicStripsBase& c, const std::string& t) {
      starts.push_back({tick, c.CurrentNarration()});
      texts.push_back(t);
    };
    s.OnEndNarration = [this](TComicStripsBase&) { ends.push_back(tick); };
    s.OnEnteringLastNarration = [this](TComicStripsBase&) { lastEntered.push_back(tick); };
    s.OnSceneFinished = [this](TComicStripsBase&) { finished.push_back(tick); };
  }
  void Run(TComicStripsBase& s, int ticks) {
    for (int i = 0; i < ticks; ++i) {
      ++tick;
      s.UpdateAndDraw();
      s.DrawMasks();
    }
  }
};
}  // namespace

TEST(ComicStrips, OpeningTimesItsStripsAndNarrationsFromTheTextLengths) {
  StripRig r;
  for (int n = 1; n <= 6; ++n) r.strings.StoryNarrations.Set(n, std::string(100, 'a' + n));
  r.strings.StoryNarrations.Set(7, "not the opening's");
  TComicStrips story(r.images, r.strings);
  story.LoadNarrations();
  story.Start();
  EXPECT_EQ(story.NarrationDuration(1), 8450);
  EXPECT_EQ(story.StripTime(1), 10450);
  EXPECT_EQ(story.NarrationStart(1), 1000);
  EXPECT_EQ(story.NarrationStart(6), 1000 + 5 * 10450);

  Log log;
  log.Wire(story);
  log.Run(story, 3000);
  // Each strip lasts 349 ticks (10450 ms) from the start of the previous fade-out; the
  // next strip comes when the fade reaches 0, 26 ticks later.
  ASSERT_EQ(log.strips.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(log.strips[i].first, 349 * (i + 1) + 25);
    EXPECT_EQ(log.strips[i].second, i + 2);
  }
  ASSERT_EQ(log.starts.size(), 6u);
  EXPECT_EQ(log.starts[0], std::make_pair(34, 1));    // 1000 ms
  EXPECT_EQ(log.starts[1], std::make_pair(382, 2));   // 11450 ms: after strip 2 appears
  EXPECT_EQ(log.texts[5], std::string(100, 'a' + 6));
  ASSERT_EQ(log.ends.size(), 6u);
  EXPECT_EQ(log.ends[0], 34 + 282);  // 8450 ms later
  EXPECT_EQ(log.lastEntered, std::vector<int>{log.starts[5].first});
  // Once, after the sixth strip has faded out, and it stays on the sixth strip.
  EXPECT_EQ(log.finished, std::vector<int>{6 * 349 + 25});
  EXPECT_EQ(story.CurrentStrip(), 6);
  EXPECT_EQ(story.FadeLevel(), 0);
  EXPECT_TRUE(story.Finished());
}

TEST(ComicStrips, EndingGivesTheSecondStripTwoNarrationsAndClosesWithoutOne) {
  StripRig r;
  r.strings.StoryNarrations.Set(8, std::string(10, 'x'));
  r.strings.StoryNarrations.Set(9, std::string(20, 'y'));
  r.strings.StoryNarrations.Set(10, std::string(30, 'z'));
  TEndingComicStrips ending(r.images, r.strings);
  ending.LoadNarrations();
  ending.Start();
  EXPECT_EQ(ending.NarrationDuration(1), 2870);
  EXPECT_EQ(ending.NarrationDuration(3), 4110);
  EXPECT_EQ(ending.StripTime(1), 4870);
  EXPECT_EQ(ending.StripTime(2), 3490 + 4110 + 2500);
  EXPECT_EQ(ending.StripTime(3), 12000);
  EXPECT_EQ(ending.NarrationStart(1), 1000);
  EXPECT_EQ(ending.NarrationStart(2), 5870);
  EXPECT_EQ(ending.NarrationStart(3), 4870 + 3490 + 2000);

  Log log;
  log.Wire(ending);
  log.Run(ending, 2000);
  ASSERT_EQ(log.starts.size(), 3u);
  EXPECT_EQ(log.texts[0], std::string(10, 'x'));
  EXPECT_EQ(log.texts[2], std::string(30, 'z'));
  // Both later narrations fall in the second strip.
  ASSERT_EQ(log.strips.size(), 2u);
  EXPECT_LT(log.strips[0].first, log.starts[1].first);
  EXPECT_LT(log.starts[2].first, log.strips[1].first);
  EXPECT_EQ(log.finished, std::vector<int>{163 + 337 + 400 + 25});
}

TEST(ComicStrips, SkippingAtAnyMomentFinishesExactlyOnce) {
  StripRig r;
  for (int n = 1; n <= 6; ++n) r.strings.StoryNarrations.Set(n, "Short line.");
  // Before the first narration, in the middle of one, mid-fade between strips, at the
  // very tick of the natural end and long after it.
  TComicStrips probe(r.images, r.strings);
  probe.LoadNarrations();
  probe.Start();
  const int strip = (probe.StripTime(1) + 29) / 30;
  const int end = 6 * strip + 25;
  for (int skipAt : {0, 10, 40, strip + 10, end - 1, end, end + 100}) {
    TComicStrips story(r.images, r.strings);
    story.LoadNarrations();
    Log log;
    log.Wire(story);
    story.Skip();  // not started yet: nothing to end
    EXPECT_TRUE(log.finished.empty());
    story.Start();
    log.Run(story, skipAt);
    bool running = story.NarrationRunning();
    size_t ends = log.ends.size();
    story.Skip();
    story.Skip();
    log.Run(story, 2 * end);
    EXPECT_EQ(log.finished.size(), 1u) << "skipped at " << skipAt;
    // A narration cut short still ends, so its text vanishes; none starts afterwards.
    EXPECT_EQ(log.ends.size(), ends + (running ? 1 : 0)) << "skipped at " << skipAt;
    EXPECT_EQ(log.starts.size(), log.ends.size()) << "skipped at " << skipAt;
  }

  // A handler that skips from inside OnSceneFinished does not finish it twice.
  TComicStrips story(r.images, r.strings);
  int finished = 0;
  story.OnSceneFinished = [&](TComicStripsBase& s) { ++finished, s.Skip(); };
  story.Start();
  for (int i = 0; i < 2 * end; ++i) story.UpdateAndDraw();
  EXPECT_EQ(finished, 1);

  // Started again for the next player, it tells the story again.
  story.Start();
  EXPECT_FALSE(story.Finished());
  EXPECT_EQ(story.CurrentStrip(), 1);
  story.Skip();
  EXPECT_EQ(finished, 2);
}

TEST(ComicStrips, MissingTextsAndPicturesNeverStopTheStory) {
  StripRig r;  // an empty catalogue and no pictures at all
  TComicStrips story(r.images, r.strings);
  TEndingComicStrips ending(r.images, r.strings);
  for (TComicStripsBase* s : {static_cast<TComicStripsBase*>(&story),
                              static_cast<TComicStripsBase*>(&ending)}) {
    s->LoadNarrations();
    s->Start();
    EXPECT_EQ(s->NarrationDuration(1), 2250);
    Log log;
    log.Wire(*s);
    log.Run(*s, 10000);
    EXPECT_EQ(log.finished.size(), 1u);
    EXPECT_EQ(log.starts.size(), static_cast<size_t>(s->NarrationCount()));
  }
  EXPECT_TRUE(r.backend.Quads.empty());
}

TEST(ComicStrips, DrawsTheStripZoomingAboutItsCentreBetweenTheBars) {
  StripRig r;
  r.Add("Story-01", 1366, 647);
  r.Add("StoryBGMask", 683, 168, 2);
  r.Add("BlackRect", 683, 384);
  TComicStrips story(r.images, r.strings);
  story.Start();
  story.UpdateAndDraw();
  r.backend.Quads.clear();
  story.DrawMasks();
  // Fading in: the black over the whole screen lets the strip through step by step.
  ASSERT_EQ(r.backend.Quads.size(), 3u);
  EXPECT_NEAR(r.backend.Quads[2].Corners[0].A, 255 - 10, 1);  // the screen's colour rule
  for (int i = 1; i < 100; ++i) story.UpdateAndDraw();
  r.backend.Quads.clear();
  story.UpdateAndDraw();
  story.DrawMasks();
  // Fully faded in: no black over the screen at all.
  ASSERT_EQ(r.backend.Quads.size(), 3u);
  const float s = 1 + 100 * 0.00015f;  // 101 ticks of zoom, drawn in steps of four
  const auto& strip = r.backend.Quads[0].Corners;
  EXPECT_NEAR(strip[0].X, 683 - 683 * s, 0.01);
  EXPECT_NEAR(strip[0].Y, 37 + 323.5f - 323.5f * s, 0.01);
  // The bottom bar grows up from the screen's bottom edge.
  EXPECT_NEAR(r.backend.Quads[2].Corners[2].Y, 768, 0.01);
  EXPECT_NEAR(r.backend.Quads[2].Corners[0].Y, 768 - 168, 0.01);
}
