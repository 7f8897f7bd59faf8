// The island hub between levels: the sticker book's town, the pocket, the shop and its
// dishes, the cooking practice that every purchase plays out, and the way on (the next level,
// the next island, the end) or back to the menu.
#include <cstdio>
#include <set>

#include "engine/TGameRandom.h"
#include "shell/TFormMain.h"

namespace {
// The guide's lines of GameTexts.
constexpr int GuideCookedLine = 15, GuideToDoLine = 19, GuideSailLine = 23, GuideFedLine = 27;
}  // namespace

void TFormMain::WireHub() {
  HubPlayButton->OnClick = [this](TGameButton&) { HubPlay(); };
  HubMenuButton->OnClick = [this](TGameButton&) { HubToMenu(); };
  std::string error;
  if (!BuySlots->Init(error)) {
    // The shop sells nothing rather than anything for free; the player is told why.
    Trace("error", error);
    Services.MessageBoxes->Show(Caption, error, TMessageButtons::Ok, true);
  }
  PracticeGame->OnLoadError = [this](TPracticeMiniGame&, const std::string& message) {
    Trace("error", message);
    Services.MessageBoxes->Show(Caption, message, TMessageButtons::Ok, true);
  };
  PracticeGame->LoadData();

  BuySlots->OnBuy = [this](TBuySlots&, int island, int slot, const TElementsCount& price) {
    BuyDish(island, slot, price);
  };
  BuySlots->OnBuyButtonMouseOver = [this](TBuySlots&, int island, int slot,
                                          const TBuySlotData& item) {
    BuySlotsInfo->MouseOver(BuySlots->OwnedElements(), island, slot, item);
    Pocket->ShowPriceWarnings(item.Price);
  };
  BuySlots->OnBuyButtonMouseOff = [this](TBuySlots&, int, int, const TBuySlotData&) {
    BuySlotsInfo->MouseOff();
    Pocket->ClearPriceWarnings();
  };
  BuySlots->OnOwnedElementsAdd = [this](TBuySlots&, TElementKind kind, float count) {
    Pocket->Add(kind, count);
  };
  HubShopPanel->OnShowingCompleted = [this](TPanelMover&) {
    if (Scene() == gsStickerBook) BuySlots->CheckAffordableNotice();
  };
  HubShopPanel->OnHidingCompleted = [this](TPanelMover&) {
    if (!PracticePending || Scene() != gsStickerBook) return;
    PracticePending = false;
    ScreenDarkener->FadeIn();
    PracticeGame->Open();
    Trace("practice", "open " + std::to_string(PracticeGame->DishIdx()));
  };
  PracticeGame->OnFinished = [this](TPracticeMiniGame&, int island, int slot,
                                    const TElementsCount& price) {
    PracticeFinished(island, slot, price);
  };
  SmallWynnet->OnCheerPeak = [this](TSmallWynnet&) { PurchaseIntoBook(); };
  SmallWynnet->OnAfterCheerUpDelay = [this](TSmallWynnet& w) {
    StartChapterDialog(4 * (w.BuySlotsIslandIdx - 1) + w.BuySlotsSlotIdx + 1);
  };
  Pocket->OnStarPosUpdate = [this](TWynnetPocket&, TPoint p) {
    ScoringDust->Emit(static_cast<float>(p.X), static_cast<float>(p.Y));
  };
  StickerBook->OnCheckIfObjectImageLoaded = [this](TStickerBookObjects&, const std::string& name) {
    if (Scene() == gsStickerBook && !OmegaImageList1.Find(name))
      LoadImageFile(igUpgrades, name + ".png", srGroupFolder, ifPng);
  };
  StickerBook->OnTimeToDrawCitizens = [this](TStickerBookObjects& book) {
    BookPainter->DrawCitizens(book);
  };
  UpgradesComment->OnWavingFinished = [this](TGameComment&, TGameCommentType) {
    RestoParts->HideTitle();
  };
  RestoCustomers->OnTrace = [this](const std::string& kind, const std::string& details) {
    Trace(kind, details);
  };
}

// The book's last page, which the fifth island's completion turns: with only every sticker in,
// that island's completion (its reward, the zeppelin) is still to come.
bool TFormMain::GameComplete() const {
  return StickerBook->IsAcquired(TStickerBookObjects::ZeppelinGroup);
}

void TFormMain::LoadHubPictures() {
  // The town's stage and the stickers it shows; what a purchase adds is asked for then.
  const std::string stage = StickerBook->BackgroundName();
  if (!OmegaImageList1.Find(stage)) LoadImageFile(igUpgrades, stage + ".jpg", srGroupFolder, ifJpeg);
  for (int i = 1; i <= TStickerBookObjects::MaxObjects; ++i) {
    const std::string& name = StickerBook->Object(i).ImageName;
    if (!name.empty() && StickerBook->NeedsImage(name) && !OmegaImageList1.Find(name))
      LoadImageFile(igUpgrades, name + ".png", srGroupFolder, ifPng);
  }
  // Only the current island's kitchen.
  for (int i = 1; i <= 5; ++i) OmegaImageList1.Remove("PracticeWindow" + std::to_string(i));
  LoadImageFile(igPracticeWindow, "PracticeWindow" + std::to_string(BuySlots->IslandIdx) + ".png",
                srGroupFolder, ifPng);
}

void TFormMain::EnterHub() {
  MusicBox->Request(mrUpgrade);
  if (CheatMode) {
    TElementsCount plenty;
    plenty.Amount.fill(9999);
    BuySlots->SetOwned(plenty);
  }
  ApplyPendingStickers();
  StickerBook->UpdateStage();
  LoadHubPictures();
  PracticeGame->Reset();
  PracticeGame->IslandIdx = BuySlots->IslandIdx;
  PurchaseInFlight = PracticePending = StickerPending = HubGoing = false;
  BuySlots->Enabled = true;
  BuySlots->UpdateAffordable();
  BuySlotsInfo->HideNow();
  Pocket->Left = HubPocketLeft;
  Pocket->Top = HubPocketTop;
  Pocket->ShowPanel = true;
  Pocket->SetOwned(BuySlots->OwnedElements());
  Pocket->ShowOwnedNow();
  Pocket->SetCurrentPrices(BuySlots->CurrentPrices());
  Pocket->ClearPriceWarnings();
  BookTube->SetPositionSilently(StickerBook->ProgressPercent(BuySlots->BookPercentTotal()));
  BookTube->Caption = TextStrings.GameTexts[11];
  BookButterflies->Reset();
  UpgradesComment->Hide();
  RestoParts->ResetTitle();
  RestoParts->RatingAndTodaysSpecialPanelsVisible = RestoCustomers->MoneyCustsInfoVisible = true;
  UpdateRestaurant(true);
  SetShopPanelHiding(ShopPanelHideDrop, 1);
  HubPlayButton->Visible = true;
  // The first visit's page and conversation come before the panels. These come in even for
  // a finished game: its Play leads to the end.
  if (!ShowHubTutorial()) {
    HubShopPanel->Show();
    HubTopPanel->Show();
  }
  HubMenuButton->Visible = true;
  HubMenuButton->Enabled = true;
}

void TFormMain::UpdateRestaurant(bool visitBegins) {
  // Every bought dish is on the menu and adds a star; a new visit starts the customers anew,
  // a new dish brings more.
  const int island = BuySlots->IslandIdx;
  RestoParts->IslandIdx = RestoCustomers->IslandIdx = static_cast<std::uint8_t>(island);
  RestoParts->SetRestoRatingStars(TRestoParts::StarsOf(*BuySlots, island));
  if (visitBegins || RestoParts->TodaysSpecialIdx == 0)
    RestoCustomers->SetTodaysSpecial(RestoParts->ChooseTodaysSpecial(*BuySlots));
  std::set<int> menu;
  for (int s = 1; s <= TBuySlots::SlotCount; ++s)
    if (BuySlots->IsBought(island, s)) menu.insert(s);
  RestoCustomers->SetMenu(menu);
  if (visitBegins)
    RestoCustomers->Restart();
  else
    RestoCustomers->AddCustomers();
}

void TFormMain::LeaveHub() {
  CompletePurchaseNow();
  // Whoever was still to be served is counted now, so the hub can go at any moment.
  RestoParts->HideTitle();
  RestoCustomers->Settle();
  PracticeGame->Reset();
  BuySlotsInfo->HideNow();
  UpgradesComment->Hide();
  HubShopPanel->HideNow();
  HubTopPanel->HideNow();
  ScreenDarkener->Hide();
  UnloadGroup(igUpgrades);
  for (int i = 1; i <= 5; ++i) OmegaImageList1.Remove("PracticeWindow" + std::to_string(i));
}

void TFormMain::SceneHub() {
  BookPainter->DrawBook(*StickerBook);
  RestoParts->UpdateDecorations();
  RestoCustomers->Paused =
      ChatRunning() || PracticeGame->IsOpen() || Tutorial->IsOpen() || ToolTip->IsOpen();
  RestoCustomers->UpdateAndDraw();
  // The menu board stands on the square of the second and fourth stages.
  if (StickerBook->BookStage() == 1 || StickerBook->BookStage() == 3)
    OmegaImageList1.DrawImage("RestoBoard", 841, 402, 0);
  RestoParts->UpdatePassersBy();
  SmallWynnet->Update();
  BookPainter->DrawSmallWynnet(*SmallWynnet);
  HubTopPanel->Update();
  if (HubTopPanel->State() != TPanelMover::TState::Hidden) BookTube->Draw();
  Pocket->Draw();
  RestoCustomers->DrawCounters();
  RestoCustomers->DrawBigSign();
  RestoParts->DrawPanels();
  HubPlop->UpdateAndDraw();
  HubShopPanel->Update();
  const TPoint shop = HubShopPanel->Position();
  OmegaImageList1.DrawImage("BuySlotsPanelA", static_cast<float>(shop.X),
                            static_cast<float>(shop.Y), 0);
  OmegaImageList1.DrawImage("BuySlotsPanelB", static_cast<float>(shop.X + 907),
                            static_cast<float>(shop.Y - 21), 0);
  BuySlots->Draw();
  HubPlayButton->Draw();
  // Under a conversation, the page or a tip they take no click, and look it.
  HubMenuButton->Enabled = HubPlayButton->Enabled =
      !PurchaseInFlight && !ChatRunning() && !Tutorial->IsOpen() && !ToolTip->IsOpen();
  HubMenuButton->Draw();
  DrawHubGuide();
  BookButterflies->UpdateAndDraw();
  UpgradesComment->UpdateAndDraw();
  RestoParts->DrawTitle();
  // The celebration falls behind the dish's window and the practice.
  if (!IsWindows8OrLater) Fireworks->UpdateAndDraw();
  BuySlotsInfo->Update();
  BuySlotsInfo->Draw();
  ScreenDarkener->Draw();  // the veil under the practice window
  PracticeGame->UpdateAndDraw();
  ScoringDust->UpdateAndDraw();
  ScreenDust->UpdateAndDraw();
  DrawHubStory();
}

void TFormMain::DrawHubGuide() {
  // What comes next, under the top edge: how many of the island's dishes are cooked, and
  // that the next island opens once all four are.
  if (PracticeGame->IsOpen()) return;
  int cooked = 0;
  for (int s = 1; s <= TBuySlots::SlotCount; ++s) cooked += BuySlots->IsBought(BuySlots->IslandIdx, s);
  std::string next;
  if (GameComplete())
    next = TextStrings.GameTexts[GuideFedLine];
  else if (cooked == TBuySlots::SlotCount)
    next = TextStrings.GameTexts[GuideSailLine];
  else
    next = TextStrings.GameTexts[GuideToDoLine];
  const std::string count =
      TextStrings.GameTexts[GuideCookedLine] + " " + std::to_string(cooked) + "/4";
  DrawCentredText(count, 150, 780, 14, {.Scale = 0.62});
  DrawCentredText(next, 150, 780, 44, {.Scale = 0.5});
}

void TFormMain::RouteHubMouse(TMouseKind kind, int x, int y, bool left) {
  if (RouteHubStoryMouse(kind, x, y, left)) return;
  // The practice window takes everything while it is down.
  if (PracticeGame->IsOpen()) {
    switch (kind) {
      case TMouseKind::Down: PracticeGame->MouseDown(x, y, left); break;
      case TMouseKind::Move: PracticeGame->MouseMove(x, y); break;
      case TMouseKind::Up: PracticeGame->MouseUp(x, y); break;
    }
    return;
  }
  Forward(*HubPlayButton, kind, x, y, left);
  Forward(*HubMenuButton, kind, x, y, left);
  switch (kind) {
    case TMouseKind::Down: BuySlots->MouseDown(x, y, left); break;
    case TMouseKind::Move: BuySlots->MouseMove(x, y); break;
    case TMouseKind::Up: BuySlots->MouseUp(x, y); break;
  }
}

void TFormMain::BuyDish(int island, int slot, const TElementsCount& price) {
  PurchaseInFlight = true;
  BuySlots->Enabled = false;
  BuySlotsInfo->HideNow();
  Pocket->ClearPriceWarnings();
  Trace("buy", std::to_string(island) + " " + std::to_string(slot));
  PracticeGame->Start(island, slot, price);
  PendingIsland = island;
  PendingSlot = slot;
  PendingPrice = price;
  PracticePending = true;
  // The practice window comes down once the shop has gone.
  SetShopPanelHiding(140, 4);
  HubShopPanel->Hide();
}

void TFormMain::PracticeFinished(int island, int slot, const TElementsCount& price) {
  ScreenDarkener->FadeOut();
  std::string error;
  if (GameLogger->Enabled() && !GameLogger->ItemBought(island, slot, BuySlots->LevelIdx, error))
    Trace("error", error);
  for (int k = 0; k < 5; ++k)
    BuySlots->SpendOwned(static_cast<TElementKind>(k), price.Amount[k]);
  Pocket->SetOwned(BuySlots->OwnedElements());
  Pocket->SetCurrentPrices(BuySlots->CurrentPrices());
  BuySlots->UpdateAffordable();
  BuySlots->JustBought = true;
  SmallWynnet->BuySlotsIslandIdx = island;
  SmallWynnet->BuySlotsSlotIdx = slot;
  StickerPending = true;
  SmallWynnet->Cheer();
  Trace("practice", "done " + std::to_string(island) + " " + std::to_string(slot));
}

void TFormMain::PurchaseIntoBook() {
  if (!StickerPending) return;
  StickerPending = false;
  const int island = SmallWynnet->BuySlotsIslandIdx, slot = SmallWynnet->BuySlotsSlotIdx;
  const TStickerBookObjects::TPurchase bought = StickerBook->AcquirePurchase(island, slot);
  BookTube->SetPosition(StickerBook->ProgressPercent(BuySlots->BookPercentTotal()));
  BookButterflies->Visible = true;
  Trace("sticker", std::to_string(bought.Group));
  // Every purchase reaches the disk at once.
  SavePlayerSave(ssGather);
}

void TFormMain::ChapterDialogEnded(int n) {
  Trace("chapter", "end " + std::to_string(n));
  // On the way out the next scene brings its own music.
  if (MusicBox && !HubGoing) MusicBox->Request(mrUpgrade);
  RestoParts->RatingAndTodaysSpecialPanelsVisible = RestoCustomers->MoneyCustsInfoVisible = true;
  if (n >= 1 && n <= 22) UpgradeCheck();
  if (n == 1) ShowHubPage();
  if (n >= 2 && n <= 21) {
    UpdateRestaurant(false);
    RestoParts->PlayRatingVoice();
    HubPlop->Plop(162, 548);
  }
}

void TFormMain::UpgradeCheck() {
  PurchaseInFlight = false;
  SetShopPanelHiding(ShopPanelHideDrop, 1);
  if (HubShopPanel->State() != TPanelMover::TState::Shown) HubShopPanel->Show();
  if (HubTopPanel->State() != TPanelMover::TState::Shown) HubTopPanel->Show();
  BuySlots->Enabled = true;
  if (GameComplete()) {
    // Left for the menu or closed: the end waits for the next Play.
    if (!HubGoing) StartEndingStory();
    return;
  }
  const bool justCompleted = BuySlots->JustBought && BuySlots->IsCurrentIslandComplete();
  BuySlots->JustBought = false;
  if (!justCompleted) return;
  const int island = BuySlots->IslandIdx;
  UpgradesComment->ShowUpgradesFinished(island);
  RestoParts->ShowTitle();
  Fireworks->Launch(TGameRandom::Random(2) == 0 ? -50.0f : 1366.0f, 710);
  BuySlots->AddIslandReward(island);
  Pocket->SetCurrentPrices(BuySlots->CurrentPrices());
  if (island == 5) {
    StickerBook->CompleteBook();
    BookTube->SetPosition(100);
  }
  Trace("island", "complete " + std::to_string(island));
  // The reward and, on the last island, the zeppelin are kept at once.
  SavePlayerSave(ssGather);
}

void TFormMain::CompletePurchaseNow() {
  // Only ever on the way out of the hub; a conversation under way ends first, and with it
  // the purchase it follows.
  HubGoing = true;
  EndChapterDialogNow();
  if (!PurchaseInFlight) return;
  // Paid for: the practice ends as its Done would end it; one not yet come down is skipped.
  if (PracticeGame->IsOpen()) {
    PracticeGame->Finish();
  } else if (PracticePending) {
    PracticePending = false;
    PracticeFinished(PendingIsland, PendingSlot, PendingPrice);
  }
  // In the book, and the check that follows its conversation.
  PurchaseIntoBook();
  UpgradeCheck();
}

bool TFormMain::HubLeaving() const {
  // A wipe that closes while the hub shows is taking the player away from it.
  return SceneTransition->IsActive() && SceneTransition->GetPhase() == 0;
}

void TFormMain::HubPlay() {
  // Also while the wipe into the hub still fades: what follows takes the wipe over.
  if (PurchaseInFlight || HubLeaving()) return;
  SceneTransition->Cancel();
  UpgradesComment->Hide();
  if (GameComplete()) {
    StartChapterDialog(22);
    return;
  }
  HubPlayButton->Visible = false;
  SetShopPanelHiding(120, 3);
  if (!BuySlots->IsCurrentIslandComplete()) {
    ++BuySlots->LevelIdx;
    StartLevel();
  } else if (BuySlots->IslandIdx <= 4) {
    MapIslands->OpenIsland(BuySlots->IslandIdx + 1);
    GoToMap();
  }
}

void TFormMain::HubToMenu() {
  // Escape reaches the hub through a wipe too: one already leading elsewhere keeps its way.
  if (PurchaseInFlight || HubLeaving()) return;
  SceneTransition->Cancel();
  // Nothing of the hub is lost on the way out: the customers still to come are counted into
  // this save, not only into the next one.
  RestoCustomers->Settle();
  SavePlayerSave(ssGather);
  SwitchScene(gsMenu);
}

void TFormMain::StartEndingStory() {
  SwitchScene(gsEndingStory);
}

void TFormMain::StartNewGame() {
  GoingToMap = false;
  const TRelaxedMode relaxed = TubeTimer->RelaxedMode;
  const std::string file = SaveFileName(NameList->CurrentName());
  std::remove(file.c_str());
  LoadPlayerSave();
  CurrentSave.RelaxedMode = relaxed;
  TubeTimer->RelaxedMode = relaxed;
  LevelParams->ResetReplayMemory();
  ApplyPendingStickers();
  BookTube->Reset();
  SavePlayerSave(ssGather);
  Trace("newgame", NameList->CurrentName());
  GoToMap();
}
