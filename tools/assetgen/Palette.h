#pragma once
// The storybook's colours, by what they paint. Painters take their colours from here; a
// colour that belongs to one picture only is named where that picture is drawn.
#include <cstdint>

namespace assetgen {

struct TColor {
  double R = 0, G = 0, B = 0, A = 1;
};
// 0xRRGGBB
constexpr TColor Hex(std::uint32_t rgb, double alpha = 1.0) {
  return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, alpha};
}
// The same colour at another opacity.
constexpr TColor WithAlpha(const TColor& c, double alpha) { return {c.R, c.G, c.B, alpha}; }

// ---- Light and shade ----------------------------------------------------------------
constexpr TColor kWhite = Hex(0xffffff);
constexpr TColor kBlack = Hex(0x000000);
constexpr TColor kGlow = Hex(0xfff2a0);            // lamps, hovers, pulses, the wand's light
constexpr TColor kTwinkle = Hex(0xfff6c0);         // sparkles on buttons, fuse and fire cores
constexpr TColor kPaleTwinkle = Hex(0xfff2b0);     // sparkles on windows, link text
constexpr TColor kSoot{0.18, 0.1, 0.05};           // drop shadows under panels and buttons
constexpr TColor kDeepShadow{0.1, 0.05, 0.02};     // under text and the announcement board
constexpr TColor kGroundShadow{0.15, 0.08, 0.02};  // under elements and figures
constexpr TColor kNight{0.12, 0.07, 0.16};         // the scene transition's veil
constexpr TColor kSunlight{1, 0.95, 0.75};

// ---- Wood, paper, gold and ink ----------------------------------------------------------
constexpr TColor kWood = Hex(0x8a5a30);       // panels, the belt, doors, baskets and boats
constexpr TColor kBark = Hex(0x7a4a22);       // trunks, lantern caps, the board frame's shade
constexpr TColor kLightWood = Hex(0xc88a4a);  // handles, the compass, the board frame's grain
constexpr TColor kCork = Hex(0xb07a42);       // stoppers and the blaster's grip
constexpr TColor kPanelGleam{1, 0.85, 0.55};  // the light line inside wooden panels
constexpr TColor kAirBlue{0.85, 0.95, 1};     // glass and fairy wings
// Framed windows: a vertical grain from light to dark, a dark edge and a golden inner line.
constexpr TColor kFrameLight{0.72, 0.46, 0.24};
constexpr TColor kFrameMiddle{0.58, 0.34, 0.16};
constexpr TColor kFrameDark{0.44, 0.24, 0.1};
constexpr TColor kDarkWood{0.25, 0.13, 0.05};  // frame edges and recesses in wood
constexpr TColor kFrameGleam{1, 0.85, 0.5};
// Parchment: light in the middle, warmer to the edge, with fibres, a rim and a stitch.
constexpr TColor kParchmentLight{1.0, 0.97, 0.86};
constexpr TColor kParchment{0.98, 0.9, 0.72};
constexpr TColor kParchmentEdge{0.88, 0.74, 0.52};
constexpr TColor kParchmentFibre{0.55, 0.38, 0.18};
constexpr TColor kParchmentRim{0.45, 0.27, 0.12};
constexpr TColor kParchmentStitch{0.62, 0.42, 0.18};
constexpr TColor kPaper = Hex(0xfff2d8);        // pages and panel insides
constexpr TColor kHoney = Hex(0xf2a93b);        // the loading bar, apron buttons, the studio's name
constexpr TColor kGold = Hex(0xf2c050);         // buckles, badges, gold tiles
constexpr TColor kCream = Hex(0xfff4e0);        // aprons, collars, sails, the title's second line
constexpr TColor kCreamText = Hex(0xfff4d8);    // titles and word art
constexpr TColor kLabelText = Hex(0xfff2c8);    // the level's panel captions
constexpr TColor kInk{0.35, 0.18, 0.07};        // text on parchment, the wand's outline
constexpr TColor kOutline = Hex(0x5a2e12);      // around titles and captions
constexpr TColor kTextOutline = Hex(0x3a2414);  // around text by default
constexpr TColor kDarkOutline = Hex(0x3a1e0a);  // around small text on wood
constexpr TColor kTitleGold = Hex(0xffcf5a);    // the game's name, lanterns
constexpr TColor kWarmOutline = Hex(0x6a3210);  // around the game's name
constexpr TColor kBrownOutline = Hex(0x4a2410);  // links, gathering counters
constexpr TColor kNavyOutline = Hex(0x1e3a6a);
constexpr TColor kForestOutline = Hex(0x1f4a22);

// ---- Nature ---------------------------------------------------------------------------
constexpr TColor kLeafGreen = Hex(0x5aae3a);  // leafy trees, garlands
constexpr TColor kDeepLeaf = Hex(0x4f9a3a);
constexpr TColor kPineGreen = Hex(0x2f7e4a);
constexpr TColor kSnowPine = Hex(0x2f6e5a);
constexpr TColor kPalmGreen = Hex(0x4aa84a);
constexpr TColor kSpringGreen = Hex(0x7ccf5a);  // the first island's grass, leaves in logos
constexpr TColor kStemLeaf = Hex(0x3f9e2f);     // leaves on fruit and flowers
constexpr TColor kYoungLeaf = Hex(0x4da83a);
constexpr TColor kStem{0.42, 0.27, 0.12};
constexpr TColor kGreenStem{0.25, 0.55, 0.15};
constexpr TColor kPalmTrunk{0.55, 0.38, 0.2};
constexpr TColor kBrick = Hex(0xc0503a);  // roofs
constexpr TColor kSand = Hex(0xe8cf8a);
constexpr TColor kRock = Hex(0x8a5a4a);   // the volcano
constexpr TColor kEmber = Hex(0xffa040);  // its glow
constexpr TColor kSky = Hex(0x8fd0f4);
constexpr TColor kSkyHaze = Hex(0xffeccc);
constexpr TColor kMeadow = Hex(0x5aa84a);
constexpr TColor kFarMeadow = Hex(0x8acb6a);

// ---- The heroine --------------------------------------------------------------------
constexpr TColor kDress = Hex(0x4f9a5a);  // also the game's ribbon
constexpr TColor kSleeve = Hex(0x468a50);
constexpr TColor kSleeveCrease{0.2, 0.35, 0.15};
constexpr TColor kSkin = Hex(0xffd9b8);
constexpr TColor kSkinShade = Hex(0xffd4b0);
constexpr TColor kNeck = Hex(0xf6c9a4);
constexpr TColor kBlush = Hex(0xff8a8a);
constexpr TColor kMouth{0.55, 0.2, 0.15};
constexpr TColor kHair = Hex(0xc8602a);
constexpr TColor kFringe = Hex(0xd46a30);
constexpr TColor kHat = Hex(0x2f6e3c);
constexpr TColor kHatCrown = Hex(0x3a8048);
constexpr TColor kHatFold{0.1, 0.3, 0.15};
constexpr TColor kHatBand{0.95, 0.7, 0.25};
constexpr TColor kEyeLine{0.3, 0.15, 0.1};
constexpr TColor kIris{0.25, 0.55, 0.3};
constexpr TColor kPupil{0.05, 0.05, 0.05};
constexpr TColor kWandWood{0.72, 0.45, 0.22};
constexpr TColor kStarGold = Hex(0xffd040);  // the wand's star, the bomb's fuse

// ---- Elements, by their codes on the board ---------------------------------------------
constexpr TColor kBanana = Hex(0xffd83a);
constexpr TColor kStrawberry = Hex(0xee3344);
constexpr TColor kApple = Hex(0x8ed14a);
constexpr TColor kGrape = Hex(0x9055d0);
constexpr TColor kOrange = Hex(0xff9a22);
constexpr TColor kPlum = Hex(0x3f6fe0);
constexpr TColor kCherry = Hex(0xf0508c);
constexpr TColor kGuava = Hex(0x2fbfa0);
constexpr TColor kAcorn = Hex(0xd49a5a);
constexpr TColor kCrystal = Hex(0xa8dcff);
constexpr TColor kClover = Hex(0x1f9a56);
constexpr TColor kShell = Hex(0xffb08a);
constexpr TColor kDaisy = Hex(0xfdfcf4);
constexpr TColor kTulip = Hex(0xe8306a);
constexpr TColor kBluebell = Hex(0x6a6cff);
constexpr TColor kBlossom = Hex(0xff9ccc);
constexpr TColor kPinkPotion = Hex(0xff4fa8);
constexpr TColor kGoldPotion = Hex(0xffb830);
constexpr TColor kGlass = Hex(0xe8f6ff, 0.9);
constexpr TColor kSpiderBody = Hex(0x5a3a78);
constexpr TColor kSpiderHead = Hex(0x6a4a8a);

// ---- Interface -------------------------------------------------------------------------
constexpr TColor kPlayOrange = Hex(0xf5a623);    // the big play buttons
constexpr TColor kLeaveRed = Hex(0xd9604a);      // leaving, cancelling, deleting
constexpr TColor kNavigateBlue = Hex(0x5a8fd0);  // small navigation and volume buttons
constexpr TColor kGoGreen = Hex(0x5fae4a);       // every other button, done badges

}  // namespace assetgen
