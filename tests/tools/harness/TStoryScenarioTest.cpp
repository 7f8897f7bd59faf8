// The opening story as a new player meets it: told to the end, skipped at any moment, left by
// closing the window; each reaches the menu once, silences the voice and frees the pictures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScenarioRun.h"
#include "shell/TFormMain.h"

namespace {
// Logos, splash, the first player's name: the story begins at frame 294.
const char* NewPlayer = "30 click 600 400\n250 click 600 400\n260 text wynnet\n265 key Return\n";

std::vector<std::string> Voices(const TRun& run) {
  std::vector<std::string> names;
  for (const TLine& l : run.Of("voice")) names.push_back(l.Details);
  return names;
}

bool AnyVoicePlays(THarness& h) {
  TVoicePlayer& voices = *h.Form().VoicePlayer;
  for (int i = 0; i < voices.Count(); ++i)
    if (h.AudioOutput().IsPlaying(voices.SlotStream(i))) return true;
  return false;
}

bool StoryPicturesLoaded(THarness& h) {
  return h.Form().GroupLoaded(igStory) || h.Form().OmegaImageList1.Find("Story-01") != nullptr;
}
}  // namespace

// Told to the end, with a focus loss on the way: the six voices in order from the story's
// own group, the voice silenced by the pause, the told mark saved from the start, and the
// menu once, with the music back at full volume and the story's pictures gone.
TEST(StoryScenario, TheOpeningIsToldToTheEndAndLeadsToTheMenu) {
  SaveFolder folder;
  bool toldInFile = false, silentWhilePaused = true, ownGroup = true, quietAgain = false;
  TRun run = Play(std::string(NewPlayer) + "1000 focus-lost\n1040 focus-gained\n", 3300, 0, 0,
                  [&](THarness& h) {
    TFormMain& f = h.Form();
    if (h.Frame() == 300) {
      toldInFile = folder.Save("WYNNET").OpeningStoryTold;
      for (int i = 0; i < f.VoicePlayer->Count(); ++i)
        ownGroup = ownGroup && f.VoicePlayer->SlotName(i).rfind("StoryOpening", 0) == 0;
      ownGroup = ownGroup && f.VoicePlayer->Count() == 6;
    }
    if (h.Frame() > 1000 && h.Frame() < 1040) silentWhilePaused &= !AnyVoicePlays(h);
    // Back from the focus loss, the music is as quiet under the voices as before it.
    if (h.Frame() == 1100) quietAgain = f.MusicBox->Volume() == (f.CurrentSave.MusicVolume * 82 + 50) / 100;
    if (h.Frame() == 1039) {
      // Full screen minimises on a focus loss; the window comes back restored.
      TPlatformEvent restored;
      restored.Kind = TPlatformEventKind::Restored;
      h.Send(restored);
    }
    if (f.Scene() == gsMenu && !f.SceneTransition->IsActive()) {
      EXPECT_FALSE(StoryPicturesLoaded(h));
      EXPECT_EQ(f.MusicBox->Volume(), f.CurrentSave.MusicVolume);
      EXPECT_TRUE(h.Missing().empty()) << *h.Missing().begin();
      return false;
    }
    return true;
  });
  EXPECT_TRUE(toldInFile);
  EXPECT_TRUE(ownGroup) << "the voice player does not hold the story's voices";
  EXPECT_TRUE(silentWhilePaused);
  EXPECT_TRUE(quietAgain);
  EXPECT_EQ(Voices(run), (std::vector<std::string>{"StoryOpening1", "StoryOpening2",
                                                   "StoryOpening3", "StoryOpening4",
                                                   "StoryOpening5", "StoryOpening6"}));
  EXPECT_EQ(run.Count("scene", "gsOpeningStory gsMenu"), 1);
  EXPECT_EQ(run.Of("scene").back().Details, "gsOpeningStory gsMenu");
}

// The skip button before the first narration, while the first strip fades out and during the
// last strip's fade: the voice stops at once, no later voice starts, and the menu comes once,
// even when the strips are skipped again while the wipe closes.
TEST(StoryScenario, SkippingAtAnyMomentReachesTheMenuOnce) {
  struct TMoment {
    long Frame;
    const char* What;
  };
  for (TMoment m : {TMoment{315, "before the narration"}, TMoment{760, "mid-fade"},
                    TMoment{3075, "the last fade"}}) {
    SCOPED_TRACE(m.What);
    SaveFolder folder;
    int fadeBefore = -1, narrationBefore = -1;
    bool playsAfter = true;
    TRun run = Play(std::string(NewPlayer) + std::to_string(m.Frame) +
                        " click-widget StorySkipButton\n",
                    m.Frame + 200, 0, 0, [&](THarness& h) {
      TFormMain& f = h.Form();
      if (h.Frame() == m.Frame - 1) {
        fadeBefore = f.ComicStrips->FadeLevel();
        narrationBefore = f.ComicStrips->CurrentNarration();
      }
      if (h.Frame() == m.Frame + 1) {
        playsAfter = AnyVoicePlays(h);
        // The button and the strips once more: both end in the same place, already taken.
        f.ComicStrips->Skip();
        f.StorySkipButton->OnClick(*f.StorySkipButton);
      }
      return true;
    });
    if (m.Frame == 315) {
      EXPECT_EQ(narrationBefore, 0);
    } else {
      EXPECT_TRUE(fadeBefore > 0 && fadeBefore < 255) << fadeBefore;
    }
    EXPECT_FALSE(playsAfter);
    for (const TLine& l : run.Of("voice")) EXPECT_LT(l.Frame, m.Frame);
    EXPECT_EQ(run.Count("scene", "gsOpeningStory gsMenu"), 1);
    EXPECT_EQ(run.Of("scene").back().Details, "gsOpeningStory gsMenu");
  }
}

// The window closed during the story: the player is saved with the story told, and the next
// start goes straight to the menu.
TEST(StoryScenario, ClosingDuringTheStoryKeepsItToldForTheNextStart) {
  SaveFolder folder;
  TRun first = Play(std::string(NewPlayer) + "900 close\n", 1000);
  ASSERT_EQ(first.Count("close", ""), 1);
  EXPECT_TRUE(folder.Save("WYNNET").OpeningStoryTold);
  TRun again = Play("30 click 600 400\n250 click 600 400\n", 400);
  EXPECT_EQ(again.Count("scene", "gsSplash gsMenu"), 1);
  EXPECT_EQ(again.Count("scene", "gsMenu gsOpeningStory"), 0);
  EXPECT_TRUE(again.Of("voice").empty());
}
