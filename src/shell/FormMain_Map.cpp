// The world map with its islands, stamps and travellers.
#include "shell/TFormMain.h"

void TFormMain::WireMap() {}

void TFormMain::EnterMap() {
  // An island whose four dishes are bought opens the next one, which becomes the current.
  if (BuySlots->IsCurrentIslandComplete() && BuySlots->IslandIdx < TMapIslands::IslandCount) {
    MapIslands->OpenIsland(BuySlots->IslandIdx + 1);
    MapIslands->SelectHighestOpened();
  }
  MapLeftPanel->Show();
  MapRightPanel->Show();
  WorldMapObjects->ChooseJourneys();
  const int island = MapIslands->SelectedIsland();
  CompletedStamps->LastOpenedIslandIdx = static_cast<std::uint8_t>(island);
  if (island != BuySlots->IslandIdx) {
    BuySlots->IslandIdx = island;
    BuySlots->LevelIdx = 1;
  }
  BuySlots->UpdateAffordable();
  PracticeGame->IslandIdx = island;
  NewIslandPlop->Reset();
  if (!MapIslands->Visited(island)) {
    BuySlots->LevelIdx = 1;
    // The map is entered at the wipe's darkest point; the plop's delay outlasts the wipe's
    // opening, so the burst is seen over the new island instead of behind the veil.
    const TPoint marker = TMapIslands::MarkerPosition(island);
    NewIslandPlop->DelayedPlop(static_cast<float>(marker.X), static_cast<float>(marker.Y));
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
  // The newest stamp lands once the wipe onto the map has opened, where it can be seen.
  CompletedStamps->Holding = SceneTransition->IsActive() && SceneTransition->GetPhase() == 1;
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
  ApplyPendingStickers();
  const int island = MapIslands->SelectedIsland();
  if (island < 1 || island > 5 || GameComplete()) return;
  MapIslands->MarkVisited();
  BuySlots->IslandIdx = island;
  StartLevel();
}
