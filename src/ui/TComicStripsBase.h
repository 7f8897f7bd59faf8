#pragma once
#include <functional>
#include <string>
#include <vector>

#include "engine/TComponent.h"

class TOmegaImageList;
class TTextStrings;

// A story told as a row of comic strips with spoken narration: each strip fades in,
// zooms slowly, fades out, and the narrations run on a clock of their own. The opening
// and the ending differ only in their numbers and how their strips are timed.
class TComicStripsBase : public TComponent {
 public:
  using TNotifyEvent = std::function<void(TComicStripsBase& sender)>;
  using TTextEvent = std::function<void(TComicStripsBase& sender, const std::string& text)>;
  using TStripEvent = std::function<void(TComicStripsBase& sender, int strip)>;

  static constexpr int NarrationCapacity = 255;
  static constexpr int FadeStep = 10, FullFade = 255;
  static constexpr float ZoomPerTick = 0.00015f;
  static constexpr float ZoomDrawStep = 4 * ZoomPerTick;
  static constexpr float StripLeft = 0, StripTop = 37;
  static constexpr float BottomMaskTop = 684;
  static constexpr int DarkCornersAlpha = 110;

  TNotifyEvent OnEndNarration, OnEnteringLastNarration, OnSceneFinished;
  TTextEvent OnStartNarration;
  // Reports each strip that becomes current after the first (the shell plays its voice).
  TStripEvent OnStripChange;

  // Copies the narration lines from the catalogue; once at start-up.
  void LoadNarrations();
  // The story scene begins: timing from the narration lengths, everything reset, active.
  void Start();
  void UpdateAndDraw();
  // After the narration text: the bars at the top and bottom, then the fade's black.
  void DrawMasks();
  // Ends the story at once, whatever it is doing: the running narration ends and
  // OnSceneFinished fires, unless the story has finished already.
  void Skip();

  int StripCount() const { return static_cast<int>(StripTimes.size()); }
  int NarrationCount() const { return static_cast<int>(Narrations.size()); }
  // 1-based, as the events count them.
  int StripTime(int strip) const { return StripTimes[strip - 1]; }
  int NarrationDuration(int n) const { return Narrations[n - 1].Duration; }
  int NarrationStart(int n) const { return Narrations[n - 1].StartTime; }
  const std::string& NarrationText(int n) const { return Narrations[n - 1].Text; }
  static int DurationOf(const std::string& text);
  static std::string StripImageName(int strip);

  bool Active() const { return FActive; }
  bool Finished() const { return FFinished; }
  int CurrentStrip() const { return Strip; }
  int CurrentNarration() const { return Narration; }
  bool NarrationRunning() const { return FNarrationRunning; }
  int FadeLevel() const { return Fade; }
  float Scale() const { return FScale; }

 protected:
  struct TNarration {
    std::string Text;
    int Duration = 0;
    int StartTime = 0;
  };
  TComicStripsBase(TOmegaImageList& images, TTextStrings& strings, int strips, int narrations,
                   int firstLine);
  // Fills StripTimes and the narrations' start times from their durations.
  virtual void ComputeTiming() = 0;

  std::vector<TNarration> Narrations;
  std::vector<int> StripTimes;

 private:
  void Finish();
  void StepFade();
  void StepNarrations();

  TOmegaImageList& OmgImgList;
  TTextStrings& TextStringsComp;
  int FirstLine;
  bool FActive = false, FFinished = false;
  int Strip = 1;
  int StripTimer = 0;
  int Fade = 0;
  bool FadingOut = false;
  float X = StripLeft, Y = StripTop, Dx = 0, Dy = 0;
  float FScale = 1, ScaleInc = ZoomPerTick;
  float CenterX = 0.5f, CenterY = 0.5f;
  int SceneTimer = 0, NarrationTimer = 0;
  int Narration = 0;
  bool FNarrationRunning = false;
};
