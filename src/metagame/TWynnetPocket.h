#pragma once
#include <array>
#include <functional>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "levels/TElementsCount.h"

class TOmegaImageList;
class TGlobalGameText;

// The heroine's pocket in the hub: how many of each kind she owns, counting up to what she
// has, red where a price asks for more, and a star that flies in while something of the
// island's shop is affordable.
class TWynnetPocket : public TComponent {
 public:
  static constexpr int Kinds = 5;
  static constexpr int ShopItems = 4;
  using TNotifyEvent = std::function<void(TWynnetPocket& sender)>;
  using TCommonPosUpdateEvent = std::function<void(TWynnetPocket& sender, TPoint position)>;
  enum TStarState { ssNone, ssFlying, ssArrived, ssLeaving };

  TOmegaImageList* OmgImgList = nullptr;
  TGlobalGameText* GlobGameText = nullptr;
  int Left = 8, Top = 60;
  int NumbersGap = 42;
  // Its own cloth in the hub; in a level the elements panel lies under it instead.
  bool ShowPanel = true;
  float CountStep = 0.5f;
  float SettleFrames = 30;  // a change larger than CountStep × this counts faster
  float StarPace = 33;
  float StarStartScale = 0.6f, StarGrowStep = 0.02f, StarSpin = 12;
  TCommonPosUpdateEvent OnStarPosUpdate;
  TNotifyEvent OnStarArrived;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;

  // Empty, without star, pulses or warnings (a level starts).
  void Reset();
  void Add(TElementKind kind, float amount);
  void SetOwned(const TElementsCount& counts);
  // The counts jump to what is owned (entering the hub), instead of counting up.
  void ShowOwnedNow();
  void ShowPriceWarnings(const TElementsCount& price);
  void ClearPriceWarnings();
  // The island's four prices; a bought item's price is all zero.
  void SetCurrentPrices(const std::array<TElementsCount, ShopItems>& prices);
  void Draw();

  const TElementsCount& Owned() const { return Target; }
  float Shown(TElementKind kind) const { return ShownCounts[kind]; }
  bool Warned(TElementKind kind) const { return NotEnough[kind]; }
  bool Pulsing(TElementKind kind) const { return Pulse[kind] > 0; }
  TStarState StarState() const { return Star; }
  TPoint StarPosition() const;
  TPoint StarPlace() const { return {Left + 39, Top + 14}; }
  // Something of the shop not yet bought is covered by what the pocket holds.
  bool SomethingAffordable() const;

 private:
  void CheckStar();
  void UpdateStar();

  TElementsCount Target, ShownCounts;
  std::array<int, Kinds> Pulse{};  // updates of pulsing left
  std::array<bool, Kinds> NotEnough{};
  std::array<TElementsCount, ShopItems> Prices{};
  TStarState Star = ssNone;
  float StarX = -999, StarY = -999, StarSpeedX = 0, StarSpeedY = 0;
  float StarScale = 1, StarAngle = 0, StarPulse = 0;
  int StarAlpha = 255;
};
