// Pellow, the island kitchens' cook, and the hint fairy of the practice window.
//
// The small cook ("PracticeChar", 70 x 149 per pattern) is seen from the side, facing the
// stove on his right; his waist is where the stove's back edge hides him. Pattern 0 is his
// body, pattern 1 his near arm with the ladle (the game turns it about the shoulder at
// (37, 35)), pattern 2 the whisk in his other hand (turned about that hand at (36, 132)).
//
// The large cook presents the dish from behind a laid table: "DishCharBody" at (243, 21) of
// the practice window, its blink strip "DishCharEyes" at (475, 107) and the raised forearm
// "DishCharHand" at (695, 87) all come from one drawing in the window's coordinates.
#include <cmath>

#include "Painters.h"

namespace assetgen {

namespace {
const double kPi = M_PI;

const TColor kJacket = Hex(0xf2ece0);
const TColor kApron = Hex(0x6a9ad8);
const TColor kScarf = Hex(0xd84a3a);
const TColor kMoustache = Hex(0x7a4a24);
const TColor kToque = Hex(0xffffff);
const TColor kLadle = Hex(0xb8bcc8);
const TColor kCloth = Hex(0xfff6e8);
const TColor kClothHem = Hex(0xd84a3a);


void Limb(cairo_t* cr, const TColor& c, double width) { StrokeOutlined(cr, c, width, 3, 0.6); }

void Toque(cairo_t* cr, double cx, double band, double width, double height) {
  const double half = width / 2;
  cairo_move_to(cr, cx - half * 0.8, band);
  cairo_curve_to(cr, cx - half * 1.25, band - height * 0.6, cx - half * 0.7, band - height * 1.1,
                 cx - half * 0.2, band - height * 0.85);
  cairo_curve_to(cr, cx, band - height * 1.15, cx + half * 0.5, band - height * 1.1,
                 cx + half * 0.45, band - height * 0.8);
  cairo_curve_to(cr, cx + half * 1.2, band - height * 0.9, cx + half * 1.3, band - height * 0.3,
                 cx + half * 0.8, band);
  cairo_close_path(cr);
  FillGlossy(cr, cx - half * 1.3, band - height * 1.15, cx + half * 1.3, band, kToque, 2);
  RoundedRect(cr, cx - half * 0.85, band - height * 0.22, half * 1.7, height * 0.3, 3);
  FillGlossy(cr, cx - half * 0.85, band - height * 0.22, cx + half * 0.85, band + height * 0.08,
             Hex(0xeeeae0), 1.5);
}

// ---- The small cook --------------------------------------------------------------------

void SmallCookBody(cairo_t* cr) {
  // Jacket: a round back, a big belly in front, cut flat at the bottom.
  cairo_move_to(cr, 28, 36);
  cairo_curve_to(cr, 14, 40, 6, 70, 6, 149);
  cairo_line_to(cr, 58, 149);
  cairo_curve_to(cr, 68, 120, 68, 84, 54, 58);
  cairo_curve_to(cr, 50, 48, 46, 40, 40, 37);
  cairo_close_path(cr);
  FillGlossy(cr, 6, 36, 66, 149, kJacket, 2);
  // Apron over the belly, tied behind.
  cairo_move_to(cr, 40, 62);
  cairo_curve_to(cr, 58, 66, 66, 100, 59, 149);
  cairo_line_to(cr, 32, 149);
  cairo_curve_to(cr, 30, 120, 32, 84, 40, 62);
  cairo_close_path(cr);
  FillGlossy(cr, 30, 62, 66, 149, kApron, 2);
  cairo_move_to(cr, 33, 104);
  cairo_curve_to(cr, 24, 104, 16, 102, 8, 100);
  StrokeRound(cr, Darker(kApron, 0.2), 3);
  // The far arm comes round the belly; its hand holds the whisk at (36, 132).
  cairo_move_to(cr, 22, 60);
  cairo_curve_to(cr, 14, 90, 18, 124, 34, 132);
  Limb(cr, kJacket, 9);
  cairo_arc(cr, 36, 132, 5.5, 0, 2 * kPi);
  FillGlossy(cr, 30, 126, 42, 138, kSkin, 1.5);
  // Neckerchief.
  cairo_move_to(cr, 26, 36);
  cairo_curve_to(cr, 34, 44, 44, 44, 50, 36);
  cairo_line_to(cr, 52, 46);
  cairo_line_to(cr, 44, 48);
  cairo_curve_to(cr, 36, 50, 30, 46, 26, 42);
  cairo_close_path(cr);
  FillGlossy(cr, 26, 36, 52, 50, kScarf, 1.5);
  // Head in profile: round, a button nose, a curly moustache, a closed happy eye.
  cairo_arc(cr, 38, 24, 14, 0, 2 * kPi);
  FillGlossy(cr, 24, 10, 52, 38, kSkin, 2);
  cairo_arc(cr, 52, 25, 4.5, 0, 2 * kPi);
  FillGlossy(cr, 47, 20, 57, 30, kSkinShade, 1.5);
  cairo_arc(cr, 29, 25, 3.5, 0, 2 * kPi);
  FillGlossy(cr, 25, 21, 33, 29, kSkinShade, 1.2);
  RadialGlow(cr, 44, 30, 5, WithAlpha(kBlush, 0.6));
  cairo_move_to(cr, 43, 20);
  cairo_curve_to(cr, 44, 17.5, 47, 17.5, 48, 20);
  StrokeRound(cr, kEyeLine, 1.8);
  cairo_move_to(cr, 55, 30);
  cairo_curve_to(cr, 52, 28, 46, 29, 44, 33);
  cairo_curve_to(cr, 47, 31, 50, 33, 53, 34);
  cairo_curve_to(cr, 58, 35, 60, 31, 58, 29);
  cairo_close_path(cr);
  FillGlossy(cr, 44, 28, 60, 35, kMoustache, 1.2);
  Toque(cr, 37, 14, 28, 14);
}

void SmallCookArm(cairo_t* cr) {
  // Sleeve from the shoulder forward to the hand, the ladle hanging from the hand.
  cairo_move_to(cr, 60, 58);
  cairo_line_to(cr, 68, 88);
  StrokeRound(cr, Darker(kLadle, 0.5), 4.5);
  cairo_move_to(cr, 60, 58);
  cairo_line_to(cr, 68, 88);
  StrokeRound(cr, kLadle, 2.5);
  Ellipse(cr, 66, 91, 4, 3);
  FillGlossy(cr, 62, 88, 70, 94, kLadle, 1.2);
  cairo_move_to(cr, 37, 38);
  cairo_curve_to(cr, 42, 48, 50, 56, 58, 58);
  Limb(cr, kJacket, 11);
  cairo_arc(cr, 59, 59, 5.5, 0, 2 * kPi);
  FillGlossy(cr, 53, 53, 65, 65, kSkin, 1.5);
}

void SmallCookWhisk(cairo_t* cr) {
  // Handle in the hand at (36, 132), the wire loops above it.
  cairo_move_to(cr, 36, 138);
  cairo_line_to(cr, 34, 116);
  StrokeRound(cr, Darker(kLightWood, 0.5), 5);
  cairo_move_to(cr, 36, 138);
  cairo_line_to(cr, 34, 116);
  StrokeRound(cr, kLightWood, 3);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, 34, 116);
    cairo_curve_to(cr, 34 + i * 12 - 2, 104, 34 + i * 8 - 2, 88, 33, 86);
    cairo_curve_to(cr, 34 - i * 8 - 2, 88, 34 - i * 12 - 2, 104, 34, 116);
    StrokeRound(cr, Darker(kLadle, 0.3), 1.6);
  }
}

// ---- The large cook and his table, in practice-window coordinates ---------------------

enum class TLids { Open, Half, Closed };

void BigCookEyes(cairo_t* cr, TLids lids) {
  for (double x : {490.0, 520.0}) {
    const double y = 118;
    if (lids == TLids::Closed) {
      cairo_move_to(cr, x - 8, y);
      cairo_curve_to(cr, x - 4, y + 5, x + 4, y + 5, x + 8, y);
      StrokeRound(cr, kEyeLine, 2.5);
      continue;
    }
    Ellipse(cr, x, y, 7, lids == TLids::Half ? 4 : 8.5);
    SetColor(cr, kWhite);
    cairo_fill_preserve(cr);
    SetColor(cr, kEyeLine);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    cairo_save(cr);
    Ellipse(cr, x, y, 7, lids == TLids::Half ? 4 : 8.5);
    cairo_clip(cr);
    cairo_arc(cr, x + 1, y + 1, 4.5, 0, 2 * kPi);
    SetColor(cr, Hex(0x5a3a20));
    cairo_fill(cr);
    cairo_arc(cr, x + 1, y + 1, 2.2, 0, 2 * kPi);
    SetColor(cr, kPupil);
    cairo_fill(cr);
    cairo_arc(cr, x - 1, y - 2, 1.5, 0, 2 * kPi);
    SetColor(cr, kWhite);
    cairo_fill(cr);
    cairo_restore(cr);
    if (lids == TLids::Half) {
      cairo_move_to(cr, x - 8, y - 3);
      cairo_line_to(cr, x + 8, y - 3);
      StrokeRound(cr, kEyeLine, 2.2);
    }
  }
}

void BigCookHead(cairo_t* cr, TLids lids) {
  // Ears, face, cheeks, nose, the grand moustache and a wide smile.
  for (double x : {445.0, 565.0}) {
    cairo_arc(cr, x, 128, 11, 0, 2 * kPi);
    FillGlossy(cr, x - 11, 117, x + 11, 139, kSkinShade, 2);
  }
  Ellipse(cr, 505, 124, 60, 58);
  FillGlossy(cr, 445, 66, 565, 182, kSkin, 2.5);
  RadialGlow(cr, 468, 142, 15, WithAlpha(kBlush, 0.55));
  RadialGlow(cr, 542, 142, 15, WithAlpha(kBlush, 0.55));
  for (double x : {490.0, 520.0}) {
    cairo_move_to(cr, x - 9, 103);
    cairo_curve_to(cr, x - 4, 99, x + 4, 99, x + 9, 103);
    StrokeRound(cr, kMoustache, 3);
  }
  BigCookEyes(cr, lids);
  cairo_arc(cr, 505, 138, 9, 0, 2 * kPi);
  FillGlossy(cr, 496, 129, 514, 147, kSkinShade, 1.8);
  cairo_move_to(cr, 505, 150);
  cairo_curve_to(cr, 490, 142, 470, 146, 462, 156);
  cairo_curve_to(cr, 456, 150, 452, 158, 458, 162);
  cairo_curve_to(cr, 476, 166, 494, 160, 505, 156);
  cairo_curve_to(cr, 516, 160, 534, 166, 552, 162);
  cairo_curve_to(cr, 558, 158, 554, 150, 548, 156);
  cairo_curve_to(cr, 540, 146, 520, 142, 505, 150);
  cairo_close_path(cr);
  FillGlossy(cr, 452, 142, 558, 166, kMoustache, 2);
  cairo_move_to(cr, 488, 168);
  cairo_curve_to(cr, 496, 176, 514, 176, 522, 168);
  StrokeRound(cr, kMouth, 3);
}

void BigCookFigure(cairo_t* cr, TLids lids) {
  // Jacket from the shoulders down behind the table.
  cairo_move_to(cr, 420, 200);
  cairo_curve_to(cr, 380, 210, 360, 260, 350, 470);
  cairo_line_to(cr, 660, 470);
  cairo_curve_to(cr, 650, 260, 630, 210, 590, 200);
  cairo_close_path(cr);
  FillGlossy(cr, 350, 196, 660, 470, kJacket, 3);
  // Apron bib and its straps.
  cairo_move_to(cr, 460, 250);
  cairo_line_to(cr, 550, 250);
  cairo_curve_to(cr, 556, 330, 580, 400, 590, 470);
  cairo_line_to(cr, 420, 470);
  cairo_curve_to(cr, 430, 400, 454, 330, 460, 250);
  cairo_close_path(cr);
  FillGlossy(cr, 420, 250, 590, 470, kApron, 2.5);
  for (double x : {470.0, 540.0})
    for (double y : {226.0, 300.0}) {
      cairo_arc(cr, x, y, 5, 0, 2 * kPi);
      FillGlossy(cr, x - 5, y - 5, x + 5, y + 5, kGold, 1.2);
    }
  // The near arm rests on the table; the far one rises to the raised forearm's elbow.
  cairo_move_to(cr, 400, 220);
  cairo_curve_to(cr, 370, 300, 372, 390, 402, 452);
  Limb(cr, kJacket, 34);
  cairo_arc(cr, 408, 456, 16, 0, 2 * kPi);
  FillGlossy(cr, 392, 440, 424, 472, kSkin, 2);
  cairo_move_to(cr, 606, 222);
  cairo_curve_to(cr, 640, 226, 680, 222, 708, 214);
  Limb(cr, kJacket, 34);
  // Neckerchief and head.
  cairo_move_to(cr, 452, 186);
  cairo_curve_to(cr, 480, 212, 530, 212, 558, 186);
  cairo_line_to(cr, 566, 210);
  cairo_line_to(cr, 538, 240);
  cairo_line_to(cr, 505, 216);
  cairo_line_to(cr, 472, 240);
  cairo_line_to(cr, 444, 210);
  cairo_close_path(cr);
  FillGlossy(cr, 444, 186, 566, 240, kScarf, 2);
  BigCookHead(cr, lids);
  // A puffed cap: it stays under the window's title sign, which ends at y 66.
  cairo_move_to(cr, 450, 98);
  cairo_curve_to(cr, 436, 84, 446, 66, 466, 70);
  cairo_curve_to(cr, 474, 62, 492, 62, 500, 68);
  cairo_curve_to(cr, 510, 62, 530, 62, 538, 70);
  cairo_curve_to(cr, 560, 66, 574, 84, 560, 98);
  cairo_close_path(cr);
  FillGlossy(cr, 436, 62, 574, 98, kToque, 2.5);
  RoundedRect(cr, 452, 90, 106, 11, 5);
  FillGlossy(cr, 452, 90, 558, 101, Hex(0xeeeae0), 1.8);
  // Folds of the jacket.
  for (double x : {392.0, 612.0}) {
    cairo_move_to(cr, x, 280);
    cairo_curve_to(cr, x + (x < 500 ? 10 : -10), 340, x, 400, x + (x < 500 ? 6 : -6), 450);
    StrokeRound(cr, WithAlpha(Darker(kJacket, 0.35), 0.5), 2.5);
  }
  // The laid table in front: a cloth with a red hem, a little posy at each side.
  cairo_move_to(cr, 283, 462);
  cairo_curve_to(cr, 400, 452, 600, 452, 723, 462);
  cairo_line_to(cr, 723, 500);
  for (int i = 0; i < 11; ++i) {
    double x0 = 723 - i * 40, x1 = x0 - 40;
    cairo_curve_to(cr, x0 - 10, 512, x1 + 10, 512, x1, 500);
  }
  cairo_close_path(cr);
  FillGlossy(cr, 283, 452, 723, 511, kCloth, 2.5);
  cairo_move_to(cr, 285, 496);
  for (int i = 0; i < 11; ++i) {
    double x0 = 283 + i * 40, x1 = x0 + 40;
    cairo_curve_to(cr, x0 + 10, 508, x1 - 10, 508, x1, 496);
  }
  StrokeRound(cr, kClothHem, 4);
  for (double x : {318.0, 688.0}) {
    for (int i = 0; i < 5; ++i) {
      double a = i * 2 * kPi / 5;
      cairo_arc(cr, x + 7 * std::cos(a), 444 + 7 * std::sin(a), 5, 0, 2 * kPi);
      FillGlossy(cr, x - 14, 430, x + 14, 458, Hex(0xff9ccc), 1.2);
    }
    cairo_arc(cr, x, 444, 3.5, 0, 2 * kPi);
    SetColor(cr, kStarGold);
    cairo_fill(cr);
    RoundedRect(cr, x - 9, 452, 18, 12, 3);
    FillGlossy(cr, x - 9, 452, x + 9, 464, Hex(0xd0783a), 1.5);
  }
}
}  // namespace

namespace {
void BigCookForearm(cairo_t* cr) {
  // From the elbow up to an open hand: "here it is!"
  cairo_move_to(cr, 712, 220);
  cairo_curve_to(cr, 732, 190, 748, 164, 758, 142);
  Limb(cr, kJacket, 30);
  cairo_save(cr);
  cairo_translate(cr, 766, 118);
  cairo_rotate(cr, 0.35);
  for (int f = 0; f < 4; ++f) {
    double x = -12 + f * 8;
    RoundedRect(cr, x - 3.5, -28 + std::abs(f - 1.5) * 3, 7, 22, 3.5);
    FillGlossy(cr, x - 3.5, -28, x + 3.5, -4, kSkin, 1.5);
  }
  cairo_move_to(cr, -16, 4);
  cairo_curve_to(cr, -28, -2, -30, -12, -24, -14);
  cairo_curve_to(cr, -18, -10, -14, -6, -12, -2);
  cairo_close_path(cr);
  FillGlossy(cr, -30, -14, -12, 4, kSkin, 1.5);
  Ellipse(cr, 0, 2, 17, 15);
  FillGlossy(cr, -17, -13, 17, 17, kSkin, 2);
  cairo_restore(cr);
  // The cuff.
  cairo_save(cr);
  cairo_translate(cr, 752, 148);
  cairo_rotate(cr, -1.1);
  RoundedRect(cr, -8, -18, 16, 36, 5);
  FillGlossy(cr, -8, -18, 8, 18, Hex(0xe6e0d4), 1.8);
  cairo_restore(cr);
}

// Renders part of the big cook's drawing into a picture whose top-left is (left, top) of
// the practice window.
template <typename F>
void InWindowPlace(cairo_t* cr, double left, double top, F&& draw) {
  cairo_save(cr);
  cairo_translate(cr, -left, -top);
  draw();
  cairo_restore(cr);
}
}  // namespace

void PaintPracticeChar(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double, double) {
    if (p == 0) SmallCookBody(cr);
    else if (p == 1) SmallCookArm(cr);
    else SmallCookWhisk(cr);
  });
}

void PaintDishCharBody(TCanvas& c, const TAssetSpec&) {
  InWindowPlace(c.Cr(), 243, 21, [&] { BigCookFigure(c.Cr(), TLids::Open); });
}

// Open, half shut and shut, each over the face it covers.
void PaintDishCharEyes(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [&](cairo_t* cr, int p, double, double) {
    InWindowPlace(cr, 475, 107, [&] {
      BigCookHead(cr, p == 0 ? TLids::Open : p == 1 ? TLids::Half : TLids::Closed);
    });
  });
}

void PaintDishCharHand(TCanvas& c, const TAssetSpec&) {
  InWindowPlace(c.Cr(), 695, 87, [&] { BigCookForearm(c.Cr()); });
}

// The hint fairy: a small fairy in a leaf dress holding up her wand to the hint lamp, whose
// glow the window draws over her hand (the lamp's middle is at (65, -12) of this picture).
void PaintHintFairyBody(TCanvas& c, const TAssetSpec& s) {
  const TColor kFairyDress = Hex(0x7ccf5a);
  const TColor kFairyHair = Hex(0xf0b040);
  const TColor kWingEdge{0.5, 0.7, 0.9};
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  Ellipse(cr, 46, h - 8, 22, 5);
  SetColor(cr, WithAlpha(kGroundShadow, 0.2));
  cairo_fill(cr);
  // Wings.
  for (int side = -1; side <= 1; side += 2) {
    for (int k = 0; k < 2; ++k) {
      cairo_save(cr);
      cairo_translate(cr, 46, 62);
      cairo_rotate(cr, side * (k ? 0.9 : 0.35));
      Ellipse(cr, side * (k ? 20 : 26), k ? 10 : -8, k ? 16 : 24, k ? 10 : 14);
      SetColor(cr, WithAlpha(kAirBlue, 0.75));
      cairo_fill_preserve(cr);
      SetColor(cr, WithAlpha(kWingEdge, 0.9));
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
      cairo_restore(cr);
    }
  }
  // Legs and a leaf dress.
  for (double x : {40.0, 52.0}) {
    cairo_move_to(cr, x, 100);
    cairo_line_to(cr, x + (x < 46 ? -3 : 3), 124);
    StrokeRound(cr, kSkin, 5);
    Ellipse(cr, x + (x < 46 ? -4 : 4), 126, 5, 3);
    FillGlossy(cr, x - 9, 123, x + 9, 129, kLeaveRed, 1);
  }
  cairo_move_to(cr, 40, 56);
  cairo_curve_to(cr, 30, 80, 22, 96, 24, 104);
  cairo_curve_to(cr, 36, 100, 56, 100, 68, 104);
  cairo_curve_to(cr, 70, 96, 62, 80, 52, 56);
  cairo_close_path(cr);
  FillGlossy(cr, 22, 56, 70, 106, kFairyDress, 2);
  // The arm down and the arm up holding the wand.
  cairo_move_to(cr, 40, 62);
  cairo_curve_to(cr, 32, 72, 30, 82, 32, 88);
  Limb(cr, kSkin, 5);
  cairo_move_to(cr, 52, 60);
  cairo_curve_to(cr, 58, 46, 62, 30, 62, 18);
  Limb(cr, kSkin, 5);
  cairo_move_to(cr, 62, 22);
  cairo_line_to(cr, 66, 2);
  StrokeRound(cr, kWandWood, 3);
  // Head with a bun of golden hair.
  cairo_arc(cr, 46, 30, 9, 0, 2 * kPi);
  FillGlossy(cr, 37, 21, 55, 39, kFairyHair, 1.5);
  cairo_arc(cr, 46, 44, 13, 0, 2 * kPi);
  FillGlossy(cr, 33, 31, 59, 57, kSkin, 2);
  cairo_move_to(cr, 33, 42);
  cairo_curve_to(cr, 34, 30, 58, 30, 59, 42);
  cairo_curve_to(cr, 50, 36, 42, 36, 33, 42);
  cairo_close_path(cr);
  FillGlossy(cr, 33, 31, 59, 42, kFairyHair, 1.5);
  for (double x : {41.0, 51.0}) {
    cairo_arc(cr, x, 46, 1.8, 0, 2 * kPi);
    SetColor(cr, kEyeLine);
    cairo_fill(cr);
  }
  RadialGlow(cr, 38, 50, 4, WithAlpha(kBlush, 0.6));
  RadialGlow(cr, 54, 50, 4, WithAlpha(kBlush, 0.6));
  cairo_arc(cr, 46, 50, 4, 0.2 * kPi, 0.8 * kPi);
  StrokeRound(cr, kMouth, 1.5);
  (void)w;
}

}  // namespace assetgen
