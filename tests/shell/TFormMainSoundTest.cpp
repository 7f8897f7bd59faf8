#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "shell/ShellRig.h"

namespace {
using TRoute = std::function<void(const std::string& name)>;
}  // namespace

// Every component that plays a sound was handed the window's route: a component left out
// would play to nobody, silently.
TEST(FormMainSound, EveryComponentReachesTheEffectPlayer) {
  ShellRig r;
  r.GiveSounds({"Click"});
  TFormMain& f = *r.form;
  const std::vector<std::pair<std::string, const TRoute*>> routes = {
      {"board", &f.GameBoard->PlaySound},
      {"shuffle away", &f.ShuffleAway->PlaySound},
      {"lockers away", &f.LockersAway->PlaySound},
      {"grouped elements", &f.GroupedElements->PlaySound},
      {"opening lockers", &f.OpeningLockers->PlaySound},
      {"chain lock", &f.ChainLockEffect->PlaySound},
      {"falling elements", &f.FallingElements->PlaySound},
      {"locker filler", &f.LockerFiller->PlaySound},
      {"spiders", &f.Spiders->PlaySound},
      {"hammer on an item", &f.HammerItemEffect->PlaySound},
      {"hammer tool", &f.HammerToolEffect->PlaySound},
      {"hammered objects", &f.HammeredObjects->PlaySound},
      {"bomb", &f.BombEffect->PlaySound},
      {"big bomb", &f.BigBombEffect->PlaySound},
      {"lightning", &f.LightningEffect->PlaySound},
      {"magic key", &f.MagicKey->PlaySound},
      {"broom", &f.Broom->PlaySound},
      {"aerosol", &f.Aerosol->PlaySound},
      {"flying key", &f.FlowingKey->PlaySound},
      {"flying broom", &f.FlowingBroom->PlaySound},
      {"flying aerosol", &f.FlowingAerosol->PlaySound},
      {"gathering counter", &f.ElementGather->CounterDisplay(0).PlaySound},
      {"score", &f.ScoreCounter->PlaySound},
      {"combos", &f.Combos->PlaySound},
      {"result statistics", &f.ResultStats->PlaySound},
      {"medal stamp", &f.ResultMedal->Stamp().PlaySound},
      {"game comments", &f.GameComments->PlaySound},
      {"book found", &f.BookFoundComment->PlaySound},
      {"chapter entry", &f.ChapterEntryComment->PlaySound},
      {"upgrades finished", &f.UpgradesComment->PlaySound},
      {"map stamps", &f.CompletedStamps->PlaySound},
      {"confirmation yes", &f.ConfirmWindow->PositiveButton().PlaySound},
      {"confirmation no", &f.ConfirmWindow->NegativeButton().PlaySound},
  };
  int heard = 0;
  auto expectHeard = [&](const std::string& what, const TRoute& route) {
    ASSERT_TRUE(route) << what;
    route("Click");
    EXPECT_EQ(r.Heard("Click"), ++heard) << what;
  };
  for (const auto& [what, route] : routes) expectHeard(what, *route);
  for (int i = 0; i < TFormMain::ToolCount; ++i)
    expectHeard("tool " + std::to_string(i), f.Tools[i]->PlaySound);
  for (TGameButton* b :
       {f.StorySkipButton.get(), f.HelpDoneButton.get(), f.CreditsDoneButton.get(),
        f.NameListNewButton.get(), f.NameListDeleteButton.get(), f.NameListOKButton.get(),
        f.AddNameOKButton.get(), f.AddNameCancelButton.get(), f.ChangePlayerLink.get(),
        f.PlayButton.get(), f.OptionsButton.get(), f.HighScoresButton.get(), f.ExitButton.get(),
        f.HelpButton.get(), f.MapMenuButton.get(), f.MapPlayButton.get(),
        f.OptionsCreditsButton.get(), f.OptionsOKButton.get(), f.SoundMinusButton.get(),
        f.SoundPlusButton.get(), f.MusicMinusButton.get(), f.MusicPlusButton.get(),
        f.HighScoresOKButton.get(), f.InGameMenuButton.get(), f.InGameResumeButton.get(),
        f.InGameRestartButton.get(), f.InGameOptionsButton.get(), f.InGameHelpButton.get(),
        f.InGameToMenuButton.get(), f.StageResultOKButton.get(), f.HubPlayButton.get()})
    expectHeard("button " + b->ImageName, b->PlaySound);
  for (TGameCheckBox* c :
       {f.SoundCheck.get(), f.MusicCheck.get(), f.FullScreenCheck.get(), f.TutorialCheck.get()})
    expectHeard("check box " + c->ImageName, c->PlaySound);
}

// The voice route plays on whichever voice player the window holds now: a voice group
// comes with a player of its own, and without one nothing plays and nothing breaks.
TEST(FormMainSound, VoicesFollowTheCurrentVoicePlayer) {
  ShellRig r;
  const auto folder = r.exe.Path / "Voices" / "Story";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "StoryOpening1.ogg") << "x";
  TFormMain& f = *r.form;
  const TRoute route = f.PlayVoice;  // handed out before the group changes
  route("StoryOpening1");            // the ending group has no such voice
  f.VoicePlayer = std::make_unique<TVoicePlayer>(r.audio);
  f.VoicePlayer->OnTrace = [&](const std::string& kind, const std::string& name) {
    r.trace.push_back(kind + " " + name);
  };
  f.VoicePlayer->LoadGroup(folder.string() + "/");
  route("StoryOpening1");
  f.VoicePlayer.reset();
  route("StoryOpening1");
  EXPECT_EQ(std::count(r.trace.begin(), r.trace.end(), "voice StoryOpening1"), 1);
}
