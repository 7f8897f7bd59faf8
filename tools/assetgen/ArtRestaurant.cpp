// The restaurant of the island hub: the rating panel (its frame, the island's banner, the
// stars, the critic in his portrait and his short reviews), the today's-special panel, the
// open and closed signs, the menu board, the customers' order balloon, the terrace table
// where they eat, and what pops over them (thumb, coins, hearts, praise).
#include <algorithm>
#include <cmath>
#include <string>

#include "Painters.h"

namespace assetgen {

namespace {

const double kPi = M_PI;

constexpr TColor kStarGoldLit = Hex(0xffc93a);
constexpr TColor kStarEmpty = Hex(0xd8c8a8);
constexpr TColor kHeartRed = Hex(0xe8374a);
constexpr TColor kHeartPale = Hex(0xff9aae);
constexpr TColor kHeartGrey = Hex(0x8f8fa8);
constexpr TColor kOpenGreen = Hex(0x3f9e3a);
constexpr TColor kClosedRed = Hex(0xc0392b);
constexpr TColor kChalkBoard = Hex(0x34443a);
constexpr TColor kChalk = Hex(0xf4f2e8);
constexpr TColor kParasolRed = Hex(0xd8503e);
constexpr TColor kParasolCream = Hex(0xfff2dc);
constexpr TColor kTableTop = Hex(0xf6efe0);
constexpr TColor kIron = Hex(0x4a4038);
constexpr TColor kCoat = Hex(0x6a3f8a);
constexpr TColor kBeret = Hex(0xb83a3a);
constexpr TColor kMoustache = Hex(0x5a3418);
constexpr TColor kBalloon = Hex(0xfffdf6);

// The islands' banner colours and names, in island order.
struct TCountry {
  const char* Name;
  TColor Ribbon;
};
constexpr TCountry kCountries[5] = {{"Mossberry Isle", Hex(0x4f9a3a)},
                                    {"Tumbleroot Woods", Hex(0x7a5a2e)},
                                    {"Amberhive Cliffs", Hex(0xd98a1e)},
                                    {"Duskmere Marsh", Hex(0x5a4f9a)},
                                    {"Whiskerpeak", Hex(0x3f7fb8)}};

// Two reviews for each star count: the variant picks the column.
constexpr const char* kReviews[2][5][2] = {
    {{"Nothing on the", "menu yet..."},
     {"A promising", "start!"},
     {"Tasty and", "cheerful."},
     {"Simply", "delicious!"},
     {"A true feast!", ""}},
    {{"Still waiting", "for a dish..."},
     {"Worth a visit.", ""},
     {"Lovely home", "cooking!"},
     {"A treat for", "gourmets!"},
     {"Best on the", "islands!"}}};

constexpr const char* kPraise[8] = {"Nice",      "Good!",       "Tasty!",   "Yummy!",
                                    "Lovely!",   "Delicious!",  "Superb!",  "Magnificent!"};

TTextStyle Ink(double size) {
  TTextStyle t;
  t.Size = size;
  t.Fill = kInk;
  t.OutlineWidth = 0;
  t.Shadow = false;
  return t;
}

TTextStyle Lettering(double size, const TColor& fill, const TColor& outline, double width = 2.4) {
  TTextStyle t;
  t.Size = size;
  t.Fill = fill;
  t.Outline = outline;
  t.OutlineWidth = width;
  return t;
}

// Largest size up to `size` at which the text fits `room` pixels.
double FitSize(cairo_t* cr, const std::string& text, double size, double room) {
  while (size > 8 && TextWidth(cr, text, size) > room) size -= 0.5;
  return size;
}

void HeartPath(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx, cy + r * 0.95);
  cairo_curve_to(cr, cx - r * 1.35, cy + r * 0.05, cx - r * 1.05, cy - r * 1.05, cx, cy - r * 0.4);
  cairo_curve_to(cr, cx + r * 1.05, cy - r * 1.05, cx + r * 1.35, cy + r * 0.05, cx, cy + r * 0.95);
  cairo_close_path(cr);
}

void GlossyHeart(cairo_t* cr, double cx, double cy, double r, const TColor& c) {
  HeartPath(cr, cx, cy, r);
  PathShadow(cr, 1, 2, 0.35);
  FillGlossy(cr, cx - r * 1.3, cy - r, cx + r * 1.3, cy + r, c, 1.8);
}

void Star(cairo_t* cr, double cx, double cy, double r, bool lit) {
  StarPath(cr, cx, cy, r, r * 0.48, 5);
  if (lit) {
    PathShadow(cr, 1, 2, 0.35);
    FillGlossy(cr, cx - r, cy - r, cx + r, cy + r, kStarGoldLit, 1.8);
  } else {
    SetColor(cr, WithAlpha(kStarEmpty, 0.8));
    cairo_fill_preserve(cr);
    SetColor(cr, WithAlpha(kParchmentRim, 0.45));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
  }
}

// A flat plank with rounded ends and a light grain, for signs.
void Plank(cairo_t* cr, double x, double y, double w, double h, const TColor& wood) {
  RoundedRect(cr, x, y, w, h, std::min(8.0, h / 3));
  PathShadow(cr, 2, 3, 0.35);
  FillGlossy(cr, x, y, x + w, y + h, wood, 2.2);
  for (int i = 1; i <= 2; ++i) {
    cairo_move_to(cr, x + 6, y + h * i / 3.0);
    cairo_curve_to(cr, x + w * 0.35, y + h * i / 3.0 - 1.5, x + w * 0.65, y + h * i / 3.0 + 1.5,
                   x + w - 6, y + h * i / 3.0);
    SetColor(cr, WithAlpha(kDarkWood, 0.18));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

// A small island emblem in a round medallion.
void Emblem(cairo_t* cr, int island, double cx, double cy, double r) {
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  PathShadow(cr, 1, 2, 0.3);
  FillGlossy(cr, cx - r, cy - r, cx + r, cy + r, kCream, 1.8);
  cairo_save(cr);
  cairo_arc(cr, cx, cy, r - 2, 0, 2 * kPi);
  cairo_clip(cr);
  switch (island) {
    case 1:  // berries on a leaf
      cairo_move_to(cr, cx - r * 0.7, cy + r * 0.4);
      cairo_curve_to(cr, cx - r * 0.2, cy - r * 0.7, cx + r * 0.5, cy - r * 0.5, cx + r * 0.7,
                     cy - r * 0.6);
      cairo_curve_to(cr, cx + r * 0.4, cy + r * 0.2, cx - r * 0.1, cy + r * 0.5, cx - r * 0.7,
                     cy + r * 0.4);
      FillGlossy(cr, cx - r, cy - r, cx + r, cy + r, kLeafGreen, 1.2);
      for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, cx - r * 0.25 + i * r * 0.3, cy + r * 0.3 - (i % 2) * r * 0.25, r * 0.24, 0,
                  2 * kPi);
        FillGlossy(cr, cx - r, cy - r * 0.2, cx + r, cy + r * 0.6, kCherry, 1.1);
      }
      break;
    case 2:  // a round tree
      cairo_rectangle(cr, cx - r * 0.1, cy, r * 0.2, r * 0.8);
      FillGlossy(cr, cx - r * 0.1, cy, cx + r * 0.1, cy + r * 0.8, kBark, 1);
      cairo_arc(cr, cx, cy - r * 0.15, r * 0.55, 0, 2 * kPi);
      FillGlossy(cr, cx - r * 0.55, cy - r * 0.7, cx + r * 0.55, cy + r * 0.4, kDeepLeaf, 1.2);
      break;
    case 3:  // a bee hive
      for (int i = 0; i < 4; ++i) {
        const double w = r * (0.5 + 0.22 * i), y = cy - r * 0.6 + i * r * 0.33;
        RoundedRect(cr, cx - w / 2, y, w, r * 0.36, r * 0.15);
        FillGlossy(cr, cx - w / 2, y, cx + w / 2, y + r * 0.36, kHoney, 1);
      }
      cairo_arc(cr, cx, cy + r * 0.5, r * 0.12, 0, 2 * kPi);
      SetColor(cr, kDarkWood);
      cairo_fill(cr);
      break;
    case 4:  // reeds under a moon
      cairo_arc(cr, cx + r * 0.3, cy - r * 0.35, r * 0.28, 0, 2 * kPi);
      SetColor(cr, Hex(0xfff0b0));
      cairo_fill(cr);
      for (int i = 0; i < 3; ++i) {
        const double x = cx - r * 0.45 + i * r * 0.35;
        cairo_move_to(cr, x, cy + r);
        cairo_curve_to(cr, x, cy, x + r * 0.1, cy - r * 0.2, x + r * 0.05, cy - r * 0.3);
        SetColor(cr, kPineGreen);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        Ellipse(cr, x + r * 0.05, cy - r * 0.25, r * 0.08, r * 0.22);
        SetColor(cr, kBark);
        cairo_fill(cr);
      }
      break;
    default:  // a snowy peak
      cairo_move_to(cr, cx - r, cy + r * 0.7);
      cairo_line_to(cr, cx, cy - r * 0.6);
      cairo_line_to(cr, cx + r, cy + r * 0.7);
      cairo_close_path(cr);
      FillGlossy(cr, cx - r, cy - r * 0.6, cx + r, cy + r * 0.7, Hex(0x7f9ab8), 1.2);
      cairo_move_to(cr, cx - r * 0.3, cy - r * 0.15);
      cairo_line_to(cr, cx, cy - r * 0.6);
      cairo_line_to(cr, cx + r * 0.3, cy - r * 0.15);
      cairo_line_to(cr, cx + r * 0.1, cy - r * 0.05);
      cairo_line_to(cr, cx, cy - r * 0.2);
      cairo_line_to(cr, cx - r * 0.12, cy - r * 0.05);
      cairo_close_path(cr);
      SetColor(cr, kWhite);
      cairo_fill(cr);
      break;
  }
  cairo_restore(cr);
}

// The critic's head and shoulders (61 x 101), eyes 0 open, 1 half shut, 2 shut.
void Critic(cairo_t* cr, int eyes) {
  // Coat and collar.
  cairo_move_to(cr, 2, 101);
  cairo_curve_to(cr, 2, 76, 12, 64, 30, 64);
  cairo_curve_to(cr, 48, 64, 59, 76, 59, 101);
  cairo_close_path(cr);
  FillGlossy(cr, 2, 64, 59, 101, kCoat, 1.8);
  cairo_move_to(cr, 22, 66);
  cairo_line_to(cr, 30, 80);
  cairo_line_to(cr, 38, 66);
  cairo_close_path(cr);
  SetColor(cr, kCream);
  cairo_fill(cr);
  // A bow tie.
  cairo_move_to(cr, 30, 70);
  cairo_line_to(cr, 23, 66);
  cairo_line_to(cr, 23, 75);
  cairo_close_path(cr);
  cairo_move_to(cr, 30, 70);
  cairo_line_to(cr, 37, 66);
  cairo_line_to(cr, 37, 75);
  cairo_close_path(cr);
  SetColor(cr, kBeret);
  cairo_fill(cr);
  // Neck and face.
  cairo_rectangle(cr, 25, 52, 10, 14);
  SetColor(cr, kNeck);
  cairo_fill(cr);
  Ellipse(cr, 30, 40, 16, 18);
  FillGlossy(cr, 14, 22, 46, 58, kSkin, 1.6);
  Ellipse(cr, 21, 47, 3.5, 2.2);
  Ellipse(cr, 39, 47, 3.5, 2.2);
  SetColor(cr, WithAlpha(kBlush, 0.45));
  cairo_fill(cr);
  // Eyes.
  for (int side = -1; side <= 1; side += 2) {
    const double ex = 30 + side * 6.5, ey = 38;
    if (eyes == 0) {
      Ellipse(cr, ex, ey, 2.6, 3.2);
      SetColor(cr, kPupil);
      cairo_fill(cr);
      cairo_arc(cr, ex - 0.8, ey - 1.2, 0.9, 0, 2 * kPi);
      SetColor(cr, kWhite);
      cairo_fill(cr);
    } else {
      cairo_move_to(cr, ex - 3, ey + (eyes == 1 ? 0 : 0.5));
      cairo_curve_to(cr, ex - 1, ey + (eyes == 1 ? -1.5 : 2), ex + 1, ey + (eyes == 1 ? -1.5 : 2),
                     ex + 3, ey + (eyes == 1 ? 0 : 0.5));
      SetColor(cr, kEyeLine);
      cairo_set_line_width(cr, 1.6);
      cairo_stroke(cr);
      if (eyes == 1) {
        cairo_arc(cr, ex, ey + 0.6, 1.6, 0, kPi);
        SetColor(cr, kPupil);
        cairo_fill(cr);
      }
    }
  }
  // Brows, a monocle and the moustache he is known for.
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, 30 + side * 3.5, 32);
    cairo_line_to(cr, 30 + side * 9.5, 31);
    SetColor(cr, kMoustache);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
  }
  cairo_arc(cr, 36.5, 38, 5, 0, 2 * kPi);
  SetColor(cr, kGold);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  cairo_move_to(cr, 41.5, 39);
  cairo_curve_to(cr, 45, 48, 43, 58, 40, 66);
  SetColor(cr, WithAlpha(kGold, 0.8));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_move_to(cr, 30, 46);
  cairo_curve_to(cr, 25, 44, 20, 46, 17, 50);
  cairo_curve_to(cr, 22, 49, 26, 50, 30, 49);
  cairo_curve_to(cr, 34, 50, 38, 49, 43, 50);
  cairo_curve_to(cr, 40, 46, 35, 44, 30, 46);
  cairo_close_path(cr);
  SetColor(cr, kMoustache);
  cairo_fill(cr);
  cairo_move_to(cr, 27, 53);
  cairo_curve_to(cr, 29, 54.5, 31, 54.5, 33, 53);
  SetColor(cr, kMouth);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  // The beret.
  Ellipse(cr, 28, 24, 19, 8);
  FillGlossy(cr, 9, 16, 47, 32, kBeret, 1.6);
  cairo_move_to(cr, 28, 16);
  cairo_line_to(cr, 30, 11);
  SetColor(cr, Darker(kBeret, 0.4));
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
}

// The critic's raised arm with his fork; the shoulder at (47, 49) is where the game turns it.
void CriticArm(cairo_t* cr) {
  cairo_move_to(cr, 50, 44);
  cairo_curve_to(cr, 40, 42, 30, 40, 22, 34);
  cairo_line_to(cr, 16, 42);
  cairo_curve_to(cr, 26, 50, 38, 56, 50, 56);
  cairo_close_path(cr);
  FillGlossy(cr, 16, 34, 50, 56, kCoat, 1.6);
  // The fork, held up.
  cairo_move_to(cr, 17, 36);
  cairo_line_to(cr, 12, 12);
  SetColor(cr, Hex(0xb8bcc4));
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, 12 + i * 2.6, 13);
    cairo_line_to(cr, 11 + i * 2.6, 3);
  }
  SetColor(cr, Hex(0xc8ccd4));
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  // The hand round it.
  Ellipse(cr, 17, 37, 6, 5);
  FillGlossy(cr, 11, 32, 23, 42, kSkin, 1.4);
  Ellipse(cr, 15, 33.5, 2.5, 2);
  SetColor(cr, kSkinShade);
  cairo_fill(cr);
}

// The coins of a payment: three gold coins stacked and a fourth leaning on them.
void Coins(cairo_t* cr, double cx, double cy, double r) {
  for (int i = 0; i < 3; ++i) {
    Ellipse(cr, cx - r * 0.3, cy + r * 0.5 - i * r * 0.35, r, r * 0.42);
    PathShadow(cr, 0, 1, 0.25);
    FillGlossy(cr, cx - r * 1.3, cy + r * 0.1 - i * r * 0.35, cx + r * 0.7,
               cy + r * 0.9 - i * r * 0.35, kGold, 1.4);
  }
  cairo_arc(cr, cx + r * 0.7, cy - r * 0.05, r * 0.8, 0, 2 * kPi);
  PathShadow(cr, 1, 1, 0.3);
  FillGlossy(cr, cx - r * 0.1, cy - r * 0.85, cx + r * 1.5, cy + r * 0.75, kStarGoldLit, 1.4);
  cairo_arc(cr, cx + r * 0.7, cy - r * 0.05, r * 0.5, 0, 2 * kPi);
  SetColor(cr, WithAlpha(Darker(kGold, 0.4), 0.7));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

}  // namespace

// 250 x 366 at (24, 402): the island's banner at + (20, 25), the stars at + (26, 111), the
// critic's portrait at + (74, 179) with his arm reaching out to the left, the review at
// + (59, 309) after a big quote mark.
void PaintRestoRatingBG(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  WoodFrame(cr, 3, 3, w - 8, h - 6, 16, 9);
  ParchmentPanel(cr, 12, 12, w - 26, h - 24, 10, HashName(s.Name));
  // Under the stars, a soft shelf; under the portrait, a warm well.
  RoundedRect(cr, 22, 106, 206, 54, 14);
  SetColor(cr, WithAlpha(kParchmentFibre, 0.08));
  cairo_fill_preserve(cr);
  SetColor(cr, WithAlpha(kParchmentRim, 0.25));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  DrawText(cr, "\xe2\x80\x9c", 38, 326, Lettering(44, kParchmentEdge, kParchmentRim, 1.2));
  cairo_move_to(cr, 40, 304);
  cairo_line_to(cr, 210, 304);
  SetColor(cr, WithAlpha(kParchmentRim, 0.3));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

// One banner per island (210 x 70): its emblem and its name on a ribbon.
void PaintRestoCountry(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.TileWidth, h = s.TileHeight;
  for (int i = 0; i < 5; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 0, i * h);
    const TColor ribbon = kCountries[i].Ribbon;
    // Ribbon with notched tails.
    for (int side = 0; side < 2; ++side) {
      const double x0 = side ? w - 4 : 4, x1 = side ? w - 30 : 30;
      cairo_move_to(cr, x0, 24);
      cairo_line_to(cr, x1, 24);
      cairo_line_to(cr, x1, 56);
      cairo_line_to(cr, x0, 56);
      cairo_line_to(cr, side ? w - 14 : 14, 40);
      cairo_close_path(cr);
      FillGlossy(cr, std::min(x0, x1), 24, std::max(x0, x1), 56, Darker(ribbon, 0.2), 1.6);
    }
    RoundedRect(cr, 22, 18, w - 44, 34, 6);
    PathShadow(cr, 1, 3, 0.35);
    FillGlossy(cr, 22, 18, w - 22, 52, ribbon, 1.8);
    const std::string name = kCountries[i].Name;
    const double size = FitSize(cr, name, 17, w - 44 - 50);
    DrawText(cr, name, 22 + 40 + (w - 44 - 40) / 2, 35, Lettering(size, kCreamText, kDarkOutline, 2));
    Emblem(cr, i + 1, 36, 35, 22);
    cairo_restore(cr);
  }
}

// Patterns 1..5 stars lit out of five (198 x 44).
void PaintRestoRatingStars(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.TileWidth, h = s.TileHeight;
  for (int p = 0; p < 5; ++p)
    for (int k = 0; k < 5; ++k) {
      const double cx = w / 2 + (k - 2) * 38, cy = p * h + h / 2 + 1;
      Star(cr, cx, cy, k <= p ? 18 : 15, k <= p);
      if (k <= p && p == 4) Sparkle(cr, cx + 12, cy - 12, 5, kTwinkle);
    }
}

// The portrait's backdrop (110 x 122) by stars: a grey day for one star, a golden one for
// five, with the critic's plate on the right growing fuller.
void PaintRestoReviewerBG(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.TileWidth, h = s.TileHeight;
  const TColor skies[5][2] = {{Hex(0x9aa4b4), Hex(0xc8cdd6)},
                              {Hex(0xa8c4dc), Hex(0xe0e8ee)},
                              {Hex(0x9ed0f0), Hex(0xfff0d4)},
                              {Hex(0xffd48a), Hex(0xfff2cc)},
                              {Hex(0xffbf5a), Hex(0xffeeb0)}};
  for (int p = 0; p < 5; ++p) {
    cairo_save(cr);
    cairo_translate(cr, p * w, 0);
    RoundedRect(cr, 3, 3, w - 6, h - 6, 10);
    PathShadow(cr, 1, 3, 0.3);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    VerticalGradient(cr, 3, h - 3, skies[p][0], skies[p][1]);
    cairo_fill(cr);
    if (p >= 3) RadialGlow(cr, w * 0.7, h * 0.3, 50, WithAlpha(kSunlight, 0.6));
    if (p == 0) {
      Cloud(cr, w * 0.35, 26, 0.5, 0.9);
      for (int i = 0; i < 7; ++i) {
        cairo_move_to(cr, 14 + i * 13, 40 + (i % 3) * 9);
        cairo_line_to(cr, 11 + i * 13, 48 + (i % 3) * 9);
      }
      SetColor(cr, WithAlpha(Hex(0x6a7a9a), 0.6));
      cairo_set_line_width(cr, 1.4);
      cairo_stroke(cr);
    }
    // A little table at the bottom right with the critic's plate.
    RoundedRect(cr, 60, 96, 56, 30, 4);
    FillGlossy(cr, 60, 96, 116, 126, kTableTop, 1.2);
    Ellipse(cr, 88, 97, 18, 6);
    FillGlossy(cr, 70, 91, 106, 103, kWhite, 1.2);
    if (p > 0) {
      const TColor food[4] = {kApple, kOrange, kStrawberry, kGoldPotion};
      for (int k = 0; k < p; ++k) {
        cairo_arc(cr, 80 + k * 5.5, 93 - (k % 2) * 2, 4.2, 0, 2 * kPi);
        FillGlossy(cr, 75 + k * 5.5, 88, 85 + k * 5.5, 98, food[k], 1);
      }
    }
    if (p == 4)
      for (int k = 0; k < 3; ++k) Sparkle(cr, 72 + k * 16, 18 + (k % 2) * 14, 5, kTwinkle);
    cairo_restore(cr);
    RoundedRect(cr, 3, 3, w - 6, h - 6, 10);
    SetColor(cr, kFrameDark);
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    SetColor(cr, WithAlpha(kFrameGleam, 0.6));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
}

// The critic (61 x 101): eyes open, half shut, shut; his arm with the fork; eyes open again.
void PaintRestoReviewer(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const int eyes[5] = {0, 1, 2, -1, 0};
  for (int p = 0; p < 5; ++p) {
    cairo_save(cr);
    cairo_translate(cr, p * s.TileWidth, 0);
    if (eyes[p] < 0) CriticArm(cr);
    else Critic(cr, eyes[p]);
    cairo_restore(cr);
  }
}

// Ten short reviews (180 x 46), two per star count, in ink.
void PaintRestoRatingText(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.TileWidth, h = s.TileHeight;
  for (int v = 0; v < 2; ++v)
    for (int stars = 0; stars < 5; ++stars) {
      const int p = v * 5 + stars;
      const std::string a = kReviews[v][stars][0], b = kReviews[v][stars][1];
      const double size = std::min(FitSize(cr, a, 16, w - 8), FitSize(cr, b, 16, w - 8));
      TTextStyle ink = Ink(size);
      if (stars >= 3) ink.Fill = Hex(0x7a2a08);
      if (b.empty()) DrawText(cr, a, w / 2, p * h + 17, ink);
      else {
        DrawText(cr, a, w / 2, p * h + 10, ink);
        DrawText(cr, b, w / 2, p * h + 29, ink);
      }
    }
}

// 220 x 192 at (1099, 330): a ribbon with the title, a doily where the dish stands under
// glass (+ (53, 54) to (139, 136)), a dark plaque for the dish's name at + (12, 136).
void PaintTodaysSpecialBG(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  WoodFrame(cr, 3, 14, w - 8, h - 19, 14, 8);
  ParchmentPanel(cr, 11, 22, w - 24, h - 35, 9, HashName(s.Name));
  // The doily under the glass.
  cairo_new_path(cr);
  for (int i = 0; i <= 40; ++i) {
    const double a = i * 2 * kPi / 40, bump = (i % 2) ? 1.0 : 0.9;
    cairo_line_to(cr, 96 + 52 * bump * std::cos(a), 130 + 10 * bump * std::sin(a));
  }
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(kWhite, 0.85));
  cairo_fill_preserve(cr);
  SetColor(cr, WithAlpha(kParchmentEdge, 0.9));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // A sprig and sparkles beside it.
  Sparkle(cr, 168, 78, 7, kTwinkle);
  Sparkle(cr, 184, 104, 4, kTwinkle);
  for (int i = 0; i < 3; ++i) {
    Ellipse(cr, 166 + i * 7, 118 - i * 6, 6, 3);
    FillGlossy(cr, 160 + i * 7, 115 - i * 6, 172 + i * 7, 121 - i * 6, kStemLeaf, 1);
  }
  // The name plaque.
  RoundedRect(cr, 12, 136, w - 24, 46, 9);
  PathShadow(cr, 1, 2, 0.3);
  FillGlossy(cr, 12, 136, w - 12, 182, Hex(0x7a3a22), 1.8);
  // The title ribbon over the top edge.
  for (int side = 0; side < 2; ++side) {
    const double x0 = side ? w - 2 : 2, x1 = side ? w - 24 : 24;
    cairo_move_to(cr, x0, 12);
    cairo_line_to(cr, x1, 12);
    cairo_line_to(cr, x1, 40);
    cairo_line_to(cr, x0, 40);
    cairo_line_to(cr, side ? w - 10 : 10, 26);
    cairo_close_path(cr);
    FillGlossy(cr, std::min(x0, x1), 12, std::max(x0, x1), 40, Darker(kLeaveRed, 0.25), 1.4);
  }
  RoundedRect(cr, 16, 4, w - 32, 32, 7);
  PathShadow(cr, 1, 3, 0.35);
  FillGlossy(cr, 16, 4, w - 16, 36, kLeaveRed, 1.8);
  DrawText(cr, "Today's special", w / 2, 20,
           Lettering(FitSize(cr, "Today's special", 18, w - 50), kCreamText, kDarkOutline, 2));
}

// The small sign under the window (60 x 44): "Open" or "Closed" on a little A-frame.
void PaintRestoSmallSign(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.TileWidth, h = s.TileHeight;
  for (int p = 0; p < 2; ++p) {
    cairo_save(cr);
    cairo_translate(cr, 0, p * h);
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, w / 2 + side * 18, 20);
      cairo_line_to(cr, w / 2 + side * 24, h - 2);
    }
    SetColor(cr, kBark);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Plank(cr, 3, 3, w - 6, 24, kLightWood);
    const char* word = p == 0 ? "Open" : "Closed";
    DrawText(cr, word, w / 2, 15,
             Lettering(FitSize(cr, word, 14, w - 14), p == 0 ? Hex(0xc8f0a8) : Hex(0xffc8b8),
                       p == 0 ? Darker(kOpenGreen, 0.5) : Darker(kClosedRed, 0.45), 1.6));
    cairo_restore(cr);
  }
}

// The big sign that pops when the restaurant opens and closes (160 x 66 each).
void PaintRestoBigSign(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.TileWidth, h = s.TileHeight;
  for (int p = 0; p < 2; ++p) {
    cairo_save(cr);
    cairo_translate(cr, p * w, 0);
    // The cord it hangs by.
    cairo_move_to(cr, 34, 16);
    cairo_line_to(cr, w / 2, 3);
    cairo_line_to(cr, w - 34, 16);
    SetColor(cr, kBark);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_arc(cr, w / 2, 4, 3, 0, 2 * kPi);
    SetColor(cr, kGold);
    cairo_fill(cr);
    Plank(cr, 5, 14, w - 10, h - 18, kLightWood);
    RoundedRect(cr, 12, 20, w - 24, h - 30, 6);
    SetColor(cr, WithAlpha(kPanelGleam, 0.45));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    const bool open = p == 0;
    const std::string word = open ? "Open!" : "Closed";
    DrawText(cr, word, w / 2, 14 + (h - 18) / 2.0,
             Lettering(FitSize(cr, word, 30, w - 36), open ? Hex(0x9ee07a) : Hex(0xff9a84),
                       open ? Darker(kOpenGreen, 0.55) : Darker(kClosedRed, 0.5), 2.6));
    cairo_restore(cr);
  }
}

// The chalk menu board standing in the square on the book's quieter stages (118 x 160).
void PaintRestoBoard(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  // Back legs, then the framed board.
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, w / 2 + side * 30, 20);
    cairo_line_to(cr, w / 2 + side * 50, h - 4);
  }
  SetColor(cr, kBark);
  cairo_set_line_width(cr, 5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  Ellipse(cr, w / 2, h - 4, w / 2 - 6, 4);
  SetColor(cr, WithAlpha(kGroundShadow, 0.3));
  cairo_fill(cr);
  RoundedRect(cr, 10, 6, w - 20, h - 34, 8);
  PathShadow(cr, 2, 4, 0.35);
  FillGlossy(cr, 10, 6, w - 10, h - 28, kLightWood, 2);
  RoundedRect(cr, 17, 13, w - 34, h - 48, 5);
  SetColor(cr, kChalkBoard);
  cairo_fill(cr);
  TTextStyle chalk = Lettering(19, kChalk, kChalkBoard, 0);
  chalk.Shadow = false;
  DrawText(cr, "Menu", w / 2, 30, chalk);
  cairo_set_source_rgba(cr, kChalk.R, kChalk.G, kChalk.B, 0.75);
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // Chalk doodles: a bowl with steam, a cake slice, a star.
  Ellipse(cr, 40, 62, 13, 4);
  cairo_stroke(cr);
  cairo_move_to(cr, 27, 62);
  cairo_curve_to(cr, 28, 74, 52, 74, 53, 62);
  cairo_stroke(cr);
  for (int i = 0; i < 2; ++i) {
    cairo_move_to(cr, 36 + i * 8, 55);
    cairo_curve_to(cr, 32 + i * 8, 50, 40 + i * 8, 47, 36 + i * 8, 42);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 64, 74);
  cairo_line_to(cr, 92, 74);
  cairo_line_to(cr, 92, 62);
  cairo_line_to(cr, 64, 74);
  cairo_stroke(cr);
  cairo_move_to(cr, 92, 62);
  cairo_line_to(cr, 70, 58);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 26, 88 + i * 10);
    cairo_line_to(cr, 26 + 44 + (i % 2) * 12, 88 + i * 10);
    cairo_stroke(cr);
    cairo_arc(cr, 88 + (i % 2) * 4, 88 + i * 10, 1.5, 0, 2 * kPi);
    cairo_fill(cr);
  }
  StarPath(cr, w / 2, 58, 6, 3, 5);
  cairo_stroke(cr);
}

// The order balloon (90 x 76): a round bubble whose tail points down-left to the customer;
// the game draws the ordered dish in its middle.
void PaintRestoCustBalloon(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width();
  cairo_new_path(cr);
  Ellipse(cr, w / 2 + 2, 31, 40, 28);
  cairo_move_to(cr, 18, 46);
  cairo_curve_to(cr, 12, 58, 8, 66, 2, 74);
  cairo_curve_to(cr, 14, 68, 24, 62, 32, 55);
  cairo_close_path(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  PathShadow(cr, 1, 3, 0.3);
  SetColor(cr, kBalloon);
  cairo_fill_preserve(cr);
  SetColor(cr, kTextOutline);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  // Cover the seam between bubble and tail.
  Ellipse(cr, w / 2 + 2, 31, 38.9, 26.9);
  SetColor(cr, kBalloon);
  cairo_fill(cr);
  Ellipse(cr, w / 2 - 10, 14, 14, 5);
  SetColor(cr, WithAlpha(kWhite, 0.9));
  cairo_fill(cr);
}

// The terrace where a customer eats (150 x 112 at (678, 154)): a striped parasol over a round
// table whose top (y 62..80, centred at x 95) holds the dish; the customer stands at its left.
void PaintRestoEatingBG(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height(), pole = 95;
  Ellipse(cr, pole, h - 3, 46, 5);
  SetColor(cr, WithAlpha(kGroundShadow, 0.3));
  cairo_fill(cr);
  // Pole, table legs and top.
  cairo_rectangle(cr, pole - 2.5, 14, 5, h - 16);
  FillGlossy(cr, pole - 2.5, 14, pole + 2.5, h - 2, kIron, 1);
  cairo_move_to(cr, pole - 22, h - 3);
  cairo_line_to(cr, pole, 76);
  cairo_line_to(cr, pole + 22, h - 3);
  SetColor(cr, kIron);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  Ellipse(cr, pole, 71, 38, 9);
  PathShadow(cr, 0, 3, 0.3);
  FillGlossy(cr, pole - 38, 62, pole + 38, 80, kTableTop, 2);
  // The parasol, striped, with a scalloped hem.
  const double left = 30, right = w - 2, top = 0, hem = 30;
  const int panels = 7;
  const double pw = (right - left) / panels;
  auto canopy = [&] {
    cairo_new_path(cr);
    cairo_move_to(cr, left, hem - 4);
    cairo_curve_to(cr, left + 16, top + 6, right - 16, top + 6, right, hem - 4);
    for (int i = panels - 1; i >= 0; --i)
      cairo_curve_to(cr, left + (i + 0.75) * pw, hem + 3, left + (i + 0.25) * pw, hem + 3,
                     left + i * pw, hem - 4);
    cairo_close_path(cr);
  };
  canopy();
  PathShadow(cr, 1, 4, 0.3);
  cairo_save(cr);
  cairo_clip(cr);
  for (int i = 0; i < panels; ++i) {
    cairo_rectangle(cr, left + i * pw, 0, pw + 0.5, hem + 6);
    SetColor(cr, i % 2 ? kParasolCream : kParasolRed);
    cairo_fill(cr);
  }
  VerticalGradient(cr, top, hem + 4, WithAlpha(kWhite, 0.4), WithAlpha(kSoot, 0.22));
  cairo_paint(cr);
  cairo_restore(cr);
  canopy();
  SetColor(cr, Darker(kParasolRed, 0.55));
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  cairo_arc(cr, (left + right) / 2, top + 4, 3.5, 0, 2 * kPi);
  FillGlossy(cr, (left + right) / 2 - 3.5, top, (left + right) / 2 + 3.5, top + 8, kGold, 1);
  // A little flower pot by the wall.
  RoundedRect(cr, 6, h - 22, 20, 19, 3);
  FillGlossy(cr, 6, h - 22, 26, h - 3, kBrick, 1.4);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, 10 + i * 6, h - 27 - (i % 2) * 4, 4.5, 0, 2 * kPi);
    FillGlossy(cr, 5 + i * 6, h - 33, 15 + i * 6, h - 22, i == 1 ? kBlossom : kDaisy, 1);
  }
}

// A thumb up in a green badge (46 x 46).
void PaintRestoThumbUp(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.Width(), h = s.Height();
  cairo_arc(cr, w / 2, h / 2, w / 2 - 3, 0, 2 * kPi);
  PathShadow(cr, 1, 2, 0.35);
  FillGlossy(cr, 3, 3, w - 3, h - 3, kGoGreen, 2);
  // Fist and raised thumb.
  RoundedRect(cr, 13, 21, 18, 15, 4);
  cairo_move_to(cr, 17, 22);
  cairo_curve_to(cr, 16, 14, 19, 9, 23, 9);
  cairo_curve_to(cr, 26, 9, 26, 15, 24, 22);
  cairo_close_path(cr);
  FillGlossy(cr, 13, 9, 31, 36, kSkin, 1.6);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 29, 25 + i * 4);
    cairo_line_to(cr, 33, 25 + i * 4);
  }
  SetColor(cr, WithAlpha(kEyeLine, 0.6));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  RoundedRect(cr, 9, 22, 5, 14, 2);
  FillGlossy(cr, 9, 22, 14, 36, kLeaveRed, 1);
}

// The coins a customer pays, with a glint (64 x 44).
void PaintRestoMoneyPop(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  Coins(cr, 24, 24, 12);
  DrawText(cr, "+", 52, 18, Lettering(20, kStarGoldLit, kDarkOutline, 2));
  Sparkle(cr, 46, 36, 5, kTwinkle);
}

// Hearts for ratings 1..5 (44 x 40): larger and redder the better the rating.
void PaintRestoHeart(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.TileWidth, h = s.TileHeight;
  for (int p = 0; p < 5; ++p) {
    const double cx = w / 2, cy = p * h + h / 2 + 1;
    if (p == 4) RadialGlow(cr, cx, cy, 22, WithAlpha(kGlow, 0.7));
    GlossyHeart(cr, cx, cy, 10 + 2 * p, Mix(kHeartPale, kHeartRed, p / 4.0));
    if (p >= 3) Sparkle(cr, cx + 12, cy - 10, 3 + p - 3, kTwinkle);
  }
}

// A heart that cracks and falls apart in nine frames (60 x 52): whole, cracking, then its
// halves tip away from each other, sink and fade.
void PaintRestoBrokenHeart(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.TileWidth, h = s.TileHeight, r = 17;
  const double zig[5][2] = {{0, -0.4}, {-0.22, -0.08}, {0.16, 0.22}, {-0.12, 0.52}, {0, 0.95}};
  for (int p = 0; p < 9; ++p) {
    const double cx = w / 2, cy = p * h + h / 2 - 3;
    const double open = std::max(0, p - 2) / 6.0;  // 0 whole .. 1 apart
    const TColor colour = Mix(kHeartRed, kHeartGrey, std::min(0.6, p / 8.0));
    cairo_push_group(cr);
    for (int side = -1; side <= 1; side += 2) {
      cairo_save(cr);
      // Each half turns about the heart's tip.
      cairo_translate(cr, cx + side * open * 5, cy + 0.95 * r + open * 6);
      cairo_rotate(cr, side * open * 0.55);
      cairo_translate(cr, -cx, -(cy + 0.95 * r));
      cairo_new_path(cr);
      cairo_move_to(cr, cx + side * 40, cy - 40);
      for (const auto& z : zig) cairo_line_to(cr, cx + z[0] * r * (p == 0 ? 0 : 1), cy + z[1] * r);
      cairo_line_to(cr, cx + side * 40, cy + 40);
      cairo_close_path(cr);
      cairo_clip(cr);
      GlossyHeart(cr, cx, cy, r, colour);
      cairo_restore(cr);
    }
    if (p == 1 || p == 2) {
      cairo_move_to(cr, cx + zig[0][0] * r, cy + zig[0][1] * r);
      for (const auto& z : zig) cairo_line_to(cr, cx + z[0] * r, cy + z[1] * r);
      SetColor(cr, Darker(kHeartRed, 0.6));
      cairo_set_line_width(cr, p == 1 ? 1.4 : 2.4);
      cairo_stroke(cr);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, p < 6 ? 1.0 : 1.0 - (p - 5) * 0.2);
  }
}

// Eight words of praise (160 x 36), from a polite "Nice" to a delighted "Magnificent!".
void PaintRestoPraise(TCanvas& c, const TAssetSpec& s) {
  cairo_t* cr = c.Cr();
  const double w = s.TileWidth, h = s.TileHeight;
  for (int p = 0; p < 8; ++p) {
    const std::string word = kPraise[p];
    const TColor fill = Mix(Hex(0xfff4d8), kStarGoldLit, p / 7.0);
    const double size = FitSize(cr, word, 20 + p * 0.8, w - 14);
    DrawText(cr, word, w / 2, p * h + h / 2, Lettering(size, fill, kWarmOutline, 2.6));
    if (p >= 5) Sparkle(cr, w - 8, p * h + 8, 3.5 + (p - 5), kTwinkle);
  }
}

}  // namespace assetgen
