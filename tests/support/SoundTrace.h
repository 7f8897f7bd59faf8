#pragma once
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "audio/TSFXPlayer.h"
#include "platform/TRecordingAudioBackend.h"
#include "support/TempDir.h"

// An effect player over empty sound files that records which sounds start.
struct SoundTrace {
  TempDir dir;
  TRecordingAudioBackend backend;
  std::unique_ptr<TSFXPlayer> player;
  std::vector<std::string> played;
  explicit SoundTrace(std::initializer_list<const char*> names) {
    for (const char* n : names) std::ofstream(dir.File(std::string(n) + ".ogg")) << "x";
    player = std::make_unique<TSFXPlayer>(backend);
    player->Path = dir.Str();
    player->LoadAll();
    player->OnTrace = [this](const std::string&, const std::string& n) { played.push_back(n); };
  }
  // What the components under test play through, as the shell hands them the effect player.
  std::function<void(const std::string& name)> Route() {
    return [this](const std::string& name) { player->Play(name); };
  }
  int Count(const std::string& prefix) const {
    int n = 0;
    for (const auto& p : played) n += p.rfind(prefix, 0) == 0;
    return n;
  }
};
