#include "effects/TBackgroundEffects.h"

#include "engine/Rounding.h"
#include "engine/SharedTypes.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }

struct TGlowPlace {
  int X, Y;
  float Scale;
};

// What each island's picture has moving on it.
struct TIslandSetup {
  float FogStep;
  int FogAlpha;
  TPoint Dots[3];
  bool Fairies, FairyDots, Flowers, Butterflies, BookShine;
  const char* Walker;  // nullptr: nobody walks here
  int WalkFromX, WalkToX, WalkY;
  float WalkStep;
  const char* WalkFrames;
  int Glows;
  TGlowPlace GlowPlaces[TBackgroundEffects::GlowCount];
};

const TIslandSetup kIslands[5] = {
    {2, 45, {{130, 457}, {1071, 55}, {1142, 569}}, true, true, true, true, false,
     nullptr, 0, 0, 0, 0, "", 2, {{214, 318, 1.6f}, {1212, 402, 1.3f}}},
    {3, 40, {{212, 118}, {1184, 296}, {62, 636}}, true, true, false, true, false,
     "WalkingOrc", 36, 290, 612, 0.7f, "AAABBBCCCDDDEEE", 3,
     {{118, 262, 1.4f}, {1262, 520, 1.8f}, {1010, 92, 1.2f}}},
    {2, 35, {{96, 302}, {1248, 178}, {1012, 618}}, false, true, true, true, false,
     "WalkingSoldier", 1072, 1318, 642, 0.8f, "AAABBBCCCDDD", 2,
     {{176, 508, 1.5f}, {1180, 356, 1.5f}}},
    {4, 80, {{302, 78}, {1118, 92}, {82, 498}}, false, true, false, false, false,
     nullptr, 0, 0, 0, 0, "", 4,
     {{140, 402, 2.0f}, {1226, 470, 2.0f}, {252, 640, 1.4f}, {1140, 660, 1.4f}}},
    {2, 55, {{156, 392}, {1215, 133}, {943, 448}}, true, true, true, true, true,
     nullptr, 0, 0, 0, 0, "", 2, {{88, 214, 1.6f}, {1290, 600, 1.6f}}},
};
}  // namespace

TBackgroundEffects::TBackgroundEffects(TOmegaImageList* images) : OmgImgList(images) {
  Fog.TopLimit = 250;
  Fairies.ImgName = "SmallFairy";
  Fairies.OnDustEffectRequest = [this](TSmallFairies&, int x, int y, bool facingRight) {
    FairyDust.Emit5(x + (facingRight ? FairyDustRightX : FairyDustLeftX), y + FairyDustY,
                    TBounceDustEffect::AnyGroup, 4);
  };
  // Two layers of glowing dots: a few large and quicker, more of them small and slow.
  for (TSmallFairies* dots : {&DotsNear, &DotsFar}) {
    dots->ImgName = "FairyDot";
    dots->OneFrameOnly = true;
    dots->OneFramePatterns = 2;
    dots->Additive = true;
  }
  DotsNear.VisibleFairiesCount = 8;
  DotsNear.AddingFairyInterval = 600;
  DotsNear.MoveStepSpeedLimit = 1.5f;
  DotsNear.MinSize = 0.8f;
  DotsNear.MaxSize = 1.3f;
  DotsFar.VisibleFairiesCount = 12;
  DotsFar.AddingFairyInterval = 450;
  DotsFar.MoveStepSpeedLimit = 0.9f;
  DotsFar.MinSize = 0.45f;
  DotsFar.MaxSize = 0.75f;
  Butterflies.VisiblePinkButterflies = 1;
  Butterflies.VisibleBlueButterflies = 1;
  Butterflies.MinSizeRatio = 0.5f;
  Butterflies.MaxSizeRatio = 0.6f;
  BookShineAlpha.Setup(30, 100, 0.9f, 0.7f);
}

void TBackgroundEffects::RefreshSizes() {
  Fog.OmgImgList = Fairies.OmgImgList = DotsNear.OmgImgList = DotsFar.OmgImgList = OmgImgList;
  FeatherFlowers.OmgImgList = Butterflies.OmgImgList = FairyDust.OmgImgList = OmgImgList;
  FairyDust.RefreshSizes();
  FeatherFlowers.RefreshSizes();
  Butterflies.RefreshSizes();
  if (OmgImgList)
    if (int w = OmgImgList->TileWidthOf("SmallFairy")) FairyDustRightX = w - 3;
}

void TBackgroundEffects::SetIsland(int islandIdx) {
  RefreshSizes();
  Island = islandIdx;
  if (!Active()) return;
  const TIslandSetup& s = kIslands[Island - 1];
  Fog.MoveStep = s.FogStep;
  Fog.AlphaAdd = s.FogAlpha;
  Fog.Reset();
  ShowFairies = s.Fairies;
  ShowDots = s.FairyDots;
  ShowFlowers = s.Flowers;
  ShowButterflies = s.Butterflies;
  BookShine = s.BookShine;
  // Each dot on its own swing, the later ones through narrower turns.
  for (int i = 0; i < ShinyDotCount; ++i) {
    TShinyDot& d = ShinyDots[i];
    d.X = s.Dots[i].X;
    d.Y = s.Dots[i].Y;
    float range = 180.0f - 40.0f * i;
    d.Angle.Setup(-range, range, 0.6f + 0.1f * R(4), 0.6f + 0.1f * R(4));
    d.Alpha.Setup(110.0f + 10 * R(3), 255, 3.0f + R(3), 2.0f + R(3));
    for (int k = R(200); k > 0; --k) d.Angle.Step();
  }
  WalkerState.Active = s.Walker != nullptr;
  if (WalkerState.Active) {
    WalkerState.Image = s.Walker;
    WalkerState.MinX = static_cast<float>(s.WalkFromX);
    WalkerState.MaxX = static_cast<float>(s.WalkToX);
    WalkerState.X = WalkerState.MinX;
    WalkerState.Y = s.WalkY;
    WalkerState.Step = s.WalkStep;
    WalkerState.FacingRight = true;
    WalkerState.Frames = TAnimData(s.WalkFrames, true);
  }
  GlowsShown = s.Glows;
  for (int i = 0; i < GlowsShown; ++i) {
    Glows[i].X = s.GlowPlaces[i].X;
    Glows[i].Y = s.GlowPlaces[i].Y;
    Glows[i].Scale = s.GlowPlaces[i].Scale;
    Glows[i].Alpha.Setup(30.0f + 5 * R(4), 140.0f + 10 * R(4), 1.5f + 0.5f * R(3),
                         1.0f + 0.5f * R(3));
  }
  for (TSmallFairies* group : {&Fairies, &DotsNear, &DotsFar}) {
    group->Reset();
    group->PreRun(1000);
  }
  FeatherFlowers.Reset();
  FeatherFlowers.PreRun(400);
  Butterflies.Reset();
  Butterflies.PreRun(400);
  FairyDust.Reset();  // nothing of the pre-run is left hanging in the air
}

void TBackgroundEffects::UpdateAndDraw() {
  if (!Visible || !Active()) return;
  FairyDust.IsWindows8OrLater = IsWindows8OrLater;
  for (TShinyDot& d : ShinyDots) {
    d.Angle.Step();
    d.Alpha.Step();
  }
  for (int i = 0; i < GlowsShown; ++i) Glows[i].Alpha.Step();
  BookShineAlpha.Step();
  if (WalkerState.Active) {
    // Back and forth along the path, turning round at each end.
    TWalker& w = WalkerState;
    w.X += w.FacingRight ? w.Step : -w.Step;
    if (w.FacingRight && w.X >= w.MaxX) {
      w.X = w.MaxX;
      w.FacingRight = false;
    } else if (!w.FacingRight && w.X <= w.MinX) {
      w.X = w.MinX;
      w.FacingRight = true;
    }
    w.Frame = w.Frames.Frame();
    w.Frames.Next();
  }
  Draw();
}

void TBackgroundEffects::Draw() {
  TOmegaImageList* img = OmgImgList;
  if (img) {
    for (const TShinyDot& d : ShinyDots)
      img->DrawImage("EffectShinyDots", static_cast<float>(d.X), static_cast<float>(d.Y), 0,
                     {.A = static_cast<std::uint8_t>(d.Alpha.RoundedValue()), .CenterX = 0.5f,
                      .CenterY = 0.5f, .Angle = d.Angle.Value, .Blend = bmAdditive});
    for (int i = 0; i < GlowsShown; ++i)
      img->DrawImage("FairyDot", static_cast<float>(Glows[i].X), static_cast<float>(Glows[i].Y),
                     0,
                     {.A = static_cast<std::uint8_t>(Glows[i].Alpha.RoundedValue()),
                      .ScaleX = Glows[i].Scale, .ScaleY = Glows[i].Scale, .CenterX = 0.5f,
                      .CenterY = 0.5f, .Blend = bmAdditive});
    if (BookShine)
      img->DrawImage("BookEffectShine", 293, -5, 0,
                     {.A = static_cast<std::uint8_t>(BookShineAlpha.RoundedValue()),
                      .ScaleX = 2, .ScaleY = 2, .Blend = bmAdditive});
    if (WalkerState.Active) {
      img->DrawImage(WalkerState.Image, static_cast<float>(RoundHalfEven(WalkerState.X)),
                     static_cast<float>(WalkerState.Y), WalkerState.Frame,
                     {.Mirror = !WalkerState.FacingRight});
    }
  }
  Fog.UpdateAndDraw();
  if (ShowFlowers) FeatherFlowers.UpdateAndDraw();
  if (ShowDots) DotsFar.UpdateAndDraw();
  if (ShowFairies) Fairies.UpdateAndDraw();
  FairyDust.UpdateAndDraw();
  if (ShowDots) DotsNear.UpdateAndDraw();
  if (ShowButterflies) Butterflies.UpdateAndDraw();
}
