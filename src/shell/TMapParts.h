#pragma once
#include <memory>

#include "metagame/TCompletedStamps.h"
#include "metagame/TMapIslands.h"
#include "metagame/TWorldMapObjects.h"
#include "ui/TGameButton.h"
#include "ui/TPanelMover.h"

class TOmegaImageList;
class TTextStrings;
class TWidgetMaker;

// The world map with its islands, stamps and travellers.
class TMapParts {
 public:
  std::unique_ptr<TMapIslands> MapIslands;
  std::unique_ptr<TCompletedStamps> CompletedStamps;
  std::unique_ptr<TWorldMapObjects> WorldMapObjects;
  std::unique_ptr<TPanelMover> MapLeftPanel, MapRightPanel;
  std::unique_ptr<TGameButton> MapMenuButton, MapPlayButton;

 protected:
  void Create(const TWidgetMaker& make, TOmegaImageList& images, TTextStrings& texts);
  // The corner buttons follow their panels.
  void Wire();
  void ReadImageSizes();
};
