#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "engine/TComponent.h"

class TOmegaImageList;
class TGlobalGameText;

// How complete the sticker book is, as a glass tube filling up on the hub's top panel. A
// new band of progress pops the book badge a few seconds after it is reached.
class TBookProgressTube : public TComponent {
 public:
  using TProgressTubeStatusChangeEvent =
      std::function<void(TBookProgressTube& sender, std::uint8_t statusIdx)>;

  TOmegaImageList* OmgImgList = nullptr;
  // The caption under the tube ("Sticker book"), written when a text writer is given.
  TGlobalGameText* GlobGameText = nullptr;
  std::string Caption;
  int Left = 938, Top = 0;
  int FillWidth = 251, FillHeight = 19;
  int FillOffsetX = 24, FillOffsetY = 11;
  int PopDelay = 3000;
  float ShownStep = 0.33f;
  TProgressTubeStatusChangeEvent OnStatusChange;

  // The fill's size from "BookProgressTubeFill" once the pictures are loaded.
  void ReadImageSizes();
  void SetPosition(int p);
  void SetPositionSilently(int p);
  void Reset();
  // Moves the shown fill, runs a waiting pop, and draws.
  void Draw();

  int Position() const { return FPosition; }
  float ShownPosition() const { return Shown; }
  int Status() const { return FStatus; }
  bool PopPending() const { return Pending; }
  // The badge's size while it pops: 1 at rest.
  float PopRatio() const { return Ratio; }
  // 0 for 0, otherwise 1 + the band of p (1..10).
  static int StatusOf(int p);

 private:
  int FPosition = 0;
  float Shown = 0;
  int FStatus = 0;
  bool Pending = false;
  int PendingStatus = 0;
  int PopTimer = 0;
  int PopPhase = 0;  // 0 still, 1 swelling, 2 settling
  float Ratio = 1;
};
