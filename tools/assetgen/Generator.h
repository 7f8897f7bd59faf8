#pragma once
#include <string>
#include <vector>

#include "Manifest.h"
#include "engine/TPicture.h"

namespace assetgen {

TPicture RenderPicture(const TAssetSpec& asset);

// Writes every picture below imagesDir (the game's "Images/" folder) and removes
// pictures that the manifest no longer names. Returns false and fills error on failure.
bool GenerateTree(const std::string& imagesDir, const std::vector<TAssetSpec>& manifest,
                  int threads, std::string& error);

// Draws every picture with its name and pattern grid on sheets named
// <base>-1.png, <base>-2.png, ... (base = path without ".png"); returns the paths written.
std::vector<std::string> WriteContactSheets(const std::string& path,
                                            const std::vector<TAssetSpec>& manifest,
                                            int threads, std::string& error);

// Composes one screen (menu, level, map, options, confirm, splash, result) from the pictures at the
// places the game draws them, for checking layouts by eye.
bool WriteMockScreen(const std::string& scene, const std::string& path,
                     const std::vector<TAssetSpec>& manifest, std::string& error);

}  // namespace assetgen
