#include "TSoak.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
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

TPlatformEvent Mouse(TPlatformEventKind kind, int x, int y) {
  TPlatformEvent e;
  e.Kind = kind;
  e.X = x;
  e.Y = y;
  e.Button = TMouseButton::Left;
  return e;
}

// A click in the middle of a button, as a hand would make it.
void Press(THarness& h, const TGameButton& b) {
  int x = b.Left + b.Width() / 2, y = b.Top + b.Height() / 2;
  h.Send(Mouse(TPlatformEventKind::MouseMove, x, y));
  h.Send(Mouse(TPlatformEventKind::MouseDown, x, y));
  h.Send(Mouse(TPlatformEventKind::MouseUp, x, y));
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
  TGameSceneValues scene = gsCompanyLogos;
  long sceneFrames = 0, levelFrames = 0;
  bool restartPlanned = false, tripPlanned = false;
  enum { wantNothing, wantRestart, wantMenu } wanted = wantNothing;
  auto levelStarted = [&] {
    ++r.LevelsStarted;
    r.ResidentKiB.push_back(ResidentKiB());
    levelFrames = 0;
    restartPlanned = o.RestartEvery > 0 && r.LevelsStarted % o.RestartEvery == 0;
    tripPlanned = o.MenuTripEvery > 0 && r.LevelsStarted % o.MenuTripEvery == 0;
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
        if (game.GameObjective == goBossMode) {
          // No creature to fight yet: the level after it is started directly.
          ++r.BossesSkipped;
          ++game.LevelIdx;
          game.StartLevel();
        } else if (levelFrames > 400 && (restartPlanned || tripPlanned) && !game.AnyToolHeld()) {
          wanted = restartPlanned ? wantRestart : wantMenu;
          restartPlanned = tripPlanned = false;
          Press(harness, *game.InGameMenuButton);
        } else {
          bot->AfterFrame();
        }
        break;
      case gsInGameMenu:
        if (sceneFrames == 40) {
          if (wanted == wantRestart) {
            ++r.Restarts;
            Press(harness, *game.InGameRestartButton);
          } else if (wanted == wantMenu) {
            ++r.MenuTrips;
            Press(harness, *game.InGameToMenuButton);
          } else {
            Press(harness, *game.InGameResumeButton);
          }
          wanted = wantNothing;
        }
        break;
      case gsConfirmWindow:
        // To the menu: OK; after time up: try again.
        if (sceneFrames == 40) Press(harness, game.ConfirmWindow->PositiveButton());
        break;
      case gsTimeUp:
        if (sceneFrames == 1) ++r.Lost;
        break;
      case gsRoundClear:
        if (sceneFrames == 1) ++r.Won;
        break;
      case gsStageResult:
        if (sceneFrames == 150) Press(harness, *game.StageResultOKButton);
        break;
      case gsStickerBook:
        if (sceneFrames == 60) Press(harness, *game.HubPlayButton);
        break;
      case gsMenu:
        if (sceneFrames == 80) Press(harness, *game.PlayButton);
        break;
      case gsMap:
        if (sceneFrames == 80) Press(harness, *game.MapPlayButton);
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
                "\"bosses_skipped\":%d,\"frames\":%ld,\"rss_first_kib\":%ld,\"rss_last_kib\":%ld,"
                "\"rss_growth_kib\":%ld",
                r.LevelsStarted, r.Won, r.Lost, r.Restarts, r.MenuTrips, r.BossesSkipped,
                r.Frames, r.ResidentKiB.empty() ? 0 : r.ResidentKiB.front(),
                r.ResidentKiB.empty() ? 0 : r.ResidentKiB.back(), Growth(r));
  std::string s = line;
  if (!r.Error.empty()) s += ",\"error\":\"" + r.Error + "\"";
  return s + "}";
}
