#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/TAnimData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// A number that rolls towards its value digit by digit: each changing digit spins through a
// blurred sequence before the next step is taken, the digit it rolls to sliding into its
// place over the blur so the number can be read all the while. Used for the total score and
// the gathering counters.
class TJackpotScore : public TComponent {
 public:
  static constexpr int MaxDigits = 6;
  // Six digits is all the counter has room for; larger values show as this.
  static constexpr int MaxShownValue = 999999;

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  std::string DigitImg, DigitBlurImg;
  int Left = 0, Top = 0;
  bool ShowLeadingZeros = true;
  bool AutoCentered = false;
  int DigitWidth = 15, DigitHeight = 20, DigitBlurHeight = 25;
  int Increment = 2;
  std::uint8_t BlurAlpha = 150;
  // Patterns of DigitBlurImg a rolling digit shows, one per update, once.
  std::string RollSequence = "123";
  std::function<void(TJackpotScore& sender)> OnValueUpdate;

  // Sizes from the loaded digit pictures.
  void Prepare();

  int Digits() const { return FDigits; }
  void SetDigits(int digits);  // 1 to 6

  void SetValue(int v);
  // soundChoice 0 counts with "ScoreCount", 1 with "Click", while the shown value catches up.
  void AddValue(int delta, int soundChoice);
  // Jumps there without rolling (a loaded profile).
  void SetAll(int v);
  void Clear();
  void Update();

  int Value() const { return FValue; }
  int ShownValue() const { return FShown; }
  int PreviousShown() const { return FPrevious; }
  bool Rolling(int digit) const { return Roll[digit].Active; }
  bool AnyRolling() const;
  bool CountingSoundOn() const { return SoundOn; }
  // The digits as drawn, zero-padded to Digits.
  std::string Text() const { return Format(FShown); }
  // Leftmost x of the first drawn digit after centring.
  int DrawLeft() const;

 private:
  struct TRoll {
    bool Active = false;
    bool Rising = false;  // counting up: the new digit comes up from below
    TAnimData Anim;
  };
  // How far the digit a roll goes to still stands from its place.
  int SlideOffset(const TRoll& r) const;
  std::string Format(int v) const;
  int HiddenDigits(const std::string& text) const;
  void RaiseDigitsTo(int v);
  void Changed();

  int FDigits = 5;
  int FValue = 0, FShown = 0, FPrevious = 0;
  std::array<TRoll, MaxDigits> Roll{};
  bool SoundOn = false;
  int SoundChoice = 0;
  int SoundParity = 0;
};
