// The heroine, Wynnet: a young cook-witch with copper hair and a green hat. Every picture
// of her comes from one drawing, so the blink strips repeat exactly the face they cover;
// her wand, the hand in front of it and the waving forearm are pictures of their own.
#include <algorithm>
#include <cmath>

#include "Painters.h"

namespace assetgen {

namespace {
const double kPi = M_PI;

struct TBox {
  double X, Y, Width, Height;
};

// Her own drawing is life-size as the menu shows her; the menu's blink strip covers kEyes.
constexpr TBox kEyes{359, 162, 104, 40};
// "CharScoringBody" shows her at kWavingScale from (kWavingX, kWavingY), with the eyes
// drawn into the box its own blink strip covers.
constexpr double kWavingX = -120.6, kWavingY = -61, kWavingScale = 0.78;
constexpr TBox kWavingEyes{160, 66, 80, 30};

const TBox& EyesBox(THeroinePose pose) {
  return pose == THeroinePose::HoldingWand ? kEyes : kWavingEyes;
}

// Her figure without the eyes, life-size as the menu shows her; in the waving pose the
// arm is drawn with the smaller figure.
void DrawFigure(cairo_t* cr, THeroinePose pose) {
  // Dress.
  cairo_move_to(cr, 352, 262);
  cairo_curve_to(cr, 300, 420, 270, 600, 250, 768);
  cairo_line_to(cr, 580, 768);
  cairo_curve_to(cr, 555, 600, 520, 420, 468, 262);
  cairo_close_path(cr);
  FillGlossy(cr, 250, 262, 580, 768, kDress, 3);
  // Apron.
  cairo_move_to(cr, 372, 330);
  cairo_curve_to(cr, 350, 470, 340, 600, 335, 768);
  cairo_line_to(cr, 495, 768);
  cairo_curve_to(cr, 490, 600, 470, 470, 448, 330);
  cairo_close_path(cr);
  FillGlossy(cr, 335, 330, 495, 768, kCream, 2.5);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, 410, 420 + i * 60, 6, 0, 2 * kPi);
    FillGlossy(cr, 404, 414 + i * 60, 416, 426 + i * 60, kHoney, 1.5);
  }
  // Belt.
  cairo_move_to(cr, 338, 352);
  cairo_curve_to(cr, 380, 366, 440, 366, 482, 352);
  cairo_line_to(cr, 486, 372);
  cairo_curve_to(cr, 440, 386, 380, 386, 334, 372);
  cairo_close_path(cr);
  FillGlossy(cr, 334, 352, 486, 386, kWood, 2);
  RoundedRect(cr, 398, 358, 24, 22, 4);
  FillGlossy(cr, 398, 358, 422, 380, kGold, 1.5);
  // Arm toward the wand hand at about (640, 505).
  if (pose == THeroinePose::HoldingWand) {
    cairo_move_to(cr, 455, 280);
    cairo_curve_to(cr, 520, 330, 560, 420, 620, 480);
    cairo_line_to(cr, 600, 515);
    cairo_curve_to(cr, 540, 455, 480, 380, 430, 320);
    cairo_close_path(cr);
    FillGlossy(cr, 430, 280, 620, 515, kSleeve, 2.5);
  }
  // Hair behind the head and two locks over the shoulders.
  Ellipse(cr, 410, 172, 84, 64);
  FillGlossy(cr, 326, 108, 494, 236, kHair, 3);
  for (int side = -1; side <= 1; side += 2) {
    double x = 410 + side * 66;
    cairo_move_to(cr, x - 18, 170);
    cairo_curve_to(cr, x - 24, 230, x - 20 + side * 6, 290, x + side * 4, 318);
    cairo_curve_to(cr, x + 14, 300, x + 20, 230, x + 18, 170);
    cairo_close_path(cr);
    FillGlossy(cr, x - 24, 170, x + 20, 318, kHair, 3);
  }
  // Neck, collar and face.
  RoundedRect(cr, 392, 236, 36, 34, 10);
  FillGlossy(cr, 392, 236, 428, 270, kNeck, 2);
  cairo_move_to(cr, 372, 262);
  cairo_curve_to(cr, 390, 290, 430, 290, 448, 262);
  cairo_curve_to(cr, 430, 276, 390, 276, 372, 262);
  cairo_close_path(cr);
  FillGlossy(cr, 372, 262, 448, 290, kCream, 2);
  Ellipse(cr, 411, 190, 64, 66);
  FillGlossy(cr, 347, 124, 475, 256, kSkin, 2.5);
  // Fringe.
  cairo_move_to(cr, 348, 180);
  cairo_curve_to(cr, 350, 120, 470, 110, 476, 178);
  cairo_curve_to(cr, 455, 150, 430, 145, 412, 158);
  cairo_curve_to(cr, 392, 145, 365, 150, 348, 180);
  cairo_close_path(cr);
  FillGlossy(cr, 348, 120, 476, 180, kFringe, 2.5);
  // Cheeks and smile.
  RadialGlow(cr, 370, 212, 16, WithAlpha(kBlush, 0.55));
  RadialGlow(cr, 452, 212, 16, WithAlpha(kBlush, 0.55));
  cairo_arc(cr, 411, 214, 14, 0.25 * kPi, 0.75 * kPi);
  SetColor(cr, kMouth);
  cairo_set_line_width(cr, 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  // Hat: a soft crown whose tip flops over to her right. It stays below y 84, so the
  // result screen's smaller copy (which starts at y 78 of this drawing) keeps all of it.
  cairo_move_to(cr, 318, 140);
  cairo_curve_to(cr, 360, 120, 460, 118, 505, 140);
  cairo_curve_to(cr, 470, 155, 350, 155, 318, 140);
  cairo_close_path(cr);
  FillGlossy(cr, 318, 118, 505, 155, kHat, 2.5);
  cairo_move_to(cr, 358, 134);
  cairo_curve_to(cr, 362, 118, 372, 106, 386, 104);
  cairo_curve_to(cr, 364, 104, 342, 110, 322, 124);
  cairo_curve_to(cr, 338, 96, 372, 84, 414, 86);
  cairo_curve_to(cr, 446, 88, 462, 108, 464, 132);
  cairo_close_path(cr);
  FillGlossy(cr, 322, 84, 464, 134, kHatCrown, 2.5);
  // The fold where the tip bends over.
  cairo_move_to(cr, 386, 104);
  cairo_curve_to(cr, 396, 98, 410, 96, 424, 98);
  SetColor(cr, WithAlpha(kHatFold, 0.6));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, 360, 128);
  cairo_curve_to(cr, 400, 118, 440, 118, 464, 126);
  SetColor(cr, kHatBand);
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
  Sparkle(cr, 324, 122, 11, kGlow);
}

// Eyes in a box the size of kEyes.
void DrawEyes(cairo_t* cr, double ox, double oy, THeroineEyes eyes) {
  const int state = static_cast<int>(eyes);
  for (int e = -1; e <= 1; e += 2) {
    double cx = ox + kEyes.Width / 2 + e * 24, cy = oy + kEyes.Height / 2;
    if (state == 3) {  // smiling, eyes closed upward
      cairo_arc(cr, cx, cy + 6, 10, 1.15 * kPi, 1.85 * kPi);
      SetColor(cr, kEyeLine);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      continue;
    }
    if (state == 2) {
      cairo_arc(cr, cx, cy - 2, 10, 0.15 * kPi, 0.85 * kPi);
      SetColor(cr, kEyeLine);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      continue;
    }
    double ry = state == 1 ? 6 : 13;
    Ellipse(cr, cx, cy, 10, ry);
    SetColor(cr, kWhite);
    cairo_fill_preserve(cr);
    SetColor(cr, kEyeLine);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_save(cr);
    Ellipse(cr, cx, cy, 10, ry);
    cairo_clip(cr);
    cairo_arc(cr, cx + 1, cy + 2, 7, 0, 2 * kPi);
    SetColor(cr, kIris);
    cairo_fill(cr);
    cairo_arc(cr, cx + 1, cy + 2, 3.5, 0, 2 * kPi);
    SetColor(cr, kPupil);
    cairo_fill(cr);
    cairo_arc(cr, cx - 2, cy - 2, 2.5, 0, 2 * kPi);
    SetColor(cr, kWhite);
    cairo_fill(cr);
    cairo_restore(cr);
    if (state == 1) {
      cairo_move_to(cr, cx - 11, cy - 5);
      cairo_line_to(cr, cx + 11, cy - 5);
      SetColor(cr, kEyeLine);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
    }
  }
}

}  // namespace

void DrawHeroine(cairo_t* cr, THeroinePose pose, THeroineEyes eyes) {
  if (pose == THeroinePose::HoldingWand) {
    DrawFigure(cr, pose);
    DrawEyes(cr, kEyes.X, kEyes.Y, eyes);
    return;
  }
  cairo_save(cr);
  cairo_translate(cr, kWavingX, kWavingY);
  cairo_scale(cr, kWavingScale, kWavingScale);
  DrawFigure(cr, pose);
  cairo_restore(cr);
  // Upper arm from the shoulder out to the elbow.
  cairo_move_to(cr, 232, 150);
  cairo_curve_to(cr, 270, 180, 310, 240, 340, 282);
  cairo_line_to(cr, 318, 306);
  cairo_curve_to(cr, 290, 270, 250, 220, 214, 190);
  cairo_close_path(cr);
  FillGlossy(cr, 214, 150, 340, 306, kSleeve, 2.5);
  cairo_save(cr);
  cairo_translate(cr, kWavingEyes.X, kWavingEyes.Y);
  cairo_scale(cr, kWavingEyes.Width / kEyes.Width, kWavingEyes.Height / kEyes.Height);
  DrawEyes(cr, 0, 0, eyes);
  cairo_restore(cr);
}

// Blink strips: open, half closed, closed (and smiling for the result screen). Each
// pattern repeats the face behind the eyes exactly as the picture under it has it, so
// a closed eye hides the open one without a visible patch.
void PaintCharEyes(TCanvas& c, const TAssetSpec& s, THeroinePose pose) {
  const TBox& eyes = EyesBox(pose);
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double, double) {
    cairo_save(cr);
    cairo_translate(cr, -eyes.X, -eyes.Y);
    DrawHeroine(cr, pose, static_cast<THeroineEyes>(std::min(p, 3)));
    cairo_restore(cr);
  });
}

// The wand, held at its lower end; the star tip is near the picture's top right.
void PaintCharWand(TCanvas& c, const TAssetSpec&) {
  cairo_t* cr = c.Cr();
  cairo_move_to(cr, 30, 440);
  cairo_line_to(cr, 212, 58);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 14);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_move_to(cr, 30, 440);
  cairo_line_to(cr, 212, 58);
  SetColor(cr, kWandWood);
  cairo_set_line_width(cr, 9);
  cairo_stroke(cr);
  RadialGlow(cr, 214, 40, 36, WithAlpha(kGlow, 0.9));
  StarPath(cr, 214, 40, 24, 10, 5);
  FillGlossy(cr, 190, 16, 238, 64, kStarGold, 2.5);
}

// The hand in front of the wand (menu): a sleeve cuff and a small fist closed around
// the wand, which passes at about x 46 at mid-height. Also the result screen's stand-in hand.
void PaintCharWandCover(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  double k = std::min(w / 120, h / 104);
  cairo_scale(cr, k, k);
  cairo_move_to(cr, 2, 20);
  cairo_curve_to(cr, 20, 8, 34, 14, 40, 30);
  cairo_line_to(cr, 26, 70);
  cairo_curve_to(cr, 16, 66, 6, 52, 2, 20);
  cairo_close_path(cr);
  FillGlossy(cr, 2, 8, 40, 70, kSleeve, 2.5);
  Ellipse(cr, 50, 52, 24, 20);
  FillGlossy(cr, 26, 32, 74, 72, kSkin, 2.5);
  for (int i = 0; i < 3; ++i) {
    Ellipse(cr, 62, 40 + i * 11, 10, 6);
    FillGlossy(cr, 52, 34 + i * 11, 72, 46 + i * 11, kSkinShade, 1.5);
  }
}

// The heroine on the result screen: body at (119, 151), eyes at (+160, +66), the waving
// forearm at (+273, +48) rising from the elbow, and the elbow's puff at (+300, +269).
void PaintScoringBody(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  cairo_push_group(cr);
  DrawHeroine(cr, THeroinePose::Waving, THeroineEyes::Open);
  cairo_pop_group_to_source(cr);
  // The figure fades out at the bottom instead of ending in a hard line.
  double h = s.Height();
  cairo_pattern_t* fade = cairo_pattern_create_linear(0, h - 90, 0, h);
  AddStop(fade, 0, kBlack);
  AddStop(fade, 1, WithAlpha(kBlack, 0));
  cairo_mask(cr, fade);
  cairo_pattern_destroy(fade);
}

// The forearm, raised from the elbow (bottom) to the waving palm (top).
void PaintScoringHand(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  cairo_move_to(cr, 30, h - 4);
  cairo_curve_to(cr, 30, h * 0.6, 32, h * 0.45, 34, 70);
  cairo_line_to(cr, 60, 70);
  cairo_curve_to(cr, 62, h * 0.45, 64, h * 0.6, 62, h - 4);
  cairo_close_path(cr);
  FillGlossy(cr, 30, 70, 64, h - 4, kSleeve, 2.5);
  RoundedRect(cr, 28, 64, 38, 14, 6);
  FillGlossy(cr, 28, 64, 66, 78, kCream, 2);
  Ellipse(cr, 47, 48, 19, 17);
  FillGlossy(cr, 28, 31, 66, 65, kSkin, 2);
  for (int i = 0; i < 4; ++i) {
    double fx = 30 + i * 9;
    RoundedRect(cr, fx, 8 + std::abs(i - 1.5) * 4, 8, 30, 4);
    FillGlossy(cr, fx, 8, fx + 8, 38, kSkin, 1.5);
  }
  cairo_save(cr);
  cairo_translate(cr, 24, 50);
  cairo_rotate(cr, -0.7);
  Ellipse(cr, 0, 0, 11, 6);
  FillGlossy(cr, -11, -6, 11, 6, kSkin, 1.5);
  cairo_restore(cr);
  (void)w;
}

void PaintScoringShoulder(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  double w = s.Width(), h = s.Height();
  Ellipse(cr, w / 2, h / 2, w / 2 - 2, h / 2 - 2);
  FillGlossy(cr, 2, 2, w - 2, h - 2, kDress, 2.5);
  cairo_arc(cr, w / 2, h / 2, h * 0.22, 0.1 * kPi, 0.9 * kPi);
  SetColor(cr, WithAlpha(kSleeveCrease, 0.5));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

}  // namespace assetgen
