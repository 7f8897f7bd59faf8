#pragma once
#include <set>
#include <string>

#include "engine/TImageLoader.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TSpriteTileCount.h"
#include "platform/TSoftwareBackend.h"

// A 1366 x 768 screen drawn by the software back end, with an image list and its loader:
// what the tools that draw one picture outside the game share.
class TOffscreenCanvas {
 public:
  TSoftwareBackend Backend;
  TOmegaScreen Screen{&Backend};
  TOmegaImageList Images{&Screen};
  TSpriteTileCount Tiles;
  TImageLoader Loader{Images, Tiles};

  bool Open(std::string& error);
  // Pictures asked for and not loaded go into `missing` (when given), with their pattern.
  void CollectMissing(std::set<std::string>* missing);
  // Loads every PNG of the content's main picture folder and returns that folder.
  std::string LoadMainFolder(const std::string& content);
  // What the screen shows now, written as an opaque PNG.
  static bool WriteShot(TOmegaScreen& screen, const std::string& file, std::string& error);
  bool WriteShot(const std::string& file, std::string& error) {
    return WriteShot(Screen, file, error);
  }
};
