#pragma once
#include <functional>
#include <string>

#include "engine/TComponent.h"

class TOmegaImageList;

// The full-screen help page, loaded when it is needed and freed after.
class THelpPages : public TComponent {
 public:
  static constexpr int PageCount = 1;

  explicit THelpPages(TOmegaImageList& images) : OmgImgList(images) {}

  int PageIdx = 1;
  int AlphaStep = 20;
  std::function<void(THelpPages& sender, const std::string& fileName)> OnLoadAnImage;

  void LoadImages();
  void FreeImages();
  void Draw();
  int Alpha(int page) const { return Alphas[page - 1]; }

 private:
  TOmegaImageList& OmgImgList;
  int Alphas[PageCount] = {0};
};
