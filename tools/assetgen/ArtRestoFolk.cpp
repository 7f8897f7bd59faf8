// The people of the hub's restaurant: the twelve customers standing in the street's queue
// (facing the restaurant on their right) and seated at the terrace table, and the passers-by
// crossing the square leftward: the merchant and two horses.
//
// A queue pattern's feet are on the cobbles near the kerb. The tallest customers reach the
// pattern's top under the order balloon; shorter ones reach lower by the offsets the game
// moves the balloon by, so each balloon stays by its customer's head (see TRestoPlaces.h).
#include <cmath>
#include <cstdint>

#include "Painters.h"
#include "metagame/TRestoPlaces.h"

namespace assetgen {

namespace {
const double kPi = M_PI;
using TPlaces = TRestoPlaces;

constexpr double kQueueFeet = 87;    // the queue pattern's feet line (screen y 287)
constexpr double kEatingFloor = 103;  // the terrace's ground in the eating pattern (y 263)
constexpr double kEatingBody = 22;    // the seated body's axis (the table's left edge at 34)
constexpr double kSeatHeight = 22;
constexpr double kHorseHeight = 218;  // from the rider's cap to the ground, as drawn
const TColor kChairIron = Hex(0x4a4038);
const TColor kFork = Hex(0xc8ccd4);



void Limb(cairo_t* cr, const TColor& c, double width) { StrokeOutlined(cr, c, width, 2.4, 0.55); }


// ---- The customers ------------------------------------------------------------------

enum class THair { Short, Bun, Long, Ponytail, Bald, Curly };
enum class THat { None, Cap, TopHat, StrawHat, Scarf, Beret, FeltHat, Bonnet };
enum class TCarry { Nothing, Handbag, Basket, Cane, Newspaper, Backpack, Dog, Toy, Umbrella };
enum class TGarment { Plain, Jersey, Dungarees };

struct TFolk {
  bool Woman;
  bool Child;
  std::uint32_t Skin, Hair, Coat, Legs, Shoes, Accent;
  THair HairStyle;
  THat Hat;
  TCarry Carry;
  TGarment Garment;
  bool Moustache, Beard, Glasses, LongSkirt;
  double Belly;  // how far the front bulges, in pixels at full height
};

// Kinds 1..12; the voices of kinds 1, 2, 5 and 9 are women's.
const TFolk kFolk[12] = {
    // 1: a tall lady with her hair up and a handbag.
    {true, false, 0xffd9b8, 0x8a3a1a, 0x5a6ad0, 0x3a3a5a, 0x5a2a1a, 0xf4c84a, THair::Bun,
     THat::None, TCarry::Handbag, TGarment::Plain, false, false, false, true, 0},
    // 2: a lady in a wide straw hat with a basket of flowers.
    {true, false, 0xf6d0ae, 0xe0a040, 0xf29a6a, 0xf6e6c8, 0x7a4a2a, 0x6ab04a, THair::Long,
     THat::StrawHat, TCarry::Basket, TGarment::Plain, false, false, false, false, 0},
    // 3: a workman in a flat cap, with a moustache.
    {false, false, 0xffd4b0, 0x5a3418, 0x8a5a30, 0x3a4a6a, 0x3a2414, 0xfff4e0, THair::Short,
     THat::Cap, TCarry::Nothing, TGarment::Plain, true, false, false, false, 2},
    // 4: a small boy in a red cap with a toy windmill.
    {false, true, 0xffdcc0, 0xc8702a, 0x3f8fd0, 0x2f3f6a, 0xc0392b, 0xd83a3a, THair::Short,
     THat::Cap, TCarry::Toy, TGarment::Plain, false, false, false, false, 0},
    // 5: a grandmother in a shawl, with spectacles.
    {true, false, 0xf6d2b4, 0xd8d8dc, 0x8a5ab0, 0x5a3a70, 0x3a2a2a, 0xd8a0d8, THair::Bun,
     THat::None, TCarry::Handbag, TGarment::Plain, false, false, true, true, 1},
    // 6: a round baker, bald, in a red waistcoat.
    {false, false, 0xffd0a8, 0x6a4a2a, 0xc0403a, 0x4a3a30, 0x2a1a10, 0xfff4e0, THair::Bald,
     THat::None, TCarry::Newspaper, TGarment::Plain, true, false, false, false, 7},
    // 7: a sailor with a beard and a striped jersey.
    {false, false, 0xeec4a0, 0x3a2a1a, 0x2f4f8a, 0x1e2a4a, 0x1a1a1a, 0xf4f4f4, THair::Short,
     THat::Beret, TCarry::Nothing, TGarment::Jersey, false, true, false, false, 1},
    // 8: a gentleman in a top hat with an umbrella.
    {false, false, 0xffd9b8, 0x2a2a2a, 0x3a3a4a, 0x2a2a34, 0x101010, 0xb83a3a, THair::Short,
     THat::TopHat, TCarry::Umbrella, TGarment::Plain, true, false, false, false, 0},
    // 9: a young woman with a ponytail and her little dog behind her.
    {true, false, 0xe8b890, 0x3a2010, 0xe06a3a, 0x3a6ab0, 0x5a2a1a, 0xfff0c0, THair::Ponytail,
     THat::None, TCarry::Dog, TGarment::Plain, false, false, false, false, 0},
    // 10: a farmer in dungarees and a straw hat.
    {false, false, 0xf0c098, 0xa0602a, 0xf4e8c8, 0x4a6aa0, 0x5a3418, 0x4a6aa0, THair::Short,
     THat::StrawHat, TCarry::Nothing, TGarment::Dungarees, false, false, false, false, 1},
    // 11: an old gentleman with a white beard and a cane.
    {false, false, 0xf6d0b0, 0xeeeeee, 0x4a7a4a, 0x6a5a4a, 0x2a1a10, 0xf2c050, THair::Curly,
     THat::None, TCarry::Cane, TGarment::Plain, false, true, true, false, 3},
    // 12: a hiker with his pack and a feathered hat.
    {false, false, 0xe8b890, 0x6a3a1a, 0x4a8a5a, 0x7a5a3a, 0x4a2a14, 0xd84a3a, THair::Short,
     THat::FeltHat, TCarry::Backpack, TGarment::Plain, false, false, false, false, 0},
};

// The queue pattern's topmost painted row of each kind, from the balloon offsets: the
// tallest reach row 1, the others as much lower as the street allows.
double QueueTop(int kind) {
  const int dy = TPlaces::FigureOffset(kind).Y;
  return dy == 0 ? 1 : dy < 50 ? 1 + dy * 0.2 : dy < 80 ? 16 : 36;
}

double HatHeight(const TFolk& f, double r) {
  switch (f.Hat) {
    case THat::TopHat: return r * 1.5;
    case THat::StrawHat: return r * 0.45;
    case THat::FeltHat: return r * 0.45;
    case THat::Cap: return r * 0.2;
    case THat::Beret: return r * 0.25;
    default: return f.HairStyle == THair::Bun ? r * 0.45 : 0;
  }
}

// Where the figure's parts go: the head's middle and radius, the shoulders, the hip and the
// feet, all on the body's axis x.
struct TFrame {
  double X, HeadX, HeadY, R, Shoulder, Hip, Feet;
};

TFrame StandingFrame(const TFolk& f, double headX, double top) {
  TFrame fr;
  fr.Feet = kQueueFeet;
  // The head's radius is found with the hat's height above it.
  const double k = f.Child ? 0.19 : 0.125;
  double r = (fr.Feet - top) * k;
  for (int i = 0; i < 3; ++i) r = (fr.Feet - top - HatHeight(f, r)) * k;
  fr.R = r;
  fr.HeadX = headX;
  fr.HeadY = top + HatHeight(f, r) + r;
  fr.X = headX - r * 0.3;
  fr.Shoulder = fr.HeadY + r + 1.5;
  fr.Hip = fr.Shoulder + (fr.Feet - fr.Shoulder) * (f.Child ? 0.42 : 0.4);
  return fr;
}

void Hair(cairo_t* cr, const TFolk& f, const TFrame& fr, bool back) {
  const double hx = fr.HeadX, hy = fr.HeadY, r = fr.R;
  const TColor hair = Hex(f.Hair);
  if (back) {
    // What hangs behind the head and shoulders.
    if (f.HairStyle == THair::Long) {
      cairo_move_to(cr, hx - r * 0.2, hy - r * 0.8);
      cairo_curve_to(cr, hx - r * 1.4, hy - r * 0.6, hx - r * 1.5, hy + r * 1.4, hx - r * 1.1,
                     hy + r * 2.1);
      cairo_line_to(cr, hx - r * 0.1, hy + r * 1.2);
      cairo_close_path(cr);
      FillGlossy(cr, hx - r * 1.5, hy - r, hx, hy + r * 2.1, hair, 1.4);
    } else if (f.HairStyle == THair::Ponytail) {
      cairo_move_to(cr, hx - r * 0.8, hy - r * 0.5);
      cairo_curve_to(cr, hx - r * 1.9, hy - r * 0.4, hx - r * 1.8, hy + r * 0.9, hx - r * 1.4,
                     hy + r * 1.4);
      cairo_curve_to(cr, hx - r * 1.3, hy + r * 0.6, hx - r * 1.1, hy + r * 0.1, hx - r * 0.6,
                     hy);
      cairo_close_path(cr);
      FillGlossy(cr, hx - r * 1.9, hy - r * 0.6, hx - r * 0.6, hy + r * 1.4, hair, 1.4);
    } else if (f.HairStyle == THair::Bun) {
      cairo_arc(cr, hx - r * 0.25, hy - r * 1.05, r * 0.5, 0, 2 * kPi);
      FillGlossy(cr, hx - r * 0.75, hy - r * 1.55, hx + r * 0.25, hy - r * 0.55, hair, 1.4);
    }
    return;
  }
  // The cap of hair over the top and back of the head; the face stays free on the right.
  cairo_save(cr);
  cairo_arc(cr, hx, hy, r, 0, 2 * kPi);
  cairo_clip(cr);
  cairo_new_path(cr);
  switch (f.HairStyle) {
    case THair::Bald:
      cairo_rectangle(cr, hx - r, hy - r * 0.1, r * 0.75, r * 0.7);
      break;
    case THair::Curly:
      for (int i = 0; i < 6; ++i) {
        const double a = kPi * (0.75 + i * 0.17);
        cairo_new_sub_path(cr);
        cairo_arc(cr, hx + std::cos(a) * r * 0.85, hy + std::sin(a) * r * 0.85, r * 0.38, 0,
                  2 * kPi);
      }
      break;
    default:
      cairo_move_to(cr, hx - r * 1.1, hy + r * 0.6);
      cairo_line_to(cr, hx - r * 1.1, hy - r * 1.1);
      cairo_line_to(cr, hx + r * 1.1, hy - r * 1.1);
      cairo_line_to(cr, hx + r * 1.1, hy - r * 0.45);
      cairo_curve_to(cr, hx + r * 0.5, hy - r * 0.6, hx + r * 0.1, hy - r * 0.3, hx - r * 0.05,
                     hy + (f.Woman ? r * 0.5 : r * 0.1));
      cairo_curve_to(cr, hx - r * 0.3, hy + r * 0.3, hx - r * 0.6, hy + r * 0.6, hx - r * 1.1,
                     hy + r * 0.6);
      cairo_close_path(cr);
      break;
  }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  FillGlossy(cr, hx - r, hy - r, hx + r, hy + r, hair, 0);
  cairo_restore(cr);
}

void Hat(cairo_t* cr, const TFolk& f, const TFrame& fr) {
  const double hx = fr.HeadX, hy = fr.HeadY, r = fr.R, top = hy - r;
  const TColor accent = Hex(f.Accent);
  switch (f.Hat) {
    case THat::Cap: {
      const TColor cap = f.Child ? accent : Hex(0x6a5a4a);
      cairo_move_to(cr, hx - r * 1.02, hy - r * 0.05);
      cairo_curve_to(cr, hx - r * 1.1, top - r * 0.35, hx + r * 0.9, top - r * 0.35, hx + r * 0.9,
                     hy - r * 0.35);
      cairo_close_path(cr);
      FillGlossy(cr, hx - r * 1.1, top - r * 0.2, hx + r * 0.9, hy, cap, 1.4);
      cairo_move_to(cr, hx + r * 0.4, hy - r * 0.45);
      cairo_curve_to(cr, hx + r * 1.2, hy - r * 0.55, hx + r * 1.6, hy - r * 0.35, hx + r * 1.5,
                     hy - r * 0.2);
      cairo_line_to(cr, hx + r * 0.5, hy - r * 0.25);
      cairo_close_path(cr);
      FillGlossy(cr, hx + r * 0.4, hy - r * 0.6, hx + r * 1.6, hy - r * 0.2, Darker(cap, 0.2), 1.2);
      break;
    }
    case THat::TopHat: {
      const double brim = hy - r * 0.55, crown = top - HatHeight(f, r);
      RoundedRect(cr, hx - r * 0.75, crown, r * 1.5, brim - crown, 2);
      FillGlossy(cr, hx - r * 0.75, crown, hx + r * 0.75, brim, Hex(0x2a2a30), 1.4);
      cairo_rectangle(cr, hx - r * 0.75, brim - r * 0.45, r * 1.5, r * 0.22);
      FillWith(cr, accent);
      Ellipse(cr, hx, brim, r * 1.2, r * 0.2);
      FillGlossy(cr, hx - r * 1.2, brim - r * 0.2, hx + r * 1.2, brim + r * 0.2, Hex(0x2a2a30), 1.2);
      break;
    }
    case THat::StrawHat:
    case THat::FeltHat: {
      // Straw with a ribbon, or the hiker's felt with a feather in its band.
      const bool straw = f.Hat == THat::StrawHat;
      const TColor c = straw ? Hex(0xe8c060) : Darker(Hex(f.Coat), 0.25);
      const double brim = hy - r * 0.5;
      const double wide = straw && f.Woman ? 1.7 : 1.3;
      cairo_move_to(cr, hx - r * 0.8, brim);
      cairo_curve_to(cr, hx - r * 0.8, brim - r * 0.95, hx + r * 0.8, brim - r * 0.95, hx + r * 0.8,
                     brim);
      cairo_close_path(cr);
      FillGlossy(cr, hx - r * 0.8, brim - r * 0.95, hx + r * 0.8, brim, c, 1.3);
      cairo_rectangle(cr, hx - r * 0.8, brim - r * 0.3, r * 1.6, r * 0.25);
      FillWith(cr, straw ? (f.Woman ? Hex(0xe8506a) : Hex(0x4a6aa0)) : Darker(c, 0.45));
      Ellipse(cr, hx + r * 0.1, brim, r * wide, r * 0.22);
      FillGlossy(cr, hx + r * 0.1 - r * wide, brim - r * 0.22, hx + r * 0.1 + r * wide,
                 brim + r * 0.22, c, 1.2);
      if (!straw) {
        cairo_move_to(cr, hx - r * 0.4, brim - r * 0.3);
        cairo_curve_to(cr, hx - r * 0.9, brim - r * 0.5, hx - r * 1.2, brim - r * 0.6, hx - r * 1.5,
                       brim - r * 0.55);
        StrokeRound(cr, accent, 2.2);
      }
      break;
    }
    case THat::Beret: {
      Ellipse(cr, hx - r * 0.1, hy - r * 0.75, r * 1.05, r * 0.42);
      FillGlossy(cr, hx - r * 1.15, hy - r * 1.2, hx + r * 0.95, hy - r * 0.35, Hex(0x1e2a4a), 1.3);
      FillDot(cr, hx - r * 0.1, hy - r * 1.15, r * 0.14, Hex(0xd83a3a));
      break;
    }
    default: break;
  }
}

void Face(cairo_t* cr, const TFolk& f, const TFrame& fr, bool chewing) {
  const double hx = fr.HeadX, hy = fr.HeadY, r = fr.R;
  cairo_arc(cr, hx, hy, r, 0, 2 * kPi);
  FillGlossy(cr, hx - r, hy - r, hx + r, hy + r, Hex(f.Skin), 1.5);
  Hair(cr, f, fr, false);
  // The ear, the nose just past the face's edge, an eye, a cheek and the mouth.
  Ellipse(cr, hx - r * 0.2, hy + r * 0.1, r * 0.2, r * 0.27);
  FillGlossy(cr, hx - r * 0.4, hy - r * 0.2, hx, hy + r * 0.4, Hex(f.Skin), 1);
  cairo_arc(cr, hx + r * 0.92, hy + r * 0.12, r * 0.22, 0, 2 * kPi);
  FillWith(cr, Hex(f.Skin));
  cairo_arc(cr, hx + r * 0.92, hy + r * 0.12, r * 0.22, -0.55 * kPi, 0.6 * kPi);
  StrokeRound(cr, Darker(Hex(f.Skin), 0.5), 1);
  cairo_arc(cr, hx + r * 0.35, hy + r * 0.38, r * 0.2, 0, 2 * kPi);
  FillWith(cr, WithAlpha(kBlush, 0.45));
  Ellipse(cr, hx + r * 0.5, hy - r * 0.12, r * 0.12, r * 0.17);
  FillWith(cr, kPupil);
  cairo_move_to(cr, hx + r * 0.32, hy - r * 0.4);
  cairo_line_to(cr, hx + r * 0.68, hy - r * 0.44);
  StrokeRound(cr, Darker(Hex(f.Hair), 0.3), 1);
  if (chewing) {
    Ellipse(cr, hx + r * 0.62, hy + r * 0.55, r * 0.16, r * 0.12);
    FillWith(cr, kMouth);
  } else {
    cairo_arc(cr, hx + r * 0.55, hy + r * 0.4, r * 0.25, 0.15 * kPi, 0.7 * kPi);
    StrokeRound(cr, kMouth, 1);
  }
  if (f.Glasses) {
    cairo_arc(cr, hx + r * 0.5, hy - r * 0.1, r * 0.26, 0, 2 * kPi);
    cairo_move_to(cr, hx + r * 0.24, hy - r * 0.12);
    cairo_line_to(cr, hx - r * 0.15, hy - r * 0.05);
    StrokeRound(cr, Hex(0x6a5a4a), 0.9);
  }
  if (f.Moustache) {
    cairo_move_to(cr, hx + r * 0.95, hy + r * 0.3);
    cairo_curve_to(cr, hx + r * 0.7, hy + r * 0.55, hx + r * 0.45, hy + r * 0.45, hx + r * 0.35,
                   hy + r * 0.3);
    cairo_curve_to(cr, hx + r * 0.55, hy + r * 0.25, hx + r * 0.8, hy + r * 0.25, hx + r * 0.95,
                   hy + r * 0.3);
    FillWith(cr, Darker(Hex(f.Hair), 0.1));
  }
  if (f.Beard) {
    cairo_move_to(cr, hx - r * 0.15, hy + r * 0.3);
    cairo_curve_to(cr, hx - r * 0.1, hy + r * 1.3, hx + r * 0.9, hy + r * 1.2, hx + r * 0.98,
                   hy + r * 0.45);
    cairo_curve_to(cr, hx + r * 0.6, hy + r * 0.65, hx + r * 0.3, hy + r * 0.55, hx - r * 0.15,
                   hy + r * 0.3);
    FillGlossy(cr, hx - r * 0.15, hy + r * 0.3, hx + r, hy + r * 1.3, Hex(f.Hair), 1.1);
  }
  Hat(cr, f, fr);
}

// The body from the shoulders to the hem: a coat, or a dress flaring to its hem.
void Body(cairo_t* cr, const TFolk& f, const TFrame& fr, double bottom) {
  const double x = fr.X, sh = fr.Shoulder, hip = fr.Hip, r = fr.R;
  const double half = f.Child ? r * 0.8 : r * 0.95, belly = f.Belly * (fr.Feet - sh) / 60;
  const TColor coat = Hex(f.Coat);
  cairo_move_to(cr, x - half, sh + 3);
  cairo_curve_to(cr, x - half, sh - 1, x + half, sh - 1, x + half, sh + 3);
  if (f.Woman) {
    const double flare = f.LongSkirt ? r * 1.5 : r * 1.3;
    cairo_curve_to(cr, x + half + 1, hip - 6, x + half, hip, x + half + 1, hip);
    cairo_line_to(cr, x + flare, bottom);
    cairo_line_to(cr, x - flare, bottom);
    cairo_line_to(cr, x - half - 1, hip);
  } else {
    cairo_curve_to(cr, x + half + belly, sh + (hip - sh) * 0.4, x + half + belly, hip - 2,
                   x + half, bottom);
    cairo_line_to(cr, x - half, bottom);
  }
  cairo_close_path(cr);
  FillGlossy(cr, x - half - r, sh, x + half + r, bottom, coat, 1.6);
  const TColor accent = Hex(f.Accent);
  if (f.Woman) {
    // A waistband, and the old lady's shawl over her shoulders.
    cairo_move_to(cr, x - half - 0.5, hip - 2);
    cairo_line_to(cr, x + half + 0.5, hip - 2);
    StrokeRound(cr, Darker(coat, 0.3), 2);
    if (f.Glasses) {
      cairo_move_to(cr, x - half - 2, sh + 1);
      cairo_curve_to(cr, x - half, sh + (hip - sh) * 0.8, x + half, sh + (hip - sh) * 0.8,
                     x + half + 2, sh + 1);
      cairo_close_path(cr);
      FillGlossy(cr, x - half - 2, sh, x + half + 2, hip, accent, 1.2);
    } else {
      cairo_move_to(cr, x + half * 0.2, sh + 1);
      cairo_line_to(cr, x + half * 0.9, sh + 1);
      cairo_line_to(cr, x + half * 0.55, sh + 5);
      cairo_close_path(cr);
      FillWith(cr, accent);
    }
  } else if (f.Garment == TGarment::Jersey) {
    // The sailor's jersey stripes.
    cairo_save(cr);
    cairo_move_to(cr, x - half, sh + 2);
    cairo_line_to(cr, x + half + belly, sh + 2);
    cairo_line_to(cr, x + half, bottom);
    cairo_line_to(cr, x - half, bottom);
    cairo_close_path(cr);
    cairo_clip(cr);
    for (double y = sh + 5; y < bottom; y += 5) {
      cairo_rectangle(cr, x - half - 2, y, half * 2 + 6, 1.8);
      FillWith(cr, WithAlpha(accent, 0.9));
    }
    cairo_restore(cr);
  } else if (f.Garment == TGarment::Dungarees) {
    // The farmer's dungarees over his shirt.
    RoundedRect(cr, x - half * 0.5, sh + (hip - sh) * 0.35, half * 1.4, bottom - sh - (hip - sh) * 0.35, 2);
    FillGlossy(cr, x - half * 0.5, sh, x + half, bottom, accent, 1.2);
    cairo_move_to(cr, x + half * 0.6, sh + (hip - sh) * 0.4);
    cairo_line_to(cr, x + half * 0.2, sh + 1);
    StrokeRound(cr, Darker(accent, 0.2), 2);
  } else {
    // A collar, buttons down the front.
    cairo_move_to(cr, x + half * 0.1, sh + 1);
    cairo_line_to(cr, x + half * 0.8, sh + 1);
    cairo_line_to(cr, x + half * 0.5, sh + 5);
    cairo_close_path(cr);
    FillWith(cr, accent);
    for (int i = 1; i <= 2; ++i)
      FillDot(cr, x + half * 0.75 + belly * 0.6, sh + (hip - sh) * i / 3.0 + 2, 0.9, Darker(coat, 0.5));
  }
}

void Shoe(cairo_t* cr, const TFolk& f, double x, double y) {
  const double r = f.Child ? 2.4 : 3;
  Ellipse(cr, x + r * 0.8, y - r * 0.7, r * 1.8, r * 0.95);
  FillGlossy(cr, x - r, y - r * 1.7, x + r * 2.6, y + 0.3, Hex(f.Shoes), 1);
}

// The far arm behind the body and the near one in front; where the near hand ends.
void Arm(cairo_t* cr, const TFolk& f, const TFrame& fr, double hx, double hy, bool near) {
  const double x = fr.X + (near ? 1 : -1), sh = fr.Shoulder + 3;
  const TColor sleeve = near ? Hex(f.Coat) : Darker(Hex(f.Coat), 0.18);
  const double elbowX = (x + hx) / 2 - 1.5, elbowY = (sh + hy) / 2 + 1;
  cairo_move_to(cr, x, sh);
  cairo_curve_to(cr, elbowX, elbowY - 2, elbowX, elbowY + 2, hx, hy);
  Limb(cr, sleeve, f.Child ? 4.2 : 5.2);
  cairo_arc(cr, hx, hy, f.Child ? 2.2 : 2.8, 0, 2 * kPi);
  FillGlossy(cr, hx - 3, hy - 3, hx + 3, hy + 3, Hex(f.Skin), 1);
}

void Carried(cairo_t* cr, const TFolk& f, const TFrame& fr, double hx, double hy) {
  const TColor accent = Hex(f.Accent);
  switch (f.Carry) {
    case TCarry::Handbag:
      cairo_move_to(cr, hx - 3, hy + 7);
      cairo_curve_to(cr, hx - 3, hy - 2, hx + 4, hy - 2, hx + 4, hy + 7);
      StrokeRound(cr, Darker(accent, 0.5), 1.3);
      RoundedRect(cr, hx - 5, hy + 5, 11, 9, 2.5);
      FillGlossy(cr, hx - 5, hy + 5, hx + 6, hy + 14, Darker(accent, 0.25), 1.2);
      break;
    case TCarry::Basket:
      cairo_arc(cr, hx + 1, hy + 5, 6, kPi, 2 * kPi);
      StrokeRound(cr, Hex(0x8a5a2a), 1.5);
      for (int i = 0; i < 3; ++i)
        FillDot(cr, hx - 3 + i * 4, hy + 4 - (i % 2) * 2, 2.2, i == 1 ? Hex(0xffe04a) : Hex(0xe8506a));
      RoundedRect(cr, hx - 6, hy + 5, 14, 8, 3);
      FillGlossy(cr, hx - 6, hy + 5, hx + 8, hy + 13, Hex(0xd8a050), 1.2);
      break;
    case TCarry::Cane:
      cairo_move_to(cr, hx + 1, hy - 2);
      cairo_line_to(cr, hx + 6, fr.Feet);
      StrokeRound(cr, Hex(0x5a3418), 2.2);
      cairo_arc(cr, hx - 1, hy - 2, 2.5, kPi, 2 * kPi);
      StrokeRound(cr, Hex(0x5a3418), 2.2);
      break;
    case TCarry::Umbrella:
      cairo_move_to(cr, hx + 1, hy - 3);
      cairo_line_to(cr, hx + 5, fr.Feet - 1);
      StrokeRound(cr, Hex(0x2a2a2a), 1.4);
      cairo_move_to(cr, hx + 1.5, hy + 4);
      cairo_line_to(cr, hx - 1.5, fr.Feet - 12);
      cairo_line_to(cr, hx + 4.5, fr.Feet - 5);
      cairo_line_to(cr, hx + 5.5, hy + 4);
      cairo_close_path(cr);
      FillGlossy(cr, hx - 2, hy + 4, hx + 6, fr.Feet - 5, Hex(0x2a2a34), 1);
      cairo_arc(cr, hx - 1, hy - 3, 2.5, kPi, 2 * kPi);
      StrokeRound(cr, Hex(0x6a3a1a), 1.8);
      break;
    case TCarry::Newspaper:
      cairo_move_to(cr, hx - 6, hy - 4);
      cairo_line_to(cr, hx + 3, hy - 8);
      cairo_line_to(cr, hx + 6, hy + 2);
      cairo_line_to(cr, hx - 3, hy + 6);
      cairo_close_path(cr);
      FillGlossy(cr, hx - 6, hy - 8, hx + 6, hy + 6, Hex(0xf4f0e4), 1);
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, hx - 3 + i * 0.8, hy - 3 + i * 2.5);
        cairo_line_to(cr, hx + 3 + i * 0.8, hy - 5.5 + i * 2.5);
      }
      StrokeRound(cr, WithAlpha(kInk, 0.5), 0.8);
      break;
    case TCarry::Toy: {
      // A paper windmill on a stick.
      cairo_move_to(cr, hx, hy + 2);
      cairo_line_to(cr, hx + 2, hy - 12);
      StrokeRound(cr, Hex(0x8a5a2a), 1.4);
      const std::uint32_t vanes[4] = {0xffd040, 0x5ab0f0, 0xe8506a, 0x6ac04a};
      for (int i = 0; i < 4; ++i) {
        const double a = i * kPi / 2 + 0.3;
        cairo_move_to(cr, hx + 2, hy - 12);
        cairo_line_to(cr, hx + 2 + std::cos(a) * 6, hy - 12 + std::sin(a) * 6);
        cairo_line_to(cr, hx + 2 + std::cos(a + 0.9) * 4, hy - 12 + std::sin(a + 0.9) * 4);
        cairo_close_path(cr);
        FillGlossy(cr, hx - 5, hy - 19, hx + 9, hy - 5, Hex(vanes[i]), 0.8);
      }
      break;
    }
    default: break;
  }
}

// What goes behind the figure: the hiker's pack, the young woman's dog and its lead.
void Behind(cairo_t* cr, const TFolk& f, const TFrame& fr) {
  const double x = fr.X, sh = fr.Shoulder, r = fr.R;
  if (f.Carry == TCarry::Backpack) {
    RoundedRect(cr, x - r * 2.1, sh - 3, r * 1.5, (fr.Hip - sh) + 8, 5);
    FillGlossy(cr, x - r * 2.1, sh - 3, x - r * 0.6, fr.Hip + 5, Hex(0xb0703a), 1.6);
    RoundedRect(cr, x - r * 2.3, sh - 8, r * 1.9, 6, 3);
    FillGlossy(cr, x - r * 2.3, sh - 8, x - r * 0.4, sh - 2, Hex(0x3a6a9a), 1.3);
    RoundedRect(cr, x - r * 2.0, sh + (fr.Hip - sh) * 0.45, r * 1.3, 7, 2);
    FillGlossy(cr, x - r * 2.0, sh, x - r * 0.7, fr.Hip, Darker(Hex(0xb0703a), 0.15), 1.2);
  } else if (f.Carry == TCarry::Dog) {
    // A small white terrier sitting a little behind, looking up at her.
    const double dx = x - 30, feet = fr.Feet;
    const TColor fur = Hex(0xf4eee4), patch = Hex(0xb07a4a);
    cairo_move_to(cr, x - 6, fr.Hip - 4);
    cairo_curve_to(cr, x - 14, fr.Hip + 14, dx + 10, feet - 22, dx + 8, feet - 16);
    StrokeRound(cr, Hex(0xd83a3a), 1.2);
    Ellipse(cr, dx, feet - 7, 10, 7);
    FillGlossy(cr, dx - 10, feet - 14, dx + 10, feet, fur, 1.3);
    Ellipse(cr, dx + 6, feet - 15, 6, 6.5);
    FillGlossy(cr, dx, feet - 22, dx + 12, feet - 8, fur, 1.3);
    Ellipse(cr, dx + 3, feet - 19, 2.5, 4);
    FillWith(cr, patch);
    FillDot(cr, dx + 12, feet - 14, 1.5, kPupil);
    FillDot(cr, dx + 8, feet - 17, 1, kPupil);
    cairo_move_to(cr, dx - 9, feet - 8);
    cairo_curve_to(cr, dx - 14, feet - 12, dx - 14, feet - 18, dx - 12, feet - 20);
    StrokeRound(cr, Darker(fur, 0.4), 3.2);
    cairo_move_to(cr, dx - 9, feet - 8);
    cairo_curve_to(cr, dx - 14, feet - 12, dx - 14, feet - 18, dx - 12, feet - 20);
    StrokeRound(cr, fur, 1.8);
    RoundedRect(cr, dx + 2, feet - 10, 3, 1.2, 0.6);
    FillWith(cr, Hex(0xd83a3a));
  }
}

void StandingFolk(cairo_t* cr, int kind) {
  const TFolk& f = kFolk[kind - 1];
  const TPlaces::TOffset offset = TPlaces::FigureOffset(kind);
  const TFrame fr = StandingFrame(f, TPlaces::FigureHeadX + offset.X, QueueTop(kind));
  const double x = fr.X, feet = fr.Feet;
  Ellipse(cr, x + 1, feet, f.Child ? 10 : 15, 2.5);
  FillWith(cr, WithAlpha(kGroundShadow, 0.3));
  Behind(cr, f, fr);
  Hair(cr, f, fr, true);
  // The far arm hangs behind; the legs in a small step.
  Arm(cr, f, fr, x - 2, fr.Hip + 2, false);
  const double legW = f.Child ? 4.2 : 5.4;
  const double skirt = f.Woman ? fr.Hip + (feet - fr.Hip) * (f.LongSkirt ? 0.82 : 0.6) : fr.Hip + 2;
  for (int leg = -1; leg <= 1; leg += 2) {
    const double fx = x + leg * (f.Child ? 2.5 : 3.5);
    cairo_move_to(cr, x + leg * 1.5, fr.Hip);
    cairo_line_to(cr, fx, feet - 3);
    Limb(cr, f.Woman ? Darker(Hex(f.Skin), 0.1) : leg < 0 ? Darker(Hex(f.Legs), 0.15) : Hex(f.Legs),
         f.Woman ? legW * 0.7 : legW);
    Shoe(cr, f, fx, feet);
  }
  Body(cr, f, fr, skirt);
  // The near arm: holding what the customer carries, or hanging.
  double hx = x + 4, hy = fr.Hip + 1;
  if (f.Carry == TCarry::Cane || f.Carry == TCarry::Umbrella) hx = x + 8, hy = fr.Hip - 1;
  if (f.Carry == TCarry::Newspaper || f.Carry == TCarry::Toy) hx = x + 9, hy = fr.Hip - 6;
  if (f.Carry == TCarry::Basket) hx = x + 7, hy = fr.Hip - 4;
  if (f.Carry == TCarry::Backpack) {
    // Both hands on the straps.
    cairo_move_to(cr, x - fr.R * 0.2, fr.Shoulder);
    cairo_line_to(cr, x - fr.R * 0.2, fr.Hip - 2);
    StrokeRound(cr, Hex(0x5a3418), 2);
    hx = x + 3, hy = fr.Shoulder + 8;
  }
  Arm(cr, f, fr, hx, hy, true);
  Carried(cr, f, fr, hx, hy);
  cairo_rectangle(cr, fr.HeadX - fr.R * 0.45, fr.HeadY + fr.R * 0.6, fr.R * 0.7, fr.Shoulder - fr.HeadY - fr.R * 0.3);
  FillWith(cr, Darker(Hex(f.Skin), 0.08));
  Face(cr, f, fr, false);
}

// Seated on a bistro chair at the terrace table on the right, the fork raised to the dish.
void SeatedFolk(cairo_t* cr, int kind) {
  const TFolk& f = kFolk[kind - 1];
  // The same build as in the queue, lowered onto the chair.
  TFrame fr = StandingFrame(f, kEatingBody + 3, QueueTop(kind));
  const double legs = fr.Feet - fr.Hip;
  const double seat = kEatingFloor - kSeatHeight;
  const double lift = seat - fr.Hip;
  fr.HeadY += lift, fr.Shoulder += lift, fr.Hip = seat, fr.Feet = kEatingFloor;
  fr.X = kEatingBody;
  fr.HeadX = fr.X + fr.R * 0.3 + 1;
  const double x = fr.X;
  // The chair: back legs, seat and the curled back behind the customer.
  Ellipse(cr, x + 4, kEatingFloor, 18, 2.5);
  FillWith(cr, WithAlpha(kGroundShadow, 0.3));
  cairo_move_to(cr, x - 11, kEatingFloor);
  cairo_line_to(cr, x - 9, seat + 2);
  cairo_move_to(cr, x + 11, kEatingFloor);
  cairo_line_to(cr, x + 9, seat + 2);
  cairo_move_to(cr, x - 9, seat + 1);
  cairo_curve_to(cr, x - 12, seat - 10, x - 13, seat - 22, x - 9, seat - 26);
  cairo_curve_to(cr, x - 5, seat - 29, x - 3, seat - 24, x - 6, seat - 21);
  StrokeRound(cr, kChairIron, 2.4);
  Hair(cr, f, fr, true);
  Arm(cr, f, fr, x + 10, fr.Shoulder + 14, false);
  // Thigh forward along the seat, shin down to the ground.
  const double knee = x + std::min(legs * 0.55, 16.0);
  const double foot = std::min(kEatingFloor, seat + legs * 0.55);
  for (int leg = -1; leg <= 1; leg += 2) {
    cairo_move_to(cr, x, seat - 1);
    cairo_line_to(cr, knee + leg, seat - 1);
    cairo_line_to(cr, knee + 1 + leg * 1.5, foot - 3);
    Limb(cr, leg < 0 ? Darker(Hex(f.Legs), 0.15) : Hex(f.Legs), f.Child ? 4.2 : 5.4);
    Shoe(cr, f, knee + 1 + leg * 1.5, foot);
  }
  RoundedRect(cr, x - 11, seat - 1, 23, 3.5, 1.5);
  FillGlossy(cr, x - 11, seat - 1, x + 12, seat + 2.5, kChairIron, 1);
  Body(cr, f, fr, seat + 1);
  if (f.Woman) {
    // The skirt over the lap.
    cairo_move_to(cr, x - fr.R, seat - 4);
    cairo_line_to(cr, knee + 3, seat - 4);
    cairo_line_to(cr, knee + 4, seat + 5);
    cairo_line_to(cr, x - fr.R, seat + 3);
    cairo_close_path(cr);
    FillGlossy(cr, x - fr.R, seat - 4, knee + 4, seat + 5, Hex(f.Coat), 1.4);
  }
  // The near arm reaches over the table's edge with the fork toward the dish.
  const double hx = x + 15, hy = fr.Shoulder + 9;
  cairo_move_to(cr, hx, hy);
  cairo_line_to(cr, hx + 10, hy - 6);
  StrokeRound(cr, Darker(kFork, 0.3), 2.2);
  cairo_move_to(cr, hx, hy);
  cairo_line_to(cr, hx + 10, hy - 6);
  StrokeRound(cr, kFork, 1.2);
  for (int t = -1; t <= 1; ++t) {
    cairo_move_to(cr, hx + 10, hy - 6);
    cairo_line_to(cr, hx + 14 + t * 0.8, hy - 9 + t * 1.4);
  }
  StrokeRound(cr, kFork, 0.9);
  Arm(cr, f, fr, hx, hy, true);
  cairo_rectangle(cr, fr.HeadX - fr.R * 0.45, fr.HeadY + fr.R * 0.6, fr.R * 0.7, fr.Shoulder - fr.HeadY - fr.R * 0.3);
  FillWith(cr, Darker(Hex(f.Skin), 0.08));
  Face(cr, f, fr, true);
}

// ---- Passers-by -----------------------------------------------------------------------

// The merchant, facing left, under a tall pack of wares: bolts of cloth, pots, a lantern.
void Merchant(cairo_t* cr, double w, double h) {
  const double feet = h - 4, x = w * 0.42;
  const TColor coat = Hex(0x7a4a8a), skin = Hex(0xf0c8a0);
  Ellipse(cr, x + 14, feet, 44, 5);
  FillWith(cr, WithAlpha(kGroundShadow, 0.3));
  // The pack frame on his back (his back is on the right), and its load.
  RoundedRect(cr, x + 22, feet - 150, 56, 118, 6);
  FillGlossy(cr, x + 22, feet - 150, x + 78, feet - 32, kWood, 2);
  const std::uint32_t bolts[3] = {0xd84a3a, 0x3f8fd0, 0xf2c050};
  for (int i = 0; i < 3; ++i) {
    RoundedRect(cr, x + 26, feet - 146 + i * 22, 48, 19, 8);
    FillGlossy(cr, x + 26, feet - 146 + i * 22, x + 74, feet - 127 + i * 22, Hex(bolts[i]), 1.6);
    cairo_move_to(cr, x + 34, feet - 140 + i * 22);
    cairo_line_to(cr, x + 34, feet - 130 + i * 22);
    StrokeRound(cr, WithAlpha(kWhite, 0.5), 1.4);
  }
  // A copper pot and a pan tied to the side, a lantern hanging at the top.
  Ellipse(cr, x + 84, feet - 70, 12, 11);
  FillGlossy(cr, x + 72, feet - 81, x + 96, feet - 59, Hex(0xc8783a), 1.6);
  cairo_move_to(cr, x + 76, feet - 110);
  cairo_line_to(cr, x + 94, feet - 94);
  StrokeRound(cr, Hex(0x3a3a3a), 3);
  Ellipse(cr, x + 96, feet - 92, 8, 6);
  FillGlossy(cr, x + 88, feet - 98, x + 104, feet - 86, Hex(0x4a4a4a), 1.4);
  cairo_move_to(cr, x + 50, feet - 150);
  cairo_line_to(cr, x + 50, feet - 158);
  StrokeRound(cr, kDarkWood, 1.6);
  RoundedRect(cr, x + 44, feet - 172, 12, 15, 3);
  FillGlossy(cr, x + 44, feet - 172, x + 56, feet - 157, kTitleGold, 1.4);
  // Legs in a stride, boots.
  for (int leg = -1; leg <= 1; leg += 2) {
    cairo_move_to(cr, x + 4, feet - 58);
    cairo_line_to(cr, x + 4 + leg * 12, feet - 6);
    Limb(cr, leg < 0 ? Hex(0x4a3a2a) : Darker(Hex(0x4a3a2a), 0.2), 10);
    Ellipse(cr, x + leg * 12, feet - 4, 9, 5);
    FillGlossy(cr, x + leg * 12 - 9, feet - 9, x + leg * 12 + 9, feet, Hex(0x3a2414), 1.5);
  }
  // His long coat, belt and satchel strap.
  cairo_move_to(cr, x - 16, feet - 120);
  cairo_curve_to(cr, x - 4, feet - 128, x + 14, feet - 128, x + 24, feet - 118);
  cairo_line_to(cr, x + 28, feet - 44);
  cairo_line_to(cr, x - 20, feet - 44);
  cairo_close_path(cr);
  FillGlossy(cr, x - 20, feet - 128, x + 28, feet - 44, coat, 2);
  RoundedRect(cr, x - 19, feet - 82, 46, 7, 2);
  FillGlossy(cr, x - 19, feet - 82, x + 27, feet - 75, kDarkWood, 1.2);
  RoundedRect(cr, x - 2, feet - 83, 9, 9, 1.5);
  FillWith(cr, kGold);
  cairo_move_to(cr, x + 20, feet - 120);
  cairo_line_to(cr, x - 14, feet - 70);
  StrokeRound(cr, Hex(0x8a5a30), 3);
  // The near arm forward with the walking stick.
  cairo_move_to(cr, x - 16, feet - 80);
  cairo_line_to(cr, x - 30, feet);
  StrokeRound(cr, Hex(0x6a4a2a), 3.2);
  cairo_move_to(cr, x - 2, feet - 114);
  cairo_curve_to(cr, x - 10, feet - 100, x - 14, feet - 92, x - 18, feet - 84);
  Limb(cr, coat, 10);
  cairo_arc(cr, x - 18, feet - 82, 5, 0, 2 * kPi);
  FillGlossy(cr, x - 23, feet - 87, x - 13, feet - 77, skin, 1.2);
  // Head, facing left: nose, eye, a round beard, and a wide hat.
  const double hx = x - 2, hy = feet - 140;
  cairo_arc(cr, hx, hy, 15, 0, 2 * kPi);
  FillGlossy(cr, hx - 15, hy - 15, hx + 15, hy + 15, skin, 1.8);
  cairo_move_to(cr, hx + 15, hy + 2);
  cairo_curve_to(cr, hx + 12, hy + 22, hx - 12, hy + 24, hx - 14, hy + 6);
  cairo_curve_to(cr, hx - 6, hy + 9, hx + 4, hy + 9, hx + 15, hy + 2);
  FillGlossy(cr, hx - 15, hy, hx + 15, hy + 22, Hex(0x8a5a2a), 1.4);
  cairo_arc(cr, hx - 14, hy + 1, 4, 0, 2 * kPi);
  FillGlossy(cr, hx - 18, hy - 3, hx - 10, hy + 5, skin, 1.2);
  Ellipse(cr, hx - 7, hy - 4, 1.8, 2.4);
  FillWith(cr, kPupil);
  cairo_arc(cr, hx - 4, hy + 2, 3, 0, 2 * kPi);
  FillWith(cr, WithAlpha(kBlush, 0.45));
  Ellipse(cr, hx + 2, hy - 13, 26, 6);
  FillGlossy(cr, hx - 24, hy - 19, hx + 28, hy - 7, Hex(0x5a3a1a), 1.8);
  cairo_move_to(cr, hx - 11, hy - 14);
  cairo_curve_to(cr, hx - 10, hy - 32, hx + 14, hy - 32, hx + 15, hy - 14);
  cairo_close_path(cr);
  FillGlossy(cr, hx - 11, hy - 30, hx + 15, hy - 14, Hex(0x5a3a1a), 1.8);
  cairo_rectangle(cr, hx - 10.5, hy - 19, 25, 4);
  FillWith(cr, Hex(0xd84a3a));
}

// A horse seen from the side walking left, its nose at nose x and hooves on the ground.
void Horse(cairo_t* cr, double nose, double ground, const TColor& coat, const TColor& mane) {
  const double body = nose + 62;  // the body's front
  // The far legs, darker, then the body, the near legs, neck and head.
  auto leg = [&](double x, double y, double dx, const TColor& c) {
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + dx * 0.5, ground - 30);
    cairo_line_to(cr, x + dx, ground - 6);
    Limb(cr, c, 11);
    RoundedRect(cr, x + dx - 7, ground - 9, 14, 9, 2);
    FillGlossy(cr, x + dx - 7, ground - 9, x + dx + 7, ground, Hex(0x3a2a1a), 1.2);
  };
  const TColor far = Darker(coat, 0.2);
  leg(body + 22, ground - 78, -12, far);
  leg(body + 122, ground - 78, 10, far);
  Ellipse(cr, body + 72, ground - 92, 74, 36);
  FillGlossy(cr, body - 2, ground - 128, body + 146, ground - 56, coat, 2.2);
  // The tail, swishing behind.
  cairo_move_to(cr, body + 142, ground - 112);
  cairo_curve_to(cr, body + 168, ground - 104, body + 170, ground - 72, body + 160, ground - 50);
  cairo_curve_to(cr, body + 156, ground - 70, body + 150, ground - 92, body + 140, ground - 100);
  cairo_close_path(cr);
  FillGlossy(cr, body + 140, ground - 112, body + 170, ground - 50, mane, 1.6);
  leg(body + 36, ground - 74, -20, coat);
  leg(body + 110, ground - 76, 18, coat);
  // Neck up to the head.
  cairo_move_to(cr, body + 30, ground - 118);
  cairo_curve_to(cr, body + 14, ground - 140, body - 4, ground - 160, body - 20, ground - 162);
  cairo_line_to(cr, body - 34, ground - 140);
  cairo_curve_to(cr, body - 20, ground - 120, body - 8, ground - 96, body + 6, ground - 80);
  cairo_close_path(cr);
  FillGlossy(cr, body - 34, ground - 162, body + 30, ground - 80, coat, 2.2);
  // The head, long, its muzzle to the left and down.
  cairo_move_to(cr, body - 12, ground - 166);
  cairo_curve_to(cr, body - 30, ground - 170, body - 52, ground - 150, body - 60, ground - 130);
  cairo_curve_to(cr, body - 64, ground - 118, body - 50, ground - 112, body - 40, ground - 118);
  cairo_curve_to(cr, body - 28, ground - 126, body - 16, ground - 134, body - 6, ground - 144);
  cairo_close_path(cr);
  FillGlossy(cr, body - 64, ground - 170, body - 6, ground - 112, coat, 2);
  Ellipse(cr, body - 54, ground - 122, 8, 7);
  FillWith(cr, Lighter(coat, 0.35));
  FillDot(cr, body - 58, ground - 125, 1.6, kDarkWood);
  Ellipse(cr, body - 30, ground - 150, 3, 3.6);
  FillWith(cr, kPupil);
  FillDot(cr, body - 31, ground - 151.5, 1, kWhite);
  cairo_move_to(cr, body - 14, ground - 164);
  cairo_line_to(cr, body - 12, ground - 178);
  cairo_line_to(cr, body - 4, ground - 162);
  cairo_close_path(cr);
  FillGlossy(cr, body - 14, ground - 178, body - 4, ground - 162, coat, 1.5);
  // The mane along the neck.
  cairo_move_to(cr, body - 10, ground - 168);
  for (int i = 0; i < 6; ++i)
    cairo_curve_to(cr, body - 4 + i * 7, ground - 170 + i * 8, body + 2 + i * 7,
                   ground - 158 + i * 8, body + i * 7, ground - 154 + i * 8);
  cairo_line_to(cr, body + 30, ground - 118);
  cairo_curve_to(cr, body + 14, ground - 136, body, ground - 150, body - 10, ground - 168);
  cairo_close_path(cr);
  FillGlossy(cr, body - 10, ground - 170, body + 42, ground - 110, mane, 1.6);
  // Bridle.
  cairo_move_to(cr, body - 48, ground - 126);
  cairo_line_to(cr, body - 22, ground - 148);
  cairo_move_to(cr, body - 40, ground - 138);
  cairo_line_to(cr, body - 38, ground - 118);
  StrokeRound(cr, Hex(0x5a2a14), 2.4);
}

// Horse 1: a brown horse drawing a farm cart with barrels and its driver.
void HorseAndCart(cairo_t* cr, double w, double h) {
  const double ground = h - 6;
  Ellipse(cr, w * 0.5, ground, w * 0.46, 6);
  FillWith(cr, WithAlpha(kGroundShadow, 0.28));
  const double cart = 232;
  // Shafts from the cart to the horse's collar.
  cairo_move_to(cr, cart + 10, ground - 58);
  cairo_line_to(cr, 96, ground - 96);
  StrokeRound(cr, kDarkWood, 6);
  cairo_move_to(cr, cart + 10, ground - 58);
  cairo_line_to(cr, 96, ground - 96);
  StrokeRound(cr, kLightWood, 3.5);
  // The cart: the far wheel, the bed with its load, the driver, the near wheel.
  cairo_arc(cr, cart + 132, ground - 30, 28, 0, 2 * kPi);
  FillGlossy(cr, cart + 104, ground - 58, cart + 160, ground - 2, Darker(kWood, 0.25), 2);
  for (int i = 0; i < 2; ++i) {
    RoundedRect(cr, cart + 96 + i * 36, ground - 118, 32, 44, 8);
    FillGlossy(cr, cart + 96 + i * 36, ground - 118, cart + 128 + i * 36, ground - 74, kWood, 1.8);
    for (int band = 0; band < 2; ++band) {
      cairo_rectangle(cr, cart + 96 + i * 36, ground - 108 + band * 22, 32, 3);
      FillWith(cr, Hex(0x5a5a5a));
    }
  }
  // The driver on his bench at the front.
  const TColor shirt = Hex(0x3f8fd0), skin = Hex(0xf0c098);
  RoundedRect(cr, cart + 40, ground - 124, 22, 36, 6);
  FillGlossy(cr, cart + 40, ground - 124, cart + 62, ground - 88, shirt, 1.6);
  cairo_move_to(cr, cart + 44, ground - 112);
  cairo_line_to(cr, cart + 16, ground - 104);
  Limb(cr, shirt, 6);
  cairo_move_to(cr, cart + 14, ground - 104);
  cairo_line_to(cr, 104, ground - 110);
  StrokeRound(cr, Hex(0x5a2a14), 1.2);
  FillDot(cr, cart + 14, ground - 104, 3.4, skin);
  cairo_arc(cr, cart + 50, ground - 136, 11, 0, 2 * kPi);
  FillGlossy(cr, cart + 39, ground - 147, cart + 61, ground - 125, skin, 1.6);
  Ellipse(cr, cart + 44, ground - 138, 1.4, 2);
  FillWith(cr, kPupil);
  cairo_arc(cr, cart + 39, ground - 135, 2.6, 0, 2 * kPi);
  FillGlossy(cr, cart + 36, ground - 138, cart + 42, ground - 132, skin, 1);
  Ellipse(cr, cart + 51, ground - 146, 16, 4);
  FillGlossy(cr, cart + 35, ground - 150, cart + 67, ground - 142, Hex(0xe8c060), 1.4);
  cairo_move_to(cr, cart + 42, ground - 147);
  cairo_curve_to(cr, cart + 42, ground - 158, cart + 60, ground - 158, cart + 60, ground - 147);
  cairo_close_path(cr);
  FillGlossy(cr, cart + 42, ground - 158, cart + 60, ground - 147, Hex(0xe8c060), 1.4);
  RoundedRect(cr, cart + 20, ground - 76, 170, 20, 4);
  FillGlossy(cr, cart + 20, ground - 76, cart + 190, ground - 56, kLightWood, 2);
  for (int i = 0; i < 6; ++i) {
    cairo_move_to(cr, cart + 34 + i * 28, ground - 74);
    cairo_line_to(cr, cart + 34 + i * 28, ground - 58);
  }
  StrokeRound(cr, WithAlpha(kDarkWood, 0.4), 1.2);
  cairo_arc(cr, cart + 70, ground - 30, 28, 0, 2 * kPi);
  FillGlossy(cr, cart + 42, ground - 58, cart + 98, ground - 2, kWood, 2.2);
  cairo_arc(cr, cart + 70, ground - 30, 20, 0, 2 * kPi);
  StrokeRound(cr, Darker(kWood, 0.4), 1.6);
  for (int i = 0; i < 6; ++i) {
    const double a = i * kPi / 3;
    cairo_move_to(cr, cart + 70, ground - 30);
    cairo_line_to(cr, cart + 70 + std::cos(a) * 20, ground - 30 + std::sin(a) * 20);
  }
  StrokeRound(cr, Darker(kWood, 0.4), 2);
  FillDot(cr, cart + 70, ground - 30, 5, kChairIron);
  Horse(cr, 4, ground, Hex(0xa0643a), Hex(0x4a2a14));
  // The collar.
  Ellipse(cr, 86, ground - 104, 9, 20);
  FillGlossy(cr, 77, ground - 124, 95, ground - 84, Hex(0xd84a3a), 1.6);
}

// Horse 2: a grey pony with a postman riding, his bag at his side.
void HorseAndRider(cairo_t* cr, double w, double h) {
  const double ground = h - 6;
  Ellipse(cr, w * 0.5, ground, w * 0.44, 6);
  FillWith(cr, WithAlpha(kGroundShadow, 0.28));
  const TColor coat = Hex(0xd8d4cc), mane = Hex(0x6a6a72);
  Horse(cr, 6, ground, coat, mane);
  // Saddle blanket and saddle.
  const double sx = 68 + 60;
  RoundedRect(cr, sx - 6, ground - 130, 52, 32, 6);
  FillGlossy(cr, sx - 6, ground - 130, sx + 46, ground - 98, Hex(0xc0392b), 1.6);
  // The rider: leg down the pony's side, body, bag, arm to the reins, head with a cap.
  const TColor jacket = Hex(0x2f5f9a), skin = Hex(0xffd4b0);
  cairo_move_to(cr, sx + 14, ground - 126);
  cairo_line_to(cr, sx + 4, ground - 96);
  cairo_line_to(cr, sx + 10, ground - 74);
  Limb(cr, Hex(0x2a2a3a), 10);
  RoundedRect(cr, sx + 2, ground - 78, 18, 9, 3);
  FillGlossy(cr, sx + 2, ground - 78, sx + 20, ground - 69, Hex(0x1a1a1a), 1.2);
  cairo_move_to(cr, sx + 4, ground - 176);
  cairo_curve_to(cr, sx + 18, ground - 184, sx + 34, ground - 178, sx + 34, ground - 166);
  cairo_line_to(cr, sx + 30, ground - 122);
  cairo_line_to(cr, sx + 2, ground - 122);
  cairo_close_path(cr);
  FillGlossy(cr, sx + 2, ground - 184, sx + 34, ground - 122, jacket, 1.8);
  RoundedRect(cr, sx + 26, ground - 150, 22, 20, 4);
  FillGlossy(cr, sx + 26, ground - 150, sx + 48, ground - 130, Hex(0x8a5a30), 1.6);
  cairo_move_to(cr, sx + 30, ground - 176);
  cairo_line_to(cr, sx + 40, ground - 150);
  StrokeRound(cr, Hex(0x5a3418), 2.4);
  cairo_move_to(cr, sx + 8, ground - 170);
  cairo_curve_to(cr, sx - 6, ground - 160, sx - 14, ground - 152, sx - 24, ground - 150);
  Limb(cr, jacket, 7);
  cairo_move_to(cr, sx - 24, ground - 150);
  cairo_line_to(cr, 20, ground - 126);
  StrokeRound(cr, Hex(0x5a2a14), 1.2);
  FillDot(cr, sx - 25, ground - 150, 3.6, skin);
  const double hx = sx + 14, hy = ground - 196;
  cairo_arc(cr, hx, hy, 13, 0, 2 * kPi);
  FillGlossy(cr, hx - 13, hy - 13, hx + 13, hy + 13, skin, 1.8);
  cairo_arc(cr, hx - 13, hy + 1, 3, 0, 2 * kPi);
  FillGlossy(cr, hx - 16, hy - 2, hx - 10, hy + 4, skin, 1);
  Ellipse(cr, hx - 6, hy - 2, 1.6, 2.2);
  FillWith(cr, kPupil);
  cairo_move_to(cr, hx - 12, hy + 5);
  cairo_curve_to(cr, hx - 8, hy + 8, hx - 4, hy + 7, hx - 2, hy + 5);
  StrokeRound(cr, Hex(0x5a3418), 2);
  cairo_move_to(cr, hx - 13, hy - 6);
  cairo_curve_to(cr, hx - 12, hy - 20, hx + 12, hy - 20, hx + 13, hy - 6);
  cairo_close_path(cr);
  FillGlossy(cr, hx - 13, hy - 20, hx + 13, hy - 6, jacket, 1.5);
  cairo_move_to(cr, hx - 8, hy - 8);
  cairo_line_to(cr, hx - 24, hy - 6);
  cairo_line_to(cr, hx - 10, hy - 4);
  cairo_close_path(cr);
  FillGlossy(cr, hx - 24, hy - 8, hx - 8, hy - 4, Darker(jacket, 0.3), 1.2);
  FillDot(cr, hx, hy - 13, 2.4, kGold);
}

}  // namespace

void PaintRestoQueuingCusts(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [](cairo_t* cr, int p, double, double) { StandingFolk(cr, p + 1); });
}

void PaintRestoEatingCusts(TCanvas& c, const TAssetSpec& s) {
  ForEachPattern(c, s, [](cairo_t* cr, int p, double, double) { SeatedFolk(cr, p + 1); });
}

void PaintMerchant(TCanvas& c, const TAssetSpec& s) {
  Merchant(c.Cr(), s.Width(), s.Height());
}

void PaintHorse(TCanvas& c, const TAssetSpec& s, TPasserHorse horse) {
  // Drawn at a larger size, then brought down so the hooves stay above the shop's counter.
  cairo_t* cr = c.Cr();
  const double k = s.Height() / kHorseHeight;
  cairo_scale(cr, k, k);
  if (horse.WithCart) HorseAndCart(cr, s.Width() / k, kHorseHeight);
  else HorseAndRider(cr, s.Width() / k, kHorseHeight);
}

}  // namespace assetgen
