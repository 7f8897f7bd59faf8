// Folders, picture loading and the creation of the game's components.
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
    case 7: return CreatureFolders[0];  // the island's creature folder comes with the levels
    case 8: return MenuFolder;
    case 9: return BoardFolder;
    case 10: return PracticeWindowFolder;
    default: return ImagesFolder;
  }
}

bool TFormMain::LoadImageFile(int group, const std::string& fileName, bool fromLateLoad, bool) {
  std::string folder = fromLateLoad ? LateLoadFolder : GroupFolder(group);
  std::string name = ImageLoader.LoadFile(folder, fileName);
  if (name.empty()) return false;
  // Groups that are loaded and freed on demand remember their pictures.
  switch (group) {
    case 3: LoadedImages.Add(2, name); break;
    case 5: LoadedImages.Add(0, name); break;
    case 6: LoadedImages.Add(1, name); break;
    case 7: LoadedImages.Add(3, name); break;
    case 8: LoadedImages.Add(4, name); break;
    default: break;
  }
  return true;
}

void TFormMain::LoadFolderJpegs(int group) {
  for (const std::string& f : TFileSystem::ListFiles(GroupFolder(group), ".jpg"))
    LoadImageFile(group, f, false, true);
}

void TFormMain::LoadFolderPngs(int group) {
  for (const std::string& f : TFileSystem::ListFiles(GroupFolder(group), ".png"))
    LoadImageFile(group, f, false, false);
}

void TFormMain::CreateComponents() {
  // The ~150 game components are created and wired here as their subsystems arrive.
  CompanyLogos.SetLogoCount(TFileSystem::FileExists(LogoFolder + "CompanyLogo3.jpg") ? 3 : 2);
  Services.Window->SetTitle(Caption);
}

void TFormMain::GatherPlayerSave(TPlayerSave& save) {
  // The progress and stickers of a fresh game are gathered here with the profiles.
  save = TPlayerSave{};
}

void TFormMain::SetDefaultOptions(TPlayerSave& save) {
  save.SoundOn = true;
  save.MusicOn = true;
  save.FullScreen = true;
  save.TutorialOn = true;
  save.SoundVolume = 70;
  save.MusicVolume = 50;
}

void TFormMain::ApplyOptions() {
  // Sound, voice and music volumes and the tutorial switch come from CurrentSave once the
  // audio players exist; CurrentSave is all zero until a player is loaded.
}

bool TFormMain::ReadStartFullScreenOption() {
  // The current player's save file is read here with the profiles.
  return DefaultSave.FullScreen;
}
