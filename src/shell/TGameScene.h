#pragma once
#include <functional>
#include <string>

#include "engine/TComponent.h"

enum TGameSceneValues {
  gsCompanyLogos,
  gsSplash,
  gsMenu,
  gsPlayerSelect,
  gsMap,
  gsMainGame,
  gsInGameMenu,
  gsInGameOptions,
  gsRoundClear,
  gsTimeUp,
  gsOptions,
  gsHighScores,
  gsHelp,
  gsObjectiveInfo,
  gsTutorial,
  gsTutorialToolTip,
  gsStageResult,
  gsStickerBook,
  gsConfirmWindow,
  gsAddPlayer,
  gsAddInitialPlayer,
  gsCredits,
  gsOpeningStory,
  gsEndingStory,
};

// The holder of the current scene.
class TGameScene : public TComponent {
 public:
  TGameSceneValues GetValue() const { return Value; }
  // Raises OnChanged before storing, so the handler still reads the old scene.
  void SetValue(TGameSceneValues value);
  std::function<void(TGameScene& sender, TGameSceneValues oldScene, TGameSceneValues newScene)>
      OnChanged;

  static std::string Name(TGameSceneValues value);

 private:
  TGameSceneValues Value = gsCompanyLogos;
};
