#pragma once
#include <functional>
#include <string>

#include "engine/TAnimData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Little fairies (or single-frame glowing dots) crossing the screen from one side to the
// other, bobbing up and down; fairies in flight ask for a trail of dust.
class TSmallFairies : public TComponent {
 public:
  static constexpr int MaxFairies = 24;

  struct TFairy {
    bool Active = false;
    float X = 0, Y = 0, SpeedX = 0, SpeedY = 0, AccelY = 0;
    int TurnTimer = 0, TurnInterval = 0;
    float Size = 1;
    int Variant = 0;  // the pattern of a single-frame fairy
    int DustCounter = 0;
    TAnimData Wings{"1234565432", true};
    bool FacingRight() const { return SpeedX > 0; }
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  std::string ImgName = "SmallFairy";
  int VisibleFairiesCount = 3;
  int AddingFairyInterval = 1500;  // ms between two fairies setting off
  bool UseDimension = true;        // each fairy its own size, the smaller ones slower
  bool OneFrameOnly = false;       // no wing beat: one of OneFramePatterns patterns each
  int OneFramePatterns = 1;
  int FacingRightPatternAdd = 6;   // the second row of the picture looks right
  bool Additive = false;           // glowing dots add their light
  float MoveStepSpeedLimit = 3.0f;
  float MinSize = 0.85f, MaxSize = 1.0f;
  int DustCounterForTrigger = 2;
  float MinMoveStepForDust = 0.45f;
  int AreaLeft = -55, AreaTop = -65, AreaRight = 1400, AreaBottom = 790;
  // At the fairy's drawn top-left corner; the owner places the dust from there.
  std::function<void(TSmallFairies& sender, int x, int y, bool facingRight)> OnDustEffectRequest;

  void Reset();
  void UpdateAndDraw() { Update(Visible); }
  // Lets the fairies fly unseen, so that they are already spread out when first shown.
  void PreRun(int updates);

  bool Active() const { return ActiveCount() > 0; }
  int ActiveCount() const;
  const TFairy& Fairy(int i) const { return Fairies[i]; }

 private:
  void Update(bool draw);
  void StartOne();
  TFairy Fairies[MaxFairies];
  int AddTimer = 0;
};
