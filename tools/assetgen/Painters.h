#pragma once
// Painter entry points, grouped by the file that holds them. A painter draws one picture of
// the manifest; one that needs a value of its own (a style, an island, a colour) takes it as
// a third parameter of its own type and the manifest binds it with With(). Colours come from
// Palette.h; whatever the game also knows (board size and tile, element codes, font tables,
// the frame's pieces, the gathering panel's offsets) comes from the game's headers.
#include <vector>

#include "Manifest.h"
#include "Paint.h"
#include "board/TBoardData.h"
#include "board/TElementKind.h"
#include "board/TIndividualElementKind.h"

namespace assetgen {

// Runs draw(cr, pattern, w, h) once per pattern with the origin at the pattern's
// top-left corner and drawing clipped to it.
template <typename F>
void ForEachPattern(TCanvas& c, const TAssetSpec& s, F&& draw) {
  cairo_t* cr = c.Cr();
  for (int p = 0; p < s.Patterns(); ++p) {
    cairo_save(cr);
    cairo_translate(cr, (p % s.Columns) * s.TileWidth, (p / s.Columns) * s.TileHeight);
    cairo_rectangle(cr, 0, 0, s.TileWidth, s.TileHeight);
    cairo_clip(cr);
    cairo_new_path(cr);
    draw(cr, p, static_cast<double>(s.TileWidth), static_cast<double>(s.TileHeight));
    cairo_restore(cr);
  }
}

// ArtScreens.cpp: full-screen pictures, transition, map.
enum class TLogoEmblem { Lantern, BookAndQuill, LeafHeart };  // one per studio logo
struct TIsland {
  int Number;  // 1..5
};
void PaintFlat(TCanvas& c, const TAssetSpec& s, TColor colour);
void PaintCompanyLogo(TCanvas& c, const TAssetSpec& s, TLogoEmblem emblem);
void PaintSplashBG(TCanvas& c, const TAssetSpec& s);
void PaintMenuBG(TCanvas& c, const TAssetSpec& s);
void PaintGameBG(TCanvas& c, const TAssetSpec& s, TIsland island);
void PaintMapBG(TCanvas& c, const TAssetSpec& s);
// The map's open water alone, before the whale, reefs, compass and edge are put on it.
void PaintMapSea(TCanvas& c);
void PaintHelpPage(TCanvas& c, const TAssetSpec& s);
void PaintTransDark(TCanvas& c, const TAssetSpec& s);
void PaintTransSpin(TCanvas& c, const TAssetSpec& s);
void PaintGameLogo(TCanvas& c, const TAssetSpec& s);
void PaintMapRoom(TCanvas& c, const TAssetSpec& s, TIsland island);
void PaintCompletedStamp(TCanvas& c, const TAssetSpec& s);
void PaintMapWaves(TCanvas& c, const TAssetSpec& s);
void PaintMapTransports(TCanvas& c, const TAssetSpec& s);
void PaintMapClouds(TCanvas& c, const TAssetSpec& s);

// ArtHeroine.cpp: the heroine and the pictures of her pieces.
enum class THeroinePose {
  HoldingWand,  // beside the main menu, life-size, her arm up to the wand
  Waving,       // on the result screen, smaller, the upper arm out to the waving forearm
};
enum class THeroineEyes { Open, HalfClosed, Closed, Smiling };
// Draws her as the picture of her pose has her: the menu background (at the screen's
// origin) or "CharScoringBody".
void DrawHeroine(cairo_t* cr, THeroinePose pose, THeroineEyes eyes);
void PaintCharEyes(TCanvas& c, const TAssetSpec& s, THeroinePose pose);
void PaintCharWand(TCanvas& c, const TAssetSpec& s);
void PaintCharWandCover(TCanvas& c, const TAssetSpec& s);
void PaintScoringBody(TCanvas& c, const TAssetSpec& s);
void PaintScoringHand(TCanvas& c, const TAssetSpec& s);
void PaintScoringShoulder(TCanvas& c, const TAssetSpec& s);

// ArtBook.cpp: the island hub's town at its stages and the stickers the book adds, drawn
// where the sticker book's layout puts them; townsfolk, the book's tube, the pocket and the
// small heroine (pictures shaped as metagame/TBookFigures.h says).
struct TTownStage {
  int Stage;  // 0..4
};
struct TSticker {
  int Group;  // 3..23
};
void PaintTownStage(TCanvas& c, const TAssetSpec& s, TTownStage stage);
void PaintSticker(TCanvas& c, const TAssetSpec& s, TSticker sticker);
void PaintCitizens(TCanvas& c, const TAssetSpec& s);
void PaintBookTube(TCanvas& c, const TAssetSpec& s);
void PaintBookTubeFill(TCanvas& c, const TAssetSpec& s);
void PaintPocketPanel(TCanvas& c, const TAssetSpec& s);
void PaintSmallWynnet(TCanvas& c, const TAssetSpec& s);
void PaintSmallWynnetArm(TCanvas& c, const TAssetSpec& s);

// ArtWidgets.cpp: buttons, windows, panels, bars.
struct TCheckBoxLabel {
  const char* Image;
  const char* Text;
  int Width;  // the click width the options window gives the box
};
const std::vector<TCheckBoxLabel>& CheckBoxLabels();
enum class TButtonStyle {
  Plain,
  Play,      // the big play buttons
  Leave,     // leaving, cancelling, deleting
  Navigate,  // small navigation buttons
};
// Windows carry their inner wells; the game writes the titles itself.
enum class TWindowKind { Plain, PlayerList, AddName, Options, StageResult };
enum class TCornerSide { Left, Right };
void PaintButton(TCanvas& c, const TAssetSpec& s, TButtonStyle style);
void PaintLink(TCanvas& c, const TAssetSpec& s);
void PaintCheckBox(TCanvas& c, const TAssetSpec& s);
void PaintVolumeButton(TCanvas& c, const TAssetSpec& s);
void PaintWindow(TCanvas& c, const TAssetSpec& s, TWindowKind kind);
void PaintSelectionBar(TCanvas& c, const TAssetSpec& s);
void PaintSeparator(TCanvas& c, const TAssetSpec& s);
void PaintLoadingBarBG(TCanvas& c, const TAssetSpec& s);
void PaintBarFill(TCanvas& c, const TAssetSpec& s, TColor colour);
void PaintBarGlass(TCanvas& c, const TAssetSpec& s);
void PaintLoadingBarText(TCanvas& c, const TAssetSpec& s);
void PaintVolumeFill(TCanvas& c, const TAssetSpec& s);
void PaintMenuPanel(TCanvas& c, const TAssetSpec& s);
void PaintWelcomePanel(TCanvas& c, const TAssetSpec& s);
void PaintBanner(TCanvas& c, const TAssetSpec& s);
void PaintCornerPanel(TCanvas& c, const TAssetSpec& s, TCornerSide side);

// ArtFonts.cpp: the two bitmap fonts.
void PaintFontNormal(TCanvas& c, const TAssetSpec& s);
void PaintFontInk(TCanvas& c, const TAssetSpec& s);
void PaintFontComment(TCanvas& c, const TAssetSpec& s);
// Text baked into a picture in the game's own font, as its text writer draws it: (x, y) is
// where the first glyph's advance starts, on the middle of the line; plain white.
void DrawFontLine(cairo_t* cr, const std::string& text, double x, double y, double scale);
int FontLineWidth(const std::string& text, double scale);

// ArtElements.cpp: elements, gathering icons, board pieces.
// A tile's pieces are drawn at the tile, or 2 pixels up and left of it and as far past it
// (background, selection, locks); a frame piece 11 pixels left of and 12 above its tile.
constexpr int kTileSurround = BoardTileSize + 4;
constexpr int kBorderPieceLeft = 11, kBorderPieceTop = 12;
constexpr int kBorderPieceWidth = BoardTileSize + 2 * kBorderPieceLeft;
constexpr int kBorderPieceHeight = BoardTileSize + 2 * kBorderPieceTop;
void DrawElement(cairo_t* cr, int code, double size);  // code 1..ecPotion2, box at the origin
void DrawSlotIcon(cairo_t* cr, TIndividualElementKind kind, double size);
TColor ElementColor(int code);
bool BorderPatternPiece(int pattern, int& segment, int& kind);
enum class TSlotGlow { Still, Pulsing };
enum class TFlashDirection { Horizontal, Vertical };
void PaintElementsInside(TCanvas& c, const TAssetSpec& s);
void PaintBubbleInside(TCanvas& c, const TAssetSpec& s);
void PaintGatherSlots(TCanvas& c, const TAssetSpec& s, TSlotGlow glow);
void PaintFlowingElements(TCanvas& c, const TAssetSpec& s);
void PaintElementIcons(TCanvas& c, const TAssetSpec& s);
void PaintDiamondsBig(TCanvas& c, const TAssetSpec& s);
void PaintBackgroundTile(TCanvas& c, const TAssetSpec& s);
void PaintBrownTile(TCanvas& c, const TAssetSpec& s);
void PaintTileSelection(TCanvas& c, const TAssetSpec& s);
void PaintToolHighlight(TCanvas& c, const TAssetSpec& s);
void PaintHintLamp(TCanvas& c, const TAssetSpec& s);
void PaintChainLock(TCanvas& c, const TAssetSpec& s);
void PaintWeb(TCanvas& c, const TAssetSpec& s);
void PaintBoardBorder(TCanvas& c, const TAssetSpec& s);
void PaintBoardPicture(TCanvas& c, const TAssetSpec& s);
void PaintElementsFlash(TCanvas& c, const TAssetSpec& s, TFlashDirection direction);
void PaintTileShine(TCanvas& c, const TAssetSpec& s);

// ArtLevel.cpp: the level's panels, gauges, digits, tools and result pictures.
// Digit cells: the game sets a number's digits one cell apart, and the panels hold them.
constexpr int kGatherDigitWidth = 15, kGatherDigitHeight = 22;  // "ElementGatherNumber"
constexpr int kScoreDigitWidth = 18, kScoreDigitHeight = 24;    // "Score"
constexpr int kLevelDigitWidth = 13, kLevelDigitHeight = 22;    // "LevelInfoDigit"
enum class TDigitStrip { Gather, Score, LevelLabel };           // counters, score, island and level
enum class TLiquid { TubeColumn, TubeSurface, Flask };
// The tools on the left panel, and the hammer's blow on the board.
enum class TToolPicture {
  Blaster,
  Bomb,
  Hammer,
  HorzLightning,
  VertLightning,
  BigBomb,
  HammerBlow
};
// Word art: the label itself, the combo words, the energy bonus, or the level goal's label
// (whose second pattern names the boss round).
enum class TWordArt { Label, Combo, EnergyBonus, LevelGoal };
void PaintElementPanel(TCanvas& c, const TAssetSpec& s);
void PaintDigits(TCanvas& c, const TAssetSpec& s, TDigitStrip strip);
void PaintDigitBlur(TCanvas& c, const TAssetSpec& s, TDigitStrip strip);
void PaintTopPanel(TCanvas& c, const TAssetSpec& s);
void PaintLeftPanel(TCanvas& c, const TAssetSpec& s);
void PaintElementsPanel(TCanvas& c, const TAssetSpec& s);
void PaintTube(TCanvas& c, const TAssetSpec& s);
void PaintTubeLiquid(TCanvas& c, const TAssetSpec& s, TLiquid liquid);
void PaintTubeMask(TCanvas& c, const TAssetSpec& s);
void PaintManna(TCanvas& c, const TAssetSpec& s);
void PaintMannaWave(TCanvas& c, const TAssetSpec& s);
void PaintTool(TCanvas& c, const TAssetSpec& s, TToolPicture tool);
void PaintWordArt(TCanvas& c, const TAssetSpec& s, TWordArt art);
void PaintObjInfoShadow(TCanvas& c, const TAssetSpec& s);
// ArtHelp.cpp: the level goal's panel under the card, and the help pages.
void PaintObjInfoGoal(TCanvas& c, const TAssetSpec& s);
void PaintHelpCreature(TCanvas& c, const TAssetSpec& s);
void PaintHelpTools(TCanvas& c, const TAssetSpec& s);
// How to turn a help page, at the foot of page `page` of three.
void DrawHelpPageTurn(cairo_t* cr, int page);
void PaintObjInfoLogo(TCanvas& c, const TAssetSpec& s);
void PaintSlotDone(TCanvas& c, const TAssetSpec& s);
void PaintMedals(TCanvas& c, const TAssetSpec& s);
void PaintStatsHighlight(TCanvas& c, const TAssetSpec& s);
void PaintBirdie(TCanvas& c, const TAssetSpec& s);

// ArtEffects.cpp: particles, shines, small animated pieces and stand-ins.
enum class TSparkle { Twinkle, Star, Glints, FuseSparks, FeatherFlower, ShinyDots };
enum class TSpiderPose { Walking, Anchoring, Weaving, Hit };
enum class TWalker { Ogre, Soldier };
void PaintGlow(TCanvas& c, const TAssetSpec& s, TColor colour);
void PaintRays(TCanvas& c, const TAssetSpec& s, TColor colour);
void PaintSparkles(TCanvas& c, const TAssetSpec& s, TSparkle kind);
void PaintDustParticle(TCanvas& c, const TAssetSpec& s);
void PaintConfetti(TCanvas& c, const TAssetSpec& s);
void PaintBubbleBurst(TCanvas& c, const TAssetSpec& s);
void PaintSpider(TCanvas& c, const TAssetSpec& s, TSpiderPose pose);
void PaintButterfly(TCanvas& c, const TAssetSpec& s, TColor colour);
void PaintFog(TCanvas& c, const TAssetSpec& s);
void PaintSnow(TCanvas& c, const TAssetSpec& s);
void PaintLightning(TCanvas& c, const TAssetSpec& s);
void PaintCollectorWave(TCanvas& c, const TAssetSpec& s);
void PaintBombParticle(TCanvas& c, const TAssetSpec& s);
void PaintCollectorBlur(TCanvas& c, const TAssetSpec& s);
void PaintSmallFairy(TCanvas& c, const TAssetSpec& s);
void PaintWalker(TCanvas& c, const TAssetSpec& s, TWalker walker);
void PaintMovieScratches(TCanvas& c, const TAssetSpec& s);
void PaintMovieMask(TCanvas& c, const TAssetSpec& s);
void PaintStoveSmoke(TCanvas& c, const TAssetSpec& s);
void PaintPlaceholder(TCanvas& c, const TAssetSpec& s);

// ArtDishes.cpp: the islands' twenty dishes, in the order of the shop's item table, for the
// shop's glass (small) and the practice window's footed plate (big: finer, no plate of its own).
void DrawDish(cairo_t* cr, int dish, double size, bool big);  // dish 1..20, box at the origin
void PaintBuySlotIcons(TCanvas& c, const TAssetSpec& s);
void PaintPracticePotions(TCanvas& c, const TAssetSpec& s);

// ArtShop.cpp: the hub's shop counter, its corner box, the glass cover and the dish window.
void PaintBuySlotsPanelA(TCanvas& c, const TAssetSpec& s);
void PaintBuySlotsPanelB(TCanvas& c, const TAssetSpec& s);
void PaintBuySlotGlassCover(TCanvas& c, const TAssetSpec& s);
void PaintShopWindow(TCanvas& c, const TAssetSpec& s);

// ArtRestaurant.cpp: the hub's restaurant: its two panels, signs, menu board, order
// balloon, terrace table and what pops over the customers.
void PaintRestoRatingBG(TCanvas& c, const TAssetSpec& s);
void PaintRestoCountry(TCanvas& c, const TAssetSpec& s);
void PaintRestoRatingStars(TCanvas& c, const TAssetSpec& s);
void PaintRestoReviewerBG(TCanvas& c, const TAssetSpec& s);
void PaintRestoReviewer(TCanvas& c, const TAssetSpec& s);
void PaintRestoRatingText(TCanvas& c, const TAssetSpec& s);
void PaintTodaysSpecialBG(TCanvas& c, const TAssetSpec& s);
void PaintRestoSmallSign(TCanvas& c, const TAssetSpec& s);
void PaintRestoBigSign(TCanvas& c, const TAssetSpec& s);
void PaintRestoBoard(TCanvas& c, const TAssetSpec& s);
void PaintRestoCustBalloon(TCanvas& c, const TAssetSpec& s);
void PaintRestoEatingBG(TCanvas& c, const TAssetSpec& s);
void PaintRestoThumbUp(TCanvas& c, const TAssetSpec& s);
void PaintRestoMoneyPop(TCanvas& c, const TAssetSpec& s);
void PaintRestoHeart(TCanvas& c, const TAssetSpec& s);
void PaintRestoBrokenHeart(TCanvas& c, const TAssetSpec& s);
void PaintRestoPraise(TCanvas& c, const TAssetSpec& s);

// ArtRestoFolk.cpp: the restaurant's twelve customers, queuing and seated at the terrace,
// and the passers-by of the square.
struct TPasserHorse {
  bool WithCart;  // a horse drawing a cart, or a pony with its rider
};
void PaintRestoQueuingCusts(TCanvas& c, const TAssetSpec& s);
void PaintRestoEatingCusts(TCanvas& c, const TAssetSpec& s);
void PaintMerchant(TCanvas& c, const TAssetSpec& s);
void PaintHorse(TCanvas& c, const TAssetSpec& s, TPasserHorse horse);

// ArtRestoDecorations.cpp: the islands' decorations over the hub's town.
enum class TTownDecoration {
  Bramble,
  BerryBasket,
  PeckingHen,
  Rabbit,
  SleepingDog,
  BearCub,
  Frog,
  Dragonflies,
  Signpost,
  ArrowSign,
  HangingSign
};
void PaintTownDecoration(TCanvas& c, const TAssetSpec& s, TTownDecoration d);

// ArtCreatures.cpp: the boss rounds' creatures (one per island, same picture names in each
// island's folder, laid out as bosses/TBossFigure.h says), their aura and energy bar.
enum class TCreature { Owl, Squirrel, Bee, Bat, Cat };
void PaintCreatureWalking(TCanvas& c, const TAssetSpec& s, TCreature kind);
void PaintCreatureFront(TCanvas& c, const TAssetSpec& s, TCreature kind);
void PaintCreatureAbsorbing(TCanvas& c, const TAssetSpec& s, TCreature kind);
void PaintCreatureDying(TCanvas& c, const TAssetSpec& s, TCreature kind);
void PaintCreatureParts(TCanvas& c, const TAssetSpec& s, TCreature kind);
void PaintCreatureShadow(TCanvas& c, const TAssetSpec& s);
void PaintCreatureBadge(TCanvas& c, const TAssetSpec& s, TCreature kind);
void PaintAuraRing(TCanvas& c, const TAssetSpec& s);
void PaintAuraSpark(TCanvas& c, const TAssetSpec& s);
void PaintBossEnergyFrame(TCanvas& c, const TAssetSpec& s);
void PaintBossEnergyFill(TCanvas& c, const TAssetSpec& s);

// ArtPractice.cpp, ArtCooks.cpp, ArtKitchens.cpp: the practice kitchen.
// Ingredient kinds 1..16 (the fruits 1..8 as on the board, then flour, egg, milk, honey,
// hazelnut, mushroom, rose petals, fish) in a size x size box at the origin.
void DrawIngredient(cairo_t* cr, int kind, double size);
void PaintHiddenElements(TCanvas& c, const TAssetSpec& s);
void PaintPracticeWindow(TCanvas& c, const TAssetSpec& s, TIsland island);
void PaintPracticeWindowTitle(TCanvas& c, const TAssetSpec& s);
void PaintPracticeStepBG(TCanvas& c, const TAssetSpec& s);
void PaintPracticeStepTitle(TCanvas& c, const TAssetSpec& s);
void PaintPracticeStepProgress(TCanvas& c, const TAssetSpec& s);
void PaintPracticeStepProgressFill(TCanvas& c, const TAssetSpec& s);
void PaintPracticeCheckMark(TCanvas& c, const TAssetSpec& s);
void PaintPracticeArrow(TCanvas& c, const TAssetSpec& s);
void PaintPracticeSlot(TCanvas& c, const TAssetSpec& s);
void PaintProcessingClock(TCanvas& c, const TAssetSpec& s);
void PaintPracticeStove(TCanvas& c, const TAssetSpec& s);
void PaintPracticeFire(TCanvas& c, const TAssetSpec& s);
void PaintPracticeBlast(TCanvas& c, const TAssetSpec& s);
void PaintPracticeMyCreation(TCanvas& c, const TAssetSpec& s);
void PaintPracticeChar(TCanvas& c, const TAssetSpec& s);
void PaintDishCharBody(TCanvas& c, const TAssetSpec& s);
void PaintDishCharEyes(TCanvas& c, const TAssetSpec& s);
void PaintDishCharHand(TCanvas& c, const TAssetSpec& s);
void PaintHintFairyBody(TCanvas& c, const TAssetSpec& s);

// ArtStory.cpp: the comic strips of the opening (1..6) and the ending (1..3), and the
// bars and dark corners the story scene draws over them.
struct TStoryStrip {
  bool Ending;
  int Number;
};
void PaintStoryStrip(TCanvas& c, const TAssetSpec& s, TStoryStrip strip);
void PaintStoryBGMask(TCanvas& c, const TAssetSpec& s);
void PaintStoryDarkCorners(TCanvas& c, const TAssetSpec& s);

// ArtChat.cpp: the chapter dialogue's people and its balloon.
struct TChatClient {
  int Number;  // 1..8
};
void PaintChatMainChar(TCanvas& c, const TAssetSpec& s);
void PaintChatCharacter(TCanvas& c, const TAssetSpec& s, TChatClient client);
void PaintChapterDialogBalloon(TCanvas& c, const TAssetSpec& s);

// ArtTutorial.cpp: the tutorial's panel, fairy, pointing arrow and page icons.
void PaintTutorialPanel(TCanvas& c, const TAssetSpec& s);
void PaintFairyTutorial(TCanvas& c, const TAssetSpec& s);
void PaintTutorialArrow(TCanvas& c, const TAssetSpec& s);
void PaintTutorialIcons(TCanvas& c, const TAssetSpec& s);

}  // namespace assetgen
