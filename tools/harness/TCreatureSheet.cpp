#include "TCreatureSheet.h"
#include "TOffscreenCanvas.h"

#include <memory>

#include "bosses/TBoss.h"
#include "bosses/TBossPainter.h"
#include "bosses/TMonsterAura.h"
#include "engine/TGameRandom.h"
#include "engine/TImageLoader.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "platform/TFileSystem.h"

namespace {
const char* const kFolders[5] = {"Centaur", "Hydra", "Golem", "Cyclops", "Dragon"};

std::unique_ptr<TBoss> MakeBoss(int island) {
  switch (island) {
    case 1: return std::make_unique<TOwlBoss>();
    case 2: return std::make_unique<TSquirrelBoss>();
    case 3: return std::make_unique<TBeeBoss>();
    case 4: return std::make_unique<TBatBoss>();
    default: return std::make_unique<TCatBoss>();
  }
}

// A fresh creature walking at x in the given direction, as a level would have it after
// some walking: it starts at its right end, so the range is laid out around x.
std::unique_ptr<TBoss> WalkingAt(int island, int x, int y, TBoss::TDirection direction,
                                 int steps) {
  auto boss = MakeBoss(island);
  boss->TopPos = boss->FrontDeadGroundPos = y;
  boss->MaxLeftPos = direction == TBoss::dirLeft ? x - 200 : x - steps;
  boss->MaxRightPos = direction == TBoss::dirLeft ? x + steps : x + 100;
  boss->Reset();
  boss->SetAutoAttempts(false);
  const int updates = direction == TBoss::dirLeft ? steps : 100 + 2 * steps;
  for (int i = 0; i < updates; ++i) boss->Update();
  return boss;
}

// A creature that starts an attempt at once and prepares for the given updates.
std::unique_ptr<TBoss> Attempting(int island, int x, int y, int preparing, int updates) {
  auto boss = WalkingAt(island, x + 2, y, TBoss::dirLeft, 40);
  boss->RefTimeForAbsorbAttempt = TickMilliseconds;
  boss->PreparingTime = preparing;
  boss->AbsorbingTime = 1000000;
  boss->SetAutoAttempts(true);
  for (int i = 0; i < updates; ++i) boss->Update();
  return boss;
}
}  // namespace

bool TCreatureSheet::Run(const std::string& folder, int island, const std::string& file,
                         std::string& error, std::set<std::string>* missing) {
  if (island < 1 || island > 5) {
    error = "island must be 1..5";
    return false;
  }
  TOffscreenCanvas canvas;
  if (!canvas.Open(error)) return false;
  TOmegaScreen& screen = canvas.Screen;
  TOmegaImageList& images = canvas.Images;
  canvas.CollectMissing(missing);
  TImageLoader& loader = canvas.Loader;
  const std::string imagesFolder = canvas.LoadMainFolder(folder);
  const std::string creatureFolder = imagesFolder + "Creatures/" + kFolders[island - 1] + "/";
  for (const std::string& f : TFileSystem::ListFiles(creatureFolder, ".png"))
    loader.LoadFile(creatureFolder, f);
  const std::string background = "GameBG" + std::to_string(island);
  if (loader.LoadFile(imagesFolder + "LateLoad/", background + ".jpg").empty()) {
    error = "cannot read " + imagesFolder + "LateLoad/" + background + ".jpg";
    return false;
  }
  TGameRandom::SetSeed(static_cast<std::uint32_t>(island) * 977u);

  // Bottom row where the game has them: walking both ways, tipped by three hits, preparing,
  // squashed while dying. Top row: absorbing at the aura's peak, the pieces flying apart
  // and at rest.
  const int ground = 499, above = 150;
  std::vector<std::unique_ptr<TBoss>> bosses;
  bosses.push_back(WalkingAt(island, 10, ground, TBoss::dirLeft, 43));
  bosses.push_back(WalkingAt(island, 280, ground, TBoss::dirRight, 21));
  auto hit = WalkingAt(island, 550, ground, TBoss::dirLeft, 30);
  hit->SetEnergy(10);
  for (int i = 0; i < 3; ++i) hit->Hit(0, 0, 1);
  bosses.push_back(std::move(hit));
  bosses.push_back(Attempting(island, 820, ground, 1000000, 12));
  auto dying = WalkingAt(island, 1095, ground, TBoss::dirLeft, 40);
  dying->SetEnergy(1);
  dying->Hit(0, 0, 1);
  for (int i = 0; i < 5; ++i) dying->Update();
  bosses.push_back(std::move(dying));

  TMonsterAura aura;
  aura.OmgImgList = &images;
  auto absorbing = Attempting(island, 180, above, TickMilliseconds, 0);
  absorbing->OnStartAbsorbing = [&aura](TBoss& b) {
    aura.Left = b.Position().X + 46;
    aura.Top = b.Position().Y + 55;
    aura.Start();
  };
  for (int i = 0; i < 20; ++i) {
    absorbing->Update();
    aura.Update();
  }
  bosses.push_back(std::move(absorbing));
  for (int updates : {12, 60}) {
    auto dead = WalkingAt(island, updates == 12 ? 600 : 980, above, TBoss::dirLeft, 40);
    dead->SetEnergy(1);
    dead->Hit(0, 0, 1);
    for (int i = 0; i < updates; ++i) dead->Update();
    bosses.push_back(std::move(dead));
  }

  TBossPainter painter;
  painter.OmgImgList = &images;
  screen.Clear(0, 0, 0, 255);
  screen.BeginScene();
  images.DrawImage(background, 0, 0, 0);
  for (std::size_t i = 0; i < bosses.size(); ++i) {
    painter.DrawBoss(*bosses[i]);
    if (i == 5) painter.DrawAura(aura);
  }
  // The energy bar has one place on the screen: the tipped creature's, 7 hits of 10 left.
  painter.DrawEnergyBar(*bosses[2]);
  screen.EndScene();
  return TOffscreenCanvas::WriteShot(screen, file, error);
}
