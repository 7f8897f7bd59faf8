#pragma once
#include <functional>
#include <string>

#include "engine/TComponent.h"

class TOmegaImageList;

// The full-screen help pages (how to play, the island's creature, the tools and the flask),
// loaded when they are needed and freed after; a click turns to the next, the last back to
// the first, each fading into the next.
class THelpPages : public TComponent {
 public:
  static constexpr int PageCount = 3;

  explicit THelpPages(TOmegaImageList& images) : OmgImgList(images) {}

  int PageIdx = 1;
  int AlphaStep = 20;
  std::function<void(THelpPages& sender, const std::string& fileName)> OnLoadAnImage;

  void LoadImages();
  void FreeImages();
  void NextPage() { PageIdx = PageIdx % PageCount + 1; }
  void Draw();
  int Alpha(int page) const { return Alphas[page - 1]; }

 private:
  TOmegaImageList& OmgImgList;
  int Alphas[PageCount] = {};
};
