#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "board/TElementKind.h"
#include "engine/TComponent.h"
#include "levels/TElementsCount.h"
#include "metagame/TBuySlotData.h"
#include "platform/IWindow.h"

class TGameButton;
class TGlobalGameText;
class TOmegaImageList;
class TTextStrings;

// The islands' shops: four dishes an island, their prices from "SlotPrices.dat", the
// player's purse and what the round being played has added to it, what has been bought,
// and the shop panel's four slots with their buy buttons.
class TBuySlots : public TComponent {
 public:
  static constexpr int IslandCount = 5;
  static constexpr int SlotCount = 4;
  static constexpr int ItemCount = IslandCount * SlotCount;
  // Upgrade bits that change the board (bit n = inside kind n).
  static constexpr std::uint16_t UpgradedGoldTilesFlag = 1u << 9;
  static constexpr std::uint16_t SecondPotionFlag = 1u << 10;

  using TBoughtFlags = std::array<std::uint8_t, ItemCount>;  // island by island, slot by slot
  using TSlotPrices = std::array<TElementsCount, SlotCount>;
  using TBuyEvent = std::function<void(TBuySlots& sender, int island, int slot,
                                       const TElementsCount& price)>;
  using TBuyButtonMouseEvent = std::function<void(TBuySlots& sender, int island, int slot,
                                                  const TBuySlotData& item)>;
  using TOwnedElementsAddEvent =
      std::function<void(TBuySlots& sender, TElementKind kind, float count)>;

  explicit TBuySlots(TOmegaImageList& images);
  ~TBuySlots() override;

  int IslandIdx = 1;  // 1..5
  int LevelIdx = 1;   // grows without limit
  int NextUncompletedIslandIdx = 1;
  int NextUncompletedLevelIdx = 1;
  std::string PricesFilePath;  // a folder, ending with "/"
  std::string PricesFileName = "SlotPrices.dat";
  int Left = 0, Top = 0;
  int SlotGap = 215;
  double DescSizeRatio = 0.48;
  int DescWidthAdd = -2;
  int MaxDescTextWidth = 116;
  // A name line shrinks to end this far right of its slot, inside the narrowest name card
  // (the last slot's, which the counter's corner box cuts short).
  int NameRight = 205;
  // Whether the mouse reaches the buy buttons.
  bool Enabled = true;
  // Set by the shell when a purchase has been paid for; it clears it once it has looked
  // whether the island's shop is complete.
  bool JustBought = false;
  TGlobalGameText* GlobGameText = nullptr;
  TTextStrings* TextStringsComp = nullptr;

  TBuyEvent OnBuy;
  TBuyButtonMouseEvent OnBuyButtonMouseOver, OnBuyButtonMouseOff;
  TOwnedElementsAddEvent OnOwnedElementsAdd;
  // Sounds by name and the cursor wanted, both handed on by the shell.
  std::function<void(const std::string& name)> PlaySound;
  std::function<void(TCursorKind kind)> RequestCursor;

  // Fills the twenty dishes from the catalogue and reads the prices. False, with a message
  // for the player, when the price file cannot be used: the shop then sells nothing.
  bool Init(std::string& error);
  // After the pictures are loaded: the buy buttons take their size.
  void ReloadButtonSizes();
  // Reads PricesFilePath + PricesFileName into the dishes (also done by Init).
  bool LoadPrices(std::string& error);
  // False after a price file that could not be used: nothing can be bought.
  bool PricesLoaded() const { return PricesOk; }

  // The purse. Amounts never go below 0.
  void AddOwned(TElementKind kind, float amount);
  void SpendOwned(TElementKind kind, float amount);
  void ClearRoundGains();
  // A round that is not won gives back what it added (and adds nothing a second time).
  void TakeBackRoundGains();
  void SetOwned(const TElementsCount& counts);
  // An island's shop completed: its reward goes into the purse kind by kind (AddOwned, so
  // the pocket hears of each).
  void AddIslandReward(int island);
  const TElementsCount& OwnedElements() const { return Owned; }
  const TElementsCount& RoundGains() const { return Gains; }

  TBoughtFlags GetBoughtFlags() const;
  void SetBoughtFlags(const TBoughtFlags& flags);
  std::uint16_t UpgradeFlags() const { return Upgrades; }
  bool HasUpgradedGoldTiles() const { return (Upgrades & UpgradedGoldTilesFlag) != 0; }
  bool HasSecondPotion() const { return (Upgrades & SecondPotionFlag) != 0; }
  int BoughtRewardTotal() const { return RewardTotal; }

  // Islands 1..5, slots 1..4; anything else is neither bought nor affordable.
  bool IsIslandComplete(int island) const;
  bool IsCurrentIslandComplete() const { return IsIslandComplete(IslandIdx); }
  bool IsBought(int island, int slot) const;
  bool IsAffordable(int island, int slot) const;
  bool IsNotified(int island, int slot) const;
  void SetNotified(int island, int slot);
  // Recomputes every dish's Affordable flag from the purse (also done whenever the purse,
  // the prices or the bought flags change).
  void UpdateAffordable();
  int BookPercentTotal() const;
  // The current island's prices, zero for dishes already bought.
  TSlotPrices CurrentPrices() const;
  // Line 1 or 2 of a dish's name as the slot shows it; empty when there is none.
  std::string ItemName(int island, int slot, int line) const;
  const TBuySlotData& Item(int island, int slot) const;

  // After the shop panel has slid in: the highest slot of the island that has become
  // affordable and was not yet announced gets its notice ("MannaNotify3"). The slot, or 0.
  int CheckAffordableNotice();

  // A save game loaded: island and level, the purse and the bought dishes.
  void RestoreProgress(int island, int level, const TElementsCount& owned,
                       const TBoughtFlags& bought);
  // A new player: island 1, level 1, nothing owned or bought.
  void StartNewPlayer();

  void MouseDown(int x, int y, bool leftButton);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y);
  // The buy button of slot 1..4 (tests and the widget listing).
  TGameButton& BuyButton(int slot) { return *Buttons[slot - 1]; }
  // The slot whose buy button the mouse is over, 0 for none.
  int HoveredSlot() const { return HoverSlot; }

  void Draw();

 private:
  static bool Valid(int island, int slot) {
    return island >= 1 && island <= IslandCount && slot >= 1 && slot <= SlotCount;
  }
  TBuySlotData& At(int island, int slot) { return Items[island - 1][slot - 1]; }
  const TBuySlotData& At(int island, int slot) const { return Items[island - 1][slot - 1]; }
  void FillItems();
  bool Covers(const TElementsCount& price) const;
  void BoughtChanged();
  void RefreshButtons();
  void Buy(int slot);

  TOmegaImageList& OmgImgList;
  std::array<std::array<TBuySlotData, SlotCount>, IslandCount> Items;
  bool PricesOk = false;
  TElementsCount Owned, Gains;
  std::uint16_t Upgrades = 0;
  int RewardTotal = 0;
  std::array<std::unique_ptr<TGameButton>, SlotCount> Buttons;
  int HoverSlot = 0, HoverIsland = 0;
};
