// What particular pictures must do for the game: states that can be told apart, the
// wipe's hole in the middle, decorative board tiles, level files read right, and the
// checking tools (contact sheets, mock screens) producing readable files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "AssetgenTestSupport.h"
#include "FontTables.h"
#include "Generator.h"
#include "Painters.h"
#include "bosses/TBossFigure.h"
#include "engine/TPictureDecoder.h"
#include "support/TempDir.h"

using namespace assetgen;

namespace {

const std::vector<TAssetSpec>& Manifest() {
  static const std::vector<TAssetSpec> m = BuildManifest();
  return m;
}

TPicture Render(const std::string& name) { return RenderPicture(*assetgen_test::Find(Manifest(), name)); }

int Alpha(const TPicture& p, int x, int y) { return p.Row(y)[x * 4 + 3]; }

// Sum of absolute differences between two patterns of a picture.
long PatternDifference(const TPicture& p, const TAssetSpec& s, int a, int b) {
  long sum = 0;
  for (int y = 0; y < s.TileHeight; ++y)
    for (int x = 0; x < s.TileWidth * 4; ++x) {
      int ya = (a / s.Columns) * s.TileHeight + y, yb = (b / s.Columns) * s.TileHeight + y;
      int xa = (a % s.Columns) * s.TileWidth * 4 + x, xb = (b % s.Columns) * s.TileWidth * 4 + x;
      sum += std::abs(p.Row(ya)[xa] - p.Row(yb)[xb]);
    }
  return sum;
}

}  // namespace

TEST(PictureRules, WidgetStatesCanBeToldApart) {
  for (const auto& s : Manifest()) {
    bool widget = s.Name.find("Button") != std::string::npos || s.Name.rfind("CheckBox", 0) == 0;
    if (!widget || s.Patterns() < 2) continue;
    TPicture p = RenderPicture(s);
    for (int a = 0; a < s.Patterns(); ++a)
      for (int b = a + 1; b < s.Patterns(); ++b)
        EXPECT_GT(PatternDifference(p, s, a, b), 2000) << s.Name << " patterns " << a << ", " << b;
  }
}

TEST(PictureRules, PatternsPickedAtRandomAreAllDifferent) {
  // Effects that choose a pattern by chance would show the same picture twice otherwise.
  for (const char* name : {"WorldMapWaves", "Confetti", "Fog"}) {
    const TAssetSpec& s = *assetgen_test::Find(Manifest(), name);
    ASSERT_GT(s.Patterns(), 1) << name;
    TPicture p = RenderPicture(s);
    for (int a = 0; a < s.Patterns(); ++a)
      for (int b = a + 1; b < s.Patterns(); ++b)
        EXPECT_GT(PatternDifference(p, s, a, b), 2000) << name << " patterns " << a << ", " << b;
  }
}

TEST(PictureRules, EveryDishLooksDifferent) {
  const TAssetSpec& s = *assetgen_test::Find(Manifest(), "BuySlotIcons");
  ASSERT_EQ(s.Patterns(), 20);
  TPicture p = RenderPicture(s);
  for (int a = 0; a < s.Patterns(); ++a)
    for (int b = a + 1; b < s.Patterns(); ++b)
      EXPECT_GT(PatternDifference(p, s, a, b), 100000) << "dishes " << a + 1 << ", " << b + 1;
}

TEST(PictureRules, ConfettiIsColouredPaperNotWhiteSpecks) {
  // Laid over a bright sky, paper shows only in deep colours: most of each piece is
  // saturated and none of it near white.
  const TAssetSpec& s = *assetgen_test::Find(Manifest(), "Confetti");
  TPicture p = RenderPicture(s);
  for (int pattern = 0; pattern < s.Patterns(); ++pattern) {
    int paper = 0, coloured = 0;
    for (int y = 0; y < s.TileHeight; ++y)
      for (int x = 0; x < s.TileWidth; ++x) {
        const unsigned char* px = p.Row((pattern / s.Columns) * s.TileHeight + y) +
                                  ((pattern % s.Columns) * s.TileWidth + x) * 4;
        if (px[3] < 200) continue;
        ++paper;
        const int hi = std::max({px[0], px[1], px[2]}), lo = std::min({px[0], px[1], px[2]});
        coloured += hi - lo >= 120 && lo <= 130;
      }
    EXPECT_GT(paper, s.TileWidth * s.TileHeight / 4) << "pattern " << pattern;
    EXPECT_GT(coloured, paper * 3 / 4) << "pattern " << pattern;
  }
}

TEST(PictureRules, TheWipeOpensInTheMiddleOfTheScreen) {
  // The veil is drawn at (252, -46), turned and scaled about its centre: that centre is the
  // middle of the screen and must be see-through, everything away from it dark.
  const TAssetSpec& dark = *assetgen_test::Find(Manifest(), "TransDark");
  EXPECT_EQ(252 + dark.Width() / 2, 683);
  EXPECT_EQ(-46 + dark.Height() / 2, 384);
  TPicture d = Render("TransDark");
  EXPECT_EQ(Alpha(d, dark.Width() / 2, dark.Height() / 2), 0);
  EXPECT_EQ(Alpha(d, 0, 0), 255);
  EXPECT_EQ(Alpha(d, dark.Width() / 2 + 40, dark.Height() / 2), 255);
  // At full size (scale 34) the hole covers the screen's corners.
  EXPECT_EQ(Alpha(d, dark.Width() / 2 + 23, dark.Height() / 2), 0);
  // The star ring turns about the same point (drawn at (455, 158)) and is open inside.
  const TAssetSpec& spin = *assetgen_test::Find(Manifest(), "TransSpin");
  EXPECT_EQ(455 + spin.Width() / 2, 683);
  EXPECT_EQ(158 + spin.Height() / 2, 384);
  TPicture r = Render("TransSpin");
  EXPECT_EQ(Alpha(r, spin.Width() / 2, spin.Height() / 2), 0);
  // Scaled by 0.145 of the veil's scale, the ring's band (200 pixels out) lies over the
  // veil's soft edge (29 pixels out), so the rim of the hole is hidden under the stars.
  EXPECT_EQ(Alpha(r, spin.Width() / 2 + 200, spin.Height() / 2), 255);
  int edge = Alpha(d, dark.Width() / 2 + 29, dark.Height() / 2);
  EXPECT_GT(edge, 0);
  EXPECT_LT(edge, 255);
}

TEST(PictureRules, FontCapitalsAreCentredOnTheirPatterns) {
  // The line writer centres a pattern on the text's y, so capitals sit in the middle.
  TPicture p = Render("GlobalFontWhite");
  const TFontLayout& L = NormalFontLayout();
  int pattern = 7;  // 'H'
  int top = L.CellHeight, bottom = 0;
  for (int y = 0; y < L.CellHeight; ++y)
    for (int x = 0; x < L.CellWidth; ++x)
      if (p.Row(y)[((pattern % L.Columns) * L.CellWidth + x) * 4 + 3] > 128) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  EXPECT_NEAR((top + bottom) / 2.0, L.CellHeight / 2.0, 2.5);
}

TEST(PictureRules, LevelFilesAreReadForTheirBoardArea) {
  TempDir dir;
  std::vector<std::string> rows(12, std::string(16, '#'));
  rows[0] = "..##############";
  assetgen_test::WriteLevel(dir.File("Level1-02.eil"), rows, false);
  std::vector<unsigned char> mask;
  bool boss = true;
  ASSERT_TRUE(ReadLevelBoardMask(dir.File("Level1-02.eil"), mask, boss));
  EXPECT_FALSE(boss);
  ASSERT_EQ(mask.size(), 192u);
  EXPECT_EQ(mask[0 * 12 + 0], 0);  // hole
  EXPECT_EQ(mask[2 * 12 + 0], 1);  // board tile
  EXPECT_EQ(mask[0 * 12 + 1], 1);
  // A file shorter than one level record is not a level.
  std::ofstream(dir.File("Level1-03.eil")) << "short";
  EXPECT_FALSE(ReadLevelBoardMask(dir.File("Level1-03.eil"), mask, boss));
  EXPECT_FALSE(ReadLevelBoardMask(dir.File("missing.eil"), mask, boss));
}

TEST(PictureRules, FilesTheGameWouldNotPlayGetNoBoardPicture) {
  // The level reader refuses an unknown objective and a board without a tile; a board
  // picture for such a file would only be dead weight in the tree.
  TempDir dir;
  std::vector<std::string> rows(12, std::string(16, '#'));
  assetgen_test::WriteLevel(dir.File("Level1-04.eil"), rows, false);
  {
    std::fstream f(dir.File("Level1-04.eil"), std::ios::in | std::ios::out | std::ios::binary);
    f.put(7);  // the objective byte
  }
  assetgen_test::WriteLevel(dir.File("Level1-05.eil"),
                            std::vector<std::string>(12, std::string(16, '.')), false);
  std::vector<unsigned char> mask;
  bool boss = false;
  EXPECT_FALSE(ReadLevelBoardMask(dir.File("Level1-04.eil"), mask, boss));
  EXPECT_FALSE(ReadLevelBoardMask(dir.File("Level1-05.eil"), mask, boss));
  EXPECT_EQ(BuildManifest(dir.Str()).size(), Manifest().size());
}

TEST(PictureRules, DecorativeEmptyTilesGetABackgroundAndTheFrame) {
  // An unused tile with a background variant is drawn (frame 1) and counts as board
  // area; a hole is neither.
  TAssetSpec asset;
  asset.Name = "Level9-01";
  asset.TileWidth = 853;
  asset.TileHeight = 647;
  asset.Paint = PaintBoardPicture;
  asset.BoardMask.assign(192, 0);
  asset.BoardMask[0 * 12 + 0] = 1;  // a board tile at column 1, row 1
  asset.BoardMask[1 * 12 + 0] = 2;  // a decorative empty tile right of it
  TPicture p = RenderPicture(asset);
  // Tile (2, 1) starts 10 + 52 pixels in, 11 down; its middle is covered.
  EXPECT_GT(Alpha(p, 10 + 52 + 26, 11 + 26), 0);
  // No frame between the two tiles, a frame right of the decorative one.
  EXPECT_LT(Alpha(p, 10 + 52, 11 + 26), 255);
  EXPECT_EQ(Alpha(p, 10 + 104 + 5, 11 + 26), 255);
  // Nothing where there is a hole (column 3).
  EXPECT_EQ(Alpha(p, 10 + 104 + 26, 11 + 26), 0);
}

TEST(PictureRules, ContactSheetsAndMockScreensAreReadablePictures) {
  TempDir dir;
  std::vector<TAssetSpec> some;
  for (const char* n : {"ElementsInside", "BoardBorder", "GlobalFontWhite", "MenuBG"})
    some.push_back(*assetgen_test::Find(Manifest(), n));
  std::string error;
  std::vector<std::string> sheets = WriteContactSheets(dir.File("sheets/s.png"), some, 2, error);
  ASSERT_TRUE(error.empty()) << error;
  ASSERT_EQ(sheets.size(), 1u);
  TPicture pic;
  EXPECT_TRUE(TPictureDecoder::DecodeFile(sheets[0], pic, error)) << error;
  for (const char* scene :
       {"menu", "level", "map", "options", "confirm", "splash", "result", "story", "ending"}) {
    std::string path = dir.File(std::string("mock-") + scene + ".png");
    ASSERT_TRUE(WriteMockScreen(scene, path, Manifest(), error)) << scene << ": " << error;
    ASSERT_TRUE(TPictureDecoder::DecodeFile(path, pic, error)) << scene;
    EXPECT_EQ(pic.Width, 1366);
    EXPECT_EQ(pic.Height, 768);
    if (std::string(scene) == "story" || std::string(scene) == "ending") {
      // Black bars over the top 37 and the bottom 84 rows; the strip shows between them.
      auto brightness = [&pic](int x, int y) {
        const std::uint8_t* p = pic.Row(y) + 4 * x;
        return p[0] + p[1] + p[2];
      };
      for (int x : {5, 683, 1360}) {
        EXPECT_LT(brightness(x, 20), 30) << scene;
        EXPECT_LT(brightness(x, 700), 30) << scene;
        EXPECT_LT(brightness(x, 767), 30) << scene;
        EXPECT_GT(brightness(x, 50), 200) << scene;
        EXPECT_GT(brightness(x, 670), 200) << scene;
      }
    }
  }
  EXPECT_FALSE(WriteMockScreen("attic", dir.File("x.png"), Manifest(), error));
}

TEST(PictureRules, EachElementHasItsOwnToolHighlight) {
  // The board picks the pattern by element (code - 1), so the sheet holds every element
  // up to the second potion, each lit in its own outline.
  const TAssetSpec& s = *assetgen_test::Find(Manifest(), "ToolHighlight");
  ASSERT_EQ(s.Patterns(), 18);
  TPicture p = RenderPicture(s);
  for (int a = 0; a < s.Patterns(); ++a) {
    int ox = a * s.TileWidth;
    // Lit in the middle of the element, clear in the tile's corner gap.
    EXPECT_GT(Alpha(p, ox + s.TileWidth / 2, s.TileHeight / 2), 40) << "element " << a + 1;
    EXPECT_EQ(Alpha(p, ox, 0), 0) << "element " << a + 1;
    for (int b = a + 1; b < s.Patterns(); ++b)
      EXPECT_GT(PatternDifference(p, s, a, b), 20000) << "elements " << a + 1 << ", " << b + 1;
  }
}

namespace {
double Brightness(const TPicture& p, int x, int y) {
  const std::uint8_t* px = p.Row(y) + x * 4;
  return (0.2126 * px[0] + 0.7152 * px[1] + 0.0722 * px[2]) / 255.0;
}
}  // namespace

TEST(PictureRules, LevelBackgroundsHaveNoPanelEdgeAroundTheBoard) {
  // Boards are placed per level; the widest spans x 256..1108 and y 84..730 with its frame.
  // A straight edge running along the board's sides or over it cuts through the scenery
  // whatever the board's size: no column beside the board, and no row above it, may step
  // in brightness over most of its length.
  for (int island = 1; island <= 5; ++island) {
    const std::string name = "GameBG" + std::to_string(island);
    TPicture p = Render(name);
    auto steps = [&](int x0, int y0, int x1, int y1, int dx, int dy) {
      int n = 0;
      for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += std::abs(Brightness(p, x, y) - Brightness(p, x - dx, y - dy)) > 0.02;
      return n;
    };
    for (int x = 160; x < 256; ++x)
      EXPECT_LT(steps(x, 100, x + 1, 700, 1, 0), 200) << name << " column " << x;
    for (int x = 1109; x < 1200; ++x)
      EXPECT_LT(steps(x, 100, x + 1, 700, 1, 0), 200) << name << " column " << x;
    for (int y = 40; y < 84; ++y)
      EXPECT_LT(steps(256, y, 1108, y + 1, 0, 1), 300) << name << " row " << y;
  }
}

TEST(PictureRules, NothingOfTheResultHeroineIsCutAtTheTop) {
  // The result screen draws her from the picture's top-left corner down; whatever reaches
  // the top row is cut off flat there (the hat was).
  const TAssetSpec& s = *assetgen_test::Find(Manifest(), "CharScoringBody");
  TPicture p = RenderPicture(s);
  int inked = 0;
  for (int x = 0; x < s.Width(); ++x) inked += Alpha(p, x, 0) > 0;
  EXPECT_EQ(inked, 0);
  // Nor at the left; on the right the arm runs under the elbow's puff, which is drawn
  // over the picture's edge.
  for (int y = 0; y < s.Height(); ++y) EXPECT_EQ(Alpha(p, 0, y), 0) << "row " << y;
}

TEST(PictureRules, CheckBoxLabelsShareOneSize) {
  // The options window shows the four check boxes together: each label's first capital
  // (unchecked, so no tick reaches into it) stands as tall as the others.
  std::vector<int> heights;
  for (const char* name : {"CheckBoxSound", "CheckBoxMusic", "CheckBoxFullscreen", "CheckBoxTutorial"}) {
    const TAssetSpec& s = *assetgen_test::Find(Manifest(), name);
    TPicture p = RenderPicture(s);
    auto inked = [&](int x) {
      for (int y = 0; y < s.TileHeight; ++y)
        if (Alpha(p, x, y) > 128) return true;
      return false;
    };
    int x0 = (s.TileHeight - 10) / 2;  // inside the box: past it, then to the label
    while (x0 < s.TileWidth && inked(x0)) ++x0;
    while (x0 < s.TileWidth && !inked(x0)) ++x0;
    int x1 = x0;
    while (x1 < s.TileWidth && inked(x1)) ++x1;
    int top = s.TileHeight, bottom = -1;
    for (int y = 0; y < s.TileHeight; ++y)
      for (int x = x0; x < x1; ++x)
        if (Alpha(p, x, y) > 128) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    ASSERT_GE(bottom, top) << name;
    // The label fits the box it is clicked by.
    EXPECT_LT(x1, s.TileWidth) << name;
    heights.push_back(bottom - top + 1);
    EXPECT_LT(heights.back(), 20) << name << ": a capital, not the box";
  }
  for (int h : heights) EXPECT_NEAR(h, heights[0], 1) << "against the Sound label";
}

TEST(PictureRules, BlinkStripsRepeatTheFaceTheyCover) {
  // The game lays the open-eye pattern over the heroine's eyes (the menu's at (359, 162),
  // the result screen's at (160, 66) of her body): where it covers the face it must be that
  // very face, or she would twitch whenever the strip is drawn.
  struct TCase {
    const char* Strip;
    const char* Under;
    int X, Y;
  };
  for (const TCase& c : {TCase{"CharEyes", "MenuBG", 359, 162},
                         TCase{"CharScoringEyes", "CharScoringBody", 160, 66}}) {
    const TAssetSpec& strip = *assetgen_test::Find(Manifest(), c.Strip);
    TPicture eyes = RenderPicture(strip), under = Render(c.Under);
    int compared = 0, differing = 0;
    for (int y = 0; y < strip.TileHeight; ++y)
      for (int x = 0; x < strip.TileWidth; ++x) {
        const std::uint8_t* e = eyes.Row(y) + x * 4;
        const std::uint8_t* u = under.Row(c.Y + y) + (c.X + x) * 4;
        if (e[3] < 255 || u[3] < 255) continue;
        ++compared;
        for (int k = 0; k < 3; ++k) differing += std::abs(e[k] - u[k]) > 2;
      }
    EXPECT_GT(compared, strip.TileWidth * strip.TileHeight / 2) << c.Strip;
    EXPECT_EQ(differing, 0) << c.Strip;
  }
}

// A creature cut off at its pattern's edge shows a straight line in the game; each pose
// stands on the line the painter tips and shadows it about.
TEST(PictureRules, CreaturesStayInsideTheirPatternsAndStandOnTheirFeetLine) {
  for (const auto& s : Manifest()) {
    if (s.Folder.rfind("Creatures/", 0) != 0 || s.TileWidth != TBossFigure::TileWidth) continue;
    TPicture p = RenderPicture(s);
    for (int pattern = 0; pattern < s.Patterns(); ++pattern) {
      const int x0 = (pattern % s.Columns) * s.TileWidth, y0 = (pattern / s.Columns) * s.TileHeight;
      int edge = 0, lowest = -1;
      for (int y = 0; y < s.TileHeight; ++y)
        for (int x = 0; x < s.TileWidth; ++x) {
          int a = Alpha(p, x0 + x, y0 + y);
          if (a == 0) continue;
          lowest = std::max(lowest, y);
          edge += (x == 0 || y == 0 || x == s.TileWidth - 1 || y == s.TileHeight - 1);
        }
      EXPECT_EQ(edge, 0) << s.RelativePath() << " pattern " << pattern;
      // The pieces fly apart and the poof floats; the rest stand on the feet line.
      bool standing = s.Name != TBossFigure::DeadParts &&
                      !(s.Name == TBossFigure::Dying && pattern == TBossFigure::DyingPatterns - 1);
      if (standing) {
        EXPECT_NEAR(lowest, TBossFigure::FeetY, 8) << s.RelativePath() << " pattern " << pattern;
      }
    }
  }
}
