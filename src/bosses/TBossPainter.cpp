#include "bosses/TBossPainter.h"

// Placeholder until the creatures' pictures exist.
void TBossPainter::DrawBoss(const TBoss&) {}
void TBossPainter::DrawAura(const TMonsterAura&) {}
