#include "TPracticeDemo.h"
#include "TOffscreenCanvas.h"

#include <cstdio>
#include <filesystem>

#include "engine/TGameRandom.h"
#include "metagame/TPracticeMiniGame.h"
#include "platform/TFileSystem.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"

bool TPracticeDemo::Run(const TOptions& o, std::string& error, std::set<std::string>& missing) {
  if (o.Island < 1 || o.Island > 5 || o.Slot < 1 || o.Slot > 4) {
    error = "island must be 1..5 and slot 1..4";
    return false;
  }
  TOffscreenCanvas canvas;
  if (!canvas.Open(error)) return false;
  TOmegaImageList& images = canvas.Images;
  canvas.CollectMissing(&missing);
  const std::string imagesFolder = canvas.LoadMainFolder(o.Content);
  const std::string window = "PracticeWindow" + std::to_string(o.Island);
  const std::string background = "GameBG" + std::to_string(o.Island);
  if (canvas.Loader.LoadFile(imagesFolder + "PracticeWindow/", window + ".png").empty() ||
      canvas.Loader.LoadFile(imagesFolder + "LateLoad/", background + ".jpg").empty()) {
    error = "cannot read the practice window or the background of island " + std::to_string(o.Island);
    return false;
  }
  TTextStrings strings;
  if (!strings.Load(o.Content + "Texts/", error)) return false;
  TGlobalGameText writer;
  writer.OmgImgList = &images;
  writer.OrigLetterWidth = images.TileWidthOf("GlobalFontWhite");
  writer.OrigLetterHeight = images.TileHeightOf("GlobalFontWhite");

  // The deal and the sparkles take the same turns on every run.
  TGameRandom::SetSeed(static_cast<std::uint32_t>(o.Island * 100 + o.Slot));
  TGameRandom::SetClockSeedSource([] { return 20261210u; });
  TPracticeMiniGame game(images, writer, strings);
  game.DataFilePath = o.Content;
  game.DataFileName = "HiddenIngrds.dat";
  game.OnLoadError = [&error](TPracticeMiniGame&, const std::string& m) { error = m; };
  int reports = 0;
  game.OnFinished = [&reports](TPracticeMiniGame&, int, int, const TElementsCount&) { ++reports; };
  const bool loaded = game.LoadData();
  TGameRandom::SetClockSeedSource(nullptr);
  if (!loaded) return false;
  TGameRandom::SetClockSeedSource([] { return 20261210u; });
  game.MeasureProgressFill();
  game.IslandIdx = o.Island;
  game.Start(o.Island, o.Slot, {});

  std::filesystem::create_directories(o.OutFolder);
  auto frame = [&] {
    canvas.Screen.Clear(0, 0, 0, 255);
    canvas.Screen.BeginScene();
    images.DrawImage(background, 0, 0, 0);
    // The shell's veil under the window while it takes input.
    if (game.TakesInput()) images.DrawImage("BlackRect", 0, 0, 0, {.A = 120, .ScaleX = 2, .ScaleY = 2});
    game.UpdateAndDraw();
    canvas.Screen.EndScene();
  };
  auto frames = [&](int n) {
    for (int i = 0; i < n; ++i) frame();
  };
  bool ok = true;
  auto shot = [&](const std::string& name) {
    std::string file = o.OutFolder + "/" + name + ".png";
    ok = ok && TOffscreenCanvas::WriteShot(canvas.Screen, file, error);
    std::printf("%s\n", file.c_str());
  };
  auto click = [&](double wx, double wy) {
    const int x = static_cast<int>(TPracticeMiniGame::WindowLeft + wx);
    const int y = static_cast<int>(game.WindowY() + wy);
    game.MouseMove(x, y);
    game.MouseDown(x, y, true);
    game.MouseUp(x, y);
  };
  auto clickHidden = [&](int k) {
    const THiddenIngredient& h = game.Hidden(k);
    click(h.X + 26, h.Y + 16 + 26);
  };
  auto clickPot = [&](int kind, bool right) {
    for (int s = 1; s <= 4; ++s) {
      const TPracticePot& p = game.Pot(s);
      if (!p.Done && (p.Kind == kind) == right) {
        click(TPracticeMiniGame::PotLeft(s) + 38, TPracticeMiniGame::PotTop(s) + 38);
        return;
      }
    }
  };
  auto waitFor = [&](TPracticeState state, int limit) {
    for (int i = 0; i < limit && game.GetState() != state; ++i) frame();
    return game.GetState() == state;
  };

  game.Open();
  frames(6);
  shot("01-sliding-in");
  frames(10);
  shot("02-find-the-ingredients");
  clickHidden(1);
  frames(3);
  shot("03-one-found");
  for (int k = 2; k <= 4; ++k) {
    clickHidden(k);
    frames(4);
  }
  if (!waitFor(psPlaceStep, 60)) {
    error = "step 2 did not begin";
    return false;
  }
  frames(16);
  shot("04-fill-the-pots");
  clickPot(game.Hidden(1).Kind, false);  // a wrong pot first: it bumps
  clickPot(game.Hidden(1).Kind, true);
  frames(3);
  shot("05-first-pot-filled");
  for (int k = 2; k <= 4; ++k) {
    clickPot(game.Hidden(k).Kind, true);
    frames(2);
  }
  frames(110);
  shot("06-cooking");
  if (!waitFor(psDone, 200)) {
    error = "the dish was not presented";
    return false;
  }
  frames(8);
  shot("07-dish-appears");
  frames(40);
  shot("08-my-creation");
  TGameButton& done = game.DoneButton();
  game.MouseMove(done.Left + 60, done.Top + 20);
  game.MouseDown(done.Left + 60, done.Top + 20, true);
  game.MouseUp(done.Left + 60, done.Top + 20);
  frames(5);
  shot("09-sliding-out");
  frames(20);
  TGameRandom::SetClockSeedSource(nullptr);
  if (ok && (reports != 1 || game.IsOpen())) {
    error = "the round ended with " + std::to_string(reports) + " reports";
    return false;
  }
  return ok;
}
