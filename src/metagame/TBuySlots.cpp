#include "metagame/TBuySlots.h"

#include <algorithm>
#include <cmath>

#include "engine/TOmegaImageList.h"
#include "metagame/TIslandRewards.h"
#include "metagame/TSlotPriceFile.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "text/WrapText.h"
#include "ui/TGameButton.h"
#include "ui/TTextFit.h"

namespace {

struct TItemRow {
  std::uint8_t IconIdx, InsideKind;
  std::int32_t BookPercent, RewardFigure;
  int TextLine;  // of UpgradeNames.txt and UpgradeDescs.txt
};

// Island by island, slot by slot. Lines 5, 10, 15 and 20 of the texts separate the islands.
constexpr TItemRow kItems[TBuySlots::ItemCount] = {
    {1, 1, 6, 10, 1},    {2, 0, 4, 30, 2},    {3, 2, 7, 15, 3},    {4, 0, 4, 50, 4},
    {5, 6, 5, 50, 6},    {6, 0, 4, 100, 7},   {7, 3, 5, 50, 8},    {8, 0, 6, 200, 9},
    {9, 4, 6, 60, 11},   {10, 9, 4, 50, 12},  {11, 7, 5, 100, 13}, {12, 0, 4, 250, 14},
    {13, 8, 7, 75, 16},  {14, 10, 6, 100, 17}, {15, 5, 5, 250, 18}, {16, 0, 4, 300, 19},
    {17, 0, 5, 200, 21}, {18, 0, 3, 350, 22}, {19, 0, 7, 100, 23}, {20, 0, 3, 500, 24},
};

// Counts read from a save or added by the game stay real, finite and never negative.
float Sane(float v) { return std::isfinite(v) && v > 0 ? v : 0.0f; }

}  // namespace

TBuySlots::TBuySlots(TOmegaImageList& images) : OmgImgList(images) {
  for (int s = 1; s <= SlotCount; ++s) {
    auto button = std::make_unique<TGameButton>(images);
    button->ImageName = "BuySlotBuyButton";
    button->Tag = s;
    button->Visible = false;
    button->Enabled = false;
    button->PlaySound = [this](const std::string& name) {
      if (PlaySound) PlaySound(name);
    };
    button->RequestCursor = [this](TCursorKind kind) {
      if (RequestCursor) RequestCursor(kind);
    };
    button->OnClick = [this](TGameButton& sender) { Buy(sender.Tag); };
    Buttons[s - 1] = std::move(button);
  }
  FillItems();
}

TBuySlots::~TBuySlots() = default;

bool TBuySlots::Init(std::string& error) {
  FillItems();
  return LoadPrices(error);
}

void TBuySlots::FillItems() {
  for (int i = 0; i < ItemCount; ++i) {
    TBuySlotData& item = Items[i / SlotCount][i % SlotCount];
    item = TBuySlotData{};
    item.IconIdx = kItems[i].IconIdx;
    item.InsideKind = kItems[i].InsideKind;
    item.BookPercent = kItems[i].BookPercent;
    item.RewardFigure = kItems[i].RewardFigure;
    if (TextStringsComp) item.Name = TextStringsComp->UpgradeNames[kItems[i].TextLine];
  }
  BoughtChanged();
}

void TBuySlots::ReloadButtonSizes() {
  for (auto& b : Buttons) b->ReloadSize();
}

bool TBuySlots::LoadPrices(std::string& error) {
  PricesOk = false;
  for (auto& island : Items)
    for (auto& item : island) item.Price = {};
  const std::string path = PricesFilePath + PricesFileName;
  TSlotPriceFile::TTable prices;
  std::string why;
  if (TSlotPriceFile::Read(path, prices, why)) {
    PricesOk = true;
    for (int island = 1; island <= IslandCount; ++island)
      for (int slot = 1; slot <= SlotCount; ++slot)
        At(island, slot).Price = prices[island - 1][slot - 1];
  } else {
    error = "The shop's price list \"" + path + "\" cannot be used: " + why +
            ". Nothing can be bought until the game is installed again.";
  }
  UpdateAffordable();
  return PricesOk;
}

void TBuySlots::AddOwned(TElementKind kind, float amount) {
  if (kind > elSpider || !std::isfinite(amount)) return;
  Owned[kind] = Sane(Owned[kind] + amount);
  Gains[kind] += amount;
  UpdateAffordable();
  if (OnOwnedElementsAdd) OnOwnedElementsAdd(*this, kind, amount);
}

void TBuySlots::SpendOwned(TElementKind kind, float amount) {
  if (kind > elSpider || !std::isfinite(amount)) return;
  Owned[kind] = Sane(Owned[kind] - amount);
  UpdateAffordable();
}

void TBuySlots::ClearRoundGains() { Gains = {}; }

void TBuySlots::TakeBackRoundGains() {
  for (int k = 0; k < 5; ++k) Owned.Amount[k] = Sane(Owned.Amount[k] - Gains.Amount[k]);
  Gains = {};
  UpdateAffordable();
}

void TBuySlots::SetOwned(const TElementsCount& counts) {
  for (int k = 0; k < 5; ++k) Owned.Amount[k] = Sane(counts.Amount[k]);
  UpdateAffordable();
}

void TBuySlots::AddIslandReward(int island) {
  const TElementsCount reward = TIslandRewards::Reward(island);
  for (int k = 0; k < 5; ++k)
    if (reward.Amount[k] > 0) AddOwned(static_cast<TElementKind>(k), reward.Amount[k]);
}

TBuySlots::TBoughtFlags TBuySlots::GetBoughtFlags() const {
  TBoughtFlags flags{};
  for (int i = 0; i < ItemCount; ++i) flags[i] = Items[i / SlotCount][i % SlotCount].Bought;
  return flags;
}

void TBuySlots::SetBoughtFlags(const TBoughtFlags& flags) {
  for (int i = 0; i < ItemCount; ++i) Items[i / SlotCount][i % SlotCount].Bought = flags[i] != 0;
  BoughtChanged();
}

void TBuySlots::BoughtChanged() {
  Upgrades = 0;
  RewardTotal = 0;
  for (const auto& island : Items)
    for (const TBuySlotData& item : island) {
      if (!item.Bought) continue;
      RewardTotal += item.RewardFigure;
      if (item.InsideKind) Upgrades |= static_cast<std::uint16_t>(1u << item.InsideKind);
    }
  RefreshButtons();
}

bool TBuySlots::IsIslandComplete(int island) const {
  if (!Valid(island, 1)) return false;
  for (int slot = 1; slot <= SlotCount; ++slot)
    if (!At(island, slot).Bought) return false;
  return true;
}

bool TBuySlots::IsBought(int island, int slot) const {
  return Valid(island, slot) && At(island, slot).Bought;
}

bool TBuySlots::IsAffordable(int island, int slot) const {
  return Valid(island, slot) && At(island, slot).Affordable;
}

bool TBuySlots::IsNotified(int island, int slot) const {
  return Valid(island, slot) && At(island, slot).Notified;
}

void TBuySlots::SetNotified(int island, int slot) {
  if (Valid(island, slot)) At(island, slot).Notified = true;
}

bool TBuySlots::Covers(const TElementsCount& price) const {
  for (int k = 0; k < 5; ++k)
    if (!(Owned.Amount[k] >= price.Amount[k])) return false;
  return true;
}

void TBuySlots::UpdateAffordable() {
  // Without a price list nothing is affordable: a price of 0 is unknown, not free.
  for (auto& island : Items)
    for (TBuySlotData& item : island) item.Affordable = PricesOk && Covers(item.Price);
  RefreshButtons();
}

int TBuySlots::BookPercentTotal() const {
  int total = 0;
  for (const auto& island : Items)
    for (const TBuySlotData& item : island)
      if (item.Bought) total += item.BookPercent;
  return total;
}

TBuySlots::TSlotPrices TBuySlots::CurrentPrices() const {
  TSlotPrices prices{};
  if (!Valid(IslandIdx, 1)) return prices;
  for (int slot = 1; slot <= SlotCount; ++slot)
    if (!At(IslandIdx, slot).Bought) prices[slot - 1] = At(IslandIdx, slot).Price;
  return prices;
}

std::string TBuySlots::ItemName(int island, int slot, int line) const {
  if (!Valid(island, slot) || line < 1) return "";
  std::string wrapped = WrapText(TGameFontKind::fkAirstripNormal, At(island, slot).Name,
                                 DescWidthAdd, MaxDescTextWidth, DescSizeRatio);
  std::size_t start = 0;
  for (int n = 1; n < line; ++n) {
    start = wrapped.find('|', start);
    if (start == std::string::npos) return "";
    ++start;
  }
  return wrapped.substr(start, wrapped.find('|', start) - start);
}

const TBuySlotData& TBuySlots::Item(int island, int slot) const {
  static const TBuySlotData kNone;
  return Valid(island, slot) ? At(island, slot) : kNone;
}

int TBuySlots::CheckAffordableNotice() {
  if (!Valid(IslandIdx, 1)) return 0;
  for (int slot = SlotCount; slot >= 1; --slot) {
    TBuySlotData& item = At(IslandIdx, slot);
    if (!item.Affordable || item.Bought || item.Notified) continue;
    item.Notified = true;
    if (PlaySound) PlaySound("MannaNotify3");
    return slot;
  }
  return 0;
}

void TBuySlots::RestoreProgress(int island, int level, const TElementsCount& owned,
                                const TBoughtFlags& bought) {
  IslandIdx = NextUncompletedIslandIdx = std::clamp(island, 1, IslandCount);
  LevelIdx = NextUncompletedLevelIdx = std::max(level, 1);
  Gains = {};
  JustBought = false;
  HoverSlot = 0;
  for (auto& row : Items)
    for (TBuySlotData& item : row) item.Notified = false;
  SetBoughtFlags(bought);
  SetOwned(owned);
}

void TBuySlots::StartNewPlayer() { RestoreProgress(1, 1, {}, {}); }

void TBuySlots::RefreshButtons() {
  for (int s = 1; s <= SlotCount; ++s) {
    TGameButton& b = *Buttons[s - 1];
    b.Left = Left + (s - 1) * SlotGap + 101;
    b.Top = Top + 41;
    const bool valid = Valid(IslandIdx, s);
    b.Visible = valid && !At(IslandIdx, s).Bought;
    b.Enabled = valid && PricesOk && At(IslandIdx, s).Affordable;
  }
}

void TBuySlots::Buy(int slot) {
  if (!Enabled || !PricesOk || !Valid(IslandIdx, slot)) return;
  TBuySlotData& item = At(IslandIdx, slot);
  // The button is only enabled for dishes the purse covers; check again all the same.
  if (item.Bought || !Covers(item.Price)) return;
  item.Bought = true;
  BoughtChanged();
  HoverSlot = 0;  // the shell hides the information window itself
  if (OnBuy) OnBuy(*this, IslandIdx, slot, item.Price);
}

void TBuySlots::MouseDown(int x, int y, bool leftButton) {
  if (!Enabled) return;
  RefreshButtons();
  for (auto& b : Buttons) b->MouseDown(x, y, leftButton);
}

void TBuySlots::MouseMove(int x, int y) {
  if (!Enabled) return;
  RefreshButtons();
  int over = 0;
  for (int s = 1; s <= SlotCount; ++s) {
    TGameButton& b = *Buttons[s - 1];
    b.MouseMove(x, y);
    // Disabled buttons still describe their dish.
    if (!over && b.Visible && b.HitTest(x, y)) over = s;
  }
  if (over == HoverSlot && (over == 0 || HoverIsland == IslandIdx)) return;
  if (HoverSlot && OnBuyButtonMouseOff)
    OnBuyButtonMouseOff(*this, HoverIsland, HoverSlot, Item(HoverIsland, HoverSlot));
  HoverSlot = over;
  HoverIsland = IslandIdx;
  if (over && OnBuyButtonMouseOver)
    OnBuyButtonMouseOver(*this, IslandIdx, over, Item(IslandIdx, over));
}

void TBuySlots::MouseUp(int x, int y) {
  if (!Enabled) return;
  RefreshButtons();
  for (auto& b : Buttons) b->MouseUp(x, y);
}

void TBuySlots::Draw() {
  RefreshButtons();
  if (!Valid(IslandIdx, 1)) return;
  for (int s = 1; s <= SlotCount; ++s) {
    const TBuySlotData& item = At(IslandIdx, s);
    const float x = static_cast<float>(Left + (s - 1) * SlotGap);
    const float y = static_cast<float>(Top);
    OmgImgList.DrawImage("BuySlotIcons", x + 11, y + 9, item.IconIdx - 1);
    OmgImgList.DrawImage("BuySlotGlassCover", x, y, 0);
    if (!GlobGameText) continue;
    // Both lines of a name at one scale, small enough for the longer.
    const std::string line1 = ItemName(IslandIdx, s, 1), line2 = ItemName(IslandIdx, s, 2);
    auto fit = [&](const std::string& text, int left) {
      return TTextFit::ScaleToFit(GlobGameText->FontKind, text, NameRight - left, DescWidthAdd,
                                  DescSizeRatio);
    };
    const TTextStyle name{.Scale = std::min(fit(line1, 108), fit(line2, 111)),
                          .ExtraSpacing = DescWidthAdd};
    GlobGameText->DrawText(x + 108, y + 12, line1, name);
    GlobGameText->DrawText(x + 111, y + 29, line2, name);
    if (item.Bought && TextStringsComp)
      GlobGameText->DrawText(x + 110, y + 57, TextStringsComp->GameTexts[18],
                             {.Scale = 0.43, .Colour = TGlobalGameText::tcYellow,
                              .ExtraSpacing = -1});
  }
  for (auto& b : Buttons) b->Draw();
}
