#pragma once
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "board/BoardRig.h"
#include "levels/TLevelFileRecord.h"
#include "shell/ShellRig.h"

// A gathering level on a full board: a few apples to gather in `time` seconds.
inline TLevelFileRecord GatheringLevel(int time) {
  TLevelFileRecord r = TLevelFileRecord::Blank();
  r.GameObjective = goNormalMode;
  r.TargetApples = 5;
  r.ElementSet = TElementSet::Range(1, 6);
  r.Time = time;
  r.Board = MakeBoard({});
  r.FruitsInterval = 60;
  r.MaxSpidersOnBoard = 2;
  r.MaxWebs = 3;
  r.OneWebEveryProb = 15;
  r.FullRequiredFruits = 200;
  r.OneUniFruitEveryInterval = 100;
  r.BonusElementKind = elFruit;
  r.BonusElementCount = 20;
  return r;
}

inline void WriteLevel(const std::filesystem::path& folder, int island, int level,
                const TLevelFileRecord& r) {
  std::filesystem::create_directories(folder);
  std::ofstream out(folder / TLevelParams::LevelFileName(island, level), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&r), sizeof r);
}

struct RoundRig : ShellRig {
  explicit RoundRig(int time = 300, bool newerSystem = false)
      : ShellRig([time](const std::filesystem::path& exe) {
          for (int level = 1; level <= 11; ++level)
            WriteLevel(exe / "Levels", 1, level, GatheringLevel(time));
          WriteLevel(exe / "Levels", 2, 1, GatheringLevel(time));
          TLevelFileRecord boss = GatheringLevel(time);
          boss.GameObjective = goBossMode;
          // A quick creature: an attempt every second or so, a short drain.
          boss.Energy = 30;
          boss.RefTimeForAbsorbAttempt = 900;
          boss.HitsToCancelAbsorbAttempt = 2;
          boss.OneAbsorbedTime = 20;
          boss.PreparingTime = 600;
          boss.AbsorbingTime = 900;
          boss.FinishingTime = 600;
          WriteLevel(exe / "Levels", 1, 12, boss);
        }, newerSystem) {}
  int Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(trace.begin(), trace.end(), [&](const std::string& l) {
      return l.rfind(prefix, 0) == 0;
    }));
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) form->OmegaTimer1Timer();
  }
  // Frames until the scene is reached, at most `limit`.
  bool RunTo(TGameSceneValues scene, int limit = 600) {
    for (int i = 0; i < limit && form->Scene() != scene; ++i) form->OmegaTimer1Timer();
    return form->Scene() == scene;
  }
  void Play(int island, int level) {
    ASSERT_TRUE(form->EnterLevelDirectly(island, level, false));
    // Through the wipe (over the level screen) and the announcement.
    ASSERT_TRUE(RunTo(gsObjectiveInfo));
    ASSERT_TRUE(RunTo(gsMainGame));
  }
};
