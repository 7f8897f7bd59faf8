// Mock screens: the pictures composed at the places the game draws them, so that
// their sizes and offsets can be checked by eye before (and beside) the real scenes.
#include <cmath>
#include <map>

#include "FontTables.h"
#include "Generator.h"
#include "Paint.h"
#include "Painters.h"
#include "effects/TBorderPieces.h"
#include "engine/TPictureEncoder.h"
#include "levels/TElementGather.h"
#include "levels/TResultMedal.h"
#include "levels/TResultStats.h"
#include "metagame/TCompletedStamps.h"
#include "metagame/TMapIslands.h"
#include "metagame/TWorldMapObjects.h"

namespace assetgen {

namespace {

class TMock {
 public:
  explicit TMock(const std::vector<TAssetSpec>& m) : Manifest(m), Screen(1366, 768) {}

  void Draw(const std::string& name, int pattern, double x, double y, double alpha = 1.0,
            double scale = 1.0) {
    DrawFrom("*", name, pattern, x, y, alpha, scale);
  }
  // The same, from one folder ("*": the last picture of that name in any folder).
  void DrawFrom(const std::string& folder, const std::string& name, int pattern, double x,
                double y, double alpha = 1.0, double scale = 1.0) {
    const TAssetSpec* s = nullptr;
    for (const auto& e : Manifest)
      if (e.Name == name && (folder == "*" || e.Folder == folder)) s = &e;
    if (!s) return;
    cairo_surface_t* img = Surface(*s);
    int col = pattern % s->Columns, row = pattern / s->Columns;
    cairo_t* cr = Screen.Cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_rectangle(cr, 0, 0, s->TileWidth, s->TileHeight);
    cairo_clip(cr);
    cairo_set_source_surface(cr, img, -col * s->TileWidth, -row * s->TileHeight);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
  }

  bool Write(const std::string& path, std::string& error) {
    return TPictureEncoder::WritePngFile(path, Screen.ToPicture(), error);
  }
  cairo_t* Cr() { return Screen.Cr(); }

  ~TMock() {
    for (auto& kv : Cache) cairo_surface_destroy(kv.second);
  }

 private:
  cairo_surface_t* Surface(const TAssetSpec& s) {
    auto it = Cache.find(s.RelativePath());
    if (it != Cache.end()) return it->second;
    TPicture p = RenderPicture(s);
    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.Width, p.Height);
    unsigned char* d = cairo_image_surface_get_data(img);
    int stride = cairo_image_surface_get_stride(img);
    for (int y = 0; y < p.Height; ++y)
      for (int x = 0; x < p.Width; ++x) {
        const std::uint8_t* q = p.Row(y) + x * 4;
        unsigned a = q[3];
        reinterpret_cast<std::uint32_t*>(d + y * stride)[x] =
            (a << 24) | ((q[0] * a / 255) << 16) | ((q[1] * a / 255) << 8) | (q[2] * a / 255);
      }
    cairo_surface_mark_dirty(img);
    Cache[s.RelativePath()] = img;
    return img;
  }

  const std::vector<TAssetSpec>& Manifest;
  TCanvas Screen;
  std::map<std::string, cairo_surface_t*> Cache;
};

// Draws text with the game's own font sheet and advance rule (centre of the first cell
// at x, y), so the mock shows what the text writer will.
void SheetText(TMock& m, const std::string& text, double x, double y, double scale);

void Menu(TMock& m) {
  m.Draw("MenuBG", 0, 0, 0);
  m.Draw("CharWand", 0, 569, 132);
  m.Draw("CharWandCover", 0, 580, 457);
  m.Draw("WelcomePanel", 0, -4, -4);
  m.Draw("ChangePlayerLink", 0, 21, 54);
  SheetText(m, "Welcome back, Wynnet!", 24, 33, 0.85);
  m.Draw("MenuPanel", 0, 1014, 234);
  m.Draw("PlayButton", 0, 1014 + 67, 234 + 81);
  m.Draw("OptionsButton", 0, 1014 + 86, 234 + 267);
  m.Draw("HighScoresButton", 0, 1014 + 86, 234 + 331);
  m.Draw("HelpButton", 0, 1014 + 86, 234 + 394);
  m.Draw("ExitButton", 0, 1014 + 86, 234 + 473);
  m.Draw("GameLogo", 0, 1014 - 90, 234 - 172);
}

void Level(TMock& m) {
  m.Draw("GameBG1", 0, 0, 0);
  // A full board at (266, 95): tiles, frame and elements.
  auto tileX = [](int x) { return 266 + BoardTileSize * (x - 1); };
  auto tileY = [](int y) { return 95 + BoardTileSize * (y - 1); };
  const int around = (kTileSurround - BoardTileSize) / 2;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      m.Draw("BackgroundTile", (x + y) % 2, tileX(x) - around, tileY(y) - around);
  auto wholeGrid = [](int, int) { return true; };
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      for (int half = 0; half < TBorderPieces::HalfSegments; ++half)
        if (int number = TBorderPieces::PatternOf(wholeGrid, x, y, half))
          m.Draw("BoardBorder", number - 1, tileX(x) - kBorderPieceLeft,
                 tileY(y) - kBorderPieceTop);
  TNoise n(7);
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if ((x + y * 3) % 11 == 0) m.Draw("BrownTile", (x + y) % 2, tileX(x), tileY(y));
      int code = 1 + n.Int(8);
      if (x == 5 && y == 6) code = ecPotion1;
      if (x == 12 && y == 3) code = ecFirstFlower;
      m.Draw("ElementsInside", code - 1, tileX(x), tileY(y));
      if (x == 9 && y == 9) m.Draw("ChainLock", 0, tileX(x) - around, tileY(y) - around);
      if (x == 3 && y == 10) m.Draw("Web", 0, tileX(x) - 1, tileY(y) - around);
    }
  m.Draw("TileSelection", 0, tileX(7) - 1, tileY(5) - around);
  m.Draw("TopPanel", 0, 2, 0);
  // Where the game sets them: 1250 on a six-digit counter (two hidden zeros centre it),
  // island 1, level 14.
  for (int i = 2; i < 6; ++i)
    m.Draw("Score", "001250"[i] - '0', 1050 - kScoreDigitWidth + i * kScoreDigitWidth, 25);
  m.Draw("LevelInfoDigit", 1, 1200, 25);
  m.Draw("LevelInfoDigit", 1, 1228, 25);
  m.Draw("LevelInfoDigit", 4, 1228 + kLevelDigitWidth, 25);
  // Gathering panel with three slots centred on 684.
  const TIndividualElementKind slots[3] = {ieFruit1, ieFruit3, ieFlower1};
  int left = 684 - (121 + 111 + 121) / 2, x = left;
  for (int i = 0; i < 3; ++i) {
    m.Draw("ElementPanel", i == 0 ? 0 : i == 2 ? 2 : 1, x, 0);
    int sx = i == 0 ? x : x - 3;
    int a = i == 0 ? TElementGather::FirstIconLeft : TElementGather::NextIconLeft;
    int counterX = sx + a + TElementGather::CounterLeft, counterY = TElementGather::CounterTop;
    m.Draw("ElementGather", slots[i], sx + a, 7);
    m.Draw("ElementGatherNumber", 1 + i, counterX, counterY);
    m.Draw("ElementGatherNumber", 2 * i, counterX + kGatherDigitWidth, counterY);
    x += i == 0 || i == 2 ? 121 : 111;
  }
  m.Draw("LeftPanel", 0, -4, 232);
  const struct { const char* Name; int X, Y; } tools[6] = {
      {"CollectorTool", 5, 64}, {"BigBombTool", 10, 4}, {"VertLightningTool", 13, 132},
      {"HorzLightningTool", 14, 191}, {"BombTool", 11, 256}, {"HammerTool", 11, 305}};
  for (int i = 0; i < 6; ++i) m.Draw(tools[i].Name, i < 3 ? 3 : 0, -4 + tools[i].X, 232 + tools[i].Y);
  m.Draw("MannaEnergy", 0, -4 + 14, 232 + 408);
  m.Draw("ElementsPanel", 0, 1221, 69);
  m.Draw("TubeTimer", 0, 1290, 358);
  m.Draw("TubeTimerEnergy", 0, 1294 + 36, 362 + 27);
  m.Draw("InGameMenuButton", 0, 1236, 718);
  m.Draw("ComboText", 1, 560, 300);
}

void Map(TMock& m) {
  m.Draw("MapBG", 0, 0, 0);
  m.Draw("WorldMapClouds", 0, 200, 26, 0.8);
  for (int i = 0; i < TMapIslands::IslandCount; ++i) {
    const TPoint p = TMapIslands::Pictures[i];
    m.Draw("MapRoom" + std::to_string(i + 1), 0, p.X, p.Y, i < 3 ? 1.0 : 120 / 255.0);
  }
  for (int i = 0; i < 2; ++i)
    m.Draw("CompletedStamp", 0, TCompletedStamps::Stamps[i].X, TCompletedStamps::Stamps[i].Y);
  const TWorldMapObjects::TJourney& boat = TWorldMapObjects::Journeys[0];
  m.Draw("WorldMapTransports", 0, boat.X, boat.Y);
  m.Draw("GameLogo", 0, -20, 20);
  m.Draw("CornerLeftPanel", 0, -4, 650);
  m.Draw("MapMenuButton", 0, 40, 680);
  m.Draw("CornerRightPanel", 0, 1192, 650);
  m.Draw("MapPlayButton", 0, 1229, 680);
}

void Options(TMock& m) {
  Menu(m);
  m.Draw("BlackRect", 0, 0, 0, 140 / 255.0, 2);
  int wx = 460, wy = 187;
  m.Draw("OptionsWindow", 0, wx, wy);
  m.Draw("CheckBoxSound", 2, wx + 38, wy + 63);
  m.Draw("VolumeMinusButton", 0, wx + 198, wy + 63);
  m.Draw("VolumeFill", 0, wx + 243, wy + 67);
  m.Draw("VolumeGlass", 0, wx + 242, wy + 67);
  m.Draw("VolumePlusButton", 0, wx + 380, wy + 63);
  m.Draw("CheckBoxMusic", 1, wx + 38, wy + 109);
  m.Draw("VolumeMinusButton", 1, wx + 198, wy + 109);
  m.Draw("VolumeGlass", 0, wx + 242, wy + 113);
  m.Draw("VolumePlusButton", 1, wx + 380, wy + 109);
  m.Draw("CheckBoxFullscreen", 3, wx + 38, wy + 152);
  m.Draw("CheckBoxTutorial", 2, wx + 216, wy + 152);
  m.Draw("CreditsButton", 0, wx + 86, wy + 198);
  m.Draw("WindowOKButton", 0, wx + 251, wy + 198);
}

void Confirm(TMock& m) {
  Menu(m);
  m.Draw("BlackRect", 0, 0, 0, 140 / 255.0, 2);
  int cx = 480, cy = 390;
  m.Draw("ConfirmWindow", 0, cx, cy - 100);
  SheetText(m, "Leave the game?", cx + 40 + 80, cy - 100 + 27, 0.78);
  SheetText(m, "Your progress is saved.", cx + 26 + 90, cy - 100 + 92, 0.55);
  m.Draw("WindowYesButton", 0, cx + 67, cy - 100 + 136);
  m.Draw("WindowNoButton", 0, cx + 228, cy - 100 + 136);
}

void Result(TMock& m) {
  Level(m);
  const int wx = 480, wy = 161;
  const int mx = wx + TResultMedal::WindowOffsetX, my = wy + TResultMedal::WindowOffsetY;
  const int x = wx + TResultStats::WindowOffsetX, y = wy + TResultStats::WindowOffsetY;
  const int gap = TResultStats::LineSpacing;
  const double scale = TResultStats::TextScale;
  m.Draw("BlackRect", 0, 0, 0, 100 / 255.0, 2);
  m.Draw("StageResultWindow", 0, wx, wy);
  m.Draw("FeatureShine", 0, mx - 210, my - 210, 110 / 255.0);
  m.Draw("CharScoringBody", 0, 119, 151);
  m.Draw("CharScoringEyes", 3, 119 + 160, 151 + 66);
  m.Draw("CharScoringHand", 0, 119 + 273, 151 + 48);
  m.Draw("CharScoringHandCover", 0, 119 + 300, 151 + 269);
  SheetText(m, "2:05", x, y, scale);
  m.Draw("ResultStatsHighlight", 0, x - 48, y + gap - 28, 0.5);
  SheetText(m, "1250", x, y + gap, scale);
  m.Draw("ElementIcons", 0, x - 46, y + 2 * gap - 16);
  SheetText(m, "40", x, y + 2 * gap, scale);
  SheetText(m, "+66", x, y + 3 * gap, scale);
  m.Draw("ResultMedals", 2, mx - 60, my - 60);
  m.Draw("WindowOKButton", 0, wx + 160, wy + 370);
  m.Draw("Birdie", 0, 980, 160, 1.0, 1.25);
}

void Splash(TMock& m) {
  m.Draw("SplashBG", 0, 0, 0);
  m.Draw("LoadingBarBG", 0, 526, 682);
  m.Draw("LoadingBarFill", 0, 526 + 22, 682 + 22);
  m.Draw("LoadingBarGlass", 0, 526 + 23, 682 + 22);
  m.Draw("LoadingBarText", 0, 526 + 93, 682 + 23);
  m.Draw("TransDark", 0, 252 + 862 * 0.5 * (1 - 6), -46 + 860 * 0.5 * (1 - 6), 0.8, 6);
  m.Draw("TransSpin", 0, 455 + 456 * 0.5 * (1 - 0.87), 158 + 452 * 0.5 * (1 - 0.87), 0.8, 0.87);
}

// A story page as the scene first shows it: the strip at (0, 37) before its zoom, the dark
// corners at four times their size and alpha 110, the bars at twice theirs (the lower one
// kept at its bottom-left corner, drawn up from y 684).
void Story(TMock& m, const std::string& folder, const std::string& strip) {
  m.DrawFrom(folder, strip, 0, 0, 37);
  m.Draw("StoryDarkCorners", 0, 0, 0, 110 / 255.0, 4);
  m.Draw("StoryBGMask", 0, 0, 0, 1.0, 2);
  m.Draw("StoryBGMask", 1, 0, 684 + 84 - 2 * 84, 1.0, 2);
}

void SheetText(TMock& m, const std::string& text, double x, double y, double scale) {
  const TFontLayout& L = NormalFontLayout();
  double pen = 0;
  for (char ch : text) {
    std::size_t idx = NormalGlyphOrder().find(ch);
    if (idx == std::string::npos) continue;
    m.Draw("GlobalFontWhite", static_cast<int>(idx),
           x + std::round(pen) - std::round(scale * L.CellWidth / 2),
           y - std::round(scale * L.CellHeight / 2), 1.0, scale);
    pen += std::round(NormalAdvance(ch) * scale);
  }
}

}  // namespace

bool WriteMockScreen(const std::string& scene, const std::string& path,
                     const std::vector<TAssetSpec>& manifest, std::string& error) {
  TMock m(manifest);
  if (scene == "menu") Menu(m);
  else if (scene == "level") Level(m);
  else if (scene == "map") Map(m);
  else if (scene == "options") Options(m);
  else if (scene == "splash") Splash(m);
  else if (scene == "result") Result(m);
  else if (scene == "confirm") Confirm(m);
  else if (scene == "story") Story(m, "Story/", "Story-01");
  else if (scene == "ending") Story(m, "Ending/", "Story-03");
  else {
    error = "unknown scene \"" + scene + "\" (menu, level, map, options, confirm, splash, result, story, ending)";
    return false;
  }
  return m.Write(path, error);
}

}  // namespace assetgen
