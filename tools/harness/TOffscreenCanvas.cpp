#include "TOffscreenCanvas.h"

#include "engine/TPictureEncoder.h"
#include "platform/TFileSystem.h"

bool TOffscreenCanvas::Open(std::string& error) {
  Screen.Width = 1366;
  Screen.Height = 768;
  if (Screen.Initialize()) return true;
  error = "cannot open the offscreen screen";
  return false;
}

void TOffscreenCanvas::CollectMissing(std::set<std::string>* missing) {
  if (!missing) return;
  Images.OnMissingPicture = [missing](const std::string& name, int pattern) {
    missing->insert(name + (pattern > 0 ? " " + std::to_string(pattern) : ""));
  };
}

std::string TOffscreenCanvas::LoadMainFolder(const std::string& content) {
  const std::string folder = content + "Images/";
  for (const std::string& f : TFileSystem::ListFiles(folder, ".png")) Loader.LoadFile(folder, f);
  return folder;
}

bool TOffscreenCanvas::WriteShot(TOmegaScreen& screen, const std::string& file,
                                 std::string& error) {
  TPicture picture;
  if (!screen.ReadBackBuffer(picture)) {
    error = "cannot read the back buffer";
    return false;
  }
  // The screen is opaque; blending leaves stray alpha in the buffer.
  for (std::size_t i = 3; i < picture.Pixels.size(); i += 4) picture.Pixels[i] = 255;
  return TPictureEncoder::WritePngFile(file, picture, error);
}
