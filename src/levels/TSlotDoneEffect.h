#pragma once
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"

class TOmegaImageList;

// The badge that drops over a gathering slot once it is complete, stays a while and leaves.
class TSlotDoneEffect : public TComponent {
 public:
  static constexpr int BadgeCount = 5;
  enum TPhase { bpFree, bpShowing, bpStaying, bpHiding };

  struct TBadge {
    TPhase Phase = bpFree;
    int X = 0;
    int Y = 0;
    int Alpha = 0;
    int Timer = 0;
    float Pop = 1;       // pop-in scale during the stay
    bool PopRising = false;
    float ShineAngle = 0;
    TValueUpDown Swing, Breath;
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int ShowingTime = 2250;
  int HideYPos = -19, ShownYPos = 27;
  int ShowingStep = 9, HidingStep = 13;

  void Show(int x);
  void Reset();
  void UpdateAndDraw();

  const TBadge& Badge(int i) const { return Badges[i]; }
  int ActiveCount() const;

 private:
  void Advance(TBadge& b);
  void Draw(const TBadge& b);

  TBadge Badges[BadgeCount];
  int Next = 0;
};
