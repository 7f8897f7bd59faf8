#pragma once
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Little stars that sink and fade; groups of four, the newest group replacing the oldest.
class TStarsEffect : public TComponent {
 public:
  static constexpr int GroupCount = 50;
  static constexpr int StarsPerGroup = 4;

  struct TStar {
    bool Active = false;
    float X = 0, Y = 0;
    int Alpha = 0;
    int Timer = 0, Lifetime = 0;
    int Pattern = 1;
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int AlphaStep = 4;

  void StarsAtTile(TPoint tile);
  void StarsAtPoint(int x, int y);
  void UpdateAndDraw();
  void Reset();

  int ActiveCount() const;
  const TStar& Star(int group, int index) const { return Groups[group][index]; }
  int LastGroup() const { return Group; }

 private:
  TStar* NextGroup();

  TStar Groups[GroupCount][StarsPerGroup];
  int Group = GroupCount - 1;  // the first group takes slot 0
};
