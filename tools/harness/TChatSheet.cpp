#include "TChatSheet.h"

#include <filesystem>

#include "TOffscreenCanvas.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "ui/TChapterDialog.h"

namespace {
constexpr int RevealTicks = 12;  // the text runs, then a click shows the rest
constexpr int SettleTicks = 12;  // the balloon's pop and alpha settle
constexpr int MaxTicks = 20000;
}  // namespace

bool TChatSheet::Run(const std::string& folder, std::vector<int> conversations,
                     const std::string& outFolder, std::vector<std::string>& written,
                     std::string& error, std::set<std::string>& missing) {
  if (conversations.empty())
    for (int n = 1; n <= TChapterDialog::ConversationCount; ++n) conversations.push_back(n);
  for (int n : conversations)
    if (n < 1 || n > TChapterDialog::ConversationCount) {
      error = "conversation must be 1..22";
      return false;
    }
  TOffscreenCanvas canvas;
  if (!canvas.Open(error)) return false;
  TOmegaImageList& images = canvas.Images;
  canvas.CollectMissing(&missing);
  const std::string imagesFolder = canvas.LoadMainFolder(folder);
  const std::string upgrades = imagesFolder + "Upgrades/";
  // The people are loaded late in the game, for their conversation.
  canvas.Loader.LoadFile(imagesFolder + "LateLoad/", "ChatMainChar.png");
  for (int client = 1; client <= 8; ++client)
    canvas.Loader.LoadFile(imagesFolder + "LateLoad/", "ChatCharacter" + std::to_string(client) + ".png");
  if (canvas.Loader.LoadFile(upgrades, "ciBG1.jpg").empty()) {
    error = "cannot read " + upgrades + "ciBG1.jpg";
    return false;
  }
  TTextStrings texts;
  if (!texts.Load(folder + "Texts/", error)) return false;
  TGlobalGameText writer;
  writer.OmgImgList = &images;

  TChapterDialog dialog;
  dialog.OmgImgList = &images;
  dialog.GlobGameText = &writer;
  dialog.TextStringsComp = &texts;
  dialog.LoadConversations();
  int shotAt = -1, clickAt = -1, line = 0, tick = 0;
  bool over = false;
  dialog.OnStartOfBalloon = [&](TChapterDialog&, int n, int, TCharacterSide) {
    line = n;
    clickAt = tick + RevealTicks;
    shotAt = clickAt + SettleTicks;
  };
  dialog.OnEndOfConversations = [&](TChapterDialog&) { over = true; };

  std::error_code ec;
  if (!outFolder.empty()) std::filesystem::create_directories(outFolder, ec);
  TOmegaScreen& screen = canvas.Screen;
  for (int conversation : conversations) {
    over = false;
    shotAt = clickAt = -1;
    dialog.StartConversation(conversation);
    for (tick = 1; tick <= MaxTicks && !over; ++tick) {
      if (tick == clickAt) dialog.Click(TMouseButton::Left);
      const bool shot = tick == shotAt && !outFolder.empty();
      if (shot) screen.Clear(0, 0, 0, 255), screen.BeginScene();
      images.DrawImage("ciBG1", 0, 0, 0);
      dialog.UpdateAndDraw();
      if (tick == shotAt) dialog.Click(TMouseButton::Left);  // on to the next balloon
      if (!shot) {
        canvas.Backend.SkipFrame();  // only the frames kept are rasterised
        continue;
      }
      screen.EndScene();
      const std::string file =
          (std::filesystem::path(outFolder) /
           ("chat-" + std::to_string(conversation) + "-" + std::to_string(line) + ".png"))
              .string();
      if (!canvas.WriteShot(file, error)) return false;
      written.push_back(file);
    }
  }
  return true;
}
