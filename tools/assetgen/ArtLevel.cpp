// The level screen: panels, gathering slots, digits, the tube timer, the energy
// flask, the tools, the announcement, word art and the stage result.
#include <cmath>

#include "Painters.h"
#include "levels/TElementGather.h"

namespace assetgen {

namespace {
const double kPi = M_PI;

// Colours of more than one picture here.
const TColor kScoreGold = Hex(0xffd84a);  // the score's digits, combo words
const TColor kScoreOutline = Hex(0x5a2e0a);
const TColor kDarkBrown{0.45, 0.25, 0.08};  // the hourglass, the basket's weave

TTextStyle Word(double size, TColor fill, TColor outline) {
  TTextStyle st;
  st.Size = size;
  st.Fill = fill;
  st.Outline = outline;
  st.OutlineWidth = std::max(1.5, size / 9);
  return st;
}

void Inset(cairo_t* cr, double x, double y, double w, double h, double r) {
  const TColor kWellDark{0.22, 0.12, 0.05};
  RoundedRect(cr, x, y, w, h, r);
  SetColor(cr, WithAlpha(kWellDark, 0.55));
  cairo_fill_preserve(cr);
  SetColor(cr, WithAlpha(kPanelGleam, 0.6));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void Bolt(cairo_t* cr, double cx, double cy, double s, bool horizontal) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  if (horizontal) cairo_rotate(cr, kPi / 2);
  cairo_scale(cr, s, s);
  cairo_move_to(cr, 4, -20);
  cairo_line_to(cr, -8, 2);
  cairo_line_to(cr, 0, 2);
  cairo_line_to(cr, -4, 20);
  cairo_line_to(cr, 9, -4);
  cairo_line_to(cr, 1, -4);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void Bomb(cairo_t* cr, double cx, double cy, double r, const TColor& c) {
  const TColor kFuse{0.55, 0.4, 0.2};
  const TColor kBombCap = Hex(0x8a8a90);
  cairo_move_to(cr, cx + r * 0.5, cy - r * 0.8);
  cairo_curve_to(cr, cx + r * 0.9, cy - r * 1.4, cx + r * 1.3, cy - r * 1.1, cx + r * 1.2, cy - r * 1.5);
  SetColor(cr, kFuse);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  Sparkle(cr, cx + r * 1.2, cy - r * 1.5, r * 0.45, kStarGold);
  RoundedRect(cr, cx + r * 0.25, cy - r * 0.95, r * 0.5, r * 0.35, 2);
  FillGlossy(cr, cx + r * 0.25, cy - r * 0.95, cx + r * 0.75, cy - r * 0.6, kBombCap, 1.5);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  FillGlossy(cr, cx - r, cy - r, cx + r, cy + r, c, 2);
}
}  // namespace

// Gathering panel backgrounds: 0 first slot, 1 middle, 2 last, 3 a single slot.
void PaintElementPanel(TCanvas& c, const TAssetSpec& s) {
  const TColor kGatherWood = Hex(0x9a643a);
  const TColor kPaperShade = Hex(0xf2d8a8);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    bool roundLeft = p == 0 || p == 3, roundRight = p == 2 || p == 3;
    double x0 = roundLeft ? 8 : -20, x1 = roundRight ? w - 4 : w + 20;
    RoundedRect(cr, x0, -20, x1 - x0, h - 2 + 20, 22);
    PathShadow(cr, 0, 3, 0.3);
    FillGlossy(cr, x0, -20, x1, h - 2, kGatherWood, 2.5);
    RoundedRect(cr, x0 + 6, -14, x1 - x0 - 12, h - 14 + 14, 16);
    VerticalGradient(cr, 0, h, kPaper, kPaperShade);
    cairo_fill(cr);
    // A dark well under each counter, centred on its digits: one or two of them stand
    // centred on a digit's width past the counter's place on the slot.
    double a = roundLeft ? TElementGather::FirstIconLeft : TElementGather::NextIconLeft;
    double mid = a + TElementGather::CounterLeft + kGatherDigitWidth;
    double top = TElementGather::CounterTop, high = kGatherDigitHeight;
    Inset(cr, mid - 24, top - 2, 48, high + 4, 9);
  });
}

namespace {
// By strip: gathering counters, score, island and level.
const TColor kDigitFills[3] = {kWhite, kScoreGold, kCreamText};
const TColor kDigitOutlines[3] = {kBrownOutline, kScoreOutline, kDarkOutline};

// How the digits of a strip are drawn: one size, and one ink width that every digit is
// brought to, so any two digits set side by side leave the same gap.
struct TDigitStyle {
  double Size = 0;
  double InkWidth = 0;  // of the body, without the outline
  double Outline = 0;
};

// Digits stand in dark wells, so a thin outline is enough; a thick one would only widen
// the gap between two digits' bodies.
double DigitOutline(double h) { return std::max(1.0, h / 20); }

// The largest digits whose outlined ink leaves a pixel free on either side of a w x h cell.
TDigitStyle DigitStyle(cairo_t* cr, double w, double h) {
  TDigitStyle st;
  st.Outline = DigitOutline(h);
  st.InkWidth = w - 2 - 2 * st.Outline;
  for (st.Size = h; st.Size > 6; st.Size -= 0.25) {
    UseDisplayFont(cr, st.Size, true);
    cairo_text_extents_t zero;
    cairo_text_extents(cr, "0", &zero);
    if (zero.height + 2 * st.Outline <= h - 2 && zero.width <= st.InkWidth) {
      st.InkWidth = zero.width;  // when the height is what limits the size
      break;
    }
  }
  return st;
}

// One digit's path with its ink centred on (cx, baseline): digits wider than the strip's
// ink width are narrowed to it. The face's "1" is a bare stem; it gets a foot of that width,
// or "12" would read as "1 2".
void DigitPath(cairo_t* cr, int digit, const TDigitStyle& st, double cx) {
  UseDisplayFont(cr, st.Size, true);
  char text[2] = {static_cast<char>('0' + digit), 0};
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  cairo_new_path(cr);
  if (digit == 1) {
    double stemW = st.Size * 0.13, foot = stemW * 0.9;
    double stemX = cx + st.InkWidth * 0.12;  // the stem a little right of the middle
    cairo_move_to(cr, stemX + stemW / 2 - (e.x_bearing + e.width), 0);
    cairo_text_path(cr, text);
    RoundedRect(cr, cx - st.InkWidth / 2, -foot, st.InkWidth, foot, foot / 2);
    return;
  }
  double sx = std::min(1.0, st.InkWidth / e.width);
  cairo_save(cr);
  cairo_translate(cr, cx - (e.x_bearing + e.width / 2) * sx, 0);
  cairo_scale(cr, sx, 1);
  cairo_move_to(cr, 0, 0);
  cairo_text_path(cr, text);
  cairo_restore(cr);
}

// Draws a digit character ('0'..'9', or '-') centred on (cx, cy): the digits' height
// centred vertically, in the strip's colours.
void DrawDigit(cairo_t* cr, char ch, double cx, double cy, const TDigitStyle& st,
               TDigitStrip strip) {
  cairo_save(cr);
  UseDisplayFont(cr, st.Size, true);
  cairo_text_extents_t zero;
  cairo_text_extents(cr, "0", &zero);
  double middle = zero.y_bearing + zero.height / 2;  // of the ink, from the baseline
  cairo_translate(cr, 0, cy - middle);
  if (ch == '-') {
    // A dash half as wide as a digit, at the digits' middle height.
    double len = st.InkWidth * 0.55, thick = st.Size * 0.13;
    cairo_new_path(cr);
    RoundedRect(cr, cx - len / 2, middle - thick / 2, len, thick, thick / 2);
  } else {
    DigitPath(cr, ch - '0', st, cx);
  }
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, kDigitOutlines[static_cast<int>(strip)]);
  cairo_set_line_width(cr, st.Outline * 2);
  cairo_stroke_preserve(cr);
  SetColor(cr, kDigitFills[static_cast<int>(strip)]);
  cairo_fill(cr);
  cairo_restore(cr);
}
}  // namespace

// Digit strips of the gathering counters, the score, and the island and level numbers. The
// game sets the digits of a number one pattern apart, so every digit is drawn at one size and
// fills its pattern.
void PaintDigits(TCanvas& c, const TAssetSpec& s, TDigitStrip strip) {
  const TDigitStyle st = DigitStyle(c.Cr(), s.TileWidth, s.TileHeight);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    DrawDigit(cr, static_cast<char>('0' + p), w / 2, h / 2, st, strip);
  });
}

// Rolling digits: three frames of a soft vertical streak in the digits' colour. The game
// slides the digit a counter rolls to over it, so the streak only hints at the motion and
// must not hide the digit.
void PaintDigitBlur(TCanvas& c, const TAssetSpec& s, TDigitStrip strip) {
  TColor col = kDigitFills[static_cast<int>(strip)];
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    for (int i = 0; i < 3; ++i) {
      double x = w * (0.3 + 0.2 * i), len = h * (0.5 + 0.15 * ((i + p) % 3));
      double y0 = (h - len) / 2 + (p - 1) * h * 0.08;
      cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y0 + len);
      AddStop(g, 0, WithAlpha(col, 0));
      AddStop(g, 0.5, WithAlpha(col, 0.45));
      AddStop(g, 1, WithAlpha(col, 0));
      cairo_set_source(cr, g);
      RoundedRect(cr, x - 1.2, y0, 2.4, len, 1.2);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
    }
  });
}

// Top panel (placed at (2, 0)): the game sets six score digits from x 1050, the island
// number from 1200 and the level number from 1228, all from y 25 (screen pixels); the
// middle stays clear for the gathering panel.
void PaintTopPanel(TCanvas& c, const TAssetSpec& s) {
  const TColor kGarlandCord{0.45, 0.3, 0.15};
  const TColor kGarlandBead = Hex(0xffc040);
  cairo_t* cr = c.Cr();
  double w = s.Width();
  const double px = -2;  // screen to picture
  // Right plaque.
  cairo_move_to(cr, 960, 0);
  cairo_line_to(cr, w - 60, 0);
  cairo_curve_to(cr, w - 60, 40, w - 70, 62, w - 100, 62);
  cairo_line_to(cr, 1000, 62);
  cairo_curve_to(cr, 975, 62, 960, 40, 960, 0);
  cairo_close_path(cr);
  PathShadow(cr, 0, 3, 0.35);
  FillGlossy(cr, 960, 0, w - 60, 62, kWood, 3);
  const double scoreMid = 1050 + 3 * kScoreDigitWidth + px;
  Inset(cr, scoreMid - 60, 20, 120, 34, 10);
  // Island and level: "1-12" at most, the dash in the digits' style between them.
  const double digitsMid = 25 + kLevelDigitHeight / 2.0;
  Inset(cr, 1194 + px, digitsMid - 17, 1260 - 1194, 34, 10);
  DrawDigit(cr, '-', (1200 + kLevelDigitWidth + 1228) / 2.0 + px, digitsMid,
            DigitStyle(cr, kLevelDigitWidth, kLevelDigitHeight), TDigitStrip::LevelLabel);
  DrawText(cr, "Score", 1004, 36, Word(15, kLabelText, kDarkOutline));
  // Left garland.
  cairo_move_to(cr, 0, 8);
  cairo_curve_to(cr, 80, 40, 180, 40, 250, 6);
  SetColor(cr, kGarlandCord);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (int i = 0; i < 8; ++i) {
    double t = i / 7.0;
    double x = 10 + t * 230, y = 8 + std::sin(t * kPi) * 24;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, i % 2 ? 0.6 : -0.6);
    Ellipse(cr, 0, 6, 6, 11);
    FillGlossy(cr, -6, -5, 6, 17, i % 3 ? kLeafGreen : kGarlandBead, 1.5);
    cairo_restore(cr);
  }
}

// Left panel (at (-4, 232)): tool hooks at the tools' hanging places and a nook
// for the energy flask at (14, 408).
void PaintLeftPanel(TCanvas& c, const TAssetSpec& s) {
  const TColor kLeftPanelLight = Hex(0xa87444);
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, w - 20, 0);
  cairo_curve_to(cr, w - 4, 0, w - 4, 16, w - 4, 30);
  cairo_line_to(cr, w - 4, h - 30);
  cairo_curve_to(cr, w - 4, h - 10, w - 14, h - 4, w - 30, h - 4);
  cairo_line_to(cr, 0, h - 4);
  cairo_close_path(cr);
  PathShadow(cr, 3, 3, 0.35);
  FillGlossy(cr, 0, 0, w - 4, h - 4, kWood, 3);
  RoundedRect(cr, 8, 6, w - 20, h - 16, 14);
  VerticalGradient(cr, 0, h, kLeftPanelLight, kBark);
  cairo_fill(cr);
  // A recess behind each tool's icon (hanging point + the icon's centre in its pattern).
  const double hooks[6][3] = {{5, 64, 54},   {10, 4, 50},   {13, 132, 51},
                              {14, 191, 51}, {11, 256, 45}, {11, 305, 51}};
  for (auto& k : hooks) {
    RoundedRect(cr, k[0] + 45 - 36, k[1] + k[2] - 26, 72, 52, 14);
    SetColor(cr, WithAlpha(kDarkWood, 0.35));
    cairo_fill(cr);
  }
  cairo_arc(cr, 50, 448, 42, 0, 2 * kPi);
  SetColor(cr, WithAlpha(kDarkWood, 0.45));
  cairo_fill(cr);
}

// Pocket panel on the right: five rows for the owned elements.
void PaintElementsPanel(TCanvas& c, const TAssetSpec& s) {
  const TColor kPocketRow{0.6, 0.38, 0.15};
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  WoodFrame(cr, 4, 4, w - 8, h - 10, 22, 8);
  ParchmentPanel(cr, 12, 12, w - 24, h - 26, 14, 17);
  DrawText(cr, "Pocket", w / 2, 34, Word(17, kLabelText, kOutline));
  for (int i = 0; i < 5; ++i) {
    RoundedRect(cr, 18, 60 + i * 43 - 2, w - 36, 38, 10);
    SetColor(cr, WithAlpha(kPocketRow, 0.15));
    cairo_fill(cr);
  }
}

// Tube timer (drawn at its place - 4): the liquid goes at (36, 27).
void PaintTube(TCanvas& c, const TAssetSpec& s) {
  const TColor kTubeInside{0.15, 0.1, 0.12};
  const TColor kTubeMark{1, 0.9, 0.6};
  cairo_t* cr = c.Cr();
  double h = s.Height();
  WoodFrame(cr, 22, 8, 50, h - 12, 20, 6);
  RoundedRect(cr, 33, 22, 28, 313, 12);
  SetColor(cr, WithAlpha(kTubeInside, 0.75));
  cairo_fill(cr);
  for (int i = 0; i <= 10; ++i) {
    double y = 27 + i * 30.5;
    cairo_move_to(cr, 24, y);
    cairo_line_to(cr, i % 5 == 0 ? 32 : 29, y);
  }
  SetColor(cr, kTubeMark);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Hourglass badge on top.
  cairo_arc(cr, 47, 14, 13, 0, 2 * kPi);
  FillGlossy(cr, 34, 1, 60, 27, kGold, 2);
  cairo_move_to(cr, 41, 7);
  cairo_line_to(cr, 53, 7);
  cairo_line_to(cr, 41, 21);
  cairo_line_to(cr, 53, 21);
  cairo_close_path(cr);
  SetColor(cr, kDarkBrown);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// Liquids: the tube's column, its surface, and the flask's round liquid.
void PaintTubeLiquid(TCanvas& c, const TAssetSpec& s, TLiquid liquid) {
  const TColor kLiquidFoam{0.85, 1, 0.9};
  const TColor kFlaskTop = Hex(0xa8ff6a);
  const TColor kFlaskBottom = Hex(0x2fa84a);
  const TColor kTubeLiquidEdge{0.15, 0.7, 0.55};
  const TColor kTubeLiquid{0.55, 1, 0.8};
  const TColor kTubeLiquidShade{0.1, 0.55, 0.45};
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  if (liquid == TLiquid::TubeSurface) {
    Ellipse(cr, w / 2, h / 2, w / 2, h / 2 - 1);
    SetColor(cr, WithAlpha(kLiquidFoam, 0.85));
    cairo_fill(cr);
    return;
  }
  if (liquid == TLiquid::Flask) {
    cairo_arc(cr, 34, 39, 27, 0, 2 * kPi);
    cairo_clip(cr);
    VerticalGradient(cr, 0, h, kFlaskTop, kFlaskBottom);
    cairo_paint(cr);
    TNoise n(3);
    for (int i = 0; i < 10; ++i) {
      cairo_arc(cr, n.Range(12, 56), n.Range(20, 62), n.Range(1.5, 3.5), 0, 2 * kPi);
      SetColor(cr, WithAlpha(kWhite, 0.45));
      cairo_fill(cr);
    }
    return;
  }
  RoundedRect(cr, 0, 0, w, h, w / 2);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, 0);
  AddStop(g, 0, kTubeLiquidEdge);
  AddStop(g, 0.35, kTubeLiquid);
  AddStop(g, 1, kTubeLiquidShade);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void PaintTubeMask(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    RoundedRect(cr, 0, 0, w, h, w / 2);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, 0);
    double a = p == 0 ? 0.5 : 0.3;
    AddStop(g, 0, WithAlpha(kWhite, 0));
    AddStop(g, 0.3, WithAlpha(kWhite, a));
    AddStop(g, 0.6, WithAlpha(kWhite, 0));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  });
}

// Energy flask: 0 the glass, 1 the glass glowing when full.
void PaintManna(TCanvas& c, const TAssetSpec& s) {
  const TColor kFlaskGlow = Hex(0xc8ff90);
  const TColor kFlaskRim{0.25, 0.35, 0.45};
  const TColor kFullFlaskTop = Hex(0xc8ff8a);
  const TColor kFullFlaskBottom = Hex(0x3fc05a);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double) {
    if (p == 1) RadialGlow(cr, 34, 44, 38, WithAlpha(kFlaskGlow, 0.9));
    RoundedRect(cr, 24, 2, 20, 16, 4);
    FillGlossy(cr, 24, 2, 44, 18, kCork, 2);
    cairo_arc(cr, 34, 44, 31, 0, 2 * kPi);
    SetColor(cr, WithAlpha(kAirBlue, p == 1 ? 0.55 : 0.35));
    cairo_fill_preserve(cr);
    SetColor(cr, kFlaskRim);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    if (p == 1) {
      cairo_arc(cr, 34, 44, 27, 0, 2 * kPi);
      VerticalGradient(cr, 16, 72, kFullFlaskTop, kFullFlaskBottom);
      cairo_fill(cr);
      Sparkle(cr, 24, 34, 7, kWhite);
    }
    (void)w;
  });
}

void PaintMannaWave(TCanvas& c, const TAssetSpec& s) {
  const TColor kWaveFoam{0.9, 1, 0.8};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    cairo_move_to(cr, 0, h / 2);
    for (double x = 0; x <= w; x += 2)
      cairo_line_to(cr, x, h / 2 + std::sin(x / w * 2 * kPi + p * kPi / 3) * (h / 2 - 2));
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    SetColor(cr, WithAlpha(kWaveFoam, 0.9));
    cairo_fill(cr);
  });
}

// Tools on the left panel: 0 ready, 1 under the mouse, 2 carried, 3 not available
// (the blaster has a fifth, charged frame); and the hammer's blow on the board.
void PaintTool(TCanvas& c, const TAssetSpec& s, TToolPicture tool) {
  const TColor kBlasterGlass{0.8, 0.95, 1};
  const TColor kBlasterRim{0.2, 0.35, 0.5};
  const TColor kHammerHead = Hex(0x9a6a3a);
  const TColor kBolt = Hex(0xffd83a);
  const TColor kBombIron = Hex(0x3a3a48);
  const TColor kBigBombRed = Hex(0xc0402a);
  const TColor kBigBombStar{1, 0.9, 0.5};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    bool hover = p == 1 || p == 4;
    // On the panel the icon sits where the tool's click rectangle is (about 20 to 80
    // pixels below its hanging point); carried, it hangs just below-right of the mouse,
    // which is 15 and 14 pixels into the pattern.
    const double iconY[6] = {54, 45, 51, 51, 51, 50};
    const bool onPanel = tool != TToolPicture::HammerBlow;
    double cx = w / 2, cy = onPanel ? iconY[static_cast<int>(tool)] : h / 2;
    if (p == 2 && onPanel) {
      cx = 38;
      cy = 38;
    }
    if (hover) RadialGlow(cr, cx, cy, 36, WithAlpha(kGlow, 0.9));
    if (p == 2) {
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, -0.25);
      cairo_translate(cr, -cx, -cy);
    }
    cairo_push_group(cr);
    switch (tool) {
      case TToolPicture::Blaster: {
        cairo_arc(cr, cx, cy, 22, 0, 2 * kPi);
        SetColor(cr, WithAlpha(kBlasterGlass, 0.5));
        cairo_fill(cr);
        const std::uint32_t swirl[5] = {0xff6a6a, 0xffd84a, 0x6ae05a, 0x5ab8ff, 0xc07aff};
        for (int i = 0; i < 5; ++i) {
          cairo_arc(cr, cx, cy, 6 + i * 3.5, i * 1.2, i * 1.2 + 2.2);
          SetColor(cr, Hex(swirl[i]));
          cairo_set_line_width(cr, 3);
          cairo_stroke(cr);
        }
        cairo_arc(cr, cx, cy, 22, 0, 2 * kPi);
        SetColor(cr, kBlasterRim);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        Ellipse(cr, cx - 8, cy - 10, 6, 4);
        SetColor(cr, WithAlpha(kWhite, 0.9));
        cairo_fill(cr);
        RoundedRect(cr, cx - 6, cy + 20, 12, 10, 3);
        FillGlossy(cr, cx - 6, cy + 20, cx + 6, cy + 30, kCork, 1.5);
        break;
      }
      case TToolPicture::Bomb:
        Bomb(cr, cx - 4, cy + 4, 17, kBombIron);
        break;
      case TToolPicture::BigBomb:
        Bomb(cr, cx - 6, cy + 4, 22, kBigBombRed);
        StarPath(cr, cx - 6, cy + 4, 9, 4, 5);
        SetColor(cr, kBigBombStar);
        cairo_fill(cr);
        break;
      case TToolPicture::Hammer:
      case TToolPicture::HammerBlow: {
        // The blow is turned about 0.4 of the width and 0.8 of the height: the grip
        // sits there and the head points up.
        double k = onPanel ? 1.0 : 1.5;
        cairo_save(cr);
        if (!onPanel) {
          cairo_translate(cr, w * 0.4, h * 0.8 - 30 * k);
        } else {
          cairo_translate(cr, cx, cy);
          cairo_rotate(cr, -0.6);
        }
        RoundedRect(cr, -4 * k, -4 * k, 8 * k, 34 * k, 3 * k);
        FillGlossy(cr, -4 * k, -4 * k, 4 * k, 30 * k, kLightWood, 1.5);
        RoundedRect(cr, -20 * k, -20 * k, 40 * k, 18 * k, 5 * k);
        FillGlossy(cr, -20 * k, -20 * k, 20 * k, -2 * k, kHammerHead, 2);
        cairo_restore(cr);
        break;
      }
      case TToolPicture::HorzLightning:
      case TToolPicture::VertLightning: {
        bool horizontal = tool == TToolPicture::HorzLightning;
        Bolt(cr, cx, cy, 1.15, horizontal);
        FillGlossy(cr, cx - 24, cy - 24, cx + 24, cy + 24, kBolt, 2);
        Cloud(cr, horizontal ? cx - 24 : cx, horizontal ? cy : cy - 22, 0.22, 0.95);
        break;
      }
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
  });
  // The unavailable frame: the same tool in faded grey.
  if (s.Patterns() > 3) {
    cairo_surface_t* surf = c.Surface();
    cairo_surface_flush(surf);
    unsigned char* data = cairo_image_surface_get_data(surf);
    int stride = cairo_image_surface_get_stride(surf);
    int ox = (3 % s.Columns) * s.TileWidth, oy = (3 / s.Columns) * s.TileHeight;
    for (int y = oy; y < oy + s.TileHeight; ++y)
      for (int x = ox; x < ox + s.TileWidth; ++x) {
        std::uint32_t& px = reinterpret_cast<std::uint32_t*>(data + y * stride)[x];
        double a = (px >> 24) / 255.0, r = ((px >> 16) & 255) / 255.0,
               g = ((px >> 8) & 255) / 255.0, b = (px & 255) / 255.0;
        double l = 0.3 * r + 0.59 * g + 0.11 * b;
        double na = a * 0.55, k = 0.55;
        auto v = [&](double q) { return static_cast<std::uint32_t>(std::lround((q * 0.3 + l * 0.7) * k * 255)); };
        px = (static_cast<std::uint32_t>(std::lround(na * 255)) << 24) | (v(r) << 16) | (v(g) << 8) | v(b);
      }
    cairo_surface_mark_dirty(surf);
  }
}

void PaintWordArt(TCanvas& c, const TAssetSpec& s, TWordArt art) {
  const TColor kEnergyText = Hex(0xb8ff8a);
  const TColor kWordOutline = Hex(0x6a2a10);
  const char* combos[4] = {"Good!", "Great!", "Super!", "Amazing!"};
  const char* energy[3] = {"+ Energy", "++ Energy", "+++ Energy"};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    std::string text = art == TWordArt::Combo                 ? combos[p % 4]
                       : art == TWordArt::EnergyBonus         ? energy[p % 3]
                       : art == TWordArt::LevelGoal && p == 1 ? std::string("Boss fight")
                                                              : s.Label;
    TColor fill = art == TWordArt::EnergyBonus ? kEnergyText
                  : art == TWordArt::Combo     ? kScoreGold
                                               : kCreamText;
    TColor outline = art == TWordArt::EnergyBonus ? kForestOutline : kWordOutline;
    double size = h * 0.62;
    while (size > 8 && TextWidth(cr, text, size) > w - size / 4 - 6) size -= 1;
    DrawText(cr, text, w / 2, h / 2, Word(size, fill, outline));
  });
}

// Level announcement board; the logo goes at (254, 27), the title at (208, 143).
void PaintObjInfoShadow(TCanvas& c, const TAssetSpec& s) {
  const TColor kTitleWell{0.85, 0.55, 0.25};
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  Ellipse(cr, w / 2, h - 20, w * 0.4, 16);
  SetColor(cr, WithAlpha(kDeepShadow, 0.3));
  cairo_fill(cr);
  WoodFrame(cr, 60, 14, w - 120, h - 50, 40, 14);
  ParchmentPanel(cr, 74, 28, w - 148, h - 78, 28, 33);
  RoundedRect(cr, 200, 138, 248, 70, 20);
  SetColor(cr, WithAlpha(kTitleWell, 0.3));
  cairo_fill(cr);
}

namespace {
// A basket of fruit: the gathering rounds.
void PaintGatherLogo(cairo_t* cr, double w, double h) {
  const TColor kBasket = Hex(0xc8904a);
  cairo_move_to(cr, 14, 56);
  cairo_line_to(cr, w - 14, 56);
  cairo_line_to(cr, w - 30, h - 6);
  cairo_line_to(cr, 30, h - 6);
  cairo_close_path(cr);
  const int fruits[5] = {3, 1, 5, 2, 4};
  for (int i = 0; i < 5; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 8 + i * 22, 10 + (i % 2) * 8);
    DrawElement(cr, fruits[i], 46);
    cairo_restore(cr);
  }
  cairo_move_to(cr, 14, 56);
  cairo_line_to(cr, w - 14, 56);
  cairo_line_to(cr, w - 30, h - 6);
  cairo_line_to(cr, 30, h - 6);
  cairo_close_path(cr);
  FillGlossy(cr, 14, 56, w - 14, h - 6, kBasket, 2.5);
  for (int i = 1; i < 4; ++i) {
    cairo_move_to(cr, 20 + i * 6, 56 + i * 12);
    cairo_line_to(cr, w - 20 - i * 6, 56 + i * 12);
  }
  SetColor(cr, WithAlpha(kDarkBrown, 0.6));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// A crowned shield: the boss rounds.
void PaintBossLogo(cairo_t* cr, double w, double h) {
  const TColor kShield = Hex(0x8a2a4a);
  const TColor kBlade{0.92, 0.92, 0.96};
  const TColor kCrown = Hex(0xf0c040);
  const TColor kRuby{0.95, 0.3, 0.35};
  double cx = w / 2, top = 34, bottom = h - 6, half = 40;
  auto shield = [&] {
    cairo_move_to(cr, cx - half, top);
    cairo_line_to(cr, cx + half, top);
    cairo_curve_to(cr, cx + half, top + 40, cx + half * 0.6, bottom - 14, cx, bottom);
    cairo_curve_to(cr, cx - half * 0.6, bottom - 14, cx - half, top + 40, cx - half, top);
    cairo_close_path(cr);
  };
  shield();
  FillGlossy(cr, cx - half, top, cx + half, bottom, kShield, 2.5);
  // Two crossed swords' blades on the shield.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColor(cr, WithAlpha(kBlade, 0.95));
  cairo_set_line_width(cr, 5);
  cairo_move_to(cr, cx - 22, top + 14);
  cairo_line_to(cr, cx + 20, bottom - 22);
  cairo_move_to(cr, cx + 22, top + 14);
  cairo_line_to(cr, cx - 20, bottom - 22);
  cairo_stroke(cr);
  // The crown above.
  cairo_move_to(cr, cx - 30, top + 2);
  cairo_line_to(cr, cx - 34, 8);
  cairo_line_to(cr, cx - 15, 20);
  cairo_line_to(cr, cx, 4);
  cairo_line_to(cr, cx + 15, 20);
  cairo_line_to(cr, cx + 34, 8);
  cairo_line_to(cr, cx + 30, top + 2);
  cairo_close_path(cr);
  FillGlossy(cr, cx - 34, 4, cx + 34, top + 2, kCrown, 2);
  for (double dx : {-34.0, 0.0, 34.0}) {
    Ellipse(cr, cx + dx, dx == 0 ? 5 : 9, 4, 4);
    SetColor(cr, kRuby);
    cairo_fill(cr);
  }
}
}  // namespace

// Pattern 0 for gathering rounds, 1 for boss rounds.
void PaintObjInfoLogo(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    if (p == 1)
      PaintBossLogo(cr, w, h);
    else
      PaintGatherLogo(cr, w, h);
  });
}

void PaintSlotDone(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  double cx = s.Width() / 2.0, cy = s.Height() / 2.0;
  cairo_arc(cr, cx, cy, 26, 0, 2 * kPi);
  FillGlossy(cr, cx - 26, cy - 26, cx + 26, cy + 26, kGoGreen, 2.5);
  cairo_move_to(cr, cx - 13, cy);
  cairo_line_to(cr, cx - 3, cy + 11);
  cairo_line_to(cr, cx + 14, cy - 11);
  SetColor(cr, kWhite);
  cairo_set_line_width(cr, 6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// Bronze, silver and gold medals (each also used as its own shine).
void PaintMedals(TCanvas& c, const TAssetSpec& s) {
  const std::uint32_t metals[3] = {0xd08a4a, 0xd8dce8, 0xffc830};  // bronze, silver, gold
  const TColor ribbons[3] = {kNavigateBlue, kLeaveRed, kGoGreen};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    double cx = w / 2, cy = h / 2 + 10;
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, cx + side * 8, cy - 20);
      cairo_line_to(cr, cx + side * 30, 4);
      cairo_line_to(cr, cx + side * 16, 4);
      cairo_line_to(cr, cx - side * 4, cy - 20);
      cairo_close_path(cr);
      FillGlossy(cr, cx - 30, 4, cx + 30, cy - 20, ribbons[p], 1.5);
    }
    StarPath(cr, cx, cy, 42, 36, 18);
    FillGlossy(cr, cx - 42, cy - 42, cx + 42, cy + 42, Hex(metals[p]), 2.5);
    cairo_arc(cr, cx, cy, 28, 0, 2 * kPi);
    SetColor(cr, WithAlpha(kWhite, 0.45));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    StarPath(cr, cx, cy, 20, 9, 5);
    FillGlossy(cr, cx - 20, cy - 20, cx + 20, cy + 20, Lighter(Hex(metals[p]), 0.3), 1.5);
    (void)h;
  });
}

void PaintStatsHighlight(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_scale(cr, w / h, 1);
  RadialGlow(cr, 0, 0, h / 2, WithAlpha(kGlow, 0.9));
  cairo_restore(cr);
}

// The pigeon that crosses the result screen, flying up to the left.
void PaintBirdie(TCanvas& c, const TAssetSpec& s) {
  const TColor kPigeon = Hex(0xc8cce0);
  const TColor kPigeonHead = Hex(0xa8b0d0);
  const TColor kPigeonWing = Hex(0xe8ecf8);
  const TColor kPigeonTail = Hex(0x9aa0c0);
  const TColor kBeak{1, 0.7, 0.3};
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  Ellipse(cr, w * 0.5, h * 0.6, w * 0.3, h * 0.22);
  FillGlossy(cr, w * 0.2, h * 0.38, w * 0.8, h * 0.82, kPigeon, 2);
  cairo_arc(cr, w * 0.22, h * 0.48, h * 0.16, 0, 2 * kPi);
  FillGlossy(cr, w * 0.1, h * 0.32, w * 0.34, h * 0.64, kPigeonHead, 2);
  cairo_move_to(cr, w * 0.1, h * 0.46);
  cairo_line_to(cr, 1, h * 0.52);
  cairo_line_to(cr, w * 0.1, h * 0.56);
  cairo_close_path(cr);
  SetColor(cr, kBeak);
  cairo_fill(cr);
  cairo_arc(cr, w * 0.2, h * 0.45, 2, 0, 2 * kPi);
  SetColor(cr, kBlack);
  cairo_fill(cr);
  cairo_move_to(cr, w * 0.45, h * 0.5);
  cairo_curve_to(cr, w * 0.55, 0, w * 0.85, 0, w * 0.95, h * 0.08);
  cairo_curve_to(cr, w * 0.8, h * 0.3, w * 0.7, h * 0.5, w * 0.6, h * 0.55);
  cairo_close_path(cr);
  FillGlossy(cr, w * 0.45, 0, w * 0.95, h * 0.55, kPigeonWing, 2);
  cairo_move_to(cr, w * 0.78, h * 0.6);
  cairo_line_to(cr, w - 1, h * 0.5);
  cairo_line_to(cr, w - 2, h * 0.75);
  cairo_close_path(cr);
  FillGlossy(cr, w * 0.78, h * 0.5, w, h * 0.75, kPigeonTail, 1.5);
}

}  // namespace assetgen
