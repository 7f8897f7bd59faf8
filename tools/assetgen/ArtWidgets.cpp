// Buttons, check boxes, windows, panels and bars of the interface.
#include <algorithm>
#include <cmath>

#include "Painters.h"
#include "levels/TResultStats.h"

namespace assetgen {

namespace {
const double kPi = M_PI;

TColor ButtonColor(TButtonStyle style) {
  switch (style) {
    case TButtonStyle::Play:
      return kPlayOrange;
    case TButtonStyle::Leave:
      return kLeaveRed;
    case TButtonStyle::Navigate:
      return kNavigateBlue;
    case TButtonStyle::Plain:
      break;
  }
  return kGoGreen;
}

TColor Greyed(const TColor& c) {
  const TColor kDisabledGrey = Hex(0xb8aa98);
  double l = 0.3 * c.R + 0.59 * c.G + 0.11 * c.B;
  return Mix({l, l, l, c.A}, kDisabledGrey, 0.5);
}

double FitTextSize(cairo_t* cr, const std::string& text, double maxW, double size) {
  while (size > 8 && TextWidth(cr, text, size) > maxW) size -= 1;
  return size;
}
}  // namespace

// Pattern 0 enabled, pattern 1 (where the grid has one) disabled.
void PaintButton(TCanvas& c, const TAssetSpec& s, TButtonStyle style) {
  const TColor kButtonText = Hex(0xfffbf0);
  const TColor kDisabledText = Hex(0xe8e2d8);
  const bool play = style == TButtonStyle::Play;
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TColor base = ButtonColor(style);
    bool disabled = p == 1;
    if (disabled) base = Greyed(base);
    double r = std::min(h * 0.45, 26.0);
    RoundedRect(cr, 3, 2, w - 6, h - 6, r);
    PathShadow(cr, 0, 3, 0.35);
    FillGlossy(cr, 3, 2, w - 3, h - 4, base, 2.5);
    RoundedRect(cr, 6, 5, w - 12, h - 12, r - 3);
    SetColor(cr, WithAlpha(kWhite, 0.35));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    TTextStyle st;
    st.Size = FitTextSize(cr, s.Label, w - 24, std::min(h * 0.5, play ? 52.0 : 24.0));
    st.Fill = disabled ? kDisabledText : kButtonText;
    // The big Play word sits on the bright middle of the button: its outline goes deeper,
    // so that it stands off the orange face as well as off the letters.
    st.Outline = Darker(base, play ? 0.8 : 0.6);
    st.OutlineWidth = std::max(1.5, st.Size / 10);
    DrawText(cr, s.Label, w / 2, h / 2 - 1, st);
    if (play && !disabled) {
      Sparkle(cr, w - 22, 16, 10, kTwinkle);
      Sparkle(cr, 20, h - 20, 7, kTwinkle);
    }
  });
}

void PaintLink(TCanvas& c, const TAssetSpec& s) {
  const TColor kUnderline{1, 0.95, 0.7};
  cairo_t* cr = c.Cr();
  TTextStyle st;
  st.Size = FitTextSize(cr, s.Label, s.Width() - 8, 17);
  st.Fill = kPaleTwinkle;
  st.Outline = kBrownOutline;
  st.OutlineWidth = 2;
  DrawText(cr, s.Label, s.Width() / 2.0, s.Height() / 2.0 - 2, st);
  double tw = TextWidth(cr, s.Label, st.Size);
  cairo_move_to(cr, (s.Width() - tw) / 2, s.Height() - 3);
  cairo_line_to(cr, (s.Width() + tw) / 2, s.Height() - 3);
  SetColor(cr, WithAlpha(kUnderline, 0.9));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

// 0 unchecked, 1 unchecked under the mouse, 2 checked, 3 checked under the mouse.
const std::vector<TCheckBoxLabel>& CheckBoxLabels() {
  static const std::vector<TCheckBoxLabel> labels = {{"CheckBoxSound", "Sound", 78},
                                                     {"CheckBoxMusic", "Music", 95},
                                                     {"CheckBoxFullscreen", "Full screen", 146},
                                                     {"CheckBoxTutorial", "Tutorial", 118}};
  return labels;
}

namespace {
// The box's side in a check box of height h, and where its label starts.
double CheckSide(double h) { return h - 10; }
double LabelLeft(double h) { return CheckSide(h) + 6; }

// The options window shows its check boxes together, so they share one label size: the
// largest at which every label fits its box.
double CheckLabelSize(cairo_t* cr, double h) {
  double size = 17;
  for (const TCheckBoxLabel& l : CheckBoxLabels())
    size = std::min(size, FitTextSize(cr, l.Text, l.Width - LabelLeft(h) - 2, 17));
  return size;
}
}  // namespace

void PaintCheckBox(TCanvas& c, const TAssetSpec& s) {
  const TColor kHoverWash{1, 0.9, 0.5};
  const TColor kBox = Hex(0xf2e4c4);
  const TColor kHoveredBox = Hex(0xfff6dc);
  const TColor kTick{0.2, 0.55, 0.15};
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    bool checked = p >= 2, hover = p % 2 == 1;
    if (hover) {
      RoundedRect(cr, 1, 1, w - 2, h - 2, 8);
      SetColor(cr, WithAlpha(kHoverWash, 0.35));
      cairo_fill(cr);
    }
    double b = CheckSide(h);
    RoundedRect(cr, 3, 5, b, b, 5);
    FillGlossy(cr, 3, 5, 3 + b, 5 + b, hover ? kHoveredBox : kBox, 2);
    if (checked) {
      cairo_move_to(cr, 7, h / 2);
      cairo_line_to(cr, 3 + b * 0.42, h - 8);
      cairo_line_to(cr, 3 + b + 3, 3);
      SetColor(cr, kTick);
      cairo_set_line_width(cr, 4);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      cairo_stroke(cr);
    }
    cairo_save(cr);
    double size = CheckLabelSize(cr, h);
    UseDisplayFont(cr, size, true);
    SetColor(cr, kInk);
    cairo_move_to(cr, LabelLeft(h), h / 2 + size * 0.36);
    cairo_show_text(cr, s.Label.c_str());
    cairo_restore(cr);
  });
}

void PaintVolumeButton(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TColor base = p == 0 ? kNavigateBlue : Greyed(kNavigateBlue);
    cairo_arc(cr, w / 2, h / 2, w / 2 - 2, 0, 2 * kPi);
    FillGlossy(cr, 2, 2, w - 2, h - 2, base, 2);
    SetColor(cr, kWhite);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, w * 0.3, h / 2);
    cairo_line_to(cr, w * 0.7, h / 2);
    if (s.Label == "+") {
      cairo_move_to(cr, w / 2, h * 0.3);
      cairo_line_to(cr, w / 2, h * 0.7);
    }
    cairo_stroke(cr);
  });
}

// Windows: parchment inside a wooden frame, with the wells of their kind.
void PaintWindow(TCanvas& c, const TAssetSpec& s, TWindowKind kind) {
  const TColor kTitleBand{0.85, 0.6, 0.3};
  const TColor kWellFill{0.55, 0.35, 0.15};
  const TColor kWellEdge{0.5, 0.3, 0.12};
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  WoodFrame(cr, 4, 4, w - 12, h - 12, 26, 14);
  ParchmentPanel(cr, 16, 16, w - 36, h - 36, 16, HashName(s.Name));
  // Title band.
  RoundedRect(cr, 40, 16, w - 80, 26, 10);
  SetColor(cr, WithAlpha(kTitleBand, 0.25));
  cairo_fill(cr);
  if (kind == TWindowKind::StageResult) {
    // Its title, captions and numbers all in the game's font, the numbers' size for the rows
    // and the size the game writes window titles at for the title.
    const double kTitleScale = 0.78;
    DrawFontLine(cr, s.Label, (w - FontLineWidth(s.Label, kTitleScale)) / 2, 29, kTitleScale);
  } else if (!s.Label.empty()) {
    TTextStyle st;
    st.Size = 20;
    st.OutlineWidth = 2;
    st.Outline = kOutline;
    DrawText(cr, s.Label, w / 2, 29, st);
  }
  auto inset = [&](double x, double y, double iw, double ih) {
    RoundedRect(cr, x, y, iw, ih, 10);
    SetColor(cr, WithAlpha(kWellFill, 0.15));
    cairo_fill_preserve(cr);
    SetColor(cr, WithAlpha(kWellEdge, 0.5));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  };
  switch (kind) {
    case TWindowKind::PlayerList:  // the six names
      inset(50, 62, w - 100, 260);
      break;
    case TWindowKind::AddName:  // the name input (327 wide)
      inset(78, 94, 348, 40);
      break;
    case TWindowKind::Options:
      inset(30, 56, w - 60, 40);
      inset(30, 102, w - 60, 40);
      break;
    case TWindowKind::StageResult: {
      // The captions of the counted rows, where the game writes their numbers; the medal
      // lands below them, beside the OK button.
      inset(40, 62, w - 80, 194);
      const char* captions[TResultStats::RowCount] = {"Time", "Level score", "Gold medal bonus",
                                                      "Combos and extras"};
      for (int i = 0; i < TResultStats::RowCount; ++i)
        DrawFontLine(cr, captions[i], TResultStats::CaptionOffsetX,
                     TResultStats::WindowOffsetY + i * TResultStats::LineSpacing,
                     TResultStats::TextScale);
      break;
    }
    case TWindowKind::Plain:
      break;
  }
  Sparkle(cr, 30, 30, 8, kPaleTwinkle);
  Sparkle(cr, w - 34, h - 34, 8, kPaleTwinkle);
}

// The player list draws the picture 10 pixels above a row and the name's middle 22 below
// it: the bar is centred on the picture's line 32, behind the name.
void PaintSelectionBar(TCanvas& c, const TAssetSpec& s) {
  const TColor kSelection{1, 0.85, 0.35};
  const TColor kSelectionEnds{1, 0.8, 0.3};
  const double kBarHeight = 36;
  cairo_t* cr = c.Cr();
  RoundedRect(cr, 2, s.Height() / 2.0 - kBarHeight / 2, s.Width() - 4, kBarHeight, 14);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, s.Width(), 0);
  AddStop(g, 0, WithAlpha(kSelectionEnds, 0.2));
  AddStop(g, 0.5, WithAlpha(kSelection, 0.9));
  AddStop(g, 1, WithAlpha(kSelectionEnds, 0.2));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void PaintSeparator(TCanvas& c, const TAssetSpec& s) {
  const TColor kSeparator{0.55, 0.3, 0.1};
  cairo_t* cr = c.Cr();
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, s.Width(), 0);
  AddStop(g, 0, WithAlpha(kSeparator, 0));
  AddStop(g, 0.5, WithAlpha(kSeparator, 0.8));
  AddStop(g, 1, WithAlpha(kSeparator, 0));
  cairo_set_source(cr, g);
  // Drawn at a row's text centre, so the line sits half a row lower, between two rows.
  cairo_rectangle(cr, 0, s.Height() - 4, s.Width(), 2);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// The loading bar's frame; the fill goes at (22, 22) and its glass at (23, 22).
void PaintLoadingBarBG(TCanvas& c, const TAssetSpec& s) {
  const TColor kGroove{0.25, 0.14, 0.08};
  cairo_t* cr = c.Cr();
  WoodFrame(cr, 4, 6, s.Width() - 8, s.Height() - 10, 28, 9);
  RoundedRect(cr, 20, 20, 280, 26, 12);
  SetColor(cr, kGroove);
  cairo_fill(cr);
}

void PaintBarFill(TCanvas& c, const TAssetSpec& s, TColor colour) {
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  cairo_rectangle(cr, 0, 0, w, h);
  FillGlossy(cr, 0, 0, w, h, colour, 0);
  for (double x = -h; x < w; x += 18) {
    cairo_move_to(cr, x, h);
    cairo_line_to(cr, x + h, 0);
    cairo_line_to(cr, x + h + 7, 0);
    cairo_line_to(cr, x + 7, h);
    cairo_close_path(cr);
  }
  SetColor(cr, WithAlpha(kWhite, 0.18));
  cairo_fill(cr);
}

void PaintBarGlass(TCanvas& c, const TAssetSpec& s) {
  const TColor kGlassRim{0.3, 0.18, 0.08};
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, h / 2);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  AddStop(g, 0, WithAlpha(kWhite, 0.6));
  AddStop(g, 0.45, WithAlpha(kWhite, 0.12));
  AddStop(g, 1, WithAlpha(kWhite, 0.0));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColor(cr, WithAlpha(kGlassRim, 0.6));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// Pattern 0 while loading, pattern 1 once everything is loaded.
void PaintLoadingBarText(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double w, double h) {
    TTextStyle st;
    st.Size = 16;
    st.OutlineWidth = 3;  // as thick as the game font's, so the words hold on the bright fill
    st.Outline = kDarkOutline;
    // Drawn at (93, 23) on the bar, whose groove is centred 160 pixels in.
    DrawText(cr, p == 0 ? "Loading..." : "Click to play!", 67, h / 2, st);
  });
}

// Upper half: disabled (grey); lower half: enabled (green).
void PaintVolumeFill(TCanvas& c, const TAssetSpec& s) {
  const TColor kVolumeOff = Hex(0xa8a090);
  const TColor kVolumeOn = Hex(0x6ac84a);
  cairo_t* cr = c.Cr();
  double w = s.Width(), hh = s.Height() / 2.0;
  for (int half = 0; half < 2; ++half) {
    cairo_save(cr);
    cairo_translate(cr, 0, half * hh);
    cairo_rectangle(cr, 0, 0, w, hh);
    FillGlossy(cr, 0, 0, w, hh, half == 0 ? kVolumeOff : kVolumeOn, 0);
    cairo_restore(cr);
  }
}

// The menu panel; buttons sit at (67, 81) for Play and x 86, y 267/331/394/473.
void PaintMenuPanel(TCanvas& c, const TAssetSpec& s) {
  const TColor kRope{0.5, 0.35, 0.2};
  const TColor kVine{0.35, 0.55, 0.2};
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  WoodFrame(cr, 14, 30, w - 10, h - 20, 34, 14);
  ParchmentPanel(cr, 30, 46, w - 40, h - 50, 22, 7);
  // Hanging ropes (the logo swings above).
  for (int i = 0; i < 2; ++i) {
    cairo_move_to(cr, 90 + i * 180, 0);
    cairo_line_to(cr, 90 + i * 180, 40);
    SetColor(cr, kRope);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
  }
  // A leafy divider between Play and the other buttons.
  cairo_move_to(cr, 80, 250);
  cairo_curve_to(cr, 140, 238, 220, 262, 290, 250);
  SetColor(cr, WithAlpha(kVine, 0.8));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

// Welcome panel: the greeting at (28, 37) and the change-player link at (25, 58).
void PaintWelcomePanel(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, w - 10, 0);
  cairo_curve_to(cr, w + 4, 30, w - 20, h - 6, w - 50, h - 4);
  cairo_line_to(cr, 0, h - 4);
  cairo_close_path(cr);
  PathShadow(cr, 2, 4, 0.35);
  FillGlossy(cr, 0, 0, w, h, kWood, 3);
  cairo_move_to(cr, 8, 8);
  cairo_line_to(cr, w - 22, 8);
  cairo_curve_to(cr, w - 10, 32, w - 28, h - 14, w - 56, h - 12);
  cairo_line_to(cr, 8, h - 12);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(kPanelGleam, 0.35));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void PaintBanner(TCanvas& c, const TAssetSpec& s) {
  const TColor kBannerBlue = Hex(0x6a8fd0);
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  RoundedRect(cr, 2, 2, w - 4, h - 4, h / 2 - 2);
  FillGlossy(cr, 2, 2, w - 2, h - 2, kBannerBlue, 2);
  TTextStyle st;
  st.Size = FitTextSize(cr, s.Label, w - 20, 16);
  st.OutlineWidth = 2;
  st.Outline = kNavyOutline;
  DrawText(cr, s.Label, w / 2, h / 2, st);
}

// Map corner panels; the Menu button sits at (44, 30), Play at (37, 30).
void PaintCornerPanel(TCanvas& c, const TAssetSpec& s, TCornerSide side) {
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  bool right = side == TCornerSide::Right;
  cairo_save(cr);
  if (right) {
    cairo_translate(cr, w, 0);
    cairo_scale(cr, -1, 1);
  }
  cairo_move_to(cr, 0, 10);
  cairo_curve_to(cr, 60, 0, w - 40, 4, w - 6, 40);
  cairo_line_to(cr, w - 6, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  PathShadow(cr, 2, 3, 0.35);
  FillGlossy(cr, 0, 0, w, h, kWood, 3);
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 12 + i * 30, 12 - (i % 2) * 4);
    cairo_rotate(cr, -0.4 + i * 0.25);
    Ellipse(cr, 0, 0, 14, 6);
    FillGlossy(cr, -14, -6, 14, 6, kLeafGreen, 1.5);
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

}  // namespace assetgen
