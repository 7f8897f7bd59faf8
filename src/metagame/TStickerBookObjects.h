#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/TComponent.h"

class TOmegaImageList;

// The sticker book of the island hub: a town that gains one object for every shop item
// bought. It keeps which objects are acquired, fades them in, highlights the newest and
// says which background stage the town has reached; a painter draws what it holds.
class TStickerBookObjects : public TComponent {
 public:
  static constexpr int MaxObjects = 38;
  static constexpr int DefinedObjects = 23;
  static constexpr int ZeppelinGroup = 3;
  using TStickerBlock = std::array<std::uint8_t, MaxObjects>;
  using TNotifyEvent = std::function<void(TStickerBookObjects& sender)>;
  using TCheckIfObjectImageLoadedEvent =
      std::function<void(TStickerBookObjects& sender, const std::string& imageName)>;

  struct TBookObject {
    bool Acquired = false;
    bool Reverse = false;
    std::uint8_t Group = 0;
    std::string ImageName;
    int X = -999, Y = -999;
    int Alpha = 0;
    int ReverseAlpha = 0;
    double Scale = 1.0;
    // The byte the save keeps for it; any value other than 0 counts as acquired.
    std::uint8_t State = 0;
    bool Visible() const { return Acquired != Reverse; }
    // The alpha it is drawn with.
    int ShownAlpha() const { return Reverse ? ReverseAlpha : Alpha; }
  };
  // What a purchase put into the book.
  struct TPurchase {
    int Group = 0;          // the highlighted item group, 0 for a number outside the shop
    bool Marker1 = false;   // the first purchase of island 1 acquired group 1
    bool Marker2 = false;   // group 2 was acquired by this purchase
  };

  TStickerBookObjects();

  TOmegaImageList* OmgImgList = nullptr;
  int ZeppelinAlphaStep = 3;
  int ZeppelinMaxAlpha = 255;
  int RevPlantAlphaReduce = 2;
  int ObjectAlphaStep = 6;
  TCheckIfObjectImageLoadedEvent OnCheckIfObjectImageLoaded;
  // Fired during Update's walk in group order: before the objects of group 20 (the painter
  // draws the townsfolk there) and after those of group 4 (the meadow).
  TNotifyEvent OnTimeToDrawCitizens, OnAfterMeadowlandDrawOrder;

  void AcquireGroup(int group);
  void AcquireAndHighlight(int group);
  bool IsAcquired(int group) const;
  // Every defined object acquired, the zeppelin's group aside.
  bool IsComplete() const;
  void UpdateStage();
  TStickerBlock GetAcquired() const;
  void SetAcquired(const TStickerBlock& block);
  // Fades, highlight and decoration; then walks the objects in group order, handing every
  // visible one with a picture to draw (when given) and firing the two ordering events.
  void Update(const std::function<void(const TBookObject&)>& draw = {});

  // The purchase of island 1..5, item 1..4: its group highlighted, with the markers that
  // record how far island 1 and 2 have come.
  TPurchase AcquirePurchase(int island, int slot);
  // The last page: the zeppelin arrives once the fifth island's shop is complete.
  void CompleteBook() { AcquireAndHighlight(ZeppelinGroup); }
  // What the progress tube should show: 100 once the zeppelin is there.
  int ProgressPercent(int bookPercentTotal) const;

  int BookStage() const { return Stage; }
  // "ciBG1" .. "ciBG5".
  std::string BackgroundName() const;
  // Whether the book still shows a picture of that name (the shell loads only those).
  bool NeedsImage(const std::string& name) const;
  int HighlightedGroup() const { return HighlightGroup; }
  double HighlightStrength() const { return Highlight; }
  int ZeppelinAlpha() const;
  // A slow swing (degrees, 0..360) for the decorations that sway: the zeppelin bobs on it.
  float DecorAngle() const { return Decor; }
  const TBookObject& Object(int index) const { return Objects[index - 1]; }

 private:
  void Fade(TBookObject& o);

  std::array<TBookObject, MaxObjects> Objects;
  int Stage = 0;
  int HighlightGroup = 0;
  double Highlight = 0;
  float Decor = 0;
};
