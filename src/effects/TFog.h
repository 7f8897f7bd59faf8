#pragma once
#include "engine/TComponent.h"

class TOmegaImageList;

// Banks of fog drifting slowly from the right edge to the left, swelling and shrinking.
class TFog : public TComponent {
 public:
  static constexpr int BankCount = 20;
  static constexpr int StartInterval = 3000;  // ms between two new banks
  // The banks move every update but are drawn where they were on every second one: faint
  // and slow, they look the same, and half the frames need not paint them again.
  static constexpr int DrawEvery = 2;

  struct TBank {
    bool Active = false;
    float X = 0, Y = 0;
    float Scale = 1;
    bool Growing = false;
    int Alpha = 0;
    int Pattern = 1;
    float DrawX = 0, DrawY = 0, DrawScale = 1;  // where it is drawn
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  bool Enabled = true;  // while clear, no new banks start
  int TopLimit = 250;
  float MoveStep = 2;
  int AlphaAdd = 20;

  void UpdateAndDraw() { Update(Visible); }
  // Clears the banks and lets the fog drift unseen until it covers the screen.
  void Reset();

  bool Active() const { return ActiveCount() > 0; }
  int ActiveCount() const;
  const TBank& Bank(int i) const { return Banks[i]; }

 private:
  void Update(bool draw);
  void StartOne();
  TBank Banks[BankCount];
  int Timer = 0;
  int Updates = 0;
};
