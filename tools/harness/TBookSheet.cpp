#include "TBookSheet.h"
#include "TOffscreenCanvas.h"

#include <filesystem>

#include "engine/TGameRandom.h"
#include "metagame/TBookProgressTube.h"
#include "metagame/TStickerBookLayout.h"
#include "metagame/TStickerBookObjects.h"
#include "metagame/TStickerBookPainter.h"
#include "metagame/TWynnetPocket.h"
#include "platform/TFileSystem.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "ui/TSmallWynnet.h"

namespace {
constexpr const char* Block = "SheetBlock";

TElementsCount Count(float fruit, float flower, float potion, float gold, float spider) {
  TElementsCount c;
  c.Amount = {fruit, flower, potion, gold, spider};
  return c;
}

// One hub after `islands` finished islands (5 with the zeppelin: the whole book).
bool DrawHub(TOffscreenCanvas& canvas, int islands, const std::string& caption,
             const std::string& file, std::string& error) {
  TOmegaImageList& images = canvas.Images;
  TGameRandom::SetSeed(4242u + static_cast<std::uint32_t>(islands));
  TStickerBookObjects book;
  TStickerBookPainter painter;
  book.OnTimeToDrawCitizens = [&](TStickerBookObjects& b) { painter.DrawCitizens(b); };
  TBookProgressTube tube;
  TWynnetPocket pocket;
  TSmallWynnet wynnet;
  TGlobalGameText text;
  text.OmgImgList = &images;
  text.OrigLetterWidth = images.TileWidthOf("GlobalFontWhite");
  text.OrigLetterHeight = images.TileHeightOf("GlobalFontWhite");
  tube.GlobGameText = pocket.GlobGameText = &text;
  tube.Caption = caption;
  tube.ReadImageSizes();

  // Everything before the last purchase, already faded in; the hub then opens.
  const int purchases = islands >= 5 ? 20 : 4 * islands;
  for (int p = 0; p + 1 < purchases; ++p) book.AcquirePurchase(1 + p / 4, 1 + p % 4);
  for (int i = 0; i < 60; ++i) book.Update();
  book.UpdateStage();
  tube.SetPositionSilently(purchases > 0 ? (purchases - 1) * 5 : 0);
  for (int i = 0; i < 300; ++i) tube.Draw();
  pocket.SetOwned(Count(620.0f + 90 * islands, 40, 6, 55, 12));
  pocket.ShowOwnedNow();
  pocket.ShowPriceWarnings(Count(910, 20, 3, 40, 10));

  // The last purchase: the heroine cheers, the book takes the item at her peak, and the
  // picture is taken with her arms still high and the sticker glowing.
  if (purchases > 0) {
    wynnet.BuySlotsIslandIdx = 1 + (purchases - 1) / 4;
    wynnet.BuySlotsSlotIdx = 1 + (purchases - 1) % 4;
    wynnet.OnCheerPeak = [&](TSmallWynnet& w) {
      book.AcquirePurchase(w.BuySlotsIslandIdx, w.BuySlotsSlotIdx);
      if (islands >= 5) book.CompleteBook();
      tube.SetPosition(book.ProgressPercent(purchases * 5));
    };
    wynnet.Cheer();
  }
  // The finished book is shown once the cheer is over and the zeppelin has faded in.
  const int updates = islands >= 5 ? 140 : 46;
  for (int i = 0; i < updates; ++i) {
    const bool last = i + 1 == updates;
    if (i == (islands % 2 ? updates - 12 : 2))  // the star home, or mid-flight on odd sheets
      pocket.SetCurrentPrices({Count(0, 0, 0, 0, 0), Count(580, 0, 0, 0, 10),
                               Count(910, 0, 0, 40, 10), Count(600, 35, 3, 0, 0)});
    if (last) canvas.Screen.Clear(0, 0, 0, 255), canvas.Screen.BeginScene();
    TOmegaImageList* drawTo = last ? &images : nullptr;
    painter.OmgImgList = tube.OmgImgList = pocket.OmgImgList = drawTo;
    wynnet.Update();
    painter.DrawBook(book);
    if (last)  // where the restaurant's and the shop's panels go
      for (const auto& area : TStickerBookLayout::KeepClear()) {
        const std::string name = area.Name;
        if (name == "street" || name == "restaurant" || name == "top panel" || name == "pocket")
          continue;
        const auto& r = area.Area;
        images.DrawImage(Block, static_cast<float>(r.Left), static_cast<float>(r.Top), 0,
                         {.R = 120, .G = 70, .B = 30, .A = 120,
                          .ScaleX = static_cast<float>(r.Width()),
                          .ScaleY = static_cast<float>(r.Height())});
      }
    tube.Draw();
    pocket.Draw();
    painter.DrawSmallWynnet(wynnet);
  }
  canvas.Screen.EndScene();
  return canvas.WriteShot(file, error);
}
}  // namespace

bool TBookSheet::Run(const std::string& folder, const std::string& outDir,
                     std::vector<std::string>& written, std::string& error,
                     std::set<std::string>* missing) {
  TOffscreenCanvas canvas;
  if (!canvas.Open(error)) return false;
  TOmegaImageList& images = canvas.Images;
  TImageLoader& loader = canvas.Loader;
  const std::string upgrades = canvas.LoadMainFolder(folder) + "Upgrades/";
  for (const char* ext : {".png", ".jpg"})
    for (const std::string& f : TFileSystem::ListFiles(upgrades, ext)) loader.LoadFile(upgrades, f);
  if (!images.Find("ciBG1")) {
    error = "no town pictures in " + upgrades;
    return false;
  }
  TImageListItem& block = images.Add(Block);
  TPicture white;
  white.Resize(1, 1);
  white.Pixels.assign(4, 255);
  block.SetPicture(white);
  block.CreateTexture();
  canvas.CollectMissing(missing);
  TTextStrings texts;
  std::string textError;
  const std::string caption =
      texts.Load(folder + "Texts/", textError) ? texts.GameTexts[11] : std::string("Sticker book");

  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  for (int islands = 0; islands <= 5; ++islands) {
    const std::string name = islands == 5 ? "book-complete.png" : "book-" + std::to_string(islands) + ".png";
    const std::string file = (std::filesystem::path(outDir) / name).string();
    if (!DrawHub(canvas, islands, caption, file, error)) return false;
    written.push_back(file);
  }
  return true;
}
