#include "shell/TShellParts.h"

TShellParts::TShellParts(const TShellServices& services)
    : OmegaScreen1(services.Backend),
      OmegaImageList1(&OmegaScreen1),
      OmegaTimer1(*services.Clock),
      ImageLoader(OmegaImageList1, SpriteTileCount),
      CompanyLogos(OmegaImageList1),
      PlayEffect([this](const std::string& name) {
        if (SFXPlayer) SFXPlayer->Play(name);
      }),
      PlayVoice([this](const std::string& name) {
        if (VoicePlayer) VoicePlayer->Play(name);
      }) {}

void TShellParts::Create(bool isWindows8OrLater) {
  LoadingBar = std::make_unique<TLoadingBar>(OmegaImageList1);
  Snow = std::make_unique<TSnowEffect>(OmegaImageList1);
  ScreenDust = std::make_unique<TScreenDustEffect>(OmegaImageList1);
  ScreenDust->IsWindows8OrLater = isWindows8OrLater;
}

void TShellParts::UnloadGroup(TImageGroup group) {
  if (const int list = LoadedListOf(group); list >= 0) LoadedImages.Unload(list, OmegaImageList1);
}

bool TShellParts::GroupLoaded(TImageGroup group) const {
  const int list = LoadedListOf(group);
  return list >= 0 && LoadedImages.IsLoaded(list);
}
