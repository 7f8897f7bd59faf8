#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "effects/TSpritePopper.h"
#include "engine/TAnimData.h"
#include "engine/TComponent.h"
#include "metagame/TRestoCustomer.h"

class TGlobalGameText;
class TOmegaImageList;
class TTextStrings;

// The customers of the island's restaurant: they arrive, queue in the street, order a dish,
// eat it at the terrace table when it is on the menu (or leave disappointed when it is not),
// pay by the restaurant's rating, and show what they thought at the exit. Keeps the
// customers-served and money counters of the player.
class TPellowRestoCustomers : public TComponent {
 public:
  static constexpr int CustomerCount = 8;
  static constexpr int MenuSlots = 4;
  // The street's places: the queue's front, the eating place, the exit.
  static constexpr int QueueLeft = 420, QueueTop = 200;
  static constexpr int EatingLeft = 678, EatingTop = 154;
  static constexpr int ExitLeft = 866, ExitTop = 200;

  using TNotifyEvent = std::function<void(TPellowRestoCustomers& sender)>;

  TOmegaImageList* OmgImgList = nullptr;
  TGlobalGameText* GlobGameText = nullptr;
  TTextStrings* TextStringsComp = nullptr;
  std::uint8_t IslandIdx = 1;
  // Stops the entry, queue, eating, waiting and exit timers; drawing and fades go on.
  bool Paused = false;
  bool MoneyCustsInfoVisible = true;
  int EntryInterval = 1000;
  int MaxQueuingCusts = 6;
  int QueueTime = 3000;
  int EatingTime = 2500;
  int WaitingNotEatingTime = 2500;
  int ExitingTime = 1500;
  double ThumbUpEatingTimeRatio = 0.55;
  double PopMoneyEatingTimeRatio = 0.85;
  int CustAlphaStep = 20;
  int QueueMoveStep = 5;
  int QueueGap = 120;
  int NoFoodMatchXProb = 3;
  int MaxCustomerKindIdx = 12;

  // When the last customer present shows his reaction at the exit.
  TNotifyEvent OnLastCustomerExiting;
  std::function<void(const std::string& name)> PlaySound;
  // What the shell may turn into trace lines: ("resto", "served <dish> <money>"),
  // ("resto", "hungry <dish>") and ("resto", "money <earned> <served>") after a counter moved.
  std::function<void(const std::string& kind, const std::string& details)> OnTrace;

  TPellowRestoCustomers();

  // Slots 1..4 on the menu; others are ignored.
  void SetMenu(const std::set<int>& slots);
  void SetTodaysSpecial(int slot);
  // A new visit: nobody there, the menu's dishes + 2 customers to come, closed.
  void Restart();
  // After a purchase: enough customers to come for the new menu.
  void AddCustomers();
  // Leaving the hub: everyone still to be served is counted now, once per Restart.
  void Settle();

  void UpdateAndDraw();
  void DrawCounters();
  void DrawBigSign();

  std::int32_t CustomersServed() const { return Served; }
  std::int32_t MoneyEarned() const { return Money; }
  void SetCustomersServed(std::int32_t n) { Served = n; }
  void SetMoneyEarned(std::int32_t n) { Money = ShownMoney = n; }

  // What the harness and the tests look at.
  const TRestoCustomer& Customer(int i) const { return Customers[i]; }
  std::int32_t CustomersToCome() const { return ToCome; }
  std::int32_t DisplayedMoney() const { return ShownMoney; }
  int TodaysSpecial() const { return Special; }
  bool OnMenu(int slot) const { return slot >= 1 && slot <= MenuSlots && Menu[slot]; }
  int MenuCount() const;
  int PresentCount() const;
  int QueuingCount() const;
  bool IsOpen() const { return Open; }
  bool Settled() const { return FSettled; }
  int SignPattern() const { return FSignPattern; }
  int SignAlpha() const { return FSignAlpha; }
  int CountersAlpha() const { return FCountersAlpha; }

  // Coins a customer of this rating pays (0 for 0).
  static int MoneyOf(int rating);
  // The praise picture 1..8 of a rating 1..5.
  static int PraiseOf(int rating);
  static const char* GenderSuffix(int kind);
  // How far the balloon and the reactions sit from the common place for a figure.
  static void FigureOffset(int kind, int& dx, int& dy);

 private:
  void Sound(const std::string& name) {
    if (PlaySound) PlaySound(name);
  }
  void Trace(const std::string& details) {
    if (OnTrace) OnTrace("resto", details);
  }
  void TraceCounters();
  void Arrive();
  int ChooseKind() const;
  // reseed: from the clock first, as every arrival does.
  int ChooseDish(bool reseed) const;
  int RateNow(int dish) const;
  void Enter(TRestoCustomer& c);
  void UpdateQueuing(TRestoCustomer& c);
  void UpdateEating(TRestoCustomer& c);
  void UpdateNoFood(TRestoCustomer& c);
  void UpdateExiting(TRestoCustomer& c);
  void React(TRestoCustomer& c);
  void DrawDish(int dish, float x, float y, float scale, float scaleY, float angle, int alpha,
                int glowAlpha);
  void UpdateAndDrawPopups();
  void DrawPopup(const TSpritePopper& p, const std::string& name, int pattern);

  std::array<TRestoCustomer, CustomerCount> Customers{};
  std::array<bool, MenuSlots + 1> Menu{};
  int Special = 0;
  std::int32_t Served = 0, Money = 0, ShownMoney = 0;
  std::int32_t ToCome = 0;
  int EntryTimer = 0;
  bool FSettled = false;
  bool Open = false;
  int FSignPattern = 1, FSignAlpha = 0, SignTargetAlpha = 0;
  int FCountersAlpha = 255;
  int HeartPattern = 1, PraisePattern = 1;
  TSpritePopper ThumbPopper, MoneyPopper, HeartPopper, BrokenHeartPopper, PraisePopper, SignPopper;
  TAnimData BrokenHeart{"112233445566778899", false};
};
