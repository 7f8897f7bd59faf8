#pragma once
#include <cstdint>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "TFrameSkipBackend.h"
#include "THarnessScript.h"
#include "platform/TMixerAudioBackend.h"
#include "platform/TNullWindow.h"
#include "platform/TRecordedMessageBoxes.h"
#include "platform/TSoftwareBackend.h"
#include "platform/TVirtualClock.h"

class TFormMain;

// Runs the real game headless on a virtual clock: one frame per harness frame.
class THarness {
 public:
  struct TShot {
    long Frame;
    std::string File;
  };
  struct TOptions {
    long Frames = 100;
    std::uint32_t Seed = 1;
    std::string ExeFolder;  // where the content lies; the harness's own folder by default
    std::vector<TShot> Shots;
    std::string TraceFile;
    // Straight into a level (island, level; 0 = start at the logos as a player would).
    int Island = 0, Level = 0;
    bool Relaxed = false;
    bool Tutorial = false;  // the level's tutorial page and tips, as a new player meets them
    bool Cheat = false;  // the cheat keys work, as after the cheat name
    // Pixels only for the frames a screenshot is taken of (the game runs the same).
    bool RenderShotsOnly = false;
    // Draws into this back end instead of the harness's own (no screenshots then).
    IRenderBackend* Backend = nullptr;
  };

  explicit THarness(const TOptions& options);
  ~THarness();

  // Creates the game; false with a message when it cannot start.
  bool Start(std::string& error);
  // Runs one harness frame: the script's events for it, then one tick of the clock.
  void Step(const THarnessScript& script);
  long Frame() const { return CurrentFrame; }
  TFormMain& Form() { return *Game; }
  TNullWindow& Window() { return NullWindow; }
  TRecordedMessageBoxes& MessageBoxes() { return Boxes; }
  // The sound output the game plays through, to ask whether a stream still plays.
  IAudioBackend& AudioOutput() { return Audio; }
  const std::vector<std::string>& TraceLines() const { return Lines; }
  bool WriteScreenshot(const std::string& file, std::string& error);
  // Whether the next frames are drawn into pixels (the game runs the same either way).
  void SetDrawing(bool on) { Frames.Skipping = !on; }
  // An input event as the window would deliver it, before the next frame.
  void Send(const TPlatformEvent& event);
  // Every picture drawn and sound played that had nothing loaded, as "picture NAME",
  // "pattern NAME N" (past the picture's grid), "sound NAME" or "voice NAME"; each is also
  // traced once as a "missing" line.
  const std::set<std::string>& Missing() const { return Misses; }
  // What went wrong that a run must not hide: exceptions the game swallowed ("exception …"
  // trace lines) and script lines that could not be played (a widget not shown, a click a
  // scene transition swallowed).
  const std::vector<std::string>& Errors() const { return Faults; }
  // A script's widget action played now (the release of a click comes before the next
  // frame); false, and an error, when the widget is not shown or a wipe would swallow it.
  bool PlayWidgetAction(const THarnessScript::TWidgetAction& action);

 private:
  void Trace(const std::string& kind, const std::string& details);
  void Miss(const std::string& what);
  void MissPicture(const std::string& name, int pattern);
  void WatchSounds();

  TOptions Options;
  TSoftwareBackend Backend;
  TFrameSkipBackend Frames{Backend};
  TMixerAudioBackend Audio;
  TNullWindow NullWindow;
  TVirtualClock Clock;
  TRecordedMessageBoxes Boxes;
  std::unique_ptr<TFormMain> Game;
  std::unique_ptr<std::ostream> TraceOut;
  std::vector<std::string> Lines;
  long CurrentFrame = 0;
  std::set<std::string> Misses;
  std::vector<std::string> Faults;
  // The release of a widget click, one frame after its press, where the press was.
  std::vector<TPlatformEvent> PendingUps;
  std::string ImagesFolder;
  bool MainLoadDone = false;
  const void* WatchedEffects = nullptr;
  const void* WatchedVoices = nullptr;
};
