#include "shell/THubParts.h"

#include "shell/TWidgetMaker.h"

void THubParts::Create(const TWidgetMaker& make, TOmegaImageList& images, TGlobalGameText& text,
                       TTextStrings& texts, const std::string& dataFolder,
                       const std::string& saveFolder, bool isWindows8OrLater) {
  BuySlots = std::make_unique<TBuySlots>(images);
  BuySlots->GlobGameText = &text;
  BuySlots->TextStringsComp = &texts;
  BuySlots->PricesFilePath = dataFolder;
  BuySlots->PricesFileName = "SlotPrices.dat";
  BuySlots->PlaySound = make.SoundRoute();
  BuySlots->RequestCursor = make.CursorRoute();
  BuySlotsInfo = std::make_unique<TBuySlotsInfo>();
  BuySlotsInfo->OmgImgList = &images;
  BuySlotsInfo->GlobGameText = &text;
  BuySlotsInfo->TextStringsComp = &texts;
  BuySlotsInfo->IsWindows8OrLater = isWindows8OrLater;
  // Switched off: the buying log is for balancing the game, not for players.
  GameLogger = std::make_unique<TGameLogger>();
  GameLogger->Folder = saveFolder;

  StickerBook = std::make_unique<TStickerBookObjects>();
  StickerBook->OmgImgList = &images;
  BookPainter = std::make_unique<TStickerBookPainter>();
  BookPainter->OmgImgList = &images;
  BookTube = std::make_unique<TBookProgressTube>();
  BookTube->OmgImgList = &images;
  BookTube->GlobGameText = &text;
  Pocket = std::make_unique<TWynnetPocket>();
  Pocket->OmgImgList = &images;
  Pocket->GlobGameText = &text;
  Pocket->PlaySound = make.SoundRoute();
  SmallWynnet = std::make_unique<TSmallWynnet>();
  BookButterflies = std::make_unique<TBookButterflies>();
  BookButterflies->OmgImgList = &images;

  RestoParts = std::make_unique<TRestoParts>();
  RestoParts->OmgImgList = &images;
  RestoParts->GlobGameText = &text;
  RestoParts->TextStringsComp = &texts;
  RestoParts->PlaySound = make.SoundRoute();
  RestoCustomers = std::make_unique<TPellowRestoCustomers>();
  RestoCustomers->OmgImgList = &images;
  RestoCustomers->GlobGameText = &text;
  RestoCustomers->TextStringsComp = &texts;
  RestoCustomers->PlaySound = make.SoundRoute();
  HubPlop = std::make_unique<TNewPlopEffect>();
  HubPlop->OmgImgList = &images;
  HubPlop->PlaySound = make.SoundRoute();

  PracticeGame = std::make_unique<TPracticeMiniGame>(images, text, texts);
  PracticeGame->DataFilePath = dataFolder;
  PracticeGame->DataFileName = "HiddenIngrds.dat";
  PracticeGame->PlaySound = make.SoundRoute();
  PracticeGame->RequestCursor = make.CursorRoute();

  HubTopPanel = std::make_unique<TPanelMover>();
  HubTopPanel->Setup(938, 0, 938, -71, 0, 1);
  HubShopPanel = std::make_unique<TPanelMover>();
  HubShopPanel->Setup(ShopPanelLeft, ShopPanelTop, ShopPanelLeft, ShopPanelTop + ShopPanelHideDrop,
                      0, 1);
  HubShopPanel->HideNow();
  HubTopPanel->HideNow();
  HubPlayButton = make.Button("BookPlayButton", -999, -999);
  HubMenuButton = make.Button("MapMenuButton", 12, 10);
}

void THubParts::Wire() {
  HubTopPanel->OnPosUpdate = [this](TPanelMover&, TPoint p) {
    BookTube->Left = p.X;
    BookTube->Top = p.Y;
  };
  HubShopPanel->OnPosUpdate = [this](TPanelMover&, TPoint p) {
    BuySlots->Left = p.X + 47;
    BuySlots->Top = p.Y + 41;
    // In the corner piece's recess, on the right end of the counter.
    HubPlayButton->SetPosition(p.X + 906, p.Y + 53);
  };
}

void THubParts::ReadImageSizes() {
  BuySlots->ReloadButtonSizes();
  BookTube->ReadImageSizes();
  BookButterflies->RefreshSizes();
  PracticeGame->MeasureProgressFill();
  HubPlayButton->ReloadSize();
  HubMenuButton->ReloadSize();
}

void THubParts::SetShopPanelHiding(int drop, int step) {
  // Where it is stays as it is: only where it goes and how fast change.
  HubShopPanel->HideTop = ShopPanelTop + drop;
  HubShopPanel->VertStep = step;
}
