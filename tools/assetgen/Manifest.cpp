#include "Manifest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "FontTables.h"
#include "Painters.h"
#include "bosses/TBossFigure.h"
#include "engine/TSpriteTileCount.h"
#include "levels/TLevelFileRecord.h"
#include "levels/TLevelGoal.h"
#include "metagame/TBookFigures.h"
#include "metagame/TStickerBookLayout.h"
#include "ui/TChatPlaces.h"

namespace assetgen {

namespace {

constexpr TFormat Png = TFormat::Png;
constexpr TFormat Jpg = TFormat::Jpeg;
constexpr bool Done = true;
constexpr bool StandIn = false;

std::string StripName(int number) { return std::string("Story-0") + char('0' + number); }

TPainter Button(TButtonStyle style) { return With(PaintButton, style); }
TPainter Window(TWindowKind kind) { return With(PaintWindow, kind); }

class TBuilder {
 public:
  std::vector<TAssetSpec> List;
  TSpriteTileCount Grids;

  TAssetSpec& Add(const std::string& name, const std::string& folder, TFormat format, int tileW,
                  int tileH, TPainter paint, bool finished, const std::string& label = "") {
    TAssetSpec s;
    s.Name = name;
    s.Folder = folder;
    s.Format = format;
    s.TileWidth = tileW;
    s.TileHeight = tileH;
    TSpriteTileCount::TLookup grid = Grids.Peek(name);
    s.Columns = grid.Columns;
    s.Rows = grid.Rows;
    s.Paint = paint;
    s.Finished = finished;
    s.Label = label;
    List.push_back(s);
    return List.back();
  }
};

// Sizes follow the places the game draws them: board pieces fit its tiles, full-screen
// pictures are 1366 x 768, windows hold their buttons at the offsets the shell uses.
void AddStartup(TBuilder& b) {
  const TLogoEmblem emblems[3] = {TLogoEmblem::Lantern, TLogoEmblem::BookAndQuill,
                                  TLogoEmblem::LeafHeart};
  for (int i = 1; i <= 3; ++i)
    b.Add("CompanyLogo" + std::to_string(i), "Logo/", Jpg, 1366, 768,
          With(PaintCompanyLogo, emblems[i - 1]), Done);
  // Drawn at scale 2 over the whole screen while the logos show, before any other folder.
  b.Add("WhiteRect", "Logo/", Jpg, 683, 384, With(PaintFlat, kWhite), Done);
  b.Add("SplashBG", "Splash/", Jpg, 1366, 768, PaintSplashBG, Done);
  b.Add("LoadingBarBG", "Splash/", Png, 320, 66, PaintLoadingBarBG, Done);
  // A pale honey, so the words over the full bar keep their outline's contrast as they pulse.
  b.Add("LoadingBarFill", "Splash/", Png, 276, 22, With(PaintBarFill, Hex(0xffd27a)), Done);
  b.Add("LoadingBarGlass", "Splash/", Png, 276, 22, PaintBarGlass, Done);
  b.Add("LoadingBarText", "Splash/", Png, 150, 22, PaintLoadingBarText, Done);
  b.Add("BlackRect", "", Png, 683, 384, With(PaintFlat, kBlack), Done);
  b.Add("TransDark", "", Png, 862, 860, PaintTransDark, Done);
  b.Add("TransSpin", "", Png, 456, 452, PaintTransSpin, Done);
  b.Add("GlobalFontWhite", "", Png, NormalFontLayout().CellWidth, NormalFontLayout().CellHeight,
        PaintFontNormal, Done);
  b.Add("GlobalFontInk", "", Png, InkFontLayout().CellWidth, InkFontLayout().CellHeight,
        PaintFontInk, Done);
  b.Add("CommentFont", "", Png, CommentFontLayout().CellWidth, CommentFontLayout().CellHeight,
        PaintFontComment, Done);
}

void AddMenu(TBuilder& b) {
  b.Add("MenuBG", "Menu/", Jpg, 1366, 768, PaintMenuBG, Done);
  b.Add("MenuPanel", "Menu/", Png, 352, 534, PaintMenuPanel, Done);
  b.Add("WelcomePanel", "Menu/", Png, 404, 92, PaintWelcomePanel, Done);
  b.Add("CharEyes", "Menu/", Png, 104, 40, With(PaintCharEyes, THeroinePose::HoldingWand), Done);
  b.Add("CharWand", "Menu/", Png, 240, 460, PaintCharWand, Done);
  b.Add("CharWandCover", "Menu/", Png, 120, 104, PaintCharWandCover, Done);
  b.Add("PlayButton", "Menu/", Png, 220, 150, Button(TButtonStyle::Play), Done, "Play");
  b.Add("Win8Notice", "Menu/", Png, 154, 40, PaintBanner, Done, "Simple display");
  // The map draws the logo too, after the menu folder is freed.
  b.Add("GameLogo", "", Png, 420, 190, PaintGameLogo, Done);
  b.Add("OptionsButton", "", Png, 180, 54, Button(TButtonStyle::Plain), Done, "Options");
  b.Add("HighScoresButton", "", Png, 180, 54, Button(TButtonStyle::Plain), Done, "High scores");
  b.Add("HelpButton", "", Png, 180, 54, Button(TButtonStyle::Plain), Done, "Help");
  b.Add("ExitButton", "", Png, 180, 54, Button(TButtonStyle::Leave), Done, "Exit");
  b.Add("ChangePlayerLink", "", Png, 200, 26, PaintLink, Done, "Not you? Change player");
}

// Windows whose title the game does not write carry it in the picture.
void AddWindows(TBuilder& b) {
  b.Add("ConfirmWindow", "", Png, 420, 200, Window(TWindowKind::Plain), Done);
  b.Add("NameListWindow", "", Png, 470, 400, Window(TWindowKind::PlayerList), Done, "Players");
  b.Add("NameListSelection", "", Png, 362, 64, PaintSelectionBar, Done);
  b.Add("AddNameWindow", "", Png, 470, 240, Window(TWindowKind::AddName), Done, "Your name");
  b.Add("InfoWindow", "", Png, 432, 400, Window(TWindowKind::Plain), Done);
  b.Add("HighScoreLine", "", Png, 330, 26, PaintSeparator, Done);
  b.Add("OptionsWindow", "", Png, 450, 262, Window(TWindowKind::Options), Done, "Options");
  b.Add("InGameMenuWindow", "", Png, 256, 400, Window(TWindowKind::Plain), Done, "Game menu");
  b.Add("StageResultWindow", "", Png, 440, 440, Window(TWindowKind::StageResult), Done,
        "Well done!");
  b.Add("WindowOKButton", "", Png, 124, 44, Button(TButtonStyle::Plain), Done, "OK");
  b.Add("WindowCancelButton", "", Png, 124, 44, Button(TButtonStyle::Leave), Done, "Cancel");
  b.Add("WindowYesButton", "", Png, 124, 44, Button(TButtonStyle::Plain), Done, "Yes");
  b.Add("WindowNoButton", "", Png, 124, 44, Button(TButtonStyle::Leave), Done, "No");
  b.Add("WindowDoneButton", "", Png, 140, 44, Button(TButtonStyle::Plain), Done, "Done");
  b.Add("NameListNewButton", "", Png, 100, 44, Button(TButtonStyle::Plain), Done, "New");
  b.Add("NameListDeleteButton", "", Png, 104, 44, Button(TButtonStyle::Leave), Done, "Delete");
  b.Add("CreditsButton", "", Png, 150, 44, Button(TButtonStyle::Plain), Done, "Credits");
  b.Add("TutorialOKButton", "", Png, 124, 44, Button(TButtonStyle::Plain), Done, "OK");
  b.Add("StorySkipButton", "", Png, 100, 34, Button(TButtonStyle::Navigate), Done, "Skip");
  b.Add("BookPlayButton", "", Png, 150, 56, Button(TButtonStyle::Play), Done, "Play");
  b.Add("InGameMenuButton", "", Png, 120, 42, Button(TButtonStyle::Navigate), Done, "Menu");
  b.Add("InGameResumeButton", "", Png, 200, 50, Button(TButtonStyle::Plain), Done, "Resume");
  b.Add("InGameRestartButton", "", Png, 200, 50, Button(TButtonStyle::Plain), Done, "Restart");
  b.Add("InGameOptionsButton", "", Png, 200, 50, Button(TButtonStyle::Plain), Done, "Options");
  b.Add("InGameHelpButton", "", Png, 200, 50, Button(TButtonStyle::Plain), Done, "Help");
  b.Add("InGameToMenuButton", "", Png, 200, 50, Button(TButtonStyle::Leave), Done, "Main menu");
  b.Add("VolumeMinusButton", "", Png, 36, 36, PaintVolumeButton, Done, "-");
  b.Add("VolumePlusButton", "", Png, 36, 36, PaintVolumeButton, Done, "+");
  // Check boxes carry their label; widths are the clickable widths of the options window.
  for (const TCheckBoxLabel& l : CheckBoxLabels())
    b.Add(l.Image, "", Png, l.Width, 31, PaintCheckBox, Done, l.Text);
  b.Add("VolumeFill", "", Png, 123, 22, PaintVolumeFill, Done);
  b.Add("VolumeGlass", "", Png, 125, 11, PaintBarGlass, Done);
  b.Add("Help1", "LateLoad/", Jpg, 1366, 768, PaintHelpPage, Done);
  b.Add("Help2", "LateLoad/", Jpg, 1366, 768, PaintHelpCreature, Done);
  b.Add("Help3", "LateLoad/", Jpg, 1366, 768, PaintHelpTools, Done);
}

void AddMap(TBuilder& b) {
  b.Add("MapBG", "LateLoad/", Jpg, 1366, 768, PaintMapBG, Done);
  const int roomW[] = {250, 260, 250, 250, 240};
  const int roomH[] = {200, 210, 200, 190, 200};
  for (int i = 1; i <= 5; ++i)
    b.Add("MapRoom" + std::to_string(i), "", Png, roomW[i - 1], roomH[i - 1],
          With(PaintMapRoom, TIsland{i}), Done);
  b.Add("CompletedStamp", "", Png, 110, 110, PaintCompletedStamp, Done);
  b.Add("WorldMapWaves", "", Png, 44, 18, PaintMapWaves, Done);
  b.Add("WorldMapTransports", "", Png, 110, 80, PaintMapTransports, Done);
  b.Add("WorldMapClouds", "", Png, 620, 200, PaintMapClouds, Done);
  b.Add("CornerLeftPanel", "", Png, 184, 118, With(PaintCornerPanel, TCornerSide::Left), Done);
  b.Add("CornerRightPanel", "", Png, 174, 118, With(PaintCornerPanel, TCornerSide::Right), Done);
  b.Add("MapMenuButton", "", Png, 110, 52, Button(TButtonStyle::Navigate), Done, "Menu");
  b.Add("MapPlayButton", "", Png, 110, 56, Button(TButtonStyle::Play), Done, "Play");
  b.Add("PlayShine", "", Png, 110, 110, With(PaintRays, kGlow), Done);
}

void AddBoard(TBuilder& b) {
  const int tile = BoardTileSize, around = kTileSurround;
  b.Add("ElementsInside", "", Png, tile, tile, PaintElementsInside, Done);
  b.Add("BubbleInside", "", Png, tile, tile, PaintBubbleInside, Done);
  b.Add("BackgroundTile", "", Png, around, around, PaintBackgroundTile, Done);
  b.Add("BrownTile", "", Png, tile, tile, PaintBrownTile, Done);
  b.Add("TileSelection", "", Png, around, around, PaintTileSelection, Done);
  b.Add("ToolHighlight", "", Png, around, around, PaintToolHighlight, Done);
  b.Add("HintLamp", "", Png, around, around, PaintHintLamp, Done);
  b.Add("ChainLock", "", Png, around, around, PaintChainLock, Done);
  b.Add("Web", "", Png, around, around, PaintWeb, Done);
  b.Add("BoardBorder", "", Png, kBorderPieceWidth, kBorderPieceHeight, PaintBoardBorder, Done);
  b.Add("ElementsFlashHorz", "", Png, 90, tile,
        With(PaintElementsFlash, TFlashDirection::Horizontal), Done);
  b.Add("ElementsFlashVert", "", Png, tile, 90, With(PaintElementsFlash, TFlashDirection::Vertical),
        Done);
  b.Add("TileShine", "", Png, tile, tile, PaintTileShine, Done);
  b.Add("DiamondsBig", "", Png, 169, 172, PaintDiamondsBig, Done);
  b.Add("DiamondShine", "", Png, 259, 259, With(PaintRays, Hex(0xfff6c8)), Done);
}

void AddLevel(TBuilder& b) {
  for (int i = 1; i <= 5; ++i)
    b.Add("GameBG" + std::to_string(i), "LateLoad/", Jpg, 1366, 768, With(PaintGameBG, TIsland{i}),
          Done);
  b.Add("TopPanel", "", Png, 1362, 66, PaintTopPanel, Done);
  b.Add("LeftPanel", "", Png, 112, 500, PaintLeftPanel, Done);
  b.Add("ElementsPanel", "", Png, 146, 292, PaintElementsPanel, Done);
  b.Add("ElementPanel", "", Png, 121, 88, PaintElementPanel, Done);
  b.Add("ElementGather", "", Png, BoardTileSize, BoardTileSize,
        With(PaintGatherSlots, TSlotGlow::Still), Done);
  b.Add("PulsingElements", "", Png, 58, 58, With(PaintGatherSlots, TSlotGlow::Pulsing), Done);
  b.Add("FlowingElements", "", Png, BoardTileSize, BoardTileSize, PaintFlowingElements, Done);
  b.Add("ElementIcons", "", Png, 40, 40, PaintElementIcons, Done);
  b.Add("ElementGatherNumber", "", Png, kGatherDigitWidth, kGatherDigitHeight,
        With(PaintDigits, TDigitStrip::Gather), Done);
  b.Add("ElementGatherNumberBlur", "", Png, kGatherDigitWidth, kGatherDigitHeight + 6,
        With(PaintDigitBlur, TDigitStrip::Gather), Done);
  b.Add("Score", "", Png, kScoreDigitWidth, kScoreDigitHeight,
        With(PaintDigits, TDigitStrip::Score), Done);
  b.Add("ScoreBlur", "", Png, kScoreDigitWidth, kScoreDigitHeight + 6,
        With(PaintDigitBlur, TDigitStrip::Score), Done);
  b.Add("LevelInfoDigit", "", Png, kLevelDigitWidth, kLevelDigitHeight,
        With(PaintDigits, TDigitStrip::LevelLabel), Done);
  b.Add("TubeTimer", "", Png, 76, 345, PaintTube, Done);
  b.Add("TubeTimerEnergy", "", Png, 22, 305, With(PaintTubeLiquid, TLiquid::TubeColumn), Done);
  b.Add("TubeTimerSurface", "", Png, 22, 8, With(PaintTubeLiquid, TLiquid::TubeSurface), Done);
  b.Add("TubeTimerMask", "", Png, 22, 305, PaintTubeMask, Done);
  b.Add("TubeBubble", "", Png, 8, 8, With(PaintGlow, Hex(0xd8fff0)), Done);
  b.Add("MannaEnergy", "", Png, 72, 76, PaintManna, Done);
  b.Add("MannaEnergyLiquid", "", Png, 68, 62, With(PaintTubeLiquid, TLiquid::Flask), Done);
  b.Add("MannaEnergyWave", "", Png, 36, 13, PaintMannaWave, Done);
  b.Add("MannaShine", "", Png, 110, 110, With(PaintRays, Hex(0xc8ffb0)), Done);
  b.Add("CollectorTool", "", Png, 90, 84, With(PaintTool, TToolPicture::Blaster), Done);
  b.Add("BombTool", "", Png, 90, 84, With(PaintTool, TToolPicture::Bomb), Done);
  b.Add("HammerTool", "", Png, 90, 84, With(PaintTool, TToolPicture::Hammer), Done);
  b.Add("HorzLightningTool", "", Png, 90, 84, With(PaintTool, TToolPicture::HorzLightning), Done);
  b.Add("VertLightningTool", "", Png, 90, 84, With(PaintTool, TToolPicture::VertLightning), Done);
  b.Add("BigBombTool", "", Png, 90, 84, With(PaintTool, TToolPicture::BigBomb), Done);
  b.Add("Paused", "", Png, 160, 60, With(PaintWordArt, TWordArt::Label), Done, "Paused");
  b.Add("ComboText", "", Png, 126, 60, With(PaintWordArt, TWordArt::Combo), Done);
  b.Add("EnergyBonusText", "", Png, 160, 40, With(PaintWordArt, TWordArt::EnergyBonus), Done);
  b.Add("ObjInfoShadow", "", Png, 648, 300, PaintObjInfoShadow, Done);
  b.Add("ObjInfoLogo", "", Png, 140, 110, PaintObjInfoLogo, Done);
  b.Add("ObjInfoGoal", "", Png, TLevelGoal::PanelWidth, TLevelGoal::PanelHeight, PaintObjInfoGoal,
        Done);
  b.Add("ObjInfoTitle", "", Png, 232, 60, With(PaintWordArt, TWordArt::LevelGoal), Done,
        "Level goal");
  b.Add("SlotDone", "", Png, 64, 64, PaintSlotDone, Done);
  b.Add("SlotDoneShine", "", Png, 120, 120, With(PaintRays, Hex(0xfff0a0)), Done);
  b.Add("ElementHighlight", "", Png, 64, 32, With(PaintGlow, Hex(0xffe070)), Done);
  b.Add("ElementsPanelStar", "", Png, 40, 40, With(PaintSparkles, TSparkle::Star), Done);
  // Stage result.
  b.Add("ResultMedals", "", Png, 120, 120, PaintMedals, Done);
  b.Add("ResultStatsHighlight", "", Png, 160, 56, PaintStatsHighlight, Done);
  b.Add("FeatureShine", "", Png, 420, 420, With(PaintRays, Hex(0xfff4c0)), Done);
  b.Add("CharScoringBody", "", Png, 330, 430, PaintScoringBody, Done);
  b.Add("CharScoringEyes", "", Png, 80, 30, With(PaintCharEyes, THeroinePose::Waving), Done);
  b.Add("CharScoringHand", "", Png, 90, 250, PaintScoringHand, Done);
  b.Add("CharScoringHandCover", "", Png, 60, 50, PaintScoringShoulder, Done);
  b.Add("Birdie", "", Png, 72, 52, PaintBirdie, Done);
}

void AddEffects(TBuilder& b) {
  b.Add("CyanParticle", "", Png, 38, 38, With(PaintGlow, Hex(0x7ff8ff)), Done);
  b.Add("DustParticle", "", Png, 51, 45, PaintDustParticle, Done);
  b.Add("ScreenDustEffect", "", Png, 27, 27, With(PaintGlow, Hex(0xfff6d0)), Done);
  b.Add("BurstingBubble", "", Png, 46, 46, PaintBubbleBurst, Done);
  b.Add("LittleStars", "", Png, 16, 16, With(PaintSparkles, TSparkle::Glints), Done);
  b.Add("ShineEffect", "", Png, 180, 180, With(PaintGlow, Hex(0xfffbe0)), Done);
  b.Add("CollectorWave", "", Png, 180, 100, PaintCollectorWave, Done);
  b.Add("CollectorBlur", "", Png, 80, 80, PaintCollectorBlur, Done);
  b.Add("SpiderWalking", "", Png, 48, 48, With(PaintSpider, TSpiderPose::Walking), Done);
  b.Add("SpiderAnchoring", "", Png, 48, 48, With(PaintSpider, TSpiderPose::Anchoring), Done);
  b.Add("SpiderMakingWeb", "", Png, 48, 48, With(PaintSpider, TSpiderPose::Weaving), Done);
  b.Add("SpiderHit", "", Png, 48, 48, With(PaintSpider, TSpiderPose::Hit), Done);
  b.Add("BombParticle", "", Png, 40, 40, PaintBombParticle, Done);
  b.Add("BombSparks", "", Png, 32, 32, With(PaintSparkles, TSparkle::FuseSparks), Done);
  b.Add("LightningEffect", "", Png, 832, 64, PaintLightning, Done);
  b.Add("HammerHitting", "", Png, 100, 110, With(PaintTool, TToolPicture::HammerBlow), Done);
  b.Add("Sparkling", "", Png, 36, 36, With(PaintSparkles, TSparkle::Twinkle), Done);
  b.Add("ScoringDust", "", Png, 16, 16, With(PaintSparkles, TSparkle::Glints), Done);
  b.Add("Confetti", "", Png, 30, 30, PaintConfetti, Done);
  b.Add("Firework", "", Png, 16, 16, With(PaintGlow, Hex(0xfff0b0)), Done);
  b.Add("GeneralShine", "", Png, 110, 110, With(PaintRays, Hex(0xfff8d0)), Done);
  b.Add("StarEffect", "", Png, 32, 32, With(PaintSparkles, TSparkle::Star), Done);
  b.Add("Snow", "", Png, 24, 24, PaintSnow, Done);
  // About 300 wide: a bank ends at x < -380 and must be off screen by then at scale 1.5.
  b.Add("Fog", "", Png, 300, 160, PaintFog, Done);
  // Drawn at a third to three fifths of their size over the book and the islands.
  b.Add("PinkButterfly", "", Png, 96, 96, With(PaintButterfly, Hex(0xff8fc8)), Done);
  b.Add("BlueButterfly", "", Png, 96, 96, With(PaintButterfly, Hex(0x7cc4ff)), Done);
  const TColor kDiamondWings[3] = {Hex(0xbff4ff), Hex(0xffe6a0), Hex(0xf0c8ff)};
  for (int i = 1; i <= 3; ++i)
    b.Add("DiamondButterfly" + std::to_string(i), "", Png, 40, 40,
          With(PaintButterfly, kDiamondWings[i - 1]), Done);
  b.Add("FeatherFlower", "", Png, 48, 48, With(PaintSparkles, TSparkle::FeatherFlower), Done);
  b.Add("EffectShinyDots", "", Png, 64, 64, With(PaintSparkles, TSparkle::ShinyDots), Done);
  b.Add("BookEffectShine", "", Png, 400, 300, With(PaintGlow, Hex(0xfff0c0)), Done);
  b.Add("SmallFairy", "", Png, 48, 48, PaintSmallFairy, Done);
  b.Add("FairyDot", "", Png, 16, 16, With(PaintGlow, Hex(0xfff8c0)), Done);
  b.Add("WalkingOrc", "", Png, 60, 80, With(PaintWalker, TWalker::Ogre), Done);
  b.Add("WalkingSoldier", "", Png, 60, 80, With(PaintWalker, TWalker::Soldier), Done);
}

// Each island's creature folder holds the same names; only the current island's is loaded.
void AddCreatures(TBuilder& b) {
  using F = TBossFigure;
  struct TFolder {
    const char* Folder;
    TCreature Kind;
  };
  const TFolder folders[5] = {{"Creatures/Centaur/", TCreature::Owl},
                              {"Creatures/Hydra/", TCreature::Squirrel},
                              {"Creatures/Golem/", TCreature::Bee},
                              {"Creatures/Cyclops/", TCreature::Bat},
                              {"Creatures/Dragon/", TCreature::Cat}};
  const int w = F::TileWidth, h = F::TileHeight;
  for (const TFolder& f : folders) {
    b.Add(F::Walking, f.Folder, Png, w, h, With(PaintCreatureWalking, f.Kind), Done);
    b.Add(F::Front, f.Folder, Png, w, h, With(PaintCreatureFront, f.Kind), Done);
    b.Add(F::Absorbing, f.Folder, Png, w, h, With(PaintCreatureAbsorbing, f.Kind), Done);
    b.Add(F::Dying, f.Folder, Png, w, h, With(PaintCreatureDying, f.Kind), Done);
    b.Add(F::DeadParts, f.Folder, Png, w, h, With(PaintCreatureParts, f.Kind), Done);
    b.Add(F::Shadow, f.Folder, Png, F::ShadowWidth, F::ShadowHeight, PaintCreatureShadow, Done);
    b.Add(F::Badge, f.Folder, Png, F::BadgeSize, F::BadgeSize, With(PaintCreatureBadge, f.Kind),
          Done);
  }
  b.Add(F::Aura, "", Png, F::AuraSize, F::AuraSize, PaintAuraRing, Done);
  b.Add(F::AuraGlow, "", Png, F::AuraSize, F::AuraSize, With(PaintGlow, Hex(0xc8a0ff)), Done);
  b.Add(F::AuraSpark, "", Png, F::SparkSize, F::SparkSize, PaintAuraSpark, Done);
  b.Add(F::EnergyFrame, "", Png, F::EnergyFrameWidth, F::EnergyFrameHeight, PaintBossEnergyFrame,
        Done);
  b.Add(F::EnergyFill, "", Png, F::EnergyFillWidth, F::EnergyFillHeight, PaintBossEnergyFill,
        Done);
}

// The practice kitchen: one window picture per island (only the current island's is loaded),
// the rest in the main folder. Places are the window's: pots 76 wide, the recipe row's icons
// 52, the badge and its title centred on each other, the bar's fill inset 12 pixels.
void AddPractice(TBuilder& b) {
  for (int i = 1; i <= 5; ++i)
    b.Add("PracticeWindow" + std::to_string(i), "PracticeWindow/", Png, 1006, 614,
          With(PaintPracticeWindow, TIsland{i}), Done);
  b.Add("PracticeWindowTitle", "", Png, 400, 70, PaintPracticeWindowTitle, Done, "Cooking Practice");
  b.Add("PracticeStepBG", "", Png, 330, 62, PaintPracticeStepBG, Done);
  b.Add("PracticeStepTitle", "", Png, 224, 40, PaintPracticeStepTitle, Done);
  b.Add("PracticeStepProgress", "", Png, 172, 34, PaintPracticeStepProgress, Done);
  b.Add("PracticeStepProgressFill", "", Png, 148, 10, PaintPracticeStepProgressFill, Done);
  b.Add("HintFairyBody", "", Png, 100, 140, PaintHintFairyBody, Done);
  b.Add("HiddenElements", "", Png, BoardTileSize, BoardTileSize, PaintHiddenElements, Done);
  b.Add("PracticeCheckMark", "", Png, 28, 28, PaintPracticeCheckMark, Done);
  b.Add("PracticeArrow", "", Png, 18, 20, PaintPracticeArrow, Done);
  b.Add("PracticeSlot", "", Png, 76, 76, PaintPracticeSlot, Done);
  b.Add("ProcessingClock", "", Png, 48, 48, PaintProcessingClock, Done);
  // The cook's joints are where the game turns his parts: see ArtCooks.cpp.
  b.Add("PracticeChar", "", Png, 70, 149, PaintPracticeChar, Done);
  b.Add("PracticeStove", "", Png, 238, 120, PaintPracticeStove, Done);
  b.Add("PracticeFire", "", Png, 90, 44, PaintPracticeFire, Done);
  b.Add("DishCharBody", "", Png, 480, 490, PaintDishCharBody, Done);
  b.Add("DishCharEyes", "", Png, 60, 24, PaintDishCharEyes, Done);
  b.Add("DishCharHand", "", Png, 110, 150, PaintDishCharHand, Done);
  b.Add("PracticePotions", "", Png, 173, 239, PaintPracticePotions, Done);
  b.Add("PracticeBlast", "", Png, 196, 196, PaintPracticeBlast, Done);
  b.Add("PracticeMyCreation", "", Png, 280, 56, PaintPracticeMyCreation, Done, "My creation!");
}

// The island hub: the town at its five stages and the stickers (loaded by the book as it
// needs them), then the townsfolk, the book's tube, the pocket and the small heroine. A
// sticker's picture reaches from its table position to the end of what it shows.
void AddBook(TBuilder& b) {
  using F = TBookFigures;
  for (int stage = 0; stage < 5; ++stage)
    b.Add("ciBG" + std::to_string(stage + 1), "Upgrades/", Jpg, 1366, 768,
          With(PaintTownStage, TTownStage{stage}), Done);
  for (int g = TStickerBookLayout::ZeppelinGroup; g <= TStickerBookLayout::DefinedObjects; ++g) {
    const TStickerBookLayout::TObjectDef& o = TStickerBookLayout::Object(g);
    const TStickerBookLayout::TRect box = TStickerBookLayout::ContentBox(g);
    const int w = static_cast<int>(std::ceil((box.Right - o.X) / o.Scale));
    const int h = static_cast<int>(std::ceil((box.Bottom - o.Y) / o.Scale));
    b.Add(o.Image, "Upgrades/", Png, w, h, With(PaintSticker, TSticker{g}), Done);
  }
  b.Add(F::Citizens, "", Png, F::CitizenWidth, F::CitizenHeight, PaintCitizens, Done);
  b.Add(F::Tube, "", Png, F::TubeWidth, F::TubeHeight, PaintBookTube, Done);
  b.Add(F::TubeFill, "", Png, F::FillWidth, F::FillHeight, PaintBookTubeFill, Done);
  b.Add(F::PocketPanel, "", Png, F::PocketWidth, F::PocketHeight, PaintPocketPanel, Done);
  b.Add(F::SmallBody, "", Png, F::SmallWidth, F::SmallHeight, PaintSmallWynnet, Done);
  b.Add(F::SmallArm, "", Png, F::ArmWidth, F::ArmHeight, PaintSmallWynnetArm, Done);
}

// Pictures of the tile-count table whose scenes (hub, shop, restaurant, practice,
// story, tutorial, dialogue) are drawn later; they exist now at their grids.
// The hub's shop: the counter at (311, 644) with its corner box at + (907, -21), the four
// slots from + (47, 41), and the dish window at (494, 207).
void AddShop(TBuilder& b) {
  b.Add("BuySlotsPanelA", "", Png, 907, 124, PaintBuySlotsPanelA, Done);
  b.Add("BuySlotsPanelB", "", Png, 148, 145, PaintBuySlotsPanelB, Done);
  b.Add("BuySlotIcons", "", Png, 64, 64, PaintBuySlotIcons, Done);
  b.Add("BuySlotGlassCover", "", Png, 86, 82, PaintBuySlotGlassCover, Done);
  b.Add("BuySlotBuyButton", "", Png, 96, 34, Button(TButtonStyle::Plain), Done, "Buy");
  b.Add("ShopWindow", "", Png, 656, 420, PaintShopWindow, Done);
}

// The hub's restaurant: the rating panel at (24, 402) with the parts drawn over it, the
// today's-special panel at (1099, 330), the signs, the menu board at (841, 402), the order
// balloon at the queue's front + (85, -83), the terrace at (678, 154) and the popups, then
// the customers, the passers-by and the islands' decorations.
void AddRestaurant(TBuilder& b) {
  b.Add("RestoRatingBG", "", Png, 250, 366, PaintRestoRatingBG, Done);
  b.Add("RestoCountry", "", Png, 210, 70, PaintRestoCountry, Done);
  b.Add("RestoRatingStars", "", Png, 198, 44, PaintRestoRatingStars, Done);
  b.Add("RestoReviewerBG", "", Png, 110, 122, PaintRestoReviewerBG, Done);
  // The arm (pattern 3) turns about its shoulder at (47, 49) of the 61 x 101 pattern.
  b.Add("RestoReviewer", "", Png, 61, 101, PaintRestoReviewer, Done);
  b.Add("RestoRatingText", "", Png, 180, 46, PaintRestoRatingText, Done);
  b.Add("TodaysSpecialBG", "", Png, 220, 192, PaintTodaysSpecialBG, Done);
  b.Add("RestoSmallSign", "", Png, 60, 44, PaintRestoSmallSign, Done);
  b.Add("RestoBigSign", "", Png, 160, 66, PaintRestoBigSign, Done);
  b.Add("RestoBoard", "", Png, 118, 160, PaintRestoBoard, Done);
  b.Add("RestoCustBalloon", "", Png, 90, 76, PaintRestoCustBalloon, Done);
  b.Add("RestoEatingBG", "", Png, 150, 112, PaintRestoEatingBG, Done);
  b.Add("RestoThumbUp", "", Png, 46, 46, PaintRestoThumbUp, Done);
  b.Add("RestoMoneyPop", "", Png, 64, 44, PaintRestoMoneyPop, Done);
  b.Add("RestoHeart", "", Png, 44, 40, PaintRestoHeart, Done);
  b.Add("RestoBrokenHeart", "", Png, 60, 52, PaintRestoBrokenHeart, Done);
  b.Add("RestoPraise", "", Png, 160, 36, PaintRestoPraise, Done);
  // The customers: the queue's feet on the cobbles by the kerb, the seated ones on the
  // terrace's ground at the table's left (its pole at 1.1 of the width, where they turn).
  b.Add("RestoQueuingCusts", "", Png, 146, 90, PaintRestoQueuingCusts, Done);
  b.Add("RestoEatingCusts", "", Png, 66, 106, PaintRestoEatingCusts, Done);
  // Passers-by cross the square leftward until wholly past its left edge.
  b.Add("Merchant", "", Png, 190, 180, PaintMerchant, Done);
  b.Add("Horse1", "", Png, 330, 172, With(PaintHorse, TPasserHorse{true}), Done);
  b.Add("Horse2", "", Png, 196, 172, With(PaintHorse, TPasserHorse{false}), Done);
  // The islands' decorations; a picture turned about a point of its own is sized so that
  // point is where the game turns it (see metagame/TRestoPlaces.h).
  using D = TTownDecoration;
  const auto decoration = [&b](const char* name, int w, int h, D d) {
    b.Add(name, "", Png, w, h, With(PaintTownDecoration, d), Done);
  };
  decoration("Country3Object1", 104, 64, D::Bramble);
  decoration("Country3Object2A", 76, 68, D::BerryBasket);
  decoration("Country3Object2B", 88, 158, D::PeckingHen);
  decoration("Country3Object3", 46, 42, D::Rabbit);
  decoration("Country1Object1", 104, 58, D::SleepingDog);
  decoration("Country2Object1", 100, 78, D::BearCub);
  decoration("Country5Object1", 42, 36, D::Frog);
  decoration("Country5Object2", 120, 70, D::Dragonflies);
  decoration("Country4Object1A", 124, 96, D::Signpost);
  decoration("Country4Object1B", 110, 122, D::ArrowSign);
  decoration("Country4Object1C", 61, 69, D::HangingSign);
}

// The story scenes: strips drawn at (0, 37) between the bars, which the game draws at scale
// 2 from the top edge and up from y 684 (so a bar pattern is half the screen's 84 rows).
void AddStory(TBuilder& b) {
  for (int i = 1; i <= 6; ++i)
    b.Add(StripName(i), "Story/", Jpg, 1366, 647, With(PaintStoryStrip, TStoryStrip{false, i}),
          Done);
  for (int i = 1; i <= 3; ++i)
    b.Add(StripName(i), "Ending/", Jpg, 1366, 647, With(PaintStoryStrip, TStoryStrip{true, i}),
          Done);
  b.Add("StoryBGMask", "", Png, 683, 84, PaintStoryBGMask, Done);
  b.Add("StoryDarkCorners", "", Png, 342, 192, PaintStoryDarkCorners, Done);
}

// Tall enough to reach the screen's bottom edge from the place it is drawn at.
int ChatFigureHeight(TPoint at) { return static_cast<int>(std::ceil((768 - at.Y) / 0.95)); }

void AddLaterScenes(TBuilder& b) {
  b.Add("PracticeSmoke", "", Png, 60, 60, PaintStoveSmoke, Done);
  // The chapter dialogue: three 24-row slices of one balloon (top, a band per text line,
  // the bottom with its tail); the people stand on the screen's bottom edge, swaying about a
  // point at 95 % of their height.
  b.Add("ChapterDialogBalloon", "", Png, TChatPlaces::BalloonWidth, 60, PaintChapterDialogBalloon,
        Done);
  // The people are large and only on screen during a conversation: loaded for it, late.
  b.Add("ChatMainChar", "LateLoad/", Png, 390, ChatFigureHeight(TChatPlaces::MainChar),
        PaintChatMainChar, Done);
  for (int n = 1; n <= 8; ++n) {
    const TPoint at = TChatPlaces::ClientPicture(n);
    b.Add("ChatCharacter" + std::to_string(n), "LateLoad/", Png, 1366 - at.X, ChatFigureHeight(at),
          With(PaintChatCharacter, TChatClient{n}), Done);
  }
  // The panel is the tool tip's too, drawn at 0.8 x 0.675; the arrow's size puts its turning
  // point (0.5, 0.427) about 30 pixels from the point it shows, on the panel's corner.
  b.Add("TutorialBlackRect", "", Png, 436, 330, PaintTutorialPanel, Done);
  b.Add("FairyTutorial", "", Png, 170, 230, PaintFairyTutorial, Done);
  b.Add("TutorialArrow", "", Png, 86, 102, PaintTutorialArrow, Done);
  b.Add("TutorialIcons", "", Png, 64, 64, PaintTutorialIcons, Done);
  b.Add("MovieEffect", "", Png, 8, 768, PaintMovieScratches, Done);
  // Drawn at scale 2 over the story pictures and behind the chapter dialogues.
  b.Add("MovieEffectMask", "", Png, 683, 384, PaintMovieMask, Done);
}

std::vector<std::string> LevelFiles(const std::string& dir) {
  std::vector<std::string> files;
  std::error_code ec;
  if (dir.empty() || !std::filesystem::is_directory(dir, ec)) return files;
  for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
    std::string name = e.path().filename().string();
    if (name.size() > 9 && name.rfind("Level", 0) == 0 && name.substr(name.size() - 4) == ".eil")
      files.push_back(e.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

void AddBoardPictures(TBuilder& b, const std::string& levelsDir) {
  for (const std::string& path : LevelFiles(levelsDir)) {
    std::vector<unsigned char> mask;
    bool boss = false;
    if (!ReadLevelBoardMask(path, mask, boss)) continue;
    std::string file = std::filesystem::path(path).filename().string();
    std::string stem = file.substr(0, file.size() - 4);  // "Level<island>-<nn>"
    std::string name = stem;
    if (boss) {
      std::size_t dash = stem.find('-');
      name = "Boss" + stem.substr(5, dash == std::string::npos ? std::string::npos : dash - 5);
    }
    bool duplicate = false;
    for (const auto& s : b.List) duplicate |= (s.Name == name);
    if (duplicate) continue;
    // Covers the whole grid from the used area's origin; unused parts stay transparent.
    TAssetSpec& s = b.Add(name, "Board/", Png, 853, 647, PaintBoardPicture, Done);
    s.BoardMask = mask;
  }
}

}  // namespace

bool ReadLevelBoardMask(const std::string& path, std::vector<unsigned char>& mask, bool& isBoss) {
  // Read as the game reads it: a file the game would refuse gets no picture.
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> data(TLevelFileRecord::ByteSize);
  if (!in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size())))
    return false;
  TLevelFileRecord level = TLevelFileRecord::Blank();
  std::string problem;
  if (!level.FromBytes(data.data(), data.size(), problem)) return false;
  isBoss = level.GameObjective == goBossMode;
  mask.assign(BoardColumns * BoardRows, 0);
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& tile = level.Board.At(x, y);
      // 0 hole, 1 board tile, 2 decorative empty tile (background only), 3 board tile on a
      // decorated background.
      mask[(x - 1) * BoardRows + (y - 1)] = tile.IsHole()                 ? 0
                                            : tile.BackgroundVariant == 0 ? 1
                                            : tile.ObjectKind == okUnused ? 2
                                                                          : 3;
    }
  return true;
}

std::vector<TAssetSpec> BuildManifest(const std::string& levelsDir) {
  TBuilder b;
  AddStartup(b);
  AddMenu(b);
  AddWindows(b);
  AddMap(b);
  AddBoard(b);
  AddLevel(b);
  AddEffects(b);
  AddCreatures(b);
  AddPractice(b);
  AddBook(b);
  AddShop(b);
  AddRestaurant(b);
  AddLaterScenes(b);
  AddStory(b);
  AddBoardPictures(b, levelsDir);
  return b.List;
}

}  // namespace assetgen
