#pragma once
#include "effects/TBookButterflies.h"
#include "effects/TBounceDustEffect.h"
#include "effects/TFeatherFlowers.h"
#include "effects/TFog.h"
#include "effects/TSmallFairies.h"
#include "engine/TAnimData.h"
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"

class TOmegaImageList;

// The animated details of an island's background picture: fog, fairies and their dust,
// fairy dots, feather flowers, two butterflies, shiny dots, a pulsing shine, walkers and
// little glows. What shows depends on the island.
class TBackgroundEffects : public TComponent {
 public:
  static constexpr int ShinyDotCount = 3;
  static constexpr int GlowCount = 4;

  struct TShinyDot {
    int X = 0, Y = 0;
    TValueUpDown Angle, Alpha;
  };
  struct TWalker {
    bool Active = false;
    const char* Image = "";
    float X = 0, MinX = 0, MaxX = 0, Step = 0;
    int Frame = 0;
    int Y = 0;
    bool FacingRight = true;
    TAnimData Frames;
  };
  struct TGlow {
    int X = 0, Y = 0;
    float Scale = 1;
    TValueUpDown Alpha;
  };

  explicit TBackgroundEffects(TOmegaImageList* images = nullptr);

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  bool IsWindows8OrLater = false;  // the fairies' dust stays off then, like all bounce dust
  // Where a fairy's dust appears, from its drawn corner; facing right it comes from the far
  // side of the picture (the picture's width replaces FairyDustRightX on refresh).
  int FairyDustLeftX = 0, FairyDustRightX = 245, FairyDustY = 22;

  void RefreshSizes();
  // Chooses the island (1..5) and sets every part up for it, already under way.
  void SetIsland(int islandIdx);
  int IslandIdx() const { return Island; }
  void UpdateAndDraw();
  // The same island set up afresh.
  void Reset() { SetIsland(Island); }
  bool Active() const { return Island >= 1 && Island <= 5; }

  TFog Fog;
  TSmallFairies Fairies, DotsNear, DotsFar;
  TFeatherFlowers FeatherFlowers;
  TBookButterflies Butterflies;
  TBounceDustEffect FairyDust;

  const TShinyDot& ShinyDot(int i) const { return ShinyDots[i]; }
  const TWalker& Walker() const { return WalkerState; }
  bool ShowsBookShine() const { return BookShine; }

 private:
  void Draw();
  int Island = 0;
  bool ShowFairies = false, ShowDots = false, ShowFlowers = false, ShowButterflies = false;
  bool BookShine = false;
  TValueUpDown BookShineAlpha;
  TShinyDot ShinyDots[ShinyDotCount];
  TWalker WalkerState;
  TGlow Glows[GlowCount];
  int GlowsShown = 0;
};
