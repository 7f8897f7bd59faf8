#pragma once
#include <string>
#include "engine/TPicture.h"

// Writes pictures for screenshots, tests and the content generators.
class TPictureEncoder {
 public:
  static bool WritePngFile(const std::string& path, const TPicture& picture, std::string& error);
  // quality 1..100; alpha is dropped.
  static bool WriteJpegFile(const std::string& path, const TPicture& picture, int quality,
                            std::string& error);
};
