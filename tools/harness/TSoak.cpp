#include "TSoak.h"

#include <SDL_keycode.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "TBot.h"
#include "THarness.h"
#include "THarnessScript.h"
#include "shell/TFormMain.h"

namespace {
long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

}  // namespace

TSoak::TResult TSoak::Run(const TOptions& o) {
  TResult r;
  THarness::TOptions h;
  h.ExeFolder = o.Content;
  h.Seed = o.Seed;
  h.Island = 1;
  h.Level = 1;
  h.RenderShotsOnly = true;
  THarness harness(h);
  if (!harness.Start(r.Error)) return r;
  TFormMain& game = harness.Form();
  THarnessScript none;
  auto bot = std::make_unique<TBot>(harness, o.Seed);
  std::mt19937 random(o.Seed);
  auto between = [&](long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(random); };
  TGameSceneValues scene = gsCompanyLogos;
  long sceneFrames = 0, levelFrames = 0;
  bool restartPlanned = false, tripPlanned = false;
  // The pause routes, and what a visit to the in-game menu is for.
  enum TWant { wantNothing, wantRestart, wantMenu, wantResume, wantOptions, wantHelp,
               wantMenuCancelled, wantCloseCancelled };
  TWant wanted = wantNothing;
  long leaveAt = 0, pauseAt = 0;
  // After a pause: the tube's seconds when play came back, and the frames since.
  int tubeAtResume = -1;
  long framesSinceResume = 0;
  bool pausing = false;
  // A level left alone after its pause: its time must run out.
  bool idle = false;
  long idleSince = -1;
  auto levelStarted = [&] {
    ++r.LevelsStarted;
    r.BossFights += game.GameObjective == goBossMode;
    r.ResidentKiB.push_back(ResidentKiB());
    levelFrames = 0;
    restartPlanned = o.RestartEvery > 0 && r.LevelsStarted % o.RestartEvery == 0;
    tripPlanned = o.MenuTripEvery > 0 && r.LevelsStarted % o.MenuTripEvery == 0;
    leaveAt = between(150, 450);
    pauseAt = o.Pauses ? between(120, 360) : -1;
    idle = o.TimeOutEvery > 0 && r.LevelsStarted % o.TimeOutEvery == 0 && !restartPlanned &&
           !tripPlanned;
    idleSince = -1;
    tubeAtResume = -1;
    pausing = false;
    bot = std::make_unique<TBot>(harness, o.Seed + static_cast<std::uint32_t>(r.LevelsStarted));
  };
  levelStarted();
  // A level is at most its tube and the way out; a stuck game ends the soak with an error.
  const long limit = static_cast<long>(o.Levels) * 33 * 700;
  for (long f = 0; f < limit && !game.Closed(); ++f) {
    harness.Step(none);
    ++r.Frames;
    ++levelFrames;
    if (game.Scene() != scene) {
      if (game.Scene() == gsObjectiveInfo) {
        if (r.LevelsStarted >= o.Levels) return r;
        levelStarted();
      }
      scene = game.Scene();
      sceneFrames = 0;
    }
    ++sceneFrames;
    switch (scene) {
      case gsMainGame:
        if (pausing) {
          // Back from a pause: the tube must be running again.
          pausing = false;
          tubeAtResume = game.TubeTimer->ElapsedSeconds();
          framesSinceResume = 0;
        } else if (levelFrames > leaveAt && (restartPlanned || tripPlanned) && !game.AnyToolHeld()) {
          wanted = restartPlanned ? wantRestart : wantMenu;
          restartPlanned = tripPlanned = false;
          TBot::Press(harness, *game.InGameMenuButton);
        } else if (pauseAt > 0 && levelFrames > pauseAt && !game.AnyToolHeld()) {
          pauseAt = -1;
          pausing = true;
          ++r.Pauses;
          wanted = static_cast<TWant>(between(wantResume, wantCloseCancelled));
          if (wanted == wantCloseCancelled) {
            TPlatformEvent close;
            close.Kind = TPlatformEventKind::CloseRequest;
            harness.Send(close);
          } else if (between(0, 1) == 0) {
            TPlatformEvent escape;
            escape.Kind = TPlatformEventKind::KeyDown;
            escape.Key = SDLK_ESCAPE;
            harness.Send(escape);
          } else {
            TBot::Press(harness, *game.InGameMenuButton);
          }
        } else {
          if (tubeAtResume >= 0 && ++framesSinceResume == 100) {
            if (game.TubeTimer->ElapsedSeconds() <= tubeAtResume) {
              r.Error = "the tube stood still after a pause";
              return r;
            }
            ++r.TubeChecks;
            tubeAtResume = -1;
          }
          if (!idle || pauseAt > 0) {
            bot->AfterFrame();
          } else {
            if (idleSince < 0) idleSince = levelFrames;
            if (levelFrames - idleSince > (game.TubeTimer->Time + 30) * 33L) {
              r.Error = "the time never ran out after a pause";
              return r;
            }
          }
        }
        break;
      case gsInGameMenu:
        if (sceneFrames == 40) {
          TWant now = wanted;
          wanted = wantNothing;
          switch (now) {
            case wantRestart:
              ++r.Restarts;
              TBot::Press(harness, *game.InGameRestartButton);
              break;
            case wantMenu:
            case wantMenuCancelled:
              if (now == wantMenu) ++r.MenuTrips;
              wanted = now;
              TBot::Press(harness, *game.InGameToMenuButton);
              break;
            case wantOptions: TBot::Press(harness, *game.InGameOptionsButton); break;
            case wantHelp: TBot::Press(harness, *game.InGameHelpButton); break;
            default: TBot::Press(harness, *game.InGameResumeButton); break;
          }
        }
        break;
      case gsInGameOptions:
        if (sceneFrames == 40) TBot::Press(harness, *game.OptionsOKButton);
        break;
      case gsHelp:
        if (sceneFrames == 40) TBot::Press(harness, *game.HelpDoneButton);
        break;
      case gsConfirmWindow:
        // To the menu: OK; after time up: try again; the pauses' questions: Cancel.
        if (sceneFrames == 40) {
          const bool cancel = wanted == wantMenuCancelled || wanted == wantCloseCancelled;
          wanted = wantNothing;
          TBot::Press(harness, cancel ? game.ConfirmWindow->NegativeButton()
                                : game.ConfirmWindow->PositiveButton());
        }
        break;
      case gsTimeUp:
        if (sceneFrames == 1) {
          ++r.Lost;
          if (idle) ++r.TimeOuts;
          idle = false;
        }
        break;
      case gsRoundClear:
        if (sceneFrames == 1) ++r.Won;
        break;
      case gsStageResult:
        if (sceneFrames == 150) TBot::Press(harness, *game.StageResultOKButton);
        break;
      case gsStickerBook:
        if (sceneFrames == 60) TBot::Press(harness, *game.HubPlayButton);
        break;
      case gsMenu:
        if (sceneFrames == 80) TBot::Press(harness, *game.PlayButton);
        break;
      case gsMap:
        if (sceneFrames == 80) TBot::Press(harness, *game.MapPlayButton);
        break;
      default: break;
    }
    if (sceneFrames > 33 * 400) {
      r.Error = "stuck in scene " + TGameScene::Name(scene);
      return r;
    }
  }
  if (r.LevelsStarted < o.Levels) r.Error = "the soak ran out of frames";
  return r;
}

long TSoak::Growth(const TResult& r) {
  const auto& m = r.ResidentKiB;
  if (m.size() < 4) return 0;
  std::size_t tenth = std::max<std::size_t>(1, m.size() / 10);
  long first = 0, last = 0;
  for (std::size_t i = 0; i < tenth; ++i) {
    // The first level's start comes before the board and its effects have run once.
    first = std::max(first, m[std::min(m.size() - 1, i + 1)]);
    last = std::max(last, m[m.size() - 1 - i]);
  }
  return last - first;
}

std::string TSoak::ToJson(const TResult& r) {
  char line[512];
  std::snprintf(line, sizeof line,
                "{\"levels\":%d,\"won\":%d,\"lost\":%d,\"restarts\":%d,\"menu_trips\":%d,"
                "\"boss_fights\":%d,\"frames\":%ld,\"rss_first_kib\":%ld,\"rss_last_kib\":%ld,"
                "\"rss_growth_kib\":%ld,\"pauses\":%d,\"tube_checks\":%d,\"time_outs\":%d",
                r.LevelsStarted, r.Won, r.Lost, r.Restarts, r.MenuTrips, r.BossFights,
                r.Frames, r.ResidentKiB.empty() ? 0 : r.ResidentKiB.front(),
                r.ResidentKiB.empty() ? 0 : r.ResidentKiB.back(), Growth(r), r.Pauses,
                r.TubeChecks, r.TimeOuts);
  std::string s = line;
  if (!r.Error.empty()) s += ",\"error\":\"" + r.Error + "\"";
  return s + "}";
}
