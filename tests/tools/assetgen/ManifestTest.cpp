// The manifest against the game's tile-count table, its folders and formats, and the
// sizes that the game's layouts need.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "AssetgenTestSupport.h"
#include "bosses/TBossFigure.h"
#include "engine/TSpriteTileCount.h"
#include "support/TempDir.h"

using assetgen::BuildManifest;
using assetgen::TAssetSpec;
using assetgen::TFormat;
using assetgen_test::Find;

namespace {

const std::vector<TAssetSpec>& Manifest() {
  static const std::vector<TAssetSpec> m = BuildManifest();
  return m;
}

const TAssetSpec& Get(const std::string& name) {
  const TAssetSpec* s = Find(Manifest(), name);
  if (!s) throw std::runtime_error("missing " + name);
  return *s;
}

// A widget placed at (x, y) inside a picture fits entirely.
void ExpectFits(const std::string& host, const std::string& widget, int x, int y) {
  const TAssetSpec& h = Get(host);
  const TAssetSpec& w = Get(widget);
  EXPECT_LE(x + w.TileWidth, h.TileWidth) << widget << " on " << host;
  EXPECT_LE(y + w.TileHeight, h.TileHeight) << widget << " on " << host;
}

}  // namespace

TEST(AssetManifest, EveryTableEntryIsThereWithTheTablesGrid) {
  TSpriteTileCount table;
  for (const auto& e : table.GetEntries()) {
    const TAssetSpec* s = Find(Manifest(), e.Name);
    ASSERT_NE(s, nullptr) << e.Name;
    EXPECT_EQ(s->Columns, e.Columns) << e.Name;
    EXPECT_EQ(s->Rows, e.Rows) << e.Name;
  }
  // Names outside the table are single patterns.
  for (const auto& s : Manifest()) {
    TSpriteTileCount::TLookup g = table.Peek(s.Name);
    EXPECT_EQ(s.Columns, g.Columns) << s.Name;
    EXPECT_EQ(s.Rows, g.Rows) << s.Name;
  }
}

TEST(AssetManifest, NamesAreUniqueAndFoldersAreTheGames) {
  const std::set<std::string> folders = {"",         "Logo/",       "Splash/",   "LateLoad/",
                                         "Upgrades/", "CloudCover/", "Story/",    "StoryW10/",
                                         "Ending/",   "EndingW10/",  "Menu/",     "Board/",
                                         "PracticeWindow/"};
  // Only one creature folder is loaded at a time, so each holds the same names; so do the
  // opening's and the ending's strips.
  std::set<std::string> names, paths;
  for (const auto& s : Manifest()) {
    bool creature = s.Folder.rfind("Creatures/", 0) == 0;
    bool strip = s.Folder == "Story/" || s.Folder == "Ending/";
    EXPECT_TRUE(paths.insert(s.RelativePath()).second) << "duplicate " << s.RelativePath();
    if (!creature && !strip) {
      EXPECT_TRUE(names.insert(s.Name).second) << "duplicate " << s.Name;
    }
    EXPECT_TRUE(folders.count(s.Folder) || creature) << s.Name << " in " << s.Folder;
    EXPECT_GT(s.TileWidth, 0) << s.Name;
    EXPECT_GT(s.TileHeight, 0) << s.Name;
    EXPECT_NE(s.Paint, nullptr) << s.Name;
    // The logo folder is read for JPEG files only.
    if (s.Folder == "Logo/") {
      EXPECT_EQ(s.Format, TFormat::Jpeg) << s.Name;
    }
  }
}

// One painter draws every island's creature by the same names, sizes and grids.
TEST(AssetManifest, EveryCreatureFolderHoldsTheSamePictures) {
  const std::vector<std::string> folders = {"Centaur", "Hydra", "Golem", "Cyclops", "Dragon"};
  std::map<std::string, std::vector<const TAssetSpec*>> byFolder;
  for (const auto& s : Manifest())
    if (s.Folder.rfind("Creatures/", 0) == 0) byFolder[s.Folder].push_back(&s);
  ASSERT_EQ(byFolder.size(), folders.size());
  const auto& first = byFolder["Creatures/Centaur/"];
  ASSERT_FALSE(first.empty());
  for (const std::string& f : folders) {
    const auto& list = byFolder["Creatures/" + f + "/"];
    ASSERT_EQ(list.size(), first.size()) << f;
    for (std::size_t i = 0; i < list.size(); ++i) {
      EXPECT_EQ(list[i]->Name, first[i]->Name) << f;
      EXPECT_EQ(list[i]->Width(), first[i]->Width()) << f << " " << list[i]->Name;
      EXPECT_EQ(list[i]->Height(), first[i]->Height()) << f << " " << list[i]->Name;
      EXPECT_EQ(list[i]->Format, TFormat::Png) << f << " " << list[i]->Name;
    }
  }
  // What the painter draws from the creature folder, and the rest from the main one.
  for (const char* n : {TBossFigure::Walking, TBossFigure::Front, TBossFigure::Absorbing,
                        TBossFigure::Dying, TBossFigure::DeadParts}) {
    EXPECT_EQ(Get(n).TileWidth, TBossFigure::TileWidth) << n;
    EXPECT_EQ(Get(n).TileHeight, TBossFigure::TileHeight) << n;
  }
  EXPECT_EQ(Get(TBossFigure::Walking).Patterns(), TBossFigure::WalkingPatterns);
  EXPECT_EQ(Get(TBossFigure::Front).Patterns(), TBossFigure::FrontPatterns);
  EXPECT_EQ(Get(TBossFigure::Absorbing).Patterns(), TBossFigure::FrontPatterns);
  EXPECT_EQ(Get(TBossFigure::Dying).Patterns(), TBossFigure::DyingPatterns);
  EXPECT_EQ(Get(TBossFigure::DeadParts).Patterns(), 6);
  EXPECT_EQ(Get(TBossFigure::AuraSpark).Patterns(), TBossFigure::SparkPatterns);
  EXPECT_EQ(Get(TBossFigure::Badge).Patterns(), 2) << "awake and dazed";
  for (const char* n : {TBossFigure::Aura, TBossFigure::AuraGlow, TBossFigure::AuraSpark,
                        TBossFigure::EnergyFrame, TBossFigure::EnergyFill})
    EXPECT_EQ(Get(n).Folder, "") << n;
  EXPECT_EQ(Get(TBossFigure::EnergyFill).TileWidth, TBossFigure::EnergyFillWidth);
}

TEST(AssetManifest, NamesComposedAtRunTimeExist) {
  for (int i = 1; i <= 3; ++i) {
    const TAssetSpec& logo = Get("CompanyLogo" + std::to_string(i));
    EXPECT_EQ(logo.Folder, "Logo/");
  }
  for (int i = 1; i <= 5; ++i) {
    const TAssetSpec& bg = Get("GameBG" + std::to_string(i));
    EXPECT_EQ(bg.Folder, "LateLoad/");  // drawn through the late loader
    Get("MapRoom" + std::to_string(i));
  }
  EXPECT_EQ(Get("MapBG").Folder, "LateLoad/");
  // Help pages are loaded from the late folder as JPEG files.
  EXPECT_EQ(Get("Help1").Folder, "LateLoad/");
  EXPECT_EQ(Get("Help1").Format, TFormat::Jpeg);
  // Loading-screen pictures are freed by name after the splash; they load with it.
  for (const char* n : {"SplashBG", "LoadingBarBG", "LoadingBarFill", "LoadingBarGlass",
                        "LoadingBarText"})
    EXPECT_EQ(Get(n).Folder, "Splash/") << n;
  // The white screen behind the logos is needed before any other folder is read.
  EXPECT_EQ(Get("WhiteRect").Folder, "Logo/");
  // The map draws the game logo after the menu folder has been freed.
  EXPECT_EQ(Get("GameLogo").Folder, "");
}

TEST(AssetManifest, ScreenSizesAndBoardTiles) {
  for (const char* n : {"CompanyLogo1", "SplashBG", "MenuBG", "MapBG", "GameBG3", "Help1"}) {
    EXPECT_EQ(Get(n).Width(), 1366) << n;
    EXPECT_EQ(Get(n).Height(), 768) << n;
  }
  // Drawn at scale 2 x 2 over the whole screen.
  for (const char* n : {"WhiteRect", "BlackRect"}) {
    EXPECT_GE(Get(n).Width() * 2, 1366) << n;
    EXPECT_GE(Get(n).Height() * 2, 768) << n;
  }
  for (const char* n : {"ElementsInside", "BubbleInside", "ElementGather", "FlowingElements",
                        "BrownTile", "TileShine"}) {
    EXPECT_EQ(Get(n).TileWidth, 52) << n;
    EXPECT_EQ(Get(n).TileHeight, 52) << n;
  }
  // Pieces drawn 1-2 pixels up and left of a tile cover it.
  for (const char* n : {"BackgroundTile", "TileSelection", "ChainLock", "Web"}) {
    EXPECT_GE(Get(n).TileWidth, 54) << n;
    EXPECT_GE(Get(n).TileHeight, 54) << n;
  }
  // Frame pieces are drawn 11 left and 12 above their tile and reach past it as far.
  EXPECT_EQ(Get("BoardBorder").TileWidth, 52 + 22);
  EXPECT_EQ(Get("BoardBorder").TileHeight, 52 + 24);
  // The pulsing slot icons are drawn at 58 pixels by default.
  EXPECT_EQ(Get("PulsingElements").TileWidth, 58);
}

TEST(AssetManifest, WindowsAndPanelsHoldWhatIsPlacedOnThem) {
  ExpectFits("ConfirmWindow", "WindowYesButton", 67, 136);
  ExpectFits("ConfirmWindow", "WindowNoButton", 228, 136);
  ExpectFits("ConfirmWindow", "WindowCancelButton", 228, 136);
  ExpectFits("NameListWindow", "NameListNewButton", 59, 335);
  ExpectFits("NameListWindow", "NameListDeleteButton", 166, 335);
  ExpectFits("NameListWindow", "WindowOKButton", 284, 335);
  ExpectFits("AddNameWindow", "WindowOKButton", 93, 174);
  ExpectFits("AddNameWindow", "WindowCancelButton", 263, 174);
  ExpectFits("InfoWindow", "WindowOKButton", 148, 343);
  ExpectFits("InfoWindow", "HighScoreLine", 52, 4 * 45 + 50);
  ExpectFits("OptionsWindow", "CreditsButton", 86, 198);
  ExpectFits("OptionsWindow", "WindowOKButton", 251, 198);
  ExpectFits("OptionsWindow", "VolumeMinusButton", 198, 109);
  ExpectFits("OptionsWindow", "VolumePlusButton", 380, 109);
  ExpectFits("OptionsWindow", "VolumeFill", 243, 113);
  ExpectFits("OptionsWindow", "CheckBoxFullscreen", 38, 152);
  ExpectFits("OptionsWindow", "CheckBoxTutorial", 216, 152);
  ExpectFits("MenuPanel", "PlayButton", 67, 81);
  ExpectFits("MenuPanel", "ExitButton", 86, 473);
  ExpectFits("LoadingBarBG", "LoadingBarFill", 22, 22);
  ExpectFits("LoadingBarBG", "LoadingBarGlass", 23, 22);
  ExpectFits("CornerLeftPanel", "MapMenuButton", 44, 30);
  ExpectFits("CornerRightPanel", "MapPlayButton", 37, 30);
  ExpectFits("TubeTimer", "TubeTimerEnergy", 36, 27);
  ExpectFits("ObjInfoShadow", "ObjInfoLogo", 254, 27);
  ExpectFits("ObjInfoShadow", "ObjInfoTitle", 208, 143);
  // The shop's last slot on its counter, a dish under its glass, the purse in the window.
  ExpectFits("BuySlotsPanelA", "BuySlotGlassCover", 47 + 3 * 215, 41);
  ExpectFits("BuySlotsPanelA", "BuySlotBuyButton", 47 + 3 * 215 + 101, 41 + 41);
  ExpectFits("BuySlotGlassCover", "BuySlotIcons", 11, 9);
  ExpectFits("ShopWindow", "ElementIcons", 13 + 4 * 123, 369);
  ExpectFits("ShopWindow", "ElementsInside", 78 + 10, 297);
  // The counter reaches the corner box, and the window stays above the counter.
  EXPECT_EQ(Get("BuySlotsPanelA").TileWidth, 907);
  EXPECT_LE(207 + Get("ShopWindow").TileHeight, 644);
  // Buttons on the menu panel do not overlap each other.
  EXPECT_LE(81 + Get("PlayButton").TileHeight, 267);
  EXPECT_LE(267 + Get("OptionsButton").TileHeight, 331);
  EXPECT_LE(331 + Get("HighScoresButton").TileHeight, 394);
  EXPECT_LE(394 + Get("HelpButton").TileHeight, 473);
  // Check boxes are as wide and high as the options window's click areas.
  EXPECT_EQ(Get("CheckBoxSound").TileWidth, 78);
  EXPECT_EQ(Get("CheckBoxMusic").TileWidth, 95);
  EXPECT_EQ(Get("CheckBoxFullscreen").TileWidth, 146);
  EXPECT_EQ(Get("CheckBoxTutorial").TileWidth, 118);
  for (const char* n : {"CheckBoxSound", "CheckBoxMusic", "CheckBoxFullscreen", "CheckBoxTutorial"})
    EXPECT_EQ(Get(n).TileHeight, 31) << n;
  // Volume bars read their size from the fill picture: 123 wide, two halves of 11.
  EXPECT_EQ(Get("VolumeFill").Width(), 123);
  EXPECT_EQ(Get("VolumeFill").Height(), 22);
  // The gathering counter sits 56 pixels below the panel's top.
  EXPECT_GE(Get("ElementPanel").TileHeight, 56 + Get("ElementGatherNumber").TileHeight);
  EXPECT_EQ(Get("ElementPanel").TileWidth, 121);
}

TEST(AssetManifest, EveryLevelFileGetsItsBoardPicture) {
  TempDir dir;
  std::vector<std::string> full(12, std::string(16, '#'));
  assetgen_test::WriteLevel(dir.File("Level2-07.eil"), full, false);
  assetgen_test::WriteLevel(dir.File("Level3-13.eil"), full, true);
  assetgen_test::WriteLevel(dir.File("Notes.txt"), full, false);
  std::vector<TAssetSpec> m = BuildManifest(dir.Str());
  const TAssetSpec* level = Find(m, "Level2-07");
  const TAssetSpec* boss = Find(m, "Boss3");
  ASSERT_NE(level, nullptr);
  ASSERT_NE(boss, nullptr);
  EXPECT_EQ(level->Folder, "Board/");
  EXPECT_EQ(level->Format, TFormat::Png);
  EXPECT_EQ(boss->Folder, "Board/");
  EXPECT_EQ(Find(m, "Level3-13"), nullptr);
  EXPECT_EQ(m.size(), Manifest().size() + 2);
  // A missing level folder only leaves the board pictures out.
  EXPECT_EQ(BuildManifest(dir.File("missing")).size(), Manifest().size());
}
