#pragma once
#include <functional>
#include <string>

#include "board/TBombParticle.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The big bomb: twenty pieces burst from the tile and grow; when the first is fully
// grown the board is blasted.
class TBigBombEffect : public TComponent {
 public:
  static constexpr int ParticleCount = 20;

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  float FullScale = 5.5f;
  float ScaleStep = 0.95f;

  std::function<void(TBigBombEffect& sender, TPoint hitTilePos)> OnFullExplosion;

  void Start(TPoint tile);
  void UpdateAndDraw();
  void Reset();
  bool Active() const;
  const TBombParticle& Particle(int i) const { return Particles[i]; }

 private:
  TBombParticle Particles[ParticleCount];
  TPoint Tile;
  bool Exploded = true;
};
