#include "TRestoSheet.h"
#include "TOffscreenCanvas.h"

#include <filesystem>
#include <map>

#include "engine/TGameRandom.h"
#include "metagame/TBuySlots.h"
#include "metagame/TPellowRestoCustomers.h"
#include "metagame/TRestoParts.h"
#include "platform/TFileSystem.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"

namespace {
constexpr int MinuteOfUpdates = 2000;  // 30 ms each
constexpr int TitleFrom = 1700, TitleTo = 1850;

// A frame worth keeping: its name and the update it is taken at.
struct TShotPlan {
  std::map<std::string, int> At;
  void Once(const std::string& name, int frame) { At.emplace(name, frame); }
};
}  // namespace

bool TRestoSheet::Run(const TOptions& o, TResult& result, std::string& error,
                      std::set<std::string>& missing) {
  if (o.Island < 1 || o.Island > 5 || o.Dishes < 0 || o.Dishes > 4) {
    error = "island must be 1..5 and dishes 0..4";
    return false;
  }
  TOffscreenCanvas canvas;
  if (!canvas.Open(error)) return false;
  TOmegaImageList& images = canvas.Images;
  canvas.CollectMissing(&missing);
  const std::string upgrades = canvas.LoadMainFolder(o.Content) + "Upgrades/";
  // The town at the island's stage of the book: stages 2 and 4 show the menu board.
  const int stage = o.Island;
  const std::string town = "ciBG" + std::to_string(stage);
  if (canvas.Loader.LoadFile(upgrades, town + ".jpg").empty()) {
    error = "cannot read " + upgrades + town + ".jpg";
    return false;
  }
  TTextStrings texts;
  if (!texts.Load(o.Content + "Texts/", error)) return false;
  TGlobalGameText writer;
  writer.OmgImgList = &images;
  writer.OrigLetterWidth = images.TileWidthOf("GlobalFontWhite");
  writer.OrigLetterHeight = images.TileHeightOf("GlobalFontWhite");

  // Reseeds "from the clock" follow the update, as in the harness's runs.
  int frame = 0;
  TGameRandom::SetSeed(5150u + static_cast<std::uint32_t>(10 * o.Island + o.Dishes));
  TGameRandom::SetClockSeedSource([&frame, &o] {
    return static_cast<std::uint32_t>(o.Island * 7919 + o.Dishes * 104729) * 2654435761u +
           static_cast<std::uint32_t>(frame) * 40503u;
  });
  struct TRestore {
    ~TRestore() { TGameRandom::SetClockSeedSource(nullptr); }
  } restore;

  TBuySlots shop(images);
  shop.TextStringsComp = &texts;
  shop.GlobGameText = &writer;
  shop.PricesFilePath = o.Content;
  std::string priceError;
  shop.Init(priceError);  // the names are all that is needed
  TBuySlots::TBoughtFlags bought{};
  std::set<int> menu;
  for (int s = 1; s <= o.Dishes; ++s) {
    bought[4 * (o.Island - 1) + s - 1] = 1;
    menu.insert(s);
  }
  shop.SetBoughtFlags(bought);

  std::vector<std::string> sounds;
  TRestoParts parts;
  parts.OmgImgList = &images;
  parts.GlobGameText = &writer;
  parts.TextStringsComp = &texts;
  parts.IslandIdx = static_cast<std::uint8_t>(o.Island);
  parts.PlaySound = [&sounds](const std::string& n) { sounds.push_back(n); };
  TPellowRestoCustomers customers;
  customers.OmgImgList = &images;
  customers.GlobGameText = &writer;
  customers.TextStringsComp = &texts;
  customers.IslandIdx = static_cast<std::uint8_t>(o.Island);
  customers.PlaySound = parts.PlaySound;
  customers.OnTrace = [&result, &frame](const std::string& kind, const std::string& details) {
    result.Traces.push_back(std::to_string(frame) + " " + kind + " " + details);
  };
  customers.SetCustomersServed(41);
  customers.SetMoneyEarned(1234);

  // Entering the hub.
  parts.SetRestoRatingStars(TRestoParts::StarsOf(shop, o.Island));
  customers.SetTodaysSpecial(parts.ChooseTodaysSpecial(shop));
  customers.SetMenu(menu);
  customers.Restart();

  std::error_code ec;
  std::filesystem::create_directories(o.OutFolder, ec);
  TShotPlan plan;
  std::size_t heard = 0;
  for (frame = 1; frame <= MinuteOfUpdates; ++frame) {
    for (; heard < sounds.size(); ++heard) {
      const std::string& s = sounds[heard];
      if (s == "RestoOpen") plan.Once("2-open", frame + 6);
      else if (s == "RestoSale") plan.Once("3-eating", frame + 4);
      else if (s.rfind("RestoPraise", 0) == 0) plan.Once("4-happy", frame + 14);
      else if (s.rfind("RestoDisappointed", 0) == 0) plan.Once("5-disappointed", frame + 14);
      else if (s == "RestoClosed") plan.Once("6-closed", frame + 8);
    }
    if (customers.QueuingCount() >= (o.Dishes > 0 ? 3 : 2)) plan.Once("1-queue", frame + 10);
    if (parts.PasserByWalking()) plan.Once("7-passer-by", frame + 50);
    if (frame == TitleFrom) parts.ShowTitle();
    if (frame == TitleTo) parts.HideTitle();
    plan.Once("8-title", TitleFrom + 30);

    std::string shot;
    for (const auto& [name, at] : plan.At)
      if (at == frame) shot = name;
    TOmegaScreen& screen = canvas.Screen;
    if (!shot.empty()) screen.Clear(0, 0, 0, 255), screen.BeginScene();
    images.DrawImage(town, 0, 0, 0);
    parts.UpdateDecorations();
    customers.UpdateAndDraw();
    if (stage == 2 || stage == 4) images.DrawImage("RestoBoard", 841, 402, 0);
    parts.UpdatePassersBy();
    // The shop counter where the hub keeps it, to see the panels beside it.
    images.DrawImage("BuySlotsPanelA", 311, 644, 0);
    images.DrawImage("BuySlotsPanelB", 311 + 907, 644 - 21, 0);
    customers.DrawCounters();
    customers.DrawBigSign();
    parts.DrawPanels();
    parts.DrawTitle();
    if (shot.empty()) {
      canvas.Backend.SkipFrame();  // only the frames kept are rasterised
      continue;
    }
    screen.EndScene();
    const std::string file = (std::filesystem::path(o.OutFolder) /
                              ("resto-" + std::to_string(o.Island) + "-" +
                               std::to_string(o.Dishes) + "-" + shot + ".png"))
                                 .string();
    if (!canvas.WriteShot(file, error)) return false;
    result.Written.push_back(file);
  }
  // Leaving the hub counts whoever is still to be served.
  customers.Settle();
  result.Served = customers.CustomersServed() - 41;
  result.Money = customers.MoneyEarned() - 1234;
  return true;
}
