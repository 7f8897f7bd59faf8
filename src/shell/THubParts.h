#pragma once
#include <memory>
#include <string>

#include "effects/TBookButterflies.h"
#include "effects/TNewPlopEffect.h"
#include "metagame/TBookProgressTube.h"
#include "metagame/TBuySlots.h"
#include "metagame/TBuySlotsInfo.h"
#include "metagame/TGameLogger.h"
#include "metagame/TPellowRestoCustomers.h"
#include "metagame/TPracticeMiniGame.h"
#include "metagame/TRestoParts.h"
#include "metagame/TStickerBookObjects.h"
#include "metagame/TStickerBookPainter.h"
#include "metagame/TWynnetPocket.h"
#include "ui/TGameButton.h"
#include "ui/TPanelMover.h"
#include "ui/TSmallWynnet.h"

class TGlobalGameText;
class TOmegaImageList;
class TTextStrings;
class TWidgetMaker;

// The island hub between levels: the shop and its purse (which also keeps the island and
// level being played), the sticker book's town with its tube, the restaurant and its
// customers, the pocket, the small heroine, the cooking practice, and the hub's two sliding
// panels with their buttons. What a purchase
// sets going from one to the next is the window's.
class THubParts {
 public:
  static constexpr int ShopPanelLeft = 311, ShopPanelTop = 644, ShopPanelHideDrop = 77;
  static constexpr int HubPocketLeft = 8, HubPocketTop = 60;

  std::unique_ptr<TBuySlots> BuySlots;
  std::unique_ptr<TBuySlotsInfo> BuySlotsInfo;
  std::unique_ptr<TGameLogger> GameLogger;
  std::unique_ptr<TStickerBookObjects> StickerBook;
  std::unique_ptr<TStickerBookPainter> BookPainter;
  std::unique_ptr<TBookProgressTube> BookTube;
  std::unique_ptr<TWynnetPocket> Pocket;
  std::unique_ptr<TSmallWynnet> SmallWynnet;
  std::unique_ptr<TPracticeMiniGame> PracticeGame;
  std::unique_ptr<TBookButterflies> BookButterflies;
  std::unique_ptr<TRestoParts> RestoParts;
  std::unique_ptr<TPellowRestoCustomers> RestoCustomers;
  // Puffs at the rating panel when a new dish raises it.
  std::unique_ptr<TNewPlopEffect> HubPlop;
  // The tube at the top, the shop along the bottom (the Play button rides on its corner).
  std::unique_ptr<TPanelMover> HubTopPanel, HubShopPanel;
  std::unique_ptr<TGameButton> HubPlayButton, HubMenuButton;

 protected:
  // The shop reads its prices and the practice its hidden ingredients from dataFolder; the
  // buying log, when switched on, goes to saveFolder.
  void Create(const TWidgetMaker& make, TOmegaImageList& images, TGlobalGameText& text,
              TTextStrings& texts, const std::string& dataFolder, const std::string& saveFolder,
              bool isWindows8OrLater);
  // The buttons and the shop follow their panels.
  void Wire();
  void ReadImageSizes();
  // The shop's hiding distance: 77 below when the hub opens, further when a purchase or Play
  // sends it away.
  void SetShopPanelHiding(int drop, int step);
};
