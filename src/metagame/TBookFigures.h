#pragma once
// The sizes and joints the hub's pictures are drawn to and the hub's painters draw by: the
// book's tube and badge, the pocket's panel, the townsfolk and the small heroine.
struct TBookFigures {
  static constexpr const char* Tube = "BookProgressTube";  // 1 x 3: front, back, badge
  static constexpr const char* TubeFill = "BookProgressTubeFill";
  static constexpr int TubeWidth = 428, TubeHeight = 71;
  static constexpr int FillX = 24, FillY = 11, FillWidth = 251, FillHeight = 19;
  // The book badge of pattern 2; it pops about its middle.
  static constexpr int BadgeX = 342, BadgeY = 36;

  static constexpr const char* PocketPanel = "PocketPanel";
  static constexpr int PocketWidth = 130, PocketHeight = 280;

  // Townsfolk, facing left; a pattern's feet are at (CitizenFeetX, CitizenFeetY).
  static constexpr const char* Citizens = "Citizens";
  static constexpr int CitizenPatterns = 4;
  static constexpr int CitizenWidth = 48, CitizenHeight = 76;
  static constexpr int CitizenFeetX = 24, CitizenFeetY = 74;

  // The small heroine: the body at (Left, Top), happy eyes on pattern 1; each arm is one
  // picture hanging from its shoulder joint, turned outward by the cheer.
  static constexpr const char* SmallBody = "SmallWynnet";
  static constexpr const char* SmallArm = "SmallWynnetArm";
  static constexpr int SmallWidth = 130, SmallHeight = 290;
  static constexpr int ShoulderLeftX = 42, ShoulderRightX = 86, ShoulderY = 170;
  static constexpr int ArmWidth = 24, ArmHeight = 76;
  static constexpr int ArmJointX = 12, ArmJointY = 9;
  // Even at rest the arms hang a little away from the dress.
  static constexpr float ArmRestAngle = 10;
};
