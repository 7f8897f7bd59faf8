#include "THarness.h"
#include "TOffscreenCanvas.h"

#include <cstdlib>
#include <fstream>

#include "engine/TGameRandom.h"
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
  if (kind == "exception") Faults.push_back(line);
  if (TraceOut) *TraceOut << line << '\n' << std::flush;
}

void THarness::Miss(const std::string& what) {
  if (Misses.insert(what).second) Trace("missing", what);
}

// The splash draws a few main pictures (the screen dust) while the main folder is still
// loading; those arrive late by design and are no miss.
void THarness::MissPicture(const std::string& name, int pattern) {
  if (TImageListItem* item = Game->OmegaImageList1.Find(name)) {
    Miss("pattern " + name + " " + std::to_string(pattern) + " of " +
         std::to_string(item->Columns() * item->Rows()));
    return;
  }
  if (!MainLoadDone && (TFileSystem::FileExists(ImagesFolder + name + ".png") ||
                        TFileSystem::FileExists(ImagesFolder + name + ".jpg")))
    return;
  Miss("picture " + name);
}

// The shell may replace a player (voice groups); hook whichever is current.
void THarness::WatchSounds() {
  auto hook = [this](TSoundSlotPlayer* player, const void*& watched) {
    if (!player || player == watched) return;
    watched = player;
    player->OnMissing = [this](const std::string& kind, const std::string& name) {
      Miss(kind + " " + name);
    };
  };
  hook(Game->SFXPlayer.get(), WatchedEffects);
  hook(Game->VoicePlayer.get(), WatchedVoices);
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
  s.Backend = Options.Backend ? Options.Backend : &Frames;
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
  ImagesFolder = s.ExeFolder + "Images/";
  Game->OmegaImageList1.OnMissingPicture = [this](const std::string& name, int pattern) {
    MissPicture(name, pattern);
  };
  if (!Game->FormCreate()) {
    error = Boxes.Shown.empty() ? "the game did not start" : Boxes.Shown.back().Text;
    return false;
  }
  WatchSounds();
  Game->FormShow();
  Game->CheatMode = Options.Cheat;
  if (Options.Island > 0 && !Game->EnterLevelDirectly(Options.Island, Options.Level, Options.Relaxed, Options.Tutorial)) {
    error = "no such level";
    return false;
  }
  MainLoadDone = Game->LoadStarted;
  return true;
}

void THarness::Step(const THarnessScript& script) {
  ++CurrentFrame;
  if (Options.RenderShotsOnly) {
    Frames.Skipping = true;
    for (const TShot& shot : Options.Shots)
      if (shot.Frame == CurrentFrame) Frames.Skipping = false;
  }
  std::vector<TPlatformEvent> ups;
  ups.swap(PendingUps);
  for (const TPlatformEvent& e : ups) Game->HandleEvent(e);
  for (const TPlatformEvent& e : script.EventsAt(CurrentFrame)) Game->HandleEvent(e);
  for (const auto& action : script.WidgetActionsAt(CurrentFrame)) PlayWidgetAction(action);
  // Exactly one frame period per harness frame: the real frame clock fires once.
  Clock.Advance(Clock.Frequency() / 33 + 1);
  Game->Idle();
  WatchSounds();
  // The main folder loads within one frame; everything of it is there from the next.
  MainLoadDone = Game->LoadStarted;
}

bool THarness::PlayWidgetAction(const THarnessScript::TWidgetAction& action) {
  TFormMain::TWidgetRect r;
  if (!Game->FindWidget(action.Name, r)) {
    const std::string error = "frame " + std::to_string(CurrentFrame) + ": no widget \"" +
                              action.Name + "\" is shown in " + TGameScene::Name(Game->Scene());
    Faults.push_back(error);
    Trace("script-error", error);
    return false;
  }
  // The window drops a press while a wipe blocks input; a script that clicked then would go
  // on as if the click had landed.
  if (action.Click && Game->SceneTransition && Game->SceneTransition->IsBlocking()) {
    const std::string error = "frame " + std::to_string(CurrentFrame) + ": the click on \"" +
                              action.Name + "\" fell in a scene transition";
    Faults.push_back(error);
    Trace("script-error", error);
    return false;
  }
  TPlatformEvent e;
  e.Button = TMouseButton::Left;
  e.X = r.Left + r.Width / 2;
  e.Y = r.Top + r.Height / 2;
  // A hand moves there first when it means to hover; a click lands as a click.
  e.Kind = action.Click ? TPlatformEventKind::MouseDown : TPlatformEventKind::MouseMove;
  Game->HandleEvent(e);
  if (action.Click) {
    e.Kind = TPlatformEventKind::MouseUp;
    PendingUps.push_back(e);
  }
  return true;
}

void THarness::Send(const TPlatformEvent& event) {
  Game->HandleEvent(event);
  WatchSounds();
}

bool THarness::WriteScreenshot(const std::string& file, std::string& error) {
  return TOffscreenCanvas::WriteShot(Game->OmegaScreen1, file, error);
}
