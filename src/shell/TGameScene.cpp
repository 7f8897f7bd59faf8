#include "shell/TGameScene.h"

void TGameScene::SetValue(TGameSceneValues value) {
  if (value == Value) return;
  if (OnChanged) OnChanged(*this, Value, value);
  Value = value;
}

std::string TGameScene::Name(TGameSceneValues value) {
  static const char* kNames[] = {
      "gsCompanyLogos", "gsSplash",     "gsMenu",           "gsPlayerSelect",  "gsMap",
      "gsMainGame",     "gsInGameMenu", "gsInGameOptions",  "gsRoundClear",    "gsTimeUp",
      "gsOptions",      "gsHighScores", "gsHelp",           "gsObjectiveInfo", "gsTutorial",
      "gsTutorialToolTip", "gsStageResult", "gsStickerBook", "gsConfirmWindow", "gsAddPlayer",
      "gsAddInitialPlayer", "gsCredits", "gsOpeningStory",  "gsEndingStory"};
  int i = static_cast<int>(value);
  return i >= 0 && i < 24 ? kNames[i] : "gs?";
}
