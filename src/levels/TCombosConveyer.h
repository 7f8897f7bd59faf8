#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Carries a finished combo's text up to the energy flask, faster and smaller as it goes;
// its arrival is when the bonus is paid.
class TCombosConveyer : public TComponent {
 public:
  static constexpr int ItemCount = 10;
  static constexpr double TargetX = 630, TargetY = -11;
  static constexpr double StartPace = 18, SpeedGrowth = 1.18;
  static constexpr double ShrinkStep = 0.05, MinScale = 0.2, GrowStep = 0.025;
  static constexpr double SpinStep = 22;
  static constexpr int FadeStep = 15;

  struct TItem {
    bool Active = false;
    std::uint8_t MatchCount = 0;
    double X = 0, Y = 0;
    double SpeedX = 0, SpeedY = 0;
    int Alpha = 255;
    double Scale = 1;
    double Angle = 0;
    bool Arrived = false;
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  std::function<void(TCombosConveyer& sender, std::uint8_t aMatchXCount)> OnAComboArrives;

  // from is the position the combo was shown at. With every item busy the bonus is paid at
  // once rather than lost.
  void Launch(std::uint8_t matchCount, TPoint from);
  void Clear();
  void Update();

  const TItem& Item(int i) const { return Items[i]; }
  int ActiveCount() const;

 private:
  std::array<TItem, ItemCount> Items{};
};
