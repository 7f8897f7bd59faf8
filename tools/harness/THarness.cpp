#include "THarness.h"

#include <cstdlib>
#include <fstream>

#include "engine/TGameRandom.h"
#include "engine/TPictureEncoder.h"
#include "platform/TFileSystem.h"
#include "platform/TUserFolders.h"
#include "shell/TFormMain.h"

THarness::THarness(const TOptions& options) : Options(options), Clock(1000000) {
  if (!Options.TraceFile.empty())
    TraceOut = std::make_unique<std::ofstream>(Options.TraceFile, std::ios::trunc);
}

THarness::~THarness() = default;

void THarness::Trace(const std::string& kind, const std::string& details) {
  std::string line = std::to_string(CurrentFrame) + " " + kind;
  if (!details.empty()) line += " " + details;
  Lines.push_back(line);
  if (TraceOut) *TraceOut << line << '\n' << std::flush;
}

bool THarness::Start(std::string& error) {
  // Clock-based reseeding becomes a function of the seed and the frame.
  std::uint32_t seed = Options.Seed;
  TGameRandom::SetSeed(seed);
  TGameRandom::SetClockSeedSource(
      [this, seed]() { return seed * 2654435761u + static_cast<std::uint32_t>(CurrentFrame) * 40503u; });

  TShellServices s;
  // Sound runs for real on SDL's dummy driver, so the players' logic is exercised.
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  s.Backend = &Frames;
  s.Audio = &Audio;
  s.Window = &NullWindow;
  s.Clock = &Clock;
  s.MessageBoxes = &Boxes;
  s.ExeFolder = Options.ExeFolder.empty() ? TFileSystem::ExecutableFolder() : Options.ExeFolder;
  s.SaveRoot = TUserFolders::DataHome();
  s.DisplayModes = {{1366, 768}};
  s.Desktop = {1366, 768};
  s.Terminate = [](int code) { std::exit(code); };
  s.Trace = [this](const std::string& kind, const std::string& details) { Trace(kind, details); };
  Game = std::make_unique<TFormMain>(s);
  if (!Game->FormCreate()) {
    error = Boxes.Shown.empty() ? "the game did not start" : Boxes.Shown.back().Text;
    return false;
  }
  Game->FormShow();
  Game->CheatMode = Options.Cheat;
  if (Options.Island > 0 && !Game->EnterLevelDirectly(Options.Island, Options.Level, Options.Relaxed)) {
    error = "no such level";
    return false;
  }
  return true;
}

void THarness::Step(const THarnessScript& script) {
  ++CurrentFrame;
  if (Options.RenderShotsOnly) {
    Frames.Skipping = true;
    for (const TShot& shot : Options.Shots)
      if (shot.Frame == CurrentFrame) Frames.Skipping = false;
  }
  for (const TPlatformEvent& e : script.EventsAt(CurrentFrame)) Game->HandleEvent(e);
  // Exactly one frame period per harness frame: the real frame clock fires once.
  Clock.Advance(Clock.Frequency() / 33 + 1);
  Game->Idle();
}

void THarness::Send(const TPlatformEvent& event) { Game->HandleEvent(event); }

bool THarness::WriteScreenshot(const std::string& file, std::string& error) {
  TPicture picture;
  if (!Game->OmegaScreen1.ReadBackBuffer(picture)) {
    error = "cannot read the back buffer";
    return false;
  }
  // The screen is opaque; blending leaves stray alpha in the buffer.
  for (std::size_t i = 3; i < picture.Pixels.size(); i += 4) picture.Pixels[i] = 255;
  return TPictureEncoder::WritePngFile(file, picture, error);
}
