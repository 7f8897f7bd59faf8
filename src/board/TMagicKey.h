#pragma once
#include <functional>

#include "board/TCarriedTool.h"

class TGameBoard;

// Opens one locker it is released on (and takes its web away).
class TMagicKey : public TCarriedTool {
 public:
  std::function<void(TMagicKey& sender, TPoint tilePos)> OnLockerOpen;

  static bool IsValidTarget(const TGameBoard& board, TPoint tile);

 protected:
  void Use(TPoint tile, int x, int y) override;
};
