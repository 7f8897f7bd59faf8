#pragma once
#include <fstream>
#include <string>
#include <vector>

#include "audio/TSFXPlayer.h"
#include "audio/TSoundShortcuts.h"
#include "platform/TRecordingAudioBackend.h"
#include "support/TempDir.h"

// Every sound effect the game plays by name while it lives, in order.
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
    TSoundShortcuts::SetEffects(&player);
  }
  ~SoundCatcher() { TSoundShortcuts::SetEffects(nullptr); }
};
