#pragma once
#include <string>

#include "engine/TComponent.h"

class TOmegaImageList;

// A small number drawn digit by digit from a picture whose pattern n shows the digit n
// (the island and level numbers beside the score).
class TInfoDigit : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  std::string DigitImg = "LevelInfoDigit";
  int Left = 0, Top = 0;
  int DigitWidth = 10;
  bool Visible = true;

  // Takes the digit width from the picture once it is loaded.
  void ReadImageSizes();
  // Negative values show as 0.
  void SetValue(int value) { Value = value < 0 ? 0 : value; }
  int GetValue() const { return Value; }
  void Draw();

 private:
  int Value = 0;
};
