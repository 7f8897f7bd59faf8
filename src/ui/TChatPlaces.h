#pragma once
#include "engine/SharedTypes.h"

// Where the chapter dialogue puts its people and balloons on the screen. The game and the
// picture generator read the same table, so a face is painted clear of its balloon.
class TChatPlaces {
 public:
  static constexpr TPoint MainChar{26, 71};
  static constexpr TPoint MainBalloon{332, 111};
  // Balloon text starts this far right of and below the balloon's place.
  static constexpr int TextOffsetX = 30, TextOffsetY = 23;
  // The balloon picture's width (the text wraps at 345 from x 30).
  static constexpr int BalloonWidth = 420;

  // client 1..8; (0, 0) for anything else.
  static constexpr TPoint ClientPicture(int client) {
    constexpr TPoint places[8] = {{980, 26}, {989, 210}, {991, 56}, {864, 23},
                                  {814, 26}, {969, 73},  {943, 7},  {1015, 288}};
    return client >= 1 && client <= 8 ? places[client - 1] : TPoint{};
  }
  static constexpr TPoint ClientBalloon(int client) {
    constexpr TPoint places[8] = {{592, 72}, {638, 204}, {643, 91}, {641, 44},
                                  {600, 18}, {597, 131}, {626, 26}, {676, 260}};
    return client >= 1 && client <= 8 ? places[client - 1] : TPoint{};
  }
};
