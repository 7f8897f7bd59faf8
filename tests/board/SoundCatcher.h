#pragma once
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "audio/TSFXPlayer.h"
#include "platform/TRecordingAudioBackend.h"
#include "support/TempDir.h"

// Every sound effect played through its route, by name and in order.
struct SoundCatcher {
  TempDir dir;
  TRecordingAudioBackend backend;
  TSFXPlayer player{backend};
  std::vector<std::string> played;
  SoundCatcher() {
    for (const char* n : {"PickingTool", "DisabledTile", "Hammer", "Bomb", "Lightning",
                          "LockerBounce", "ToolAcquired", "Key", "ItemActivated", "Collector",
                          "TileClear"})
      std::ofstream(dir.File(std::string(n) + ".ogg")) << "x";
    player.Path = dir.Str();
    player.LoadAll();
    player.OnTrace = [this](const std::string&, const std::string& name) {
      played.push_back(name);
    };
  }
  // What the components under test play through, as the shell hands them the effect player.
  std::function<void(const std::string& name)> Route() {
    return [this](const std::string& name) { player.Play(name); };
  }
};
