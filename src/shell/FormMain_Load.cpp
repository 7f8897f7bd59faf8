// Folders, picture loading and the loading schedule.
#include <algorithm>

#include "platform/TFileSystem.h"
#include "shell/TFormMain.h"
#include "shell/TSaveFolders.h"

void TFormMain::BuildFolderPaths() {
  LevelsFolder = ExeFolder + "Levels/";
  TextsFolder = ExeFolder + "Texts/";
  SaveRoot = *Services.SaveRoot;
  SaveFolder = SaveRoot + "/" + TSaveFolders::FolderName + "/";
  ImagesFolder = ExeFolder + "Images/";
  LogoFolder = ImagesFolder + "Logo/";
  SplashFolder = ImagesFolder + "Splash/";
  LateLoadFolder = ImagesFolder + "LateLoad/";
  UpgradesFolder = ImagesFolder + "Upgrades/";
  CloudCoverFolder = ImagesFolder + "CloudCover/";
  StoryFolder = ImagesFolder + (IsWindows8OrLater ? "StoryW10/" : "Story/");
  EndingFolder = ImagesFolder + (IsWindows8OrLater ? "EndingW10/" : "Ending/");
  MenuFolder = ImagesFolder + "Menu/";
  BoardFolder = ImagesFolder + "Board/";
  PracticeWindowFolder = ImagesFolder + "PracticeWindow/";
  static const char* kCreatures[5] = {"Centaur", "Hydra", "Golem", "Cyclops", "Dragon"};
  for (int i = 0; i < 5; ++i)
    CreatureFolders[i] = ImagesFolder + "Creatures/" + kCreatures[i] + "/";
  SoundsFolder = ExeFolder + "Sounds/";
  MusicFolder = ExeFolder + "Music/";
  StoryVoicesFolder = ExeFolder + "Voices/Story/";
  EndingVoicesFolder = ExeFolder + "Voices/Ending/";
  TutorialVoicesFolder = ExeFolder + "Voices/Tutorial/";
  ChatVoicesFolder = ExeFolder + "Voices/Chats/";
}

std::string TFormMain::GroupFolder(int group) const {
  switch (group) {
    case 0: return LogoFolder;
    case 1: return SplashFolder;
    case 3: return UpgradesFolder;
    case 4: return CloudCoverFolder;
    case 5: return StoryFolder;
    case 6: return EndingFolder;
    case 7: return CreatureFolders[std::clamp(CreatureIsland, 1, 5) - 1];
    case 8: return MenuFolder;
    case 9: return BoardFolder;
    case 10: return PracticeWindowFolder;
    default: return ImagesFolder;
  }
}

bool TFormMain::LoadImageFile(int group, const std::string& fileName, bool fromLateLoad, bool) {
  std::string folder = fromLateLoad ? LateLoadFolder : GroupFolder(group);
  std::string name = ImageLoader.LoadFile(folder, fileName);
  if (!name.empty()) {
    // Groups that are loaded and freed on demand remember their pictures.
    switch (group) {
      case 3: LoadedImages.Add(2, name); break;
      case 5: LoadedImages.Add(0, name); break;
      case 6: LoadedImages.Add(1, name); break;
      case 7: LoadedImages.Add(3, name); break;
      case 8: LoadedImages.Add(4, name); break;
      default: break;
    }
  }
  // The main load holds the thread: run a whole frame so the bar keeps moving.
  if (group == 2 && !fromLateLoad && LoadingBar) {
    LoadingBar->ImageLoaded();
    OmegaTimer1Timer();
  }
  return !name.empty();
}

void TFormMain::LoadFolderJpegs(int group) {
  for (const std::string& f : TFileSystem::ListFiles(GroupFolder(group), ".jpg"))
    LoadImageFile(group, f, false, true);
}

void TFormMain::LoadFolderPngs(int group) {
  for (const std::string& f : TFileSystem::ListFiles(GroupFolder(group), ".png"))
    LoadImageFile(group, f, false, false);
}

void TFormMain::CountMainImages() {
  int count = static_cast<int>(TFileSystem::ListFiles(ImagesFolder, ".jpg").size() +
                               TFileSystem::ListFiles(ImagesFolder, ".png").size());
  LoadingBar->ImageCountToLoad = count + 1;
}

void TFormMain::FreeLogoAndLoadingPictures() {
  for (const char* name : {"CompanyLogo1", "CompanyLogo2", "CompanyLogo3", "LoadingBarBG",
                           "LoadingBarFill", "LoadingBarGlass", "LoadingBarText", "SplashBG"})
    OmegaImageList1.Remove(name);
}
