#pragma once
#include <functional>

#include "engine/TComponent.h"
#include "shell/TGameScene.h"

class TOmegaImageList;
class TGlobalGameText;
class TTextStrings;

// The dark spinning wipe between scenes: it closes over the old scene, switches at its
// darkest point and opens on the new one.
class TSceneTransition : public TComponent {
 public:
  TSceneTransition(TOmegaImageList& images, TGlobalGameText& text, TTextStrings& strings)
      : OmgImgList(images), GlobGameText(text), TextStringsComp(strings) {}

  int BaseAlphaStep = 10;
  float MaxSizeRatioAdd = 32.0f;
  float AngleAdd = 3.0f;
  std::function<void(TSceneTransition& sender, TGameSceneValues oldScene,
                     TGameSceneValues newScene)>
      OnStartToSwitch;
  std::function<void(TSceneTransition& sender, TGameSceneValues newScene)> OnSceneSwitch;

  void StartSwitch(TGameSceneValues oldScene, TGameSceneValues newScene);
  void DrawFrame();
  bool IsBlocking() const;
  void Cancel() { Active = false; }
  bool IsActive() const { return Active; }
  int GetPhase() const { return Phase; }
  int GetAlpha() const { return Alpha; }
  float GetSizeAdd() const { return SizeAdd; }

 private:
  TOmegaImageList& OmgImgList;
  TGlobalGameText& GlobGameText;
  TTextStrings& TextStringsComp;
  bool Active = false;
  int Phase = 0;
  int Alpha = 0;
  float Angle = 0;
  float SizeAdd = 32.0f;
  TGameSceneValues TargetScene = gsMenu;
};
