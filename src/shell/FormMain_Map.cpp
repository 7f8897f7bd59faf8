// The world map with its islands, stamps and travellers, and the plain hub between levels
// whose Play button leads on to the island's next level.
#include "metagame/TIslandRewards.h"
#include "shell/TFormMain.h"

void TFormMain::WireMap() {
  HubPlayButton->OnClick = [this](TGameButton&) { HubPlay(); };
}

void TFormMain::EnterMap() {
  // The shop decides when an island is finished; until it exists the islands stay as saved.
  MapLeftPanel->Show();
  MapRightPanel->Show();
  WorldMapObjects->ChooseJourneys();
  const int island = MapIslands->SelectedIsland();
  CompletedStamps->LastOpenedIslandIdx = static_cast<std::uint8_t>(island);
  if (island != IslandIdx) {
    IslandIdx = island;
    LevelIdx = 1;
  }
  NewIslandPlop->Reset();
  if (!MapIslands->Visited(island)) {
    LevelIdx = 1;
    const TPoint marker = TMapIslands::MarkerPosition(island);
    NewIslandPlop->Plop(static_cast<float>(marker.X), static_cast<float>(marker.Y));
  }
  MusicBox->Request(mrSplash);
  std::string message;
  if (int chapter = MapIslands->NextAnnouncement(message)) {
    CompletedStamps->AnimateNewStamp();
    ChapterEntryComment->ShowChapterEntry(message, chapter);
  }
}

void TFormMain::SceneMap() {
  MapLeftPanel->Update();
  MapRightPanel->Update();
  LogoSwing.Step();
  if (!OmegaImageList1.Find("MapBG")) LoadImageFile(igMain, "MapBG.jpg", srLateLoad, ifJpeg);
  OmegaImageList1.DrawImage("MapBG", 0, 0, 0);
  MapWaves->UpdateAndDraw();
  WorldMapObjects->UpdateAndDraw();
  OmegaImageList1.DrawImage("GameLogo", -20, 20, 0,
                            {.CenterX = 0.5f, .CenterY = 0.5f, .Angle = LogoSwing.Value});
  MapIslands->Draw();
  CompletedStamps->Draw();
  MapFog->UpdateAndDraw();
  NewIslandPlop->UpdateAndDraw();
  ChapterEntryComment->UpdateAndDraw();
  TPoint left = MapLeftPanel->Position(), right = MapRightPanel->Position();
  OmegaImageList1.DrawImage("CornerLeftPanel", static_cast<float>(left.X - 4),
                            static_cast<float>(left.Y - 4), 0);
  OmegaImageList1.DrawImage("CornerRightPanel", static_cast<float>(right.X - 4),
                            static_cast<float>(right.Y - 4), 0);
  // The shine breathes round the Play button (our map keeps it in its corner panel); under
  // the button, so that its seven added rays do not wash out the word.
  MapPlayShine->Left = MapPlayButton->Left + MapPlayButton->Width() / 2 -
                       OmegaImageList1.TileWidthOf("PlayShine") / 2;
  MapPlayShine->Top = MapPlayButton->Top + MapPlayButton->Height() / 2 -
                      OmegaImageList1.TileHeightOf("PlayShine") / 2;
  MapPlayShine->UpdateAndDraw();
  MapMenuButton->Draw();
  MapPlayButton->Draw();
  ScreenDust->UpdateAndDraw();
}

void TFormMain::MapPlay() {
  const int island = MapIslands->SelectedIsland();
  if (island < 1 || island > 5) return;
  MapIslands->MarkVisited();
  IslandIdx = island;
  StartLevel();
}

void TFormMain::SceneHub() {
  // The restaurant, shop and sticker book arrive with the hub; meanwhile the island
  // background and the Play button for the next level.
  OmegaImageList1.DrawImage("GameBG" + std::to_string(BackgroundIdx), 0, 0, 0);
  // The chapter's name over the island.
  DrawCentredText(TextStrings.GameComments[IslandIdx], 0, 1366, 330, {.Scale = 1.2});
  OmegaImageList1.DrawImage("CornerRightPanel", 1192, 650, 0);
  HubPlayButton->Draw();
  ScreenDust->UpdateAndDraw();
}

void TFormMain::HubPlay() {
  // Also while the wipe into the hub still fades: the level's start takes the wipe over.
  HubPlayButton->Visible = false;
  ++LevelIdx;
  StartLevel();
}

void TFormMain::AddIslandReward(int island) { TIslandRewards::AddTo(OwnedElements, island); }
