#include "shell/TMapParts.h"

#include "shell/TWidgetMaker.h"

void TMapParts::Create(const TWidgetMaker& make, TOmegaImageList& images, TTextStrings& texts) {
  MapIslands = std::make_unique<TMapIslands>();
  CompletedStamps = std::make_unique<TCompletedStamps>();
  WorldMapObjects = std::make_unique<TWorldMapObjects>();
  MapIslands->OmgImgList = CompletedStamps->OmgImgList = WorldMapObjects->OmgImgList = &images;
  MapIslands->TextStringsComp = &texts;
  CompletedStamps->PlaySound = make.SoundRoute();
  MapLeftPanel = std::make_unique<TPanelMover>();
  MapLeftPanel->Setup(0, 654, -40, 694, 1, 1);
  MapRightPanel = std::make_unique<TPanelMover>();
  MapRightPanel->Setup(1196, 654, 1236, 694, 1, 1);
  MapMenuButton = make.Button("MapMenuButton", -999, -999);
  MapPlayButton = make.Button("MapPlayButton", -999, -999);
}

void TMapParts::Wire() {
  MapLeftPanel->OnPosUpdate = [this](TPanelMover&, TPoint p) {
    MapMenuButton->SetPosition(p.X + 40, p.Y + 26);
  };
  MapRightPanel->OnPosUpdate = [this](TPanelMover&, TPoint p) {
    MapPlayButton->SetPosition(p.X + 33, p.Y + 26);
  };
}

void TMapParts::ReadImageSizes() {
  MapMenuButton->ReloadSize();
  MapPlayButton->ReloadSize();
}
