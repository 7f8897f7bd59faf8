#include "shell/TDecorParts.h"

#include "engine/TGameRandom.h"

namespace {
// Where the menu's sparkles twinkle: the wand's tip, the heroine's hat, the title and the
// play button, each a small area of its own so they never bunch up.
struct TSparkleArea {
  int Left, Top, Right, Bottom;
};
constexpr TSparkleArea kMenuSparkles[TDecorParts::MenuSparkleCount] = {
    {560, 120, 620, 170}, {600, 190, 680, 260}, {330, 120, 420, 180},
    {840, 60, 1000, 120}, {1020, 90, 1180, 150}, {880, 300, 1080, 360},
};
}  // namespace

void TDecorParts::Create(TOmegaImageList& images, bool isWindows8OrLater,
                         const std::function<void(const std::string& name)>& sound) {
  for (int i = 0; i < MenuSparkleCount; ++i) {
    auto s = std::make_unique<TSparklingEffect>();
    s->OmgImgList = &images;
    s->AreaLeft = kMenuSparkles[i].Left;
    s->AreaTop = kMenuSparkles[i].Top;
    s->AreaRight = kMenuSparkles[i].Right;
    s->AreaBottom = kMenuSparkles[i].Bottom;
    // The menu's sparkles are softer than full white: 185 of 255.
    s->AlphaFactor = 185.0f / 255.0f;
    MenuSparkles[i] = std::move(s);
  }
  PlayButtonShine = std::make_unique<TGeneralShine>();
  PlayButtonShine->OmgImgList = &images;
  PlayButtonShine->SizeRatio = 2.0f;  // under the button: its rays must spill past it
  MapWaves = std::make_unique<TWorldMapWaves>();
  MapWaves->OmgImgList = &images;
  MapWaves->Visible = !isWindows8OrLater;
  MapPlayShine = std::make_unique<TPlayShine>();
  MapPlayShine->OmgImgList = &images;
  MapFog = std::make_unique<TFog>();
  MapFog->OmgImgList = &images;
  MapFog->TopLimit = 160;
  MapFog->Reset();  // banks already under way when the map first opens
  NewIslandPlop = std::make_unique<TNewPlopEffect>();
  NewIslandPlop->OmgImgList = &images;
  NewIslandPlop->PlaySound = sound;
  BackgroundEffects = std::make_unique<TBackgroundEffects>(&images);
  BackgroundEffects->IsWindows8OrLater = isWindows8OrLater;
  FireworksShown = !isWindows8OrLater;
  Fireworks = std::make_unique<TConfettiFireworks>();
  Fireworks->OmgImgList = &images;
  Fireworks->PlaySound = sound;
  FireworksTrigger = std::make_unique<TFireworksTrigger>();
  ScoringDust = std::make_unique<TScoringDust>();
  ScoringDust->OmgImgList = &images;
}

void TDecorParts::Wire() {
  FireworksTrigger->OnTrigger = [this](TFireworksTrigger&) { LaunchFireworks(); };
}

void TDecorParts::LaunchFireworks() {
  if (FireworksShown) Fireworks->Launch(TGameRandom::Random(2) == 0 ? -50.0f : 1366.0f, 710);
}

void TDecorParts::ReadImageSizes() {
  PlayButtonShine->RefreshSizes();
  BackgroundEffects->RefreshSizes();
}

void TDecorParts::ResetForLevel(int island) {
  BackgroundEffects->SetIsland(island);
  Fireworks->Reset();
  FireworksTrigger->Reset();
  ScoringDust->Reset();
}

void TDecorParts::DrawMenuSparkles() {
  for (auto& s : MenuSparkles) s->UpdateAndDraw();
}
