#pragma once
#include <functional>
#include <memory>
#include <string>

#include "audio/TMusicBox.h"
#include "audio/TSFXPlayer.h"
#include "audio/TVoicePlayer.h"
#include "effects/TScreenDustEffect.h"
#include "effects/TSnowEffect.h"
#include "engine/TImageLoader.h"
#include "engine/TLoadedImageList.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TOmegaTimer.h"
#include "engine/TSpriteTileCount.h"
#include "shell/TCompanyLogos.h"
#include "shell/TImageGroup.h"
#include "shell/TShellServices.h"
#include "shell/TWindowTimer.h"
#include "text/TGlobalGameText.h"
#include "text/TSettingLoader.h"
#include "text/TTextStrings.h"
#include "ui/TLoadingBar.h"

// The room every other room uses: the sprite engine and the window's clocks, the folders,
// the texts, the sound players and the looks many scenes share. The main window derives from
// it first, so all of it outlives the components of the other rooms.
class TShellParts {
 public:
  explicit TShellParts(const TShellServices& services);
  TShellParts(const TShellParts&) = delete;
  TShellParts& operator=(const TShellParts&) = delete;

  // The form resource's sprite screen, image list and frame clock, and the window timer.
  TOmegaScreen OmegaScreen1;
  TOmegaImageList OmegaImageList1;
  TOmegaTimer OmegaTimer1;
  TWindowTimer Timer1{100};
  TSpriteTileCount SpriteTileCount;
  TLoadedImageList LoadedImages;
  TImageLoader ImageLoader;
  TCompanyLogos CompanyLogos;

  // The sound output when none was handed over; declared first, it goes after its players.
  std::unique_ptr<IAudioBackend> OwnedAudio;
  std::unique_ptr<TMusicBox> MusicBox;
  std::unique_ptr<TSFXPlayer> SFXPlayer;
  std::unique_ptr<TVoicePlayer> VoicePlayer;
  // The one route of sound: every component plays through these, and they reach whichever
  // player is current (a voice group comes with a player of its own).
  std::function<void(const std::string& name)> PlayEffect, PlayVoice;

  TSettingLoader SettingLoader;
  TGlobalGameText GlobGameText;
  TTextStrings TextStrings;
  std::unique_ptr<TLoadingBar> LoadingBar;
  std::unique_ptr<TSnowEffect> Snow;
  std::unique_ptr<TScreenDustEffect> ScreenDust;

  std::string ExeFolder, LevelsFolder, TextsFolder, SaveRoot, SaveFolder;
  std::string ImagesFolder, LogoFolder, SplashFolder, LateLoadFolder, UpgradesFolder,
      CloudCoverFolder, StoryFolder, EndingFolder, MenuFolder, BoardFolder, PracticeWindowFolder;
  std::string CreatureFolders[5];
  std::string SoundsFolder, MusicFolder, StoryVoicesFolder, EndingVoicesFolder,
      TutorialVoicesFolder, ChatVoicesFolder;

  // Frees a group that scenes load and free, and tells whether it is loaded.
  void UnloadGroup(TImageGroup group);
  bool GroupLoaded(TImageGroup group) const;

 protected:
  // The loading bar, the snow and the screen dust; the sound players come with their routes.
  void Create(bool isWindows8OrLater);
};
