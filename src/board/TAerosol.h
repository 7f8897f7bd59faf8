#pragma once
#include <functional>

#include "board/TCarriedTool.h"
#include "board/TSprayRect.h"

// Sprays a cloud that grows and shrinks where it is released; whatever crawls inside the
// cloud is hit. It can only be taken while there is something to spray at.
class TAerosol : public TCarriedTool {
 public:
  int MaxSpraySize = 156;
  int SprayGrowth = 12;
  int SprayShrink = 6;

  std::function<void(TAerosol& sender, TSprayRect rect)> OnSpraySizeChange;
  std::function<void(TAerosol& sender, bool& enemiesExist)> OnEnemiesExistQuestion;

  bool Working() const override { return Spraying; }
  TSprayRect SprayRect() const;

 protected:
  bool CanPick() override;
  void Use(TPoint tile, int x, int y) override;
  void UpdateWork() override;
  void DrawWork() override;

 private:
  bool Spraying = false;
  bool Growing = true;
  int CentreX = 0, CentreY = 0;
  int Size = 0;
};
