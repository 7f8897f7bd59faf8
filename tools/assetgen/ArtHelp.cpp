// What tells a new player what to do: the panel under the level card that states the level's
// goal, and the help pages on the creature, the tools and the energy flask.
#include <vector>

#include "Painters.h"
#include "bosses/TBossFigure.h"
#include "levels/TLevelGoal.h"

namespace assetgen {

namespace {
// Another picture of the tree, pattern 0, drawn onto a page with its corner at (x, y).
void Paste(cairo_t* cr, const std::string& name, const std::string& folder, double x, double y,
           double scale) {
  static const std::vector<TAssetSpec> manifest = BuildManifest();
  for (const TAssetSpec& s : manifest) {
    if (s.Name != name || s.Folder != folder || !s.Paint) continue;
    TCanvas picture(s.Width(), s.Height());
    s.Paint(picture, s);
    cairo_surface_flush(picture.Surface());
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_rectangle(cr, 0, 0, s.TileWidth, s.TileHeight);
    cairo_clip(cr);
    cairo_set_source_surface(cr, picture.Surface(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    return;
  }
}

TTextStyle PageTitle(double size) {
  TTextStyle st;
  st.Size = size;
  st.Fill = kCreamText;
  st.Outline = kOutline;
  st.OutlineWidth = std::max(2.0, size / 12);
  return st;
}

// The first page's frame and title, the lines from `left`, and how to turn the page.
void HelpPage(cairo_t* cr, const char* title, const std::vector<std::string>& lines, double left,
              double top, double spacing, int page) {
  SkyAndHills(cr, 1366, 768, kSky, kSkyHaze, kMeadow, kFarMeadow, 51);
  ParchmentPanel(cr, 133, 60, 1100, 580, 36, 5);
  DrawText(cr, title, 683, 120, PageTitle(54));
  cairo_save(cr);
  UseDisplayFont(cr, 26, true);
  SetColor(cr, kInk);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    cairo_move_to(cr, left, top + i * spacing);
    cairo_show_text(cr, lines[i].c_str());
  }
  cairo_restore(cr);
  DrawHelpPageTurn(cr, page);
}
}  // namespace

void DrawHelpPageTurn(cairo_t* cr, int page) {
  cairo_save(cr);
  UseDisplayFont(cr, 20, true);
  SetColor(cr, kInk);
  const std::string turn = "Click the page to turn it  -  " + std::to_string(page) + " / 3";
  cairo_text_extents_t e;
  cairo_text_extents(cr, turn.c_str(), &e);
  cairo_move_to(cr, 683 - e.x_advance / 2, 615);
  cairo_show_text(cr, turn.c_str());
  cairo_restore(cr);
}

// A parchment plaque in a wooden frame, hung under the card; the words sit on plain
// parchment from TLevelGoal::AreaTop down.
void PaintObjInfoGoal(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  Ellipse(cr, w / 2, h - 10, w * 0.42, 10);
  SetColor(cr, WithAlpha(kDeepShadow, 0.3));
  cairo_fill(cr);
  WoodFrame(cr, 14, 0, w - 28, h - 12, 30, 12);
  ParchmentPanel(cr, 26, 12, w - 52, h - 36, 22, 41);
}

// The island's creature: how a boss round is won and what its aura does.
void PaintHelpCreature(TCanvas& c, const TAssetSpec&) {
  cairo_t* cr = c.Cr();
  HelpPage(cr, "The island's creature",
           {"Each island's last level is a fight with its creature.",
            "It walks along the bottom, under the board.",
            "Every piece that falls off the board onto it hurts it,",
            "and so does the aerosol's spray.",
            "When it glows, its aura drains time from your tube:",
            "hit it quickly to break the spell.",
            "Empty its energy bar before the tube runs dry to win."},
           500, 210, 52, 2);
  Paste(cr, TBossFigure::Aura, "", 150, 250, 300.0 / TBossFigure::AuraSize);
  Paste(cr, TBossFigure::Front, "Creatures/Centaur/", 190, 260,
        260.0 / std::max(TBossFigure::TileWidth, TBossFigure::TileHeight));
}

// The energy flask and the tools it wakes.
void PaintHelpTools(TCanvas& c, const TAssetSpec&) {
  cairo_t* cr = c.Cr();
  HelpPage(cr, "Tools and the energy flask",
           {"Every piece you clear pours energy into the flask.",
            "Each mark it reaches wakes one tool on the left panel;",
            "using a tool spends that share of the flask.",
            "Pick a tool up, then click the tile it should strike.",
            "Keys, brooms and aerosols come from matched pick-ups:",
            "a key opens a lock, a broom sweeps a web away,",
            "and the aerosol sprays spiders and the creature."},
           425, 200, 52, 3);
  // A flask half full, liquid under its glass.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 290, 1366, 200);
  cairo_clip(cr);
  Paste(cr, "MannaEnergyLiquid", "", 200 + 2 * 2.2, 180 + 8 * 2.2, 2.2);
  cairo_restore(cr);
  Paste(cr, "MannaEnergy", "", 200, 180, 2.2);
  const char* tools[] = {"HammerTool", "BombTool", "HorzLightningTool",
                         "VertLightningTool", "CollectorTool", "BigBombTool"};
  for (int i = 0; i < 6; ++i)
    Paste(cr, tools[i], "", 170 + (i % 2) * 120, 370 + (i / 2) * 70, 1.0);
}

}  // namespace assetgen
