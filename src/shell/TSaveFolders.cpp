#include "shell/TSaveFolders.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/IMessageBoxes.h"
#include "platform/TFileSystem.h"

void TSaveFolders::CreateSaveFolders(const std::string& saveRoot, const std::string& saveFolder,
                                     IMessageBoxes& boxes) {
  if (!TFileSystem::DirectoryExists(saveRoot)) {
    // The data folder may be several levels deep (~/.local/share on a fresh account).
    std::string partial;
    bool ok = true;
    for (std::size_t i = 1; i <= saveRoot.size(); ++i) {
      if (i == saveRoot.size() || saveRoot[i] == '/') {
        partial = saveRoot.substr(0, i);
        if (!TFileSystem::DirectoryExists(partial) && !TFileSystem::CreateDirectory(partial)) {
          ok = false;
          break;
        }
      }
    }
    if (!ok)
      boxes.Show("Error", "Error: could not create game save folder. (#1)", TMessageButtons::Ok, true);
  }
  if (!TFileSystem::DirectoryExists(saveFolder) && !TFileSystem::CreateDirectory(saveFolder))
    boxes.Show("Error", "Error: could not create game save folder. (#2)", TMessageButtons::Ok, true);
}

bool TSaveFolders::ProbePlayersFile(const std::string& folder) {
  std::string path = folder + "Players.dat";
  if (access(path.c_str(), F_OK) != 0) return true;
  int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

std::string TSaveFolders::SelectSaveFolder(const std::string& saveFolder) {
  if (ProbePlayersFile(saveFolder)) return saveFolder;
  for (int i = 1; i <= MaxNumbered; ++i) {
    std::string sub = saveFolder + std::to_string(i) + "/";
    if (!TFileSystem::DirectoryExists(sub)) {
      if (TFileSystem::CreateDirectory(sub)) return sub;
      continue;
    }
    if (ProbePlayersFile(sub)) return sub;
  }
  return saveFolder;
}
