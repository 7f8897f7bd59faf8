#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "engine/TRecordingBackend.h"
#include "platform/TNullWindow.h"
#include "platform/TRecordedMessageBoxes.h"
#include "platform/TRecordingAudioBackend.h"
#include "platform/TVirtualClock.h"
#include "shell/TFormMain.h"
#include "support/GameContent.h"
#include "support/TempDir.h"

// A created main window over the game's texts in a temporary folder, drawing into a
// recording back end; `prepare` may put more content beside the fake executable first.
struct ShellRig {
  TempDir exe, data;
  TRecordingBackend backend;
  TRecordingAudioBackend audio;  // streams only for sound files that are there
  TNullWindow window;
  TVirtualClock clock{1000000};
  TRecordedMessageBoxes boxes;
  std::vector<std::string> trace;  // "kind details"
  std::filesystem::path cwd = std::filesystem::current_path();
  std::unique_ptr<TFormMain> form;
  // The window swallows what a frame or an event throws and traces it; a test fails on any such
  // line unless it throws on purpose and says so here.
  bool ThrowsOnPurpose = false;

  // newerSystem: the system flag that leaves several effects out.
  explicit ShellRig(const std::function<void(const std::filesystem::path&)>& prepare = {},
                    bool newerSystem = false) {
    boxes.Print = false;
    CopyGameTexts(exe.Path);
    if (prepare) prepare(exe.Path);
    TShellServices s;
    s.Backend = &backend;
    s.Audio = &audio;
    s.Window = &window;
    s.Clock = &clock;
    s.MessageBoxes = &boxes;
    s.ExeFolder = exe.Str();
    s.SaveRoot = data.Path.string();
    s.DisplayModes = {{1366, 768}};
    s.IsWindows8OrLater = newerSystem;
    s.Trace = [this](const std::string& kind, const std::string& details) {
      trace.push_back(details.empty() ? kind : kind + " " + details);
    };
    form = std::make_unique<TFormMain>(s);
    form->FormCreate();
  }
  // Sound files for the window's effect player, loaded now; it traces each one it plays.
  void GiveSounds(std::initializer_list<const char*> names) {
    std::filesystem::create_directories(exe.Path / "Sounds");
    for (const char* n : names)
      std::ofstream(exe.Path / "Sounds" / (std::string(n) + ".ogg")) << "x";
    form->SFXPlayer->LoadAll();
  }
  int Heard(const std::string& sound) const {
    return static_cast<int>(std::count(trace.begin(), trace.end(), "sound " + sound));
  }
  ~ShellRig() {
    form.reset();
    std::filesystem::current_path(cwd);
    if (ThrowsOnPurpose) return;
    for (const std::string& line : trace)
      if (line.rfind("exception ", 0) == 0) ADD_FAILURE() << "swallowed: " << line;
  }
};
