#pragma once
#include <functional>
#include <string>

#include "board/TLightningType.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// A lightning along a row or a column of the board. It flickers over the line's extent
// and strikes at its ninth frame.
class TLightningEffect : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int StrikeFrame = 9;
  int FrameCount = 16;

  std::function<void(TLightningEffect& sender, TPoint hitTilePos, TLightningType lightningType)>
      OnFullEffect;

  // first and last: the columns (horizontal) or rows (vertical) the bolt spans, as the
  // board's LineExtents gives them; 0 spans the whole grid.
  void Start(TPoint tile, TLightningType type, int first, int last);
  void UpdateAndDraw();
  void Reset() { Running = false; }
  bool Active() const { return Running; }
  int Frame() const { return FrameNo; }

 private:
  bool Running = false;
  TPoint Tile;
  TLightningType Type = ltHorizontal;
  int First = 1, Last = 16;
  int FrameNo = 0;
};
