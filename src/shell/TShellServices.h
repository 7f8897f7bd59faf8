#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/IAudioBackend.h"
#include "platform/IClock.h"
#include "platform/IMessageBoxes.h"
#include "platform/IRenderBackend.h"
#include "platform/IWindow.h"
#include "platform/TDisplayModes.h"

// Everything the outside world gives the main window. The game fills it from SDL and the
// system; the harness and the tests fill it with headless stand-ins.
struct TShellServices {
  IRenderBackend* Backend = nullptr;
  IAudioBackend* Audio = nullptr;
  IWindow* Window = nullptr;
  IClock* Clock = nullptr;
  IMessageBoxes* MessageBoxes = nullptr;
  std::string ExeFolder;                 // ends with '/'
  std::optional<std::string> SaveRoot;   // the per-user data folder, no trailing '/'
  std::vector<TDisplaySize> DisplayModes;
  TDisplaySize Desktop{1366, 768};
  bool IsWindows8OrLater = false;
  // Shows the windowed-mode dialog modally; returns the chosen button's tag (1 run normally,
  // 2 run windowed). Only asked when IsWindows8OrLater.
  std::function<int()> AskWindowedModeDialog;
  // Ends the process at once (after a fatal message).
  std::function<void(int exitCode)> Terminate;
  // Harness trace: kind and details of an event of interest.
  std::function<void(const std::string& kind, const std::string& details)> Trace;
};
