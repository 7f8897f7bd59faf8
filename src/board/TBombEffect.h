#pragma once
#include <functional>
#include <string>

#include "board/TBombParticle.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// The small explosion of the bomb tool and of fruit bombs; the board has already blasted
// the tiles when it starts, so it only shows and sounds.
class TBombEffect : public TComponent {
 public:
  static constexpr int ParticleCount = 12;

  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;

  void Start(TPoint tile);
  void UpdateAndDraw();
  void Reset();
  bool Active() const;

 private:
  TBombParticle Particles[ParticleCount];
};
