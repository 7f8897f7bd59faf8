// What tells a new player what to do: the panel under the level card that states the level's
// goal, and the help pages on the creature, the tools and the energy flask.
#include "Painters.h"
#include "levels/TLevelGoal.h"

namespace assetgen {

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

}  // namespace assetgen
