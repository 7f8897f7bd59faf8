#include "TShopSheet.h"
#include "TOffscreenCanvas.h"

#include "metagame/TBuySlots.h"
#include "metagame/TBuySlotsInfo.h"
#include "platform/TFileSystem.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "ui/TGameButton.h"

bool TShopSheet::Run(const std::string& folder, int island, const std::string& file,
                     std::string& error, std::set<std::string>* missing) {
  if (island < 1 || island > 5) {
    error = "island must be 1..5";
    return false;
  }
  TOffscreenCanvas canvas;
  if (!canvas.Open(error)) return false;
  TOmegaImageList& images = canvas.Images;
  canvas.CollectMissing(missing);
  const std::string imagesFolder = canvas.LoadMainFolder(folder);
  const std::string background = "GameBG" + std::to_string(island);
  if (canvas.Loader.LoadFile(imagesFolder + "LateLoad/", background + ".jpg").empty()) {
    error = "cannot read " + imagesFolder + "LateLoad/" + background + ".jpg";
    return false;
  }
  TTextStrings texts;
  if (!texts.Load(folder + "Texts/", error)) return false;
  TGlobalGameText writer;
  writer.OmgImgList = &images;
  writer.OrigLetterWidth = images.TileWidthOf("GlobalFontWhite");
  writer.OrigLetterHeight = images.TileHeightOf("GlobalFontWhite");

  // The counter where the hub shows it, with the Play button in its corner box.
  const int panelX = 311, panelY = 644;
  TBuySlots shop(images);
  shop.GlobGameText = &writer;
  shop.TextStringsComp = &texts;
  shop.PricesFilePath = folder;
  if (!shop.Init(error)) return false;
  shop.ReloadButtonSizes();
  shop.Left = panelX + 47;
  shop.Top = panelY + 41;
  TBuySlots::TBoughtFlags bought{};
  bought[4 * (island - 1)] = 1;
  shop.RestoreProgress(island, 3, shop.Item(island, 2).Price, bought);
  const TGameButton& over = shop.BuyButton(2);
  shop.MouseMove(over.Left + 20, over.Top + 10);

  TBuySlotsInfo info;
  info.OmgImgList = &images;
  info.GlobGameText = &writer;
  info.TextStringsComp = &texts;
  info.MouseOver(shop.OwnedElements(), island, 3, shop.Item(island, 3));
  for (int i = 0; i < 16; ++i) info.Update();

  TOmegaScreen& screen = canvas.Screen;
  screen.Clear(0, 0, 0, 255);
  screen.BeginScene();
  images.DrawImage(background, 0, 0, 0);
  images.DrawImage("BuySlotsPanelA", panelX, panelY, 0);
  images.DrawImage("BuySlotsPanelB", panelX + 907, panelY - 21, 0);
  images.DrawImage("BookPlayButton", panelX + 907 - 1, panelY - 21 + 74, 0);
  shop.Draw();
  // The restaurant's special of the day shows a dish under glass on its own.
  images.DrawImage("BuySlotIcons", 1163, 393, 4 * (island - 1) + 3);
  images.DrawImage("BuySlotGlassCover", 1152, 384, 0);
  info.Draw();
  screen.EndScene();
  return TOffscreenCanvas::WriteShot(screen, file, error);
}
