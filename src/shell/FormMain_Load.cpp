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

std::string TFormMain::GroupFolder(TImageGroup group) const {
  switch (group) {
    case igLogo: return LogoFolder;
    case igSplash: return SplashFolder;
    case igUpgrades: return UpgradesFolder;
    case igCloudCover: return CloudCoverFolder;
    case igStory: return StoryFolder;
    case igEnding: return EndingFolder;
    case igCreature: return CreatureFolders[std::clamp(CreatureIsland, 1, 5) - 1];
    case igMenu: return MenuFolder;
    case igBoard: return BoardFolder;
    case igPracticeWindow: return PracticeWindowFolder;
    default: return ImagesFolder;
  }
}

// The decoder follows the file's extension; the format is the caller's expectation.
bool TFormMain::LoadImageFile(TImageGroup group, const std::string& fileName, TImageSource source,
                              TImageFormat) {
  const bool lateLoad = source == srLateLoad;
  std::string folder = lateLoad ? LateLoadFolder : GroupFolder(group);
  std::string name = ImageLoader.LoadFile(folder, fileName);
  // Groups that are loaded and freed on demand remember their pictures.
  const int list = LoadedListOf(group);
  if (!name.empty() && list >= 0) LoadedImages.Add(list, name);
  // The main load holds the thread: run a whole frame so the bar keeps moving.
  if (group == igMain && !lateLoad && LoadingBar) {
    LoadingBar->ImageLoaded();
    OmegaTimer1Timer();
  }
  return !name.empty();
}

void TFormMain::LoadFolderJpegs(TImageGroup group) {
  for (const std::string& f : TFileSystem::ListFiles(GroupFolder(group), ".jpg"))
    LoadImageFile(group, f, srGroupFolder, ifJpeg);
}

void TFormMain::LoadFirstLogoFrame() {
  LateLogoFiles.clear();
  for (const std::string& f : TFileSystem::ListFiles(LogoFolder, ".jpg")) {
    if (f == "WhiteRect.jpg" || f == "CompanyLogo1.jpg")
      LoadImageFile(igLogo, f, srGroupFolder, ifJpeg);
    else
      LateLogoFiles.push_back(f);
  }
}

void TFormMain::LoadFolderPngs(TImageGroup group) {
  for (const std::string& f : TFileSystem::ListFiles(GroupFolder(group), ".png"))
    LoadImageFile(group, f, srGroupFolder, ifPng);
}


void TFormMain::CountMainImages() {
  int count = static_cast<int>(TFileSystem::ListFiles(ImagesFolder, ".jpg").size() +
                               TFileSystem::ListFiles(ImagesFolder, ".png").size());
  LoadingBar->ImageCountToLoad = count + 1;
}

void TFormMain::FreeLogoPictures() {
  for (const char* name : {"CompanyLogo1", "CompanyLogo2", "CompanyLogo3", "WhiteRect"})
    OmegaImageList1.Remove(name);
}

void TFormMain::FreeLogoAndLoadingPictures() {
  for (const char* name : {"CompanyLogo1", "CompanyLogo2", "CompanyLogo3", "LoadingBarBG",
                           "LoadingBarFill", "LoadingBarGlass", "LoadingBarText", "SplashBG"})
    OmegaImageList1.Remove(name);
}
