#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "bosses/TBoss.h"
#include "bosses/TBossPainter.h"
#include "bosses/TMonsterAura.h"

class TOmegaImageList;

// The five island creatures of the boss rounds and the aura they raise. Only the creature of
// a boss round's island is shown; the others stay hidden and take no hits.
class TBossParts {
 public:
  static constexpr int BossCount = 5;
  // Island 1 owl, 2 squirrel, 3 bee, 4 bat, 5 cat.
  std::array<std::unique_ptr<TBoss>, BossCount> Bosses;
  std::unique_ptr<TMonsterAura> MonsterAura;
  TBossPainter BossPainter;

  // The creature of island 1..5.
  TBoss& IslandBoss(int island);
  // The creature fighting this round, or none outside boss rounds.
  TBoss* RoundBoss() const { return FRoundBoss; }

 protected:
  void Create(TOmegaImageList& images, const std::function<void(const std::string& name)>& sound);
  // The aura rises with the absorbing and falls with its end.
  void Wire();
  // Every creature back to its start, hidden; the aura cleared for the round.
  void ResetForLevel();
  // The island's creature takes the level's seven values and shows; it waits for the "go".
  void ShowRoundBoss(int island, int energy, int refTimeForAbsorbAttempt,
                     int hitsToCancelAbsorbAttempt, int oneAbsorbedTime, int preparingTime,
                     int absorbingTime, int finishingTime);
  void UpdateAndDrawBosses();

 private:
  TBoss* FRoundBoss = nullptr;
  std::function<void(const std::string& name)> PlaySound;
};
