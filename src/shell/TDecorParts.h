#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "effects/TBackgroundEffects.h"
#include "effects/TConfettiFireworks.h"
#include "effects/TFireworksTrigger.h"
#include "effects/TFog.h"
#include "effects/TGeneralShine.h"
#include "effects/TNewPlopEffect.h"
#include "effects/TPlayShine.h"
#include "effects/TScoringDust.h"
#include "effects/TSparklingEffect.h"
#include "effects/TWorldMapWaves.h"

class TOmegaImageList;

// The decorations that make the screens live: the menu's sparkles and play-button shine, the
// map's waves, shine, fog and new-island plop, each island's background details, and the
// fireworks and scoring dust of a won round. The board's own decorations (landing dust, a
// found potion's butterflies) live with the board.
class TDecorParts {
 public:
  static constexpr int MenuSparkleCount = 6;
  std::array<std::unique_ptr<TSparklingEffect>, MenuSparkleCount> MenuSparkles;
  std::unique_ptr<TGeneralShine> PlayButtonShine;
  std::unique_ptr<TWorldMapWaves> MapWaves;
  std::unique_ptr<TPlayShine> MapPlayShine;
  std::unique_ptr<TFog> MapFog;
  std::unique_ptr<TNewPlopEffect> NewIslandPlop;
  std::unique_ptr<TBackgroundEffects> BackgroundEffects;
  std::unique_ptr<TConfettiFireworks> Fireworks;
  std::unique_ptr<TFireworksTrigger> FireworksTrigger;
  std::unique_ptr<TScoringDust> ScoringDust;

 protected:
  void Create(TOmegaImageList& images, bool isWindows8OrLater,
              const std::function<void(const std::string& name)>& sound);
  // A fireworks trigger launches a rocket from either side.
  void Wire();
  // A rocket from either side; none where the system leaves the confetti out, so that no
  // bang is heard over an empty sky.
  void LaunchFireworks();
  void ReadImageSizes();
  // What one level leaves behind goes with it.
  void ResetForLevel(int island);
  void DrawMenuSparkles();

 private:
  bool FireworksShown = true;
};
