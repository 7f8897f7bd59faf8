#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "text/TGameFont.h"

class TOmegaImageList;

// A block of up to ten lines that appears letter by letter and fades out again
// (story narration, speech balloons, tutorial texts).
class TNarrationText : public TComponent {
 public:
  static constexpr int MaxLines = 10;
  static constexpr int MaxLineLength = 100;

  TOmegaImageList* OmgImgList = nullptr;
  TGameFontKind FontKind = TGameFontKind::fkAirstripNormal;
  double FontRatio = 0.7;
  int VertSpace = 17;
  int HorzSpaceAdd = 1;
  int StartingAlpha = 25;
  int AlphaStep = 8;
  int AlphaUpdateRepeat = 2;
  int VanishingAlphaStep = 25;
  int CapsAdj = 0;  // kept for the data that sets it; it changes nothing
  // Where the writing has got to, for a small effect that follows it.
  std::function<void(TNarrationText& sender, TPoint position)> OnTailPosUpdate;

  int MaxAlpha() const { return FMaxAlpha; }
  void SetMaxAlpha(int value) { FMaxAlpha = value >= 256 ? 255 : value; }

  void Start(int x, int y, const std::string& text);
  void StartColored(int x, int y, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                    const std::string& text);
  void UpdateAndDraw();
  void Vanish() { Vanishing = true; }
  // True when every character had been revealed; otherwise reveals them all now at MaxAlpha.
  bool Complete();
  void Reset();

  // State, for the callers that look (and for tests).
  int LineCount() const { return UsedLines; }
  const std::string& Line(int n) const { return Lines[n - 1]; }  // n = 1..10
  int AlphaOf(int line, int index) const { return Alphas[line - 1][index]; }  // index from 0
  bool IsVanishing() const { return Vanishing; }
  bool AllRevealed() const;

 private:
  void RevealStep();
  void Draw();

  int FMaxAlpha = 230;
  int X = 0, Y = 0;
  std::uint8_t Red = 255, Green = 255, Blue = 255;
  std::array<std::string, MaxLines> Lines;
  std::array<std::array<int, MaxLineLength>, MaxLines> Alphas{};
  std::array<std::array<bool, MaxLineLength>, MaxLines> JustReached{};
  int UsedLines = 0;
  int CursorLine = 1;  // 1..10; past 10 the reveal is complete
  int CursorChar = 0;  // characters revealed in the cursor's line
  bool Vanishing = false;
};
