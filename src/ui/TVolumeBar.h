#pragma once
#include "engine/TComponent.h"

class TOmegaImageList;

// A volume gauge whose fill glides toward the set position.
class TVolumeBar : public TComponent {
 public:
  explicit TVolumeBar(TOmegaImageList& images) : OmgImgList(images) {}

  int Left = 0, Top = 0;
  int FillWidth = 123, FillHeight = 11;
  bool Enabled = true;

  // The fill's size from "VolumeFill" once it is loaded (its upper half and lower half).
  void ReloadSize();
  int GetPosition() const { return FPosition; }
  void SetPosition(int position);
  void SetNow(int position);
  void Draw();
  int DisplayedWidth() const { return Displayed; }
  int TargetWidth() const { return Target; }

 private:
  TOmegaImageList& OmgImgList;
  int FPosition = 0;
  int Target = 0, Displayed = 0;
};
