#pragma once
#include <cstdint>
#include <functional>

#include "board/TNewToolKind.h"
#include "engine/TAnimData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The energy flask. Removed elements fill it; six thresholds switch the player's tools on
// and using a tool drains its share. The shown level follows the real one a step per update
// and every event follows the shown level.
class TMannaEnergy : public TComponent {
 public:
  static constexpr int FactorCount = 6;
  using TNotifyEvent = std::function<void(TMannaEnergy& sender)>;
  using TLevelEvent = std::function<void(TMannaEnergy& sender, std::uint8_t level)>;

  TMannaEnergy();

  TOmegaImageList* OmgImgList = nullptr;
  int FullRequiredFruits = 200;
  // Thresholds 1..6 as fractions of a full flask (index 0 unused).
  float ReqEnergyFactor[FactorCount + 1] = {0, 0.15f, 0.32f, 0.40f, 0.48f, 0.56f, 1.0f};
  int TempCounterIncDivFactor = 200;
  int TempCounterDecDivFactor = 40;
  int Left = 0, Top = 0;
  int EnergyWidth = 68, EnergyHeight = 62;
  int MaxPixelProgress = 79;
  int LiquidAdjustY = 5;
  int OrigWaveWidth = 36, OrigWaveHeight = 13;
  bool Visible = true;

  TNotifyEvent OnFull;
  TLevelEvent OnEnergyFactorReached;  // level 1..6
  TLevelEvent OnBelowEnergyFactor;    // level 1..6

  // Liquid and wave sizes from the pictures once they are loaded.
  void ReadImageSizes();
  int GetFruitsCounter() const { return FruitsCounter; }
  // Clamped to 0..FullRequiredFruits.
  void SetFruitsCounter(int value);
  void AddOne();
  void Spend(TNewToolKind tool);
  void AddAndShow(int amount);
  void Reset();
  bool IsFull() const;
  double ShownEnergy() const { return Shown; }
  // Energy at threshold n (1..6), e.g. 30 for 0.15 of 200.
  double Threshold(int n) const;
  bool Reached(int n) const { return ReachedFlags[n]; }
  // Moves the shown level, fires the events and draws.
  void Update();

 private:
  void Animate();
  void ReportRising();
  void ReportFalling();
  void Draw();

  int FruitsCounter = 0;
  double Shown = 0;
  bool ReachedFlags[FactorCount + 1] = {};
  bool FullFlag = false;
  bool JumpedTo = false;  // AddAndShow since the last update
  TAnimData Waves[3];
};
