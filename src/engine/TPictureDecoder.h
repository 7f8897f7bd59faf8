#pragma once
#include <string>
#include "engine/TPicture.h"

// The only picture decoders of the game: libpng (with alpha) and libjpeg.
// A missing, truncated or corrupt file returns false with a readable error;
// it never throws and never aborts the process.
class TPictureDecoder {
 public:
  static bool DecodePngFile(const std::string& path, TPicture& out, std::string& error);
  static bool DecodeJpegFile(const std::string& path, TPicture& out, std::string& error);
  static bool DecodePngMemory(const void* data, std::size_t size, TPicture& out, std::string& error);
  static bool DecodeJpegMemory(const void* data, std::size_t size, TPicture& out, std::string& error);
  // Chooses the decoder by the file's extension (".jpg"/".jpeg" → JPEG, anything else → PNG).
  static bool DecodeFile(const std::string& path, TPicture& out, std::string& error);
};
