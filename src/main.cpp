// The game. It reads no command line: everything it needs lies beside it or in the
// player's data folder.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/TGameRandom.h"
#include "platform/TDisplayModes.h"
#include "platform/TEventPump.h"
#include "platform/TFileSystem.h"
#include "platform/TInstanceLock.h"
#include "platform/TMixerAudioBackend.h"
#include "platform/TOsVersion.h"
#include "platform/TSdlMessageBoxes.h"
#include "platform/TSdlWindow.h"
#include "platform/TRendererChoice.h"
#include "platform/TSteadyClock.h"
#include "platform/TUserFolders.h"
#include "shell/TFormMain.h"

int main(int, char**) {
  TSdlMessageBoxes boxes;
  TInstanceLock lock("Quorrin_Game");
  if (!lock.Acquire()) {
    boxes.Show("Message", "Application is already running.", TMessageButtons::Ok, false);
    return 0;
  }
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    boxes.Show("Error", std::string("Could not open the display: ") + SDL_GetError(),
               TMessageButtons::Ok, true);
    return 1;
  }
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");

  TSdlWindow window("Wendmoor: Vessary", 1366, 768);
  if (!window.Valid()) {
    boxes.Show("Error", std::string("Could not create the window: ") + SDL_GetError(),
               TMessageButtons::Ok, true);
    SDL_Quit();
    return 1;
  }
  boxes.SetParent(window.Handle());
  const TRendererChoice::TKind kind = TRendererChoice::FromSetting(std::getenv("WENDMOOR_RENDERER"));
  std::unique_ptr<IRenderBackend> backend = TRendererChoice::Make(kind, window.Handle(), &window);
  std::fprintf(stderr, "renderer: %s\n", TRendererChoice::NameOf(kind));
  TSteadyClock clock;
  TMixerAudioBackend audio;

  TShellServices services;
  services.Backend = backend.get();
  services.Audio = &audio;
  services.Window = &window;
  services.Clock = &clock;
  services.MessageBoxes = &boxes;
  services.ExeFolder = TFileSystem::ExecutableFolder();
  services.SaveRoot = TUserFolders::DataHome();
  services.DisplayModes = TDisplayModes::PrimaryDisplay();
  SDL_DisplayMode desk;
  if (SDL_GetDesktopDisplayMode(0, &desk) == 0) services.Desktop = {desk.w, desk.h};
  services.IsWindows8OrLater = TOsVersion::IsWindows8OrLater(TOsVersion::Current());
  services.Terminate = [](int code) { std::_Exit(code); };

  TGameRandom::Randomize();
  int exitCode = 0;
  {
    TFormMain form(services);
    if (form.FormCreate()) {
      SDL_StartTextInput();
      form.FormShow();
      std::vector<TPlatformEvent> events;
      while (!form.Closed()) {
        // Sleep until the next frame is due, waking early for input.
        std::int64_t wait = form.NextWakeTime() - clock.Now();
        int waitMs = wait > 0 ? static_cast<int>((wait + 999999) / 1000000) : 0;
        events.clear();
        TEventPump::Pump(events, waitMs);
        for (const TPlatformEvent& e : events) form.HandleEvent(e);
        form.Idle();
        backend->Refresh();
      }
    } else {
      exitCode = 1;
    }
  }
  backend.reset();
  SDL_Quit();
  return exitCode;
}
