// The islands' small living things over the hub's town, each drawn where the game puts it
// (see TRestoPlaces.h) and moved as it moves them: a bramble swaying at the end of the
// street, a hen pecking at a basket of berries, a rabbit, a dog asleep by the menu board, a
// bear cub dozing against its honey pot, a frog, dragonflies, and a signpost by the pond
// whose arrow rocks on its nail and whose hanging sign swings on its bracket.
//
// A picture that turns about a point of its own has that point on what holds it: the hen's
// feet on the basket's rim, the arrow's nail and the bracket's hinge on the post.
#include <cmath>

#include "Painters.h"

namespace assetgen {

namespace {
const double kPi = M_PI;

const TColor kBramble = Hex(0x3f8a3a);
const TColor kRaspberry = Hex(0xd83a5a);
const TColor kBlackberry = Hex(0x4a2a5a);
const TColor kWicker = Hex(0xd8a050);
const TColor kHen = Hex(0xc8783a);
const TColor kComb = Hex(0xe0303a);
const TColor kBeak = Hex(0xf2b030);
const TColor kBunny = Hex(0xb89a7a);
const TColor kHound = Hex(0xc8945a);
const TColor kBear = Hex(0x9a6a3a);
const TColor kFrog = Hex(0x6ab83a);
const TColor kPost = Hex(0x8a5a30);
const TColor kTabby = Hex(0x9a9aa4);




void Shadow(cairo_t* cr, double cx, double cy, double rx, double ry) {
  Ellipse(cr, cx, cy, rx, ry);
  FillWith(cr, WithAlpha(kGroundShadow, 0.28));
}

void Berry(cairo_t* cr, double x, double y, double r, const TColor& c) {
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  FillGlossy(cr, x - r, y - r, x + r, y + r, c, 1);
  FillDot(cr, x - r * 0.35, y - r * 0.35, r * 0.3, WithAlpha(kWhite, 0.7));
}

// 104 x 64: a bramble at the street's end, dotted with berries and two white flowers.
void Bramble(cairo_t* cr, double w, double h) {
  Shadow(cr, w / 2, h - 4, w / 2 - 6, 4);
  const double blobs[][3] = {{22, 40, 18}, {44, 30, 22}, {68, 32, 20}, {86, 42, 16}, {52, 46, 18}};
  cairo_new_path(cr);
  for (const auto& b : blobs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, b[0], b[1], b[2], 0, 2 * kPi);
  }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  FillGlossy(cr, 4, 8, w - 4, h - 4, kBramble, 2);
  // Leaf veins and arching canes.
  TNoise n(77);
  for (int i = 0; i < 9; ++i) {
    const double x = n.Range(14, w - 14), y = n.Range(18, h - 14);
    cairo_move_to(cr, x - 4, y + 2);
    cairo_line_to(cr, x + 3, y - 2);
    StrokeRound(cr, WithAlpha(Darker(kBramble, 0.4), 0.5), 1.2);
  }
  for (int i = 0; i < 14; ++i) {
    const double x = n.Range(12, w - 12), y = n.Range(16, h - 12);
    Berry(cr, x, y, 3.2, i % 3 ? kRaspberry : kBlackberry);
  }
  for (const double x : {30.0, 74.0}) {
    for (int k = 0; k < 5; ++k)
      FillDot(cr, x + std::cos(k * 1.2566) * 3.2, 20 + std::sin(k * 1.2566) * 3.2, 2.4, kWhite);
    FillDot(cr, x, 20, 1.6, kStarGold);
  }
}

// 76 x 68: a wicker basket heaped with berries; its rim's right end (58, 17) is where the
// hen stands.
void BerryBasket(cairo_t* cr, double w, double h) {
  Shadow(cr, w / 2, h - 4, w / 2 - 4, 4);
  // The heap over the rim.
  cairo_move_to(cr, 10, 20);
  cairo_curve_to(cr, 14, 4, 50, 2, 60, 18);
  cairo_close_path(cr);
  FillWith(cr, Darker(kRaspberry, 0.3));
  TNoise n(31);
  for (int i = 0; i < 16; ++i) {
    const double x = n.Range(14, 56), y = n.Range(9, 19) + std::abs(x - 35) * 0.15;
    Berry(cr, x, y, 3.6, i % 4 ? kRaspberry : kBlackberry);
  }
  // The basket, its weave and rim.
  cairo_move_to(cr, 4, 18);
  cairo_line_to(cr, w - 4, 18);
  cairo_curve_to(cr, w - 8, 40, w - 12, 56, w - 18, h - 6);
  cairo_line_to(cr, 18, h - 6);
  cairo_curve_to(cr, 12, 56, 8, 40, 4, 18);
  cairo_close_path(cr);
  FillGlossy(cr, 4, 18, w - 4, h - 6, kWicker, 2);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 7; ++col) {
      const double x = 12 + col * 9 + (row % 2) * 4.5, y = 27 + row * 9;
      Ellipse(cr, x, y, 4, 2.6);
      StrokeRound(cr, WithAlpha(Darker(kWicker, 0.45), 0.55), 1);
    }
  RoundedRect(cr, 2, 14, w - 4, 7, 3.5);
  FillGlossy(cr, 2, 14, w - 2, 21, Darker(kWicker, 0.12), 1.6);
}

// 88 x 158: the hen standing on the basket's rim, feet at (68, 72) where the game tips her
// forward to peck; her head over the berries.
void PeckingHen(cairo_t* cr) {
  const double fx = 68, fy = 72;
  // Legs down to the rim.
  for (int leg = 0; leg < 2; ++leg) {
    cairo_move_to(cr, fx - 2 + leg * 5, fy - 12);
    cairo_line_to(cr, fx - 3 + leg * 5, fy - 1);
    cairo_move_to(cr, fx - 7 + leg * 5, fy);
    cairo_line_to(cr, fx + 1 + leg * 5, fy);
    StrokeRound(cr, kBeak, 2);
  }
  // The tail's fan, the body, the wing.
  cairo_move_to(cr, fx + 6, fy - 24);
  cairo_curve_to(cr, fx + 12, fy - 44, fx + 20, fy - 46, fx + 18, fy - 30);
  cairo_curve_to(cr, fx + 16, fy - 22, fx + 10, fy - 18, fx + 6, fy - 18);
  cairo_close_path(cr);
  FillGlossy(cr, fx + 4, fy - 46, fx + 20, fy - 18, Darker(kHen, 0.35), 1.6);
  Ellipse(cr, fx - 6, fy - 22, 17, 12);
  FillGlossy(cr, fx - 23, fy - 34, fx + 11, fy - 10, kHen, 2);
  cairo_move_to(cr, fx - 12, fy - 24);
  cairo_curve_to(cr, fx - 2, fy - 30, fx + 8, fy - 26, fx + 6, fy - 18);
  cairo_curve_to(cr, fx - 2, fy - 14, fx - 10, fy - 16, fx - 12, fy - 24);
  FillGlossy(cr, fx - 12, fy - 30, fx + 8, fy - 14, Darker(kHen, 0.2), 1.3);
  // Neck and head up at the front (the left), beak toward the berries.
  cairo_move_to(cr, fx - 16, fy - 28);
  cairo_curve_to(cr, fx - 20, fy - 36, fx - 22, fy - 40, fx - 20, fy - 46);
  cairo_line_to(cr, fx - 10, fy - 44);
  cairo_curve_to(cr, fx - 10, fy - 38, fx - 8, fy - 34, fx - 6, fy - 30);
  cairo_close_path(cr);
  FillGlossy(cr, fx - 22, fy - 46, fx - 6, fy - 28, kHen, 1.6);
  cairo_arc(cr, fx - 16, fy - 48, 7, 0, 2 * kPi);
  FillGlossy(cr, fx - 23, fy - 55, fx - 9, fy - 41, kHen, 1.6);
  for (int k = 0; k < 3; ++k) FillDot(cr, fx - 20 + k * 4, fy - 55 - (k % 2), 2.6, kComb);
  cairo_move_to(cr, fx - 22, fy - 50);
  cairo_line_to(cr, fx - 29, fy - 47);
  cairo_line_to(cr, fx - 22, fy - 45);
  cairo_close_path(cr);
  FillGlossy(cr, fx - 29, fy - 50, fx - 22, fy - 45, kBeak, 1);
  Ellipse(cr, fx - 21, fy - 43, 2, 3);
  FillWith(cr, kComb);
  FillDot(cr, fx - 17, fy - 49, 1.5, kPupil);
}

// 46 x 42: a rabbit sitting up on the grass, facing the street.
void Rabbit(cairo_t* cr, double w, double h) {
  Shadow(cr, w / 2, h - 3, 17, 3);
  Ellipse(cr, 20, h - 14, 14, 11);
  FillGlossy(cr, 6, h - 25, 34, h - 3, kBunny, 1.8);
  FillDot(cr, 7, h - 16, 4.5, kWhite);
  cairo_arc(cr, 30, h - 27, 9, 0, 2 * kPi);
  FillGlossy(cr, 21, h - 36, 39, h - 18, kBunny, 1.8);
  for (int e = 0; e < 2; ++e) {
    Ellipse(cr, 25 + e * 5, h - 37 - e, 3.4, 9);
    FillGlossy(cr, 21 + e * 5, h - 46 - e, 29 + e * 5, h - 28 - e, kBunny, 1.4);
    Ellipse(cr, 25 + e * 5, h - 37 - e, 1.6, 6);
    FillWith(cr, WithAlpha(kBlush, 0.6));
  }
  FillDot(cr, 33, h - 29, 1.5, kPupil);
  FillDot(cr, 38.5, h - 25.5, 1.5, Hex(0xe87a8a));
  Ellipse(cr, 27, h - 5, 6, 3);
  FillGlossy(cr, 21, h - 8, 33, h - 2, Lighter(kBunny, 0.3), 1.2);
}

// 104 x 58: a hound asleep at the menu board's foot, curled with its head on its paws at
// the right; its body breathes away from the head.
void SleepingDog(cairo_t* cr, double w, double h) {
  Shadow(cr, w / 2, h - 5, w / 2 - 6, 5);
  // Body and the tail curled round at the left.
  cairo_move_to(cr, 14, h - 12);
  cairo_curve_to(cr, 2, h - 16, 4, h - 30, 12, h - 30);
  StrokeRound(cr, Darker(kHound, 0.4), 6);
  cairo_move_to(cr, 14, h - 12);
  cairo_curve_to(cr, 2, h - 16, 4, h - 30, 12, h - 30);
  StrokeRound(cr, kHound, 3.6);
  Ellipse(cr, 46, h - 24, 34, 19);
  FillGlossy(cr, 12, h - 43, 80, h - 5, kHound, 2);
  Ellipse(cr, 40, h - 30, 14, 10);
  FillWith(cr, WithAlpha(Darker(kHound, 0.35), 0.5));
  // Front paws and the head resting on them.
  RoundedRect(cr, 64, h - 14, 30, 9, 4.5);
  FillGlossy(cr, 64, h - 14, 94, h - 5, Lighter(kHound, 0.25), 1.5);
  Ellipse(cr, 83, h - 24, 14, 11);
  FillGlossy(cr, 69, h - 35, 97, h - 13, kHound, 1.8);
  Ellipse(cr, 95, h - 20, 6, 5);
  FillGlossy(cr, 89, h - 25, 101, h - 15, Lighter(kHound, 0.3), 1.3);
  FillDot(cr, 100, h - 22, 2, kDarkWood);
  // The ear flopped over, the shut eye.
  cairo_move_to(cr, 76, h - 34);
  cairo_curve_to(cr, 68, h - 32, 66, h - 20, 72, h - 16);
  cairo_curve_to(cr, 78, h - 20, 80, h - 28, 80, h - 33);
  cairo_close_path(cr);
  FillGlossy(cr, 66, h - 34, 80, h - 16, Darker(kHound, 0.4), 1.3);
  cairo_arc(cr, 88, h - 27, 3, 0.15 * kPi, 0.85 * kPi);
  StrokeRound(cr, kDarkWood, 1.3);
  RoundedRect(cr, 70, h - 36, 8, 3, 1.5);
  FillWith(cr, kLeaveRed);
  UseDisplayFont(cr, 11);
  SetColor(cr, WithAlpha(kNavyOutline, 0.75));
  cairo_move_to(cr, 90, 12);
  cairo_show_text(cr, "z");
  UseDisplayFont(cr, 8);
  cairo_move_to(cr, 98, 6);
  cairo_show_text(cr, "z");
}

// 100 x 78: a bear cub dozing sat against a honey pot (the pot on the right, at the pivot).
void BearCub(cairo_t* cr, double w, double h) {
  Shadow(cr, w / 2, h - 4, w / 2 - 4, 4);
  // The honey pot, a drip down its side, its label.
  cairo_move_to(cr, 60, 30);
  cairo_curve_to(cr, 52, 44, 54, h - 8, 66, h - 6);
  cairo_line_to(cr, 86, h - 6);
  cairo_curve_to(cr, 98, h - 8, 100, 44, 92, 30);
  cairo_close_path(cr);
  FillGlossy(cr, 54, 30, 98, h - 6, Hex(0xc87a3a), 2);
  RoundedRect(cr, 57, 22, 38, 10, 4);
  FillGlossy(cr, 57, 22, 95, 32, Hex(0xe8a050), 1.6);
  cairo_move_to(cr, 62, 30);
  cairo_curve_to(cr, 64, 40, 66, 44, 65, 50);
  StrokeRound(cr, kHoney, 5);
  FillDot(cr, 65, 51, 3.4, kHoney);
  RoundedRect(cr, 64, 44, 24, 16, 3);
  FillGlossy(cr, 64, 44, 88, 60, kParchment, 1.2);
  DrawText(cr, "Honey", 76, 52, [] {
    TTextStyle t;
    t.Size = 7;
    t.Fill = kInk;
    t.OutlineWidth = 0;
    t.Shadow = false;
    return t;
  }());
  // The cub: legs out, round body, arm over the pot, head leant on it.
  for (int leg = 0; leg < 2; ++leg) {
    Ellipse(cr, 12 + leg * 16, h - 11, 9, 7);
    FillGlossy(cr, 3 + leg * 16, h - 18, 21 + leg * 16, h - 4, kBear, 1.6);
    Ellipse(cr, 8 + leg * 16, h - 11, 3.5, 4.5);
    FillWith(cr, Lighter(kBear, 0.35));
  }
  Ellipse(cr, 32, 48, 22, 22);
  FillGlossy(cr, 10, 26, 54, 70, kBear, 2);
  Ellipse(cr, 34, 52, 12, 13);
  FillWith(cr, Lighter(kBear, 0.3));
  cairo_move_to(cr, 44, 38);
  cairo_curve_to(cr, 54, 36, 60, 38, 64, 36);
  StrokeRound(cr, Darker(kBear, 0.5), 11);
  cairo_move_to(cr, 44, 38);
  cairo_curve_to(cr, 54, 36, 60, 38, 64, 36);
  StrokeRound(cr, kBear, 8.5);
  const double hx = 42, hy = 18;
  for (int e = -1; e <= 1; e += 2) {
    cairo_arc(cr, hx + e * 11, hy - 10, 5.5, 0, 2 * kPi);
    FillGlossy(cr, hx + e * 11 - 5.5, hy - 15.5, hx + e * 11 + 5.5, hy - 4.5, kBear, 1.4);
  }
  cairo_arc(cr, hx, hy, 15, 0, 2 * kPi);
  FillGlossy(cr, hx - 15, hy - 15, hx + 15, hy + 15, kBear, 1.8);
  Ellipse(cr, hx + 2, hy + 6, 7, 5.5);
  FillWith(cr, Lighter(kBear, 0.4));
  FillDot(cr, hx + 2, hy + 3, 2.3, kDarkWood);
  for (int e = -1; e <= 1; e += 2) {
    cairo_arc(cr, hx + e * 6, hy - 2, 2.6, 0.1 * kPi, 0.9 * kPi);
    StrokeRound(cr, kDarkWood, 1.3);
  }
  FillDot(cr, hx + 12, hy + 4, 2.4, WithAlpha(kBlush, 0.5));
  FillDot(cr, hx + 9, hy + 10, 1.6, kHoney);
  UseDisplayFont(cr, 9);
  SetColor(cr, WithAlpha(kNavyOutline, 0.75));
  cairo_move_to(cr, 16, 8);
  cairo_show_text(cr, "z");
}

// 42 x 36: a marsh frog sitting in front of the stall.
void Frog(cairo_t* cr, double w, double h) {
  Shadow(cr, w / 2, h - 3, 16, 3);
  Ellipse(cr, 8, h - 6, 8, 4);
  FillGlossy(cr, 0, h - 10, 16, h - 2, kFrog, 1.4);
  Ellipse(cr, 20, h - 14, 15, 11);
  FillGlossy(cr, 5, h - 25, 35, h - 3, kFrog, 1.8);
  Ellipse(cr, 22, h - 9, 9, 5);
  FillWith(cr, Hex(0xf0f0b0));
  for (int e = 0; e < 2; ++e) {
    cairo_arc(cr, 20 + e * 11, h - 24, 5, 0, 2 * kPi);
    FillGlossy(cr, 15 + e * 11, h - 29, 25 + e * 11, h - 19, kFrog, 1.4);
    FillDot(cr, 21 + e * 11, h - 24, 2.6, kWhite);
    FillDot(cr, 22 + e * 11, h - 24, 1.5, kPupil);
  }
  cairo_move_to(cr, 24, h - 15);
  cairo_curve_to(cr, 28, h - 12, 33, h - 12, 36, h - 16);
  StrokeRound(cr, Darker(kFrog, 0.5), 1.2);
  for (int s = 0; s < 3; ++s) FillDot(cr, 12 + s * 6, h - 18 + (s % 2) * 3, 1.6, Darker(kFrog, 0.3));
  Ellipse(cr, 33, h - 4, 5, 2.5);
  FillGlossy(cr, 28, h - 7, 38, h - 2, kFrog, 1.2);
}

void Dragonfly(cairo_t* cr, double x, double y, double size, const TColor& body) {
  for (int side = 0; side < 2; ++side)
    for (int pair = 0; pair < 2; ++pair) {
      cairo_save(cr);
      cairo_translate(cr, x + pair * size * 0.3, y);
      cairo_rotate(cr, (side ? -1 : 1) * (0.35 + pair * 0.25) - kPi / 2);
      Ellipse(cr, size * 0.55, 0, size * 0.55, size * 0.14);
      cairo_restore(cr);
      SetColor(cr, WithAlpha(kAirBlue, 0.65));
      cairo_fill_preserve(cr);
      StrokeRound(cr, WithAlpha(Hex(0x5a8aa8), 0.7), 0.8);
    }
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + size * 1.3, y + size * 0.1);
  StrokeRound(cr, Darker(body, 0.5), 3.4);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + size * 1.3, y + size * 0.1);
  StrokeRound(cr, body, 2);
  cairo_arc(cr, x - size * 0.12, y, size * 0.16, 0, 2 * kPi);
  FillGlossy(cr, x - size * 0.3, y - size * 0.16, x, y + size * 0.16, body, 1);
}

// 120 x 70: three dragonflies hovering by the pond, bobbing together.
void Dragonflies(cairo_t* cr) {
  Dragonfly(cr, 14, 32, 24, Hex(0x2f9ad8));
  Dragonfly(cr, 60, 60, 20, Hex(0xd84a7a));
  Dragonfly(cr, 84, 26, 18, Hex(0x3fb06a));
}

// 124 x 96, the signpost by the pond: the post at x 84..110 with its stone foot, and a grey
// cat sitting at its foot looking up at the signs. The arrow's nail is at (88, 16) and the
// bracket's hinge at (103, 35).
void Signpost(cairo_t* cr, double w, double h) {
  Shadow(cr, 64, h - 5, 56, 4);
  RoundedRect(cr, 78, h - 14, 38, 11, 5);
  FillGlossy(cr, 78, h - 14, 116, h - 3, Hex(0xa8a8b0), 1.6);
  RoundedRect(cr, 84, 6, 26, h - 16, 3);
  FillGlossy(cr, 84, 6, 110, h - 10, kPost, 2);
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, 90 + (i % 2) * 10, 20 + i * 18);
    cairo_line_to(cr, 90 + (i % 2) * 10, 30 + i * 18);
    StrokeRound(cr, WithAlpha(kDarkWood, 0.3), 1.2);
  }
  // A snow cap on the post's point.
  cairo_move_to(cr, 82, 8);
  cairo_curve_to(cr, 86, -1, 108, -1, 112, 8);
  cairo_curve_to(cr, 104, 12, 96, 9, 82, 8);
  cairo_close_path(cr);
  FillGlossy(cr, 82, 0, 112, 12, Hex(0xf6faff), 1.4);
  // The cat, sitting, tail round its feet, head turned up to the signs.
  const double cx = 26, feet = h - 6;
  Ellipse(cr, cx, feet - 16, 15, 17);
  FillGlossy(cr, cx - 15, feet - 33, cx + 15, feet + 1, kTabby, 1.8);
  for (int s = 0; s < 3; ++s) {
    cairo_move_to(cr, cx - 12 + s * 2, feet - 22 + s * 6);
    cairo_line_to(cr, cx - 4 + s * 2, feet - 21 + s * 6);
  }
  StrokeRound(cr, Darker(kTabby, 0.35), 1.6);
  cairo_move_to(cr, cx - 12, feet - 2);
  cairo_curve_to(cr, cx - 30, feet - 2, cx - 30, feet - 22, cx - 22, feet - 26);
  StrokeRound(cr, Darker(kTabby, 0.45), 6);
  cairo_move_to(cr, cx - 12, feet - 2);
  cairo_curve_to(cr, cx - 30, feet - 2, cx - 30, feet - 22, cx - 22, feet - 26);
  StrokeRound(cr, kTabby, 3.8);
  for (int paw = 0; paw < 2; ++paw) {
    Ellipse(cr, cx + 2 + paw * 8, feet - 2, 4.5, 3);
    FillGlossy(cr, cx - 2.5 + paw * 8, feet - 5, cx + 6.5 + paw * 8, feet + 1, Hex(0xf4f4f4), 1.2);
  }
  const double hx = cx + 6, hy = feet - 40;
  for (int e = -1; e <= 1; e += 2) {
    cairo_move_to(cr, hx + e * 10, hy - 2);
    cairo_line_to(cr, hx + e * 9 + 2, hy - 16);
    cairo_line_to(cr, hx + e * 2 + 2, hy - 8);
    cairo_close_path(cr);
    FillGlossy(cr, hx - 12, hy - 16, hx + 12, hy - 2, kTabby, 1.4);
  }
  Ellipse(cr, hx, hy, 12, 10.5);
  FillGlossy(cr, hx - 12, hy - 10.5, hx + 12, hy + 10.5, kTabby, 1.8);
  Ellipse(cr, hx + 3, hy + 4, 6, 4.5);
  FillWith(cr, Hex(0xf4f4f4));
  for (int e = -1; e <= 1; e += 2) {
    Ellipse(cr, hx + 2 + e * 5, hy - 3, 2.2, 3);
    FillWith(cr, Hex(0x6ab04a));
    Ellipse(cr, hx + 2.6 + e * 5, hy - 3.6, 1, 2.2);
    FillWith(cr, kPupil);
    cairo_move_to(cr, hx + 3 + e * 4, hy + 4);
    cairo_line_to(cr, hx + 3 + e * 15, hy + 2 + e * 0.5);
    StrokeRound(cr, WithAlpha(kDarkWood, 0.6), 0.7);
  }
  FillDot(cr, hx + 3, hy + 2, 1.6, Hex(0xe87a8a));
  (void)w;
}

// 110 x 122: the arrow pointing up the mountain road, nailed to the post at (84, 46), with a
// little peak painted on it; the game rocks it on its nail.
void ArrowSign(cairo_t* cr) {
  cairo_move_to(cr, 4, 46);
  cairo_line_to(cr, 22, 30);
  cairo_line_to(cr, 22, 36);
  cairo_line_to(cr, 100, 36);
  cairo_line_to(cr, 100, 56);
  cairo_line_to(cr, 22, 56);
  cairo_line_to(cr, 22, 62);
  cairo_close_path(cr);
  PathShadow(cr, 1, 2, 0.3);
  FillGlossy(cr, 4, 30, 100, 62, kLightWood, 2);
  cairo_move_to(cr, 30, 53);
  cairo_line_to(cr, 42, 39);
  cairo_line_to(cr, 48, 46);
  cairo_line_to(cr, 54, 40);
  cairo_line_to(cr, 66, 53);
  cairo_close_path(cr);
  FillGlossy(cr, 30, 39, 66, 53, Hex(0x7f9ab8), 1);
  cairo_move_to(cr, 38, 44);
  cairo_line_to(cr, 42, 39);
  cairo_line_to(cr, 46, 44);
  cairo_close_path(cr);
  FillWith(cr, kWhite);
  cairo_move_to(cr, 22, 46);
  cairo_line_to(cr, 14, 46);
  StrokeRound(cr, WithAlpha(kDarkWood, 0.5), 1.4);
  FillDot(cr, 84, 46, 2.6, Hex(0x6a6a72));
  FillDot(cr, 83.3, 45.3, 0.9, WithAlpha(kWhite, 0.8));
  // Snow along the arrow's top edge.
  cairo_move_to(cr, 24, 36);
  cairo_curve_to(cr, 40, 31, 60, 33, 98, 35);
  cairo_line_to(cr, 98, 38);
  cairo_curve_to(cr, 60, 37, 40, 37, 24, 38);
  cairo_close_path(cr);
  FillWith(cr, Hex(0xf6faff));
}

// 61 x 69: a bracket from the post's hinge at (52, 8) and the fish-shop sign hanging from it
// clear of the post.
void HangingSign(cairo_t* cr) {
  cairo_move_to(cr, 54, 8);
  cairo_line_to(cr, 3, 8);
  StrokeRound(cr, Hex(0x3a3a40), 3);
  cairo_move_to(cr, 46, 8);
  cairo_curve_to(cr, 40, 18, 30, 12, 26, 8);
  StrokeRound(cr, Hex(0x3a3a40), 1.6);
  for (const double x : {6.0, 30.0}) {
    cairo_move_to(cr, x, 8);
    cairo_line_to(cr, x, 24);
    StrokeRound(cr, Hex(0x6a6a72), 1.2);
  }
  RoundedRect(cr, 1, 22, 35, 30, 5);
  PathShadow(cr, 1, 2, 0.3);
  FillGlossy(cr, 1, 22, 36, 52, Hex(0x3f7fb8), 2);
  RoundedRect(cr, 4, 25, 29, 24, 3);
  StrokeRound(cr, WithAlpha(kWhite, 0.45), 1);
  // A fish on it: this way to the fishmonger's (the cat approves).
  Ellipse(cr, 16, 37, 8, 5);
  FillGlossy(cr, 8, 32, 24, 42, Hex(0xffb08a), 1.2);
  cairo_move_to(cr, 23, 37);
  cairo_line_to(cr, 30, 32);
  cairo_line_to(cr, 30, 42);
  cairo_close_path(cr);
  FillGlossy(cr, 23, 32, 30, 42, Hex(0xffb08a), 1.2);
  FillDot(cr, 12, 35.5, 1.2, kPupil);
}

}  // namespace

void PaintTownDecoration(TCanvas& c, const TAssetSpec& s, TTownDecoration d) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  switch (d) {
    case TTownDecoration::Bramble: Bramble(cr, w, h); break;
    case TTownDecoration::BerryBasket: BerryBasket(cr, w, h); break;
    case TTownDecoration::PeckingHen: PeckingHen(cr); break;
    case TTownDecoration::Rabbit: Rabbit(cr, w, h); break;
    case TTownDecoration::SleepingDog: SleepingDog(cr, w, h); break;
    case TTownDecoration::BearCub: BearCub(cr, w, h); break;
    case TTownDecoration::Frog: Frog(cr, w, h); break;
    case TTownDecoration::Dragonflies: Dragonflies(cr); break;
    case TTownDecoration::Signpost: Signpost(cr, w, h); break;
    case TTownDecoration::ArrowSign: ArrowSign(cr); break;
    case TTownDecoration::HangingSign: HangingSign(cr); break;
  }
}

}  // namespace assetgen
