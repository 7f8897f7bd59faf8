#pragma once
// The layout the creature pictures are drawn to and TBossPainter draws by. Every island's
// creature folder holds the same names at the same sizes, so one painter serves all five.
// A pattern's top-left is the creature's Position; it stands on FeetY.
struct TBossFigure {
  static constexpr const char* Walking = "BossWalking";      // facing left, 8 patterns
  static constexpr const char* Front = "BossFront";          // preparing: breath, arms rising
  static constexpr const char* Absorbing = "BossAbsorbing";  // arms up, eyes aglow
  static constexpr const char* Dying = "BossDying";          // hurt, squashed, poof
  static constexpr const char* DeadParts = "BossDeadParts";  // the six pieces, as assembled
  static constexpr const char* Shadow = "BossShadow";
  // Main folder: the aura and the energy bar are the same for every creature.
  static constexpr const char* Aura = "MonsterAura";
  static constexpr const char* AuraGlow = "MonsterAuraGlow";
  static constexpr const char* AuraSpark = "MonsterAuraSpark";
  static constexpr const char* EnergyFrame = "BossEnergyBar";
  static constexpr const char* EnergyFill = "BossEnergyFill";

  static constexpr int TileWidth = 256, TileHeight = 232;
  // The creature is drawn this much below its Position (its aura and bar with it), so that
  // it stands near the screen's foot and the board's bottom row stays in view.
  static constexpr int StandLowerBy = 34;
  static constexpr int FeetX = 128, FeetY = 205;
  static constexpr int WalkingPatterns = 8, FrontPatterns = 4, DyingPatterns = 3;
  // The dead animation's patterns 4..6 show the dying pictures; from the last (held) one
  // only the pieces remain. The poof (last dying picture) already hides the pieces flying.
  static constexpr int FirstDeadPattern = 4;
  static constexpr int PiecesFromDyingPattern = 2;

  // Pieces: body, head, feet, left wing or arm, right wing or arm, tail (or what is flung
  // off last); each turns about its own joint (pixels in the pattern).
  struct TPivot {
    float X, Y;
  };
  static constexpr TPivot PartPivot[6] = {{128, 192}, {128, 127}, {128, 204},
                                          {79, 128},  {177, 128}, {184, 174}};
  // Back to front: what is flung off behind the rest, the head on top.
  static constexpr int PartOrder[6] = {5, 3, 4, 2, 0, 1};

  static constexpr int ShadowWidth = 200, ShadowHeight = 36;
  static constexpr int ShadowX = FeetX - ShadowWidth / 2, ShadowY = FeetY - ShadowHeight / 2;

  // The aura's picture has its top-left at the aura's Left, Top and grows about its middle,
  // which then sits on the creature's chest.
  static constexpr int AuraSize = 160;
  static constexpr int SparkSize = 48, SparkPatterns = 5;

  // The energy bar hangs from the top edge where a gathering round shows what is left to
  // gather (in a boss round the creature stands under the board's bottom row, so nothing
  // may float above it): a wooden panel with the creature's portrait at its left, awake
  // while it has energy and dazed once beaten, and a slot the fill runs along, the fill as
  // long as the energy left on the 64-unit scale.
  static constexpr const char* Badge = "BossBadge";  // creature folder: awake, dazed
  static constexpr int EnergyFrameWidth = 430, EnergyFrameHeight = 88;
  static constexpr int EnergyBarLeft = (1366 - EnergyFrameWidth) / 2, EnergyBarTop = 0;  // screen
  static constexpr int EnergyFillWidth = 300, EnergyFillHeight = 24;
  static constexpr int EnergyFrameLeft = 106, EnergyFrameTop = 30;  // the fill in the frame
  static constexpr int BadgeSize = 76, BadgeLeft = 18, BadgeTop = 4;  // in the frame
};
