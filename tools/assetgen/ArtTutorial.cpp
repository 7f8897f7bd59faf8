// The tutorial: its dark panel (also the tool tip's, drawn smaller), the fairy who presents
// it, the tool tip's pointing arrow and one icon per tutorial page.
#include <cmath>

#include "Painters.h"
#include "board/TBoardTile.h"

namespace assetgen {

namespace {
const double kPi = M_PI;

// The panel is a night sky: the game's white and yellow text keep their contrast on it
// even where it is drawn two-thirds opaque over a bright board.
const TColor kPanelTop = Hex(0x140f2c);
const TColor kPanelBottom = Hex(0x0a0718);
const TColor kPanelRim = Hex(0x0c0818);
const TColor kMedallion = Hex(0xfff3dc);
const TColor kMedallionEdge = Hex(0xf0d9a8);
const TColor kArrowBlue = Hex(0x4a9ae0);  // which way things go, on the icons
// Fruit codes of the board (1..8).
constexpr int kStrawberryCode = 2, kAppleCode = 3;

void Limb(cairo_t* cr, const TColor& c, double width) { StrokeOutlined(cr, c, width, 3, 0.6); }

// Another picture's pattern, drawn scaled with its top-left at (x, y): the icons show the
// tools exactly as the level's left panel does.
void PutPainted(cairo_t* cr, const TPainter& paint, int tileW, int tileH, double x, double y,
                double scale) {
  TAssetSpec s;
  s.Name = "part";
  s.TileWidth = tileW;
  s.TileHeight = tileH;
  TCanvas part(tileW, tileH);
  paint(part, s);
  cairo_surface_flush(part.Surface());
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, part.Surface(), 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
}

void PutElement(cairo_t* cr, int code, double cx, double cy, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx - size / 2, cy - size / 2);
  DrawElement(cr, code, size);
  cairo_restore(cr);
}

void PutSlotIcon(cairo_t* cr, TIndividualElementKind kind, double cx, double cy, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx - size / 2, cy - size / 2);
  DrawSlotIcon(cr, kind, size);
  cairo_restore(cr);
}

// A chain of grey links from (x0, y0) to (x1, y1): rings seen face-on alternate with
// links seen edge-on, as on the board's chained tiles.
void Chain(cairo_t* cr, double x0, double y0, double x1, double y1, int links, double width) {
  const TColor kIron = Hex(0xb8bac8);
  const double angle = std::atan2(y1 - y0, x1 - x0);
  const double step = std::hypot(x1 - x0, y1 - y0) / links;
  const auto outlined = [&](double w) {
    cairo_path_t* path = cairo_copy_path(cr);
    StrokeRound(cr, kDarkOutline, w + 3);
    cairo_append_path(cr, path);
    StrokeRound(cr, kIron, w);
    cairo_new_path(cr);
    cairo_path_destroy(path);
  };
  for (int pass = 0; pass < 2; ++pass)
    for (int i = pass; i < links; i += 2) {
      const double t = (i + 0.5) / links;
      const double cx = x0 + (x1 - x0) * t, cy = y0 + (y1 - y0) * t;
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, angle);
      if (pass == 0) {
        cairo_scale(cr, step * 0.62, step * 0.4);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        outlined(width);
      } else {
        cairo_move_to(cr, -step * 0.6, 0);
        cairo_line_to(cr, step * 0.6, 0);
        cairo_restore(cr);
        outlined(width * 1.4);
      }
    }
}

// A small downward arrow (potions sink to the bottom).
void DownArrow(cairo_t* cr, double cx, double top, double len, const TColor& c) {
  cairo_move_to(cr, cx - 4, top);
  cairo_line_to(cr, cx + 4, top);
  cairo_line_to(cr, cx + 4, top + len - 8);
  cairo_line_to(cr, cx + 9, top + len - 8);
  cairo_line_to(cr, cx, top + len);
  cairo_line_to(cr, cx - 9, top + len - 8);
  cairo_line_to(cr, cx - 4, top + len - 8);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 9, top, cx + 9, top + len, c, 1.5);
}

void Medallion(cairo_t* cr, double cx, double cy, double r) {
  cairo_arc(cr, cx, cy + 1.5, r, 0, 2 * kPi);
  SetColor(cr, WithAlpha(kBlack, 0.35));
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.35, 1, cx, cy, r);
  AddStop(p, 0, kWhite);
  AddStop(p, 0.6, kMedallion);
  AddStop(p, 1, kMedallionEdge);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, kGold);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  SetColor(cr, kOutline);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void DrawIcon(cairo_t* cr, int entry, double w, double h) {
  const double cx = w / 2, cy = h / 2;
  Medallion(cr, cx, cy, w / 2 - 3);
  cairo_save(cr);
  cairo_arc(cr, cx, cy, w / 2 - 5, 0, 2 * kPi);
  cairo_clip(cr);
  cairo_new_path(cr);
  // The tools' pictures are 90 x 84 with the tool about (45, 51).
  const auto tool = [&](TToolPicture t) {
    const double k = 0.68;
    PutPainted(cr, With(PaintTool, t), 90, 84, cx - 45 * k, cy - 51 * k, k);
  };
  switch (entry) {
    case 1:  // three of a kind in a line
      for (int i = -1; i <= 1; ++i) PutElement(cr, kAppleCode, cx + i * 17, cy + 2, 22);
      Sparkle(cr, cx + 17, cy - 12, 6, kStarGold);
      break;
    case 2:  // a flower and a chain
      PutElement(cr, ecFirstFlower, cx + 5, cy - 5, 36);
      Chain(cr, cx - 22, cy + 16, cx + 14, cy + 6, 3, 3);
      break;
    case 3:  // a double gold tile and a double chain
      PutSlotIcon(cr, ieGoldTile1, cx + 4, cy + 2, 36);
      PutSlotIcon(cr, ieGoldTile1, cx - 2, cy - 4, 36);
      Chain(cr, cx - 24, cy + 18, cx + 22, cy + 12, 4, 3);
      Chain(cr, cx - 24, cy + 12, cx + 22, cy + 6, 4, 3);
      break;
    case 4: {  // night on the marsh: the moon, a glowing potion and a spider
      const TColor kMoon = Hex(0xffe9a0);
      cairo_push_group(cr);
      cairo_arc(cr, cx - 11, cy - 12, 11, 0, 2 * kPi);
      FillGlossy(cr, cx - 22, cy - 23, cx, cy - 1, kMoon, 1.2);
      cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
      cairo_arc(cr, cx - 5, cy - 16, 10, 0, 2 * kPi);
      cairo_fill(cr);
      cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
      cairo_pop_group_to_source(cr);
      cairo_paint(cr);
      RadialGlow(cr, cx + 6, cy + 6, 18, WithAlpha(kPinkPotion, 0.45));
      PutElement(cr, ecPotion1, cx + 6, cy + 6, 30);
      PutSlotIcon(cr, ieSpider, cx - 12, cy + 14, 20);
      break;
    }
    case 5: {  // the last island: a peak with two ears, whiskers of cloud, a star
      const TColor kRock = Hex(0x8a7aa8);
      const TColor kSnow = Hex(0xf4f6ff);
      cairo_move_to(cr, cx - 26, cy + 22);
      cairo_line_to(cr, cx - 12, cy - 12);
      cairo_line_to(cr, cx - 4, cy - 2);
      cairo_line_to(cr, cx + 5, cy - 14);
      cairo_line_to(cr, cx + 26, cy + 22);
      cairo_close_path(cr);
      FillGlossy(cr, cx - 26, cy - 14, cx + 26, cy + 22, kRock, 1.5);
      cairo_move_to(cr, cx - 16, cy - 2);
      cairo_line_to(cr, cx - 12, cy - 12);
      cairo_line_to(cr, cx - 6, cy - 4);
      cairo_line_to(cr, cx - 4, cy - 2);
      cairo_line_to(cr, cx + 1, cy - 8);
      cairo_line_to(cr, cx + 5, cy - 14);
      cairo_line_to(cr, cx + 11, cy - 4);
      cairo_line_to(cr, cx + 4, cy - 1);
      cairo_line_to(cr, cx - 4, cy + 2);
      cairo_line_to(cr, cx - 10, cy - 1);
      cairo_close_path(cr);
      FillWith(cr, kSnow);
      for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 2; ++k) {
          cairo_move_to(cr, cx + side * 12, cy + 10 + k * 5);
          cairo_line_to(cr, cx + side * 25, cy + 8 + k * 7);
          StrokeRound(cr, WithAlpha(kWhite, 0.9), 1.6);
        }
      Sparkle(cr, cx + 16, cy - 16, 8, kStarGold);
      break;
    }
    case 6: {  // the restaurant: a dish under a cloche, steaming
      const TColor kSilver = Hex(0xd0d4e0);
      const TColor kPlate = Hex(0xffffff);
      Ellipse(cr, cx, cy + 14, 24, 6);
      FillGlossy(cr, cx - 24, cy + 8, cx + 24, cy + 20, kPlate, 1.5);
      cairo_arc(cr, cx, cy + 12, 19, kPi, 2 * kPi);
      cairo_close_path(cr);
      FillGlossy(cr, cx - 19, cy - 7, cx + 19, cy + 12, kSilver, 1.5);
      cairo_arc(cr, cx, cy - 9, 3.5, 0, 2 * kPi);
      FillGlossy(cr, cx - 4, cy - 13, cx + 4, cy - 5, kGold, 1.2);
      for (int i = -1; i <= 1; i += 2) {
        cairo_move_to(cr, cx + i * 8, cy - 14);
        cairo_curve_to(cr, cx + i * 12, cy - 18, cx + i * 4, cy - 22, cx + i * 8, cy - 26);
        StrokeRound(cr, WithAlpha(Hex(0x9aa0b8), 0.9), 2);
      }
      break;
    }
    case 7: {  // the hungry creature: a round face, mouth wide open, a fruit dropping in
      const TColor kCreature = Hex(0x9a6ad0);
      cairo_arc(cr, cx, cy + 8, 20, 0, 2 * kPi);
      FillGlossy(cr, cx - 20, cy - 12, cx + 20, cy + 28, kCreature, 1.5);
      for (int side = -1; side <= 1; side += 2) {
        cairo_arc(cr, cx + side * 8, cy + 1, 4, 0, 2 * kPi);
        FillWith(cr, kWhite);
        cairo_arc(cr, cx + side * 8 + 0.5, cy + 2, 2, 0, 2 * kPi);
        FillWith(cr, kPupil);
      }
      Ellipse(cr, cx, cy + 16, 9, 6);
      FillWith(cr, Hex(0x4a1a3a));
      Ellipse(cr, cx, cy + 19, 5, 2.5);
      FillWith(cr, Hex(0xff7a9a));
      PutElement(cr, kStrawberryCode, cx, cy - 17, 18);
      DownArrow(cr, cx + 17, cy - 24, 14, kArrowBlue);
      break;
    }
    case 8:  // a potion sinking to the bottom
      PutElement(cr, ecPotion2, cx - 6, cy - 4, 38);
      DownArrow(cr, cx + 16, cy - 4, 24, kArrowBlue);
      break;
    case 9: tool(TToolPicture::Hammer); break;
    case 10:
      PutSlotIcon(cr, ieGoldTile1, cx - 10, cy + 8, 30);
      tool(TToolPicture::Bomb);
      break;
    case 11: tool(TToolPicture::HorzLightning); break;
    case 12: tool(TToolPicture::VertLightning); break;
    case 13: tool(TToolPicture::Blaster); break;
    case 14: tool(TToolPicture::BigBomb); break;
    default: break;
  }
  cairo_restore(cr);
}

// The fairy's shapes, on a 170 x 230 figure.
void FairyWings(cairo_t* cr) {
  const TColor kWingEdge{0.55, 0.62, 0.95};
  const TColor kWing{0.86, 0.9, 1};
  for (int side = -1; side <= 1; side += 2)
    for (int k = 0; k < 2; ++k) {
      cairo_save(cr);
      cairo_translate(cr, 85, 98);
      cairo_rotate(cr, side * (k ? 0.95 : 0.4));
      Ellipse(cr, side * (k ? 30 : 40), k ? 14 : -14, k ? 26 : 40, k ? 15 : 22);
      cairo_restore(cr);
      SetColor(cr, WithAlpha(kWing, 0.72));
      cairo_fill_preserve(cr);
      SetColor(cr, WithAlpha(kWingEdge, 0.95));
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
}

void FairyBody(cairo_t* cr) {
  const TColor kDressTop = Hex(0xb07ae0);
  const TColor kPetal = Hex(0xd8a0f0);
  const TColor kPetalDeep = Hex(0x9a5ad0);
  const TColor kSlipper = Hex(0x7a4ab8);
  // Legs and slippers, one a little bent as she floats.
  cairo_move_to(cr, 78, 160);
  cairo_curve_to(cr, 76, 180, 74, 196, 72, 206);
  Limb(cr, kSkin, 7);
  cairo_move_to(cr, 92, 160);
  cairo_curve_to(cr, 96, 176, 104, 188, 100, 200);
  Limb(cr, kSkin, 7);
  Ellipse(cr, 69, 209, 8, 5);
  FillGlossy(cr, 61, 204, 77, 214, kSlipper, 1.5);
  Ellipse(cr, 103, 203, 8, 5);
  FillGlossy(cr, 95, 198, 111, 208, kSlipper, 1.5);
  // The petal skirt: three layers of petals, back to front.
  const double petals[][3] = {{-26, 150, 0.55}, {26, 150, -0.55}, {-14, 160, 0.2}, {14, 160, -0.2},
                              {0, 164, 0}};
  for (auto& p : petals) {
    cairo_save(cr);
    cairo_translate(cr, 85 + p[0], p[1]);
    cairo_rotate(cr, p[2]);
    cairo_move_to(cr, 0, -40);
    cairo_curve_to(cr, 16, -30, 16, -4, 0, 8);
    cairo_curve_to(cr, -16, -4, -16, -30, 0, -40);
    cairo_restore(cr);
    FillGlossy(cr, 85 + p[0] - 16, p[1] - 40, 85 + p[0] + 16, p[1] + 8,
               p[0] == 0 ? kPetal : Mix(kPetal, kPetalDeep, 0.45), 2);
  }
  // Bodice.
  cairo_move_to(cr, 72, 96);
  cairo_curve_to(cr, 70, 110, 72, 122, 74, 128);
  cairo_line_to(cr, 96, 128);
  cairo_curve_to(cr, 98, 122, 100, 110, 98, 96);
  cairo_close_path(cr);
  FillGlossy(cr, 70, 96, 100, 128, kDressTop, 2);
  Ellipse(cr, 85, 127, 15, 4);
  FillGlossy(cr, 70, 123, 100, 131, kGold, 1.2);
}

void FairyArmsAndWand(cairo_t* cr) {
  // The left arm on her hip, the right one raised toward the panel with the wand.
  cairo_move_to(cr, 74, 100);
  cairo_curve_to(cr, 62, 108, 58, 118, 68, 126);
  Limb(cr, kSkin, 6.5);
  cairo_move_to(cr, 96, 100);
  cairo_curve_to(cr, 108, 96, 118, 86, 126, 74);
  Limb(cr, kSkin, 6.5);
  cairo_arc(cr, 127, 72, 5, 0, 2 * kPi);
  FillGlossy(cr, 122, 67, 132, 77, kSkin, 1.5);
  cairo_move_to(cr, 124, 78);
  cairo_line_to(cr, 146, 38);
  cairo_path_t* wand = cairo_copy_path(cr);
  StrokeRound(cr, kInk, 5.5);
  cairo_append_path(cr, wand);
  StrokeRound(cr, kWandWood, 3);
  cairo_path_destroy(wand);
  RadialGlow(cr, 148, 34, 22, WithAlpha(kGlow, 0.85));
  StarPath(cr, 148, 34, 12, 5.5, 5);
  FillGlossy(cr, 136, 22, 160, 46, kStarGold, 1.8);
  Sparkle(cr, 160, 20, 6, kTwinkle);
  Sparkle(cr, 136, 20, 4, kTwinkle);
}

void FairyHead(cairo_t* cr) {
  const TColor kFairyHair = Hex(0xf2b84a);
  const TColor kFairyIris = Hex(0x5a7ad8);
  const TColor kFlower = Hex(0xff8ac0);
  // Neck, then hair behind the head: a long ponytail swinging back.
  cairo_move_to(cr, 85, 86);
  cairo_line_to(cr, 85, 98);
  Limb(cr, kNeck, 7);
  cairo_move_to(cr, 66, 50);
  cairo_curve_to(cr, 44, 52, 36, 72, 44, 96);
  cairo_curve_to(cr, 48, 82, 56, 72, 70, 66);
  cairo_close_path(cr);
  FillGlossy(cr, 36, 50, 70, 96, kFairyHair, 1.8);
  cairo_arc(cr, 86, 62, 24, 0, 2 * kPi);
  FillGlossy(cr, 62, 38, 110, 86, kSkin, 2);
  // Ears pointed like a fairy's.
  cairo_move_to(cr, 108, 60);
  cairo_line_to(cr, 118, 52);
  cairo_line_to(cr, 108, 70);
  cairo_close_path(cr);
  FillGlossy(cr, 106, 52, 118, 70, kSkin, 1.5);
  // Fringe over the brow.
  cairo_move_to(cr, 62, 62);
  cairo_curve_to(cr, 60, 34, 108, 28, 111, 58);
  cairo_curve_to(cr, 102, 48, 94, 46, 88, 50);
  cairo_curve_to(cr, 82, 44, 74, 46, 70, 54);
  cairo_curve_to(cr, 68, 58, 64, 60, 62, 62);
  cairo_close_path(cr);
  FillGlossy(cr, 60, 34, 111, 62, kFairyHair, 1.8);
  // A flower in her hair.
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * kPi / 5;
    cairo_arc(cr, 70 + 5 * std::cos(a), 40 + 5 * std::sin(a), 4, 0, 2 * kPi);
    FillGlossy(cr, 61, 31, 79, 49, kFlower, 1);
  }
  cairo_arc(cr, 70, 40, 2.5, 0, 2 * kPi);
  FillWith(cr, kGold);
  // Big eyes looking toward the panel, blush and a smile.
  for (double x : {78.0, 96.0}) {
    Ellipse(cr, x, 64, 5, 6.5);
    FillWith(cr, kWhite);
    Ellipse(cr, x + 1.5, 65, 3.6, 4.8);
    FillWith(cr, kFairyIris);
    cairo_arc(cr, x + 2, 65.5, 2, 0, 2 * kPi);
    FillWith(cr, kPupil);
    cairo_arc(cr, x + 3, 63, 1.2, 0, 2 * kPi);
    FillWith(cr, kWhite);
    Ellipse(cr, x, 64, 5, 6.5);
    StrokeRound(cr, kEyeLine, 1.3);
  }
  RadialGlow(cr, 72, 74, 6, WithAlpha(kBlush, 0.6));
  RadialGlow(cr, 102, 74, 6, WithAlpha(kBlush, 0.6));
  cairo_arc(cr, 88, 74, 6, 0.15 * kPi, 0.85 * kPi);
  StrokeRound(cr, kMouth, 1.8);
}

}  // namespace

void PaintTutorialPanel(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  RoundedRect(cr, 4, 4, w - 8, h - 8, 28);
  VerticalGradient(cr, 4, h - 4, kPanelTop, kPanelBottom);
  cairo_fill_preserve(cr);
  SetColor(cr, kPanelRim);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // A soft glow along the top rim, as if the fairy's light fell on it; faint, for the text.
  cairo_save(cr);
  RoundedRect(cr, 6, 6, w - 12, h - 12, 26);
  cairo_clip(cr);
  RadialGlow(cr, w * 0.3, 0, 40, WithAlpha(Hex(0x6a5ab0), 0.3));
  cairo_restore(cr);
  RoundedRect(cr, 11, 11, w - 22, h - 22, 21);
  SetColor(cr, WithAlpha(kGold, 0.85));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Faint stars near the rim only, so they never sit behind a letter.
  TNoise noise(HashName(s.Name));
  for (int i = 0; i < 26; ++i) {
    double x = noise.Range(18, w - 18), y = noise.Range(18, h - 18);
    const int edge = noise.Int(4);
    if (edge == 0) y = noise.Range(16, 26);
    if (edge == 1) y = noise.Range(h - 26, h - 16);
    if (edge == 2) x = noise.Range(16, 26);
    if (edge == 3) x = noise.Range(w - 26, w - 16);
    cairo_arc(cr, x, y, noise.Range(0.6, 1.4), 0, 2 * kPi);
    SetColor(cr, WithAlpha(kPaleTwinkle, noise.Range(0.35, 0.75)));
    cairo_fill(cr);
  }
  for (double x : {11.0, w - 11})
    for (double y : {11.0, h - 11}) Sparkle(cr, x, y, 9, kTwinkle);
}

void PaintFairyTutorial(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  RadialGlow(cr, s.Width() / 2.0, s.Height() * 0.45, s.Width() * 0.5, WithAlpha(kGlow, 0.35));
  FairyWings(cr);
  FairyBody(cr);
  FairyHead(cr);
  FairyArmsAndWand(cr);
}

// The tool tip turns its arrow about (0.5, 0.427) of the pattern and places it so that
// pivot lies about 30 pixels from the point toward the panel; unturned the arrow points
// down and a little left (120 degrees), its tip near the point. Pattern 1 pokes forward.
void PaintTutorialArrow(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    const double dx = -0.5, dy = 0.866;  // the pointing direction
    const double poke = p == 1 ? 5 : 0;
    const double tipX = w * 0.5 - 20.5 + dx * poke, tipY = h * 0.427 + 34 + dy * poke;
    const double headLen = 22, headHalf = 15;
    const double baseX = tipX - dx * headLen, baseY = tipY - dy * headLen;
    const double nx = dy, ny = -dx;
    const double tailX = w * 0.5 + 20 + dx * poke * 0.5, tailY = 10 + dy * poke * 0.5;
    const auto shaft = [&] {
      cairo_move_to(cr, tailX, tailY);
      cairo_curve_to(cr, tailX + 8, tailY + 22, baseX + 18, baseY - 30, baseX + dx * 2,
                     baseY + dy * 2);
    };
    const auto head = [&] {
      cairo_move_to(cr, tipX, tipY);
      cairo_line_to(cr, baseX + nx * headHalf, baseY + ny * headHalf);
      cairo_line_to(cr, baseX - nx * headHalf, baseY - ny * headHalf);
      cairo_close_path(cr);
    };
    shaft();
    StrokeRound(cr, kDarkOutline, 17);
    head();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, kDarkOutline);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    shaft();
    StrokeRound(cr, kTitleGold, 12);
    head();
    FillWith(cr, kTitleGold);
    // A light line along the shaft.
    cairo_move_to(cr, tailX - 2, tailY + 3);
    cairo_curve_to(cr, tailX + 5, tailY + 22, baseX + 14, baseY - 30, baseX + 2, baseY - 4);
    StrokeRound(cr, WithAlpha(kWhite, 0.7), 2.5);
    if (p == 1) Sparkle(cr, tipX + nx * 10, tipY + ny * 10, 6, kTwinkle);
  });
}

void PaintTutorialIcons(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) { DrawIcon(cr, p + 1, w, h); });
}

}  // namespace assetgen
