#pragma once

// Where the hub's restaurant puts its customers' balloons and hearts, and the islands'
// decorations over the town. The game, the picture generator and the tests read the same
// table, so a picture and the point it is drawn at cannot drift apart.
class TRestoPlaces {
 public:
  // For the tallest customers: the order balloon at the queue's front, the heart and the
  // praise over the exit. The others move them by their figure's offset.
  static constexpr int BalloonLeft = 505, BalloonTop = 117;
  static constexpr int HeartLeft = 926, HeartTop = 175;
  static constexpr int BrokenHeartLeft = 961;
  static constexpr int PraiseLeft = 914, PraiseTop = 154;
  // Where the tallest customers' heads are in their queue picture, across.
  static constexpr int FigureHeadX = 82;

  struct TOffset {
    int X, Y;
  };
  // Shorter customers' heads are lower, and two stand further forward in their picture.
  static constexpr TOffset FigureOffset(int kind) {
    switch (kind) {
      case 4: return {0, 94};
      case 5: return {0, 65};
      case 6: return {0, 35};
      case 9: return {40, 64};
      case 11: return {0, 30};
      case 12: return {29, 0};
      default: return {0, 0};
    }
  }

  // How a decoration moves: a sway, a twitch or a snap (turned by Degrees times the swing),
  // breathing across (its width pulses) or rocking (turned by Degrees times the pulse's rise).
  enum class TMotion { Still, Sway, Twitch, Snap, Breathe, Rock };
  struct TDecoration {
    int Island;
    const char* Name;
    float X, Y;  // top-left corner on the screen
    // The point that turns and scales keep in place, as fractions of the picture's size;
    // far outside it (-10) the turn becomes a slide.
    float CenterX, CenterY;
    TMotion Motion;
    float Degrees;
  };
  // In drawing order.
  static constexpr int DecorationCount = 11;
  static constexpr TDecoration Decorations[DecorationCount] = {
      {1, "Country3Object1", 1257, 269, 0.5f, -10, TMotion::Sway, 3},
      {1, "Country3Object2A", 1024, 412, 0.5f, 0.5f, TMotion::Still, 0},
      {1, "Country3Object2B", 1014, 357, 0.77272725f, 0.4556962f, TMotion::Snap, -45},
      {1, "Country3Object3", 330, 302, 0.5f, -10, TMotion::Twitch, -0.65f},
      {2, "Country1Object1", 933, 562, 0.8f, 0.5f, TMotion::Breathe, 0},
      {3, "Country2Object1", 1108, 545, 0.7f, 0.5f, TMotion::Breathe, 0},
      {4, "Country5Object1", 156, 354, 0.5f, -10, TMotion::Twitch, -0.5f},
      {4, "Country5Object2", 790, 553, -10, 0.5f, TMotion::Sway, 1},
      {5, "Country4Object1C", 693, 575, 0.852459f, 0.11594203f, TMotion::Sway, 20},
      {5, "Country4Object1A", 642, 548, 0.5f, 0.5f, TMotion::Still, 0},
      {5, "Country4Object1B", 646, 518, 0.76363635f, 0.37704918f, TMotion::Rock, 180},
  };
};
