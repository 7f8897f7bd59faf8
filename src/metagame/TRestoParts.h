#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "engine/TAnimData.h"
#include "engine/TComponent.h"
#include "engine/TValueUpDown.h"

class TBuySlots;
class TGlobalGameText;
class TOmegaImageList;
class TTextStrings;

// The restaurant's surroundings in the island hub: the rating panel (stars, the reviewer and
// a short review), the today's-special panel, the island's animated decorations, the
// occasional passer-by in the square and the title that celebrates a completed restaurant.
class TRestoParts : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  TGlobalGameText* GlobGameText = nullptr;
  TTextStrings* TextStringsComp = nullptr;
  std::uint8_t IslandIdx = 1;
  bool RatingAndTodaysSpecialPanelsVisible = true;
  int TodaysSpecialIdx = 0;  // slot 1..4, 0 for none
  std::string TodaysSpecialDesc1, TodaysSpecialDesc2;
  std::function<void(const std::string& name)> PlaySound;

  TRestoParts();

  // 1 + the island's bought dishes; each setting picks a new review variant.
  int RestoRatingStars() const { return Stars; }
  void SetRestoRatingStars(int stars);
  int ReviewVariant() const { return Variant; }

  // Reseeds from the clock and draws one of the island's bought dishes (0 when none is
  // bought); sets the special and its two name lines, and answers the slot for the customers.
  int ChooseTodaysSpecial(const TBuySlots& shop);
  // 1 + the dishes of the island bought in the shop.
  static int StarsOf(const TBuySlots& shop, int island);

  void UpdateDecorations();
  void UpdatePassersBy();
  void DrawPanels();
  void DrawTitle();
  void ShowTitle() { TitleTargetAlpha = 255; }
  void HideTitle() { TitleTargetAlpha = 0; }
  void ResetTitle() { TitleAlpha = TitleTargetAlpha = 0; }
  // The reviewer's line for the stars and variant; one star has none.
  void PlayRatingVoice();

  // What the harness and the tests look at.
  int PanelsAlpha() const { return FPanelsAlpha; }
  int TitleAlphaNow() const { return TitleAlpha; }
  int PasserByKind() const { return PasserKind; }
  bool PasserByWalking() const { return PasserKind != 0 && !PasserArrived(); }
  double PasserByX() const { return PasserX; }
  int PasserByInterval() const { return PasserInterval; }

 private:
  void Sound(const std::string& name) {
    if (PlaySound) PlaySound(name);
  }
  bool PasserArrived() const { return PasserX == PasserTargetX && PasserY == PasserTargetY; }
  void StartPasserBy();
  void Draw(const std::string& name, float x, float y, int pattern, float cx, float cy,
            float angle, float scaleX = 1);

  int Stars = 1;
  int Variant = 0;
  int FPanelsAlpha = 0;
  float ShineAngle = 0;
  int TitleAlpha = 0, TitleTargetAlpha = 0;
  int PasserKind = 0;
  double PasserX = 0, PasserY = 0, PasserTargetX = 0, PasserTargetY = 0;
  double PasserStepX = 0, PasserStepY = 0;
  bool PasserStarted = true;
  int PasserTimer = 0, PasserInterval = 30000;
  TValueUpDown Pulse{1, 1.027f, 0.0012f, 0.0012f};
  TValueUpDown SwingA{-0.1f, 0.1f, 0.0065f, 0.0065f};
  TValueUpDown SwingB{-10, 1, 0.34f, 0.34f};
  TValueUpDown SwingC{-18, 1, 0.44f, 0.44f};
  TValueUpDown ReviewerHand{-1.6f, 1.6f, 0.12f, 0.12f};
  TValueUpDown HorseBob{0, 8, 2, 2};
  TValueUpDown MerchantBob{0, 4, 1, 1};
  TAnimData ReviewerBlink;
};
