#include "metagame/TStickerBookPainter.h"

#include <cmath>

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"
#include "metagame/TBookFigures.h"
#include "metagame/TStickerBookLayout.h"
#include "metagame/TStickerBookObjects.h"
#include "ui/TSmallWynnet.h"

namespace {
constexpr const char* Glow = "BookEffectShine";
constexpr float GlowGrow = 1.3f;  // the glow reaches a little past the sticker

std::uint8_t Byte(double v) {
  return static_cast<std::uint8_t>(v <= 0 ? 0 : (v >= 255 ? 255 : RoundHalfEven(v)));
}
}  // namespace

void TStickerBookPainter::DrawGlow(int group, double strength) {
  const TStickerBookLayout::TRect box = TStickerBookLayout::ContentBox(group);
  const int w = OmgImgList->TileWidthOf(Glow), h = OmgImgList->TileHeightOf(Glow);
  if (box.Width() <= 0 || w <= 0 || h <= 0) return;
  const float sx = GlowGrow * box.Width() / w, sy = GlowGrow * box.Height() / h;
  const float cx = (box.Left + box.Right) / 2.0f, cy = (box.Top + box.Bottom) / 2.0f;
  OmgImgList->DrawImage(Glow, cx - w / 2.0f, cy - h / 2.0f, 0,
                        {.A = Byte(GlowAlpha * strength), .ScaleX = sx, .ScaleY = sy,
                         .CenterX = 0.5f, .CenterY = 0.5f, .Blend = bmAdditive});
}

void TStickerBookPainter::DrawBook(TStickerBookObjects& book) {
  if (OmgImgList) OmgImgList->DrawImage(book.BackgroundName(), 0, 0, 0);
  const int lit = book.HighlightedGroup();
  const double strength = book.HighlightStrength();
  book.Update([&](const TStickerBookObjects::TBookObject& o) {
    if (!OmgImgList || o.Group == TStickerBookObjects::ZeppelinGroup) return;
    const int alpha = o.ShownAlpha();
    if (alpha <= 0) return;
    const float scale = static_cast<float>(o.Scale);
    const float x = static_cast<float>(o.X), y = static_cast<float>(o.Y);
    if (o.Group == lit) DrawGlow(lit, strength * alpha / 255.0);
    OmgImgList->DrawImage(o.ImageName, x, y, 0,
                          {.A = static_cast<std::uint8_t>(alpha), .ScaleX = scale, .ScaleY = scale});
    // The newest sticker shines with a lighter copy of itself that fades with the glow.
    if (o.Group == lit)
      OmgImgList->DrawImage(o.ImageName, x, y, 0,
                            {.A = Byte(HighlightAlpha * strength * alpha / 255.0), .ScaleX = scale,
                             .ScaleY = scale, .Blend = bmAdditive});
  });
  if (!OmgImgList) return;
  const TStickerBookObjects::TBookObject& zeppelin = book.Object(TStickerBookObjects::ZeppelinGroup);
  const int alpha = book.ZeppelinAlpha();
  if (zeppelin.Visible() && alpha > 0) {
    const float bob = ZeppelinBob * std::sin(book.DecorAngle() * 3.14159265f / 180);
    const float x = static_cast<float>(zeppelin.X), y = static_cast<float>(zeppelin.Y) + bob;
    if (lit == TStickerBookObjects::ZeppelinGroup) DrawGlow(lit, strength * alpha / 255.0);
    OmgImgList->DrawImage(zeppelin.ImageName, x, y, 0, {.A = static_cast<std::uint8_t>(alpha)});
    if (lit == TStickerBookObjects::ZeppelinGroup)
      OmgImgList->DrawImage(zeppelin.ImageName, x, y, 0,
                            {.A = Byte(HighlightAlpha * strength * alpha / 255.0),
                             .Blend = bmAdditive});
  }
}

void TStickerBookPainter::DrawCitizens(const TStickerBookObjects& book) {
  Citizens.OmgImgList = OmgImgList;
  Citizens.SetStage(book.BookStage());
  Citizens.UpdateAndDraw();
}

void TStickerBookPainter::DrawSmallWynnet(const TSmallWynnet& wynnet) {
  using F = TBookFigures;
  if (!OmgImgList) return;
  const float left = static_cast<float>(wynnet.Left), top = static_cast<float>(wynnet.Top);
  const float raise = F::ArmRestAngle + wynnet.ArmAngle();
  const float cx = static_cast<float>(F::ArmJointX) / F::ArmWidth;
  const float cy = static_cast<float>(F::ArmJointY) / F::ArmHeight;
  const float armY = top + F::ShoulderY - F::ArmJointY;
  // Arms behind the body's outline would vanish when raised: they go on top, turned
  // outward, her right arm (screen left) clockwise, the other mirrored.
  OmgImgList->DrawImage(F::SmallBody, left, top, wynnet.Active() ? 1 : 0);
  OmgImgList->DrawImage(F::SmallArm, left + F::ShoulderLeftX - F::ArmJointX, armY, 0,
                        {.CenterX = cx, .CenterY = cy, .Angle = raise});
  OmgImgList->DrawImage(F::SmallArm, left + F::ShoulderRightX - F::ArmJointX, armY, 0,
                        {.CenterX = cx, .CenterY = cy, .Angle = -raise, .Mirror = true});
}
