#include "TTutorialSheet.h"
#include "TOffscreenCanvas.h"

#include <cstdio>
#include <filesystem>

#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "ui/TTutorialToolTip.h"
#include "ui/TWynnetTutorial.h"
#include "ui/TWynnetTutorialCharacter.h"

namespace {
constexpr int SettleFrames = 150;  // fade in and the whole text written

std::string Numbered(const std::string& folder, const char* stem, int n) {
  char name[32];
  std::snprintf(name, sizeof name, "%s-%02d.png", stem, n);
  return (std::filesystem::path(folder) / name).string();
}
}  // namespace

bool TTutorialSheet::Run(const std::string& folder, const std::string& out,
                         std::vector<std::string>& written, std::string& error,
                         std::set<std::string>* missing) {
  TOffscreenCanvas canvas;
  if (!canvas.Open(error)) return false;
  TOmegaImageList& images = canvas.Images;
  canvas.CollectMissing(missing);
  const std::string imagesFolder = canvas.LoadMainFolder(folder);
  if (canvas.Loader.LoadFile(imagesFolder + "LateLoad/", "GameBG1.jpg").empty()) {
    error = "cannot read " + imagesFolder + "LateLoad/GameBG1.jpg";
    return false;
  }
  TTextStrings texts;
  if (!texts.Load(folder + "Texts/", error)) return false;
  TGlobalGameText writer;
  writer.OmgImgList = &images;
  writer.OrigLetterWidth = images.TileWidthOf("GlobalFontWhite");
  writer.OrigLetterHeight = images.TileHeightOf("GlobalFontWhite");
  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  TOmegaScreen& screen = canvas.Screen;

  // A situation for every page: the first level it belongs to.
  const struct {
    int Island, Level;
    TGameObjective Mode;
  } pages[] = {{1, 1, goNormalMode}, {2, 1, goNormalMode},  {3, 1, goNormalMode},
               {4, 1, goNormalMode}, {5, 1, goNormalMode},  {0, 0, goNormalMode},
               {1, 6, goBossMode},   {2, 11, goNormalMode}, {1, 2, goNormalMode},
               {1, 3, goNormalMode}, {1, 7, goNormalMode},  {1, 8, goNormalMode},
               {1, 5, goNormalMode}, {2, 2, goNormalMode}};
  for (const auto& page : pages) {
    TWynnetTutorial tutorial;
    tutorial.OmgImgList = &images;
    tutorial.GlobGameText = &writer;
    tutorial.TextStringsComp = &texts;
    tutorial.LoadTexts();
    TWynnetTutorialCharacter fairy;
    fairy.OmgImgList = &images;
    tutorial.Show(page.Island, page.Level, page.Mode);
    fairy.Visible = true;
    const int entry = tutorial.Entry();
    for (int f = 0; f < SettleFrames; ++f) {
      screen.Clear(0, 0, 0, 255);
      screen.BeginScene();
      images.DrawImage("GameBG1", 0, 0, 0);
      tutorial.Draw();
      images.DrawImage("TutorialOKButton", 640, 427, 0);
      fairy.UpdateAndDraw();
      screen.EndScene();
    }
    const std::string file = Numbered(out, "tutorial", entry);
    if (!TOffscreenCanvas::WriteShot(screen, file, error)) return false;
    written.push_back(file);
  }

  // The tool tip's five texts, each pointing where the game would show it.
  const struct {
    int Entry;
    TPoint Point;
  } tips[] = {{3, {640, 70}}, {6, {1180, 640}}, {13, {70, 330}}, {22, {980, 520}}, {25, {520, 700}}};
  for (const auto& tip : tips) {
    TTutorialToolTip toolTip;
    toolTip.OmgImgList = &images;
    toolTip.TextStringsComp = &texts;
    toolTip.LoadTexts();
    TPoint button{};
    toolTip.OnPointingPosRequest = [&](TTutorialToolTip&, int, TPoint& p) { p = tip.Point; };
    toolTip.OnButtonPosChange = [&](TTutorialToolTip&, int x, int y) { button = {x, y}; };
    switch (tip.Entry) {
      case 3:
        for (int i = 0; i < 8; ++i) toolTip.CountStep();
        break;
      case 6: toolTip.Signal(0); break;
      case 13:
        toolTip.LevelIdx = 4;
        toolTip.LevelStarted();
        break;
      case 22: toolTip.Signal(3); break;
      default: toolTip.SignalAfterTutorial(0); break;
    }
    if (toolTip.Entry() != tip.Entry) {
      error = "the tool tip did not show entry " + std::to_string(tip.Entry);
      return false;
    }
    for (int f = 0; f < SettleFrames; ++f) {
      screen.Clear(0, 0, 0, 255);
      screen.BeginScene();
      images.DrawImage("GameBG1", 0, 0, 0);
      toolTip.Draw();
      images.DrawImage("TutorialOKButton", static_cast<float>(button.X),
                       static_cast<float>(button.Y), 0);
      // The point itself, to judge the arrow by.
      images.DrawImage("Sparkling", static_cast<float>(tip.Point.X - 18),
                       static_cast<float>(tip.Point.Y - 18), 0);
      screen.EndScene();
    }
    const std::string file = Numbered(out, "tooltip", tip.Entry);
    if (!TOffscreenCanvas::WriteShot(screen, file, error)) return false;
    written.push_back(file);
  }
  return true;
}
